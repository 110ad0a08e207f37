// What the results window would show, in tubewise-cli: the "display" object of the JSON
// report and the same texts in the summary.
#pragma once

#include <QJsonObject>

#include "cli/Section.h"
#include "results/ResultTexts.h"

namespace tubewise::cli {

class DisplaySection : public Section {
  public:
    // Only a calculation whose results the window would show adds "display".
    void AddJson(const Evaluation& run, const Invocation& inv, QJsonObject& report) const override;
    void AddText(const Evaluation& run, const Invocation& inv, QStringList& lines) const override;
};

// The "display" object: probability_heading, likelihood, mpn_per_ml, mpn_per_100ml, thomas,
// poisson_advice, poisson_advice_colour, thomas_advice, thomas_advice_colour.
QJsonObject DisplayJson(const ResultTexts& texts);

}  // namespace tubewise::cli
