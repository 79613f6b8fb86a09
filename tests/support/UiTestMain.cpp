// Test main of the GUI tests: starts wx without entering its main loop, so tests create
// windows, send them events and process pending events themselves.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/debug.h>
#include <wx/init.h>

#include "controls/WndMessages.h"
#include "res/Dpi.h"
#include "res/SharedGdi.h"
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
    UseFixedDpi();
    wxApp::SetInstance(new CTestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        fprintf(stderr, "cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    // A failed wx assertion fails the test instead of opening a dialog that waits for a click.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                          const wxString& msg) {
        ADD_FAILURE_AT(file.utf8_str().data(), line)
            << "wx assertion failed in " << func.utf8_str().data() << ": " << cond.utf8_str().data() << " "
            << msg.utf8_str().data();
    });
    InstallWindowMessagePoster();
    CreateSharedGdiObjects();
    const int result = RUN_ALL_TESTS();
    DestroySharedGdiObjects();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
