#include "app/Splash.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/image.h>

#include "platform/Trace.h"

bool CSplashWnd::c_bShowSplashWnd = false;
CSplashWnd* CSplashWnd::c_pSplashWnd = nullptr;

namespace {
bool LoadPicture(const wxString& strFile, wxBitmap& bitmap)
{
    static const bool bHandlers = (wxInitAllImageHandlers(), true);
    (void)bHandlers;
    wxImage image;
    if (!wxFileExists(strFile) || !image.LoadFile(strFile))
        return false;
    bitmap = wxBitmap(image);
    return bitmap.IsOk();
}
}  // namespace

void CSplashWnd::EnableSplashScreen(bool bEnable)
{
    c_bShowSplashWnd = bEnable;
}

bool CSplashWnd::ShowSplashScreen(int nTimeoutMs, const wxString& strFile, wxWindow* pParent)
{
    if (!c_bShowSplashWnd || c_pSplashWnd != nullptr || strFile.empty())
        return false;
    auto* pSplash = new CSplashWnd;
    if (!LoadPicture(strFile, pSplash->m_bitmap)) {
        delete pSplash;
        return false;
    }
    if (!pSplash->Create(pParent)) {
        Trace("Failed to create splash screen.\n");
        delete pSplash;
        return false;
    }
    c_pSplashWnd = pSplash;
    pSplash->Centre();
    pSplash->Show();

    pSplash->Update();
    pSplash->m_timer.Start(nTimeoutMs);
    return true;
}

bool CSplashWnd::ChangeSplashBitmap(const wxString& strFile)
{
    if (c_pSplashWnd == nullptr || !LoadPicture(strFile, c_pSplashWnd->m_bitmap))
        return false;
    c_pSplashWnd->SetSize(c_pSplashWnd->m_bitmap.GetSize());
    c_pSplashWnd->Refresh();
    return true;
}

bool CSplashWnd::PreTranslateAppMessage(const wxEvent& event)
{
    if (c_pSplashWnd == nullptr)
        return false;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_KEY_DOWN || type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN || type == wxEVT_MIDDLE_DOWN) {
        c_pSplashWnd->HideSplashScreen();
        return true;
    }
    return false;
}

bool CSplashWnd::Create(wxWindow* pParent)
{
    if (!wxFrame::Create(pParent, wxID_ANY, wxString(), wxPoint(0, 0), m_bitmap.GetSize(),
                         wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxFRAME_FLOAT_ON_PARENT))
        return false;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CSplashWnd::OnPaint, this);
    return true;
}

CSplashWnd::CSplashWnd() : m_timer([this] { OnTimer(); }) {}

CSplashWnd::~CSplashWnd()
{
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
}

void CSplashWnd::HideSplashScreen()
{
    m_timer.Stop();
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
    wxWindow* pMain = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
    Destroy();
    if (pMain != nullptr && pMain != this) {
        pMain->Refresh();
        pMain->Update();
    }
}

void CSplashWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.DrawBitmap(m_bitmap, 0, 0);
}

void CSplashWnd::OnTimer()
{
    HideSplashScreen();
}
