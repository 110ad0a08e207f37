// Fluent rows of the window tables, so that one control of a table stays one line.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shell/Layout.h"

namespace tubewise {

class Row {
  public:
    Row(ControlKind kind, std::string name, std::string text, int left, int top, int width,
        int height) {
        spec_.kind = kind;
        spec_.name = std::move(name);
        spec_.text = std::move(text);
        spec_.left = left;
        spec_.top = top;
        spec_.width = width;
        spec_.height = height;
    }
    Row& at(int index) {
        spec_.index = index;
        return *this;
    }
    Row& font(double points, std::string face = "Arial", int charset = 178) {
        spec_.font = FontFace{std::move(face), points, true, charset};
        return *this;
    }
    Row& fore(Colour c) {
        spec_.foreground = c;
        return *this;
    }
    Row& back(Colour c) {
        spec_.background = c;
        return *this;
    }
    Row& tab(int t) {
        spec_.tabIndex = t;
        return *this;
    }
    Row& right() {
        spec_.alignment = Alignment::Right;
        return *this;
    }
    Row& centre() {
        spec_.alignment = Alignment::Center;
        return *this;
    }
    Row& readOnly() {
        spec_.readOnly = true;
        return *this;
    }
    Row& disabled() {
        spec_.enabled = false;
        return *this;
    }
    Row& picture(Picture p, bool stretch = false) {
        spec_.picture = p;
        spec_.stretch = stretch;
        return *this;
    }
    Row& disabledPicture(Picture p) {
        spec_.disabledPicture = p;
        return *this;
    }
    // The text is a source with "%1", which `value` fills.
    Row& filledWith(const std::string& value) {
        spec_.textSource = spec_.text;
        spec_.argument = value;
        spec_.text.replace(spec_.text.find("%1"), 2, value);
        return *this;
    }
    Row& in(std::string container) {
        spec_.container = std::move(container);
        return *this;
    }
    Row& items(std::vector<std::string> list) {
        spec_.items = std::move(list);
        return *this;
    }
    operator ControlSpec() const { return spec_; }

  private:
    ControlSpec spec_;
};

// Graphical buttons carry the button texture unless the row names another face.
inline Row ButtonRow(std::string name, std::string text, int l, int t, int w, int h) {
    return Row(ControlKind::Button, std::move(name), std::move(text), l, t, w, h)
        .picture(Picture::ButtonTexture);
}
inline Row LabelRow(std::string name, std::string text, int l, int t, int w, int h) {
    return Row(ControlKind::Label, std::move(name), std::move(text), l, t, w, h);
}
inline Row TextBoxRow(std::string name, int l, int t, int w, int h) {
    return Row(ControlKind::TextBox, std::move(name), "", l, t, w, h);
}
inline Row ImageRow(std::string name, Picture p, int l, int t, int w, int h, bool stretch) {
    return Row(ControlKind::Image, std::move(name), "", l, t, w, h).picture(p, stretch);
}
// The designer's rules are one control array, Shape1.
inline Row ShapeRow(int index, int l, int t, int w, int h, Colour fill) {
    return Row(ControlKind::Shape, "Shape1", "", l, t, w, h).at(index).back(fill);
}

inline WindowSpec WindowRow(std::string name, std::string caption, int w, int h, bool minimise) {
    WindowSpec s;
    s.name = std::move(name);
    s.caption = std::move(caption);
    s.width = w;
    s.height = h;
    s.minimiseButton = minimise;
    return s;
}
inline WindowSpec WindowRow(std::string name, std::string caption, int w, int h, Colour bg,
                            bool minimise) {
    WindowSpec s = WindowRow(std::move(name), std::move(caption), w, h, minimise);
    s.backgroundKind = WindowBackground::Colour;
    s.background = bg;
    return s;
}

// Colours several windows share.
inline constexpr Colour kButtonGreen{0, 255, 0};
inline constexpr Colour kBar{192, 255, 192};

}  // namespace tubewise
