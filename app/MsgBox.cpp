#include "app/MsgBox.h"

#include "app/MessageBox.h"
#include "controls/ControlIds.h"
#include "platform/MessageBox.h"

namespace {
constexpr int kWindowId = 1000;
constexpr int kDelayMs = 1000;
}  // namespace

CMsgBox::CMsgBox() : m_timer([this] { OnTimer(); }) {}

void CMsgBox::CreateHidden(wxWindow* pParent)
{
    if (m_bCreated)
        return;
    Create(pParent, WxId(kWindowId), wxDefaultPosition, wxSize(0, 0), 0, wxS("{62BAB41D-B6BB-402C-89EF-5B86830DF68C}"));
    Hide();
    m_bCreated = true;
}

void CMsgBox::ShowTimedMessage(const wxString& strText)
{
    m_strText = strText;
    m_timer.Start(kDelayMs);
    AfxMessageBox(strText.utf8_string(), 0, 0);
}

void CMsgBox::OnTimer()
{
    m_timer.Stop();
    if (CMessageBox* pBox = CMessageBox::GetActive()) {
        wxKeyEvent enter(wxEVT_CHAR_HOOK);
        enter.m_keyCode = WXK_RETURN;
        enter.SetEventObject(pBox);
        pBox->ProcessWindowEvent(enter);
    }
}
