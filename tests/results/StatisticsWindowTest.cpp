// The statistics window driven as the analyst drives it, its figures checked against what
// tubewise-cli --json reports for the same rows, method and level; its copy and report buttons
// answered by the seams.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

#include "app/Road.h"
#include "core/Texts.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/ReportDate.h"
#include "results/frmresult.h"
#include "results/frmstats.h"
#include "tests/shell/WindowFixture.h"
#include "tests/support/CliProcess.h"
#include "tests/support/ExpectedTexts.h"
#include "tests/support/PdfTools.h"

namespace tubewise {
namespace {

using testing::WindowTest;

struct Cells {
    QString volume;
    QString positive;
    QString negative;
};

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A figure rounded to `figures` significant figures in the program's general form, worked out
// here from the JSON number on its own terms: plain decimals from 1e-4 on, "3.1E-07" below.
QString Expected(double x, int figures) {
    if (x == 0) return QStringLiteral("0");
    const double rounded = QString::number(x, 'e', figures - 1).toDouble();
    auto stripped = [](QString digits) {
        if (digits.contains(QLatin1Char('.'))) {
            while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
            if (digits.endsWith(QLatin1Char('.'))) digits.chop(1);
        }
        return digits;
    };
    if (std::fabs(rounded) >= 1e-4) return stripped(QString::number(rounded, 'f', 12));
    const QString e = QString::number(rounded, 'E', figures - 1);  // "3.10E-07"
    const qsizetype at = e.indexOf(QLatin1Char('E'));
    return stripped(e.left(at)) + e.mid(at);
}

class StatisticsWindowTest : public WindowTest {
  protected:
    StatisticsWindowTest() {
        session->seams().copyText = [this](const QString& text) { copied << text; };
    }

    frmmpn& GridWith(const std::vector<Cells>& rows) {
        frmdel& dialog = session->form<frmdel>();
        dialog.show();
        QTest::keyClicks(dialog.controls().txtdilnum, QString::number(rows.size()));
        dialog.controls().cmdset->click();
        frmmpn& grid = session->form<frmmpn>();
        TypeRows(grid, rows);
        return grid;
    }
    static void TypeRows(frmmpn& grid, const std::vector<Cells>& rows) {
        int i = 1;
        for (const Cells& row : rows) {
            const std::pair<frmmpn::Column, QString> cells[] = {
                {&frmmpn::Controls::txtn, row.volume},
                {&frmmpn::Controls::txtp, row.positive},
                {&frmmpn::Controls::txtq, row.negative}};
            for (const auto& [column, text] : cells) {
                TextBox* cell = (grid.controls().*column)[i];
                cell->clear();
                QTest::keyClicks(cell, Local(text));
            }
            ++i;
        }
    }
    static QString Local(QString figure) {
        return figure.replace(QLatin1Char('.'), Q(Session().numberLocale().decimalSeparator));
    }
    void Calculate(frmmpn& grid) { QTest::mouseClick(grid.calculateButton(), Qt::LeftButton); }

    frmstats& OpenStatistics() {
        frmresult& results = session->form<frmresult>();
        EXPECT_TRUE(results.isVisible());
        QTest::mouseClick(results.controls().cmdstats, Qt::LeftButton);
        frmstats& statistics = session->form<frmstats>();
        EXPECT_TRUE(statistics.isVisible());
        return statistics;
    }
    frmstats& Stats() { return session->form<frmstats>(); }
    QString Figure(int index) { return Stats().controls().txtstat[index]->text(); }

    QStringList copied;
};

// What tubewise-cli --json says about these rows with these limits.
QJsonObject CliStatistics(const std::vector<Cells>& rows, const char* method, double level) {
    QStringList args{"--json", "--ci", QLatin1String(method), "--level", QString::number(level)};
    for (const Cells& r : rows) args << r.volume + ':' + r.positive + ':' + r.negative;
    const testing::CliRun run = testing::RunCli(QStringLiteral(TUBEWISE_CLI), args, "C");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.json()[QStringLiteral("statistics")].toObject();
}

// The same rows with one tube of the smallest volume negative.
std::vector<Cells> OneFewerPositive(std::vector<Cells> rows) {
    Cells* smallest = &rows.front();
    for (Cells& r : rows)
        if (r.volume.toDouble() < smallest->volume.toDouble()) smallest = &r;
    smallest->positive = QString::number(smallest->positive.toInt() - 1);
    smallest->negative = QString::number(smallest->negative.toInt() + 1);
    return rows;
}

struct Sample {
    const char* name;
    std::vector<Cells> rows;
};

void PrintTo(const Sample& s, std::ostream* os) {
    *os << s.name;
}

class EveryFigure : public StatisticsWindowTest, public ::testing::WithParamInterface<Sample> {};

TEST_P(EveryFigure, EqualsTheCommandLinesStatisticsForBothMethodsAndThreeLevels) {
    const std::vector<Cells>& rows = GetParam().rows;
    Calculate(GridWith(rows));
    frmstats& window = OpenStatistics();
    const struct {
        int index;
        const char* name;
    } methods[] = {{0, "jarvis"}, {1, "lr"}};
    const double levels[] = {0.90, 0.95, 0.99};
    for (const auto& method : methods) {
        for (int l = 0; l < 3; ++l) {
            SCOPED_TRACE(std::string(method.name) + " " + std::to_string(levels[l]));
            window.controls().cbomethod->setCurrentIndex(method.index);
            window.controls().cbolevel->setCurrentIndex(l);
            const QJsonObject s = CliStatistics(rows, method.name, levels[l]);
            auto number = [&s](const char* key) { return s[QLatin1String(key)].toDouble(); };
            if (s[QStringLiteral("mle_infinite")].toBool()) {
                const double highest = CliStatistics(OneFewerPositive(rows), method.name,
                                                     levels[l])[QStringLiteral("mle_per_ml")]
                                           .toDouble();
                EXPECT_EQ(Figure(0), "> " + Local(Expected(highest * 100, 4)));
                EXPECT_EQ(Figure(1), "> " + Local(Expected(highest, 4)));
            } else {
                EXPECT_EQ(Figure(0), Local(Expected(number("mle_per_ml") * 100, 4)));
                EXPECT_EQ(Figure(1), Local(Expected(number("mle_per_ml"), 4)));
            }
            EXPECT_EQ(Figure(2), s[QStringLiteral("bias_adjusted_per_ml")].isNull()
                                     ? Q(text::kStatisticUndefined.source)
                                     : Local(Expected(number("bias_adjusted_per_ml") * 100, 4)));
            EXPECT_EQ(Figure(3), Local(Expected(number("ci_low_per_ml") * 100, 3)));
            EXPECT_EQ(Figure(4), s[QStringLiteral("ci_high_per_ml")].isNull()
                                     ? Q(text::kOpenLimit.source)
                                     : Local(Expected(number("ci_high_per_ml") * 100, 3)));
            EXPECT_EQ(Figure(5), Local(Expected(number("rarity_index"), 3)));
            // The warning exactly for an improbable pattern.
            EXPECT_EQ(window.controls().lblwarn->text().isEmpty(),
                      !s[QStringLiteral("improbable")].toBool());
            EXPECT_FALSE(window.controls().lblverdict->text().isEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, EveryFigure,
    ::testing::Values(
        Sample{"worked_example", {{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}},
        Sample{"five_five_four", {{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "4", "1"}}},
        Sample{"every_tube_positive", {{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "5", "0"}}},
        Sample{"every_tube_negative", {{"10", "0", "5"}, {"1", "0", "5"}, {"0.1", "0", "5"}}},
        Sample{"improbable", {{"10", "0", "5"}, {"1", "0", "5"}, {"0.1", "3", "2"}}},
        Sample{"wastewater", {{"0.01", "5", "0"}, {"0.001", "3", "2"}, {"0.0001", "1", "4"}}},
        Sample{"three_tubes_two_dilutions", {{"1", "2", "1"}, {"0.1", "1", "2"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatisticsWindowTest, FiveFiveFourIs1609WhileTheResultsWindowStaysAtItsCap) {
    Calculate(GridWith({{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "4", "1"}}));
    EXPECT_EQ(session->form<frmresult>().controls().txtresult[2]->text(), " 1000  <");
    frmstats& window = OpenStatistics();
    EXPECT_EQ(Figure(0), "1609");
    EXPECT_EQ(Figure(1), Local("16.09"));
    EXPECT_EQ(window.controls().lblverdict->text(), Q(text::kReportExactCapped.source));
    EXPECT_EQ(Form::ForeColour(window.controls().lblverdict), QColor(192, 0, 0));
}

TEST_F(StatisticsWindowTest, AnOpenWindowFollowsEveryCalculationAndARefusalShowsNoFigure) {
    frmmpn& grid = GridWith({{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "1", "4"}});
    Calculate(grid);
    frmstats& window = OpenStatistics();
    EXPECT_EQ(Figure(0), Local("347.7"));
    EXPECT_EQ(window.controls().lblverdict->text(), Q(text::kReportGridFigure.source));
    EXPECT_EQ(Form::ForeColour(window.controls().lblverdict), QColor(0, 128, 0));

    QTest::mouseClick(session->form<frmresult>().controls().cmdreturn, Qt::LeftButton);
    TypeRows(grid, {{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "4", "1"}});
    Calculate(grid);
    EXPECT_EQ(&Stats(), &window) << "redrawn in place";
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Figure(0), "1609");

    QTest::mouseClick(session->form<frmresult>().controls().cmdreturn, Qt::LeftButton);
    grid.controls().txtp[2]->clear();
    Calculate(grid);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(window.controls().lblverdict->text(), Q(expected::kEmptyCells));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Figure(i), "") << i;
    EXPECT_EQ(window.controls().lblwarn->text(), "");
    EXPECT_FALSE(window.controls().cmdcopy->isEnabled());
    EXPECT_FALSE(window.controls().cmdreport->isEnabled());
}

// Switched to English with figures shown, the window says everything in English, the figures'
// own words included, keeps the analyst's choice, and a new calculation is composed in English;
// back in Persian it is as it was.
TEST_F(StatisticsWindowTest, FollowsTheLanguageWithItsFiguresAndTheChoiceKept) {
    auto persianIn = [](const QString& text) {
        for (const QChar c : text)
            if (c.script() == QChar::Script_Arabic) return true;
        return false;
    };
    auto shown = [](frmstats& w) {
        QStringList texts;
        for (const ControlSpec& c : w.layout().controls) {
            QWidget* control = w.control(c.name, c.index);
            if (auto* list = qobject_cast<QComboBox*>(control)) {
                for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
            } else if (control && c.kind != ControlKind::Image && c.kind != ControlKind::Shape) {
                texts << Form::Text(control);
            }
            if (control && control->focusPolicy() != Qt::NoFocus)
                texts << control->accessibleName();
        }
        return texts;
    };
    frmmpn& grid = GridWith({{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "5", "0"}});
    Calculate(grid);
    frmstats& window = OpenStatistics();
    window.controls().cbomethod->setCurrentIndex(1);
    const QStringList persian = shown(window);

    UseLanguageNow(Language::English);
    for (const QString& text : shown(window)) EXPECT_FALSE(persianIn(text)) << text.toStdString();
    EXPECT_EQ(window.controls().cbomethod->currentIndex(), 1);
    EXPECT_EQ(window.controls().cbomethod->currentText(), "Likelihood ratio");
    EXPECT_EQ(Figure(4), "Unbounded");
    EXPECT_EQ(window.controls().lblverdict->text(),
              "The results window's estimate is only a lower bound; report the exact estimate.");

    QTest::mouseClick(session->form<frmresult>().controls().cmdreturn, Qt::LeftButton);
    TypeRows(grid, {{"10", "0", "5"}, {"1", "0", "5"}, {"0.1", "3", "2"}});
    Calculate(grid);
    EXPECT_EQ(window.controls().lblwarn->text(),
              "The pattern of positive tubes is very improbable. Read the tubes again or repeat "
              "the test!");

    QTest::mouseClick(session->form<frmresult>().controls().cmdreturn, Qt::LeftButton);
    TypeRows(grid, {{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "5", "0"}});
    Calculate(grid);
    UseLanguageNow(Language::Persian);
    EXPECT_EQ(shown(window), persian);
}

TEST_F(StatisticsWindowTest, AClosedWindowIsNotOpenedByACalculation) {
    frmmpn& grid = GridWith({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}});
    Calculate(grid);
    EXPECT_FALSE(session->isBuilt<frmstats>());
    OpenStatistics().close();
    QTest::mouseClick(session->form<frmresult>().controls().cmdreturn, Qt::LeftButton);
    Calculate(grid);
    EXPECT_FALSE(session->isBuilt<frmstats>());
    EXPECT_EQ(quits, 0) << "closing the statistics window does not end the program";
}

TEST_F(StatisticsWindowTest, CopyPutsTheHeaderAndTheSamplesLineOnTheClipboard) {
    Calculate(GridWith({{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "4", "1"}}));
    frmstats& window = OpenStatistics();
    QTest::keyClicks(window.controls().txtsample, QStringLiteral("W-7"));
    window.controls().cbomethod->setCurrentIndex(1);
    QTest::mouseClick(window.controls().cmdcopy, Qt::LeftButton);
    ASSERT_EQ(copied.size(), 1);
    const QStringList lines = copied.front().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << "two lines, each ending in a newline";
    EXPECT_EQ(lines[0],
              "sample\tseries\tgrid_mpn_per_100ml\texact_mpn_per_100ml\tci_low_per_100ml\t"
              "ci_high_per_100ml\tci_method\tci_level\trarity_index\tthomas_per_100ml");
    const QStringList cells = lines[1].split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), 10);
    EXPECT_EQ(cells[0], "W-7");
    EXPECT_EQ(cells[2], ">1000");
    EXPECT_EQ(cells[3], Figure(0));
    EXPECT_EQ(cells[4], Figure(3));
    EXPECT_EQ(cells[5], Figure(4));
    EXPECT_EQ(cells[6], "lr");
    EXPECT_EQ(cells[7], "0.95");
}

TEST_F(StatisticsWindowTest, TheReportIsSavedAsAPdfAndAFailureIsTold) {
    Calculate(GridWith({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}));
    frmstats& window = OpenStatistics();
    QTemporaryDir dir;
    QString answer = dir.filePath(QStringLiteral("sample"));
    QStringList offered;
    session->seams().saveFileName = [&](QWidget*, const QString& filter, const QString& last) {
        EXPECT_EQ(filter, "PDF(*.pdf)");
        offered << last;
        return answer;
    };
    QTest::mouseClick(window.controls().cmdreport, Qt::LeftButton);
    QFile saved(dir.filePath(QStringLiteral("sample.pdf")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("%PDF"));
    EXPECT_TRUE(messages.empty());

    answer = dir.filePath(QStringLiteral("missing/folder/sample.PDF"));
    QTest::mouseClick(window.controls().cmdreport, Qt::LeftButton);
    EXPECT_EQ(offered, QStringList({"", dir.filePath(QStringLiteral("sample"))}));
    ASSERT_EQ(messages.size(), 1u);
    // The prompt, why (the folder is missing), where, then the system's words.
    EXPECT_TRUE(messages[0].prompt.startsWith(Q(expected::kReportNotSaved) + '\n' +
                                              QStringLiteral(".پوشه مقصد وجود ندارد") + '\n' +
                                              QDir::toNativeSeparators(answer) + '\n'))
        << messages[0].prompt.toStdString();
    EXPECT_EQ(messages[0].title, Q(expected::kErrorTitle));
    EXPECT_EQ(messages[0].parent, &window);

    answer.clear();  // cancelled: nothing is written or told
    QTest::mouseClick(window.controls().cmdreport, Qt::LeftButton);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(StatisticsWindowTest, TheReportStatesConformityWithTheLimitTypedForIt) {
    if (!testing::HavePoppler()) GTEST_SKIP() << "poppler-utils are not installed";
    // 5-3-0 at 10, 1 and 0.1 mL: 79.24 per 100 mL, Jarvis limits 25.4 to 248.
    Calculate(GridWith({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}));
    frmstats& window = OpenStatistics();
    const frmstats::Controls& c = window.controls();
    QTemporaryDir dir;
    int asked = 0;
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) {
        return dir.filePath(QStringLiteral("report%1").arg(++asked));
    };
    const struct {
        const char* limit;
        int rule;  // 0 simple acceptance, 1 guarded
        const text::Text* verdict;
    } cases[] = {{"", 0, nullptr},
                 {"100", 0, &text::kVerdictComplies},
                 {"100", 1, &text::kVerdictInconclusive},
                 {"20", 1, &text::kVerdictDoesNotComply},
                 {"50", 0, &text::kVerdictDoesNotComply}};
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.limit) + " rule " + std::to_string(k.rule));
        Form::SetText(c.txtreplimit, QString::fromUtf8(k.limit));
        c.cboreprule->setCurrentIndex(k.rule);
        QTest::mouseClick(c.cmdreport, Qt::LeftButton);
        const QString text =
            testing::PdfText(dir.filePath(QStringLiteral("report%1.pdf").arg(asked)));
        ASSERT_FALSE(text.isEmpty());
        const QString caption =
            testing::Normalised(Q(text::Tr(text::kSampleLimitCaption, k.limit)));
        if (!k.verdict) {
            EXPECT_FALSE(text.contains(testing::Normalised(Q(text::Tr(text::kVerdictComplies)))));
            continue;
        }
        EXPECT_TRUE(text.contains(caption)) << text.toStdString();
        EXPECT_TRUE(text.contains(testing::Normalised(Q(text::Tr(*k.verdict)))))
            << text.toStdString();
    }
    EXPECT_TRUE(messages.empty());

    // A limit that cannot be read: told, its box takes the keyboard, no file is asked for.
    ShowActive(window);
    Form::SetText(c.txtreplimit, QStringLiteral("-3"));
    const int before = asked;
    QTest::mouseClick(c.cmdreport, Qt::LeftButton);
    EXPECT_EQ(asked, before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, Q(text::Tr(text::kSiteLimitPrompt)));
    EXPECT_EQ(FocusName(), "txtreplimit");
}

TEST_F(StatisticsWindowTest, ReachedFromTheResultsWindowAndWalkedByTheKeyboard) {
    Calculate(GridWith({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}));
    frmresult& results = session->form<frmresult>();
    ShowActive(results);
    for (int i = 0; i < 10 && FocusName() != "cmdstats"; ++i) PressKey(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "cmdstats");
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "txtresult(0)") << "the new button is the last in the tab order";
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(session->isBuilt<frmstats>());
    frmstats& window = Stats();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(FocusName(), "txtstat(0)");
    const QString jarvisLow = Figure(3);
    for (int i = 0; i < 3; ++i) PressKey(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "cbomethod");
    PressKey(Qt::Key_Down);  // the likelihood-ratio limits
    EXPECT_EQ(window.options().method, stats::CiMethod::LikelihoodRatio);
    EXPECT_NE(Figure(3), jarvisLow);
    QStringList order{FocusName()};
    for (int i = 0; i < 9; ++i) {
        PressKey(Qt::Key_Tab);
        order << FocusName();
    }
    EXPECT_EQ(order.join(' '),
              "cbomethod cbolevel txtstat(3) txtstat(4) txtstat(5) txtsample txtanalyst "
              "txtdate cmdcopy cmdreport");
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    PressKey(Qt::Key_Return);  // Enter on the copy button
    EXPECT_EQ(copied.size(), 1);
}

}  // namespace
}  // namespace tubewise

namespace tubewise {
namespace {

// The grid changed or left after the calculation shown: the window never offers figures under
// a name they do not belong to, until the next calculation.
TEST_F(StatisticsWindowTest, FiguresGoOutOfDateWhenTheGridIsEditedOrLeft) {
    enum class Leave { EditACell, ChangeDilution };
    const struct {
        Leave leave;
        std::vector<Cells> rows;  // typed without calculating
        const char* exact;        // once calculated
        const char* series;
    } cases[] = {
        {Leave::EditACell, {{"10", "5", "0"}, {"1", "3", "2"}}, "91.78", "10:5:0 1:3:2"},
        {Leave::ChangeDilution,
         {{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}},
         "79.24",
         "10:5:0 1:3:2 0.1:0:5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.series);
        frmmpn& grid = GridWith({{"10", "300", "1"}, {"1", "28", "1"}});
        Calculate(grid);
        frmstats& window = OpenStatistics();
        ASSERT_TRUE(window.current());
        ASSERT_EQ(Figure(0), Local("126.6"));

        QTest::mouseClick(session->form<frmresult>().controls().cmdreturn, Qt::LeftButton);
        if (c.leave == Leave::ChangeDilution) {
            QTest::mouseClick(grid.controls().cmddilchange, Qt::LeftButton);
            frmdel& dialog = session->form<frmdel>();
            QTest::keyClicks(dialog.controls().txtdilnum, QString::number(c.rows.size()));
            dialog.controls().cmdset->click();
        }
        TypeRows(grid, c.rows);
        QTest::keyClicks(window.controls().txtsample, QStringLiteral("Well 9"));

        EXPECT_FALSE(window.current());
        for (int i = 0; i < 6; ++i) EXPECT_EQ(Figure(i), "") << i;
        EXPECT_EQ(window.controls().lblverdict->text(), Q(text::kFiguresOutOfDate.source));
        EXPECT_FALSE(window.controls().cmdcopy->isEnabled());
        EXPECT_FALSE(window.controls().cmdreport->isEnabled());
        int asked = 0;
        session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) {
            ++asked;
            return QString();
        };
        SaveReport(*session);
        CopyStatistics(*session);
        EXPECT_EQ(asked, 0);
        EXPECT_TRUE(copied.isEmpty());

        Calculate(grid);
        EXPECT_TRUE(window.current());
        EXPECT_EQ(Figure(0), Local(c.exact));
        CopyStatistics(*session);
        ASSERT_EQ(copied.size(), 1);
        EXPECT_TRUE(copied.front().contains("Well 9\t" + Local(c.series) + "\t"))
            << copied.front().toStdString();
        copied.clear();
        window.close();
        QTest::mouseClick(session->form<frmresult>().controls().cmdreturn, Qt::LeftButton);
        QTest::mouseClick(grid.controls().cmddilchange, Qt::LeftButton);
    }
}

// Save and copy take a date that exists, in either calendar, or none; any other text is refused
// with its reason, the date box taking the focus and nothing leaving the window.
TEST_F(StatisticsWindowTest, ADateThatDoesNotExistIsRefusedOnSaveAndCopy) {
    Calculate(GridWith({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}));
    frmstats& window = OpenStatistics();
    const struct {
        const char* typed;
        bool accepted;
    } rows[] = {{"2025-02-30", false},
                {"1403/12/31", false},
                {"2024/13/01", false},
                {"first shift", false},
                {"2024-02-29", true},
                {"1403/12/30", true},
                {"", true}};
    int asked = 0;
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) {
        ++asked;
        return QString();
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        messages.clear();
        copied.clear();
        asked = 0;
        window.controls().txtdate->clear();
        QTest::keyClicks(window.controls().txtdate, QString::fromUtf8(r.typed));
        window.controls().cmdcopy->setFocus();
        QTest::mouseClick(window.controls().cmdcopy, Qt::LeftButton);
        QTest::mouseClick(window.controls().cmdreport, Qt::LeftButton);
        EXPECT_EQ(copied.size(), r.accepted ? 1 : 0);
        EXPECT_EQ(asked, r.accepted ? 1 : 0);
        if (r.accepted) {
            EXPECT_TRUE(messages.empty());
            continue;
        }
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].prompt, Q(text::kReportDateRefused.source));
        EXPECT_EQ(messages[0].parent, &window);
        EXPECT_EQ(window.focusWidget(), window.controls().txtdate);
    }
}

// The default date is in the calendar of the window's language and follows a switch; a date the
// analyst typed stays as typed, and an English report leads with the Gregorian date.
TEST_F(StatisticsWindowTest, TheDefaultDateFollowsTheLanguageATypedOneStays) {
    Calculate(GridWith({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}));
    frmstats& window = OpenStatistics();
    const QDate today = QDate::currentDate();
    const QString gregorian = today.toString(QStringLiteral("yyyy-MM-dd"));
    TextBox* date = window.controls().txtdate;
    EXPECT_EQ(date->text(), JalaliDateText(today));
    UseLanguageNow(Language::English);
    EXPECT_EQ(date->text(), gregorian);
    EXPECT_EQ(window.Report().header.back().value,
              (gregorian + " (" + JalaliDateText(today) + ")").toStdString());
    UseLanguageNow(Language::Persian);
    EXPECT_EQ(date->text(), JalaliDateText(today));
    EXPECT_EQ(window.Report().header.back().value,
              (JalaliDateText(today) + " (" + gregorian + ")").toStdString());

    date->clear();
    QTest::keyClicks(date, QStringLiteral("1403/01/01"));
    UseLanguageNow(Language::English);
    EXPECT_EQ(date->text(), "1403/01/01");
    EXPECT_EQ(window.Report().header.back().value, "2024-03-20 (1403/01/01)");
}

}  // namespace
}  // namespace tubewise

namespace tubewise {
namespace {

// A saved report and a copied line are confirmed in the window's status line, which names the
// file; a cancelled save or a failed one leaves it empty.
TEST_F(StatisticsWindowTest, SavingAndCopyingAreConfirmedInTheStatusLine) {
    Calculate(GridWith({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}));
    frmstats& window = OpenStatistics();
    QTemporaryDir dir;
    QString answer;
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) {
        return answer;
    };
    const QString saved = dir.filePath(QStringLiteral("well.pdf"));
    const struct {
        const char* name;
        QString answer;  // the save dialog's; null: the copy button
        QString status;
    } steps[] = {
        {"saved", saved, Q(text::kReportSavedStatus.source).arg(QDir::toNativeSeparators(saved))},
        {"cancelled", QString(""), QString()},
        {"copied", QString(), Q(text::kResultCopiedStatus.source)},
        {"failed", dir.filePath(QStringLiteral("missing/well.pdf")), QString()},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        answer = s.answer;
        QTest::mouseClick(
            s.answer.isNull() ? window.controls().cmdcopy : window.controls().cmdreport,
            Qt::LeftButton);
        EXPECT_EQ(window.controls().lblstatus->text(), s.status);
    }
}

}  // namespace
}  // namespace tubewise
