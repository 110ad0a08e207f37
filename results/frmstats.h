// frmstats: the statistics window. The exact MPN of the last calculation with its confidence
// limits, rarity and the figure to report, the choice of the limits, and the report's header.
#pragma once

#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "chart/ChartDescription.h"
#include "core/Calculation.h"
#include "core/Messages.h"
#include "results/SampleReport.h"
#include "results/StatisticsTexts.h"
#include "shell/Form.h"
#include "shell/WindowTable.h"
#include "trays/TrayCalculation.h"

namespace tubewise {

// The confidence levels the level list offers, in its order (kOfferedLevels).
enum class LevelChoice { Ninety, NinetyFive, NinetyNine };
inline constexpr LevelChoice kLevelChoices[] = {LevelChoice::Ninety, LevelChoice::NinetyFive,
                                                LevelChoice::NinetyNine};
inline constexpr LevelChoice kDefaultLevel = LevelChoice::NinetyFive;
// The methods the method list offers, in its order.
inline constexpr stats::CiMethod kMethodChoices[] = {stats::CiMethod::Jarvis,
                                                     stats::CiMethod::LikelihoodRatio};

// The level, a fraction, of a choice.
double LevelOf(LevelChoice choice);

class frmstats : public Form {
    Q_OBJECT
  public:
    struct Controls {
        // 0 exact MPN per 100 mL, 1 per mL, 2 the figure to report, 3 lower and 4 upper
        // limit per 100 mL, 5 rarity
        ControlArray<TextBox, 0, 5> txtstat;
        QComboBox* cbomethod = nullptr;  // kMethodChoices
        QComboBox* cbolevel = nullptr;   // kLevelChoices
        TextBox* txtsample = nullptr;    // the report's header
        TextBox* txtanalyst = nullptr;
        TextBox* txtdate = nullptr;
        PictureButton* cmdcopy = nullptr;
        PictureButton* cmdreport = nullptr;
        PictureButton* cmdregister = nullptr;  // saves the sample shown to the register
        TextBox* txtreplimit = nullptr;   // a limit per 100 mL the report states conformity with
        QComboBox* cboreprule = nullptr;  // its decision rule: simple acceptance, guarded
        TextLabel* lblreplimit = nullptr;
        TextLabel* lblreprule = nullptr;
        ControlArray<TextLabel, 0, 5> lblstat;  // the captions of txtstat
        TextLabel* lblmethod = nullptr;
        TextLabel* lbllevel = nullptr;
        TextLabel* lblwarn = nullptr;
        TextLabel* lblverdict = nullptr;
        TextLabel* lblsample = nullptr;
        TextLabel* lblanalyst = nullptr;
        TextLabel* lbldate = nullptr;
        TextLabel* lblstatus = nullptr;  // the report just saved, the line just copied
    };
    static const WindowTable<Controls>& Table();

    explicit frmstats(Session& session);
    ~frmstats() override;
    const Controls& controls() const { return controls_; }

    // Today's date in the date box.
    void Load() override;

    // Shows the statistics of this calculation, which the window keeps while it shows it, with
    // the limits chosen in the window; `refusal` is the prompt of a refused calculation, which
    // is then shown instead of any figure. Does not show the window.
    void ShowSample(std::shared_ptr<const Calculation> calc, const std::optional<Message>& refusal);

    // Shows the statistics of a tray or plate test, computed afresh with the limits chosen
    // in the window, instead of a tube calculation until the next ShowSample. An input the
    // model refuses shows its refusal and no figure. Does not show the window.
    void ShowTray(const trays::TrayInput& input);
    // Whether a tray is shown, and its result.
    bool showsTray() const { return tray_.has_value(); }
    const trays::TrayResult& trayResult() const { return trayResult_; }

    // The limits chosen in the two lists.
    stats::StatisticsOptions options() const;
    stats::CiMethod chosenMethod() const;
    LevelChoice chosenLevel() const;
    // Chooses in the two lists, as the analyst does; the figures follow.
    void Choose(stats::CiMethod method, LevelChoice level);
    const stats::MpnStatistics& statistics() const { return statistics_; }
    const StatisticsTexts& texts() const { return texts_; }

    // The report of the sample shown, with the header typed in the window, and its chart.
    SampleReport Report() const;
    ChartDescription Chart() const;
    // The report's chart picture: the tube chart, or for a tray its curve on a log scale.
    QImage ChartPicture() const;
    // The copied result: the header line and the sample's line.
    std::string CopiedText() const;

    // The calculation shown, nullptr before the first; what the register saves.
    std::shared_ptr<const Calculation> sample() const { return sample_; }
    // The register's record this sample corrects, once one was opened for correction; saving
    // then stores a new version of it.
    std::optional<std::int64_t> correction() const { return correction_; }
    void setCorrection(std::optional<std::int64_t> record) { correction_ = record; }
    // Whether the figures shown belong to the grid as it stands, so that they may be saved,
    // copied or registered: a calculation with figures, and no cell edited since.
    bool current() const;
    // The grid has changed or been left: the figures are cleared, with the reason in their
    // place, and saving and copying are disabled until the next calculation is shown.
    void MarkOutOfDate();
    // The date box holds nothing or a day that exists; otherwise the analyst is told why and
    // the date box takes the focus (the caller then saves and copies nothing).
    bool CheckDate();

    // The name chosen in the save dialog the last time; forgotten on close.
    const QString& lastFileName() const { return lastName_; }
    void setLastFileName(const QString& name) { lastName_ = name; }

  signals:
    void copyRequested();
    void reportRequested();
    void registerRequested();

  protected:
    void Retranslate() override;

  private:
    void Refresh();
    const Calculation& shown() const;

    Controls controls_;
    std::shared_ptr<const Calculation> sample_;
    std::optional<Message> refusal_;
    std::optional<trays::TrayInput> tray_;
    trays::TrayResult trayResult_;
    bool outOfDate_ = false;
    QDate today_;  // the date box's default, in the calendar of the window's language
    stats::MpnStatistics statistics_;
    StatisticsTexts texts_;
    QString lastName_;
    std::optional<std::int64_t> correction_;
};

}  // namespace tubewise
