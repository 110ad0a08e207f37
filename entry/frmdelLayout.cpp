// The dilution-count dialog's table.
#include "entry/frmdel.h"
#include "shell/Row.h"

namespace tubewise {

const WindowTable<frmdel::Controls>& frmdel::Table() {
    using C = frmdel::Controls;
    static const WindowTable<C> table = [] {
        WindowSpec window = WindowRow("frmdel", "", 5010, 1905, false);
        window.backgroundKind = WindowBackground::MenuText;
        WindowTable<C> t(std::move(window));
        t.add(&C::cmdexit, ButtonRow("cmdexit", "خروج", 240, 1200, 1095, 460).font(11.25).tab(2));
        t.add(&C::txtdilnum, TextBoxRow("txtdilnum", 1680, 720, 1575, 360).font(9).tab(1).centre());
        t.add(&C::cmdset, ButtonRow("cmdset", "ثبت", 3720, 1200, 1095, 460)
                              .font(11.25)
                              .tab(0)
                              .disabled()
                              .picture(Picture::SmallTexture)
                              .disabledPicture(Picture::ButtonTexture));
        t.add(Row(ControlKind::PictureBox, "Picture1", "", 0, 0, 5055, 1935)
                  .picture(Picture::SmallTexture)
                  .tab(3));
        t.add(&C::lbldilno,
              LabelRow("lbldilno", ".لطفا تعداد دفعات رقيق سازي را وارد کنيد", 480, 240, 3975, 375)
                  .font(11.25)
                  .tab(4)
                  .in("Picture1"));
        return t;
    }();
    return table;
}

}  // namespace tubewise
