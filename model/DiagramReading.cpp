#include "QueueModel.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace zorvanta {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CurvePoint {
    double Time;      // [hours]
    double Vehicles;  // [vehicles]
};

// One curve as the cumulative chart stores and draws it: its four points kept in ascending time,
// a point going after every stored point of lower or equal time, then the points with an
// infinite or NaN coordinate dropped (such a point has no place on the axes).
std::vector<CurvePoint> DrawnCurve(const std::array<CurvePoint, 4>& added)
{
    std::vector<CurvePoint> stored;
    for (const CurvePoint& point : added) {
        auto at = stored.end();
        while (at != stored.begin() && !((at - 1)->Time <= point.Time))
            --at;
        stored.insert(at, point);
    }
    std::vector<CurvePoint> drawn;
    for (const CurvePoint& point : stored)
        if (std::isfinite(point.Time) && std::isfinite(point.Vehicles))
            drawn.push_back(point);
    return drawn;
}

double Interpolate(const CurvePoint& a, const CurvePoint& b, double time)
{
    if (time == b.Time)
        return b.Vehicles;
    if (time == a.Time)
        return a.Vehicles;
    return a.Vehicles + (b.Vehicles - a.Vehicles) * ((time - a.Time) / (b.Time - a.Time));
}

// The curve's height at `time`: on the last segment that holds it, so a vertical rise at that
// time is read at its top point.
double HeightAt(const std::vector<CurvePoint>& curve, double time)
{
    if (curve.empty() || !(time >= curve.front().Time && time <= curve.back().Time))
        return kNaN;
    if (curve.size() == 1)
        return curve.front().Vehicles;
    for (std::size_t i = curve.size() - 1; i-- > 0;)
        if (curve[i].Time <= time && time <= curve[i + 1].Time)
            return Interpolate(curve[i], curve[i + 1], time);
    return kNaN;
}

// The first time at or after `from` where the curve has the height `vehicles`, or NaN.
double FirstTimeAtHeight(const std::vector<CurvePoint>& curve, double from, double vehicles)
{
    if (curve.size() == 1)
        return curve.front().Time >= from && curve.front().Vehicles == vehicles ? curve.front().Time : kNaN;
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
        const CurvePoint& a = curve[i];
        const CurvePoint& b = curve[i + 1];
        if (b.Time < from)
            continue;
        const CurvePoint start = a.Time >= from ? a : CurvePoint{from, Interpolate(a, b, from)};
        if (start.Vehicles == vehicles)
            return start.Time;
        const bool between = (start.Vehicles < vehicles && vehicles <= b.Vehicles)
                             || (start.Vehicles > vehicles && vehicles >= b.Vehicles);
        if (!between)
            continue;
        if (vehicles == b.Vehicles || b.Time == start.Time)
            return b.Time;
        const double time =
            start.Time + (b.Time - start.Time) * ((vehicles - start.Vehicles) / (b.Vehicles - start.Vehicles));
        // Rounding must not place the answer outside its own segment.
        return time < start.Time ? start.Time : (time > b.Time ? b.Time : time);
    }
    return kNaN;
}

}  // namespace

DiagramReading ReadDiagramAt(const QueueInputs& inputs, const QueueResults& results, double time)
{
    // The same points, computed the same way, as the cumulative chart's two series.
    const double normalFlow = inputs.NormalFlow;
    const double vehiclesMax = static_cast<double>(results.VehiclesMax);
    const double vehiclesMin = static_cast<double>(results.VehiclesMin);
    const double vehiclesAtEnd = vehiclesMax + normalFlow * (results.EndTime - results.PeakTime);
    const std::vector<CurvePoint> leaving = DrawnCurve(
        {{{0.0, 0.0}, {1.0, normalFlow}, {results.PeakTime, vehiclesMin}, {results.EndTime, vehiclesAtEnd}}});
    const std::vector<CurvePoint> entering = DrawnCurve(
        {{{0.0, 0.0}, {1.0, normalFlow}, {results.PeakTime, vehiclesMax}, {results.EndTime, vehiclesAtEnd}}});

    DiagramReading reading{time, HeightAt(entering, time), HeightAt(leaving, time), kNaN, kNaN};
    reading.Queue = reading.Entered - reading.Left;
    if (std::isnan(reading.Entered) || std::isnan(reading.Left))
        return reading;
    // Where both curves coincide the vehicle entering now leaves now.
    if (reading.Queue == 0.0) {
        reading.Delay = 0.0;
        return reading;
    }
    const double leaves = FirstTimeAtHeight(leaving, time, reading.Entered);
    reading.Delay = leaves - time;
    return reading;
}

}  // namespace zorvanta
