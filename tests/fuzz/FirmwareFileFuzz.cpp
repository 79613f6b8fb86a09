// A firmware file as a user may pick it: any bytes. The first input byte chooses a short file
// (the rest as it is) or one of 256 KiB or more (the next eight bytes at offset 0, zeros up to
// 0x40000, then the rest), so both kinds' tags and every length around the second tag are
// reached. A file the loader takes must split into images the processor can receive, and the
// engine must turn them into exactly the frames the format gives, each in one report.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "link/FirmwareCommands.h"
#include "link/FirmwareImage.h"
#include "link/FirmwareUpdate.h"
#include "link/KTVCommand.h"
#include "model/CommandFrame.h"

namespace {
void Check(bool bOk)
{
    if (!bOk)
        std::abort();
}

std::vector<BYTE> FileOf(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return {};
    if ((pData[0] & 1) == 0)
        return {pData + 1, pData + nSize};
    const std::size_t nHead = std::min<std::size_t>(nSize - 1, 8);
    std::vector<BYTE> file(pData + 1, pData + 1 + nHead);
    file.resize(0x40000, 0);
    file.insert(file.end(), pData + 1 + nHead, pData + nSize);
    return file;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    FirmwareImages images;
    if (ParseFirmwareFile(FileOf(pData, nSize), images) != FirmwareFileError::None) {
        Check(images.dsp.empty() && images.mcu.empty());
        return 0;
    }
    Check(images.dsp.empty() || images.dsp.size() == FW_DSP_IMAGE_SIZE);
    Check(images.mcu.empty() || images.mcu.size() >= FW_MCU_HEAD_SIZE);
    Check(!images.dsp.empty() || !images.mcu.empty());
    Check(images.byMcuChecksum == McuChecksum(images.mcu));
    Check(images.nPacketEstimate >= 0);

    std::size_t nExpected = 1 + 1;  // the enter pattern and the end command
    if (!images.dsp.empty())
        nExpected += 2 + 5958;
    if (!images.mcu.empty()) {
        const std::size_t nData = (images.mcu.size() - FW_MCU_HEAD_SIZE + 47) / 48;
        nExpected += (images.dsp.empty() ? 1 : 0) + 1 + std::max<std::size_t>(nData, 1);
    }

    static CKTVCommand command;
    static CFirmwareUpdate engine(command);
    InitCommandFrame();
    engine.LoadFirmwareImages(std::move(images));
    std::size_t nFrames = 0;
    int nLast = 0;
    for (;;) {
        engine.NextFirmwarePacket();
        if (command.GetQueueCount() == 0)
            break;
        while (CSendData* pHead = command.GetHead()) {
            Check(pHead->GetLength() <= 64);
            nLast = pHead->GetCommand();
            ++nFrames;
            command.RemoveHead();
        }
    }
    Check(nFrames == nExpected);
    Check(nLast == FW_HEX_END);
    return 0;
}
