// The program's fixed texts other than the window tables' captions: prompts and titles of its
// message boxes, the results window's texts, the chart's captions, and the texts of the
// statistics window and the report that the model composes. UTF-8, with every blank; a full
// stop or exclamation mark that ends a right-to-left sentence is stored first, as the windows
// lay these texts out in left-to-right paragraphs. The Persian texts are the source texts of
// the translations (i18n/): lupdate reads them here, inside QT_TRANSLATE_NOOP, and Tr shows
// them in the language of the run.
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
inline constexpr Text kVolumeTooSmallPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! حجم نمونه در رديف %1 براي محاسبه بسيار کوچک است")};
inline constexpr Text kNegativeCountPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تعداد لوله ها در رديف %1 نمي تواند کمتر از صفر باشد")};
inline constexpr Text kReportNotSavedPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! گزارش ذخيره نشد")};
// Why a file could not be saved, in the analyst's words; the system's own text follows.
inline constexpr Text kSaveNoPermission{
    QT_TRANSLATE_NOOP("tubewise::text", ".اجازه نوشتن در اين پوشه يا روي اين فايل داده نشده است")};
inline constexpr Text kSaveReadOnly{
    QT_TRANSLATE_NOOP("tubewise::text", ".اين ديسک فقط خواندني است")};
inline constexpr Text kSaveDiskFull{QT_TRANSLATE_NOOP("tubewise::text", ".فضاي ديسک پر است")};
inline constexpr Text kSaveFolderMissing{
    QT_TRANSLATE_NOOP("tubewise::text", ".پوشه مقصد وجود ندارد")};
inline constexpr Text kSaveNameNotAllowed{
    QT_TRANSLATE_NOOP("tubewise::text", ".اين نام فايل مجاز نيست")};

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

// The statistics window and the report: captions of the exact figures (per 100 mL first, as
// the results window gives them) and of the choices of the confidence limits.
inline constexpr Text kExactHeading{
    QT_TRANSLATE_NOOP("tubewise::text", "برآورد دقيق به روش بيشينه درست نمايي")};
inline constexpr Text kExactPer100Ml{
    QT_TRANSLATE_NOOP("tubewise::text", "بيشترين تعداد احتمالي دقيق در 100 ميلي ليتر")};
inline constexpr Text kExactPerMl{
    QT_TRANSLATE_NOOP("tubewise::text", "بيشترين تعداد احتمالي دقيق در هر ميلي ليتر")};
inline constexpr Text kAdjustedPer100Ml{
    QT_TRANSLATE_NOOP("tubewise::text", "برآورد تصحيح شده براي اريبي در 100 ميلي ليتر")};
inline constexpr Text kLimitsHeading{QT_TRANSLATE_NOOP("tubewise::text", "حدود اطمينان")};
inline constexpr Text kMethodCaption{QT_TRANSLATE_NOOP("tubewise::text", "روش محاسبه")};
inline constexpr Text kLevelCaption{QT_TRANSLATE_NOOP("tubewise::text", "سطح اطمينان")};
inline constexpr Text kLowerLimitPer100Ml{
    QT_TRANSLATE_NOOP("tubewise::text", "حد پايين اطمينان در 100 ميلي ليتر")};
inline constexpr Text kUpperLimitPer100Ml{
    QT_TRANSLATE_NOOP("tubewise::text", "حد بالاي اطمينان در 100 ميلي ليتر")};
inline constexpr Text kRarityCaption{
    QT_TRANSLATE_NOOP("tubewise::text", "شاخص کميابي الگوي لوله ها")};
inline constexpr Text kMethodJarvis{QT_TRANSLATE_NOOP("tubewise::text", "لگ نرمال، روش جارويس")};
inline constexpr Text kMethodLikelihoodRatio{
    QT_TRANSLATE_NOOP("tubewise::text", "نسبت درست نمايي")};
inline constexpr char kLevelSuffix[] = " %";

// Figures: one the data leave undefined, the open side of the limits, and the mark before the
// figure of a series whose every tube is positive (the highest finite MPN of those tubes).
inline constexpr Text kStatisticUndefined = kThomasUndefined;
inline constexpr Text kOpenLimit{QT_TRANSLATE_NOOP("tubewise::text", "نامحدود")};
inline constexpr char kMoreThanMark[] = "> ";

// A pattern the model makes unlikely (rarity index below 1e-4).
inline constexpr Text kImprobableWarning{QT_TRANSLATE_NOOP(
    "tubewise::text",
    "! الگوي لوله هاي مثبت بسيار نامحتمل است. لوله ها را دوباره بخوانيد يا آزمون را تکرار کنيد")};

// Which figure to report: the results window's when the exact one agrees with it to the digits
// shown, the exact one when the results window's is a lower bound or coarse.
inline constexpr Text kReportGridFigure{QT_TRANSLATE_NOOP(
    "tubewise::text", ".برآورد پنجره نتايج با برآورد دقيق يکسان است؛ همان را گزارش کنيد")};
inline constexpr Text kReportExactCapped{QT_TRANSLATE_NOOP(
    "tubewise::text", ".برآورد پنجره نتايج فقط کران پايين است؛ برآورد دقيق را گزارش کنيد")};
inline constexpr Text kReportExactCoarse{QT_TRANSLATE_NOOP(
    "tubewise::text", ".برآورد پنجره نتايج تقريبي است؛ برآورد دقيق را گزارش کنيد")};
// A pattern the model makes unlikely: no figure stands until the tubes are read again.
inline constexpr Text kReportAfterRecheck{QT_TRANSLATE_NOOP(
    "tubewise::text",
    ".هيچ برآوردي را گزارش نکنيد مگر پس از خواندن دوباره لوله ها يا تکرار آزمون")};
// The statistics window once the grid has changed after the calculation it shows.
inline constexpr Text kFiguresOutOfDate{QT_TRANSLATE_NOOP(
    "tubewise::text", "! جدول پس از اين محاسبه تغيير کرده است؛ دوباره محاسبه کنيد")};
// Confirmations in the status line of the window that saved or copied; "%1" is the file.
inline constexpr Text kPictureSavedStatus{
    QT_TRANSLATE_NOOP("tubewise::text", "تصوير ذخيره شد: %1")};
inline constexpr Text kReportSavedStatus{QT_TRANSLATE_NOOP("tubewise::text", "گزارش ذخيره شد: %1")};
inline constexpr Text kResultCopiedStatus{
    QT_TRANSLATE_NOOP("tubewise::text", "نتيجه در حافظه کپي شد")};
inline constexpr Text kStatusLineName{QT_TRANSLATE_NOOP("tubewise::text", "خط وضعيت")};
// A report date that no calendar has.
inline constexpr Text kReportDateRefused{QT_TRANSLATE_NOOP(
    "tubewise::text", "! اين تاريخ وجود ندارد. تاريخ را به صورت 1403/05/12 يا 2024-08-02 بنويسيد")};

// The report's own captions.
// The direction the report's page reads in, in the run's language: "RTL" or "LTR".
inline constexpr Text kReportDirection{QT_TRANSLATE_NOOP("tubewise::text", "RTL")};
inline constexpr Text kReportTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "گزارش شمارش کليفرم به روش تخمير چند لوله اي")};
inline constexpr Text kSampleCaption{QT_TRANSLATE_NOOP("tubewise::text", "نام نمونه")};
inline constexpr Text kAnalystCaption{QT_TRANSLATE_NOOP("tubewise::text", "آزمايشگر")};
inline constexpr Text kDateCaption{QT_TRANSLATE_NOOP("tubewise::text", "تاريخ")};
inline constexpr Text kSeriesHeading{QT_TRANSLATE_NOOP("tubewise::text", "سري رقت ها")};
inline constexpr Text kSeriesNumber{QT_TRANSLATE_NOOP("tubewise::text", "شماره سري")};
inline constexpr Text kSeriesVolume{
    QT_TRANSLATE_NOOP("tubewise::text", "ميلي ليتر نمونه رقيق شده")};
inline constexpr Text kSeriesPositive{QT_TRANSLATE_NOOP("tubewise::text", "تعداد لوله هاي مثبت")};
inline constexpr Text kSeriesNegative{QT_TRANSLATE_NOOP("tubewise::text", "تعداد لوله هاي منفي")};
inline constexpr Text kGridHeading{
    QT_TRANSLATE_NOOP("tubewise::text", "نتايج بر اساس توزيع پوآسون")};
inline constexpr Text kThomasHeading{QT_TRANSLATE_NOOP("tubewise::text", "نتايج مدل توماس")};
inline constexpr Text kChartHeading{QT_TRANSLATE_NOOP("tubewise::text", "منحني توزيع پوآسون")};

// Trays and plates: the designs' names, the counts read off a tray, and the refusals of counts
// that no tray can give. "%1" and "%2" stand for the figures named beside each text.
// The mark before the detection limit of a tray with no positive well ("< 1.0").
inline constexpr char kLessThanMark[] = "< ";
inline constexpr Text kTray51Name{QT_TRANSLATE_NOOP("tubewise::text", "سيني 51 چاهکي")};
inline constexpr Text kTray97Name{QT_TRANSLATE_NOOP("tubewise::text", "سيني 97 چاهکي")};
inline constexpr Text kGroupsName{
    QT_TRANSLATE_NOOP("tubewise::text", "پليت / گروه هاي دلخواه چاهک ها")};
// "%1" positive wells of "%2".
inline constexpr Text kTray51Counts{
    QT_TRANSLATE_NOOP("tubewise::text", "چاهک هاي مثبت: %1 از %2")};
// "%1" positive large wells of "%2", "%3" positive small wells of "%4".
inline constexpr Text kTray97Counts{QT_TRANSLATE_NOOP(
    "tubewise::text", "چاهک هاي بزرگ مثبت: %1 از %2، چاهک هاي کوچک مثبت: %3 از %4")};
// "%1" the groups as VOLUME:POSITIVE:NEGATIVE, separated by blanks.
inline constexpr Text kGroupsCounts{
    QT_TRANSLATE_NOOP("tubewise::text", "گروه ها (حجم:مثبت:منفي): %1")};
inline constexpr Text kDilutionFactorCounts{
    QT_TRANSLATE_NOOP("tubewise::text", "ضريب رقت: %1")};
// The boxes a refusal names; "%1" is a group's number.
inline constexpr Text kBoxPositiveWells{
    QT_TRANSLATE_NOOP("tubewise::text", "تعداد چاهک هاي مثبت")};
inline constexpr Text kBoxLargePositiveWells{
    QT_TRANSLATE_NOOP("tubewise::text", "تعداد چاهک هاي بزرگ مثبت")};
inline constexpr Text kBoxSmallPositiveWells{
    QT_TRANSLATE_NOOP("tubewise::text", "تعداد چاهک هاي کوچک مثبت")};
inline constexpr Text kBoxDilutionFactor{QT_TRANSLATE_NOOP("tubewise::text", "ضريب رقت")};
inline constexpr Text kBoxGroupVolume{
    QT_TRANSLATE_NOOP("tubewise::text", "حجم هر چاهک گروه %1")};
inline constexpr Text kBoxGroupPositives{
    QT_TRANSLATE_NOOP("tubewise::text", "تعداد چاهک هاي مثبت گروه %1")};
inline constexpr Text kBoxGroupNegatives{
    QT_TRANSLATE_NOOP("tubewise::text", "تعداد چاهک هاي منفي گروه %1")};
// "%1" is one of the boxes above.
inline constexpr Text kTrayNotWholePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! %1 بايد عدد صحيح باشد")};
inline constexpr Text kTrayNegativePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! %1 نمي تواند کمتر از صفر باشد")};
inline constexpr Text kTrayNotPositivePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! %1 بايد عددي بيشتر از صفر باشد")};
// "%1" is the number of wells of that kind the tray has.
inline constexpr Text kTray51TooManyPrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! تعداد چاهک هاي مثبت بيشتر از %1 چاهک سيني است")};
inline constexpr Text kTray97LargeTooManyPrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! تعداد چاهک هاي بزرگ مثبت بيشتر از %1 چاهک بزرگ سيني است")};
inline constexpr Text kTray97SmallTooManyPrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! تعداد چاهک هاي کوچک مثبت بيشتر از %1 چاهک کوچک سيني است")};
// "%1" the group, "%2" the most wells a group may hold.
inline constexpr Text kGroupTooManyWellsPrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! گروه %1 بيشتر از %2 چاهک دارد")};
inline constexpr Text kNoGroupsPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! هيچ گروهي از چاهک ها وارد نشده است")};
// "%1" the most groups a design may have.
inline constexpr Text kTooManyGroupsPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تعداد گروه ها بيشتر از %1 است")};
inline constexpr Text kNoWellsPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! هيچ چاهکي در گروه ها نيست")};
inline constexpr Text kGroupVolumesApartPrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! حجم چاهک هاي گروه ها براي محاسبه بيش از حد با هم فاصله دارد")};
// The tray chart's axes: the likelihood relative to its peak, and the density on a log scale.
inline constexpr Text kTrayChartValueAxisTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "درستنمايي نسبي")};
inline constexpr Text kTrayChartDensityAxisTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "MPN در 100 ميلي ليتر (مقياس لگاريتمي)")};
// A tray or plate in the statistics window and its report: the figure to report ("%1" the
// design, "%2" its dilution factor), the heading of the design's counts, and the chart ("%1"
// the design, "%2" the figure to report).
inline constexpr Text kTrayVerdict{
    QT_TRANSLATE_NOOP("tubewise::text", ".%1، %2؛ برآورد دقيق را گزارش کنيد")};
inline constexpr Text kTrayDesignHeading{QT_TRANSLATE_NOOP("tubewise::text", "طرح آزمون")};
inline constexpr Text kTrayChartTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "%1: بيشترين تعداد احتمالي %2 در 100 ميلي ليتر")};
inline constexpr Text kTrayChartDensityAxis{
    QT_TRANSLATE_NOOP("tubewise::text", "تعداد در 100 ميلي ليتر (مقياس لگاريتمي)")};
inline constexpr Text kTrayChartHeightAxis{
    QT_TRANSLATE_NOOP("tubewise::text", "درست نمايي نسبي")};
// A site's samples over time: one line per figure ("%1" the figure per 100 mL or the count),
// the verdict against a limit with its decision rule, and the notes on how samples counted.
inline constexpr Text kSiteCount{QT_TRANSLATE_NOOP("tubewise::text", "تعداد نمونه ها: %1")};
inline constexpr Text kSiteGeometricMean{
    QT_TRANSLATE_NOOP("tubewise::text", "ميانگين هندسي در 100 ميلي ليتر: %1")};
inline constexpr Text kSitePercentile90{
    QT_TRANSLATE_NOOP("tubewise::text", "صدک 90 لگ نرمال در 100 ميلي ليتر: %1")};
inline constexpr Text kSitePercentile95{
    QT_TRANSLATE_NOOP("tubewise::text", "صدک 95 لگ نرمال در 100 ميلي ليتر: %1")};
inline constexpr Text kSiteMedian{
    QT_TRANSLATE_NOOP("tubewise::text", "ميانه در 100 ميلي ليتر: %1")};
inline constexpr Text kSiteMinimum{
    QT_TRANSLATE_NOOP("tubewise::text", "کمترين مقدار در 100 ميلي ليتر: %1")};
inline constexpr Text kSiteMaximum{
    QT_TRANSLATE_NOOP("tubewise::text", "بيشترين مقدار در 100 ميلي ليتر: %1")};
inline constexpr Text kSiteLimit{
    QT_TRANSLATE_NOOP("tubewise::text", "حد مجاز در 100 ميلي ليتر: %1")};
inline constexpr Text kSiteAboveLimit{
    QT_TRANSLATE_NOOP("tubewise::text", "تعداد نمونه هاي بالاتر از حد: %1")};
inline constexpr Text kSiteEstimate{
    QT_TRANSLATE_NOOP("tubewise::text", "برآورد مقايسه شده با حد در 100 ميلي ليتر: %1")};
inline constexpr Text kSiteLimitsCompared{
    QT_TRANSLATE_NOOP("tubewise::text", "حدود اطمينان مقايسه شده با حد در 100 ميلي ليتر: %1")};
// The statistic a limit holds, "%1" its name.
inline constexpr Text kSiteStatisticLine{QT_TRANSLATE_NOOP("tubewise::text", "آماره: %1")};
inline constexpr Text kStatisticSingleSample{QT_TRANSLATE_NOOP("tubewise::text", "تک نمونه")};
inline constexpr Text kStatisticGeometricMean{QT_TRANSLATE_NOOP("tubewise::text", "ميانگين هندسي")};
inline constexpr Text kStatisticPercentile90{QT_TRANSLATE_NOOP("tubewise::text", "صدک 90")};
inline constexpr Text kStatisticPercentile95{QT_TRANSLATE_NOOP("tubewise::text", "صدک 95")};
inline constexpr Text kVerdictComplies{QT_TRANSLATE_NOOP("tubewise::text", "مطابق با حد مجاز")};
inline constexpr Text kVerdictDoesNotComply{
    QT_TRANSLATE_NOOP("tubewise::text", "مغاير با حد مجاز")};
inline constexpr Text kVerdictInconclusive{QT_TRANSLATE_NOOP("tubewise::text", "بي نتيجه")};
inline constexpr Text kRuleSimpleAcceptance{
    QT_TRANSLATE_NOOP("tubewise::text", "قاعده تصميم: پذيرش ساده، برآورد با حد مقايسه شد")};
inline constexpr Text kRuleGuarded{QT_TRANSLATE_NOOP(
    "tubewise::text", "قاعده تصميم: پذيرش محافظت شده، حدود اطمينان با حد مقايسه شد")};
// Notes; "%1" is the number of samples a note concerns.
inline constexpr Text kNoteNonDetectsAtLimit{
    QT_TRANSLATE_NOOP("tubewise::text", "نمونه هاي بدون لوله مثبت، شمرده شده با حد تشخيص خود: %1")};
inline constexpr Text kNoteNonDetectsAtHalfLimit{QT_TRANSLATE_NOOP(
    "tubewise::text", "نمونه هاي بدون لوله مثبت، شمرده شده با نصف حد تشخيص خود: %1")};
inline constexpr Text kNoteAllPositive{QT_TRANSLATE_NOOP(
    "tubewise::text",
    "نمونه هاي با همه لوله هاي مثبت، شمرده شده با بيشترين مقدار محدود خود و علامت خورده؛ مقدار "
    "واقعي بيشتر است: %1")};
inline constexpr Text kNoteNotCountable{
    QT_TRANSLATE_NOOP("tubewise::text", "نمونه هاي کنار گذاشته، سري تک لوله اي بدون حد تشخيص: %1")};
inline constexpr Text kNotePercentilesNeedTwo{
    QT_TRANSLATE_NOOP("tubewise::text", ".صدک ها دست کم به دو نمونه نياز دارند")};
inline constexpr Text kNoteNoSamples{
    QT_TRANSLATE_NOOP("tubewise::text", ".در اين دوره نمونه اي نيست")};
inline constexpr Text kNoteLowerBound{QT_TRANSLATE_NOOP(
    "tubewise::text", ".برآورد فقط کران پايين است؛ مطابقت با حد را نمي توان نتيجه گرفت")};
inline constexpr Text kNoteTooFewForLimits{
    QT_TRANSLATE_NOOP("tubewise::text", ".نمونه ها براي حدود اطمينان اين آماره کافي نيست")};
inline constexpr Text kNoteMeanLimitsT{
    QT_TRANSLATE_NOOP("tubewise::text", ".حدود اطمينان ميانگين هندسي: فاصله t ميانگين لگاريتم ها")};
inline constexpr Text kNotePercentileLimitsTolerance{QT_TRANSLATE_NOOP(
    "tubewise::text", ".حدود اطمينان صدک: ضريب تلرانس توزيع نرمال لگاريتم ها، تقريب ناترلا")};
inline constexpr Text kNoteEachSampleOwnLimits{
    QT_TRANSLATE_NOOP("tubewise::text", ".هر نمونه با حدود اطمينان خود سنجيده شد")};

// The site chart: its title ("%1" the site's name) and the captions of its legend.
inline constexpr Text kSiteChartTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "نمونه هاي %1 در طول زمان")};
inline constexpr Text kSiteChartMeasured{QT_TRANSLATE_NOOP("tubewise::text", "نمونه ها")};
inline constexpr Text kSiteChartNonDetect{QT_TRANSLATE_NOOP("tubewise::text", "بدون لوله مثبت")};
inline constexpr Text kSiteChartFlagged{
    QT_TRANSLATE_NOOP("tubewise::text", "همه لوله ها مثبت، کران پايين")};
inline constexpr Text kSiteChartLimit{QT_TRANSLATE_NOOP("tubewise::text", "حد مجاز")};
// "%1" is the number of days.
inline constexpr Text kSiteChartRolling{
    QT_TRANSLATE_NOOP("tubewise::text", "ميانگين هندسي متحرک %1 روزه")};
// The site report: its title, the site and the period in its header (an open end of the period
// named by the sample it runs from or to), and its sections.
inline constexpr Text kSiteReportTitle{
    QT_TRANSLATE_NOOP("tubewise::text", "گزارش نمونه هاي محل نمونه برداري در طول زمان")};
inline constexpr Text kSiteCaption{QT_TRANSLATE_NOOP("tubewise::text", "محل نمونه برداري")};
inline constexpr Text kSiteFromCaption{QT_TRANSLATE_NOOP("tubewise::text", "از تاريخ")};
inline constexpr Text kSiteToCaption{QT_TRANSLATE_NOOP("tubewise::text", "تا تاريخ")};
inline constexpr Text kSiteFirstSample{QT_TRANSLATE_NOOP("tubewise::text", "نخستين نمونه")};
inline constexpr Text kSiteLastSample{QT_TRANSLATE_NOOP("tubewise::text", "آخرين نمونه")};
inline constexpr Text kSiteStatisticsHeading{
    QT_TRANSLATE_NOOP("tubewise::text", "آمار محل در اين دوره")};
inline constexpr Text kSiteConformityHeading{
    QT_TRANSLATE_NOOP("tubewise::text", "مطابقت با حد مجاز")};
inline constexpr Text kSiteNotesHeading{QT_TRANSLATE_NOOP("tubewise::text", "يادداشت ها")};
inline constexpr Text kSiteChartHeading{QT_TRANSLATE_NOOP("tubewise::text", "نمودار نمونه ها")};
// A sample's report with a limit chosen: "%1" the limit per 100 mL.
inline constexpr Text kSampleLimitCaption{
    QT_TRANSLATE_NOOP("tubewise::text", "مطابقت با حد مجاز %1 در 100 ميلي ليتر")};
// The site window: what it refuses, with the box it names taking the keyboard, the records it
// leaves out ("%1" their number), the period shown ("%1" a day or the sample it runs from or
// to) and its panes' names for a screen reader.
inline constexpr Text kSiteNoSitePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! محل نمونه برداري را انتخاب کنيد")};
inline constexpr Text kSiteDayPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تاريخ را به شکل YYYY-MM-DD بنويسيد")};
inline constexpr Text kSiteRangeOrderPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تاريخ آغاز پس از تاريخ پايان است")};
inline constexpr Text kSiteCountPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! تعداد را عددي درست از 1 تا 100000 بنويسيد")};
inline constexpr Text kSiteLimitPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! حد مجاز را عددي بزرگتر از صفر بنويسيد")};
inline constexpr Text kSiteRollingPrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! روزهاي ميانگين متحرک را عددي درست از 1 تا 100000 بنويسيد")};
inline constexpr Text kSiteProfileNamePrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! نام حد را بنويسيد")};
inline constexpr Text kSiteProfilesNotKeptPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! حدها در تنظيمات برنامه ذخيره نشد")};
inline constexpr Text kSiteNotDated{
    QT_TRANSLATE_NOOP("tubewise::text", "رکوردهاي بدون زمان نمونه برداري، کنار گذاشته: %1")};
inline constexpr Text kSiteNotComputable{
    QT_TRANSLATE_NOOP("tubewise::text", "رکوردهايي که ورودي آنها نمونه نمي دهد، کنار گذاشته: %1")};
inline constexpr Text kSitePeriodFrom{QT_TRANSLATE_NOOP("tubewise::text", "از: %1")};
inline constexpr Text kSitePeriodTo{QT_TRANSLATE_NOOP("tubewise::text", "تا: %1")};
inline constexpr Text kSiteCountSamples{QT_TRANSLATE_NOOP("tubewise::text", "تعداد نمونه ها")};
inline constexpr Text kSiteCountDays{QT_TRANSLATE_NOOP("tubewise::text", "تعداد روزها")};
// What each of the site window's lists chooses, for a screen reader.
inline constexpr Text kSiteListSites{
    QT_TRANSLATE_NOOP("tubewise::text", "محل هاي نمونه برداري دفتر نمونه ها")};
inline constexpr Text kSiteListPeriod{QT_TRANSLATE_NOOP(
    "tubewise::text", "نوع دوره: بازه تاريخ، آخرين نمونه ها يا روزهاي اخير")};
inline constexpr Text kSiteListProfiles{
    QT_TRANSLATE_NOOP("tubewise::text", "حدهاي ذخيره شده، يا بدون حد")};
inline constexpr Text kSiteListStatistic{
    QT_TRANSLATE_NOOP("tubewise::text", "آماره اي که با حد مقايسه مي شود")};
inline constexpr Text kSiteListRule{
    QT_TRANSLATE_NOOP("tubewise::text", "قاعده تصميم مطابقت با حد")};
inline constexpr Text kSiteListNonDetects{
    QT_TRANSLATE_NOOP("tubewise::text", "شمارش نمونه هاي بدون لوله مثبت")};
inline constexpr Text kSiteStatisticsName{QT_TRANSLATE_NOOP("tubewise::text", "آمار محل")};
inline constexpr Text kSiteChartName{QT_TRANSLATE_NOOP("tubewise::text", "نمودار نمونه هاي محل")};
inline constexpr Text kSiteNoRegisterPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! دفتر نمونه ها باز نيست")};
// The validation record of `tubewise-cli validate`: the published tables recomputed on this
// installation. "%1" stands for "agreed / checked".
inline constexpr Text kRecordTitle{QT_TRANSLATE_NOOP("tubewise::text", "سند اعتبارسنجي Tubewise")};
inline constexpr Text kRecordIntro{QT_TRANSLATE_NOOP(
    "tubewise::text",
    ".جدول هاي منتشر شده MPN که در برنامه هست در اين نصب دوباره محاسبه و با دقت چاپي هر جدول "
    "مقايسه شده است")};
inline constexpr Text kRecordProgram{QT_TRANSLATE_NOOP("tubewise::text", "برنامه")};
inline constexpr Text kRecordRevision{QT_TRANSLATE_NOOP("tubewise::text", "بازبيني منبع")};
inline constexpr Text kRecordCompiler{QT_TRANSLATE_NOOP("tubewise::text", "کامپايلر")};
inline constexpr Text kRecordQt{QT_TRANSLATE_NOOP("tubewise::text", "نسخه Qt در ساخت و در اجرا")};
inline constexpr Text kRecordBuildDate{QT_TRANSLATE_NOOP("tubewise::text", "تاريخ ساخت")};
inline constexpr Text kRecordSystem{QT_TRANSLATE_NOOP("tubewise::text", "سيستم عامل")};
inline constexpr Text kRecordCheckedAt{QT_TRANSLATE_NOOP("tubewise::text", "تاريخ و زمان بررسي")};
inline constexpr Text kRecordTables{QT_TRANSLATE_NOOP("tubewise::text", "جدول ها")};
inline constexpr Text kRecordTable{QT_TRANSLATE_NOOP("tubewise::text", "جدول")};
inline constexpr Text kRecordChecked{QT_TRANSLATE_NOOP("tubewise::text", "بررسي شده")};
inline constexpr Text kRecordAgreed{QT_TRANSLATE_NOOP("tubewise::text", "موافق")};
inline constexpr Text kRecordAllTables{QT_TRANSLATE_NOOP("tubewise::text", "همه جدول ها")};
inline constexpr Text kRecordDifferences{QT_TRANSLATE_NOOP("tubewise::text", "اختلاف ها")};
inline constexpr Text kRecordNoDifferences{QT_TRANSLATE_NOOP("tubewise::text", "اختلافي نيست")};
inline constexpr Text kRecordPrinted{QT_TRANSLATE_NOOP("tubewise::text", "چاپ شده")};
inline constexpr Text kRecordComputed{QT_TRANSLATE_NOOP("tubewise::text", "محاسبه شده")};
inline constexpr Text kRecordPassed{QT_TRANSLATE_NOOP(
    "tubewise::text", "نتيجه: هر مقدار بررسي شده موافق است يا اختلافش دليل دارد (%1)")};
inline constexpr Text kRecordFailed{
    QT_TRANSLATE_NOOP("tubewise::text", "نتيجه: رد شد؛ اختلافي بي دليل در بالا آمده است (%1)")};
inline constexpr Text kRecordSignature{QT_TRANSLATE_NOOP("tubewise::text", "امضا")};

// The sample register in the windows: saving a sample, its correction, the register window.
// "%1" stands for a record number, a reason or a date-time form as the prompt says.
inline constexpr Text kRegisterTitle{QT_TRANSLATE_NOOP("tubewise::text", "دفتر نمونه ها")};
inline constexpr Text kRegisterSavedPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", ".نمونه با شماره %1 در دفتر ثبت شد")};
inline constexpr Text kRegisterCorrectedPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", ".اصلاح رکورد %1 در دفتر ثبت شد")};
inline constexpr Text kRegisterNotSavedPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! نمونه در دفتر ثبت نشد؛ نتيجه روي صفحه مي ماند")};
inline constexpr Text kRegisterNotOpenedPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! دفتر نمونه ها باز نشد")};
inline constexpr Text kNoSampleIdPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! شناسه نمونه را بنويسيد")};
inline constexpr Text kNotDateTimePrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! تاريخ و ساعت را به شکل YYYY-MM-DD HH:MM بنويسيد")};
inline constexpr Text kReceivedBeforeSampledPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! زمان دريافت پيش از زمان نمونه برداري است")};
inline constexpr Text kGridRetypedPrompt{QT_TRANSLATE_NOOP(
    "tubewise::text", "! خانه هاي جدول پس از محاسبه تغيير کرده اند؛ دوباره محاسبه کنيد")};
inline constexpr Text kNoReasonPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! دليل اصلاح را بنويسيد")};
inline constexpr Text kHoldingExceeded{
    QT_TRANSLATE_NOOP("tubewise::text", "! زمان نگهداري نمونه از حد گذشته است")};
inline constexpr Text kCorrectionOf{QT_TRANSLATE_NOOP("tubewise::text", "اصلاح رکورد %1")};
inline constexpr Text kRecordNotReadPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! رکورد از دفتر خوانده نشد")};
inline constexpr Text kNotTubesPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! اين رکورد سري لوله نيست و در جدول باز نمي شود")};
inline constexpr Text kExportNotSavedPrompt{
    QT_TRANSLATE_NOOP("tubewise::text", "! فايل CSV ذخيره نشد")};
inline constexpr Text kRecordVersionLine{
    QT_TRANSLATE_NOOP("tubewise::text", "رکورد %1، نسخه %2")};
// The register table's column headings.
inline constexpr Text kColumnRecord{QT_TRANSLATE_NOOP("tubewise::text", "شماره")};
inline constexpr Text kColumnVersion{QT_TRANSLATE_NOOP("tubewise::text", "نسخه")};
inline constexpr Text kColumnSampleId{QT_TRANSLATE_NOOP("tubewise::text", "شناسه نمونه")};
inline constexpr Text kColumnSite{QT_TRANSLATE_NOOP("tubewise::text", "محل")};
inline constexpr Text kColumnSampled{QT_TRANSLATE_NOOP("tubewise::text", "نمونه برداري")};
inline constexpr Text kColumnReceived{QT_TRANSLATE_NOOP("tubewise::text", "دريافت")};
inline constexpr Text kColumnMpn{QT_TRANSLATE_NOOP("tubewise::text", "MPN در 100 ميلي ليتر")};
inline constexpr Text kColumnHolding{QT_TRANSLATE_NOOP("tubewise::text", "زمان نگهداري")};
inline constexpr Text kHoldingFlag{QT_TRANSLATE_NOOP("tubewise::text", "از حد گذشته")};
// The record's details.
inline constexpr Text kDetailsInputs{QT_TRANSLATE_NOOP("tubewise::text", "ورودي ها")};
inline constexpr Text kDetailsResults{QT_TRANSLATE_NOOP("tubewise::text", "نتايج")};
inline constexpr Text kDetailsVersions{QT_TRANSLATE_NOOP("tubewise::text", "نسخه ها")};
inline constexpr Text kDetailsReason{QT_TRANSLATE_NOOP("tubewise::text", "دليل")};

}  // namespace tubewise::text
