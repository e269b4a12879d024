// The short texts of the hover read-out and the tooltips, and the regime of a set of inputs.
#include "QueueRegime.h"
#include "ReadingText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace zorvanta {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct TextRow {
    const char* name;
    std::string actual;
    std::string expected;
};

class ReadingTextTable : public testing::TestWithParam<TextRow> {};

TEST_P(ReadingTextTable, IsShortAndReadable) { EXPECT_EQ(GetParam().actual, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingTextTable,
    testing::ValuesIn(std::vector<TextRow>{
        {"FourDigitsDropTrailingZeros", ShortNumberText(2.5, 4, '.'), "2.5"},
        {"FourDigitsRound", ShortNumberText(7.857142857142857, 4, '.'), "7.857"},
        {"CommaSeparator", ShortNumberText(7.857142857142857, 4, ','), "7,857"},
        {"ExponentWithoutPlusOrZeros", ShortNumberText(12800, 3, '.'), "1.28E4"},
        {"NegativeExponent", ShortNumberText(0.000012345, 3, ','), "1,23E-5"},
        {"NoNegativeZero", ShortNumberText(-0.0, 4, '.'), "0"},
        {"Infinite", ShortNumberText(-kInf, 4, '.'), "-INF"},
        {"WholeVehicles", VehiclesText(4799.6, '.'), "4800"},
        {"NegativeVehicles", VehiclesText(-6800.2, '.'), "-6800"},
        {"VehiclesJustBelowZeroAreZero", VehiclesText(-0.2, '.'), "0"},
        {"LargeVehicleCountsExact", VehiclesText(999999999999999.0, '.'), "999999999999999"},
        {"HugeVehicleCountsShort", VehiclesText(3.9999964000008E16, ','), "4E16"},
        {"ClockWholeHours", ClockText(13), "13:00"},
        {"ClockMinutesRounded", ClockText(2.5083), "2:30"},
        {"ClockRoundsUpToTheHour", ClockText(0.99999), "1:00"},
        {"ClockNegative", ClockText(-6.5), "-6:30"},
        {"ClockTinyNegativeIsZero", ClockText(-0.001), "0:00"},
        {"NoClockForHugeTimes", ClockText(4.6e18), ""},
        {"NoClockForInfinity", ClockText(kInf), ""},
        {"WaitBelowAnHourInMinutes", WaitText(0.75, '.'), "45 min"},
        {"WaitFractionOfAMinute", WaitText(0.5 / 60, ','), "0,5 min"},
        {"WaitOfAnHourInHours", WaitText(1.0, '.'), "1 h"},
        {"LongWaitInHours", WaitText(1.4782608695652173, ','), "1,478 h"},
    }),
    [](const testing::TestParamInfo<TextRow>& info) { return std::string(info.param.name); });

struct RegimeRow {
    const char* name;
    QueueInputs in;
    QueueRegime expected;
};

class RegimeTable : public testing::TestWithParam<RegimeRow> {};

TEST_P(RegimeTable, IsClassifiedByTheFlows)
{
    const QueueRegime regime = ClassifyRegime(GetParam().in);
    EXPECT_EQ(regime, GetParam().expected);
    EXPECT_EQ(RegimeSentence(regime).empty(), regime == QueueRegime::OrdinaryPeak);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RegimeTable,
    testing::ValuesIn(std::vector<RegimeRow>{
        {"Defaults", {800, 2000, 1000, 2}, QueueRegime::OrdinaryPeak},
        {"OneHourPeak", {1000, 1500, 1200, 1}, QueueRegime::OrdinaryPeak},
        {"PeakBelowCapacity", {800, 900, 1000, 2}, QueueRegime::NoQueue},
        {"PeakEqualToCapacity", {800, 1000, 1000, 2}, QueueRegime::NoQueue},
        {"CapacityBelowNormalFlow", {1200, 2000, 1000, 2}, QueueRegime::NeverClears},
        {"CapacityBelowBothFlows", {1200, 900, 1000, 2}, QueueRegime::NeverClears},
        {"CapacityEqualToNormalFlow", {800, 2000, 800, 2}, QueueRegime::NoClearingCapacity},
        {"CapacityEqualToNormalNegativeQueue", {800, 700, 800, 2}, QueueRegime::NoClearingCapacity},
        {"CapacityEqualToNormalNoDuration", {800, 800, 800, 0}, QueueRegime::NoClearingCapacity},
        {"NoPeakHours", {800, 2000, 1000, 0}, QueueRegime::NoPeakHours},
        {"NegativeDuration", {800, 2000, 1000, -2}, QueueRegime::NoPeakHours},
        {"ExtremeFlows", {-2147483647 - 1, 2147483647, -2147483647, 2147483647}, QueueRegime::OrdinaryPeak},
    }),
    [](const testing::TestParamInfo<RegimeRow>& info) { return std::string(info.param.name); });

// Each sentence names the reason a regime is not a real queue, in words the user sees elsewhere.
TEST(RegimeSentence, SaysWhyTheResultsAreNoRealQueue)
{
    EXPECT_NE(RegimeSentence(QueueRegime::NoQueue).find("at or above the peak flow"), std::string::npos);
    EXPECT_NE(RegimeSentence(QueueRegime::NoQueue).find("not delays"), std::string::npos);
    EXPECT_NE(RegimeSentence(QueueRegime::NeverClears).find("below the normal flow"), std::string::npos);
    EXPECT_NE(RegimeSentence(QueueRegime::NeverClears).find("never clears"), std::string::npos);
    EXPECT_NE(RegimeSentence(QueueRegime::NoClearingCapacity).find("INF, -INF and NAN"), std::string::npos);
}

}  // namespace
}  // namespace zorvanta
