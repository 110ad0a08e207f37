// Grid window handlers: closing and opening rows, change of dilution count, reading the grid.
#include "entry/frmmpn.h"

#include "entry/frmdel.h"
#include "results/CalculationCommand.h"
#include "shell/Session.h"

namespace tubewise {

frmmpn::frmmpn(Session& session) : Form(session, LayoutOf("frmmpn")) {
    onClick(button("cmddilchange"), [this] {
        ResetGrid();
        hide();
        frmdel& dialog = this->session().form<frmdel>();
        dialog.show();
        dialog.button("cmdset")->setEnabled(false);
        dialog.textBox("txtdilnum")->setText(QString());
    });
}

void frmmpn::Load() {
    ConnectCalculateButton(*this);
    ResetGrid();
}

void frmmpn::Unload() {
    session().EndProgram();
}

void frmmpn::ResetGrid() {
    for (int i = 1; i <= kGridRows; ++i) {
        for (const char* column : {"txtn", "txtp", "txtq"}) {
            TextBox* cell = textBox(column, i);
            cell->setEnabled(false);
            cell->setText(QString());
        }
        for (const char* column : {"txtq", "txtp", "txtn"})
            SetBackColour(textBox(column, i), kClosedCell);
    }
}

void frmmpn::OpenRow(int i) {
    for (const char* column : {"txtn", "txtp", "txtq"}) textBox(column, i)->setEnabled(true);
    SetBackColour(textBox("txtq", i), kNegativeCell);
    SetBackColour(textBox("txtp", i), kPositiveCell);
    SetBackColour(textBox("txtn", i), kVolumeCell);
}

GridTexts frmmpn::ReadGrid() const {
    GridTexts grid;
    for (int i = 1; i <= kGridRows; ++i) {
        GridRowTexts& row = grid[static_cast<std::size_t>(i - 1)];
        row.volume = textBox("txtn", i)->text().toStdString();
        row.positive = textBox("txtp", i)->text().toStdString();
        row.negative = textBox("txtq", i)->text().toStdString();
    }
    return grid;
}

}  // namespace tubewise
