// The main view's handshake and version rule, the preset read and write batches, the handlers
// of what the command manager reports, and the live preset name.
#include <wx/textctrl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

#include "app/HalvekView.h"
#include "app/ViewIds.h"
#include "controls/BitButton.h"
#include "controls/ControlIds.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/WndMessages.h"
#include "link/DeviceVersion.h"
#include "link/DisplayDlg.h"
#include "link/LinkState.h"
#include "link/AdvSettings.h"
#include "link/PresetBatch.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "model/TextFields.h"
#include "pages/InPutDlg.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/OutputDlg.h"
#include "platform/Gbk.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "res/DeviceText.h"
#include "res/UiText.h"

namespace {
constexpr int PRESET_TITLE_BYTES = 13;
constexpr char kCustomCn[] = "自定义";

// The processor's version text as the link worker stored it.
using VersionText = std::array<char, sizeof g_szDeviceVersion>;
VersionText CopyDeviceVersion()
{
    VersionText szVersion;
    std::lock_guard lock(g_csLink);
    std::memcpy(szVersion.data(), g_szDeviceVersion, szVersion.size());
    return szVersion;
}

std::string LiveName()
{
    std::lock_guard lock(g_csLink);
    return BytesToString(reinterpret_cast<const BYTE*>(g_liveImage.m_szName), sizeof(g_liveImage.m_szName));
}
}  // namespace

void CHalvekView::SendHandshake(int bReadBack)
{
    CPresetBatch batch(m_command, m_nBatchCount);
    if (bReadBack)
        batch.ReadBack();
    else
        batch.Handshake();
}

void CHalvekView::CheckDeviceVersion()
{
    // A version that arrives after its link was closed decides nothing.
    if (!m_link.m_bOnline)
        return;
    const VersionText szVersion = CopyDeviceVersion();
    const VersionVerdict verdict = CheckVersion(szVersion.data());
    if (verdict == VersionVerdict::Accepted) {
        {
            std::lock_guard lock(g_csLink);
            SendHandshake(1);
            ReadPreset(0);
        }
        g_bSynced = 1;
        return;
    }
    OnConnectButton();
    if (verdict == VersionVerdict::OtherGeneration)
        ShowVersionMismatch();
    std::lock_guard lock(g_csLink);
    std::memset(g_szDeviceVersion, ' ', sizeof g_szDeviceVersion);
}

void CHalvekView::ShowVersionMismatch()
{
    const VersionText szVersion = CopyDeviceVersion();
    AfxMessageBox(VersionRangeText(szVersion.data(), g_bChinese != 0), MB_OK,
                  g_bChinese ? CAPTION_WARNING_CN : CAPTION_WARNING_EN);
}

void CHalvekView::StartBatchProgress(int nRange, bool bModalLike, bool bViewBar)
{
    if (bViewBar) {
        m_progress->SetRange(0, nRange);
        m_progress->SetPos(0);
    }
    g_pDisplayDlg->Bar()->SetRange(0, nRange);
    g_pDisplayDlg->Bar()->SetPos(0);
    g_bTransferring = 1;
    g_pDisplayDlg->ShowTransfer(bModalLike);
}

void CHalvekView::ReadPreset(int nPreset)
{
    g_bSynced = 0;
    if (!m_link.m_bOnline) {
        ShowConnectFailure();
        return;
    }
    g_bLiveEdited = 0;
    int nRange = 0;
    {
        std::lock_guard lock(g_csLink);
        g_byCurPreset = BYTE(nPreset);
        CPresetBatch batch(m_command, m_nBatchCount);
        if (nPreset != 0) {
            m_nBatchCount = 0;
            MasterMuteBracket(0);
        }
        batch.ReadPreset(nPreset);
        nRange = m_nBatchCount;
        if (nPreset != 0) {
            // The live name (the stored preset's, put there by the preset manager) goes back as
            // the current preset's name.
            batch.Count(MakeWriteSystemFrame(SYS_PRESET_NAME, 0));
            MasterMuteBracket(1);
        }
    }
    StartBatchProgress(nRange, nPreset != 0, false);
    g_bLiveEdited = 0;
}

void CHalvekView::WritePreset(int nPreset, int bPackLive)
{
    if (!m_link.m_bOnline) {
        if (nPreset != 0)
            ShowConnectFailure();
        return;
    }
    std::lock_guard lock(g_csLink);
    m_nBatchCount = 0;
    if (bPackLive)
        m_pData->PackAll();
    else
        MasterMuteBracket(0);
    g_byCurPreset = BYTE(nPreset);
    CPresetBatch(m_command, m_nBatchCount).WritePreset(nPreset, bPackLive);
    if (!bPackLive)
        MasterMuteBracket(1);
    g_bLiveEdited = 0;
    StartBatchProgress(m_nBatchCount, true, true);
}

int CHalvekView::ReadAllPresets()
{
    if (!m_link.m_bOnline) {
        ShowConnectFailure();
        return 0;
    }
    // The file comes first, so a cancelled choice reads nothing; the link may have gone meanwhile.
    if (!ChooseAllPresetsFile() || !m_link.m_bOnline)
        return 0;
    std::lock_guard lock(g_csLink);
    CPresetBatch(m_command, m_nBatchCount).ReadAllPresets();
    StartBatchProgress(m_nBatchCount, true, true);
    return 1;
}

void CHalvekView::WriteAllPresets()
{
    if (!m_link.m_bOnline)
        return;
    std::lock_guard lock(g_csLink);
    CPresetBatch batch(m_command, m_nBatchCount);
    const BYTE byMasterOn = g_masterSettings.Get().m_byMasterOn;
    MasterMuteBracket(0);
    batch.WriteAllPresets();
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, byMasterOn);
    batch.Queue(MakeWriteSystemFrame(SYS_INPUT, 0));
    batch.Queue(MakeWriteSystemFrame(SYS_MASTER, 0));
    g_bLiveEdited = 0;
    StartBatchProgress(m_nBatchCount, true, true);
}

void CHalvekView::OnPresetReceived(WPARAM nPreset)
{
    // A preset whose link has since been closed is not taken: the next connection reads again.
    if (!m_link.m_bOnline)
        return;
    {
        std::lock_guard lock(g_csLink);
        FixCrossoverDefaults();
        m_pData->LoadFromDevice(g_liveImage, int(nPreset));
        g_bLiveEdited = 0;
    }
    UnlinkAllOutputs();
    // The pages are drawn anew (tens of milliseconds) with the link lock free: meanwhile the worker
    // sends what the batch queued after its last read, the live name of a connection's read-back.
    RefreshOutputPage();
    ShowReceivedPresetName();
    g_bSynced = 1;
    g_bTransferring = 0;
    if (g_pAdvDlg)
        g_pAdvDlg->ReloadFromDevice();
    g_copySource.Reset();
}

void CHalvekView::OnAllPresetsReceived()
{
    SaveAllPresetsFile();
    g_bTransferring = 0;
}

void CHalvekView::OnStatusReceived(LPARAM nLength)
{
    if (!m_link.m_bOnline)
        return;
    UpdateShownMeters();
    int nActive = 0;
    int nSource = 0;
    {
        std::lock_guard lock(g_csLink);
        nActive = g_nDevStatus[STATUS_ACTIVE_INPUT];
        nSource = g_nDevStatus[STATUS_MIX_SOURCE];
        if (nLength != STATUS_REPLY_BYTES || !FollowReportedInput(nActive, nSource))
            return;
    }
    TellPagesOfDeviceInput(nSource);
    if (g_pAdvDlg)
        g_pAdvDlg->UpdateSourceButton();
}

void CHalvekView::UpdateShownMeters()
{
    if (g_nCurPage == 2)
        m_pageLevel->UpdateOutputMeters();
}

void CHalvekView::OnDeviceSettingsReceived()
{
    {
        std::lock_guard lock(g_csLink);
        g_masterSettings.SetField(&MasterSettings::m_byNoInput, 0);
        if (TakeDeviceRoles())
            SendSystemItem(SYS_OUT_ROLES, 0);
        for (int i = 0; i < OUTPUT_CHANNELS; ++i)
            m_pData->GetOutData(i)->SetRoleOnly(g_roleStates.m_byOutRole[i]);
        RecomputeRoleStates();
    }
    // The live name goes back before the pages follow the settings (tens of milliseconds): it
    // ends a connection's read-back, queued behind the blocks still being read.
    if (m_link.m_bOnline) {
        std::lock_guard lock(g_csLink);
        CPresetBatch(m_command, m_nBatchCount).Queue(MakeWriteSystemFrame(SYS_PRESET_NAME, 0));
    }
    if (g_bOutMapLocked) {
        g_bOutMapLocked = 0;
        m_pageOutput->ApplyOutputMapLock();
    }
    bool bInputChanged = false;
    int nSource = 0;
    {
        std::lock_guard lock(g_csLink);
        bInputChanged = AdoptLoadedInput();
        nSource = g_inputSettings.Get().m_bySource;
    }
    if (bInputChanged)
        TellPagesOfDeviceInput(nSource);
    else
        SelectMusicInput(g_nCurInput, 0);
}

void CHalvekView::OnPresetModified()
{
    SetPresetNameText(LangString(kCustomCn, g_strCustomName.c_str()));
    g_bSendName = 1;
}

void CHalvekView::OnEffectRefresh()
{
    std::lock_guard lock(g_csLink);
    m_pData->GetEffectData()->LoadFromDevice(g_liveImage.m_effect);
}

void CHalvekView::SetPresetNameText(const wxString& strName)
{
    if (auto* pEdit = dynamic_cast<wxTextCtrl*>(GetDlgItem(IDC_NAME_EDIT)))
        pEdit->ChangeValue(strName);
    m_btnPresetName->SetLabel(strName);
    m_btnPresetName->SetCheck(!strName.empty());
    m_btnPresetName->Refresh();
}

void CHalvekView::ShowPresetName(const std::string& strName)
{
    // The rule counts bytes of the processor's code page, where a byte of 0x80 or above belongs
    // to a two-byte character.
    std::string strBytes;
    if (!Utf8ToGbk(strName, strBytes))
        strBytes = strName;
    const int n = std::min(static_cast<int>(strBytes.size()), PRESET_TITLE_BYTES);
    std::string strDevice;
    std::string strDisplay;
    for (int i = 0; i < n; ++i) {
        const auto by = static_cast<unsigned char>(strBytes[static_cast<size_t>(i)]);
        if (by < 0x80)
            strDevice += char(by);
        const bool bDropLast = n == PRESET_TITLE_BYTES && i == n - 1 &&
            static_cast<unsigned char>(strBytes[static_cast<size_t>(n - 2)]) < 0x80;
        if (!bDropLast)
            strDisplay += char(by);
    }
    SetPresetNameText(FromDeviceBytes(strDisplay));
    std::lock_guard lock(g_csLink);
    StringToBytes(reinterpret_cast<BYTE*>(g_liveImage.m_szName), sizeof(g_liveImage.m_szName),
                  strDevice.empty() ? g_strCustomName : strDevice);
    g_strPresetName = strDisplay;
    g_bSendName = 1;
}

void CHalvekView::UpdatePresetName(int bSend)
{
    SetPresetNameText(FromDeviceBytes(LiveName()));
    g_bSendName = bSend;
}

void CHalvekView::ShowReceivedPresetName()
{
    const std::string strName = LiveName();
    if (strName == g_strCustomName && g_bChinese && g_byCurPreset == 0)
        SetPresetNameText(Utf8(kCustomCn));
    else
        SetPresetNameText(FromDeviceBytes(strName));
}

void CHalvekView::ShowLoadedPresetName()
{
    const std::string strName = LiveName();
    if (strName == g_strCustomName)
        SetPresetNameText(LangString(kCustomCn, g_strCustomName.c_str()));
    else
        SetPresetNameText(FromDeviceBytes(strName));
    g_bSendName = 1;
}

void CHalvekView::BindLinkHandlers()
{
    auto onMessage = [this](unsigned nMsg, std::function<void(WPARAM, LPARAM)> fnHandler) {
        BindMessage(this, nMsg, [fnHandler = std::move(fnHandler)](WPARAM wParam, LPARAM lParam) -> LRESULT {
            fnHandler(wParam, lParam);
            return 0;
        });
    };
    onMessage(WM_VERSION_RECEIVED, [this](WPARAM, LPARAM) { CheckDeviceVersion(); });
    onMessage(WM_PRESET_RECEIVED, [this](WPARAM wParam, LPARAM) { OnPresetReceived(wParam); });
    onMessage(WM_ALL_PRESETS_RECEIVED, [this](WPARAM, LPARAM) { OnAllPresetsReceived(); });
    onMessage(WM_TRANSFER_DONE, [](WPARAM, LPARAM) { g_bTransferring = 0; });
    onMessage(WM_STATUS_RECEIVED, [this](WPARAM, LPARAM lParam) { OnStatusReceived(lParam); });
    onMessage(WM_DEVICE_SETTINGS_RECEIVED, [this](WPARAM, LPARAM) { OnDeviceSettingsReceived(); });
    onMessage(WM_PRESET_MODIFIED, [this](WPARAM, LPARAM) { OnPresetModified(); });
    onMessage(WM_EFFECT_REFRESH, [this](WPARAM, LPARAM) { OnEffectRefresh(); });
    onMessage(WM_NOTHING_478, [](WPARAM, LPARAM) {});
    onMessage(WM_DEVICE_FAULT, [this](WPARAM, LPARAM) { OnDeviceFault(); });
    onMessage(WM_AUTO_CONNECT, [this](WPARAM, LPARAM) { OnAutoConnect(); });
    onMessage(WM_DEVICECHANGE, [this](WPARAM wParam, LPARAM lParam) { OnDeviceChange(wParam, lParam); });
    onMessage(WM_NET_AVAILABLE, [this](WPARAM, LPARAM) { OnNetAvailable(); });
    onMessage(WM_NET_CONNECTED, [this](WPARAM, LPARAM) { OnNetConnected(); });
    onMessage(WM_LINK_FAILED, [this](WPARAM, LPARAM lParam) { OnLinkFailed(lParam); });
    onMessage(WM_LINK_LOST, [this](WPARAM, LPARAM) { OnLinkLost(); });
    onMessage(WM_WIFI_RESET_DONE, [this](WPARAM, LPARAM lParam) { m_link.OnWifiResetDone(lParam); });
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ReadAllPresets(); }, WxId(ID_SAVE_ALL_PRESETS));
}
