// Window base: control lookup, first focus, hover focus, modal showing and closing.
#include "shell/Form.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QPointer>
#include <QShortcut>
#include <QWindow>

#include "shell/FormBuilder.h"
#include "shell/Session.h"

namespace tubewise {
Form::Form(Session& session, const WindowSpec& layout)
    : QDialog(nullptr), session_(session), layout_(layout), rows_(layout.controls.size()) {
    setAttribute(Qt::WA_DeleteOnClose);
    BuildForm(*this, layout_);
    auto* language = new QShortcut(QKeySequence(kLanguageShortcut), this);
    connect(language, &QShortcut::activated, this, [this] {
        if (!session_.ending()) emit languageToggleRequested();
    });
}

Form::~Form() = default;

void Form::registerControl(std::size_t row, QWidget* widget) {
    const ControlSpec& c = layout_.controls.at(row);
    controls_[{c.name, c.index}] = widget;
    rows_[row] = widget;
}

QWidget* Form::control(const std::string& name, int index) const {
    auto it = controls_.find({name, index});
    return it == controls_.end() ? nullptr : it->second;
}

void Form::SetText(QWidget* control, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(control))
        l->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(control))
        e->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(control))
        b->setText(text);
    else if (control)
        control->setWindowTitle(text);
}

QString Form::Text(const QWidget* control) {
    if (auto* l = qobject_cast<const QLabel*>(control)) return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(control)) return e->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(control)) return b->text();
    if (auto* c = qobject_cast<const QComboBox*>(control)) return c->currentText();
    return control ? control->windowTitle() : QString();
}

void Form::SetForeColour(QWidget* control, const QColor& colour) {
    QPalette p = control->palette();
    if (qobject_cast<QLineEdit*>(control))
        p.setColor(QPalette::Text, colour);
    else if (qobject_cast<QAbstractButton*>(control))
        p.setColor(QPalette::ButtonText, colour);
    else
        p.setColor(QPalette::WindowText, colour);
    control->setPalette(p);
    control->update();
}

void Form::SetBackColour(QWidget* control, const QColor& colour) {
    if (auto* b = qobject_cast<PictureButton*>(control)) {
        b->setFaceColour(colour);
        return;
    }
    QPalette p = control->palette();
    if (qobject_cast<QLineEdit*>(control)) {
        p.setColor(QPalette::Base, colour);
    } else {
        p.setColor(QPalette::Window, colour);
        control->setAutoFillBackground(true);
    }
    control->setPalette(p);
    control->update();
}

QColor Form::BackColour(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control)) return control->palette().color(QPalette::Base);
    return control->palette().color(QPalette::Window);
}

QColor Form::ForeColour(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control)) return control->palette().color(QPalette::Text);
    if (qobject_cast<const QAbstractButton*>(control))
        return control->palette().color(QPalette::ButtonText);
    return control->palette().color(QPalette::WindowText);
}

void Form::FocusFirst() {
    QWidget* first = nullptr;
    int firstTab = 0;
    for (const ControlSpec& c : layout_.controls) {
        if (!c.canHoldFocus() || c.tabIndex < 0) continue;
        QWidget* w = control(c.name, c.index);
        if (!w || !w->isEnabledTo(this) || w->isHidden() || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (!first || c.tabIndex < firstTab) {
            first = w;
            firstTab = c.tabIndex;
        }
    }
    if (first)
        first->setFocus(Qt::TabFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void Form::ShowModal() {
    modal_ = true;
    QPointer<Form> self(this);
    exec();
    if (self) self->modal_ = false;
}

void Form::BringIntoView() {
    // Also from the task bar: a minimised window comes back before it is raised.
    Restore();
    show();
    raise();
    activateWindow();
    update();
}

void Form::Restore() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
}

void Form::setVisible(bool visible) {
    // Only a window shown modal needs QDialog's showing and hiding. On showing, QDialog would
    // also hand the first control a made-up Tab focus before the window is active (which
    // selects a read-only box's whole figure) and make a button the default.
    if (modal_)
        QDialog::setVisible(visible);
    else
        QWidget::setVisible(visible);
}

void Form::setHoverFocus(std::initializer_list<QWidget*> buttons) {
    for (QWidget* w : buttons) {
        w->setMouseTracking(true);  // every movement over it asks again, as entering does
        w->installEventFilter(this);
    }
}

void Form::onClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] {
        if (!session_.ending()) handler();
    });
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->isEnabled() && !session_.ending()) w->setFocus(Qt::MouseFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}

void Form::showEvent(QShowEvent* event) {
    // Qt puts the program's name into a title bar left empty; a blank keeps it empty to the
    // eye while windowTitle() stays the empty caption.
    if (windowTitle().isEmpty() && windowHandle()) windowHandle()->setTitle(QStringLiteral(" "));
    // Shown from hidden (not restored from the task bar): the first control takes the focus.
    if (!event->spontaneous()) FocusFirst();
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    // Not QDialog's: closing is no rejection here, and the window goes at once.
    event->accept();
    // The window is discarded: the next reference to it builds it afresh.
    session_.discard(this);
    if (!session_.ending()) emit unloaded();
}

void Form::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || session_.ending()) return;
    ApplyLanguage(*this, layout_);
    Retranslate();
}

void Form::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
}

}  // namespace tubewise
