// The chart's own menu: a right click without a drag opens it, a right drag pans instead.
#include "ChartViewFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest/QTest>

namespace zorvanta::chart_test {
namespace {

class ChartViewMenuTest : public ChartViewTest {
protected:
    void SetUp() override
    {
        ChartViewTest::SetUp();
        ShowView();
        view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
    }

    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    static QStringList Texts(const QMenu& menu)
    {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << action->text();
        return texts;
    }

    static QAction* Action(QMenu& menu, const QString& text)
    {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    QMenu* RightClick()
    {
        const QPoint at = view.PlotArea().center();
        QTest::mousePress(&view, Qt::RightButton, {}, at);
        QTest::mouseRelease(&view, Qt::RightButton, {}, at);
        return OpenMenu();
    }
};

TEST_F(ChartViewMenuTest, RightClickOpensTheMenuAndChangesNoRange)
{
    QMenu* menu = RightClick();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Texts(*menu), QStringList({"Copy image", "Save image..."}));
    EXPECT_TRUE(view.IsAutoRange());
}

TEST_F(ChartViewMenuTest, RightDragsPanAndOpenNoMenu)
{
    const QPoint from = view.PlotArea().center();
    struct DragCase {
        const char* Name;
        QPoint Via;
        QPoint To;
    };
    const DragCase cases[] = {
        {"away", from + QPoint(30, 20), from + QPoint(60, 40)},
        {"away and back to the press point", from + QPoint(40, 0), from},
    };
    for (const DragCase& row : cases) {
        view.SetContents(EnteringChartContents(kDefaultInputs, kDefaultResults));
        QTest::mousePress(&view, Qt::RightButton, {}, from);
        QTest::mouseMove(&view, row.Via);
        QTest::mouseMove(&view, row.To);
        QTest::mouseRelease(&view, Qt::RightButton, {}, row.To);
        EXPECT_EQ(OpenMenu(), nullptr) << row.Name;
        EXPECT_FALSE(view.IsAutoRange()) << row.Name << ": the chart was panned";
    }
}

TEST_F(ChartViewMenuTest, OtherButtonsOpenNoMenu)
{
    const QPoint at = view.PlotArea().center();
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        QTest::mouseClick(&view, button, {}, at);
        EXPECT_EQ(OpenMenu(), nullptr) << button;
    }
}

TEST_F(ChartViewMenuTest, CopyImagePutsTheSavedImageOnTheClipboard)
{
    QApplication::clipboard()->clear();
    view.resize(500, 300);
    QMenu* menu = RightClick();
    ASSERT_NE(menu, nullptr);
    Action(*menu, "Copy image")->trigger();

    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.size(), QSize(500, 300));
    EXPECT_EQ(copied, view.RenderImage());
}

TEST_F(ChartViewMenuTest, SaveImageAsksTheOwnerToSave)
{
    QSignalSpy requests(&view, &ChartView::SaveRequested);
    QMenu* menu = RightClick();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(requests.count(), 0) << "opening the menu asks nothing";
    Action(*menu, "Save image...")->trigger();
    EXPECT_EQ(requests.count(), 1);
}

}  // namespace
}  // namespace zorvanta::chart_test
