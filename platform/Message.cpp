#include "platform/Message.h"

std::atomic<WndHandle> g_pNotifyWnd{0};

namespace {
std::atomic<IMessagePoster*> g_pPoster{nullptr};
}  // namespace

IMessagePoster* SetMessagePoster(IMessagePoster* pPoster)
{
    return g_pPoster.exchange(pPoster);
}

bool PostMessage(WndHandle hWnd, unsigned nMsg, WPARAM wParam, LPARAM lParam)
{
    IMessagePoster* pPoster = g_pPoster.load();
    if (pPoster == nullptr || hWnd == 0)
        return false;
    return pPoster->Post(PostedMessage{hWnd, nMsg, wParam, lParam});
}
