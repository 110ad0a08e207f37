// The sample's fields and the grid's texts as a register draft, and back.
#include "register/RegisterEntry.h"

namespace tubewise::reg {

FieldFault CheckFields(const SampleFields& fields) {
    if (fields.sampleId.find_first_not_of(" \t") == std::string::npos)
        return FieldFault::NoSampleId;
    if (!fields.sampledAt.empty() && !ParseDateTimeMinutes(fields.sampledAt))
        return FieldFault::SampledNotDateTime;
    if (!fields.receivedAt.empty() && !ParseDateTimeMinutes(fields.receivedAt))
        return FieldFault::ReceivedNotDateTime;
    RecordVersion v;
    v.sampledAt = fields.sampledAt;
    v.receivedAt = fields.receivedAt;
    const auto hours = HoldingHours(v);
    if (hours && *hours < 0) return FieldFault::ReceivedBeforeSampled;
    return FieldFault::None;
}

SampleFields FieldsOf(const RecordVersion& version) {
    return {version.sampleId, version.site, version.sampledAt, version.receivedAt, version.analyst};
}

RecordVersion DraftOfGrid(const SampleFields& fields, const GridTexts& grid, int rows,
                          const std::string& decimalSeparator, stats::CiMethod method,
                          double level) {
    RecordVersion v;
    v.sampleId = fields.sampleId;
    v.site = fields.site;
    v.sampledAt = fields.sampledAt;
    v.receivedAt = fields.receivedAt;
    v.analyst = fields.analyst;
    v.inputs.design = Design::Tubes;
    for (int i = 0; i < rows && i < kGridRows; ++i)
        v.inputs.rows.push_back(grid[static_cast<std::size_t>(i)]);
    v.inputs.decimalSeparator = decimalSeparator;
    v.inputs.ciMethod = method;
    v.inputs.ciLevel = level;
    return v;
}

bool SameAsShown(const GridTexts& grid, int rows, const std::string& decimalSeparator,
                 const Series& shown) {
    if (rows < 1 || rows > kGridRows) return false;
    const SeriesLoad load = LoadSeries(grid, rows, NumberLocale{decimalSeparator});
    return load.complete() && load.series == shown;
}

StoredGrid GridOf(const RecordInputs& inputs) {
    StoredGrid out;
    if (inputs.design != Design::Tubes || inputs.rows.empty() ||
        inputs.rows.size() > static_cast<std::size_t>(kGridRows))
        return out;
    for (std::size_t i = 0; i < inputs.rows.size(); ++i) out.grid[i] = inputs.rows[i];
    out.rows = static_cast<int>(inputs.rows.size());
    return out;
}

}  // namespace tubewise::reg
