// Painting and keyboard handling of the table-built widget kinds.
#include "shell/Controls.h"

#include <qdrawutil.h>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTextLayout>

namespace tubewise {

QPixmap LoadPicture(Picture picture) {
    const char* path = nullptr;
    switch (picture) {
        case Picture::None:
            return {};
        case Picture::Icon:
            path = ":/pictures/icon.ico";
            break;
        case Picture::ButtonTexture:
            path = ":/pictures/button.jpg";
            break;
        case Picture::LargeBackdrop:
            path = ":/pictures/backdrop.jpg";
            break;
        case Picture::SmallTexture:
            path = ":/pictures/small.jpg";
            break;
        case Picture::Portrait:
            path = ":/pictures/portrait.jpg";
            break;
    }
    return QPixmap(QString::fromLatin1(path));
}

namespace {

// Width of `text` on one line with its trailing blanks, which a wrapping layout leaves out
// once they no longer fit.
qreal WidthWithTrailingBlanks(const QString& text, const QFont& font) {
    QTextLayout measure(text, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    measure.setTextOption(option);
    measure.beginLayout();
    QTextLine line = measure.createLine();
    measure.endLayout();
    return line.isValid() ? line.naturalTextWidth() : 0;
}

// Lays the text out in `width` as a left-to-right paragraph and places each line by
// `alignment`, ready to draw at the top-left of the text area.
void LayOutLines(QTextLayout& layout, qreal width, Qt::Alignment alignment, bool wrap) {
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    const QString text = layout.text();
    const bool endsInBlanks = text.endsWith(QLatin1Char(' '));
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        // The blanks that end the paragraph stand at its right end and move right-aligned
        // text leftwards, as far as the left edge; more of them than fit wrap away. Blanks
        // where a line was wrapped take no room.
        qreal used = line.naturalTextWidth();
        if (endsInBlanks && line.textStart() + line.textLength() >= text.size())
            used = WidthWithTrailingBlanks(text.mid(line.textStart()), layout.font());
        used = std::min(width, used);
        qreal x = 0;
        if (alignment & Qt::AlignRight)
            x = width - used;
        else if (alignment & Qt::AlignHCenter)
            x = (width - used) / 2;
        line.setPosition(QPointF(x, y));
        y += line.height();
    }
    layout.endLayout();
}

// The caption of a graphical button: centred, wrapped at word boundaries, left to right.
QTextOption CaptionOption() {
    QTextOption option(Qt::AlignCenter);
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::WordWrap);
    return option;
}

QRectF CaptionArea(const QRect& button) {
    return QRectF(button.adjusted(3, 2, -3, -2));
}

}  // namespace

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(false);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

QString TextLabel::DisplayText(const QString& stored) {
    QString display = stored;
    display.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    display.replace(QLatin1Char('\r'), QChar::LineSeparator);
    display.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return display;
}

TextExtent TextLabel::Extent(const QString& text) const {
    TextExtent extent;
    QTextLayout layout(DisplayText(text), font());
    const QRect area = contentsRect();
    LayOutLines(layout, area.width(), alignment(), wordWrap());
    extent.lines = layout.lineCount();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        extent.bounds |= QRectF(line.position() + QPointF(area.topLeft()),
                                QSizeF(line.naturalTextWidth(), line.height()));
    }
    return extent;
}

Alignment TextLabel::Placement(const QString& text, const QFont& font, int width,
                               Alignment alignment) {
    if (alignment != Alignment::Right || !text.endsWith(QLatin1Char(' '))) return alignment;
    const qreal letters = WidthWithTrailingBlanks(text.trimmed(), font);
    return letters < width && WidthWithTrailingBlanks(text, font) >= width ? Alignment::Left
                                                                           : alignment;
}

void TextLabel::paintEvent(QPaintEvent*) {
    const QString display = DisplayText(text());
    if (display.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QTextLayout layout(display, font(), this);
    const QRect area = contentsRect();
    LayOutLines(layout, area.width(), alignment(), wordWrap());
    painter.setClipRect(area);
    layout.draw(&painter, area.topLeft());
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // QLineEdit guesses the paragraph direction from its text unless the direction key has
    // set it, as Ctrl+Left Shift does on a desktop with a right-to-left keyboard.
    QKeyEvent leftToRight(QEvent::KeyPress, Qt::Key_Direction_L, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &leftToRight);
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::FontChange)
        applyReadOnlyLook();
}

void TextBox::applyReadOnlyLook() {
    const bool figure = isReadOnly();
    // The results boxes are as wide as their longest figures in Windows' hinted Arial, where a
    // digit takes 8 pixels at 11.25 pt; unhinted it takes 8.34 and the last digit would fall
    // under the frame. Hinting alone still leaves the longest figure a pixel short: the
    // style's frame lies outside the edit's two-pixel inner margin, the box's own frame inside.
    setFrame(!figure);
    QFont hinted = font();
    const auto hinting = figure ? QFont::PreferFullHinting : QFont::PreferDefaultHinting;
    if (hinted.hintingPreference() != hinting) {
        hinted.setHintingPreference(hinting);
        setFont(hinted);  // sends FontChange again, which then finds nothing to do
    }
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (hasFrame()) return;
    QPainter painter(this);
    // The outline colour the style gives the editable boxes.
    painter.setPen(palette().color(QPalette::Window).darker(140));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setFace(const QPixmap& face, const QPixmap& disabledFace) {
    face_ = face;
    disabledFace_ = disabledFace;
    update();
}

void PictureButton::setFaceColour(const QColor& colour) {
    faceColour_ = colour;
    update();
}

TextExtent PictureButton::Extent(const QString& text) const {
    const QRectF area = CaptionArea(rect());
    QTextLayout layout(text, font());
    layout.setTextOption(CaptionOption());
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    // Centred across and down the caption's area, as drawText places it.
    TextExtent extent;
    extent.lines = layout.lineCount();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal x = area.left() + (area.width() - line.naturalTextWidth()) / 2;
        const qreal y = area.top() + (area.height() - height) / 2 + line.y();
        extent.bounds |= QRectF(x, y, line.naturalTextWidth(), line.height());
    }
    return extent;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    const bool pressed = isDown() || isChecked();
    painter.fillRect(r, faceColour_.isValid() ? faceColour_ : palette().color(QPalette::Button));
    const QPixmap& face = (!isEnabled() && !disabledFace_.isNull()) ? disabledFace_ : face_;
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    if (!face.isNull()) {
        painter.save();
        painter.setClipRect(r.adjusted(2, 2, -2, -2));
        painter.drawPixmap(
            QPoint((r.width() - face.width()) / 2, (r.height() - face.height()) / 2) + shift, face);
        painter.restore();
    }
    qDrawWinButton(&painter, r, palette(), pressed, nullptr);

    const QTextOption option = CaptionOption();
    const QRectF textArea = CaptionArea(r).translated(shift);
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    } else {
        // The engraved look of a disabled caption: a light copy one pixel down-right.
        painter.setPen(palette().color(QPalette::Active, QPalette::Light));
        painter.drawText(textArea.translated(1, 1), text(), option);
        painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
    }
    painter.drawText(textArea, text(), option);

    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::Active, QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

PictureView::PictureView(QWidget* parent, const QPixmap& picture, bool stretch)
    : QWidget(parent), picture_(picture), stretch_(stretch) {}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
}

ShapeView::ShapeView(QWidget* parent, const QColor& fill) : QWidget(parent), fill_(fill) {}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
}

}  // namespace tubewise
