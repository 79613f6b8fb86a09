#pragma once
// The progress bars and the status line that the command manager's progress step moves. That
// step runs on the link worker while it holds the link lock, so it never reaches a window
// directly: an implementation stores the value and posts to its window, and never blocks.
// The windows publish themselves in the pointers below while they exist.
#include <atomic>
#include <string>

class IProgressBar {
public:
    virtual ~IProgressBar() = default;
    virtual int GetPos() const = 0;
    virtual int GetUpper() const = 0;
    virtual void SetPos(int nPos) = 0;
};

class IStatusLine {
public:
    virtual ~IStatusLine() = default;
    virtual void SetText(const std::string& strUtf8) = 0;
};

extern std::atomic<IProgressBar*> g_pDisplayProgress;  // bar of the transfer progress dialog
extern std::atomic<IProgressBar*> g_pUpdateProgress;   // bar of the firmware update dialog
extern std::atomic<IStatusLine*> g_pCurHexUpTip;       // status line of the firmware update dialog

// Puts the text of the language of the moment on the update dialog's status line, when it is open.
void ShowUpdateTip(const char* szChinese, const char* szEnglish);
