#pragma once
#include <QLineEdit>

namespace spindora {

// The box a new highscore's name is typed into. It offers the last player's name; until
// that is edited, taking the focus in any way selects it whole, so a new player's first
// key replaces it instead of adding to it.
class NameBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool selectedByClick_ = false;
};

}  // namespace spindora
