// The response curves of a band: the band is designed as up to four second-order sections of a
// digital filter running at 96 kHz, and each section is evaluated on the unit circle at the 241
// grid frequencies. The curves serve display only; nothing here is sent to the processor.
#include <algorithm>
#include <cmath>

#include "model/Filter.h"

namespace {

constexpr double TWO_PI = 6.2831852;
constexpr double SAMPLE_RATE = 96000;
// Design angle per hertz, kept as the curves have always been drawn (it differs from
// TWO_PI / SAMPLE_RATE in the eighth digit).
constexpr double DESIGN_ANGLE_PER_HZ = 6.544985e-05;
constexpr double HALF_LN2 = 0.34657359;
constexpr double ZERO_GUARD = 1e-10;  // replaces a leading denominator coefficient of exactly 0

constexpr double MIN_FREQ = 20;
constexpr double MAX_FREQ = 20000;
// Received gains and bandwidths beyond what the processor can hold are drawn at its limits.
constexpr double MIN_GAIN = -20;
constexpr double MAX_GAIN = 20;
constexpr double MIN_BANDWIDTH = 0.05;
constexpr double MAX_BANDWIDTH = 3.0;

constexpr int MAX_SECTIONS = 4;
constexpr int CROSSOVER_SLOPES = 8;  // slopes 0-7; SLOPE_OFF draws nothing
constexpr int ALIGNMENTS = 3;

// Normalised second-order section (all coefficients divided by a0); the default is the identity.
struct Section {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

Section Normalised(double b0, double b1, double b2, double a0, double a1, double a2)
{
    return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

double Guarded(double a0)
{
    return a0 == 0 ? ZERO_GUARD : a0;
}

// Cosine and sine of the evaluation angle at each grid frequency.
struct GridAngles {
    double cosW[FREQ_POINTS];
    double sinW[FREQ_POINTS];
};

const GridAngles& Angles()
{
    static const GridAngles angles = [] {
        GridAngles a{};
        for (int i = 0; i < FREQ_POINTS; ++i) {
            const double w = TWO_PI * g_dFreqTable[i] / SAMPLE_RATE;
            a.cosW[i] = std::cos(w);
            a.sinW[i] = std::sin(w);
        }
        return a;
    }();
    return angles;
}

// Magnitude in dB of the cascade at every grid point: the sum of the sections' dB values, taken
// as one logarithm of the product of their squared magnitudes. H(e^jw) is evaluated with
// numerator and denominator multiplied by e^jw.
void EvaluateCascade(const Section* pSections, int nSections, double* pResponse)
{
    const GridAngles& angles = Angles();
    for (int i = 0; i < FREQ_POINTS; ++i) {
        const double c = angles.cosW[i];
        const double s = angles.sinW[i];
        double ratio = 1;
        for (int k = 0; k < nSections; ++k) {
            const Section& q = pSections[k];
            const double nr = (q.b0 + q.b2) * c + q.b1;
            const double ni = (q.b0 - q.b2) * s;
            const double dr = (1 + q.a2) * c + q.a1;
            const double di = (1 - q.a2) * s;
            ratio *= (nr * nr + ni * ni) / (dr * dr + di * di);
        }
        const double dB = 10 * std::log10(ratio);
        pResponse[i] = std::isfinite(dB) ? dB : 0.0;
    }
}

// Per slope and alignment (Linkwitz-Riley, Bessel, Butterworth): 1 / (2Q) of each section; 0
// leaves the section out. Slope 0 (first order) uses the first value for its first-order section.
constexpr double HIGH_PASS_D[CROSSOVER_SLOPES][ALIGNMENTS][MAX_SECTIONS] = {
    {{1.0}, {0.70422535}, {0.70422535}},
    {{1.0}, {0.70422535}, {0.70422535}},
    {{1.0, 0.70422535211}, {0.756, 0.72463768}, {1.0, 0.5}},
    {{0.70422535211, 0.70422535211}, {0.96153846, 0.61728395}, {0.92592593, 0.38167939}},
    {{1.0, 0.62, 0.62}, {0.6656, 0.8928571428, 0.54347826}, {1.0, 0.8064616129, 0.3086417953}},
    {{1.0, 0.5, 0.5}, {0.980392156, 0.819672131, 0.490196}, {0.96153846, 0.70422535211, 0.2590673575}},
    {{1.0, 0.453134315, 0.92592592593, 0.453134315},
     {0.5937, 0.943396226415, 0.757575757576, 0.4424778761},
     {1.0, 0.90909090909, 0.625, 0.2222222222}},
    {{0.92592592593, 0.373134315, 0.92592592593, 0.373134315},
     {0.98039216, 0.89285714, 0.70422535, 0.40650406},
     {0.98039126, 0.83333333, 0.55555556, 0.1953125}},
};
constexpr double HIGH_PASS_BESSEL_DIVISOR[CROSSOVER_SLOPES] = {
    1.2683112435, 1.2683112435, 1.2854981442, 1.5006420029,
    1.3854981442, 1.5554981442, 1.5554981442, 1.679120141};

// The low-pass values for Linkwitz-Riley and Butterworth are the high-pass ones, except the first
// value of the 48 dB/oct Butterworth.
constexpr double LOW_PASS_BUTTERWORTH_48DB_D0 = 0.98039216;

// Bessel low-pass: analogue sections 1 / (1 + p s + q s^2), and the frequency divisor.
struct BesselSection {
    double p = 0, q = 0;
};
constexpr BesselSection LOW_PASS_BESSEL[CROSSOVER_SLOPES][MAX_SECTIONS] = {
    {{1.0, 0.3333333333}},
    {{1.0, 0.3333333333}},
    {{0.5693712514, 0.154812441}, {0.430628846, 0}},
    {{0.369, 0.087858766}, {0.6278294896, 0.109408}},
    {{0.6656, 0}, {1.1402, 0.4128}, {0.6216, 0.3245}},
    {{1.2217, 0.3887}, {0.9686, 0.3505}, {0.5131, 0.2756}},
    {{0.5937, 0}, {1.0944, 0.3395}, {0.8304, 0.3011}, {0.4332, 0.2381}},
    {{0.117235677, 0.02064747}, {0.226516664, 0.0259273886}, {0.3067559, 0.0294683265},
     {0.3494916166, 0.031272257}},
};
constexpr double LOW_PASS_BESSEL_DIVISOR[CROSSOVER_SLOPES] = {
    1.3616541287, 1.3616541287, 1.75567236868, 2.1139176749, 1.0, 1.0, 1.0, 3.17961723751};

bool IsOddOrder(int nSlope)
{
    return nSlope % 2 == 0;
}

bool IsDefinedCrossover(int nSlope, int nAlign)
{
    return nSlope >= 0 && nSlope < CROSSOVER_SLOPES && nAlign >= 0 && nAlign < ALIGNMENTS;
}

}  // namespace

void CFilter::UpdateResponse()
{
    const double freq = std::clamp<double>(m_nFreq, MIN_FREQ, MAX_FREQ);
    switch (m_nType) {
    case FILTER_PEQ:
        if (IsBypassOrFlat())
            ClearResponse();
        else
            CalcPeakResponse();
        break;
    case FILTER_LOW_SHELF:
    case FILTER_HIGH_SHELF:
        if (IsBypassOrFlat())
            ClearResponse();
        else
            CalcShelfResponse();
        break;
    case FILTER_HPF:  // crossovers ignore the flat and bypass flags
        if (freq == MIN_FREQ || m_nSlope == SLOPE_OFF)
            ClearResponse();
        else
            CalcHighPassResponse();
        break;
    case FILTER_LPF:
        if (freq == MAX_FREQ || m_nSlope == SLOPE_OFF)
            ClearResponse();
        else
            CalcLowPassResponse();
        break;
    default:  // a type no band can have, received from outside
        ClearResponse();
        break;
    }
    for (int i = 0; i < FREQ_POINTS; ++i)
        m_ptPolygon[i + 1].y = GainToStep(m_dResponse[i], m_nPlotHeight) + PLOT_TOP;
}

void CFilter::ClearResponse()
{
    std::fill(std::begin(m_dResponse), std::end(m_dResponse), 0.0);
}

void CFilter::CalcPeakResponse()
{
    // The centre moves to the nearest grid frequency.
    const double f0 = g_dFreqTable[FreqToIndex(m_nFreq)];
    const double w0 = DESIGN_ANGLE_PER_HZ * f0;
    const double a = std::pow(10.0, std::clamp<double>(m_dGain, MIN_GAIN, MAX_GAIN) / 40);
    const double bandwidth = std::clamp<double>(m_dBandwidth, MIN_BANDWIDTH, MAX_BANDWIDTH);
    const double sw = std::sin(w0);
    const double alpha = sw * std::sinh(HALF_LN2 * bandwidth * w0 / sw);
    const double cw2 = -2 * std::cos(w0);
    const Section section = Normalised(1 + alpha * a, cw2, 1 - alpha * a, 1 + alpha / a, cw2, 1 - alpha / a);
    EvaluateCascade(&section, 1, m_dResponse);
}

void CFilter::CalcShelfResponse()
{
    if (m_nSlope != 0 && m_nSlope != 1) {  // shelves have two slopes only
        ClearResponse();
        return;
    }
    const bool low = m_nType == FILTER_LOW_SHELF;
    const double shape = m_nSlope == 0 ? 0.5 : 1.3;
    const double factor = low ? (m_nSlope == 0 ? 2.0 : 1.2727272727) : (m_nSlope == 0 ? 0.4545454546 : 0.76923076923);
    const double gain = std::clamp<double>(m_dGain, MIN_GAIN, MAX_GAIN);
    if (gain == 0) {
        ClearResponse();
        return;
    }
    const double w0 = DESIGN_ANGLE_PER_HZ * std::clamp<double>(m_nFreq, MIN_FREQ, MAX_FREQ) * factor;
    const double a = std::pow(10.0, gain / 40);
    const double alpha = std::sin(w0) / 2 * std::sqrt((a + 1 / a) * (1 / shape - 1) + 2);
    const double cw = std::cos(w0);
    const double t = 2 * std::sqrt(a) * alpha;
    const Section section = low
        ? Normalised(a * ((a + 1) - (a - 1) * cw + t), 2 * a * ((a - 1) - (a + 1) * cw),
                     a * ((a + 1) - (a - 1) * cw - t), (a + 1) + (a - 1) * cw + t,
                     -2 * ((a - 1) + (a + 1) * cw), (a + 1) + (a - 1) * cw - t)
        : Normalised(a * ((a + 1) + (a - 1) * cw + t), -2 * a * ((a - 1) + (a + 1) * cw),
                     a * ((a + 1) + (a - 1) * cw - t), (a + 1) - (a - 1) * cw + t,
                     2 * ((a - 1) - (a + 1) * cw), (a + 1) - (a - 1) * cw - t);
    EvaluateCascade(&section, 1, m_dResponse);
}

void CFilter::CalcHighPassResponse()
{
    if (!IsDefinedCrossover(m_nSlope, m_nAlign)) {
        ClearResponse();
        return;
    }
    const double* d = HIGH_PASS_D[m_nSlope][m_nAlign];
    double design = std::clamp<double>(m_nFreq, MIN_FREQ, MAX_FREQ);
    if (m_nAlign == ALIGN_BESSEL)
        design /= HIGH_PASS_BESSEL_DIVISOR[m_nSlope];
    const double w0 = DESIGN_ANGLE_PER_HZ * design;
    const double cw = std::cos(w0);
    const double sw = std::sin(w0);
    const double k = std::tan(w0 / 2);

    Section sections[MAX_SECTIONS];
    int count = 0;
    for (int i = 0; i < MAX_SECTIONS; ++i) {
        if (d[i] == 0)
            continue;
        const double alpha = sw * d[i];
        const double b0 = (1 + cw) / 2;
        sections[count++] = i == 0 && IsOddOrder(m_nSlope)
            ? Normalised(1, -1, 0, Guarded(d[0] * k + 1), d[0] * k - 1, 0)
            : Normalised(b0, -2 * b0, b0, Guarded(1 + alpha), -2 * cw, 1 - alpha);
    }
    EvaluateCascade(sections, count, m_dResponse);
}

void CFilter::CalcLowPassResponse()
{
    if (!IsDefinedCrossover(m_nSlope, m_nAlign)) {
        ClearResponse();
        return;
    }
    const double freq = std::clamp<double>(m_nFreq, MIN_FREQ, MAX_FREQ);
    Section sections[MAX_SECTIONS];
    int count = 0;
    if (m_nAlign == ALIGN_BESSEL) {
        // Bilinear images of the analogue sections, frequency prewarped; odd orders carry a
        // section with q = 0 instead of a first-order one.
        const double k = std::tan(DESIGN_ANGLE_PER_HZ * freq / LOW_PASS_BESSEL_DIVISOR[m_nSlope] / 2);
        const double k2 = k * k;
        for (const BesselSection& s : LOW_PASS_BESSEL[m_nSlope]) {
            if (s.p == 0)
                continue;
            sections[count++] = Normalised(k2, 2 * k2, k2, s.p * k + k2 + s.q, 2 * k2 - 2 * s.q, k2 - s.p * k + s.q);
        }
    } else {
        double d[MAX_SECTIONS];
        std::copy_n(HIGH_PASS_D[m_nSlope][m_nAlign], MAX_SECTIONS, d);
        if (m_nSlope == SLOPE_48DB && m_nAlign == ALIGN_BUTTERWORTH)
            d[0] = LOW_PASS_BUTTERWORTH_48DB_D0;
        const double w0 = DESIGN_ANGLE_PER_HZ * freq;
        const double cw = std::cos(w0);
        const double sw = std::sin(w0);
        const double k = std::tan(w0 / 2);
        for (int i = 0; i < MAX_SECTIONS; ++i) {
            if (d[i] == 0)
                continue;
            const double b0 = (1 - cw) / 2;
            sections[count++] = i == 0 && IsOddOrder(m_nSlope)
                ? Normalised(k, k, 0, Guarded(k + d[0]), k - d[0], 0)
                : Normalised(b0, 2 * b0, b0, Guarded(1 + sw * d[i]), -2 * cw, 1 - sw * d[i]);
        }
    }
    EvaluateCascade(sections, count, m_dResponse);
}
