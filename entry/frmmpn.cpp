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

frmmpn::frmmpn(Session& session) : Form(session, LayoutOf("frmmpn")) {
    onClick(button("cmddilchange"), [this] { emit changeDilutionRequested(); });
    onClick(calculateButton(), [this] { emit calculateRequested(); });
    Retranslate();
}

void frmmpn::Retranslate() {
    for (int i = 1; i <= kGridRows; ++i) {
        const struct {
            TextBox* cell;
            QString name;
            TextLabel* heading;
        } cells[] = {
            {textBox("txtn", i), tr("رديف %1، ميلي ليتر نمونه رقيق شده در هر لوله"),
             label("lbln", 1)},
            {textBox("txtq", i), tr("رديف %1، تعداد لوله هاي منفي"), label("lblq")},
            {textBox("txtp", i), tr("رديف %1، تعداد لوله هاي مثبت"), label("lblp")},
        };
        for (const auto& c : cells) {
            c.cell->setAccessibleName(c.name.arg(i));
            c.cell->setAccessibleDescription(c.heading->text());
        }
    }
}

void frmmpn::Load() {
    ResetGrid();
}

void frmmpn::ResetGrid() {
    // A closed cell takes the colour the window was built with.
    const QColor closed = ToQColor(*layout().find("txtp", 1)->background);
    for (int i = 1; i <= kGridRows; ++i) {
        for (const char* column : {"txtn", "txtp", "txtq"}) {
            TextBox* cell = textBox(column, i);
            cell->setEnabled(false);
            cell->setText(QString());
        }
        for (const char* column : {"txtq", "txtp", "txtn"})
            SetBackColour(textBox(column, i), closed);
    }
}

void frmmpn::OpenRows(int count) {
    openRows_ = count;
    for (int i = 1; i <= count && i <= kGridRows; ++i) {
        for (const char* column : {"txtn", "txtp", "txtq"}) textBox(column, i)->setEnabled(true);
        SetBackColour(textBox("txtq", i), ToQColor(kNegativeCell));
        SetBackColour(textBox("txtp", i), ToQColor(kPositiveCell));
        SetBackColour(textBox("txtn", i), ToQColor(kVolumeCell));
    }
}

void frmmpn::FocusCell(int row, GridColumn column) {
    const char* name = column == GridColumn::Volume     ? "txtn"
                       : column == GridColumn::Positive ? "txtp"
                       : column == GridColumn::Negative ? "txtq"
                                                        : nullptr;
    if (!name || row < 1 || row > kGridRows) return;
    TextBox* cell = textBox(name, row);
    cell->setFocus(Qt::OtherFocusReason);
    cell->selectAll();
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
