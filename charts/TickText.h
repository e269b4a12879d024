#pragma once

#include <string>
#include <vector>

namespace zorvanta {

/// The labels of an axis's ticks, `step` apart [axis units], as UTF-8 texts in one notation
/// whatever the locale: plain decimals from 0.0001 up to below 10^6, else a mantissa times a
/// power of ten written with superscript digits ("2.5·10⁹"), all ticks with the same power.
/// Each label keeps the digits down to the step's last significant digit, so neighbouring
/// ticks never read alike at any zoom; trailing zeros after the separator are dropped.
std::vector<std::string> TickTexts(const std::vector<double>& ticks, double step, char decimalSeparator);

}  // namespace zorvanta
