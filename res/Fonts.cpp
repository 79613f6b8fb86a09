#include "res/Fonts.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

#include "model/StdAfx.h"
#include "res/Dpi.h"

namespace {
constexpr char kLatinFace[] = "Liberation Sans";
constexpr char kChineseFace[] = "WenQuanYi Micro Hei";

// The cell height (ascent + descent) of a font, in pixels.
int CellHeight(const wxFont& font)
{
    wxBitmap bmp(8, 8);
    wxMemoryDC dc(bmp);
    dc.SetFont(font);
    return dc.GetCharHeight();
}

double PixelsToPoints(double pixels)
{
    return pixels * 72.0 / kScreenDpi;
}
}  // namespace

const char* SubstituteFace(const char* szFace)
{
    static const char* const chineseFaces[] = {"宋体", "SimSun", "新宋体", "NSimSun", "黑体", "SimHei"};
    for (const char* szChinese : chineseFaces)
        if (szFace != nullptr && std::strcmp(szFace, szChinese) == 0)
            return kChineseFace;
    return kLatinFace;
}

wxFont MakeFont(const char* szFace, int nHeight, int nWeight, bool bItalic)
{
    static std::map<std::tuple<std::string, int, int, bool>, wxFont> fonts;
    const auto key = std::make_tuple(std::string(szFace != nullptr ? szFace : ""), nHeight, nWeight, bItalic);
    if (auto it = fonts.find(key); it != fonts.end())
        return it->second;

    const int nPixels = nHeight == 0 ? PointsToPixels(9) : std::abs(nHeight);
    wxFontInfo info(PixelsToPoints(nPixels));
    info.FaceName(wxString::FromUTF8(SubstituteFace(szFace))).Italic(bItalic);
    wxFont font(info);
    if (!font.IsOk())
        return fonts[key] = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetNumericWeight(std::clamp(nWeight == 0 ? 400 : nWeight, 1, int(wxFONTWEIGHT_MAX)));
    // A cell height: scale the size until the cell fits, as a Windows font of that height does.
    for (int i = 0; nHeight > 0 && i < 3; ++i) {
        const int nCell = CellHeight(font);
        if (nCell <= nHeight && nCell >= nHeight - 1)
            break;
        font.SetFractionalPointSize(font.GetFractionalPointSize() * (nHeight - 0.5) / std::max(1, nCell));
    }
    return fonts[key] = font;
}

wxFont MakePointFont(const char* szFace, int nTenthsOfPoint, int nWeight, bool bItalic)
{
    return MakeFont(szFace, -((nTenthsOfPoint * kScreenDpi + 360) / 720), nWeight, bItalic);
}

wxFont LabelFont(int nPixels, bool bBold, bool bChinese)
{
    return MakeFont(bChinese ? "宋体" : "Arial", -nPixels, bBold ? 700 : 400);
}

wxFont LabelFont(int nPixels, bool bBold)
{
    return LabelFont(nPixels, bBold, g_bChinese != 0);
}
