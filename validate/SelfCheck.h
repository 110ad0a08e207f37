// The self-check: every printed figure of the built-in tables recomputed and compared at the
// table's printed precision, each figure that cannot agree listed with its reason.
#pragma once

#include <string>
#include <vector>

#include "validate/PublishedTables.h"

namespace tubewise::validate {

struct Difference {
    std::string table;
    std::string row;       // the outcome and the quantity, e.g. "3-3-2 MPN"
    std::string expected;  // as printed
    std::string computed;  // under the table's rounding
    std::string reason;
    bool explained = false;  // a known misprint, the table's rounding, or another limit method
    bool compared = true;    // false: a note that a table's limits are not compared
};

struct TableSummary {
    std::string name;
    std::string source;
    int checked = 0;
    int agreed = 0;
};

struct SelfCheckResult {
    int checked = 0;
    int agreed = 0;
    std::vector<TableSummary> tables;
    std::vector<Difference> differences;

    int ExplainedCompared() const;
    // True when every checked figure agrees or differs for a known reason.
    bool Passed() const { return agreed + ExplainedCompared() == checked; }
};

SelfCheckResult RunSelfCheck(const std::vector<PublishedTable>& tables);

// `value` rounded by `convention` and written with the digits that convention prints
// (3.0492, two significant figures: "3.0"; 2419.50, one decimal: "2419.5").
std::string FormatRounded(double value, const Convention& convention);

// True when the printed figure (a number) equals `value` rounded by `convention`, at the
// printed precision ("3" and "3.0" both agree with 3.0492 at two significant figures).
bool Agrees(const std::string& printed, double value, const Convention& convention);

}  // namespace tubewise::validate
