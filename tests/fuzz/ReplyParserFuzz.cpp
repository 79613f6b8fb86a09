// Feeds arbitrary byte streams to the command manager, split as a transport would hand them
// over, with frames of every kind at the head of the queue. Byte 0 picks the transport and the
// flags, byte 1 the size of each piece; the rest is the stream.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"

namespace {

class CDropPoster : public IMessagePoster {
public:
    bool Post(const PostedMessage&) override { return true; }
};

class CBar : public IProgressBar {
public:
    int GetPos() const override { return m_nPos; }
    int GetUpper() const override { return 50; }
    void SetPos(int nPos) override { m_nPos = nPos; }
    int m_nPos = 0;
};

class CTip : public IStatusLine {
public:
    void SetText(const std::string& strUtf8) override { m_strText = strUtf8; }
    std::string m_strText;
};

void QueueFrames(CKTVCommand& cmd)
{
    auto pReset = MakeWriteSystemFrame(SYS_FACTORY_RESET, 0);
    pReset->SetLongWait(1);
    cmd.AddSendData(std::move(pReset));
    auto pEnd = MakeReadFrame(0, BLOCK_OUTPUT, 7, 1, 0);
    pEnd->SetTransferEnd(1);
    cmd.AddSendData(std::move(pEnd));
    for (int nCommand : {0, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0xFF}) {
        auto pFrame = MakeReadSystemFrame(SYS_STATUS, 0);
        pFrame->SetCommand(nCommand);
        pFrame->SetBatchIndex(nCommand & 7);
        pFrame->SetLastOfReadBatch(nCommand == 0);
        cmd.AddSendData(std::move(pFrame));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    static CDropPoster poster;
    static CBar bar;
    static CTip tip;
    static const bool bInstalled = [] {
        SetMessagePoster(&poster);
        g_pDisplayProgress = &bar;
        g_pUpdateProgress = &bar;
        g_pCurHexUpTip = &tip;
        return true;
    }();
    (void)bInstalled;
    if (nSize < 2)
        return 0;

    const std::uint8_t byMode = pData[0];
    const std::size_t nPiece = std::max<std::size_t>(pData[1], 1);
    pData += 2;
    nSize -= 2;

    InitDeviceData();
    ClearCommFlags();
    g_bAwaitHello = (byMode & 0x10) ? 1 : 0;
    g_bUpdateAbort = (byMode & 0x20) ? 1 : 0;
    g_bMcuImageLoaded = (byMode & 0x40) ? 1 : 0;
    g_nLinkType = (byMode & 0x80) ? LINK_USB : LINK_NONE;

    CKTVCommand cmd;
    cmd.SetNotifyWnd(1);
    QueueFrames(cmd);

    for (std::size_t i = 0; i < nSize;) {
        switch (byMode & 3) {
        case 0: {  // USB: 64 bytes per report, the piece size as the reported count
            const std::size_t n = std::min<std::size_t>(64, nSize - i);
            std::memset(g_byHidIn, 0, sizeof(g_byHidIn));
            std::memcpy(g_byHidIn + 1, pData + i, n);
            cmd.OnUsbReport(static_cast<int>(std::min<std::size_t>(nPiece, HID_REPORT_SIZE)));
            i += n;
            break;
        }
        case 1: {  // network reads of the piece size
            const std::size_t n = std::min({nPiece, nSize - i, std::size_t(NET_RECV_SIZE)});
            std::memcpy(g_byNetRecv, pData + i, n);
            cmd.OnNetworkData(static_cast<int>(n));
            i += n;
            break;
        }
        default:  // serial: byte by byte
            cmd.OnSerialByte(pData[i++]);
            break;
        }
        if (cmd.GetQueueCount() == 0)
            QueueFrames(cmd);
    }
    g_bAwaitHello = 0;
    g_bUpdateAbort = 0;
    return 0;
}
