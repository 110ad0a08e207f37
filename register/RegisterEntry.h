// What the windows save to the register and read back from it, as plain data: the sample's
// fields as typed, their check, a draft record of the grid's texts, and the grid again from a
// stored record for its correction.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/GridTexts.h"
#include "core/Series.h"
#include "register/Record.h"

namespace tubewise::reg {

// The fields the analyst types when saving a sample.
struct SampleFields {
    std::string sampleId;
    std::string site;
    std::string sampledAt;   // "YYYY-MM-DD HH:MM" or empty
    std::string receivedAt;  // "YYYY-MM-DD HH:MM" or empty
    std::string analyst;
};

enum class FieldFault {
    None,
    NoSampleId,
    SampledNotDateTime,
    ReceivedNotDateTime,
    ReceivedBeforeSampled,
};

// The first fault of the fields, in the order the analyst fills them in.
FieldFault CheckFields(const SampleFields& fields);

// The fields of a stored version, to fill the save dialog for its correction.
SampleFields FieldsOf(const RecordVersion& version);

// A record of the grid's first `rows` rows exactly as typed (read in the typist's decimal
// separator), with the fields and the confidence limits chosen; its results are still to be
// computed (ComputeResults), its number and who saved it still to be given.
RecordVersion DraftOfGrid(const SampleFields& fields, const GridTexts& grid, int rows,
                          const std::string& decimalSeparator, stats::CiMethod method,
                          double level);

// True when the grid's texts, read as a calculation reads them, are the series a window shows:
// the grid has not been retyped since that calculation.
bool SameAsShown(const GridTexts& grid, int rows, const std::string& decimalSeparator,
                 const Series& shown);

// A stored tube series back as grid texts: its rows and their count (0 when it is no series of
// 1 to 5 rows the grid can hold).
struct StoredGrid {
    GridTexts grid{};
    int rows = 0;
};
StoredGrid GridOf(const RecordInputs& inputs);

}  // namespace tubewise::reg
