#pragma once
// The microphone input of the preset: grade, on/off, polarity, EQ mode, delay, level with mute,
// 9 EQ bands with a high-pass and a low-pass, noise gate, limiter and an 8-byte name. It is part
// of the preset images and files and nothing more: no page edits it and no frame is sent for it.
// It packs into the microphone block of g_liveImage (14 groups: bands 0-8, basic 9, crossover
// 10, gate 11, limiter 12, name 13).
#include <memory>
#include <string>

#include "model/InputData.h"

class CMIC_InData : public CInputData {
public:
    static constexpr int NAME_SIZE = 8;

    CMIC_InData();

    // Set-up by the microphone route; the third argument is not used.
    void InitEq(int nCount, int nGroup, int nUnused = 0);
    // Copies up to 8 characters into the name field.
    void SetName(const std::string& strName);
    // The field's bytes up to the first zero byte.
    std::string GetName() const;
    const char* GetNameBuffer() const { return m_szName; }

    void SetGrade(int n) { StoreAndMark(m_nGrade, n, m_nBaseChanged); }
    void SetGraphicEQ(int n) { StoreAndMark(m_bGraphicEQ, n, m_nBaseChanged); }  // not mirrored into the bands
    void SetMute(int bMute) { StoreAndMark(m_bMute, bMute, m_nBaseChanged); }
    void SetLevel(int nCode);  // 0 mutes
    int GetGrade() const { return m_nGrade; }

    // All 11 bands, HPF and LPF included.
    int GetBandCount() const { return m_EQ.GetSize(); }
    void BypassAll(int bOn) { BypassBands(GetBandCount(), bOn != 0); }
    int UpdateEQBypass() { return CChannelData::UpdateEQBypass(GetBandCount()); }
    int GetEqReserved() const { return m_EQ.GetReserved(); }

    // Block codec; loading marks nothing.
    void LoadFromDevice(const MicBlock& block);
    void SetBaseGroup(const MicBasicGroup& g);
    void PackAll() override;
    std::unique_ptr<CSendData> SendBase(int bFrame);
    std::unique_ptr<CSendData> SendName(int bFrame);

    // Name, level, delay and the EQ bands.
    void Assign(const CMIC_InData& other);
    void Serialize(CArchive& ar);

    std::string GetGradeText() const;

private:
    void StoreName(const std::string& strName);

    char m_szName[NAME_SIZE] = {};  // not necessarily zero-terminated
    // m_szName holds the field as it was read: it goes back as it came (see CChannelName).
    bool m_bNameAsRead = false;
    CSharedValue<int> m_nGrade{0};  // 0 off, else a level number
};
