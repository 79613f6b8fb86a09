#include <gtest/gtest.h>

#include <vector>

#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "model/Conversions.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/ManualTimerClock.h"

namespace {
constexpr int kEditId = 2568;
constexpr int kSpinId = 2569;
const Note kSpinCommand{WM_COMMAND, kSpinId, 0};

// A field and its spin (up arrow in the top half of a 16 x 24 spin) as the pages set them up:
// range first, then the field's display type.
class NumSpin : public testing::Test {
protected:
    void SetUp() override
    {
        m_pEdit = new CNumEdit;
        ASSERT_TRUE(m_pEdit->Create(m_host.Panel(), kEditId, wxRect(10, 10, 80, 24)));
        m_pSpin = new CNumSpin;
        ASSERT_TRUE(m_pSpin->Create(m_host.Panel(), kSpinId, wxRect(90, 10, 16, 24)));
        m_pSpin->SetBuddy(m_pEdit);
    }
    void Setup(int nMin, int nMax, int nDisplayType, int nValue, bool bTypeFirst = true)
    {
        if (bTypeFirst)
            m_pEdit->SetType(nDisplayType);
        m_pSpin->SetRange(nMin, nMax);
        if (!bTypeFirst)
            m_pEdit->SetType(nDisplayType);
        m_pSpin->SetPos(nValue);
        m_host.Take();
    }
    void PressArrow(bool bUp) { SendMouse(m_pSpin, wxEVT_LEFT_DOWN, wxPoint(8, bUp ? 4 : 20)); }
    void Release() { SendMouse(m_pSpin, wxEVT_LEFT_UP, wxPoint(8, 4)); }
    // A short click on an arrow.
    void Click(bool bUp)
    {
        PressArrow(bUp);
        Release();
    }
    std::vector<int> Walk(bool bUp, int nSteps)
    {
        std::vector<int> seen;
        for (int i = 0; i < nSteps; ++i) {
            Click(bUp);
            seen.push_back(m_pEdit->GetValue());
        }
        return seen;
    }

    CManualTimerClock m_clock;
    CControlHost m_host;
    CNumEdit* m_pEdit = nullptr;
    CNumSpin* m_pSpin = nullptr;
};
}  // namespace

TEST_F(NumSpin, HeldArrowTellsThePageEvery400MsAndAtTheRelease)
{
    Setup(0, 1000, 6, 100);
    PressArrow(true);
    EXPECT_EQ(m_pEdit->GetValue(), 101) << "the field follows at once";
    EXPECT_TRUE(m_host.Take().empty()) << "the page is told later";
    m_clock.Advance(399);
    EXPECT_TRUE(m_host.Take().empty());
    m_clock.Advance(1);
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kSpinCommand});
    // The arrow repeats by itself after 500 ms, every 50 ms: 11 steps up to 1000 ms.
    m_clock.Advance(600);
    EXPECT_EQ(m_pEdit->GetValue(), 112);
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kSpinCommand}) << "one notice at 800 ms";
    Release();
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kSpinCommand}) << "the steps since 800 ms";
    m_clock.Advance(2000);
    EXPECT_TRUE(m_host.Take().empty());
    EXPECT_EQ(m_pEdit->GetValue(), 112);
}

TEST_F(NumSpin, ALostCaptureEndsTheHoldAndTellsThePendingStep)
{
    Setup(0, 1000, 6, 100);
    PressArrow(true);
    wxMouseCaptureLostEvent lost(m_pSpin->GetId());
    lost.SetEventObject(m_pSpin);
    m_pSpin->ProcessWindowEvent(lost);
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kSpinCommand});
    m_clock.Advance(2000);
    EXPECT_TRUE(m_host.Take().empty()) << "no repeat after the hold ended";
    EXPECT_EQ(m_pEdit->GetValue(), 101);
}

TEST_F(NumSpin, HeldArrowAtTheEndOfTheRangeSendsNothing)
{
    Setup(0, 1000, 6, 1000);
    PressArrow(true);
    m_clock.Advance(1000);
    Release();
    EXPECT_TRUE(m_host.Take().empty());
    EXPECT_EQ(m_pEdit->GetValue(), 1000);
}

TEST_F(NumSpin, RatioStepsByTenthsThenByHalves)
{
    Setup(1, 191, 40, 9);
    EXPECT_EQ(Walk(true, 3), (std::vector<int>{10, 11, 16}));
    EXPECT_EQ(Walk(false, 3), (std::vector<int>{11, 6, 5}));
    EXPECT_EQ(m_pEdit->GetText(), "1.4:1");
}

TEST_F(NumSpin, FrequencyStepsAlongTheGrid)
{
    Setup(20, 20000, 8, 1000);
    EXPECT_EQ(Walk(true, 1), std::vector<int>{1030});
    m_pSpin->SetPos(1000);
    EXPECT_EQ(Walk(false, 1), std::vector<int>{972});
    m_pSpin->SetPos(19585);
    EXPECT_EQ(Walk(true, 1), std::vector<int>{20000});
    m_pSpin->SetPos(20);
    m_host.Take();
    EXPECT_EQ(Walk(false, 1), std::vector<int>{20});
    EXPECT_TRUE(m_host.Take().empty()) << "at the bottom nothing changes and nothing is sent";
}

TEST_F(NumSpin, SteppingTypeIsTheFieldsTypeWhenTheRangeIsSet)
{
    // The input page sets the range before the type: its frequency spin steps plainly.
    Setup(20, 20000, 4, 1000, false);
    EXPECT_EQ(Walk(true, 1), std::vector<int>{1001});
}

TEST_F(NumSpin, TypedTextIsTheStartOfTheNextStep)
{
    Setup(0, 1000, 0, 0);
    m_pEdit->SetType(4);
    SendFocus(m_pEdit, true);
    TypeText(m_pEdit, "500");
    Click(true);
    EXPECT_EQ(m_pEdit->GetValue(), 501);
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kSpinCommand});
}

TEST_F(NumSpin, DelayStepOfTheOverlayKeepsTheShownDistanceMoving)
{
    Setup(0, 259, 1, 0);
    m_pSpin->SetType(2);
    m_pSpin->Step(1);
    EXPECT_EQ(m_pEdit->GetValue(), DelayToCentimetres(0, 1));
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{kSpinCommand, {WM_NUMSPIN_DELTA, kSpinId, 1}}));
    m_pSpin->SetPos(2);
    m_pSpin->Step(1);
    EXPECT_EQ(m_pEdit->GetValue(), 3) << "2 steps show 1 cm, 3 show 2 cm";
    m_host.Take();
    m_pSpin->Step(-1);
    EXPECT_EQ(m_pEdit->GetValue(), DelayToCentimetres(3, -1));
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{kSpinCommand, {WM_NUMSPIN_DELTA, kSpinId, -1}}));
}

TEST_F(NumSpin, HeldDelayArrowStepsPlainlyAndPostsNoDelta)
{
    Setup(0, 259, 1, 10);
    m_pSpin->SetType(2);
    Click(true);
    EXPECT_EQ(m_pEdit->GetValue(), 11);
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kSpinCommand});
}

TEST_F(NumSpin, PositionOutsideTheRangeIsReportedAndLimited)
{
    m_pEdit->SetScale(1);
    m_pEdit->SetOffset(60);
    Setup(0, 66, 25, 10);
    CMessageBoxRecorder boxes;
    m_pSpin->SetPos(67);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Set Pos Error!");
    EXPECT_EQ(boxes.shown[0].code, -3);
    EXPECT_EQ(m_pSpin->GetPos(), 66);
    EXPECT_EQ(m_pEdit->GetText(), "6dB");
    EXPECT_TRUE(m_host.Take().empty());
}

TEST_F(NumSpin, SwitchedOffFieldDoesNotStep)
{
    Setup(0, 1000, 6, 100);
    m_pEdit->EnableWindow(false);
    Click(true);
    m_pSpin->ArrowKey(1);
    EXPECT_EQ(m_pEdit->GetValue(), 100);
    EXPECT_TRUE(m_host.Take().empty());
}

TEST_F(NumSpin, DrawsThePressedArrowSunken)
{
    Setup(0, 1000, 6, 100);
    const wxImage idle = DrawToImage(*m_pSpin);
    PressArrow(true);
    const wxImage pressed = DrawToImage(*m_pSpin);
    Release();
    EXPECT_NE(PixelAt(idle, 8, 2), PixelAt(pressed, 8, 2));
    EXPECT_EQ(PixelAt(idle, 8, 21), PixelAt(pressed, 8, 21)) << "the other arrow is unchanged";
}
