#include "link/SendData.h"

#include <algorithm>
#include <cstring>

#include "link/LinkState.h"

int CSendData::HasMoreToSend() const
{
    if (g_nLinkType != LINK_NONE)
        return m_bMoreToSend;
    return m_nChunkCursor < m_nLength;
}

int CSendData::IsLastOfReadBatch() const
{
    return (g_nLinkType != LINK_NONE || m_nChunkCursor == m_nLength) ? m_bLastOfReadBatch : 0;
}

int CSendData::IsLastOfWriteBatch() const
{
    return (g_nLinkType != LINK_NONE || m_nChunkCursor >= m_nLength) ? m_bLastOfWriteBatch : 0;
}

int CSendData::GetNextChunk()
{
    if (m_nChunkCursor >= m_nLength)
        return 0;
    std::memset(g_byHidOut, 0, sizeof(g_byHidOut));
    const int nPiece = std::min(m_nLength - m_nChunkCursor, HID_REPORT_SIZE - 1);
    std::memcpy(g_byHidOut + 1, m_pBuffer.get() + m_nChunkCursor, static_cast<size_t>(nPiece));
    m_nChunkCursor += nPiece;
    return 1;
}
