// The tray and plate entry window's table, drawn in the statistics window's manner: captions
// at the right, boxes at the left.
#include "core/Texts.h"
#include "shell/Row.h"
#include "trays/frmtray.h"

namespace tubewise {

const WindowTable<frmtray::Controls>& frmtray::Table() {
    using C = frmtray::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmtray", "Trays", 6720, 3480, {128, 255, 255}, true));
        auto box = [](const char* name, int top, int tab) -> ControlSpec {
            return TextBoxRow(name, 480, top, 1815, 375).font(11.25).tab(tab).centre();
        };
        auto caption = [](const char* name, const std::string& text, int top,
                          int tab) -> ControlSpec {
            return LabelRow(name, text, 2520, top, 3720, 375).font(9.75).tab(tab).right();
        };
        const std::vector<std::string> designs = {"سري لوله ها", text::kTray51Name.source,
                                                  text::kTray97Name.source,
                                                  text::kGroupsName.source};
        t.add(&C::cbodesign,
              Row(ControlKind::ComboBox, "cbodesign", text::kTray97Name.source, 480, 360, 3240, 375)
                  .items(designs)
                  .font(9.75)
                  .tab(0));
        t.add(&C::txtpos, box("txtpos", 960, 1));
        t.add(&C::txtlarge, box("txtlarge", 960, 2));
        t.add(&C::txtsmall, box("txtsmall", 1440, 3));
        t.add(&C::txtgroups,
              TextBoxRow("txtgroups", 480, 1440, 5760, 375).font(9.75).tab(4).centre());
        t.add(&C::txtfactor, box("txtfactor", 1920, 5));
        t.add(&C::cmdcalc, ButtonRow("cmdcalc", "محاسبه", 4065, 2640, 2175, 495)
                               .font(11.25)
                               .back({128, 255, 128})
                               .tab(6));
        t.add(&C::cmdreturn, ButtonRow("cmdreturn", "بازگشت", 480, 2640, 2175, 495)
                                 .font(11.25)
                                 .back({224, 224, 224})
                                 .tab(7));
        t.add(&C::lbldesign,
              LabelRow("lbldesign", "طرح آزمون", 3840, 360, 2400, 375).font(9.75).tab(8).right());
        t.add(&C::lblpos, caption("lblpos", text::kBoxPositiveWells.source, 960, 9));
        t.add(&C::lbllarge, caption("lbllarge", text::kBoxLargePositiveWells.source, 960, 10));
        t.add(&C::lblsmall, caption("lblsmall", text::kBoxSmallPositiveWells.source, 1440, 11));
        t.add(&C::lblgroups, LabelRow("lblgroups", "گروه ها، هر گروه حجم:مثبت:منفي، با فاصله از هم",
                                      480, 960, 5760, 375)
                                 .font(9.75)
                                 .tab(12)
                                 .right());
        t.add(&C::lblfactor, caption("lblfactor", text::kBoxDilutionFactor.source, 1920, 13));
        t.add(&C::lbltubes,
              LabelRow("lbltubes", ".سري لوله ها در پنجره هاي بعد وارد مي شود", 480, 960, 5760, 375)
                  .font(9.75)
                  .tab(14)
                  .right());
        t.add(ShapeRow(0, 480, 2400, 5760, 45, kBar));
        t.add(ImageRow("Image1", Picture::SmallTexture, 0, 0, 6780, 3540, true));
        return t;
    }();
    return table;
}

}  // namespace tubewise
