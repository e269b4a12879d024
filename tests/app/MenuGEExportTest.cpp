// Getting results out of the main window: copying the table, the charts' menus, and a typed
// file name that Qt's dialog would otherwise misread.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "SaveFileDialog.h"

namespace zorvanta {
namespace {

using namespace zorvanta::apptest;

QStringList Lines(const QStringList& labels, const QStringList& values)
{
    QStringList lines;
    for (int row = 0; row < labels.size(); ++row)
        lines << labels[row] + '\t' + values[row];
    return lines;
}

QString ClipboardText() { return QApplication::clipboard()->text(); }

int HtmlTableRows(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (QTextTable* table = QTextCursor(block).currentTable())
            return table->columns() == 2 ? table->rows() : -1;
    return 0;
}

QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

QAction* MenuAction(const QString& text)
{
    QMenu* menu = OpenMenu();
    if (menu == nullptr)
        return nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

class MenuGEExportTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::clipboard()->clear(); }
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    void CopyWithTheShortcut()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    }

    MainWindowHarness main{','};
};

TEST_F(MenuGEExportTest, ShortcutCopiesTheTableAsItShows)
{
    CopyWithTheShortcut();
    EXPECT_EQ(ClipboardText(), Lines(kRowLabels, kEmptyColumn).join('\n') + '\n')
        << "before Process the value column is empty";

    main.ClickAt(main.Child("Analisi_IMG"));
    main.Edit("Durata_fenomeno_TXT")->setFocus();
    CopyWithTheShortcut();
    EXPECT_EQ(ClipboardText(), Lines(kRowLabels, kDefaultValues).join('\n') + '\n');
    EXPECT_EQ(ClipboardText().split('\n').first(), "Vehicles Max\t4800");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(HtmlTableRows(data->html()), 9);
}

TEST_F(MenuGEExportTest, EditedLabelsAndTheOpenEditorsTextAreCopied)
{
    main.ClickAt(main.Child("Analisi_IMG"));
    main.ClickCell(0, 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "Veicoli massimi");
    main.Press(Qt::Key_Return);
    ASSERT_EQ(main.Table()->item(0, 0)->text(), "Veicoli massimi");

    main.ClickCell(8, 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "Ritardo");  // typed, editor still open
    CopyWithTheShortcut();

    QStringList labels = kRowLabels;
    labels[0] = "Veicoli massimi";
    labels[8] = "Ritardo";
    EXPECT_EQ(ClipboardText(), Lines(labels, kDefaultValues).join('\n') + '\n');
    EXPECT_EQ(main.FocusName(), "Tabella_TXT") << "copying leaves the editor where it was";
}

TEST_F(MenuGEExportTest, CellEditorKeepsItsOwnCopy)
{
    main.ClickAt(main.Child("Analisi_IMG"));
    main.ClickCell(5, 1);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "13");
}

TEST_F(MenuGEExportTest, TableMenuOffersCopyResults)
{
    main.ClickAt(main.Child("Analisi_IMG"));
    QTableWidget* table = main.Table();
    const QPoint at = table->visualRect(table->model()->index(3, 1)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
    QApplication::sendEvent(table->viewport(), &event);

    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    QAction* copy = MenuAction("Copy results");
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(ClipboardText(), Lines(kRowLabels, kDefaultValues).join('\n') + '\n');
}

TEST_F(MenuGEExportTest, ChartMenuSaveImageRunsThatChartsSaveCommand)
{
    struct ChartCase {
        const char* Chart;
        const char* Proposal;
    };
    for (const ChartCase row : {ChartCase{"Chart1", "Veicoli"}, ChartCase{"Chart2", "Veicoli entranti"}}) {
        main.proposals.clear();
        ChartView* chart = main.Chart(row.Chart);
        const QPoint at = chart->rect().center();
        QTest::mouseClick(chart, Qt::RightButton, {}, at);
        QAction* save = MenuAction("Save image...");
        ASSERT_NE(save, nullptr) << row.Chart;
        save->trigger();
        EXPECT_EQ(main.proposals, QStringList{row.Proposal}) << row.Chart;
        if (QMenu* menu = OpenMenu())
            menu->close();
    }
    EXPECT_TRUE(main.reports.isEmpty());
}

TEST_F(MenuGEExportTest, ChartMenuCopyImageCopiesTheChartAtItsSize)
{
    ChartView* chart = main.Chart("Chart2");
    QTest::mouseClick(chart, Qt::RightButton, {}, chart->rect().center());
    QAction* copy = MenuAction("Copy image");
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), chart->size());
}

// --- A typed name holding a double quote ---------------------------------------------------

TEST(TypedSaveFileNameTest, KeepsTheNameAsTypedInTheFolder)
{
    struct NameCase {
        const char* Typed;
        const char* Expected;
    };
    const NameCase cases[] = {
        {"x\"zz.gif", "/data/charts/x\"zz.gif"},
        {"\"a\" \"b\"", "/data/charts/\"a\" \"b\".png"},
        {"x\"", "/data/charts/x\".png"},
        {"sub/x\"y", "/data/charts/sub/x\"y.png"},
        {"/elsewhere/x\"y.jpg", "/elsewhere/x\"y.jpg"},
        {"dotted.dir/x\"y", "/data/charts/dotted.dir/x\"y.png"},
    };
    for (const NameCase& row : cases)
        EXPECT_EQ(TypedSaveFileName("/data/charts", row.Typed, "png"), QString::fromUtf8(row.Expected))
            << row.Typed;
}

class QuotedNameDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        main.window.SaveDialog().setDirectory(folder.path());
    }

    // Types the name into the dialog once it is up and presses Enter; answers the
    // replace question, should one come, with the given button.
    void TypeIntoTheDialog(const QString& name, QMessageBox::StandardButton replaceAnswer = QMessageBox::No)
    {
        QTimer::singleShot(0, [this, name, replaceAnswer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(edit, nullptr);
            edit->clear();
            QTest::keyClicks(edit, name);
            QTimer::singleShot(0, [this, dialog, replaceAnswer] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->button(replaceAnswer)->click();
                }
                if (dialog->isVisible())
                    dialog->reject();
            });
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }

    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
    MainWindowHarness main{'.', MainWindowHarness::SaveDialog::Real};
    QString asked;
};

TEST_F(QuotedNameDialogTest, ChartIsSavedUnderExactlyTheTypedName)
{
    TypeIntoTheDialog("x\"zz.gif");
    main.ClickAt(main.Child("Salva_grafico_2_IMG"));
    EXPECT_TRUE(main.reports.isEmpty()) << main.reports.join('\n').toStdString();
    EXPECT_EQ(Files(), QStringList{"x\"zz.gif"});
    EXPECT_EQ(QImageReader(folder.filePath("x\"zz.gif")).format(), "gif");
}

TEST_F(QuotedNameDialogTest, NameThatQtCannotSplitGetsThePngSuffix)
{
    TypeIntoTheDialog("x\"");
    main.ClickAt(main.Child("Salva_grafico_1_IMG"));
    EXPECT_EQ(Files(), QStringList{"x\".png"});
}

TEST_F(QuotedNameDialogTest, ExistingFileIsAskedAboutAndKeptOnNo)
{
    {
        QFile existing(folder.filePath("x\"zz.gif"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("the user's earlier file");
    }
    TypeIntoTheDialog("x\"zz.gif", QMessageBox::No);
    main.ClickAt(main.Child("Salva_grafico_1_IMG"));
    EXPECT_TRUE(asked.startsWith("x\"zz.gif already exists.")) << asked.toStdString();
    QFile kept(folder.filePath("x\"zz.gif"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "the user's earlier file");

    asked.clear();
    TypeIntoTheDialog("x\"zz.gif", QMessageBox::Yes);
    main.ClickAt(main.Child("Salva_grafico_1_IMG"));
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_EQ(QImageReader(folder.filePath("x\"zz.gif")).format(), "gif");
    EXPECT_EQ(Files(), QStringList{"x\"zz.gif"});
}

}  // namespace
}  // namespace zorvanta
