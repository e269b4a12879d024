// The main window from the keyboard and for a screen reader: the command keys, Escape in the
// information window, the icons' tooltips, accessible names, the value cells' tooltips and the
// hover read-out after Process.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartView.h"
#include "CommandIcon.h"
#include "Informazion.h"
#include "MainWindowHarness.h"
#include "MenuGE.h"
#include "QueueRegime.h"

namespace zorvanta {
namespace {

using namespace zorvanta::apptest;

class MenuGEKeysTest : public ::testing::Test {
protected:
    MenuGEKeysTest() { main.window.SetInformationWindow(&information); }

    void FocusField(const char* name)
    {
        main.Edit(name)->setFocus();
        QCoreApplication::processEvents();
    }

    TInformazioni information;
    MainWindowHarness main{'.'};
};

QString AccessibleText(QObject* object, QAccessible::Text which)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(which) : QStringLiteral("<no accessible interface>");
}

TEST_F(MenuGEKeysTest, F5RunsProcessFromAFieldAndFromTheTable)
{
    FocusField("Capacita_TXT");
    main.Press(Qt::Key_F5);
    EXPECT_EQ(main.Column(1), kDefaultValues);

    main.Edit("Durata_fenomeno_TXT")->setText("3");
    main.ClickCell(4, 1);  // the cell editor holds the focus
    main.Press(Qt::Key_F5);
    EXPECT_EQ(main.Column(1).at(0), "6800");
    EXPECT_TRUE(main.reports.isEmpty());
}

TEST_F(MenuGEKeysTest, CtrlSSavesTheLowerChartAndCtrlShiftSTheUpperOne)
{
    FocusField("Durata_fenomeno_TXT");
    main.Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(main.proposals, QStringList({"Veicoli"}));
    main.Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(main.proposals, QStringList({"Veicoli", "Veicoli entranti"}));
}

TEST_F(MenuGEKeysTest, F1ShowsTheInformationWindowAndEscapeHidesIt)
{
    FocusField("Portata_normale_TXT");
    main.Press(Qt::Key_F1);
    ASSERT_TRUE(information.isVisible());
    QApplication::setActiveWindow(&information);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&information));

    QTest::keyClick(&information, Qt::Key_Escape);
    EXPECT_FALSE(information.isVisible());

    // Again, with the focus on the back button.
    QApplication::setActiveWindow(&main.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main.window));
    FocusField("Portata_normale_TXT");
    main.Press(Qt::Key_F1);
    ASSERT_TRUE(information.isVisible());
    QApplication::setActiveWindow(&information);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&information));
    auto* back = information.findChild<QPushButton*>("Annulla_BTN");
    ASSERT_NE(back, nullptr);
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Escape);
    EXPECT_FALSE(information.isVisible());
}

struct CommandRow {
    const char* icon;
    const char* action;
    const char* tooltip;
    QKeySequence key;
};

// Each icon and its key trigger one action; the icon's tooltip names the command and the key.
TEST_F(MenuGEKeysTest, IconsAndKeysShareOneActionPerCommand)
{
    const std::vector<CommandRow> rows = {
        {"Analisi_IMG", "Analisi_ACT", "Process", QKeySequence(Qt::Key_F5)},
        {"Salva_grafico_1_IMG", "Salva_grafico_1_ACT", "Save graphic 1: the cumulative vehicles chart",
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Salva_grafico_2_IMG", "Salva_grafico_2_ACT", "Save graphic 2: the entering vehicles chart",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Informazioni_IMG", "Informazioni_ACT", "Information", QKeySequence(Qt::Key_F1)},
    };
    for (const CommandRow& row : rows) {
        auto* icon = main.Child<CommandIcon>(row.icon);
        auto* action = main.Child<QAction>(row.action);
        ASSERT_TRUE(icon != nullptr && action != nullptr) << row.icon;
        // The key in the platform's own names: "Ctrl+S" here, the Command sign on macOS.
        const QString tooltip = QString(row.tooltip) + " (" + row.key.toString(QKeySequence::NativeText) + ")";
        EXPECT_EQ(icon->toolTip(), tooltip);
        EXPECT_EQ(action->toolTip(), tooltip);
        EXPECT_EQ(action->shortcut(), row.key) << row.action;
        QSignalSpy triggered(action, &QAction::triggered);
        main.ClickAt(icon);
        EXPECT_EQ(triggered.count(), 1) << row.icon;
        information.hide();
    }
#ifndef Q_OS_MACOS
    EXPECT_EQ(main.Child("Salva_grafico_1_IMG")->toolTip(), "Save graphic 1: the cumulative vehicles chart (Ctrl+S)");
#endif
}

TEST_F(MenuGEKeysTest, EveryControlHasAnAccessibleName)
{
    const std::vector<std::pair<QObject*, QString>> rows = {
        {main.Edit("Portata_normale_TXT"), "Portata in condizioni normali Flow at standard conditions"},
        {main.Edit("Portata_eccezionale_TXT"), "Portata in condizioni di punta Flow in peak condition"},
        {main.Edit("Capacita_TXT"), "Capacita' della strada Capacity of the road"},
        {main.Edit("Durata_fenomeno_TXT"), "Durata del fenomeno Duration of the phenomenon"},
        {main.Child("Analisi_IMG"), "Process"},
        {main.Child("Salva_grafico_1_IMG"), "Save graphic 1"},
        {main.Child("Salva_grafico_2_IMG"), "Save graphic 2"},
        {main.Child("Informazioni_IMG"), "Information"},
        {main.Table(), "Results"},
        {main.Chart("Chart1"), "Cumulative vehicles chart"},
        {main.Chart("Chart2"), "Entering vehicles chart"},
        {information.findChild<QPushButton*>("Annulla_BTN"), "Annulla"},
    };
    for (const auto& [control, name] : rows) {
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(AccessibleText(control, QAccessible::Name), name) << control->objectName().toStdString();
    }
    // Where the name alone does not say it: the units, what an icon does, how to read a chart.
    EXPECT_TRUE(AccessibleText(main.Edit("Capacita_TXT"), QAccessible::Description).startsWith("Vehicles per hour"));
    EXPECT_TRUE(AccessibleText(main.Edit("Durata_fenomeno_TXT"), QAccessible::Description).startsWith("Hours"));
    EXPECT_EQ(AccessibleText(main.Child("Salva_grafico_2_IMG"), QAccessible::Description),
              main.Child("Salva_grafico_2_IMG")->toolTip());
    EXPECT_FALSE(AccessibleText(main.Chart("Chart1"), QAccessible::Description).isEmpty());
    EXPECT_TRUE(AccessibleText(information.findChild<QPushButton*>("Annulla_BTN"), QAccessible::Description)
                    .contains("Escape"));
    // Each caption points at its field, so a screen reader and Alt-keys find one from the other.
    EXPECT_EQ(main.Child<QLabel>("Capacita_LAB")->buddy(), main.Edit("Capacita_TXT"));
}

TEST_F(MenuGEKeysTest, ValueCellsExplainThemselvesAfterProcessWithoutChangingTheirTexts)
{
    main.SetInputs("800", "900", "1000", "2");
    main.ClickAt(main.Child("Analisi_IMG"));
    const QStringList texts = main.Column(1);
    EXPECT_EQ(texts, QStringList({"2600", "2800", "-200", "1", "3", "2", "-200", "100", "-100"}));
    const QString sentence = QString::fromStdString(RegimeSentence(QueueRegime::NoQueue));
    for (int row = 0; row < 9; ++row) {
        const QString tip = main.Table()->model()->index(row, 1).data(Qt::ToolTipRole).toString();
        EXPECT_TRUE(tip.startsWith(texts[row] + "\n")) << tip.toStdString();
        EXPECT_TRUE(tip.contains(sentence)) << tip.toStdString();
    }

    main.SetInputs("800", "2000", "1000", "2");
    main.Press(Qt::Key_F5);
    const QString total = main.Table()->model()->index(8, 1).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(total.startsWith("12000\n")) << total.toStdString();
    EXPECT_TRUE(total.contains("Longest single wait: 2 h")) << total.toStdString();
    EXPECT_FALSE(total.contains(sentence));
}

TEST_F(MenuGEKeysTest, TheLowerChartReadsOutOnlyAfterProcess)
{
    ChartView* chart = main.Chart("Chart1");
    main.PointAt(chart);
    EXPECT_TRUE(chart->ReadoutLines().isEmpty()) << "nothing to read before the first Process";

    // Process by key with the pointer resting on the chart: the read-out appears for the new curves.
    FocusField("Durata_fenomeno_TXT");
    main.Press(Qt::Key_F5);
    const QStringList lines = chart->ReadoutLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines[0].startsWith("Time ")) << lines.join(" | ").toStdString();
}

}  // namespace
}  // namespace zorvanta
