#pragma once
#include <QLineEdit>

namespace spindora {

// The box a new highscore's name is typed into. It offers the last player's name; until
// that is edited, taking the focus in any way selects it whole, so a new player's first
// key replaces it instead of adding to it.
class NameBox final : public QLineEdit {
    Q_OBJECT
public:
    // Made with the name it offers, which screen readers are not told as typed in.
    NameBox(const QString& name, QWidget* parent);
    // Offers `name` anew, as not edited; the text changes only when it differs, since a
    // screen reader may take a change as typed.
    void Offer(const QString& name);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool selectedByClick_ = false;
};

}  // namespace spindora
