// The program's fixed texts other than the window tables' captions: prompts and titles of its
// message boxes, the results window's texts and the chart's captions. UTF-8, with every blank;
// a full stop or exclamation mark that ends a right-to-left sentence is stored first, as the
// windows lay these texts out in left-to-right paragraphs. The Persian texts are the source
// texts of the translations (i18n/): lupdate reads them here, inside QT_TRANSLATE_NOOP, and Tr
// shows them in the language of the run.
#pragma once

#include <string>
#include <string_view>

// The core has no Qt; these are Qt's own markers, so that lupdate finds the texts.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace tubewise::text {

// A text of the catalogue, by its Persian source. Only Tr turns it into something to show.
struct Text {
    const char* source;
};

// The translation context of every catalogue text.
inline constexpr char kContext[] = "tubewise::text";

// Message box titles.
inline constexpr Text kWrongInputTitle{QT_TRANSLATE_NOOP("tubewise::text", "ورودي اشتباه")};
inline constexpr Text kNoDataTitle{QT_TRANSLATE_NOOP("tubewise::text", " عدم ورود داده")};
inline constexpr Text kErrorTitle{QT_TRANSLATE_NOOP("tubewise::text", "خطا")};

// Prompts of refused input.
inline constexpr Text kEmptyCellsPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "!  خانه هاي خالي را مقدار دهي کنيد ")};
inline constexpr Text kNumbersOnlyPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! فقط عدد وارد شود ")};
inline constexpr Text kWholeOneToFivePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! فقط عدد صحيح بين 1 تا 5 وارد شود")};
inline constexpr Text kNoCountPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تعدادفعات رقيق سازي وارد نشده است")};
inline constexpr Text kUncomputablePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! مقادير وارد شده قابل محاسبه نيست")};
inline constexpr Text kPictureNotSavedPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تصوير ذخيره نشد")};
// Prompts that name the grid row to mend; "%1" stands for the row's number.
inline constexpr Text kVolumeNotPositivePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! حجم نمونه در رديف %1 بايد بيشتر از صفر باشد")};
inline constexpr Text kNegativeCountPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تعداد لوله ها در رديف %1 نمي تواند کمتر از صفر باشد")};

// The results window. "%n" is the number of dilutions.
inline constexpr Text kProbabilityHeading{
    QT_TRANSLATE_N_NOOP("tubewise::text", "احتمال بروزبراي %nرقت بر اساس توزيع پوآسون")};
inline constexpr Text kDensityPerMlHeading{
    QT_TRANSLATE_NOOP("tubewise::text", " دانسيته کليفرمي برحسب تعداد در هر ميلي ليتر")};
inline constexpr Text kDensityPer100MlHeading{
    QT_TRANSLATE_NOOP("tubewise::text", " دانسيته کليفرمي برحسب تعداد در 100 ميلي ليتر")};
// A figure that is a lower bound; "%1" is the figure in the signed form, its blank included.
inline constexpr Text kLowerBound{QT_TRANSLATE_NOOP("tubewise::text", "%1  <")};
inline constexpr Text kPoissonAdviceRed{QT_TRANSLATE_NOOP(
    "tubewise::text",
    " توزيع پوآسون به توزيع نرمال نزديک شده است. پس براي برآورد .مناسب نيست. براي گرفتن نتايج "
    "بهتر نمونه خود را رقيقتر کنيد")};
inline constexpr Text kPoissonAdviceGreen{
    QT_TRANSLATE_NOOP("tubewise::text", "  .برآورد با استفاده از توزيع پوآسون صحيح است ")};
inline constexpr Text kThomasAdviceGreen{
    QT_TRANSLATE_NOOP("tubewise::text", " .برآورد با استفاده از رابطه توماس صحيح است ")};
inline constexpr Text kThomasUndefined{QT_TRANSLATE_NOOP("tubewise::text", "! تعريف نشده")};
inline constexpr Text kThomasAdviceRed{QT_TRANSLATE_NOOP(
    "tubewise::text", " رابطه توماس از نظر رياضي تعريف نشده است. لطفا نمونه رقيق تر .شود")};

// The chart: its title, "%1" the MPN per 100 mL, and its axis captions.
inline constexpr Text kChartTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "(MPN = %1) توزيع پوآسون براي نمونه آناليز شده ")};
inline constexpr Text kChartTitleAboveRange{
    QT_TRANSLATE_NOOP("tubewise::text", "(MPN > %1) توزيع پوآسون براي نمونه آناليز شده ")};
inline constexpr Text kValueAxisTitle{QT_TRANSLATE_NOOP("tubewise::text", "Probability")};
// "%1" is the factor that lifted a tiny curve.
inline constexpr Text kScaledValueAxisTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "Probability / %1")};
inline constexpr Text kCategoryAxisTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "Coliform Density , Number/mL")};

// Looks a source text up in the run's language; n >= 0 picks the plural form and stands for
// "%n". Set by the program's language (i18n/Language), before any thread starts.
using Translator = std::string (*)(const char* context, const char* source, int n);
// nullptr, the default: every text is shown as its Persian source.
void SetTranslator(Translator translator);

// The text in the run's language.
std::string Tr(Text text);
// With "%1" replaced by `argument`.
std::string Tr(Text text, std::string_view argument);
// With "%n" replaced by `n`, in the plural form that `n` asks for.
std::string TrCount(Text text, int n);

}  // namespace tubewise::text
