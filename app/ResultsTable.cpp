#include "ResultsTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QProxyStyle>

namespace zorvanta {

namespace {

constexpr int kRowCount = 9;
constexpr int kColumnCount = 2;
constexpr int kColumnWidth = 100;
constexpr int kValueColumn = 1;

// The style's text padding of a cell, narrowed from three pixels to one at each side, so that
// every row label ("Vehicles in queue" is the widest) shows whole in its 100-unit column.
class CellStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin && qobject_cast<const ResultsTable*>(widget) != nullptr)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

ResultsTable::ResultsTable(QWidget* parent) : QTableWidget(kRowCount, kColumnCount, parent)
{
    for (int row = 0; row < kRowCount; ++row)
        for (int column = 0; column < kColumnCount; ++column)
            setItem(row, column, new QTableWidgetItem());

    // Without headers the user has no handle to move or resize a column.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    auto* cellStyle = new CellStyle(style()->name());
    cellStyle->setParent(this);
    setStyle(cellStyle);
    // A long value keeps its leading characters and ends in an ellipsis; wrapping would break it at
    // its decimal separator and leave a single digit in view.
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);

    // The current row stays highlighted in the same colours when the focus is elsewhere.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    selectionModel()->clearCurrentIndex();
}

void ResultsTable::WriteCell(int row, int column, const QString& text)
{
    const QModelIndex index = model()->index(row, column);
    QWidget* editor = indexWidget(index);
    if (editor != nullptr)
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    item(row, column)->setText(text);
    // A value may be wider than its cell; its whole text is a pointer's rest away.
    if (column == kValueColumn)
        item(row, column)->setToolTip(text);
    // The grid shows an editor on its current cell while it has the focus; reopen it on the new text.
    if (editor != nullptr && hasFocus() && currentIndex() == index)
        edit(index);
}

QString ResultsTable::CellText(int row, int column) const
{
    return item(row, column)->text();
}

void ResultsTable::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // Whichever way a cell becomes current (a click, a key, or the focus arriving by Tab), its
    // whole row is the selection, so the row is highlighted and not only the editor's text.
    if (current.isValid() && !selectionModel()->isRowSelected(current.row(), current.parent()))
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTableWidget::currentChanged(current, previous);
}

QModelIndex ResultsTable::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && (cursorAction == MoveNext || cursorAction == MovePrevious)) {
        // Tab walks the column; past either end there is no cell, so the focus leaves the grid.
        const int row = current.row() + (cursorAction == MoveNext ? 1 : -1);
        if (row < 0 || row >= rowCount())
            return {};
        return model()->index(row, current.column());
    }
    return QTableWidget::moveCursor(cursorAction, modifiers);
}

bool ResultsTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // The editor follows the current cell only while the grid has the focus.
    if (trigger == CurrentChanged && !hasFocus())
        return false;
    return QTableWidget::edit(index, trigger, event);
}

void ResultsTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const int row = currentIndex().row();
    const bool leaveForward = hint == QAbstractItemDelegate::EditNextItem && row == rowCount() - 1;
    const bool leaveBackward = hint == QAbstractItemDelegate::EditPreviousItem && row == 0;
    if (!leaveForward && !leaveBackward) {
        QTableWidget::closeEditor(editor, hint);
        return;
    }
    // Tab in the editor of the last row (Shift+Tab in the first) leaves the grid.
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (leaveForward)
        focusNextChild();
    else
        focusPreviousChild();
}

void ResultsTable::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState && currentIndex().isValid()) {
        edit(currentIndex());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace zorvanta
