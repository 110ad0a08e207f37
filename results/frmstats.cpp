// The statistics window's filling, its two lists and its copy and report buttons.
#include "results/frmstats.h"

#include <QComboBox>

#include "results/ReportDate.h"
#include "shell/QtColour.h"
#include "shell/Session.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr int kFigures = 6;  // txtstat(0..5)

}  // namespace

frmstats::frmstats(Session& session)
    : Form(session, LayoutOf("frmstats")) {
    for (const char* list : {"cbomethod", "cbolevel"}) {
        connect(comboBox(list), &QComboBox::currentIndexChanged, this, [this] {
            if (!this->session().ending()) Refresh();
        });
    }
    onClick(button("cmdcopy"), [this] { emit copyRequested(); });
    onClick(button("cmdreport"), [this] { emit reportRequested(); });
    Retranslate();
}

void frmstats::Retranslate() {
    // Each box and list is named by the caption beside it, so a screen reader says what the
    // figure is in the language of the window.
    for (int i = 0; i < kFigures; ++i)
        textBox("txtstat", i)->setAccessibleName(label("lblstat", i)->text().trimmed());
    const struct {
        QWidget* control;
        const char* caption;
    } named[] = {{comboBox("cbomethod"), "lblmethod"},
                 {comboBox("cbolevel"), "lbllevel"},
                 {textBox("txtsample"), "lblsample"},
                 {textBox("txtanalyst"), "lblanalyst"},
                 {textBox("txtdate"), "lbldate"}};
    for (const auto& n : named) n.control->setAccessibleName(label(n.caption)->text().trimmed());
    // The figures' own words (undefined, open limit, advice) follow the language too.
    Refresh();
}

frmstats::~frmstats() = default;

void frmstats::Load() {
    SetText(textBox("txtdate"), JalaliDateText(QDate::currentDate()));
}

void frmstats::ShowSample(std::shared_ptr<const Calculation> calc,
                          const std::optional<Message>& refusal) {
    sample_ = std::move(calc);
    refusal_ = refusal;
    Refresh();
}

stats::StatisticsOptions frmstats::options() const {
    stats::StatisticsOptions o;
    o.method = comboBox("cbomethod")->currentIndex() == 1 ? stats::CiMethod::LikelihoodRatio
                                                          : stats::CiMethod::Jarvis;
    const int level = comboBox("cbolevel")->currentIndex();
    o.level = kOfferedLevels[level >= 0 && level < 3 ? level : kDefaultLevelIndex];
    return o;
}

const Calculation& frmstats::shown() const {
    static const Calculation none;  // before the first sample: no valid grid, nothing to show
    return sample_ ? *sample_ : none;
}

void frmstats::Refresh() {
    const NumberLocale locale = session().numberLocale();
    statistics_ = StatisticsOf(shown(), options());
    texts_ = ComposeStatisticsTexts(shown(), refusal_, statistics_, locale);
    const std::string* figures[kFigures] = {&texts_.exactPer100Ml,    &texts_.exactPerMl,
                                            &texts_.adjustedPer100Ml, &texts_.lowerPer100Ml,
                                            &texts_.upperPer100Ml,    &texts_.rarity};
    for (int i = 0; i < kFigures; ++i) {
        TextBox* box = textBox("txtstat", i);
        SetText(box, Q(*figures[i]));
        box->setCursorPosition(0);
    }
    SetText(label("lblwarn"), Q(texts_.warning));
    TextLabel* verdict = label("lblverdict");
    SetText(verdict, Q(texts_.refusal ? *texts_.refusal : texts_.verdict));
    SetForeColour(verdict, ToQColor(texts_.verdictColour));
    // A refused sample has nothing to copy or report.
    const bool shown = !texts_.refusal;
    button("cmdcopy")->setEnabled(shown);
    button("cmdreport")->setEnabled(shown);
}

SampleReport frmstats::Report() const {
    ReportHeader header;
    header.sample = Text(textBox("txtsample")).trimmed().toStdString();
    header.analyst = Text(textBox("txtanalyst")).trimmed().toStdString();
    header.date = ReportDateText(Text(textBox("txtdate")));
    return ComposeSampleReport(shown(), texts_, header, session().numberLocale());
}

ChartDescription frmstats::Chart() const {
    return DescribeProbabilityChart(sample_.get());
}

std::string frmstats::CopiedText() const {
    return CopiedResult(shown(), statistics_, texts_,
                        Text(textBox("txtsample")).trimmed().toStdString(),
                        session().numberLocale());
}

void frmstats::BringIntoView() {
    Restore();
    show();
    raise();
    activateWindow();
}

void frmstats::Restore() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
}

}  // namespace tubewise
