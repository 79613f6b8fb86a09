#pragma once
// Firmware files for the tests, laid out as the file format says, and a temporary folder to
// write them to.
#include <string>
#include <vector>

#include "model/DataDefine.h"

// n image bytes that vary, none 0xFF at the end (the emulated loader tells the filler by it).
std::vector<BYTE> TestImage(std::size_t n, unsigned nSeed = 1);
// "WMCU" and the MCU image.
std::vector<BYTE> McuFirmwareFile(const std::vector<BYTE>& mcu);
// "WDSP", the DSP image (TestImage of 0x3FFFF bytes when none is given), the unread byte, then
// "WMCU" and the MCU image when there is one or bMcuTag asks for the tag alone.
std::vector<BYTE> CombinedFirmwareFile(const std::vector<BYTE>& mcu, BYTE byUnread, bool bMcuTag = false,
                                       const std::vector<BYTE>& dsp = {});

// A temporary folder removed with the object.
class CTempFirmwareFiles {
public:
    CTempFirmwareFiles();
    ~CTempFirmwareFiles();
    CTempFirmwareFiles(const CTempFirmwareFiles&) = delete;
    CTempFirmwareFiles& operator=(const CTempFirmwareFiles&) = delete;

    const std::string& Folder() const { return m_strFolder; }
    // Writes a new file of the bytes and returns its path.
    std::string Write(const std::vector<BYTE>& bytes);

private:
    std::string m_strFolder;
    int m_nFiles = 0;
};
