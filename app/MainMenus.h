#pragma once
#include <array>

// The menu bar, left to right; items under each menu in order. A null caption is a separator.
namespace MainMenus {

struct MenuSpec {
    const char* name;
    const char16_t* caption;
};

struct ItemSpec {
    const char* menu;
    const char* name;
    const char16_t* caption;
    const char* shortcut;
};

inline constexpr std::array Menus{
    MenuSpec{"mnuFile", u"開啟檔案(&F)"},
    MenuSpec{"mnuB", u"基本鍵位熟悉課程(&B)"},
    MenuSpec{"mnuC", u"短文選練(&C)"},
    MenuSpec{"mnuCR", u"教室暖身(&P)"},
};

inline constexpr std::array Items{
    ItemSpec{"mnuFile", "mnuOpen", u"開啟打字檔(& O)...", "Ctrl+O"},
    ItemSpec{"mnuFile", "mnuEsc", u"中斷打字Esc", nullptr},
    ItemSpec{"mnuFile", "mnuB1", nullptr, nullptr},
    ItemSpec{"mnuFile", "mnuExit", u"結束(&X)", nullptr},
};

} // namespace MainMenus
