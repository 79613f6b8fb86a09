#pragma once
// A wrapper of the system's open, save and choose-folder dialogs (the GTK ones, through wx),
// keeping the file-name buffer, its parts and the iteration over a multiple selection.
#include <functional>
#include <optional>
#include <string>

#include "controls/FileDialogBuffer.h"

class wxWindow;

class CFileDialogST {
public:
    using POSITION = std::size_t;  // kNoPosition: none

    CFileDialogST();
    // szFilter: pairs of description and pattern, each ended by a NUL, the list by a second NUL.
    CFileDialogST(bool bOpen, const char* szDefExt, const char* szFileName, unsigned nFlags, const char* szFilter,
                  wxWindow* pParent);
    virtual ~CFileDialogST() = default;

    // 1 (IDOK) when a file was chosen, 2 (IDCANCEL) otherwise. A save dialog with
    // OFN_OVERWRITEPROMPT asks about the path it returns, the default extension added, and opens
    // again when the user keeps the existing file.
    virtual int DoModal();

    // True when no file is at strPath or the user agrees to replace it.
    static bool ConfirmOverwrite(const std::string& strPath);

    // Tests answer the file dialogs without showing them: the answer gets the dialog and returns
    // the path chosen, or nothing for Cancel. An empty function shows the dialogs again.
    using Answer = std::function<std::optional<std::string>(const CFileDialogST&)>;
    static void SetTestAnswer(Answer answer);
    bool IsOpenDialog() const { return m_bOpen; }
    // The dialog's title: the one set, else in the current language "Open" / "打开" or
    // "Save As" / "另存为".
    std::string GetTitle() const;
    void SetTitle(const std::string& strTitle) { m_strTitle = strTitle; }

    std::string GetPathName() const { return m_strFileName; }
    std::string GetFileTitle() const { return m_strFileTitle; }
    std::string GetFileName() const { return SplitFileName(m_strFileName).strName; }
    std::string GetFileExt() const { return SplitFileName(m_strFileName).strExt; }
    std::string GetFileDir() const;
    std::string GetFileDrive() const { return SplitFileName(m_strFileName).strDrive; }

    POSITION GetStartPosition() const { return m_strFileName.empty() ? kNoPosition : 0; }
    std::string GetNextPathName(POSITION& pos) const;

    // 1 (IDOK) when a folder was chosen, 2 otherwise.
    int SelectFolder(const std::string& strTitle, const std::string& strInitialFolder, unsigned nFlags,
                     wxWindow* pParent);
    std::string GetSelectedFolder() const { return m_strFolder; }

private:
    // Shows the dialog (or asks the test answer): false for Cancel.
    bool ChooseFiles(std::vector<std::string>& paths);
    void TakeChosen(const std::vector<std::string>& paths);

    bool m_bOpen = true;
    std::string m_strDefExt;
    std::string m_strFileName;  // the file-name buffer
    std::string m_strFileTitle;
    std::string m_strFolder;
    std::string m_strWildcard;
    std::string m_strTitle;
    unsigned m_nFlags = 0;
    wxWindow* m_pParent = nullptr;
};
