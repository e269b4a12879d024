#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "ResultsTable.h"

namespace zorvanta {
namespace {

// The grid between two edits, so the tests see where the focus goes when it leaves.
class ResultsTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&host_);
        before_ = new QLineEdit(&host_);
        table_ = new ResultsTable(&host_);
        after_ = new QLineEdit(&host_);
        layout->addWidget(before_);
        layout->addWidget(table_);
        layout->addWidget(after_);
        for (int row = 0; row < 9; ++row) {
            table_->WriteCell(row, 0, QStringLiteral("label %1").arg(row));
            table_->WriteCell(row, 1, QStringLiteral("%1").arg(row * 10));
        }
        host_.resize(260, 400);
        host_.show();
        QApplication::setActiveWindow(&host_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host_));
    }

    QModelIndex Cell(int row, int column) const { return table_->model()->index(row, column); }

    // Clicks the middle of a cell, as the user would.
    void ClickCell(int row, int column)
    {
        // A user's click never comes in the same instant as the key that closed an editor.
        QCoreApplication::processEvents();
        QTest::mouseClick(table_->viewport(), Qt::LeftButton, {}, table_->visualRect(Cell(row, column)).center());
    }

    QLineEdit* Editor(int row, int column) const
    {
        return qobject_cast<QLineEdit*>(table_->indexWidget(Cell(row, column)));
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
        // The editor commits Enter through a queued call.
        QCoreApplication::processEvents();
    }

    QWidget host_;
    QLineEdit* before_ = nullptr;
    ResultsTable* table_ = nullptr;
    QLineEdit* after_ = nullptr;
};

TEST_F(ResultsTableTest, StartsWithoutACurrentCell)
{
    EXPECT_FALSE(table_->currentIndex().isValid());
    EXPECT_EQ(table_->rowCount(), 9);
    EXPECT_EQ(table_->columnCount(), 2);
}

TEST_F(ResultsTableTest, NoEditorOpensWhileTheGridLacksTheFocus)
{
    before_->setFocus();
    table_->setCurrentCell(2, 1);
    EXPECT_EQ(Editor(2, 1), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), before_);
}

TEST_F(ResultsTableTest, EditorOpensWhenACellBecomesCurrentAndLeavingKeepsTheText)
{
    ClickCell(1, 1);
    QLineEdit* editor = Editor(1, 1);
    ASSERT_NE(editor, nullptr) << "the editor opens on the clicked cell at once";
    EXPECT_EQ(QApplication::focusWidget(), editor);
    editor->selectAll();
    QTest::keyClicks(editor, "42");

    Press(Qt::Key_Down);
    EXPECT_EQ(table_->currentIndex(), Cell(2, 1));
    EXPECT_EQ(table_->CellText(1, 1), "42");
    EXPECT_NE(Editor(2, 1), nullptr) << "the next current cell opens its editor too";
}

TEST_F(ResultsTableTest, EscapeDiscardsAndEnterOrF2OrAClickReopens)
{
    ClickCell(3, 0);
    ASSERT_NE(Editor(3, 0), nullptr);
    Editor(3, 0)->selectAll();
    QTest::keyClicks(Editor(3, 0), "typed");
    Press(Qt::Key_Escape);
    EXPECT_EQ(Editor(3, 0), nullptr);
    EXPECT_EQ(table_->CellText(3, 0), "label 3");

    for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2}) {
        SCOPED_TRACE(key);
        Press(key);
        ASSERT_NE(Editor(3, 0), nullptr);
        EXPECT_EQ(Editor(3, 0)->text(), "label 3");
        Press(Qt::Key_Escape);
        ASSERT_EQ(Editor(3, 0), nullptr);
    }

    ClickCell(3, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Editor(3, 0) != nullptr; }))
        << "clicking the current cell again opens its editor";
}

TEST_F(ResultsTableTest, TypingOnTheCurrentCellReplacesItsText)
{
    ClickCell(5, 1);
    Press(Qt::Key_Escape);
    ASSERT_EQ(Editor(5, 1), nullptr);
    QTest::keyClicks(table_, "7");
    ASSERT_NE(Editor(5, 1), nullptr);
    Press(Qt::Key_Return);
    EXPECT_EQ(table_->CellText(5, 1), "7");
}

TEST_F(ResultsTableTest, TabWalksDownTheColumnAndLeavesAfterTheLastRow)
{
    ClickCell(6, 1);
    Press(Qt::Key_Tab);
    EXPECT_EQ(table_->currentIndex(), Cell(7, 1));
    Press(Qt::Key_Tab);
    EXPECT_EQ(table_->currentIndex(), Cell(8, 1));
    ASSERT_NE(Editor(8, 1), nullptr);
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after_);
    EXPECT_EQ(table_->currentIndex(), Cell(8, 1)) << "the grid keeps its current cell";
}

TEST_F(ResultsTableTest, ShiftTabWalksUpTheColumnAndLeavesBeforeTheFirstRow)
{
    ClickCell(1, 0);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(table_->currentIndex(), Cell(0, 0));
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), before_);
}

TEST_F(ResultsTableTest, TabLeavesTheLastRowAlsoWithoutAnOpenEditor)
{
    ClickCell(8, 0);
    Press(Qt::Key_Escape);
    ASSERT_EQ(Editor(8, 0), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), table_);
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after_);
}

TEST_F(ResultsTableTest, TabIntoTheGridStartsAtTheFirstRow)
{
    before_->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_EQ(table_->currentIndex(), Cell(0, 0));
    EXPECT_NE(Editor(0, 0), nullptr);
}

TEST_F(ResultsTableTest, TheCurrentRowStaysHighlightedWithoutTheFocus)
{
    table_->WriteCell(2, 1, QString());
    ClickCell(2, 0);
    Press(Qt::Key_Escape);
    after_->setFocus();
    ASSERT_FALSE(table_->hasFocus());

    const QImage image = table_->viewport()->grab().toImage();
    const QRect cell = table_->visualRect(Cell(2, 1));
    const QColor highlight = table_->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(image.pixelColor(cell.center()), highlight) << "the empty cell next to the current one";
}

TEST_F(ResultsTableTest, WritingACellDropsTheUnsavedTextOfItsEditor)
{
    ClickCell(4, 1);
    Editor(4, 1)->selectAll();
    QTest::keyClicks(Editor(4, 1), "junk");

    table_->WriteCell(4, 1, QStringLiteral("7"));
    EXPECT_EQ(table_->CellText(4, 1), "7");
    if (QLineEdit* editor = Editor(4, 1)) {
        EXPECT_EQ(editor->text(), "7") << "an editor still shown shows the new text";
    }

    Press(Qt::Key_Tab);
    EXPECT_EQ(table_->CellText(4, 1), "7") << "leaving the cell commits nothing old";
}

}  // namespace
}  // namespace zorvanta
