#include "TickText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zorvanta {

namespace {

// Digits a double carries; more would only show rounding noise.
constexpr int kMostFractionDigits = 16;
constexpr int kLowestFixedExponent = -4;
constexpr int kFirstScientificExponent = 6;

std::string Superscript(int exponent)
{
    static const char* const kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    std::string text = exponent < 0 ? "⁻" : "";
    for (char digit : digits)
        text += kDigits[digit - '0'];
    return text;
}

// The text with `fractionDigits` decimals, trailing zeros and a bare separator dropped.
std::string Decimals(double value, int fractionDigits, char separator)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", fractionDigits, value);
    std::string text = buffer;
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
        else
            text[point] = separator;
    }
    if (text == "-0")
        text = "0";
    return text;
}

// The exponent of the step's last significant digit: 2.5 needs tenths, 5 and 20 do not.
int LowestDigitExponent(double step)
{
    int exponent = static_cast<int>(std::floor(std::log10(step)));
    for (int extra = 0; extra < 3; ++extra) {
        const double scaled = step / std::pow(10.0, exponent);
        if (std::abs(scaled - std::round(scaled)) <= 1e-9 * scaled)
            break;
        --exponent;
    }
    return exponent;
}

}  // namespace

std::vector<std::string> TickTexts(const std::vector<double>& ticks, double step, char decimalSeparator)
{
    double largest = 0.0;
    for (double tick : ticks)
        if (std::isfinite(tick))
            largest = std::max(largest, std::abs(tick));
    if (!(step > 0.0) || !std::isfinite(step))
        step = largest > 0.0 ? largest : 1.0;
    const int lowest = LowestDigitExponent(step);
    const int highest = largest > 0.0 ? static_cast<int>(std::floor(std::log10(largest))) : lowest;
    const bool scientific = highest >= kFirstScientificExponent || highest < kLowestFixedExponent;

    std::vector<std::string> texts;
    texts.reserve(ticks.size());
    for (double tick : ticks) {
        // A tick that should be 0 may come out a rounding error away from it.
        if (std::abs(tick) < step * 1e-6)
            tick = 0.0;
        if (!std::isfinite(tick)) {
            texts.emplace_back();
        } else if (tick == 0.0) {
            texts.emplace_back("0");
        } else if (!scientific) {
            texts.push_back(Decimals(tick, std::clamp(-lowest, 0, kMostFractionDigits), decimalSeparator));
        } else {
            const double mantissa = tick / std::pow(10.0, highest);
            const int digits = std::clamp(highest - lowest, 0, kMostFractionDigits);
            texts.push_back(Decimals(mantissa, digits, decimalSeparator) + "·10" + Superscript(highest));
        }
    }
    return texts;
}

}  // namespace zorvanta
