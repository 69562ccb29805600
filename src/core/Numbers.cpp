// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kovaq {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the number starting at pos, or 0 when there is none. Counts sign, digits,
// an optional point with fraction and an optional exponent with at least one digit.
std::size_t scanNumber(std::string_view t, std::size_t pos) {
    std::size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && isDigit(t[j])) {
            while (j < t.size() && isDigit(t[j]))
                ++j;
            i = j;
        }
    }
    return i - pos;
}

// Exact for up to 15 digits without exponent: both the digits and the power of ten are
// exact doubles, so the one division rounds correctly (the result from_chars gives).
bool fastConvert(std::string_view number, double& value) {
    static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::int64_t mantissa = 0;
    int digits = 0;
    int fraction = 0;
    bool point = false;
    for (char c : number) {
        if (c == '.') {
            point = true;
            continue;
        }
        if (!isDigit(c) || digits >= 15)
            return false;
        mantissa = mantissa * 10 + (c - '0');
        if (mantissa != 0)
            ++digits;
        if (point)
            ++fraction;
    }
    if (fraction > 15)
        return false;
    value = static_cast<double>(mantissa) / kPow10[fraction];
    return true;
}

double convert(std::string_view number) {
    // from_chars rejects a leading '+', and "12." needs no special handling.
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    if (fastConvert(number, value))
        return negative ? -value : value;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc())
        return 0.0; // out of range: no usable number
    return negative ? -value : value;
}

} // namespace

double ParseNumber(std::string_view text) {
    // Common case first: plain digits with at most one point, read in one pass.
    {
        std::int64_t mantissa = 0;
        int fraction = 0;
        bool point = false;
        std::size_t i = 0;
        for (; i < text.size() && i < 16; ++i) {
            const char c = text[i];
            if (isDigit(c)) {
                mantissa = mantissa * 10 + (c - '0');
                fraction += point ? 1 : 0;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                break;
            }
        }
        const bool plain = i == text.size() && i > 0 && i < 16 && !(point && i == 1);
        if (plain) {
            static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
            return static_cast<double>(mantissa) / kPow10[fraction];
        }
    }
    if (text.empty())
        return 0.0;
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    std::size_t len = scanNumber(text, pos);
    if (len == 0)
        return 0.0;
    return convert(text.substr(pos, len));
}

std::optional<double> ParseWholeNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    std::size_t len = scanNumber(text, pos);
    if (len == 0)
        return std::nullopt;
    std::size_t end = pos + len;
    while (end < text.size() && isBlank(text[end]))
        ++end;
    if (end != text.size())
        return std::nullopt;
    std::string_view number = text.substr(pos, len);
    std::string_view digits = number;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    double value = 0.0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    return number.front() == '-' ? -value : value;
}

std::string FormatNumber(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0.0)
        return "0";
    // Rounded to 15 digits, the largest doubles would go past the range and read back as
    // nothing; they are shown as the largest 15-digit number that still fits.
    constexpr double kLargestShown = 1.79769313486231e308;
    if (std::fabs(value) > kLargestShown)
        value = std::copysign(kLargestShown, value);

    // 15 significant digits as d.dddddddddddddde±xx; the exponent is that of the rounded
    // value, so 9.999999999999999 becomes 10.
    // Most values are shown volumes and costs with a few decimals: when value x 10^k is a
    // whole number below 10^15, that number with k decimals is the 15-digit rounding.
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    for (int k = 0; k < 5; ++k) {
        const double m = std::fabs(value) * kScale[k];
        if (m >= 1e15)
            break;
        if (m != std::trunc(m))
            continue;
        char buf[24];
        auto end = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(m)).ptr;
        std::string whole(buf, end);
        if (static_cast<int>(whole.size()) <= k)
            whole.insert(0, static_cast<std::size_t>(k) + 1 - whole.size(), '0');
        std::string out = value < 0 ? "-" : "";
        out.append(whole, 0, whole.size() - static_cast<std::size_t>(k));
        std::string fraction = whole.substr(whole.size() - static_cast<std::size_t>(k));
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        if (!fraction.empty()) {
            out += '.';
            out += fraction;
        }
        if (std::fabs(value) >= 0.00001)
            return out;
        break;
    }

    // The shortest form that reads back as the value is the 15-digit rounding whenever it
    // has at most 15 digits; it is much cheaper, so try it first.
    char sci[40];
    auto res =
        std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific);
    const char* ePos = std::find(sci, res.ptr, 'e');
    if (ePos - sci > 16) {
        res = std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific,
                            14);
        ePos = std::find(sci, res.ptr, 'e');
    }
    int exponent = 0;
    for (const char* p = ePos + 2; p < res.ptr; ++p)
        exponent = exponent * 10 + (*p - '0');
    if (ePos[1] == '-')
        exponent = -exponent;

    char digits[16];
    std::size_t n = 0;
    digits[n++] = sci[0];
    for (const char* p = sci + 1; p < ePos; ++p)
        if (*p != '.')
            digits[n++] = *p;
    while (n > 1 && digits[n - 1] == '0')
        --n;

    char out[48];
    std::size_t o = 0;
    if (value < 0)
        out[o++] = '-';
    if (exponent < -5 || exponent >= 15) {
        out[o++] = digits[0];
        if (n > 1) {
            out[o++] = '.';
            for (std::size_t i = 1; i < n; ++i)
                out[o++] = digits[i];
        }
        out[o++] = 'E';
        o = static_cast<std::size_t>(std::to_chars(out + o, out + sizeof out, exponent).ptr - out);
    } else if (exponent < 0) {
        out[o++] = '0';
        out[o++] = '.';
        for (int i = 0; i < -exponent - 1; ++i)
            out[o++] = '0';
        for (std::size_t i = 0; i < n; ++i)
            out[o++] = digits[i];
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        for (std::size_t i = 0; i < intDigits; ++i)
            out[o++] = i < n ? digits[i] : '0';
        if (n > intDigits) {
            out[o++] = '.';
            for (std::size_t i = intDigits; i < n; ++i)
                out[o++] = digits[i];
        }
    }
    return std::string(out, o);
}

double RoundDecimals(double value, int decimals) {
    // 10^n in floating point, taken as an integer.
    static constexpr double kScales[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    const double scale =
        decimals >= 0 && decimals <= 4
            ? kScales[decimals]
            : static_cast<double>(static_cast<std::int64_t>(std::pow(10.0, decimals)));
    const double shifted = value * scale + 0.5;
    if (!std::isfinite(shifted))
        return value;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (shifted > lo - 1.0 && shifted < hi + 1.0)
        return static_cast<double>(static_cast<std::int32_t>(shifted)) / scale;
    return std::trunc(shifted) / scale;
}

} // namespace kovaq
