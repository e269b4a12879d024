// The arithmetic and the number texts of a Process, without any window.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "NumberText.h"
#include "QueueModel.h"

namespace zorvanta {
namespace {

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

struct NamedInputs {
    const char* Name;
    QueueInputs Inputs;
};

// The main window's defaults, a fractional end time, the non-finite results of a capacity
// equal to the normal flow, 32-bit wrap-around, and the longest peak with the slowest clearing.
constexpr NamedInputs kInputs[] = {
    {"Defaults", {800, 2000, 1000, 2}},
    {"FractionalEndTime", {800, 2000, 1150, 2}},
    {"CapacityEqualsNormalFlow", {800, 2000, 800, 2}},
    {"WrapAround", {800, 2000000000, 1000, 2}},
    {"LongPeakSlowClearing", {800, 2000, 801, kMaxInt}},
};

// The nine texts of the results table, as Process writes them.
std::array<std::string, 9> ResultTexts(const QueueResults& results)
{
    return {WholeNumberText(results.VehiclesMax),  WholeNumberText(results.VehiclesMin),
            WholeNumberText(results.VehiclesInQueue), RealNumberText(results.StartTime),
            RealNumberText(results.PeakTime),     RealNumberText(results.EndTime),
            RealNumberText(results.Area1),        RealNumberText(results.Area2),
            RealNumberText(results.TotalDelay)};
}

void ComputeQueueOnly(benchmark::State& state, QueueInputs inputs)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(ComputeQueue(inputs));
    }
}

void ComputeQueueAndTexts(benchmark::State& state, QueueInputs inputs)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(ResultTexts(ComputeQueue(inputs)));
    }
}

// Reading the four default input fields, the first step of every Process.
void ParseDefaultInputs(benchmark::State& state)
{
    constexpr std::array<const char*, 4> kTexts = {"800", "2000", "1000", "2"};
    for (auto _ : state)
        for (const char* text : kTexts)
            benchmark::DoNotOptimize(ParseWholeNumber(text));
}

void RealText(benchmark::State& state, double value)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(RealNumberText(value, ','));
    }
}

void RegisterModelBenchmarks()
{
    for (const NamedInputs& row : kInputs)
        benchmark::RegisterBenchmark((std::string("ComputeQueue/") + row.Name).c_str(),
                                     ComputeQueueOnly, row.Inputs);
    for (const NamedInputs& row : kInputs)
        benchmark::RegisterBenchmark((std::string("ComputeQueueAndTexts/") + row.Name).c_str(),
                                     ComputeQueueAndTexts, row.Inputs);
    benchmark::RegisterBenchmark("ParseWholeNumber/DefaultInputs", ParseDefaultInputs);
    benchmark::RegisterBenchmark("RealNumberText/Whole", RealText, 13.0);
    benchmark::RegisterBenchmark("RealNumberText/Fraction", RealText, 4128.571428571428);
    benchmark::RegisterBenchmark("RealNumberText/Large", RealText, 217517213956839.03);
    benchmark::RegisterBenchmark("RealNumberText/Exponent", RealText, 2.5e-7);
    benchmark::RegisterBenchmark("RealNumberText/Infinity", RealText,
                                 std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace zorvanta

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    zorvanta::RegisterModelBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
