#pragma once
// The output page in the main view on the emulated processor, with the helpers its tests share.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "controls/NumEdit.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerGroupTable.h"
#include "model/SpeakerRole.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "tests/support/DialogItem.h"
#include "tests/support/FrameBytes.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/ViewOnLink.h"


// Where a group of output o lies in the processor's current image.
inline std::size_t GroupOffset(int nOutput, int nGroup)
{
    return emu::OUTPUT_OFFSET + std::size_t(nOutput) * emu::OUTPUT_SIZE + std::size_t(nGroup) * emu::GROUP_SIZE;
}

inline void Click(wxWindow* pWnd)
{
    SendMouse(pWnd, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    SendMouse(pWnd, wxEVT_LEFT_UP, wxPoint(3, 3));
    PumpPendingEvents();
}

class OutputPage : public ViewOnLink {
protected:
    void SetUp() override
    {
        Start(LinkWay::Usb, false);
        m_pPage = m_pView->m_pageOutput;
        m_pView->ShowPage(1, 1);
    }
    template <class T = wxWindow>
    T* Item(int nId) const
    {
        return ::Item<T>(*m_pPage, nId);
    }
    template <class T = wxWindow>
    T* StripItem(int nOutput, int nId) const
    {
        return dynamic_cast<T*>(m_pPage->GetStrip(nOutput)->GetDlgItem(nId));
    }
    CKTV_OutData& Out(int i) { return *m_pView->m_pData->GetOutData(i); }
    // Every change flag of every output, as the link worker would find them.
    bool AnythingMarked()
    {
        for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
            if (Out(i).GetBaseChanged() || Out(i).GetHPF()->GetChanged() || Out(i).GetLPF()->GetChanged())
                return true;
            for (int k = 0; k < CHANNEL_BANDS; ++k)
                if (Out(i).GetBand(k)->GetChanged())
                    return true;
        }
        return false;
    }
    // The processor starts with the program's own default channels (its factory image holds
    // filler bytes), so edits start from known values.
    void SeedProcessorWithDefaults()
    {
        m_pView->m_pData->PackAll();
        m_emulator.Edit([](EmuState& state) {
            std::memcpy(state.images[0].data() + emu::MUSIC_OFFSET, g_liveImage.m_music, sizeof(g_liveImage.m_music));
            std::memcpy(state.images[0].data() + emu::OUTPUT_OFFSET, g_liveImage.m_out, sizeof(g_liveImage.m_out));
        });
    }
    void Connect()
    {
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
        ASSERT_TRUE(WaitSynced());
    }
    bool ImageHas(std::size_t nOffset, std::initializer_list<int> bytes)
    {
        return SettleUntil([&] {
            const EmuState state = m_emulator.State();
            std::size_t i = nOffset;
            for (const int b : bytes)
                if (state.images[0][i++] != b)
                    return false;
            return true;
        });
    }

    // The roles of the outputs as the processor sends them, the positions regrouped.
    void SetRoles(std::array<BYTE, OUTPUT_CHANNELS> roles)
    {
        ResetRoleStates();
        std::copy(roles.begin(), roles.end(), g_roleStates.m_byOutRole);
        std::copy(roles.begin(), roles.end(), g_byDevRoles);
        RecomputeRoleStates();
        g_speakerGroups.GroupOutputsByPosition();
    }
    // A command of a control of the page, as its click sends it.
    void Press(int nId)
    {
        SendCommandToParent(m_pPage->GetDlgItem(nId));
        PumpPendingEvents();
    }
    // Types a text into a field of the page and leaves it, as a user does.
    void Type(int nId, const char* szText)
    {
        auto* pEdit = Item<CNumEdit>(nId);
        SendFocus(pEdit, true);
        PumpPendingEvents();
        TypeText(pEdit, wxString::FromUTF8(szText));
        SendFocus(pEdit, false);
        PumpPendingEvents();
    }
    // A frame as hex text around its body (class byte to the last payload byte).
    static std::string FrameText(const std::string& strBody)
    {
        const std::vector<BYTE> frame = Framed(HexBytes(strBody));
        return HexText(frame.data(), static_cast<int>(frame.size()));
    }

    COutputDlg* m_pPage = nullptr;
};

