#include "app/HalvekApp.h"

#include "app/MainFrm.h"
#include "app/MessageBox.h"
#include "controls/WndMessages.h"
#include "res/Dpi.h"
#include "res/SharedGdi.h"

// Constructed before wx starts GTK, which is when the scaling must be fixed.
CHalvekApp::CHalvekApp()
{
    UseFixedDpi();
}

bool CHalvekApp::OnInit()
{
    InstallWindowMessagePoster();
    InstallMessageBox();
    CreateSharedGdiObjects();
    auto* pFrame = new CMainFrame();
    pFrame->Show();
    SetTopWindow(pFrame);
    return true;
}

int CHalvekApp::OnExit()
{
    DestroySharedGdiObjects();
    return wxApp::OnExit();
}
