#include <gtest/gtest.h>
#include <wx/frame.h>

#include <atomic>
#include <thread>
#include <vector>

#include "controls/ControlIds.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "tests/ui/UiTestUtil.h"

namespace {
struct Received {
    char window;
    unsigned nMsg;
    WPARAM wParam;
    bool bOnUiThread;
};

class WndMessages : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "messages");
        m_pA = new wxWindow(m_pFrame, wxID_ANY);
        m_pB = new wxWindow(m_pFrame, wxID_ANY);
        for (unsigned nMsg : {WM_SELECT_OUTPUT, WM_UPDATE_RECONNECT, WM_STATUS_RECEIVED, WM_LINK_FAILED}) {
            Record(m_pA, 'A', nMsg);
            Record(m_pB, 'B', nMsg);
        }
    }
    void TearDown() override
    {
        delete m_pFrame;
        PumpPendingEvents();
    }
    void Record(wxWindow* pWnd, char name, unsigned nMsg)
    {
        BindMessage(pWnd, nMsg, [this, name, nMsg](WPARAM wParam, LPARAM) {
            m_received.push_back({name, nMsg, wParam, std::this_thread::get_id() == m_uiThread});
            return LRESULT(0);
        });
    }

    wxFrame* m_pFrame = nullptr;
    wxWindow* m_pA = nullptr;
    wxWindow* m_pB = nullptr;
    std::vector<Received> m_received;
    std::thread::id m_uiThread = std::this_thread::get_id();
};
}  // namespace

TEST_F(WndMessages, PostsFromAWorkerArriveInOrderOnTheUiThreadAtTheBoundWindow)
{
    const WndHandle hA = GetWndHandle(m_pA);
    const WndHandle hB = GetWndHandle(m_pB);
    std::thread worker([&] {
        for (WPARAM i = 0; i < 50; ++i)
            EXPECT_TRUE(PostMessage(i % 2 ? hB : hA, WM_SELECT_OUTPUT, i, 0));
        // The same number means something else to another window: still reaches only its target.
        EXPECT_TRUE(PostMessage(hB, WM_UPDATE_RECONNECT, 99, 0));
    });
    worker.join();
    EXPECT_TRUE(m_received.empty());  // nothing runs on the worker or before the UI dispatches

    PumpPendingEvents();
    ASSERT_EQ(m_received.size(), 51u);
    for (WPARAM i = 0; i < 50; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m_received[i].window, i % 2 ? 'B' : 'A');
        EXPECT_EQ(m_received[i].wParam, i);
        EXPECT_TRUE(m_received[i].bOnUiThread);
    }
    EXPECT_EQ(m_received[50].window, 'B');
    EXPECT_EQ(m_received[50].wParam, 99u);
}

// Mended: a message the UI thread posted while a worker was between queuing its own message and
// its wake-up was not delivered by the wake-up it queued, which delivered the worker's message,
// but only by the worker's, after whatever input the UI thread took meanwhile. Now every message
// posted is delivered by the pass over pending events that follows.
TEST_F(WndMessages, APostOfTheUiThreadArrivesInTheNextPassWhileAWorkerPosts)
{
    std::atomic<bool> bPosting = true;
    const WndHandle hA = GetWndHandle(m_pA);
    std::thread worker([&] {
        while (bPosting) {
            PostMessage(hA, WM_STATUS_RECEIVED, 0, 0);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    WPARAM nArrived = 0;
    BindMessage(m_pB, WM_LINK_FAILED, [&](WPARAM wParam, LPARAM) {
        nArrived = wParam;
        return LRESULT(0);
    });
    int nLate = 0;
    for (WPARAM i = 1; i <= 20000; ++i) {
        PostMessage(m_pB, WM_LINK_FAILED, i, 0);
        PumpPendingEvents();
        if (nArrived != i) {
            ++nLate;
            if (!SettleUntil([&] { return nArrived == i; }))
                break;  // lost outright
        }
    }
    bPosting = false;
    worker.join();
    EXPECT_EQ(nLate, 0);
}

TEST_F(WndMessages, MessagesForADestroyedWindowAreDroppedAndItsHandleIsNotReused)
{
    const WndHandle hA = GetWndHandle(m_pA);
    EXPECT_EQ(FindWndByHandle(hA), m_pA);
    EXPECT_TRUE(PostMessage(hA, WM_LINK_FAILED, 1, 0));  // queued before the window goes
    EXPECT_TRUE(PostMessage(m_pB, WM_LINK_FAILED, 2, 0));
    m_pA->Destroy();

    EXPECT_FALSE(PostMessage(hA, WM_LINK_FAILED, 3, 0));
    EXPECT_EQ(FindWndByHandle(hA), nullptr);
    PumpPendingEvents();
    ASSERT_EQ(m_received.size(), 1u);
    EXPECT_EQ(m_received[0].window, 'B');

    auto* pNew = new wxWindow(m_pFrame, wxID_ANY);
    EXPECT_NE(GetWndHandle(pNew), hA);
}

TEST_F(WndMessages, DrainDispatchesTheWindowsPendingMessagesItKeepsAndLeavesOthersQueued)
{
    PostMessage(m_pA, WM_SELECT_OUTPUT, 1, 0);
    PostMessage(m_pA, WM_STATUS_RECEIVED, 2, 0);
    PostMessage(m_pB, WM_STATUS_RECEIVED, 3, 0);
    PostMessage(m_pA, WM_LINK_FAILED, 4, 0);

    DrainMessages(m_pA, [](const PostedMessage& msg) { return msg.nMsg != WM_STATUS_RECEIVED; });
    ASSERT_EQ(m_received.size(), 2u);
    EXPECT_EQ(m_received[0].wParam, 1u);
    EXPECT_EQ(m_received[1].wParam, 4u);

    PumpPendingEvents();  // the dropped status report never arrives; B's message still does
    ASSERT_EQ(m_received.size(), 3u);
    EXPECT_EQ(m_received[2].window, 'B');
    EXPECT_EQ(m_received[2].wParam, 3u);
}

TEST_F(WndMessages, SendCallsTheHandlerAtOnceAndReturnsItsResult)
{
    BindMessage(m_pA, WM_BUTTON_HOVER, [](WPARAM wParam, LPARAM lParam) { return LRESULT(wParam + lParam); });
    EXPECT_EQ(SendMessage(m_pA, WM_BUTTON_HOVER, 2, 40), 42);
    EXPECT_EQ(SendMessage(m_pB, WM_BUTTON_HOVER, 2, 40), 0);  // no handler: nothing happens
    BindMessage(m_pA, WM_BUTTON_HOVER, {});
    EXPECT_EQ(SendMessage(m_pA, WM_BUTTON_HOVER, 2, 40), 0);
}

TEST_F(WndMessages, AHandlerMayDestroyItsWindowWhileMoreMessagesWait)
{
    BindMessage(m_pA, WM_SELECT_OUTPUT, [this](WPARAM, LPARAM) {
        delete m_pA;
        return LRESULT(0);
    });
    PostMessage(m_pA, WM_SELECT_OUTPUT, 0, 0);
    PostMessage(m_pA, WM_LINK_FAILED, 0, 0);
    PostMessage(m_pB, WM_LINK_FAILED, 7, 0);
    PumpPendingEvents();
    ASSERT_EQ(m_received.size(), 1u);
    EXPECT_EQ(m_received[0].wParam, 7u);
}

TEST(ControlIds, MapAwayFromTheReservedRangeAndBack)
{
    struct Case {
        int nCtrlId;
        int nWxId;
    };
    const Case cases[] = {{1, wxID_OK}, {2, wxID_CANCEL}, {-1, wxID_ANY}, {3, 3 + kControlIdOffset},
                          {4999, 4999 + kControlIdOffset}, {5100, 5100 + kControlIdOffset},
                          {4100, 4100 + kControlIdOffset}, {8802, 8802 + kControlIdOffset}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nCtrlId);
        EXPECT_EQ(WxId(c.nCtrlId), c.nWxId);
        EXPECT_EQ(CtrlId(c.nWxId), c.nCtrlId);
    }
    for (int id = 3; id < 30000; ++id) {
        const int nWx = WxId(id);
        ASSERT_TRUE(nWx < 4999 || nWx > 5999) << id;
    }
    EXPECT_EQ(CtrlId(wxID_EXIT), -1);
}
