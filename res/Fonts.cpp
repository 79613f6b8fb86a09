#include "res/Fonts.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "model/StdAfx.h"
#include "res/Dpi.h"

namespace {
constexpr char kLatinFace[] = "Liberation Sans";
constexpr char kChineseFace[] = "WenQuanYi Micro Hei";

// Ratio of a face's cell height (ascent + descent) to its character height, measured once.
double CellRatio(const wxString& strFace)
{
    static std::map<wxString, double> ratios;
    if (auto it = ratios.find(strFace); it != ratios.end())
        return it->second;
    constexpr int kProbe = 100;
    wxFont probe(wxFontInfo(wxSize(0, kProbe)).FaceName(strFace));
    double ratio = 1.0;
    if (probe.IsOk()) {
        wxBitmap bmp(8, 8);
        wxMemoryDC dc(bmp);
        dc.SetFont(probe);
        const int nCell = dc.GetCharHeight();
        if (nCell > 0)
            ratio = double(nCell) / kProbe;
    }
    ratios[strFace] = ratio;
    return ratio;
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
    const wxString strFace = wxString::FromUTF8(SubstituteFace(szFace));
    int nPixels = nHeight < 0 ? -nHeight : nHeight;
    if (nHeight > 0)
        nPixels = std::max(1, int(nHeight / CellRatio(strFace) + 0.5));
    if (nPixels == 0)
        nPixels = PointsToPixels(9);
    wxFontInfo info(wxSize(0, nPixels));
    info.FaceName(strFace).Italic(bItalic);
    wxFont font(info);
    if (!font.IsOk())
        return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetNumericWeight(std::clamp(nWeight == 0 ? 400 : nWeight, 1, int(wxFONTWEIGHT_MAX)));
    return font;
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
