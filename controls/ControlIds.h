#pragma once
// Control, command and resource ids keep the program's own numbers; wx sees them through WxId.
// Ids 1 and 2 are the dialog's OK and Cancel buttons (wxID_OK, wxID_CANCEL, so Enter and Escape
// work as in any wx dialog); every other id moves by a fixed offset, clear of the ids that wx
// reserves (4999 to 5999) for its stock items. -1, a template's "no id", is wxID_ANY.
constexpr int kControlIdOffset = 10000;

int WxId(int nCtrlId);
// The program's id of a wx id; -1 for an id that WxId does not give.
int CtrlId(int nWxId);
