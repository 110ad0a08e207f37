// The whole road through the program, walked as an analyst would with the keyboard, in Persian
// and in English: from the welcome window through two calculations and a saved chart to the
// exit; what a screen reader says along it; and switching the language halfway.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QScreen>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/ResultTexts.h"
#include "results/frmresult.h"
#include "results/frmstats.h"
#include "shell/Layout.h"
#include "shell/Placement.h"
#include "shell/frmabout.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

class RoadTest : public WindowTest {
  protected:
    // A figure as the windows write it, with the locale's decimal separator.
    QString Local(const char* figure) const {
        return QString::fromLatin1(figure).replace(
            QLatin1Char('.'), QString::fromStdString(session->numberLocale().decimalSeparator));
    }

    // Tab until `control` has the focus (it must come within a round of the tab order), then
    // type `text` into it.
    void TabTo(const char* control, const QString& text = QString()) {
        for (int presses = 0; presses < 20 && FocusName() != control; ++presses)
            PressKey(Qt::Key_Tab);
        ASSERT_EQ(FocusName(), control);
        TypeText(text);
    }

    // What a screen reader says for the control with the keyboard focus.
    static QString Spoken() { return Said(QApplication::focusWidget(), QAccessible::Name); }
    static QString Said(QObject* object, QAccessible::Text text) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
        return a ? a->text(text) : QStringLiteral("<nothing>");
    }

    // The one visible window of that name, or nullptr.
    static Form* Visible(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return qobject_cast<Form*>(w);
        return nullptr;
    }

    // Alt+Tab, as far as the test can tell: the window manager gives the keyboard to `window`.
    static void SwitchTo(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

class LanguageRoadTest : public RoadTest, public ::testing::WithParamInterface<Language> {};

TEST_P(LanguageRoadTest, AnAnalystWalksFromStartToExitWithTheKeyboard) {
    UseLanguageNow(GetParam());
    const bool english = GetParam() == Language::English;
    QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    std::vector<QString> offeredNames;
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString& lastName) {
        offeredNames.push_back(lastName);
        return pictures.filePath(QStringLiteral("coliforms"));
    };

    // The program starts at its welcome window, and nothing else exists yet.
    frmabout& welcome = StartProgram(*session);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&welcome));
    EXPECT_FALSE(session->isBuilt<frmdel>());

    // She moves the pointer over "enter the program" and presses Enter.
    QTest::mouseMove(welcome.controls().cmdenter);
    ASSERT_EQ(FocusName(), "cmdenter");
    PressKey(Qt::Key_Return);
    ASSERT_NE(Visible("frmdel"), nullptr);
    EXPECT_FALSE(welcome.isVisible());

    // Three dilutions; she confirms with the register button, one Shift+Tab away.
    ASSERT_EQ(FocusName(), "txtdilnum");
    TypeText(QStringLiteral("3"));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(FocusName(), "cmdset");
    PressKey(Qt::Key_Return);

    // The grid opens three rows; she types the tubes in tab order: positives, negatives, then
    // the volumes from the bottom row up.
    frmmpn& grid = session->form<frmmpn>();
    ASSERT_TRUE(grid.isVisible());
    EXPECT_EQ(FocusName(), "Command1");
    const struct {
        const char* cell;
        const char* text;
    } firstSeries[] = {{"txtp(1)", "5"},   {"txtp(2)", "3"}, {"txtp(3)", "0"},
                       {"txtq(1)", "0"},   {"txtq(2)", "2"}, {"txtq(3)", "5"},
                       {"txtn(3)", "0.1"}, {"txtn(2)", "1"}, {"txtn(1)", "10"}};
    for (const auto& step : firstSeries) {
        PressKey(Qt::Key_Tab);
        if (step.cell == std::string("txtn(3)")) {
            ASSERT_EQ(FocusName(), "cmddilchange");
            PressKey(Qt::Key_Tab);
        }
        ASSERT_EQ(FocusName(), step.cell);
        TypeText(Local(step.text));
    }

    // Round to the calculate button and press it.
    TabTo("Command1");
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(messages.empty()) << messages.front().prompt.toStdString();
    frmresult& results = session->form<frmresult>();
    ASSERT_TRUE(results.isVisible());
    EXPECT_FALSE(grid.isVisible());
    EXPECT_EQ(results.controls().txtresult[1]->text(), Local("0.792"));
    EXPECT_EQ(results.controls().txtresult[2]->text(), Local("79.2"));
    EXPECT_EQ(results.controls().txtthomas->text(), Local("67.916"));
    EXPECT_EQ(results.controls().lbltozih[0]->text() ==
                  "The estimate from the Poisson distribution is reliable.",
              english);

    // The Poisson curve button is next in the tab order; the chart opens with its save button
    // under the keyboard, and the picture is written where the dialog says.
    TabTo("Command1");
    PressKey(Qt::Key_Return);
    frmgraph& chart = session->form<frmgraph>();
    ASSERT_TRUE(chart.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    ASSERT_EQ(FocusName(), "Command1");
    PressKey(Qt::Key_Return);
    ASSERT_EQ(offeredNames.size(), 1u);
    QImageReader picture(pictures.filePath(QStringLiteral("coliforms.GIF")));
    EXPECT_EQ(picture.format(), "gif");
    EXPECT_EQ(picture.size(), QSize(800, 400));
    EXPECT_TRUE(messages.empty());

    // She goes back to the results window and returns to the grid, which kept her figures.
    SwitchTo(results);
    TabTo("cmdreturn");
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(grid.isVisible());
    EXPECT_FALSE(results.isVisible());
    EXPECT_EQ(grid.controls().txtn[3]->text(), Local("0.1"));

    // A new sample in two dilutions: change dilution empties the grid and asks again.
    TabTo("cmddilchange");
    PressKey(Qt::Key_Return);
    frmdel& count = session->form<frmdel>();
    ASSERT_TRUE(count.isVisible());
    EXPECT_FALSE(grid.isVisible());
    ASSERT_EQ(FocusName(), "txtdilnum");
    EXPECT_FALSE(count.controls().cmdset->isEnabled());
    TypeText(QStringLiteral("2"));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(grid.isVisible());
    EXPECT_TRUE(grid.controls().txtn[1]->text().isEmpty());
    EXPECT_FALSE(grid.controls().txtp[3]->isEnabled());

    // Two rows of 1 mL with five of ten tubes positive: the likelihood peaks at ln 2 per mL,
    // and Thomas gives 100 x 5 / sqrt(5 x 10).
    TabTo("txtp(1)", QStringLiteral("3"));
    TabTo("txtp(2)", QStringLiteral("2"));
    TabTo("txtq(1)", QStringLiteral("2"));
    TabTo("txtq(2)", QStringLiteral("3"));
    TabTo("txtn(2)", QStringLiteral("1"));
    TabTo("txtn(1)", QStringLiteral("1"));
    TabTo("Command1");
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(results.isVisible());
    EXPECT_EQ(results.controls().txtresult[1]->text(), Local("0.693"));
    EXPECT_EQ(results.controls().txtresult[2]->text(), Local("69.3"));
    EXPECT_EQ(results.controls().txtthomas->text(), Local("70.711"));
    // The chart window, still open, shows the new curve.
    EXPECT_TRUE(chart.isVisible());
    EXPECT_NE(chart.drawn().title.find("(MPN = 69.3)"), std::string::npos) << chart.drawn().title;
    EXPECT_EQ(chart.drawn().title.rfind("Poisson distribution", 0) == 0, english);

    // Back to the grid, on to the count dialog, and out through its exit button.
    SwitchTo(results);
    TabTo("cmdreturn");
    PressKey(Qt::Key_Return);
    TabTo("cmddilchange");
    PressKey(Qt::Key_Return);
    TabTo("cmdexit");
    EXPECT_EQ(quits, 0);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(session->ending());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(remembered.empty()) << "a language given for the run is not remembered";
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageRoadTest,
                         ::testing::Values(Language::Persian, Language::English),
                         [](const auto& info) { return LanguageCode(info.param).toStdString(); });

// What a screen reader says for each control the Tab key reaches, window by window along the
// road, in English.
TEST_F(RoadTest, TabOrderAndNamesTellTheRoadInEnglish) {
    UseLanguageNow(Language::English);
    session->seams().saveFileName = [](QWidget*, const QString&, const QString&) {
        return QString();  // cancelled
    };
    // Names met pressing Tab from the first focus until it comes round.
    auto round = [&] {
        QStringList names{Spoken()};
        for (int i = 0; i < 30; ++i) {
            PressKey(Qt::Key_Tab);
            if (Spoken() == names.front()) break;
            names << Spoken();
        }
        return names.join(QStringLiteral(" | "));
    };
    frmabout& welcome = StartProgram(*session);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&welcome));
    EXPECT_EQ(round(), QStringLiteral("Contact | Blog | Start | About | فارسي | Sample register | Trays and plates | Validate this installation"));
    TabTo("cmdenter");
    PressKey(Qt::Key_Return);

    frmdel& count = session->form<frmdel>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&count));
    EXPECT_EQ(Spoken(), "Number of dilutions");
    EXPECT_EQ(Said(QApplication::focusWidget(), QAccessible::Description),
              "Enter the number of dilutions.");
    TypeText(QStringLiteral("2"));
    EXPECT_EQ(round(), "Number of dilutions | Exit | OK");
    TabTo("cmdset");
    PressKey(Qt::Key_Return);

    frmmpn& grid = session->form<frmmpn>();
    ASSERT_TRUE(grid.isVisible());
    EXPECT_EQ(round(),
              "Calculate | Row 1, number of positive tubes | Row 2, number of positive tubes | "
              "Row 1, number of negative tubes | Row 2, number of negative tubes | New count | "
              "Row 2, mL of diluted sample per tube | Row 1, mL of diluted sample per tube");
    for (const char* cell : {"txtp(1)", "txtp(2)", "txtq(1)", "txtq(2)", "txtn(2)", "txtn(1)"})
        TabTo(cell, QStringLiteral("1"));
    TabTo("Command1");
    PressKey(Qt::Key_Return);

    frmresult& results = session->form<frmresult>();
    ASSERT_TRUE(results.isVisible());
    EXPECT_EQ(round(),
              "Probability of the result, Poisson distribution | Poisson curve | "
              "MPN per mL, Poisson distribution | MPN per 100 mL, Poisson distribution | Back | "
              "MPN per 100 mL, Thomas' formula | Exact MPN and limits");
    TabTo("Command1");
    PressKey(Qt::Key_Return);

    frmgraph& chart = session->form<frmgraph>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    EXPECT_EQ(round(), "Save | Chart of the Poisson distribution");
    const QString described = Said(chart.controls().ChartSpace1, QAccessible::Description);
    EXPECT_TRUE(described.startsWith("Poisson distribution of the analysed sample (MPN = "))
        << described.toStdString();
    EXPECT_TRUE(described.contains("Horizontal axis: Coliform density, number per mL"));
}

// Halfway along the road the analyst switches to English and back with the keyboard: each
// window keeps what it holds and shows it in the language at once.
TEST_F(RoadTest, SwitchingTheLanguageKeepsTheGridTheResultsAndTheChart) {
    frmabout& welcome = StartProgram(*session);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&welcome));
    welcome.controls().cmdenter->click();
    frmdel& count = session->form<frmdel>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&count));
    TypeText(QStringLiteral("3"));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    PressKey(Qt::Key_Return);
    frmmpn& grid = session->form<frmmpn>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    const char* const typed[][3] = {{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}};
    for (int i = 1; i <= 3; ++i) {
        grid.controls().txtn[i]->setText(Local(typed[i - 1][0]));
        grid.controls().txtp[i]->setText(Local(typed[i - 1][1]));
        grid.controls().txtq[i]->setText(Local(typed[i - 1][2]));
    }
    TabTo("txtq(2)");
    const QRect persianCell = grid.controls().txtq[2]->geometry();

    PressKey(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(grid.calculateButton()->text(), "Calculate");
    EXPECT_EQ(grid.controls().txtq[2]->text(), "2") << "typed cells are kept";
    EXPECT_EQ(grid.controls().txtn[3]->text(), Local("0.1"));
    EXPECT_EQ(FocusName(), "txtq(2)") << "the keyboard stays in its cell";
    EXPECT_EQ(grid.controls().txtq[2]->geometry().x(),
              grid.width() - persianCell.x() - persianCell.width());

    TabTo("Command1");
    PressKey(Qt::Key_Return);
    frmresult& results = session->form<frmresult>();
    ASSERT_TRUE(results.isVisible());
    EXPECT_EQ(results.controls().lblprob->text(), "Poisson probability, 3 dilutions");
    results.controls().Command1->click();
    frmgraph& chart = session->form<frmgraph>();
    ASSERT_TRUE(chart.isVisible());
    EXPECT_EQ(chart.drawn().title, "Poisson distribution of the analysed sample (MPN = 79.2)");

    // Back to Persian from the results window: every text as a Persian calculation shows it.
    SwitchTo(results);
    PressKey(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(CurrentLanguage(), Language::Persian);
    const ResultTexts persian = ComposeResultTexts(*session->lastCalculation(), session->numberLocale());
    EXPECT_EQ(results.controls().lblprob->text().toStdString(), persian.probabilityHeading);
    EXPECT_EQ(results.controls().lbltozih[1]->text().toStdString(), persian.thomasAdvice);
    EXPECT_EQ(results.controls().txtresult[2]->text(), Local("79.2"));
    EXPECT_EQ(chart.drawn().title, DescribeProbabilityChart(session->lastCalculation().get()).title);
    EXPECT_EQ(chart.chartView()->chart()->title().toStdString(), chart.drawn().title);
    EXPECT_EQ(remembered, (std::vector<Language>{Language::English, Language::Persian}));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tubewise

namespace tubewise {
namespace {

// The road's windows open where they were laid out the first time, every time at the same place,
// and the statistics window (which has no place of its own) beside the results window.
// The welcome window's self-check: the summary of this build against the published tables, then
// the PDF record where the analyst saves it; a cancelled dialog saves nothing.
TEST_F(RoadTest, ValidatingTheInstallationTellsTheSummaryAndSavesTheRecord) {
    QTemporaryDir dir;
    QString answer = dir.filePath(QStringLiteral("record"));
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) { return answer; };
    frmabout& welcome = StartProgram(*session);
    QTest::mouseClick(welcome.controls().cmdvalidate, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    // Every value agrees or differs for a recorded reason on this build: none unexplained.
    EXPECT_TRUE(messages[0].prompt.endsWith(QStringLiteral(" 0 تفاوت بي دليل"))) << messages[0].prompt.toStdString();
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("152"))) << messages[0].prompt.toStdString();
    QFile record(answer + QStringLiteral(".pdf"));
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    EXPECT_TRUE(record.read(5).startsWith("%PDF-"));

    answer.clear();  // cancelled: nothing more is written or said
    QTest::mouseClick(welcome.controls().cmdvalidate, Qt::LeftButton);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(RoadTest, WindowsOpenAtTheirPlaceAndBesideTheOneTheyCameFrom) {
    frmabout& welcome = StartProgram(*session);
    EXPECT_EQ(welcome.pos(), QPoint(TwipsToPixels(5445), TwipsToPixels(4320)));
    welcome.controls().cmdenter->click();
    frmdel& dialog = session->form<frmdel>();
    const QPoint dialogPlace(TwipsToPixels(6075), TwipsToPixels(4680));
    EXPECT_EQ(dialog.pos(), dialogPlace);
    QTest::keyClicks(dialog.controls().txtdilnum, QStringLiteral("1"));
    dialog.controls().cmdset->click();
    frmmpn& grid = session->form<frmmpn>();
    EXPECT_EQ(grid.pos(), QPoint(TwipsToPixels(5160), TwipsToPixels(4080)));
    grid.controls().cmddilchange->click();
    EXPECT_EQ(dialog.pos(), dialogPlace) << "the count dialog opens where it did the first time";

    QTest::keyClicks(dialog.controls().txtdilnum, QStringLiteral("1"));
    dialog.controls().cmdset->click();
    for (auto [cell, text] :
         {std::pair{grid.controls().txtn[1], "10"}, std::pair{grid.controls().txtp[1], "3"},
          std::pair{grid.controls().txtq[1], "2"}})
        QTest::keyClicks(cell, QString::fromLatin1(text));
    grid.calculateButton()->click();
    frmresult& results = session->form<frmresult>();
    ASSERT_TRUE(results.isVisible());
    const QRect screen = results.screen()->availableGeometry();
    QPoint first;
    for (int opening = 0; opening < 2; ++opening) {
        results.controls().cmdstats->click();
        frmstats& statistics = session->form<frmstats>();
        ASSERT_TRUE(statistics.isVisible());
        const QRect placed = statistics.frameGeometry();
        EXPECT_TRUE(screen.contains(placed)) << "on the screen";
        EXPECT_EQ(placed.topLeft(),
                  PlaceBeside(results.frameGeometry(), placed.size(), screen, true));
        if (opening == 0) first = placed.topLeft();
        EXPECT_EQ(placed.topLeft(), first) << "the same place every time";
        statistics.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
}  // namespace tubewise
