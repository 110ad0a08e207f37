// The site report as plain data, in the form the sample's report page is drawn from: the site
// and the period in its header, the period's figures, the conformity statement with its
// decision rule, the notes, then the chart.
#pragma once

#include <string>

#include "core/NumberText.h"
#include "results/SampleReport.h"
#include "site/SiteSummary.h"

namespace tubewise::site {

struct SiteReportHeader {
    std::string site;
    std::string from;  // as given; empty for a period open at its start
    std::string to;    // empty for a period open at its end
    std::string date;  // the report's date as it is to be printed; left out when empty
};

// Each figure line stands as its caption and figure side by side; the verdict stands across
// the page in green when the samples comply, red when they do not. Every note is given once,
// the statistics' first, then those the verdict adds.
SampleReport ComposeSiteReport(const SiteReportHeader& header, const SiteSummary& summary,
                               const NumberLocale& locale);

}  // namespace tubewise::site
