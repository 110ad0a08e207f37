// The widget kinds the window tables use: labels that lay Persian out in left-to-right
// paragraphs, graphical buttons, text boxes, pictures and filled rectangles.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "shell/Layout.h"

namespace tubewise {

// The picture compiled into the program; a null pixmap when it is not there.
QPixmap LoadPicture(Picture picture);

// How a control lays a text out: its lines and the rectangle its letters take (blanks that end
// a line left out), in the control's coordinates; measured as the control paints it.
struct TextExtent {
    int lines = 0;
    QRectF bounds;
};

// A transparent label. text() is the stored text unchanged; it is painted as a left-to-right
// paragraph (so a full stop stored first stands at the visual left), wrapped at word
// boundaries within the label's width, aligned left, right or centred, and a label's trailing
// blanks count towards its width, moving right-aligned text leftwards.
class TextLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TextLabel(QWidget* parent);

    // The text as it is laid out on screen (line breaks made visible to the layout).
    static QString DisplayText(const QString& stored);

    // `text` laid out in this label's font, box, alignment and wrapping.
    TextExtent Extent(const QString& text) const;

    // Where a text stands across a label `width` wide with that alignment: at the left, the
    // right or centred. A right-aligned text that its trailing blanks push against the left
    // edge stands at the left.
    static Alignment Placement(const QString& text, const QFont& font, int width,
                               Alignment alignment);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Single-line edit field whose paragraph direction is left to right whatever the text, as
// the labels; Qt would otherwise guess right to left from a Persian first letter.
// A read-only box shows a figure that must be read whole, in a box sized for Windows' text
// metrics: it draws its own one-pixel frame instead of the style's, and its font keeps the
// digits on whole pixels (full hinting), as Windows draws them.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void applyReadOnlyLook();
};

// Push button in graphical style: a background colour, the face picture centred over it
// (another picture while disabled, when one is given) and the caption over both. Enter
// presses it like Space does.
class PictureButton : public QPushButton {
    Q_OBJECT
  public:
    explicit PictureButton(QWidget* parent);
    void setFace(const QPixmap& face, const QPixmap& disabledFace);
    void setFaceColour(const QColor& colour);
    // `text` laid out as the caption is, in this button's font and size.
    TextExtent Extent(const QString& text) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPixmap face_;
    QPixmap disabledFace_;
    QColor faceColour_;
};

// A picture, scaled to the widget or at natural size from the top-left corner, clipped.
// Serves for the windowless images and for the picture box container.
class PictureView : public QWidget {
    Q_OBJECT
  public:
    PictureView(QWidget* parent, const QPixmap& picture, bool stretch);
    const QPixmap& picture() const { return picture_; }
    bool stretched() const { return stretch_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
    bool stretch_;
};

// Solid filled rectangle.
class ShapeView : public QWidget {
    Q_OBJECT
  public:
    ShapeView(QWidget* parent, const QColor& fill);
    QColor fill() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_;
};

}  // namespace tubewise
