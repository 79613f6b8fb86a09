#pragma once
// Menus as tables: each row is an item or a pop-up at a depth (0 = the menu's own top level);
// a pop-up (id 0) holds the rows of greater depth that follow it. Both languages sit in one row.
#include <cstddef>
#include <memory>
#include <span>

#include <wx/string.h>

class wxMenu;

constexpr int kMenuSeparator = -1;

struct MenuRow {
    int nDepth;
    int nId;  // command id; 0 for a pop-up, kMenuSeparator for a separator
    const char* szEnglish;
    const char* szChinese;
};

// With bCheckable every command item can carry a check mark.
wxMenu* BuildMenu(std::span<const MenuRow> rows, bool bChinese, bool bCheckable = false);

// A menu resource: 106 the speaker roles in Chinese, 107 the same in English (the top level holds
// one pop-up, the role menu, whose items can be checked); 112 the preset pop-up, 113 the tools
// pop-up and 114 the connect pop-up of the main view, 171 the output strips' copy and paste pop-up
// and 173 the mixer source pop-up (of the music input page and the advanced settings dialog), in
// the language of the moment. nullptr for an unknown id.
wxMenu* LoadMenu(int nMenuId);

// A top-level copy of a menu (a pop-up of another menu cannot be popped up on its own): the same
// items, ids, texts, kinds, checks and enabled states, pop-ups copied in turn.
std::unique_ptr<wxMenu> CloneMenu(const wxMenu& menu);

// Gives every item of the menu (pop-ups included) that one of the pop-ups 112 to 114, 171 or 173
// names its text in the language asked for; items of other ids keep theirs.
void RelabelMenu(wxMenu& menu, bool bChinese);

// The choice between several processors: "USB1", "USB2" ... (commands 6600 on, at most to
// 6700), then, unless strNetwork is empty, the network (command 733) titled strNetwork.
std::unique_ptr<wxMenu> MakeUsbChoiceMenu(std::size_t nDevices, const wxString& strNetwork);
