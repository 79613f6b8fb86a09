#include "res/PngImages.h"

#include <wx/graphics.h>

#include <cstring>
#include <map>
#include <memory>

namespace {
std::map<int, PngSpec>& Catalog()
{
    static std::map<int, PngSpec> catalog;
    return catalog;
}

std::map<int, wxImage>& Cache()
{
    static std::map<int, wxImage> cache;
    return cache;
}
}  // namespace

void RegisterPngImages(std::span<const PngSpec> specs)
{
    for (const PngSpec& spec : specs)
        Catalog().emplace(spec.nId, spec);
}

const wxImage& LoadPngImage(int nId)
{
    static const wxImage none;
    auto& cache = Cache();
    if (auto it = cache.find(nId); it != cache.end())
        return it->second;
    const auto spec = Catalog().find(nId);
    if (spec == Catalog().end())
        return none;
    wxImage image(spec->second.cx, spec->second.cy);
    image.InitAlpha();
    std::memset(image.GetAlpha(), 0, static_cast<std::size_t>(spec->second.cx) * spec->second.cy);
    {
        const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        if (gc)
            spec->second.pfnPaint(*gc, image.GetSize());
    }
    return cache[nId] = image;
}
