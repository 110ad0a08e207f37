// The save dialog: its fields, the holding flag as the times are typed, and its two buttons.
#include "register/frmregsave.h"

#include "core/Texts.h"
#include "shell/Session.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
std::string Typed(const QWidget* box) {
    return Form::Text(box).trimmed().toStdString();
}

}  // namespace

frmregsave::frmregsave(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    for (TextBox* time : {controls_.txtsampled, controls_.txtreceived})
        connect(time, &QLineEdit::textChanged, this, [this] { ShowHolding(); });
    for (TextBox* time : {controls_.txtsampled, controls_.txtreceived})
        time->setPlaceholderText(QStringLiteral("YYYY-MM-DD HH:MM"));
    onClick(controls_.cmdsave, [this] { emit saveRequested(); });
    onClick(controls_.cmdcancel, [this] { hide(); });
    Retranslate();
}

void frmregsave::Retranslate() {
    const Controls& c = controls_;
    const struct {
        QWidget* control;
        TextLabel* caption;
    } named[] = {{c.txtsampleid, c.lblsampleid},     {c.txtsite, c.lblsite},
                 {c.txtsampled, c.lblsampled},       {c.txtreceived, c.lblreceived},
                 {c.txtreganalyst, c.lblreganalyst}, {c.txtreason, c.lblreason}};
    for (const auto& n : named) n.control->setAccessibleName(n.caption->text().trimmed());
    if (correcting_)
        SetText(c.lblcorrection, Q(text::Tr(text::kCorrectionOf, std::to_string(*correcting_))));
    ShowHolding();
}

void frmregsave::Ask(std::optional<std::int64_t> record,
                     const std::optional<reg::SampleFields>& fields) {
    correcting_ = record;
    const Controls& c = controls_;
    if (fields) {
        SetText(c.txtsampleid, Q(fields->sampleId));
        SetText(c.txtsite, Q(fields->site));
        SetText(c.txtsampled, Q(fields->sampledAt));
        SetText(c.txtreceived, Q(fields->receivedAt));
        SetText(c.txtreganalyst, Q(fields->analyst));
    }
    SetText(c.txtreason, QString());
    // Only a correction has a reason to give.
    c.txtreason->setEnabled(record.has_value());
    c.lblreason->setEnabled(record.has_value());
    SetText(c.lblcorrection,
            record ? Q(text::Tr(text::kCorrectionOf, std::to_string(*record))) : QString());
    ShowHolding();
}

reg::SampleFields frmregsave::fields() const {
    const Controls& c = controls_;
    return {Typed(c.txtsampleid), Typed(c.txtsite), Typed(c.txtsampled), Typed(c.txtreceived),
            Typed(c.txtreganalyst)};
}

QString frmregsave::reason() const {
    return Text(controls_.txtreason).trimmed();
}

void frmregsave::ShowHolding() {
    const reg::SampleFields f = fields();
    reg::RecordVersion v;
    v.sampledAt = f.sampledAt;
    v.receivedAt = f.receivedAt;
    const bool exceeded = reg::HoldingExceeded(v, kHoldingLimitHours);
    SetText(controls_.lblholding, exceeded ? Q(text::Tr(text::kHoldingExceeded)) : QString());
}

}  // namespace tubewise
