// Plain description of a window and its controls, in the units the layouts were drawn in
// (1/1440 inch, "twips"); FormBuilder turns one into widgets.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Colour.h"
#include "shell/FontFace.h"

namespace tubewise {

// 15 twips make one logical pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;
inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

enum class ControlKind {
    Label,
    TextBox,
    Button,
    Image,
    PictureBox,
    Shape,
    Chart,
    SaveDialog,
    ComboBox,  // a drop-down list of `items`; `text` names the item chosen at first
};

enum class Alignment { Left, Right, Center };

// The pictures compiled into the program.
enum class Picture { None, Icon, ButtonTexture, LargeBackdrop, SmallTexture, Portrait };

struct ControlSpec {
    std::string name;
    int index = -1;  // element of a control array, or -1
    ControlKind kind = ControlKind::Label;
    std::string text;  // UTF-8, exactly as the control holds it
    // A text that holds a value the build sets (the author's address): the text with "%1" in
    // place of the value, and the value. Translations are made of the former.
    std::string textSource;
    std::string argument;
    int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the container
    std::optional<FontFace> font;
    std::optional<Colour> foreground;
    std::optional<Colour> background;
    int tabIndex = -1;  // -1: the control has no place in the tab order
    Alignment alignment = Alignment::Left;
    bool wrap = true;  // every label wraps text longer than its width
    bool readOnly = false;
    bool enabled = true;
    Picture picture = Picture::None;
    Picture disabledPicture = Picture::None;  // face of a disabled graphical button
    bool stretch = false;
    std::string container;           // name of the picture box holding it; empty for the window
    std::vector<std::string> items;  // a combo box's list, UTF-8

    // What the text is translated from: the text itself, or its source with "%1".
    const std::string& source() const { return textSource.empty() ? text : textSource; }

    bool windowed() const {
        return kind == ControlKind::TextBox || kind == ControlKind::Button ||
               kind == ControlKind::PictureBox || kind == ControlKind::Chart ||
               kind == ControlKind::ComboBox;
    }
    bool canHoldFocus() const {
        return kind == ControlKind::TextBox || kind == ControlKind::Button ||
               kind == ControlKind::Chart || kind == ControlKind::ComboBox;
    }
};

enum class WindowBackground { Default, Colour, MenuText };

struct WindowSpec {
    std::string name;
    std::string caption;
    int width = 0, height = 0;  // client area, twips
    WindowBackground backgroundKind = WindowBackground::Default;
    Colour background;
    bool minimiseButton = false;
    Picture icon = Picture::Icon;
    std::vector<ControlSpec> controls;  // front to back

    const ControlSpec* find(std::string_view control, int index = -1) const {
        for (const ControlSpec& c : controls)
            if (c.name == control && c.index == index) return &c;
        return nullptr;
    }
};

}  // namespace tubewise
