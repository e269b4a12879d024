#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "ChartBuilders.h"
#include "ChartView.h"
#include "Informazion.h"
#include "MainWindowHarness.h"
#include "MenuGE.h"

namespace zorvanta {
namespace {

using namespace zorvanta::apptest;

class MenuGETest : public ::testing::Test {
protected:
    MainWindowHarness main{'.'};
};

TEST_F(MenuGETest, StartsWithTheDefaultInputsAndAnEmptyValueColumn)
{
    EXPECT_EQ(main.window.objectName(), "MenuGEN");
    EXPECT_EQ(main.window.windowTitle(), "Kelbrum - Zorvanta");
    EXPECT_EQ(main.window.size(), QSize(892, 550));
    EXPECT_EQ(main.Edit("Portata_normale_TXT")->text(), "800");
    EXPECT_EQ(main.Edit("Portata_eccezionale_TXT")->text(), "2000");
    EXPECT_EQ(main.Edit("Capacita_TXT")->text(), "1000");
    EXPECT_EQ(main.Edit("Durata_fenomeno_TXT")->text(), "2");
    EXPECT_EQ(main.Column(0), kRowLabels);
    EXPECT_EQ(main.Column(1), kEmptyColumn);
    EXPECT_FALSE(main.Table()->currentIndex().isValid());
    EXPECT_EQ(main.FocusName(), "Durata_fenomeno_TXT");
    EXPECT_EQ(Describe(main.Chart("Chart1")->Contents()), Describe(InitialCumulativeChartContents()));
    EXPECT_EQ(Describe(main.Chart("Chart2")->Contents()), Describe(InitialEnteringChartContents()));
}

TEST_F(MenuGETest, IsCentredOnThePrimaryScreen)
{
    // Some platforms add the frame only after the window has been placed: allow its width.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPointF offset = main.window.frameGeometry().toRectF().center() - available.toRectF().center();
    EXPECT_LE(std::abs(offset.x()), 4.0);
    EXPECT_LE(std::abs(offset.y()), 4.0);
}

TEST_F(MenuGETest, EveryControlCarriesItsNameAndCaption)
{
    struct Control {
        const char* Name;
        const char* Class;
        const char* Text;  // nullptr: no text to check
    };
    const std::vector<Control> controls{
        {"Comandi_LAY", "QWidget", nullptr},
        {"Portata_normale_LAB", "QLabel", "Portata in condizioni normali Flow at standard conditions"},
        {"Portata_eccezionale_LAB", "QLabel", "Portata in condizioni di punta Flow in peak condition"},
        {"Capacita_LAB", "QLabel", "Capacita' della strada Capacity of the road"},
        {"Durata_fenomeno_LAB", "QLabel", "Durata del fenomeno       Duration of the phenomenon"},
        {"Portata_normale_UNT", "QLabel", "[v/h]"},
        {"Portata_eccezionale_UNT", "QLabel", "[v/h]"},
        {"Capacita_UNT", "QLabel", "[v/h]"},
        {"Durata_fenomeno_UNT", "QLabel", "[h]"},
        {"Analisi_IMG", "zorvanta::CommandIcon", nullptr},
        {"Salva_grafico_1_IMG", "zorvanta::CommandIcon", nullptr},
        {"Salva_grafico_2_IMG", "zorvanta::CommandIcon", nullptr},
        {"Informazioni_IMG", "zorvanta::CommandIcon", nullptr},
        {"Analisi_LAB", "QLabel", "Process"},
        {"Salva_grafico_1_LAB", "QLabel", "Save graphic 1"},
        {"Salva_grafico_2_LAB", "QLabel", "Save graphic 2"},
        {"Informazioni_LAB", "QLabel", "Information"},
        {"Tabella_TXT", "QTableWidget", nullptr},
        {"Chart1", "zorvanta::ChartView", nullptr},
        {"Chart2", "zorvanta::ChartView", nullptr},
        {"Splitter1", "QSplitter", nullptr},
        {"SaveDialog1", "QFileDialog", nullptr},
    };
    // The save dialog is made on first use, not at start-up.
    EXPECT_EQ(main.window.findChild<QFileDialog*>(), nullptr);
    main.window.SaveDialog();
    for (const Control& control : controls) {
        SCOPED_TRACE(control.Name);
        QWidget* widget = main.Child(control.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(control.Class));
        if (control.Text != nullptr) {
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), control.Text);
        }
    }
}

TEST_F(MenuGETest, FieldCaptionsAndUnitsSitBesideTheirEdit)
{
    for (const char* stem : {"Portata_normale", "Portata_eccezionale", "Capacita", "Durata_fenomeno"}) {
        SCOPED_TRACE(stem);
        const QString name(stem);
        const QRect edit = main.Edit(name + "_TXT")->geometry();
        EXPECT_EQ(main.Child(name + "_LAB")->geometry(), QRect(edit.topLeft() + QPoint(-190, -10), QSize(190, 46)));
        EXPECT_EQ(main.Child(name + "_UNT")->geometry(), QRect(edit.topLeft() + QPoint(64, 0), QSize(40, 24)));
        EXPECT_TRUE(main.Child<QLabel>(name + "_LAB")->wordWrap());
    }
}

TEST_F(MenuGETest, ChartsSplitTheAreaRightOfTheCommandColumn)
{
    ChartView* upper = main.Chart("Chart2");
    ChartView* lower = main.Chart("Chart1");
    EXPECT_EQ(main.Child("Comandi_LAY")->geometry(), QRect(0, 0, 296, 550));
    EXPECT_EQ(QRect(upper->mapTo(&main.window, QPoint()), upper->size()), QRect(301, 5, 586, 261));
    EXPECT_EQ(QRect(lower->mapTo(&main.window, QPoint()), lower->size()), QRect(301, 284, 586, 261));
    EXPECT_EQ(upper->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(lower->focusPolicy(), Qt::NoFocus);

    main.window.resize(1100, 750);
    EXPECT_EQ(main.Child("Comandi_LAY")->width(), 296);
    EXPECT_EQ(upper->height(), 261) << "the upper chart keeps its height";
    EXPECT_EQ(lower->size(), QSize(1100 - 296 - 10, 750 - 271 - 8 - 10)) << "the lower chart takes the rest";
}

TEST_F(MenuGETest, SplitterKeepsTwentyUnitsOnEitherSide)
{
    auto* splitter = main.Child<QSplitter>("Splitter1");
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    EXPECT_EQ(splitter->handleWidth(), 8);

    splitter->setSizes({0, 10000});
    EXPECT_EQ(main.Chart("Chart2")->height(), 20);
    splitter->setSizes({10000, 0});
    EXPECT_EQ(splitter->sizes().value(1), 20);
}

TEST_F(MenuGETest, ProcessWithTheDefaultsFillsTheValueColumnAndBothCharts)
{
    main.ClickAt(main.Child("Analisi_IMG"));

    EXPECT_TRUE(main.reports.isEmpty()) << main.reports.join('\n').toStdString();
    EXPECT_EQ(main.Column(1), kDefaultValues);
    EXPECT_EQ(main.Column(0), kRowLabels);
    const QueueResults results = ComputeQueue(kDefaultInputs);
    EXPECT_EQ(Describe(main.Chart("Chart1")->Contents()), Describe(CumulativeChartContents(kDefaultInputs, results)));
    EXPECT_EQ(Describe(main.Chart("Chart2")->Contents()), Describe(EnteringChartContents(kDefaultInputs, results)));
}

TEST_F(MenuGETest, ProcessTwiceLeavesWhatProcessOnceLeaves)
{
    main.SetInputs("1000", "1500", "1200", "1");
    main.ClickAt(main.Child("Analisi_IMG"));
    const QStringList once = main.Column(1);
    const std::string chart1 = Describe(main.Chart("Chart1")->Contents());
    const std::string chart2 = Describe(main.Chart("Chart2")->Contents());

    main.ClickAt(main.Child("Analisi_IMG"));
    EXPECT_EQ(main.Column(1), once);
    EXPECT_EQ(Describe(main.Chart("Chart1")->Contents()), chart1);
    EXPECT_EQ(Describe(main.Chart("Chart2")->Contents()), chart2);
    EXPECT_TRUE(main.reports.isEmpty());
}

TEST(MenuGECommaTest, RealTextsUseTheDecimalSeparatorGivenAtStartUp)
{
    MainWindowHarness main(',');
    main.SetInputs("1000", "1500", "1200", "1");
    main.ClickAt(main.Child("Analisi_IMG"));
    EXPECT_EQ(main.Column(1), QStringList({"2500", "2200", "300", "1", "2", "3,5", "150", "225", "375"}));
}

struct RejectedCase {
    const char* Name;
    std::vector<std::pair<const char*, QString>> Texts;  // field, text typed into it
    QString Report;
};

class RejectedInputTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedInputTest, ReportsTheFirstRejectedFieldAndChangesNothing)
{
    MainWindowHarness main('.');
    main.ClickAt(main.Child("Analisi_IMG"));
    const std::string chart1 = Describe(main.Chart("Chart1")->Contents());
    const std::string chart2 = Describe(main.Chart("Chart2")->Contents());

    // A valid change that would show if the command went on past a rejected field.
    main.Edit("Portata_normale_TXT")->setText("900");
    for (const auto& [field, text] : GetParam().Texts)
        main.Edit(field)->setText(text);
    main.ClickAt(main.Child("Analisi_IMG"));

    EXPECT_EQ(main.reports, QStringList{GetParam().Report});
    EXPECT_EQ(main.Column(1), kDefaultValues);
    EXPECT_EQ(Describe(main.Chart("Chart1")->Contents()), chart1);
    EXPECT_EQ(Describe(main.Chart("Chart2")->Contents()), chart2);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RejectedInputTest,
    ::testing::Values(
        RejectedCase{"LettersInCapacityAndDuration",
                     {{"Capacita_TXT", "abc"}, {"Durata_fenomeno_TXT", "xyz"}},
                     "'abc' is not a valid integer value."},
        RejectedCase{"EmptyNormalFlow", {{"Portata_normale_TXT", ""}}, "'' is not a valid integer value."},
        RejectedCase{"DecimalPeakFlow", {{"Portata_eccezionale_TXT", "1.5"}}, "'1.5' is not a valid integer value."},
        RejectedCase{"BlanksStayInTheMessage", {{"Durata_fenomeno_TXT", " 2 "}}, "' 2 ' is not a valid integer value."},
        RejectedCase{"BeyondThirtyTwoBits", {{"Capacita_TXT", "2147483648"}},
                     "'2147483648' is not a valid integer value."},
        RejectedCase{"AccentedText", {{"Portata_eccezionale_TXT", QString::fromUtf8("più")}},
                     QString::fromUtf8("'più' is not a valid integer value.")}),
    [](const ::testing::TestParamInfo<RejectedCase>& info) { return std::string(info.param.Name); });

TEST_F(MenuGETest, ProcessOverwritesATypedValueEvenInAnOpenEditorButKeepsATypedLabel)
{
    main.ClickCell(4, 0);
    ASSERT_EQ(main.FocusName(), "Tabella_TXT");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "My label");
    main.Press(Qt::Key_Return);
    ASSERT_EQ(main.Table()->item(4, 0)->text(), "My label");

    main.ClickCell(2, 1);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "999");

    main.ClickAt(main.Child("Analisi_IMG"));
    EXPECT_EQ(main.Column(1), kDefaultValues);
    EXPECT_EQ(main.Table()->item(4, 0)->text(), "My label");
    if (auto* shown = qobject_cast<QLineEdit*>(main.Table()->indexWidget(main.Table()->model()->index(2, 1)))) {
        EXPECT_EQ(shown->text(), "2000") << "an editor still open shows the new value";
    }

    main.Press(Qt::Key_Tab);
    EXPECT_EQ(main.Table()->item(2, 1)->text(), "2000") << "leaving the cell brings back nothing typed before";
}

TEST_F(MenuGETest, TabWalksTheFieldsThenDownTheTableAndAround)
{
    ASSERT_EQ(main.FocusName(), "Durata_fenomeno_TXT");
    for (const char* next : {"Portata_eccezionale_TXT", "Portata_normale_TXT", "Capacita_TXT", "Tabella_TXT"}) {
        main.Press(Qt::Key_Tab);
        EXPECT_EQ(main.FocusName(), next);
    }
    EXPECT_EQ(main.Table()->currentIndex(), main.Table()->model()->index(0, 0));
    for (int row = 1; row < 9; ++row) {
        main.Press(Qt::Key_Tab);
        EXPECT_EQ(main.FocusName(), "Tabella_TXT");
        EXPECT_EQ(main.Table()->currentIndex(), main.Table()->model()->index(row, 0));
    }
    main.Press(Qt::Key_Tab);
    EXPECT_EQ(main.FocusName(), "Durata_fenomeno_TXT") << "after the last row the focus goes around";

    main.Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(main.FocusName(), "Tabella_TXT");
    main.Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(main.Table()->currentIndex(), main.Table()->model()->index(7, 0));
    EXPECT_EQ(main.Column(0), kRowLabels) << "walking through the cells changes none of them";
}

TEST_F(MenuGETest, EnterInAnInputRunsProcess)
{
    QLineEdit* capacity = main.Edit("Capacita_TXT");
    capacity->setFocus();
    capacity->selectAll();
    QTest::keyClicks(capacity, "1150");
    main.Press(Qt::Key_Return);
    EXPECT_EQ(main.Table()->item(5, 1)->text(), "7.85714285714286");
}

TEST_F(MenuGETest, CaptionsBelowTheIconsTakeNoMouseInput)
{
    TInformazioni information;
    main.window.SetInformationWindow(&information);
    for (const char* caption : {"Analisi_LAB", "Salva_grafico_1_LAB", "Salva_grafico_2_LAB", "Informazioni_LAB"}) {
        SCOPED_TRACE(caption);
        QWidget* label = main.Child(caption);
        EXPECT_NE(main.window.childAt(main.InWindow(label)), label);
        main.ClickAt(label);
        main.DoubleClickAt(label);
    }
    EXPECT_EQ(main.Column(1), kEmptyColumn);
    EXPECT_TRUE(main.proposals.isEmpty());
    EXPECT_TRUE(main.reports.isEmpty());
    EXPECT_FALSE(information.isVisible());
}

// Pixels of the icon as drawn now that are clearly gold, not white, green or background.
int GoldPixels(QWidget* icon)
{
    const QImage image = icon->grab().toImage();
    int gold = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            gold += colour.red() > 200 && colour.green() > 150 && colour.blue() < 100 ? 1 : 0;
        }
    return gold;
}

TEST_F(MenuGETest, IconGlowsGoldOnlyWhileThePointerIsOverIt)
{
    for (const char* stem : {"Analisi", "Salva_grafico_1", "Informazioni"}) {
        SCOPED_TRACE(stem);
        QWidget* icon = main.Child(QString(stem) + "_IMG");
        EXPECT_EQ(icon->cursor().shape(), Qt::PointingHandCursor);
        main.PointAt(main.Table());
        EXPECT_EQ(GoldPixels(icon), 0);
        main.PointAt(icon);
        EXPECT_GT(GoldPixels(icon), 20);
        main.PointAt(main.Child(QString(stem) + "_LAB"));
        EXPECT_EQ(GoldPixels(icon), 0) << "pointing at the caption does not light the icon";
    }
}

TEST_F(MenuGETest, DoubleClickRunsTheCommandOnce)
{
    main.Edit("Capacita_TXT")->setText("abc");
    main.DoubleClickAt(main.Child("Analisi_IMG"));
    EXPECT_EQ(main.reports.size(), 1);

    main.DoubleClickAt(main.Child("Salva_grafico_1_IMG"));
    EXPECT_EQ(main.proposals.size(), 1);
}

TEST_F(MenuGETest, APressThatEndsOutsideTheIconIsNoClick)
{
    main.Edit("Capacita_TXT")->setText("abc");
    QWidget* icon = main.Child("Analisi_IMG");
    QTest::mousePress(main.window.windowHandle(), Qt::LeftButton, {}, main.InWindow(icon));
    QTest::mouseRelease(main.window.windowHandle(), Qt::LeftButton, {}, main.InWindow(icon, QPoint(60, 20)));
    QTest::mouseClick(main.window.windowHandle(), Qt::RightButton, {}, main.InWindow(icon));
    EXPECT_TRUE(main.reports.isEmpty());
}
TEST(MenuGEErrorBoxTest, ARejectedInputShowsTheErrorBoxOverTheMainWindow)
{
    TMenuGEN window('.');
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit*>("Capacita_TXT")->setText("abc");

    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        parent = box->parentWidget();
        box->buttons().front()->click();
    });
    QWidget* process = window.findChild<QWidget*>("Analisi_IMG");
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, process->mapTo(&window, process->rect().center()));

    EXPECT_EQ(title, "Error");
    EXPECT_EQ(text, "'abc' is not a valid integer value.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(parent, &window);
}

TEST_F(MenuGETest, InformationShowsTheInformationWindowAndProcessStillWorks)
{
    TInformazioni information;
    main.window.SetInformationWindow(&information);
    main.ClickAt(main.Child("Informazioni_IMG"));
    EXPECT_TRUE(information.isVisible());

    main.ClickAt(main.Child("Analisi_IMG"));
    EXPECT_EQ(main.Column(1), kDefaultValues);
}
}  // namespace
}  // namespace zorvanta
