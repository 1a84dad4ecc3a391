#include "app/ui/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include "app/ui/BoardView.h"

namespace velmora {
namespace {

// One card's cell; it reads the board afresh every time, so it never shows a stale name.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    BoardCell(BoardView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < static_cast<int>(Board().Cells.size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return Board().Cells[static_cast<std::size_t>(index_)].Name;
    }

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect place = Board().Cells[static_cast<std::size_t>(index_)].Place;
        return {view_->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focused = view_->hasFocus() && Board().Cursor == index_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleActionInterface: pressing a cell turns its card, as a click does.
    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionDescription(const QString& action) const override {
        if (action != pressAction()) return {};
        return QCoreApplication::translate("BoardView", "Turns the card");
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid() && view_->onPressCell) view_->onPressCell(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Columns() > 0 ? index_ % Columns() : 0; }
    int rowIndex() const override { return Columns() > 0 ? index_ / Columns() : 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    AccessibleBoard Board() const { return view_ ? view_->Described() : AccessibleBoard{}; }
    int Columns() const { return view_ ? view_->Described().Columns : 0; }

    QPointer<BoardView> view_;
    int index_;
};

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardView* view) : QAccessibleWidget(view, QAccessible::Table) {}

    ~BoardTable() override {
        for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QCoreApplication::translate("BoardView", "Board");
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return QCoreApplication::translate("BoardView",
                                               "The cards; arrow keys move the cursor, Space turns the card");
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(Board().Cells.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto found = cells_.constFind(index); found != cells_.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* cell = new BoardCell(View(), index);
        cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        for (auto it = cells_.constBegin(); it != cells_.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return View()->hasFocus() ? child(Board().Cursor) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint inView = View()->mapFromGlobal(QPoint(x, y));
        const AccessibleBoard board = Board();
        for (std::size_t i = 0; i < board.Cells.size(); ++i)
            if (board.Cells[i].Place.contains(inView)) return child(static_cast<int>(i));
        return nullptr;
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const AccessibleBoard board = Board();
        if (row < 0 || column < 0 || row >= board.Rows || column >= board.Columns) return nullptr;
        return child(row * board.Columns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QCoreApplication::translate("BoardView", "Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return QCoreApplication::translate("BoardView", "Row %1").arg(row + 1);
    }
    int columnCount() const override { return Board().Columns; }
    int rowCount() const override { return Board().Rows; }
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
    BoardView* View() const { return static_cast<BoardView*>(widget()); }
    AccessibleBoard Board() const { return View()->Described(); }

    mutable QHash<int, QAccessible::Id> cells_;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<BoardView*>(object)) return new BoardTable(view);
    return nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(BoardFactory);
}

}  // namespace velmora
