#pragma once
// The rules of the advanced settings dialog beyond its plain fields: the network endpoint it
// applies, the ducking mixer's source, the faces of the source button, the focus ring of its
// fields and the marks of its output list. Toolkit-free; the dialog maps controls to these.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IPageHost;

// The processor's network endpoint as the link check and the network link use it.
struct DeviceEndpoint {
    std::string strAddress;
    int nPort = 0;
    bool operator==(const DeviceEndpoint&) const = default;
};

// The endpoint the user typed, when it is one: four decimal numbers 0-255 joined by dots (given
// back without leading zeros, so no reader takes "010" for octal) and a port of decimal digits
// from 1 to 65535. Anything else, white space included, is none.
std::optional<DeviceEndpoint> ParseEndpoint(std::string_view address, std::string_view port);
// A copy of the endpoint in use, and its replacement; both under g_csEndpoint, which the link
// check and the worker hold while they read it.
DeviceEndpoint CurrentEndpoint();
void SetCurrentEndpoint(const DeviceEndpoint& endpoint);

class CAdvSetingLogic {
public:
    explicit CAdvSetingLogic(IPageHost& host) : m_host(host) {}

    // The mixer source shown: 0-5, or 6 (off) for anything else.
    static int ShownSource();
    // The source button's face: normal, or hover and pressed (bHot).
    static int SourceFace(int nSource, bool bHot, bool bChinese);
    // Source k (0-5, 6 off) chosen from the menu: nothing when it is the source already or the
    // table does not offer it (false). Otherwise it becomes the source (255 in the input
    // settings for off), system item 2 is sent at once and the music page's buttons follow.
    bool SelectMixSource(int k);

    // The field a left (-1) or right (+1) step of the focus ring reaches from nCtrlId; a field
    // that is not in the ring steps from the ring's first.
    static int RingStep(int nCtrlId, int nStep);

    // The rows of the output list marked as linked to the selected row: while the outputs are
    // linked left and right, the other outputs of its link group.
    static std::vector<int> LinkedRows(int nSelected);
    // Column 1 of output k's row: the name of its speaker role (no role for a role the table
    // does not know).
    static std::string RoleText(int nOutput);

private:
    IPageHost& m_host;
};
