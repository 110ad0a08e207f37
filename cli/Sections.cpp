// The list of tubewise-cli's sections: a new section is one include and one line below.
#include "cli/Sections.h"

#include "cli/EstimateSection.h"
// ---- Section headers: add yours below this line. ----
#include "cli/ChartSection.h"
#include "cli/DisplaySection.h"
#include "cli/StatisticsSection.h"
#include "cli/TraySection.h"
#ifdef TUBEWISE_CLI_CHART
#include "cli/ReportSection.h"
#endif

namespace tubewise::cli {

std::vector<std::unique_ptr<Section>> MakeSections() {
    std::vector<std::unique_ptr<Section>> sections;
    sections.push_back(std::make_unique<EstimateSection>());
    // ---- Sections: add yours below this line, one push_back each. ----
    sections.push_back(std::make_unique<ChartSection>());
    sections.push_back(std::make_unique<StatisticsSection>());
    sections.push_back(std::make_unique<DisplaySection>());
    sections.push_back(std::make_unique<TraySection>());
#ifdef TUBEWISE_CLI_CHART
    sections.push_back(std::make_unique<ReportSection>());
#endif
    return sections;
}

}  // namespace tubewise::cli
