#include "tests/support/FirmwareFiles.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

std::vector<BYTE> TestImage(std::size_t n, unsigned nSeed)
{
    std::vector<BYTE> image(n);
    for (std::size_t i = 0; i < n; ++i)
        image[i] = static_cast<BYTE>((i * 131 + nSeed * 17 + (i >> 8)) & 0xFF);
    if (n > 0 && image.back() == 0xFF)
        image.back() = 0x5A;
    return image;
}

std::vector<BYTE> McuFirmwareFile(const std::vector<BYTE>& mcu)
{
    std::vector<BYTE> file = {'W', 'M', 'C', 'U'};
    file.insert(file.end(), mcu.begin(), mcu.end());
    return file;
}

std::vector<BYTE> CombinedFirmwareFile(const std::vector<BYTE>& mcu, BYTE byUnread, bool bMcuTag,
                                       const std::vector<BYTE>& dsp)
{
    std::vector<BYTE> file = {'W', 'D', 'S', 'P'};
    const std::vector<BYTE> image = dsp.empty() ? TestImage(0x3FFFF, 7) : dsp;
    file.insert(file.end(), image.begin(), image.end());
    file.push_back(byUnread);
    if (!mcu.empty() || bMcuTag) {
        file.insert(file.end(), {'W', 'M', 'C', 'U'});
        file.insert(file.end(), mcu.begin(), mcu.end());
    }
    return file;
}

CTempFirmwareFiles::CTempFirmwareFiles()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvi-firmware-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_strFolder = pattern;
}

CTempFirmwareFiles::~CTempFirmwareFiles()
{
    std::error_code ec;
    std::filesystem::remove_all(m_strFolder, ec);
}

std::string CTempFirmwareFiles::Write(const std::vector<BYTE>& bytes)
{
    const std::string strPath = m_strFolder + "/firmware" + std::to_string(++m_nFiles) + ".bin";
    std::ofstream file(strPath, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + strPath);
    return strPath;
}
