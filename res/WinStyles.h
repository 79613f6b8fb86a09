#pragma once
// The window-style bits that dialog templates carry and that the controls read, with the values
// the program's templates were written with.
constexpr unsigned WS_GROUP = 0x00020000;
constexpr unsigned WS_TABSTOP = 0x00010000;
constexpr unsigned WS_DISABLED = 0x08000000;
constexpr unsigned WS_VSCROLL = 0x00200000;
constexpr unsigned WS_HSCROLL = 0x00100000;

constexpr unsigned WS_EX_DLGMODALFRAME = 0x00000001;
constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200;
constexpr unsigned WS_EX_STATICEDGE = 0x00020000;

constexpr unsigned BS_PUSHBUTTON = 0x0;
constexpr unsigned BS_DEFPUSHBUTTON = 0x1;
constexpr unsigned BS_CHECKBOX = 0x2;
constexpr unsigned BS_AUTOCHECKBOX = 0x3;
constexpr unsigned BS_RADIOBUTTON = 0x4;
constexpr unsigned BS_GROUPBOX = 0x7;
constexpr unsigned BS_AUTORADIOBUTTON = 0x9;
constexpr unsigned BS_OWNERDRAW = 0xB;
constexpr unsigned BS_TYPEMASK = 0xF;
constexpr unsigned BS_LEFT = 0x100;
constexpr unsigned BS_RIGHT = 0x200;
constexpr unsigned BS_CENTER = 0x300;
constexpr unsigned BS_HORZMASK = 0x300;
constexpr unsigned BS_FLAT = 0x8000;

constexpr unsigned SS_LEFT = 0x0;
constexpr unsigned SS_CENTER = 0x1;
constexpr unsigned SS_RIGHT = 0x2;
constexpr unsigned SS_SIMPLE = 0xB;
constexpr unsigned SS_LEFTNOWORDWRAP = 0xC;
constexpr unsigned SS_BITMAP = 0xE;
constexpr unsigned SS_TYPEMASK = 0x1F;
constexpr unsigned SS_NOPREFIX = 0x80;
constexpr unsigned SS_NOTIFY = 0x100;
constexpr unsigned SS_CENTERIMAGE = 0x200;
constexpr unsigned SS_ENDELLIPSIS = 0x4000;
constexpr unsigned SS_PATHELLIPSIS = 0x8000;
constexpr unsigned SS_WORDELLIPSIS = 0xC000;
constexpr unsigned SS_ELLIPSISMASK = 0xC000;

constexpr unsigned ES_LEFT = 0x0;
constexpr unsigned ES_CENTER = 0x1;
constexpr unsigned ES_RIGHT = 0x2;
constexpr unsigned ES_ALIGNMASK = 0x3;
constexpr unsigned ES_MULTILINE = 0x4;
constexpr unsigned ES_READONLY = 0x800;

// Up-down controls: the previous control of the template is the buddy; Up and Down in the
// buddy step the control.
constexpr unsigned UDS_AUTOBUDDY = 0x10;
constexpr unsigned UDS_ARROWKEYS = 0x20;
constexpr unsigned UDS_HORZ = 0x40;

constexpr unsigned PBS_VERTICAL = 0x4;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;

// Text-drawing format flags.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;

// Mouse key-state flags of mouse messages.
constexpr unsigned MK_LBUTTON = 0x1;
constexpr unsigned MK_RBUTTON = 0x2;
constexpr unsigned MK_SHIFT = 0x4;
constexpr unsigned MK_CONTROL = 0x8;
constexpr unsigned MK_MBUTTON = 0x10;
