#pragma once
#include <array>

// The main window's design: every fixed control with its place (pixels of the client area,
// or of its parent box), caption, font and colours (lowest byte red).
namespace MainWindowLayout {

inline constexpr int ClientWidth = 1016;
inline constexpr int ClientHeight = 684;
inline constexpr unsigned WindowBack = 12632256;   // light grey
inline constexpr unsigned NoColor = 0xFFFFFFFF;    // keep the inherited colour

struct FontSpec {
    const char16_t* family;   // nullptr: the window's font
    double points;
    bool bold;
};
inline constexpr FontSpec WindowFont{u"新細明體", 9.75, false};
inline constexpr FontSpec Inherit{nullptr, 0, false};
inline constexpr FontSpec ButtonFont{u"新細明體", 14.25, true};
inline constexpr FontSpec CounterFont{u"Arial", 14.25, true};

enum class Kind { Label, Button, Box, Bar };
enum class Align { Left, Center };

struct ControlSpec {
    const char* name;
    Kind kind;
    const char* parent;       // nullptr: the client area
    int left, top, width, height;   // width 0: sized to its text
    const char16_t* caption;
    FontSpec font;
    unsigned back;
    unsigned fore;
    Align align;
    bool visible;
};

// Creation order is tab order among the buttons: cmdStart first.
inline constexpr std::array Controls{
    ControlSpec{"cmdStart", Kind::Button, nullptr, 912, 64, 69, 41, u"開 始", ButtonFont, NoColor, NoColor, Align::Center, true},
    ControlSpec{"cmdEnd", Kind::Button, nullptr, 832, 64, 69, 41, u"離 開", ButtonFont, NoColor, NoColor, Align::Center, true},
    ControlSpec{"Picture1_0", Kind::Box, nullptr, 12, 4, 267, 21, u"", Inherit, 16777215, NoColor, Align::Left, true},
    ControlSpec{"shpPro", Kind::Bar, "Picture1_0", 1, 1, 0, 17, u"", Inherit, 16711680, NoColor, Align::Left, true},
    ControlSpec{"Label4_0", Kind::Label, nullptr, 8, 28, 0, 13, u"0%", Inherit, NoColor, NoColor, Align::Left, true},
    ControlSpec{"Label4_2", Kind::Label, nullptr, 140, 28, 0, 13, u"50%", Inherit, NoColor, NoColor, Align::Left, true},
    ControlSpec{"Label4_1", Kind::Label, nullptr, 264, 28, 0, 13, u"100%", Inherit, NoColor, NoColor, Align::Left, true},
    ControlSpec{"lblEsc", Kind::Label, nullptr, 592, 72, 105, 25, u"按Esc鍵中斷", {u"新細明體", 12, true}, NoColor, NoColor, Align::Center, false},
    ControlSpec{"Label2_1", Kind::Label, nullptr, 648, 16, 73, 13, u"正確按鍵：", Inherit, NoColor, NoColor, Align::Left, true},
    ControlSpec{"lblRight", Kind::Label, nullptr, 728, 8, 137, 21, u"0", CounterFont, NoColor, NoColor, Align::Center, true},
    ControlSpec{"Label2_2", Kind::Label, nullptr, 648, 40, 73, 13, u"錯誤按鍵：", Inherit, NoColor, NoColor, Align::Left, true},
    ControlSpec{"lblWrong", Kind::Label, nullptr, 728, 32, 137, 29, u"0", CounterFont, NoColor, 8421504, Align::Center, true},
    ControlSpec{"Label2_0", Kind::Label, nullptr, 912, 8, 73, 13, u"打字時間：", Inherit, NoColor, NoColor, Align::Left, true},
    ControlSpec{"Label1", Kind::Label, nullptr, 912, 24, 0, 29, u"0:0:0", {u"Arial", 18, true}, NoColor, NoColor, Align::Left, true},
};

// `picWindow`, the text window; built by its own widget.
inline constexpr int TextWindowLeft = 16;
inline constexpr int TextWindowTop = 108;
inline constexpr int TextWindowWidth = 985;
inline constexpr int TextWindowHeight = 272;

} // namespace MainWindowLayout
