#pragma once
// Ties the numeric fields, spins and faders of a page or dialog to rows of the parameter table
// (model/ParamTable.h). A binding sets its controls up from the row (the field's display type,
// range, scale, offset and unit, the spin's range and stepping, the fader's value type and range),
// loads them from the model and writes back:
// - Load: the value the model holds, limited to the row's range for display (a value beyond it
//   is traced, never reported in a box), marking nothing.
// - Commit: when the user edited the field (typed text, a spin step, a fader moved or let go) to a
//   value other than the model's, the row's setter writes it (to the linked outputs where the row
//   says so), the binding's other controls follow, the row's device-state item is left pending
//   with the view, and the binding's change handler runs. An edit to the shown bound of a value
//   held beyond it is written like any other. A click on the field, its focus or a fader taking
//   the focus is no edit: a value held beyond the range stays as it is.
//
// The binder takes the owner's command events of its fields and spins, and the owner's fader
// messages (WM_SLIDER_MOVING, WM_SLIDER_MOVED): after its own commit of a bound fader, every fader
// message goes on to the handler given with SetSliderHandler (faders it does not bind, or what a
// page does when a move ends).
#include <functional>
#include <vector>

#include "model/ParamTable.h"

class CBitmapSlider;
class CNumEdit;
class CNumSpin;
class IPageHost;
class wxWindow;

class CParamBinder {
public:
    using TargetFn = std::function<ParamTarget()>;
    using ChangedFn = std::function<void(int nValue)>;
    using SliderFn = std::function<void(int nCtrlId, bool bDone)>;
    using CommitFn = std::function<void(int nCtrlId)>;

    CParamBinder(wxWindow& owner, IPageHost& host);
    CParamBinder(const CParamBinder&) = delete;
    CParamBinder& operator=(const CParamBinder&) = delete;

    // Binds a field with its spin and fader (either may be null) to a row; the target names the
    // channel and band at the moment of a load or a commit. Returns the binding's number.
    int Bind(ParamId id, CNumEdit* pEdit, CNumSpin* pSpin, CBitmapSlider* pSlider, TargetFn fnTarget,
             ChangedFn fnChanged = {});
    // Gives a binding another row of the same kind (a delay in another unit) and reloads it.
    void SetRow(int nBinding, ParamId id);
    void SetSliderHandler(SliderFn fn) { m_fnSlider = std::move(fn); }
    // Runs after every commit of a bound field or spin, changed or not (what a page shows of the
    // field the user worked in).
    void SetCommitHandler(CommitFn fn) { m_fnCommit = std::move(fn); }

    // Loads every binding, or one, from the model.
    void Load();
    void Load(int nBinding);
    // The field of a binding shows its unit words and off text in the language of the moment.
    void RefreshLanguage();

    // What the user's last commit of a control did: true when it belongs to a binding (whether or
    // not the value changed). The owner's events call these; tests may call them directly.
    bool Commit(int nCtrlId);
    // bDone: the fader's gesture ended (a release, a key, a wheel notch), which is an edit even
    // where the fader already stands; a fader still moving (or taking the focus) edits only by
    // standing elsewhere than shown.
    bool CommitSlider(int nCtrlId, bool bDone);
    int Count() const { return static_cast<int>(m_bindings.size()); }

private:
    struct Binding {
        const ParamRow* pRow;
        CNumEdit* pEdit;
        CNumSpin* pSpin;
        CBitmapSlider* pSlider;
        TargetFn fnTarget;
        ChangedFn fnChanged;
        int nShown = 0;  // the value the controls show
    };

    void SetUpControls(const Binding& b);
    void ShowValue(Binding& b, int v);
    // Writes a value the user chose, when it differs from the model's, and tells the rest.
    void Write(Binding& b, int v);
    Binding* Find(int nCtrlId);
    void OnSliderMessage(int nCtrlId, bool bDone);

    wxWindow& m_owner;
    IPageHost& m_host;
    std::vector<Binding> m_bindings;
    SliderFn m_fnSlider;
    CommitFn m_fnCommit;
};
