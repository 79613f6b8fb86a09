// The main view's PC files (one preset, all presets, the output map) with the folders remembered
// for each kind, and the choice of a firmware file.
#include <wx/stdpaths.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <sstream>

#include "app/HalvekView.h"
#include "app/ViewIds.h"
#include "controls/FileDialogBuffer.h"
#include "controls/FileDialogST.h"
#include "controls/ControlIds.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "pages/InPutDlg.h"
#include "pages/OutputDlg.h"
#include "platform/Archive.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "platform/SettingsStore.h"

namespace {
constexpr unsigned OFN_SAVE_FLAGS = 0x1802;  // overwrite prompt, path and file must exist
constexpr unsigned OFN_OPEN_FLAGS = 0x1806;  // the same, read-only box hidden

constexpr char kFileKey[] = "Software/Tarvi_1.exe/PC_File";
constexpr int kSlots = 4;
constexpr const char* kSlotValues[kSlots + 1] = {"", "File_Path", "AllFile_Path", "Map_Path", "Hex"};
constexpr int SLOT_PRESET = 1;
constexpr int SLOT_ALL_PRESETS = 2;
constexpr int SLOT_OUT_MAP = 3;
constexpr int SLOT_HEX = 4;

// The name the preset takes from its file: the file name without its extension.
std::string FileTitle(const std::string& strPath)
{
    return SplitFileName(strPath).strName;
}

// A filter of "description|pattern||" pairs as the dialog takes it: each part ended by a NUL.
std::string DialogFilter(std::string strFilter)
{
    std::replace(strFilter.begin(), strFilter.end(), '|', '\0');
    return strFilter;
}

// The folder of the file the dialog returned, without its closing slash.
std::string DialogFolder(const CFileDialogST& dlg)
{
    std::string strFolder = dlg.GetFileDir();
    if (strFolder.size() > 1 && strFolder.back() == '/')
        strFolder.pop_back();
    return strFolder;
}

std::string DocumentsFolder()
{
    return wxStandardPaths::Get().GetDocumentsDir().utf8_string();
}

void ShowFileError(const char* szChinese, const char* szEnglish)
{
    if (g_bChinese)
        AfxMessageBox(szChinese, MB_OK, CAPTION_PROMPT_CN);
    else
        AfxMessageBox(szEnglish, MB_OK, CAPTION_PROMPT_EN);
}

using Serializer = int (CHalvekDoc::*)(CArchive&);

// Writes the document's file of one kind; the old file stays as it was when that fails.
bool SaveDocFile(CHalvekDoc& doc, Serializer pfnSerialize, const std::string& strPath)
{
    std::ostringstream bytes;
    CArchive ar(bytes);
    (doc.*pfnSerialize)(ar);
    return WriteFileReplacing(strPath, bytes.str());
}

// Reads the whole file, then, under the link lock, has the document check and take it and runs
// fnApplied while the lock is still held, so the worker never sends a preset half loaded. False
// when the file cannot be read, is foreign or damaged: nothing has changed then.
bool LoadDocFile(CHalvekDoc& doc, Serializer pfnSerialize, const std::string& strPath, std::size_t nSize,
                 const std::function<void()>& fnApplied)
{
    std::string bytes;
    if (!ReadWholeFile(strPath, bytes, nSize))
        return false;
    std::istringstream in(bytes);
    CArchive ar(in);
    std::lock_guard lock(g_csLink);
    try {
        if (!(doc.*pfnSerialize)(ar))
            return false;
    } catch (const CArchiveException&) {
        return false;
    }
    fnApplied();
    return true;
}
}  // namespace

void CHalvekView::BindFileCommands()
{
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { DoLoadPresetFile(); }, WxId(ID_LOAD_PRESET_FILE));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { DoSavePresetFile(); }, WxId(ID_SAVE_PRESET_FILE));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { DoLoadAllPresetsFile(); }, WxId(ID_LOAD_ALL_PRESETS));
}

std::string& CHalvekView::FileDirectory(int nSlot)
{
    switch (nSlot) {
    case SLOT_PRESET: return m_szFilePath;
    case SLOT_ALL_PRESETS: return m_szAllFilePath;
    case SLOT_OUT_MAP: return m_szMapPath;
    default: return m_szHexPath;
    }
}

int CHalvekView::LoadFileDirectory(int nSlot)
{
    ISettingsStore& store = Settings();
    store.Reload();
    if (store.ValueNames(kFileKey).empty()) {
        SaveFileDirectory(0);
        return 1;
    }
    if (nSlot < 1 || nSlot > kSlots)
        return 1;
    const std::optional<std::string> value = store.ReadString(kFileKey, kSlotValues[nSlot]);
    if (value && !IsNotDirectory(*value)) {
        FileDirectory(nSlot) = *value;
        return 1;
    }
    FileDirectory(nSlot) = DocumentsFolder();
    store.WriteString(kFileKey, kSlotValues[nSlot], FileDirectory(nSlot));
    store.Flush();
    return 1;
}

int CHalvekView::SaveFileDirectory(int nSlot)
{
    ISettingsStore& store = Settings();
    store.Reload();
    if (store.ValueNames(kFileKey).empty()) {
        // Missing settings are made anew with every folder the documents folder.
        for (int nEach = 1; nEach <= kSlots; ++nEach) {
            FileDirectory(nEach) = DocumentsFolder();
            store.WriteString(kFileKey, kSlotValues[nEach], FileDirectory(nEach));
        }
        store.Flush();
        return 1;
    }
    auto write = [&](int nEach) {
        if (!store.WriteString(kFileKey, kSlotValues[nEach], FileDirectory(nEach))) {
            FileDirectory(nEach) = DocumentsFolder();
            store.WriteString(kFileKey, kSlotValues[nEach], FileDirectory(nEach));
        }
    };
    if (nSlot >= 1 && nSlot <= kSlots)
        write(nSlot);
    if (nSlot == SLOT_OUT_MAP)
        write(SLOT_HEX);
    store.Flush();
    return 1;
}

std::string CHalvekView::ChooseSaveFile(int nSlot, const char* szExt, const char* szFilter)
{
    LoadFileDirectory(nSlot);
    const std::string strFilter = DialogFilter(szFilter);
    const std::string strExt = std::string(".") + szExt;
    // The folder alone as the initial name makes the dialog start there.
    std::string strName = FileDirectory(nSlot) + "/";
    for (;;) {
        CFileDialogST dlg(false, szExt, strName.c_str(), OFN_SAVE_FLAGS, strFilter.c_str(), this);
        if (dlg.DoModal() != IDOK)
            return {};
        std::string strPath = dlg.GetPathName();
        // A file is of its kind only with the extension in exactly these letters.
        if (dlg.GetFileExt() != strExt) {
            strPath += strExt;
            if (!CFileDialogST::ConfirmOverwrite(strPath)) {
                strName = strPath;
                continue;
            }
        }
        FileDirectory(nSlot) = DialogFolder(dlg);
        SaveFileDirectory(nSlot);
        return strPath;
    }
}

std::string CHalvekView::ChooseOpenFile(int nSlot, const char* szExt, const char* szFilter)
{
    LoadFileDirectory(nSlot);
    const std::string strFilter = DialogFilter(szFilter);
    CFileDialogST dlg(true, szExt, (FileDirectory(nSlot) + "/").c_str(), OFN_OPEN_FLAGS, strFilter.c_str(), this);
    if (dlg.DoModal() != IDOK)
        return {};
    FileDirectory(nSlot) = DialogFolder(dlg);
    SaveFileDirectory(nSlot);
    return dlg.GetPathName();
}

int CHalvekView::SavePresetFile()
{
    const std::string strPath = ChooseSaveFile(SLOT_PRESET, g_strPresetExt, g_strPresetFilter);
    if (strPath.empty())
        return 0;
    if (!SaveDocFile(m_doc, &CHalvekDoc::SerializePreset, strPath)) {
        ShowFileError("保存场景文件错误!", "Save presets file error!");
        return 0;
    }
    ShowPresetName(FileTitle(strPath));
    g_bLiveEdited = 0;
    return 1;
}

int CHalvekView::LoadPresetFile()
{
    const std::string strPath = ChooseOpenFile(SLOT_PRESET, g_strPresetExt, g_strPresetFilter);
    if (strPath.empty())
        return 0;
    const bool bLoaded = LoadDocFile(m_doc, &CHalvekDoc::SerializePreset, strPath, PRESET_FILE_SIZE, [&] {
        g_bLiveEdited = 0;
        UnlinkAllOutputs();
        ShowPresetName(FileTitle(strPath));
        // While a link is open the processor takes the loaded preset as its current one.
        WritePreset(0, 0);
        RefreshOutputPage();
        m_pageOutput->CheckOutputMapLock();
        g_copySource.Reset();
    });
    if (!bLoaded) {
        ShowFileError("读场景文件错误!", "Read presets file  error!");
        return 0;
    }
    return 1;
}

int CHalvekView::ChooseAllPresetsFile()
{
    const std::string strPath = ChooseSaveFile(SLOT_ALL_PRESETS, g_strAllPresetExt, g_strAllPresetFilter);
    if (strPath.empty())
        return 0;
    g_strAllPresetFile = strPath;
    return 1;
}

int CHalvekView::SaveAllPresetsFile()
{
    if (!SaveDocFile(m_doc, &CHalvekDoc::SerializeAllPresets, g_strAllPresetFile)) {
        ShowFileError("保存整机场景文件错误!", "Save all presets file error!");
        return 0;
    }
    g_strPresetFileName.clear();
    return 1;
}

int CHalvekView::LoadAllPresetsFile()
{
    const std::string strPath = ChooseOpenFile(SLOT_ALL_PRESETS, g_strAllPresetExt, g_strAllPresetFilter);
    if (strPath.empty())
        return 0;
    const bool bLoaded = LoadDocFile(m_doc, &CHalvekDoc::SerializeAllPresets, strPath, ALL_PRESETS_FILE_SIZE, [&] {
        g_bLiveEdited = 0;
        // The input page still sees the input and mode shown until now.
        m_pageInput->RefreshInputControls();
        AdoptLoadedInput();
        SelectMusicInput(g_nCurInput, 0);
        UnlinkAllOutputs();
        ApplyLoadedRoles(0);
        // While a link is open every preset and the device state go to the processor.
        WriteAllPresets();
        RefreshOutputPage();
        m_pageOutput->CheckOutputMapLock();
        g_copySource.Reset();
        ShowLoadedPresetName();
    });
    if (!bLoaded) {
        ShowFileError("读整机场景文件错误!", "Read all presets file error!");
        return 0;
    }
    return 1;
}

int CHalvekView::SaveOutputMapFile()
{
    const std::string strPath = ChooseSaveFile(SLOT_OUT_MAP, g_strOutMapExt, g_strOutMapFilter);
    if (strPath.empty())
        return 0;
    if (!SaveDocFile(m_doc, &CHalvekDoc::SerializeOutputMap, strPath)) {
        ShowFileError("保存输出配置错误!", "Save output map error!");
        return 0;
    }
    return 1;
}

int CHalvekView::LoadOutputMapFile()
{
    const std::string strPath = ChooseOpenFile(SLOT_OUT_MAP, g_strOutMapExt, g_strOutMapFilter);
    if (strPath.empty())
        return 0;
    if (!LoadDocFile(m_doc, &CHalvekDoc::SerializeOutputMap, strPath, OUT_MAP_FILE_SIZE, [] {})) {
        ShowFileError("读输出配置错误!", "Read output map error!");
        return 0;
    }
    return 1;
}

int CHalvekView::ChooseFirmwareFile()
{
    const std::string strFilter = DialogFilter(g_strFirmwareFilter);
    // The folder alone as the initial name makes the dialog start there.
    CFileDialogST dlg(true, g_strFirmwareExt, (m_szHexPath + "/").c_str(), OFN_OPEN_FLAGS, strFilter.c_str(), this);
    if (dlg.DoModal() != IDOK)
        return 0;
    {
        std::lock_guard lock(g_csLink);
        g_strFirmwareFile = dlg.GetPathName();
    }
    // Only a ".bin" file, by exact case, makes its folder the firmware folder.
    if (dlg.GetFileExt() != std::string(".") + g_strFirmwareExt)
        return 0;
    m_szHexPath = DialogFolder(dlg);
    CFirmwareUpdate::SaveFirmwareSettings(m_szHexPath);
    return 1;
}
