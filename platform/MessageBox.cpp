#include "platform/MessageBox.h"

namespace {
IMessageBoxHandler* g_pHandler = nullptr;
}  // namespace

IMessageBoxHandler* SetMessageBoxHandler(IMessageBoxHandler* pHandler)
{
    IMessageBoxHandler* pOld = g_pHandler;
    g_pHandler = pHandler;
    return pOld;
}

int AfxMessageBox(const std::string& text, unsigned nType, int nCode)
{
    return g_pHandler != nullptr ? g_pHandler->MessageBox(text, nType, nCode) : IDOK;
}

int ShowMessage(const void*, const std::string& text, const std::string&, unsigned nType, int, int nCode)
{
    return AfxMessageBox(text, nType, nCode);
}
