#include "pages/AdvSetingLogic.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "model/DataDefine.h"
#include "model/InputSourceTable.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "pages/Adv_SetingIds.h"
#include "pages/PageHost.h"

using namespace Adv_SetingIds;

namespace {
constexpr int kMaxPort = 65535;

// The ten fields that Left and Right (and Enter and Tab) walk through, in order.
constexpr std::array<int, 10> kFocusRing = {IDC_MIX_THRESHOLD, IDC_MIX_ATTEN, IDC_MIX_RELEASE, IDC_GROUP_DELAY,
                                            IDC_NOISE,         IDC_PORT,      IDC_LIM_ATTACK,  IDC_LIM_RELEASE,
                                            IDC_LIM_DBU,       IDC_LIM_VOLT};

// A decimal number of at most nDigits digits and nothing else, up to nMax.
std::optional<int> DecimalNumber(std::string_view text, std::size_t nDigits, int nMax)
{
    if (text.empty() || text.size() > nDigits ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n > nMax)
        return std::nullopt;
    return n;
}
}  // namespace

std::optional<DeviceEndpoint> ParseEndpoint(std::string_view address, std::string_view port)
{
    DeviceEndpoint endpoint;
    for (int i = 0; i < 4; ++i) {
        const std::size_t nDot = i < 3 ? address.find('.') : address.size();
        if (nDot == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> n = DecimalNumber(address.substr(0, nDot), 3, 255);
        if (!n)
            return std::nullopt;
        endpoint.strAddress += (i > 0 ? "." : "") + std::to_string(*n);
        address.remove_prefix(std::min(nDot + 1, address.size()));
    }
    const std::optional<int> nPort = DecimalNumber(port, 5, kMaxPort);
    if (!nPort || *nPort < 1)
        return std::nullopt;
    endpoint.nPort = *nPort;
    return endpoint;
}

DeviceEndpoint CurrentEndpoint()
{
    std::lock_guard lock(g_csEndpoint);
    return {g_strDeviceIP, g_nDevicePort};
}

void SetCurrentEndpoint(const DeviceEndpoint& endpoint)
{
    std::lock_guard lock(g_csEndpoint);
    g_strDeviceIP = endpoint.strAddress;
    g_nDevicePort = endpoint.nPort;
}

int CAdvSetingLogic::ShownSource()
{
    const int nSource = g_inputSourceTable.m_nSource;
    return nSource >= 0 && nSource < SOURCE_COUNT ? nSource : SOURCE_OFF;
}

int CAdvSetingLogic::SourceFace(int nSource, bool bHot, bool bChinese)
{
    const int nBase = bChinese ? IDB_SOURCE_CN : IDB_SOURCE_EN;
    const int nShown = nSource >= 0 && nSource < SOURCE_COUNT ? nSource : SOURCE_OFF;
    return nBase + (bHot ? IDB_SOURCE_HOT : 0) + nShown;
}

bool CAdvSetingLogic::SelectMixSource(int k)
{
    if (k < 0 || k >= SOURCE_COUNT || k == g_inputSourceTable.m_nSource || !g_inputSourceTable.m_bAvail[k])
        return false;
    g_inputSourceTable.m_nSource = k;
    g_inputSettings.SetField(&InputSettings::m_bySource, BYTE(k == SOURCE_OFF ? SOURCE_BYTE_OFF : k));
    m_host.SendSystemItem(SYS_INPUT, 0);
    m_host.RefreshInputSourceButtons();
    return true;
}

int CAdvSetingLogic::RingStep(int nCtrlId, int nStep)
{
    const auto it = std::find(kFocusRing.begin(), kFocusRing.end(), nCtrlId);
    const int nSize = static_cast<int>(kFocusRing.size());
    const int nAt = it == kFocusRing.end() ? 0 : static_cast<int>(it - kFocusRing.begin());
    return kFocusRing[static_cast<std::size_t>(((nAt + nStep) % nSize + nSize) % nSize)];
}

std::vector<int> CAdvSetingLogic::LinkedRows(int nSelected)
{
    return g_bLinkLR ? LinkedOutputs(nSelected) : std::vector<int>{};
}

// The role names carry a doubled "&" for the menus and buttons that show them; a list shows
// its texts as they are.
std::string CAdvSetingLogic::RoleText(int nOutput)
{
    const int nRole = nOutput >= 0 && nOutput < OUTPUT_CHANNELS ? g_roleStates.m_byOutRole[nOutput] : ROLE_NONE;
    std::string strName = SpeakerRoleName(nRole);
    for (std::size_t nAt = strName.find("&&"); nAt != std::string::npos; nAt = strName.find("&&", nAt + 1))
        strName.erase(nAt, 1);
    return strName;
}
