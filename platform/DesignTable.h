#pragma once
#include <QRect>
#include <QString>
#include <cstddef>
#include <string_view>

// The dialogs are designed in twips, 15 to a pixel on the screens they were drawn for.
inline constexpr int TwipsPerPixel = 15;
constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }

// A row of a dialog's design table: a control's place in twips, inside its container.
struct ControlBox {
    std::string_view name;
    int left, top, width, height;
    QRect pixels() const { return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height)); }
};

// A design name as the control's objectName.
inline QString DesignName(std::string_view name) { return QString::fromLatin1(name.data(), qsizetype(name.size())); }

// Position of a named row in a design table. Used where a constant is required, so a
// misspelt name stops the build.
template <typename Table>
consteval std::size_t DesignIndex(const Table& table, std::string_view name)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name)
            return i;
    throw "no row of that name in the design";
}
