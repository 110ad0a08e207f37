// The results window's filling and its return and chart buttons.
#include "results/frmresult.h"

#include <QStringList>

#include "shell/QtColour.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Read-only boxes show their figure from its first character, as a freshly filled box does.
void SetFigure(TextBox* box, const std::string& utf8) {
    Form::SetText(box, Q(utf8));
    box->setCursorPosition(0);
}

}  // namespace

frmresult::frmresult(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    onClick(controls_.cmdreturn, [this] { emit returnRequested(); });
    onClick(controls_.Command1, [this] { emit chartRequested(); });
    onClick(controls_.cmdstats, [this] { emit statisticsRequested(); });
    Retranslate();
}

void frmresult::Retranslate() {
    const Controls& c = controls_;
    const struct {
        TextBox* figure;
        QString name;
        TextLabel* caption;
        int advice;
    } figures[] = {
        {c.txtresult[0], tr("احتمال بروز، توزيع پوآسون"), c.lblprob, 0},
        {c.txtresult[1], tr("MPN در هر ميلي ليتر، توزيع پوآسون"), c.lbldens[0], 0},
        {c.txtresult[2], tr("MPN در 100 ميلي ليتر، توزيع پوآسون"), c.lbldens[1], 0},
        {c.txtthomas, tr("MPN در 100 ميلي ليتر، رابطه توماس"), c.lblthomas, 1},
    };
    for (const auto& f : figures) {
        f.figure->setAccessibleName(f.name);
        QStringList description{f.caption->text().trimmed(),
                                c.lbltozih[f.advice]->text().trimmed()};
        description.removeAll(QString());
        f.figure->setAccessibleDescription(description.join(QLatin1Char('\n')));
    }
}

void frmresult::ShowResults(const ResultTexts& texts) {
    const Controls& c = controls_;
    SetText(c.lblprob, Q(texts.probabilityHeading));
    SetText(c.lbldens[0], Q(texts.densityPerMlHeading));
    SetText(c.lbldens[1], Q(texts.densityPer100MlHeading));
    SetFigure(c.txtresult[0], texts.likelihood);
    SetFigure(c.txtresult[1], texts.mpnPerMl);
    SetFigure(c.txtresult[2], texts.mpnPer100Ml);

    const struct {
        int index;
        const std::string& advice;
        Colour colour;
    } advice[] = {{0, texts.poissonAdvice, texts.poissonAdviceColour},
                  {1, texts.thomasAdvice, texts.thomasAdviceColour}};
    for (const auto& a : advice) {
        c.lblbahs[a.index]->setEnabled(true);
        TextLabel* tozih = c.lbltozih[a.index];
        tozih->setEnabled(true);
        SetText(tozih, Q(a.advice));
        SetForeColour(tozih, ToQColor(a.colour));
    }

    SetText(c.lblthomas, Q(texts.thomasHeading));
    SetFigure(c.txtthomas, texts.thomas);
    Retranslate();
}

}  // namespace tubewise
