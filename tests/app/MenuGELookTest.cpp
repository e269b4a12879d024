#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>

#include "Informazion.h"
#include "MainWindowHarness.h"
#include "ResultsTable.h"

// What the user reads on the first screen, measured with the program's own look (the test
// main sets it up as main() does); ctest also runs these at display scales 1.25, 1.5 and 2.

namespace zorvanta {
namespace {

using namespace zorvanta::apptest;

class MenuGELookTest : public ::testing::Test {
protected:
    MainWindowHarness main{','};
};

// The lines a label's text breaks into at its width, as its word wrap lays it out.
QStringList WrappedLines(const QLabel& label)
{
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

TEST_F(MenuGELookTest, EachCaptionShowsWholeInTwoLinesItalianThenEnglish)
{
    struct Caption {
        const char* Name;
        QString Italian;
        QString English;
    };
    const Caption captions[] = {
        {"Portata_normale_LAB", "Portata in condizioni normali", "Flow at standard conditions"},
        {"Portata_eccezionale_LAB", "Portata in condizioni di punta", "Flow in peak condition"},
        {"Capacita_LAB", "Capacita' della strada", "Capacity of the road"},
        {"Durata_fenomeno_LAB", "Durata del fenomeno", "Duration of the phenomenon"},
    };
    for (const Caption& caption : captions) {
        SCOPED_TRACE(caption.Name);
        const QLabel* label = main.Child<QLabel>(caption.Name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->size(), QSize(190, 46));
        EXPECT_LE(label->heightForWidth(190), 46);
        EXPECT_EQ(WrappedLines(*label), QStringList({caption.Italian, caption.English}));
    }
}

// The cell's text as the table draws it: elided to the room its style leaves for text.
class DrawnTable : public ResultsTable {
public:
    QString DrawnText(int row, int column)
    {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex index = model()->index(row, column);
        option.rect = visualRect(index);
        option.text = item(row, column)->text();
        option.features |= QStyleOptionViewItem::HasDisplay;
        const QRect textRect = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
        const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1;
        if (wordWrap())
            return QStringLiteral("(word wrapped)");
        return option.fontMetrics.elidedText(option.text, textElideMode(), textRect.width() - 2 * margin);
    }
};

TEST(ResultsTableLookTest, LabelsShowWholeAndLongValuesKeepTheirLeadingCharacters)
{
    DrawnTable table;
    table.resize(206, 216);
    for (int row = 0; row < kRowLabels.size(); ++row)
        table.WriteCell(row, 0, kRowLabels[row]);
    // Inputs 800, 2000, 801, 2147483647 in a comma locale, and a comma-locale End Time.
    const QStringList values{"2,57484982264409E12", "7,85714285714286", "-1474843,48"};
    for (int row = 0; row < values.size(); ++row)
        table.WriteCell(row, 1, values[row]);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));

    for (int row = 0; row < kRowLabels.size(); ++row)
        EXPECT_EQ(table.DrawnText(row, 0), kRowLabels[row]);
    for (int row = 0; row < values.size(); ++row) {
        SCOPED_TRACE(values[row].toStdString());
        const QString drawn = table.DrawnText(row, 1);
        EXPECT_EQ(table.item(row, 1)->text(), values[row]) << "the cell keeps the text written";
        EXPECT_EQ(table.item(row, 1)->toolTip(), values[row]);
        ASSERT_GE(drawn.size(), 6) << drawn.toStdString();
        const QString shown = drawn.endsWith(QChar(0x2026)) ? drawn.chopped(1) : drawn;
        EXPECT_TRUE(values[row].startsWith(shown)) << drawn.toStdString();
    }
}

TEST_F(MenuGELookTest, ProcessOpensEveryValueCellsTooltipWithItsFullText)
{
    main.SetInputs("800", "2000", "801", "2147483647");
    main.window.Analisi_IMGClick();
    ASSERT_TRUE(main.reports.isEmpty());
    for (int row = 0; row < 9; ++row) {
        // The tooltip opens with the full text; what the value means follows on later lines.
        EXPECT_EQ(main.Table()->item(row, 1)->toolTip().section(u'\n', 0, 0), main.Table()->item(row, 1)->text())
            << row;
        EXPECT_TRUE(main.Table()->item(row, 0)->toolTip().isEmpty()) << row;
    }
}

TEST_F(MenuGELookTest, TabIntoTheTableHighlightsTheWholeFirstRow)
{
    main.Edit("Capacita_TXT")->setFocus();
    main.Press(Qt::Key_Tab);
    ASSERT_EQ(main.FocusName(), "Tabella_TXT");
    QTableWidget* table = main.Table();
    EXPECT_EQ(table->currentIndex().row(), 0);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(0, {}));
    EXPECT_TRUE(table->item(0, 0)->isSelected());
    EXPECT_TRUE(table->item(0, 1)->isSelected());
    main.Press(Qt::Key_Tab);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(1, {}));
    EXPECT_FALSE(table->selectionModel()->isRowSelected(0, {}));
}

TEST_F(MenuGELookTest, TheWindowCannotShrinkPastTheCommandColumn)
{
    main.window.resize(100, 100);
    QCoreApplication::processEvents();
    const QWidget* column = main.Child<QWidget>("Comandi_LAY");
    const QLabel* information = main.Child<QLabel>("Informazioni_LAB");
    const QWidget* table = main.Table();
    EXPECT_GE(main.window.height(), information->mapTo(&main.window, QPoint(0, information->height())).y());
    EXPECT_GE(main.window.height(), table->mapTo(&main.window, QPoint(0, table->height())).y());
    EXPECT_GE(main.window.width(), column->width() + 200) << "the column and a usable chart";
    EXPECT_GE(main.Chart("Chart1")->height(), 10);
    EXPECT_GE(main.Chart("Chart2")->height(), 20);
}

TEST(InformazioniLookTest, TheWindowCannotShrinkPastItsContents)
{
    TInformazioni window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.resize(50, 50);
    QCoreApplication::processEvents();
    EXPECT_GE(window.height(), 567);
    for (QLabel* label : window.findChildren<QLabel*>())
        EXPECT_GE(window.width(), label->sizeHint().width()) << label->objectName().toStdString();
    EXPECT_GE(window.width(), 256) << "the logo";
}

TEST_F(MenuGELookTest, AnInputTakesAndReportsTextOfAnyLength)
{
    const QString longText(40000, QLatin1Char('9'));
    QLineEdit* edit = main.Edit("Portata_normale_TXT");
    edit->setText(longText);
    EXPECT_EQ(edit->text(), longText);
    main.window.Analisi_IMGClick();
    ASSERT_EQ(main.reports.size(), 1);
    EXPECT_EQ(main.reports.front(), "'" + longText + "' is not a valid integer value.");
}

}  // namespace
}  // namespace zorvanta
