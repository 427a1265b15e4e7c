#pragma once
#include <QLabel>
#include <QStringList>

namespace spindora {

// A message that needs two lines breaks where the two come out most nearly equal, so no
// last word is left standing alone under a full line; the lines keep the label's horizontal
// alignment and start at its top. Text that fits on one line, or on no two, is drawn as a
// word-wrapped label draws it.
class BalancedLabel final : public QLabel {
    Q_OBJECT
public:
    explicit BalancedLabel(QWidget* parent);

    // The lines the text is drawn in at the label's width and font.
    QStringList Lines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace spindora
