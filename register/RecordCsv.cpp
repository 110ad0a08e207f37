// The register's CSV export: one column table from which the header and every line come.
#include "register/RecordCsv.h"

#include <functional>
#include <string_view>

#include "core/CsvText.h"

namespace tubewise::reg {

namespace {

struct CsvColumn {
    std::string_view name;
    std::function<std::string(const RecordVersion&, bool superseded, double limit)> value;
};

std::string Flag(bool flag) {
    return flag ? "true" : "false";
}
std::string Optional(const std::optional<double>& x) {
    return x ? NumberText(*x) : std::string();
}

std::string Rows(const RecordInputs& in) {
    std::string out;
    for (const GridRowTexts& row : in.rows) {
        if (!out.empty()) out += ' ';
        out += RowText(row);
    }
    return out;
}

const std::vector<CsvColumn>& Columns() {
    using V = const RecordVersion&;
    static const std::vector<CsvColumn> columns = {
        {"record", [](V v, bool, double) { return std::to_string(v.record); }},
        {"version", [](V v, bool, double) { return std::to_string(v.version); }},
        {"superseded", [](V, bool s, double) { return Flag(s); }},
        {"sample_id", [](V v, bool, double) { return CsvTextField(v.sampleId); }},
        {"site", [](V v, bool, double) { return CsvTextField(v.site); }},
        {"sampled_at", [](V v, bool, double) { return CsvTextField(v.sampledAt); }},
        {"received_at", [](V v, bool, double) { return CsvTextField(v.receivedAt); }},
        {"holding_hours", [](V v, bool, double) { return Optional(HoldingHours(v)); }},
        {"holding_exceeded", [](V v, bool, double l) { return Flag(HoldingExceeded(v, l)); }},
        {"analyst", [](V v, bool, double) { return CsvTextField(v.analyst); }},
        {"design", [](V v, bool, double) { return std::string(DesignName(v.inputs.design)); }},
        {"rows", [](V v, bool, double) { return CsvTextField(Rows(v.inputs)); }},
        {"tray_counts", [](V v, bool, double) { return CsvTextField(v.inputs.trayCounts); }},
        {"dilution_factor", [](V v, bool, double) { return NumberText(v.inputs.dilutionFactor); }},
        {"dilutions", [](V v, bool, double) { return std::to_string(v.results.dilutions); }},
        {"grid_mpn_per_ml", [](V v, bool, double) { return NumberText(v.results.gridMpnPerMl); }},
        {"grid_mpn_per_100ml",
         [](V v, bool, double) { return NumberText(v.results.gridMpnPer100Ml); }},
        {"grid_lower_bound", [](V v, bool, double) { return Flag(v.results.gridLowerBound); }},
        {"max_likelihood", [](V v, bool, double) { return NumberText(v.results.maxLikelihood); }},
        {"thomas_per_100ml", [](V v, bool, double) { return Optional(v.results.thomasPer100Ml); }},
        {"mle_per_ml", [](V v, bool, double) { return Optional(v.results.mlePerMl); }},
        {"mle_infinite",
         [](V v, bool, double) { return Flag(v.results.mleKind == stats::MleKind::Infinite); }},
        {"bias_adjusted_per_ml",
         [](V v, bool, double) { return Optional(v.results.biasAdjustedPerMl); }},
        {"ci_method",
         [](V v, bool, double) { return std::string(stats::CiMethodName(v.inputs.ciMethod)); }},
        {"ci_level", [](V v, bool, double) { return NumberText(v.inputs.ciLevel); }},
        {"ci_low_per_ml", [](V v, bool, double) { return NumberText(v.results.ciLowPerMl); }},
        {"ci_high_per_ml", [](V v, bool, double) { return Optional(v.results.ciHighPerMl); }},
        {"rarity_index", [](V v, bool, double) { return NumberText(v.results.rarityIndex); }},
        {"improbable", [](V v, bool, double) { return Flag(v.results.improbable); }},
        {"grid_advice",
         [](V v, bool, double) { return std::string(AdviceName(v.results.gridAdvice)); }},
        {"thomas_advice",
         [](V v, bool, double) { return std::string(AdviceName(v.results.thomasAdvice)); }},
        {"program_version", [](V v, bool, double) { return CsvTextField(v.programVersion); }},
        {"saved_at", [](V v, bool, double) { return CsvTextField(v.savedAt); }},
        {"saved_by", [](V v, bool, double) { return CsvTextField(v.savedBy); }},
        {"reason", [](V v, bool, double) { return CsvTextField(v.reason); }},
    };
    return columns;
}

}  // namespace

std::string ExportHeader() {
    std::string out;
    for (const CsvColumn& column : Columns()) {
        if (!out.empty()) out += ',';
        out += column.name;
    }
    return out;
}

std::string ExportLine(const RecordVersion& version, bool superseded, double holdingLimitHours) {
    std::string out;
    bool first = true;
    for (const CsvColumn& column : Columns()) {
        if (!first) out += ',';
        first = false;
        out += column.value(version, superseded, holdingLimitHours);
    }
    return out;
}

}  // namespace tubewise::reg
