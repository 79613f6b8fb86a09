#pragma once
// Speaker roles of the outputs and the rules that keep them consistent.
//
// Every output drives one speaker role (0 none, 1-6 front left tweeter, midrange, woofer,
// midrange-and-tweeter, midrange-and-woofer, full range; 7-12 the same front right; 13-15 rear
// left tweeter, woofer, full; 16-18 rear right; 19-21 centre; 22-24 left, right and mono
// subwoofer). Roles exclude one another; g_roleStates records for each role whether an output
// holds it (taken), it conflicts with a taken role (blocked) or it is free. The rules are plain
// operations on that one table for the UI thread: they take no lock and send nothing.
#include "model/DataDefine.h"

// Availability of a role in RoleStateTable::m_byState.
constexpr BYTE ROLE_BLOCKED = 1;
constexpr BYTE ROLE_TAKEN = 2;
constexpr BYTE ROLE_FREE = 3;

constexpr int ROLE_NONE = 0;
constexpr int ROLE_MAX = SPEAKER_ROLES - 1;

// A role received from the processor or read from a file may be any byte: where it would
// index a table it counts as no role.
int ValidRole(int nRole);
bool IsTweeterRole(int nRole);
// The role's name in the language of the moment, or in the one given (UTF-8).
const char* SpeakerRoleName(int nRole);
const char* SpeakerRoleName(int nRole, bool bChinese);

// Every byte of g_roleStates, the output roles included, becomes free (3).
void ResetRoleStates();
// Applies, output by output, the take rule of each output's role.
void RecomputeRoleStates();
// The output is not used by the take rules; callers pass 0.
void TakeSpeakerRole(int nRole, int nOutput);
// For role 0, nOutput is the output that stops having no role.
void ReleaseSpeakerRole(int nRole, int nOutput);
// Later outputs lose a role that an earlier output holds; true when a role changed. Only the
// output roles change: the caller recomputes the availability.
int ClearDuplicateRoles();
int IsAnyRoleAssigned();
// The roles of g_byDevRoles become the output roles of a reset g_roleStates, a repeated role
// cleared there and in g_byDevRoles (then true); the caller recomputes the availability.
int TakeDeviceRoles();
// True when another output shares the output's link group.
int IsOutputLinked(int nOutput);
// Rebuild g_lrPairs and g_lrPairsLeftFirst (left output first); true when a pair was found.
int FindPairedOutputs();
int FindPairedOutputsLeftFirst();
// 0 left, 1 right, -1 neither.
int GetRoleSide(int nOutput);
// Nonzero when both outputs hold band roles of one speaker position.
int IsCrossoverBand(int nOutput, int nOther);
