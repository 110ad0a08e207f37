// The site window's table: the site and its period across the top, the limit and how it is
// judged under them, the profile's name and the rolling line's days on the third row; the
// chart and the statistics (made by the window) fill the middle, the report and CSV buttons
// stand at the bottom.
#include <string>
#include <vector>

#include "core/Texts.h"
#include "shell/Row.h"
#include "site/frmsite.h"

namespace tubewise {

const WindowTable<frmsite::Controls>& frmsite::Table() {
    using C = frmsite::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(
            WindowRow("frmsite", "آمار محل نمونه برداري", 12000, 9000, {224, 240, 255}, true));
        // A box or list under its caption, both from `left` for `width` twips.
        auto caption = [](const char* name, const char* text, int left, int top, int width,
                          int tab) {
            return LabelRow(name, text, left, top, width, 330).font(9.75).tab(tab).right();
        };
        auto list = [](const char* name, std::vector<std::string> items, int left, int top,
                       int width, int tab) {
            const std::string first = items.front();
            return Row(ControlKind::ComboBox, name, first, left, top, width, 375)
                .items(std::move(items))
                .font(9.75)
                .tab(tab);
        };
        auto box = [](const char* name, int left, int top, int width, int tab) {
            return TextBoxRow(name, left, top, width, 375).font(9.75).tab(tab).right();
        };
        auto button = [](const char* name, const char* text, int left, int top, int width,
                         Colour back, int tab) {
            return ButtonRow(name, text, left, top, width, 495).font(9.75).back(back).tab(tab);
        };
        constexpr int kCaptionA = 120, kBoxA = 450, kCaptionB = 930, kBoxB = 1260, kRowC = 1800;

        // The site and its period.
        t.add(&C::cbosite,
              Row(ControlKind::ComboBox, "cbosite", "", 9360, kBoxA, 2400, 375).font(9.75).tab(0));
        t.add(&C::cboperiod, list("cboperiod", {"بازه تاريخ", "آخرين نمونه ها", "روزهاي اخير"},
                                  7320, kBoxA, 1920, 1));
        t.add(&C::txtfrom, box("txtfrom", 5760, kBoxA, 1440, 2).centre());
        t.add(&C::txtto, box("txtto", 4200, kBoxA, 1440, 3).centre());
        t.add(&C::txtcount, box("txtcount", 2640, kBoxA, 1440, 4).centre());
        t.add(&C::cmdshow, button("cmdshow", "نمايش", 240, 420, 2160, {192, 192, 255}, 5));

        // The limit and how the samples are held to it.
        t.add(&C::cboprofile, list("cboprofile", {"بدون حد"}, 9360, kBoxB, 2400, 6));
        t.add(&C::cbostatistic,
              list("cbostatistic",
                   {text::kStatisticSingleSample.source, text::kStatisticGeometricMean.source,
                    text::kStatisticPercentile90.source, text::kStatisticPercentile95.source},
                   7320, kBoxB, 1920, 7));
        t.add(&C::txtlimit, box("txtlimit", 5760, kBoxB, 1440, 8).centre());
        t.add(&C::cborule,
              list("cborule", {"پذيرش ساده", "پذيرش محافظت شده"}, 3480, kBoxB, 2160, 9));
        t.add(&C::cbonondetect,
              list("cbonondetect", {"با حد تشخيص", "با نصف حد تشخيص"}, 240, kBoxB, 3120, 10));

        // The profile's name, its buttons, and the rolling line.
        t.add(&C::txtprofilename, box("txtprofilename", 7320, kRowC, 2760, 11));
        t.add(&C::cmdsaveprofile,
              button("cmdsaveprofile", "ذخيره حد", 5280, kRowC - 60, 1920, {128, 255, 128}, 12));
        t.add(&C::cmddeleteprofile,
              button("cmddeleteprofile", "حذف حد", 3240, kRowC - 60, 1920, {224, 224, 224}, 13));
        t.add(&C::txtrolling, box("txtrolling", 240, kRowC, 840, 14).centre());

        t.add(&C::chtsite, Row(ControlKind::Chart, "chtsite", "", 240, 2400, 7680, 5760).tab(15));
        t.add(&C::cmdreport,
              button("cmdreport", "ذخيره گزارش", 9480, 8340, 2280, {128, 255, 128}, 16));
        t.add(&C::cmdcsv, button("cmdcsv", "ذخيره CSV", 7080, 8340, 2280, {224, 224, 224}, 17));

        t.add(&C::lblsite, caption("lblsite", "محل نمونه برداري", 9360, kCaptionA, 2400, 20));
        t.add(&C::lblperiod, caption("lblperiod", "دوره", 7320, kCaptionA, 1920, 21));
        t.add(&C::lblfrom, caption("lblfrom", "از تاريخ", 5760, kCaptionA, 1440, 22));
        t.add(&C::lblto, caption("lblto", "تا تاريخ", 4200, kCaptionA, 1440, 23));
        // The count's caption names samples or days, as the period's kind asks.
        t.add(&C::lblcount, caption("lblcount", "", 2640, kCaptionA, 1440, 24));
        t.add(&C::lblprofile, caption("lblprofile", "حد مجاز", 9360, kCaptionB, 2400, 25));
        t.add(&C::lblstatistic, caption("lblstatistic", "آماره", 7320, kCaptionB, 1920, 26));
        t.add(&C::lbllimit, caption("lbllimit", "حد در 100 ميلي ليتر", 5760, kCaptionB, 1440, 27));
        t.add(&C::lblrule, caption("lblrule", "قاعده تصميم", 3480, kCaptionB, 2160, 28));
        t.add(&C::lblnondetect,
              caption("lblnondetect", "نمونه بدون لوله مثبت", 240, kCaptionB, 3120, 29));
        t.add(&C::lblprofilename, caption("lblprofilename", "نام حد", 10200, kRowC, 1560, 30));
        t.add(&C::lblrolling, caption("lblrolling", "روزهاي ميانگين متحرک", 1140, kRowC, 2040, 31));
        return t;
    }();
    return table;
}

}  // namespace tubewise
