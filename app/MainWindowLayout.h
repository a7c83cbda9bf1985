#pragma once
#include "platform/DesignTable.h"
#include <array>
#include <cstddef>
#include <string_view>

// The main window's design: every fixed control with its place (pixels of the client area,
// or of its parent), caption, font and colours (lowest byte red). An array element such as
// Label2(3) is named "Label2_3".
namespace MainWindowLayout {

inline constexpr int ClientWidth = 1016;
inline constexpr int ClientHeight = 684;
inline constexpr unsigned WindowBack = LightGrey;
inline constexpr unsigned DisabledText = Grey;
inline constexpr unsigned NoColor = 0xFFFFFFFF;    // keep the inherited colour

struct FontSpec {
    const char16_t* family;   // nullptr: the window's font
    double points;
    bool bold;
};
inline constexpr FontSpec WindowFont{MingFace, 9.75, false};
inline constexpr FontSpec Inherit{nullptr, 0, false};
inline constexpr FontSpec ButtonFont{MingFace, 14.25, true};
inline constexpr FontSpec CounterFont{u"Arial", 14.25, true};

enum class Kind {
    Label,
    Button,
    Box,     // white picture box holding a gauge bar
    Bar,     // gauge bar inside its box
    Frame,   // captioned frame holding option buttons
    Option,
    Line,    // one-pixel black tick mark
    Picture, // a picture from the program's resources; the caption names it
};
enum class Align { Left, Center };

struct ControlSpec {
    std::string_view name;
    Kind kind;
    std::string_view parent;        // empty: the client area
    int left, top, width, height;   // width 0: sized to its text
    const char16_t* caption;
    FontSpec font = Inherit;
    unsigned back = NoColor;
    unsigned fore = NoColor;
    Align align = Align::Left;
    bool visible = true;
    const char16_t* tip = nullptr;
};

// Creation order is tab order: cmdStart first.
inline constexpr std::array Controls{
    ControlSpec{"cmdStart", Kind::Button, {}, 912, 64, 69, 41, u"開 始", ButtonFont},
    ControlSpec{"cmdEnd", Kind::Button, {}, 832, 64, 69, 41, u"離 開", ButtonFont},
    ControlSpec{"cmdSandH", Kind::Button, {}, 704, 64, 117, 41, u"隱藏鍵盤", ButtonFont},

    ControlSpec{"frmKeySet", Kind::Frame, {}, 32, 52, 233, 45, u"鍵盤設定"},
    ControlSpec{"optKey_0", Kind::Option, "frmKeySet", 8, 16, 77, 21, u"小Enter鍵"},
    ControlSpec{"optKey_1", Kind::Option, "frmKeySet", 84, 16, 69, 21, u"\\ 鍵在上"},
    ControlSpec{"optKey_2", Kind::Option, "frmKeySet", 156, 16, 73, 21, u"\\ 鍵在下"},
    ControlSpec{"frmClass", Kind::Frame, {}, 288, 52, 237, 45, u"等級設定"},
    ControlSpec{"optClass_0", Kind::Option, "frmClass", 8, 16, 49, 21, u"初學", Inherit, NoColor, NoColor, Align::Left, true, u"1鍵/秒"},
    ControlSpec{"optClass_1", Kind::Option, "frmClass", 64, 16, 53, 21, u"入門", Inherit, NoColor, NoColor, Align::Left, true, u"2鍵/秒"},
    ControlSpec{"optClass_2", Kind::Option, "frmClass", 120, 16, 53, 21, u"一般", Inherit, NoColor, NoColor, Align::Left, true, u"3鍵/秒"},
    ControlSpec{"optClass_3", Kind::Option, "frmClass", 176, 16, 49, 21, u"飆速", Inherit, NoColor, NoColor, Align::Left, true, u"4鍵/秒"},

    // Progress gauge; 4000 twips across the inside of its box.
    ControlSpec{"Picture1_0", Kind::Box, {}, 12, 4, 267, 21, u"", Inherit, 16777215},
    ControlSpec{"shpPro", Kind::Bar, "Picture1_0", 1, 1, 0, 17, u"", Inherit, 16711680},
    ControlSpec{"Label4_0", Kind::Label, {}, 8, 28, 0, 13, u"0%"},
    ControlSpec{"Label4_2", Kind::Label, {}, 140, 28, 0, 13, u"50%"},
    ControlSpec{"Label4_1", Kind::Label, {}, 264, 28, 0, 13, u"100%"},

    // Speed gauge and its scale, slowest to fastest.
    ControlSpec{"Picture1_1", Kind::Box, {}, 328, 4, 267, 21, u"", Inherit, 16777215},
    ControlSpec{"shpSpeed", Kind::Bar, "Picture1_1", 1, 1, 0, 17, u"", Inherit, 255},
    ControlSpec{"Line9_0", Kind::Line, {}, 458, 27, 1, 13, u""},
    ControlSpec{"Line9_1", Kind::Line, {}, 326, 27, 1, 13, u""},
    ControlSpec{"Line9_2", Kind::Line, {}, 596, 27, 1, 13, u""},
    ControlSpec{"Line9_3", Kind::Line, {}, 394, 27, 1, 13, u""},
    ControlSpec{"Line9_4", Kind::Line, {}, 525, 27, 1, 13, u""},
    ControlSpec{"Line9_5", Kind::Line, {}, 561, 27, 1, 13, u""},
    ControlSpec{"Label2_3", Kind::Label, {}, 344, 28, 0, 13, u"烏龜"},
    ControlSpec{"Label2_4", Kind::Label, {}, 416, 28, 0, 13, u"黃牛"},
    ControlSpec{"Label2_5", Kind::Label, {}, 480, 28, 0, 13, u"野兔"},
    ControlSpec{"Label2_6", Kind::Label, {}, 532, 28, 0, 13, u"羚羊"},
    ControlSpec{"Label2_7", Kind::Label, {}, 568, 28, 0, 13, u"獵豹"},

    ControlSpec{"Label3_1", Kind::Label, {}, 552, 72, 29, 29, u"Caps Lock"},
    ControlSpec{"lblEsc", Kind::Label, {}, 592, 72, 105, 25, u"Label5", {MingFace, 12, true}, NoColor, NoColor, Align::Center},
    ControlSpec{"Label2_1", Kind::Label, {}, 648, 16, 73, 13, u"正確按鍵："},
    ControlSpec{"lblRight", Kind::Label, {}, 728, 8, 137, 21, u"0", CounterFont, NoColor, NoColor, Align::Center},
    ControlSpec{"Label2_2", Kind::Label, {}, 648, 40, 73, 13, u"錯誤按鍵："},
    ControlSpec{"lblWrong", Kind::Label, {}, 728, 32, 137, 29, u"0", CounterFont, NoColor, Grey, Align::Center},
    ControlSpec{"Label2_0", Kind::Label, {}, 912, 8, 73, 13, u"打字時間："},
    ControlSpec{"Label1", Kind::Label, {}, 912, 24, 0, 29, u"0:0:0", {u"Arial", 18, true}},
    ControlSpec{"Image1", Kind::Picture, {}, 768, 400, 225, 240, u":/photo.png"},
};

// Position of a control in the table, checked while compiling; so is the order of parents.
consteval std::size_t controlIndex(std::string_view name) { return designIndex(Controls, name); }

consteval bool parentsComeFirst()
{
    for (std::size_t i = 0; i < Controls.size(); ++i)
        if (!Controls[i].parent.empty() && controlIndex(Controls[i].parent) >= i)
            return false;
    return true;
}
static_assert(parentsComeFirst());

// `picWindow`, the text window; built by its own widget.
inline constexpr int TextWindowLeft = 16;
inline constexpr int TextWindowTop = 108;
inline constexpr int TextWindowWidth = 985;
inline constexpr int TextWindowHeight = 272;

// `picKey`, the keyboard panel, and `shpCapsL`, the Caps Lock lamp; drawn by their own widgets.
inline constexpr int KeyboardLeft = 24;
inline constexpr int KeyboardTop = 396;
inline constexpr int CapsLampLeft = 560;
inline constexpr int CapsLampTop = 56;

} // namespace MainWindowLayout
