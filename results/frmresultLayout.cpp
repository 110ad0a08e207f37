// The results window's table.
#include "results/frmresult.h"
#include "shell/Row.h"

namespace tubewise {

const WindowTable<frmresult::Controls>& frmresult::Table() {
    using C = frmresult::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmresult", "Results", 7620, 5820, {128, 255, 255}, false));
        auto box = [](int index, int top, int width, int tab) -> ControlSpec {
            Row r = TextBoxRow(index < 0 ? "txtthomas" : "txtresult", 480, top, width, 375);
            if (index >= 0) r.at(index);
            return r.font(11.25).tab(tab).centre().readOnly();
        };
        constexpr Colour kAdvice{192, 0, 0};
        t.add(&C::txtthomas, box(-1, 3720, 1815, 5));
        t.add(&C::cmdreturn,
              ButtonRow("cmdreturn", "بازگشت", 240, 5160, 1455, 495).font(11.25).tab(4));
        t.add(&C::txtresult, box(2, 1920, 1815, 3));
        t.add(&C::txtresult, box(1, 1320, 1815, 2));
        t.add(&C::Command1, ButtonRow("Command1", "منحني توزيع پوآسون ", 5280, 5160, 2175, 495)
                                .font(11.25)
                                .back({224, 224, 224})
                                .tab(1));
        // Added to the published window in its free space between the two buttons.
        t.add(&C::cmdstats,
              ButtonRow("cmdstats", "برآورد دقيق و حدود اطمينان", 1935, 5160, 3105, 495)
                  .font(11.25)
                  .back({224, 224, 224})
                  .tab(16));
        t.add(&C::txtresult, box(0, 720, 2415, 0));
        t.add(&C::lbltozih, LabelRow("lbltozih", "", 360, 4200, 5895, 855)
                                .at(1)
                                .font(11.25)
                                .fore(kAdvice)
                                .tab(15)
                                .right());
        t.add(&C::lblbahs, LabelRow("lblbahs", "توضيحات   ", 6000, 4200, 1455, 375)
                               .at(1)
                               .font(9.75)
                               .tab(14)
                               .right());
        t.add(&C::lbltozih, LabelRow("lbltozih", "", 360, 2400, 5895, 855)
                                .at(0)
                                .font(11.25)
                                .fore(kAdvice)
                                .tab(13)
                                .right());
        t.add(&C::lblbahs, LabelRow("lblbahs", "توضيحات   ", 6000, 2400, 1455, 375)
                               .at(0)
                               .font(9.75)
                               .tab(12)
                               .right());
        t.add(LabelRow("Label3", "نتايج مدل توماس ", 4200, 3240, 2175, 375)
                  .font(9.75)
                  .tab(11)
                  .right());
        t.add(LabelRow("Label2", "نتاج بر اساس توزيع پوآسون", 4200, 200, 2175, 360)
                  .font(9.75)
                  .tab(10));
        t.add(ShapeRow(3, 6480, 360, 615, 45, kBar));
        t.add(ShapeRow(2, 480, 360, 3615, 45, kBar));
        t.add(ShapeRow(1, 480, 3480, 4455, 45, kBar));
        t.add(ShapeRow(0, 6480, 3480, 615, 45, kBar));
        t.add(&C::lblprob,
              LabelRow("lblprob", "", 2520, 720, 4575, 375).font(11.25).tab(9).right());
        t.add(&C::lbldens,
              LabelRow("lbldens", "", 2520, 1320, 4575, 375).at(0).font(11.25).tab(8).right());
        t.add(&C::lbldens,
              LabelRow("lbldens", "", 2520, 1920, 4575, 375).at(1).font(11.25).tab(7).right());
        t.add(&C::lblthomas,
              LabelRow("lblthomas", "", 2520, 3720, 4575, 375).font(11.25).tab(6).right());
        t.add(ImageRow("Image1", Picture::SmallTexture, 0, 0, 7680, 5805, true));
        return t;
    }();
    return table;
}

}  // namespace tubewise
