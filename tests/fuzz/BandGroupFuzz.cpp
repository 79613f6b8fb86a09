// Band groups as the processor or a preset file may hold them: any 8 bytes. Decoding must keep
// the bytes (they go back unchanged), and the curves drawn from them must stay finite and bounded.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/KTVEQ.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CKTVEQ* pEq = [] {
        auto* eq = new CKTVEQ;
        eq->InitMusicBands(30, 32, 20000);
        eq->SetGraphRect({0, 0, 600, 240});
        return eq;
    }();
    for (std::size_t offset = 0; offset + sizeof(BandGroup) <= size; offset += sizeof(BandGroup)) {
        BandGroup group;
        std::memcpy(&group, data + offset, sizeof group);
        const int band = static_cast<int>(offset / sizeof(BandGroup)) % pEq->GetSize();
        pEq->GroupToBand(group, band);
        const BandGroup back = pEq->BandToGroup(band);
        if (std::memcmp(&back, &group, sizeof group) != 0)
            std::abort();
        if (pEq->GetAt(band)->GetChanged() != 0)
            std::abort();
    }
    pEq->UpdateCurve();
    for (int i = 0; i < FREQ_POINTS; ++i) {
        if (std::abs(pEq->GetPoints()[i].y) > 1000000 || !std::isfinite(pEq->GetPointsF()[i].y))
            std::abort();
    }
    return 0;
}
