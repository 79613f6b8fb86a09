#pragma once
// Skins: the program's bitmap faces by resource id. Each is drawn by our own code the first time
// it is asked for, at its own size and in the language asked for, and kept for the rest of the
// run by (id, language). Areas describe their faces in tables of SkinArt; SkinCatalog.cpp lists
// the tables of the program. Faces share one palette and one set of shapes (SkinPaint.h).
#include <algorithm>
#include <array>
#include <functional>
#include <span>

#include <wx/bitmap.h>

class wxDC;

struct SkinArt {
    int nId;
    int cx;
    int cy;
    // Paints the whole face into dc (0, 0, cx, cy).
    void (*pfnPaint)(wxDC& dc, const wxSize& size, bool bChinese);
};

// One table made of several, in their order.
template <std::size_t... n>
constexpr auto JoinSkinTables(const std::array<SkinArt, n>&... parts)
{
    std::array<SkinArt, (n + ...)> all{};
    std::size_t i = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(i)), i += n), ...);
    return all;
}

// The face in the current language; a null bitmap (IsOk() false) for an unknown id.
const wxBitmap& LoadSkin(int nId);
const wxBitmap& LoadSkin(int nId, bool bChinese);

// Adds faces to the catalog (the program's tables are added before the first look-up). An id
// that is already known keeps its first description.
void RegisterSkins(std::span<const SkinArt> arts);

// Takes one table of faces.
using SkinTableSink = std::function<void(std::span<const SkinArt>)>;

// Hands each of the program's own tables to take, in the order they are registered
// (SkinCatalog.cpp); every id stands in one of them once.
void ForEachProgramSkinTable(const SkinTableSink& take);

// Drops every drawn face (at exit, and on nothing else).
void ReleaseSkins();
