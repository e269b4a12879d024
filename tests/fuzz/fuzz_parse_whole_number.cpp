// libFuzzer target for ParseWholeNumber: the input bytes are the text of a field.
//
// Oracle: an independent reading of what a whole-number field accepts, written as a grammar with plain
// range checks instead of the production wrapping digit loop:
//   blanks* [+|-] ( ("$" | "x" | "X" | "0x" | "0X") hexdigit+ | digit+ )   and nothing else,
//   hexadecimal: at most 8 significant digits, taken as a 32-bit pattern, negated if "-";
//   decimal: the mathematical value lies in [-2147483648, 2147483647].
// Properties checked on every input:
//   - accepted exactly when the oracle accepts, with the oracle's value;
//   - an accepted decimal text prints back through WholeNumberText as the same number once the
//     blanks, a "+" or the "-" of a zero, and the leading zeros are normalised away;
//   - every accepted value round-trips through WholeNumberText;
//   - a rejection carries exactly "'<text>' is not a valid integer value".
#include "NumberText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* property, std::string_view text, const std::string& detail = {})
{
    std::fprintf(stderr, "PROPERTY FAILED: %s\n  text (%zu bytes): '%.*s'\n  %s\n", property, text.size(),
                 static_cast<int>(text.size()), text.data(), detail.c_str());
    std::abort();
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDecimalDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
std::uint32_t HexValue(char c)
{
    if (IsDecimalDigit(c)) return static_cast<std::uint32_t>(c - '0');
    return static_cast<std::uint32_t>((c | 0x20) - 'a' + 10);
}

struct Expectation {
    bool accepted = false;
    std::int32_t value = 0;
    bool decimal = false;
    std::string normalised;  // decimal only: the text WholeNumberText must give
};

Expectation Oracle(std::string_view text)
{
    Expectation want;
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return want;  // empty or blanks only
    const bool minus = text[i] == '-';
    if (text[i] == '+' || text[i] == '-') ++i;
    std::string_view body = text.substr(i);

    bool hexadecimal = false;
    if (!body.empty() && (body[0] == '$' || body[0] == 'x' || body[0] == 'X')) {
        hexadecimal = true;
        body.remove_prefix(1);
    } else if (body.size() >= 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        hexadecimal = true;
        body.remove_prefix(2);
    }
    if (body.empty()) return want;
    for (const char c : body)
        if (!(hexadecimal ? IsHexDigit(c) : IsDecimalDigit(c))) return want;

    const std::size_t firstSignificant = body.find_first_not_of('0');
    const std::string_view significant =
        firstSignificant == std::string_view::npos ? std::string_view() : body.substr(firstSignificant);

    if (hexadecimal) {
        if (significant.size() > 8) return want;
        std::uint32_t pattern = 0;
        for (const char c : significant) pattern = pattern * 16u + HexValue(c);
        if (minus) pattern = 0u - pattern;
        want.accepted = true;
        want.value = static_cast<std::int32_t>(pattern);
        return want;
    }

    if (significant.size() > 10) return want;
    std::int64_t magnitude = 0;  // at most 10 digits: below 2^34
    for (const char c : significant) magnitude = magnitude * 10 + (c - '0');
    const std::int64_t value = minus ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return want;
    want.accepted = true;
    want.value = static_cast<std::int32_t>(value);
    want.decimal = true;
    want.normalised = (magnitude != 0 && minus ? "-" : "") + std::string(significant.empty() ? "0" : significant);
    return want;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Expectation want = Oracle(text);

    bool accepted = false;
    std::int32_t value = 0;
    try {
        value = zorvanta::ParseWholeNumber(text);
        accepted = true;
    } catch (const zorvanta::ConversionError& error) {
        // what() is a C string, so both sides stop at a NUL byte the text may hold.
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        if (std::string_view(error.what()) != std::string_view(message.c_str()))
            Fail("rejection message", text, std::string("got: ") + error.what());
    }

    if (accepted != want.accepted)
        Fail(accepted ? "accepted a text outside the grammar or range" : "rejected a valid text", text,
             accepted ? "value " + std::to_string(value) : "oracle value " + std::to_string(want.value));
    if (!accepted) return 0;
    if (value != want.value)
        Fail("value", text, "got " + std::to_string(value) + ", oracle " + std::to_string(want.value));

    const std::string printed = zorvanta::WholeNumberText(value);
    if (want.decimal && printed != want.normalised)
        Fail("decimal text prints back", text, "printed '" + printed + "', normalised '" + want.normalised + "'");
    if (zorvanta::ParseWholeNumber(printed) != value) Fail("round trip through WholeNumberText", text, printed);
    return 0;
}
