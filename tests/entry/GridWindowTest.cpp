// The tube-data grid: the rows it opens and closes, the change-dilution button's way back to
// the count dialog, and the texts it hands to the calculation.
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

// The rows the grid has open: the count a calculation reads (0 while no grid is built).
int OpenedRows(Session& session) {
    return session.isBuilt<frmmpn>() ? session.form<frmmpn>().openRows() : 0;
}
constexpr frmmpn::Column kColumns[] = {&frmmpn::Controls::txtn, &frmmpn::Controls::txtp,
                                       &frmmpn::Controls::txtq};

class GridTest : public testing::WindowTest {
  protected:
    // Types the count into the dialog and confirms it, as the analyst does.
    frmmpn& Confirm(const char* count) {
        frmdel& dialog = session->form<frmdel>();
        dialog.show();
        QTest::keyClicks(dialog.controls().txtdilnum, QString::fromUtf8(count));
        dialog.controls().cmdset->click();
        return session->form<frmmpn>();
    }
    static bool RowOpen(frmmpn& grid, int i) {
        return grid.controls().txtn[i]->isEnabled() && grid.controls().txtp[i]->isEnabled() &&
               grid.controls().txtq[i]->isEnabled();
    }
    static bool RowClosedAndEmpty(frmmpn& grid, int i) {
        for (frmmpn::Column column : kColumns) {
            TextBox* box = (grid.controls().*column)[i];
            if (box->isEnabled() || !box->text().isEmpty() ||
                Form::BackColour(box) != QColor(128, 255, 255))
                return false;
        }
        return true;
    }
};

TEST_F(GridTest, LoadingTheGridClosesEveryRow) {
    frmmpn& grid = session->form<frmmpn>();
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(RowClosedAndEmpty(grid, i)) << i;
    EXPECT_FALSE(grid.isVisible());
}

TEST_F(GridTest, ChangingFiveRowsOfDataToTwoLeavesNoTrace) {
    frmmpn& grid = Confirm("5");
    for (int i = 1; i <= 5; ++i) {
        grid.controls().txtn[i]->setText(QString::number(10.0 / i));
        grid.controls().txtp[i]->setText("3");
        grid.controls().txtq[i]->setText("2");
    }
    grid.controls().cmddilchange->click();

    frmdel& dialog = session->form<frmdel>();
    EXPECT_FALSE(grid.isVisible());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.controls().cmdset->isEnabled());
    EXPECT_TRUE(dialog.controls().txtdilnum->text().isEmpty());
    EXPECT_TRUE(messages.empty()) << "emptying the box is not refused";
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(RowClosedAndEmpty(grid, i)) << i;

    QTest::keyClicks(dialog.controls().txtdilnum, "2");
    dialog.controls().cmdset->click();
    EXPECT_EQ(&session->form<frmmpn>(), &grid) << "one grid window for the whole run";
    EXPECT_TRUE(grid.isVisible());
    EXPECT_EQ(OpenedRows(*session), 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(RowOpen(grid, i));
        for (frmmpn::Column column : kColumns)
            EXPECT_TRUE((grid.controls().*column)[i]->text().isEmpty());
    }
    for (int i = 3; i <= 5; ++i) EXPECT_TRUE(RowClosedAndEmpty(grid, i)) << i;
    const GridTexts texts = grid.ReadGrid();
    for (const GridRowTexts& row : texts)
        EXPECT_TRUE(row.volume.empty() && row.positive.empty() && row.negative.empty());
}

TEST_F(GridTest, HidingAndShowingAgainKeepsTheTypedData) {
    frmmpn& grid = Confirm("3");
    grid.controls().txtn[2]->setText("0.1");
    grid.controls().txtq[3]->setText("5");
    grid.hide();  // as the calculation does before the results, and the return button undoes
    grid.show();
    EXPECT_EQ(grid.controls().txtn[2]->text(), "0.1");
    EXPECT_EQ(grid.controls().txtq[3]->text(), "5");
    EXPECT_TRUE(RowOpen(grid, 3));
}

TEST_F(GridTest, ReadsEveryCellAsTypedInUtf8) {
    frmmpn& grid = Confirm("2");
    grid.controls().txtn[1]->setText("10");
    grid.controls().txtp[1]->setText(" 5 ");
    grid.controls().txtq[1]->setText(QStringLiteral("\u06F0"));  // Persian zero
    grid.controls().txtn[2]->setText("1,5");
    const GridTexts texts = grid.ReadGrid();
    EXPECT_EQ(texts[0].volume, "10");
    EXPECT_EQ(texts[0].positive, " 5 ");
    EXPECT_EQ(texts[0].negative, "\u06F0");
    EXPECT_EQ(texts[1].volume, "1,5");
    EXPECT_EQ(texts[1].positive, "");
    EXPECT_EQ(texts[4].negative, "");
}

TEST_F(GridTest, CountWrittenWithPersianDigitOrTrailingSeparatorOpensThoseRows) {
    struct Row {
        const char* typed;
        int rows;
    } rows[] = {{"\u06F3", 3}, {"4.", 4}, {"\u0661", 1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        frmdel& dialog = session->form<frmdel>();
        dialog.controls().txtdilnum->setText(QString::fromUtf8(r.typed));
        dialog.controls().cmdset->click();
        frmmpn& grid = session->form<frmmpn>();
        EXPECT_EQ(OpenedRows(*session), r.rows);
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(RowOpen(grid, i), i <= r.rows) << i;
        grid.controls().cmddilchange->click();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(GridTest, GridStartsWithTheFocusOnTheCalculateButton) {
    frmmpn& grid = Confirm("1");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    EXPECT_EQ(FocusName(), "Command1");
}

TEST_F(GridTest, ConfirmButtonComesBackDisabledAndTheFocusOnTheBox) {
    frmmpn& grid = Confirm("2");
    frmdel& dialog = session->form<frmdel>();
    ShowActive(grid);
    grid.controls().cmddilchange->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(FocusName(), "txtdilnum");
}

}  // namespace
}  // namespace tubewise
