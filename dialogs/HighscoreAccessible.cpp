#include "dialogs/HighscoreAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

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

// What the table and its cells share: they stand for parts of the window, not widgets of
// their own, and live and hide with it.
class ListPartAccessible : public QAccessibleInterface {
public:
    explicit ListPartAccessible(THighscoreDlg* dialog) : dialog_(dialog) {}

    bool isValid() const override { return dialog_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return dialog_ ? dialog_->windowHandle() : nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !dialog_ || !dialog_->isVisible();
        return state;
    }

protected:
    QPointer<THighscoreDlg> dialog_;
};

class TableAccessible;

// One cell: the time or the name of one row, read from the window's rows as they stand.
class CellAccessible final : public ListPartAccessible, public QAccessibleTableCellInterface {
public:
    CellAccessible(THighscoreDlg* dialog, const TableAccessible* table, int row, int column)
        : ListPartAccessible(dialog), table_(table), row_(row), column_(column) {}

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QRect rect() const override {
        if (!dialog_) return {};
        const QLabel* label = column_ == 0 ? dialog_->sco(row_) : dialog_->pla(row_);
        return QRect(label->mapToGlobal(QPoint(0, 0)), label->size());
    }
    QString text(QAccessible::Text t) const override {
        static constexpr TextPair kNoTime{"keine Zeit", "no time"};
        static constexpr TextPair kNewEntry{"neuer Eintrag", "new entry"};
        if (!dialog_) return {};
        const int tongue = TongueOf(dialog_);
        const bool editing = row_ == dialog_->EditRow && dialog_->Edit1()->isVisible();
        if (t == QAccessible::Description) return editing ? Pick(kNewEntry, tongue) : QString();
        if (t != QAccessible::Name) return {};
        const int32_t time = dialog_->EntryTimes[static_cast<size_t>(row_)];
        if (column_ == 0) return time == 0 ? Pick(kNoTime, tongue) : SecondsText(time, tongue);
        return editing ? dialog_->Edit1()->text() : dialog_->EntryNames[static_cast<size_t>(row_)];
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    const TableAccessible* table_;
    int row_, column_;
};

class TableAccessible final : public ListPartAccessible, public QAccessibleTableInterface {
public:
    explicit TableAccessible(THighscoreDlg* dialog) : ListPartAccessible(dialog) {
        for (int row = 0; row < kHighscoreRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                cells_.push_back(QAccessible::registerAccessibleInterface(new CellAccessible(dialog, this, row, column)));
    }
    ~TableAccessible() override {
        for (const QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(dialog_); }
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
    QAccessible::Role role() const override { return QAccessible::Table; }
    QRect rect() const override {
        if (!dialog_) return {};
        const QRect top = dialog_->sco(0)->geometry().united(dialog_->pla(0)->geometry());
        const QRect list = top.united(dialog_->sco(kHighscoreRows - 1)->geometry());
        return QRect(dialog_->mapToGlobal(list.topLeft()), list.size());
    }
    QString text(QAccessible::Text t) const override {
        static constexpr TextPair kName{"Bestzeiten", "Best times"};
        return t == QAccessible::Name && dialog_ ? Pick(kName, TongueOf(dialog_)) : QString();
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override {
        return column >= 0 && column < kColumns && dialog_ ? Pick(kColumnNames[column], TongueOf(dialog_)) : QString();
    }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kHighscoreRows; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < kHighscoreRows && column >= 0 && column < kColumns ? child(row * kColumns + column)
                                                                                     : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    std::vector<QAccessible::Id> cells_;
};

QAccessibleInterface* CellAccessible::parent() const { return const_cast<TableAccessible*>(table_); }
QAccessibleInterface* CellAccessible::table() const { return const_cast<TableAccessible*>(table_); }

// The window: the table first, then its controls. The labels are left out: the table reads
// the rows they draw, and the check box takes its label's text as its name.
class DialogAccessible final : public QAccessibleWidget {
public:
    explicit DialogAccessible(THighscoreDlg* dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog),
          table_(QAccessible::registerAccessibleInterface(new TableAccessible(dialog))) {}
    ~DialogAccessible() override { QAccessible::deleteAccessibleInterface(table_); }

    int childCount() const override { return 1 + static_cast<int>(Controls().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::accessibleInterface(table_);
        const QList<QWidget*> controls = Controls();
        return index > 0 && index <= controls.size() ? QAccessible::queryAccessibleInterface(controls[index - 1])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == QAccessible::accessibleInterface(table_)) return 0;
        const int at = child ? static_cast<int>(Controls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
        return at >= 0 ? at + 1 : -1;
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

    QAccessible::Id table_;
};

}  // namespace

QAccessibleInterface* MakeHighscoreAccessible(THighscoreDlg* dialog) { return new DialogAccessible(dialog); }

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
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&dialog)->child(0);
    for (int i = 0; table && i < table->childCount(); ++i) {
        QAccessibleEvent renamed(table->child(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

}  // namespace spindora
