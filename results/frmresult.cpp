// The results window's filling and its return, chart and close handlers.
#include "results/frmresult.h"

#include <QColor>

#include "chart/frmgraph.h"
#include "entry/frmmpn.h"
#include "shell/Session.h"

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

QColor ColourOf(AdviceColour colour) {
    const int packed = PackedColour(colour);
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

}  // namespace

frmresult::frmresult(Session& session) : Form(session, LayoutOf("frmresult")) {}

void frmresult::Load() {
    onClick(button("cmdreturn"), [this] { ReturnToGrid(); });
    onClick(button("Command1"), [this] { ShowChart(session()); });
}

void frmresult::Unload() {
    session().EndProgram();
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
        AdviceColour colour;
    } advice[] = {{0, texts.poissonAdvice, texts.poissonAdviceColour},
                  {1, texts.thomasAdvice, texts.thomasAdviceColour}};
    for (const auto& a : advice) {
        label("lblbahs", a.index)->setEnabled(true);
        TextLabel* tozih = label("lbltozih", a.index);
        tozih->setEnabled(true);
        SetText(tozih, Q(a.advice));
        SetForeColour(tozih, ColourOf(a.colour));
    }

    SetText(label("lblthomas"), Q(texts.thomasHeading));
    SetFigure(textBox("txtthomas"), texts.thomas);
}

void frmresult::ReturnToGrid() {
    hide();
    session().form<frmmpn>().show();
}

}  // namespace tubewise
