// Trays, plates and long series on tubewise-cli: --tray DESIGN:COUNTS with --dilution F, and
// 6 to 64 ROWs, computed by the trays library instead of the windows' grid search.
#pragma once

#include <optional>
#include <string>

#include "cli/Section.h"
#include "trays/TrayDesign.h"

namespace tubewise::cli {

// The most ROWs one invocation (and one batch line) may give.
inline constexpr int kMaxRows = 64;

class TraySection : public Section {
  public:
    QList<QCommandLineOption> Options() const override;
    QString CheckUsage(const QCommandLineParser& parser) const override;
    std::optional<int> RunInstead(const Invocation& inv) override;
};

// "51:K" or "97:L:S" (counts as numbers in the locale's grammar; CheckTray judges them) into
// a tray input with dilution factor 1; nullopt with *why set for any other form.
std::optional<trays::TrayInput> ParseTraySpec(const std::string& spec, const NumberLocale& locale,
                                              std::string* why);

}  // namespace tubewise::cli
