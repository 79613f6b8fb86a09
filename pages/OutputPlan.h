#pragma once
// The car plan of the output page: which position button and delay field show an output of a
// given speaker role, and which group link toggles the speaker groups show. Toolkit-free.
#include <vector>

class CSpeakerGroupTable;

namespace OutputPlan {
// The place of a role: position button 4600 + nButton and delay field 6000 + nField; both -1
// for no role (and for a role byte beyond the known roles).
struct RolePlace {
    int nButton = -1;
    int nField = -1;
};
RolePlace PlaceOfRole(int nRole);

// A toggle (6800 + nToggle) a linkable speaker group shows, checked while the group is linked,
// with the outputs of the group.
struct GroupToggle {
    int nToggle;
    bool bChecked;
    std::vector<int> members;
};
// The toggles to show, in the order centre, front left, front right, rear left, rear right,
// subwoofers; a front group shows the toggle of its order code.
std::vector<GroupToggle> GroupToggles(const CSpeakerGroupTable& groups);
}  // namespace OutputPlan
