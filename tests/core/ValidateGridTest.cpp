// Grid validation: which row is refused, and with which prompt.
#include <gtest/gtest.h>

#include <string>

#include "core/ValidateGrid.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

// The message box texts as the analyst must see them.
const std::string kTitle = expected::kWrongInput;
const std::string kEmptyPrompt = expected::kEmptyCells;
const std::string kNumbersPrompt = expected::kNumbersOnly;

struct Case {
    const char* name;
    int count;
    GridTexts grid;
    int faultyRow;              // 0: valid
    const std::string* prompt;  // nullptr: no message
};

// Test names carry the row's name; the value itself need not be printed.
void PrintTo(const Case& row, std::ostream* os) {
    *os << row.name;
}

GridTexts Rows(std::initializer_list<GridRowTexts> rows) {
    GridTexts g;
    std::size_t i = 0;
    for (const auto& r : rows) g[i++] = r;
    return g;
}

class Validation : public testing::TestWithParam<Case> {};

TEST_P(Validation, ReportsTheFirstFaultyRowOnce) {
    const Case& c = GetParam();
    const GridCheck check = CheckGrid(c.grid, c.count, NumberLocale{});
    EXPECT_EQ(check.row, c.faultyRow);
    EXPECT_EQ(check.valid, c.faultyRow == 0);
    // An empty or non-numeric cell names no cell to mend.
    EXPECT_EQ(check.column, GridColumn::None);
    if (c.prompt) {
        ASSERT_TRUE(check.message);
        EXPECT_EQ(check.message->prompt, *c.prompt);
        EXPECT_EQ(check.message->title, kTitle);
    } else {
        EXPECT_FALSE(check.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grids, Validation,
    testing::Values(
        Case{"AllNumeric", 3, Rows({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}), 0,
             nullptr},
        Case{"NoRangeCheck", 3,
             Rows({{"-1", "2.5", "0"}, {"0", "-3", "40000"}, {"1e-9", "0", "1"}}), 0, nullptr},
        Case{"EmptyBeforeLetters", 3, Rows({{"10", "5", "0"}, {"1", "", "2"}, {"0.1", "abc", "5"}}),
             2, &kEmptyPrompt},
        Case{"EmptyOutranksLettersInOneRow", 1, Rows({{"", "3", "x"}}), 1, &kEmptyPrompt},
        Case{"BlanksAreNotEmpty", 2, Rows({{"1", "3", "2"}, {"1", "  ", "2"}}), 2, &kNumbersPrompt},
        Case{"Letters", 1, Rows({{"1", "3", "two"}}), 1, &kNumbersPrompt},
        Case{"AllEmpty", 1, Rows({{"", "", ""}}), 1, &kEmptyPrompt},
        Case{"RowsAboveTheCountAreNotRead", 2,
             Rows({{"1", "3", "2"}, {"1", "3", "2"}, {"", "x", ""}, {"?", "", ""}}), 0, nullptr},
        Case{"FiveRows", 5,
             Rows({{"1", "1", "1"},
                   {"1", "1", "1"},
                   {"1", "1", "1"},
                   {"1", "1", "1"},
                   {"1", "1", ""}}),
             5, &kEmptyPrompt},
        Case{"NoRowsOpen", 0, Rows({{"1", "1", "1"}}), -1, nullptr},
        Case{"MoreRowsThanTheGrid", 6, Rows({{"1", "1", "1"}}), -1, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tubewise
