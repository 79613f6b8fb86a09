#include "controls/WndMessages.h"

#include <wx/event.h>
#include <wx/tracker.h>
#include <wx/window.h>

#include <deque>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace {

struct WindowEntry {
    wxWindow* pWnd = nullptr;
    std::unordered_map<unsigned, MessageHandler> handlers;
};

// Holds the handles of live windows and the queue of posted messages. The queue and the set of
// live handles are shared with posting threads (under m_lock); windows and handlers are touched
// on the UI thread only.
class CWindowRouter : public IMessagePoster, public wxEvtHandler {
public:
    CWindowRouter() { Bind(wxEVT_THREAD, &CWindowRouter::OnWakeUp, this); }

    // The wake-up is queued under the lock too: a wake-up delivers the oldest message, so one
    // queued later than its message would leave a post of another thread made meanwhile waiting
    // for this thread's wake-up, after whatever the UI thread does in between.
    bool Post(const PostedMessage& msg) override
    {
        std::lock_guard lock(m_lock);
        if (!m_live.contains(msg.hWnd))
            return false;
        m_queue.push_back(msg);
        QueueEvent(new wxThreadEvent());
        return true;
    }

    WndHandle HandleOf(wxWindow* pWnd);
    wxWindow* WindowOf(WndHandle hWnd) const
    {
        auto it = m_windows.find(hWnd);
        return it == m_windows.end() ? nullptr : it->second.pWnd;
    }
    void SetHandler(wxWindow* pWnd, unsigned nMsg, MessageHandler handler)
    {
        auto& handlers = m_windows[HandleOf(pWnd)].handlers;
        if (handler)
            handlers[nMsg] = std::move(handler);
        else
            handlers.erase(nMsg);
    }
    LRESULT Dispatch(WndHandle hWnd, unsigned nMsg, WPARAM wParam, LPARAM lParam) const
    {
        auto it = m_windows.find(hWnd);
        if (it == m_windows.end())
            return 0;
        auto handler = it->second.handlers.find(nMsg);
        if (handler == it->second.handlers.end())
            return 0;
        MessageHandler call = handler->second;  // the handler may rebind or destroy its window
        return call(wParam, lParam);
    }
    std::deque<PostedMessage> TakePending(WndHandle hWnd)
    {
        std::deque<PostedMessage> taken;
        std::lock_guard lock(m_lock);
        std::erase_if(m_queue, [&](const PostedMessage& msg) {
            if (msg.hWnd != hWnd)
                return false;
            taken.push_back(msg);
            return true;
        });
        return taken;
    }
    void Forget(WndHandle hWnd)
    {
        {
            std::lock_guard lock(m_lock);
            m_live.erase(hWnd);
        }
        if (auto it = m_windows.find(hWnd); it != m_windows.end()) {
            m_handles.erase(it->second.pWnd);
            m_windows.erase(it);
        }
    }

private:
    // One wake-up per post; a drained message leaves a wake-up that finds nothing to do.
    void OnWakeUp(wxThreadEvent&)
    {
        PostedMessage msg;
        {
            std::lock_guard lock(m_lock);
            if (m_queue.empty())
                return;
            msg = m_queue.front();
            m_queue.pop_front();
        }
        Dispatch(msg.hWnd, msg.nMsg, msg.wParam, msg.lParam);
    }

    std::mutex m_lock;
    std::deque<PostedMessage> m_queue;
    std::unordered_set<WndHandle> m_live;
    std::unordered_map<WndHandle, WindowEntry> m_windows;
    std::unordered_map<wxWindow*, WndHandle> m_handles;
    WndHandle m_hNext = 1;
};

CWindowRouter& Router()
{
    static CWindowRouter router;
    return router;
}

// Forgets a window's handle when the window object is destroyed, whatever its event handlers do.
class CHandleTracker : public wxTrackerNode {
public:
    explicit CHandleTracker(WndHandle hWnd) : m_hWnd(hWnd) {}
    void OnObjectDestroy() override
    {
        Router().Forget(m_hWnd);
        delete this;
    }

private:
    WndHandle m_hWnd;
};

WndHandle CWindowRouter::HandleOf(wxWindow* pWnd)
{
    if (auto it = m_handles.find(pWnd); it != m_handles.end())
        return it->second;
    const WndHandle hWnd = m_hNext++;
    m_handles[pWnd] = hWnd;
    m_windows[hWnd].pWnd = pWnd;
    {
        std::lock_guard lock(m_lock);
        m_live.insert(hWnd);
    }
    pWnd->AddNode(new CHandleTracker(hWnd));
    return hWnd;
}

}  // namespace

void InstallWindowMessagePoster()
{
    SetMessagePoster(&Router());
}

WndHandle GetWndHandle(wxWindow* pWnd)
{
    return pWnd == nullptr ? 0 : Router().HandleOf(pWnd);
}

wxWindow* FindWndByHandle(WndHandle hWnd)
{
    return Router().WindowOf(hWnd);
}

void BindMessage(wxWindow* pWnd, unsigned nMsg, MessageHandler handler)
{
    Router().SetHandler(pWnd, nMsg, std::move(handler));
}

bool PostMessage(wxWindow* pWnd, unsigned nMsg, WPARAM wParam, LPARAM lParam)
{
    return PostMessage(GetWndHandle(pWnd), nMsg, wParam, lParam);
}

LRESULT SendMessage(wxWindow* pWnd, unsigned nMsg, WPARAM wParam, LPARAM lParam)
{
    return pWnd == nullptr ? 0 : Router().Dispatch(GetWndHandle(pWnd), nMsg, wParam, lParam);
}

void DrainMessages(wxWindow* pWnd, const std::function<bool(const PostedMessage&)>& bDispatch)
{
    const WndHandle hWnd = GetWndHandle(pWnd);
    for (const PostedMessage& msg : Router().TakePending(hWnd))
        if (bDispatch(msg))
            Router().Dispatch(msg.hWnd, msg.nMsg, msg.wParam, msg.lParam);
}

void SendCommandToParent(wxWindow* pCtrl)
{
    wxCommandEvent event(wxEVT_BUTTON, pCtrl->GetId());
    event.SetEventObject(pCtrl);
    pCtrl->ProcessWindowEvent(event);
}
