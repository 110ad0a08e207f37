// The calculate button's command and its wiring to the grid window.
#include "results/CalculationCommand.h"

#include <QPointer>

#include "chart/frmgraph.h"
#include "entry/frmmpn.h"
#include "results/ResultTexts.h"
#include "results/frmresult.h"
#include "shell/Session.h"

namespace tubewise {

namespace {

constexpr char kWiredProperty[] = "tubewiseCalculationWired";

}  // namespace

CalculationEnd RunCalculation(Session& session) {
    frmmpn& grid = session.form<frmmpn>();
    Module1& state = session.state();
    const NumberLocale locale = session.numberLocale();
    const MessageSink tell = [&session, &grid](const Message& m) {
        session.seams().message(&grid, QString::fromStdString(m.prompt),
                                QString::fromStdString(m.title));
    };

    const CalculationEnd end = Calculate(state, grid.ReadGrid(), locale, tell);
    // A message box runs its own event loop; the program may have been ended meanwhile.
    if (session.ending()) return end;

    if (end.showResults) {
        grid.hide();
        frmresult& results = session.form<frmresult>();
        results.ShowResults(ComposeResultTexts(state, locale));
        results.show();
    }
    RefreshOpenChart(session);
    return end;
}

void ConnectCalculateButton(frmmpn& grid) {
    PictureButton* button = grid.calculateButton();
    if (button->property(kWiredProperty).toBool()) return;
    button->setProperty(kWiredProperty, true);
    Session* session = &grid.session();
    QObject::connect(button, &QAbstractButton::clicked, &grid, [session] {
        if (!session->ending()) RunCalculation(*session);
    });
}

}  // namespace tubewise
