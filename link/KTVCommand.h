#pragma once
// The command manager: owns the send queue, takes the bytes every transport receives, finds and
// checks reply frames in them however they were split, and dispatches each reply: an
// acknowledgement or refusal acts on the frame in flight (the queue head), a data reply is
// stored into the live image, a stored image or the device-state values, and the main view is
// told by posted messages. It runs on the thread that hands it bytes (the link worker under
// g_csLink, or the serial thread) and has no lock of its own.
#include <memory>

#include "link/SendDataQueue.h"
#include "link/StatusNews.h"
#include "platform/Event.h"
#include "platform/Message.h"

class CKTVCommand {
public:
    // The reply frame buffer and the staging buffer, in bytes.
    static constexpr int BUFFER_SIZE = 400;

    CKTVCommand();
    CKTVCommand(const CKTVCommand&) = delete;
    CKTVCommand& operator=(const CKTVCommand&) = delete;

    // The window that receives every notification.
    void SetNotifyWnd(WndHandle hWnd) { m_hNotifyWnd = hWnd; }

    // Each parses what it is handed and returns 1 when a complete frame was handled and the
    // transaction may end, else 0.
    // An input report in g_byHidIn of nCount bytes (report id first); 1 for an empty report.
    int OnUsbReport(int nCount);
    // nCount bytes received into g_byNetRecv.
    int OnNetworkData(int nCount);
    int OnSerialByte(BYTE by);

    // Queues a frame, and sets the queued-work event (when there is one: the link worker's, which
    // it waits on between passes).
    void AddSendData(std::unique_ptr<CSendData> pFrame);
    void SetQueuedEvent(CManualEvent* pEvent) { m_pQueued = pEvent; }
    CSendData* GetHead() const { return m_queue.GetHead(); }
    int GetQueueCount() const { return m_queue.GetCount(); }
    // Deletes the head frame and clears the serial transaction state; nothing on an empty queue.
    void RemoveHead();
    // Deletes every frame and returns the parser to the hunt for a sync sequence; the next status
    // reply is news to meters shown.
    void ClearQueue();
    void ResetParser();
    // The head frame goes out again from its first byte.
    void RewindHead();
    // Whether the view shows the output meters (any thread): status replies are told to it by
    // CStatusNews.
    void SetMetersShown(bool bShown) { m_statusNews.SetMetersShown(bShown); }
    // The final step of a network firmware update, whose last frame gets no reply.
    void FinishFirmwareUpdate();
    // Steps the transfer or firmware progress for the head frame (run for every valid reply).
    void UpDataPGRange();

private:
    int ParseReceived(int n);
    int CmdCallback();
    void StoreDataReply();
    void StoreBlock(int nOffset, int nBlockSize, int nChannels);
    void StoreSystemItem();
    void Notify(unsigned nMsg, WPARAM wParam, LPARAM lParam) const;

    WndHandle m_hNotifyWnd = 0;
    CManualEvent* m_pQueued = nullptr;
    int m_nExpectedLength = 0;    // of the reply being collected, counted from its 0xEE byte
    BYTE m_byFrame[BUFFER_SIZE];  // the reply from its 0xEE byte: frame byte k at index k - 3
    BYTE m_byStaging[BUFFER_SIZE];
    CSendDataQueue m_queue;
    int m_nSyncCount = 0;
    int m_nCollected = 0;
    int m_nPayloadLength = 0;
    int m_nReplyKind = 0;
    int m_nPreset = 0;
    int m_nBlock = 0;
    int m_nIndex = 0;
    int m_nSub = 0;
    int m_bInFrame = 0;
    int m_bProgramText = 0;  // the update status line shows the programming text
    int m_nSum_Pos = 0;      // firmware progress steps
    CStatusNews m_statusNews;
};

// The command manager, for the serial transport.
extern CKTVCommand* g_pCommand;
