// Typed controls: each row of a window's table lands in its own member, control arrays at the
// rows' own indices, and a row bound to a member of another kind is refused when the window is
// built; the statistics lists read and write named choices.
#include <gtest/gtest.h>

#include <QComboBox>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "core/stats/MpnStatistics.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/StatisticsTexts.h"
#include "results/frmresult.h"
#include "results/frmstats.h"
#include "shell/Row.h"
#include "shell/WindowTable.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

class WindowTableTest : public testing::WindowTest {};

// What a bound member must hold: the widget the builder made for the row of that name and
// index.
struct Bound {
    const QWidget* widget;
    std::string name;
    int index;
};

void ExpectBoundToTheirRows(const std::vector<Bound>& bound) {
    for (const Bound& b : bound) {
        SCOPED_TRACE(b.name + "(" + std::to_string(b.index) + ")");
        ASSERT_NE(b.widget, nullptr);
        EXPECT_EQ(b.widget->objectName().toStdString(), b.name);
        EXPECT_EQ(b.widget->property("controlIndex").toInt(), b.index);
    }
}

// Same-kind members (three columns of text boxes, two caption arrays) are where a row bound to
// the wrong member would still compile.
TEST_F(WindowTableTest, GridCellsAreTheirRowsAndColumns) {
    const frmmpn::Controls& c = session->form<frmmpn>().controls();
    std::vector<Bound> bound;
    for (int i = 1; i <= kGridRows; ++i) {
        bound.push_back({c.txtn[i], "txtn", i});
        bound.push_back({c.txtp[i], "txtp", i});
        bound.push_back({c.txtq[i], "txtq", i});
        bound.push_back({c.lbseri[i], "lbseri", i});
    }
    bound.push_back({c.Command1, "Command1", -1});
    bound.push_back({c.cmddilchange, "cmddilchange", -1});
    bound.push_back({c.lblp, "lblp", -1});
    bound.push_back({c.lblq, "lblq", -1});
    bound.push_back({c.lbln[1], "lbln", 1});
    ExpectBoundToTheirRows(bound);
}

TEST_F(WindowTableTest, ResultAndStatisticsControlsAreTheirRows) {
    const frmresult::Controls& r = session->form<frmresult>().controls();
    const frmstats::Controls& s = session->form<frmstats>().controls();
    const frmdel::Controls& d = session->form<frmdel>().controls();
    std::vector<Bound> bound = {
        {r.txtthomas, "txtthomas", -1},   {r.lblprob, "lblprob", -1},
        {r.lblthomas, "lblthomas", -1},   {r.Command1, "Command1", -1},
        {r.cmdstats, "cmdstats", -1},     {r.cmdreturn, "cmdreturn", -1},
        {s.cbomethod, "cbomethod", -1},   {s.cbolevel, "cbolevel", -1},
        {s.txtsample, "txtsample", -1},   {s.txtanalyst, "txtanalyst", -1},
        {s.txtdate, "txtdate", -1},       {s.lblwarn, "lblwarn", -1},
        {s.lblverdict, "lblverdict", -1}, {s.cmdcopy, "cmdcopy", -1},
        {s.cmdreport, "cmdreport", -1},   {d.txtdilnum, "txtdilnum", -1},
        {d.cmdset, "cmdset", -1},         {d.cmdexit, "cmdexit", -1},
        {d.lbldilno, "lbldilno", -1},
    };
    for (int i = 0; i <= 2; ++i) bound.push_back({r.txtresult[i], "txtresult", i});
    for (int i = 0; i <= 1; ++i) {
        bound.push_back({r.lbltozih[i], "lbltozih", i});
        bound.push_back({r.lblbahs[i], "lblbahs", i});
        bound.push_back({r.lbldens[i], "lbldens", i});
    }
    for (int i = 0; i <= 5; ++i) {
        bound.push_back({s.txtstat[i], "txtstat", i});
        bound.push_back({s.lblstat[i], "lblstat", i});
    }
    ExpectBoundToTheirRows(bound);
}

struct Probe {
    TextBox* box = nullptr;
    ControlArray<TextLabel, 1, 3> marks;
};

WindowTable<Probe> ProbeTable() {
    WindowTable<Probe> t(WindowRow("probe", "", 1500, 1500, false));
    t.add(&Probe::box, TextBoxRow("box", 0, 0, 600, 300));
    // Listed out of order, with a row of the array missing.
    t.add(&Probe::marks, LabelRow("mark", "3", 0, 600, 300, 300).at(3));
    t.add(&Probe::marks, LabelRow("mark", "1", 0, 300, 300, 300).at(1));
    return t;
}

TEST_F(WindowTableTest, ArrayElementsLandAtTheirOwnIndex) {
    const WindowTable<Probe> table = ProbeTable();
    Form window(*session, table.spec());
    const Probe probe = table.Bind(window.rowWidgets());
    EXPECT_EQ(probe.marks[1]->text(), "1");
    EXPECT_EQ(probe.marks[3]->text(), "3");
    EXPECT_EQ(probe.box, window.control("box"));
    // An index without a row, or outside the array, is refused rather than handed out null.
    EXPECT_THROW(probe.marks[2], std::out_of_range);
    EXPECT_THROW(probe.marks[0], std::out_of_range);
    EXPECT_THROW(probe.marks[4], std::out_of_range);
}

struct Misbound {
    TextBox* caption = nullptr;
};

TEST_F(WindowTableTest, ARowBoundToAMemberOfAnotherKindIsRefused) {
    WindowTable<Misbound> table(WindowRow("misbound", "", 1500, 1500, false));
    table.add(&Misbound::caption, LabelRow("caption", "x", 0, 0, 600, 300));
    Form window(*session, table.spec());
    EXPECT_THROW((void)table.Bind(window.rowWidgets()), std::logic_error);
    // Nor does a table bind a window built from another table.
    const WindowTable<Probe> probe = ProbeTable();
    EXPECT_THROW((void)probe.Bind(window.rowWidgets()), std::logic_error);
}

TEST_F(WindowTableTest, StatisticsListsReadAndWriteNamedChoices) {
    frmstats& window = session->form<frmstats>();
    EXPECT_EQ(window.chosenMethod(), stats::CiMethod::Jarvis) << "the list's first method";
    EXPECT_EQ(window.chosenLevel(), LevelChoice::NinetyFive);
    EXPECT_DOUBLE_EQ(window.options().level, 0.95);

    const struct {
        stats::CiMethod method;
        LevelChoice level;
        double fraction;
        const char* methodItem;
        const char* levelItem;
    } rows[] = {
        {stats::CiMethod::LikelihoodRatio, LevelChoice::Ninety, 0.90,
         text::kMethodLikelihoodRatio.source, "90"},
        {stats::CiMethod::Jarvis, LevelChoice::NinetyNine, 0.99, text::kMethodJarvis.source, "99"},
        {stats::CiMethod::LikelihoodRatio, LevelChoice::NinetyFive, 0.95,
         text::kMethodLikelihoodRatio.source, "95"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.levelItem);
        window.Choose(r.method, r.level);
        EXPECT_EQ(window.chosenMethod(), r.method);
        EXPECT_EQ(window.chosenLevel(), r.level);
        EXPECT_EQ(window.options().method, r.method);
        EXPECT_DOUBLE_EQ(window.options().level, r.fraction);
        EXPECT_DOUBLE_EQ(LevelOf(r.level), r.fraction);
        // What the analyst sees chosen in the lists.
        EXPECT_EQ(window.controls().cbomethod->currentText(), QString::fromUtf8(r.methodItem));
        EXPECT_TRUE(window.controls().cbolevel->currentText().startsWith(r.levelItem));
    }
}

}  // namespace
}  // namespace tubewise
