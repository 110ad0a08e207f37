// The about box's table.
#include <string>

#include "shell/Row.h"
#include "shell/frmdarbare.h"

namespace tubewise {

const WindowTable<frmdarbare::Controls>& frmdarbare::Table() {
    using C = frmdarbare::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmdarbare", "MPN", 6690, 3825, false));
        t.add(&C::Label2,
              LabelRow("Label2",
                       std::string("اين نرم افزار به منظور برآورد تعداد باکتري هاي موجود در يک "
                                   "نمونه آب يا فاضلاب "
                                   "با استفاده از توزيع آماري پوآسون و روش توماس تدوين شده است. "
                                   "به دنبال تعيين "
                                   "بيشترين احتمال وجود يا عدم وجود باکتري در تعداد مشخصي از "
                                   "لوله هاي آزمايش ، "
                                   "تعداد .باکتري در هر ميلي ليتر از نمونه مورد نظر برآورد "
                                   "ميگردد  ") +
                           "\r",
                       120, 1440, 6135, 3015)
                  .font(12)
                  .fore({0, 0, 128})
                  .tab(1)
                  .right());
        t.add(&C::Label1, LabelRow("Label1", "شماره نسخه : 1/0    رايگان  ", 3960, 1080, 2415, 375)
                              .at(0)
                              .font(12)
                              .fore({0, 64, 0})
                              .tab(0)
                              .right());
        // The build, above the version line; filled in by the window.
        t.add(&C::lblbuild, LabelRow("lblbuild", "", 240, 240, 4200, 300)
                                .font(8.25, "Arial", 0)
                                .fore({0, 64, 0})
                                .tab(2));
        t.add(ImageRow("Image1", Picture::LargeBackdrop, -360, -600, 10470, 7785, false));
        return t;
    }();
    return table;
}

}  // namespace tubewise
