// The tray and plate entry window's handlers: the design list, the boxes it shows, and the
// calculate and return buttons.
#include "trays/frmtray.h"

#include <iterator>

#include "shell/Session.h"

namespace tubewise {

namespace {

std::optional<trays::Design> DesignOf(TrayChoice choice) {
    switch (choice) {
        case TrayChoice::Tray51:
            return trays::Design::Tray51;
        case TrayChoice::Tray97:
            return trays::Design::Tray97;
        case TrayChoice::Groups:
            return trays::Design::Groups;
        case TrayChoice::Tubes:
            break;
    }
    return std::nullopt;
}

}  // namespace

frmtray::frmtray(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    const Controls& c = controls_;
    SetText(c.txtfactor, QStringLiteral("1"));
    setHoverFocus({c.cmdcalc, c.cmdreturn});
    connect(c.cbodesign, &QComboBox::currentIndexChanged, this, [this] {
        if (!this->session().ending()) ShowDesignBoxes();
    });
    onClick(c.cmdcalc, [this] {
        if (chosen() == TrayChoice::Tubes)
            emit tubesRequested();
        else
            emit calculateRequested();
    });
    onClick(c.cmdreturn, [this] { emit returnRequested(); });
    ShowDesignBoxes();
    Retranslate();
}

void frmtray::Retranslate() {
    // Each box is named by the caption beside it; the groups box by its caption above.
    const Controls& c = controls_;
    const struct {
        QWidget* control;
        TextLabel* caption;
    } named[] = {{c.cbodesign, c.lbldesign}, {c.txtpos, c.lblpos},
                 {c.txtlarge, c.lbllarge},   {c.txtsmall, c.lblsmall},
                 {c.txtgroups, c.lblgroups}, {c.txtfactor, c.lblfactor}};
    for (const auto& n : named) n.control->setAccessibleName(n.caption->text().trimmed());
}

TrayChoice frmtray::chosen() const {
    const int i = controls_.cbodesign->currentIndex();
    return i >= 0 && i < static_cast<int>(std::size(kTrayChoices))
               ? kTrayChoices[static_cast<std::size_t>(i)]
               : TrayChoice::Tubes;
}

void frmtray::Choose(TrayChoice choice) {
    for (std::size_t i = 0; i < std::size(kTrayChoices); ++i)
        if (kTrayChoices[i] == choice) controls_.cbodesign->setCurrentIndex(static_cast<int>(i));
}

void frmtray::ShowDesignBoxes() {
    const Controls& c = controls_;
    const std::optional<trays::Design> design = DesignOf(chosen());
    auto show = [](bool shown, std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets) w->setVisible(shown);
    };
    show(!design, {c.lbltubes});
    show(design == trays::Design::Tray51, {c.txtpos, c.lblpos});
    show(design == trays::Design::Tray97, {c.txtlarge, c.lbllarge, c.txtsmall, c.lblsmall});
    show(design == trays::Design::Groups, {c.txtgroups, c.lblgroups});
    show(design.has_value(), {c.txtfactor, c.lblfactor});
}

trays::TrayBoxTexts frmtray::ReadBoxes() const {
    const Controls& c = controls_;
    trays::TrayBoxTexts boxes;
    boxes.design = DesignOf(chosen()).value_or(trays::Design::Tray97);
    const TextBox* positives = boxes.design == trays::Design::Tray51 ? c.txtpos : c.txtlarge;
    boxes.positives = Text(positives).toStdString();
    boxes.smallPositives = Text(c.txtsmall).toStdString();
    boxes.groups = Text(c.txtgroups).toStdString();
    boxes.dilutionFactor = Text(c.txtfactor).toStdString();
    return boxes;
}

void frmtray::FocusBox(trays::TrayBox box) {
    const Controls& c = controls_;
    TextBox* target = nullptr;
    switch (box) {
        case trays::TrayBox::Positives:
            target = c.txtpos;
            break;
        case trays::TrayBox::LargePositives:
            target = c.txtlarge;
            break;
        case trays::TrayBox::SmallPositives:
            target = c.txtsmall;
            break;
        case trays::TrayBox::DilutionFactor:
            target = c.txtfactor;
            break;
        case trays::TrayBox::Groups:
        case trays::TrayBox::GroupVolume:
        case trays::TrayBox::GroupPositives:
        case trays::TrayBox::GroupNegatives:
            target = c.txtgroups;
            break;
        case trays::TrayBox::None:
            return;
    }
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

}  // namespace tubewise
