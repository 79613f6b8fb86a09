#pragma once
// A fresh device state and preset data for each test, and the fields of a built frame.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "link/SendData.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/StdAfx.h"

// The header fields and the payload of a command frame.
struct FrameFields {
    int nClass = 0;
    int nPreset = 0;
    int nBlock = 0;
    int nIndex = 0;  // channel, or the system item
    int nSub = 0;    // group
    int nLink = 0;
    std::vector<BYTE> payload;
};

inline FrameFields Fields(const CSendData& frame)
{
    const BYTE* p = frame.GetBuffer();
    FrameFields f{p[4], p[6], p[7], p[8], p[9], p[10], {}};
    const int nLength = p[12] | (p[13] << 8);
    f.payload.assign(p + 14, p + 14 + nLength);
    return f;
}

class PresetDataTest : public testing::Test {
public:
    void SetUp() override
    {
        InitDeviceData();
        g_bSynced = 0;
        g_bSendMaster = 0;
        g_bSendInput = 0;
        g_bSendName = 0;
        g_bChinese = 0;
        m_pData = std::make_unique<CKTV_Data>();
    }
    void TearDown() override
    {
        m_pData.reset();
        InitDeviceData();
        g_bSendMaster = 0;
        g_bSendInput = 0;
        g_bSendName = 0;
        g_strPresetName.clear();
        g_bChinese = 0;
    }

    // Table tests reach the fixture from their cases.
    CKTV_Data& Data() { return *m_pData; }
    CKTV_OutData& Out(int k) { return *m_pData->GetOutData(k); }
    CMusic_InData& Music(int m) { return *m_pData->GetMusicData(m); }
    CMIC_InData& Mic() { return *m_pData->GetMicData(0); }
    CEffect_Data& Effect() { return *m_pData->GetEffectData(); }
    FrameFields Next() { return Fields(*m_pData->GetNextChangedFrame()); }

private:
    std::unique_ptr<CKTV_Data> m_pData;
};
