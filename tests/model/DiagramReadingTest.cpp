// ReadDiagramAt: the defaults and every irregular regime read at chosen times (with the NaN
// fields each promises), and many random ordinary peaks against the textbook diagram.
#include "QueueModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace zorvanta {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Same(double actual, double expected)
{
    if (std::isnan(expected))
        return std::isnan(actual);
    return std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected));
}

struct ReadingRow {
    const char* name;
    QueueInputs in;
    double time;
    DiagramReading expected;  // Time is not compared: it is always the time asked for
};

const std::vector<ReadingRow> kReadingRows = {
    // The defaults: entering 800/h, 2000/h during the peak (hours 1 to 3), then 800/h; leaving 1000/h
    // from hour 1 until both meet at hour 13.
    {"DefaultsFirstHalfHour", {800, 2000, 1000, 2}, 0.5, {0, 400, 400, 0, 0}},
    {"DefaultsPeakStart", {800, 2000, 1000, 2}, 1, {0, 800, 800, 0, 0}},
    {"DefaultsInsidePeak", {800, 2000, 1000, 2}, 2, {0, 2800, 1800, 1000, 1}},
    {"DefaultsPeakEnd", {800, 2000, 1000, 2}, 3, {0, 4800, 2800, 2000, 2}},
    {"DefaultsClearing", {800, 2000, 1000, 2}, 8, {0, 8800, 7800, 1000, 1}},
    {"DefaultsCleared", {800, 2000, 1000, 2}, 13, {0, 12800, 12800, 0, 0}},
    {"DefaultsAfterTheCurvesEnd", {800, 2000, 1000, 2}, 13.5, {0, kNaN, kNaN, kNaN, kNaN}},
    {"DefaultsBeforeTheCurvesStart", {800, 2000, 1000, 2}, -0.25, {0, kNaN, kNaN, kNaN, kNaN}},
    {"DefaultsNaNTime", {800, 2000, 1000, 2}, kNaN, {0, kNaN, kNaN, kNaN, kNaN}},
    // Peak below capacity: the curves meet at the end time 2, then the leaving curve runs above the
    // entering one to hour 3; that negative queue has no vehicle waiting for it.
    {"PeakBelowCapacityBeforeEndTime", {800, 900, 1000, 2}, 1.5, {0, 1300, 1300, 0, 0}},
    {"PeakBelowCapacityNegativeQueue", {800, 900, 1000, 2}, 2.5, {0, 2200, 2300, -100, kNaN}},
    // Capacity below the normal flow: the end time -7 starts both curves at (-7, -6800).
    {"CapacityBelowNormalBeforeHourZero", {1200, 2000, 1000, 2}, -3.5, {0, -3400, -3400, 0, 0}},
    {"CapacityBelowNormalInsidePeak", {1200, 2000, 1000, 2}, 2, {0, 3200, 2200, 1000, 1}},
    {"CapacityBelowNormalPeakEnd", {1200, 2000, 1000, 2}, 3, {0, 5200, 3200, 2000, kNaN}},
    {"CapacityBelowNormalBeforeTheEndTime", {1200, 2000, 1000, 2}, -7.5, {0, kNaN, kNaN, kNaN, kNaN}},
    // Capacity equal to the normal flow: the end time is infinite, so the curves end at the peak time.
    {"InfiniteEndTimeFirstHour", {800, 2000, 800, 2}, 0.5, {0, 400, 400, 0, 0}},
    {"InfiniteEndTimeNeverServed", {800, 2000, 800, 2}, 2, {0, 2800, 1600, 1200, kNaN}},
    {"InfiniteEndTimeAfterThePeak", {800, 2000, 800, 2}, 4, {0, kNaN, kNaN, kNaN, kNaN}},
    {"MinusInfiniteEndTimeNegativeQueue", {800, 700, 800, 2}, 2, {0, 1500, 1600, -100, kNaN}},
    {"NaNEndTimeAtHourOne", {800, 800, 800, 0}, 1, {0, 800, 800, 0, 0}},
    {"NaNEndTimeAfterHourOne", {800, 800, 800, 0}, 1.5, {0, kNaN, kNaN, kNaN, kNaN}},
    // No peak: all four points of each curve end at hour 1.
    {"ZeroDuration", {800, 2000, 1000, 0}, 1, {0, 800, 800, 0, 0}},
    // Curves that rise straight up: with (800, 600, 1000, 1) the end time is 0, where the entering
    // curve steps from 0 down to -200; it is read at the step's later point.
    {"VerticalStepReadAtItsLaterPoint", {800, 600, 1000, 1}, 0, {0, -200, -200, 0, 0}},
    {"VerticalStepThenRising", {800, 600, 1000, 1}, 0.5, {0, 300, 300, 0, 0}},
};

class ReadDiagramTable : public testing::TestWithParam<ReadingRow> {};

TEST_P(ReadDiagramTable, ReadsBothCurves)
{
    const ReadingRow& row = GetParam();
    const DiagramReading r = ReadDiagramAt(row.in, ComputeQueue(row.in), row.time);
    const DiagramReading& e = row.expected;
    EXPECT_TRUE(std::isnan(row.time) ? std::isnan(r.Time) : r.Time == row.time) << r.Time;
    EXPECT_TRUE(Same(r.Entered, e.Entered)) << "Entered " << r.Entered << ", expected " << e.Entered;
    EXPECT_TRUE(Same(r.Left, e.Left)) << "Left " << r.Left << ", expected " << e.Left;
    EXPECT_TRUE(Same(r.Queue, e.Queue)) << "Queue " << r.Queue << ", expected " << e.Queue;
    EXPECT_TRUE(Same(r.Delay, e.Delay)) << "Delay " << r.Delay << ", expected " << e.Delay;
}

INSTANTIATE_TEST_SUITE_P(Regimes, ReadDiagramTable, testing::ValuesIn(kReadingRows),
                         [](const testing::TestParamInfo<ReadingRow>& info) { return std::string(info.param.name); });

// NormalFlow < Capacity < PeakFlow, Duration >= 1: the textbook lines, at random times across the
// whole diagram, for small and for huge flows.
TEST(ReadDiagramAt, OrdinaryPeaksFollowTheTextbookDiagram)
{
    std::mt19937_64 random(20261211);
    for (const std::int32_t largest : {5000, 2147483647}) {
        // Three draws stay below 2^31 - 1: the peak flow cannot overflow.
        std::uniform_int_distribution<std::int32_t> flow(0, largest / 3 - 1);
        std::uniform_int_distribution<std::int32_t> duration(1, largest == 5000 ? 24 : 1000000);
        for (int round = 0; round < 2000; ++round) {
            const std::int32_t n = flow(random);
            const std::int32_t c = n + 1 + flow(random);
            const std::int32_t p = c + 1 + flow(random);
            const QueueInputs in{n, p, c, duration(random)};
            const QueueResults r = ComputeQueue(in);
            const double time = std::uniform_real_distribution<double>(0.0, r.EndTime)(random);
            const double peakTime = r.PeakTime;

            const double entered = time <= 1 ? n * time
                                 : time <= peakTime ? n + p * (time - 1)
                                                    : static_cast<double>(r.VehiclesMax) + n * (time - peakTime);
            const double left = time <= 1 ? n * time : n + c * (time - 1);
            const double delay = time <= 1 ? 0 : 1 + (entered - n) / c - time;

            const DiagramReading reading = ReadDiagramAt(in, r, time);
            const double vehicles = std::max(1.0, std::fabs(entered));
            const std::string where = "inputs (" + std::to_string(n) + ", " + std::to_string(p) + ", "
                                      + std::to_string(c) + ", " + std::to_string(in.Duration) + ") at "
                                      + std::to_string(time);
            ASSERT_NEAR(reading.Entered, entered, 1e-9 * vehicles) << where;
            ASSERT_NEAR(reading.Left, left, 1e-9 * vehicles) << where;
            ASSERT_NEAR(reading.Queue, entered - left, 1e-9 * vehicles) << where;
            ASSERT_NEAR(reading.Delay, delay, 1e-9 * std::max(1.0, r.EndTime)) << where;
            ASSERT_GE(reading.Delay, 0.0) << where;
        }
    }
}

// The longest wait is that of the vehicle entering at the peak's end: the queue there served at capacity.
TEST(ReadDiagramAt, LongestWaitIsThePeakQueueOverCapacity)
{
    const QueueInputs in{800, 2000, 1150, 2};
    const QueueResults r = ComputeQueue(in);
    EXPECT_NEAR(ReadDiagramAt(in, r, r.PeakTime).Delay, 1700.0 / 1150.0, 1e-12);
    EXPECT_LT(ReadDiagramAt(in, r, r.PeakTime - 0.01).Delay, ReadDiagramAt(in, r, r.PeakTime).Delay);
    EXPECT_LT(ReadDiagramAt(in, r, r.PeakTime + 0.01).Delay, ReadDiagramAt(in, r, r.PeakTime).Delay);
}

}  // namespace
}  // namespace zorvanta
