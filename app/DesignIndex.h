#pragma once
#include <cstddef>
#include <string_view>

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
