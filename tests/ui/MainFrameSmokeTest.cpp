#include <gtest/gtest.h>
#include <wx/app.h>

#include "app/MainFrm.h"

TEST(MainFrameSmoke, OpensAndClosesUnderTheTestDisplay)
{
    auto* pFrame = new CMainFrame();
    pFrame->Show();
    wxTheApp->Yield(true);
    EXPECT_TRUE(pFrame->IsShown());
    EXPECT_EQ(pFrame->GetTitle(), "Tarvi");
    pFrame->Destroy();
    wxTheApp->Yield(true);
}
