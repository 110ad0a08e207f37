// The numeric grammar shared by every typed number, and the number-to-text forms.
#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace tubewise {

namespace {

// ---- Reading ---------------------------------------------------------------------------------

struct Cursor {
    std::string_view text;
    std::size_t at = 0;

    bool AtEnd() const { return at >= text.size(); }
    bool Next(std::string_view s) const { return !s.empty() && text.substr(at, s.size()) == s; }
};

// Value 0..9 and byte length of a digit at the cursor: ASCII, Arabic-Indic U+0660..U+0669
// (UTF-8 D9 A0..D9 A9) or Extended Arabic-Indic U+06F0..U+06F9 (UTF-8 DB B0..DB B9).
std::optional<std::pair<int, std::size_t>> DigitAt(const Cursor& c) {
    if (c.AtEnd()) return std::nullopt;
    const auto b0 = static_cast<unsigned char>(c.text[c.at]);
    if (b0 >= '0' && b0 <= '9') return std::pair{b0 - '0', std::size_t{1}};
    if (c.at + 1 >= c.text.size()) return std::nullopt;
    const auto b1 = static_cast<unsigned char>(c.text[c.at + 1]);
    if (b0 == 0xD9 && b1 >= 0xA0 && b1 <= 0xA9) return std::pair{b1 - 0xA0, std::size_t{2}};
    if (b0 == 0xDB && b1 >= 0xB0 && b1 <= 0xB9) return std::pair{b1 - 0xB0, std::size_t{2}};
    return std::nullopt;
}

// Appends the ASCII form of a run of digits; returns how many there were.
std::size_t TakeDigits(Cursor& c, std::string& out) {
    std::size_t count = 0;
    while (auto d = DigitAt(c)) {
        out.push_back(static_cast<char>('0' + d->first));
        c.at += d->second;
        ++count;
    }
    return count;
}

void SkipBlanks(Cursor& c) {
    while (!c.AtEnd() && (c.text[c.at] == ' ' || c.text[c.at] == '\t')) ++c.at;
}

constexpr std::string_view kArabicDecimalSeparator = "\xD9\xAB";  // U+066B

// A locale separator that could be read as part of another token would make the grammar
// ambiguous; such a separator is ignored and only '.' and U+066B remain.
bool UsableLocaleSeparator(std::string_view sep) {
    if (sep.empty()) return false;
    Cursor c{sep};
    if (DigitAt(c)) return false;
    const char first = sep.front();
    return first != '+' && first != '-' && first != 'e' && first != 'E' && first != ' ' &&
           first != '\t';
}

std::size_t SeparatorLength(const Cursor& c, const NumberLocale& locale) {
    if (c.Next(".")) return 1;
    if (c.Next(kArabicDecimalSeparator)) return kArabicDecimalSeparator.size();
    if (UsableLocaleSeparator(locale.decimalSeparator) && c.Next(locale.decimalSeparator))
        return locale.decimalSeparator.size();
    return 0;
}

// A numeric text rewritten in the ASCII form std::from_chars reads, with what is needed to
// tell an overflow from an underflow when the value lies outside the range of a double.
struct AsciiNumber {
    std::string text;
    bool negative = false;
    long long magnitude = 0;  // decimal exponent of the leading non-zero digit
    bool zeroMantissa = true;
};

std::optional<AsciiNumber> Scan(std::string_view text, const NumberLocale& locale) {
    Cursor c{text};
    AsciiNumber n;
    SkipBlanks(c);
    if (c.Next("+")) {
        ++c.at;
    } else if (c.Next("-")) {
        ++c.at;
        n.negative = true;
        n.text.push_back('-');
    }
    std::string whole;
    std::string fraction;
    TakeDigits(c, whole);
    if (const std::size_t len = SeparatorLength(c, locale)) {
        c.at += len;
        TakeDigits(c, fraction);
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    n.text += whole.empty() ? "0" : whole;
    if (!fraction.empty()) n.text += "." + fraction;

    long long exponent = 0;
    if (c.Next("e") || c.Next("E")) {
        ++c.at;
        bool negativeExponent = false;
        if (c.Next("+")) {
            ++c.at;
        } else if (c.Next("-")) {
            ++c.at;
            negativeExponent = true;
        }
        std::string digits;
        if (TakeDigits(c, digits) == 0) return std::nullopt;
        n.text += (negativeExponent ? "e-" : "e") + digits;
        // Saturates long before long long could overflow; only the sign matters beyond it.
        for (char d : digits) {
            exponent = exponent * 10 + (d - '0');
            if (exponent > 1'000'000'000'000LL) break;
        }
        if (negativeExponent) exponent = -exponent;
    }
    SkipBlanks(c);
    if (!c.AtEnd()) return std::nullopt;

    const auto lead = whole.find_first_not_of('0');
    if (lead != std::string::npos) {
        n.zeroMantissa = false;
        n.magnitude = static_cast<long long>(whole.size() - lead) - 1 + exponent;
    } else if (const auto lead2 = fraction.find_first_not_of('0'); lead2 != std::string::npos) {
        n.zeroMantissa = false;
        n.magnitude = -static_cast<long long>(lead2) - 1 + exponent;
    }
    return n;
}

// ---- Writing ---------------------------------------------------------------------------------

// Significant digits (exactly `count`, rounded to nearest on the exact binary value, ties to
// even) and the decimal exponent of the first of them, for a finite x > 0.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits Decompose(double x, int count) {
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, count - 1);
    const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    Digits d;
    const auto e = s.find('e');
    for (char ch : s.substr(0, e))
        if (ch != '.') d.digits.push_back(ch);
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+'), s.data() + s.size(), d.exponent);
    return d;
}

std::string NonFinite(double x) {
    if (std::isnan(x)) return "NaN";
    return x < 0 ? "-Infinity" : "Infinity";
}

// Up to 15 significant digits of a positive magnitude without sign, fixed notation for 1e-4 <= |x|
// < 1e15 (as rounded), exponent notation with a signed exponent of at least two digits otherwise.
std::string Unsigned15(Digits d, std::string_view separator, bool zeroBeforeSeparator) {
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    std::string out;
    if (d.exponent < -4 || d.exponent >= 15) {
        out += d.digits.front();
        if (d.digits.size() > 1) {
            out += separator;
            out += d.digits.substr(1);
        }
        const int e = std::abs(d.exponent);
        out += d.exponent < 0 ? "E-" : "E+";
        if (e < 10) out += '0';
        out += std::to_string(e);
        return out;
    }
    if (d.exponent >= 0) {
        const auto wholeCount = static_cast<std::size_t>(d.exponent) + 1;
        if (d.digits.size() <= wholeCount)
            return d.digits + std::string(wholeCount - d.digits.size(), '0');
        out = d.digits.substr(0, wholeCount);
        out += separator;
        out += d.digits.substr(wholeCount);
        return out;
    }
    if (zeroBeforeSeparator) out += '0';
    out += separator;
    out += std::string(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.digits;
    return out;
}

// The significant digits of 10^log10Value, whose magnitude may lie far outside the range of a
// double: the integer part of the logarithm is the exponent, the fraction gives the mantissa.
Digits DecomposeLog10(double log10Value, int count) {
    // No series of 16-bit counts comes near a billion decimal orders; the clamp keeps the
    // exponent an int whatever the caller passes.
    const double whole = std::clamp(std::floor(log10Value), -1e9, 1e9);
    const double mantissa = std::exp((log10Value - whole) * 2.302585092994045684);
    Digits d = Decompose(mantissa, count);
    d.exponent += static_cast<int>(whole);
    return d;
}

}  // namespace

std::optional<double> TextToFloat(std::string_view text, const NumberLocale& locale) {
    const auto n = Scan(text, locale);
    if (!n) return std::nullopt;
    double value = 0;
    const char* first = n->text.data();
    const auto r = std::from_chars(first, first + n->text.size(), value);
    if (r.ec == std::errc{}) return value;
    if (r.ec != std::errc::result_out_of_range) return std::nullopt;
    // Beyond the largest double the text names no value; below the smallest it is zero.
    if (!n->zeroMantissa && n->magnitude > 0) return std::nullopt;
    return n->negative ? -0.0 : 0.0;
}

bool IsNumeric(std::string_view text, const NumberLocale& locale) {
    return TextToFloat(text, locale).has_value();
}

std::optional<Int16> TextToInt16(std::string_view text, const NumberLocale& locale) {
    const auto value = TextToFloat(text, locale);
    if (!value) return std::nullopt;
    return ToInt16HalfEven(*value);
}

double RoundHalfEven(double x, int places) {
    if (!std::isfinite(x)) return x;
    if (places < 0) places = 0;
    // The shortest denormal needs 1074 decimals; any more cannot change a double.
    if (places > 1074) return x;
    std::string buf(static_cast<std::size_t>(places) + 330, '\0');
    // to_chars expands the exact binary value and breaks exact ties to even.
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, places);
    double rounded = x;
    std::from_chars(buf.data(), r.ptr, rounded);
    return rounded;
}

std::string FormatGeneral(double x, const NumberLocale& locale) {
    if (!std::isfinite(x)) return NonFinite(x);
    const std::string body =
        x == 0 ? "0" : Unsigned15(Decompose(std::fabs(x), 15), locale.decimalSeparator, true);
    return (x < 0 && body != "0") ? "-" + body : body;
}

std::string FormatSigned(double x) {
    std::string out(1, x < 0 ? '-' : ' ');
    if (!std::isfinite(x)) {
        out = std::isnan(x) ? NonFinite(x) : x < 0 ? NonFinite(x) : out + NonFinite(x);
        return out;
    }
    out += x == 0 ? "0" : Unsigned15(Decompose(std::fabs(x), 15), ".", false);
    return out;
}

std::string FormatGeneralFromLog10(double log10Value, const NumberLocale& locale) {
    if (!std::isfinite(log10Value)) return log10Value < 0 ? "0" : NonFinite(log10Value);
    // Only the digits the logarithm determines: a double of magnitude |L| is known to half an
    // ulp, which moves the mantissa by ln 10 * |L| * 2^-53 relative; the computation of the
    // logarithm is allowed four such errors (602 gives 12 digits, 10^5 ten).
    const double relative =
        4 * 2.302585092994045684 * std::max(1.0, std::fabs(log10Value)) * 0x1p-53;
    const int digits = std::clamp(static_cast<int>(std::floor(-std::log10(relative))), 1, 15);
    return Unsigned15(DecomposeLog10(log10Value, digits), locale.decimalSeparator, true);
}

std::string FormatScientific2(double x) {
    if (!std::isfinite(x)) return NonFinite(x);
    if (x == 0) return "0.00E0";
    const Digits d = Decompose(std::fabs(x), 3);
    std::string out = x < 0 ? "-" : "";
    out += d.digits.substr(0, 1) + "." + d.digits.substr(1) + "E";
    if (d.exponent < 0) out += '-';
    out += std::to_string(std::abs(d.exponent));
    return out;
}

std::string FormatScaleFactor(double x) {
    if (!std::isfinite(x)) return NonFinite(x);
    if (x == 0) return "0. E+0";
    const Digits d = Decompose(std::fabs(x), 1);
    std::string out = x < 0 ? "-" : "";
    out += d.digits + ". E" + (d.exponent < 0 ? "-" : "+") + std::to_string(std::abs(d.exponent));
    return out;
}

std::string FormatScaleFactorFromLog10(double log10Value) {
    if (!std::isfinite(log10Value)) return log10Value < 0 ? "0. E+0" : NonFinite(log10Value);
    const Digits d = DecomposeLog10(log10Value, 1);
    return d.digits + ". E" + (d.exponent < 0 ? "-" : "+") + std::to_string(std::abs(d.exponent));
}

}  // namespace tubewise

namespace tubewise {

std::string FormatShortest(double x) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

}  // namespace tubewise
