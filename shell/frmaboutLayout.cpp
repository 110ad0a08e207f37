// The welcome window's table.
#include "shell/Row.h"
#include "shell/frmabout.h"

namespace tubewise {

const WindowTable<frmabout::Controls>& frmabout::Table() {
    using C = frmabout::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmabout", "Tubewise", 5970, 2715, {0, 255, 255}, true));
        // The language switch, in the free corner above the aphorism; it names the other
        // language.
        t.add(&C::cmdlang, ButtonRow("cmdlang", "English", 240, 240, 975, 330)
                               .font(8.25)
                               .back({255, 255, 224})
                               .tab(5));
        t.add(&C::cmddarbare,
              ButtonRow("cmddarbare", "درباره", 4680, 360, 1095, 400).font(9.75).tab(3));
        t.add(&C::cmdenter, ButtonRow("cmdenter", "ورود به برنامه", 2160, 1920, 1575, 495)
                                .font(9.75)
                                .back({192, 192, 255})
                                .tab(2));
        t.add(&C::cmdblog, ButtonRow("cmdblog", "وبلاگ", 4680, 1320, 1095, 400)
                               .font(9.75)
                               .back(kButtonGreen)
                               .tab(1));
        t.add(&C::cmdcontact, ButtonRow("cmdcontact", "تماس", 4680, 840, 1095, 400)
                                  .font(9.75)
                                  .back(kButtonGreen)
                                  .tab(0));
        // The sample register, beside the way into the program.
        t.add(&C::cmdregister, ButtonRow("cmdregister", "دفتر نمونه ها", 360, 1920, 1575, 495)
                                   .font(9.75)
                                   .back({255, 255, 192})
                                   .tab(6));
        t.add(
            &C::Label1,
            LabelRow("Label1", "هيچ کس به خرد غايي نرسد ، مگر آن را در خود جستجو کند.      دلفاروت",
                     120, 840, 3855, 975)
                .font(12)
                .fore({0, 0, 128})
                .tab(4)
                .right());
        t.add(&C::cmdtray, ButtonRow("cmdtray", "سيني و پليت", 3840, 1920, 1935, 495)
                               .font(9.75)
                               .back({192, 192, 255})
                               .tab(7));
        // The self-check of this installation against the published tables, in the free space
        // beside the language switch.
        t.add(&C::cmdvalidate, ButtonRow("cmdvalidate", "اعتبارسنجي برنامه", 1440, 240, 2040, 400)
                                   .font(8.25)
                                   .back({224, 224, 224})
                                   .tab(8));
        t.add(ImageRow("Image1", Picture::LargeBackdrop, -120, 0, 6135, 2745, true));
        return t;
    }();
    return table;
}

}  // namespace tubewise
