// The results window's texts in tubewise-cli.
#include "cli/DisplaySection.h"

namespace tubewise::cli {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

bool ResultsShown(const Calculation& calc) {
    return calc.search == SearchEnd::Completed && calc.state.GridValid == kTrue;
}

}  // namespace

QJsonObject DisplayJson(const ResultTexts& texts) {
    return QJsonObject{
        {QStringLiteral("probability_heading"), Q(texts.probabilityHeading)},
        {QStringLiteral("likelihood"), Q(texts.likelihood)},
        {QStringLiteral("mpn_per_ml"), Q(texts.mpnPerMl)},
        {QStringLiteral("mpn_per_100ml"), Q(texts.mpnPer100Ml)},
        {QStringLiteral("thomas"), Q(texts.thomas)},
        {QStringLiteral("poisson_advice"), Q(texts.poissonAdvice)},
        {QStringLiteral("poisson_advice_colour"),
         QString::fromLatin1(ColourName(texts.poissonAdviceColour))},
        {QStringLiteral("thomas_advice"), Q(texts.thomasAdvice)},
        {QStringLiteral("thomas_advice_colour"),
         QString::fromLatin1(ColourName(texts.thomasAdviceColour))},
    };
}

std::optional<InputError> DisplaySection::Refuse(const Calculation& calc, const Invocation&) const {
    if (calc.search != SearchEnd::Fault) return std::nullopt;
    return InputError{result_text::kWrongInputTitle, result_text::kUncomputablePrompt,
                      calc.stop.row};
}

void DisplaySection::AddJson(const Calculation& calc, const Invocation&,
                             QJsonObject& report) const {
    if (!ResultsShown(calc)) return;
    report[QStringLiteral("display")] = DisplayJson(ComposeResultTexts(calc.state, calc.locale));
}

void DisplaySection::AddText(const Calculation& calc, const Invocation&, QStringList& lines) const {
    if (!ResultsShown(calc)) return;
    const ResultTexts t = ComposeResultTexts(calc.state, calc.locale);
    lines << QStringLiteral("Results window:");
    lines << QStringLiteral("  heading:           ") + Q(t.probabilityHeading);
    lines << QStringLiteral("  likelihood:        ") + Q(t.likelihood);
    lines << QStringLiteral("  MPN per mL:        ") + Q(t.mpnPerMl);
    lines << QStringLiteral("  MPN per 100 mL:    ") + Q(t.mpnPer100Ml);
    lines << QStringLiteral("  Thomas per 100 mL: ") + Q(t.thomas);
    lines << QStringLiteral("  Poisson advice (%1): ")
                     .arg(QString::fromLatin1(ColourName(t.poissonAdviceColour))) +
                 Q(t.poissonAdvice);
    lines << QStringLiteral("  Thomas advice (%1): ")
                     .arg(QString::fromLatin1(ColourName(t.thomasAdviceColour))) +
                 Q(t.thomasAdvice);
}

}  // namespace tubewise::cli
