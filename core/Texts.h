// The program's fixed texts other than the window tables' captions: prompts and titles of its
// message boxes, the results window's texts and the chart title's Persian tail. UTF-8, with
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

}  // namespace tubewise::text
