#pragma once
// Firmware image files (".bin"), of two kinds:
//   MCU only, shorter than 0x40004 bytes:  "WMCU", MCU image
//   with a DSP image, 0x40004 bytes or more: "WDSP", DSP image (0x3FFFF bytes), one unread byte,
//                                            then "WMCU" and the MCU image, or nothing more
// The processor takes the first four MCU image bytes alone, so an MCU image needs at least four.
// Everything here is a pure function of the file's bytes: the file is untrusted input.
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "model/DataDefine.h"

constexpr std::size_t FW_TAG_SIZE = 4;
constexpr std::size_t FW_DSP_IMAGE_SIZE = 0x3FFFF;     // one byte less than 256 KiB
constexpr std::size_t FW_SECOND_TAG_OFFSET = 0x40004;  // also the length from which a file holds a DSP image
constexpr std::size_t FW_MCU_HEAD_SIZE = 4;            // MCU image bytes sent with the start command
constexpr BYTE FW_MCU_CHECKSUM_SEED = 0x12;
// Far above any image the processor can hold; a longer file is not read into memory.
constexpr std::size_t FW_MAX_FILE_SIZE = 16u << 20;

// Why a file was refused; every refusal shows the same file error to the user.
enum class FirmwareFileError {
    None,
    Unreadable,      // cannot be opened or read, or longer than FW_MAX_FILE_SIZE
    NoTag,           // neither kind's tag where it must stand
    McuTooShort,     // an MCU part without its first four bytes
    SecondTagCut,    // a DSP file that ends inside its second tag
    WouldTruncate,   // 256 KiB or more without "WDSP": its MCU image would lose 0x40000 bytes
};
std::string_view ToString(FirmwareFileError error);

struct FirmwareImages {
    std::vector<BYTE> dsp;  // empty, or FW_DSP_IMAGE_SIZE bytes
    std::vector<BYTE> mcu;  // empty, or at least FW_MCU_HEAD_SIZE bytes
    // Sent with the end command. A file without an MCU image gets the seed, the checksum of no
    // bytes, so it never carries a value left from an earlier file.
    BYTE byMcuChecksum = FW_MCU_CHECKSUM_SEED;
    // Packets the update is expected to take: the upper bound of the main view's bar.
    int nPacketEstimate = 0;
};

// The four bytes at the start of the span are the tag.
bool IsDspImageTag(std::span<const BYTE> at);
bool IsMcuImageTag(std::span<const BYTE> at);

// The seed XOR every MCU image byte from index 4 on.
BYTE McuChecksum(std::span<const BYTE> mcu);

// Splits a whole file into its images; on an error `images` is left empty.
FirmwareFileError ParseFirmwareFile(std::span<const BYTE> file, FirmwareImages& images);

// Reads and splits the file at the path.
FirmwareFileError ReadFirmwareFile(const std::string& strPath, FirmwareImages& images);
