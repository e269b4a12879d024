#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ChartContents.h"
#include "QueueModel.h"

namespace zorvanta {

/// A point of a series the read-out marks, in axis coordinates.
struct ReadoutMarker {
    double X;             ///< [hours]
    double Y;             ///< [vehicles] or [vehicles per hour]
    std::uint32_t Color;  ///< ARGB, the series' colour
};

/// What the hover read-out shows at one time, as a plain value.
struct HoverReadout {
    double Time;                         ///< where the cursor stands [hours]
    std::vector<ReadoutMarker> Markers;
    std::vector<std::string> Lines;      ///< the label's lines, UTF-8
};

/// Tells what the read-out shows at a time [hours], numbers written with the decimal
/// separator; nothing where the chart gives no reading.
using ReadoutSource = std::function<std::optional<HoverReadout>(double time, char decimalSeparator)>;

/// The cumulative chart at `time`: a marker on each curve and the time, vehicles entered and
/// left, the queue and the wait of a vehicle entering then. Nothing where the curves give no
/// heights (see ReadDiagramAt); the wait is left out where it has none.
std::optional<HoverReadout> CumulativeReadout(const QueueInputs& inputs, const QueueResults& results, double time,
                                              char decimalSeparator);

/// The entering chart at `time`: the hour of the bar nearest the pointer (within half an hour),
/// its flow, normal or peak, and the capacity. Nothing when the chart holds no bars or line.
std::optional<HoverReadout> EnteringReadout(const ChartContents& entering, double time, char decimalSeparator);

/// The read-out sources of the two charts after a Process.
ReadoutSource CumulativeReadoutSource(const QueueInputs& inputs, const QueueResults& results);
ReadoutSource EnteringReadoutSource(const QueueInputs& inputs, const QueueResults& results);

}  // namespace zorvanta
