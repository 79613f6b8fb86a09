#include "link/LinkState.h"

#include <cstring>

#include "link/AdvSettings.h"

std::atomic<int> g_nLinkType{LINK_NONE};
std::atomic<int> g_bAwaitHello{0};
std::atomic<int> g_bTrafficPaused{0};
std::atomic<int> g_bUpdateAbort{0};
std::atomic<int> g_bUpdateFinished{0};
std::atomic<int> g_bMcuImageLoaded{0};
std::atomic<int> g_bUsbOpen{0};
std::atomic<int> g_bUpdating{0};
std::atomic<int> g_bTransferring{0};
std::atomic<int> g_nLastFwCommand{0};
std::atomic<int> g_bUpdateWaiting{0};
std::atomic<int> g_bEnterUpdatePending{0};
std::atomic<int> g_nDspUpdateState{FW_DSP_START};
std::atomic<int> g_nMcuUpdateState{FW_MCU_APPLY};
std::atomic<int> g_nDspChunkAddress{0};
std::atomic<int> g_nUpdateProgressRange{0};
std::atomic<int> g_bDspImageLoaded{0};

std::atomic<int> g_nUsbLinkState[3];
std::atomic<int> g_bNetLink{0};
std::atomic<int> g_nNetLinkState[2];

BYTE g_byHidOut[HID_REPORT_SIZE];
BYTE g_byHidIn[HID_REPORT_SIZE];
BYTE g_byNetRecv[NET_RECV_SIZE];
BYTE g_commFlags[14];
std::atomic<CSendData*> g_pCurSend{nullptr};
IAdvSettings* g_pAdvDlg = nullptr;

void ResetUsbLinkState()
{
    for (auto& n : g_nUsbLinkState)
        n = 0;
}

void ResetNetLinkState()
{
    g_bNetLink = 0;
    for (auto& n : g_nNetLinkState)
        n = 0;
}

void ResetLinkStates()
{
    ResetUsbLinkState();
    ResetNetLinkState();
}

void ClearCommFlags()
{
    std::memset(g_commFlags, 0, sizeof(g_commFlags));
}
