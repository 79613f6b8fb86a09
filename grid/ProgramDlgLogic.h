#pragma once
// What the stored-preset manager does with the processor's six stored presets, without windows:
// which grid row names which preset, the checks of a new name, and the load, save-as and delete
// operations over the PC's copies of the stored names and the view's batches. The manager's
// dialog (grid/ProgramDlg.h) maps its grid, buttons and name dialog to these. UI thread only; the
// names are read and written under g_csLink, which the link worker holds while it stores replies.
#include <string>

#include "grid/GridServices.h"

// Why a name cannot be stored, in the order the checks run; Ok when it can.
enum class PresetNameCheck { Ok, Empty, Blank, NotStorable, Used };

class CProgramDlgLogic {
public:
    // The processor keeps at most 13 characters of a stored preset's name, all printable ASCII.
    static constexpr int kNameChars = 13;

    // Opened on the link of g_nLinkType.
    explicit CProgramDlgLogic(IPresetManagerHost& host);

    // The stored preset (1-6) that grid row nRow names; 0 for the heading row and any other row.
    static int PresetOfRow(int nRow);
    // The name field of stored preset nPreset (1-6) as its bytes, trimmed (processor code page).
    static std::string StoredName(int nPreset);
    // Printable ASCII (space to tilde) of at most kNameChars characters.
    static bool IsStorableName(const std::string& strName);
    // The first check the name fails as stored preset nPreset's: empty, only white space, not
    // storable, or its first 13 bytes are those of another stored preset's name.
    static PresetNameCheck CheckName(int nPreset, const std::string& strName);
    // The message of a failed check, in Chinese or English.
    static std::string CheckText(PresetNameCheck check, bool bChinese);
    static std::string DeleteQuestion(int nPreset, bool bChinese);

    // Makes stored preset nPreset the current one: its name becomes the live name and the view
    // reads it into the live preset. Nothing while the PC is not synchronised (false).
    bool Load(int nPreset);
    // Whether a save can start: a link is open. Otherwise the connection failure of the link the
    // manager was opened on is shown (a lost link has taken its type with it).
    bool CanSave();
    // Saves the current preset as stored preset nPreset under strName (UTF-8 as typed): with no
    // link, the connection failure; a name that fails a check, its message. Either way nothing
    // changes (false). Otherwise the stored and the live name become strName, the view shows it
    // and writes the live preset into the slot (true).
    bool SaveAs(int nPreset, const std::string& strName);
    // Asks whether to delete stored preset nPreset; with Yes, while synchronised, its name is
    // emptied and sent (with "no current preset" when it was the current one): true. Otherwise
    // the stored name stays (false).
    bool Delete(int nPreset);

private:
    IPresetManagerHost& m_host;
    int m_nLinkType;
};
