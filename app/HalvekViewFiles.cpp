// The main view's one-preset file save and the choice of a firmware file.
#include <algorithm>
#include <mutex>
#include <sstream>

#include "app/HalvekView.h"
#include "controls/FileDialogST.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "platform/Archive.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"

namespace {
constexpr unsigned OFN_SAVE_FLAGS = 0x1802;  // overwrite prompt, path and file must exist
constexpr unsigned OFN_FIRMWARE_FLAGS = 0x1806;  // the same, read-only box hidden

// A filter of "description|pattern||" pairs as the dialog takes it: each part ended by a NUL.
std::string DialogFilter(std::string strFilter)
{
    std::replace(strFilter.begin(), strFilter.end(), '|', '\0');
    return strFilter;
}
}  // namespace

int CHalvekView::SavePresetFile()
{
    const std::string strFilter = DialogFilter(g_strPresetFilter);
    CFileDialogST dlg(false, g_strPresetExt, "", OFN_SAVE_FLAGS, strFilter.c_str(), this);
    if (dlg.DoModal() != IDOK)
        return 0;
    std::ostringstream bytes;
    {
        std::lock_guard lock(g_csLink);
        CArchive ar(bytes);
        m_doc.SerializePreset(ar);
    }
    if (!WriteFileReplacing(dlg.GetPathName(), bytes.str())) {
        if (g_bChinese)
            AfxMessageBox("保存场景文件错误!", MB_OK, -2);
        else
            AfxMessageBox("Save presets file error!", MB_OK, -3);
        return 0;
    }
    g_bLiveEdited = 0;
    return 1;
}

int CHalvekView::ChooseFirmwareFile()
{
    const std::string strFilter = DialogFilter(g_strFirmwareFilter);
    // The folder alone as the initial name makes the dialog start there.
    CFileDialogST dlg(true, g_strFirmwareExt, (m_szHexPath + "/").c_str(), OFN_FIRMWARE_FLAGS, strFilter.c_str(), this);
    if (dlg.DoModal() != IDOK)
        return 0;
    {
        std::lock_guard lock(g_csLink);
        g_strFirmwareFile = dlg.GetPathName();
    }
    // Only a ".bin" file, by exact case, makes its folder the firmware folder.
    if (dlg.GetFileExt() != std::string(".") + g_strFirmwareExt)
        return 0;
    m_szHexPath = dlg.GetFileDir();
    if (m_szHexPath.size() > 1 && m_szHexPath.back() == '/')
        m_szHexPath.pop_back();
    CFirmwareUpdate::SaveFirmwareSettings(m_szHexPath);
    return 1;
}
