#pragma once
// The fonts, the dialog brush and the speaker-role menu that many windows share. They are made
// once at start-up (CreateSharedGdiObjects, after the device data defaults) and released at exit.
#include <wx/brush.h>
#include <wx/font.h>

class wxMenu;

extern wxFont g_fontGrid;         // device preset grid: Arial 16
extern wxFont g_fontHuge;         // Arial 108, made for no window in particular
extern wxFont g_fontEdit;         // numeric edits of the advanced dialog, output page and strips: Arial 14
extern wxFont g_fontOutput;       // output page: Arial 14
extern wxFont g_fontList;         // list and header texts in Chinese: SimSun 12
extern wxFont g_fontListHeader;   // the same in English: Arial 14
extern wxFont g_fontInput;        // music input page: Arial 16, heaviest weight
extern wxBrush g_brushDlgBack;    // background of the dialogs and their controls
extern wxMenu* g_menuSpeaker;     // pop-up 0 is the role menu; items 4100 + role

void CreateSharedGdiObjects();
// Replaces the speaker-role menu by menu 106 (Chinese) or 107 (English).
void LoadSpeakerMenu(bool bChinese);
// The role menu: pop-up 0 of g_menuSpeaker.
wxMenu* SpeakerRoleMenu();
void DestroySharedGdiObjects();
