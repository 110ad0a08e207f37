// Composing the site report from the site's summary and the texts its window shows.
#include "site/SiteReport.h"

#include <algorithm>

#include "core/Texts.h"
#include "site/SiteTexts.h"

namespace tubewise::site {

namespace {

// "Caption: figure" split at its last ": " into the two columns of the page.
ReportLine FigureLine(const std::string& line) {
    const std::size_t colon = line.rfind(": ");
    if (colon == std::string::npos) return {"", line, {}};
    return {line.substr(0, colon), line.substr(colon + 2), {}};
}

}  // namespace

SampleReport ComposeSiteReport(const SiteReportHeader& header, const SiteSummary& summary,
                               const NumberLocale& locale) {
    SampleReport r;
    r.rightToLeft = text::Tr(text::kReportDirection) != "LTR";
    r.title = text::Tr(text::kSiteReportTitle);
    r.header.push_back({text::Tr(text::kSiteCaption), header.site, {}});
    r.header.push_back({text::Tr(text::kSiteFromCaption),
                        header.from.empty() ? text::Tr(text::kSiteFirstSample) : header.from,
                        {}});
    r.header.push_back({text::Tr(text::kSiteToCaption),
                        header.to.empty() ? text::Tr(text::kSiteLastSample) : header.to,
                        {}});
    if (!header.date.empty()) r.header.push_back({text::Tr(text::kDateCaption), header.date, {}});

    const SiteStatistics& s = summary.statistics;
    std::vector<Note> notes = s.notes;
    ReportSection figures{text::Tr(text::kSiteStatisticsHeading), {}};
    const std::vector<std::string> lines = StatisticsLines(s, locale);
    // The notes close the statistics' lines; they have a section of their own.
    for (std::size_t i = 0; i + s.notes.size() < lines.size(); ++i)
        figures.lines.push_back(FigureLine(lines[i]));
    r.sections.push_back(std::move(figures));

    if (summary.conformity) {
        const Conformity& c = *summary.conformity;
        ReportSection conformity{text::Tr(text::kSiteConformityHeading), {}};
        const std::vector<std::string> statement = ConformityLines(c, locale);
        const std::string verdict = VerdictText(c.verdict);
        for (std::size_t i = 0; i + c.notes.size() < statement.size(); ++i) {
            if (statement[i] == verdict) {
                std::optional<Colour> colour;
                if (c.verdict == Verdict::Complies) colour = kAdviceGreen;
                if (c.verdict == Verdict::DoesNotComply) colour = kAdviceRed;
                conformity.lines.push_back({"", verdict, colour});
            } else {
                conformity.lines.push_back(FigureLine(statement[i]));
            }
        }
        r.sections.push_back(std::move(conformity));
        for (const Note& note : c.notes)
            if (std::find(notes.begin(), notes.end(), note) == notes.end()) notes.push_back(note);
    }

    if (!notes.empty()) {
        ReportSection section{text::Tr(text::kSiteNotesHeading), {}};
        for (const Note& note : notes) section.lines.push_back(FigureLine(NoteText(note)));
        r.sections.push_back(std::move(section));
    }
    r.chartHeading = text::Tr(text::kSiteChartHeading);
    return r;
}

}  // namespace tubewise::site
