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
            WindowRow("frmsite", "آمار محل نمونه برداري", 14400, 9600, {224, 240, 255}, true));
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
              Row(ControlKind::ComboBox, "cbosite", "", 11280, kBoxA, 2880, 375).font(9.75).tab(0));
        t.add(&C::cboperiod, list("cboperiod", {"بازه تاريخ", "آخرين نمونه ها", "روزهاي اخير"},
                                  9120, kBoxA, 2040, 1));
        t.add(&C::txtfrom, box("txtfrom", 7320, kBoxA, 1680, 2).centre());
        t.add(&C::txtto, box("txtto", 5520, kBoxA, 1680, 3).centre());
        t.add(&C::txtcount, box("txtcount", 3720, kBoxA, 1680, 4).centre());
        t.add(&C::cmdshow, button("cmdshow", "نمايش", 240, 420, 2160, {192, 192, 255}, 5));

        // The limit and how the samples are held to it.
        t.add(&C::cboprofile, list("cboprofile", {"بدون حد"}, 11280, kBoxB, 2880, 6));
        t.add(&C::cbostatistic,
              list("cbostatistic",
                   {text::kStatisticSingleSample.source, text::kStatisticGeometricMean.source,
                    text::kStatisticPercentile90.source, text::kStatisticPercentile95.source},
                   9120, kBoxB, 2040, 7));
        t.add(&C::txtlimit, box("txtlimit", 6840, kBoxB, 2160, 8).centre());
        t.add(&C::cborule,
              list("cborule", {"پذيرش ساده", "پذيرش محافظت شده"}, 4320, kBoxB, 2400, 9));
        t.add(&C::cbonondetect,
              list("cbonondetect", {"با حد تشخيص", "با نصف حد تشخيص"}, 240, kBoxB, 3960, 10));

        // The profile's name, its buttons, and the rolling line.
        t.add(&C::txtprofilename, box("txtprofilename", 9120, kRowC, 3360, 11));
        t.add(&C::cmdsaveprofile,
              button("cmdsaveprofile", "ذخيره حد", 6960, kRowC - 60, 2040, {128, 255, 128}, 12));
        t.add(&C::cmddeleteprofile,
              button("cmddeleteprofile", "حذف حد", 4800, kRowC - 60, 2040, {224, 224, 224}, 13));
        t.add(&C::txtrolling, box("txtrolling", 240, kRowC, 840, 14).centre());

        t.add(&C::chtsite, Row(ControlKind::Chart, "chtsite", "", 240, 2400, 9720, 6240).tab(15));
        t.add(&C::cmdreport,
              button("cmdreport", "ذخيره گزارش", 11880, 8880, 2280, {128, 255, 128}, 16));
        t.add(&C::cmdcsv, button("cmdcsv", "ذخيره CSV", 9480, 8880, 2280, {224, 224, 224}, 17));

        t.add(&C::lblsite, caption("lblsite", "محل نمونه برداري", 11280, kCaptionA, 2880, 20));
        t.add(&C::lblperiod, caption("lblperiod", "دوره", 9120, kCaptionA, 2040, 21));
        t.add(&C::lblfrom, caption("lblfrom", "از تاريخ", 7320, kCaptionA, 1680, 22));
        t.add(&C::lblto, caption("lblto", "تا تاريخ", 5520, kCaptionA, 1680, 23));
        // The count's caption names samples or days, as the period's kind asks.
        t.add(&C::lblcount, caption("lblcount", "", 3720, kCaptionA, 1680, 24));
        t.add(&C::lblprofile, caption("lblprofile", "حد مجاز", 11280, kCaptionB, 2880, 25));
        t.add(&C::lblstatistic, caption("lblstatistic", "آماره", 9120, kCaptionB, 2040, 26));
        t.add(&C::lbllimit, caption("lbllimit", "حد در 100 ميلي ليتر", 6840, kCaptionB, 2160, 27));
        t.add(&C::lblrule, caption("lblrule", "قاعده تصميم", 4320, kCaptionB, 2400, 28));
        t.add(&C::lblnondetect,
              caption("lblnondetect", "نمونه بدون لوله مثبت", 240, kCaptionB, 3960, 29));
        t.add(&C::lblprofilename, caption("lblprofilename", "نام حد", 12600, kRowC, 1560, 30));
        t.add(&C::lblrolling, caption("lblrolling", "روزهاي ميانگين متحرک", 1140, kRowC, 2220, 31));
        return t;
    }();
    return table;
}

}  // namespace tubewise
