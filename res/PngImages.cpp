#include "res/PngImages.h"

#include <wx/graphics.h>

#include <cstring>
#include <map>
#include <memory>

namespace {
std::map<int, PngArt>& Catalog()
{
    static std::map<int, PngArt> catalog;
    static bool bLoaded = false;
    if (!bLoaded) {
        bLoaded = true;
        ForEachProgramPngTable(RegisterPngImages);
    }
    return catalog;
}

std::map<int, wxImage>& Cache()
{
    static std::map<int, wxImage> cache;
    return cache;
}
}  // namespace

void RegisterPngImages(std::span<const PngArt> arts)
{
    for (const PngArt& art : arts)
        Catalog().emplace(art.nId, art);
}

const wxImage& LoadPngImage(int nId)
{
    static const wxImage none;
    auto& cache = Cache();
    if (auto it = cache.find(nId); it != cache.end())
        return it->second;
    const auto art = Catalog().find(nId);
    if (art == Catalog().end())
        return none;
    wxImage image(art->second.cx, art->second.cy);
    image.InitAlpha();
    std::memset(image.GetAlpha(), 0, static_cast<std::size_t>(art->second.cx) * art->second.cy);
    {
        const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        if (gc)
            art->second.pfnPaint(*gc, image.GetSize());
    }
    return cache[nId] = image;
}
