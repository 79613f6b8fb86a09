#pragma once
// The car plan's controls that the level and delay page and the output page treat alike: the
// fifteen delay fields with their spins, the twelve group-link toggles and the three delay unit
// buttons, with the CDelayPlan that says which output each field serves. The page creates and
// dresses the controls (faces, fonts, layout), hands them over once after creating them, and
// keeps its position buttons and whatever else a change of the plan refreshes on it.
#include <array>

#include "pages/DelayPlan.h"

class CBitButton;
class CBtnPng;
class CKTV_Data;
class CNumEdit;
class CNumSpin;

class CDelayPlanControls {
public:
    using FieldArray = std::array<CNumEdit*, DELAY_FIELDS>;
    using SpinArray = std::array<CNumSpin*, DELAY_FIELDS>;
    using LinkArray = std::array<CBtnPng*, DELAY_LINK_BUTTONS>;
    using UnitArray = std::array<CBitButton*, 3>;

    explicit CDelayPlanControls(CKTV_Data& data) : m_data(data) {}

    void Attach(const FieldArray& fields, const SpinArray& spins, const LinkArray& links, const UnitArray& units);

    const CDelayPlan& Plan() const { return m_plan; }
    const FieldArray& DelayFields() const { return m_editDelay; }
    const SpinArray& DelaySpins() const { return m_spinDelay; }
    const LinkArray& LinkToggles() const { return m_btnGroupLink; }
    const UnitArray& UnitButtons() const { return m_btnDelayUnit; }

    // Every field is hidden and writable before the roles of outputs 0 to nOutputs - 1 bind them
    // again (the page shows no other output), and each spin names the output its field serves
    // (-1 none), so a field that serves no output any more names none.
    void Rebind(int nOutputs);
    // The output's delay field, shown with its delay; nothing for an output without a field.
    void ShowDelay(int nOutput);
    // The delay a field shows for an output: the stored one limited to 0-259.
    int ShownDelay(int nOutput) const;
    // Each linkable group shows the link button of its order, checked while linked, and a linked
    // group's delay fields are read-only.
    void ShowGroupLinks();

    // Unit nUnit (1 ms, 2 cm, 3 inch; any other counts as ms) becomes that of both pages: only
    // its button is checked and every field shows its code in it (the codes stay).
    void SetDelayUnit(int nUnit);
    // The command of unit nUnit's button (1-3): false when its unit is shown already.
    bool ChooseDelayUnit(int nUnit);
    // A link button's command flips its group: false when the group cannot be linked.
    bool FlipGroupLink(int nButton);
    // A field's commit or a step of its spin stores the field's delay for the output it serves
    // when the user edited it to another delay than the model's, and returns that output, -1 for
    // none.
    int CommitDelay(int nField, bool bFromSpin);
    // Posted by a field's spin after its own step: the outputs linked with it follow by one unit.
    void FollowStep(int nField, int nStep);

private:
    void SetGroupDelaysReadOnly(DelayGroup group, bool bReadOnly);
    // Stores and shows a new delay of an output.
    void ApplyDelay(int nOutput, int nCode);

    CKTV_Data& m_data;
    FieldArray m_editDelay{};
    SpinArray m_spinDelay{};
    LinkArray m_btnGroupLink{};
    UnitArray m_btnDelayUnit{};
    CDelayPlan m_plan;
};
