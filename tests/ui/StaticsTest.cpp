#include <wx/settings.h>

#include <cstring>
#include <thread>

#include "controls/FontStatic.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/SkinBackground.h"
#include "controls/SLamp.h"
#include "controls/SxGroupBox.h"
#include "res/WinStyles.h"
#include "tests/ui/ControlTestFixture.h"

namespace {
// Counts the pixels of a colour (within a small tolerance) in a rectangle.
int CountPixels(const wxImage& image, const wxRect& rc, const wxColour& colour, int nTolerance = 40)
{
    int n = 0;
    for (int y = rc.y; y < rc.GetBottom(); ++y)
        for (int x = rc.x; x < rc.GetRight(); ++x) {
            const wxColour c = PixelAt(image, x, y);
            n += std::abs(c.Red() - colour.Red()) + std::abs(c.Green() - colour.Green()) +
                     std::abs(c.Blue() - colour.Blue()) <=
                 nTolerance;
        }
    return n;
}

class CCountingLamp : public CSLamp {
public:
    int nDraws = 0;

protected:
    void DrawNow() override { ++nDraws; }
};

class CCountingStatic : public CTransparentStatic {
public:
    int nSets = 0;
    void SetLabel(const wxString& strLabel) override
    {
        ++nSets;
        CTransparentStatic::SetLabel(strLabel);
    }
};

class CRecordingLink : public CHyLink {
public:
    std::vector<wxString> opened;

protected:
    void OpenLink(const wxString& strTarget) override { opened.push_back(strTarget); }
};

// A page whose ground is a skin bitmap with a colour per quarter.
class CSkinnedPage : public wxPanel, public ISkinBackground {
public:
    explicit CSkinnedPage(wxWindow* pParent) : wxPanel(pParent, wxID_ANY, {0, 0}, {200, 200}), m_bmp(200, 200, 24)
    {
        wxMemoryDC dc(m_bmp);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(wxColour(10, 20, 30)));
        dc.DrawRectangle(0, 0, 200, 100);
        dc.SetBrush(wxBrush(wxColour(200, 100, 50)));
        dc.DrawRectangle(0, 100, 200, 100);
    }
    const wxBitmap& GetSkinBackground() const override { return m_bmp; }

private:
    wxBitmap m_bmp;
};
}  // namespace

TEST_F(ControlTest, StaticsOnAnInnerPanelPaintTheirSliceOfThePagesSkin)
{
    auto* pPage = new CSkinnedPage(m_pPanel);
    auto* pInner = new wxPanel(pPage, wxID_ANY, {20, 80}, {150, 100});
    auto* pStatic = new CTransparentStatic;
    pStatic->Create(pInner, 1894, wxRect(10, 10, 60, 20));  // page rows 90 to 109
    const wxImage image = DrawToImage(*pStatic);
    EXPECT_EQ(PixelAt(image, 5, 2), wxColour(10, 20, 30));
    EXPECT_EQ(PixelAt(image, 5, 15), wxColour(200, 100, 50));
}

TEST_F(ControlTest, FontStaticStyleChangesOnlyWithANewColour)
{
    auto* pLabel = Make<CFontStatic>(1433, wxRect(0, 0, 200, 24), "Data transmission");
    pLabel->SetFontStyle("", 20, *wxBLACK, 0x80);  // same colour: height only
    EXPECT_EQ(pLabel->GetFontSize(), 20);
    EXPECT_TRUE(pLabel->IsCentred());
    EXPECT_FALSE(pLabel->IsRightAligned());
    pLabel->SetFontStyle("", 18, wxColour(0, 0, 128), 0x80);
    EXPECT_TRUE(pLabel->IsRightAligned());
    EXPECT_FALSE(pLabel->IsCentred());

    pLabel->SetBkColor(wxColour(230, 230, 230));
    const wxImage image = DrawToImage(*pLabel);
    EXPECT_EQ(PixelAt(image, 1, 1), wxColour(230, 230, 230));
    EXPECT_GT(CountPixels(image, wxRect(100, 0, 100, 24), wxColour(0, 0, 128), 120), 5);  // right-aligned text
    EXPECT_EQ(CountPixels(image, wxRect(0, 0, 40, 24), wxColour(0, 0, 128), 120), 0);
}

TEST_F(ControlTest, FontStaticValueShowsTheOffsetValueWithItsSuffix)
{
    auto* pLabel = Make<CFontStatic>(1, wxRect(0, 0, 100, 20));
    pLabel->SetValueFormat(0, 0, 60, " dB");
    pLabel->SetValue(72);
    EXPECT_EQ(pLabel->GetLabel(), "12 dB");
}

TEST_F(ControlTest, TransparentStaticSetsTheSameTextOnce)
{
    auto* pStatic = new CCountingStatic;
    pStatic->Create(m_pPanel, 1875, wxRect(0, 0, 100, 20));
    const int nAtCreation = pStatic->nSets;
    pStatic->SetText("Device version ");
    pStatic->SetText("Device version ");
    EXPECT_EQ(pStatic->nSets - nAtCreation, 1);
}

TEST_F(ControlTest, HyperlinkTurnsRedUnderTheMouseAndOpensOnlyARealTarget)
{
    auto* pLink = new CRecordingLink;
    pLink->Create(m_pPanel, 1895, wxRect(0, 0, 180, 20), SS_LEFT, "https://www.tarvi.example");
    EXPECT_TRUE(pLink->GetCursor().IsSameAs(HandCursor()));
    Mouse(pLink, wxEVT_MOTION, {10, 10});
    EXPECT_TRUE(pLink->IsHovering());
    EXPECT_GT(CountPixels(DrawToImage(*pLink), wxRect(0, 0, 180, 20), wxColour(255, 0, 0), 60), 5);
    Mouse(pLink, wxEVT_MOTION, {300, 10});
    EXPECT_FALSE(pLink->IsHovering());
    EXPECT_FALSE(pLink->HasCapture());
    EXPECT_EQ(CountPixels(DrawToImage(*pLink), wxRect(0, 0, 180, 20), wxColour(255, 0, 0), 60), 0);

    Mouse(pLink, wxEVT_LEFT_UP, {10, 10});
    pLink->SetLabel("  ");
    Mouse(pLink, wxEVT_LEFT_UP, {10, 10});
    EXPECT_EQ(pLink->opened, std::vector<wxString>{"https://www.tarvi.example"});
}

TEST_F(ControlTest, MuteIndicatorShowsOffInRedOnGrey)
{
    auto* pMute = Make<CMuteStatic>(1, wxRect(0, 0, 60, 24));
    EXPECT_EQ(PixelAt(DrawToImage(*pMute), 1, 1), wxColour(100, 105, 109));
    pMute->SetState(false);
    const wxImage image = DrawToImage(*pMute);
    EXPECT_EQ(PixelAt(image, 1, 1), wxColour(200, 202, 205));
    EXPECT_GT(CountPixels(image, wxRect(0, 0, 60, 24), wxColour(255, 0, 0), 60), 5);
}

TEST_F(ControlTest, LampStripLightsByCodeAndDrawsOnlyChanges)
{
    auto* pLamp = new CCountingLamp;
    pLamp->Create(m_pPanel, 2010, wxRect(0, 0, 130, 14));
    pLamp->SetLevel(0x45);
    const int nDraws = pLamp->nDraws;
    EXPECT_EQ(nDraws, 1);
    pLamp->SetLevel(0x45);
    EXPECT_EQ(pLamp->nDraws, nDraws);

    // 130 pixels: lamps 10 wide, 11 apart; lamp i starts at 11 i.
    const wxImage image = DrawToImage(*pLamp);
    const wxColour green(0, 200, 51), unlit(102, 102, 102);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PixelAt(image, 11 * i + 5, 7), i < 5 ? green : unlit);
    }
    EXPECT_EQ(PixelAt(image, 11 * 9 + 5, 7), wxColour(255, 204, 74));
    EXPECT_EQ(PixelAt(image, 11 * 10 + 5, 7), unlit);
    EXPECT_EQ(PixelAt(image, 11 * 11 + 5, 7), unlit);  // the twelfth lamp, cut at the edge
    EXPECT_EQ(PixelAt(image, 10, 7), wxColour(127, 127, 127));  // the gap between lamps
    EXPECT_EQ(PixelAt(image, 5, 0), wxColour(127, 127, 127));   // the ground above the lamps

    pLamp->SetLevel(0x7C);  // bar code 12 keeps the bar; all three single lamps on
    pLamp->SetLevel(0x0C);  // and off again
    EXPECT_TRUE(pLamp->IsLit(4));
    EXPECT_FALSE(pLamp->IsLit(5));
    for (int i : {9, 10, 11})
        EXPECT_FALSE(pLamp->IsLit(i));
    pLamp->Clear();
    const int nAfterClear = pLamp->nDraws;
    pLamp->SetLevel(0);  // nothing changed, yet Clear leaves a repaint pending
    EXPECT_EQ(pLamp->nDraws, nAfterClear + 1);
}

// A strip whose lamps change draws them itself, at once: no window beneath it paints (under GTK 3
// a repaint would run every parent's paint), and the screen shows what the strip's paint draws.
TEST_F(ControlTest, LampStripDrawsItsChangesOnTheScreenWithoutAnyPaint)
{
    auto* pLamp = Make<CSLamp>(2010, wxRect(20, 20, 130, 14));
    int nPaints = 0;
    for (wxWindow* pWnd : std::initializer_list<wxWindow*>{m_pPanel, pLamp})
        pWnd->Bind(wxEVT_PAINT, [&nPaints](wxPaintEvent& event) {
            ++nPaints;
            event.Skip();
        });
    m_pFrame->Show();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    ASSERT_TRUE(SettleUntil([&] { return nPaints >= 2; }));  // the panel's first paint and the strip's
    for (const int nCode : {0x45, 0x7C, 0x03}) {
        SCOPED_TRACE(nCode);
        nPaints = 0;
        pLamp->SetLevel(nCode);
        Settle(50);  // a paint must not come
        EXPECT_EQ(nPaints, 0);
        const wxImage screen = ScreenPixels(*pLamp);
        const wxImage drawn = DrawToImage(*pLamp);
        ASSERT_EQ(screen.GetSize(), drawn.GetSize());
        EXPECT_EQ(std::memcmp(screen.GetData(), drawn.GetData(), std::size_t(drawn.GetWidth()) * drawn.GetHeight() * 3), 0);
    }
}

TEST_F(ControlTest, GroupBoxDisabledDrawsTheDefaultLinesAndNoCaption)
{
    auto* pGroup = Make<CSxGroupBox>(1, wxRect(0, 0, 200, 100), "Update");
    pGroup->SetLineColors(wxColour(255, 0, 0), wxColour(0, 0, 255));
    pGroup->SetTextColor(wxColour(0, 160, 0));
    const wxImage enabled = DrawToImage(*pGroup);
    EXPECT_GT(CountPixels(enabled, wxRect(0, 0, 200, 100), wxColour(255, 0, 0), 10), 100);
    EXPECT_GT(CountPixels(enabled, wxRect(0, 0, 80, 20), wxColour(0, 160, 0), 60), 3);

    pGroup->Disable();
    const wxImage disabled = DrawToImage(*pGroup);
    EXPECT_EQ(CountPixels(disabled, wxRect(0, 0, 200, 100), wxColour(255, 0, 0), 10), 0);
    EXPECT_EQ(CountPixels(disabled, wxRect(0, 0, 80, 20), wxColour(0, 160, 0), 60), 0);
    EXPECT_GT(CountPixels(disabled, wxRect(0, 0, 200, 100), wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW), 0), 100);
}

TEST_F(ControlTest, GroupBoxTakesOnlyKnownAlignmentsAndStyles)
{
    auto* pGroup = Make<CSxGroupBox>(1, wxRect(0, 0, 200, 100), "", BS_CENTER);
    EXPECT_EQ(pGroup->GetAlignment(), CSxGroupBox::kCentre);
    pGroup->SetAlignment(5);
    EXPECT_EQ(pGroup->GetAlignment(), CSxGroupBox::kLeft);
    pGroup->SetBoxStyle(99);
    EXPECT_EQ(pGroup->GetBoxStyle(), CSxGroupBox::kEtched);
    auto* pFramed = Make<CSxGroupBox>(2, wxRect(0, 0, 200, 100), "", 0, WS_EX_STATICEDGE);
    EXPECT_EQ(pFramed->GetBoxRect(), wxRect(1, 2, 197, 96));
}

namespace {
class ProgressBar : public ControlTest {
protected:
    CGradientProgressCtrl* MakeBar(int nWidth = 200, unsigned nStyle = 0)
    {
        auto* pBar = Make<CGradientProgressCtrl>(2777, wxRect(0, 0, nWidth, 20), "", nStyle);
        pBar->SetBkColor(wxColour(128, 128, 128));
        return pBar;
    }
    const wxColour m_grey{128, 128, 128};
};
}  // namespace

TEST_F(ProgressBar, AtTheLowerBoundShowsOnlyTheBackground)
{
    CGradientProgressCtrl* pBar = MakeBar();
    const wxImage image = DrawToImage(*pBar);
    EXPECT_EQ(CountPixels(image, wxRect(0, 0, 200, 20), m_grey, 0), 200 * 20 - 200 - 20 + 1);
    pBar->SetPos(-5);
    EXPECT_EQ(pBar->GetPos(), -5);
    EXPECT_EQ(PixelAt(DrawToImage(*pBar), 0, 0), m_grey);
}

TEST_F(ProgressBar, ClampsAtTheUpperBoundAndShowsAWholePercent)
{
    CGradientProgressCtrl* pBar = MakeBar();
    pBar->SetPos(150);
    EXPECT_EQ(pBar->GetPos(), 100);
    EXPECT_EQ(pBar->PercentText(), "100 %");
    pBar->SetPos(40);
    EXPECT_EQ(pBar->PercentText(), "40.00 %");
    pBar->SetRange(0, 3);
    pBar->SetPos(1);
    EXPECT_EQ(pBar->PercentText(), "33.33 %");
    pBar->SetPos(3);
    const wxImage image = DrawToImage(*pBar);
    // Bands are 200/255 pixels: band 0 has no pixel, band 1 covers x = 0, the last band x = 199.
    EXPECT_EQ(PixelAt(image, 0, 10), wxColour(254, 0, 1));
    EXPECT_EQ(PixelAt(image, 199, 10), wxColour(1, 0, 254));
}

TEST_F(ProgressBar, UncoversTheGradientUpToTheBandHoldingThePosition)
{
    CGradientProgressCtrl* pBar = MakeBar();
    pBar->SetRange(0, 4);
    pBar->SetPos(1);  // extent 50 of 200; 255 bands of 200/255 pixels
    const wxImage image = DrawToImage(*pBar);
    EXPECT_EQ(PixelAt(image, 0, 10), wxColour(254, 0, 1));
    EXPECT_NE(PixelAt(image, 49, 10), m_grey);
    EXPECT_NE(PixelAt(image, 50, 10), m_grey);  // band 63 spans 49.4 to 50.2: drawn whole
    EXPECT_EQ(PixelAt(image, 51, 10), m_grey);
    EXPECT_EQ(PixelAt(image, 150, 10), m_grey);
    const wxColour c = PixelAt(image, 25, 10);  // a quarter of the way from red to blue
    EXPECT_NEAR(c.Red(), 255 - 32, 3);
    EXPECT_NEAR(c.Blue(), 32, 3);
}

TEST_F(ProgressBar, AVerticalBarFillsFromTheTop)
{
    auto* pBar = Make<CGradientProgressCtrl>(1, wxRect(0, 0, 20, 200), "", PBS_VERTICAL);
    pBar->SetBkColor(m_grey);
    pBar->SetPos(50);
    const wxImage image = DrawToImage(*pBar);
    EXPECT_EQ(PixelAt(image, 10, 0), wxColour(254, 0, 1));
    EXPECT_EQ(PixelAt(image, 10, 190), m_grey);
}

TEST_F(ProgressBar, AWorkerMovesTheBarByPostingWithoutTouchingTheWindow)
{
    CGradientProgressCtrl* pBar = MakeBar();
    IProgressBar* pTarget = pBar;
    std::thread worker([pTarget] {
        for (int i = 1; i <= 30; ++i)
            pTarget->SetPos(i);
    });
    worker.join();
    EXPECT_EQ(pBar->GetPos(), 30);
    PumpPendingEvents();  // the posted repaints arrive on the UI thread
    EXPECT_NE(PixelAt(DrawToImage(*pBar), 20, 10), m_grey);
}
