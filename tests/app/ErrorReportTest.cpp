#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
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

QString WithoutBreaks(QString text) { return text.remove(QChar(0x200B)); }

TEST(BreakableTextTest, KeepsEveryCharacterAndBreaksOnlyLongRuns)
{
    const QString shortWords = QStringLiteral("'12a' is not a valid integer value.");
    EXPECT_EQ(BreakableText(shortWords), shortWords);

    // A run of letters with a character outside the basic plane inside it.
    const QString longRun = QString(60, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x9A\x97") + QString(60, 'y');
    const QString broken = BreakableText(QStringLiteral("a ") + longRun + QStringLiteral(" b"));
    EXPECT_EQ(WithoutBreaks(broken), QStringLiteral("a ") + longRun + QStringLiteral(" b"));
    EXPECT_GT(broken.count(QChar(0x200B)), 40);
    for (qsizetype i = 0; i + 1 < broken.size(); ++i)
        EXPECT_FALSE(broken[i].isHighSurrogate() && !broken[i + 1].isLowSurrogate()) << "split pair at " << i;
}

TEST(ShowErrorBoxTest, AMessageOfThousandsOfCharactersWrapsWithinTheScreenAndKeepsOkVisible)
{
    const QString message = QStringLiteral("'") + QString(5000, QLatin1Char('7')) + QStringLiteral("' is not a valid integer value.");
    QRect boxFrame;
    QRect okButton;
    QRect screen;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        screen = box->screen()->availableGeometry();
        boxFrame = box->frameGeometry();
        QAbstractButton* ok = box->buttons().front();
        okButton = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        text = box->text();
        ok->click();
    });
    ShowErrorBox(nullptr, message);

    EXPECT_TRUE(screen.contains(boxFrame)) << "box " << boxFrame.width() << "x" << boxFrame.height();
    EXPECT_TRUE(screen.contains(okButton));
    EXPECT_TRUE(boxFrame.contains(okButton));
    EXPECT_EQ(WithoutBreaks(text), message);
}

}  // namespace
}  // namespace zorvanta
