// One part of tubewise-cli: the options it adds, what it asks of the calculation, the files it
// writes, its key of the JSON report and its lines of the human-readable summary.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "core/Calculation.h"
#include "core/NumberText.h"

namespace tubewise::cli {

// Exit statuses (sysexits.h values for usage and output-file errors).
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitSoftware = 70;  // a build without its translations
inline constexpr int kExitCannotCreate = 73;

// The command line as every section sees it.
struct Invocation {
    const QCommandLineParser& parser;
    int argc;
    char** argv;
    bool json;  // --json: one JSON object on standard output
};

// The calculation of the ROW arguments as the sections report it: the one calculation, with a
// search that cannot finish kept for diagnosis.
struct Evaluation {
    Calculation calc;
    NumberLocale locale;
};

// Input refused: the texts of the message box the windows would show, and the grid row.
struct InputError {
    std::string title;   // UTF-8
    std::string prompt;  // UTF-8
    int row = 0;         // 1-based; 0 when no single row is to blame
};

class Section {
  public:
    virtual ~Section() = default;

    virtual QList<QCommandLineOption> Options() const { return {}; }

    // Checked after parsing; a non-empty text is a usage error (exit 64).
    virtual QString CheckUsage(const QCommandLineParser&) const { return {}; }

    // The application object, for a section that needs more than QCoreApplication for this
    // invocation (e.g. a QApplication to render a picture); the first non-null one is used.
    virtual std::unique_ptr<QCoreApplication> MakeApplication(const QCommandLineParser&, int&,
                                                              char**) const {
        return nullptr;
    }

    // A section that runs the program in a mode of its own instead of one calculation (a
    // batch of samples, say) returns the exit status; the others return nullopt.
    virtual std::optional<int> RunInstead(const Invocation&) { return std::nullopt; }

    // What the section needs the calculation to compute beyond the estimates.
    virtual void Configure(const QCommandLineParser&, CalculationOptions&) const {}

    // Writes the section's files; a non-empty text is the reason of a failure (exit 73).
    virtual QString WriteFiles(const Evaluation&, const Invocation&) { return {}; }

    // Adds the section's keys to the JSON report.
    virtual void AddJson(const Evaluation&, const Invocation&, QJsonObject&) const {}

    // Adds the section's lines to the human-readable summary.
    virtual void AddText(const Evaluation&, const Invocation&, QStringList&) const {}
};

}  // namespace tubewise::cli
