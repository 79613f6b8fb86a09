#include <gtest/gtest.h>

#include <wx/dc.h>

#include "controls/BitmapSlider.h"
#include "controls/NumEdit.h"
#include "res/Skins.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/ManualTimerClock.h"
#include "tests/ui/TestSkins.h"

namespace {
constexpr int kSliderId = 2570;
enum FaderFace { kChannel = 65201, kActiveChannel, kThumb, kActiveThumb, kDisabledThumb };
const wxColour kSeeThrough(255, 0, 255);
const wxColour kChannelColour(60, 60, 60);
const wxColour kActiveChannelColour(60, 60, 160);
const wxColour kThumbColour(200, 50, 50);
const wxColour kActiveThumbColour(50, 200, 50);
const wxColour kDisabledThumbColour(120, 120, 120);

// A thumb on a see-through ground: its corner pixel names the see-through colour.
template <const wxColour& kColour>
void Thumb(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(kSeeThrough));
    dc.Clear();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kColour));
    dc.DrawRectangle(2, 0, size.x - 4, size.y);
}

constexpr SkinArt kFaderSkins[] = {
    {kChannel, 20, 120, PaintSolidFace<kChannelColour>},
    {kActiveChannel, 20, 120, PaintSolidFace<kActiveChannelColour>},
    {kThumb, 20, 10, Thumb<kThumbColour>},
    {kActiveThumb, 20, 10, Thumb<kActiveThumbColour>},
    {kDisabledThumb, 20, 10, Thumb<kDisabledThumbColour>},
};

Note Moving(int nRaw)
{
    return {WM_SLIDER_MOVING, kSliderId, nRaw};
}
Note Moved(int nRaw)
{
    return {WM_SLIDER_MOVED, kSliderId, nRaw};
}

// A level fader of 0..100: 120-pixel channel, 10-pixel thumb, margins of 5 at top and bottom,
// so the thumb's centre sits at pixel 10 + raw position.
class BitmapSlider : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkins(kFaderSkins);
        m_pSlider = new CBitmapSlider;
        ASSERT_TRUE(m_pSlider->Create(m_host.Panel(), kSliderId, wxRect(10, 10, 30, 30)));
        ASSERT_TRUE(m_pSlider->SetBitmapChannel(kChannel, kChannel));
        ASSERT_TRUE(m_pSlider->SetBitmapThumb(kThumb, kActiveThumb, true, kClrFromPixel, 0, 0));
        m_pSlider->SetRange(0, 100);
        m_pSlider->SetMargin(0, 5, 0, 5);
        m_pSlider->SetPos(50);
        m_host.Take();
    }
    void Press(int y) { SendMouse(m_pSlider, wxEVT_LEFT_DOWN, wxPoint(10, y)); }
    void DragTo(int y) { SendMouse(m_pSlider, wxEVT_MOTION, wxPoint(10, y), true); }
    void Release(int y) { SendMouse(m_pSlider, wxEVT_LEFT_UP, wxPoint(10, y)); }

    CManualTimerClock m_clock;
    CControlHost m_host;
    CBitmapSlider* m_pSlider = nullptr;
};
}  // namespace

TEST_F(BitmapSlider, TakesTheChannelsSize)
{
    EXPECT_EQ(m_pSlider->GetSize(), wxSize(20, 120));
    EXPECT_FALSE(m_pSlider->SetBitmapChannel(65299, 0)) << "a face that does not exist";
}

TEST_F(BitmapSlider, DragTellsThePageWhileMovingAndAtTheRelease)
{
    Press(62);  // on the thumb (centre 60), grabbed 2 pixels below its centre
    SendFocus(m_pSlider, true);
    EXPECT_EQ(m_host.Take(), std::vector<Note>{Moving(50)}) << "taking the focus";
    DragTo(72);
    m_clock.Advance(50);
    DragTo(42);
    DragTo(62);  // back where it started
    m_clock.Advance(50);
    m_clock.Advance(50);
    Release(62);
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{Moving(60), Moving(50), Moved(50)}))
        << "a tick tells only a changed position";
    EXPECT_EQ(m_pSlider->GetPos(), 50);
}

TEST_F(BitmapSlider, PressOffTheThumbStepsOnceAndDragsNothing)
{
    Press(100);
    DragTo(110);
    m_clock.Advance(200);
    Release(110);
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{Moving(51), Moved(51)}));
    EXPECT_EQ(m_pSlider->GetPos(), 49) << "one step down the channel";
}

TEST_F(BitmapSlider, KeysAndWheelMoveAndTellThePage)
{
    SendKey(m_pSlider, WXK_PAGEUP);
    SendKey(m_pSlider, WXK_UP);
    SendKey(m_pSlider, WXK_RIGHT);
    SendKey(m_pSlider, WXK_END);
    SendKey(m_pSlider, 'A');
    SendWheel(m_pSlider, 120);
    SendWheel(m_pSlider, 240);
    SendWheel(m_pSlider, -120);
    SendKey(m_pSlider, WXK_HOME);
    SendKey(m_pSlider, WXK_PAGEUP);
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{Moved(37), Moved(36), Moved(37), Moved(100), Moved(99), Moved(99),
                                                Moved(100), Moved(0), Moved(0)}))
        << "Page Up at the top stays there and still tells the page";
}

TEST_F(BitmapSlider, DisabledFaderTakesNoInputNotEvenTheWheel)
{
    m_pSlider->Enable(false);
    SendWheel(m_pSlider, 120);
    SendKey(m_pSlider, WXK_UP);
    Press(100);
    Release(100);
    EXPECT_TRUE(m_host.Take().empty());
    EXPECT_EQ(m_pSlider->GetPos(), 50);
    EXPECT_TRUE(m_pSlider->IsEnabled()) << "the window itself stays enabled";
}

TEST_F(BitmapSlider, DisablingEndsADrag)
{
    Press(60);
    m_pSlider->Enable(false);
    EXPECT_FALSE(m_pSlider->HasCapture());
    DragTo(90);
    EXPECT_EQ(m_pSlider->GetPos(), 50);
}

TEST_F(BitmapSlider, FocusLookIsSharedWithTheBuddyField)
{
    auto* pEdit = new CNumEdit;
    ASSERT_TRUE(pEdit->Create(m_host.Panel(), 2568, wxRect(40, 10, 60, 20)));
    m_pSlider->SetBuddyEdit(pEdit);
    pEdit->SetBuddySlider(m_pSlider);
    SendFocus(m_pSlider, true);
    EXPECT_TRUE(pEdit->GetHighlight());
    SendFocus(m_pSlider, false);
    EXPECT_FALSE(pEdit->GetHighlight());
    SendFocus(pEdit, true);
    EXPECT_TRUE(m_pSlider->GetHighlight());
    SendFocus(pEdit, false);
    EXPECT_FALSE(m_pSlider->GetHighlight());
}

TEST_F(BitmapSlider, HoverNotifiesAMoveToANewPoint)
{
    m_pSlider->SetHoverNotify(true);
    SendMouse(m_pSlider, wxEVT_MOTION, wxPoint(3, 4));
    SendMouse(m_pSlider, wxEVT_MOTION, wxPoint(3, 4));
    SendMouse(m_pSlider, wxEVT_MOTION, wxPoint(3, 5));
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{{WM_BUTTON_HOVER, 0, kSliderId}, {WM_BUTTON_HOVER, 0, kSliderId}}));
}

TEST_F(BitmapSlider, DrawsTheThumbAtItsPositionInItsState)
{
    wxImage image = DrawToImage(*m_pSlider);
    EXPECT_EQ(PixelAt(image, 10, 60), kThumbColour);
    EXPECT_EQ(PixelAt(image, 10, 40), kChannelColour);
    EXPECT_EQ(PixelAt(image, 0, 60), kChannelColour) << "the see-through corner of the thumb";
    m_pSlider->SetPos(100);
    image = DrawToImage(*m_pSlider);
    EXPECT_EQ(PixelAt(image, 10, 10), kThumbColour) << "the maximum at the top";
    m_pSlider->SetHighlight(true);
    EXPECT_EQ(PixelAt(DrawToImage(*m_pSlider), 10, 10), kActiveThumbColour);
    m_pSlider->Enable(false);
    EXPECT_EQ(PixelAt(DrawToImage(*m_pSlider), 10, 10), wxColour(kChannelColour)) << "no disabled thumb loaded";
    ASSERT_TRUE(m_pSlider->SetBitmapThumbDisabled(kDisabledThumb));
    EXPECT_EQ(PixelAt(DrawToImage(*m_pSlider), 10, 10), kDisabledThumbColour);
}

TEST_F(BitmapSlider, ActiveChannelShowsAboveTheThumb)
{
    ASSERT_TRUE(m_pSlider->SetBitmapChannel(kChannel, kActiveChannel));
    const wxImage image = DrawToImage(*m_pSlider);
    EXPECT_EQ(PixelAt(image, 10, 30), kActiveChannelColour);
    EXPECT_EQ(PixelAt(image, 10, 90), kChannelColour);
}

TEST_F(BitmapSlider, BandMovesItThroughItsInterface)
{
    IBandSlider& band = *m_pSlider;
    m_pSlider->SetRange(0, 240);
    m_pSlider->SetType(10);
    band.SetPos(200);
    EXPECT_EQ(m_pSlider->GetRaw(), 120);
    m_pSlider->SetType(1);
    band.SetFreq(20000);
    EXPECT_EQ(m_pSlider->GetRaw(), 0);
}
