// The statistics window's filling, its two lists and its copy and report buttons.
#include "results/frmstats.h"

#include <QComboBox>
#include <iterator>

#include "chart/ChartRenderer.h"
#include "chart/CurveChartRenderer.h"
#include "core/Texts.h"
#include "results/ReportDate.h"
#include "results/TrayStatistics.h"
#include "shell/QtColour.h"
#include "shell/Session.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr int kFigures = 6;  // txtstat(0..5)

// Where a choice stands in its list; -1 when the list does not offer it.
template <class T, std::size_t N>
int Position(const T (&choices)[N], T choice) {
    for (std::size_t i = 0; i < N; ++i)
        if (choices[i] == choice) return static_cast<int>(i);
    return -1;
}

}  // namespace

double LevelOf(LevelChoice choice) {
    static_assert(std::size(kOfferedLevels) == std::size(kLevelChoices));
    return kOfferedLevels[static_cast<std::size_t>(Position(kLevelChoices, choice))];
}

frmstats::frmstats(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    for (QComboBox* list : {controls_.cbomethod, controls_.cbolevel}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!this->session().ending()) Refresh();
        });
    }
    onClick(controls_.cmdcopy, [this] { emit copyRequested(); });
    onClick(controls_.cmdreport, [this] { emit reportRequested(); });
    onClick(controls_.cmdregister, [this] { emit registerRequested(); });
    Retranslate();
}

void frmstats::Retranslate() {
    // Each box and list is named by the caption beside it, so a screen reader says what the
    // figure is in the language of the window.
    const Controls& c = controls_;
    for (int i = 0; i < kFigures; ++i)
        c.txtstat[i]->setAccessibleName(c.lblstat[i]->text().trimmed());
    const struct {
        QWidget* control;
        TextLabel* caption;
    } named[] = {{c.cbomethod, c.lblmethod},  {c.cbolevel, c.lbllevel},
                 {c.txtsample, c.lblsample},  {c.txtanalyst, c.lblanalyst},
                 {c.txtdate, c.lbldate},      {c.txtreplimit, c.lblreplimit},
                 {c.cboreprule, c.lblreprule}};
    for (const auto& n : named) {
        n.control->setAccessibleName(n.caption->text().trimmed());
        // Readers on Linux name a list by its value and say its caption from this relation.
        n.caption->setBuddy(n.control);
    }
    // The lists say what they choose.
    c.cbomethod->setAccessibleDescription(tr("روش محاسبه حدود اطمينان"));
    c.cbolevel->setAccessibleDescription(tr("سطح اطمينان حدود"));
    c.cboreprule->setAccessibleDescription(tr("قاعده تصميم مطابقت نمونه با حد مجاز گزارش"));
    // The warning and the advice lines are named by what they are, even while empty; what they
    // say is their description.
    c.lblwarn->setAccessibleName(tr("هشدار الگوي لوله ها"));
    c.lblverdict->setAccessibleName(tr("برآوردي که بايد گزارش شود"));
    c.lblstatus->setAccessibleName(QString::fromStdString(text::Tr(text::kStatusLineName)));
    // A default date the analyst has not touched follows the calendar of the language.
    const bool english = session().language() == Language::English;
    if (today_.isValid() && Text(c.txtdate) == DefaultDateText(today_, !english))
        SetText(c.txtdate, DefaultDateText(today_, english));
    // The figures' own words (undefined, open limit, advice) follow the language too.
    Refresh();
}

frmstats::~frmstats() = default;

void frmstats::Load() {
    today_ = QDate::currentDate();
    SetText(controls_.txtdate, DefaultDateText(today_, session().language() == Language::English));
}

void frmstats::ShowSample(std::shared_ptr<const Calculation> calc,
                          const std::optional<Message>& refusal) {
    sample_ = std::move(calc);
    refusal_ = refusal;
    tray_.reset();
    outOfDate_ = false;
    Refresh();
}

void frmstats::ShowTray(const trays::TrayInput& input) {
    sample_.reset();
    refusal_.reset();
    tray_ = input;
    outOfDate_ = false;
    Refresh();
}

stats::StatisticsOptions frmstats::options() const {
    stats::StatisticsOptions o;
    o.method = chosenMethod();
    o.level = LevelOf(chosenLevel());
    return o;
}

const Calculation& frmstats::shown() const {
    static const Calculation none;  // before the first sample: no valid grid, nothing to show
    return sample_ ? *sample_ : none;
}

stats::CiMethod frmstats::chosenMethod() const {
    const int i = controls_.cbomethod->currentIndex();
    return i >= 0 && i < static_cast<int>(std::size(kMethodChoices))
               ? kMethodChoices[static_cast<std::size_t>(i)]
               : kMethodChoices[0];
}

LevelChoice frmstats::chosenLevel() const {
    const int i = controls_.cbolevel->currentIndex();
    return i >= 0 && i < static_cast<int>(std::size(kLevelChoices))
               ? kLevelChoices[static_cast<std::size_t>(i)]
               : kDefaultLevel;
}

void frmstats::Choose(stats::CiMethod method, LevelChoice level) {
    controls_.cbomethod->setCurrentIndex(Position(kMethodChoices, method));
    controls_.cbolevel->setCurrentIndex(Position(kLevelChoices, level));
}

void frmstats::Refresh() {
    const NumberLocale locale = session().numberLocale();
    // A tray's counts are typed in its own window: editing the grid leaves them standing.
    const std::optional<Message> stale =
        outOfDate_ && !tray_
            ? std::optional<Message>(Message{text::Tr(text::kFiguresOutOfDate), ""})
            : std::nullopt;
    if (tray_) {
        trayResult_ = trays::ComputeTray(*tray_, options());
        statistics_ = trayResult_.statistics;
        texts_ = ComposeTrayStatisticsTexts(trayResult_, locale);
    } else {
        statistics_ = StatisticsOf(shown(), options());
        texts_ = ComposeStatisticsTexts(shown(), stale ? stale : refusal_, statistics_, locale);
    }
    const std::string* figures[kFigures] = {&texts_.exactPer100Ml,    &texts_.exactPerMl,
                                            &texts_.adjustedPer100Ml, &texts_.lowerPer100Ml,
                                            &texts_.upperPer100Ml,    &texts_.rarity};
    for (int i = 0; i < kFigures; ++i) {
        TextBox* box = controls_.txtstat[i];
        SetText(box, Q(*figures[i]));
        box->setCursorPosition(0);
    }
    SetText(controls_.lblwarn, Q(texts_.warning));
    TextLabel* verdict = controls_.lblverdict;
    SetText(verdict, Q(texts_.refusal ? *texts_.refusal : texts_.verdict));
    SetForeColour(verdict, ToQColor(texts_.verdictColour));
    controls_.lblwarn->setAccessibleDescription(controls_.lblwarn->text());
    verdict->setAccessibleDescription(verdict->text());
    // Each figure is described by its caption and the advice on which figure to report.
    for (int i = 0; i < kFigures; ++i) {
        QStringList description{controls_.lblstat[i]->text().trimmed(), verdict->text()};
        description.removeAll(QString());
        controls_.txtstat[i]->setAccessibleDescription(description.join(QLatin1Char('\n')));
    }
    // A refused sample has nothing to copy or report.
    const bool shown = !texts_.refusal;
    controls_.cmdcopy->setEnabled(shown);
    controls_.cmdreport->setEnabled(shown);
    controls_.cmdregister->setEnabled(shown);
}

SampleReport frmstats::Report() const {
    ReportHeader header;
    header.sample = Text(controls_.txtsample).trimmed().toStdString();
    header.analyst = Text(controls_.txtanalyst).trimmed().toStdString();
    header.date =
        ReportDateText(Text(controls_.txtdate), session().language() == Language::English);
    if (tray_) return ComposeTrayReport(*tray_, texts_, header, session().numberLocale());
    return ComposeSampleReport(shown(), texts_, header, session().numberLocale());
}

ChartDescription frmstats::Chart() const {
    return DescribeProbabilityChart(sample_.get());
}

QImage frmstats::ChartPicture() const {
    if (tray_) return RenderCurveChart(DescribeTrayChart(trayResult_, session().numberLocale()));
    return RenderChartPicture(Chart(), kChartPictureSize);
}

std::string frmstats::CopiedText() const {
    if (tray_) {
        return CopiedTrayResult(*tray_, trayResult_, texts_,
                                Text(controls_.txtsample).trimmed().toStdString(),
                                session().numberLocale());
    }
    return CopiedResult(shown(), statistics_, texts_,
                        Text(controls_.txtsample).trimmed().toStdString(),
                        session().numberLocale());
}

bool frmstats::current() const {
    return (sample_ || tray_) && !outOfDate_ && !texts_.refusal;
}

void frmstats::MarkOutOfDate() {
    if (outOfDate_) return;
    outOfDate_ = true;
    Refresh();
}

bool frmstats::CheckDate() {
    if (ReportDateAccepted(Text(controls_.txtdate))) return true;
    session().tell(this,
                   Message{text::Tr(text::kReportDateRefused), text::Tr(text::kWrongInputTitle)});
    if (session().ending()) return false;
    controls_.txtdate->setFocus(Qt::OtherFocusReason);
    controls_.txtdate->selectAll();
    return false;
}

}  // namespace tubewise
