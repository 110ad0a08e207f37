// Fields of the CSV files the program writes (batch results, register exports): RFC 4180
// quoting, and texts a spreadsheet must show as text rather than run as a formula.
#pragma once

#include <string>
#include <string_view>

namespace tubewise {

// A field as CSV: quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);
// A text field a spreadsheet shows as text: one beginning with '=', '+', '-', '@', a tab or a
// carriage return (which a spreadsheet would take for a formula) gets a leading apostrophe;
// then as CsvField.
std::string CsvTextField(std::string_view text);

}  // namespace tubewise
