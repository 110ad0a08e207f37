// The numeric grammar, the conversions and the number forms, table-driven.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/Int16.h"
#include "core/NumberText.h"

namespace tubewise {
namespace {

const NumberLocale kDot{"."};
const NumberLocale kComma{","};

// Digits and separators a Persian keyboard types, as UTF-8.
#define FA1 "\u06F1"
#define FA2 "\u06F2"
#define FA5 "\u06F5"
#define AR1 "\u0661"
#define AR2 "\u0662"
#define AR3 "\u0663"
#define AR_DECIMAL "\u066B"
#define AR_THOUSANDS "\u066C"

struct Reading {
    std::string text;
    NumberLocale locale;
    std::optional<double> value;  // nullopt: not numeric
};

// Printable ASCII as is, everything else as \xNN, so that test names stay one plain line.
void PrintTo(const Reading& row, std::ostream* os) {
    static const char hex[] = "0123456789ABCDEF";
    for (unsigned char c : row.text) {
        if (c >= 0x20 && c < 0x7F && c != '#' && c != ';' && c != '\\')
            *os << c;
        else
            *os << "\\x" << hex[c >> 4] << hex[c & 15];
    }
}

class Grammar : public testing::TestWithParam<Reading> {};

std::string RowName(const testing::TestParamInfo<Reading>& info) {
    return "Row" + std::to_string(info.index);
}

TEST_P(Grammar, NumericTestAndConversionAgree) {
    const Reading& r = GetParam();
    SCOPED_TRACE('"' + r.text + '"');
    EXPECT_EQ(IsNumeric(r.text, r.locale), r.value.has_value());
    const auto got = TextToFloat(r.text, r.locale);
    ASSERT_EQ(got.has_value(), r.value.has_value());
    if (got) {
        // Bit for bit, so that the sign of a zero counts too.
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(*r.value))
            << *got << " vs " << *r.value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, Grammar,
    testing::Values(Reading{"5", kDot, 5.0}, Reading{" 5 ", kDot, 5.0},
                    Reading{"\t 5\t", kDot, 5.0}, Reading{"+5", kDot, 5.0},
                    Reading{"-5", kDot, -5.0}, Reading{"2.", kDot, 2.0}, Reading{".5", kDot, 0.5},
                    Reading{"-.5", kDot, -0.5}, Reading{"000123", kDot, 123.0},
                    Reading{"1e3", kDot, 1000.0}, Reading{"1E+3", kDot, 1000.0},
                    Reading{"2.5e-1", kDot, 0.25}, Reading{" -2.5E1 ", kDot, -25.0},
                    Reading{"0.1", kDot, 0.1}, Reading{"-0", kDot, -0.0},
                    Reading{"1.7976931348623157e308", kDot, 1.7976931348623157e308},
                    Reading{"4.9e-324", kDot, 4.9e-324}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    PersianKeyboard, Grammar,
    testing::Values(Reading{FA1 FA2, kDot, 12.0}, Reading{AR1 AR2, kDot, 12.0},
                    Reading{"1" FA2 AR3, kDot, 123.0}, Reading{FA1 AR_DECIMAL FA5, kDot, 1.5},
                    Reading{AR1 AR_DECIMAL, kDot, 1.0}, Reading{AR_DECIMAL FA5, kDot, 0.5},
                    Reading{"1e" FA2, kDot, 100.0}, Reading{" -" FA1 FA2 " ", kDot, -12.0},
                    Reading{"1" AR_DECIMAL "5", kComma, 1.5}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    LocaleSeparator, Grammar,
    testing::Values(Reading{"1,5", kComma, 1.5}, Reading{"1.5", kComma, 1.5},
                    Reading{FA1 "," FA5, kComma, 1.5}, Reading{",5", kComma, 0.5},
                    Reading{"1,5e1", kComma, 15.0},
                    // A separator that would clash with the grammar is not taken.
                    Reading{"1e1", NumberLocale{"e"}, 10.0}, Reading{"1.5", NumberLocale{""}, 1.5},
                    Reading{"1" AR_DECIMAL "5", NumberLocale{AR_DECIMAL}, 1.5}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, Grammar,
    testing::Values(Reading{"1e400", kDot, std::nullopt}, Reading{"-1e400", kDot, std::nullopt},
                    Reading{"1.8e308", kDot, std::nullopt},
                    Reading{"1e99999999999999999999", kDot, std::nullopt},
                    Reading{"1" + std::string(400, '0'), kDot, std::nullopt},
                    // Below the smallest double the value is zero, and still a number.
                    Reading{"1e-400", kDot, 0.0}, Reading{"-1e-400", kDot, -0.0},
                    Reading{"1e-99999999999999999999", kDot, 0.0},
                    Reading{"0e99999999999999999999", kDot, 0.0}, Reading{"0.000e500", kDot, 0.0}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Refused, Grammar,
    testing::Values(Reading{"", kDot, std::nullopt}, Reading{"   ", kDot, std::nullopt},
                    Reading{"\t", kDot, std::nullopt}, Reading{".", kDot, std::nullopt},
                    Reading{"-", kDot, std::nullopt}, Reading{"+.", kDot, std::nullopt},
                    Reading{"e5", kDot, std::nullopt}, Reading{"1e", kDot, std::nullopt},
                    Reading{"1e+", kDot, std::nullopt}, Reading{"1e 5", kDot, std::nullopt},
                    Reading{"- 5", kDot, std::nullopt}, Reading{"--5", kDot, std::nullopt},
                    Reading{"+-5", kDot, std::nullopt}, Reading{"5-", kDot, std::nullopt},
                    Reading{"1.2.3", kDot, std::nullopt},
                    Reading{"1.5" AR_DECIMAL "5", kDot, std::nullopt},
                    Reading{"1e2.5", kDot, std::nullopt}, Reading{"0x10", kDot, std::nullopt},
                    Reading{"inf", kDot, std::nullopt}, Reading{"nan", kDot, std::nullopt},
                    Reading{"abc", kDot, std::nullopt}, Reading{"5a", kDot, std::nullopt},
                    // Thousands separators are not read as part of a number.
                    Reading{"1,000", kDot, std::nullopt}, Reading{"1 000", kDot, std::nullopt},
                    Reading{"1.000,5", kComma, std::nullopt},
                    Reading{AR1 AR_THOUSANDS AR2, kDot, std::nullopt},
                    // Only space and tab are blanks.
                    Reading{"\u00A05", kDot, std::nullopt}, Reading{"5\n", kDot, std::nullopt},
                    // A lone or truncated multi-byte sequence is no digit.
                    Reading{"\xD9", kDot, std::nullopt}, Reading{"1\xDB", kDot, std::nullopt}),
    RowName);

// blanks, sign, digits with an optional point and fraction (at least one digit), optional
// exponent with at least one digit, blanks.
bool MatchesAsciiGrammar(const std::string& s) {
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    };
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        return i - from;
    };
    const auto sign = [&] {
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    };
    blanks();
    sign();
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0) return false;
    }
    blanks();
    return i == s.size();
}

// An independent reading of the same grammar: transliterate to ASCII, match the plain ASCII
// grammar, let strtod (C locale) give the value. The conversion must accept exactly what the
// numeric test accepts, and both must agree with this oracle.
std::optional<double> Oracle(const std::string& text, const NumberLocale& locale) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size();) {
        const auto rest = std::string_view(text).substr(i);
        const auto b0 = static_cast<unsigned char>(text[i]);
        const auto b1 = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (b0 == 0xDB && b1 >= 0xB0 && b1 <= 0xB9) {
            ascii += static_cast<char>('0' + (b1 - 0xB0));
            i += 2;
        } else if (b0 == 0xD9 && b1 >= 0xA0 && b1 <= 0xA9) {
            ascii += static_cast<char>('0' + (b1 - 0xA0));
            i += 2;
        } else if (rest.starts_with(AR_DECIMAL)) {
            ascii += '.';
            i += 2;
        } else if (rest.starts_with(locale.decimalSeparator)) {
            ascii += '.';
            i += locale.decimalSeparator.size();
        } else {
            ascii += text[i];
            i += 1;
        }
    }
    if (!MatchesAsciiGrammar(ascii)) return std::nullopt;
    const double v = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

TEST(GrammarProperty, RandomTextsAgreeWithAnIndependentReading) {
    const std::vector<std::string> pieces = {
        "0", "1",  "5",        "9",          "\u06F3", "\u06F9", "\u0660", "\u0667",
        ".", ",",  AR_DECIMAL, AR_THOUSANDS, "+",      "-",      "e",      "E",
        " ", "\t", "a",        "x",          "\xD9",   "00",     "99"};
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    int numeric = 0;
    for (int n = 0; n < 60000; ++n) {
        const NumberLocale& locale = n % 2 ? kComma : kDot;
        std::string text;
        for (int k = length(rng); k > 0; --k) text += pieces[pick(rng)];
        // Bias towards well-formed texts so both outcomes are exercised often.
        if (n % 3 == 0)
            text = pieces[1 + n % 3] + text.substr(0, text.find_first_of("ax")) + "e" +
                   std::to_string(n % 700 - 350);
        const auto expected = Oracle(text, locale);
        const auto got = TextToFloat(text, locale);
        ASSERT_EQ(IsNumeric(text, locale), expected.has_value()) << '"' << text << '"';
        ASSERT_EQ(got.has_value(), expected.has_value()) << '"' << text << '"';
        if (got) {
            ++numeric;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(*expected))
                << '"' << text << '"';
        }
        if (TextToInt16(text, locale)) {
            ASSERT_TRUE(got.has_value()) << '"' << text << '"';
        }
    }
    EXPECT_GT(numeric, 10000);  // the generator must not drift into refusing everything
}

// ---- Conversions to 16 bits ------------------------------------------------------------------

TEST(TextToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    const struct {
        const char* text;
        std::optional<Int16> value;
    } rows[] = {
        {"2.5", Int16{2}},           {"3.5", Int16{4}},
        {"-2.5", Int16{-2}},         {"0.5", Int16{0}},
        {"1.5", Int16{2}},           {"2.5000001", Int16{3}},
        {"1e4", Int16{10000}},       {FA5, Int16{5}},
        {"32767", Int16{32767}},     {"32767.4", Int16{32767}},
        {"32767.5", std::nullopt},   {"-32768", Int16{-32768}},
        {"-32768.5", Int16{-32768}}, {"-32768.6", std::nullopt},
        {"40000", std::nullopt},     {"1e400", std::nullopt},
        {"abc", std::nullopt},       {"", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(TextToInt16(row.text, kDot), row.value) << row.text;
}

TEST(Int16Arithmetic, TrapsOverflowInsteadOfWrapping) {
    EXPECT_EQ(CheckedAdd(32767, 0), Int16{32767});
    EXPECT_EQ(CheckedAdd(32767, 1), std::nullopt);
    EXPECT_EQ(CheckedAdd(-32768, -1), std::nullopt);
    EXPECT_EQ(CheckedAdd(-32768, 32767), Int16{-1});
    EXPECT_EQ(CheckedMultiply(100, 327), Int16{32700});
    EXPECT_EQ(CheckedMultiply(100, 328), std::nullopt);
    EXPECT_EQ(CheckedMultiply(100, -327), Int16{-32700});
    EXPECT_EQ(CheckedMultiply(-100, 328), std::nullopt);
    EXPECT_EQ(CheckedMultiply(-1, -32768), std::nullopt);
    EXPECT_EQ(ToInt16HalfEven(std::nan("")), std::nullopt);
    EXPECT_EQ(ToInt16HalfEven(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(ToInt16HalfEven(-1e300), std::nullopt);
}

// ---- Number forms ----------------------------------------------------------------------------

TEST(RoundHalfEven, RoundsTheExactBinaryValue) {
    const struct {
        double x;
        int places;
        double expected;
    } rows[] = {
        {12.125, 2, 12.12},  // an exact tie goes to the even neighbour
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        {2.675, 2, 2.67},    // 2.675 is stored just below the tie
        {0.0005, 3, 0.001},  // stored just above the tie
        {2.5, 0, 2.0},
        {3.5, 0, 4.0},
        {-2.5, 0, -2.0},
        {0.7920000000000006, 3, 0.792},
        {79.20000000000006, 3, 79.2},
        {9.999999999999897, 3, 10.0},
        {999.9999999999897, 3, 1000.0},
        {67.916217596481417, 3, 67.916},
        {1e300, 3, 1e300},
        {-0.0004, 3, -0.0},
        {5e-324, 3, 0.0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RoundHalfEven(row.x, row.places), row.expected) << row.x << " @" << row.places;
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 3)));
}

struct Shown {
    double x;
    const char* text;
};

TEST(FormatGeneral, FifteenDigitsAndTheLocaleSeparator) {
    const Shown rows[] = {
        {0.792, "0.792"},
        {0.7920000000000006, "0.792000000000001"},
        {79.20000000000006, "79.2000000000001"},
        {67.916217596481417, "67.9162175964814"},
        {0.022564061798084848, "0.0225640617980848"},
        {9.999999999999897, "9.9999999999999"},
        {1000, "1000"},
        {123456789012345, "123456789012345"},
        {0.0001, "0.0001"},
        {0.00009999999999999999, "0.0001"},  // rounds into fixed notation
        {1e-5, "1E-05"},
        {2.5e-7, "2.5E-07"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {-0.5, "-0.5"},
        {-1e-5, "-1E-05"},
        {0, "0"},
        {-0.0, "0"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatGeneral(row.x, kDot), row.text) << row.x;
    EXPECT_EQ(FormatGeneral(1.5, kComma), "1,5");
    EXPECT_EQ(FormatGeneral(1.5e-5, kComma), "1,5E-05");
    EXPECT_EQ(FormatGeneral(0.792, NumberLocale{AR_DECIMAL}), "0" AR_DECIMAL "792");
}

TEST(FormatSigned, LeadingBlankOrMinusAndNoZeroBeforeThePoint) {
    const Shown rows[] = {
        {0.5, " .5"},      {-0.5, "-.5"},    {1000, " 1000"},    {0, " 0"},
        {-0.0, " 0"},      {10, " 10"},      {3, " 3"},          {-1, "-1"},
        {12.12, " 12.12"}, {1e-5, " 1E-05"}, {0.0225, " .0225"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatSigned(row.x), row.text) << row.x;
}

TEST(FormatScientific2, PatternWithTwoDecimalsAndBareExponent) {
    const Shown rows[] = {
        {0.0225640617980848, "2.26E-2"},
        {0, "0.00E0"},
        {123, "1.23E2"},
        {9.996, "1.00E1"},
        {1, "1.00E0"},
        {1e-50, "1.00E-50"},
        {-0.0225640617980848, "-2.26E-2"},
        {0.000999951, "1.00E-3"},
        {1.5e300, "1.50E300"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatScientific2(row.x), row.text) << row.x;
    // The chart reads the text back: three significant digits survive the round trip.
    EXPECT_EQ(TextToFloat(FormatScientific2(0.0225640617980848), kComma), 0.0226);
}

TEST(FormatScaleFactor, OneDigitPointBlankAndSignedExponent) {
    const Shown rows[] = {
        {3.7e55, "4. E+55"}, {1e50, "1. E+50"}, {9.6e55, "1. E+56"},
        {0.0042, "4. E-3"},  {7, "7. E+0"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatScaleFactor(row.x), row.text) << row.x;
}

// Figures known by their logarithm, also beyond the range of a double.
TEST(FormatFromLog10, GeneralAndScaleFactorFormsBeyondTheDoubleRange) {
    const struct {
        double log10Value;
        const char* general;
        const char* factor;
    } rows[] = {
        // 10^-602.0600007370851 = 8.7096211175682213E-603: twelve digits are determined.
        {-602.0600007370851, "8.70962111757E-603", "9. E-603"},
        {-5, "1E-05", "1. E-5"},
        {-1.6465, "0.022568359954972", "2. E-2"},
        {std::log10(2.5) - 400, "2.5E-400", "2. E-400"},
        {655.9999, "9.99769767998E+655", "1. E+656"},  // the factor rounds up to 10
        {-std::numeric_limits<double>::infinity(), "0", "0. E+0"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN", "NaN"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatGeneralFromLog10(row.log10Value, kDot), row.general) << row.log10Value;
        EXPECT_EQ(FormatScaleFactorFromLog10(row.log10Value), row.factor) << row.log10Value;
    }
    EXPECT_EQ(FormatGeneralFromLog10(-602.0600007370851, kComma), "8,70962111757E-603");
    // Inside the double range the form is the general form of the same number.
    for (const double x : {1e-5, 0.5, 3e-300, 123456.0, 0.0225})
        EXPECT_EQ(FormatGeneralFromLog10(std::log10(x), kDot), FormatGeneral(x, kDot)) << x;
}

}  // namespace
}  // namespace tubewise
