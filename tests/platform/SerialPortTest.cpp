// The serial transport over a pseudo-terminal pair, with the processor emulator at the far end.
#include <gtest/gtest.h>

#include <termios.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "link/SerialPort.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "platform/ComPorts.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "tests/support/EmulatorSerialLine.h"
#include "tests/support/FakeTtyTree.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/MessageRecorder.h"

namespace {
using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr WndHandle VIEW = 7;


class SerialTransport : public testing::Test {
protected:
    void SetUp() override
    {
        InitDeviceData();
        ClearCommFlags();
        g_pCurSend = nullptr;
        g_pCommand = &m_cmd;
        g_pNotifyWnd = VIEW;
        m_cmd.SetNotifyWnd(VIEW);
        g_hSendDone.Reset();
    }
    void TearDown() override
    {
        m_port.ClosePort();
        g_pCommand = nullptr;
        g_pCurSend = nullptr;
        g_pNotifyWnd = 0;
    }

    void Open()
    {
        ASSERT_EQ(m_port.InitPort(VIEW, m_line.PortPath(), 57600, 'N', 8, 1, EV_RXCHAR | EV_TXEMPTY, 512), 1);
        ASSERT_EQ(m_port.StartMonitoring(), 1);
    }

    // Queues the frame, makes it the frame in flight and asks the thread to write it.
    void Send(std::unique_ptr<CSendData> pFrame)
    {
        {
            std::lock_guard lock(g_csLink);
            m_cmd.AddSendData(std::move(pFrame));
            g_pCurSend = m_cmd.GetHead();
        }
        m_port.SetSerialEvent(CSerialPort::SERIAL_WRITE);
        m_port.ResumeMonitoring();
    }

    // Then takes the link lock once, so the worker has finished what it did around the post.
    bool WaitForPost(unsigned nMsg, std::chrono::milliseconds timeout)
    {
        const bool bPosted = m_posted.WaitFor(nMsg, 1, timeout);
        std::lock_guard lock(g_csLink);
        return bPosted;
    }

    CMessageRecorder m_posted;
    CMessageBoxRecorder m_boxes;
    CKTVCommand m_cmd;
    CProcessorEmulator m_emulator;
    CEmulatorSerialLine m_line{m_emulator};
    CSerialPort m_port;
};
}  // namespace

TEST_F(SerialTransport, FrameGoesOutAt57600EightNOneAndTheReplyIsDispatchedByteByByte)
{
    Open();
    termios tio{};
    ASSERT_TRUE(m_line.GetLineSettings(tio));
    EXPECT_EQ(cfgetospeed(&tio), B57600);
    EXPECT_EQ(cfgetispeed(&tio), B57600);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_TRUE(m_port.GetDCB().bRtsOn);

    Send(MakeReadSystemFrame(SYS_VERSION, 0));
    ASSERT_TRUE(g_hSendDone.Wait(3s));

    // The version read as the protocol lays it out: class A2, device 1, block 9, item 4, an
    // 8-byte zero payload, XOR A2^01^09^04^08 = A6, end byte.
    const auto log = m_emulator.Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(HexText(log[0].bytes.data(), static_cast<int>(log[0].bytes.size())),
              HexText(HexBytes("6B6B6BEE A2 01 00 09 04 00 00 00 08 00 0000000000000000 A6 AA").data(), 24));
    std::lock_guard lock(g_csLink);
    EXPECT_EQ(std::string(g_szDeviceVersion), "ZIRE-RI1.00");
    EXPECT_EQ(m_posted.Count(WM_VERSION_RECEIVED), 1);
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
    EXPECT_EQ(g_pCurSend.load(), nullptr);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

TEST_F(SerialTransport, FramesFollowEachOtherOnOneOpenPort)
{
    Open();
    for (int i = 0; i < 3; ++i) {
        g_hSendDone.Reset();
        Send(MakeReadSystemFrame(SYS_MASTER, 0));
        ASSERT_TRUE(g_hSendDone.Wait(3s)) << "frame " << i;
    }
    EXPECT_EQ(m_emulator.Log().size(), 3u);
    std::lock_guard lock(g_csLink);
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
}

// A reply that never comes: read again at the first time-out, written again at the second, read
// again at the third, and the link fails at the fourth.
TEST_F(SerialTransport, RetryLadderEndsInSerialLinkFailure)
{
    m_emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS);
    Open();
    Send(MakeReadSystemFrame(SYS_STATUS, 0));
    ASSERT_TRUE(WaitForPost(WM_LINK_FAILED, 5s));
    std::lock_guard lock(g_csLink);
    EXPECT_EQ(m_emulator.Log().size(), 2u);
    ASSERT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
    for (const auto& msg : m_posted.Posted())
        if (msg.nMsg == WM_LINK_FAILED) {
            EXPECT_EQ(msg.hWnd, VIEW);
            EXPECT_EQ(msg.wParam, 0u);
            EXPECT_EQ(msg.lParam, 3);
        }
    EXPECT_TRUE(m_boxes.shown.empty());
}

// Spoilt replies are retried, each retry counting as an attempt, until the link fails; the
// thread posts and never shows a message.
TEST_F(SerialTransport, ReplyThatNeverChecksOutEndsTheLinkAfterFourWrites)
{
    m_emulator.InjectFault(EmuFault::CorruptCheck, EMU_ALWAYS);
    Open();
    Send(MakeReadSystemFrame(SYS_STATUS, 0));
    ASSERT_TRUE(WaitForPost(WM_LINK_FAILED, 5s));
    EXPECT_EQ(m_emulator.Log().size(), 4u);
    EXPECT_TRUE(m_boxes.shown.empty());
    m_port.ClosePort();
    EXPECT_FALSE(m_port.IsThreadAlive());
}

TEST_F(SerialTransport, OneLateReplyIsStillTaken)
{
    m_emulator.InjectFault(EmuFault::Late, 1, {}, 700ms);
    Open();
    Send(MakeReadSystemFrame(SYS_VERSION, 0));
    ASSERT_TRUE(g_hSendDone.Wait(4s));
    EXPECT_EQ(m_emulator.Log().size(), 1u);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

TEST_F(SerialTransport, MissingPortFailsCleanlyAndClosingItDoesNothing)
{
    for (const char* szName : {"NULL", "/dev/tarvi-no-such-port", "/dev/null"}) {
        SCOPED_TRACE(szName);
        EXPECT_EQ(m_port.InitPort(VIEW, szName, 57600, 'N', 8, 1, EV_RXCHAR | EV_TXEMPTY, 512), 0);
        EXPECT_EQ(m_port.StartMonitoring(), 0);
        EXPECT_EQ(m_port.ClosePort(), 1);
        EXPECT_FALSE(m_port.IsThreadAlive());
    }
    CSerialPort never;
    EXPECT_EQ(never.ClosePort(), 1);
    EXPECT_EQ(never.ClosePort(), 1);
    EXPECT_TRUE(m_posted.Posted().empty());
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(SerialTransport, PortCanBeReopenedAndIsNotShared)
{
    Open();
    CSerialDevice other;
    EXPECT_EQ(other.Open(m_line.PortPath()), LinkError::Busy);
    ASSERT_EQ(m_port.InitPort(VIEW, m_line.PortPath(), 57600, 'N', 8, 1, EV_RXCHAR, 512), 1);
    ASSERT_EQ(m_port.StartMonitoring(), 1);
    Send(MakeReadSystemFrame(SYS_VERSION, 0));
    EXPECT_TRUE(g_hSendDone.Wait(3s));
    m_port.ClosePort();
    EXPECT_EQ(other.Open(m_line.PortPath()), LinkError::None);
}

TEST(SerialSettings, SettingsTextIsReadIntoTheControlBlock)
{
    struct Case {
        const char* szText;
        bool bOk;
        int nBaud;
        char cParity;
        int nData;
        int nStop;
    };
    const Case cases[] = {
        {"baud=57600 parity=N data=8 stop=1", true, 57600, 'N', 8, 1},
        {"baud=9600 parity=e data=7 stop=2", true, 9600, 'E', 7, 2},
        {"parity=O", true, 1200, 'O', 6, 1},
        {"baud=57601 parity=N data=8 stop=1", false, 1200, 'N', 6, 1},
        {"baud=57600 parity=X", false, 1200, 'N', 6, 1},
        {"baud=57600 data=9", false, 1200, 'N', 6, 1},
        {"baud57600", false, 1200, 'N', 6, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szText);
        SerialDcb dcb{1200, 'N', 6, 1, false};
        EXPECT_EQ(BuildSerialDcb(c.szText, dcb), c.bOk);
        EXPECT_EQ(dcb.nBaudRate, c.nBaud);
        EXPECT_EQ(dcb.cParity, c.cParity);
        EXPECT_EQ(dcb.nByteSize, c.nData);
        EXPECT_EQ(dcb.nStopBits, c.nStop);
    }
}

class ComPortList : public testing::Test, protected CFakeTtyTree {};

TEST_F(ComPortList, PortsStandingOnADeviceAreListedInNameOrder)
{
    Write(Root() / "devices/pci0/usb1/1-2/product", "CP2102 USB to UART Bridge");
    AddTty("ttyUSB0", "pci0/usb1/1-2/1-2:1.0/ttyUSB0");
    AddTty("ttyS10", "platform/serial8250/tty/ttyS10", "4");
    AddTty("ttyS2", "platform/serial8250/tty/ttyS2", "4");
    AddTty("ttyS3", "platform/serial8250/tty/ttyS3", "0");  // a slot without a UART
    AddTty("tty1", "");                                      // a virtual console
    fs::create_directories(Root() / "devices/drivers/serial8250");
    fs::create_directory_symlink(Root() / "devices/drivers/serial8250",
                                 Root() / "devices/platform/serial8250/tty/ttyS2/driver");

    std::vector<ComPortInfo> list{ComPortInfo{}};
    ASSERT_EQ(ListComPorts(list, false, Sys(), Dev()), "");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].strPortName, "ttyS2");
    EXPECT_EQ(list[0].strDisplayName, "serial8250 (ttyS2)");
    EXPECT_FALSE(list[0].bUsb);
    EXPECT_EQ(list[1].strPortName, "ttyS10");
    EXPECT_EQ(list[1].strDescription, "ttyS10");
    EXPECT_EQ(list[2].strPortName, "ttyUSB0");
    EXPECT_EQ(list[2].strDevicePath, Dev() + "/ttyUSB0");
    EXPECT_EQ(list[2].strDisplayName, "CP2102 USB to UART Bridge (ttyUSB0)");
    EXPECT_TRUE(list[2].bUsb);
}

TEST_F(ComPortList, BusyAndAbsentPortsAreDroppedOnRequest)
{
    CProcessorEmulator emulator;
    CEmulatorSerialLine line(emulator);
    AddTty("ttyUSB0", "usb1/1-1/ttyUSB0");
    AddTty("ttyUSB1", "usb1/1-2/ttyUSB1");
    fs::create_symlink(line.PortPath(), Root() / "dev" / "ttyUSB0");  // ttyUSB1 has no node

    std::vector<ComPortInfo> list;
    ASSERT_EQ(ListComPorts(list, true, Sys(), Dev()), "");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].strPortName, "ttyUSB0");

    CSerialDevice holder;
    ASSERT_EQ(holder.Open(list[0].strDevicePath), LinkError::None);
    ASSERT_EQ(ListComPorts(list, true, Sys(), Dev()), "");
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(ListComPorts(list, false, Sys(), Dev()), "");
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(ComPortList, UnreadableTreeIsReported)
{
    std::vector<ComPortInfo> list{ComPortInfo{}};
    EXPECT_EQ(ListComPorts(list, false, Sys() + "/missing", Dev()), "Could not read from " + Sys() + "/missing");
    EXPECT_TRUE(list.empty());
}
