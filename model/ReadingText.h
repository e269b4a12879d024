#pragma once

#include <string>

namespace zorvanta {

/// Short texts for reading the diagram: a few significant digits, not the table's fifteen.

/// `significantDigits` significant digits (1 to 17), trailing zeros dropped, an exponent as
/// "E" and its digits ("1.28E4"); "INF", "-INF", "NAN" for non-finite values.
std::string ShortNumberText(double value, int significantDigits, char decimalSeparator);

/// Whole vehicles, rounded to the nearest; four significant digits from 10^15 on.
std::string VehiclesText(double vehicles, char decimalSeparator);

/// Hours on a clock, "h:mm" (minutes rounded, "-" before a negative time); empty when the time is
/// not finite or a million hours or more away, where minutes mean nothing.
std::string ClockText(double hours);

/// A wait: below an hour in minutes ("45 min"), otherwise in hours ("2.5 h").
std::string WaitText(double hours, char decimalSeparator);

}  // namespace zorvanta
