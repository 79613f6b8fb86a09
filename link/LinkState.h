#pragma once
// Application-wide state of the device link that the command manager, the send queue and the
// transports share: the link flags, the report and receive buffers, the serial transaction
// flags. Flags that threads share without a lock are atomics.
#include <atomic>

#include "model/DataDefine.h"

class CSendData;

extern std::atomic<int> g_nLinkType;  // 0 none, 1 USB, 2 network, 3 serial
enum { LINK_NONE = 0, LINK_USB = 1, LINK_NET = 2, LINK_SERIAL = 3 };

extern std::atomic<int> g_bAwaitHello;       // the handshake answer is awaited
extern std::atomic<int> g_bTrafficPaused;    // normal traffic stopped after a faulty data reply
extern std::atomic<int> g_bUpdateAbort;      // a firmware update is being aborted
extern std::atomic<int> g_bUpdateFinished;   // the last firmware reply arrived
extern std::atomic<int> g_bMcuImageLoaded;   // the loaded firmware file holds an MCU image
extern std::atomic<int> g_bTransferring;     // a preset batch or a factory reset runs
extern std::atomic<int> g_bUpdating;         // the link carries a firmware update
extern std::atomic<int> g_bUsbOpen;          // USB traffic may proceed: every USB read and write loop ends at 0
extern std::atomic<int> g_nLastFwCommand;    // firmware command of the head frame last written
extern std::atomic<int> g_bUpdateWaiting;     // the update dialog waits for the processor: no automatic connect

// The firmware update engine's state (link/FirmwareUpdate.h): set by a load on the UI thread, then
// driven by the worker's firmware passes alone.
extern std::atomic<int> g_bEnterUpdatePending;   // the next packet is the enter-update pattern
extern std::atomic<int> g_nDspUpdateState;       // FW_DSP_... below
extern std::atomic<int> g_nMcuUpdateState;       // FW_MCU_... below
extern std::atomic<int> g_nDspChunkAddress;      // offset of the next DSP piece in the DSP image
extern std::atomic<int> g_nUpdateProgressRange;  // upper bound of the update dialog's bar
extern std::atomic<int> g_bDspImageLoaded;       // the loaded firmware file holds a DSP image
enum { FW_DSP_START = 0, FW_DSP_SENDING = 1, FW_DSP_END_PENDING = 2, FW_DSP_MCU_FOLLOWS = 3, FW_DSP_DONE = 4 };
enum { FW_MCU_APPLY = 0, FW_MCU_START = 1, FW_MCU_SENDING = 2, FW_MCU_END_PENDING = 3, FW_MCU_DONE = 4 };

// The six link-state ints: three USB ones and two network ones that are only ever cleared, and
// the network link flag.
extern std::atomic<int> g_nUsbLinkState[3];
extern std::atomic<int> g_bNetLink;
extern std::atomic<int> g_nNetLinkState[2];
void ResetLinkStates();
void ResetUsbLinkState();
void ResetNetLinkState();

constexpr int HID_REPORT_SIZE = 65;  // report id 0, then 64 frame bytes
constexpr int NET_RECV_SIZE = 400;
extern BYTE g_byHidOut[HID_REPORT_SIZE];
extern BYTE g_byHidIn[HID_REPORT_SIZE];
extern BYTE g_byNetRecv[NET_RECV_SIZE];

// Serial transaction flags: byte 0 reply awaited, byte 1 frame complete, byte 5 bad frame; the
// last two bytes count empty reads.
constexpr int COMM_FLAG_AWAITED = 0;
constexpr int COMM_FLAG_COMPLETE = 1;
constexpr int COMM_FLAG_BAD_FRAME = 5;
extern BYTE g_commFlags[14];
void ClearCommFlags();
// The frame the serial link is sending, or none.
extern std::atomic<CSendData*> g_pCurSend;
