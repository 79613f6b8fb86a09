#pragma once
// Posted messages: the way core code and worker threads reach windows.
//
// A message is (window, number, wParam, lParam) with the system's numbers and parameters
// (platform/MessageIds.h). Core code posts to a window handle; the program installs the poster
// that queues the message to that window on the UI thread (the wx side, app/), a test installs
// a recording poster for its scope. With no poster installed, or when the window is gone, a post
// is dropped and returns false. Posting never blocks on the UI and never runs a handler itself.
#include <atomic>
#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;

// Identifies a window that receives messages; 0 is "no window". Handles are never reused
// during a run, so a late message for a destroyed window cannot reach a new one.
using WndHandle = std::uint32_t;

struct PostedMessage {
    WndHandle hWnd = 0;
    unsigned nMsg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class IMessagePoster {
public:
    virtual ~IMessagePoster() = default;
    // Queues the message for its window; false when the window does not exist.
    virtual bool Post(const PostedMessage& msg) = 0;
};

// Installs the poster used by PostMessage and returns the one it replaces (nullptr for none).
IMessagePoster* SetMessagePoster(IMessagePoster* pPoster);

bool PostMessage(WndHandle hWnd, unsigned nMsg, WPARAM wParam, LPARAM lParam);

// The window that receives every posted device notification (the main view).
extern std::atomic<WndHandle> g_pNotifyWnd;
