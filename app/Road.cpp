// The program's road from the welcome window to a saved chart, and the wiring of its windows.
#include "app/Road.h"

#include "app/SaveFailure.h"

#include <QDir>
#include "chart/ChartExport.h"
#include "chart/frmgraph.h"
#include "core/Texts.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/ReportPdf.h"
#include "results/ResultTexts.h"
#include "results/frmresult.h"
#include "results/frmstats.h"
#include "shell/Layout.h"
#include "shell/Placement.h"
#include "shell/Session.h"
#include "shell/StatusLine.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"

namespace tubewise {

namespace {

const QString kGifFilter = QStringLiteral("GIF(*.GIF)");
const QString kGifSuffix = QStringLiteral(".GIF");
const QString kPdfFilter = QStringLiteral("PDF(*.pdf)");
const QString kPdfSuffix = QStringLiteral(".pdf");

// Closing one of the four windows of the road ends the program at once.
void EndProgramWhenClosed(Session& session, Form& form) {
    QObject::connect(&form, &Form::unloaded, &form, [&session] { session.EndProgram(); });
}

const char kPlaced[] = "tubewise_placed";

// Where the windows of the road were laid out on the screen, in twips: each opens there the
// first time.
struct DesignPlace {
    const char* window;
    int left;
    int top;
};
constexpr DesignPlace kDesignPlaces[] = {{"frmabout", 5445, 4320},  {"frmdel", 6075, 4680},
                                         {"frmmpn", 5160, 4080},    {"frmresult", 4860, 3465},
                                         {"frmgraph", 2355, 2160},  {"frmContact", 1155, 1125},
                                         {"frmdarbare", 1545, 1650}};

// Opens beside `from` a window that has no place yet; a window already placed keeps its own.
void PlaceBeside(Session& session, Form& window, const QWidget& from) {
    if (window.isVisible() || window.property(kPlaced).toBool()) return;
    MoveBeside(window, from, session.language() == Language::Persian);
    window.setProperty(kPlaced, true);
}

// An about or contact dialog, modal; the welcome window takes the keyboard back afterwards.
template <class Dialog>
void ShowDialogOverWelcome(Session& session) {
    Dialog& dialog = session.form<Dialog>();
    if (session.isBuilt<frmabout>()) PlaceBeside(session, dialog, session.form<frmabout>());
    dialog.ShowModal();
    if (session.isBuilt<frmabout>()) session.form<frmabout>().TakeKeyboardBack();
}

}  // namespace

void Road::PlaceFirstOpening(Form& form) {
    const QString name = form.objectName();
    const bool first = opened_.insert(name).second;
    if (!first) return;
    for (const DesignPlace& p : kDesignPlaces) {
        if (name != QLatin1String(p.window)) continue;
        form.move(TwipsToPixels(p.left), TwipsToPixels(p.top));
        form.setProperty(kPlaced, true);
    }
}

Road::Road(Session& session) : session_(session) {
    connect(&session, &Session::formBuilt, this, &Road::Wire);
    connect(&session, &Session::languageChanged, this, [&session] { RecomposeResults(session); });
}

void Road::Wire(Form* form) {
    Session& s = session_;
    PlaceFirstOpening(*form);
    connect(form, &Form::languageToggleRequested, this, [&s] {
        s.SwitchLanguage(s.language() == Language::Persian ? Language::English : Language::Persian);
    });
    if (auto* w = qobject_cast<frmabout*>(form)) WireWelcome(*w);
    if (auto* w = qobject_cast<frmdel*>(form)) WireCountDialog(*w);
    if (auto* w = qobject_cast<frmmpn*>(form)) WireGrid(*w);
    if (auto* w = qobject_cast<frmresult*>(form)) WireResults(*w);
    if (auto* w = qobject_cast<frmgraph*>(form)) WireChart(*w);
    if (auto* w = qobject_cast<frmContact*>(form)) WireContact(*w);
    if (auto* w = qobject_cast<frmstats*>(form)) WireStatistics(*w);
}

void Road::WireWelcome(frmabout& welcome) {
    Session& s = session_;
    connect(&welcome, &frmabout::enterRequested, this, [&s, &welcome] {
        PlaceBeside(s, s.form<frmdel>(), welcome);
        s.form<frmdel>().show();
        welcome.hide();
    });
    connect(&welcome, &frmabout::aboutRequested, this,
            [&s] { ShowDialogOverWelcome<frmdarbare>(s); });
    connect(&welcome, &frmabout::contactRequested, this,
            [&s] { ShowDialogOverWelcome<frmContact>(s); });
    EndProgramWhenClosed(s, welcome);
}

void Road::WireCountDialog(frmdel& dialog) {
    Session& s = session_;
    connect(&dialog, &frmdel::countConfirmed, this, [&s, &dialog](int count) {
        // Building the grid on its first use closes every row before these are opened.
        frmmpn& grid = s.form<frmmpn>();
        grid.OpenRows(count);
        PlaceBeside(s, grid, dialog);
        dialog.hide();
        grid.show();
    });
    connect(&dialog, &frmdel::exitRequested, this, [&s] { s.EndProgram(); });
    EndProgramWhenClosed(s, dialog);
}

void Road::WireGrid(frmmpn& grid) {
    Session& s = session_;
    connect(&grid, &frmmpn::calculateRequested, this, [&s] { RunCalculation(s); });
    connect(&grid, &frmmpn::gridEdited, this, [&s] { MarkStatisticsOutOfDate(s); });
    connect(&grid, &frmmpn::changeDilutionRequested, this, [&s, &grid] {
        MarkStatisticsOutOfDate(s);
        grid.ResetGrid();
        grid.hide();
        frmdel& dialog = s.form<frmdel>();
        PlaceBeside(s, dialog, grid);
        dialog.show();
        dialog.Reset();
    });
    EndProgramWhenClosed(s, grid);
}

void Road::WireResults(frmresult& results) {
    Session& s = session_;
    connect(&results, &frmresult::returnRequested, this, [&s, &results] {
        PlaceBeside(s, s.form<frmmpn>(), results);
        results.hide();
        s.form<frmmpn>().show();
    });
    connect(&results, &frmresult::chartRequested, this, [&s] { ShowChart(s); });
    connect(&results, &frmresult::statisticsRequested, this, [&s] { ShowStatistics(s); });
    EndProgramWhenClosed(s, results);
}

void Road::WireChart(frmgraph& chart) {
    Session& s = session_;
    connect(&chart, &frmgraph::saveRequested, this, [&s] { SaveChart(s); });
}

void Road::WireStatistics(frmstats& statistics) {
    Session& s = session_;
    connect(&statistics, &frmstats::copyRequested, this, [&s] { CopyStatistics(s); });
    connect(&statistics, &frmstats::reportRequested, this, [&s] { SaveReport(s); });
}

void Road::WireContact(frmContact& contact) {
    Session& s = session_;
    // Closing the card gives the welcome window its input back; a welcome window that is not
    // there is not built just to be enabled.
    connect(&contact, &Form::unloaded, this, [&s] {
        if (s.isBuilt<frmabout>()) s.form<frmabout>().setEnabled(true);
    });
}

frmabout& StartProgram(Session& session) {
    frmabout& welcome = session.form<frmabout>();
    welcome.show();
    return welcome;
}

Calculation RunCalculation(Session& session) {
    frmmpn& grid = session.form<frmmpn>();
    const NumberLocale locale = session.numberLocale();
    CalculationOptions options;
    options.failedSearch = FailedSearch::Discard;
    session.keepCalculation(Calculate(grid.ReadGrid(), grid.openRows(), locale, options));
    const std::shared_ptr<const Calculation> calc = session.lastCalculation();
    if (calc->refusal) session.tell(&grid, *calc->refusal);
    // A message box runs its own event loop; the program may have been ended meanwhile.
    if (session.ending()) return *calc;
    grid.FocusCell(calc->check.row, calc->check.column);

    if (calc->showResults()) {
        frmresult& results = session.form<frmresult>();
        PlaceBeside(session, results, grid);
        grid.hide();
        results.ShowResults(ComposeResultTexts(*calc, locale));
        results.show();
    }
    RefreshOpenChart(session);
    RefreshOpenStatistics(session, calc);
    return *calc;
}

void RecomposeResults(Session& session) {
    if (!session.isBuilt<frmresult>()) return;
    frmresult& results = session.form<frmresult>();
    // Shown, it holds the last calculation; hidden, it is filled afresh before it shows.
    const std::shared_ptr<const Calculation> calc = session.lastCalculation();
    if (!results.isVisible() || !calc || !calc->gridValid()) return;
    results.ShowResults(ComposeResultTexts(*calc, session.numberLocale()));
}

void DrawProbabilityChart(Session& session) {
    session.form<frmgraph>().Draw(session.lastCalculation().get());
}

void ShowChart(Session& session) {
    DrawProbabilityChart(session);
    if (session.isBuilt<frmresult>())
        PlaceBeside(session, session.form<frmgraph>(), session.form<frmresult>());
    session.form<frmgraph>().BringIntoView();
}

void RefreshOpenChart(Session& session) {
    if (!session.isBuilt<frmgraph>()) return;
    frmgraph& chart = session.form<frmgraph>();
    if (!chart.isVisible()) return;
    chart.update();
    DrawProbabilityChart(session);
    chart.Restore();
}

namespace {

Message UncomputableMessage() {
    return Message{text::Tr(text::kUncomputablePrompt), text::Tr(text::kWrongInputTitle)};
}

// Why a calculation has no figures to show, if it has none: its own refusal where it has one.
std::optional<Message> RefusalOf(const Calculation* calc) {
    if (calc && calc->showResults()) return std::nullopt;
    if (calc && calc->refusal) return calc->refusal;
    return UncomputableMessage();
}

}  // namespace

void ShowStatistics(Session& session) {
    const std::shared_ptr<const Calculation> calc = session.lastCalculation();
    frmstats& statistics = session.form<frmstats>();
    std::optional<Message> refusal;
    if (!calc || !calc->gridValid()) refusal = UncomputableMessage();
    statistics.ShowSample(calc, refusal);
    if (session.isBuilt<frmresult>()) PlaceBeside(session, statistics, session.form<frmresult>());
    statistics.BringIntoView();
}

void RefreshOpenStatistics(Session& session, const std::shared_ptr<const Calculation>& calc) {
    if (!session.isBuilt<frmstats>()) return;
    frmstats& statistics = session.form<frmstats>();
    if (!statistics.isVisible()) return;
    statistics.ShowSample(calc, RefusalOf(calc.get()));
    statistics.Restore();
}

void MarkStatisticsOutOfDate(Session& session) {
    if (session.isBuilt<frmstats>()) session.form<frmstats>().MarkOutOfDate();
}

void CopyStatistics(Session& session) {
    frmstats& statistics = session.form<frmstats>();
    if (!statistics.current() || !session.seams().copyText) return;
    if (!statistics.CheckDate()) return;
    session.seams().copyText(QString::fromStdString(statistics.CopiedText()));
    ShowStatus(statistics.controls().lblstatus,
               QString::fromStdString(text::Tr(text::kResultCopiedStatus)));
}

void SaveReport(Session& session) {
    frmstats& statistics = session.form<frmstats>();
    if (!statistics.current() || !statistics.CheckDate()) return;
    ShowStatus(statistics.controls().lblstatus, QString());
    const QString chosen =
        session.seams().saveFileName(&statistics, kPdfFilter, statistics.lastFileName());
    if (chosen.isEmpty()) return;  // cancelled
    statistics.setLastFileName(chosen);
    const QString path =
        chosen.endsWith(kPdfSuffix, Qt::CaseInsensitive) ? chosen : chosen + kPdfSuffix;
    QString reason;
    if (SaveReportPdf(statistics.Report(), statistics.Chart(), path, &reason)) {
        ShowStatus(statistics.controls().lblstatus,
                   QString::fromStdString(text::Tr(text::kReportSavedStatus))
                       .arg(QDir::toNativeSeparators(path)));
        return;
    }
    session.seams().message(&statistics,
                            SaveFailedMessage(text::kReportNotSavedPrompt, path, reason),
                            QString::fromStdString(text::Tr(text::kErrorTitle)));
}

void SaveChart(Session& session) {
    frmgraph& chart = session.form<frmgraph>();
    ShowStatus(chart.controls().lblstatus, QString());
    const QString chosen = session.seams().saveFileName(&chart, kGifFilter, chart.lastFileName());
    if (chosen.isEmpty()) return;  // cancelled
    chart.setLastFileName(chosen);
    const QString path = chosen + kGifSuffix;
    QString reason;
    if (SaveChartGif(chart.drawn(), path, &reason)) {
        ShowStatus(chart.controls().lblstatus,
                   QString::fromStdString(text::Tr(text::kPictureSavedStatus))
                       .arg(QDir::toNativeSeparators(path)));
        return;
    }
    session.seams().message(&chart, SaveFailedMessage(text::kPictureNotSavedPrompt, path, reason),
                            QString::fromStdString(text::Tr(text::kErrorTitle)));
}

}  // namespace tubewise
