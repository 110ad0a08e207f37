// The one builder of every window's controls.
#include "shell/FormBuilder.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <algorithm>
#include <vector>

#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/Form.h"
#include "shell/QtColour.h"

namespace tubewise {
namespace {

Qt::Alignment LabelAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

Qt::Alignment BoxAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget* MakeControl(const ControlSpec& c, QWidget* parent) {
    const QString text = QString::fromStdString(c.text);
    switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new TextLabel(parent);
            label->setText(text);
            label->setAlignment(LabelAlignment(c.alignment));
            label->setWordWrap(c.wrap);
            label->setFocusPolicy(Qt::NoFocus);
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new TextBox(parent);
            box->setText(text);
            box->setAlignment(BoxAlignment(c.alignment));
            box->setReadOnly(c.readOnly);
            Form::SetBackColour(box, c.background ? ToQColor(*c.background) : QColor(Qt::white));
            return box;
        }
        case ControlKind::Button: {
            auto* button = new PictureButton(parent);
            // No button is a dialog's default: Enter acts on the focused button only.
            button->setAutoDefault(false);
            button->setText(text);
            button->setFace(LoadPicture(c.picture), LoadPicture(c.disabledPicture));
            if (c.background) button->setFaceColour(ToQColor(*c.background));
            return button;
        }
        case ControlKind::Image:
        case ControlKind::PictureBox: {
            const bool windowless = c.kind == ControlKind::Image;
            auto* view = new PictureView(parent, LoadPicture(c.picture), windowless && c.stretch);
            view->setFocusPolicy(Qt::NoFocus);
            view->setAttribute(Qt::WA_TransparentForMouseEvents, windowless);
            return view;
        }
        case ControlKind::Shape: {
            auto* shape = new ShapeView(parent, c.background ? ToQColor(*c.background) : QColor());
            shape->setFocusPolicy(Qt::NoFocus);
            shape->setAttribute(Qt::WA_TransparentForMouseEvents);
            return shape;
        }
        case ControlKind::Chart: {
            // Container that the chart window fills with its chart view.
            auto* space = new QWidget(parent);
            space->setFocusPolicy(Qt::StrongFocus);
            return space;
        }
        case ControlKind::ComboBox: {
            auto* list = new QComboBox(parent);
            for (const std::string& item : c.items) list->addItem(QString::fromStdString(item));
            list->setCurrentIndex(std::max(0, list->findText(text)));
            list->setFocusPolicy(Qt::StrongFocus);
            return list;
        }
        case ControlKind::SaveDialog:
            return nullptr;
    }
    return nullptr;
}

void SetUpWindow(Form& form, const WindowSpec& layout) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (layout.minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
    form.setWindowFlags(flags);
    form.setObjectName(QString::fromStdString(layout.name));
    form.setWindowTitle(QString::fromStdString(layout.caption));
    form.setFixedSize(TwipsToPixels(layout.width), TwipsToPixels(layout.height));
    const QPixmap icon = LoadPicture(layout.icon);
    if (!icon.isNull()) form.setWindowIcon(QIcon(icon));
    QPalette palette = form.palette();
    switch (layout.backgroundKind) {
        case WindowBackground::Default:
            break;
        case WindowBackground::Colour:
            palette.setColor(QPalette::Window, ToQColor(layout.background));
            break;
        case WindowBackground::MenuText:
            palette.setColor(QPalette::Window,
                             QApplication::palette("QMenu").color(QPalette::WindowText));
            break;
    }
    form.setPalette(palette);
    form.setAutoFillBackground(true);
}

}  // namespace

void BuildForm(Form& form, const WindowSpec& layout) {
    SetUpWindow(form, layout);

    // Containers first, so that the controls they hold can be placed in them.
    std::vector<QWidget*> made(layout.controls.size(), nullptr);
    auto build = [&](bool containers) {
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            const ControlSpec& c = layout.controls[i];
            if ((c.kind == ControlKind::PictureBox) != containers) continue;
            QWidget* parent = c.container.empty() ? &form : form.control(c.container);
            if (!parent) parent = &form;
            QWidget* w = MakeControl(c, parent);
            if (!w) continue;
            w->setObjectName(QString::fromStdString(c.name));
            w->setProperty("controlIndex", c.index);
            w->setGeometry(TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width),
                           TwipsToPixels(c.height));
            if (c.font) w->setFont(ResolveFont(*c.font));
            if (c.foreground) Form::SetForeColour(w, ToQColor(*c.foreground));
            w->setEnabled(c.enabled);
            if (!c.canHoldFocus()) w->setFocusPolicy(Qt::NoFocus);
            made[i] = w;
            form.registerControl(c.name, c.index, w);
        }
    };
    build(true);
    build(false);

    // Stacking: within each container, windowless controls back to front, then windowed
    // ones back to front; each raise puts the control in front of those raised before.
    for (int pass = 0; pass < 2; ++pass) {
        const bool windowed = pass == 1;
        for (std::size_t i = layout.controls.size(); i-- > 0;)
            if (made[i] && layout.controls[i].windowed() == windowed) made[i]->raise();
    }

    // Tab order by tab number among the controls that can hold the focus.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < layout.controls.size(); ++i)
        if (made[i] && layout.controls[i].canHoldFocus() && layout.controls[i].tabIndex >= 0)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return layout.controls[a].tabIndex < layout.controls[b].tabIndex;
    });
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(made[order[k - 1]], made[order[k]]);
}

}  // namespace tubewise
