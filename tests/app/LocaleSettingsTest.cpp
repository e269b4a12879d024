#include <QLocale>

#include <gtest/gtest.h>

#include "LocaleSettings.h"

namespace zorvanta {
namespace {

struct LocaleCase {
    const char* Name;
    QLocale Locale;
    char Separator;
};

class DecimalSeparatorTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(DecimalSeparatorTest, TakesTheLocalesPointWhenItIsOneAsciiCharacter)
{
    EXPECT_EQ(DecimalSeparatorFromLocale(GetParam().Locale), GetParam().Separator);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DecimalSeparatorTest,
    ::testing::Values(
        LocaleCase{"C", QLocale::c(), '.'},
        LocaleCase{"English", QLocale(QLocale::English, QLocale::UnitedStates), '.'},
        LocaleCase{"Italian", QLocale(QLocale::Italian, QLocale::Italy), ','},
        LocaleCase{"German", QLocale(QLocale::German, QLocale::Germany), ','},
        // Arabic digits come with the Arabic decimal separator, which a byte cannot hold.
        LocaleCase{"ArabicEgypt", QLocale(QLocale::Arabic, QLocale::Egypt), '.'}),
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace zorvanta
