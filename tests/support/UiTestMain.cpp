// Test main of the GUI tests: starts wx without entering its main loop, so tests create
// windows, send them events and process pending events themselves.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include "controls/WndMessages.h"
#include "tests/support/TestEnvironment.h"

namespace {
class CTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
}  // namespace

int main(int argc, char** argv)
{
    UseFreshConfigFolder();
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))  // test discovery at build time has no display
        return RUN_ALL_TESTS();
    wxApp::SetInstance(new CTestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        fprintf(stderr, "cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    InstallWindowMessagePoster();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
