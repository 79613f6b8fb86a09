#pragma once
// The frames of the handshake and of the main view's preset batches, without windows: which
// requests and writes each batch queues, in which order, and which of them count into the
// batch. A counted frame carries its index in the batch, so the command manager moves the
// progress bar as its reply arrives; the batch's last frame is marked, and its reply tells the
// view that the batch is over. The view builds batches on the UI thread under g_csLink while a
// link is open; the master-mute bracket around a batch is the view's.
#include <memory>

class CKTVCommand;
class CSendData;

class CPresetBatch {
public:
    // nBatchCount is the view's count of the frames in the current batch; it goes on from its
    // value unless a batch starts it anew.
    CPresetBatch(CKTVCommand& command, int& nBatchCount) : m_command(command), m_nBatchCount(nBatchCount) {}

    // Appends a frame without counting it; a builder's none is skipped.
    CSendData* Queue(std::unique_ptr<CSendData> pFrame);
    // Counts the frame into the batch (its index is the count so far) and appends it.
    CSendData* Count(std::unique_ptr<CSendData> pFrame);

    // The handshake after a link opened: the hello request and the version request, not counted;
    // the command manager awaits the hello answer first.
    void Handshake();
    // After the version was accepted: the names of the six stored presets, then the live name,
    // the current preset, the input and master settings and the output roles.
    void ReadBack();
    // The 14 block requests of preset nPreset (0 the current one): for 0 whole blocks of the
    // current preset, for 1-6 the recall of that stored preset into the current one. Either way
    // the replies fill the live image. The last request ends a read batch, and the count stays at
    // its index.
    void ReadPreset(int nPreset);
    // The 84 block requests of stored presets 1-6 into their stored images, counted from 0; the
    // last one ends the read batch (count 84).
    void ReadAllPresets();
    // The name of preset nPreset, with bPackLive also the live name and the current-preset item,
    // then its 14 blocks written from the live image; the last write ends the batch.
    void WritePreset(int nPreset, int bPackLive);
    // Everything the processor stores, counted from 0: the output roles (not counted), the live
    // preset's blocks, then each stored preset's name and blocks from its stored image; the last
    // write ends the batch (count 104). The master bracket around it is the caller's.
    void WriteAllPresets();

private:
    // The 14 blocks of one preset, built by fnBlock(block, channel); the last one marked.
    template <class MakeBlock>
    void CountBlocks(MakeBlock fnBlock, bool bWrite, bool bLastOfBatch);

    CKTVCommand& m_command;
    int& m_nBatchCount;
};
