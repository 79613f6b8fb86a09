#include "res/Skins.h"

#include <wx/dcmemory.h>

#include <map>
#include <utility>

#include "model/StdAfx.h"

namespace {
std::map<int, SkinSpec>& Catalog()
{
    static std::map<int, SkinSpec> catalog;
    static bool bLoaded = false;
    if (!bLoaded) {
        bLoaded = true;
        RegisterProgramSkins();
    }
    return catalog;
}

std::map<std::pair<int, bool>, wxBitmap>& Cache()
{
    static std::map<std::pair<int, bool>, wxBitmap> cache;
    return cache;
}
}  // namespace

void RegisterSkins(std::span<const SkinSpec> specs)
{
    auto& catalog = Catalog();
    for (const SkinSpec& spec : specs)
        catalog.emplace(spec.nId, spec);
}

const wxBitmap& LoadSkin(int nId, bool bChinese)
{
    auto& cache = Cache();
    const auto key = std::make_pair(nId, bChinese);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    const auto& catalog = Catalog();
    auto spec = catalog.find(nId);
    if (spec == catalog.end())
        return wxNullBitmap;
    wxBitmap bmp(spec->second.cx, spec->second.cy, 24);
    {
        wxMemoryDC dc(bmp);
        spec->second.pfnPaint(dc, bmp.GetSize(), bChinese);
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
