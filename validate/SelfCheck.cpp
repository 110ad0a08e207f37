// The comparison of the built-in tables with the program's exact statistics.
#include "validate/SelfCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "trays/TrayCalculation.h"

namespace tubewise::validate {

namespace {

// Digits after the point that `convention` keeps for `value` (negative: tens, hundreds...).
int DecimalsFor(double value, const Convention& convention) {
    if (convention.rounding == Rounding::Decimals) return convention.digits;
    if (value == 0) return convention.digits - 1;
    return convention.digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
}

double RoundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

std::optional<double> ParseNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string Exact(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

std::vector<stats::Dilution> Series(const PublishedTable& table,
                                    const std::vector<int>& positives) {
    std::vector<stats::Dilution> series;
    for (std::size_t i = 0; i < table.volumesMl.size(); ++i)
        series.push_back(
            {table.volumesMl[i], table.tubes[i], i < positives.size() ? positives[i] : 0});
    return series;
}

std::string RowLabel(const std::vector<int>& positives) {
    std::string label;
    for (int p : positives) label += (label.empty() ? "" : "-") + std::to_string(p);
    return label;
}

// Every outcome of the design with exactly `count` positive tubes, or exactly `count` negative
// ones: the tables' "<" and ">" bounds are the extreme MPNs of these.
double ExtremeMpn(const PublishedTable& table, bool lowestWithOnePositive) {
    double best = lowestWithOnePositive ? std::numeric_limits<double>::infinity() : 0;
    for (std::size_t at = 0; at < table.tubes.size(); ++at) {
        if (table.tubes[at] == 0) continue;
        std::vector<int> positives(table.tubes.size(), 0);
        if (!lowestWithOnePositive) positives = table.tubes;
        positives[at] += lowestWithOnePositive ? 1 : -1;
        const stats::Mle mle = stats::ExactMle(Series(table, positives));
        const double mpn = mle.perMl * table.scale;
        best = lowestWithOnePositive ? std::min(best, mpn) : std::max(best, mpn);
    }
    return best;
}

class TableCheck {
  public:
    TableCheck(const PublishedTable& table, SelfCheckResult& result)
        : table_(table), result_(result) {
        summary_.name = table.name;
        summary_.source = table.source;
    }

    void Run() {
        if (table_.limits == LimitsKind::NotOffered)
            result_.differences.push_back({table_.name, "95 % limits, every row",
                                           "the table's limits", "not compared", table_.limitsNote,
                                           true, false});
        for (const TableRow& row : table_.rows) CheckRow(row);
        result_.tables.push_back(summary_);
    }

  private:
    void CheckRow(const TableRow& row) {
        if (table_.tray) {
            CheckTrayRow(row);
            return;
        }
        const std::vector<stats::Dilution> series = Series(table_, row.positives);
        const std::string label = RowLabel(row.positives);
        if (stats::CheckSeries(series).fault != stats::SeriesFault::None) {
            for (const std::string* printed : {&row.mpn, &row.biasAdjusted, &row.low, &row.high})
                if (!printed->empty())
                    Record(label, "", *printed, "not computable",
                           "the outcome does not fit the table's design");
            return;
        }
        const stats::Mle mle = stats::ExactMle(series);
        if (!row.mpn.empty()) CheckMpn(label, row.mpn, mle);
        if (!row.biasAdjusted.empty()) {
            const std::optional<double> adjusted = stats::BiasAdjustedMle(series, mle);
            CheckFigure(label, "bias-adjusted", row.biasAdjusted,
                        adjusted ? std::optional<double>(*adjusted * table_.scale) : std::nullopt);
        }
        if (table_.limits != LimitsKind::Compared) return;
        const stats::ConfidenceLimits limits =
            stats::ComputeLimits(series, mle, {table_.method, table_.level});
        if (!row.low.empty())
            CheckFigure(label, "lower limit", row.low, limits.lowPerMl * table_.scale);
        if (!row.high.empty())
            CheckFigure(label, "upper limit", row.high,
                        std::isfinite(limits.highPerMl)
                            ? std::optional<double>(limits.highPerMl * table_.scale)
                            : std::nullopt);
    }

    // A tray's row as the tray window and the command line compute it, per 100 mL.
    void CheckTrayRow(const TableRow& row) {
        const std::string label = RowLabel(row.positives);
        trays::TrayInput input;
        input.design = *table_.tray;
        input.positives = row.positives.empty() ? 0 : row.positives[0];
        input.smallPositives = row.positives.size() > 1 ? row.positives[1] : 0;
        const trays::TrayResult r = trays::ComputeTray(input, {table_.method, table_.level});
        const std::size_t counts = *table_.tray == trays::Design::Tray97 ? 2 : 1;
        if (!r.check.ok() || row.positives.size() != counts) {
            for (const std::string* printed : {&row.mpn, &row.biasAdjusted, &row.low, &row.high})
                if (!printed->empty())
                    Record(label, "", *printed, "not computable",
                           "the outcome does not fit the table's design");
            return;
        }
        if (!row.mpn.empty()) CheckTrayMpn(label, row.mpn, r);
        if (!row.biasAdjusted.empty())
            CheckFigure(label, "bias-adjusted", row.biasAdjusted, r.biasAdjustedPer100Ml);
        if (table_.limits != LimitsKind::Compared) return;
        if (!row.low.empty()) CheckFigure(label, "lower limit", row.low, r.lowLimitPer100Ml);
        if (!row.high.empty())
            CheckFigure(label, "upper limit", row.high,
                        std::isfinite(r.highLimitPer100Ml) ? std::optional(r.highLimitPer100Ml)
                                                           : std::nullopt);
    }

    void CheckTrayMpn(const std::string& label, const std::string& printed,
                      const trays::TrayResult& r) {
        const char bound = printed.front();
        if (bound != '<' && bound != '>') {
            CheckFigure(
                label, "MPN", printed,
                r.bound == trays::TrayBound::None ? std::optional(r.mlePer100Ml) : std::nullopt);
            return;
        }
        const bool rightKind =
            r.bound == (bound == '<' ? trays::TrayBound::Below : trays::TrayBound::Above);
        const std::string computed =
            rightKind ? std::string(1, bound) + FormatRounded(r.reportPer100Ml, table_.convention)
                      : FormatRounded(r.mlePer100Ml, table_.convention);
        const std::string number = printed.substr(printed.find_first_not_of("<> "));
        if (rightKind && Agrees(number, r.reportPer100Ml, table_.convention))
            Agree();
        else
            Record(label, "MPN", printed, computed, "exact bound " + Exact(r.reportPer100Ml));
    }

    void CheckMpn(const std::string& label, const std::string& printed, const stats::Mle& mle) {
        const char bound = printed.front();
        if (bound != '<' && bound != '>') {
            CheckFigure(label, "MPN", printed,
                        mle.kind == stats::MleKind::Infinite
                            ? std::nullopt
                            : std::optional<double>(mle.perMl * table_.scale));
            return;
        }
        // "<X": every tube negative, X the lowest MPN with one positive tube; ">X": every tube
        // positive, X the highest MPN with one negative tube.
        const bool below = bound == '<';
        const bool rightKind =
            mle.kind == (below ? stats::MleKind::Zero : stats::MleKind::Infinite);
        const double limit = ExtremeMpn(table_, below);
        const std::string computed =
            rightKind ? std::string(1, bound) + FormatRounded(limit, table_.convention)
                      : FormatRounded(mle.perMl * table_.scale, table_.convention);
        const std::string number = printed.substr(printed.find_first_not_of("<> "));
        if (rightKind && Agrees(number, limit, table_.convention))
            Agree();
        else
            Record(label, "MPN", printed, computed, "exact bound " + Exact(limit));
    }

    void CheckFigure(const std::string& label, const std::string& quantity,
                     const std::string& printed, std::optional<double> value) {
        if (value && Agrees(printed, *value, table_.convention)) {
            Agree();
            return;
        }
        Record(label, quantity, printed,
               value ? FormatRounded(*value, table_.convention) : std::string("none"),
               value ? "exact value " + Exact(*value) : std::string("no finite value"));
    }

    void Agree() {
        ++summary_.checked;
        ++summary_.agreed;
        ++result_.checked;
        ++result_.agreed;
    }

    // A figure that does not agree: explained only by a known difference of the same printed
    // text, never by the size of the gap.
    void Record(const std::string& label, const std::string& quantity, const std::string& printed,
                const std::string& computed, const std::string& detail) {
        ++summary_.checked;
        ++result_.checked;
        Difference d{table_.name, quantity.empty() ? label : label + " " + quantity,
                     printed,     computed,
                     "",          false,
                     true};
        for (const KnownDifference& known : table_.known)
            if (known.row == label && known.quantity == quantity && known.printed == printed) {
                d.reason = known.reason;
                d.explained = true;
            }
        if (!d.explained) d.reason = "unexplained: " + detail + " does not give the printed figure";
        result_.differences.push_back(std::move(d));
    }

    const PublishedTable& table_;
    SelfCheckResult& result_;
    TableSummary summary_;
};

}  // namespace

int SelfCheckResult::ExplainedCompared() const {
    return static_cast<int>(
        std::count_if(differences.begin(), differences.end(),
                      [](const Difference& d) { return d.compared && d.explained; }));
}

SelfCheckResult RunSelfCheck(const std::vector<PublishedTable>& tables) {
    SelfCheckResult result;
    for (const PublishedTable& table : tables) TableCheck(table, result).Run();
    return result;
}

std::string FormatRounded(double value, const Convention& convention) {
    const int decimals = DecimalsFor(value, convention);
    const double rounded = RoundTo(value, decimals);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(decimals, 0), rounded);
    return buffer;
}

bool Agrees(const std::string& printed, double value, const Convention& convention) {
    const std::optional<double> number = ParseNumber(printed);
    if (!number || !std::isfinite(value)) return false;
    const double rounded = RoundTo(value, DecimalsFor(value, convention));
    return std::fabs(rounded - *number) <= 1e-9 * std::max(1.0, std::fabs(*number));
}

}  // namespace tubewise::validate
