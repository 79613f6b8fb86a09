#pragma once
// The output page's speaker-position buttons: the car plan's positions (pages/DelayPlan.h, in
// role order) sit under buttons 4600 + n of the page's own order. Toolkit-free.
namespace OutputPlan {
// The button (0-23) of a role's position; -1 for no role (and a role byte beyond the roles).
int PositionButtonOfRole(int nRole);
// The position (0-23) a button shows; -1 for a number outside 0-23.
int PositionOfButton(int nButton);
}  // namespace OutputPlan
