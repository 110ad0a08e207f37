// The results window's texts in tubewise-cli.
#include "cli/DisplaySection.h"

namespace tubewise::cli {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString ColourText(const Colour& colour) {
    return QString::fromLatin1(ColourName(colour));
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
        {QStringLiteral("poisson_advice_colour"), ColourText(texts.poissonAdviceColour)},
        {QStringLiteral("thomas_advice"), Q(texts.thomasAdvice)},
        {QStringLiteral("thomas_advice_colour"), ColourText(texts.thomasAdviceColour)},
    };
}

void DisplaySection::AddJson(const Evaluation& run, const Invocation&, QJsonObject& report) const {
    if (!run.calc.showResults()) return;
    report[QStringLiteral("display")] = DisplayJson(ComposeResultTexts(run.calc, run.locale));
}

void DisplaySection::AddText(const Evaluation& run, const Invocation&, QStringList& lines) const {
    if (!run.calc.showResults()) return;
    const ResultTexts t = ComposeResultTexts(run.calc, run.locale);
    lines << QStringLiteral("Results window:");
    lines << QStringLiteral("  heading:           ") + Q(t.probabilityHeading);
    lines << QStringLiteral("  likelihood:        ") + Q(t.likelihood);
    lines << QStringLiteral("  MPN per mL:        ") + Q(t.mpnPerMl);
    lines << QStringLiteral("  MPN per 100 mL:    ") + Q(t.mpnPer100Ml);
    lines << QStringLiteral("  Thomas per 100 mL: ") + Q(t.thomas);
    lines << QStringLiteral("  Poisson advice (%1): ").arg(ColourText(t.poissonAdviceColour)) +
                 Q(t.poissonAdvice);
    lines << QStringLiteral("  Thomas advice (%1): ").arg(ColourText(t.thomasAdviceColour)) +
                 Q(t.thomasAdvice);
}

}  // namespace tubewise::cli
