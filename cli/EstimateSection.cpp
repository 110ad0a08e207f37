// The estimate section of tubewise-cli: figures of the search and of Thomas' formula.
#include "cli/EstimateSection.h"

#include <cmath>

#include "cli/JsonNumber.h"
#include "cli/OutputTarget.h"
#include "results/ResultTexts.h"

namespace tubewise::cli {

namespace {

const QString kCurveOption = QStringLiteral("curve");

QString Figure(double x) {
    return QString::fromStdString(FormatGeneral(RoundHalfEven(x, 3), NumberLocale{}));
}

}  // namespace

QList<QCommandLineOption> EstimateSection::Options() const {
    return {
        QCommandLineOption(kCurveOption,
                           QStringLiteral("Write the likelihood curve to FILE as CSV "
                                          "(index,lambda,likelihood; indices 1 to 10010); '-' is "
                                          "standard output, instead of the summary."),
                           QStringLiteral("FILE"))};
}

QString EstimateSection::WriteFiles(const Evaluation& run, const Invocation& inv) {
    if (!inv.parser.isSet(kCurveOption)) return {};
    return WriteCurveCsv(run.calc, inv.parser.value(kCurveOption));
}

void EstimateSection::AddJson(const Evaluation& run, const Invocation&, QJsonObject& report) const {
    const Calculation& c = run.calc;
    report[QStringLiteral("dilutions")] = c.dilutions;
    report[QStringLiteral("max_likelihood")] = JsonNumber(c.search.maxLikelihood);
    // The size of a likelihood that max_likelihood cannot hold (0 there where it underflowed);
    // null where no candidate has a positive likelihood.
    report[QStringLiteral("max_log10_likelihood")] =
        JsonNumber(c.search.maxLogLikelihood / std::log(10.0));
    report[QStringLiteral("mpn_per_ml")] = JsonNumber(c.search.mpnPerMl);
    report[QStringLiteral("mpn_per_100ml")] = JsonNumber(c.mpnPer100Ml());
    report[QStringLiteral("lower_bound")] = run.calc.lowerBound;
    report[QStringLiteral("search_fault")] = run.calc.searchFault();
    report[QStringLiteral("thomas_defined")] = c.thomas.defined();
    report[QStringLiteral("thomas_per_100ml")] =
        c.thomas.defined() ? JsonNumber(c.thomas.mpnPer100Ml) : QJsonValue();
}

void EstimateSection::AddText(const Evaluation& run, const Invocation&, QStringList& lines) const {
    const Calculation& c = run.calc;
    const SearchStop& stop = c.search.stop;
    lines << QStringLiteral("Dilutions:           %1").arg(c.dilutions);
    if (run.calc.searchFault()) {
        lines << QStringLiteral(
                     "Search:              ended early at candidate %1%2; the figures "
                     "below are incomplete")
                     .arg(stop.candidate)
                     .arg(stop.row > 0 ? QStringLiteral(", row %1").arg(stop.row) : QString());
    }
    lines << QStringLiteral("Maximum likelihood:  %1")
                 .arg(QString::fromStdString(LikelihoodText(c.search, NumberLocale{})));
    if (run.calc.lowerBound) {
        lines << QStringLiteral(
                     "MPN per mL:          > %1 (lower bound: the likelihood still "
                     "rises there)")
                     .arg(Figure(c.search.mpnPerMl));
        lines << QStringLiteral("MPN per 100 mL:      > %1").arg(Figure(c.mpnPer100Ml()));
    } else {
        lines << QStringLiteral("MPN per mL:          %1").arg(Figure(c.search.mpnPerMl));
        lines << QStringLiteral("MPN per 100 mL:      %1").arg(Figure(c.mpnPer100Ml()));
    }
    if (c.thomas.defined()) {
        lines << QStringLiteral("Thomas per 100 mL:   %1").arg(Figure(c.thomas.mpnPer100Ml));
    } else if (run.calc.thomas.end == ThomasEnd::Fault) {
        lines << QStringLiteral(
            "Thomas per 100 mL:   not defined (the series is outside the "
            "formula's range)");
    } else {
        lines << QStringLiteral("Thomas per 100 mL:   not defined (no sample in negative tubes)");
    }
}

QString WriteCurveCsv(const Calculation& calc, const QString& path) {
    std::string text = "index,lambda,likelihood\n";
    text.reserve(static_cast<std::size_t>(kCurveSize) * 48);
    // A calculation without a curve (its grid refused) writes zeros, as its curve holds.
    const Curve* curve = calc.gridValid() ? calc.search.curve.get() : nullptr;
    for (int i = 1; i <= kCurveSize; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double lambda = curve && at < curve->lambda.size() ? curve->lambda[at] : 0.0;
        const double likelihood =
            curve && at < curve->likelihood.size() ? curve->likelihood[at] : 0.0;
        text += std::to_string(i) + ',' + FormatShortest(lambda) + ',' +
                FormatShortest(likelihood) + '\n';
    }
    const QString reason = WriteOutput(path, text);
    return reason.isEmpty() ? QString()
                            : QStringLiteral("cannot write %1: %2").arg(OutputName(path), reason);
}

}  // namespace tubewise::cli
