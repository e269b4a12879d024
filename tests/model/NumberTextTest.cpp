// Number texts: ParseWholeNumber accepted and rejected texts with the exact message,
// RealNumberText digit for digit in its three layouts, WholeNumberText, and the round trip.
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace zorvanta {
namespace {

static_assert(std::is_base_of_v<std::runtime_error, ConversionError>);

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

std::string Message(const std::string& text) { return "'" + text + "' is not a valid integer value"; }

// ---------------------------------------------------------------------------------------------
// ParseWholeNumber
// ---------------------------------------------------------------------------------------------

struct AcceptedRow {
    const char* name;
    std::string text;
    std::int32_t value;
};

const std::vector<AcceptedRow> kAccepted = {
    // the reference cases
    {"Plain", "123", 123},
    {"PlusSign", "+123", 123},
    {"TwoLeadingBlanks", "  123", 123},
    {"LeadingZero", "0123", 123},
    {"MinusZero", "-0", 0},
    {"Int32Max", "2147483647", kMax32},
    {"Int32Min", "-2147483648", kMin32},
    {"DollarHex", "$1F", 31},
    {"LowerXHex", "x1F", 31},
    {"UpperXHex", "X1F", 31},
    {"ZeroLowerXHex", "0x1F", 31},
    {"ZeroUpperXHex", "0X1F", 31},
    {"NegativeHex", "-$10", -16},
    {"PlusHex", "+0x10", 16},
    {"HexAllOnesIsMinusOne", "$FFFFFFFF", -1},
    {"HexSignBitIsInt32Min", "$80000000", kMin32},
    {"NegatedHexAllOnesIsOne", "-$FFFFFFFF", 1},
    // beyond the table
    {"Zero", "0", 0},
    {"PlusZero", "+0", 0},
    {"BlanksThenSign", "   -42", -42},
    {"ManyLeadingZeros", "000000000000002147483647", kMax32},
    {"ManyLeadingZerosNegative", "-000000000000002147483648", kMin32},
    {"LowerCaseHexDigits", "$ff", 255},
    {"MixedCaseHexDigits", "0xAbCd", 0xABCD},
    {"HexInt32Max", "$7FFFFFFF", kMax32},
    {"HexLeadingZerosDoNotCount", "$00000000FFFFFFFF", -1},
    {"NegatedHexSignBitWraps", "-$80000000", kMin32},
    {"HexZero", "0x0", 0},
    {"BlanksThenHex", " $A", 10},
};

class ParseAccepted : public testing::TestWithParam<AcceptedRow> {};

TEST_P(ParseAccepted, GivesTheValue) { EXPECT_EQ(ParseWholeNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Reference, ParseAccepted, testing::ValuesIn(kAccepted),
                         [](const testing::TestParamInfo<AcceptedRow>& info) { return std::string(info.param.name); });

struct RejectedRow {
    const char* name;
    std::string text;
};

const std::vector<RejectedRow> kRejected = {
    // the reference cases
    {"AboveInt32Max", "2147483648"},
    {"BelowInt32Min", "-2147483649"},
    {"ElevenDigits", "99999999999"},
    {"Empty", ""},
    {"BlanksOnly", "   "},
    {"PlusAlone", "+"},
    {"MinusAlone", "-"},
    {"DollarAlone", "$"},
    {"ZeroXAlone", "0x"},
    {"TrailingBlank", "12 "},
    {"BlankBetweenDigits", "1 2"},
    {"BlankAfterSign", "- 5"},
    {"TrailingLetter", "12a"},
    {"DecimalPoint", "1.5"},
    {"ThousandsComma", "1,000"},
    {"Exponent", "1e3"},
    {"LeadingTab", "\t12"},
    {"HexDigitWithoutPrefix", "1F"},
    // beyond the table
    {"NinthSignificantHexDigit", "$100000000"},
    {"NinthHexDigitAllOnes", "$FFFFFFFFF"},
    {"Two32", "4294967296"},
    {"TenTimesInt32Max", "21474836470"},
    {"Int32MaxPlusTwo", "2147483649"},
    {"TwoSigns", "+-1"},
    {"DoubleMinus", "--1"},
    {"SignAfterPrefix", "$-1"},
    {"BlankAfterPrefix", "0x 1"},
    {"NotAHexDigit", "$G"},
    {"ZeroThenZeroX", "00x1"},
    {"XAlone", "x"},
    {"NewlineOnly", "\n"},
    {"TrailingNewline", "12\n"},
    {"NonBreakingSpaceUtf8", "\xC2\xA0" "12"},
    {"FullwidthDigitsUtf8", "\xEF\xBC\x91\xEF\xBC\x92"},
    {"AccentedLettersUtf8", "\xC3\xA0\xC3\xA8"},
    {"Underscore", "1_000"},
    {"BinaryPrefix", "0b101"},
    {"HashPrefix", "#10"},
    {"BlankBeforeSignAndAfter", " + 1"},
};

class ParseRejected : public testing::TestWithParam<RejectedRow> {};

TEST_P(ParseRejected, ThrowsWithTheWholeText)
{
    const std::string& text = GetParam().text;
    try {
        const std::int32_t value = ParseWholeNumber(text);
        ADD_FAILURE() << "accepted as " << value;
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), Message(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, ParseRejected, testing::ValuesIn(kRejected),
                         [](const testing::TestParamInfo<RejectedRow>& info) { return std::string(info.param.name); });

TEST(ParseMessage, EmptyTextHasNothingBetweenTheApostrophes)
{
    try {
        ParseWholeNumber("");
        FAIL() << "accepted";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}

TEST(ParseMessage, KeepsBlanksAndIsNeverShortened)
{
    const std::string longText = "  12 " + std::string(300, '9') + " ";
    for (const std::string& text : {std::string("  12 "), std::string(" 1 2 "), longText}) {
        try {
            ParseWholeNumber(text);
            FAIL() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
        }
    }
    EXPECT_THROW(ParseWholeNumber("  12 "), std::runtime_error);
}

TEST(ParseMessage, EmbeddedNulIsRejected)
{
    EXPECT_THROW(ParseWholeNumber(std::string_view("1\0" "2", 3)), ConversionError);
}

// ---------------------------------------------------------------------------------------------
// WholeNumberText and the round trip
// ---------------------------------------------------------------------------------------------

TEST(WholeNumberText, Table)
{
    EXPECT_EQ(WholeNumberText(0), "0");
    EXPECT_EQ(WholeNumberText(-5), "-5");
    EXPECT_EQ(WholeNumberText(123), "123");
    EXPECT_EQ(WholeNumberText(kMin32), "-2147483648");
    EXPECT_EQ(WholeNumberText(kMax32), "2147483647");
    EXPECT_EQ(WholeNumberText(4000000800), "4000000800");
    EXPECT_EQ(WholeNumberText(-4294967296), "-4294967296");
    EXPECT_EQ(WholeNumberText(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
    EXPECT_EQ(WholeNumberText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(WholeNumberRoundTrip, ParseOfTextGivesTheValueBack)
{
    std::mt19937 generator(20240611u);  // fixed seed: the same values on every run
    std::uniform_int_distribution<std::int32_t> any(kMin32, kMax32);
    std::vector<std::int32_t> values = {kMin32, kMin32 + 1, -1, 0, 1, kMax32 - 1, kMax32};
    for (int i = 0; i < 200000; ++i) values.push_back(any(generator));
    for (const std::int32_t v : values) ASSERT_EQ(ParseWholeNumber(WholeNumberText(v)), v) << WholeNumberText(v);
}

// ---------------------------------------------------------------------------------------------
// RealNumberText
// ---------------------------------------------------------------------------------------------

struct RealRow {
    const char* name;
    double value;
    std::string text;  // with "." as the separator
};

const std::vector<RealRow> kReal = {
    // the reference cases
    {"One", 1, "1"},
    {"Thirteen", 13, "13"},
    {"TwelveThousand", 12000, "12000"},
    {"ThreeAndHalf", 3.5, "3.5"},
    {"NegativeTwoAndHalf", -2.5, "-2.5"},
    {"OneTenth", 0.1, "0.1"},
    {"EndTimeRepeating", 7.857142857142857, "7.85714285714286"},
    {"Area2Repeating", 4128.571428571428, "4128.57142857143"},
    {"SixteenAndThird", 16.333333333333332, "16.3333333333333"},
    {"TwoThirds", 2.0 / 3.0, "0.666666666666667"},
    {"NegativeEndTime", -1474843.48, "-1474843.48"},
    {"FifteenIntegerDigits", 217517213956839.03, "217517213956839"},
    {"TenToFourteen", 1e14, "100000000000000"},
    {"TenToFifteen", 1e15, "1E15"},
    {"RoundsUpToTenToFifteen", 999999999999999.9, "1E15"},
    {"EighteenDigits", 123456789012345678.0, "1.23456789012346E17"},
    {"SmallestFixed", 0.0001, "0.0001"},
    {"TenToMinusFive", 0.00001, "1E-5"},
    {"OneAndHalfTenToMinusFive", 0.000015, "1.5E-5"},
    {"NotCorrectlyRounded", 61643.83561643835, "61643.8356164383"},
    {"NegativeZero", -0.0, "0"},
    {"PositiveZero", 0.0, "0"},
    {"PositiveInfinity", std::numeric_limits<double>::infinity(), "INF"},
    {"NegativeInfinity", -std::numeric_limits<double>::infinity(), "-INF"},
    {"NaN", std::numeric_limits<double>::quiet_NaN(), "NAN"},
    {"NegativeNaN", -std::numeric_limits<double>::quiet_NaN(), "NAN"},
    // the exact 64-bit case and the total delay of the repeating case
    {"Area2Exact64Bit", 3.999996000001E16, "3.999996000001E16"},
    {"TotalDelayExact64Bit", 3.9999964000008E16, "3.9999964000008E16"},
    {"EndTimeExact64Bit", 19999993, "19999993"},
    {"TotalDelayRepeating", 5828.571428571428, "5828.57142857143"},
    // layouts and their boundaries
    {"OneAndHalfTenToMinusSix", 1.5e-6, "1.5E-6"},
    {"SmallFixed", 0.000123, "0.000123"},
    {"OneThousandth", 0.001, "0.001"},
    {"NegativeSmallFixed", -0.00012345, "-0.00012345"},
    {"FifteenNines", 999999999999999.0, "999999999999999"},
    {"TenToSixteen", 1e16, "1E16"},
    {"NegativeScientific", -1.25e20, "-1.25E20"},
    {"CarryThroughNines", 0.9999999999999999, "1"},
    {"CarryIntoNextPower", 9.9999999999999995e-5, "0.0001"},
    {"SixteenthDigitFiveRoundsUp", 1.0000000000000051, "1.00000000000001"},
    {"SixteenthDigitFourStays", 1.0000000000000049, "1"},
    // 0.12345678901234549696...: scaled to 1.23e18 and divided by ten in double precision, the
    // 16th digit becomes 5 (correctly rounded would end in 5)
    {"DivisionByTenRoundsUp", 0.1234567890123455, "0.123456789012346"},
    {"EstimateTooSmallPositiveBinade", 1e18, "1E18"},
    // extremes: no overflow of the scaled value, subnormals handled
    {"TenTo308", 1e308, "1E308"},
    {"DoubleMax", DBL_MAX, "1.79769313486232E308"},
    {"NegativeDoubleMax", -DBL_MAX, "-1.79769313486232E308"},
    {"DoubleMinNormal", DBL_MIN, "2.2250738585072E-308"},
    {"LargestSubnormal", DBL_MIN - std::numeric_limits<double>::denorm_min(), "2.2250738585072E-308"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    // The last digit shows the scaling: 10^1, then 10^64, then 10^256 for p = 321 (10^256 first
    // ends in 6); for p = 258 divisions by 10^2 and 10^0 and then a multiplication by the double
    // nearest 10^-256 (a division by 10^256 ends in 7).
    {"FactorOrderSmallValue", 8.067668805960664E-304, "8.06766880596067E-304"},
    {"FactorOrderTenToMinus256", 5.9965240411870758E275, "5.99652404118708E275"},
    // The estimate of E is one too large for the lowest values of binades 2^-681 and
    // 2^-877, so step 2.5 writes a leading zero and the text keeps it (14 significant digits).
    {"EstimateTooLargeLeadingZero", 0x1p-681, "0.99671949510976E-205"},
    {"EstimateTooLargeLeadingZeroOtherBinade", 0x1p-877, "0.99241610332961E-264"},
};

class RealText : public testing::TestWithParam<RealRow> {};

TEST_P(RealText, WithPoint) { EXPECT_EQ(RealNumberText(GetParam().value), GetParam().text); }

TEST_P(RealText, WithCommaEveryPointBecomesAComma)
{
    std::string expected = GetParam().text;
    for (char& c : expected)
        if (c == '.') c = ',';
    EXPECT_EQ(RealNumberText(GetParam().value, ','), expected);
}

INSTANTIATE_TEST_SUITE_P(Reference, RealText, testing::ValuesIn(kReal),
                         [](const testing::TestParamInfo<RealRow>& info) { return std::string(info.param.name); });

TEST(RealTextComma, Examples)
{
    EXPECT_EQ(RealNumberText(3.5, ','), "3,5");
    EXPECT_EQ(RealNumberText(-1474843.48, ','), "-1474843,48");
    EXPECT_EQ(RealNumberText(0.0001, ','), "0,0001");
    EXPECT_EQ(RealNumberText(1.5e-6, ','), "1,5E-6");
    EXPECT_EQ(RealNumberText(12000, ','), "12000");
    EXPECT_EQ(RealNumberText(3.5), "3.5");  // the default separator is "."
}

}  // namespace
}  // namespace zorvanta
