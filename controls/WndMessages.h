#pragma once
// Window messages on wx: the program's own messages (platform/MessageIds.h) delivered to windows.
//
// - A window gets a handle (WndHandle) on first use of GetWndHandle; the handle dies with the
//   window and is never reused, so a message for a destroyed window is dropped.
// - BindMessage (window, number, handler): handlers are bound to the pair, since some numbers
//   serve different windows. A message with no handler is dropped (returns 0).
// - PostMessage, from any thread: queues the message; the UI thread dispatches the queue in
//   posting order, one message per wake-up, so a handler that runs a modal loop does not stall
//   or reorder the rest; the UI thread's next pass over pending events delivers every message
//   posted before it, whatever other threads post. Core code posts through platform/Message.h;
//   this file installs the poster that carries those posts (InstallWindowMessagePoster, once at
//   start-up).
// - SendMessage, UI thread only: calls the handler at once and returns its result (a skinned
//   button telling its parent that the mouse moved over it).
// - DrainMessages (window, filter): takes the window's pending messages out of the queue now and
//   dispatches those the filter accepts, in order; the rest are dropped.
// - WM_COMMAND is not carried here: a control notifies its parent with a wx command event
//   (SendCommandToParent) whose id is the control's wx id (controls/ControlIds.h).
#include <cstdint>
#include <functional>

#include "platform/Message.h"

class wxWindow;

using LRESULT = std::intptr_t;
using MessageHandler = std::function<LRESULT(WPARAM wParam, LPARAM lParam)>;

// Installs the wx poster as the program's message poster (UI thread, after wx has started).
void InstallWindowMessagePoster();

WndHandle GetWndHandle(wxWindow* pWnd);
// The live window of a handle, or nullptr (UI thread).
wxWindow* FindWndByHandle(WndHandle hWnd);

// Binds (or with an empty handler unbinds) the handler of one message of one window.
void BindMessage(wxWindow* pWnd, unsigned nMsg, MessageHandler handler);

bool PostMessage(wxWindow* pWnd, unsigned nMsg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(wxWindow* pWnd, unsigned nMsg, WPARAM wParam, LPARAM lParam);

void DrainMessages(wxWindow* pWnd, const std::function<bool(const PostedMessage&)>& bDispatch);

// Sends the parent the control's click/commit notification as a wxEVT_BUTTON command event with
// the control's wx id; the control itself sees the event first, as with a native button.
void SendCommandToParent(wxWindow* pCtrl);
