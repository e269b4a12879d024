#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zorvanta {

static_assert(std::numeric_limits<double>::is_iec559,
              "the real texts are fixed to the digit in IEEE double precision");

namespace {

// ---------------------------------------------------------------------------------------------
// ParseWholeNumber
// ---------------------------------------------------------------------------------------------

[[noreturn]] void Reject(std::string_view text)
{
    std::string message;
    message.reserve(text.size() + 32);
    message += '\'';
    message += text;  // the whole text, blanks included, never shortened
    message += "' is not a valid integer value";
    throw ConversionError(message);
}

/// 0 to 15 for a hexadecimal digit, -1 for any other character.
int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The wrapping 32-bit arithmetic of the hexadecimal and decimal readers is done on std::uint32_t, where wrap-around is
// defined (signed overflow would be undefined behaviour); "negative" means the sign bit is set.
constexpr std::uint32_t kSignBit = 0x80000000u;

// ---------------------------------------------------------------------------------------------
// RealNumberText
// ---------------------------------------------------------------------------------------------

/// 10^0 .. 10^31, each the double nearest to the power (decimal literals round to nearest).
constexpr double kPowersOfTenLow[32] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22, 1e23, 1e24, 1e25, 1e26, 1e27, 1e28, 1e29, 1e30, 1e31,
};
/// 10^(32 k) for k = 0 .. 7, the doubles nearest to the powers.
constexpr double kPowersOfTenHigh[8] = {1e0, 1e32, 1e64, 1e96, 1e128, 1e160, 1e192, 1e224};

/// x scaled by 10^exponent the way the digit generation fixes it: one rounded multiplication or division
/// per factor, in the factor order 10^(p mod 32), 10^(32 ((p div 32) mod 8)), 10^(+-256).
double ScaleByPowerOfTen(double x, int exponent)
{
    const int p = exponent < 0 ? -exponent : exponent;
    const double low = kPowersOfTenLow[p % 32];
    const double high = kPowersOfTenHigh[(p / 32) % 8];
    // For finite non-zero doubles |18 - E| <= 341, so p div 256 is 0 or 1 here.
    const int times256 = p / 256;
    if (exponent >= 0) {
        x *= low;
        x *= high;
        for (int i = 0; i < times256; ++i) x *= 1e256;
    } else {
        x /= low;
        x /= high;
        for (int i = 0; i < times256; ++i) x *= 1e-256;
    }
    return x;
}

constexpr int kScaledDigits = 18;  // digits taken from the scaled value (step 2.5)
constexpr int kKeptDigits = 15;    // significant digits written (step 2.6)

}  // namespace

std::int32_t ParseWholeNumber(std::string_view text)
{
    const std::size_t n = text.size();
    if (n == 0) Reject(text);  // step 1

    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;  // step 2: the space character only

    bool minus = false;  // step 3
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        minus = text[i] == '-';
        ++i;
    }

    std::uint32_t value = 0;
    bool anyDigit = false;
    bool hexadecimal = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hexadecimal = true;
        i += 1;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hexadecimal = true;
        i += 2;
    }

    if (hexadecimal) {  // step 4: no range check, eight digits are a 32-bit pattern
        for (; i < n; ++i) {
            const int digit = HexDigitValue(text[i]);
            // "negative or above 0FFFFFFF": a set sign bit is itself above 0FFFFFFF.
            if (digit < 0 || value > 0x0FFFFFFFu) break;
            value = value * 16u + static_cast<std::uint32_t>(digit);
            anyDigit = true;
        }
        if (minus) value = 0u - value;
    } else {  // step 5
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
            if ((value & kSignBit) != 0 || value > 214748364u) break;
            value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
            anyDigit = true;
        }
        if (minus) value = 0u - value;
        if (value != 0 && ((value & kSignBit) != 0) != minus) Reject(text);
    }

    if (!anyDigit || i != n) Reject(text);  // step 6
    return static_cast<std::int32_t>(value);  // two's complement reinterpretation (C++20)
}

std::string WholeNumberText(std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string RealNumberText(double value, char decimalSeparator)
{
    // Step 1: zero and the non-finite values.
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0.0) return "0";

    // Step 2: significant digits D and decimal exponent E, value = 0.D x 10^E.
    const bool negative = std::signbit(value);
    const double x = std::fabs(value);
    const int b = std::ilogb(x);  // x in [2^b, 2^(b+1)), also for subnormals; b in [-1074, 1023]
    // |b * 19728| < 2^25, no overflow; >> of a negative int is an arithmetic shift in C++20.
    int e = ((b * 19728) >> 16) + 1;

    // Steps 2.3 and 2.4. Round half to even: nearbyint under the default rounding mode.
    double whole = std::nearbyint(ScaleByPowerOfTen(x, kScaledDigits - e));
    if (whole >= 1e18) {
        whole = std::nearbyint(whole / 10.0);
        ++e;
    }
    // The estimate of E is at most one too small, so the scaled value stays below about
    // 2.02e18 and, after the division above, below 1e18. The guard only keeps the conversion
    // defined should that reasoning ever fail (a NaN also fails the comparison).
    if (!(whole >= 0.0 && whole < 1e18)) whole = 999999999999999999.0;
    std::uint64_t integer = static_cast<std::uint64_t>(whole);

    // Step 2.5: exactly 18 digits, leading zeros included.
    char scaledDigits[kScaledDigits];
    for (int k = kScaledDigits - 1; k >= 0; --k) {
        scaledDigits[k] = static_cast<char>('0' + integer % 10);
        integer /= 10;
    }

    // Step 2.6: keep 15 digits, the 16th rounds half up with carry, drop trailing zeros.
    std::string digits(scaledDigits, kKeptDigits);
    if (scaledDigits[kKeptDigits] >= '5') {
        int k = kKeptDigits - 1;
        while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9') {
            digits[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k < 0) {  // all fifteen were nines, now zeros: "1" after dropping them below
            digits[0] = '1';
            ++e;
        } else {
            ++digits[static_cast<std::size_t>(k)];
        }
    }
    const std::size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);
    if (digits.empty()) return "0";  // unreachable for a non-zero value; keeps digits[0] valid

    // Step 3: the three layouts.
    const int count = static_cast<int>(digits.size());
    std::string text;
    text.reserve(static_cast<std::size_t>(count) + 24);
    if (negative) text += '-';
    if (e > 15 || e < -3) {  // scientific
        text += digits[0];
        if (count > 1) {
            text += decimalSeparator;
            text.append(digits, 1, std::string::npos);
        }
        text += 'E';
        text += std::to_string(e - 1);  // "-" only when negative, no leading zeros
    } else if (e > 0) {  // fixed, at least one digit before the separator
        for (int k = 0; k < e; ++k) text += k < count ? digits[static_cast<std::size_t>(k)] : '0';
        if (count > e) {
            text += decimalSeparator;
            text.append(digits, static_cast<std::size_t>(e), std::string::npos);
        }
    } else {  // fixed, below one
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-e), '0');
        text += digits;
    }
    return text;
}

}  // namespace zorvanta
