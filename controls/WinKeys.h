#pragma once
// The Windows virtual-key code of a wx key event, so that handlers and the messages they post
// speak the codes the program was written with (controls/VirtualKeys.h).
#include "controls/VirtualKeys.h"

class wxKeyEvent;

// The code of a key-down or key-up event; 0 for a key Windows has no code for.
int WinKeyCode(const wxKeyEvent& event);
