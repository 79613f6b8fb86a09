#pragma once
// One outgoing frame: the bytes of a command frame plus what the transports and the reply
// handling need to know about it (how far it has been cut into HID reports, how often it was
// tried, its place in a read or write batch, the firmware command it carries).
#include <memory>

#include "model/DataDefine.h"

class CSendData {
public:
    CSendData() = default;
    CSendData(const CSendData&) = delete;
    CSendData& operator=(const CSendData&) = delete;

    // The frame owns its buffer and frees it with itself.
    void SetBuffer(std::unique_ptr<BYTE[]> pBuffer) { m_pBuffer = std::move(pBuffer); }
    BYTE* GetBuffer() const { return m_pBuffer.get(); }
    void SetLength(int nLength) { m_nLength = nLength; }
    int GetLength() const { return m_nLength; }

    void SetRetryCount(int n) { m_nRetryCount = n; }
    int GetRetryCount() const { return m_nRetryCount; }
    void SetMoreToSend(int b) { m_bMoreToSend = b; }
    // While a link is open, the flag; otherwise whether pieces are left to cut.
    int HasMoreToSend() const;
    void SetInBatch(int b) { m_bInBatch = b; }
    int IsInBatch() const { return m_bInBatch; }
    void SetBatchIndex(int n) { m_nBatchIndex = n; }
    int GetBatchIndex() const { return m_nBatchIndex; }
    void SetLastOfReadBatch(int b) { m_bLastOfReadBatch = b; }
    int IsLastOfReadBatch() const;
    void SetLastOfWriteBatch(int b) { m_bLastOfWriteBatch = b; }
    int IsLastOfWriteBatch() const;
    // Two values of the caller's own; nothing in the program uses them.
    void SetSpare1(int n) { m_nSpare1 = n; }
    int GetSpare1() const { return m_nSpare1; }
    void SetSpare2(int n) { m_nSpare2 = n; }
    int GetSpare2() const { return m_nSpare2; }
    void SetDone(int b) { m_bDone = b; }
    int IsDone() const { return m_bDone; }
    void SetDelayed(int b) { m_bDelayed = b; }
    int IsDelayed() const { return m_bDelayed; }
    void SetCommand(int n) { m_nCommand = n; }
    int GetCommand() const { return m_nCommand; }
    void SetTransferEnd(int b) { m_bTransferEnd = b; }
    int IsTransferEnd() const { return m_bTransferEnd; }
    void SetLongWait(int b) { m_bLongWait = b; }
    int IsLongWait() const { return m_bLongWait; }
    void SetRefused(int b) { m_bRefused = b; }
    int IsRefused() const { return m_bRefused; }

    // Cuts the next piece of at most 64 frame bytes into g_byHidOut (report id 0, the rest of
    // the report zero). 1 when a piece was prepared, 0 when the whole frame has been cut.
    int GetNextChunk();
    // Sends the frame again from its first byte.
    void Rewind() { m_nChunkCursor = 0; }
    int GetChunkCursor() const { return m_nChunkCursor; }

private:
    std::unique_ptr<BYTE[]> m_pBuffer;
    int m_nLength = 0;
    int m_nRetryCount = 0;
    int m_bMoreToSend = 1;
    int m_bInBatch = 0;
    int m_nBatchIndex = 0;
    int m_bLastOfReadBatch = 0;
    int m_bLastOfWriteBatch = 0;
    int m_nSpare1 = 0;
    int m_nSpare2 = 0;
    int m_nChunkCursor = 0;
    int m_bDone = 0;
    int m_bDelayed = 0;
    int m_nCommand = 0;       // firmware command 0x36-0x3C or 0xFF, else 0
    int m_bTransferEnd = 0;   // the reply ends a transfer at once
    int m_bLongWait = 0;      // the processor needs long for it (load factory defaults)
    int m_bRefused = 0;
};
