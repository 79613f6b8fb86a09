#include "res/Skins.h"

#include <wx/dcmemory.h>

#include <map>
#include <utility>

#include "model/StdAfx.h"

namespace {
std::map<int, SkinArt>& Catalog()
{
    static std::map<int, SkinArt> catalog;
    static bool bLoaded = false;
    if (!bLoaded) {
        bLoaded = true;
        ForEachProgramSkinTable(RegisterSkins);
    }
    return catalog;
}

std::map<std::pair<int, bool>, wxBitmap>& Cache()
{
    static std::map<std::pair<int, bool>, wxBitmap> cache;
    return cache;
}
}  // namespace

void RegisterSkins(std::span<const SkinArt> arts)
{
    auto& catalog = Catalog();
    for (const SkinArt& art : arts)
        catalog.emplace(art.nId, art);
}

const wxBitmap& LoadSkin(int nId, bool bChinese)
{
    auto& cache = Cache();
    const auto key = std::make_pair(nId, bChinese);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    const auto& catalog = Catalog();
    auto art = catalog.find(nId);
    if (art == catalog.end())
        return wxNullBitmap;
    wxBitmap bmp(art->second.cx, art->second.cy, 24);
    {
        wxMemoryDC dc(bmp);
        art->second.pfnPaint(dc, bmp.GetSize(), bChinese);
    }
    return cache[key] = bmp;
}

const wxBitmap& LoadSkin(int nId)
{
    return LoadSkin(nId, g_bChinese != 0);
}

void ReleaseSkins()
{
    Cache().clear();
}
