// frmtray: the tray and plate entry window. The design is chosen from a list; the boxes of
// that design and the dilution factor are typed; calculating shows the statistics window.
// The tube series in the list leads on to the dilution-count dialog instead.
#pragma once

#include <QComboBox>

#include "shell/Form.h"
#include "shell/WindowTable.h"
#include "trays/TrayDesign.h"
#include "trays/TrayEntry.h"

namespace tubewise {

// What the design list offers, in its order.
enum class TrayChoice { Tubes, Tray51, Tray97, Groups };
inline constexpr TrayChoice kTrayChoices[] = {TrayChoice::Tubes, TrayChoice::Tray51,
                                              TrayChoice::Tray97, TrayChoice::Groups};

class frmtray : public Form {
    Q_OBJECT
  public:
    struct Controls {
        QComboBox* cbodesign = nullptr;  // kTrayChoices
        TextBox* txtpos = nullptr;       // 51-well: positive wells
        TextBox* txtlarge = nullptr;     // 97-well: positive large wells
        TextBox* txtsmall = nullptr;     // 97-well: positive small wells
        TextBox* txtgroups = nullptr;    // groups: VOLUME:POSITIVE:NEGATIVE ...
        TextBox* txtfactor = nullptr;    // dilution factor
        PictureButton* cmdcalc = nullptr;
        PictureButton* cmdreturn = nullptr;
        TextLabel* lbldesign = nullptr;
        TextLabel* lblpos = nullptr;
        TextLabel* lbllarge = nullptr;
        TextLabel* lblsmall = nullptr;
        TextLabel* lblgroups = nullptr;
        TextLabel* lblfactor = nullptr;
        TextLabel* lbltubes = nullptr;  // shown for the tube series
    };
    static const WindowTable<Controls>& Table();

    explicit frmtray(Session& session);
    const Controls& controls() const { return controls_; }

    TrayChoice chosen() const;
    // Chooses in the list, as the analyst does; the boxes of that design appear.
    void Choose(TrayChoice choice);
    // The chosen design's boxes as typed (a tray design only).
    trays::TrayBoxTexts ReadBoxes() const;
    // Puts the focus on the box a refusal names, its text selected.
    void FocusBox(trays::TrayBox box);

  signals:
    // The calculate button with a tray or plate chosen.
    void calculateRequested();
    // The calculate button with the tube series chosen.
    void tubesRequested();
    void returnRequested();

  protected:
    void Retranslate() override;

  private:
    // Shows the boxes of the chosen design alone, so that the tab order walks only those.
    void ShowDesignBoxes();

    Controls controls_;
};

}  // namespace tubewise
