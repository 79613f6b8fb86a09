// The program as a whole: the server switches, a normal start and a termination signal, with
// and without a modal dialog open; and the pieces of start-up that decide them (the switch scan,
// the splash window).
#include <gtest/gtest.h>
#include <signal.h>
#include <wx/image.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/HalvekModule.h"
#include "app/Splash.h"
#include "app/ViewIds.h"
#include "controls/TemplateItems.h"
#include "platform/SettingsStore.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ManualTimerClock.h"
#include "tests/ui/UiTestUtil.h"

namespace {
using namespace std::chrono_literals;

constexpr char kShownLine[] = "Main window shown";
constexpr int kViewTemplate = 101;  // the main view's

// One step of the way to a modal window from outside: a click on a control of the main view,
// or keys pressed; then the window that shows, by its title.
struct WayStep {
    int nClickId;  // 0: press the keys
    const char* szKeys;
    const char* szShows;
};

bool TakeStep(pid_t pid, const WayStep& step)
{
    if (step.nClickId != 0) {
        CTemplateItems items(kViewTemplate);
        items.UseTemplateFont();
        const wxRect rc = items.ItemRect(step.nClickId);
        if (!ClickInWindowOf(pid, rc.x + rc.width / 2, rc.y + rc.height / 2))
            return false;
    } else if (!PressKeys(step.szKeys)) {
        return false;
    }
    return WaitForWindowOf(pid, step.szShows, 20s);
}

std::string FileText(const std::string& strPath)
{
    std::ifstream file(strPath);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

bool HasXdotool()
{
    return std::system("command -v xdotool >/dev/null") == 0;
}
}  // namespace

TEST(CommandLine, ServerSwitchesAreTheWholeRestAfterADashOrSlash)
{
    using Switch = CHalvekModule::Switch;
    struct Case {
        const char* szCmdLine;
        Switch expected;
    };
    const Case cases[] = {
        {"", Switch::None},
        {"/RegServer", Switch::RegServer},
        {"-regserver", Switch::RegServer},
        {"-UnregServer", Switch::UnregServer},
        {"/UNREGSERVER", Switch::UnregServer},
        {"file.TarviC1 /RegServer", Switch::RegServer},
        {"-RegServer extra", Switch::None},
        {"/Reg-RegServer", Switch::RegServer},
        {"RegServer", Switch::None},
        {"-Embedding", Switch::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CHalvekModule::ScanCommandLine(c.szCmdLine), c.expected) << "\"" << c.szCmdLine << "\"";
    EXPECT_STREQ(CHalvekModule::FindOneOf("ab/cd", "-/"), "cd");
    EXPECT_EQ(CHalvekModule::FindOneOf("abcd", "-/"), nullptr);
}

TEST(Program, ServerSwitchesEndItWithoutAWindow)
{
    for (const char* szSwitch : {"-RegServer", "/UnregServer"}) {
        SCOPED_TRACE(szSwitch);
        CProgramRun program(TARVI_PROGRAM, {szSwitch});
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(program.WaitForExit(20s), 0);
        EXPECT_EQ(program.Output().find(kShownLine), std::string::npos) << program.Output();
    }
}

TEST(Program, StartsWithOtherTextAfterASwitchAndEndsCleanlyOnATerminationSignal)
{
    CProgramRun program(TARVI_PROGRAM, {"-RegServer", "extra"});
    ASSERT_TRUE(program.WaitForLine(kShownLine, 30s)) << program.Output();
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitForExit(20s), 0) << program.Output();
}

// Connected, nothing but the closing link may wake the main loop, and the window still goes. The
// program runs on a network of its own (a namespace), where the emulated processor answers at
// its factory address, so the program finds, pings and connects to it as to a real one.
TEST(Program, EndsOnATerminationSignalWhileConnected)
{
    const std::string strUnshare = NetworkNamespaceRunner();
    if (strUnshare.empty())
        GTEST_SKIP() << "this machine lets no network namespace be made";
    for (const int nSignal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(nSignal);
        CProgramRun program(strUnshare, {"-rn", TARVI_PROCESSOR_ON_NETWORK, TARVI_PROGRAM});
        ASSERT_TRUE(program.WaitForLine("Processor: meters polled", 60s)) << program.Output().substr(0, 2000);
        program.Signal(nSignal);
        EXPECT_EQ(program.WaitForExit(20s), 0);
    }
}

// A modal loop runs on the stack of the handler that opened it: the signal ends it as its own close
// would, and only then does the window close, the settings file as it was.
TEST(Program, EndsOnATerminationSignalWithAModalWindowOpen)
{
    if (!HasXdotool())
        GTEST_SKIP() << "xdotool is not installed";
    struct Case {
        const char* szName;
        std::vector<WayStep> way;
    };
    const Case cases[] = {
        {"exit prompt", {{IDC_CLOSE, "", "Prompting"}}},
        {"message box", {{IDC_TOOLS_MENU, "", "tarvi"}, {0, "Down Down Down Down Return", "Help"}}},
        {"System dialog", {{IDC_SYSTEM, "", "System"}}},
        {"advanced dialog", {{IDC_TOOLS_MENU, "", "tarvi"}, {0, "Down Down Return", "Advanced Setting"}}},
        {"file chooser", {{IDC_PRESET_MENU, "", "tarvi"}, {0, "Down Return", "Open"}}},
        {"file chooser of the exit prompt's YES", {{IDC_CLOSE, "", "Prompting"}, {0, "Return", "Save As"}}},
        {"pop-up menu", {{IDC_TOOLS_MENU, "", "tarvi"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CProgramRun program(TARVI_PROGRAM, {});
        ASSERT_TRUE(program.WaitForLine(kShownLine, 30s)) << program.Output();
        for (const WayStep& step : c.way)
            ASSERT_TRUE(TakeStep(program.Pid(), step)) << step.szShows;
        const std::string strSettings = FileText(CFileSettingsStore::DefaultPath());
        ASSERT_NE(strSettings.find("Line_Set"), std::string::npos) << strSettings;
        program.Signal(SIGTERM);
        EXPECT_EQ(program.WaitForExit(20s), 0) << program.Output();
        EXPECT_EQ(FileText(CFileSettingsStore::DefaultPath()), strSettings);
    }
}

// The stored-preset manager needs the processor.
TEST(Program, EndsOnATerminationSignalWithTheStoredPresetManagerOpen)
{
    const std::string strUnshare = NetworkNamespaceRunner();
    if (strUnshare.empty() || !HasXdotool())
        GTEST_SKIP() << "this machine lets no network namespace be made, or has no xdotool";
    CProgramRun program(strUnshare, {"-rn", TARVI_PROCESSOR_ON_NETWORK, TARVI_PROGRAM});
    ASSERT_TRUE(program.WaitForLine("Processor: meters polled", 60s)) << program.Output().substr(0, 2000);
    const pid_t pid = ChildOf(program.Pid());
    ASSERT_TRUE(TakeStep(pid, {IDC_PRESET_MENU, "", "tarvi"}));
    ASSERT_TRUE(TakeStep(pid, {0, "Down Return", "Load Machine Preset"}));
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitForExit(20s), 0);
}

TEST(Splash, ShowsAPictureFileOnlyWhenEnabledAndHidesOnAKeyOrAtItsTimeOut)
{
    const std::string strFile = ConfigFolder() + "/splash.png";
    wxImage picture(120, 60);
    picture.SetRGB(wxRect(0, 0, 120, 60), 13, 133, 138);
    wxImage::AddHandler(new wxPNGHandler);
    ASSERT_TRUE(picture.SaveFile(strFile, wxBITMAP_TYPE_PNG));

    CSplashWnd::EnableSplashScreen(false);
    EXPECT_FALSE(CSplashWnd::ShowSplashScreen(5000, strFile, nullptr));
    CSplashWnd::EnableSplashScreen(true);
    EXPECT_FALSE(CSplashWnd::ShowSplashScreen(5000, "", nullptr));
    EXPECT_FALSE(CSplashWnd::ShowSplashScreen(5000, ConfigFolder() + "/missing.png", nullptr));
    ASSERT_TRUE(CSplashWnd::ShowSplashScreen(5000, strFile, nullptr));
    EXPECT_FALSE(CSplashWnd::ShowSplashScreen(5000, strFile, nullptr));
    ASSERT_NE(CSplashWnd::GetInstance(), nullptr);
    EXPECT_TRUE(SettleUntil([] { return CSplashWnd::GetInstance()->GetClientSize() == wxSize(120, 60); }))
        << CSplashWnd::GetInstance()->GetClientSize().x;

    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(wxMouseEvent(wxEVT_MOTION)));
    EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(wxKeyEvent(wxEVT_KEY_DOWN)));
    EXPECT_EQ(CSplashWnd::GetInstance(), nullptr);
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(wxKeyEvent(wxEVT_KEY_DOWN)));

    CManualTimerClock clock;
    ASSERT_TRUE(CSplashWnd::ShowSplashScreen(5000, strFile, nullptr));
    clock.Advance(4999);
    EXPECT_NE(CSplashWnd::GetInstance(), nullptr);
    clock.Advance(1);
    EXPECT_EQ(CSplashWnd::GetInstance(), nullptr);
    wxTheApp->ProcessIdle();
}
