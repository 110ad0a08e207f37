// What the results window would show, in tubewise-cli: the "display" object of the JSON
// report, the same texts in the summary, and a search that cannot finish refused as bad input.
#pragma once

#include <QJsonObject>

#include "cli/Section.h"
#include "results/ResultTexts.h"

namespace tubewise::cli {

class DisplaySection : public Section {
  public:
    // A search fault after the grid passed validation: the message the windows show for it,
    // with the row being loaded or evaluated when it happened (0 when no single row).
    std::optional<InputError> Refuse(const Calculation& calc, const Invocation& inv) const override;
    // Only a calculation whose results the window would show adds "display".
    void AddJson(const Calculation& calc, const Invocation& inv,
                 QJsonObject& report) const override;
    void AddText(const Calculation& calc, const Invocation& inv, QStringList& lines) const override;
};

// The "display" object: probability_heading, likelihood, mpn_per_ml, mpn_per_100ml, thomas,
// poisson_advice, poisson_advice_colour, thomas_advice, thomas_advice_colour.
QJsonObject DisplayJson(const ResultTexts& texts);

}  // namespace tubewise::cli
