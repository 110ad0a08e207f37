// The register window: the table fed page by page, the search, the chosen record's details.
#include "register/frmregister.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QTableView>

#include "core/Texts.h"
#include "i18n/Language.h"
#include "register/RegisterStore.h"
#include "register/RegisterTableModel.h"
#include "shell/Session.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
QString T(const text::Text& t) {
    return Q(text::Tr(t));
}
std::string Typed(const QWidget* box) {
    return Form::Text(box).trimmed().toStdString();
}
// A value kept in its own direction inside a line of either language (dates, ids, figures).
QString Isolated(const QString& value) {
    return QChar(0x2066) + value + QChar(0x2069);
}
QString Figure(double x) {
    return QString::number(x, 'g', 4);
}
QString Figure(const std::optional<double>& x) {
    return x ? Figure(*x) : QStringLiteral("-");
}

// The record's inputs, results and versions, a line each, in the run's language.
QString DescribeRecord(const std::vector<reg::RecordVersion>& versions) {
    const reg::RecordVersion& v = versions.back();
    QStringList lines;
    lines << Q(text::Tr(text::kRecordVersionLine, std::to_string(v.record)))
                 .replace(QStringLiteral("%2"), QString::number(v.version));
    const std::pair<const text::Text*, const std::string*> fields[] = {
        {&text::kColumnSampleId, &v.sampleId},
        {&text::kColumnSite, &v.site},
        {&text::kColumnSampled, &v.sampledAt},
        {&text::kColumnReceived, &v.receivedAt},
        {&text::kAnalystCaption, &v.analyst}};
    for (const auto& [caption, value] : fields)
        lines << T(*caption) + QStringLiteral(": ") + Isolated(Q(*value));
    if (reg::HoldingExceeded(v, reg::kDefaultHoldingLimitHours)) lines << T(text::kHoldingExceeded);
    QStringList rows;
    for (const GridRowTexts& row : v.inputs.rows) rows << Q(reg::RowText(row));
    lines << T(text::kDetailsInputs) + QStringLiteral(": ") +
                 Isolated(rows.join(QStringLiteral("  ")) +
                          QStringLiteral("  (%1 %2)")
                              .arg(Q(std::string(stats::CiMethodName(v.inputs.ciMethod))))
                              .arg(v.inputs.ciLevel));
    const reg::RecordResults& r = v.results;
    lines << T(text::kDetailsResults) + QStringLiteral(": ") +
                 Isolated(
                     QStringLiteral("MPN/100 mL %1; MLE/100 mL %2; %3 – %4; Thomas %5")
                         .arg(MpnText(r))
                         .arg(r.mlePerMl ? Figure(*r.mlePerMl * 100) : QStringLiteral("∞"))
                         .arg(Figure(r.ciLowPerMl * 100))
                         .arg(r.ciHighPerMl ? Figure(*r.ciHighPerMl * 100) : QStringLiteral("∞"))
                         .arg(Figure(r.thomasPer100Ml)));
    lines << T(text::kDetailsVersions) + QStringLiteral(":");
    for (const reg::RecordVersion& each : versions) {
        QString line = QStringLiteral("  ") + Isolated(QStringLiteral("%1  %2  %3")
                                                           .arg(each.version)
                                                           .arg(Q(each.savedAt), Q(each.savedBy)));
        if (!each.reason.empty())
            line += QStringLiteral("  ") + T(text::kDetailsReason) + QStringLiteral(": ") +
                    Isolated(Q(each.reason));
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

frmregister::frmregister(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    model_ = new RegisterTableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblrecords"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    // Every column in view at once, the dates and the figure whole.
    constexpr int kWidths[RegisterTableModel::kColumns] = {50, 56, 90, 100, 126, 126, 80, 150, 100};
    for (int column = 0; column < RegisterTableModel::kColumns; ++column)
        table_->horizontalHeader()->resizeSection(column, kWidths[column]);
    table_->setGeometry(TwipsToPixels(240), TwipsToPixels(1500), TwipsToPixels(13920),
                        TwipsToPixels(4320));
    details_ = new QPlainTextEdit(this);
    details_->setObjectName(QStringLiteral("txtdetails"));
    details_->setReadOnly(true);
    details_->setTabChangesFocus(true);
    details_->setGeometry(TwipsToPixels(240), TwipsToPixels(5940), TwipsToPixels(13920),
                          TwipsToPixels(2280));
    QWidget::setTabOrder(controls_.cmdfind, table_);
    QWidget::setTabOrder(table_, details_);

    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (this->session().ending()) return;
        ShowDetails();
        EnableRecordButtons();
    });
    onClick(controls_.cmdfind, [this] { Find(); });
    onClick(controls_.cmdlocation,
            [this] { emit locationRequested(Text(controls_.txtlocation).trimmed()); });
    onClick(controls_.cmdcorrect, [this] {
        if (auto record = chosenRecord()) emit correctRequested(*record);
    });
    onClick(controls_.cmdreprint, [this] {
        if (auto record = chosenRecord()) emit reprintRequested(*record);
    });
    onClick(controls_.cmdexport, [this] { emit exportRequested(); });
    onClick(controls_.cmdsite, [this] { emit siteRequested(chosenSite()); });
    EnableRecordButtons();
    Retranslate();
}

frmregister::~frmregister() {
    // The model reads through the store; it lets go of it before the store closes.
    model_->Reset(nullptr, {});
}

void frmregister::Retranslate() {
    const Controls& c = controls_;
    const struct {
        QWidget* control;
        TextLabel* caption;
    } named[] = {{c.txtfindsample, c.lblfindsample},
                 {c.txtfindsite, c.lblfindsite},
                 {c.txtfrom, c.lblfrom},
                 {c.txtto, c.lblto},
                 {c.txtfindanalyst, c.lblfindanalyst},
                 {c.txtlocation, c.lbllocation}};
    for (const auto& n : named) n.control->setAccessibleName(n.caption->text().trimmed());
    table_->setAccessibleName(T(text::kRegisterTitle));
    details_->setAccessibleName(T(text::kDetailsResults));
    const bool english = CurrentLanguage() == Language::English;
    table_->setLayoutDirection(english ? Qt::LeftToRight : Qt::RightToLeft);
    details_->setLayoutDirection(english ? Qt::LeftToRight : Qt::RightToLeft);
    model_->Retranslate();
    ShowDetails();
}

void frmregister::ShowRegister(const QString& location, std::shared_ptr<reg::RegisterStore> store) {
    SetText(controls_.txtlocation, location);
    model_->Reset(nullptr, {});
    store_ = std::move(store);
    Find();
}

reg::RecordFilter frmregister::filter() const {
    const Controls& c = controls_;
    reg::RecordFilter f;
    f.sampleId = Typed(c.txtfindsample);
    f.site = Typed(c.txtfindsite);
    f.from = Typed(c.txtfrom);
    f.to = Typed(c.txtto);
    f.analyst = Typed(c.txtfindanalyst);
    return f;
}

void frmregister::Find() {
    model_->Reset(store_.get(), filter());
    if (model_->canFetchMore({})) model_->fetchMore({});
    if (model_->rowCount() > 0) table_->setCurrentIndex(model_->index(0, 0));
    ShowDetails();
    EnableRecordButtons();
}

std::optional<std::int64_t> frmregister::chosenRecord() const {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return model_->version(current.row()).record;
}

QString frmregister::chosenSite() const {
    const QModelIndex current = table_->currentIndex();
    if (current.isValid()) {
        const QString site = Q(model_->version(current.row()).site);
        if (!site.isEmpty()) return site;
    }
    return Text(controls_.txtfindsite).trimmed();
}

std::optional<std::vector<reg::RecordVersion>> frmregister::Found(QString* error) const {
    if (!store_) return std::vector<reg::RecordVersion>{};
    return store_->LatestMatching(filter(), error);
}

void frmregister::ShowDetails() {
    const auto record = chosenRecord();
    if (!record || !store_) {
        details_->setPlainText(model_->readError());
        return;
    }
    QString why;
    const auto versions = store_->History(*record, &why);
    if (!versions || versions->empty()) {
        details_->setPlainText(T(text::kRecordNotReadPrompt) + QLatin1Char('\n') + why);
        return;
    }
    details_->setPlainText(DescribeRecord(*versions));
}

void frmregister::EnableRecordButtons() {
    const bool chosen = chosenRecord().has_value();
    controls_.cmdcorrect->setEnabled(chosen);
    controls_.cmdreprint->setEnabled(chosen);
}

}  // namespace tubewise
