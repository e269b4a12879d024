#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "ErrorReport.h"

namespace zorvanta {
namespace {

struct BoxTextCase {
    const char* Name;
    QString Message;
    QString Shown;
};

class ErrorBoxTextTest : public ::testing::TestWithParam<BoxTextCase> {};

TEST_P(ErrorBoxTextTest, AppendsAFullStopOnlyAfterACharacterAbovePoint)
{
    EXPECT_EQ(ErrorBoxText(GetParam().Message), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    ::testing::Values(
        BoxTextCase{"Letter", "abc", "abc."},
        BoxTextCase{"Digit", "1", "1."},
        BoxTextCase{"RejectedInput", "'12a' is not a valid integer value", "'12a' is not a valid integer value."},
        BoxTextCase{"AlreadyAFullStop", "x.", "x."},
        BoxTextCase{"ClosingBracket", "(x)", "(x)"},
        BoxTextCase{"Quote", "'x'", "'x'"},
        BoxTextCase{"Blank", "a ", "a "},
        BoxTextCase{"Slash", "path/", "path/."},
        BoxTextCase{"NonAscii", QString::fromUtf8("perché"), QString::fromUtf8("perché.")},
        BoxTextCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<BoxTextCase>& info) { return std::string(info.param.Name); });

// Closes the next modal box as soon as it is shown, recording what the user would have seen.
struct SeenBox {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
    QWidget* Parent = nullptr;
    Qt::TextFormat Format = Qt::AutoText;
};

void CloseNextBox(SeenBox& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.Title = box->windowTitle();
        seen.Text = box->text();
        seen.Icon = box->icon();
        seen.Parent = box->parentWidget();
        seen.Format = box->textFormat();
        for (QAbstractButton* button : box->buttons())
            seen.Buttons << button->text();
        box->buttons().front()->click();
    });
}

TEST(ShowErrorBoxTest, ShowsAModalCriticalBoxWithOneOkButton)
{
    QWidget owner;
    SeenBox seen;
    CloseNextBox(seen);
    ShowErrorBox(&owner, QStringLiteral("Saving bitmap failed."));

    EXPECT_EQ(seen.Title, "Error");
    EXPECT_EQ(seen.Text, "Saving bitmap failed.");
    EXPECT_EQ(seen.Icon, QMessageBox::Critical);
    EXPECT_EQ(seen.Buttons.size(), 1);
    EXPECT_EQ(seen.Parent, &owner);
}

TEST(ShowErrorBoxTest, ShowsMarkupTypedByTheUserAsPlainText)
{
    SeenBox seen;
    CloseNextBox(seen);
    ShowErrorBox(nullptr, QStringLiteral("'<b>1</b>' is not a valid integer value."));

    EXPECT_EQ(seen.Format, Qt::PlainText);
    EXPECT_EQ(seen.Text, "'<b>1</b>' is not a valid integer value.");
}

}  // namespace
}  // namespace zorvanta
