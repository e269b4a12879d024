#include "ReadingText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zorvanta {

std::string ShortNumberText(double value, int significantDigits, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    const int digits = significantDigits < 1 ? 1 : (significantDigits > 17 ? 17 : significantDigits);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    std::string text(buffer);
    std::string exponent;
    if (const std::size_t e = text.find('e'); e != std::string::npos) {
        exponent = "E" + std::to_string(std::atoi(text.c_str() + e + 1));
        text.erase(e);
    }
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text[point] = decimalSeparator;
    if (text == "-0")
        text = "0";
    return text + exponent;
}

std::string VehiclesText(double vehicles, char decimalSeparator)
{
    if (!std::isfinite(vehicles) || std::fabs(vehicles) >= 1e15)
        return ShortNumberText(vehicles, 4, decimalSeparator);
    // Below 10^15 every whole number is a double and fits 17 digits of "%.0f".
    return ShortNumberText(std::nearbyint(vehicles), 17, decimalSeparator);
}

std::string ClockText(double hours)
{
    if (!std::isfinite(hours) || std::fabs(hours) >= 1e6)
        return {};
    const long long minutes = std::llround(std::fabs(hours) * 60.0);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%lld:%02lld", hours < 0 && minutes != 0 ? "-" : "", minutes / 60,
                  minutes % 60);
    return buffer;
}

std::string WaitText(double hours, char decimalSeparator)
{
    if (std::isfinite(hours) && std::fabs(hours) < 1.0)
        return ShortNumberText(hours * 60.0, 3, decimalSeparator) + " min";
    return ShortNumberText(hours, 4, decimalSeparator) + " h";
}

}  // namespace zorvanta
