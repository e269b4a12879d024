#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvanta {

/// A text that is not a whole number; what() is the message shown to the user.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads a signed 32-bit whole number (decimal, or hexadecimal after "$", "x" or "0x").
/// Throws ConversionError "'<text>' is not a valid integer value" on rejection.
std::int32_t ParseWholeNumber(std::string_view text);

/// Decimal digits with a leading "-" for negative values; no grouping.
std::string WholeNumberText(std::int64_t value);

/// General format with 15 significant digits ("INF", "-INF", "NAN" for non-finite values).
std::string RealNumberText(double value, char decimalSeparator = '.');

}  // namespace zorvanta
