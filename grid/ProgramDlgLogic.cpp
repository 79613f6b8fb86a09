#include "grid/ProgramDlgLogic.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "model/TextFields.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"

namespace {
constexpr int kNameBytes = sizeof(PresetImage::m_szName);

BYTE* NameField(PresetImage& image)
{
    return reinterpret_cast<BYTE*>(image.m_szName);
}

int PromptCaption()
{
    return g_bChinese ? CAPTION_PROMPT_CN : CAPTION_PROMPT_EN;
}
}  // namespace

CProgramDlgLogic::CProgramDlgLogic(IPresetManagerHost& host) : m_host(host), m_nLinkType(g_nLinkType)
{
}

int CProgramDlgLogic::PresetOfRow(int nRow)
{
    return nRow >= 1 && nRow <= STORED_PRESETS ? nRow : 0;
}

std::string CProgramDlgLogic::StoredName(int nPreset)
{
    if (PresetOfRow(nPreset) == 0)
        return {};
    std::lock_guard lock(g_csLink);
    return BytesToString(NameField(g_devImages[nPreset - 1]), kNameBytes);
}

bool CProgramDlgLogic::IsStorableName(const std::string& strName)
{
    return strName.size() <= std::size_t(kNameChars) &&
           std::all_of(strName.begin(), strName.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

PresetNameCheck CProgramDlgLogic::CheckName(int nPreset, const std::string& strName)
{
    if (strName.empty())
        return PresetNameCheck::Empty;
    if (IsBlank(strName))
        return PresetNameCheck::Blank;
    if (!IsStorableName(strName))
        return PresetNameCheck::NotStorable;
    BYTE byField[kNameBytes];
    StringToBytes(byField, kNameBytes, strName);
    std::lock_guard lock(g_csLink);
    return IsPresetNameUsed(nPreset - 1, byField, true, kNameChars) ? PresetNameCheck::Used : PresetNameCheck::Ok;
}

std::string CProgramDlgLogic::CheckText(PresetNameCheck check, bool bChinese)
{
    switch (check) {
    case PresetNameCheck::Empty:
        return bChinese ? "机器预置场景名不能为空!" : "The machine preset name can not be empty!";
    case PresetNameCheck::Blank:
        return bChinese ? "机器预置场景名不能全为空格!" : "The machine preset name can not be all spaces!";
    case PresetNameCheck::NotStorable:
        return bChinese ? "机器预置场景名最多13个字符，只能用英文字母、数字、空格和符号!"
                        : "The machine preset name can hold at most 13 English letters, digits, spaces and signs!";
    case PresetNameCheck::Used:
        return bChinese ? "已有相同的机器预置场景名!" : "Have been the same machine preset name!";
    case PresetNameCheck::Ok: break;
    }
    return {};
}

std::string CProgramDlgLogic::DeleteQuestion(int nPreset, bool bChinese)
{
    const std::string strNumber = std::to_string(nPreset);
    return bChinese ? "是否删除第" + strNumber + "组场景?" : "Are you delete No." + strNumber + " preset?";
}

bool CProgramDlgLogic::Load(int nPreset)
{
    if (PresetOfRow(nPreset) == 0 || !g_bSynced)
        return false;
    {
        std::lock_guard lock(g_csLink);
        std::memcpy(g_liveImage.m_szName, g_devImages[nPreset - 1].m_szName, kNameBytes);
    }
    m_host.ReadPreset(nPreset);
    return true;
}

bool CProgramDlgLogic::CanSave()
{
    if (m_host.IsOnline())
        return true;
    if (m_nLinkType == LINK_NET)
        ShowPrompt(g_strWifiFailCn, g_strWifiFailEn);
    else
        ShowPrompt(g_strUsbFailCn, g_strUsbFailEn);
    return false;
}

bool CProgramDlgLogic::SaveAs(int nPreset, const std::string& strName)
{
    if (PresetOfRow(nPreset) == 0 || !CanSave())
        return false;
    const PresetNameCheck check = CheckName(nPreset, strName);
    if (check != PresetNameCheck::Ok) {
        AfxMessageBox(CheckText(check, g_bChinese != 0), MB_OK, PromptCaption());
        return false;
    }
    // The names and the batch go in at one time, so the worker never finds the new names without
    // the batch that stores them.
    std::lock_guard lock(g_csLink);
    BYTE* pStored = NameField(g_devImages[nPreset - 1]);
    StringToBytes(pStored, kNameBytes, strName);
    std::memcpy(g_liveImage.m_szName, pStored, kNameBytes);
    m_host.UpdatePresetName(1);
    m_host.WritePreset(nPreset, 1);
    return true;
}

bool CProgramDlgLogic::Delete(int nPreset)
{
    if (PresetOfRow(nPreset) == 0)
        return false;
    if (AfxMessageBox(DeleteQuestion(nPreset, g_bChinese != 0), MB_YESNO, PromptCaption()) != IDYES || !g_bSynced)
        return false;
    {
        std::lock_guard lock(g_csLink);
        StringToBytes(NameField(g_devImages[nPreset - 1]), kNameBytes, "");
    }
    if (g_byCurPreset == nPreset)
        m_host.SendPresetNameAndClearCurrent(nPreset);
    else
        m_host.SendSystemItem(SYS_PRESET_NAME, nPreset);
    return true;
}
