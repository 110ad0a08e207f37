// The catalogue in the run's language: what the translator is asked, how placeholders are
// filled, and that the core's messages are composed through it as whole sentences.
#include <gtest/gtest.h>

#include <string>

#include "core/Calculation.h"
#include "core/Texts.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

// A translator that shows what it was asked: "context|source|n".
std::string Echo(const char* context, const char* source, int n) {
    return std::string(context) + "|" + source + "|" + std::to_string(n);
}

// The translation of a row prompt puts the row first, as a sentence of another language may.
std::string RowFirst(const char*, const char* source, int) {
    if (std::string(source) == text::kNegativeCountPrompt.source)
        return "Row %1: counts below zero!";
    return source;
}

class TextsTest : public ::testing::Test {
  protected:
    ~TextsTest() override { text::SetTranslator(nullptr); }
};

TEST_F(TextsTest, WithoutATranslatorThePersianSourcesAreShownFilledIn) {
    EXPECT_EQ(text::Tr(text::kWrongInputTitle), expected::kWrongInput);
    EXPECT_EQ(text::Tr(text::kNegativeCountPrompt, "3"), expected::NegativeCount(3));
    EXPECT_EQ(text::TrCount(text::kProbabilityHeading, 4),
              expected::kHeadStart + " 4" + expected::kHeadEnd);
    EXPECT_EQ(text::Tr(text::kLowerBound, " 10"), " 10" + expected::kLowerBound);
}

TEST_F(TextsTest, TheTranslatorIsAskedByContextSourceAndCount) {
    text::SetTranslator(&Echo);
    EXPECT_EQ(text::Tr(text::kErrorTitle), std::string("tubewise::text|") + "خطا" + "|-1");
    EXPECT_EQ(text::TrCount(text::kProbabilityHeading, 2),
              "tubewise::text|" + expected::kHeadStart + " 2" + expected::kHeadEnd + "|2");
    text::SetTranslator(nullptr);
    EXPECT_EQ(text::Tr(text::kErrorTitle), "خطا");
}

TEST_F(TextsTest, RefusalsAreComposedInTheRunsLanguageAsWholeSentences) {
    text::SetTranslator(&RowFirst);
    GridTexts grid;
    grid[0] = {"10", "5", "0"};
    grid[1] = {"1", "-3", "2"};
    const Calculation calc = Calculate(grid, 2, NumberLocale{});
    ASSERT_TRUE(calc.refusal);
    EXPECT_EQ(calc.refusal->prompt, "Row 2: counts below zero!");

    text::SetTranslator(&Echo);
    grid[1] = {"1", "", "2"};
    const Calculation empty = Calculate(grid, 2, NumberLocale{});
    ASSERT_TRUE(empty.refusal);
    EXPECT_EQ(empty.refusal->prompt, "tubewise::text|" + expected::kEmptyCells + "|-1");
    EXPECT_EQ(empty.refusal->title, "tubewise::text|" + expected::kWrongInput + "|-1");
}

}  // namespace
}  // namespace tubewise
