#include "platform/MessageBox.h"

#include <atomic>
#include <thread>

#include "platform/LinkLock.h"

namespace {
std::atomic<IMessageBoxHandler*> g_pHandler{nullptr};
std::atomic<std::thread::id> g_uiThread{};
}  // namespace

IMessageBoxHandler* SetMessageBoxHandler(IMessageBoxHandler* pHandler)
{
    g_uiThread = std::this_thread::get_id();
    return g_pHandler.exchange(pHandler);
}

int UnansweredResult(unsigned nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    default: return IDCANCEL;
    }
}

int AfxMessageBox(const std::string& text, unsigned nType, int nCode)
{
    IMessageBoxHandler* pHandler = g_pHandler;
    if (pHandler == nullptr)
        return IDOK;
    if (std::this_thread::get_id() != g_uiThread.load() || g_csLink.HeldByThisThread()) {
        pHandler->ShowLater(text, nType, nCode);
        return UnansweredResult(nType);
    }
    return pHandler->MessageBox(text, nType, nCode);
}

int ShowMessage(const void*, const std::string& text, const std::string&, unsigned nType, int, int nCode)
{
    return AfxMessageBox(text, nType, nCode);
}
