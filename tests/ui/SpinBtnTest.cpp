#include <gtest/gtest.h>

#include <wx/dc.h>

#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/SpinBtn.h"
#include "res/Skins.h"
#include "res/WinStyles.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/ManualTimerClock.h"
#include "tests/ui/TestSkins.h"

namespace {
constexpr int kEditId = 6100;
constexpr int kOverlayId = 6101;
constexpr int kSpinId = 6102;
enum KnobFace { kIdle = 65301, kLeftHot, kActive, kRightHot };
const wxColour kIdleColour(40, 40, 40);
const wxColour kLeftColour(200, 0, 0);
const wxColour kActiveColour(0, 0, 200);
const wxColour kRightColour(0, 200, 0);

// 110 pixels wide: arrow zones of 20 pixels at both ends.
constexpr SkinArt kKnobSkins[] = {
    {kIdle, 110, 20, PaintSolidFace<kIdleColour>},
    {kLeftHot, 110, 20, PaintSolidFace<kLeftColour>},
    {kActive, 110, 20, PaintSolidFace<kActiveColour>},
    {kRightHot, 110, 20, PaintSolidFace<kRightColour>},
};
const wxPoint kLeft(5, 10);
const wxPoint kMiddle(55, 10);
const wxPoint kRight(105, 10);

// A read-only delay field in centimetres with its knob overlay, stepping a hidden delay spin.
class SpinBtn : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkins(kKnobSkins);
        m_pEdit = new CNumEdit;
        ASSERT_TRUE(m_pEdit->Create(m_host.Panel(), kEditId, wxRect(10, 10, 110, 20)));
        m_pSpin = new CNumSpin;
        ASSERT_TRUE(m_pSpin->Create(m_host.Panel(), kSpinId, wxRect(120, 10, 16, 20)));
        m_pSpin->SetBuddy(m_pEdit);
        m_pEdit->SetType(0);
        m_pSpin->SetRange(0, 259);
        m_pSpin->SetType(2);
        m_pEdit->CreateSpinOverlay(kOverlayId);
        m_pEdit->SetOverlaySpin(kSpinId, m_pSpin);
        m_pOverlay = &m_pEdit->GetSpinOverlay();
        m_pOverlay->SetBitmaps(kIdle, kLeftHot, kActive, kRightHot);
        m_pEdit->SetReadOnly(true);
        m_pSpin->SetPos(100);
        SendFocus(m_pEdit, true);
        m_host.Take();
    }
    void Move(wxPoint pt) { SendMouse(m_pOverlay, wxEVT_MOTION, pt, true); }
    void Press(wxPoint pt) { SendMouse(m_pOverlay, wxEVT_LEFT_DOWN, pt); }
    void Release(wxPoint pt) { SendMouse(m_pOverlay, wxEVT_LEFT_UP, pt); }
    int Value() { return m_pEdit->GetValue(); }

    CManualTimerClock m_clock;
    CControlHost m_host;
    CNumEdit* m_pEdit = nullptr;
    CNumSpin* m_pSpin = nullptr;
    CSpinBtn* m_pOverlay = nullptr;
};
}  // namespace

TEST_F(SpinBtn, OverlayCoversTheFieldAndShowsItsText)
{
    EXPECT_TRUE(m_pOverlay->IsShown());
    EXPECT_EQ(m_pOverlay->GetSize(), wxSize(110, 20));
    EXPECT_EQ(m_pOverlay->GetLabel(), "2.083");
    EXPECT_TRUE(m_pOverlay->IsActive());
    EXPECT_EQ(m_pOverlay->GetZone(), ZONE_MIDDLE);
}

TEST_F(SpinBtn, HeldRightZoneStepsEvery100MsOnceThePointerRests)
{
    Move(kRight);
    Press(kRight);
    m_host.Take();
    m_clock.Advance(1000);  // the pointer rests: the hover comes after 1000 ms
    EXPECT_EQ(Value(), 100) << "no step yet";
    m_clock.Advance(100);
    EXPECT_EQ(Value(), 101);
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{{WM_COMMAND, kSpinId, 0}, {WM_NUMSPIN_DELTA, kSpinId, 1}}))
        << "each step tells the page and posts the step for the linked delays";
    m_clock.Advance(300);
    EXPECT_EQ(Value(), 104);
    Release(kRight);
    m_clock.Advance(1000);
    EXPECT_EQ(Value(), 104);
}

TEST_F(SpinBtn, PressTellsTheFieldsPageOfAClick)
{
    Press(kMiddle);
    Release(kMiddle);
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{{WM_COMMAND, kEditId, 0}}));
}

TEST_F(SpinBtn, MovingWhileHeldStartsAtOnceAndSlidingReversesTheDirection)
{
    Press(kMiddle);
    Move(kRight);
    EXPECT_EQ(m_pOverlay->GetZone(), ZONE_RIGHT);
    m_clock.Advance(101);  // hover 1 ms after the move, first step 100 ms later
    EXPECT_EQ(Value(), 101);
    Move(kLeft);  // the pointer rests again 1 ms later and the repeat restarts
    m_clock.Advance(200);
    EXPECT_EQ(Value(), 100) << "the next tick steps the other way";
    Move(wxPoint(200, 50));
    EXPECT_EQ(m_pOverlay->GetZone(), ZONE_MIDDLE) << "outside every zone: no step";
    m_clock.Advance(300);
    EXPECT_EQ(Value(), 100);
    Release(wxPoint(200, 50));
}

TEST_F(SpinBtn, ShortClickAndTheMiddleZoneNeverStep)
{
    Press(kRight);
    m_clock.Advance(50);
    Release(kRight);
    Press(kMiddle);
    m_clock.Advance(3000);
    Release(kMiddle);
    m_clock.Advance(1000);
    EXPECT_EQ(Value(), 100);
}

TEST_F(SpinBtn, ReleaseOutsideStopsTheRepeat)
{
    Move(kLeft);
    Press(kLeft);
    m_clock.Advance(1100);
    EXPECT_EQ(Value(), 99);
    Release(wxPoint(-40, 60));
    m_clock.Advance(1000);
    EXPECT_EQ(Value(), 99);
}

TEST_F(SpinBtn, DoubleClickStepsOnce)
{
    Move(kRight);
    SendMouse(m_pOverlay, wxEVT_LEFT_DCLICK, kRight);
    Release(kRight);
    EXPECT_EQ(Value(), 101);
}

TEST_F(SpinBtn, InactiveOverlayShowsTheIdleFaceAndIgnoresStepping)
{
    SendFocus(m_pEdit, false);
    EXPECT_FALSE(m_pOverlay->IsActive());
    EXPECT_EQ(PixelAt(DrawToImage(*m_pOverlay), 2, 2), kIdleColour);
    Move(kRight);
    SendMouse(m_pOverlay, wxEVT_LEFT_DCLICK, kRight);
    Release(kRight);
    EXPECT_EQ(Value(), 100);
    m_host.Take();
}

TEST_F(SpinBtn, FaceFollowsTheZoneUnderThePointer)
{
    EXPECT_EQ(PixelAt(DrawToImage(*m_pOverlay), 2, 2), kActiveColour);
    Move(kLeft);
    EXPECT_EQ(PixelAt(DrawToImage(*m_pOverlay), 2, 2), kLeftColour);
    Move(kRight);
    EXPECT_EQ(PixelAt(DrawToImage(*m_pOverlay), 2, 2), kRightColour);
    SendMouse(m_pOverlay, wxEVT_LEAVE_WINDOW, wxPoint(200, 50));
    EXPECT_EQ(PixelAt(DrawToImage(*m_pOverlay), 2, 2), kActiveColour);
}
