#include "app/HalvekApp.h"

#include "app/MainFrm.h"

bool CHalvekApp::OnInit()
{
    auto* pFrame = new CMainFrame();
    pFrame->Show();
    SetTopWindow(pFrame);
    return true;
}
