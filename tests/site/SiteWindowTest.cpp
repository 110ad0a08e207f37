// The site window offscreen, on a register of hand-computed samples: reached from the register
// window with the chosen record's site, the period and the limit changing the figures shown,
// refusals that name the box to mend, limit profiles kept in the settings and brought back,
// the report and the CSV written whole (or the reason told), and both languages.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include "core/Texts.h"
#include "register/RecordCompute.h"
#include "register/RegisterEntry.h"
#include "register/RegisterStore.h"
#include "register/frmregister.h"
#include "site/frmsite.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

// One dilution of n tubes of v mL with q negative: MLE = -ln(q / n) / v per mL. Per 100 mL:
// 10 tubes of 10 mL, 5 or 9 positive: 6.931 and 23.03; of 1 mL: 69.31 and 230.3. Ten of 10 mL
// negative: a non-detect with a detection limit of -10 ln 0.9 = 1.054.
struct Sample {
    const char* id;
    const char* site;
    const char* sampled;
    GridRowTexts row;
};
const Sample kRegister[] = {
    {"A", "River A", "2026-03-01 08:00", {"10", "5", "5"}},
    {"B", "River A", "2026-03-10 08:00", {"10", "9", "1"}},
    {"N", "Well B", "2026-03-12 08:00", {"10", "0", "10"}},
    {"C", "River A", "2026-03-20 08:00", {"1", "5", "5"}},
    {"D", "River A", "2026-03-31 23:59", {"1", "9", "1"}},
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
QString Said(text::Text t, const std::string& argument) {
    return Q(text::Tr(t, argument));
}

class SiteWindowTest : public WindowTest {
  protected:
    SiteWindowTest() {
        location = dir.filePath(QStringLiteral("register.sqlite"));
        qputenv("TUBEWISE_REGISTER", location.toUtf8());
        QString why;
        auto store = reg::RegisterStore::Open(location, &why);
        EXPECT_TRUE(store) << why.toStdString();
        for (const Sample& s : kRegister) {
            GridTexts grid{};
            grid[0] = s.row;
            reg::RecordVersion draft =
                reg::DraftOfGrid({s.id, s.site, s.sampled, "", "analyst"}, grid, 1, ".",
                                 stats::CiMethod::Jarvis, 0.95);
            draft.results = std::get<reg::RecordResults>(reg::ComputeResults(draft.inputs));
            draft.savedAt = "2026-04-01T00:00:00.000Z";
            draft.savedBy = "test";
            EXPECT_TRUE(store->Add(draft, &why)) << why.toStdString();
        }
    }
    ~SiteWindowTest() override { qunsetenv("TUBEWISE_REGISTER"); }

    // The register window, its newest record chosen, and its site button.
    frmsite& FromRegister() {
        ShowRegisterWindow(*session);
        session->form<frmregister>().controls().cmdsite->click();
        frmsite& window = session->form<frmsite>();
        EXPECT_TRUE(window.isVisible());
        return window;
    }
    static QString Statistics(const frmsite& window) { return window.statistics()->toPlainText(); }
    static void Type(QWidget* box, const QString& text) { Form::SetText(box, text); }

    QTemporaryDir dir;
    QString location;
};

TEST_F(SiteWindowTest, TheChosenRecordsSiteWithItsFiguresAndChart) {
    frmsite& window = FromRegister();
    const frmsite::Controls& c = window.controls();
    ASSERT_EQ(c.cbosite->count(), 2);
    EXPECT_EQ(c.cbosite->currentText(), QStringLiteral("River A"));  // D, the newest record
    const QString shown = Statistics(window);
    EXPECT_TRUE(shown.contains(Said(text::kSiteCount, "4"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(Said(text::kSiteGeometricMean, "39.95"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(Said(text::kSiteMedian, "46.17")));
    EXPECT_TRUE(c.cmdreport->isEnabled());
    // The four samples as markers and the rolling geometric mean as a line; no limit yet.
    QChart* chart = window.chartView()->chart();
    ASSERT_NE(chart, nullptr);
    QStringList names;
    for (QAbstractSeries* s : chart->series()) names << s->name();
    EXPECT_TRUE(names.contains(Q(text::Tr(text::kSiteChartMeasured))));
    EXPECT_FALSE(names.contains(Q(text::Tr(text::kSiteChartLimit))));
    EXPECT_TRUE(messages.empty());
}

struct PeriodCase {
    const char* name;
    int period;  // index in kPeriodChoices
    const char* from;
    const char* to;
    const char* count;
    const char* limit;
    int statistic;  // index in kStatisticChoices
    const char* expectCount;
    const char* expectMean;
    const char* expectAbove;  // "" without a limit
    text::Text verdict;
};

TEST_F(SiteWindowTest, PeriodAndLimitChangeWhatIsCounted) {
    frmsite& window = FromRegister();
    const frmsite::Controls& c = window.controls();
    const PeriodCase cases[] = {
        // Whole days, both ends included: the sample at 23:59 of the 31st is in.
        {"date range", 0, "2026-03-10", "2026-03-31", "", "", 0, "3", "71.63", "",
         text::kVerdictInconclusive},
        {"last two samples", 1, "", "", "2", "", 0, "2", "126.3", "", text::kVerdictInconclusive},
        // Ten days ending with the latest sample's day: the 22nd to the 31st.
        {"rolling ten days", 2, "", "", "10", "", 0, "1", "230.3", "", text::kVerdictInconclusive},
        // One of four above 100: a single-sample limit is not met.
        {"single-sample limit", 0, "", "", "", "100", 0, "4", "39.95", "1",
         text::kVerdictDoesNotComply},
        {"geometric mean limit", 0, "", "", "", "40", 1, "4", "39.95", "2", text::kVerdictComplies},
    };
    for (const PeriodCase& p : cases) {
        SCOPED_TRACE(p.name);
        c.cboperiod->setCurrentIndex(p.period);
        Type(c.txtfrom, QString::fromUtf8(p.from));
        Type(c.txtto, QString::fromUtf8(p.to));
        Type(c.txtcount, QString::fromUtf8(p.count));
        Type(c.txtlimit, QString::fromUtf8(p.limit));
        c.cbostatistic->setCurrentIndex(p.statistic);
        c.cmdshow->click();
        const QString shown = Statistics(window);
        EXPECT_TRUE(shown.contains(Said(text::kSiteCount, p.expectCount))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(Said(text::kSiteGeometricMean, p.expectMean)))
            << shown.toStdString();
        if (*p.expectAbove) {
            EXPECT_TRUE(shown.contains(Said(text::kSiteAboveLimit, p.expectAbove)));
            EXPECT_TRUE(shown.contains(Q(text::Tr(p.verdict)))) << shown.toStdString();
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(SiteWindowTest, NonDetectsCountAtTheDetectionLimitOrHalfOfIt) {
    frmsite& window = FromRegister();
    const frmsite::Controls& c = window.controls();
    c.cbosite->setCurrentIndex(c.cbosite->findText(QStringLiteral("Well B")));
    c.cmdshow->click();
    EXPECT_TRUE(Statistics(window).contains(Said(text::kSiteGeometricMean, "1.054")));
    c.cbonondetect->setCurrentIndex(1);
    c.cmdshow->click();
    EXPECT_TRUE(Statistics(window).contains(Said(text::kSiteGeometricMean, "0.5268")));
    EXPECT_TRUE(Statistics(window).contains(Said(text::kNoteNonDetectsAtHalfLimit, "1")));
    // The chart marks it apart from the measured samples.
    QStringList names;
    for (QAbstractSeries* s : window.chartView()->chart()->series()) names << s->name();
    EXPECT_TRUE(names.contains(Q(text::Tr(text::kSiteChartNonDetect))));
}

TEST_F(SiteWindowTest, ARefusalNamesTheBoxAndKeepsWhatIsShown) {
    frmsite& window = FromRegister();
    ShowActive(window);
    const frmsite::Controls& c = window.controls();
    const QString before = Statistics(window);
    const struct {
        QWidget* box;
        const char* typed;
        text::Text prompt;
        const char* focus;
    } cases[] = {
        {c.txtfrom, "2026-02-30", text::kSiteDayPrompt, "txtfrom"},
        {c.txtlimit, "-5", text::kSiteLimitPrompt, "txtlimit"},
        {c.txtrolling, "0", text::kSiteRollingPrompt, "txtrolling"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.focus);
        const QString kept = Form::Text(k.box);
        Type(k.box, QString::fromUtf8(k.typed));
        messages.clear();
        c.cmdshow->click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, Q(text::Tr(k.prompt)));
        EXPECT_EQ(FocusName(), QString::fromUtf8(k.focus));
        EXPECT_EQ(Statistics(window), before);
        Type(k.box, kept);
    }
}

TEST_F(SiteWindowTest, ProfilesAreKeptChosenAndDeleted) {
    frmsite& window = FromRegister();
    const frmsite::Controls& c = window.controls();
    // Last three samples' geometric mean held to 30: (23.03 x 69.31 x 230.3)^(1/3) = 71.63.
    c.cboperiod->setCurrentIndex(1);
    Type(c.txtcount, QStringLiteral("3"));
    c.cbostatistic->setCurrentIndex(1);
    Type(c.txtlimit, QStringLiteral("30"));
    Type(c.txtprofilename, QStringLiteral("Reuse, class B"));
    c.cmdsaveprofile->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(keptProfiles.find("Reuse, class B\tgeomean\t30\tlast:3") != std::string::npos, true)
        << keptProfiles;
    EXPECT_EQ(c.cboprofile->currentText(), QStringLiteral("Reuse, class B"));

    // A new window offers it from the settings; choosing it fills the boxes and judges.
    window.close();
    frmsite& again = FromRegister();
    const frmsite::Controls& a = again.controls();
    ASSERT_EQ(a.cboprofile->count(), 2);
    a.cboprofile->setCurrentIndex(1);
    emit a.cboprofile->activated(1);
    EXPECT_EQ(Form::Text(a.txtlimit), QStringLiteral("30"));
    EXPECT_EQ(a.cboperiod->currentIndex(), 1);
    const QString shown = Statistics(again);
    EXPECT_TRUE(shown.contains(Said(text::kSiteGeometricMean, "71.63"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(Q(text::Tr(text::kVerdictDoesNotComply))));

    // Settings that cannot be written are told; the list keeps the change for the session.
    profilesWritable = false;
    a.cmddeleteprofile->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, Q(text::Tr(text::kSiteProfilesNotKeptPrompt)));
    EXPECT_EQ(a.cboprofile->count(), 1);
    profilesWritable = true;
    Type(a.txtprofilename, QString());
    messages.clear();
    a.cmdsaveprofile->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, Q(text::Tr(text::kSiteProfileNamePrompt)));
}

TEST_F(SiteWindowTest, ReportAndCsvAreWrittenWholeOrTheReasonTold) {
    frmsite& window = FromRegister();
    const frmsite::Controls& c = window.controls();
    QString answer = dir.filePath(QStringLiteral("river"));
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) {
        return answer;
    };
    c.cmdreport->click();
    c.cmdcsv->click();
    QFile pdf(answer + QStringLiteral(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    QFile csv(answer + QStringLiteral(".csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readLine().startsWith("record,sample_id,sampled_at,kind,mle_per_100ml"));
    EXPECT_EQ(csv.readAll().count('\n'), 4);  // the four samples of River A
    EXPECT_TRUE(messages.empty());

    // A folder where the file should be: nothing written, the reason told.
    answer = dir.filePath(QStringLiteral("folder.pdf"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.pdf")));
    c.cmdreport->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.startsWith(Q(text::Tr(text::kReportNotSavedPrompt))));
    // Cancelled: nothing asked of the disk, nothing told.
    answer.clear();
    messages.clear();
    c.cmdcsv->click();
    EXPECT_TRUE(messages.empty());
}

TEST_F(SiteWindowTest, BothLanguagesAndAScreenReadersNames) {
    frmsite& window = FromRegister();
    const frmsite::Controls& c = window.controls();
    for (QWidget* w : std::initializer_list<QWidget*>{
             c.cbosite, c.cboperiod, c.txtfrom, c.txtto, c.txtcount, c.cboprofile, c.cbostatistic,
             c.txtlimit, c.cborule, c.cbonondetect, c.txtprofilename, c.txtrolling, c.chtsite,
             window.statistics()})
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    UseLanguageNow(Language::English);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Sampling site statistics"));
    EXPECT_EQ(c.lblcount->text(), QStringLiteral("Days"));
    EXPECT_EQ(c.cborule->itemText(1), QStringLiteral("Guarded acceptance"));
    EXPECT_EQ(c.txtlimit->accessibleName(), QStringLiteral("Limit per 100 mL"));
    // The figures shown are told again in English, the site's name as typed.
    EXPECT_TRUE(Statistics(window).contains(Said(text::kSiteCount, "4")));
    EXPECT_TRUE(Statistics(window).startsWith(QStringLiteral("Sampling site: River A")))
        << Statistics(window).toStdString();
}

// The keyboard walks the site and period, the limit and its rules, the profile, the rolling
// days, the chart and the statistics, then the saving buttons; a box the period's kind does not
// read is passed over.
TEST_F(SiteWindowTest, TheKeyboardWalksTheWindowInReadingOrder) {
    frmsite& window = FromRegister();
    ShowActive(window);
    window.controls().cbosite->setFocus();
    QStringList order{FocusName()};
    for (int i = 0; i < 30; ++i) {
        PressKey(Qt::Key_Tab);
        if (FocusName() == order.front()) break;
        order << FocusName();
    }
    EXPECT_EQ(order.join(' '),
              "cbosite cboperiod txtfrom txtto cmdshow cboprofile cbostatistic txtlimit cborule "
              "cbonondetect txtprofilename cmdsaveprofile cmddeleteprofile txtrolling chtsite "
              "txtsitestatistics cmdreport cmdcsv");
    // The last samples: the count is read, the days are not.
    window.controls().cboperiod->setCurrentIndex(1);
    EXPECT_TRUE(window.controls().txtcount->isEnabled());
    EXPECT_FALSE(window.controls().txtfrom->isEnabled());
    EXPECT_FALSE(window.controls().txtto->isEnabled());
    EXPECT_EQ(window.controls().lblcount->text(), Q(text::Tr(text::kSiteCountSamples)));
}

TEST_F(SiteWindowTest, WithoutARegisterTheWindowSaysSo) {
    // A folder where the register's file should be.
    qputenv("TUBEWISE_REGISTER", dir.path().toUtf8());
    ShowSiteWindow(*session, QStringLiteral("River A"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.startsWith(Q(text::Tr(text::kRegisterNotOpenedPrompt))));
    frmsite& window = session->form<frmsite>();
    EXPECT_EQ(window.controls().cbosite->count(), 0);
    messages.clear();
    window.controls().cmdshow->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, Q(text::Tr(text::kSiteNoSitePrompt)));
    EXPECT_FALSE(window.controls().cmdreport->isEnabled());
}

}  // namespace
}  // namespace tubewise
