// The dilution-count dialog: what the count check accepts and refuses as the analyst types
// or pastes, the confirmation, the exit, and focus following the pointer.
#include <QMouseEvent>

#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "tests/shell/WindowFixture.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

// The rows the grid has open: the count a calculation reads (0 while no grid is built).
int OpenedRows(Session& session) {
    return session.isBuilt<frmmpn>() ? session.form<frmmpn>().openRows() : 0;
}

using testing::WindowTest;

// Prompts and titles as published, blanks included.
const QString kOnlyNumber = QString::fromStdString(expected::kNumbersOnly);
const QString kWholeOneToFive = QString::fromStdString(expected::kWholeOneToFive);
const QString kWrongInput = QString::fromStdString(expected::kWrongInput);
const QString kNoCount = QString::fromStdString(expected::kNoCount);
const QString kNoData = QString::fromStdString(expected::kNoData);

// One thing the analyst does to the count box.
struct Edit {
    enum Kind { Type, Paste, Backspace, Home } kind;
    const char* text = "";
};
Edit Type(const char* t) {
    return {Edit::Type, t};
}
Edit Paste(const char* t) {
    return {Edit::Paste, t};
}
const Edit kBackspace{Edit::Backspace};
const Edit kHome{Edit::Home};

enum Said { OnlyNumber, WholeOneToFive };

struct CheckRow {
    const char* name;
    std::vector<Edit> edits;
    std::vector<Said> said;  // messages, in order
    const char* finalText;
    bool confirmEnabled;
};

class CountCheckTest : public WindowTest, public ::testing::WithParamInterface<CheckRow> {};

TEST_P(CountCheckTest, AcceptsOrRefuses) {
    const CheckRow& row = GetParam();
    frmdel& dialog = session->form<frmdel>();
    dialog.show();
    TextBox* box = dialog.controls().txtdilnum;
    for (const Edit& e : row.edits) {
        switch (e.kind) {
            case Edit::Type:
                QTest::keyClicks(box, QString::fromUtf8(e.text));
                break;
            case Edit::Paste:
                box->setText(QString::fromUtf8(e.text));
                break;
            case Edit::Backspace:
                QTest::keyClick(box, Qt::Key_Backspace);
                break;
            case Edit::Home:
                QTest::keyClick(box, Qt::Key_Home);
                break;
        }
    }
    ASSERT_EQ(messages.size(), row.said.size());
    for (std::size_t i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(messages[i].prompt, row.said[i] == OnlyNumber ? kOnlyNumber : kWholeOneToFive);
        EXPECT_EQ(messages[i].title, kWrongInput);
        EXPECT_EQ(messages[i].parent, &dialog);
    }
    EXPECT_EQ(box->text(), QString::fromUtf8(row.finalText));
    EXPECT_EQ(dialog.controls().cmdset->isEnabled(), row.confirmEnabled);
    EXPECT_EQ(OpenedRows(*session), 0) << "checking stores nothing";
    EXPECT_FALSE(session->isBuilt<frmmpn>());
}

INSTANTIATE_TEST_SUITE_P(
    Typing, CountCheckTest,
    ::testing::Values(CheckRow{"Three", {Type("3")}, {}, "3", true},
                      CheckRow{"Zero", {Type("0")}, {WholeOneToFive}, "", false},
                      CheckRow{"Six", {Type("6")}, {WholeOneToFive}, "", false},
                      CheckRow{"Nine", {Type("9")}, {WholeOneToFive}, "", false},
                      CheckRow{"Letter", {Type("a")}, {OnlyNumber}, "", false},
                      CheckRow{"PastedPersianLetter", {Paste("\u0633")}, {OnlyNumber}, "", false},
                      CheckRow{"LoneMinus", {Type("-")}, {OnlyNumber}, "", false},
                      CheckRow{"TwoThenSeparator", {Type("2.")}, {}, "2.", true},
                      CheckRow{"TwoSeparatorFive", {Type("2.5")}, {WholeOneToFive}, "", true},
                      CheckRow{"OneThenTwo", {Type("12")}, {WholeOneToFive}, "", true},
                      CheckRow{"DeletingTheDigit", {Type("4"), kBackspace}, {}, "", true},
                      CheckRow{"MinusInFrontOfAcceptedDigit",
                               {Type("3"), kHome, Type("-")},
                               {WholeOneToFive},
                               "",
                               true},
                      CheckRow{"RefusedAfterAcceptedKeepsButton",
                               {Type("5"), kBackspace, Type("x")},
                               {OnlyNumber},
                               "",
                               true},
                      CheckRow{"PastedPersianDigit", {Paste("\u06F3")}, {}, "\u06F3", true},
                      CheckRow{"PastedLeadingZero", {Paste("05")}, {}, "05", true},
                      CheckRow{"PastedNegative", {Paste("-2")}, {WholeOneToFive}, "", false},
                      CheckRow{"PastedWithBlanks", {Paste(" 4 ")}, {}, " 4 ", true},
                      CheckRow{"PastedBlanksOnly", {Paste("  ")}, {OnlyNumber}, "", false},
                      CheckRow{"PastedExponent", {Paste("5e0")}, {}, "5e0", true},
                      CheckRow{"PastedHuge", {Paste("1e400")}, {OnlyNumber}, "", false},
                      CheckRow{
                          "PastedFiveAndAHair", {Paste("5.000001")}, {WholeOneToFive}, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, ConfirmingThreeOpensThreeEmptyRowsAndShowsTheGrid) {
    frmdel& dialog = session->form<frmdel>();
    dialog.show();
    QTest::keyClicks(dialog.controls().txtdilnum, "3");
    dialog.controls().cmdset->click();

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(OpenedRows(*session), 3);
    EXPECT_FALSE(dialog.isVisible());
    frmmpn& grid = session->form<frmmpn>();
    EXPECT_TRUE(grid.isVisible());
    EXPECT_EQ(dialog.controls().txtdilnum->text(), "3") << "the box keeps its text";

    struct Cell {
        const char* name;
        frmmpn::Column column;
        QColor open;
    } cells[] = {{"txtn", &frmmpn::Controls::txtn, QColor(255, 255, 255)},
                 {"txtp", &frmmpn::Controls::txtp, QColor(255, 192, 192)},
                 {"txtq", &frmmpn::Controls::txtq, QColor(128, 255, 128)}};
    for (int i = 1; i <= 5; ++i) {
        for (const Cell& c : cells) {
            SCOPED_TRACE(std::string(c.name) + "(" + std::to_string(i) + ")");
            TextBox* box = (grid.controls().*c.column)[i];
            EXPECT_TRUE(box->text().isEmpty());
            EXPECT_EQ(box->isEnabled(), i <= 3);
            EXPECT_EQ(Form::BackColour(box), i <= 3 ? c.open : QColor(128, 255, 255));
        }
        EXPECT_EQ(grid.controls().lbseri[i]->text(), QString::number(i));
        EXPECT_TRUE(grid.controls().lbseri[i]->isEnabled());
    }
}

TEST_F(WindowTest, ConfirmingAnEmptyBoxTellsTheAnalystAndChangesNothing) {
    frmdel& dialog = session->form<frmdel>();
    dialog.show();
    QTest::keyClicks(dialog.controls().txtdilnum, "2.5");  // enables, then empties
    ASSERT_EQ(messages.size(), 1u);
    ASSERT_TRUE(dialog.controls().cmdset->isEnabled());
    dialog.controls().cmdset->click();

    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].prompt, kNoCount);
    EXPECT_EQ(messages[1].title, kNoData);
    EXPECT_EQ(OpenedRows(*session), 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.controls().cmdset->isEnabled());
    EXPECT_FALSE(session->isBuilt<frmmpn>()) << "the grid is not touched";
}

TEST_F(WindowTest, EmptyCountAfterAnEarlierConfirmationKeepsTheGridAndCount) {
    frmdel& dialog = session->form<frmdel>();
    dialog.show();
    QTest::keyClicks(dialog.controls().txtdilnum, "4");
    dialog.controls().cmdset->click();
    frmmpn& grid = session->form<frmmpn>();
    grid.controls().txtp[4]->setText("2");

    // Back in the dialog, the box emptied without the grid's button (a deleted digit).
    dialog.show();
    QTest::keyClick(dialog.controls().txtdilnum, Qt::Key_End);
    QTest::keyClick(dialog.controls().txtdilnum, Qt::Key_Backspace);
    dialog.controls().cmdset->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, kNoCount);
    EXPECT_EQ(OpenedRows(*session), 4);
    EXPECT_EQ(grid.controls().txtp[4]->text(), "2");
    EXPECT_TRUE(grid.controls().txtq[4]->isEnabled());
}

TEST_F(WindowTest, FirstFocusIsTheCountBoxBecauseTheConfirmButtonIsDisabled) {
    frmdel& dialog = session->form<frmdel>();
    ShowActive(dialog);
    EXPECT_EQ(FocusName(), "txtdilnum");
}

TEST_F(WindowTest, PointerOverTheButtonsTakesTheFocus) {
    frmdel& dialog = session->form<frmdel>();
    ShowActive(dialog);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(dialog.controls().cmdset, &enter);
    EXPECT_EQ(FocusName(), "txtdilnum") << "a disabled button takes no focus";

    QTest::keyClicks(dialog.controls().txtdilnum, "2");
    QCoreApplication::sendEvent(dialog.controls().cmdexit, &enter);
    EXPECT_EQ(FocusName(), "cmdexit");
    // Tabbing away while the pointer rests there: its next movement takes the focus back.
    QTest::keyClick(dialog.controls().cmdexit, Qt::Key_Tab);
    ASSERT_NE(FocusName(), "cmdexit");
    const QPointF inside(5, 5);
    QMouseEvent move(QEvent::MouseMove, inside, dialog.controls().cmdexit->mapToGlobal(inside),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.controls().cmdexit, &move);
    EXPECT_EQ(FocusName(), "cmdexit");
    QCoreApplication::sendEvent(dialog.controls().cmdset, &enter);
    EXPECT_EQ(FocusName(), "cmdset");
    // Enter presses the button under the pointer.
    QTest::keyClick(dialog.controls().cmdset, Qt::Key_Return);
    EXPECT_TRUE(session->form<frmmpn>().isVisible());
    EXPECT_EQ(OpenedRows(*session), 2);
}

TEST_F(WindowTest, ExitButtonEndsTheProgram) {
    frmdel& dialog = session->form<frmdel>();
    ShowActive(dialog);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(dialog.controls().cmdexit, &enter);
    QTest::keyClick(dialog.controls().cmdexit, Qt::Key_Space);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tubewise
