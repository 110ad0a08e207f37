// The window tables: every control with its text, place, font, colours and tab order, listed
// front to back.
#include <map>
#include <stdexcept>

#include "core/Texts.h"
#include "results/StatisticsTexts.h"
#include "shell/Layout.h"

namespace tubewise {
namespace {

// Fluent helper so that one table row stays one line.
class Row {
  public:
    Row(ControlKind kind, std::string name, std::string text, int left, int top, int width,
        int height) {
        spec_.kind = kind;
        spec_.name = std::move(name);
        spec_.text = std::move(text);
        spec_.left = left;
        spec_.top = top;
        spec_.width = width;
        spec_.height = height;
    }
    Row& at(int index) {
        spec_.index = index;
        return *this;
    }
    Row& font(double points, std::string face = "Arial", int charset = 178) {
        spec_.font = FontSpec{std::move(face), points, true, charset};
        return *this;
    }
    Row& fore(Colour c) {
        spec_.foreground = c;
        return *this;
    }
    Row& back(Colour c) {
        spec_.background = c;
        return *this;
    }
    Row& tab(int t) {
        spec_.tabIndex = t;
        return *this;
    }
    Row& right() {
        spec_.alignment = Alignment::Right;
        return *this;
    }
    Row& centre() {
        spec_.alignment = Alignment::Center;
        return *this;
    }
    Row& readOnly() {
        spec_.readOnly = true;
        return *this;
    }
    Row& disabled() {
        spec_.enabled = false;
        return *this;
    }
    Row& picture(Picture p, bool stretch = false) {
        spec_.picture = p;
        spec_.stretch = stretch;
        return *this;
    }
    Row& disabledPicture(Picture p) {
        spec_.disabledPicture = p;
        return *this;
    }
    // The text is a source with "%1", which `value` fills.
    Row& filledWith(const std::string& value) {
        spec_.textSource = spec_.text;
        spec_.argument = value;
        spec_.text.replace(spec_.text.find("%1"), 2, value);
        return *this;
    }
    Row& in(std::string container) {
        spec_.container = std::move(container);
        return *this;
    }
    Row& items(std::vector<std::string> list) {
        spec_.items = std::move(list);
        return *this;
    }
    operator ControlSpec() const { return spec_; }

  private:
    ControlSpec spec_;
};

Row Button(std::string name, std::string text, int l, int t, int w, int h) {
    return Row(ControlKind::Button, std::move(name), std::move(text), l, t, w, h)
        .picture(Picture::ButtonTexture);
}
Row Label(std::string name, std::string text, int l, int t, int w, int h) {
    return Row(ControlKind::Label, std::move(name), std::move(text), l, t, w, h);
}
Row TextBox(std::string name, int l, int t, int w, int h) {
    return Row(ControlKind::TextBox, std::move(name), "", l, t, w, h);
}
Row Image(std::string name, Picture p, int l, int t, int w, int h, bool stretch) {
    return Row(ControlKind::Image, std::move(name), "", l, t, w, h).picture(p, stretch);
}
Row Shape(int index, int l, int t, int w, int h, Colour fill) {
    return Row(ControlKind::Shape, "Shape1", "", l, t, w, h).at(index).back(fill);
}

WindowSpec Window(std::string name, std::string caption, int w, int h, bool minimise) {
    WindowSpec s;
    s.name = std::move(name);
    s.caption = std::move(caption);
    s.width = w;
    s.height = h;
    s.minimiseButton = minimise;
    return s;
}

WindowSpec Window(std::string name, std::string caption, int w, int h, Colour bg, bool minimise) {
    WindowSpec s = Window(std::move(name), std::move(caption), w, h, minimise);
    s.backgroundKind = WindowBackground::Colour;
    s.background = bg;
    return s;
}

constexpr Colour kButtonGreen{0, 255, 0};
constexpr Colour kClosedCell{128, 255, 255};
constexpr Colour kBar{192, 255, 192};

WindowSpec About() {
    WindowSpec w = Window("frmabout", "Tubewise", 5970, 2715, {0, 255, 255}, true);
    w.controls = {
        // The language switch, in the free corner above the aphorism; it names the other
        // language.
        Button("cmdlang", "English", 240, 240, 975, 330).font(8.25).back({255, 255, 224}).tab(5),
        Button("cmddarbare", "درباره", 4680, 360, 1095, 400).font(9.75).tab(3),
        Button("cmdenter", "ورود به برنامه", 2160, 1920, 1575, 495)
            .font(9.75)
            .back({192, 192, 255})
            .tab(2),
        Button("cmdblog", "وبلاگ", 4680, 1320, 1095, 400).font(9.75).back(kButtonGreen).tab(1),
        Button("cmdcontact", "تماس", 4680, 840, 1095, 400).font(9.75).back(kButtonGreen).tab(0),
        Label("Label1", "هيچ کس به خرد غايي نرسد ، مگر آن را در خود جستجو کند.      دلفاروت", 120,
              840, 3855, 975)
            .font(12)
            .fore({0, 0, 128})
            .tab(4)
            .right(),
        Image("Image1", Picture::LargeBackdrop, -120, 0, 6135, 2745, true),
    };
    return w;
}

WindowSpec Del() {
    WindowSpec w = Window("frmdel", "", 5010, 1905, false);
    w.backgroundKind = WindowBackground::MenuText;
    w.controls = {
        Button("cmdexit", "خروج", 240, 1200, 1095, 460).font(11.25).tab(2),
        TextBox("txtdilnum", 1680, 720, 1575, 360).font(9).tab(1).centre(),
        Button("cmdset", "ثبت", 3720, 1200, 1095, 460)
            .font(11.25)
            .tab(0)
            .disabled()
            .picture(Picture::SmallTexture)
            .disabledPicture(Picture::ButtonTexture),
        Row(ControlKind::PictureBox, "Picture1", "", 0, 0, 5055, 1935)
            .picture(Picture::SmallTexture)
            .tab(3),
        Label("lbldilno", ".لطفا تعداد دفعات رقيق سازي را وارد کنيد", 480, 240, 3975, 375)
            .font(11.25)
            .tab(4)
            .in("Picture1"),
    };
    return w;
}

WindowSpec Mpn() {
    WindowSpec w = Window("frmmpn", "MPN", 6750, 3975, {192, 0, 0}, true);
    auto rowTop = [](int i) { return 840 + 480 * (i - 1); };
    auto cell = [&](const char* name, int i, int left, int height, int tab) -> ControlSpec {
        return TextBox(name, left, rowTop(i), 1215, height)
            .at(i)
            .font(9.75)
            .back(kClosedCell)
            .tab(tab)
            .centre();
    };
    for (int i = 1; i <= 5; ++i)
        w.controls.push_back(cell("txtn", i, 4080, i == 1 ? 345 : 360, 19 - i));
    w.controls.push_back(
        Button("cmddilchange", "تغيير رقت", 4920, 3360, 1455, 375).font(9.75).tab(13));
    for (int i = 5; i >= 1; --i) w.controls.push_back(cell("txtq", i, 2160, 360, 5 + i));
    for (int i = 5; i >= 1; --i) w.controls.push_back(cell("txtp", i, 600, 360, i));
    w.controls.push_back(Button("Command1", "محاسبه ", 600, 3360, 1455, 375).font(9.75).tab(0));
    for (int i = 5; i >= 1; --i)
        w.controls.push_back(Label("lbseri", std::to_string(i), 6000, rowTop(i), 615, 375)
                                 .at(i)
                                 .font(9)
                                 .tab(20 + i));
    std::vector<ControlSpec> rest = {
        Label("Label1", "شماره  سري لوله ها", 5520, 240, 1095, 495).font(8.25).tab(20).centre(),
        Label("lbln", "ميلي ليتر نمونه رقيق شده", 3840, 240, 1575, 495)
            .at(1)
            .font(8.25)
            .tab(19)
            .centre(),
        Label("lblq", "تعداد لوله هاي منفي", 2160, 240, 1215, 495).font(8.25).tab(12).centre(),
        Label("lblp", "تعداد لوله هاي مثبت", 600, 240, 1215, 615).font(8.25).tab(11).centre(),
        Image("Image1", Picture::SmallTexture, 0, 0, 6840, 4005, true),
    };
    w.controls.insert(w.controls.end(), rest.begin(), rest.end());
    return w;
}

WindowSpec Result() {
    WindowSpec w = Window("frmresult", "Results", 7620, 5820, {128, 255, 255}, false);
    auto box = [](int index, int top, int width, int tab) -> ControlSpec {
        Row r = TextBox(index < 0 ? "txtthomas" : "txtresult", 480, top, width, 375);
        if (index >= 0) r.at(index);
        return r.font(11.25).tab(tab).centre().readOnly();
    };
    constexpr Colour kAdvice{192, 0, 0};
    w.controls = {
        box(-1, 3720, 1815, 5),
        Button("cmdreturn", "بازگشت", 240, 5160, 1455, 495).font(11.25).tab(4),
        box(2, 1920, 1815, 3),
        box(1, 1320, 1815, 2),
        Button("Command1", "منحني توزيع پوآسون ", 5280, 5160, 2175, 495)
            .font(11.25)
            .back({224, 224, 224})
            .tab(1),
        // Added to the published window in its free space between the two buttons.
        Button("cmdstats", "برآورد دقيق و حدود اطمينان", 1935, 5160, 3105, 495)
            .font(11.25)
            .back({224, 224, 224})
            .tab(16),
        box(0, 720, 2415, 0),
        Label("lbltozih", "", 360, 4200, 5895, 855).at(1).font(11.25).fore(kAdvice).tab(15).right(),
        Label("lblbahs", "توضيحات   ", 6000, 4200, 1455, 375).at(1).font(9.75).tab(14).right(),
        Label("lbltozih", "", 360, 2400, 5895, 855).at(0).font(11.25).fore(kAdvice).tab(13).right(),
        Label("lblbahs", "توضيحات   ", 6000, 2400, 1455, 375).at(0).font(9.75).tab(12).right(),
        Label("Label3", "نتايج مدل توماس ", 4200, 3240, 2175, 375).font(9.75).tab(11).right(),
        Label("Label2", "نتاج بر اساس توزيع پوآسون", 4200, 200, 2175, 360).font(9.75).tab(10),
        Shape(3, 6480, 360, 615, 45, kBar),
        Shape(2, 480, 360, 3615, 45, kBar),
        Shape(1, 480, 3480, 4455, 45, kBar),
        Shape(0, 6480, 3480, 615, 45, kBar),
        Label("lblprob", "", 2520, 720, 4575, 375).font(11.25).tab(9).right(),
        Label("lbldens", "", 2520, 1320, 4575, 375).at(0).font(11.25).tab(8).right(),
        Label("lbldens", "", 2520, 1920, 4575, 375).at(1).font(11.25).tab(7).right(),
        Label("lblthomas", "", 2520, 3720, 4575, 375).font(11.25).tab(6).right(),
        Image("Image1", Picture::SmallTexture, 0, 0, 7680, 5805, true),
    };
    return w;
}

// The exact statistics of the last calculation, the choice of its confidence limits and the
// report's header; not in the published program, drawn in the results window's manner.
WindowSpec Stats() {
    WindowSpec w = Window("frmstats", "Statistics", 8400, 7560, {128, 255, 255}, true);
    auto figure = [](int index, int top, int tab) -> ControlSpec {
        return TextBox("txtstat", 480, top, 1815, 375)
            .at(index)
            .font(11.25)
            .tab(tab)
            .centre()
            .readOnly();
    };
    auto caption = [](const char* name, int index, const char* text, int left, int top,
                      int tab) -> ControlSpec {
        Row r = Label(name, text, left, top, 7920 - left, 375);
        if (index >= 0) r.at(index);
        return r.font(11.25).tab(tab).right();
    };
    std::vector<std::string> levels;
    for (double level : kOfferedLevels) levels.push_back(LevelText(level));
    constexpr Colour kAdvice{192, 0, 0};
    w.controls = {
        figure(0, 600, 0),
        figure(1, 1080, 1),
        figure(2, 1560, 2),
        Row(ControlKind::ComboBox, "cbomethod", text::kMethodJarvis.source, 480, 2520, 2655, 375)
            .items({text::kMethodJarvis.source, text::kMethodLikelihoodRatio.source})
            .font(9.75)
            .tab(3),
        Row(ControlKind::ComboBox, "cbolevel", LevelText(kOfferedLevels[kDefaultLevelIndex]), 480,
            3000, 1815, 375)
            .items(levels)
            .font(9.75)
            .tab(4),
        figure(3, 3480, 5),
        figure(4, 3960, 6),
        figure(5, 4440, 7),
        TextBox("txtsample", 5160, 6360, 1620, 375).font(9.75).tab(8).right(),
        TextBox("txtanalyst", 2520, 6360, 1380, 375).font(9.75).tab(9).right(),
        TextBox("txtdate", 480, 6360, 1380, 375).font(9.75).tab(10).centre(),
        Button("cmdcopy", "کپي نتيجه", 480, 6900, 2175, 495)
            .font(11.25)
            .back({224, 224, 224})
            .tab(11),
        Button("cmdreport", "ذخيره گزارش", 5745, 6900, 2175, 495)
            .font(11.25)
            .back({128, 255, 128})
            .tab(12),
        Label("lblhead", text::kExactHeading.source, 2520, 200, 5400, 360)
            .at(0)
            .font(9.75)
            .tab(13)
            .right(),
        Label("lblhead", text::kLimitsHeading.source, 2520, 2100, 5400, 360)
            .at(1)
            .font(9.75)
            .tab(14)
            .right(),
        caption("lblstat", 0, text::kExactPer100Ml.source, 2520, 600, 15),
        caption("lblstat", 1, text::kExactPerMl.source, 2520, 1080, 16),
        caption("lblstat", 2, text::kAdjustedPer100Ml.source, 2520, 1560, 17),
        caption("lblmethod", -1, text::kMethodCaption.source, 3360, 2520, 18),
        caption("lbllevel", -1, text::kLevelCaption.source, 2520, 3000, 19),
        caption("lblstat", 3, text::kLowerLimitPer100Ml.source, 2520, 3480, 20),
        caption("lblstat", 4, text::kUpperLimitPer100Ml.source, 2520, 3960, 21),
        caption("lblstat", 5, text::kRarityCaption.source, 2520, 4440, 22),
        Label("lblwarn", "", 480, 4920, 7440, 600).font(11.25).fore(kAdvice).tab(23).right(),
        Label("lblverdict", "", 480, 5520, 7440, 600).font(11.25).fore(kAdvice).tab(24).right(),
        Label("lblsample", text::kSampleCaption.source, 6840, 6360, 1080, 375)
            .font(9.75)
            .tab(25)
            .right(),
        Label("lblanalyst", text::kAnalystCaption.source, 3960, 6360, 1080, 375)
            .font(9.75)
            .tab(26)
            .right(),
        Label("lbldate", text::kDateCaption.source, 1920, 6360, 540, 375)
            .font(9.75)
            .tab(27)
            .right(),
        Shape(0, 480, 360, 3840, 45, kBar),
        Shape(1, 480, 2260, 6120, 45, kBar),
        Shape(2, 480, 6180, 7440, 45, kBar),
        Image("Image1", Picture::SmallTexture, 0, 0, 8460, 7620, true),
    };
    return w;
}

WindowSpec Graph() {
    WindowSpec w = Window("frmgraph", "Graph", 10800, 6960, {128, 255, 255}, true);
    w.controls = {
        Row(ControlKind::Chart, "ChartSpace1", "", 0, 0, 10815, 6120).tab(1),
        Row(ControlKind::SaveDialog, "dlgsave", "", 0, 0, 0, 0),
        Button("Command1", "ذخيره شود", 9120, 6360, 1455, 495)
            .font(9.75)
            .back({128, 255, 128})
            .tab(0),
        Image("Image1", Picture::SmallTexture, 0, 6120, 10920, 885, true),
    };
    return w;
}

WindowSpec Contact() {
    WindowSpec w = Window("frmContact", "About", 5625, 2415, false);
    constexpr Colour kBlue{0, 0, 255};
    constexpr Colour kPlum{64, 0, 64};
    const std::string mail = " E-Mail: %1" + std::string(7, ' ');
    const std::string phone = "تلفن : %1" + std::string(42, ' ');
    w.controls = {
        Label("Label1", "   کارشناس ارشد بهداشت محيط ", 480, 960, 3735, 375)
            .at(0)
            .font(12)
            .fore(kBlue)
            .tab(5)
            .right(),
        Label("Label2", "بهمن ماه 1388", 240, 600, 1455, 375)
            .font(11.25)
            .fore({128, 0, 128})
            .tab(4),
        Image("Image2", Picture::Portrait, 4560, 120, 915, 1210, true),
        Label("Label1", "Web : %1", 120, 1920, 3495, 375)
            .filledWith(TUBEWISE_AUTHOR_WEB)
            .at(4)
            .font(11.25, "Times New Roman")
            .fore(kPlum)
            .tab(3),
        Label("Label1", mail, 120, 1560, 3255, 375)
            .filledWith(TUBEWISE_AUTHOR_EMAIL)
            .at(3)
            .font(11.25, "Times New Roman", 0)
            .fore(kPlum)
            .tab(2),
        Label("Label1", phone, 3600, 1860, 2055, 375)
            .filledWith(TUBEWISE_AUTHOR_PHONE)
            .at(2)
            .font(12)
            .fore({0, 0, 192})
            .tab(1)
            .right(),
        Label("Label1", " %1  ", 1320, 600, 2895, 375)
            .filledWith(TUBEWISE_AUTHOR_NAME)
            .at(1)
            .font(12)
            .fore(kBlue)
            .tab(0)
            .right(),
        Image("Image1", Picture::LargeBackdrop, 0, 0, 5775, 2385, true),
    };
    return w;
}

WindowSpec Darbare() {
    WindowSpec w = Window("frmdarbare", "MPN", 6690, 3825, false);
    w.controls = {
        Label("Label2",
              std::string(
                  "اين نرم افزار به منظور برآورد تعداد باکتري هاي موجود در يک نمونه آب يا فاضلاب "
                  "با استفاده از توزيع آماري پوآسون و روش توماس تدوين شده است. به دنبال تعيين "
                  "بيشترين احتمال وجود يا عدم وجود باکتري در تعداد مشخصي از لوله هاي آزمايش ، "
                  "تعداد .باکتري در هر ميلي ليتر از نمونه مورد نظر برآورد ميگردد  ") +
                  "\r",
              120, 1440, 6135, 3015)
            .font(12)
            .fore({0, 0, 128})
            .tab(1)
            .right(),
        Label("Label1", "شماره نسخه : 1/0    رايگان  ", 3960, 1080, 2415, 375)
            .at(0)
            .font(12)
            .fore({0, 64, 0})
            .tab(0)
            .right(),
        Image("Image1", Picture::LargeBackdrop, -360, -600, 10470, 7785, false),
    };
    return w;
}

using Tables = std::map<std::string, WindowSpec, std::less<>>;

const Tables& AllTables() {
    // Built once on first use and never changed afterwards.
    static const Tables tables = [] {
        std::map<std::string, WindowSpec, std::less<>> t;
        for (WindowSpec w :
             {About(), Del(), Mpn(), Result(), Graph(), Contact(), Darbare(), Stats()})
            t.emplace(w.name, std::move(w));
        return t;
    }();
    return tables;
}

}  // namespace

const WindowSpec& LayoutOf(std::string_view formName) {
    const Tables& tables = AllTables();
    auto it = tables.find(formName);
    if (it == tables.end())
        throw std::out_of_range("no layout for window " + std::string(formName));
    return it->second;
}

std::vector<std::string> LayoutNames() {
    std::vector<std::string> names;
    for (const auto& entry : AllTables()) names.push_back(entry.first);
    return names;
}

}  // namespace tubewise
