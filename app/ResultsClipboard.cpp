#include "ResultsClipboard.h"

#include <QMimeData>
#include <QRegularExpression>

namespace zorvanta {

namespace {

// A cell's own tab or line break would add a column or a row when pasted.
QString OnOneLine(const QString& cell)
{
    static const QRegularExpression kSeparators(QStringLiteral("[\\t\\r\\n\\x{2028}\\x{2029}]"));
    QString text = cell;
    return text.replace(kSeparators, QStringLiteral(" "));
}

}  // namespace

QString ResultsPlainText(const QList<ResultRow>& rows)
{
    QString text;
    for (const ResultRow& row : rows)
        text += OnOneLine(row.Label) + u'\t' + OnOneLine(row.Value) + u'\n';
    return text;
}

QString ResultsHtmlTable(const QList<ResultRow>& rows)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
    for (const ResultRow& row : rows)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(row.Label.toHtmlEscaped(), row.Value.toHtmlEscaped());
    html += QStringLiteral("</table></body></html>\n");
    return html;
}

QMimeData* ResultsMimeData(const QList<ResultRow>& rows)
{
    auto* data = new QMimeData;
    data->setText(ResultsPlainText(rows));
    data->setHtml(ResultsHtmlTable(rows));
    return data;
}

}  // namespace zorvanta
