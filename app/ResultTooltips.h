#pragma once

#include <QStringList>

#include "QueueModel.h"

namespace zorvanta {

/// The tooltips of the nine value cells after a Process, in row order: each starts with the
/// cell's full text, then its meaning and unit, and, for inputs that give no real queue, the
/// sentence saying why. The Total delay tooltip of an ordinary peak also gives the longest single
/// wait and the average wait per vehicle delayed.
QStringList ResultValueTooltips(const QueueInputs& inputs, const QueueResults& results, const QStringList& texts,
                                char decimalSeparator);

}  // namespace zorvanta
