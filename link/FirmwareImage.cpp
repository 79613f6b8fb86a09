#include "link/FirmwareImage.h"

#include <algorithm>
#include <fstream>

namespace {
constexpr BYTE DSP_TAG[FW_TAG_SIZE] = {'W', 'D', 'S', 'P'};
constexpr BYTE MCU_TAG[FW_TAG_SIZE] = {'W', 'M', 'C', 'U'};
constexpr std::size_t DSP_IMAGE_OFFSET = FW_TAG_SIZE;
constexpr std::size_t MCU_IMAGE_OFFSET_AFTER_DSP = FW_SECOND_TAG_OFFSET + FW_TAG_SIZE;
// The processor's packet estimate: the DSP image takes this many full 44-byte pieces.
constexpr std::size_t DSP_FULL_PIECES = 5957;
constexpr std::size_t ESTIMATE_PACKET_SIZE = 48;
// The estimate of a file that holds a DSP image counts its length less these bytes; the
// estimate of an MCU-only file counts its whole length.
constexpr std::size_t ESTIMATE_LENGTH_CUT = 5;

bool HasTag(std::span<const BYTE> at, const BYTE (&tag)[FW_TAG_SIZE])
{
    return at.size() >= FW_TAG_SIZE && std::equal(tag, tag + FW_TAG_SIZE, at.begin());
}

FirmwareFileError Refused(FirmwareFileError error, FirmwareImages& images)
{
    images = {};
    return error;
}
}  // namespace

std::string_view ToString(FirmwareFileError error)
{
    switch (error) {
    case FirmwareFileError::None: return "none";
    case FirmwareFileError::Unreadable: return "unreadable";
    case FirmwareFileError::NoTag: return "no image tag";
    case FirmwareFileError::McuTooShort: return "MCU image shorter than 4 bytes";
    case FirmwareFileError::SecondTagCut: return "cut short inside the MCU tag";
    case FirmwareFileError::WouldTruncate: return "MCU file of 256 KiB or more";
    }
    return "?";
}

bool IsDspImageTag(std::span<const BYTE> at)
{
    return HasTag(at, DSP_TAG);
}

bool IsMcuImageTag(std::span<const BYTE> at)
{
    return HasTag(at, MCU_TAG);
}

BYTE McuChecksum(std::span<const BYTE> mcu)
{
    BYTE by = FW_MCU_CHECKSUM_SEED;
    for (std::size_t i = FW_MCU_HEAD_SIZE; i < mcu.size(); ++i)
        by ^= mcu[i];
    return by;
}

FirmwareFileError ParseFirmwareFile(std::span<const BYTE> file, FirmwareImages& images)
{
    images = {};
    const std::size_t nLength = file.size();
    std::size_t nMcuOffset = 0;
    if (nLength < FW_SECOND_TAG_OFFSET) {
        if (!IsMcuImageTag(file))
            return Refused(FirmwareFileError::NoTag, images);
        nMcuOffset = FW_TAG_SIZE;
    } else if (IsDspImageTag(file)) {
        images.dsp.assign(file.begin() + DSP_IMAGE_OFFSET, file.begin() + DSP_IMAGE_OFFSET + FW_DSP_IMAGE_SIZE);
        const std::span<const BYTE> rest = file.subspan(FW_SECOND_TAG_OFFSET);
        if (!rest.empty() && rest.size() < FW_TAG_SIZE)
            return Refused(FirmwareFileError::SecondTagCut, images);
        if (IsMcuImageTag(rest))
            nMcuOffset = MCU_IMAGE_OFFSET_AFTER_DSP;
    } else {
        // Read as the second tag, "WMCU" at offset 4 would make the MCU image start at 8 and lose
        // its last 0x40000 bytes without a word.
        return Refused(IsMcuImageTag(file.subspan(FW_TAG_SIZE)) ? FirmwareFileError::WouldTruncate
                                                                : FirmwareFileError::NoTag,
                       images);
    }
    if (nMcuOffset != 0) {
        if (nLength - nMcuOffset < FW_MCU_HEAD_SIZE)
            return Refused(FirmwareFileError::McuTooShort, images);
        images.mcu.assign(file.begin() + static_cast<std::ptrdiff_t>(nMcuOffset), file.end());
        images.byMcuChecksum = McuChecksum(images.mcu);
    }
    const std::size_t nEstimate = images.dsp.empty()
        ? nLength / ESTIMATE_PACKET_SIZE
        : (nLength - ESTIMATE_LENGTH_CUT - FW_DSP_IMAGE_SIZE) / ESTIMATE_PACKET_SIZE + DSP_FULL_PIECES;
    images.nPacketEstimate = static_cast<int>(nEstimate);
    return FirmwareFileError::None;
}

FirmwareFileError ReadFirmwareFile(const std::string& strPath, FirmwareImages& images)
{
    images = {};
    std::ifstream file(strPath, std::ios::binary | std::ios::ate);
    if (!file)
        return FirmwareFileError::Unreadable;
    const std::streamoff nSize = file.tellg();
    if (nSize < 0 || static_cast<std::uint64_t>(nSize) > FW_MAX_FILE_SIZE)
        return FirmwareFileError::Unreadable;
    std::vector<BYTE> bytes(static_cast<std::size_t>(nSize));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), nSize))
        return FirmwareFileError::Unreadable;
    return ParseFirmwareFile(bytes, images);
}
