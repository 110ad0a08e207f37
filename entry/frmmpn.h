// The tube-data grid: one row per dilution (volume, positive and negative tubes), rows
// 1..DilutionCount open for input.
#pragma once

#include <QColor>

#include "core/GridTexts.h"
#include "shell/Form.h"

namespace tubewise {

class frmmpn : public Form {
    Q_OBJECT
  public:
    static inline const QColor kClosedCell{128, 255, 255};
    static inline const QColor kVolumeCell{255, 255, 255};
    static inline const QColor kPositiveCell{255, 192, 192};
    static inline const QColor kNegativeCell{128, 255, 128};

    explicit frmmpn(Session& session);
    void Load() override;
    void Unload() override;

    // Closes and empties all five rows.
    void ResetGrid();
    // Enables row i (1..5) and paints its cells in the open colours; the texts stay.
    void OpenRow(int i);
    // The cells' texts as typed, rows 1..5.
    GridTexts ReadGrid() const;
    // The calculate button (Command1), wired to the calculation command when the window loads.
    PictureButton* calculateButton() const { return button("Command1"); }
};

}  // namespace tubewise
