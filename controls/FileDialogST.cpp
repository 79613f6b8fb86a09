#include "controls/FileDialogST.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include <filesystem>
#include <system_error>

#include "model/StdAfx.h"
#include "platform/MessageBox.h"

namespace {
CFileDialogST::Answer& TestAnswer()
{
    static CFileDialogST::Answer answer;
    return answer;
}
}  // namespace

CFileDialogST::CFileDialogST() = default;

CFileDialogST::CFileDialogST(bool bOpen, const char* szDefExt, const char* szFileName, unsigned nFlags,
                             const char* szFilter, wxWindow* pParent)
    : m_bOpen(bOpen),
      m_strDefExt(szDefExt != nullptr ? szDefExt : ""),
      m_strFileName(szFileName != nullptr ? szFileName : ""),
      m_strWildcard(FilterToWildcard(szFilter)),
      m_nFlags(nFlags | OFN_EXPLORER),
      m_pParent(pParent)
{
}

void CFileDialogST::SetTestAnswer(Answer answer)
{
    TestAnswer() = std::move(answer);
}

int CFileDialogST::DoModal()
{
    for (;;) {
        std::vector<std::string> paths;
        if (!ChooseFiles(paths))
            return IDCANCEL;
        TakeChosen(paths);
        // The toolkit asks about the name as typed, before the default extension is added: the
        // question is asked here about the file that will be written.
        const bool bAsk = !m_bOpen && (m_nFlags & OFN_OVERWRITEPROMPT) != 0;
        if (!bAsk || ConfirmOverwrite(m_strFileName))
            return IDOK;
    }
}

bool CFileDialogST::ConfirmOverwrite(const std::string& strPath)
{
    std::error_code error;
    if (!std::filesystem::exists(strPath, error))
        return true;
    const std::string strName = std::filesystem::path(strPath).filename().string();
    const int nAnswer = g_bChinese ? AfxMessageBox(strName + " 已存在。\n要替换它吗?", MB_YESNO, CAPTION_PROMPT_CN)
                                   : AfxMessageBox(strName + " already exists.\nDo you want to replace it?", MB_YESNO, CAPTION_PROMPT_EN);
    return nAnswer == IDYES;
}

bool CFileDialogST::ChooseFiles(std::vector<std::string>& paths)
{
    if (const Answer& answer = TestAnswer()) {
        const std::optional<std::string> path = answer(*this);
        if (path)
            paths.push_back(*path);
        return path.has_value();
    }
    long nStyle = m_bOpen ? wxFD_OPEN : wxFD_SAVE;
    if (m_bOpen && (m_nFlags & OFN_ALLOWMULTISELECT) != 0)
        nStyle |= wxFD_MULTIPLE;
    if (m_bOpen && (m_nFlags & OFN_FILEMUSTEXIST) != 0)
        nStyle |= wxFD_FILE_MUST_EXIST;
    const FileNameParts start = SplitFileName(m_strFileName);
    wxFileDialog dialog(m_pParent, wxString::FromUTF8(GetTitle()), wxString::FromUTF8(start.strDir),
                        wxString::FromUTF8(start.strName + start.strExt), wxString::FromUTF8(m_strWildcard), nStyle);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    if ((nStyle & wxFD_MULTIPLE) != 0) {
        wxArrayString chosen;
        dialog.GetPaths(chosen);
        for (const auto& path : chosen)
            paths.push_back(path.utf8_string());
    } else {
        paths.push_back(dialog.GetPath().utf8_string());
    }
    return true;
}

std::string CFileDialogST::GetTitle() const
{
    if (!m_strTitle.empty())
        return m_strTitle;
    return m_bOpen ? LangText("打开", "Open") : LangText("另存为", "Save As");
}

// The path of a single-file dialog gets the default extension when it has none.
void CFileDialogST::TakeChosen(const std::vector<std::string>& chosen)
{
    std::vector<std::string> paths = chosen;
    const bool bMultiple = m_bOpen && (m_nFlags & OFN_ALLOWMULTISELECT) != 0;
    if (!bMultiple && paths.size() == 1 && !m_strDefExt.empty()) {
        wxFileName path(wxString::FromUTF8(paths[0]));
        if (!path.HasExt())
            path.SetExt(wxString::FromUTF8(m_strDefExt));
        paths[0] = path.GetFullPath().utf8_string();
    }
    m_strFileName = MakeFileNameBuffer(paths, (m_nFlags & OFN_EXPLORER) != 0);
    if (paths.size() == 1) {
        const FileNameParts parts = SplitFileName(paths[0]);
        m_strFileTitle = parts.strName + parts.strExt;
    }
}

std::string CFileDialogST::GetFileDir() const
{
    const FileNameParts parts = SplitFileName(m_strFileName);
    return parts.strDrive + parts.strDir;
}

std::string CFileDialogST::GetNextPathName(POSITION& pos) const
{
    return NextPathName(m_strFileName, pos, (m_nFlags & OFN_ALLOWMULTISELECT) != 0, (m_nFlags & OFN_EXPLORER) != 0);
}

// The browse flags of the system the program came from have no GTK counterpart.
int CFileDialogST::SelectFolder(const std::string& strTitle, const std::string& strInitialFolder,
                                [[maybe_unused]] unsigned nFlags, wxWindow* pParent)
{
    wxDirDialog dialog(pParent, wxString::FromUTF8(strTitle), wxString::FromUTF8(strInitialFolder),
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return IDCANCEL;
    m_strFolder = dialog.GetPath().utf8_string();
    return IDOK;
}
