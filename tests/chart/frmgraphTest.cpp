// The chart window: drawing in place, redrawing after calculations, closing and saving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QtCharts/QBarSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <vector>

#include "app/Road.h"
#include "chart/frmgraph.h"
#include "shell/Session.h"
#include "tests/chart/ChartFixtures.h"

namespace tubewise {
namespace {

// Copied from the texts the window must show.
const QString kNotSaved = QStringLiteral("! تصوير ذخيره نشد");
const QString kErrorTitle = QStringLiteral("خطا");

struct ShownMessage {
    QWidget* parent;
    QString prompt;
    QString title;
};

struct DialogCall {
    QString filter;
    QString lastName;
};

class ChartWindow : public ::testing::Test {
  protected:
    ChartWindow() : session_(MakeSeams()), road_(session_) {
        session_.keepCalculation(testing::Example530());
    }

    Seams MakeSeams() {
        Seams seams;
        seams.message = [this](QWidget* parent, const QString& prompt, const QString& title) {
            messages_.push_back({parent, prompt, title});
        };
        seams.saveFileName = [this](QWidget*, const QString& filter, const QString& lastName) {
            dialogCalls_.push_back({filter, lastName});
            return answer_;
        };
        seams.openUrl = [](const QUrl&) { return false; };
        seams.quit = [] {};
        return seams;
    }

    frmgraph& Graph() { return session_.form<frmgraph>(); }
    QString InDir(const QString& name) const { return dir_.filePath(name); }
    QStringList FilesInDir() const { return QDir(dir_.path()).entryList(QDir::Files); }

    Session session_;
    Road road_;  // the chart window's save button is wired as in the program
    std::vector<ShownMessage> messages_;
    std::vector<DialogCall> dialogCalls_;
    QString answer_;  // what the save dialog returns; empty = cancelled
    QTemporaryDir dir_;
};

// --- Showing and drawing -------------------------------------------------------------------

TEST_F(ChartWindow, ChartButtonShowsTheDrawnChart) {
    ShowChart(session_);
    frmgraph& graph = Graph();
    EXPECT_TRUE(graph.isVisible());
    EXPECT_EQ(graph.windowTitle(), QStringLiteral("Graph"));
    EXPECT_TRUE(graph.chartView()->chart()->title().startsWith(QStringLiteral("(MPN = 79.2)")));
    EXPECT_EQ(graph.drawn().mpnTitleText, " 79.2");
    EXPECT_EQ(graph.chartView()->parentWidget(), graph.controls().ChartSpace1);
}

TEST_F(ChartWindow, PressingTheChartButtonAgainRedrawsInPlace) {
    ShowChart(session_);
    frmgraph* first = &Graph();
    QPointer<QChart> firstChart = first->chartView()->chart();

    session_.keepCalculation(testing::SearchedCalculation({{10, 5, 0}, {1, 5, 0}, {0.1, 5, 0}}));
    ShowChart(session_);
    QCoreApplication::processEvents();

    EXPECT_EQ(&Graph(), first);
    EXPECT_TRUE(firstChart.isNull());  // the earlier chart is gone, not hidden behind
    const auto views = Graph().findChildren<QChartView*>();
    ASSERT_EQ(views.size(), 1);
    EXPECT_EQ(views.first()->chart()->series().size(), 1);
    EXPECT_TRUE(views.first()->chart()->title().startsWith(QStringLiteral("(MPN > 1000)")));
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](QWidget* w) { return qobject_cast<frmgraph*>(w) != nullptr; }),
              1);
}

TEST_F(ChartWindow, ChartButtonRestoresAMinimisedChartWindow) {
    ShowChart(session_);
    Graph().setWindowState(Qt::WindowMinimized);
    ShowChart(session_);
    EXPECT_FALSE(Graph().windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(Graph().isVisible());
}

TEST_F(ChartWindow, CalculationLeavesAClosedChartWindowAlone) {
    RefreshOpenChart(session_);
    EXPECT_FALSE(session_.isBuilt<frmgraph>());

    DrawProbabilityChart(session_);  // built and drawn, but never shown
    session_.keepCalculation(testing::FailedValidation());
    RefreshOpenChart(session_);
    EXPECT_FALSE(Graph().isVisible());
    EXPECT_EQ(Graph().drawn().reached, ChartStep::Finished);
}

TEST_F(ChartWindow, CalculationRedrawsAndRestoresAMinimisedChartWindow) {
    ShowChart(session_);
    Graph().setWindowState(Qt::WindowMinimized);
    session_.keepCalculation(testing::SearchedCalculation({{1, 3, 2}}));
    RefreshOpenChart(session_);
    EXPECT_FALSE(Graph().windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(Graph().isVisible());
    EXPECT_TRUE(Graph().chartView()->chart()->title().startsWith(QStringLiteral("(MPN = 91.6)")));
}

TEST_F(ChartWindow, FailedValidationEmptiesAnOpenChart) {
    ShowChart(session_);
    session_.keepCalculation(testing::FailedValidation());
    RefreshOpenChart(session_);
    QChart* chart = Graph().chartView()->chart();
    EXPECT_TRUE(chart->title().isEmpty());
    EXPECT_TRUE(chart->axes().isEmpty());
    EXPECT_EQ(chart->plotAreaBackgroundBrush().color(), QColor(192, 255, 255));
}

TEST_F(ChartWindow, ClosingDiscardsTheChartAndTheRememberedName) {
    ShowChart(session_);
    answer_ = InDir("curve");
    Graph().SaveChart();
    ASSERT_EQ(Graph().lastFileName(), InDir("curve"));
    QPointer<frmgraph> closed = &Graph();

    closed->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_FALSE(session_.isBuilt<frmgraph>());

    ShowChart(session_);
    EXPECT_TRUE(Graph().lastFileName().isEmpty());
    answer_.clear();
    Graph().SaveChart();
    EXPECT_EQ(dialogCalls_.back().lastName, QString());
}

// --- Saving --------------------------------------------------------------------------------

struct NameRow {
    const char* chosen;
    const char* written;
};

class SaveName : public ChartWindow, public ::testing::WithParamInterface<NameRow> {};

TEST_P(SaveName, GetsGifAppendedInEveryCase) {
    ShowChart(session_);
    answer_ = InDir(GetParam().chosen);
    Graph().SaveChart();
    EXPECT_EQ(FilesInDir(), QStringList{GetParam().written});
    EXPECT_TRUE(messages_.empty());
    const QImage saved(InDir(GetParam().written), "GIF");
    EXPECT_EQ(saved.size(), QSize(800, 400));
    EXPECT_EQ(dialogCalls_.at(0).filter, QStringLiteral("GIF(*.GIF)"));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveName,
                         ::testing::Values(NameRow{"curve", "curve.GIF"},
                                           NameRow{"curve.gif", "curve.gif.GIF"},
                                           NameRow{"curve.GIF", "curve.GIF.GIF"}));

TEST_F(ChartWindow, PictureIsTheSameSizeWhateverTheWindowSize) {
    ShowChart(session_);
    Graph().setFixedSize(300, 200);
    answer_ = InDir("small");
    Graph().SaveChart();
    const QImage saved = QImage(InDir("small.GIF"), "GIF").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.size(), QSize(800, 400));
    bool green = false, cyan = false;
    for (int y = 0; y < saved.height(); ++y) {
        for (int x = 0; x < saved.width(); ++x) {
            green = green || saved.pixel(x, y) == qRgb(128, 255, 128);
            cyan = cyan || saved.pixel(x, y) == qRgb(192, 255, 255);
        }
    }
    EXPECT_TRUE(green);
    EXPECT_TRUE(cyan);
}

TEST_F(ChartWindow, SecondSaveOffersTheLastName) {
    ShowChart(session_);
    answer_ = InDir("first");
    Graph().SaveChart();
    answer_ = InDir("second");
    Graph().SaveChart();
    ASSERT_EQ(dialogCalls_.size(), 2u);
    EXPECT_EQ(dialogCalls_[0].lastName, QString());
    EXPECT_EQ(dialogCalls_[1].lastName, InDir("first"));
}

TEST_F(ChartWindow, CancelledDialogWritesNothing) {
    ShowChart(session_);
    answer_ = InDir("kept");
    Graph().SaveChart();
    ASSERT_EQ(FilesInDir(), QStringList{"kept.GIF"});
    QFile::remove(InDir("kept.GIF"));

    answer_.clear();  // cancelled after an earlier save: the old name is not reused
    Graph().SaveChart();
    EXPECT_TRUE(FilesInDir().isEmpty());
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(Graph().lastFileName(), InDir("kept"));
}

TEST_F(ChartWindow, FailedSaveTellsWhereAndWhy) {
    ShowChart(session_);
    answer_ = InDir("missing/curve");
    Graph().SaveChart();
    ASSERT_EQ(messages_.size(), 1u);
    const ShownMessage& shown = messages_.front();
    EXPECT_EQ(shown.parent, &Graph());
    EXPECT_EQ(shown.title, kErrorTitle);
    // The prompt, why in Persian, where, and the system's own words.
    const QStringList lines = shown.prompt.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], kNotSaved);
    EXPECT_EQ(lines[1], QStringLiteral(".پوشه مقصد وجود ندارد"));
    EXPECT_EQ(lines[2], QDir::toNativeSeparators(InDir("missing/curve.GIF")));
    EXPECT_FALSE(lines[3].isEmpty());
    EXPECT_TRUE(FilesInDir().isEmpty());
}

}  // namespace
}  // namespace tubewise
