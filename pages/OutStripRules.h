#pragma once
// The decisions of an output strip (COutRoute_Dlg) that do not depend on the toolkit: what its
// speaker-role menu offers, what a paste does, and what a level change does beside storing the
// level. Toolkit-free.
#include <array>
#include <string>

#include "model/DataDefine.h"

class CKTV_OutData;

namespace OutStripRules {
struct RoleMark {
    bool bChecked = false;
    bool bEnabled = false;
};
// The role menu of output nOutput, item k for role k ("NULL" for 0): the roles as they would be
// if the output had none, so that its own role and every role it may take instead are offered.
// The output's role is checked; a role another output holds is checked and greyed, a blocked
// role greyed. g_roleStates is the same afterwards. A role byte beyond the known roles counts
// as no role.
std::array<RoleMark, SPEAKER_ROLES> RoleMenuMarks(int nOutput);

enum class PasteStep { Refused, Nothing, Ask };
struct PasteDecision {
    PasteStep step = PasteStep::Nothing;
    std::string strText;  // the refusal or the question, in the language of the moment (UTF-8)
};
// A paste into output nOutput, whose role button shows strRoleName: refused while the output is
// linked to another; nothing without a copy source or from the output itself; otherwise the
// question whether to copy the source's channel into this one.
PasteDecision Paste(int nOutput, const std::string& strRoleName);

// After a new level was stored: an output switched off is switched on. True when it was.
bool SwitchOnAfterLevel(CKTV_OutData& out);
}  // namespace OutStripRules
