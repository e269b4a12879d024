// The value cells' tooltips as a plain function: full text first, meaning and unit, the regime's
// sentence for inputs that give no real queue, and the waits behind the total delay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QueueRegime.h"
#include "ResultTexts.h"
#include "ResultTooltips.h"

namespace zorvanta {
namespace {

QStringList TooltipsFor(QueueInputs in, char separator = '.')
{
    const QueueResults results = ComputeQueue(in);
    return ResultValueTooltips(in, results, ResultValueTexts(results, separator), separator);
}

TEST(ResultValueTooltips, StartWithTheFullTextThenGiveMeaningAndUnit)
{
    const QueueInputs in{800, 2000, 1150, 2};
    const QStringList texts = ResultValueTexts(ComputeQueue(in), ',');
    const QStringList tips = TooltipsFor(in, ',');
    ASSERT_EQ(tips.size(), 9);
    const char* units[] = {"in vehicles.", "in vehicles.", "in vehicles.", "in hours.", "in hours.", "in hours.",
                           "in vehicle-hours.", "in vehicle-hours.", "in vehicle-hours."};
    for (int row = 0; row < 9; ++row) {
        EXPECT_TRUE(tips[row].startsWith(texts[row] + "\n")) << tips[row].toStdString();
        EXPECT_TRUE(tips[row].section('\n', 1, 1).endsWith(units[row])) << tips[row].toStdString();
    }
    EXPECT_TRUE(tips[5].startsWith("7,85714285714286\n"));
}

TEST(ResultValueTooltips, TotalDelayOfARealQueueGivesTheLongestAndTheAverageWait)
{
    // The defaults: the vehicle entering at hour 3 waits 2000 / 1000 h; 12000 vehicles share 12000 vehicle-hours.
    const QString defaults = TooltipsFor({800, 2000, 1000, 2}).at(8);
    EXPECT_TRUE(defaults.contains("Longest single wait: 2 h, for the vehicle entering at the peak's end."))
        << defaults.toStdString();
    EXPECT_TRUE(defaults.contains("Average wait per vehicle delayed: 1 h over 12000 vehicles."))
        << defaults.toStdString();
    // A queue of 1700 served at 1150/h: 1.478 h at most; 5828.57 vehicle-hours over 1150 * 6.857 vehicles.
    const QString comma = TooltipsFor({800, 2000, 1150, 2}, ',').at(8);
    EXPECT_TRUE(comma.contains("Longest single wait: 1,478 h")) << comma.toStdString();
    EXPECT_TRUE(comma.contains("Average wait per vehicle delayed: 44,3 min over 7886 vehicles."))
        << comma.toStdString();
    EXPECT_FALSE(TooltipsFor({800, 2000, 1000, 2}).at(7).contains("wait"));
}

struct RegimeRow {
    const char* name;
    QueueInputs in;
    QueueRegime regime;
};

class RegimeTooltips : public testing::TestWithParam<RegimeRow> {};

TEST_P(RegimeTooltips, EveryValueCellCarriesTheRegimeSentence)
{
    const QString sentence = QString::fromStdString(RegimeSentence(GetParam().regime));
    ASSERT_FALSE(sentence.isEmpty());
    const QStringList tips = TooltipsFor(GetParam().in);
    for (const QString& tip : tips)
        EXPECT_TRUE(tip.endsWith("\n" + sentence)) << tip.toStdString();
    EXPECT_FALSE(tips.at(8).contains("Longest single wait")) << "no real queue, no waits";
}

INSTANTIATE_TEST_SUITE_P(
    NoRealQueue, RegimeTooltips,
    testing::Values(RegimeRow{"CapacityAbovePeakFlow", {800, 900, 1000, 2}, QueueRegime::NoQueue},
                    RegimeRow{"CapacityBelowNormalFlow", {1200, 2000, 1000, 2}, QueueRegime::NeverClears},
                    RegimeRow{"CapacityEqualToNormalFlow", {800, 2000, 800, 2}, QueueRegime::NoClearingCapacity},
                    RegimeRow{"NoPeakHours", {800, 2000, 1000, 0}, QueueRegime::NoPeakHours}),
    [](const testing::TestParamInfo<RegimeRow>& info) { return std::string(info.param.name); });

TEST(ResultValueTooltips, AnOrdinaryPeakHasNoRegimeSentence)
{
    for (const QString& tip : TooltipsFor({800, 2000, 1000, 2}))
        EXPECT_FALSE(tip.contains("no queue forms") || tip.contains("never clears")) << tip.toStdString();
}

}  // namespace
}  // namespace zorvanta
