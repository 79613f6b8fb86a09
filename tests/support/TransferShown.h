#pragma once
// The end of a preset transfer as the window shows it, for tests and benchmarks that go on to
// look at a window or press a control once the link worker is through.
#include "link/DisplayDlg.h"
#include "link/LinkState.h"

// The worker has cleared the transfer flag and the transfer display has hidden itself, which
// enables the window it disabled. The display hides on its own timer, up to a tick after the
// flag clears: until then the view (or the dialog that started the transfer) takes no input.
inline bool TransferShownOver()
{
    return !g_bTransferring && !(g_pDisplayDlg && g_pDisplayDlg->IsShown());
}
