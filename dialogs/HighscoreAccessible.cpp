#include "dialogs/HighscoreAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include "dialogs/HighscoreTable.h"
#include "dialogs/Texts.h"
#include "dialogs/THighscoreDlg.h"
#include "dialogs/TimeWords.h"

namespace spindora {
namespace {

constexpr int kColumns = 2;  // time, name
constexpr TextPair kColumnNames[kColumns] = {{"Zeit", "Time"}, {"Name", "Name"}};

// The language the window was last shown in, kept on the window for its table.
constexpr const char* kTongueProperty = "spindoraTongue";

int TongueOf(const QWidget* dialog) { return dialog->property(kTongueProperty).toInt(); }

// What the cells and the column headers share: parts of the table without widgets of their
// own, living and hiding with the window.
class ListPartAccessible : public QAccessibleInterface {
public:
    explicit ListPartAccessible(HighscoreTable* table) : table_(table) {}

    bool isValid() const override { return table_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !table_ || !table_->isVisible();
        return state;
    }

protected:
    const THighscoreDlg* Dialog() const { return static_cast<const THighscoreDlg*>(table_->parentWidget()); }

    QPointer<HighscoreTable> table_;
};

// A column's header, "Time" or "Name": what a screen reader says before a cell of it.
class HeaderAccessible final : public ListPartAccessible {
public:
    HeaderAccessible(HighscoreTable* table, int column) : ListPartAccessible(table), column_(column) {}

    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QRect rect() const override { return {}; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && table_ ? Pick(kColumnNames[column_], TongueOf(Dialog())) : QString();
    }

private:
    int column_;
};

// One cell: the time or the name of one row, read from the window's rows as they stand.
// The row walked to is selected, and its time has the focus while the table has the keys.
// Orca 43 reads the whole row as the focus reaches it, and the column headers only when it
// moves along a row, so the text a screen reader reads out of a cell leads with its column's
// header: "Time: 82.4 seconds", "Name: Mr. Brain". Its name is the entry alone.
class CellAccessible final : public ListPartAccessible,
                             public QAccessibleTableCellInterface,
                             public QAccessibleTextInterface {
public:
    CellAccessible(HighscoreTable* table, int row, int column, QAccessible::Id header)
        : ListPartAccessible(table), row_(row), column_(column), header_(header) {}

    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state = ListPartAccessible::state();
        if (!table_) return state;
        state.selectable = true;
        state.selected = row_ == table_->CurrentRow();
        state.focusable = column_ == 0;
        state.focused = state.selected && state.focusable && table_->hasFocus();
        return state;
    }
    QRect rect() const override {
        if (!table_) return {};
        const QLabel* label = column_ == 0 ? Dialog()->sco(row_) : Dialog()->pla(row_);
        return QRect(label->mapToGlobal(QPoint(0, 0)), label->size());
    }
    QString text(QAccessible::Text t) const override {
        static constexpr TextPair kNoTime{"keine Zeit", "no time"};
        static constexpr TextPair kNewEntry{"neuer Eintrag", "new entry"};
        if (!table_) return {};
        const THighscoreDlg* dialog = Dialog();
        const int tongue = TongueOf(dialog);
        const bool editing = row_ == dialog->EditRow && dialog->Edit1()->isVisible();
        if (t == QAccessible::Description) return editing ? Pick(kNewEntry, tongue) : QString();
        if (t != QAccessible::Name) return {};
        const int32_t time = dialog->EntryTimes[static_cast<size_t>(row_)];
        if (column_ == 0) return time == 0 ? Pick(kNoTime, tongue) : SecondsText(time, tongue);
        return editing ? dialog->Edit1()->text() : dialog->EntryNames[static_cast<size_t>(row_)];
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {QAccessible::accessibleInterface(header_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // The text read out: header and entry, not to be edited or selected.
    QString text(int start, int end) const override { return Read().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Read().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset + 1;
        return {};
    }

private:
    QString Read() const {
        const QAccessibleInterface* header = QAccessible::accessibleInterface(header_);
        return header ? header->text(QAccessible::Name) + QStringLiteral(": ") + text(QAccessible::Name) : QString();
    }

    int row_, column_;
    QAccessible::Id header_;
};

// The list: five rows of time and name, read row by row. Its column headers are no children
// of it, so that its children are its cells alone.
class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(HighscoreTable* table) : QAccessibleWidget(table, QAccessible::Table) {
        for (int column = 0; column < kColumns; ++column)
            headers_.push_back(QAccessible::registerAccessibleInterface(new HeaderAccessible(table, column)));
        for (int row = 0; row < table->Rows(); ++row)
            for (int column = 0; column < kColumns; ++column)
                cells_.push_back(QAccessible::registerAccessibleInterface(
                    new CellAccessible(table, row, column, headers_[static_cast<size_t>(column)])));
    }
    ~TableAccessible() override {
        for (const QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
        for (const QAccessible::Id id : headers_) QAccessible::deleteAccessibleInterface(id);
    }

    // Row by row: the time, then the name.
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? QAccessible::accessibleInterface(cells_[static_cast<size_t>(index)])
                                                  : nullptr;
    }
    int childCount() const override { return static_cast<int>(cells_.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessible::accessibleInterface(cells_[static_cast<size_t>(i)]) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y)) return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? child(Table()->CurrentRow() * kColumns) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        static constexpr TextPair kName{"Bestzeiten", "Best times"};
        return t == QAccessible::Name ? Pick(kName, TongueOf(widget()->parentWidget())) : QString();
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override {
        return column >= 0 && column < kColumns ? Pick(kColumnNames[column], TongueOf(widget()->parentWidget()))
                                                : QString();
    }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return Table()->Rows(); }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < rowCount() && column >= 0 && column < kColumns ? child(row * kColumns + column)
                                                                                : nullptr;
    }
    // The row walked to is the one selected.
    int selectedCellCount() const override { return kColumns; }
    QList<QAccessibleInterface*> selectedCells() const override {
        return {cellAt(Table()->CurrentRow(), 0), cellAt(Table()->CurrentRow(), 1)};
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 1; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {Table()->CurrentRow()}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row == Table()->CurrentRow(); }
    bool selectRow(int row) override {
        Table()->SetCurrentRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    HighscoreTable* Table() const { return static_cast<HighscoreTable*>(widget()); }

    std::vector<QAccessible::Id> headers_;
    std::vector<QAccessible::Id> cells_;
};

// The window: its controls, the list first. The labels are left out: the table reads the
// rows they draw, and the check box takes its label's text as its name.
class DialogAccessible final : public QAccessibleWidget {
public:
    explicit DialogAccessible(THighscoreDlg* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(Controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = Controls();
        return index >= 0 && index < controls.size() ? QAccessible::queryAccessibleInterface(controls[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(Controls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> Controls() const {
        QList<QWidget*> controls;
        for (QObject* part : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(part);
            if (control && !control->isWindow() && !control->isHidden() && !qobject_cast<QLabel*>(control))
                controls << control;
        }
        return controls;
    }
};

}  // namespace

QAccessibleInterface* MakeHighscoreAccessible(THighscoreDlg* dialog) { return new DialogAccessible(dialog); }

QAccessibleInterface* MakeHighscoreTableAccessible(HighscoreTable* table) { return new TableAccessible(table); }

void NameHighscoreParts(THighscoreDlg& dialog, int tongue) {
    static constexpr TextPair kNameBox{"Dein Name", "Your name"};
    static constexpr TextPair kNewTime{"Neue Bestzeit auf Platz %1: %2", "New best time in place %1: %2"};
    dialog.setProperty(kTongueProperty, tongue);
    dialog.Edit1()->setAccessibleName(Pick(kNameBox, tongue));
    if (dialog.EditRow >= 0)
        dialog.Edit1()->setAccessibleDescription(
            Pick(kNewTime, tongue)
                .arg(dialog.EditRow + 1)
                .arg(SecondsText(dialog.EntryTimes[static_cast<size_t>(dialog.EditRow)], tongue)));
    dialog.ClearBox()->setAccessibleName(dialog.delcheck()->text());
    if (!QAccessible::isActive()) return;
    // The same cells stand for another list now.
    auto* list = dialog.findChild<HighscoreTable*>();
    QAccessibleInterface* table = list ? QAccessible::queryAccessibleInterface(list) : nullptr;
    for (int i = 0; table && i < table->childCount(); ++i) {
        QAccessibleEvent renamed(table->child(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

}  // namespace spindora
