// The program as a whole: the server switches, a normal start and a termination signal; and the
// pieces of start-up that decide them (the switch scan, the splash window).
#include <gtest/gtest.h>
#include <signal.h>
#include <wx/image.h>

#include <chrono>
#include <string>

#include "app/HalvekModule.h"
#include "app/Splash.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ManualTimerClock.h"
#include "tests/ui/UiTestUtil.h"

namespace {
using namespace std::chrono_literals;

constexpr char kShownLine[] = "Main window shown";
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
    Settle(50);
    EXPECT_EQ(CSplashWnd::GetInstance()->GetClientSize(), wxSize(120, 60));

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
