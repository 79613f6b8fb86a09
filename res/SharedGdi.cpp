#include "res/SharedGdi.h"

#include <wx/menu.h>

#include "controls/GdiConvert.h"
#include "model/StdAfx.h"
#include "res/Fonts.h"
#include "res/Menus.h"
#include "res/Skins.h"

wxFont g_fontGrid;
wxFont g_fontHuge;
wxFont g_fontEdit;
wxFont g_fontOutput;
wxFont g_fontList;
wxFont g_fontListHeader;
wxFont g_fontInput;
wxBrush g_brushDlgBack;
wxMenu* g_menuSpeaker = nullptr;

void CreateSharedGdiObjects()
{
    g_fontGrid = MakeFont("Arial", 16, 400);
    g_fontHuge = MakeFont("Arial", 108, 400);
    g_fontEdit = MakeFont("Arial", 14, 400);
    g_fontOutput = MakeFont("Arial", 14, 400);
    g_fontList = MakeFont("宋体", 12, 400);
    g_fontListHeader = MakeFont("Arial", 14, 400);
    g_fontInput = MakeFont("Arial", 16, 1200);
    g_brushDlgBack = wxBrush(ToWx(g_clrDlgBack));
    LoadSpeakerMenu(true);
}

void LoadSpeakerMenu(bool bChinese)
{
    delete g_menuSpeaker;
    g_menuSpeaker = LoadMenu(bChinese ? 106 : 107);
}

wxMenu* SpeakerRoleMenu()
{
    return g_menuSpeaker == nullptr ? nullptr : g_menuSpeaker->FindItemByPosition(0)->GetSubMenu();
}

void DestroySharedGdiObjects()
{
    for (wxFont* pFont : {&g_fontGrid, &g_fontHuge, &g_fontEdit, &g_fontOutput, &g_fontList, &g_fontListHeader,
                          &g_fontInput})
        *pFont = wxNullFont;
    g_brushDlgBack = wxNullBrush;
    delete g_menuSpeaker;
    g_menuSpeaker = nullptr;
    ReleaseSkins();
}
