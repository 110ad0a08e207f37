// The site window: the lists and boxes read into a request, the profiles put into the boxes,
// and a summary shown as statistics beside a chart.
#include "site/frmsite.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegend>

#include "core/Texts.h"
#include "i18n/Language.h"
#include "register/RegisterStore.h"
#include "shell/Session.h"
#include "site/SiteChartRenderer.h"
#include "site/SiteTexts.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
QString T(const text::Text& t) {
    return Q(text::Tr(t));
}
std::string Typed(const QWidget* box) {
    return Form::Text(box).toStdString();
}

// The statistics pane beside the chart, in twips as the table places the chart.
constexpr int kStatisticsLeft = 10080;
constexpr int kStatisticsWidth = 4080;
constexpr int kPaneTop = 2400;
constexpr int kPaneHeight = 6240;

template <class Choice, std::size_t N>
Choice Chosen(const QComboBox* list, const Choice (&choices)[N]) {
    const int index = list->currentIndex();
    return index >= 0 && index < static_cast<int>(N) ? choices[index] : choices[0];
}

template <class Choice, std::size_t N>
void Choose(QComboBox* list, const Choice (&choices)[N], Choice choice) {
    for (std::size_t i = 0; i < N; ++i)
        if (choices[i] == choice) list->setCurrentIndex(static_cast<int>(i));
}

}  // namespace

frmsite::frmsite(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    const Controls& c = controls_;
    auto* fill = new QVBoxLayout(c.chtsite);
    fill->setContentsMargins(0, 0, 0, 0);
    view_ = new QChartView(c.chtsite);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setBackgroundBrush(Qt::white);
    view_->setFocusPolicy(Qt::NoFocus);  // the chart space itself takes the focus
    fill->addWidget(view_);

    statistics_ = new QPlainTextEdit(this);
    statistics_->setObjectName(QStringLiteral("txtsitestatistics"));
    statistics_->setReadOnly(true);
    statistics_->setTabChangesFocus(true);
    QWidget::setTabOrder(c.chtsite, statistics_);
    QWidget::setTabOrder(statistics_, c.cmdreport);
    SetText(c.txtrolling, QStringLiteral("30"));

    connect(c.cboperiod, &QComboBox::currentIndexChanged, this, [this] { ShowPeriodBoxes(); });
    connect(c.cbosite, &QComboBox::activated, this, [this] { emit showRequested(); });
    connect(c.cboprofile, &QComboBox::activated, this, [this] {
        ApplyChosenProfile();
        emit showRequested();
    });
    onClick(c.cmdshow, [this] { emit showRequested(); });
    onClick(c.cmdsaveprofile, [this] { emit saveProfileRequested(); });
    onClick(c.cmddeleteprofile, [this] { emit deleteProfileRequested(); });
    onClick(c.cmdreport, [this] { emit reportRequested(); });
    onClick(c.cmdcsv, [this] { emit csvRequested(); });
    EnableSaving();
    Retranslate();
}

frmsite::~frmsite() = default;

void frmsite::Retranslate() {
    const Controls& c = controls_;
    ShowPeriodBoxes();  // the count's caption in the new language
    const struct {
        QWidget* control;
        TextLabel* caption;
    } named[] = {{c.cbosite, c.lblsite},
                 {c.cboperiod, c.lblperiod},
                 {c.txtfrom, c.lblfrom},
                 {c.txtto, c.lblto},
                 {c.txtcount, c.lblcount},
                 {c.cboprofile, c.lblprofile},
                 {c.cbostatistic, c.lblstatistic},
                 {c.txtlimit, c.lbllimit},
                 {c.cborule, c.lblrule},
                 {c.cbonondetect, c.lblnondetect},
                 {c.txtprofilename, c.lblprofilename},
                 {c.txtrolling, c.lblrolling}};
    for (const auto& n : named) {
        n.control->setAccessibleName(n.caption->text().trimmed());
        // Readers on Linux name a list by its value and say its caption from this relation.
        n.caption->setBuddy(n.control);
    }
    const std::pair<QComboBox*, const text::Text*> described[] = {
        {c.cbosite, &text::kSiteListSites},       {c.cboperiod, &text::kSiteListPeriod},
        {c.cboprofile, &text::kSiteListProfiles}, {c.cbostatistic, &text::kSiteListStatistic},
        {c.cborule, &text::kSiteListRule},        {c.cbonondetect, &text::kSiteListNonDetects}};
    for (const auto& [list, description] : described)
        list->setAccessibleDescription(T(*description));
    statistics_->setAccessibleName(T(text::kSiteStatisticsName));
    c.chtsite->setAccessibleName(T(text::kSiteChartName));
    const bool english = CurrentLanguage() == Language::English;
    statistics_->setLayoutDirection(english ? Qt::LeftToRight : Qt::RightToLeft);
    // Beside the chart on the side a reader of the language starts from, as the table's
    // controls are mirrored in English.
    const int left =
        english ? layout().width - kStatisticsLeft - kStatisticsWidth : kStatisticsLeft;
    statistics_->setGeometry(TwipsToPixels(left), TwipsToPixels(kPaneTop),
                             TwipsToPixels(kStatisticsWidth), TwipsToPixels(kPaneHeight));
    ShowStatistics();
    ShowChart();
}

void frmsite::ShowSites(std::shared_ptr<reg::RegisterStore> store,
                        const std::vector<std::string>& sites, const std::string& site) {
    store_ = std::move(store);
    QComboBox* list = controls_.cbosite;
    const QString keep = site.empty() ? list->currentText() : Q(site);
    list->clear();
    for (const std::string& each : sites) list->addItem(Q(each));
    list->setCurrentIndex(std::max(0, list->findText(keep)));
    shown_.reset();
    ShowStatistics();
    ShowChart();
    EnableSaving();
}

site::SiteRequestTexts frmsite::requestTexts() const {
    const Controls& c = controls_;
    site::SiteRequestTexts t;
    t.site = c.cbosite->currentText().toStdString();
    t.periodKind = Chosen(c.cboperiod, kPeriodChoices);
    t.from = Typed(c.txtfrom);
    t.to = Typed(c.txtto);
    t.count = Typed(c.txtcount);
    t.statistic = Chosen(c.cbostatistic, kStatisticChoices);
    t.limit = Typed(c.txtlimit);
    t.rule = Chosen(c.cborule, kRuleChoices);
    t.nonDetects = Chosen(c.cbonondetect, kNonDetectChoices);
    t.rollingDays = Typed(c.txtrolling);
    return t;
}

void frmsite::FocusField(site::SiteField field) {
    const Controls& c = controls_;
    QWidget* target = c.cbosite;
    switch (field) {
        case site::SiteField::From:
            target = c.txtfrom;
            break;
        case site::SiteField::To:
            target = c.txtto;
            break;
        case site::SiteField::Count:
            target = c.txtcount;
            break;
        case site::SiteField::Limit:
            target = c.txtlimit;
            break;
        case site::SiteField::Rolling:
            target = c.txtrolling;
            break;
        case site::SiteField::ProfileName:
            target = c.txtprofilename;
            break;
        case site::SiteField::Site:
            break;
    }
    target->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<TextBox*>(target)) box->selectAll();
}

void frmsite::Show(Shown shown) {
    shown_ = std::move(shown);
    ShowStatistics();
    ShowChart();
    EnableSaving();
}

site::SiteChartDescription frmsite::chartDescription() const {
    site::SiteChartOptions options;
    if (shown_) {
        options.siteName = shown_->request.site;
        options.nonDetects = shown_->request.options.nonDetects;
        options.limitPer100Ml = shown_->request.options.limitPer100Ml;
        options.rollingDays = shown_->request.rollingDays;
        return site::DescribeSiteChart(shown_->summary.samples, options);
    }
    options.siteName = controls_.cbosite->currentText().toStdString();
    return site::DescribeSiteChart({}, options);
}

void frmsite::SetProfiles(std::vector<site::LimitProfile> profiles, const std::string& chosen) {
    QComboBox* list = controls_.cboprofile;
    const std::string keep =
        chosen.empty() && list->currentIndex() > 0 ? list->currentText().toStdString() : chosen;
    profiles_ = std::move(profiles);
    while (list->count() > 1) list->removeItem(list->count() - 1);
    int index = 0;
    for (std::size_t i = 0; i < profiles_.size(); ++i) {
        list->addItem(Q(profiles_[i].name));
        if (profiles_[i].name == keep) index = static_cast<int>(i) + 1;
    }
    list->setCurrentIndex(index);
}

std::optional<site::LimitProfile> frmsite::chosenProfile() const {
    const int index = controls_.cboprofile->currentIndex();
    if (index < 1 || index > static_cast<int>(profiles_.size())) return std::nullopt;
    return profiles_[static_cast<std::size_t>(index - 1)];
}

QString frmsite::profileName() const {
    return Text(controls_.txtprofilename).trimmed();
}

void frmsite::ShowPeriodBoxes() {
    const Controls& c = controls_;
    const site::PeriodKind kind = Chosen(c.cboperiod, kPeriodChoices);
    c.txtfrom->setEnabled(kind == site::PeriodKind::DateRange);
    c.txtto->setEnabled(kind != site::PeriodKind::LastSamples);
    c.txtcount->setEnabled(kind != site::PeriodKind::DateRange);
    const bool samples = kind == site::PeriodKind::LastSamples;
    c.lblcount->setText(T(samples ? text::kSiteCountSamples : text::kSiteCountDays));
    c.txtcount->setAccessibleName(c.lblcount->text());
}

void frmsite::ApplyChosenProfile() {
    const Controls& c = controls_;
    const auto profile = chosenProfile();
    if (!profile) {
        SetText(c.txtlimit, QString());  // "no limit"
        return;
    }
    const site::SiteRequestTexts texts =
        site::WithProfile(requestTexts(), *profile, session().numberLocale());
    Choose(c.cboperiod, kPeriodChoices, texts.periodKind);
    SetText(c.txtfrom, Q(texts.from));
    SetText(c.txtto, Q(texts.to));
    SetText(c.txtcount, Q(texts.count));
    Choose(c.cbostatistic, kStatisticChoices, texts.statistic);
    SetText(c.txtlimit, Q(texts.limit));
    SetText(c.txtprofilename, Q(profile->name));
    ShowPeriodBoxes();
}

void frmsite::ShowStatistics() {
    if (!shown_) {
        statistics_->clear();
        return;
    }
    const NumberLocale locale = session().numberLocale();
    const site::SiteReportHeader header =
        site::HeaderOf(shown_->request, shown_->summary, std::string());
    QStringList lines;
    lines << T(text::kSiteCaption) + QStringLiteral(": ") + Q(header.site);
    lines << Q(text::Tr(text::kSitePeriodFrom,
                        header.from.empty() ? text::Tr(text::kSiteFirstSample) : header.from));
    lines << Q(text::Tr(text::kSitePeriodTo,
                        header.to.empty() ? text::Tr(text::kSiteLastSample) : header.to));
    if (shown_->notDated > 0)
        lines << Q(text::Tr(text::kSiteNotDated, std::to_string(shown_->notDated)));
    if (shown_->notComputable > 0)
        lines << Q(text::Tr(text::kSiteNotComputable, std::to_string(shown_->notComputable)));
    lines << QString();
    for (const std::string& line : site::StatisticsLines(shown_->summary.statistics, locale))
        lines << Q(line);
    if (shown_->summary.conformity) {
        lines << QString();
        for (const std::string& line : site::ConformityLines(*shown_->summary.conformity, locale))
            lines << Q(line);
    }
    statistics_->setPlainText(lines.join(QLatin1Char('\n')));
}

void frmsite::ShowChart() {
    const site::SiteChartDescription description = chartDescription();
    std::unique_ptr<QChart> chart = site::RenderSiteChart(description);
    // The report's picture is twice as wide; on screen the legend and the axis titles take a
    // smaller face.
    QFont small = chart->legend()->font();
    small.setPointSizeF(8);
    chart->legend()->setFont(small);
    for (QAbstractAxis* axis : chart->axes()) axis->setTitleFont(small);
    // The legend beside the plot rather than under it: the plot keeps the height a Persian
    // value axis title needs, and every caption of the legend stands whole.
    for (QAbstractAxis* axis : chart->axes(Qt::Horizontal))
        if (auto* dates = qobject_cast<QDateTimeAxis*>(axis)) dates->setTickCount(4);
    chart->legend()->setAlignment(CurrentLanguage() == Language::English ? Qt::AlignRight
                                                                         : Qt::AlignLeft);
    QChart* previous = view_->chart();
    view_->setChart(chart.release());
    delete previous;
    controls_.chtsite->setAccessibleDescription(Q(
        description.title + "\n" + description.valueAxisTitle + "\n" + description.timeAxisTitle));
}

void frmsite::EnableSaving() {
    const bool any = shown_.has_value();
    controls_.cmdreport->setEnabled(any);
    controls_.cmdcsv->setEnabled(any);
}

}  // namespace tubewise
