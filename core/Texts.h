// The program's fixed texts other than the window tables' captions: prompts and titles of its
// message boxes, the results window's texts, the chart title's Persian tail, and the texts of
// the statistics window and the report that the model composes. UTF-8, with
// every blank; a full stop or exclamation mark that ends a right-to-left sentence is stored
// first, as the windows lay these texts out in left-to-right paragraphs.
#pragma once

namespace tubewise::text {

// Message box titles.
inline constexpr char kWrongInputTitle[] = "ورودي اشتباه";
inline constexpr char kNoDataTitle[] = " عدم ورود داده";
inline constexpr char kErrorTitle[] = "خطا";

// Prompts of refused input.
inline constexpr char kEmptyCellsPrompt[] = "!  خانه هاي خالي را مقدار دهي کنيد ";
inline constexpr char kNumbersOnlyPrompt[] = "! فقط عدد وارد شود ";
inline constexpr char kWholeOneToFivePrompt[] = "! فقط عدد صحيح بين 1 تا 5 وارد شود";
inline constexpr char kNoCountPrompt[] = "! تعدادفعات رقيق سازي وارد نشده است";
inline constexpr char kUncomputablePrompt[] = "! مقادير وارد شده قابل محاسبه نيست";
inline constexpr char kPictureNotSavedPrompt[] = "! تصوير ذخيره نشد";
// Why a file could not be saved, in the analyst's words; the system's own text follows.
inline constexpr char kSaveNoPermission[] =
    ".اجازه نوشتن در اين پوشه يا روي اين فايل داده نشده است";
inline constexpr char kSaveReadOnly[] = ".اين ديسک فقط خواندني است";
inline constexpr char kSaveDiskFull[] = ".فضاي ديسک پر است";
inline constexpr char kSaveFolderMissing[] = ".پوشه مقصد وجود ندارد";
inline constexpr char kSaveNameNotAllowed[] = ".اين نام فايل مجاز نيست";
// Prompts that name the grid row to mend; "%1" stands for the row's number.
inline constexpr char kVolumeNotPositivePrompt[] = "! حجم نمونه در رديف %1 بايد بيشتر از صفر باشد";
inline constexpr char kNegativeCountPrompt[] =
    "! تعداد لوله ها در رديف %1 نمي تواند کمتر از صفر باشد";
inline constexpr char kReportNotSavedPrompt[] = "! گزارش ذخيره نشد";

// The results window.
inline constexpr char kProbabilityHeadingStart[] = "احتمال بروزبراي";
inline constexpr char kProbabilityHeadingEnd[] = "رقت بر اساس توزيع پوآسون";
inline constexpr char kDensityPerMlHeading[] = " دانسيته کليفرمي برحسب تعداد در هر ميلي ليتر";
inline constexpr char kDensityPer100MlHeading[] = " دانسيته کليفرمي برحسب تعداد در 100 ميلي ليتر";
inline constexpr char kLowerBoundMark[] = "  <";
inline constexpr char kPoissonAdviceRed[] =
    " توزيع پوآسون به توزيع نرمال نزديک شده است. پس براي برآورد .مناسب نيست. براي گرفتن نتايج بهتر "
    "نمونه خود را رقيقتر کنيد";
inline constexpr char kPoissonAdviceGreen[] = "  .برآورد با استفاده از توزيع پوآسون صحيح است ";
inline constexpr char kThomasAdviceGreen[] = " .برآورد با استفاده از رابطه توماس صحيح است ";
inline constexpr char kThomasUndefined[] = "! تعريف نشده";
inline constexpr char kThomasAdviceRed[] =
    " رابطه توماس از نظر رياضي تعريف نشده است. لطفا نمونه رقيق تر .شود";

// The chart title: "(MPN =" or "(MPN >", the figure, ")" and this tail.
inline constexpr char kChartTitleTail[] = " توزيع پوآسون براي نمونه آناليز شده ";

// The statistics window and the report: captions of the exact figures (per 100 mL first, as
// the results window gives them) and of the choices of the confidence limits.
inline constexpr char kExactHeading[] = "برآورد دقيق به روش بيشينه درست نمايي";
inline constexpr char kExactPer100Ml[] = "بيشترين تعداد احتمالي دقيق در 100 ميلي ليتر";
inline constexpr char kExactPerMl[] = "بيشترين تعداد احتمالي دقيق در هر ميلي ليتر";
inline constexpr char kAdjustedPer100Ml[] = "برآورد تصحيح شده براي اريبي در 100 ميلي ليتر";
inline constexpr char kLimitsHeading[] = "حدود اطمينان";
inline constexpr char kMethodCaption[] = "روش محاسبه";
inline constexpr char kLevelCaption[] = "سطح اطمينان";
inline constexpr char kLowerLimitPer100Ml[] = "حد پايين اطمينان در 100 ميلي ليتر";
inline constexpr char kUpperLimitPer100Ml[] = "حد بالاي اطمينان در 100 ميلي ليتر";
inline constexpr char kRarityCaption[] = "شاخص کميابي الگوي لوله ها";
inline constexpr char kMethodJarvis[] = "لگ نرمال، روش جارويس";
inline constexpr char kMethodLikelihoodRatio[] = "نسبت درست نمايي";
inline constexpr char kLevelSuffix[] = " %";

// Figures: one the data leave undefined, the open side of the limits, and the mark before the
// figure of a series whose every tube is positive (the highest finite MPN of those tubes).
inline constexpr char kStatisticUndefined[] = "! تعريف نشده";
inline constexpr char kOpenLimit[] = "نامحدود";
inline constexpr char kMoreThanMark[] = "> ";

// A pattern the model makes unlikely (rarity index below 1e-4).
inline constexpr char kImprobableWarning[] =
    "! الگوي لوله هاي مثبت بسيار نامحتمل است. لوله ها را دوباره بخوانيد يا آزمون را تکرار کنيد";

// Which figure to report: the results window's when the exact one agrees with it to the digits
// shown, the exact one when the results window's is a lower bound or coarse.
inline constexpr char kReportGridFigure[] =
    ".برآورد پنجره نتايج با برآورد دقيق يکسان است؛ همان را گزارش کنيد";
inline constexpr char kReportExactCapped[] =
    ".برآورد پنجره نتايج فقط کران پايين است؛ برآورد دقيق را گزارش کنيد";
inline constexpr char kReportExactCoarse[] =
    ".برآورد پنجره نتايج تقريبي است؛ برآورد دقيق را گزارش کنيد";

// The report's own captions.
inline constexpr char kReportTitle[] = "گزارش شمارش کليفرم به روش تخمير چند لوله اي";
inline constexpr char kSampleCaption[] = "نام نمونه";
inline constexpr char kAnalystCaption[] = "آزمايشگر";
inline constexpr char kDateCaption[] = "تاريخ";
inline constexpr char kSeriesHeading[] = "سري رقت ها";
inline constexpr char kSeriesNumber[] = "شماره سري";
inline constexpr char kSeriesVolume[] = "ميلي ليتر نمونه رقيق شده";
inline constexpr char kSeriesPositive[] = "تعداد لوله هاي مثبت";
inline constexpr char kSeriesNegative[] = "تعداد لوله هاي منفي";
inline constexpr char kGridHeading[] = "نتايج بر اساس توزيع پوآسون";
inline constexpr char kThomasHeading[] = "نتايج مدل توماس";
inline constexpr char kAdviceCaption[] = "توضيحات";
inline constexpr char kChartHeading[] = "منحني توزيع پوآسون";

}  // namespace tubewise::text
