// The validation record: the self-check's outcome as a signed PDF document for the laboratory's
// files (A4, one or more pages).
#pragma once

#include <QByteArray>
#include <string>

#include "validate/SelfCheck.h"

namespace tubewise::validate {

// What the record states besides the figures: when the check ran and where.
struct RecordContext {
    std::string checkedAt;        // date and time of the check, e.g. "2026-12-08 23:40:12 UTC"
    std::string operatingSystem;  // e.g. "Debian GNU/Linux 12 (bookworm), Linux 6.1"
    std::string qtRuntime;        // the Qt the program runs with
};

// The PDF document: the program's version and build, the system, the time of the check, each
// table's figures checked and agreed, every difference with its reason, and lines for the
// analyst's name and signature. Needs a QGuiApplication.
QByteArray ValidationRecordPdf(const SelfCheckResult& result, const RecordContext& context);

// The context of a check made now, on this machine, with the Qt this program runs on.
RecordContext CurrentRecordContext();

}  // namespace tubewise::validate
