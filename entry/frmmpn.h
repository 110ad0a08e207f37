// frmmpn: the tube-data grid. One row per dilution (volume, positive and negative tubes),
// rows 1..DilutionCount open for input.
#pragma once

#include "core/Colour.h"
#include "core/GridTexts.h"
#include "core/ValidateGrid.h"
#include "shell/Form.h"
#include "shell/WindowTable.h"

namespace tubewise {

class frmmpn : public Form {
    Q_OBJECT
  public:
    // Row i of the grid is element i of each column.
    struct Controls {
        ControlArray<TextBox, 1, kGridRows> txtn;      // millilitres of the dilution in each tube
        ControlArray<TextBox, 1, kGridRows> txtp;      // positive tubes
        ControlArray<TextBox, 1, kGridRows> txtq;      // negative tubes
        PictureButton* cmddilchange = nullptr;         // back to the count dialog
        PictureButton* Command1 = nullptr;             // calculate
        ControlArray<TextLabel, 1, kGridRows> lbseri;  // the row numbers
        ControlArray<TextLabel, 1, 1> lbln;            // the columns' headings
        TextLabel* lblq = nullptr;
        TextLabel* lblp = nullptr;
    };
    // One column of cells, as a member of Controls.
    using Column = ControlArray<TextBox, 1, kGridRows> Controls::*;
    static const WindowTable<Controls>& Table();
    // The colour of a closed cell, as the window is built.
    static constexpr Colour kClosedCell{128, 255, 255};

    explicit frmmpn(Session& session);
    const Controls& controls() const { return controls_; }
    void Load() override;

    // Closes and empties all five rows.
    void ResetGrid();
    // Enables rows 1..count and paints their cells in the open colours; the texts stay.
    void OpenRows(int count);
    // The count of rows last opened: the dilutions a calculation reads.
    int openRows() const { return openRows_; }
    // A stored series back in the grid for its correction: every row closed and emptied, then
    // rows 1..rows opened holding `texts` exactly as they were typed.
    void FillRows(const GridTexts& texts, int rows);
    // The cells' texts as typed, rows 1..5.
    GridTexts ReadGrid() const;
    // Takes the analyst to a cell of row i (1..5) to mend it.
    void FocusCell(int row, GridColumn column);
    // The calculate button (Command1).
    PictureButton* calculateButton() const { return controls_.Command1; }

  signals:
    void calculateRequested();
    void changeDilutionRequested();
    // The analyst changed a cell: figures of an earlier calculation no longer belong to the grid.
    void gridEdited();

  protected:
    // Each cell is named by its row and column, and described by its column's heading.
    void Retranslate() override;

  private:
    int openRows_ = 0;
    Controls controls_;
};

}  // namespace tubewise
