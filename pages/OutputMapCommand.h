#pragma once
// The output page's commands on the output map (the speaker role of every output) and on the
// left/right link: a role chosen in a strip's menu, lock and unlock, reset, load and save of the
// map file, and the link of every left/right pair. Each asks its questions in the language of the
// moment, changes the role table, the device roles and the output data, and has the view send
// what changed (only while a link is open). The page shows the result: the strips, the car plan,
// the crossover of the current output, and the strips' lock when g_bOutMapLocked changed.
//
// Whenever the roles change, the role table is rebuilt from them as a fresh start would build it
// and the speaker groups are regrouped, so no link of the car plan survives. Toolkit-free.
#include <span>

#include "model/ChannelGroups.h"
#include "model/DataDefine.h"

class CKTV_Data;
class IPageHost;

class COutputMapCommand {
public:
    COutputMapCommand(CKTV_Data& data, IPageHost& host);

    // Output nOutput takes role nRole with its default crossover. False, and nothing changed, for
    // an output outside 0-7, a role outside 0-24 or the role the output has.
    bool SetRole(int nOutput, int nRole);
    // Asks to lock or unlock the map (locking an empty map is refused); true when the lock flag
    // was inverted.
    bool ToggleLock();
    // The reset prompt's choice: 0 nothing, 1 every output without a role, 2 the default roles;
    // each output its role's default crossover. A locked map is unlocked. True when reset.
    bool Reset(int nChoice);
    // Reads a map file (the view asks for it and reports a bad one); every output takes the file's
    // role and crossover. A locked map is unlocked. True when a file was applied.
    bool Load();
    bool Save();

    // The first half of the link command. Linked: the link is dissolved (Unlinked). No pair of a
    // left and a right output: refused with a message (NoPair). Otherwise the page asks for the
    // direction (Ask) and calls LockForLink and LinkPairs after OK.
    enum class LinkStep { Unlinked, NoPair, Ask };
    LinkStep StartLink();
    // An unlocked map is locked for the link; true when it was.
    bool LockForLink();
    // Copies every pair one way (0 left into right, 1 right into left) and links it; true when the
    // current output was a target and is to be shown again.
    bool LinkPairs(int nDirection);

    // Every output takes roles[i] and, with pXover, the crossover pXover[i] (else its role's
    // default); the device roles follow, a role repeated on a later output is cleared.
    static void ApplyRoleMap(CKTV_Data& data, std::span<const BYTE, OUTPUT_CHANNELS> roles,
                             const CrossoverGroup* pXover);

private:
    static bool Ask(const char* szChinese, const char* szEnglish);
    static void Tell(const char* szChinese, const char* szEnglish);
    // A reset or a load: the roles applied and sent to the processor, a locked map unlocked.
    void ApplyAndSend(std::span<const BYTE, OUTPUT_CHANNELS> roles, const CrossoverGroup* pXover);

    CKTV_Data& m_data;
    IPageHost& m_host;
};
