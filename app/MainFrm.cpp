#include "app/MainFrm.h"

#include <wx/region.h>

#include <algorithm>

#include "app/AboutDlg.h"
#include "app/ChildFrm.h"
#include "app/HalvekView.h"
#include "controls/ControlIds.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "res/UiText.h"

namespace {
// The application's about command; no menu of this build carries it.
constexpr int ID_APP_ABOUT = 57664;
}  // namespace

// What a new main view is made with: the processor's HID devices, the network and the link's
// time limits of the first one.
struct CMainFrame::CViewTemplate {
    IHidBackend& hid;
    CNetOptions netOptions;
    CLinkTimeouts timeouts;
};

CMainFrame::CMainFrame()
    : wxFrame(nullptr, wxID_ANY, Utf8(g_strAppTitle.c_str()), wxPoint(0, 0), wxDefaultSize,
              wxBORDER_NONE | wxMINIMIZE_BOX | wxSYSTEM_MENU | wxCLOSE_BOX | wxFRAME_SHAPED)
{
    Bind(wxEVT_SIZE, &CMainFrame::OnSize, this);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_END_SESSION, &CMainFrame::OnClose, this);
    Bind(wxEVT_DISPLAY_CHANGED, &CMainFrame::OnDisplayChange, this);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) {
        CAboutDlg dlg(this);
        dlg.DoModal();
    }, WxId(ID_APP_ABOUT));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnViewMode(1); }, WxId(ID_VIEW_MODE1));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnViewMode(2); }, WxId(ID_VIEW_MODE2));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnStartView(); }, WxId(ID_START_VIEW));
}

// The children go first: a main view uses its document to the end.
CMainFrame::~CMainFrame()
{
    DestroyChildren();
}

wxVisualAttributes CMainFrame::GetDefaultAttributes() const
{
    static const wxVisualAttributes attributes = wxFrame::GetClassDefaultAttributes();
    return attributes;
}

CHalvekView* CMainFrame::OpenDocument(CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                                      const CLinkTimeouts& timeouts)
{
    m_pTemplate.reset(new CViewTemplate{hid, netOptions, timeouts});
    m_pActiveChild = new CChildFrame(this, doc, hid, netOptions, timeouts);
    // Without borders the frame's size is its client size.
    SetSize(m_pActiveChild->GetSize());
    return m_pActiveChild->GetView();
}

// A main view disconnects first, as its connect button would: the program goes on, and the next
// view must find no link open.
void CMainFrame::CloseActiveChild()
{
    if (m_pActiveChild != nullptr) {
        if (CHalvekView* pView = m_pActiveChild->GetView())
            pView->DisconnectLink();
        m_pActiveChild->Destroy();
    }
    m_pActiveChild = nullptr;
    m_pDoc.reset();
}

void CMainFrame::ShowChild(CChildFrame* pChild)
{
    m_pActiveChild = pChild;
    pChild->SetSize(GetClientSize());
    pChild->Show();
    Raise();
    SetTitle(Utf8(g_strAppTitle.c_str()));
}

// Both modes run the new view's start-up: a main view without it would have no pages and no link.
void CMainFrame::OnViewMode(int nMode)
{
    if (!m_pTemplate)
        return;
    CloseActiveChild();
    g_nViewMode = nMode;
    g_bChinese = 0;
    m_pDoc = std::make_unique<CHalvekDoc>();
    m_pDoc->OnNewDocument();
    ShowChild(new CChildFrame(this, *m_pDoc, m_pTemplate->hid, m_pTemplate->netOptions, m_pTemplate->timeouts));
}

void CMainFrame::OnStartView()
{
    CloseActiveChild();
    ShowChild(new CChildFrame(this));
}

void CMainFrame::OnSize(wxSizeEvent& event)
{
    if (g_nViewMode == 1 || g_nViewMode == 2)
        SetTitle(Utf8(g_strAppTitle.c_str()));
    // Where window shapes are not supported the whole window shows; nothing else changes.
    const wxSize size = GetSize();
    SetShape(wxRegion(kHiddenEdge, kHiddenEdge, std::max(0, size.x - 2 * kHiddenEdge),
                      std::max(0, size.y - 2 * kHiddenEdge)));
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
