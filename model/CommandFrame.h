#pragma once
// Command frames: every request to the processor, and every reply, has this layout:
//   6B 6B 6B EE, class, device, preset, block, index, sub, link, 0, length (LE 16), payload,
//   XOR of the class byte through the last payload byte, AA.
// The builders assemble a frame in one shared template and return a new frame object owning a
// copy. Bytes a builder does not write keep what the previous builder left in the template:
// the processor has always seen the meter poll carry the payload of the frame built before it.
// The template is shared, so building must hold g_csLink (or run while no link is open).
#include <memory>

#include "link/SendData.h"
#include "model/DataDefine.h"

constexpr int FRAME_HEADER_SIZE = 14;
constexpr int FRAME_OVERHEAD = 16;           // header, check byte, end byte
constexpr int FRAME_PAYLOAD_CAPACITY = 301;
constexpr BYTE FRAME_SYNC = 0x6B;
constexpr BYTE FRAME_SYNC_LAST = 0xEE;
constexpr BYTE FRAME_END = 0xAA;

// Group type of the idle meter poll (a status read) in MakeWriteGroupFrame.
constexpr int GROUP_METER_POLL = 7;

#pragma pack(push, 1)
struct CommandFrame {
    BYTE m_bySync[4];
    BYTE m_byClass;
    BYTE m_byDevice;
    BYTE m_byPreset;
    BYTE m_byBlock;
    BYTE m_byIndex;
    BYTE m_bySub;
    BYTE m_byLink;
    BYTE m_byPad;
    WORD m_nLength;
    BYTE m_byPayload[FRAME_PAYLOAD_CAPACITY];
    BYTE m_byEnd;
};
#pragma pack(pop)
static_assert(sizeof(CommandFrame) == 316 && offsetof(CommandFrame, m_byPayload) == FRAME_HEADER_SIZE);

extern CommandFrame g_cmdFrame;
// The frame the builders made last and its buffer, kept for a look in the debugger; a builder
// that makes no frame leaves both null. References only: the frame belongs to whoever received
// it and may be gone. Guarded like the template.
extern CSendData* g_pLastBuilt;
extern BYTE* g_pLastBuiltBuf;

// Clears the template and writes its sync bytes and end byte.
void InitCommandFrame();
// Copies the template's header and payload into the buffer and adds check and end byte.
void FinishFrame(BYTE* pBuffer, int n);
// Returns a frame holding the template's finished frame of n bytes.
std::unique_ptr<CSendData> MakeFrameFromTemplate(int n);

// Write of one 8-byte group of the current preset (type = block type; GROUP_METER_POLL polls).
std::unique_ptr<CSendData> MakeWriteGroupFrame(int nType, int nChannel, int nGroup);
// Write of a whole channel block, from the live image, a stored image or the effect library.
std::unique_ptr<CSendData> MakeWriteBlockFrame(int nPreset, int nBlock, int nChannel, int bFromLive,
                                               int bFromStored);
// Read request for a whole channel block; bStored changes nothing in the frame.
std::unique_ptr<CSendData> MakeReadFrame(int nPreset, int nBlock, int nChannel, int bRecall,
                                         int bStored);
std::unique_ptr<CSendData> MakeReadSystemFrame(int nItem, int nPreset);
// Write of a system item; none for an item that has no write payload.
std::unique_ptr<CSendData> MakeWriteSystemFrame(int nItem, int nPreset);
