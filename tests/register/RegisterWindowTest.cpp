// The register in the windows, offscreen: a calculation saved from the statistics window shows
// newest first in the register window, its correction with a reason becomes a second version,
// a save that fails keeps the result on screen and says why, and the table reads a large
// register a page at a time with the search asked of it.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>

#include "core/Texts.h"
#include "entry/frmmpn.h"
#include "register/RecordCompute.h"
#include "register/RegisterStore.h"
#include "register/RegisterTableModel.h"
#include "register/frmregister.h"
#include "register/frmregsave.h"
#include "results/frmstats.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

GridTexts Grid(std::initializer_list<GridRowTexts> rows) {
    GridTexts grid{};
    std::size_t i = 0;
    for (const GridRowTexts& row : rows) grid[i++] = row;
    return grid;
}

const GridTexts kFive = Grid({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}});
const GridTexts kFour = Grid({{"10", "4", "1"}, {"1", "1", "4"}, {"0.1", "0", "5"}});

class RegisterWindowTest : public WindowTest {
  protected:
    RegisterWindowTest() {
        location = dir.filePath(QStringLiteral("register.sqlite"));
        qputenv("TUBEWISE_REGISTER", location.toUtf8());
    }
    ~RegisterWindowTest() override { qunsetenv("TUBEWISE_REGISTER"); }

    // The grid typed and calculated, and the statistics window showing the result.
    void Calculate(const GridTexts& grid, int rows = 3) {
        session->form<frmmpn>().FillRows(grid, rows);
        RunCalculation(*session);
        ShowStatistics(*session);
    }
    // The statistics window's register button, then the dialog filled in and saved.
    frmregsave& Ask() {
        session->form<frmstats>().controls().cmdregister->click();
        frmregsave& dialog = session->form<frmregsave>();
        EXPECT_TRUE(dialog.isVisible());
        return dialog;
    }
    static void Fill(frmregsave& dialog, const reg::SampleFields& f, const QString& reason = {}) {
        const frmregsave::Controls& c = dialog.controls();
        c.txtsampleid->setText(QString::fromStdString(f.sampleId));
        c.txtsite->setText(QString::fromStdString(f.site));
        c.txtsampled->setText(QString::fromStdString(f.sampledAt));
        c.txtreceived->setText(QString::fromStdString(f.receivedAt));
        c.txtreganalyst->setText(QString::fromStdString(f.analyst));
        c.txtreason->setText(reason);
    }
    std::vector<reg::RecordVersion> Latest() {
        QString why;
        auto store = reg::RegisterStore::Open(location, &why);
        if (!store) return {};
        return store->Latest(&why).value_or(std::vector<reg::RecordVersion>{});
    }
    QString Said(text::Text prompt) const { return QString::fromStdString(text::Tr(prompt)); }

    QTemporaryDir dir;
    QString location;
};

TEST_F(RegisterWindowTest, SavedNewestFirstThenCorrectedWithItsReason) {
    Calculate(kFive);
    frmregsave& dialog = Ask();
    Fill(dialog, {"W-1", "Well 7", "2026-12-01 08:00", "2026-12-01 12:00", "Sara"});
    EXPECT_FALSE(dialog.holdingShown());
    dialog.controls().cmdsave->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.back().prompt,
              QString::fromStdString(text::Tr(text::kRegisterSavedPrompt, "1")));
    EXPECT_FALSE(dialog.isVisible());

    // A second sample, kept 40 hours: flagged before it is saved and in the register.
    Calculate(kFour);
    Ask();
    EXPECT_EQ(dialog.controls().txtsampleid->text(), QStringLiteral("W-1"));  // remembered
    Fill(dialog, {"W-2", "Well 9", "2026-12-02 08:00", "2026-12-04 00:00", "Reza"});
    EXPECT_TRUE(dialog.holdingShown());
    dialog.controls().cmdsave->click();
    ASSERT_EQ(messages.size(), 2u);

    ShowRegisterWindow(*session);
    frmregister& window = session->form<frmregister>();
    const RegisterTableModel& model = window.model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.version(0).sampleId, "W-2");
    EXPECT_EQ(model.version(1).sampleId, "W-1");
    EXPECT_EQ(model.index(0, RegisterTableModel::Holding).data().toString(),
              Said(text::kHoldingFlag));
    EXPECT_TRUE(model.index(1, RegisterTableModel::Holding).data().toString().isEmpty());
    // Inputs as typed, results as the register computes them from those inputs.
    const reg::RecordVersion& first = model.version(1);
    ASSERT_EQ(first.inputs.rows.size(), 3u);
    EXPECT_EQ(first.inputs.rows[2].volume, "0.1");
    const auto recomputed = reg::ComputeResults(first.inputs);
    ASSERT_TRUE(std::holds_alternative<reg::RecordResults>(recomputed));
    EXPECT_EQ(std::get<reg::RecordResults>(recomputed), first.results);
    EXPECT_DOUBLE_EQ(first.results.gridMpnPer100Ml, 79.2);

    // Correct record 1: its rows come back into the grid, one count is mended.
    window.table()->setCurrentIndex(model.index(1, 0));
    window.controls().cmdcorrect->click();
    frmmpn& grid = session->form<frmmpn>();
    EXPECT_TRUE(grid.isVisible());
    EXPECT_EQ(grid.openRows(), 3);
    EXPECT_EQ(grid.ReadGrid()[1].positive, "3");
    grid.controls().txtp[2]->setText(QStringLiteral("2"));
    grid.controls().txtq[2]->setText(QStringLiteral("3"));
    RunCalculation(*session);
    ShowStatistics(*session);
    Ask();
    EXPECT_EQ(dialog.correcting(), std::optional<std::int64_t>(1));
    EXPECT_EQ(dialog.controls().txtsampleid->text(), QStringLiteral("W-1"));  // the record's own
    // No reason, no correction.
    dialog.controls().cmdsave->click();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(messages.back().prompt.startsWith(Said(text::kNoReasonPrompt)));
    dialog.controls().txtreason->setText(QStringLiteral("tube 2 re-read"));
    dialog.controls().cmdsave->click();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages.back().prompt,
              QString::fromStdString(text::Tr(text::kRegisterCorrectedPrompt, "1")));

    QString why;
    auto store = reg::RegisterStore::Open(location, &why);
    ASSERT_TRUE(store) << why.toStdString();
    const auto history = store->History(1, &why);
    ASSERT_TRUE(history);
    ASSERT_EQ(history->size(), 2u);
    EXPECT_EQ(history->at(1).reason, "tube 2 re-read");
    EXPECT_EQ(history->at(1).inputs.rows[1].positive, "2");
    EXPECT_LT(history->at(1).results.gridMpnPer100Ml, history->at(0).results.gridMpnPer100Ml);
    EXPECT_EQ(Latest().size(), 2u);  // a version, not a new record
    // The open register window shows the new version, and its details both versions.
    ASSERT_EQ(model.rowCount(), 2);
    window.table()->setCurrentIndex(model.index(1, 0));
    EXPECT_EQ(model.version(1).version, 2);
    EXPECT_TRUE(window.details()->toPlainText().contains(QStringLiteral("tube 2 re-read")));
    // A later save is a new record again.
    EXPECT_FALSE(session->form<frmstats>().correction());
}

TEST_F(RegisterWindowTest, AFailedSaveKeepsTheResultAndSaysWhy) {
    // A file where the register's folder should be: the register cannot be created.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unopenable = blocker.fileName() + QStringLiteral("/register.sqlite");
    const reg::SampleFields good{"W-1", "Well 7", "2026-12-01 08:00", "2026-12-01 12:00", "Sara"};
    struct Case {
        const char* what;
        reg::SampleFields fields;
        bool retype;  // the grid typed over after the calculation
        bool unopenable;
        text::Text prompt;
    } cases[] = {
        {"no sample id", {" ", "", "", "", ""}, false, false, text::kNoSampleIdPrompt},
        {"not a date-time",
         {"W-1", "", "1/12/2026", "", ""},
         false,
         false,
         text::kNotDateTimePrompt},
        {"received first",
         {"W-1", "", "2026-12-02 08:00", "2026-12-01 08:00", ""},
         false,
         false,
         text::kReceivedBeforeSampledPrompt},
        {"grid retyped", good, true, false, text::kGridRetypedPrompt},
        {"register unopenable", good, false, true, text::kRegisterNotSavedPrompt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        qputenv("TUBEWISE_REGISTER", (c.unopenable ? unopenable : location).toUtf8());
        messages.clear();
        Calculate(kFive);
        frmstats& statistics = session->form<frmstats>();
        const auto shown = statistics.sample();
        if (c.retype) session->form<frmmpn>().controls().txtp[1]->setText(QStringLiteral("4"));
        frmregsave& dialog = Ask();
        Fill(dialog, c.fields);
        EXPECT_FALSE(SaveToRegister(*session));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages.back().prompt.startsWith(Said(c.prompt)))
            << messages.back().prompt.toStdString();
        // Nothing stored; the result and the typed fields stay on screen.
        EXPECT_TRUE(Latest().empty());
        EXPECT_TRUE(statistics.isVisible());
        EXPECT_EQ(statistics.sample(), shown);
        EXPECT_FALSE(statistics.texts().refusal);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.fields().sampleId, c.fields.sampleId == " " ? "" : c.fields.sampleId);
        if (c.unopenable) {
            EXPECT_TRUE(messages.back().prompt.contains(unopenable));
        }
    }
}

TEST_F(RegisterWindowTest, TheTableReadsPagesAndTheSearchAsksTheRegister) {
    constexpr int kRecords = 700;
    QString why;
    {
        auto store = reg::RegisterStore::Open(location, &why);
        ASSERT_TRUE(store) << why.toStdString();
        std::vector<reg::RecordVersion> drafts;
        for (int i = 1; i <= kRecords; ++i) {
            reg::RecordVersion v;
            v.sampleId = "S" + std::to_string(i);
            v.site = i % 2 ? "Odd" : "Even";
            v.analyst = i % 7 == 0 ? "Mina" : "Ali";
            v.sampledAt = i <= 350 ? "2026-11-01 09:00" : "2026-12-01 09:00";
            v.savedAt = "2026-12-05T10:00:00.000Z";
            v.inputs.rows = {{"10", "5", "0"},
                             {"1", std::to_string(i % 6), std::to_string(5 - i % 6)}};
            v.results = std::get<reg::RecordResults>(reg::ComputeResults(v.inputs));
            drafts.push_back(std::move(v));
        }
        ASSERT_TRUE(store->AddAll(std::move(drafts), &why)) << why.toStdString();
    }
    ShowRegisterWindow(*session);
    frmregister& window = session->form<frmregister>();
    RegisterTableModel& model = const_cast<RegisterTableModel&>(window.model());
    EXPECT_EQ(model.rowCount(), RegisterTableModel::kPage);  // one page, not the register
    EXPECT_EQ(model.version(0).record, kRecords);
    while (model.canFetchMore({})) model.fetchMore({});
    ASSERT_EQ(model.rowCount(), kRecords);
    for (int row = 1; row < kRecords; ++row)
        ASSERT_LT(model.version(row).record, model.version(row - 1).record);

    struct Search {
        const char* what;
        QString sample, site, from, to, analyst;
        int expected;
    } searches[] = {
        {"sample id", "S12", "", "", "", "", 1},
        {"site", "", "Even", "", "", "", kRecords / 2},
        {"analyst", "", "", "", "", "Mina", kRecords / 7},
        {"from a day", "", "", "2026-11-15", "", "", kRecords - 350},
        {"up to a day", "", "", "", "2026-11-01", "", 350},
        {"site and dates", "", "Odd", "2026-12-01", "2026-12-01", "", 175},
        {"nothing", "", "", "2027-01-01", "", "", 0},
    };
    for (const Search& s : searches) {
        SCOPED_TRACE(s.what);
        const frmregister::Controls& c = window.controls();
        c.txtfindsample->setText(s.sample);
        c.txtfindsite->setText(s.site);
        c.txtfrom->setText(s.from);
        c.txtto->setText(s.to);
        c.txtfindanalyst->setText(s.analyst);
        c.cmdfind->click();
        while (model.canFetchMore({})) model.fetchMore({});
        EXPECT_EQ(model.rowCount(), s.expected);
        const auto found = window.Found(&why);
        ASSERT_TRUE(found);
        EXPECT_EQ(static_cast<int>(found->size()), s.expected);
        for (int row = 0; row < model.rowCount(); ++row)
            ASSERT_TRUE(window.filter().Matches(model.version(row)));
    }

    // The export writes the rows found: the header and one line each.
    window.controls().txtfindsite->setText(QString());
    window.controls().txtfrom->setText(QString());
    window.controls().txtto->setText(QString());
    window.controls().txtfindanalyst->setText(QStringLiteral("Mina"));
    window.controls().cmdfind->click();
    const QString csv = dir.filePath(QStringLiteral("found"));
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString&) { return csv; };
    window.controls().cmdexport->click();
    QFile written(csv + QStringLiteral(".csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count("\r\n"), kRecords / 7 + 1);
}

}  // namespace
}  // namespace tubewise
