// The texts and advice colours of the results window as a pure function of the calculation
// state, shared by the window and the command line.
#pragma once

#include <string>

#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

// Persian texts in UTF-8, with every blank; sentence-final marks stand first where the
// sentence reads right to left.
namespace result_text {
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
inline constexpr char kUncomputablePrompt[] = "! مقادير وارد شده قابل محاسبه نيست";
inline constexpr char kWrongInputTitle[] = "ورودي اشتباه";
}  // namespace result_text

enum class AdviceColour { Red, Green };

// Packed as blue * 65536 + green * 256 + red: red is 192 (192, 0, 0), green 0x8000 (0, 128, 0).
constexpr int PackedColour(AdviceColour colour) {
    return colour == AdviceColour::Red ? 192 : 0x8000;
}

// "red" or "green", as the command line reports it.
const char* ColourName(AdviceColour colour);

// Everything one valid calculation writes into the results window; every field is set, so
// showing a new calculation leaves nothing of the previous one.
struct ResultTexts {
    std::string probabilityHeading;      // lblprob
    std::string densityPerMlHeading;     // lbldens(0)
    std::string densityPer100MlHeading;  // lbldens(1)
    std::string thomasHeading;           // lblthomas
    std::string likelihood;              // txtresult(0)
    std::string mpnPerMl;                // txtresult(1)
    std::string mpnPer100Ml;             // txtresult(2)
    std::string thomas;                  // txtthomas
    std::string poissonAdvice;           // lbltozih(0)
    AdviceColour poissonAdviceColour = AdviceColour::Green;
    std::string thomasAdvice;  // lbltozih(1)
    AdviceColour thomasAdviceColour = AdviceColour::Green;
};

// The texts for the state after a valid search. Reads DilutionCount, MaxLikelihood, MpnPerMl,
// ThomasMpn and ThomasDefined; the per-100-mL figure is MpnPerMl * 100 (the caller stores it
// in MpnPer100Ml when it shows the texts).
ResultTexts ComposeResultTexts(const Module1& state, const NumberLocale& locale);

}  // namespace tubewise
