#include <wx/settings.h>

#include "controls/BitButton.h"
#include "controls/ShowLink.h"
#include "controls/XPButton.h"
#include "controls/xSkinButton.h"
#include "platform/MessageIds.h"
#include "res/WinStyles.h"
#include "tests/ui/ControlTestFixture.h"
#include "tests/ui/ManualTimerClock.h"

namespace {
wxColour Marker(CDrawnControl& ctrl)
{
    return PixelAt(DrawToImage(ctrl), kMarkerX, kMarkerY);
}

class BitButton : public ControlTest {
protected:
    CBitButton* MakeButton(int nId = 2636)
    {
        auto* pButton = Make<CBitButton>(nId, wxRect(10, 10, 50, 20), "FL");
        pButton->SetBitmaps(kFaceNormal, kFaceHover, kFacePressed, kFaceChecked, kFaceCheckedHover,
                            kFaceCheckedPressed);
        pButton->SetDisabledBitmaps(kFaceDisabled, kFaceDisabledChecked);
        return pButton;
    }
    const wxPoint m_inside{20, 10};
    const wxPoint m_outside{200, 10};
};
}  // namespace

TEST_F(BitButton, ShowsTheFaceOfEachStateAndTakesItsSize)
{
    struct Case {
        const char* name;
        bool bChecked, bHover, bPressed, bEnabled;
        int nFace;
    };
    const Case cases[] = {
        {"normal", false, false, false, true, kFaceNormal},
        {"pressed without hover shows normal", false, false, true, true, kFaceNormal},
        {"hover", false, true, false, true, kFaceHover},
        {"pressed", false, true, true, true, kFacePressed},
        {"checked", true, false, false, true, kFaceChecked},
        {"checked hover", true, true, false, true, kFaceCheckedHover},
        {"checked pressed", true, true, true, true, kFaceCheckedPressed},
        {"disabled", false, true, false, false, kFaceDisabled},
        {"disabled checked", true, false, false, false, kFaceDisabledChecked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CBitButton* pButton = MakeButton();
        EXPECT_EQ(pButton->GetSize(), wxSize(kFaceWidth, kFaceHeight));
        pButton->SetCheck(c.bChecked);
        if (c.bPressed)
            Mouse(pButton, wxEVT_LEFT_DOWN, m_inside, true);
        if (c.bHover)
            Mouse(pButton, wxEVT_MOTION, m_inside, c.bPressed);
        pButton->Enable(c.bEnabled);
        EXPECT_EQ(Marker(*pButton), FaceMarker(c.nFace));
        pButton->Destroy();
    }
}

TEST_F(BitButton, WithoutCheckedFacesACheckedButtonLooksUnchecked)
{
    auto* pButton = Make<CBitButton>(1, wxRect(0, 0, 50, 20), "OK");
    pButton->SetBitmaps(kFaceNormal, kFaceHover, kFacePressed);
    pButton->SetCheck(true);
    EXPECT_EQ(Marker(*pButton), FaceMarker(kFaceNormal));
    Mouse(pButton, wxEVT_MOTION, {5, 5});
    EXPECT_EQ(Marker(*pButton), FaceMarker(kFaceHover));
}

TEST_F(BitButton, WithoutAFaceShowsTheButtonFaceColourWithItsText)
{
    auto* pButton = Make<CBitButton>(1, wxRect(0, 0, 80, 24), "OK");
    const wxImage image = DrawToImage(*pButton);
    EXPECT_EQ(PixelAt(image, 2, 2), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    EXPECT_EQ(pButton->GetSize(), wxSize(80, 24));
    bool bText = false;  // black text (the default colour) somewhere in the middle row band
    for (int x = 20; x < 60 && !bText; ++x)
        for (int y = 6; y < 18 && !bText; ++y)
            bText = PixelAt(image, x, y).GetLuminance() < 0.3;
    EXPECT_TRUE(bText);
}

TEST_F(BitButton, PressingAndDraggingOffShowsNormalAndDoesNotClick)
{
    CBitButton* pButton = MakeButton();
    Mouse(pButton, wxEVT_MOTION, m_inside);
    Mouse(pButton, wxEVT_LEFT_DOWN, m_inside, true);
    EXPECT_EQ(Marker(*pButton), FaceMarker(kFacePressed));
    Mouse(pButton, wxEVT_MOTION, m_outside, true);
    EXPECT_EQ(Marker(*pButton), FaceMarker(kFaceNormal));
    Mouse(pButton, wxEVT_LEFT_UP, m_outside);
    EXPECT_TRUE(m_clicks.empty());
}

TEST_F(BitButton, AClickTellsTheParentWithTheControlId)
{
    CBitButton* pButton = MakeButton(2743);
    Mouse(pButton, wxEVT_MOTION, m_inside);
    Mouse(pButton, wxEVT_LEFT_DOWN, m_inside, true);
    Mouse(pButton, wxEVT_LEFT_UP, m_inside);
    EXPECT_EQ(m_clicks, std::vector<int>{2743});
    EXPECT_FALSE(pButton->GetCheck());  // the button never checks itself
}

TEST_F(BitButton, HoverNoticeIsSentOncePerPointAndOnlyWhenAskedFor)
{
    Record({WM_BUTTON_HOVER});
    CBitButton* pButton = MakeButton(2815);
    Mouse(pButton, wxEVT_MOTION, m_inside);
    EXPECT_TRUE(m_messages.empty());

    pButton->SetHoverNotify(true);
    Mouse(pButton, wxEVT_MOTION, m_inside);
    Mouse(pButton, wxEVT_MOTION, m_inside);
    Mouse(pButton, wxEVT_MOTION, {21, 10}, true);
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_messages[0].lParam, 2815);
    EXPECT_EQ(m_messages[0].wParam, 0u);
    EXPECT_EQ(m_messages[1].wParam, MK_LBUTTON);
}

TEST_F(BitButton, PartnersFollowTheHoverAndAreForgottenWhenHidden)
{
    CBitButton* pButton = MakeButton(1);
    CBitButton* pFirst = MakeButton(3);
    CBitButton* pSecond = MakeButton(4);
    pButton->SetPartners(pFirst, pSecond);

    Mouse(pButton, wxEVT_MOTION, m_inside);
    EXPECT_TRUE(pFirst->GetHover());
    EXPECT_TRUE(pSecond->GetHover());
    pButton->SetCheck(true);  // checking leaves the partners' look alone
    EXPECT_TRUE(pFirst->GetHover());
    pButton->SetCheck(false);  // unchecking clears it
    EXPECT_FALSE(pFirst->GetHover());
    EXPECT_FALSE(pSecond->GetHover());

    pButton->ShowWindow(0);
    pButton->ShowWindow(1);
    Mouse(pButton, wxEVT_MOTION, m_inside);
    EXPECT_FALSE(pFirst->GetHover());
}

TEST_F(BitButton, ShowsTheHandCursor)
{
    EXPECT_TRUE(MakeButton()->GetCursor().IsSameAs(HandCursor()));
}

TEST_F(ControlTest, XPButtonDrawsNothingOfItsOwnWithAnEmptySetAndShowsTheOtherSet)
{
    m_pPanel->SetBackgroundColour(wxColour(1, 2, 3));
    auto* pButton = Make<CXPButton>(4001, wxRect(0, 0, 60, 28));
    pButton->SetBitmaps(0, 0, 0, kFaceNormal, kFaceHover, kFacePressed);
    EXPECT_TRUE(pButton->GetCheck());
    EXPECT_EQ(PixelAt(DrawToImage(*pButton), kMarkerX, kMarkerY), wxColour(1, 2, 3));
    pButton->SetCheck(false);
    EXPECT_EQ(Marker(*pButton), FaceMarker(kFaceNormal));
    Mouse(pButton, wxEVT_MOTION, {20, 10});
    EXPECT_EQ(Marker(*pButton), FaceMarker(kFaceHover));
}

// Controls whose timers run on a clock the test moves.
class TimedControl : public ControlTest {
protected:
    CManualTimerClock m_clock;
};

TEST_F(TimedControl, XPButtonNotifiesOncePerEntryAndRepeatsWhileHeld)
{
    Record({WM_BUTTON_HOVER, WM_BUTTON_REPEAT});
    auto* pButton = Make<CXPButton>(4002, wxRect(0, 0, 60, 28));
    pButton->SetBitmaps(kFaceChecked, kFaceCheckedHover, kFaceCheckedPressed, kFaceNormal, kFaceHover, kFacePressed);
    pButton->SetHoverNotify(true);
    for (int x : {10, 11, 12})
        Mouse(pButton, wxEVT_MOTION, {x, 10});
    Mouse(pButton, wxEVT_LEAVE_WINDOW, {100, 10});
    Mouse(pButton, wxEVT_MOTION, {13, 10});
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_messages[1].lParam, 4002);

    m_messages.clear();
    pButton->SetAutoRepeat(true);
    Mouse(pButton, wxEVT_LEFT_DOWN, {13, 10}, true);
    m_clock.Advance(300);  // a repeat every 80 ms
    PumpPendingEvents();   // the repeats are posted
    Mouse(pButton, wxEVT_LEFT_UP, {13, 10});
    const size_t nRepeats = m_messages.size();
    ASSERT_EQ(nRepeats, 3u);
    for (size_t i = 0; i < nRepeats; ++i) {
        EXPECT_EQ(m_messages[i].nMsg, WM_BUTTON_REPEAT);
        EXPECT_EQ(m_messages[i].wParam, 4002u);
        EXPECT_EQ(m_messages[i].lParam, LPARAM(i + 1));
    }
    m_clock.Advance(200);  // released: no more repeats
    PumpPendingEvents();
    EXPECT_EQ(m_messages.size(), nRepeats);
    EXPECT_EQ(m_clicks, std::vector<int>{4002});
}

TEST_F(ControlTest, SkinnedRadioButtonClearsTheOthersOfItsGroup)
{
    auto* pFirst = Make<CxSkinButton>(10, wxRect(0, 0, 40, 20), "A", BS_AUTORADIOBUTTON | WS_GROUP);
    auto* pSecond = Make<CxSkinButton>(11, wxRect(50, 0, 40, 20), "B", BS_AUTORADIOBUTTON);
    auto* pOtherGroup = Make<CxSkinButton>(12, wxRect(100, 0, 40, 20), "C", BS_AUTORADIOBUTTON | WS_GROUP);
    pFirst->SetCheck(true);
    pOtherGroup->SetCheck(true);
    PumpPendingEvents();
    Mouse(pSecond, wxEVT_LEFT_DOWN, {5, 5}, true);
    Mouse(pSecond, wxEVT_LEFT_UP, {5, 5});
    PumpPendingEvents();
    EXPECT_TRUE(pSecond->GetCheck());
    EXPECT_FALSE(pFirst->GetCheck());
    EXPECT_TRUE(pOtherGroup->GetCheck());
    EXPECT_EQ(m_clicks, std::vector<int>{11});
}

TEST_F(ControlTest, SkinnedButtonsToggleWithSpaceAndPushButtonsNeverCheck)
{
    auto* pCheck = Make<CxSkinButton>(20, wxRect(0, 0, 40, 20), "", BS_AUTOCHECKBOX);
    Key(pCheck, wxEVT_KEY_UP, WXK_SPACE);
    EXPECT_TRUE(pCheck->GetCheck());
    Key(pCheck, wxEVT_KEY_UP, WXK_SPACE);
    EXPECT_FALSE(pCheck->GetCheck());
    auto* pPush = Make<CxSkinButton>(21, wxRect(0, 0, 40, 20));
    pPush->SetCheck(true);
    EXPECT_FALSE(pPush->GetCheck());
}

TEST_F(ControlTest, SkinnedButtonMaskCutsItsShape)
{
    auto* pButton = Make<CxSkinButton>(22, wxRect(0, 0, 40, 40));
    pButton->SetSkin(kFaceSmall, kFaceSmall, kFaceSmall, 0, 0, kMaskRound, CxSkinButton::kNormal);
    EXPECT_EQ(pButton->GetSize(), wxSize(40, 40));
    EXPECT_EQ(pButton->GetShape().Contains(20, 20), wxInRegion);
    EXPECT_EQ(pButton->GetShape().Contains(1, 1), wxOutRegion);
    Mouse(pButton, wxEVT_LEFT_DOWN, {1, 1}, true);  // the corner is outside the button
    Mouse(pButton, wxEVT_LEFT_UP, {1, 1});
    EXPECT_TRUE(m_clicks.empty());
    Mouse(pButton, wxEVT_LEFT_DOWN, {20, 20}, true);
    Mouse(pButton, wxEVT_LEFT_UP, {20, 20});
    EXPECT_EQ(m_clicks, std::vector<int>{22});
}

TEST_F(TimedControl, LinkFieldBlinksItsTextBetweenTheOffColourAndRed)
{
    auto* pLink = Make<CShow_Link>(1001, wxRect(0, 0, 160, 24), "Connected device");
    auto countRed = [&] {
        const wxImage image = DrawToImage(*pLink);
        int n = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 160; ++x)
                n += PixelAt(image, x, y).Red() > 200 && PixelAt(image, x, y).Green() < 60;
        return n;
    };
    EXPECT_EQ(PixelAt(DrawToImage(*pLink), 1, 1), wxColour(73, 72, 72));
    EXPECT_EQ(countRed(), 0);
    pLink->StartBlink();
    m_clock.Advance(1000);
    EXPECT_EQ(countRed(), 0);
    m_clock.Advance(1);  // one tick of the 1001 ms timer: the on phase
    EXPECT_GT(countRed(), 10);
    pLink->StopBlink();
    EXPECT_EQ(countRed(), 0);
}
