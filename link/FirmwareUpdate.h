#pragma once
// The firmware update engine of the main view: loads a firmware file (link/FirmwareImage.h) and
// turns its images into the firmware frames the worker's firmware passes send, one builder call
// at a time, whenever the queue is empty:
//   enter-update pattern; then for a DSP image: apply, erase request, the DSP image in 44-byte
//   pieces; then for an MCU image: apply (unless a DSP image went first), start with the first 4
//   bytes, the rest in 48-byte pieces; then the end command with the MCU checksum.
// The load runs on the UI thread before the link opens in firmware mode; the builders run on the
// link worker, which alone touches the queue and the images while the update runs. The shared
// state is in link/LinkState.h.
#include <string>
#include <vector>

#include "link/FirmwareImage.h"
#include "model/DataDefine.h"

class CKTVCommand;

class CFirmwareUpdate {
public:
    explicit CFirmwareUpdate(CKTVCommand& command) : m_command(command) {}
    CFirmwareUpdate(const CFirmwareUpdate&) = delete;
    CFirmwareUpdate& operator=(const CFirmwareUpdate&) = delete;

    // Reads g_strFirmwareFile into the images, resets the packet state and sets the bar's range;
    // a file that cannot be used is refused with the file error message before anything is sent.
    int LoadFirmwareFile();
    // The same with images already split from a file (ParseFirmwareFile).
    void LoadFirmwareImages(FirmwareImages images);
    // Queues the next firmware frame or frames; nothing once everything has been queued. Worker.
    void NextFirmwarePacket();
    // Packets the loaded file is expected to take (the range of the main view's own bar).
    int GetPacketEstimate() const { return m_nPacketEstimate; }
    BYTE GetMcuChecksum() const { return m_byMcuChecksum; }

    // The last firmware file and its folder, under "Software/Tarvi_1.exe/DspMcu": "Name" into
    // g_strFirmwareFile, "Path" into strHexPath (strDocuments when missing or not a folder). A
    // missing key is created from the current values.
    static void LoadFirmwareSettings(std::string& strHexPath, const std::string& strDocuments);
    static void SaveFirmwareSettings(const std::string& strHexPath);

    // An Intel-hex route that nothing in the program feeds: one record line (":" and two-digit
    // hexadecimal fields: count, address high and low, type, data) into g_hexState and the MCU
    // image. Data records (type 0) append to the image; type 4 sets the extended address; the
    // data record at extended address 0x0800, address 0x8000 holds the version (its first 11
    // bytes) and fixes the flash start, the address of the first data record. A malformed line
    // is ignored.
    void ParseHexRecord(const std::string& strLine);
    // The recorded flash start must be 0x08005000 and the version's first 8 characters those of
    // the program's tag; then the user is asked. 1 when the update may go on.
    int ConfirmHexVersion();

private:
    void MakeEnterUpdatePacket();
    void MakeDspUpdatePacket();
    void MakeMcuUpdatePacket();
    void QueueFrame(int nCommand, const BYTE* pPayload, int nPayload, int nBatchIndex);
    void ResetPacketState();

    CKTVCommand& m_command;
    // The images as loaded; the builders consume them from the front (m_nDspSent, m_nMcuSent).
    std::vector<BYTE> m_dspImage;
    std::vector<BYTE> m_mcuImage;
    std::size_t m_nDspSent = 0;
    std::size_t m_nMcuSent = 0;
    BYTE m_byMcuChecksum = FW_MCU_CHECKSUM_SEED;
    int m_nPacketEstimate = 0;
};
