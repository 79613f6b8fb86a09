#pragma once
// The dynamics dialog, captioned "System" (the top bar's System button): the limiter (level,
// attack, release) and the compressor (level, attack, release, ratio) of all eight outputs, each
// output with a small transfer-curve graph, and the noise gate of the first music input. Every
// edit goes through the model's setters, which copy it to the outputs of the same link group and
// mark it for the link worker; the linked outputs' fields and graphs then show what they hold.
// A limiter never goes below its compressor, nor a compressor above its limiter. Enter and Escape
// end an edit without closing the dialog; the close box closes it.
#include <array>

#include "controls/TemplateDialog.h"
#include "model/DataDefine.h"
#include "pages/ParamBinder.h"

class CCOM_EXT_LIMStatic;
class CKTV_Data;
class IPageHost;

class CCurSYSDlg : public CTemplateDialog {
public:
    CCurSYSDlg(IPageHost& host, CKTV_Data& data);

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    bool PreTranslateKey(wxKeyEvent& event) override;

private:
    // The fields of one output, in the order the dialog sets them up.
    enum Field { LimLevel, LimAttack, LimRelease, CompLevel, CompAttack, CompRelease, CompRatio, kFields };

    void InitLabels();
    void InitLimiterControls();
    // After a field of output i changed: the field shows what the model holds (a level may have
    // been held at the other one), and the outputs linked to it show the group the setter copied.
    void ShowChanged(Field field, int i);

    CKTV_Data* const m_pData;
    CParamBinder m_binder;
    std::array<CCOM_EXT_LIMStatic*, OUTPUT_CHANNELS> m_graphs{};
    std::array<std::array<int, kFields>, OUTPUT_CHANNELS> m_nBindings{};
};
