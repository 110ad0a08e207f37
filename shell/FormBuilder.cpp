// The one builder of every window's controls.
#include "shell/FormBuilder.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <algorithm>
#include <vector>

#include "i18n/Language.h"
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

// Texts, places and alignments are the language's: ApplyLanguage sets them.
QWidget* MakeControl(const ControlSpec& c, QWidget* parent) {
    switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new TextLabel(parent);
            label->setWordWrap(c.wrap);
            label->setFocusPolicy(Qt::NoFocus);
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new TextBox(parent);
            box->setText(QString::fromStdString(c.text));
            box->setReadOnly(c.readOnly);
            Form::SetBackColour(box, c.background ? ToQColor(*c.background) : QColor(Qt::white));
            return box;
        }
        case ControlKind::Button: {
            auto* button = new PictureButton(parent);
            // No button is a dialog's default: Enter acts on the focused button only.
            button->setAutoDefault(false);
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
            list->setCurrentIndex(std::max(0, list->findText(QString::fromStdString(c.text))));
            list->setFocusPolicy(Qt::StrongFocus);
            return list;
        }
        case ControlKind::SaveDialog:
            return nullptr;
    }
    return nullptr;
}

Alignment Mirrored(Alignment a) {
    switch (a) {
        case Alignment::Left:
            return Alignment::Right;
        case Alignment::Right:
            return Alignment::Left;
        case Alignment::Center:
            break;
    }
    return a;
}

// A text of the window's table in the run's language: the table's own in Persian, the English
// translation of its source (the window's name is the context) otherwise, with the build's
// value in place of "%1" where the table fills one in.
QString TableText(const WindowSpec& layout, const ControlSpec& c) {
    if (c.text.empty() || CurrentLanguage() == Language::Persian)
        return QString::fromStdString(c.text);
    QString text = QCoreApplication::translate(layout.name.c_str(), c.source().c_str());
    if (!c.textSource.empty())
        text.replace(QLatin1String("%1"), QString::fromStdString(c.argument));
    return text;
}

// An item of a table's drop-down list in the run's language.
QString TableItem(const WindowSpec& layout, const std::string& item) {
    if (CurrentLanguage() == Language::Persian) return QString::fromStdString(item);
    return QCoreApplication::translate(layout.name.c_str(), item.c_str());
}

QString Caption(const WindowSpec& layout) {
    if (layout.caption.empty() || CurrentLanguage() == Language::Persian)
        return QString::fromStdString(layout.caption);
    return QCoreApplication::translate(layout.name.c_str(), layout.caption.c_str());
}

// Pictures and rules are named for a screen reader; their roles come from
// DecorationAccessible.
void NameDecoration(QWidget& w, const ControlSpec& c) {
    switch (c.kind) {
        case ControlKind::Image:
        case ControlKind::PictureBox:
            w.setAccessibleName(
                c.picture == Picture::Portrait
                    ? QCoreApplication::translate("tubewise::FormBuilder", "تصوير نويسنده")
                    : QCoreApplication::translate("tubewise::FormBuilder", "تصوير زمينه"));
            break;
        case ControlKind::Shape:
            w.setAccessibleName(
                QCoreApplication::translate("tubewise::FormBuilder", "خط جداکننده"));
            break;
        default:
            break;
    }
}

// Screen readers learn that the filled rectangles are rules and the pictures are pictures (or,
// holding controls, a pane) rather than empty panels.
QAccessibleInterface* DecorationAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("tubewise::ShapeView"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("tubewise::PictureView")) {
        const bool holdsControls =
            !widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
        return new QAccessibleWidget(widget,
                                     holdsControls ? QAccessible::Pane : QAccessible::Graphic);
    }
    return nullptr;
}

void SetUpWindow(Form& form, const WindowSpec& layout) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (layout.minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
    form.setWindowFlags(flags);
    form.setObjectName(QString::fromStdString(layout.name));
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
    static const bool roles = [] {
        QAccessible::installFactory(&DecorationAccessible);
        return true;
    }();
    (void)roles;
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
            if (c.font) w->setFont(ResolveFont(*c.font));
            if (c.foreground) Form::SetForeColour(w, ToQColor(*c.foreground));
            w->setEnabled(c.enabled);
            if (!c.canHoldFocus()) w->setFocusPolicy(Qt::NoFocus);
            made[i] = w;
            form.registerControl(i, w);
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

    ApplyLanguage(form, layout);
}

void ApplyLanguage(Form& form, const WindowSpec& layout) {
    const bool english = CurrentLanguage() == Language::English;
    form.setWindowTitle(Caption(layout));
    for (const ControlSpec& c : layout.controls) {
        QWidget* w = form.control(c.name, c.index);
        if (!w) continue;
        int containerWidth = layout.width;
        if (const ControlSpec* container = layout.find(c.container))
            containerWidth = container->width;
        QRect place(TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width),
                    TwipsToPixels(c.height));
        if (english) place.moveLeft(TwipsToPixels(containerWidth) - place.left() - place.width());
        w->setGeometry(place);

        const QString persian = QString::fromStdString(c.text);
        const QString text = TableText(layout, c);
        // A text the table leaves empty is the window's own to fill; it is left alone.
        if (auto* label = qobject_cast<TextLabel*>(w)) {
            if (!c.text.empty()) label->setText(text);
            Alignment alignment = c.alignment;
            // Mirrored: the text stands where the Persian one does, seen in a mirror.
            if (english)
                alignment =
                    Mirrored(TextLabel::Placement(persian, w->font(), place.width(), c.alignment));
            label->setAlignment(LabelAlignment(alignment));
        } else if (auto* box = qobject_cast<TextBox*>(w)) {
            box->setAlignment(BoxAlignment(english ? Mirrored(c.alignment) : c.alignment));
        } else if (auto* button = qobject_cast<PictureButton*>(w)) {
            if (!c.text.empty()) button->setText(text);
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            // The choice stays where it was; only its words change.
            for (int i = 0; i < list->count() && i < static_cast<int>(c.items.size()); ++i)
                list->setItemText(i, TableItem(layout, c.items[static_cast<std::size_t>(i)]));
        }
        NameDecoration(*w, c);
    }
}

}  // namespace tubewise
