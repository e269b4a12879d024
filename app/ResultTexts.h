#pragma once

#include <QStringList>

#include "QueueModel.h"

namespace zorvanta {

/// The labels of the results table, rows 0 to 8.
QStringList ResultRowLabels();

/// The nine results as the table shows them, in row order: the vehicle counts as whole
/// numbers, the times and delays as real texts with the given decimal separator.
QStringList ResultValueTexts(const QueueResults& results, char decimalSeparator);

}  // namespace zorvanta
