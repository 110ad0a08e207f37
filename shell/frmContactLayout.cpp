// The contact card's table; the build fills in the author's details.
#include <string>

#include "shell/Row.h"
#include "shell/frmContact.h"

namespace tubewise {

const WindowTable<frmContact::Controls>& frmContact::Table() {
    using C = frmContact::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmContact", "About", 5625, 2415, false));
        constexpr Colour kBlue{0, 0, 255};
        constexpr Colour kPlum{64, 0, 64};
        const std::string mail = " E-Mail: %1" + std::string(7, ' ');
        const std::string phone = "تلفن : %1" + std::string(42, ' ');
        t.add(&C::Label1, LabelRow("Label1", "   کارشناس ارشد بهداشت محيط ", 480, 960, 3735, 375)
                              .at(0)
                              .font(12)
                              .fore(kBlue)
                              .tab(5)
                              .right());
        t.add(&C::Label2, LabelRow("Label2", "بهمن ماه 1388", 240, 600, 1455, 375)
                              .font(11.25)
                              .fore({128, 0, 128})
                              .tab(4));
        t.add(ImageRow("Image2", Picture::Portrait, 4560, 120, 915, 1210, true));
        t.add(&C::Label1, LabelRow("Label1", "Web : %1", 120, 1920, 3495, 375)
                              .filledWith(TUBEWISE_AUTHOR_WEB)
                              .at(4)
                              .font(11.25, "Times New Roman")
                              .fore(kPlum)
                              .tab(3));
        t.add(&C::Label1, LabelRow("Label1", mail, 120, 1560, 3255, 375)
                              .filledWith(TUBEWISE_AUTHOR_EMAIL)
                              .at(3)
                              .font(11.25, "Times New Roman", 0)
                              .fore(kPlum)
                              .tab(2));
        t.add(&C::Label1, LabelRow("Label1", phone, 3600, 1860, 2055, 375)
                              .filledWith(TUBEWISE_AUTHOR_PHONE)
                              .at(2)
                              .font(12)
                              .fore({0, 0, 192})
                              .tab(1)
                              .right());
        t.add(&C::Label1, LabelRow("Label1", " %1  ", 1320, 600, 2895, 375)
                              .filledWith(TUBEWISE_AUTHOR_NAME)
                              .at(1)
                              .font(12)
                              .fore(kBlue)
                              .tab(0)
                              .right());
        t.add(ImageRow("Image1", Picture::LargeBackdrop, 0, 0, 5775, 2385, true));
        return t;
    }();
    return table;
}

}  // namespace tubewise
