#include <gtest/gtest.h>

#include <cstring>

#include "link/LinkState.h"
#include "link/SendDataQueue.h"

namespace {

std::unique_ptr<CSendData> FrameOf(int nLength, BYTE byFirst = 1)
{
    auto pBuffer = std::make_unique<BYTE[]>(static_cast<size_t>(nLength));
    for (int i = 0; i < nLength; ++i)
        pBuffer[i] = static_cast<BYTE>(byFirst + i);
    auto pFrame = std::make_unique<CSendData>();
    pFrame->SetBuffer(std::move(pBuffer));
    pFrame->SetLength(nLength);
    return pFrame;
}

int CountPieces(CSendData& frame)
{
    int n = 0;
    while (frame.GetNextChunk())
        ++n;
    return n;
}

}  // namespace

TEST(SendData, NewFrameHasOnlyTheMoreToSendFlag)
{
    g_nLinkType = LINK_USB;
    CSendData frame;
    EXPECT_EQ(frame.HasMoreToSend(), 1);
    EXPECT_EQ(frame.GetBuffer(), nullptr);
    EXPECT_EQ(frame.GetLength() + frame.GetRetryCount() + frame.IsInBatch() + frame.GetBatchIndex() +
                  frame.IsLastOfReadBatch() + frame.IsLastOfWriteBatch() + frame.IsDone() +
                  frame.IsDelayed() + frame.GetCommand() + frame.IsTransferEnd() +
                  frame.IsLongWait() + frame.IsRefused() + frame.GetChunkCursor() + frame.GetSpare1() +
                  frame.GetSpare2(),
              0);
    g_nLinkType = LINK_NONE;
}

TEST(SendData, FramesAreCutIntoZeroPaddedReports)
{
    struct Case {
        int nLength;
        int nPieces;
        int nLastPieceBytes;
    };
    for (const Case c : {Case{24, 1, 24}, Case{64, 1, 64}, Case{65, 2, 1}, Case{312, 5, 56}}) {
        SCOPED_TRACE(c.nLength);
        auto pFrame = FrameOf(c.nLength);
        int nPieces = 0;
        while (pFrame->GetNextChunk()) {
            ++nPieces;
            EXPECT_EQ(g_byHidOut[0], 0);  // report id
            EXPECT_EQ(g_byHidOut[1], static_cast<BYTE>(1 + 64 * (nPieces - 1)));
        }
        EXPECT_EQ(nPieces, c.nPieces);
        // The buffer keeps the last piece: its bytes, then zeros.
        EXPECT_EQ(g_byHidOut[c.nLastPieceBytes], static_cast<BYTE>(c.nLength));
        for (int i = c.nLastPieceBytes + 1; i < HID_REPORT_SIZE; ++i)
            EXPECT_EQ(g_byHidOut[i], 0) << i;
    }
}

TEST(SendData, RewindSendsTheFrameAgainFromItsFirstByte)
{
    auto pFrame = FrameOf(100, 7);
    EXPECT_EQ(CountPieces(*pFrame), 2);
    EXPECT_EQ(pFrame->GetNextChunk(), 0);
    EXPECT_EQ(g_byHidOut[1], 7 + 64);  // untouched by the call that found nothing left
    pFrame->Rewind();
    EXPECT_EQ(pFrame->GetNextChunk(), 1);
    EXPECT_EQ(g_byHidOut[1], 7);
}

TEST(SendData, BatchMarksWithoutALinkWaitForTheWholeFrame)
{
    g_nLinkType = LINK_NONE;
    auto pFrame = FrameOf(70);
    pFrame->SetLastOfReadBatch(1);
    pFrame->SetLastOfWriteBatch(1);
    pFrame->SetMoreToSend(0);
    EXPECT_EQ(pFrame->IsLastOfReadBatch(), 0);
    EXPECT_EQ(pFrame->IsLastOfWriteBatch(), 0);
    EXPECT_EQ(pFrame->HasMoreToSend(), 1);  // pieces left
    CountPieces(*pFrame);
    EXPECT_EQ(pFrame->IsLastOfReadBatch(), 1);
    EXPECT_EQ(pFrame->IsLastOfWriteBatch(), 1);
    EXPECT_EQ(pFrame->HasMoreToSend(), 0);

    pFrame->Rewind();
    g_nLinkType = LINK_NET;
    EXPECT_EQ(pFrame->IsLastOfReadBatch(), 1);
    EXPECT_EQ(pFrame->HasMoreToSend(), 0);  // the flag itself while a link is set
    g_nLinkType = LINK_NONE;
}

TEST(SendDataQueue, IsFirstInFirstOut)
{
    CSendDataQueue queue;
    EXPECT_EQ(queue.GetHead(), nullptr);
    EXPECT_FALSE(queue.RemoveHead());
    EXPECT_EQ(queue.GetCount(), 0);

    queue.Add(FrameOf(24, 1));
    queue.Add(FrameOf(24, 2));
    queue.Add(FrameOf(24, 3));
    EXPECT_EQ(queue.GetCount(), 3);
    EXPECT_EQ(queue.GetHead()->GetBuffer()[0], 1);
    EXPECT_TRUE(queue.RemoveHead());
    EXPECT_EQ(queue.GetHead()->GetBuffer()[0], 2);
    queue.Clear();  // frees every frame and buffer (the sanitizer build checks)
    EXPECT_EQ(queue.GetCount(), 0);
    EXPECT_EQ(queue.GetHead(), nullptr);
}
