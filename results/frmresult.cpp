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

frmresult::frmresult(Session& session) : Form(session, LayoutOf("frmresult")) {
    onClick(button("cmdreturn"), [this] { emit returnRequested(); });
    onClick(button("Command1"), [this] { emit chartRequested(); });
    onClick(button("cmdstats"), [this] { emit statisticsRequested(); });
    Retranslate();
}

void frmresult::Retranslate() {
    const struct {
        TextBox* figure;
        QString name;
        TextLabel* caption;
        int advice;
    } figures[] = {
        {textBox("txtresult", 0), tr("احتمال بروز، توزيع پوآسون"), label("lblprob"), 0},
        {textBox("txtresult", 1), tr("MPN در هر ميلي ليتر، توزيع پوآسون"), label("lbldens", 0), 0},
        {textBox("txtresult", 2), tr("MPN در 100 ميلي ليتر، توزيع پوآسون"), label("lbldens", 1), 0},
        {textBox("txtthomas"), tr("MPN در 100 ميلي ليتر، رابطه توماس"), label("lblthomas"), 1},
    };
    for (const auto& f : figures) {
        f.figure->setAccessibleName(f.name);
        QStringList description{f.caption->text().trimmed(),
                                label("lbltozih", f.advice)->text().trimmed()};
        description.removeAll(QString());
        f.figure->setAccessibleDescription(description.join(QLatin1Char('\n')));
    }
}

void frmresult::ShowResults(const ResultTexts& texts) {
    SetText(label("lblprob"), Q(texts.probabilityHeading));
    SetText(label("lbldens", 0), Q(texts.densityPerMlHeading));
    SetText(label("lbldens", 1), Q(texts.densityPer100MlHeading));
    SetFigure(textBox("txtresult", 0), texts.likelihood);
    SetFigure(textBox("txtresult", 1), texts.mpnPerMl);
    SetFigure(textBox("txtresult", 2), texts.mpnPer100Ml);

    const struct {
        int index;
        const std::string& advice;
        Colour colour;
    } advice[] = {{0, texts.poissonAdvice, texts.poissonAdviceColour},
                  {1, texts.thomasAdvice, texts.thomasAdviceColour}};
    for (const auto& a : advice) {
        label("lblbahs", a.index)->setEnabled(true);
        TextLabel* tozih = label("lbltozih", a.index);
        tozih->setEnabled(true);
        SetText(tozih, Q(a.advice));
        SetForeColour(tozih, ToQColor(a.colour));
    }

    SetText(label("lblthomas"), Q(texts.thomasHeading));
    SetFigure(textBox("txtthomas"), texts.thomas);
    Retranslate();
}

}  // namespace tubewise
