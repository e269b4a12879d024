#pragma once

#include <QList>
#include <QString>

class QMimeData;

namespace zorvanta {

/// One row of the results table as it shows: its label and its value text.
struct ResultRow {
    QString Label;
    QString Value;
};

/// The rows as plain text: one line per row, label and value separated by a tab, so that a
/// spreadsheet pastes two columns. A tab or line break inside a cell becomes a blank.
QString ResultsPlainText(const QList<ResultRow>& rows);

/// The rows as an HTML table of two columns, for word processors.
QString ResultsHtmlTable(const QList<ResultRow>& rows);

/// Both flavours together, for the clipboard (the caller owns the result).
QMimeData* ResultsMimeData(const QList<ResultRow>& rows);

}  // namespace zorvanta
