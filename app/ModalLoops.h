#pragma once
// The modal dialogs open now, and a close of the program that waits for them. A termination
// signal comes while some dialog may be running its own loop on a caller's stack; closing the main
// window from inside that loop destroys the dialog's parent, and with it the dialog, under the
// caller. So the close first ends the open dialogs one by one, innermost first, as their own close
// boxes would (nothing is sent), a pop-up menu as Escape would, and runs only once the last modal
// loop has returned. From then on a dialog that opens is closed as soon as it shows: a signal
// means the program closes without asking.
#include <wx/modalhook.h>

#include <functional>
#include <set>
#include <vector>

class CModalLoops : public wxModalDialogHook {
public:
    CModalLoops() = default;
    ~CModalLoops() override;

    // Ends every open modal dialog, then runs fnClose on the UI thread once none is open.
    void CloseAfterModals(std::function<void()> fnClose);

protected:
    int Enter(wxDialog* pDialog) override;
    void Exit(wxDialog* pDialog) override;

private:
    // Closes the innermost open dialog unless it was asked already; runs the close when none is
    // open.
    void Step();
    void PostStep();

    std::vector<wxDialog*> m_open;  // innermost last; a file chooser enters twice (its class and its base)
    std::set<wxDialog*> m_asked;    // open dialogs asked to close, asked only once: a close may ask a question
    std::function<void()> m_fnClose;
    bool m_bClosing = false;
    unsigned m_nRoundSource = 0;  // a step waiting for the toolkit's next round, after a menu
};
