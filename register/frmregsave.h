// frmregsave: the small window that asks for the sample's fields before the statistics
// window's sample is saved to the register, and for the reason when it corrects a record.
// It stays built while hidden, so the fields typed last are offered again.
#pragma once

#include <cstdint>
#include <optional>

#include "register/RegisterEntry.h"
#include "shell/Form.h"
#include "shell/WindowTable.h"

namespace tubewise {

class frmregsave : public Form {
    Q_OBJECT
  public:
    struct Controls {
        TextBox* txtsampleid = nullptr;
        TextBox* txtsite = nullptr;
        TextBox* txtsampled = nullptr;  // "YYYY-MM-DD HH:MM"
        TextBox* txtreceived = nullptr;
        TextBox* txtreganalyst = nullptr;
        TextBox* txtreason = nullptr;  // open only for a correction
        PictureButton* cmdsave = nullptr;
        PictureButton* cmdcancel = nullptr;
        TextLabel* lblsampleid = nullptr;
        TextLabel* lblsite = nullptr;
        TextLabel* lblsampled = nullptr;
        TextLabel* lblreceived = nullptr;
        TextLabel* lblreganalyst = nullptr;
        TextLabel* lblreason = nullptr;
        TextLabel* lblholding = nullptr;     // the holding-time flag, red, or empty
        TextLabel* lblcorrection = nullptr;  // which record a correction is of, or empty
    };
    static const WindowTable<Controls>& Table();

    explicit frmregsave(Session& session);
    const Controls& controls() const { return controls_; }

    // Asks for a new record (no record) or for a correction of `record`, whose fields are then
    // offered; a new record keeps the fields typed last. The reason is always asked afresh.
    void Ask(std::optional<std::int64_t> record, const std::optional<reg::SampleFields>& fields);
    std::optional<std::int64_t> correcting() const { return correcting_; }

    reg::SampleFields fields() const;
    QString reason() const;
    // Whether the flag is shown: sampled to received beyond `limitHours`.
    bool holdingShown() const { return !Text(controls_.lblholding).isEmpty(); }
    static constexpr double kHoldingLimitHours = reg::kDefaultHoldingLimitHours;

  signals:
    void saveRequested();

  protected:
    void Retranslate() override;

  private:
    void ShowHolding();

    Controls controls_;
    std::optional<std::int64_t> correcting_;
};

}  // namespace tubewise
