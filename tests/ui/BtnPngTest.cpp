#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/graphics.h>
#include <wx/panel.h>

#include <cstdlib>

#include "controls/BtnPng.h"
#include "controls/SkinBackground.h"
#include "model/StdAfx.h"
#include "res/Fonts.h"
#include "res/PngImages.h"
#include "res/SkinPaint.h"
#include "tests/ui/ManualTimerClock.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {
constexpr int kW = 60;
constexpr int kH = 30;
constexpr int kOpaqueX = 5;        // left third: opaque
constexpr int kHalfX = 30;         // middle third: half transparent
constexpr int kClearX = 55;        // right third: transparent
const wxColour kGround{27, 34, 50};

// Faces in three thirds (opaque, half transparent, clear), each in its own colour.
enum PngFace { kPngNormal = 65101, kPngHover, kPngPressed, kPngChecked, kPngCheckedHover, kPngCheckedPressed,
               kPngCnNormal, kPngLabelled, kPngLabelledHover, kPngLabelledChecked, kPngLabelledCn,
               kPngLabelledCnChecked };

wxColour FaceColour(int nFace)
{
    const int i = nFace - kPngNormal;
    return {static_cast<unsigned char>(40 + i * 30), static_cast<unsigned char>(220 - i * 25), 90};
}

template <int kFace>
void PaintThirds(wxGraphicsContext& gc, const wxSize& size)
{
    const wxColour c = FaceColour(kFace);
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(c));
    gc.DrawRectangle(0, 0, size.x / 3, size.y);
    gc.SetBrush(wxBrush(wxColour(c.Red(), c.Green(), c.Blue(), 128)));
    gc.DrawRectangle(size.x / 3, 0, size.x / 3, size.y);
}

// A face as the pages have them: a rounded teal or slate pill with a soft edge and a label.
void PaintLabelled(wxGraphicsContext& gc, const wxSize& size, bool bChecked, bool bHover, bool bChinese)
{
    const wxColour face = bChecked ? skin::kTeal : bHover ? wxColour(80, 96, 124) : wxColour(58, 70, 94);
    gc.SetPen(wxPen(wxColour(255, 255, 255, 60), 2));
    gc.SetBrush(wxBrush(wxColour(face.Red(), face.Green(), face.Blue(), 230)));
    gc.DrawRoundedRectangle(1, 1, size.x - 2, size.y - 2, size.y / 2 - 1);
    gc.SetFont(LabelFont(13, false, bChinese), *wxWHITE);
    const wxString label = wxString::FromUTF8(bChinese ? "输出1" : "OUT 1");
    double w = 0, h = 0;
    gc.GetTextExtent(label, &w, &h);
    gc.DrawText(label, (size.x - w) / 2, (size.y - h) / 2);
}

constexpr PngArt kFaces[] = {
    {kPngNormal, kW, kH, PaintThirds<kPngNormal>},
    {kPngHover, kW, kH, PaintThirds<kPngHover>},
    {kPngPressed, kW, kH, PaintThirds<kPngPressed>},
    {kPngChecked, kW, kH, PaintThirds<kPngChecked>},
    {kPngCheckedHover, kW, kH, PaintThirds<kPngCheckedHover>},
    {kPngCheckedPressed, kW, kH, PaintThirds<kPngCheckedPressed>},
    {kPngCnNormal, kW, kH, PaintThirds<kPngCnNormal>},
    {kPngLabelled, 80, 28, [](wxGraphicsContext& gc, const wxSize& s) { PaintLabelled(gc, s, false, false, false); }},
    {kPngLabelledHover, 80, 28, [](wxGraphicsContext& gc, const wxSize& s) { PaintLabelled(gc, s, false, true, false); }},
    {kPngLabelledChecked, 80, 28, [](wxGraphicsContext& gc, const wxSize& s) { PaintLabelled(gc, s, true, false, false); }},
    {kPngLabelledCn, 80, 28, [](wxGraphicsContext& gc, const wxSize& s) { PaintLabelled(gc, s, false, false, true); }},
    {kPngLabelledCnChecked, 80, 28, [](wxGraphicsContext& gc, const wxSize& s) { PaintLabelled(gc, s, true, false, true); }},
};

// A page whose ground is a skin of one colour (or the page gradient).
class CSkinPanel : public wxPanel, public ISkinBackground {
public:
    CSkinPanel(wxWindow* pParent, const wxSize& size) : wxPanel(pParent, wxID_ANY, {0, 0}, size) { Paint(kGround); }
    void Paint(const wxColour& colour)
    {
        m_bmp = wxBitmap(GetClientSize(), 24);
        wxMemoryDC dc(m_bmp);
        dc.SetBackground(wxBrush(colour));
        dc.Clear();
    }
    void PaintPage()
    {
        wxMemoryDC dc(m_bmp);
        skin::PaintPageGround(dc, wxRect(m_bmp.GetSize()));
    }
    const wxBitmap& GetSkinBackground() const override { return m_bmp; }

private:
    wxBitmap m_bmp;
};

bool Near(const wxColour& a, const wxColour& b)
{
    return std::abs(a.Red() - b.Red()) <= 3 && std::abs(a.Green() - b.Green()) <= 3 && std::abs(a.Blue() - b.Blue()) <= 3;
}

class BtnPng : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterPngImages(kFaces);
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "png", wxPoint(0, 0), wxSize(400, 200));
        m_pPanel = new CSkinPanel(m_pFrame, wxSize(400, 200));
        m_pButton = Make(20);
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
        g_bChinese = 0;
    }
    CBtnPng* Make(int x)
    {
        auto* pButton = new CBtnPng;
        pButton->Create(m_pPanel, 3200 + x, wxRect(x, 20, 10, 10));
        pButton->SetImages(kPngNormal, kPngHover, kPngPressed);
        pButton->SetCheckedImages(kPngChecked, kPngCheckedHover, kPngCheckedPressed);
        return pButton;
    }
    static wxColour At(CBtnPng& button, int x) { return PixelAt(DrawToImage(button), x, kH / 2); }

    CManualTimerClock m_clock;
    wxFrame* m_pFrame = nullptr;
    CSkinPanel* m_pPanel = nullptr;
    CBtnPng* m_pButton = nullptr;
};
}  // namespace

TEST_F(BtnPng, FaceIsBlendedOverTheSkinBeneathAndSizesTheButton)
{
    EXPECT_EQ(m_pButton->GetSize(), wxSize(kW, kH));
    const wxColour face = FaceColour(kPngNormal);
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), face));
    EXPECT_TRUE(Near(At(*m_pButton, kClearX), kGround));
    const wxColour half = At(*m_pButton, kHalfX);
    EXPECT_TRUE(Near(half, wxColour((face.Red() + kGround.Red()) / 2, (face.Green() + kGround.Green()) / 2,
                                    (face.Blue() + kGround.Blue()) / 2)))
        << half.GetAsString(wxC2S_CSS_SYNTAX);
}

TEST_F(BtnPng, HoverShowsAfterTheMouseRestsAndPartnersFollow)
{
    CBtnPng* pPartner = Make(200);
    m_pButton->SetPartners(pPartner, nullptr);
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(wxPoint(5, 5));
    m_pButton->ProcessWindowEvent(move);
    EXPECT_FALSE(m_pButton->GetHover());
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngNormal)));
    m_clock.Advance(1);
    EXPECT_TRUE(m_pButton->GetHover());
    EXPECT_TRUE(pPartner->GetHover());
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngHover)));
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    m_pButton->ProcessWindowEvent(down);
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngPressed)));
    wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
    m_pButton->ProcessWindowEvent(leave);
    EXPECT_FALSE(m_pButton->GetHover());
    EXPECT_FALSE(pPartner->GetHover());
}

TEST_F(BtnPng, UncheckingTakesTheHoverLookFromPartnersOnlyWhenTheFlagChanges)
{
    CBtnPng* pPartner = Make(200);
    m_pButton->SetPartners(pPartner, nullptr);
    pPartner->SetHover(true);
    m_pButton->SetCheck(false);  // already unchecked: nothing happens
    EXPECT_TRUE(pPartner->GetHover());
    m_pButton->SetCheck(true);
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngChecked)));
    m_pButton->SetCheck(false);
    EXPECT_FALSE(pPartner->GetHover());
}

TEST_F(BtnPng, DisabledWithoutDisabledFacesShowsTheCheckedPressedFace)
{
    m_pButton->Disable();
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngCheckedPressed)));
    m_pButton->SetCheck(true);
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngCheckedPressed)));
}

TEST_F(BtnPng, PicturesAreMadeOnceLanguageIsChosenAtEachDraw)
{
    m_pButton->SetImagesWithChinese(kPngCnNormal, 0, 0, 0, 0, 0);
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngNormal)));
    g_bChinese = 1;
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngCnNormal)));
    g_bChinese = 0;
    // A new ground and new images after the first paint leave the pictures as they were.
    m_pPanel->Paint(*wxWHITE);
    m_pButton->SetImages(kPngHover, kPngHover, kPngHover);
    EXPECT_TRUE(Near(At(*m_pButton, kClearX), kGround));
    EXPECT_TRUE(Near(At(*m_pButton, kOpaqueX), FaceColour(kPngNormal)));
}

TEST_F(BtnPng, ClickReachesTheParentAndHidingForgetsThePartners)
{
    int nClicked = 0;
    m_pPanel->Bind(wxEVT_BUTTON, [&](wxCommandEvent& event) { nClicked = event.GetId(); });
    wxMouseEvent down(wxEVT_LEFT_DOWN), up(wxEVT_LEFT_UP);
    up.SetPosition(wxPoint(3, 3));
    m_pButton->ProcessWindowEvent(down);
    m_pButton->ProcessWindowEvent(up);
    EXPECT_EQ(nClicked, m_pButton->GetId());

    CBtnPng* pPartner = Make(200);
    m_pButton->SetPartners(pPartner, nullptr);
    m_pButton->ShowWindow(0);
    pPartner->SetHover(true);
    m_pButton->SetCheck(true);
    m_pButton->SetCheck(false);
    EXPECT_TRUE(pPartner->GetHover());
    m_pButton->SetItemData(5);
    EXPECT_EQ(m_pButton->GetItemData(), 5);
}

// Labelled buttons (normal, hover, checked, disabled) on the page ground in both languages: the
// checked face teal, and each label drawn in its language inside the button.
TEST_F(BtnPng, Screenshots)
{
    const auto place = [](int i) { return wxRect(10 + i * 90, 20, 80, 28); };
    wxImage sheets[2];
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese;
        m_pPanel->PaintPage();
        wxBitmap sheet(m_pPanel->GetSkinBackground().GetSubBitmap(wxRect(0, 0, 380, 70)));
        wxMemoryDC dc(sheet);
        for (int i = 0; i < 4; ++i) {
            auto* pButton = new CBtnPng;
            pButton->Create(m_pPanel, 3300 + i, place(i));
            pButton->SetImages(kPngLabelled, kPngLabelledHover, kPngLabelledHover);
            pButton->SetCheckedImages(kPngLabelledChecked, kPngLabelledChecked, kPngLabelledChecked);
            pButton->SetImagesWithChinese(kPngLabelledCn, kPngLabelledCn, kPngLabelledCn, kPngLabelledCnChecked,
                                          kPngLabelledCnChecked, kPngLabelledCnChecked);
            pButton->SetCheck(i == 2);
            pButton->SetHover(i == 1);
            if (i == 3)
                pButton->Disable();
            dc.DrawBitmap(wxBitmap(DrawToImage(*pButton)), pButton->GetPosition());
        }
        dc.SelectObject(wxNullBitmap);
        sheets[bChinese] = sheet.ConvertToImage();
        EXPECT_TRUE(SaveScreenshot(sheets[bChinese], bChinese ? "png_buttons_cn" : "png_buttons_en"));
        EXPECT_TRUE(ShowsTextIn(sheets[bChinese], place(0), *wxWHITE, 40, 4));
        EXPECT_FALSE(ShowsColour(sheets[bChinese], place(0), skin::kTeal, 12));
        EXPECT_TRUE(ShowsColour(sheets[bChinese], place(2), skin::kTeal, 12));
    }
    EXPECT_TRUE(DifferIn(sheets[0], sheets[1], place(0)));
}
