#pragma once

#include <QTableWidget>

namespace zorvanta {

/// The nine-row, two-column results grid: every cell editable in place, the whole current
/// row highlighted, Tab walking down a column and leaving the grid at either end.
class ResultsTable : public QTableWidget {
    Q_OBJECT

public:
    explicit ResultsTable(QWidget* parent = nullptr);

    /// Writes a cell as the program's own value; an editor open on it loses its unsaved text.
    /// A value cell (column 1) also shows its whole text as its tooltip.
    void WriteCell(int row, int column, const QString& text);
    /// The text the cell holds (not an open editor's unsaved text).
    QString CellText(int row, int column) const;

    using QTableWidget::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zorvanta
