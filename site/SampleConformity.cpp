// A sample's conformity with a limit, as its report states it.
#include "site/SampleConformity.h"

#include <algorithm>

#include "core/Texts.h"
#include "site/SiteTexts.h"

namespace tubewise::site {

ReportLine SampleConformityLine(const Calculation& calc, const stats::StatisticsOptions& options,
                                double limitPer100Ml, DecisionRule rule,
                                const NumberLocale& locale) {
    return SampleConformityLine(DilutionsOf(calc.series()), options, limitPer100Ml, rule, locale);
}

ReportLine SampleConformityLine(std::span<const stats::Dilution> series,
                                const stats::StatisticsOptions& options, double limitPer100Ml,
                                DecisionRule rule, const NumberLocale& locale) {
    const BuiltSample built = BuildSiteSample({}, 0, {}, series, options);
    JudgeOptions judge;
    judge.rule = rule;
    judge.level = options.level;
    const Conformity c = JudgeSample(built.sample, limitPer100Ml, judge);
    ReportLine line;
    line.caption = text::Tr(text::kSampleLimitCaption, FigureText(limitPer100Ml, locale));
    line.value = VerdictText(c.verdict) + "\n" + RuleText(c.rule);
    if (c.verdict == Verdict::Complies) line.colour = kAdviceGreen;
    if (c.verdict == Verdict::DoesNotComply) line.colour = kAdviceRed;
    return line;
}

void AddSampleConformity(SampleReport& report, const ReportLine& line) {
    const std::string heading = text::Tr(text::kExactHeading);
    const auto exact =
        std::find_if(report.sections.begin(), report.sections.end(),
                     [&](const ReportSection& section) { return section.heading == heading; });
    if (exact != report.sections.end()) exact->lines.push_back(line);
}

}  // namespace tubewise::site
