// frmsite: a site's samples over time. The site chosen from the register, a period (a range of
// days, the last samples or a rolling window of days), a limit typed or taken from the
// analyst's named profiles, the decision rule and how non-detects count; the samples as a
// chart on a log axis with the statistics and the verdict beside it, and the roads on to the
// site report and the CSV.
#pragma once

#include <QComboBox>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/Form.h"
#include "shell/WindowTable.h"
#include "site/LimitProfile.h"
#include "site/SiteChart.h"
#include "site/SiteRequest.h"
#include "site/SiteSummary.h"

class QChartView;
class QPlainTextEdit;

namespace tubewise {

namespace reg {
class RegisterStore;
}

// What the lists offer, in their order.
inline constexpr site::PeriodKind kPeriodChoices[] = {
    site::PeriodKind::DateRange, site::PeriodKind::LastSamples, site::PeriodKind::RollingDays};
inline constexpr site::LimitStatistic kStatisticChoices[] = {
    site::LimitStatistic::SingleSample, site::LimitStatistic::GeometricMean,
    site::LimitStatistic::Percentile90, site::LimitStatistic::Percentile95};
inline constexpr site::DecisionRule kRuleChoices[] = {site::DecisionRule::SimpleAcceptance,
                                                      site::DecisionRule::Guarded};
inline constexpr site::NonDetectRule kNonDetectChoices[] = {
    site::NonDetectRule::AtDetectionLimit, site::NonDetectRule::AtHalfDetectionLimit};

class frmsite : public Form {
    Q_OBJECT
  public:
    struct Controls {
        QComboBox* cbosite = nullptr;    // the register's sites
        QComboBox* cboperiod = nullptr;  // kPeriodChoices
        TextBox* txtfrom = nullptr;      // "YYYY-MM-DD"
        TextBox* txtto = nullptr;        // a range's last day, or a rolling window's
        TextBox* txtcount = nullptr;     // samples, or days of a rolling window
        PictureButton* cmdshow = nullptr;
        QComboBox* cboprofile = nullptr;    // "no limit", then the analyst's profiles
        QComboBox* cbostatistic = nullptr;  // kStatisticChoices
        TextBox* txtlimit = nullptr;        // per 100 mL; empty: no limit
        QComboBox* cborule = nullptr;       // kRuleChoices
        QComboBox* cbonondetect = nullptr;  // kNonDetectChoices
        TextBox* txtprofilename = nullptr;
        PictureButton* cmdsaveprofile = nullptr;
        PictureButton* cmddeleteprofile = nullptr;
        TextBox* txtrolling = nullptr;  // days of the rolling geometric mean
        QWidget* chtsite = nullptr;     // holds the chart view
        PictureButton* cmdreport = nullptr;
        PictureButton* cmdcsv = nullptr;
        TextLabel* lblsite = nullptr;
        TextLabel* lblperiod = nullptr;
        TextLabel* lblfrom = nullptr;
        TextLabel* lblto = nullptr;
        TextLabel* lblcount = nullptr;  // its words follow the period's kind
        TextLabel* lblprofile = nullptr;
        TextLabel* lblstatistic = nullptr;
        TextLabel* lbllimit = nullptr;
        TextLabel* lblrule = nullptr;
        TextLabel* lblnondetect = nullptr;
        TextLabel* lblprofilename = nullptr;
        TextLabel* lblrolling = nullptr;
    };
    static const WindowTable<Controls>& Table();

    // What the window shows: the request it was computed for and its summary.
    struct Shown {
        site::SiteRequest request;
        site::SiteSummary summary;
        int notDated = 0;
        int notComputable = 0;
    };

    explicit frmsite(Session& session);
    ~frmsite() override;
    const Controls& controls() const { return controls_; }
    QPlainTextEdit* statistics() const { return statistics_; }
    QChartView* chartView() const { return view_; }

    // The register the sites come from (nullptr: none open) and its sites; `site` is chosen
    // when it is one of them. Whatever was shown is cleared.
    void ShowSites(std::shared_ptr<reg::RegisterStore> store, const std::vector<std::string>& sites,
                   const std::string& site);
    std::shared_ptr<reg::RegisterStore> store() const { return store_; }

    // The boxes and lists as typed and chosen.
    site::SiteRequestTexts requestTexts() const;
    // Gives the keyboard to the box a refusal names, its text selected.
    void FocusField(site::SiteField field);

    // The statistics, the verdict and the chart of a summary.
    void Show(Shown shown);
    const std::optional<Shown>& shown() const { return shown_; }
    // The chart of what is shown, as the report draws it too.
    site::SiteChartDescription chartDescription() const;

    // The analyst's limit profiles, offered after "no limit" in the profile list; `chosen`
    // (a name) stays or becomes the choice when it is one of them.
    void SetProfiles(std::vector<site::LimitProfile> profiles, const std::string& chosen = {});
    const std::vector<site::LimitProfile>& profiles() const { return profiles_; }
    // The profile chosen in the list, if any.
    std::optional<site::LimitProfile> chosenProfile() const;
    QString profileName() const;

  signals:
    void showRequested();
    void saveProfileRequested();
    void deleteProfileRequested();
    void reportRequested();
    void csvRequested();

  protected:
    void Retranslate() override;

  private:
    // The boxes the chosen kind of period reads, enabled; the others disabled.
    void ShowPeriodBoxes();
    // The chosen profile's period, statistic and limit put into the boxes.
    void ApplyChosenProfile();
    void ShowStatistics();
    void ShowChart();
    void EnableSaving();

    Controls controls_;
    QPlainTextEdit* statistics_ = nullptr;
    QChartView* view_ = nullptr;
    std::shared_ptr<reg::RegisterStore> store_;
    std::vector<site::LimitProfile> profiles_;
    std::optional<Shown> shown_;
};

}  // namespace tubewise
