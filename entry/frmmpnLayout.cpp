// The tube-data grid's table: five rows of volume, negative and positive cells.
#include <string>

#include "entry/frmmpn.h"
#include "shell/Row.h"

namespace tubewise {

const WindowTable<frmmpn::Controls>& frmmpn::Table() {
    using C = frmmpn::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmmpn", "MPN", 6750, 3975, {192, 0, 0}, true));
        auto rowTop = [](int i) { return 840 + 480 * (i - 1); };
        auto cell = [&](const char* name, int i, int left, int height, int tab) -> ControlSpec {
            return TextBoxRow(name, left, rowTop(i), 1215, height)
                .at(i)
                .font(9.75)
                .back(kClosedCell)
                .tab(tab)
                .centre();
        };
        for (int i = 1; i <= 5; ++i)
            t.add(&C::txtn, cell("txtn", i, 4080, i == 1 ? 345 : 360, 19 - i));
        t.add(&C::cmddilchange,
              ButtonRow("cmddilchange", "تغيير رقت", 4920, 3360, 1455, 375).font(9.75).tab(13));
        for (int i = 5; i >= 1; --i) t.add(&C::txtq, cell("txtq", i, 2160, 360, 5 + i));
        for (int i = 5; i >= 1; --i) t.add(&C::txtp, cell("txtp", i, 600, 360, i));
        t.add(&C::Command1,
              ButtonRow("Command1", "محاسبه ", 600, 3360, 1455, 375).font(9.75).tab(0));
        for (int i = 5; i >= 1; --i)
            t.add(&C::lbseri, LabelRow("lbseri", std::to_string(i), 6000, rowTop(i), 615, 375)
                                  .at(i)
                                  .font(9)
                                  .tab(20 + i));
        t.add(LabelRow("Label1", "شماره  سري لوله ها", 5520, 240, 1095, 495)
                  .font(8.25)
                  .tab(20)
                  .centre());
        t.add(&C::lbln, LabelRow("lbln", "ميلي ليتر نمونه رقيق شده", 3840, 240, 1575, 495)
                            .at(1)
                            .font(8.25)
                            .tab(19)
                            .centre());
        t.add(&C::lblq, LabelRow("lblq", "تعداد لوله هاي منفي", 2160, 240, 1215, 495)
                            .font(8.25)
                            .tab(12)
                            .centre());
        t.add(&C::lblp, LabelRow("lblp", "تعداد لوله هاي مثبت", 600, 240, 1215, 615)
                            .font(8.25)
                            .tab(11)
                            .centre());
        t.add(ImageRow("Image1", Picture::SmallTexture, 0, 0, 6840, 4005, true));
        return t;
    }();
    return table;
}

}  // namespace tubewise
