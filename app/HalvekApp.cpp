#include "app/HalvekApp.h"

#include <wx/app.h>
#include <wx/icon.h>

#include <stdlib.h>

#include <csignal>
#include <string>

#include "app/HalvekModule.h"
#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "app/MessageBox.h"
#include "app/Splash.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "platform/SystemLocale.h"
#include "platform/Trace.h"
#include "res/Dpi.h"
#include "res/SharedGdi.h"
#include "res/Skins.h"
#include "res/ViewSkins.h"

int g_nSystemLcid = LCID_ENGLISH_US;

namespace {
constexpr int kIconId = IDB_APP_ICON;

// A termination signal or the end of the session closes the main window the way the window
// manager does, so the device link ends cleanly, once every modal dialog has ended. The window is
// destroyed when the loop next goes idle, and with the link closed nothing else may wake the loop:
// it is woken here.
void OnTerminate(int)
{
    static_cast<CHalvekApp*>(wxTheApp)->ModalLoops().CloseAfterModals([] {
        if (wxWindow* pMain = wxTheApp->GetTopWindow())
            pMain->Close(true);
        else
            wxTheApp->ExitMainLoop();
        wxWakeUpIdle();
    });
}

// The splash window stays off when the program is started as an embedded or automated server.
bool SplashSwitch(const wxString& strCmdLine)
{
    const std::string strLower = strCmdLine.Lower().utf8_string();
    for (const char* szFlag : {"-embedding", "/embedding", "-automation", "/automation"})
        if (strLower.find(szFlag) != std::string::npos)
            return false;
    return true;
}
}  // namespace

void SendIdleEventsOnlyWhereAsked()
{
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);
}

wxString CommandLineOf(int argc, const wxArrayString& argv)
{
    wxString strCmdLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            strCmdLine += ' ';
        strCmdLine += argv[i];
    }
    return strCmdLine;
}

// Constructed before wx starts GTK, which is when the scaling must be fixed and GL left out: the
// program draws with cairo only, and GTK's GL set-up would load the system's GL driver (on a
// machine without a GPU driver Mesa's software rasteriser, some 50 MB) for nothing. A GDK_GL the
// user set wins.
CHalvekApp::CHalvekApp()
{
    UseFixedDpi();
    setenv("GDK_GL", "disable", 0);
}

CHalvekApp::~CHalvekApp() = default;

bool CHalvekApp::InitInstance()
{
    const wxString strCmdLine = CommandLineOf(argc, argv.GetArguments());
    CSplashWnd::EnableSplashScreen(SplashSwitch(strCmdLine));
    if (!InitATL())
        return false;
    InstallWindowMessagePoster();
    InstallMessageBox();
    m_modalLoops.Register();
    SendIdleEventsOnlyWhereAsked();
    InitDeviceData();
    g_nSystemLcid = SystemDefaultLcid();
    g_bChinese = g_nSystemLcid == LCID_CHINESE_SIMPLIFIED ? 1 : 0;
    CreateSharedGdiObjects();

    auto* pFrame = new CMainFrame();
    SetTopWindow(pFrame);
    wxIcon icon;
    icon.CopyFromBitmap(LoadSkin(kIconId));
    pFrame->SetIcon(icon);
    m_pDoc = std::make_unique<CHalvekDoc>();
    m_pDoc->OnNewDocument();
    CHalvekView* pView = pFrame->OpenDocument(*m_pDoc, m_hid, {}, {});
    // The first paint of the view is when the user sees the program (the start-up benchmark
    // waits for this line).
    pView->Bind(wxEVT_PAINT, [bShown = false](wxPaintEvent& event) mutable {
        if (!bShown)
            Trace("Main window shown\n");
        bShown = true;
        event.Skip();
    });
    pFrame->Show();
    for (int nSignal : {SIGTERM, SIGHUP, SIGINT})
        SetSignalHandler(nSignal, OnTerminate);
    return true;
}

int CHalvekApp::ExitInstance()
{
    DestroySharedGdiObjects();
    ReleaseSkins();
    return wxApp::OnExit();
}

bool CHalvekApp::InitATL()
{
    const std::string strCmdLine = CommandLineOf(argc, argv.GetArguments()).utf8_string();
    return CHalvekModule::ScanCommandLine(strCmdLine) == CHalvekModule::Switch::None;
}
