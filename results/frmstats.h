// The statistics window: the exact MPN of the last calculation with its confidence limits,
// rarity and the figure to report, the choice of the limits, and the report's header.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "chart/ChartDescription.h"
#include "core/Messages.h"
#include "core/Calculation.h"
#include "results/SampleReport.h"
#include "results/StatisticsTexts.h"
#include "shell/Form.h"

namespace tubewise {

class frmstats : public Form {
    Q_OBJECT
  public:
    explicit frmstats(Session& session);
    ~frmstats() override;

    // Today's date in the date box.
    void Load() override;

    // Shows the statistics of this calculation, which the window keeps while it shows it, with
    // the limits chosen in the window; `refusal` is the prompt of a refused calculation, which
    // is then shown instead of any figure. Does not show the window.
    void ShowSample(std::shared_ptr<const Calculation> calc, const std::optional<Message>& refusal);

    // The limits chosen in the two lists.
    stats::StatisticsOptions options() const;
    const stats::MpnStatistics& statistics() const { return statistics_; }
    const StatisticsTexts& texts() const { return texts_; }

    // The report of the sample shown, with the header typed in the window, and its chart.
    SampleReport Report() const;
    ChartDescription Chart() const;
    // The copied result: the header line and the sample's line.
    std::string CopiedText() const;

    // Shown modeless (a visible one stays), restored when minimised and raised.
    void BringIntoView();
    void Restore();

    // The name chosen in the save dialog the last time; forgotten on close.
    const QString& lastFileName() const { return lastName_; }
    void setLastFileName(const QString& name) { lastName_ = name; }

  signals:
    void copyRequested();
    void reportRequested();

  protected:
    void Retranslate() override;

  private:
    void Refresh();
    const Calculation& shown() const;

    std::shared_ptr<const Calculation> sample_;
    std::optional<Message> refusal_;
    stats::MpnStatistics statistics_;
    StatisticsTexts texts_;
    QString lastName_;
};

}  // namespace tubewise
