// The register window's table: the search across the top, the register's location under it,
// and the buttons for the chosen record at the bottom; the records' table and the record's
// details fill the middle (made by the window, symmetric so both languages place them alike).
#include "register/frmregister.h"
#include "shell/Row.h"

namespace tubewise {

const WindowTable<frmregister::Controls>& frmregister::Table() {
    using C = frmregister::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(
            WindowRow("frmregister", "دفتر نمونه ها", 14400, 9000, {224, 240, 255}, true));
        // Five search boxes from the right, each under its caption.
        auto box = [](const char* name, int slot, int tab) {
            return TextBoxRow(name, 14160 - (slot + 1) * 2400 + 120, 480, 2280, 375)
                .font(9.75)
                .tab(tab)
                .right();
        };
        auto caption = [](const char* name, const char* text, int slot, int tab) {
            return LabelRow(name, text, 14160 - (slot + 1) * 2400 + 120, 120, 2280, 330)
                .font(9.75)
                .tab(tab)
                .right();
        };
        t.add(&C::txtfindsample, box("txtfindsample", 0, 0));
        t.add(&C::txtfindsite, box("txtfindsite", 1, 1));
        t.add(&C::txtfrom, box("txtfrom", 2, 2).centre());
        t.add(&C::txtto, box("txtto", 3, 3).centre());
        t.add(&C::txtfindanalyst, box("txtfindanalyst", 4, 4));
        t.add(&C::cmdfind, ButtonRow("cmdfind", "جستجو", 240, 420, 1320, 495)
                               .font(9.75)
                               .back({192, 192, 255})
                               .tab(5));
        t.add(&C::txtlocation, TextBoxRow("txtlocation", 1920, 1020, 10320, 375).font(9).tab(10));
        t.add(&C::cmdlocation, ButtonRow("cmdlocation", "باز کردن دفتر", 240, 960, 1560, 495)
                                   .font(9.75)
                                   .back({224, 224, 224})
                                   .tab(11));
        t.add(&C::cmdcorrect, ButtonRow("cmdcorrect", "اصلاح رکورد", 11880, 8340, 2280, 495)
                                  .font(9.75)
                                  .back({255, 224, 160})
                                  .tab(7));
        t.add(&C::cmdreprint, ButtonRow("cmdreprint", "چاپ دوباره گزارش", 6060, 8340, 2280, 495)
                                  .font(9.75)
                                  .back({128, 255, 128})
                                  .tab(8));
        t.add(&C::cmdexport, ButtonRow("cmdexport", "ذخيره CSV", 240, 8340, 2280, 495)
                                 .font(9.75)
                                 .back({224, 224, 224})
                                 .tab(9));
        t.add(&C::cmdsite, ButtonRow("cmdsite", "آمار محل", 3150, 8340, 2280, 495)
                               .font(9.75)
                               .back({192, 192, 255})
                               .tab(18));
        t.add(&C::lblfindsample, caption("lblfindsample", "شناسه نمونه", 0, 12));
        t.add(&C::lblfindsite, caption("lblfindsite", "محل", 1, 13));
        t.add(&C::lblfrom, caption("lblfrom", "از تاريخ", 2, 14));
        t.add(&C::lblto, caption("lblto", "تا تاريخ", 3, 15));
        t.add(&C::lblfindanalyst, caption("lblfindanalyst", "آزمايشگر", 4, 16));
        t.add(
            &C::lbllocation,
            LabelRow("lbllocation", "محل دفتر", 12360, 1020, 1800, 375).font(9.75).tab(17).right());
        return t;
    }();
    return table;
}

}  // namespace tubewise
