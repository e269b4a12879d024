#pragma once

#include "ChartContents.h"
#include "QueueModel.h"

namespace zorvanta {

/// Lower chart before the first Process: no series, the title "TChart" in blue.
ChartContents InitialCumulativeChartContents();
/// Upper chart before the first Process: no series, the title "TChart" in black.
ChartContents InitialEnteringChartContents();

/// Lower chart: the cumulative leaving ("Uscenti") and entering ("Entranti") curves.
ChartContents CumulativeChartContents(const QueueInputs& inputs, const QueueResults& results);
/// Upper chart: hourly entering flow as bars, the capacity as a line.
ChartContents EnteringChartContents(const QueueInputs& inputs, const QueueResults& results);

}  // namespace zorvanta
