// The composition root: the one place that knows every window. It connects the windows'
// intents (enter the program, open the about box or the contact card, count confirmed or
// refused, exit, calculate, change the dilution count, back to the grid, show the chart or the
// statistics, save the chart, copy the result, save the report, close a window, switch the
// language) into the program's road, and runs the steps of that road.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <memory>
#include <set>

#include "core/Calculation.h"

namespace tubewise {

class Form;
class Session;
class frmabout;
class frmdel;
class frmmpn;
class frmresult;
class frmgraph;
class frmContact;
class frmstats;
class frmtray;
class frmregister;
class frmregsave;
class frmsite;

// Wires every window the session builds from its construction on; one per session.
class Road : public QObject {
    Q_OBJECT
  public:
    explicit Road(Session& session);

  private:
    void Wire(Form* form);
    void WireWelcome(frmabout& welcome);
    void WireCountDialog(frmdel& dialog);
    void WireGrid(frmmpn& grid);
    void WireResults(frmresult& results);
    void WireChart(frmgraph& chart);
    void WireContact(frmContact& contact);
    void WireStatistics(frmstats& statistics);
    void WireTray(frmtray& tray);
    void WireRegister(frmregister& window);
    void WireRegisterSave(frmregsave& dialog);
    void WireSite(frmsite& window);
    // A window built for the first time in the run opens where the program's windows were laid
    // out; one built again, or one without such a place, opens beside the window it came from.
    void PlaceFirstOpening(Form& form);

    Session& session_;
    std::set<QString> opened_;  // the windows built so far, by name
};

// Start-up: builds the welcome window and shows it, not modal; no other window is built.
frmabout& StartProgram(Session& session);

// The calculate button's command: one calculation from the grid's open rows, kept by the
// session as the last calculation. A refused grid or a search that cannot finish is told over
// the grid, which stays in front with its text untouched; otherwise the grid is hidden and the
// results window filled and shown. In every case an open chart window is redrawn and restored
// from minimised, and an open statistics window shows the calculation.
Calculation RunCalculation(Session& session);

// After a change of language: the results window, when shown, composes its texts afresh from
// the last calculation in the new language. (Every window shows its table's texts and its own
// in the new language by itself; the chart window captions its chart afresh.)
void RecomposeResults(Session& session);

// The probability chart of the last calculation, drawn into the chart window (built hidden
// when it does not exist yet).
void DrawProbabilityChart(Session& session);

// The results window's chart button: draws the chart and brings the chart window into view.
void ShowChart(Session& session);

// After every calculation, valid or not: when the chart window is visible (minimised counts)
// it is redrawn from the current curve and restored. A chart window that is not open is
// neither built nor shown.
void RefreshOpenChart(Session& session);

// The results window's statistics button: the exact statistics of the last calculation in the
// statistics window (built hidden when it does not exist yet), brought into view.
void ShowStatistics(Session& session);

// After every calculation, valid or not: when the statistics window is visible (minimised
// counts) it shows this calculation (a refused one with its reason and no figures) and is
// restored. A statistics window that is not open is neither built nor shown.
void RefreshOpenStatistics(Session& session, const std::shared_ptr<const Calculation>& calc);

// The grid has been edited or left: an open or hidden statistics window shows that its figures
// no longer belong to the grid, and offers no save or copy until the next calculation.
void MarkStatisticsOutOfDate(Session& session);

// The statistics window's copy button: the header line and the sample's line, tab-separated,
// on the clipboard. Figures that are out of date are not copied; a date that does not exist is
// refused with its reason.
void CopyStatistics(Session& session);

// The statistics window's report button: asks for a name (offering the last one), appends
// ".pdf" unless it ends so, and writes the one-page report. A cancelled dialog writes nothing;
// a failed write leaves any old file as it was and tells the analyst why.
void SaveReport(Session& session);

// The tray window's calculate button: the chosen design's boxes read and checked; a refusal
// is told over the tray window and the box it names takes the focus; otherwise the statistics
// window (built hidden when it does not exist yet) shows the tray's figures and comes into view.
void RunTrayCalculation(Session& session);

// The welcome window's "validate this installation": the self-check against the published tables
// built into the program, its summary told to the analyst, then its PDF record saved (whole) where
// the analyst chooses; a cancelled dialog saves nothing.
void ValidateInstallation(Session& session);

// The chart window's save button: asks for a name (offering the last one), appends ".GIF" and
// writes the chart as an 800 x 400 GIF. A cancelled dialog writes nothing; a failed write
// leaves any old file as it was and tells the analyst why.
void SaveChart(Session& session);

// The register the windows read and write: TUBEWISE_REGISTER when set, else the one last chosen
// in the register window, else the default register in the user's data folder.
QString RegisterLocation();

// The statistics window's register button: the save dialog, offering the fields typed last (or,
// for a correction, the record's own) and the holding flag. Nothing when the window shows no
// current sample.
void AskToRegister(Session& session);

// The save dialog's save button: the statistics window's sample stored in the register (the
// grid's texts as typed, the results as the register computes them, which must be the figures
// shown), as a new record or, after a correction was opened, as the record's next version with
// its reason. Returns the record's number; on any failure nothing is stored, the analyst is told
// why and every window keeps what it shows.
std::optional<std::int64_t> SaveToRegister(Session& session);

// The welcome window's register button: the register window on RegisterLocation(), brought
// into view.
void ShowRegisterWindow(Session& session);

// The register window's location button: that register shown and remembered when it opens.
void ChooseRegister(Session& session, const QString& location);

// The register window's correct button: the record's rows opened in the grid, as the count
// dialog's road would open them, and the statistics window told that its next save corrects it.
void CorrectRecord(Session& session, std::int64_t record);

// The register window's reprint button: the record's latest version computed again and its
// one-page report, marked with the record's number and version, saved where the analyst says.
void ReprintRecord(Session& session, std::int64_t record);

// The register window's export button: every record the search finds, as the register's CSV.
void ExportRegister(Session& session);

// The register window's site button: the site window on the register window's register (or
// RegisterLocation() when none is open) with the analyst's limit profiles, `site` chosen and
// shown when the register has it, brought into view.
void ShowSiteWindow(Session& session, const QString& site);

// The site window's show button (and choosing a site or a profile): the site's samples of the
// chosen period read from the register and summarised. A box that cannot be read is told and
// takes the keyboard; what is shown stays until a request can be read.
void ShowSite(Session& session);

// The site window's save-limit button: the period, statistic and limit in the boxes kept as a
// profile under the typed name (replacing one of that name), chosen, and written to the
// settings.
void SaveSiteProfile(Session& session);

// The site window's delete-limit button: the chosen profile removed from the list and the
// settings.
void DeleteSiteProfile(Session& session);

// The site window's report button: the one-page site report of what is shown, saved (whole)
// where the analyst says, ".pdf" appended unless the name ends so.
void SaveSiteReport(Session& session);

// The site window's CSV button: the shown period's samples as CSV, saved whole.
void SaveSiteCsv(Session& session);

}  // namespace tubewise
