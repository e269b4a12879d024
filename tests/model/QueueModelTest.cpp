// ComputeQueue (with exact 64-bit vehicle counts): the reference edge cases as a
// table of named rows, the texts of the mended 64-bit case, and exactness over extreme inputs.
#include "NumberText.h"
#include "QueueModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace zorvanta {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

std::string Show(double v)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

/// Equal as doubles, with NaN equal to NaN and no tolerance: every bit of the results is fixed.
testing::AssertionResult SameDouble(const char* actualExpr, const char*, double actual, double expected)
{
    const bool same = std::isnan(expected) ? std::isnan(actual) : actual == expected;
    if (same) return testing::AssertionSuccess();
    return testing::AssertionFailure() << actualExpr << " is " << Show(actual) << ", expected " << Show(expected);
}

struct QueueRow {
    const char* name;
    QueueInputs in;
    QueueResults expected;
};

// Reference edge cases; the last row is the peak flow that would wrap a 32-bit count, with the
// exact 64-bit results.
const std::vector<QueueRow> kQueueRows = {
    {"Defaults", {800, 2000, 1000, 2}, {4800, 2800, 2000, 1, 3, 13, 2000, 10000, 12000}},
    {"ThreeHours", {800, 2000, 1000, 3}, {6800, 3800, 3000, 1, 4, 19, 4500, 22500, 27000}},
    {"FractionalEndTime", {1000, 1500, 1200, 1}, {2500, 2200, 300, 1, 2, 3.5, 150, 225, 375}},
    {"RepeatingEndTime",
     {800, 2000, 1150, 2},
     {4800, 3100, 1700, 1, 3, 7.857142857142857, 1700, 4128.571428571428, 5828.571428571428}},
    {"ZeroDuration", {800, 2000, 1000, 0}, {800, 800, 0, 1, 1, 1, 0, 0, 0}},
    {"PeakBelowCapacity", {800, 900, 1000, 2}, {2600, 2800, -200, 1, 3, 2, -200, 100, -100}},
    {"CapacityBelowNormalFlow", {1200, 2000, 1000, 2}, {5200, 3200, 2000, 1, 3, -7, 2000, -10000, -8000}},
    {"CapacityEqualsNormalPositiveQueue", {800, 2000, 800, 2}, {4800, 2400, 2400, 1, 3, kInf, 2400, kInf, kInf}},
    {"CapacityEqualsNormalNegativeQueue", {800, 700, 800, 2}, {2200, 2400, -200, 1, 3, -kInf, -200, kInf, kInf}},
    {"CapacityEqualsNormalZeroQueue", {800, 800, 800, 0}, {800, 800, 0, 1, 1, kNaN, 0, kNaN, kNaN}},
    {"Exact64Bit",
     {800, 2000000000, 1000, 2},
     {4000000800, 2800, 3999998000, 1, 3, 19999993, 3999998000, 3.999996000001E16, 3.9999964000008E16}},
    // Beyond the reference cases: Capacity - NormalFlow = 4e9 does not fit 32 bits (wrapped it would be
    // -294967296 and the end time 8.78...).
    {"SpareCapacityBeyond32Bit",
     {-2000000000, 0, 2000000000, 1},
     {-2000000000, 0, -2000000000, 1, 2, 1.5, -1000000000, 500000000, -500000000}},
    {"NegativeDuration", {800, 2000, 1000, -1}, {-1200, -200, -1000, 1, 0, -5, 500, 2500, 3000}},
};

class ComputeQueueTable : public testing::TestWithParam<QueueRow> {};

TEST_P(ComputeQueueTable, GivesTheNineResults)
{
    const QueueRow& row = GetParam();
    const QueueResults r = ComputeQueue(row.in);
    EXPECT_EQ(r.VehiclesMax, row.expected.VehiclesMax);
    EXPECT_EQ(r.VehiclesMin, row.expected.VehiclesMin);
    EXPECT_EQ(r.VehiclesInQueue, row.expected.VehiclesInQueue);
    EXPECT_PRED_FORMAT2(SameDouble, r.StartTime, row.expected.StartTime);
    EXPECT_PRED_FORMAT2(SameDouble, r.PeakTime, row.expected.PeakTime);
    EXPECT_PRED_FORMAT2(SameDouble, r.EndTime, row.expected.EndTime);
    EXPECT_PRED_FORMAT2(SameDouble, r.Area1, row.expected.Area1);
    EXPECT_PRED_FORMAT2(SameDouble, r.Area2, row.expected.Area2);
    EXPECT_PRED_FORMAT2(SameDouble, r.TotalDelay, row.expected.TotalDelay);
}

INSTANTIATE_TEST_SUITE_P(Reference, ComputeQueueTable, testing::ValuesIn(kQueueRows),
                         [](const testing::TestParamInfo<QueueRow>& info) { return std::string(info.param.name); });

std::vector<std::string> Texts(const QueueResults& r)
{
    return {WholeNumberText(r.VehiclesMax), WholeNumberText(r.VehiclesMin), WholeNumberText(r.VehiclesInQueue),
            RealNumberText(r.StartTime),     RealNumberText(r.PeakTime),     RealNumberText(r.EndTime),
            RealNumberText(r.Area1),         RealNumberText(r.Area2),        RealNumberText(r.TotalDelay)};
}

TEST(ComputeQueueTexts, DefaultsFillTheTable)
{
    EXPECT_EQ(Texts(ComputeQueue({800, 2000, 1000, 2})),
              (std::vector<std::string>{"4800", "2800", "2000", "1", "3", "13", "2000", "10000", "12000"}));
}

TEST(ComputeQueueTexts, RepeatingDecimalsKeepFifteenDigits)
{
    EXPECT_EQ(Texts(ComputeQueue({800, 2000, 1150, 2})),
              (std::vector<std::string>{"4800", "3100", "1700", "1", "3", "7.85714285714286", "1700",
                                        "4128.57142857143", "5828.57142857143"}));
}

TEST(ComputeQueueTexts, Exact64BitCase)
{
    EXPECT_EQ(Texts(ComputeQueue({800, 2000000000, 1000, 2})),
              (std::vector<std::string>{"4000000800", "2800", "3999998000", "1", "3", "19999993", "3999998000",
                                        "3.999996000001E16", "3.9999964000008E16"}));
}

TEST(ComputeQueueTexts, NonFiniteResults)
{
    EXPECT_EQ(Texts(ComputeQueue({800, 2000, 800, 2})),
              (std::vector<std::string>{"4800", "2400", "2400", "1", "3", "INF", "2400", "INF", "INF"}));
    EXPECT_EQ(Texts(ComputeQueue({800, 700, 800, 2})),
              (std::vector<std::string>{"2200", "2400", "-200", "1", "3", "-INF", "-200", "INF", "INF"}));
    EXPECT_EQ(Texts(ComputeQueue({800, 800, 800, 0})),
              (std::vector<std::string>{"800", "800", "0", "1", "1", "NAN", "0", "NAN", "NAN"}));
}

// Every combination of extreme inputs: the integers are the mathematically exact ones (no
// 64-bit overflow; this also runs under UBSan in CI), the real steps follow the queueing diagram's formulas,
// and only Capacity == NormalFlow gives non-finite results.
TEST(ComputeQueueExtremes, IntegersAreExactAndOnlyEqualCapacityIsNonFinite)
{
    const std::vector<std::int32_t> values = {kMin32, kMin32 + 1, -2, -1, 0, 1, 2, 1000, kMax32 - 1, kMax32};
    int checked = 0;
    for (const std::int32_t normal : values)
        for (const std::int32_t peak : values)
            for (const std::int32_t capacity : values)
                for (const std::int32_t duration : values) {
                    const QueueInputs in{normal, peak, capacity, duration};
                    const QueueResults r = ComputeQueue(in);
                    SCOPED_TRACE(testing::Message() << "inputs " << normal << ", " << peak << ", " << capacity
                                                    << ", " << duration);
                    // Exact modulo 2^64 (unsigned arithmetic is defined to wrap) ...
                    const auto u = [](std::int64_t v) { return static_cast<std::uint64_t>(v); };
                    const std::uint64_t wantMax = u(normal) + u(duration) * u(peak);
                    const std::uint64_t wantMin = u(normal) + u(duration) * u(capacity);
                    const std::uint64_t wantQueue = u(duration) * (u(peak) - u(capacity));
                    ASSERT_EQ(u(r.VehiclesMax), wantMax);
                    ASSERT_EQ(u(r.VehiclesMin), wantMin);
                    ASSERT_EQ(u(r.VehiclesInQueue), wantQueue);
                    // ... and of the right magnitude and sign, so exact: a wrap would be off by 2^64.
                    const double dn = normal, dp = peak, dc = capacity, dd = duration;
                    ASSERT_NEAR(static_cast<double>(r.VehiclesMax), dn + dd * dp, 1e-12 * (std::fabs(dd * dp) + 1e10));
                    ASSERT_NEAR(static_cast<double>(r.VehiclesMin), dn + dd * dc, 1e-12 * (std::fabs(dd * dc) + 1e10));
                    ASSERT_NEAR(static_cast<double>(r.VehiclesInQueue), dd * (dp - dc),
                                1e-12 * (std::fabs(dd * (dp - dc)) + 1e10));

                    const double queue = static_cast<double>(r.VehiclesInQueue);
                    const double spare = static_cast<double>(std::int64_t{capacity} - normal);
                    ASSERT_EQ(r.StartTime, 1.0);
                    ASSERT_EQ(r.PeakTime, 1.0 + dd);
                    ASSERT_PRED_FORMAT2(SameDouble, r.EndTime, r.PeakTime + queue / spare);
                    ASSERT_PRED_FORMAT2(SameDouble, r.Area1, queue * ((r.PeakTime - 1.0) / 2.0));
                    ASSERT_PRED_FORMAT2(SameDouble, r.Area2, queue * ((r.EndTime - r.PeakTime) / 2.0));
                    ASSERT_PRED_FORMAT2(SameDouble, r.TotalDelay, r.Area1 + r.Area2);
                    const bool finite = std::isfinite(r.EndTime) && std::isfinite(r.Area1) &&
                                        std::isfinite(r.Area2) && std::isfinite(r.TotalDelay);
                    ASSERT_EQ(finite, capacity != normal);
                    ++checked;
                }
    EXPECT_EQ(checked, 10000);
}

}  // namespace
}  // namespace zorvanta
