#include "ChartBuilders.h"

namespace zorvanta {

ChartContents InitialCumulativeChartContents() { return {"TChart", kBlue, false, {}}; }
ChartContents InitialEnteringChartContents() { return {"TChart", kBlack, false, {}}; }
ChartContents CumulativeChartContents(const QueueInputs&, const QueueResults&) { return {}; }  // TODO
ChartContents EnteringChartContents(const QueueInputs&, const QueueResults&) { return {}; }    // TODO

}  // namespace zorvanta
