// The save dialog's table: five fields of the sample, the reason of a correction, the holding
// flag and two buttons.
#include "register/frmregsave.h"
#include "shell/Row.h"

namespace tubewise {

const WindowTable<frmregsave::Controls>& frmregsave::Table() {
    using C = frmregsave::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(
            WindowRow("frmregsave", "ثبت در دفتر", 6240, 4680, {224, 224, 255}, false));
        auto box = [](const char* name, int top, int tab) {
            return TextBoxRow(name, 240, top, 3720, 375).font(9.75).tab(tab).right();
        };
        auto caption = [](const char* name, const char* text, int top, int tab) {
            return LabelRow(name, text, 4080, top, 1920, 375).font(9.75).tab(tab).right();
        };
        t.add(&C::lblcorrection, LabelRow("lblcorrection", "", 240, 120, 5760, 375)
                                     .font(9.75)
                                     .fore({0, 0, 128})
                                     .tab(20)
                                     .right());
        t.add(&C::txtsampleid, box("txtsampleid", 600, 0));
        t.add(&C::txtsite, box("txtsite", 1080, 1));
        t.add(&C::txtsampled, box("txtsampled", 1560, 2));
        t.add(&C::txtreceived, box("txtreceived", 2040, 3));
        t.add(&C::txtreganalyst, box("txtreganalyst", 2520, 4));
        t.add(&C::txtreason, box("txtreason", 3000, 5));
        t.add(&C::cmdsave, ButtonRow("cmdsave", "ثبت", 3840, 3960, 1800, 495)
                               .font(9.75)
                               .back({128, 255, 128})
                               .tab(6));
        t.add(&C::cmdcancel, ButtonRow("cmdcancel", "انصراف", 600, 3960, 1800, 495)
                                 .font(9.75)
                                 .back({224, 224, 224})
                                 .tab(7));
        t.add(&C::lblsampleid, caption("lblsampleid", "شناسه نمونه", 600, 8));
        t.add(&C::lblsite, caption("lblsite", "محل نمونه برداري", 1080, 9));
        t.add(&C::lblsampled, caption("lblsampled", "زمان نمونه برداري", 1560, 10));
        t.add(&C::lblreceived, caption("lblreceived", "زمان دريافت", 2040, 11));
        t.add(&C::lblreganalyst, caption("lblreganalyst", "آزمايشگر", 2520, 12));
        t.add(&C::lblreason, caption("lblreason", "دليل اصلاح", 3000, 13));
        t.add(&C::lblholding, LabelRow("lblholding", "", 240, 3480, 5760, 375)
                                  .font(9.75)
                                  .fore({192, 0, 0})
                                  .tab(14)
                                  .right());
        return t;
    }();
    return table;
}

}  // namespace tubewise
