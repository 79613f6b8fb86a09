#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <utility>
#include <vector>

#include "controls/ComBoxBtn.h"
#include "controls/DropBtn.h"
#include "controls/WndMessages.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "res/Fonts.h"
#include "res/SkinPaint.h"
#include "res/WinStyles.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/TestSkins.h"
#include "tests/ui/UiTestUtil.h"

namespace {
constexpr int kListId = 77;
constexpr int kButtonId = 3101;

class ComBoxBtn : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterTestSkins();
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "combo", wxPoint(40, 40), wxSize(300, 300));
        m_pPanel = new wxPanel(m_pFrame, wxID_ANY, wxPoint(0, 0), wxSize(300, 300));
        m_pFrame->Show();
        for (unsigned nMsg : {WM_DROPLIST_SELECT, WM_BUTTON_HOVER})
            BindMessage(m_pPanel, nMsg, [this, nMsg](WPARAM wParam, LPARAM lParam) {
                m_received.push_back({nMsg, {static_cast<long>(wParam), static_cast<long>(lParam)}});
                return LRESULT(0);
            });
        m_pCombo = new CComBoxBtn;
        ASSERT_TRUE(m_pCombo->Create(m_pPanel, kButtonId, wxRect(20, 20, 60, 20), BS_PUSHBUTTON));
        m_pCombo->SetBitmaps(kFaceNormal, kFaceHover);
        m_pCombo->SetDisabledBitmap(kFaceDisabled);
        const ComboTextLayout layout{2, 10, DT_CENTER};
        m_pCombo->SetTextLayout(&layout);
        m_pCombo->SetNullWhenDisabled(true);
        ASSERT_TRUE(m_pCombo->CreateDropList(m_pPanel, kListId));
        m_pCombo->ResetContent();
        for (const char* sz : {"LR", "BW", "BS", "Off"})
            m_pCombo->AddString(sz);
        m_pCombo->SetCurSel(0);
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
        g_bChinese = 0;
    }

    CDropListWnd& Popup() { return *m_pCombo->GetDropList(); }
    CDropListBox& List() { return *Popup().GetListBox(); }

    void Click()
    {
        wxMouseEvent down(wxEVT_LEFT_DOWN);
        down.SetPosition(wxPoint(10, 10));
        m_pCombo->ProcessWindowEvent(down);
    }
    void Wheel(int nRotation)
    {
        wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
        wheel.m_wheelRotation = nRotation;
        wheel.m_wheelDelta = 120;
        m_pCombo->ProcessWindowEvent(wheel);
        PumpPendingEvents();
    }
    std::vector<std::pair<long, long>> Received(unsigned nMsg) const
    {
        std::vector<std::pair<long, long>> params;
        for (const auto& [n, p] : m_received)
            if (n == nMsg)
                params.push_back(p);
        return params;
    }

    wxFrame* m_pFrame = nullptr;
    wxPanel* m_pPanel = nullptr;
    CComBoxBtn* m_pCombo = nullptr;
    std::vector<std::pair<unsigned, std::pair<long, long>>> m_received;
};
}  // namespace

TEST_F(ComBoxBtn, FirstClickOpensTheListUnderTheButtonAndTheNextClosesIt)
{
    EXPECT_EQ(m_pCombo->GetSize(), wxSize(kFaceWidth, kFaceHeight));  // the face's size
    EXPECT_FALSE(Popup().IsDropped());
    Click();
    ASSERT_TRUE(Popup().IsDropped());
    const wxRect rcButton(m_pCombo->ClientToScreen(wxPoint(0, 0)), m_pCombo->GetClientSize());
    const wxRect rcPopup = Popup().GetScreenRect();
    EXPECT_EQ(rcPopup.GetTop(), rcButton.GetBottom());
    EXPECT_EQ(rcPopup.GetLeft(), rcButton.GetLeft());
    EXPECT_EQ(rcPopup.GetHeight(), 4 * List().GetItemHeight() + 1);  // from the button's last line
    EXPECT_EQ(rcPopup.GetWidth(), kFaceWidth);  // as wide as the button when the list was made
    Click();
    EXPECT_FALSE(Popup().IsDropped());
}

TEST_F(ComBoxBtn, ChoiceInTheListShowsItAndPostsItToTheParent)
{
    Click();
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    click.SetPosition(wxPoint(10, 2 * List().GetItemHeight() + 2));
    List().ProcessWindowEvent(click);
    PumpPendingEvents();
    EXPECT_FALSE(Popup().IsDropped());
    EXPECT_EQ(m_pCombo->GetLabel(), "BS");
    EXPECT_EQ(m_pCombo->GetCurSel(), 2);
    EXPECT_EQ(List().GetPrevSel(), 2);
    EXPECT_EQ(Received(WM_DROPLIST_SELECT), (std::vector<std::pair<long, long>>{{kListId, 2}}));
}

TEST_F(ComBoxBtn, WheelStepsThroughTheItemsAndAnnouncesEachStep)
{
    Wheel(-120);
    EXPECT_EQ(m_pCombo->GetCurSel(), 1);
    EXPECT_EQ(m_pCombo->GetLabel(), "BW");
    m_pCombo->SetCurSel(3);
    Wheel(-120);  // at the last item: the same index again
    Wheel(120);
    EXPECT_EQ(Received(WM_DROPLIST_SELECT), (std::vector<std::pair<long, long>>{{kListId, 1}, {kListId, 3}, {kListId, 2}}));
}

TEST_F(ComBoxBtn, WheelOverAnEmptyListPostsNothing)
{
    m_pCombo->ResetContent();
    Wheel(-120);
    Wheel(120);
    EXPECT_TRUE(Received(WM_DROPLIST_SELECT).empty());
}

TEST_F(ComBoxBtn, DisabledButtonShowsNullAndEnablingShowsTheItemAgain)
{
    m_pCombo->SetCurSel(1);
    m_pCombo->EnableWindow(false);
    EXPECT_EQ(PixelAt(DrawToImage(*m_pCombo), kMarkerX, kMarkerY), FaceMarker(kFaceDisabled));
    m_pCombo->SetCurSel(2);
    EXPECT_EQ(m_pCombo->GetLabel(), "NULL");
    m_pCombo->EnableWindow(true);
    EXPECT_EQ(m_pCombo->GetLabel(), "BS");
    EXPECT_EQ(PixelAt(DrawToImage(*m_pCombo), kMarkerX, kMarkerY), FaceMarker(kFaceNormal));
}

TEST_F(ComBoxBtn, HoverShowsTheHoverFaceAndNotifiesWithTheListOpen)
{
    m_pCombo->SetHoverNotify(true);
    Click();
    ASSERT_TRUE(Popup().IsDropped());
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(wxPoint(12, 8));
    m_pCombo->ProcessWindowEvent(move);
    EXPECT_TRUE(m_pCombo->IsHover());
    EXPECT_EQ(PixelAt(DrawToImage(*m_pCombo), kMarkerX, kMarkerY), FaceMarker(kFaceHover));
    EXPECT_EQ(Received(WM_BUTTON_HOVER), (std::vector<std::pair<long, long>>{{-1, kButtonId}}));
    m_pCombo->ProcessWindowEvent(move);  // the same point again: no second notice
    EXPECT_EQ(Received(WM_BUTTON_HOVER).size(), 1u);
    wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
    m_pCombo->ProcessWindowEvent(leave);
    EXPECT_FALSE(m_pCombo->IsHover());
}

TEST_F(ComBoxBtn, PlainDropButtonTogglesItsListAndPostsTheChoice)
{
    auto* pDrop = new CDropBtn;
    ASSERT_TRUE(pDrop->Create(m_pPanel, wxRect(120, 20, 100, 22), wxNullColour, wxNullColour, wxNullColour,
                              wxNullColour, nullptr, 3102));
    CDropListBox& list = *pDrop->GetDropList()->GetListBox();
    list.AddString("One");
    list.AddString("Two");
    EXPECT_EQ(PixelAt(DrawToImage(*pDrop), 2, 2), wxColour(255, 217, 205));
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    pDrop->ProcessWindowEvent(down);
    ASSERT_TRUE(pDrop->GetDropList()->IsDropped());
    EXPECT_EQ(pDrop->GetDropList()->GetScreenRect().GetHeight(), 2 * list.GetItemHeight() + 1);
    wxMouseEvent pick(wxEVT_LEFT_DOWN);
    pick.SetPosition(wxPoint(10, list.GetItemHeight() + 2));
    list.ProcessWindowEvent(pick);
    PumpPendingEvents();
    EXPECT_EQ(pDrop->GetLabel(), "Two");
    EXPECT_EQ(Received(WM_DROPLIST_SELECT), (std::vector<std::pair<long, long>>{{3102, 1}}));
}

// Buttons and open lists on the page ground, in both languages, for a person to look at: the
// enabled and disabled faces where the buttons are, the chosen item's name on the enabled one in
// its language, and the highlighted row of the list.
TEST_F(ComBoxBtn, Screenshots)
{
    wxImage sheets[2];
    wxRect rcButton;
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese;
        m_pCombo->ResetContent();
        const char* items[] = {"Linkwitz-Riley", "Bessel", "Butterworth", "OFF"};
        const char* itemsCn[] = {"林克维茨", "贝塞尔", "巴特沃斯", "关"};
        for (int i = 0; i < 4; ++i)
            m_pCombo->AddString(wxString::FromUTF8(bChinese ? itemsCn[i] : items[i]));
        m_pCombo->SetFonts(LabelFont(13), LabelFont(13));
        m_pCombo->SetCurSel(2);

        wxBitmap sheet(260, 200, 24);
        wxMemoryDC dc(sheet);
        skin::PaintPageGround(dc, wxRect(0, 0, 260, 200));
        dc.DrawBitmap(wxBitmap(DrawToImage(*m_pCombo)), 10, 10);
        m_pCombo->EnableWindow(false);
        dc.DrawBitmap(wxBitmap(DrawToImage(*m_pCombo)), 130, 10);
        m_pCombo->EnableWindow(true);
        List().SetSize(kFaceWidth, 4 * List().GetItemHeight());
        List().SetSelection(1);
        wxBitmap list(List().GetClientSize());
        {
            wxMemoryDC listDc(list);
            List().Draw(listDc);
        }
        dc.DrawBitmap(list, 10, 10 + kFaceHeight - 1);
        dc.SelectObject(wxNullBitmap);
        const wxImage& shot = sheets[bChinese] = sheet.ConvertToImage();
        EXPECT_TRUE(SaveScreenshot(shot, bChinese ? "combo_button_cn" : "combo_button_en"));
        rcButton = wxRect(wxPoint(10, 10), m_pCombo->GetClientSize());
        const auto marker = [](int x) { return wxRect(x + kMarkerX - 1, 10 + kMarkerY - 1, 3, 3); };
        EXPECT_TRUE(ShowsColour(shot, marker(10), FaceMarker(kFaceNormal)));
        EXPECT_TRUE(ShowsColour(shot, marker(130), FaceMarker(kFaceDisabled)));
        EXPECT_TRUE(ShowsTextIn(shot, rcButton, *wxWHITE, 40, 2));
        EXPECT_TRUE(ShowsColour(shot, wxRect(wxPoint(10, 10 + kFaceHeight - 1), list.GetSize()), skin::kTeal, 0));
    }
    EXPECT_TRUE(DifferIn(sheets[0], sheets[1], rcButton));
}
