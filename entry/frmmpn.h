// The tube-data grid: one row per dilution (volume, positive and negative tubes), rows
// 1..DilutionCount open for input.
#pragma once

#include "core/GridTexts.h"
#include "core/ValidateGrid.h"
#include "shell/Form.h"

namespace tubewise {

class frmmpn : public Form {
    Q_OBJECT
  public:
    explicit frmmpn(Session& session);
    void Load() override;

    // Closes and empties all five rows.
    void ResetGrid();
    // Enables rows 1..count and paints their cells in the open colours; the texts stay.
    void OpenRows(int count);
    // The count of rows last opened: the dilutions a calculation reads.
    int openRows() const { return openRows_; }
    // The cells' texts as typed, rows 1..5.
    GridTexts ReadGrid() const;
    // Takes the analyst to a cell of row i (1..5) to mend it.
    void FocusCell(int row, GridColumn column);
    // The calculate button (Command1).
    PictureButton* calculateButton() const { return button("Command1"); }

  signals:
    void calculateRequested();
    void changeDilutionRequested();

  protected:
    // Each cell is named by its row and column, and described by its column's heading.
    void Retranslate() override;

  private:
    int openRows_ = 0;
};

}  // namespace tubewise
