// The calculate button and the results window driven as the analyst drives them: count
// dialog, typed grid, calculate, return, chart window; message boxes answered by the seam.
#include <gtest/gtest.h>

#include <QTest>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <vector>

#include "app/Road.h"
#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/frmresult.h"
#include "shell/Session.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

struct Shown {
    QWidget* parent;
    QString prompt;
    QString title;
};

struct Cells {
    const char* volume;
    const char* positive;
    const char* negative;
};

const QColor kRed(192, 0, 0);
const QColor kGreen(0, 128, 0);

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

class ResultsWindowTest : public ::testing::Test {
  protected:
    ResultsWindowTest() : session(TestSeams()), road(session) {}

    Seams TestSeams() {
        Seams s;
        s.message = [this](QWidget* parent, const QString& prompt, const QString& title) {
            shown.push_back({parent, prompt, title});
        };
        s.saveFileName = [](QWidget*, const QString&, const QString&) {
            ADD_FAILURE() << "no save dialog expected";
            return QString();
        };
        s.openUrl = [](const QUrl&) { return false; };
        s.quit = [this] { ++quits; };
        return s;
    }

    // The count confirmed in the dilution dialog, which opens the grid.
    frmmpn& OpenGrid(int count) {
        frmdel& dialog = session.form<frmdel>();
        dialog.show();
        QTest::keyClicks(dialog.controls().txtdilnum, QString::number(count));
        dialog.controls().cmdset->click();
        frmmpn& grid = session.form<frmmpn>();
        EXPECT_TRUE(grid.isVisible());
        return grid;
    }

    static void Type(TextBox* cell, const char* text) {
        cell->selectAll();
        cell->del();
        QTest::keyClicks(cell, QString::fromUtf8(text));
    }

    void TypeRows(frmmpn& grid, std::initializer_list<Cells> rows) {
        int i = 1;
        for (const Cells& row : rows) {
            Type(grid.controls().txtn[i], row.volume);
            Type(grid.controls().txtp[i], row.positive);
            Type(grid.controls().txtq[i], row.negative);
            ++i;
        }
    }

    frmmpn& GridWith(std::initializer_list<Cells> rows) {
        frmmpn& grid = OpenGrid(static_cast<int>(rows.size()));
        TypeRows(grid, rows);
        return grid;
    }

    void Calculate(frmmpn& grid) {
        ASSERT_TRUE(grid.isVisible());
        QTest::mouseClick(grid.calculateButton(), Qt::LeftButton);
    }

    frmresult& Results() { return session.form<frmresult>(); }
    const frmresult::Controls& Figures() { return Results().controls(); }
    QColor AdviceColourOf(int index) {
        return Form::ForeColour(Results().controls().lbltozih[index]);
    }

    // A figure in the general form as this machine's locale writes it.
    QString Local(const char* figure) {
        return QString::fromLatin1(figure).replace(QLatin1Char('.'),
                                                   Q(session.numberLocale().decimalSeparator));
    }

    void ExpectPoissonAdvice(const std::string& text, const QColor& colour) {
        EXPECT_EQ(Figures().lbltozih[0]->text(), Q(text));
        EXPECT_EQ(AdviceColourOf(0), colour);
        EXPECT_TRUE(Results().controls().lbltozih[0]->isEnabled());
        EXPECT_TRUE(Results().controls().lblbahs[0]->isEnabled());
    }
    void ExpectThomas(const QString& figure, const std::string& advice, const QColor& colour) {
        EXPECT_EQ(Figures().txtthomas->text(), figure);
        EXPECT_EQ(Figures().lbltozih[1]->text(), Q(advice));
        EXPECT_EQ(AdviceColourOf(1), colour);
        EXPECT_TRUE(Results().controls().lbltozih[1]->isEnabled());
        EXPECT_TRUE(Results().controls().lblbahs[1]->isEnabled());
    }

    frmgraph& OpenChartFromResults() {
        QTest::mouseClick(Results().controls().Command1, Qt::LeftButton);
        EXPECT_TRUE(session.isBuilt<frmgraph>());
        frmgraph& graph = session.form<frmgraph>();
        EXPECT_TRUE(graph.isVisible());
        return graph;
    }

    void ReturnToGrid(frmmpn& grid) {
        QTest::mouseClick(Results().controls().cmdreturn, Qt::LeftButton);
        EXPECT_FALSE(Results().isVisible());
        EXPECT_TRUE(grid.isVisible());
    }

    std::vector<Shown> shown;
    int quits = 0;
    Session session;
    Road road;  // wires the windows as the program does
};

const std::initializer_list<Cells> kWorkedExample = {
    {"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}};
const std::initializer_list<Cells> kAllPositive = {
    {"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "5", "0"}};
const std::initializer_list<Cells> kAllNegative = {
    {"10", "0", "5"}, {"1", "0", "5"}, {"0.1", "0", "5"}};

TEST_F(ResultsWindowTest, WorkedExampleEndToEnd) {
    frmmpn& grid = GridWith(kWorkedExample);
    Calculate(grid);

    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(grid.isVisible());
    ASSERT_TRUE(session.isBuilt<frmresult>());
    EXPECT_TRUE(Results().isVisible());
    EXPECT_EQ(Figures().lblprob->text(), Q(expected::kHeadStart + " 3" + expected::kHeadEnd));
    EXPECT_EQ(Figures().lbldens[0]->text(), Q(expected::kPerMl));
    EXPECT_EQ(Figures().lbldens[1]->text(), Q(expected::kPer100Ml));
    EXPECT_EQ(Figures().lblthomas->text(), Q(expected::kPer100Ml));
    EXPECT_EQ(Figures().txtresult[0]->text(), Local("0.0225640617980848"));
    EXPECT_EQ(Figures().txtresult[1]->text(), Local("0.792"));
    EXPECT_EQ(Figures().txtresult[2]->text(), Local("79.2"));
    ExpectPoissonAdvice(expected::kPoissonGreen, kGreen);
    ExpectThomas(Local("67.916"), expected::kThomasGreen, kGreen);
    EXPECT_NEAR(session.lastCalculation()->mpnPer100Ml(), 79.2, 1e-9);
    // The first box takes the focus with its figure shown plainly, not highlighted.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Results()));
    EXPECT_TRUE(Results().controls().txtresult[0]->hasFocus());
    EXPECT_FALSE(Results().controls().txtresult[0]->hasSelectedText());
}

TEST_F(ResultsWindowTest, EveryTubePositiveShowsLowerBoundsAndRedAdvice) {
    Calculate(GridWith(kAllPositive));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Figures().txtresult[1]->text(), " 10  <");
    EXPECT_EQ(Figures().txtresult[2]->text(), " 1000  <");
    ExpectPoissonAdvice(expected::kPoissonRed, kRed);
    ExpectThomas(Q(expected::kUndefined), expected::kThomasRed, kRed);
}

TEST_F(ResultsWindowTest, EveryTubeNegativeShowsTheFirstCandidateAndThomasZero) {
    Calculate(GridWith(kAllNegative));
    EXPECT_EQ(Figures().txtresult[1]->text(), Local("0.001"));
    EXPECT_EQ(Figures().txtresult[2]->text(), Local("0.1"));
    ExpectPoissonAdvice(expected::kPoissonGreen, kGreen);
    ExpectThomas("0", expected::kThomasGreen, kGreen);
}

// Every text and colour follows the new calculation, both ways round.
TEST_F(ResultsWindowTest, ReturnKeepsTheGridAndRecalculationOverwritesEverything) {
    frmmpn& grid = GridWith(kWorkedExample);
    Calculate(grid);
    ReturnToGrid(grid);
    const GridTexts typed = grid.ReadGrid();
    EXPECT_EQ(typed[1].volume, "1");
    EXPECT_EQ(typed[1].positive, "3");
    EXPECT_EQ(typed[2].negative, "5");

    TypeRows(grid, kAllPositive);
    Calculate(grid);
    EXPECT_TRUE(Results().isVisible());
    EXPECT_EQ(Figures().txtresult[1]->text(), " 10  <");
    EXPECT_EQ(Figures().txtresult[2]->text(), " 1000  <");
    EXPECT_NE(Figures().txtresult[0]->text(), Local("0.0225640617980848"));
    ExpectPoissonAdvice(expected::kPoissonRed, kRed);
    ExpectThomas(Q(expected::kUndefined), expected::kThomasRed, kRed);

    ReturnToGrid(grid);
    TypeRows(grid, kWorkedExample);
    Calculate(grid);
    EXPECT_EQ(Figures().txtresult[0]->text(), Local("0.0225640617980848"));
    EXPECT_EQ(Figures().txtresult[1]->text(), Local("0.792"));
    EXPECT_EQ(Figures().txtresult[2]->text(), Local("79.2"));
    ExpectPoissonAdvice(expected::kPoissonGreen, kGreen);
    ExpectThomas(Local("67.916"), expected::kThomasGreen, kGreen);
    EXPECT_TRUE(shown.empty());
}

TEST_F(ResultsWindowTest, EmptyCellWithChartOpenShowsTheMessageAndAnEmptyChart) {
    frmmpn& grid = GridWith(kWorkedExample);
    Calculate(grid);
    frmgraph& graph = OpenChartFromResults();
    ASSERT_FALSE(graph.drawn().title.empty());
    ReturnToGrid(grid);
    EXPECT_TRUE(graph.isVisible());

    Type(grid.controls().txtq[2], "");
    graph.showMinimized();
    Calculate(grid);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, Q(expected::kEmptyCells));
    EXPECT_EQ(shown[0].title, Q(expected::kWrongInput));
    EXPECT_EQ(shown[0].parent, &grid);
    EXPECT_TRUE(grid.isVisible());
    EXPECT_FALSE(Results().isVisible());
    EXPECT_EQ(Figures().txtresult[1]->text(), Local("0.792"));  // the hidden window is not touched
    EXPECT_TRUE(graph.drawn().title.empty());
    EXPECT_FALSE(graph.drawn().has(ChartStep::DataShown));
    EXPECT_TRUE(graph.chartView()->chart()->title().isEmpty());
    EXPECT_FALSE(graph.windowState() & Qt::WindowMinimized);
}

// A count beyond 16 bits passes validation but cannot be calculated: one message, the grid
// stays with its text, and neither results nor a half-finished chart appear.
TEST_F(ResultsWindowTest, CountOf40000IsReportedAndShowsNoResults) {
    frmmpn& grid = GridWith({{"10", "5", "0"}, {"1", "40000", "2"}, {"0.1", "0", "5"}});
    Calculate(grid);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, Q(expected::kUncomputable));
    EXPECT_EQ(shown[0].title, Q(expected::kWrongInput));
    EXPECT_EQ(shown[0].parent, &grid);
    EXPECT_TRUE(grid.isVisible());
    EXPECT_EQ(grid.controls().txtp[2]->text(), "40000");
    EXPECT_FALSE(session.isBuilt<frmresult>());
}

// A figure the model cannot take is refused naming its row, and the analyst is taken to the
// cell to mend, with its text selected for typing over.
struct OutOfRangeRow {
    const char* cell;
    frmmpn::Column column;
    Cells second;
    std::string prompt;
};

void PrintTo(const OutOfRangeRow& row, std::ostream* os) {
    *os << row.cell;
}

class OutOfRange : public ResultsWindowTest, public ::testing::WithParamInterface<OutOfRangeRow> {};

TEST_P(OutOfRange, IsRefusedAndItsCellTakesTheFocus) {
    const OutOfRangeRow& c = GetParam();
    frmmpn& grid = GridWith({{"10", "5", "0"}, c.second});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    Calculate(grid);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, Q(c.prompt));
    EXPECT_EQ(shown[0].title, Q(expected::kWrongInput));
    EXPECT_TRUE(grid.isVisible());
    EXPECT_FALSE(session.isBuilt<frmresult>());
    TextBox* cell = (grid.controls().*c.column)[2];
    EXPECT_TRUE(cell->hasFocus());
    EXPECT_EQ(cell->selectedText(), cell->text());
}

INSTANTIATE_TEST_SUITE_P(
    Cells, OutOfRange,
    ::testing::Values(
        OutOfRangeRow{
            "txtn", &frmmpn::Controls::txtn, {"0", "3", "2"}, expected::VolumeNotPositive(2)},
        OutOfRangeRow{
            "txtp", &frmmpn::Controls::txtp, {"1", "-1", "2"}, expected::NegativeCount(2)},
        OutOfRangeRow{
            "txtq", &frmmpn::Controls::txtq, {"1", "3", "-2"}, expected::NegativeCount(2)}),
    [](const ::testing::TestParamInfo<OutOfRangeRow>& info) {
        return std::string(info.param.cell);
    });

TEST_F(ResultsWindowTest, UncomputableSeriesWithChartOpenLeavesAnEmptyChart) {
    frmmpn& grid = GridWith(kWorkedExample);
    Calculate(grid);
    frmgraph& graph = OpenChartFromResults();
    ReturnToGrid(grid);

    // 1e308 mL x density overflows at candidate 1798, when the curve already reaches the
    // chart's first columns: those must not be drawn as if they were a result.
    Type(grid.controls().txtn[1], "1e308");
    Type(grid.controls().txtp[1], "0");
    Type(grid.controls().txtq[1], "1");
    Calculate(grid);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, Q(expected::kUncomputable));
    EXPECT_TRUE(grid.isVisible());
    EXPECT_FALSE(Results().isVisible());
    EXPECT_TRUE(graph.isVisible());
    EXPECT_TRUE(graph.drawn().title.empty());
    EXPECT_FALSE(graph.drawn().has(ChartStep::DataShown));
}

TEST_F(ResultsWindowTest, ThomasFaultShowsTheFigureUndefinedAndGoesOn) {
    frmmpn& grid = GridWith({{"1", "328", "10"}});
    Calculate(grid);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(Results().isVisible());
    ExpectPoissonAdvice(expected::kPoissonGreen, kGreen);
    ExpectThomas(Q(expected::kUndefined), expected::kThomasRed, kRed);

    ReturnToGrid(grid);
    Type(grid.controls().txtp[1], "327");
    Calculate(grid);
    ExpectThomas(Figures().txtthomas->text(), expected::kThomasGreen, kGreen);
    EXPECT_NE(Figures().txtthomas->text(), Q(expected::kUndefined));
}

TEST_F(ResultsWindowTest, ClosingTheResultsWindowEndsTheProgram) {
    frmmpn& grid = GridWith(kWorkedExample);
    Calculate(grid);
    OpenChartFromResults();
    Results().close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(session.ending());
}

}  // namespace
}  // namespace tubewise
