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
    return WriteCurveCsv(run.state, inv.parser.value(kCurveOption));
}

void EstimateSection::AddJson(const Evaluation& run, const Invocation&, QJsonObject& report) const {
    const Module1& s = run.state;
    report[QStringLiteral("dilutions")] = s.DilutionCount;
    report[QStringLiteral("max_likelihood")] = JsonNumber(s.MaxLikelihood);
    // The size of a likelihood that max_likelihood cannot hold (0 there where it underflowed);
    // null where no candidate has a positive likelihood.
    report[QStringLiteral("max_log10_likelihood")] =
        JsonNumber(s.MaxLogLikelihood / std::log(10.0));
    report[QStringLiteral("mpn_per_ml")] = JsonNumber(s.MpnPerMl);
    report[QStringLiteral("mpn_per_100ml")] = JsonNumber(s.MpnPer100Ml);
    report[QStringLiteral("lower_bound")] = run.calc.lowerBound;
    report[QStringLiteral("search_fault")] = run.calc.searchFault();
    report[QStringLiteral("thomas_defined")] = s.ThomasDefined == kTrue;
    report[QStringLiteral("thomas_per_100ml")] =
        s.ThomasDefined == kTrue ? JsonNumber(s.ThomasMpn) : QJsonValue();
}

void EstimateSection::AddText(const Evaluation& run, const Invocation&, QStringList& lines) const {
    const Module1& s = run.state;
    const SearchStop& stop = run.calc.search.stop;
    lines << QStringLiteral("Dilutions:           %1").arg(s.DilutionCount);
    if (run.calc.searchFault()) {
        lines << QStringLiteral(
                     "Search:              ended early at candidate %1%2; the figures "
                     "below are incomplete")
                     .arg(stop.candidate)
                     .arg(stop.row > 0 ? QStringLiteral(", row %1").arg(stop.row) : QString());
    }
    lines << QStringLiteral("Maximum likelihood:  %1")
                 .arg(QString::fromStdString(LikelihoodText(s, NumberLocale{})));
    if (run.calc.lowerBound) {
        lines << QStringLiteral(
                     "MPN per mL:          > %1 (lower bound: the likelihood still "
                     "rises there)")
                     .arg(Figure(s.MpnPerMl));
        lines << QStringLiteral("MPN per 100 mL:      > %1").arg(Figure(s.MpnPer100Ml));
    } else {
        lines << QStringLiteral("MPN per mL:          %1").arg(Figure(s.MpnPerMl));
        lines << QStringLiteral("MPN per 100 mL:      %1").arg(Figure(s.MpnPer100Ml));
    }
    if (s.ThomasDefined == kTrue) {
        lines << QStringLiteral("Thomas per 100 mL:   %1").arg(Figure(s.ThomasMpn));
    } else if (run.calc.thomas.end == ThomasEnd::Fault) {
        lines << QStringLiteral(
            "Thomas per 100 mL:   not defined (the series is outside the "
            "formula's range)");
    } else {
        lines << QStringLiteral("Thomas per 100 mL:   not defined (no sample in negative tubes)");
    }
}

QString WriteCurveCsv(const Module1& state, const QString& path) {
    std::string text = "index,lambda,likelihood\n";
    text.reserve(static_cast<std::size_t>(kCurveSize) * 48);
    for (int i = 1; i <= kCurveSize; ++i) {
        const double lambda = i <= state.LambdaGrid.UpperBound() ? state.LambdaGrid(i) : 0.0;
        const double likelihood =
            i <= state.LikelihoodGrid.UpperBound() ? state.LikelihoodGrid(i) : 0.0;
        text += std::to_string(i) + ',' + FormatShortest(lambda) + ',' +
                FormatShortest(likelihood) + '\n';
    }
    const QString reason = WriteOutput(path, text);
    return reason.isEmpty() ? QString()
                            : QStringLiteral("cannot write %1: %2").arg(OutputName(path), reason);
}

}  // namespace tubewise::cli
