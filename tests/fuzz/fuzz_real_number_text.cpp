// libFuzzer target for RealNumberText: the first 8 input bytes (zero-padded) are the
// bit pattern of the double, so every finite, subnormal, infinite and NaN value is reachable.
//
// Properties checked on every input:
//   - the non-finite values and zero give exactly "NAN", "INF", "-INF", "0";
//   - any other text matches one of the three layouts of RealNumberText, with at most 15
//     significant digits, no trailing zeros after the separator, and the layout chosen by
//     magnitude (fixed exactly from 0.0001 up to, not including, 10^15);
//   - it parses back with "." (std::strtod) to within the rounding the algorithm allows (below);
//   - the "," text is the "." text with the separator replaced, and -v gives "-" + text of v.
//
// The rounding the algorithm allows, relative to |v| (u = 2^-53, about 1.11e-16):
//   - the 18-digit whole number N is x * 10^(18 - E) after at most 3 inexact factors, 3 scaling
//     operations, one division by ten and two roundings to whole numbers: below 8u + 1e-17;
//   - keeping 15 digits with the 16th rounding moves the value by at most half a unit of the
//     15th digit, and N >= 10^17, so at most 0.5 / 10^14 = 5e-15;
//   - strtod rounds to nearest: u relative, or half the smallest subnormal absolute.
//   Together below 6e-15 |v| + denorm_min / 2. A correctly rounded 15-digit text would stay
//   within 5e-15; the extra 1e-15 is the documented non-correct rounding of the 16th digit.
//   Exception: for the lowest values of the binades 2^-681 and 2^-877 the estimate of E is one
//   too large and N < 10^17 keeps a leading zero ("0.99671949510976E-205", E - 1 = -205 or -264);
//   there N >= 0.99e17, 14 significant digits remain and the bound is 0.5 / 0.99e13 + 1e-15.
#include "NumberText.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* property, double value, const std::string& text, const std::string& detail = {})
{
    std::fprintf(stderr, "PROPERTY FAILED: %s\n  value %.17g (%a)\n  text '%s'\n  %s\n", property, value, value,
                 text.c_str(), detail.c_str());
    std::abort();
}

bool AllDigits(std::string_view s)
{
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

/// Checks the layout of a finite non-zero text (sign removed); returns whether it has the
/// leading zero of the estimate exception. Calls Fail on any violation.
bool CheckLayout(double value, const std::string& text, std::string_view body)
{
    const std::size_t e = body.find('E');
    if (e != std::string_view::npos) {  // scientific: d[.ddd]E[-]n
        const std::string_view mantissa = body.substr(0, e);
        const std::string_view exponent = body.substr(e + 1);
        const std::string_view magnitude = !exponent.empty() && exponent[0] == '-' ? exponent.substr(1) : exponent;
        if (magnitude.empty() || !AllDigits(magnitude) || magnitude[0] == '0') Fail("scientific exponent", value, text);
        if (magnitude.size() > 3) Fail("scientific exponent too long", value, text);
        const int n = std::atoi(std::string(exponent).c_str());
        if (!(n >= 15 || n <= -5)) Fail("scientific form inside the fixed range", value, text);
        if (mantissa.empty() || !AllDigits(mantissa.substr(0, 1))) Fail("scientific first digit", value, text);
        std::size_t digits = 1;
        if (mantissa.size() > 1) {
            if (mantissa[1] != '.' || mantissa.size() < 3) Fail("scientific separator", value, text);
            const std::string_view rest = mantissa.substr(2);
            if (!AllDigits(rest) || rest.back() == '0') Fail("scientific digits", value, text);
            digits += rest.size();
        }
        const bool leadingZero = mantissa[0] == '0';
        if (leadingZero && !((n == -205 || n == -264) && mantissa.size() > 1))
            Fail("leading zero outside the binades 2^-681 and 2^-877", value, text);
        if (digits > 15) Fail("more than 15 digits", value, text);
        return leadingZero;
    }
    const std::size_t point = body.find('.');
    const std::string_view whole = body.substr(0, point);
    if (whole.empty() || !AllDigits(whole)) Fail("fixed whole part", value, text);
    std::size_t significant = 0;
    if (whole == "0") {  // below one: 0.[000]d...
        if (point == std::string_view::npos) Fail("zero text for a non-zero value", value, text);
        const std::string_view fraction = body.substr(point + 1);
        const std::size_t firstNonZero = fraction.find_first_not_of('0');
        if (fraction.empty() || !AllDigits(fraction) || firstNonZero == std::string_view::npos || firstNonZero > 3)
            Fail("fixed text below one", value, text);
        if (fraction.back() == '0') Fail("trailing zero", value, text);
        significant = fraction.size() - firstNonZero;
    } else {  // one and above: at most 15 whole digits, no leading zero
        if (whole[0] == '0' || whole.size() > 15) Fail("fixed whole digits", value, text);
        significant = whole.size();
        if (point != std::string_view::npos) {
            const std::string_view fraction = body.substr(point + 1);
            if (fraction.empty() || !AllDigits(fraction) || fraction.back() == '0') Fail("fixed fraction", value, text);
            significant += fraction.size();
        }
    }
    if (significant > 15) Fail("more than 15 significant digits", value, text);
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint8_t bytes[8] = {};
    std::memcpy(bytes, data, size < 8 ? size : 8);
    double value;
    std::memcpy(&value, bytes, sizeof value);

    const std::string text = zorvanta::RealNumberText(value);

    std::string withComma = text;
    for (char& c : withComma)
        if (c == '.') c = ',';
    if (zorvanta::RealNumberText(value, ',') != withComma) Fail("comma separator", value, text);

    if (std::isnan(value)) {
        if (text != "NAN") Fail("NaN text", value, text);
        return 0;
    }
    if (std::isinf(value)) {
        if (text != (value > 0 ? "INF" : "-INF")) Fail("infinity text", value, text);
        return 0;
    }
    if (value == 0.0) {
        if (text != "0") Fail("zero text", value, text);
        return 0;
    }

    const bool negative = std::signbit(value);
    if (negative != (text[0] == '-')) Fail("sign", value, text);
    if (!negative && zorvanta::RealNumberText(-value) != "-" + text) Fail("negation symmetry", value, text);
    const std::string_view body = std::string_view(text).substr(negative ? 1 : 0);
    const bool leadingZero = CheckLayout(value, text, body);

    errno = 0;
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) Fail("strtod does not read the whole text", value, text);

    const double relative = leadingZero ? 0.5 / 0.99e13 + 1e-15 : 6e-15;
    const double magnitude = std::fabs(value);
    if (std::isinf(parsed)) {
        // Rounded to 15 digits, values next to DBL_MAX read back above the overflow threshold.
        if (!(magnitude > DBL_MAX / (1.0 + relative))) Fail("parses back to infinity", value, text);
        return 0;
    }
    if ((parsed == 0.0) || (std::signbit(parsed) != negative)) Fail("parses back to zero or the wrong sign", value, text);
    const double error = std::fabs(parsed - value);  // both finite and of one sign: no overflow
    const double allowed = relative * magnitude + std::numeric_limits<double>::denorm_min() / 2;
    if (!(error <= allowed)) {
        char detail[160];
        std::snprintf(detail, sizeof detail, "parsed %.17g, relative error %.3g > %.3g", parsed, error / magnitude,
                      relative);
        Fail("parses back within the rounding", value, text, detail);
    }
    return 0;
}
