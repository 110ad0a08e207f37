// The program's road from the welcome window to a saved chart, and the wiring of its windows.
#include "app/Road.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <variant>

#include "app/SaveFailure.h"
#include "validate/SelfCheck.h"
#include "validate/ValidationRecord.h"

#include <QDir>
#include "chart/ChartExport.h"
#include "chart/frmgraph.h"
#include "core/Texts.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "register/RecordCompute.h"
#include "register/RecordCsv.h"
#include "register/RegisterEntry.h"
#include "register/RegisterStore.h"
#include "register/frmregister.h"
#include "register/frmregsave.h"
#include "results/ReportDate.h"
#include "results/ReportPdf.h"
#include "results/ResultTexts.h"
#include "results/SampleReport.h"
#include "results/StatisticsTexts.h"
#include "results/frmresult.h"
#include "results/frmstats.h"
#include "shell/Layout.h"
#include "shell/Placement.h"
#include "shell/SaveWhole.h"
#include "shell/Session.h"
#include "shell/StatusLine.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"
#include "site/SampleConformity.h"
#include "site/SiteCsv.h"
#include "site/SiteRecords.h"
#include "site/SiteReport.h"
#include "site/SiteReportPdf.h"
#include "site/SiteRequest.h"
#include "site/frmsite.h"
#include "trays/TrayEntry.h"
#include "trays/frmtray.h"

namespace tubewise {

namespace {

const QString kGifFilter = QStringLiteral("GIF(*.GIF)");
const QString kGifSuffix = QStringLiteral(".GIF");
const QString kPdfFilter = QStringLiteral("PDF(*.pdf)");
const QString kPdfSuffix = QStringLiteral(".pdf");
const QString kCsvFilter = QStringLiteral("CSV(*.csv)");
const QString kCsvSuffix = QStringLiteral(".csv");

void TellWhy(Session& session, QWidget* parent, text::Text prompt, const QString& why);

// The name chosen in a save dialog with `suffix` appended unless it ends so.
QString WithSuffix(const QString& chosen, const QString& suffix) {
    return chosen.endsWith(suffix, Qt::CaseInsensitive) ? chosen : chosen + suffix;
}

// A name asked in the save dialog (offering none), with `suffix`; empty when the dialog was
// cancelled.
QString AskFileName(Session& session, QWidget* parent, const QString& filter,
                    const QString& suffix) {
    const QString chosen = session.seams().saveFileName(parent, filter, QString());
    return chosen.isEmpty() ? chosen : WithSuffix(chosen, suffix);
}

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
    if (auto* w = qobject_cast<frmtray*>(form)) WireTray(*w);
    if (auto* w = qobject_cast<frmregister*>(form)) WireRegister(*w);
    if (auto* w = qobject_cast<frmregsave*>(form)) WireRegisterSave(*w);
    if (auto* w = qobject_cast<frmsite*>(form)) WireSite(*w);
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
    connect(&welcome, &frmabout::trayRequested, this, [&s, &welcome] {
        s.form<frmtray>().show();
        welcome.hide();
    });
    connect(&welcome, &frmabout::registerRequested, this, [&s] { ShowRegisterWindow(s); });
    connect(&welcome, &frmabout::validateRequested, this, [&s] { ValidateInstallation(s); });
    EndProgramWhenClosed(s, welcome);
}

void Road::WireTray(frmtray& tray) {
    Session& s = session_;
    connect(&tray, &frmtray::calculateRequested, this, [&s] { RunTrayCalculation(s); });
    // The tube series goes the welcome window's own way in.
    connect(&tray, &frmtray::tubesRequested, this, [&s, &tray] {
        s.form<frmdel>().show();
        tray.hide();
    });
    connect(&tray, &frmtray::returnRequested, this, [&s, &tray] {
        s.form<frmabout>().show();
        tray.hide();
    });
    EndProgramWhenClosed(s, tray);
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
    connect(&statistics, &frmstats::registerRequested, this, [&s] { AskToRegister(s); });
}

void Road::WireRegister(frmregister& window) {
    Session& s = session_;
    connect(&window, &frmregister::locationRequested, this,
            [&s](const QString& location) { ChooseRegister(s, location); });
    connect(&window, &frmregister::correctRequested, this,
            [&s](std::int64_t record) { CorrectRecord(s, record); });
    connect(&window, &frmregister::reprintRequested, this,
            [&s](std::int64_t record) { ReprintRecord(s, record); });
    connect(&window, &frmregister::exportRequested, this, [&s] { ExportRegister(s); });
    connect(&window, &frmregister::siteRequested, this,
            [&s](const QString& site) { ShowSiteWindow(s, site); });
}

void Road::WireRegisterSave(frmregsave& dialog) {
    Session& s = session_;
    connect(&dialog, &frmregsave::saveRequested, this, [&s] { SaveToRegister(s); });
}

void Road::WireSite(frmsite& window) {
    Session& s = session_;
    connect(&window, &frmsite::showRequested, this, [&s] { ShowSite(s); });
    connect(&window, &frmsite::saveProfileRequested, this, [&s] { SaveSiteProfile(s); });
    connect(&window, &frmsite::deleteProfileRequested, this, [&s] { DeleteSiteProfile(s); });
    connect(&window, &frmsite::reportRequested, this, [&s] { SaveSiteReport(s); });
    connect(&window, &frmsite::csvRequested, this, [&s] { SaveSiteCsv(s); });
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

namespace {

// The report of the statistics window, closed by its conformity with the limit typed for it;
// nothing when that limit cannot be read (the analyst is told, and its box takes the keyboard).
std::optional<SampleReport> ReportWithConformity(Session& session, frmstats& statistics) {
    SampleReport report = statistics.Report();
    const frmstats::Controls& c = statistics.controls();
    const std::string typed = Form::Text(c.txtreplimit).trimmed().toStdString();
    if (typed.empty()) return report;
    const auto limit = TextToFloat(typed, session.numberLocale());
    if (!limit || !std::isfinite(*limit) || !(*limit > 0)) {
        TellWhy(session, &statistics, text::kSiteLimitPrompt, QString());
        c.txtreplimit->setFocus(Qt::OtherFocusReason);
        c.txtreplimit->selectAll();
        return std::nullopt;
    }
    const site::DecisionRule rule = c.cboreprule->currentIndex() == 1
                                        ? site::DecisionRule::Guarded
                                        : site::DecisionRule::SimpleAcceptance;
    std::vector<stats::Dilution> series;
    if (statistics.showsTray()) {
        // The tray's wells hold the diluted sample: per mL of the original they hold less.
        const trays::TrayResult& tray = statistics.trayResult();
        for (stats::Dilution d : tray.groups) {
            d.volumeMl /= tray.dilutionFactor;
            series.push_back(d);
        }
    } else if (statistics.sample()) {
        series = DilutionsOf(statistics.sample()->series());
    }
    site::AddSampleConformity(report,
                              site::SampleConformityLine(series, statistics.options(), *limit, rule,
                                                         session.numberLocale()));
    return report;
}

}  // namespace

void SaveReport(Session& session) {
    frmstats& statistics = session.form<frmstats>();
    if (!statistics.current() || !statistics.CheckDate()) return;
    ShowStatus(statistics.controls().lblstatus, QString());
    const std::optional<SampleReport> report = ReportWithConformity(session, statistics);
    if (!report) return;
    const QString chosen =
        session.seams().saveFileName(&statistics, kPdfFilter, statistics.lastFileName());
    if (chosen.isEmpty()) return;  // cancelled
    statistics.setLastFileName(chosen);
    const QString path = WithSuffix(chosen, kPdfSuffix);
    QString reason;
    if (SaveReportPdf(*report, statistics.ChartPicture(), path, &reason)) {
        ShowStatus(statistics.controls().lblstatus,
                   QString::fromStdString(text::Tr(text::kReportSavedStatus))
                       .arg(QDir::toNativeSeparators(path)));
        return;
    }
    session.seams().message(&statistics,
                            SaveFailedMessage(text::kReportNotSavedPrompt, path, reason),
                            QString::fromStdString(text::Tr(text::kErrorTitle)));
}

void RunTrayCalculation(Session& session) {
    frmtray& tray = session.form<frmtray>();
    const trays::TrayInput input = trays::ReadTrayBoxes(tray.ReadBoxes(), session.numberLocale());
    const trays::TrayCheck check = trays::CheckTray(input);
    if (!check.ok()) {
        session.tell(&tray, Message{trays::RefusalText(check), text::Tr(text::kWrongInputTitle)});
        // A message box runs its own event loop; the program may have been ended meanwhile.
        if (!session.ending()) tray.FocusBox(check.box);
        return;
    }
    frmstats& statistics = session.form<frmstats>();
    statistics.ShowTray(input);
    statistics.BringIntoView();
}

void ValidateInstallation(Session& session) {
    frmabout& welcome = session.form<frmabout>();
    const validate::SelfCheckResult result = validate::RunSelfCheck(validate::BuiltInTables());
    const int explained = result.ExplainedCompared();
    const QString title = QCoreApplication::translate("tubewise::Road", "اعتبارسنجي برنامه");
    const QString summary =
        QCoreApplication::translate(
            "tubewise::Road",
            ".%1 مقدار از جدول هاي منتشر شده بررسي شد: %2 برابر، %3 تفاوت با دليل ثبت شده، "
            "%4 تفاوت بي دليل")
            .arg(result.checked)
            .arg(result.agreed)
            .arg(explained)
            .arg(result.checked - result.agreed - explained);
    session.seams().message(&welcome, summary, title);
    if (session.ending()) return;
    const QString path = AskFileName(session, &welcome, kPdfFilter, kPdfSuffix);
    if (path.isEmpty()) return;  // no record wanted
    QString reason;
    if (SaveWhole(path, validate::ValidationRecordPdf(result, validate::CurrentRecordContext()),
                  &reason))
        return;
    session.seams().message(&welcome, SaveFailedMessage(text::kReportNotSavedPrompt, path, reason),
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

namespace {

const QString kRegisterKey = QStringLiteral("register");

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A message box over `parent`: a prompt of the catalogue and, on a line of its own, what the
// system or the database said.
void TellWhy(Session& session, QWidget* parent, text::Text prompt, const QString& why) {
    const QString body =
        why.isEmpty() ? Q(text::Tr(prompt)) : Q(text::Tr(prompt)) + QLatin1Char('\n') + why;
    session.seams().message(parent, body, Q(text::Tr(text::kErrorTitle)));
}

QSettings Settings() {
    return QSettings(QStringLiteral("Tubewise"), QStringLiteral("Tubewise"));
}

QString UserName() {
    for (const char* name : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return value;
    }
    return QStringLiteral("unknown");
}

std::shared_ptr<reg::RegisterStore> OpenStore(const QString& location, QString* why) {
    return std::shared_ptr<reg::RegisterStore>(reg::RegisterStore::Open(location, why));
}

// The latest version of a record of the register window's register.
std::optional<reg::RecordVersion> LatestOf(Session& session, std::int64_t record) {
    frmregister& window = session.form<frmregister>();
    QString why;
    std::optional<std::vector<reg::RecordVersion>> versions;
    if (window.store()) versions = window.store()->History(record, &why);
    if (!versions || versions->empty()) {
        TellWhy(session, &window, text::kRecordNotReadPrompt, why);
        return std::nullopt;
    }
    return versions->back();
}

text::Text FieldFaultPrompt(reg::FieldFault fault) {
    switch (fault) {
        case reg::FieldFault::NoSampleId:
            return text::kNoSampleIdPrompt;
        case reg::FieldFault::SampledNotDateTime:
        case reg::FieldFault::ReceivedNotDateTime:
            return text::kNotDateTimePrompt;
        case reg::FieldFault::ReceivedBeforeSampled:
        case reg::FieldFault::None:
            break;
    }
    return text::kReceivedBeforeSampledPrompt;
}

// The level choice nearest a stored level.
LevelChoice ChoiceOf(double level) {
    LevelChoice best = kDefaultLevel;
    for (LevelChoice choice : kLevelChoices)
        if (std::abs(LevelOf(choice) - level) < std::abs(LevelOf(best) - level)) best = choice;
    return best;
}

}  // namespace

QString RegisterLocation() {
    if (qEnvironmentVariableIsSet("TUBEWISE_REGISTER")) return reg::DefaultRegisterLocation();
    const QString chosen = Settings().value(kRegisterKey).toString();
    return chosen.isEmpty() ? reg::DefaultRegisterLocation() : chosen;
}

void AskToRegister(Session& session) {
    frmstats& statistics = session.form<frmstats>();
    if (statistics.texts().refusal || !statistics.controls().cmdregister->isEnabled()) return;
    std::optional<reg::SampleFields> fields;
    if (const auto record = statistics.correction()) {
        QString why;
        if (auto store = OpenStore(RegisterLocation(), &why)) {
            const auto versions = store->History(*record, &why);
            if (versions && !versions->empty()) fields = reg::FieldsOf(versions->back());
        }
    }
    frmregsave& dialog = session.form<frmregsave>();
    dialog.Ask(statistics.correction(), fields);
    dialog.BringIntoView();
}

std::optional<std::int64_t> SaveToRegister(Session& session) {
    frmstats& statistics = session.form<frmstats>();
    frmregsave& dialog = session.form<frmregsave>();
    const std::shared_ptr<const Calculation> calc = statistics.sample();
    if (!calc || statistics.texts().refusal || !statistics.controls().cmdregister->isEnabled())
        return std::nullopt;
    const reg::SampleFields fields = dialog.fields();
    if (const reg::FieldFault fault = reg::CheckFields(fields); fault != reg::FieldFault::None) {
        TellWhy(session, &dialog, FieldFaultPrompt(fault), QString());
        return std::nullopt;
    }
    const std::optional<std::int64_t> correcting = dialog.correcting();
    if (correcting && dialog.reason().isEmpty()) {
        TellWhy(session, &dialog, text::kNoReasonPrompt, QString());
        return std::nullopt;
    }
    const frmmpn& grid = session.form<frmmpn>();
    reg::RecordVersion draft = reg::DraftOfGrid(
        fields, grid.ReadGrid(), grid.openRows(), session.numberLocale().decimalSeparator,
        statistics.chosenMethod(), LevelOf(statistics.chosenLevel()));
    // The register keeps the texts as typed; they must still be the ones whose figures are shown.
    const auto computed = reg::ComputeResults(draft.inputs);
    const auto* results = std::get_if<reg::RecordResults>(&computed);
    if (!results || !reg::SameAsShown(grid.ReadGrid(), grid.openRows(),
                                      session.numberLocale().decimalSeparator, calc->series())) {
        TellWhy(session, &dialog, text::kGridRetypedPrompt, QString());
        return std::nullopt;
    }
    draft.results = *results;
    draft.programVersion = TUBEWISE_VERSION;
    draft.savedAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toStdString();
    draft.savedBy = UserName().toStdString();
    if (correcting) draft.reason = dialog.reason().toStdString();

    const QString location = RegisterLocation();
    QString why;
    const auto store = OpenStore(location, &why);
    if (!store) {
        TellWhy(session, &dialog, text::kRegisterNotSavedPrompt,
                location + QStringLiteral(": ") + why);
        return std::nullopt;
    }
    const auto stored =
        correcting ? store->Amend(*correcting, draft, &why) : store->Add(draft, &why);
    if (!stored) {
        TellWhy(session, &dialog, text::kRegisterNotSavedPrompt, why);
        return std::nullopt;
    }
    dialog.hide();
    statistics.setCorrection(std::nullopt);
    if (session.isBuilt<frmregister>()) session.form<frmregister>().Find();
    const std::string number = std::to_string(stored->record);
    session.seams().message(
        &statistics,
        Q(text::Tr(correcting ? text::kRegisterCorrectedPrompt : text::kRegisterSavedPrompt,
                   number)),
        Q(text::Tr(text::kRegisterTitle)));
    return stored->record;
}

void ShowRegisterWindow(Session& session) {
    frmregister& window = session.form<frmregister>();
    const QString location = RegisterLocation();
    QString why;
    auto store = OpenStore(location, &why);
    window.ShowRegister(location, store);
    window.BringIntoView();
    if (!store)
        TellWhy(session, &window, text::kRegisterNotOpenedPrompt,
                location + QStringLiteral(": ") + why);
}

void ChooseRegister(Session& session, const QString& location) {
    if (location.isEmpty()) return;
    frmregister& window = session.form<frmregister>();
    QString why;
    auto store = OpenStore(location, &why);
    if (!store) {
        // The register shown stays; the location box keeps what was typed, to be mended.
        TellWhy(session, &window, text::kRegisterNotOpenedPrompt,
                location + QStringLiteral(": ") + why);
        return;
    }
    Settings().setValue(kRegisterKey, location);
    window.ShowRegister(location, std::move(store));
}

void CorrectRecord(Session& session, std::int64_t record) {
    const auto latest = LatestOf(session, record);
    if (!latest) return;
    const reg::StoredGrid stored = reg::GridOf(latest->inputs);
    if (stored.rows == 0) {
        TellWhy(session, &session.form<frmregister>(), text::kNotTubesPrompt, QString());
        return;
    }
    // The count dialog's road, with the stored count: the grid opens with the rows as typed.
    frmmpn& grid = session.form<frmmpn>();
    grid.FillRows(stored.grid, stored.rows);
    for (Form* other : {static_cast<Form*>(&session.form<frmdel>()),
                        static_cast<Form*>(&session.form<frmabout>())})
        other->hide();
    if (session.isBuilt<frmresult>()) session.form<frmresult>().hide();
    frmstats& statistics = session.form<frmstats>();
    statistics.Choose(latest->inputs.ciMethod, ChoiceOf(latest->inputs.ciLevel));
    statistics.setCorrection(record);
    grid.BringIntoView();
    grid.FocusCell(1, GridColumn::Volume);
}

void ReprintRecord(Session& session, std::int64_t record) {
    const auto latest = LatestOf(session, record);
    if (!latest) return;
    frmregister& window = session.form<frmregister>();
    const reg::StoredGrid stored = reg::GridOf(latest->inputs);
    if (stored.rows == 0) {
        TellWhy(session, &window, text::kNotTubesPrompt, QString());
        return;
    }
    const NumberLocale locale{latest->inputs.decimalSeparator};
    CalculationOptions options;
    options.failedSearch = FailedSearch::Discard;
    const stats::StatisticsOptions limits{latest->inputs.ciMethod, latest->inputs.ciLevel};
    const Calculation calc = Calculate(stored.grid, stored.rows, locale, options);
    if (!calc.showResults()) {
        TellWhy(session, &window, text::kRecordNotReadPrompt, QString());
        return;
    }
    const stats::MpnStatistics statistics = StatisticsOf(calc, limits);
    const StatisticsTexts texts = ComposeStatisticsTexts(calc, std::nullopt, statistics, locale);
    ReportHeader header;
    const std::string mark = text::Tr(text::kRecordVersionLine, std::to_string(latest->record));
    header.sample =
        latest->sampleId + "  (" +
        Q(mark).replace(QStringLiteral("%2"), QString::number(latest->version)).toStdString() + ")";
    header.analyst = latest->analyst;
    header.date = (latest->sampledAt.empty() ? latest->savedAt : latest->sampledAt).substr(0, 10);
    const QString path = AskFileName(session, &window, kPdfFilter, kPdfSuffix);
    if (path.isEmpty()) return;  // cancelled
    QString reason;
    if (SaveReportPdf(ComposeSampleReport(calc, texts, header, locale),
                      DescribeProbabilityChart(&calc), path, &reason))
        return;
    session.seams().message(&window, SaveFailedMessage(text::kReportNotSavedPrompt, path, reason),
                            Q(text::Tr(text::kErrorTitle)));
}

void ExportRegister(Session& session) {
    frmregister& window = session.form<frmregister>();
    QString why;
    const auto found = window.Found(&why);
    if (!found) {
        TellWhy(session, &window, text::kRecordNotReadPrompt, why);
        return;
    }
    const QString path = AskFileName(session, &window, kCsvFilter, kCsvSuffix);
    if (path.isEmpty()) return;  // cancelled
    // The latest versions only: none of them is superseded.
    std::string csv = reg::ExportHeader() + "\r\n";
    for (const reg::RecordVersion& v : *found)
        csv += reg::ExportLine(v, false, reg::kDefaultHoldingLimitHours) + "\r\n";
    QString reason;
    if (SaveWhole(path, QByteArray::fromStdString(csv), &reason)) return;
    session.seams().message(&window, SaveFailedMessage(text::kExportNotSavedPrompt, path, reason),
                            Q(text::Tr(text::kErrorTitle)));
}

namespace {

// The analyst's profiles written to the settings; told when they could not be.
void KeepSiteProfiles(Session& session, frmsite& window) {
    const auto keep = session.seams().keepSiteProfiles;
    if (!keep || keep(site::WriteProfiles(window.profiles()))) return;
    TellWhy(session, &window, text::kSiteProfilesNotKeptPrompt, QString());
}

}  // namespace

void ShowSiteWindow(Session& session, const QString& site) {
    std::shared_ptr<reg::RegisterStore> store;
    if (session.isBuilt<frmregister>()) store = session.form<frmregister>().store();
    QString why;
    const QString location = store ? store->Location() : RegisterLocation();
    if (!store) store = OpenStore(location, &why);
    frmsite& window = session.form<frmsite>();
    std::vector<std::string> sites;
    if (store) {
        if (auto read = store->Sites(&why)) {
            sites = std::move(*read);
        } else {
            store.reset();
        }
    }
    if (session.seams().readSiteProfiles)
        window.SetProfiles(site::ReadProfiles(session.seams().readSiteProfiles()).profiles);
    window.ShowSites(store, sites, site.toStdString());
    window.BringIntoView();
    if (!store) {
        TellWhy(session, &window, text::kRegisterNotOpenedPrompt,
                location + QStringLiteral(": ") + why);
        return;
    }
    if (!site.isEmpty() && std::find(sites.begin(), sites.end(), site.toStdString()) != sites.end())
        ShowSite(session);
}

void ShowSite(Session& session) {
    frmsite& window = session.form<frmsite>();
    const auto read = site::ReadSiteRequest(window.requestTexts(), session.numberLocale());
    if (const auto* fault = std::get_if<site::SiteFault>(&read)) {
        TellWhy(session, &window, fault->prompt, QString());
        window.FocusField(fault->field);
        return;
    }
    const site::SiteRequest& request = std::get<site::SiteRequest>(read);
    if (!window.store()) {
        TellWhy(session, &window, text::kSiteNoRegisterPrompt, QString());
        return;
    }
    QString why;
    reg::RecordFilter filter;
    filter.site = request.site;  // asked of the database
    const auto versions = window.store()->LatestMatching(filter, &why);
    if (!versions) {
        TellWhy(session, &window, text::kRecordNotReadPrompt, why);
        return;
    }
    const site::SiteRecords records = site::SiteSamplesOf(*versions, request.site);
    frmsite::Shown shown;
    shown.request = request;
    shown.summary = site::SummariseSite(records.samples, request.options);
    shown.notDated = records.notDated;
    shown.notComputable = records.notComputable;
    window.Show(std::move(shown));
}

void SaveSiteProfile(Session& session) {
    frmsite& window = session.form<frmsite>();
    auto made = site::ProfileOfTexts(window.profileName().toStdString(), window.requestTexts(),
                                     session.numberLocale());
    if (const auto* fault = std::get_if<site::SiteFault>(&made)) {
        TellWhy(session, &window, fault->prompt, QString());
        window.FocusField(fault->field);
        return;
    }
    site::LimitProfile profile = std::get<site::LimitProfile>(std::move(made));
    const std::string name = profile.name;
    window.SetProfiles(site::PutProfile(window.profiles(), std::move(profile)), name);
    KeepSiteProfiles(session, window);
}

void DeleteSiteProfile(Session& session) {
    frmsite& window = session.form<frmsite>();
    const auto chosen = window.chosenProfile();
    if (!chosen) return;  // "no limit" is not a profile
    std::vector<site::LimitProfile> profiles = window.profiles();
    std::erase_if(profiles, [&](const site::LimitProfile& p) { return p.name == chosen->name; });
    window.SetProfiles(std::move(profiles));
    KeepSiteProfiles(session, window);
}

void SaveSiteReport(Session& session) {
    frmsite& window = session.form<frmsite>();
    if (!window.shown()) return;
    const frmsite::Shown& shown = *window.shown();
    const NumberLocale locale = session.numberLocale();
    const site::SiteReportHeader header =
        site::HeaderOf(shown.request, shown.summary,
                       ReportDateText(QDate::currentDate().toString(Qt::ISODate),
                                      session.language() == Language::English));
    const SampleReport report = site::ComposeSiteReport(header, shown.summary, locale);
    const QString path = AskFileName(session, &window, kPdfFilter, kPdfSuffix);
    if (path.isEmpty()) return;  // cancelled
    QString reason;
    if (site::SaveSiteReportPdf(report, window.chartDescription(), path, &reason)) return;
    session.seams().message(&window, SaveFailedMessage(text::kReportNotSavedPrompt, path, reason),
                            Q(text::Tr(text::kErrorTitle)));
}

void SaveSiteCsv(Session& session) {
    frmsite& window = session.form<frmsite>();
    if (!window.shown()) return;
    const frmsite::Shown& shown = *window.shown();
    site::SiteCsvOptions options;
    options.nonDetects = shown.request.options.nonDetects;
    options.limitPer100Ml = shown.request.options.limitPer100Ml;
    options.rollingDays = shown.request.rollingDays;
    const QString path = AskFileName(session, &window, kCsvFilter, kCsvSuffix);
    if (path.isEmpty()) return;  // cancelled
    QString reason;
    if (SaveWhole(path, QByteArray::fromStdString(site::SiteCsv(shown.summary.samples, options)),
                  &reason))
        return;
    session.seams().message(&window, SaveFailedMessage(text::kExportNotSavedPrompt, path, reason),
                            Q(text::Tr(text::kErrorTitle)));
}

}  // namespace tubewise
