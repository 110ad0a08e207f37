// The tray and plate window driven as the analyst drives it, in both languages: counts typed,
// the statistics window showing the published tray figures, refusals naming and focusing
// their box, and the tube series leading on to the dilution-count dialog.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "entry/frmdel.h"
#include "results/frmstats.h"
#include "shell/frmabout.h"
#include "tests/shell/WindowFixture.h"
#include "trays/frmtray.h"

namespace tubewise {
namespace {

using testing::WindowTest;

// What is typed: the design and, in the design's own boxes, the counts and the factor.
struct Typed {
    TrayChoice design;
    QString first;   // 51: positive wells; 97: positive large wells; groups: the groups
    QString second;  // 97: positive small wells
    QString factor;
};

class TrayWindowTest : public WindowTest {
  protected:
    TrayWindowTest() {
        session->seams().copyText = [this](const QString& text) { copied = text; };
    }

    // From the welcome window by the keyboard, as the analyst comes in.
    frmtray& OpenTray() {
        frmabout& welcome = StartProgram(*session);
        welcome.controls().cmdtray->setFocus();
        QTest::keyClick(welcome.controls().cmdtray, Qt::Key_Return);
        frmtray& tray = session->form<frmtray>();
        EXPECT_TRUE(tray.isVisible());
        EXPECT_FALSE(welcome.isVisible());
        return tray;
    }

    static void Type(TextBox* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }

    void Calculate(frmtray& tray, const Typed& typed) {
        tray.Choose(typed.design);
        const frmtray::Controls& c = tray.controls();
        switch (typed.design) {
            case TrayChoice::Tray51:
                Type(c.txtpos, typed.first);
                break;
            case TrayChoice::Tray97:
                Type(c.txtlarge, typed.first);
                Type(c.txtsmall, typed.second);
                break;
            case TrayChoice::Groups:
                Type(c.txtgroups, typed.first);
                break;
            case TrayChoice::Tubes:
                break;
        }
        Type(c.txtfactor, typed.factor);
        QTest::mouseClick(c.cmdcalc, Qt::LeftButton);
    }

    frmstats& Stats() { return session->form<frmstats>(); }
    QString Figure(int i) { return Stats().controls().txtstat[i]->text(); }

    QString copied;
};

// Published figures: the IDEXX tables for the 51- and 97-well trays (MPN per 100 mL of the
// tray's sample), times the dilution factor; a plate of 3 x 5 tubes as the tube tables.
TEST_F(TrayWindowTest, TheStatisticsWindowShowsThePublishedFigureInBothLanguages) {
    const struct {
        Typed typed;
        const char* figure;
        const char* seriesCell;
        const char* englishVerdict;
    } cases[] = {
        {{TrayChoice::Tray97, "10", "5", "1"},
         "16.6",
         "tray97:10:5 F=1",
         "97-well tray, dilution factor: 1; report the exact estimate."},
        {{TrayChoice::Tray51, "25", "", "1"},
         "34.4",
         "tray51:25 F=1",
         "51-well tray, dilution factor: 1; report the exact estimate."},
        {{TrayChoice::Tray97, "49", "48", "10"},
         "> 24196",
         "tray97:49:48 F=10",
         "97-well tray, dilution factor: 10; report the exact estimate."},
        {{TrayChoice::Tray51, "0", "", "1"},
         "< 1.0",
         "tray51:0 F=1",
         "51-well tray, dilution factor: 1; report the exact estimate."},
        {{TrayChoice::Groups, "10:5:0  1:3:2 0.1:0:5", "", "1"},
         "79.2",
         "groups 10:5:0 1:3:2 0.1:0:5 F=1",
         "plate / custom groups, dilution factor: 1; report the exact estimate."},
    };
    for (const Language language : {Language::Persian, Language::English}) {
        UseLanguageNow(language);
        frmtray& tray = OpenTray();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.seriesCell);
            Calculate(tray, c.typed);
            ASSERT_TRUE(messages.empty()) << messages.front().prompt.toStdString();
            ASSERT_TRUE(Stats().isVisible());
            EXPECT_EQ(Figure(0), c.figure);
            EXPECT_TRUE(Stats().controls().cmdreport->isEnabled());
            if (language == Language::English) {
                EXPECT_EQ(Stats().controls().lblverdict->text(), c.englishVerdict);
            }

            QTest::mouseClick(Stats().controls().cmdcopy, Qt::LeftButton);
            const QStringList cells = copied.split('\n').value(1).split('\t');
            ASSERT_EQ(cells.size(), 10) << copied.toStdString();
            EXPECT_EQ(cells[1], c.seriesCell);
            EXPECT_EQ(cells[2], "") << "no grid figure";
            EXPECT_EQ(cells[3], QString(c.figure).remove(' '));
            EXPECT_EQ(cells[9], "") << "no Thomas figure";
        }
        session->form<frmabout>().show();
        tray.hide();
    }
}

// The limits follow the window's choice: the 95 % limits of 10 large and 5 small wells are
// wider than the 90 % ones and lie either side of 16.6.
TEST_F(TrayWindowTest, TheLimitsFollowTheChosenLevel) {
    frmtray& tray = OpenTray();
    Calculate(tray, {TrayChoice::Tray97, "10", "5", "1"});
    Stats().Choose(stats::CiMethod::Jarvis, LevelChoice::Ninety);
    const double low90 = Figure(3).toDouble(), high90 = Figure(4).toDouble();
    Stats().Choose(stats::CiMethod::Jarvis, LevelChoice::NinetyFive);
    const double low95 = Figure(3).toDouble(), high95 = Figure(4).toDouble();
    EXPECT_LT(low95, low90);
    EXPECT_GT(high95, high90);
    EXPECT_LT(high90, 40);
    EXPECT_GT(low90, 5);
    EXPECT_LT(low90, 16.6);
}

TEST_F(TrayWindowTest, ARefusalNamesTheBoxAndFocusesIt) {
    const struct {
        Typed typed;
        const char* focus;
        const char* prompt;  // Persian, as the analyst reads it
    } cases[] = {
        {{TrayChoice::Tray51, "52", "", "1"},
         "txtpos",
         "! تعداد چاهک هاي مثبت بيشتر از 51 چاهک سيني است"},
        {{TrayChoice::Tray97, "10", "49", "1"},
         "txtsmall",
         "! تعداد چاهک هاي کوچک مثبت بيشتر از 48 چاهک کوچک سيني است"},
        {{TrayChoice::Tray97, "4.5", "0", "1"},
         "txtlarge",
         "! تعداد چاهک هاي بزرگ مثبت بايد عدد صحيح باشد"},
        {{TrayChoice::Tray97, "", "0", "1"},
         "txtlarge",
         "! تعداد چاهک هاي بزرگ مثبت بايد عدد صحيح باشد"},
        {{TrayChoice::Tray51, "3", "", "0"}, "txtfactor", "! ضريب رقت بايد عددي بيشتر از صفر باشد"},
        {{TrayChoice::Groups, "10:5:0 1:-1:5", "", "1"},
         "txtgroups",
         "! تعداد چاهک هاي مثبت گروه 2 نمي تواند کمتر از صفر باشد"},
        {{TrayChoice::Groups, "10:5", "", "1"},
         "txtgroups",
         "! تعداد چاهک هاي منفي گروه 1 بايد عدد صحيح باشد"},
        {{TrayChoice::Groups, "", "", "1"}, "txtgroups", "! هيچ گروهي از چاهک ها وارد نشده است"},
    };
    frmtray& tray = OpenTray();
    ShowActive(tray);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prompt);
        messages.clear();
        Calculate(tray, c.typed);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(messages[0].parent, &tray);
        EXPECT_EQ(FocusName(), c.focus);
        EXPECT_FALSE(session->isBuilt<frmstats>() && Stats().isVisible());
    }
}

// The report names the design, its counts and the factor instead of the series table, has no
// grid or Thomas section, and is saved as a PDF page with the tray's chart.
TEST_F(TrayWindowTest, TheReportNamesTheDesignAndIsSaved) {
    frmtray& tray = OpenTray();
    Calculate(tray, {TrayChoice::Tray97, "10", "5", "1"});
    const SampleReport report = Stats().Report();
    EXPECT_TRUE(report.seriesRows.empty());
    ASSERT_EQ(report.sections.size(), 2u);
    std::vector<std::string> design;
    for (const ReportLine& line : report.sections[0].lines) design.push_back(line.value);
    EXPECT_EQ(design,
              std::vector<std::string>({"سيني 97 چاهکي",
                                        "چاهک هاي بزرگ مثبت: 10 از 49، چاهک هاي کوچک مثبت: 5 از 48",
                                        "ضريب رقت: 1"}));
    EXPECT_EQ(report.sections[1].lines.front().value, "16.6");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tray"));
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) { return path; };
    QTest::mouseClick(Stats().controls().cmdreport, Qt::LeftButton);
    EXPECT_TRUE(messages.empty());
    QFile saved(path + QStringLiteral(".pdf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(5) == "%PDF-");
}

// Switching the language keeps the counts typed and the figures shown; the figures' words
// follow the language.
TEST_F(TrayWindowTest, SwitchingTheLanguageKeepsTheFigures) {
    frmtray& tray = OpenTray();
    Calculate(tray, {TrayChoice::Tray97, "49", "48", "10"});
    std::vector<QString> persian;
    for (int i = 0; i < 6; ++i) persian.push_back(Figure(i));
    EXPECT_EQ(Figure(4), QString::fromUtf8("نامحدود"));

    UseLanguageNow(Language::English);
    EXPECT_EQ(Figure(0), "> 24196");
    EXPECT_EQ(Figure(4), "Unbounded");
    for (int i : {0, 1, 3, 5}) EXPECT_EQ(Figure(i), persian[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(tray.controls().txtlarge->text(), "49");
    EXPECT_EQ(tray.controls().cbodesign->currentText(), "97-well tray");

    UseLanguageNow(Language::Persian);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Figure(i), persian[static_cast<std::size_t>(i)]) << i;
}

// The design list shows only the chosen design's boxes; the tube series goes on to the
// dilution-count dialog, and the return button back to the welcome window.
TEST_F(TrayWindowTest, TheDesignListLeadsTheWay) {
    frmtray& tray = OpenTray();
    const frmtray::Controls& c = tray.controls();
    const struct {
        TrayChoice choice;
        std::vector<QWidget*> shown;
        std::vector<QWidget*> hidden;
    } designs[] = {
        {TrayChoice::Tray51, {c.txtpos, c.txtfactor}, {c.txtlarge, c.txtsmall, c.txtgroups}},
        {TrayChoice::Tray97, {c.txtlarge, c.txtsmall, c.txtfactor}, {c.txtpos, c.txtgroups}},
        {TrayChoice::Groups, {c.txtgroups, c.txtfactor}, {c.txtpos, c.txtlarge, c.txtsmall}},
        {TrayChoice::Tubes, {c.lbltubes}, {c.txtpos, c.txtlarge, c.txtgroups, c.txtfactor}},
    };
    for (const auto& d : designs) {
        tray.Choose(d.choice);
        for (QWidget* w : d.shown) EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        for (QWidget* w : d.hidden) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
    QTest::mouseClick(c.cmdcalc, Qt::LeftButton);
    EXPECT_TRUE(session->form<frmdel>().isVisible());
    EXPECT_FALSE(tray.isVisible());
    EXPECT_TRUE(messages.empty());

    session->form<frmdel>().hide();
    tray.show();
    QTest::mouseClick(c.cmdreturn, Qt::LeftButton);
    EXPECT_TRUE(session->form<frmabout>().isVisible());
    EXPECT_FALSE(tray.isVisible());
}

// Keyboard only: the tab order walks the list, the 97-well boxes, the factor and the buttons.
TEST_F(TrayWindowTest, WalkedByTheKeyboard) {
    frmtray& tray = OpenTray();
    tray.Choose(TrayChoice::Tray97);
    ShowActive(tray);
    tray.controls().cbodesign->setFocus();
    QStringList walked;
    for (int i = 0; i < 6; ++i) {
        walked << FocusName();
        PressKey(Qt::Key_Tab);
    }
    EXPECT_EQ(walked, QStringList({"cbodesign", "txtlarge", "txtsmall", "txtfactor", "cmdcalc",
                                   "cmdreturn"}));
    for (QWidget* w :
         std::initializer_list<QWidget*>{tray.controls().cbodesign, tray.controls().txtlarge,
                                         tray.controls().txtsmall, tray.controls().txtfactor})
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
}

}  // namespace
}  // namespace tubewise
