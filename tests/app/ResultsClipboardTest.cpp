#include "ResultsClipboard.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <memory>

namespace zorvanta {
namespace {

// The cells of the first table an HTML text holds, as a word processor reads them.
QList<QStringList> HtmlTableCells(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        if (QTextTable* table = cursor.currentTable()) {
            QList<QStringList> cells;
            for (int row = 0; row < table->rows(); ++row) {
                QStringList line;
                for (int column = 0; column < table->columns(); ++column) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    QTextCursor from = cell.firstCursorPosition();
                    from.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                    line << from.selectedText();
                }
                cells << line;
            }
            return cells;
        }
    }
    return {};
}

TEST(ResultsClipboardTest, PlainTextIsOneTabSeparatedLinePerRow)
{
    const QList<ResultRow> rows{{"Vehicles Max", "4800"}, {"End Time", "7,85714285714286"}, {"Area 1", ""}};
    EXPECT_EQ(ResultsPlainText(rows), "Vehicles Max\t4800\nEnd Time\t7,85714285714286\nArea 1\t\n");
}

TEST(ResultsClipboardTest, CellsOwnTabsAndLineBreaksCannotAddColumnsOrRows)
{
    const QList<ResultRow> rows{{"two\twords", "a\nb"}, {"c\r\nd", QString::fromUtf8("e\u2028f")}};
    EXPECT_EQ(ResultsPlainText(rows), "two words\ta b\nc  d\te f\n");
}

TEST(ResultsClipboardTest, HtmlIsATableOfTheRowsWithTheirTextsEscaped)
{
    const QList<ResultRow> rows{{"Vehicles Max", "4800"}, {"<b>bold</b> & \"quoted\"", "%1 %2"}, {"Area 2", ""}};
    const QList<QStringList> cells = HtmlTableCells(ResultsHtmlTable(rows));
    ASSERT_EQ(cells.size(), 3);
    EXPECT_EQ(cells[0], QStringList({"Vehicles Max", "4800"}));
    EXPECT_EQ(cells[1], QStringList({"<b>bold</b> & \"quoted\"", "%1 %2"}));
    EXPECT_EQ(cells[2], QStringList({"Area 2", ""}));
}

TEST(ResultsClipboardTest, MimeDataCarriesBothFlavours)
{
    const QList<ResultRow> rows{{"Total delay", "12000"}};
    const std::unique_ptr<QMimeData> data(ResultsMimeData(rows));
    EXPECT_EQ(data->text(), ResultsPlainText(rows));
    EXPECT_TRUE(data->hasHtml());
    EXPECT_EQ(data->html(), ResultsHtmlTable(rows));
}

}  // namespace
}  // namespace zorvanta
