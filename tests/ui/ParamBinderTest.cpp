#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "controls/BitmapSlider.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/Filter.h"
#include "model/KTV_Data.h"
#include "model/StdAfx.h"
#include "pages/ParamBinder.h"
#include "platform/MessageIds.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/ControlTestFixture.h"

namespace {

constexpr int kEdit = 5002, kSpin = 5042, kSlider = 5102;
constexpr int kBand = 2;

// A gain field with its spin and fader, bound to band 2 of output 1 as a page binds it.
class ParamBinderTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        InitDeviceData();
        g_bSynced = 1;
        m_pData = std::make_unique<CKTV_Data>();
        m_pEdit = Make<CNumEdit>(kEdit, wxRect(10, 10, 60, 18));
        m_pSpin = Make<CNumSpin>(kSpin, wxRect(72, 10, 12, 18));
        m_pSlider = Make<CBitmapSlider>(kSlider, wxRect(10, 40, 30, 200));
        m_pSlider->SetRange(0, 240);
        m_pSlider->SetType(10);
        m_binder = std::make_unique<CParamBinder>(*m_pPanel, m_host);
        m_nBinding = m_binder->Bind(ParamId::OutBandGain, m_pEdit, m_pSpin, m_pSlider,
                                    [this] { return ParamTarget{m_pData.get(), 1, kBand}; },
                                    [this](int v) { m_changes.push_back(v); });
    }
    void TearDown() override
    {
        m_binder.reset();
        ControlTest::TearDown();
        m_pData.reset();
        g_bSynced = 0;
        InitDeviceData();
    }

    CFilter& Band() { return *m_pData->GetOutData(1)->GetBand(kBand); }
    // A gain as the processor's data brings it: stored without a change mark.
    void Receive(int nGainPos)
    {
        g_bSynced = 0;
        Band().SetGainPos(nGainPos);
        g_bSynced = 1;
    }
    void Click(int nCtrlId) { SendCommandToParent(m_pPanel->FindWindow(WxId(nCtrlId))); }

    CFakePageHost m_host;
    std::unique_ptr<CKTV_Data> m_pData;
    CNumEdit* m_pEdit = nullptr;
    CNumSpin* m_pSpin = nullptr;
    CBitmapSlider* m_pSlider = nullptr;
    std::unique_ptr<CParamBinder> m_binder;
    int m_nBinding = -1;
    std::vector<int> m_changes;
};

}  // namespace

TEST_F(ParamBinderTest, BindingSetsTheFieldUpFromItsRow)
{
    EXPECT_EQ(m_pEdit->GetType(), 10);
    int nMin = 0, nMax = 0;
    m_pSpin->GetRange32(nMin, nMax);
    EXPECT_EQ(nMin, 80);
    EXPECT_EQ(nMax, 320);
}

TEST_F(ParamBinderTest, LoadingShowsTheModelAndMarksNothing)
{
    Receive(260);
    m_binder->Load();
    EXPECT_EQ(m_pEdit->GetText(), "6.0");
    EXPECT_EQ(m_pSlider->GetPos(), 260);
    EXPECT_EQ(Band().GetChanged(), 0);
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_TRUE(m_changes.empty());
}

// +15 dB from the processor: the field and fader show +12 dB, no box is shown, and the model
// keeps +15 dB. A click on the field or the fader taking the focus is no edit and leaves it alone.
TEST_F(ParamBinderTest, ValueBeyondTheRangeShowsAtTheBoundAndAClickKeepsIt)
{
    CMessageBoxRecorder boxes;
    Receive(350);
    m_binder->Load();
    EXPECT_EQ(m_pEdit->GetText(), "12.0");
    EXPECT_EQ(m_pSlider->GetPos(), 320);

    Click(kEdit);
    PostMessage(m_pPanel, WM_SLIDER_MOVING, kSlider, m_pSlider->GetRaw());
    PumpPendingEvents();
    EXPECT_EQ(Band().GetGainPos(), 350);
    EXPECT_EQ(Band().GetChanged(), 0);
    EXPECT_TRUE(m_changes.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

namespace {
// A field of the music input page, the level page or the dynamics dialog holding a value beyond
// its range, and the edits the user can make to the bound it shows.
struct BeyondCase {
    const char* szName;
    ParamId id;
    int nChannel;
    int nBand;
    int nStored;  // as the processor or a file brings it
    int nBound;   // what the field shows
    int nStep;    // the spin's step toward the bound
    bool bFader;  // the page gives the field a fader
};

const BeyondCase kBeyondCases[] = {
    {"music band gain +15 dB", ParamId::MusicBandGain, 2, 4, 350, 320, +1, true},
    {"music band gain -15 dB", ParamId::MusicBandGain, 0, 0, 50, 80, -1, true},
    {"music input level", ParamId::MusicLevel, 3, 0, 700, 600, +1, true},
    {"output level", ParamId::OutLevel, 5, 0, 650, 600, +1, true},
    {"limiter release", ParamId::DynLimRelease, 6, 0, 6000, 5000, +1, false},
    {"compressor attack", ParamId::CompAttack, 2, 0, -3, 0, -1, false},
    {"music noise gate", ParamId::MusicGate, 1, 0, 130, 100, +1, false},
};

enum class Gesture { Typed, SpinStep, FaderLetGo };
}  // namespace

// An edit to the shown bound of a value held beyond it is written like any other edit: the model
// holds the bound and the page hears of it.
TEST_F(ParamBinderTest, AnEditToTheShownBoundIsWritten)
{
    std::deque<std::vector<int>> changesOf;  // each binding's, kept as long as the binder
    for (const BeyondCase& c : kBeyondCases) {
        for (const Gesture gesture : {Gesture::Typed, Gesture::SpinStep, Gesture::FaderLetGo}) {
            if (gesture == Gesture::FaderLetGo && !c.bFader)
                continue;
            SCOPED_TRACE(testing::Message() << c.szName << ", gesture " << int(gesture));
            const int nBase = 7000 + 10 * static_cast<int>(m_binder->Count());
            auto* pEdit = Make<CNumEdit>(nBase, wxRect(100, 10, 60, 18));
            auto* pSpin = Make<CNumSpin>(nBase + 1, wxRect(162, 10, 12, 18));
            CBitmapSlider* pFader = nullptr;
            const ParamRow& row = ParamRowOf(c.id);
            if (c.bFader) {
                pFader = Make<CBitmapSlider>(nBase + 2, wxRect(200, 40, 30, 200));
                pFader->SetRange(0, row.nMax - row.nMin);
                if (row.nMin != 0)
                    pFader->SetType(10);
            }
            const ParamTarget target{m_pData.get(), c.nChannel, c.nBand};
            std::vector<int>& changes = changesOf.emplace_back();
            const int n = m_binder->Bind(c.id, pEdit, pSpin, pFader, [target] { return target; },
                                         [&changes](int v) { changes.push_back(v); });
            g_bSynced = 0;
            row.pfnSet(target, c.nStored);
            g_bSynced = 1;
            m_binder->Load(n);
            ASSERT_EQ(ReadParam(row, target), c.nStored);
            ASSERT_EQ(pSpin->GetPos(), c.nBound);

            switch (gesture) {
            case Gesture::Typed: {
                const wxString strShown = pEdit->GetText();
                SendFocus(pEdit, true);
                TypeText(pEdit, strShown);
                SendFocus(pEdit, false);
                break;
            }
            case Gesture::SpinStep: pSpin->ArrowKey(c.nStep); break;
            case Gesture::FaderLetGo:
                ASSERT_EQ(pFader->GetPos(), c.nBound);
                PostMessage(m_pPanel, WM_SLIDER_MOVED, WPARAM(nBase + 2), pFader->GetRaw());
                break;
            }
            PumpPendingEvents();
            EXPECT_EQ(ReadParam(row, target), c.nBound);
            EXPECT_EQ(changes, std::vector<int>{c.nBound});
        }
    }
}

TEST_F(ParamBinderTest, SpinStepWritesTheModelAndTheFaderFollows)
{
    m_binder->Load();
    const int nStart = Band().GetGainPos();
    m_pSpin->ArrowKey(+1);
    PumpPendingEvents();
    EXPECT_EQ(Band().GetGainPos(), nStart + 1);
    EXPECT_EQ(Band().GetChanged(), 1);
    EXPECT_EQ(m_pSlider->GetPos(), nStart + 1);
    EXPECT_EQ(m_changes, std::vector<int>{nStart + 1});
}

TEST_F(ParamBinderTest, FaderMoveWritesTheModelAndTheFieldFollows)
{
    m_binder->Load();
    m_pSlider->SetPos(100);
    PostMessage(m_pPanel, WM_SLIDER_MOVING, kSlider, m_pSlider->GetRaw());
    PumpPendingEvents();
    EXPECT_EQ(Band().GetGainPos(), 100);
    EXPECT_EQ(m_pEdit->GetText(), "-10.0");

    // The move ends where it already is: nothing more is written.
    PostMessage(m_pPanel, WM_SLIDER_MOVED, kSlider, m_pSlider->GetRaw());
    PumpPendingEvents();
    EXPECT_EQ(m_changes, std::vector<int>{100});
}

TEST_F(ParamBinderTest, FadersItDoesNotBindGoToTheOwnersHandler)
{
    std::vector<std::pair<int, bool>> seen;
    m_binder->SetSliderHandler([&](int nId, bool bDone) { seen.emplace_back(nId, bDone); });
    PostMessage(m_pPanel, WM_SLIDER_MOVED, 4242, 0);
    PostMessage(m_pPanel, WM_SLIDER_MOVED, kSlider, m_pSlider->GetRaw());
    PumpPendingEvents();
    EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{4242, true}, {kSlider, true}}));
}

// A device-state row asks the view to send its item; the edit goes through the row's setter.
TEST_F(ParamBinderTest, MasterVolumeLeavesItsItemPendingWithTheView)
{
    auto* pEdit = Make<CNumEdit>(2572, wxRect(100, 10, 60, 18));
    auto* pSpin = Make<CNumSpin>(2573, wxRect(162, 10, 12, 18));
    g_masterSettings.SetField(&MasterSettings::m_wVolume, 60);
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, 0);
    const int n = m_binder->Bind(ParamId::MasterVolume, pEdit, pSpin, nullptr, [] { return ParamTarget{}; });
    m_binder->Load(n);
    EXPECT_EQ(pEdit->GetText(), "0dB");
    pSpin->ArrowKey(-1);
    PumpPendingEvents();
    EXPECT_EQ(g_masterSettings.Get().m_wVolume, 59);
    EXPECT_EQ(g_masterSettings.Get().m_byMasterOn, 1);
    EXPECT_EQ(m_host.calls, std::vector<std::string>{"SetMasterItemPending(1)"});
}

// A delay field changes its unit: the same code, shown in the new unit.
TEST_F(ParamBinderTest, ARowOfAnotherUnitReformatsTheSameValue)
{
    auto* pEdit = Make<CNumEdit>(6000, wxRect(100, 40, 60, 18));
    m_pData->GetOutData(0)->SetDelay(259);
    const int n = m_binder->Bind(ParamId::OutDelayMs, pEdit, nullptr, nullptr,
                                 [this] { return ParamTarget{m_pData.get(), 0, 0}; });
    m_binder->Load(n);
    EXPECT_EQ(pEdit->GetText(), "5.396");
    m_binder->SetRow(n, ParamId::OutDelayCm);
    EXPECT_EQ(pEdit->GetText(), "187");
    EXPECT_EQ(m_pData->GetOutData(0)->GetDelay(), 259);
}
