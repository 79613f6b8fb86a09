#pragma once
// Message boxes asked for by code without a window of its own (the field writers of the data
// model, the link code). The program installs the handler that shows its own message dialog; a
// test installs a recording one. With none installed a message box answers IDOK at once.
//
// A modal box runs a message loop, so it is shown only on the UI thread (the thread that
// installed the handler) while that thread does not hold the link lock: the worker may be
// waiting for the lock, and the handlers the loop runs would take it. A box asked for anywhere
// else (the link worker, the update-link thread, a page loading under the lock) is handed to the
// UI thread to show once it is free, and the caller gets the answer of a box closed unanswered.
#include <string>

// Type flags and answers, with the values the program's message dialog knows.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_CANCELONLY = 0x6;  // the program's own type: one "Quit" button
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Caption codes: a fixed caption in either language, or the caption of the current language on a
// box that closes by itself after as many milliseconds.
constexpr int CAPTION_PROMPT_CN = -2;
constexpr int CAPTION_PROMPT_EN = -3;
constexpr int CAPTION_WARNING_CN = -4;
constexpr int CAPTION_WARNING_EN = -5;
constexpr int CAPTION_PROMPT_AUTOCLOSE = 2000;
constexpr int CAPTION_WARNING_AUTOCLOSE = 2001;

class IMessageBoxHandler {
public:
    virtual ~IMessageBoxHandler() = default;
    // Shows the text (UTF-8) modally and returns the answer. nCode chooses the caption and
    // whether the box closes by itself.
    virtual int MessageBox(const std::string& text, unsigned nType, int nCode) = 0;
    // Shows the box later on the UI thread; any thread may call it.
    virtual void ShowLater(const std::string& text, unsigned nType, int nCode) = 0;
};

// Installs the handler and returns the one it replaces (nullptr for none). The calling thread is
// the UI thread from then on.
IMessageBoxHandler* SetMessageBoxHandler(IMessageBoxHandler* pHandler);

// The answer of a box of the type that is closed without an answer (Escape, the close box).
int UnansweredResult(unsigned nType);

int AfxMessageBox(const std::string& text, unsigned nType, int nCode);

// The link code's form: owner, caption and the fifth argument are not used (the caption follows
// the code).
int ShowMessage(const void* pOwner, const std::string& text, const std::string& strCaption, unsigned nType,
                int nSpare, int nCode);
