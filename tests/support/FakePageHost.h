#pragma once
// A page host that records every call a page or dialog makes on the view, as text in order
// ("SendSystemItem(5, 0)"), and answers IsOnline and the file commands as the test sets them.
#include <initializer_list>
#include <string>
#include <vector>

#include "pages/PageHost.h"

class CFakePageHost : public IPageHost {
public:
    int IsOnline() const override { return bOnline; }
    void SendSystemItem(int nItem, int nPreset) override { Note("SendSystemItem", nItem, nPreset); }
    void SetMasterItemPending(int bFlag) override { Note("SetMasterItemPending", bFlag); }
    void SetSourceItemPending(int bFlag) override { Note("SetSourceItemPending", bFlag); }
    // The choice is made as the view makes it; only the view's sends and posts are left out.
    InputChange SelectActiveInput(int nInput, InputChangeBy by) override
    {
        Note("SelectActiveInput", nInput, static_cast<int>(by));
        return ChooseActiveInput(nInput, by);
    }
    InputChange SelectInputMode(int nMode) override
    {
        Note("SelectInputMode", nMode);
        return ChooseInputMode(nMode);
    }
    void SendMusicChannelBlock(int nInput) override { Note("SendMusicChannelBlock", nInput); }
    void ResetMusicChannelFreqs(int nInput) override { Note("ResetMusicChannelFreqs", nInput); }
    void RefreshInputSourceButtons() override { Note("RefreshInputSourceButtons"); }
    void SendOutputChannelBlock(int nOutput) override { Note("SendOutputChannelBlock", nOutput); }
    void ResetLinkedOutputFreqs(int nOutput) override { Note("ResetLinkedOutputFreqs", nOutput); }
    void SendOutputRoles(int nOutput, int bAll) override { Note("SendOutputRoles", nOutput, bAll); }
    int LinkOutputPairs(int nDirection) override
    {
        Note("LinkOutputPairs", nDirection);
        return bCurrentIsLinkTarget;
    }
    void UnlinkAllOutputs() override { Note("UnlinkAllOutputs"); }
    void PasteOutputChannel(int nSource, int nTarget) override { Note("PasteOutputChannel", nSource, nTarget); }
    int LoadOutputMapFile() override
    {
        Note("LoadOutputMapFile");
        return bFileResult;
    }
    int SaveOutputMapFile() override
    {
        Note("SaveOutputMapFile");
        return bFileResult;
    }
    void ShowConnectFailure() override { Note("ShowConnectFailure"); }
    void SaveLineSetting() override { Note("SaveLineSetting"); }

    std::vector<std::string> calls;
    int bOnline = 0;
    int bCurrentIsLinkTarget = 0;
    int bFileResult = 1;

private:
    void Note(const char* szName, std::initializer_list<int> args = {})
    {
        std::string text = std::string(szName) + "(";
        for (const int n : args)
            text += (text.back() == '(' ? "" : ", ") + std::to_string(n);
        calls.push_back(text + ")");
    }
    template <class... Args>
    void Note(const char* szName, Args... args)
    {
        Note(szName, {args...});
    }
};
