#pragma once
#include <QWidget>

namespace spindora {

// The best-times list as the keys reach it. Tab stops on it, the arrows walk its rows and a
// dashed frame marks the row walked to while it has the keys; it draws nothing else and lets
// every click through to what lies under it. Screen readers read it as a table of time and
// name (HighscoreAccessible.h), the focus on the row walked to.
class HighscoreTable final : public QWidget {
    Q_OBJECT
public:
    // Lies over the list frame `frame`; its `rows` rows start at `firstRow` (both in the
    // window's coordinates).
    HighscoreTable(QWidget* parent, QRect frame, QRect firstRow, int rows);

    int CurrentRow() const { return current_; }
    void SetCurrentRow(int row);
    int Rows() const { return rows_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect RowArea(int row) const;
    void TellFocus();

    QRect firstRow_;
    int rows_;
    int current_ = 0;
};

}  // namespace spindora
