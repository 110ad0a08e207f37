// Grid window handlers: closing and opening rows, reading the grid.
#include "entry/frmmpn.h"

#include "shell/QtColour.h"
#include "shell/Session.h"

namespace tubewise {

namespace {

// Open cells: volumes white, positive tubes pink, negative tubes light green.
constexpr Colour kVolumeCell{255, 255, 255};
constexpr Colour kPositiveCell{255, 192, 192};
constexpr Colour kNegativeCell{128, 255, 128};

}  // namespace

frmmpn::frmmpn(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    onClick(controls_.cmddilchange, [this] { emit changeDilutionRequested(); });
    onClick(calculateButton(), [this] { emit calculateRequested(); });
    for (int i = 1; i <= kGridRows; ++i)
        for (TextBox* cell : {controls_.txtn[i], controls_.txtp[i], controls_.txtq[i]})
            connect(cell, &QLineEdit::textEdited, this, [this] { emit gridEdited(); });
    Retranslate();
}

void frmmpn::Retranslate() {
    const Controls& c = controls_;
    for (int i = 1; i <= kGridRows; ++i) {
        const struct {
            TextBox* cell;
            QString name;
            TextLabel* heading;
        } cells[] = {
            {c.txtn[i], tr("رديف %1، ميلي ليتر نمونه رقيق شده در هر لوله"), c.lbln[1]},
            {c.txtq[i], tr("رديف %1، تعداد لوله هاي منفي"), c.lblq},
            {c.txtp[i], tr("رديف %1، تعداد لوله هاي مثبت"), c.lblp},
        };
        for (const auto& cell : cells) {
            cell.cell->setAccessibleName(cell.name.arg(i));
            cell.cell->setAccessibleDescription(cell.heading->text());
        }
    }
}

void frmmpn::Load() {
    ResetGrid();
}

void frmmpn::ResetGrid() {
    const Controls& c = controls_;
    for (int i = 1; i <= kGridRows; ++i) {
        for (TextBox* cell : {c.txtn[i], c.txtp[i], c.txtq[i]}) {
            cell->setEnabled(false);
            cell->setText(QString());
        }
        for (TextBox* cell : {c.txtq[i], c.txtp[i], c.txtn[i]})
            SetBackColour(cell, ToQColor(kClosedCell));
    }
}

void frmmpn::OpenRows(int count) {
    openRows_ = count;
    const Controls& c = controls_;
    for (int i = 1; i <= count && i <= kGridRows; ++i) {
        for (TextBox* cell : {c.txtn[i], c.txtp[i], c.txtq[i]}) cell->setEnabled(true);
        SetBackColour(c.txtq[i], ToQColor(kNegativeCell));
        SetBackColour(c.txtp[i], ToQColor(kPositiveCell));
        SetBackColour(c.txtn[i], ToQColor(kVolumeCell));
    }
}

void frmmpn::FocusCell(int row, GridColumn column) {
    if (row < 1 || row > kGridRows) return;
    const Controls& c = controls_;
    TextBox* cell = column == GridColumn::Volume     ? c.txtn[row]
                    : column == GridColumn::Positive ? c.txtp[row]
                    : column == GridColumn::Negative ? c.txtq[row]
                                                     : nullptr;
    if (!cell) return;
    cell->setFocus(Qt::OtherFocusReason);
    cell->selectAll();
}

void frmmpn::FillRows(const GridTexts& texts, int rows) {
    ResetGrid();
    const Controls& c = controls_;
    for (int i = 1; i <= rows && i <= kGridRows; ++i) {
        const GridRowTexts& row = texts[static_cast<std::size_t>(i - 1)];
        c.txtn[i]->setText(QString::fromStdString(row.volume));
        c.txtp[i]->setText(QString::fromStdString(row.positive));
        c.txtq[i]->setText(QString::fromStdString(row.negative));
    }
    OpenRows(rows);
}

GridTexts frmmpn::ReadGrid() const {
    GridTexts grid;
    for (int i = 1; i <= kGridRows; ++i) {
        GridRowTexts& row = grid[static_cast<std::size_t>(i - 1)];
        row.volume = controls_.txtn[i]->text().toStdString();
        row.positive = controls_.txtp[i]->text().toStdString();
        row.negative = controls_.txtq[i]->text().toStdString();
    }
    return grid;
}

}  // namespace tubewise
