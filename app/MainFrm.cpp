#include "app/MainFrm.h"

#include "app/AboutDlg.h"
#include "app/ChildFrm.h"
#include "app/HalvekView.h"
#include "controls/ControlIds.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "res/UiText.h"

namespace {
// The application's about command; no menu of this build carries it.
constexpr int ID_APP_ABOUT = 57664;
}  // namespace

CMainFrame::CMainFrame()
    : wxFrame(nullptr, wxID_ANY, Utf8(g_strAppTitle.c_str()), wxPoint(0, 0), wxDefaultSize,
              wxBORDER_NONE | wxMINIMIZE_BOX | wxSYSTEM_MENU | wxCLOSE_BOX)
{
    Bind(wxEVT_SIZE, &CMainFrame::OnSize, this);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_END_SESSION, &CMainFrame::OnClose, this);
    Bind(wxEVT_DISPLAY_CHANGED, &CMainFrame::OnDisplayChange, this);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) {
        CAboutDlg dlg(this);
        dlg.DoModal();
    }, WxId(ID_APP_ABOUT));
}

CHalvekView* CMainFrame::OpenDocument(CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                                      const CLinkTimeouts& timeouts)
{
    auto* pChild = new CChildFrame(this, doc, hid, netOptions, timeouts);
    // Without borders the frame's size is its client size.
    SetSize(pChild->GetSize());
    return pChild->GetView();
}

void CMainFrame::OnSize(wxSizeEvent& event)
{
    if (g_nViewMode == 1 || g_nViewMode == 2)
        SetTitle(Utf8(g_strAppTitle.c_str()));
    event.Skip();
}

// The view's exit button has asked its question and ended the link already; every other close
// (the window manager, the session, a signal) ends it here, so the worker, the device in use and
// the link check never outlive the window.
void CMainFrame::OnClose(wxCloseEvent&)
{
    if (g_pView != nullptr)
        g_pView->ShutDownLink();
    Destroy();
}

void CMainFrame::OnDisplayChange(wxDisplayChangedEvent& event)
{
    Move(0, 0);
    Show();
    Raise();
    event.Skip();
}
