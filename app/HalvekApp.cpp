#include "app/HalvekApp.h"

#include "app/MainFrm.h"
#include "controls/WndMessages.h"

bool CHalvekApp::OnInit()
{
    InstallWindowMessagePoster();
    auto* pFrame = new CMainFrame();
    pFrame->Show();
    SetTopWindow(pFrame);
    return true;
}
