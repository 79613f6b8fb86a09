// A line of text laid out once draws the very pixels, and gives the very size, the DC's own
// DrawText and GetTextExtent give: for Latin and Chinese text, plain, bold, italic and underlined
// fonts, any colour, a clip box that cuts the text, and text of two lines.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include "controls/TextLayout.h"
#include "res/Fonts.h"
#include "tests/ui/UiTestUtil.h"

namespace {
constexpr int kWidth = 160;
constexpr int kHeight = 24;

struct Case {
    const char* szText;
    int nWeight;
    bool bItalic;
    bool bUnderlined;
    wxColour colour;
    wxRect rcClip;
    wxPoint at;
};

// The text drawn by draw(dc) on a light ground, with the case's font and colour set on the DC.
template <typename DrawFn>
wxImage Drawn(const Case& c, DrawFn draw)
{
    wxBitmap bmp(kWidth, kHeight, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(wxBrush(wxColour(240, 238, 230)));
        dc.Clear();
        wxFont font = MakeFont("Arial", 13, c.nWeight, c.bItalic);
        font.SetUnderlined(c.bUnderlined);
        dc.SetFont(font);
        dc.SetTextForeground(c.colour);
        draw(dc);
    }
    return bmp.ConvertToImage();
}
}  // namespace

TEST(TextLayout, DrawsAndMeasuresAsTheDcDoes)
{
    const Case cases[] = {
        {"Rock Jazz 123", 400, false, false, *wxBLACK, {0, 0, kWidth, kHeight}, {2, 3}},
        {"流行 音乐 Ágy", 700, false, false, wxColour(200, 10, 10), {0, 0, kWidth, kHeight}, {5, 0}},
        {"Wij gy Hall Club Room Talk Live", 400, true, false, wxColour(0, 90, 200), {10, 2, 70, 15}, {4, 1}},
        {"Preset 7 流行", 400, false, true, wxColour(20, 120, 20), {30, 0, 60, kHeight}, {20, 4}},
        {"Two\nlines", 400, false, false, *wxBLACK, {0, 0, kWidth, kHeight}, {2, -4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szText);
        const wxString strText = wxString::FromUTF8(c.szText);
        wxSize dcSize;
        wxSize textSize;
        const wxImage byDc = Drawn(c, [&](wxDC& dc) {
            dcSize = dc.GetTextExtent(strText);
            wxDCClipper clipper(dc, c.rcClip);
            dc.DrawText(strText, c.at);
        });
        const wxImage byText = Drawn(c, [&](wxDC& dc) {
            CTextLayout text(dc, strText);
            textSize = text.GetSize();
            text.Draw(c.rcClip, c.at.x, c.at.y);
        });
        EXPECT_EQ(textSize, dcSize);
        int nInk = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                ASSERT_EQ(PixelAt(byText, x, y), PixelAt(byDc, x, y)) << "at " << x << ", " << y;
                nInk += PixelAt(byDc, x, y) != wxColour(240, 238, 230);
            }
        EXPECT_GT(nInk, 20);
    }
}
