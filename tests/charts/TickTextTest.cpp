#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TickText.h"

namespace zorvanta {
namespace {

struct TickRow {
    const char* Name;
    std::vector<double> Ticks;
    double Step;
    char Separator;
    std::vector<std::string> Texts;
};

class TickTextTest : public testing::TestWithParam<TickRow> {};

TEST_P(TickTextTest, WritesEveryTickInOneNotation)
{
    EXPECT_EQ(TickTexts(GetParam().Ticks, GetParam().Step, GetParam().Separator), GetParam().Texts);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, TickTextTest,
    testing::Values(
        TickRow{"WholeHours", {0, 2, 4, 12}, 2, '.', {"0", "2", "4", "12"}},
        TickRow{"HalvesKeepTheirTenths", {0, 2.5, 5, 7.5}, 2.5, ',', {"0", "2,5", "5", "7,5"}},
        TickRow{"Negative", {-1500, -1000, -500, 0}, 500, '.', {"-1500", "-1000", "-500", "0"}},
        TickRow{"RoundingNoiseAtZero", {5.551115123125783e-17, 0.1, 0.2}, 0.1, '.', {"0", "0.1", "0.2"}},
        TickRow{"SmallestFixed", {0.0001, 0.0002}, 0.0001, ',', {"0,0001", "0,0002"}},
        TickRow{"BelowFixed", {1e-5, 2e-5}, 1e-5, '.', {"1·10⁻⁵", "2·10⁻⁵"}},
        TickRow{"Largest", {0, 2.5e9, 5e9}, 2.5e9, ',', {"0", "2,5·10⁹", "5·10⁹"}},
        TickRow{"OnePowerForAllTicks", {5e5, 1e6, 1.5e6}, 5e5, '.', {"0.5·10⁶", "1·10⁶", "1.5·10⁶"}},
        // A deep zoom far from 0 keeps the digits down to the step, so neighbours differ.
        TickRow{"DeepZoomFarOut", {1038580000.002, 1038580000.004, 1038580000.006}, 0.002, ',',
                {"1,038580000002·10⁹", "1,038580000004·10⁹", "1,038580000006·10⁹"}},
        TickRow{"HugeValues", {4.611686014132420e18, 4.611686014132421e18}, 1e3, '.',
                {"4.61168601413242·10¹⁸", "4.611686014132421·10¹⁸"}}),
    [](const testing::TestParamInfo<TickRow>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace zorvanta
