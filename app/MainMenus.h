#pragma once
#include "platform/DesignTable.h"
#include <array>
#include <cstddef>
#include <string_view>

// The menu bar, left to right; items under each menu in order. A null caption is a separator.
// The lesson and passage menus get their items at start-up from the catalogues.
namespace MainMenus {

struct MenuSpec {
    std::string_view name;
    const char16_t* caption;
};

struct ItemSpec {
    std::string_view menu;
    std::string_view name;
    const char16_t* caption;
    const char* shortcut = nullptr;
};

inline constexpr std::array Menus{
    MenuSpec{"mnuFile", u"開啟檔案(&F)"},
    MenuSpec{"mnuB", u"基本鍵位熟悉課程(&B)"},
    MenuSpec{"mnuC", u"短文選練(&C)"},
    MenuSpec{"mnuCR", u"教室暖身(&P)"},
    MenuSpec{"mnuE", u"說明(E)"},
};

inline constexpr std::array Items{
    ItemSpec{"mnuFile", "mnuOpen", u"開啟打字檔(& O)...", "Ctrl+O"},
    ItemSpec{"mnuFile", "mnuEsc", u"中斷打字Esc"},
    ItemSpec{"mnuFile", "mnuB1", nullptr},
    ItemSpec{"mnuFile", "mnuExit", u"結束(&X)"},
    ItemSpec{"mnuE", "mnuPos_1", u"指法"},
    ItemSpec{"mnuE", "mnuPos_2", u"姿勢"},
    ItemSpec{"mnuE", "mnuAbout", u"關於…"},
};

consteval std::size_t menuIndex(std::string_view name) { return designIndex(Menus, name); }
consteval std::size_t itemIndex(std::string_view name) { return designIndex(Items, name); }

consteval bool itemsHaveMenus()
{
    for (const ItemSpec& item : Items)
        menuIndex(item.menu);
    return true;
}
static_assert(itemsHaveMenus());

} // namespace MainMenus
