#include "link/PresetBatch.h"

#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"

CSendData* CPresetBatch::Queue(std::unique_ptr<CSendData> pFrame)
{
    CSendData* pQueued = pFrame.get();
    if (pQueued)
        m_command.AddSendData(std::move(pFrame));
    return pQueued;
}

CSendData* CPresetBatch::Count(std::unique_ptr<CSendData> pFrame)
{
    if (!pFrame)
        return nullptr;
    pFrame->SetInBatch(1);
    pFrame->SetBatchIndex(m_nBatchCount);
    ++m_nBatchCount;
    return Queue(std::move(pFrame));
}

template <class MakeBlock>
void CPresetBatch::CountBlocks(MakeBlock fnBlock, bool bWrite, bool bLastOfBatch)
{
    for (int c = 0; c < MUSIC_CHANNELS; ++c)
        Count(fnBlock(BLOCK_MUSIC, c));
    for (int c = 0; c < OUTPUT_CHANNELS - 1; ++c)
        Count(fnBlock(BLOCK_OUTPUT, c));
    if (!bLastOfBatch) {
        Count(fnBlock(BLOCK_OUTPUT, OUTPUT_CHANNELS - 1));
        return;
    }
    // The count stays at the last frame's index.
    std::unique_ptr<CSendData> pLast = fnBlock(BLOCK_OUTPUT, OUTPUT_CHANNELS - 1);
    if (bWrite)
        pLast->SetLastOfWriteBatch(1);
    else
        pLast->SetLastOfReadBatch(1);
    Count(std::move(pLast));
    --m_nBatchCount;
}

void CPresetBatch::Handshake()
{
    g_bAwaitHello = 1;
    Queue(MakeReadSystemFrame(SYS_HELLO, 0));
    Queue(MakeReadSystemFrame(g_nReadBackItems[5], 0));
}

void CPresetBatch::ReadBack()
{
    for (int p = 1; p <= STORED_PRESETS; ++p)
        Count(MakeReadSystemFrame(SYS_PRESET_NAME, p));
    for (int i = 0; i < 5; ++i)
        Count(MakeReadSystemFrame(g_nReadBackItems[i], 0));
}

void CPresetBatch::ReadPreset(int nPreset)
{
    CountBlocks([nPreset](int nBlock, int c) { return MakeReadFrame(nPreset, nBlock, c, 1, 1); }, false, true);
}

void CPresetBatch::ReadAllPresets()
{
    m_nBatchCount = 0;
    for (int p = 1; p <= STORED_PRESETS; ++p)
        CountBlocks([p](int nBlock, int c) { return MakeReadFrame(p, nBlock, c, 0, 1); }, false, p == STORED_PRESETS);
    ++m_nBatchCount;
}

void CPresetBatch::WritePreset(int nPreset, int bPackLive)
{
    Count(MakeWriteSystemFrame(SYS_PRESET_NAME, nPreset));
    if (bPackLive) {
        Count(MakeWriteSystemFrame(SYS_PRESET_NAME, 0));
        Count(MakeWriteSystemFrame(SYS_CUR_PRESET, 0));
    }
    CountBlocks([nPreset](int nBlock, int c) { return MakeWriteBlockFrame(nPreset, nBlock, c, 1, 1); }, true, true);
}

void CPresetBatch::WriteAllPresets()
{
    m_nBatchCount = 0;
    Queue(MakeWriteSystemFrame(SYS_OUT_ROLES, 0));
    CountBlocks([](int nBlock, int c) { return MakeWriteBlockFrame(0, nBlock, c, 1, 1); }, true, false);
    for (int p = 1; p <= STORED_PRESETS; ++p) {
        Count(MakeWriteSystemFrame(SYS_PRESET_NAME, p));
        CountBlocks([p](int nBlock, int c) { return MakeWriteBlockFrame(p, nBlock, c, 0, 1); }, true,
                    p == STORED_PRESETS);
    }
    ++m_nBatchCount;
}
