#pragma once
// Menus as tables: each row is an item or a pop-up at a depth (0 = the menu's own top level);
// a pop-up (id 0) holds the rows of greater depth that follow it. Both languages sit in one row.
#include <span>

class wxMenu;

struct MenuRow {
    int nDepth;
    int nId;  // command id; 0 for a pop-up
    const char* szEnglish;
    const char* szChinese;
};

wxMenu* BuildMenu(std::span<const MenuRow> rows, bool bChinese);

// A menu resource: 106 the speaker roles in Chinese, 107 the same in English. Its top level holds
// one pop-up, the role menu. nullptr for an unknown id.
wxMenu* LoadMenu(int nMenuId);
