// Numeric text and number forms: the one grammar by which every typed number is judged and
// converted, and the text forms in which figures are shown. Plain C++, UTF-8 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Int16.h"

namespace tubewise {

// The user's locale as far as numbers need it.
struct NumberLocale {
    // Decimal separator of the user's locale, UTF-8 ("." , "," or "\u066B" ...).
    std::string decimalSeparator = ".";
};

// The numeric test: blanks around the number allowed, optional sign, digits (ASCII,
// Extended Arabic-Indic U+06F0-U+06F9 or Arabic-Indic U+0660-U+0669) with an optional
// decimal fraction (separator ".", U+066B or the locale's), optional exponent (e/E, optional
// sign, digits). The value must lie within the range of a double. Empty or blank text is not
// numeric.
bool IsNumeric(std::string_view text, const NumberLocale& locale);

// The number a numeric text denotes; nullopt exactly when IsNumeric is false.
std::optional<double> TextToFloat(std::string_view text, const NumberLocale& locale);

// The same number rounded to the nearest integer, halves to even; nullopt when not numeric
// or outside -32768..32767.
std::optional<Int16> TextToInt16(std::string_view text, const NumberLocale& locale);

// Rounds to `places` decimal places, an exact half going to the even neighbour.
double RoundHalfEven(double x, int places);

// General form: up to 15 significant digits, the locale's decimal separator, no leading
// blank, "0" before the separator between -1 and 1; exponent notation ("1E-05", "1E+15")
// outside 1e-4 <= |x| < 1e15.
std::string FormatGeneral(double x, const NumberLocale& locale);

// The general form of the positive number 10^log10Value, also beyond the range of a double
// (a likelihood below the smallest double, known by its logarithm): "8.70962111756E-603".
// Up to 15 significant digits, fewer where the logarithm's own precision cannot give them
// (12 at 10^-602). -infinity gives "0".
std::string FormatGeneralFromLog10(double log10Value, const NumberLocale& locale);

// Signed form: as the general form but always "." as separator, a leading blank for x >= 0
// or "-" otherwise, and no zero before the point strictly between -1 and 1 (0.5 -> " .5").
std::string FormatSigned(double x);

// Shortest text that reads back to the same double ("0.792", "1e-05", "inf", "nan"), for
// files that scripts read.
std::string FormatShortest(double x);

// Pattern "0.00E-": one integer digit, two decimals, "E", "-" only before a negative
// exponent, exponent without leading zeros (0.0225640 -> "2.26E-2", 123 -> "1.23E2").
std::string FormatScientific2(double x);

// Pattern "0. E+": one mantissa digit, ". E", the exponent's sign and digits
// (3.7e55 -> "4. E+55").
std::string FormatScaleFactor(double x);

// The "0. E+" pattern of 10^log10Value, for factors beyond the range of a double.
std::string FormatScaleFactorFromLog10(double log10Value);

}  // namespace tubewise
