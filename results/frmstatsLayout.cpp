// The statistics window's table: the exact statistics of the last calculation, the choice of
// its confidence limits and the report's header; not in the published program, drawn in the
// results window's manner.
#include <string>
#include <vector>

#include "core/Texts.h"
#include "results/StatisticsTexts.h"
#include "results/frmstats.h"
#include "shell/Row.h"

namespace tubewise {
namespace {

const text::Text& MethodName(stats::CiMethod method) {
    return method == stats::CiMethod::LikelihoodRatio ? text::kMethodLikelihoodRatio
                                                      : text::kMethodJarvis;
}

}  // namespace

const WindowTable<frmstats::Controls>& frmstats::Table() {
    static_assert(static_cast<int>(kDefaultLevel) == kDefaultLevelIndex);
    using C = frmstats::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmstats", "Statistics", 8400, 8640, {128, 255, 255}, true));
        auto figure = [](int index, int top, int tab) -> ControlSpec {
            return TextBoxRow("txtstat", 480, top, 1815, 375)
                .at(index)
                .font(11.25)
                .tab(tab)
                .centre()
                .readOnly();
        };
        auto caption = [](const char* name, int index, const char* text, int left, int top,
                          int tab) -> ControlSpec {
            Row r = LabelRow(name, text, left, top, 7920 - left, 375);
            if (index >= 0) r.at(index);
            return r.font(11.25).tab(tab).right();
        };
        std::vector<std::string> methods;
        for (stats::CiMethod method : kMethodChoices) methods.push_back(MethodName(method).source);
        std::vector<std::string> levels;
        for (LevelChoice level : kLevelChoices) levels.push_back(LevelText(LevelOf(level)));
        constexpr Colour kAdvice{192, 0, 0};
        t.add(&C::txtstat, figure(0, 600, 0));
        t.add(&C::txtstat, figure(1, 1080, 1));
        t.add(&C::txtstat, figure(2, 1560, 2));
        t.add(&C::cbomethod,
              Row(ControlKind::ComboBox, "cbomethod", methods.front(), 480, 2520, 2655, 375)
                  .items(methods)
                  .font(9.75)
                  .tab(3));
        t.add(&C::cbolevel, Row(ControlKind::ComboBox, "cbolevel",
                                LevelText(LevelOf(kDefaultLevel)), 480, 3000, 1815, 375)
                                .items(levels)
                                .font(9.75)
                                .tab(4));
        t.add(&C::txtstat, figure(3, 3480, 5));
        t.add(&C::txtstat, figure(4, 3960, 6));
        t.add(&C::txtstat, figure(5, 4440, 7));
        t.add(&C::txtsample,
              TextBoxRow("txtsample", 5160, 6360, 1620, 375).font(9.75).tab(8).right());
        t.add(&C::txtanalyst,
              TextBoxRow("txtanalyst", 2520, 6360, 1380, 375).font(9.75).tab(9).right());
        t.add(&C::txtdate, TextBoxRow("txtdate", 480, 6360, 1380, 375).font(9.75).tab(10).centre());
        t.add(&C::cmdcopy, ButtonRow("cmdcopy", "کپي نتيجه", 480, 6900, 2175, 495)
                               .font(11.25)
                               .back({224, 224, 224})
                               .tab(11));
        t.add(&C::cmdreport, ButtonRow("cmdreport", "ذخيره گزارش", 5745, 6900, 2175, 495)
                                 .font(11.25)
                                 .back({128, 255, 128})
                                 .tab(12));
        // Saving to the register: a row of its own below the copy and report buttons.
        t.add(&C::cmdregister, ButtonRow("cmdregister", "ثبت در دفتر", 3112, 7500, 2175, 495)
                                   .font(11.25)
                                   .back({192, 192, 255})
                                   .tab(28));
        // A limit for the report: its conformity line closes the report's exact figures.
        t.add(&C::txtreplimit,
              TextBoxRow("txtreplimit", 3660, 8100, 1200, 375).font(9.75).tab(29).centre());
        t.add(&C::cboreprule,
              Row(ControlKind::ComboBox, "cboreprule", "پذيرش ساده", 480, 8100, 2400, 375)
                  .items({"پذيرش ساده", "پذيرش محافظت شده"})
                  .font(9.75)
                  .tab(30));
        t.add(&C::lblreplimit,
              LabelRow("lblreplimit", "حد مجاز گزارش در 100 ميلي ليتر", 4920, 8100, 3000, 375)
                  .font(9.75)
                  .tab(31)
                  .right());
        t.add(&C::lblreprule,
              LabelRow("lblreprule", "قاعده", 2940, 8100, 660, 375).font(9.75).tab(32).right());
        t.add(LabelRow("lblhead", text::kExactHeading.source, 2520, 200, 5400, 360)
                  .at(0)
                  .font(9.75)
                  .tab(13)
                  .right());
        t.add(LabelRow("lblhead", text::kLimitsHeading.source, 2520, 2100, 5400, 360)
                  .at(1)
                  .font(9.75)
                  .tab(14)
                  .right());
        t.add(&C::lblstat, caption("lblstat", 0, text::kExactPer100Ml.source, 2520, 600, 15));
        t.add(&C::lblstat, caption("lblstat", 1, text::kExactPerMl.source, 2520, 1080, 16));
        t.add(&C::lblstat, caption("lblstat", 2, text::kAdjustedPer100Ml.source, 2520, 1560, 17));
        t.add(&C::lblmethod, caption("lblmethod", -1, text::kMethodCaption.source, 3360, 2520, 18));
        t.add(&C::lbllevel, caption("lbllevel", -1, text::kLevelCaption.source, 2520, 3000, 19));
        t.add(&C::lblstat, caption("lblstat", 3, text::kLowerLimitPer100Ml.source, 2520, 3480, 20));
        t.add(&C::lblstat, caption("lblstat", 4, text::kUpperLimitPer100Ml.source, 2520, 3960, 21));
        t.add(&C::lblstat, caption("lblstat", 5, text::kRarityCaption.source, 2520, 4440, 22));
        t.add(&C::lblwarn, LabelRow("lblwarn", "", 480, 4920, 7440, 600)
                               .font(11.25)
                               .fore(kAdvice)
                               .tab(23)
                               .right());
        t.add(&C::lblverdict, LabelRow("lblverdict", "", 480, 5520, 7440, 600)
                                  .font(11.25)
                                  .fore(kAdvice)
                                  .tab(24)
                                  .right());
        t.add(&C::lblsample,
              LabelRow("lblsample", text::kSampleCaption.source, 6840, 6360, 1080, 375)
                  .font(9.75)
                  .tab(25)
                  .right());
        t.add(&C::lblanalyst,
              LabelRow("lblanalyst", text::kAnalystCaption.source, 3960, 6360, 1080, 375)
                  .font(9.75)
                  .tab(26)
                  .right());
        t.add(&C::lbldate, LabelRow("lbldate", text::kDateCaption.source, 1920, 6360, 540, 375)
                               .font(9.75)
                               .tab(27)
                               .right());
        t.add(&C::lblstatus,
              LabelRow("lblstatus", "", 2760, 6900, 2880, 495).font(9.75).tab(28).centre());
        t.add(ShapeRow(0, 480, 360, 3840, 45, kBar));
        t.add(ShapeRow(1, 480, 2260, 6120, 45, kBar));
        t.add(ShapeRow(2, 480, 6180, 7440, 45, kBar));
        t.add(ImageRow("Image1", Picture::SmallTexture, 0, 0, 8460, 8700, true));
        return t;
    }();
    return table;
}

}  // namespace tubewise
