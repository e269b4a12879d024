#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "ChartView.h"
#include "MainWindowHarness.h"

namespace zorvanta {
namespace {

using namespace zorvanta::apptest;

class MenuGESaveTest : public ::testing::Test {
protected:
    MainWindowHarness main{'.'};
};

TEST_F(MenuGESaveTest, SaveCommandsProposeTheirOwnNameEveryTime)
{
    for (const char* icon : {"Salva_grafico_1_IMG", "Salva_grafico_2_IMG", "Salva_grafico_2_IMG", "Salva_grafico_1_IMG"})
        main.ClickAt(main.Child(icon));
    const QStringList expected{"Veicoli", "Veicoli entranti", "Veicoli entranti", "Veicoli"};
    EXPECT_EQ(main.proposals, expected);
    EXPECT_TRUE(main.reports.isEmpty()) << "a cancelled save is no failure";
}

TEST_F(MenuGESaveTest, SaveWritesEachChartAtItsCurrentSize)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    main.ClickAt(main.Child("Analisi_IMG"));
    main.Child<QSplitter>("Splitter1")->setSizes({150 + 10, 1000});
    ASSERT_EQ(main.Chart("Chart2")->height(), 150);

    main.answers = {folder.filePath("upper.png"), folder.filePath("lower.png")};
    main.ClickAt(main.Child("Salva_grafico_2_IMG"));
    main.ClickAt(main.Child("Salva_grafico_1_IMG"));

    EXPECT_TRUE(main.reports.isEmpty()) << main.reports.join('\n').toStdString();
    EXPECT_EQ(QImageReader(folder.filePath("upper.png")).size(), main.Chart("Chart2")->size());
    EXPECT_EQ(QImageReader(folder.filePath("upper.png")).format(), "png");
    EXPECT_EQ(QImageReader(folder.filePath("lower.png")).size(), main.Chart("Chart1")->size());
}

TEST_F(MenuGESaveTest, FailedSaveIsReportedAndWritesNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    main.answers = {folder.filePath("chart.txt")};
    main.ClickAt(main.Child("Salva_grafico_1_IMG"));
    EXPECT_EQ(main.reports, QStringList{"Saving bitmap failed."});
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// Answers the save dialog once it is up: accepts what it proposes, or cancels.
void AnswerSaveDialog(bool accept, QString& shownName, Qt::WindowModality& modality)
{
    QTimer::singleShot(0, [accept, &shownName, &modality] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "SaveDialog1");
        EXPECT_EQ(dialog->nameFilters(), QStringList{"PNG (*.png)"});
        modality = dialog->windowModality();
        shownName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        // Through QDialog, as the dialog's own buttons do.
        QDialog* asDialog = dialog;
        if (accept)
            asDialog->accept();
        else
            asDialog->reject();
    });
}

TEST(MenuGESaveDialogTest, AcceptingTheProposedNameWritesAPngFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    MainWindowHarness main('.', MainWindowHarness::SaveDialog::Real);
    main.window.SaveDialog().setDirectory(folder.path());

    QString shownName;
    Qt::WindowModality modality = Qt::NonModal;
    AnswerSaveDialog(true, shownName, modality);
    main.ClickAt(main.Child("Salva_grafico_2_IMG"));

    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_TRUE(main.reports.isEmpty()) << main.reports.join('\n').toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Veicoli entranti.png"})
        << "the dialog completes the proposed name with .png (it showed " << shownName.toStdString() << ")";
    EXPECT_EQ(QImageReader(folder.filePath("Veicoli entranti.png")).format(), "png");
}

TEST(MenuGESaveDialogTest, CancelWritesNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    MainWindowHarness main('.', MainWindowHarness::SaveDialog::Real);
    main.window.SaveDialog().setDirectory(folder.path());

    QString shownName;
    Qt::WindowModality modality = Qt::NonModal;
    AnswerSaveDialog(false, shownName, modality);
    main.ClickAt(main.Child("Salva_grafico_1_IMG"));

    EXPECT_TRUE(shownName.startsWith("Veicoli")) << shownName.toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(main.reports.isEmpty());
}
TEST(MenuGESaveDialogTest, TheDialogShowsEachCommandsOwnNameEveryTime)
{
    MainWindowHarness main('.', MainWindowHarness::SaveDialog::Real);
    const std::pair<const char*, const char*> commands[] = {{"Salva_grafico_1_IMG", "Veicoli"},
        {"Salva_grafico_2_IMG", "Veicoli entranti"}, {"Salva_grafico_2_IMG", "Veicoli entranti"},
        {"Salva_grafico_1_IMG", "Veicoli"}};
    for (const auto& [icon, proposed] : commands) {
        QString shownName;
        Qt::WindowModality modality = Qt::NonModal;
        AnswerSaveDialog(false, shownName, modality);
        main.ClickAt(main.Child(icon));
        EXPECT_EQ(QFileInfo(shownName).completeBaseName(), proposed) << icon;
    }
    EXPECT_TRUE(main.reports.isEmpty()) << "a cancelled save is no failure";
}

}  // namespace
}  // namespace zorvanta
