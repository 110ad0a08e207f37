// Texts the windows and the command line must show, letter for letter, typed here apart from
// the program's own catalogue so that a slip in either shows.
#pragma once

#include <string>

namespace expected {

inline const std::string kHeadStart = "احتمال بروزبراي";
inline const std::string kHeadEnd = "رقت بر اساس توزيع پوآسون";
inline const std::string kPerMl = " دانسيته کليفرمي برحسب تعداد در هر ميلي ليتر";
inline const std::string kPer100Ml = " دانسيته کليفرمي برحسب تعداد در 100 ميلي ليتر";
inline const std::string kLowerBound = "  <";
inline const std::string kPoissonRed =
    " توزيع پوآسون به توزيع نرمال نزديک شده است. پس براي برآورد .مناسب نيست. براي گرفتن نتايج بهتر "
    "نمونه خود را رقيقتر کنيد";
inline const std::string kPoissonGreen = "  .برآورد با استفاده از توزيع پوآسون صحيح است ";
inline const std::string kThomasGreen = " .برآورد با استفاده از رابطه توماس صحيح است ";
inline const std::string kUndefined = "! تعريف نشده";
inline const std::string kThomasRed =
    " رابطه توماس از نظر رياضي تعريف نشده است. لطفا نمونه رقيق تر .شود";
inline const std::string kUncomputable = "! مقادير وارد شده قابل محاسبه نيست";
inline const std::string kWrongInput = "ورودي اشتباه";
inline const std::string kEmptyCells = "!  خانه هاي خالي را مقدار دهي کنيد ";
inline const std::string kNumbersOnly = "! فقط عدد وارد شود ";
inline const std::string kWholeOneToFive = "! فقط عدد صحيح بين 1 تا 5 وارد شود";
inline const std::string kNoCount = "! تعدادفعات رقيق سازي وارد نشده است";
inline const std::string kNoData = " عدم ورود داده";
// Refusals that name the grid row to mend.
inline std::string VolumeNotPositive(int row) {
    return "! حجم نمونه در رديف " + std::to_string(row) + " بايد بيشتر از صفر باشد";
}
inline std::string VolumeTooSmall(int row) {
    return "! حجم نمونه در رديف " + std::to_string(row) + " براي محاسبه بسيار کوچک است";
}
inline std::string NegativeCount(int row) {
    return "! تعداد لوله ها در رديف " + std::to_string(row) + " نمي تواند کمتر از صفر باشد";
}
inline const std::string kChartButton = "منحني توزيع پوآسون ";
inline const std::string kReportNotSaved = "! گزارش ذخيره نشد";
inline const std::string kErrorTitle = "خطا";

}  // namespace expected
