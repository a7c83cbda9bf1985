#pragma once
#include <QRect>
#include <QString>
#include <cstddef>
#include <string_view>

// The design's two Chinese faces, by the names it gives them (start-up maps them to the
// faces installed), and its two greys (lowest byte red): the window's light grey, and the
// darker grey of the text window, the resting lamp and locked captions.
inline constexpr const char16_t* MingFace = u"新細明體";
inline constexpr const char16_t* KaiFace = u"標楷體";
inline constexpr unsigned LightGrey = 12632256;
inline constexpr unsigned Grey = 8421504;

// The dialogs are designed in twips, 15 to a pixel on the screens they were drawn for.
inline constexpr int TwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return twips / TwipsPerPixel; }

// A row of a dialog's design table: a control's place in twips, inside its container.
struct ControlBox {
    std::string_view name;
    int left, top, width, height;
    QRect pixels() const { return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)); }
};

// A design name as the control's objectName.
inline QString designName(std::string_view name) { return QString::fromLatin1(name.data(), qsizetype(name.size())); }

// Position of a named row in a design table. Used where a constant is required, so a
// misspelt name stops the build.
template <typename Table>
consteval std::size_t designIndex(const Table& table, std::string_view name)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name)
            return i;
    throw "no row of that name in the design";
}
