#include "app/ModalLoops.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dialog.h>

#include <algorithm>
#include <utility>

namespace {
// A pop-up menu runs a loop of its own (the toolkit's, with no dialog), on the stack of the window
// that popped it up, holding the toolkit's grab: it is cancelled as Escape would.
bool CancelPopupMenu()
{
    GtkWidget* pGrab = gtk_grab_get_current();
    if (pGrab == nullptr || !GTK_IS_MENU_SHELL(pGrab))
        return false;
    gtk_menu_shell_cancel(GTK_MENU_SHELL(pGrab));
    return true;
}
}  // namespace

CModalLoops::~CModalLoops()
{
    if (m_nRoundSource != 0)
        g_source_remove(m_nRoundSource);
}

void CModalLoops::CloseAfterModals(std::function<void()> fnClose)
{
    m_bClosing = true;
    m_fnClose = std::move(fnClose);
    Step();
}

int CModalLoops::Enter(wxDialog* pDialog)
{
    m_open.push_back(pDialog);
    // Closed from its own loop, which is running by the time the step comes.
    if (m_bClosing)
        PostStep();
    return wxID_NONE;
}

void CModalLoops::Exit(wxDialog* pDialog)
{
    if (const auto it = std::find(m_open.rbegin(), m_open.rend(), pDialog); it != m_open.rend())
        m_open.erase(std::next(it).base());
    if (std::find(m_open.begin(), m_open.end(), pDialog) == m_open.end())
        m_asked.erase(pDialog);
    // Its caller has yet to get the answer and leave: the next step comes after.
    if (m_bClosing)
        PostStep();
}

void CModalLoops::Step()
{
    // The menu's loop sees that it is over only when this round of the toolkit's loop ends, which
    // runs every posted call first: the next step comes in a later round.
    if (CancelPopupMenu()) {
        if (m_nRoundSource == 0)
            m_nRoundSource = g_idle_add(
                [](gpointer pThis) -> gboolean {
                    auto* pLoops = static_cast<CModalLoops*>(pThis);
                    pLoops->m_nRoundSource = 0;
                    pLoops->Step();
                    return G_SOURCE_REMOVE;
                },
                this);
        return;
    }
    if (m_open.empty()) {
        if (std::function<void()> fnClose = std::exchange(m_fnClose, nullptr))
            fnClose();
        return;
    }
    // One loop at a time, the innermost: an outer loop told to end while an inner one still runs
    // is never woken to see it.
    wxDialog* pInnermost = m_open.back();
    if (pInnermost->IsModal() && m_asked.insert(pInnermost).second)
        pInnermost->Close();
}

void CModalLoops::PostStep()
{
    wxTheApp->CallAfter([this] { Step(); });
}
