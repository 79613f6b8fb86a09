#pragma once
// The car plan of the level and delay page and of the output page, without the toolkit: where
// each speaker role sits, which output a delay field and a position serve, the position groups
// whose delays move together, the delay shown and typed in ms, cm or inch, and the linked step.
//
// Numbering shared by both pages:
// - fields 0-14: the delay edits 6000 + f with their spins 6020 + f;
// - positions 0-23 in role order (position p is role p + 1): the level page's icons 6040 + p,
//   the output page maps a position to its own button;
// - link buttons 0-11: the toggles 6800 + b.
// Units are those of g_nDelayUnit: 1 ms, 2 cm, 3 inch; any other value counts as ms. Distances
// are at 346 m/s. Delay codes are steps of 1/48 ms, 0 to 259 (5.396 ms) on every field.
//
// Roles and delays come from the processor or from files: a role outside 1-24 counts as no role
// and never indexes a table; a delay beyond 0-259 is shown and stepped from the nearest end.
//
// A page keeps one CDelayPlan, rebinds it from the roles at each refresh, and asks it which
// output a command of a field or position names (a field that serves none is ignored). A delay
// spin's step reaches the page twice: as the field's command (the page stores the new delay and
// tells NoteStep whether it changed) and later as the posted step (FollowStep then gives the new
// delays of the linked partners). Partners move only after a step that changed the delay.
#include <array>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/DataDefine.h"

class CSpeakerGroupTable;

constexpr int DELAY_FIELDS = 15;
constexpr int DELAY_POSITIONS = 24;
constexpr int DELAY_LINK_BUTTONS = 12;
constexpr int DELAY_CODE_MAX = 259;

// The field (0-14) and the position (0-23) of a role; -1 for no role.
int DelayFieldOfRole(int nRole);
int DelayPositionOfRole(int nRole);

// The speaker-position groups that can be linked, in the order the pages refresh them.
enum class DelayGroup { None, Center, FrontLeft, FrontRight, RearLeft, RearRight, Sub };
inline constexpr DelayGroup kLinkableGroups[] = {DelayGroup::Center,   DelayGroup::FrontLeft, DelayGroup::FrontRight,
                                                 DelayGroup::RearLeft, DelayGroup::RearRight, DelayGroup::Sub};

// Front left 1-5, front right 7-11, rear left 13-14, rear right 16-17, centre 19-20, the two
// side subwoofers 22-23; full-range roles, the mono subwoofer and no role belong to none.
DelayGroup DelayGroupOfRole(int nRole);
// The group's link state in the table: -1 not linkable, 0 not linked, 1 linked (-1 for None).
int GroupLinkState(const CSpeakerGroupTable& groups, DelayGroup group);
// Flips a linkable group between 0 and 1 and returns the new state; a group that cannot be
// linked stays as it is.
int ToggleGroupLink(CSpeakerGroupTable& groups, DelayGroup group);
// The outputs of the group, in output order (outputs outside 0-7 left out).
std::vector<int> GroupMembers(const CSpeakerGroupTable& groups, DelayGroup group);
// Every link button of a group (the four order buttons of a front group), to hide them.
std::span<const int> GroupLinkButtons(DelayGroup group);
// The link button a linkable group shows (a front group the one of its order code 1-4); -1 for
// a group that cannot be linked or a front group with another order code.
int GroupLinkButton(const CSpeakerGroupTable& groups, DelayGroup group);
// The group a link button toggles; None for a number outside 0-11.
DelayGroup GroupOfLinkButton(int nButton);

// The display type of the delay fields in a unit: 0 ms, 1 cm, 2 inch.
int DelayDisplayType(int nUnit);
// The text a field shows for a code in a unit (the code limited to 0-259).
std::string DelayText(int nCode, int nUnit);
// The code a typed text gives in a unit, limited to 0-259; none for a text without a number.
std::optional<int> ReadDelayText(std::string_view text, int nUnit);
// The code one shown unit from nCode in the direction of nStep (ms: one code; cm and inch: the
// next code whose shown distance differs), within 0-259; nCode itself for a step of 0.
int StepDelay(int nCode, int nUnit, int nStep);

// A delay the page is to store (and show) for an output.
struct DelayChange {
    int nOutput;
    int nCode;
    bool operator==(const DelayChange&) const = default;
};

class CDelayPlan {
public:
    CDelayPlan();

    // Binds every output to the field and position of its role. What was bound before and the
    // steps not yet followed are forgotten. A field serves one output: an output whose role
    // shares the field of an earlier output's role stays unbound.
    void Bind(std::span<const BYTE, OUTPUT_CHANNELS> roles);

    // -1 for none, and for an output, field or position outside its range.
    int FieldOfOutput(int nOutput) const;
    int PositionOfOutput(int nOutput) const;
    int OutputOfField(int nField) const;
    int OutputOfPosition(int nPosition) const;
    // The role an output is bound with (0 when it has no binding).
    int RoleOfOutput(int nOutput) const;

    // A field's spin stepped the delay of its output; bChanged: the stored delay changed.
    void NoteStep(int nOutput, bool bChanged);
    // The step of nOutput by nStep has been shown: the oldest noted step of the output is taken,
    // and when it changed the delay and the output's group is linked, each other bound member
    // moves one shown unit from its own delay (delays[m], limited to 0-259). Only members whose
    // delay changes are returned, in output order.
    std::vector<DelayChange> FollowStep(const CSpeakerGroupTable& groups, int nOutput, int nStep, int nUnit,
                                        std::span<const int, OUTPUT_CHANNELS> delays);

private:
    static bool IsOutput(int n) { return n >= 0 && n < OUTPUT_CHANNELS; }

    std::array<int, OUTPUT_CHANNELS> m_nRole{};
    std::array<int, OUTPUT_CHANNELS> m_nField{};
    std::array<int, DELAY_FIELDS> m_nFieldOutput{};
    std::array<int, DELAY_POSITIONS> m_nPositionOutput{};
    std::array<std::deque<bool>, OUTPUT_CHANNELS> m_steps;
};
