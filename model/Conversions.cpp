#include "model/Conversions.h"

#include <algorithm>
#include <cmath>

#include "model/NumberText.h"

const double g_dQTable[Q_TABLE_SIZE] = {
    28.852, 24.043, 20.608, 18.031, 16.027, 14.424, 13.112, 12.019, 11.094, 10.301,
    9.614, 9.012, 8.482, 8.010, 7.588, 7.208, 6.864, 6.551, 6.266, 6.004,
    5.764, 5.541, 5.336, 5.144, 4.966, 4.800, 4.645, 4.499, 4.362, 4.233,
    4.112, 3.997, 3.889, 3.786, 3.688, 3.595, 3.507, 3.423, 3.343, 3.266,
    3.193, 3.123, 3.056, 2.992, 2.930, 2.871, 2.814, 2.759, 2.707, 2.656,
    2.607, 2.560, 2.515, 2.471, 2.428, 2.387, 2.348, 2.309, 2.272, 2.236,
    2.201, 2.167, 2.134, 2.102, 2.071, 2.041, 2.012, 1.983, 1.955, 1.928,
    1.902, 1.877, 1.852, 1.827, 1.804, 1.780, 1.758, 1.736, 1.714, 1.693,
    1.673, 1.653, 1.633, 1.614, 1.596, 1.577, 1.559, 1.542, 1.525, 1.508,
    1.492, 1.475, 1.460, 1.444, 1.429, 1.414, 1.400, 1.385, 1.371, 1.358,
    1.344, 1.331, 1.318, 1.305, 1.293, 1.280, 1.268, 1.256, 1.245, 1.233,
    1.222, 1.211, 1.200, 1.189, 1.179, 1.168, 1.158, 1.148, 1.138, 1.128,
    1.119, 1.109, 1.100, 1.091, 1.082, 1.073, 1.064, 1.056, 1.047, 1.039,
    1.031, 1.023, 1.015, 1.007, 0.999, 0.991, 0.984, 0.976, 0.969, 0.961,
    0.954, 0.947, 0.940, 0.933, 0.927, 0.920, 0.913, 0.907, 0.900, 0.894,
    0.887, 0.881, 0.875, 0.869, 0.863, 0.857, 0.851, 0.845, 0.840, 0.834,
    0.828, 0.823, 0.817, 0.812, 0.807, 0.801, 0.796, 0.791, 0.786, 0.781,
    0.776, 0.771, 0.766, 0.761, 0.757, 0.752, 0.747, 0.742, 0.738, 0.733,
    0.729, 0.724, 0.720, 0.716, 0.711, 0.707, 0.703, 0.699, 0.695, 0.690,
    0.686, 0.682, 0.678, 0.674, 0.671, 0.667, 0.663, 0.659, 0.655, 0.652,
    0.648, 0.644, 0.641, 0.637, 0.633, 0.630, 0.626, 0.623, 0.620, 0.616,
    0.613, 0.609, 0.606, 0.603, 0.600, 0.596, 0.593, 0.590, 0.587, 0.584,
    0.581, 0.577, 0.574, 0.571, 0.568, 0.565, 0.563, 0.560, 0.557, 0.554,
    0.551, 0.548, 0.545, 0.543, 0.540, 0.537, 0.534, 0.532, 0.529, 0.526,
    0.524, 0.521, 0.518, 0.516, 0.513, 0.511, 0.508, 0.506, 0.503, 0.501,
    0.498, 0.496, 0.493, 0.491, 0.489, 0.486, 0.484, 0.482, 0.479, 0.477,
    0.475, 0.473, 0.470, 0.468, 0.466, 0.464, 0.461, 0.459, 0.457, 0.455,
    0.453, 0.451, 0.449, 0.447, 0.445, 0.442, 0.440, 0.438, 0.436, 0.434,
    0.432, 0.430, 0.428, 0.427, 0.425, 0.423, 0.421, 0.419, 0.417, 0.415,
    0.413, 0.411, 0.410, 0.408, 0.406, 0.404,
};

// 1000 x 2^((i - 136) / 24), to 0.1 Hz below 100 Hz and whole hertz above; fourteen entries
// differ from that rule (158 at 72, 1030 at 137, 5000 at 192, 20000 at 240 ...) and are kept as
// the processor's graph has always drawn them.
const double g_dFreqTable[FREQ_POINTS] = {
    19.7, 20.3, 20.9, 21.5, 22.1, 22.7, 23.4, 24.1, 24.8, 25.5,
    26.3, 27.0, 27.8, 28.7, 29.5, 30.4, 31.2, 32.2, 33.1, 34.1,
    35.1, 36.1, 37.2, 38.3, 39.4, 40.5, 41.7, 42.9, 44.2, 45.5,
    46.8, 48.2, 49.6, 51.1, 52.6, 54.1, 55.7, 57.3, 59.0, 60.7,
    62.5, 64.3, 66.2, 68.2, 70.2, 72.2, 74.3, 76.5, 78.7, 81.1,
    83.4, 85.9, 88.4, 91.0, 93.6, 96.4, 99.2, 102.0, 105.0, 108.0,
    111.0, 115.0, 118.0, 121.0, 125.0, 129.0, 132.0, 136.0, 140.0, 144.0,
    149.0, 153.0, 158.0, 162.0, 167.0, 172.0, 179.0, 182.0, 187.0, 193.0,
    198.0, 204.0, 210.0, 216.0, 223.0, 229.0, 236.0, 243.0, 250.0, 257.0,
    265.0, 273.0, 281.0, 289.0, 297.0, 306.0, 315.0, 324.0, 334.0, 344.0,
    354.0, 364.0, 375.0, 386.0, 397.0, 409.0, 420.0, 433.0, 445.0, 459.0,
    472.0, 486.0, 500.0, 515.0, 530.0, 545.0, 561.0, 578.0, 595.0, 612.0,
    630.0, 648.0, 667.0, 687.0, 707.0, 728.0, 749.0, 771.0, 794.0, 817.0,
    841.0, 866.0, 891.0, 917.0, 944.0, 972.0, 1000.0, 1030.0, 1060.0, 1090.0,
    1123.0, 1155.0, 1190.0, 1224.0, 1260.0, 1297.0, 1335.0, 1374.0, 1414.0, 1456.0,
    1498.0, 1542.0, 1587.0, 1634.0, 1682.0, 1731.0, 1782.0, 1834.0, 1888.0, 1943.0,
    2000.0, 2059.0, 2119.0, 2181.0, 2245.0, 2311.0, 2378.0, 2448.0, 2520.0, 2594.0,
    2670.0, 2748.0, 2828.0, 2911.0, 2997.0, 3084.0, 3175.0, 3268.0, 3364.0, 3462.0,
    3564.0, 3668.0, 3776.0, 3886.0, 4000.0, 4117.0, 4238.0, 4362.0, 4490.0, 4621.0,
    4757.0, 4896.0, 5000.0, 5187.0, 5339.0, 5496.0, 5657.0, 5823.0, 5993.0, 6169.0,
    6350.0, 6536.0, 6727.0, 6924.0, 7127.0, 7336.0, 7551.0, 7772.0, 8000.0, 8234.0,
    8476.0, 8724.0, 8980.0, 9243.0, 9514.0, 9792.0, 10079.0, 10374.0, 10679.0, 10992.0,
    11314.0, 11645.0, 11987.0, 12338.0, 12699.0, 13071.0, 13454.0, 13849.0, 14254.0, 14672.0,
    15102.0, 15545.0, 16000.0, 16469.0, 16951.0, 17448.0, 17959.0, 18486.0, 19027.0, 19585.0,
    20000.0,
};

namespace {

// Pixel and step results stay inside this bound, so callers may add offsets without overflow
// even for an undefined or infinite input.
constexpr double PIXEL_BOUND = 1.0e6;

int TruncBounded(double dValue)
{
    if (std::isnan(dValue))
        return 0;
    return static_cast<int>(std::clamp(dValue, -PIXEL_BOUND, PIXEL_BOUND));
}

double Bounded(double dValue)
{
    return std::isnan(dValue) ? 0.0 : std::clamp(dValue, -PIXEL_BOUND, PIXEL_BOUND);
}

constexpr int DELAY_MAX = 259;
constexpr int DELAY_20MS = 960;  // the value that stands for 20 ms
constexpr double SOUND_SPEED = 331.0 + 0.6 * (75 - 50);       // m/s
constexpr double SOUND_SPEED_20MS = 331.4 + 0.6 * (75 - 50);  // m/s, for the 20 ms value in inches

double DelayMs(int nValue)
{
    return nValue == DELAY_20MS ? 20.0 : nValue / 48.0;
}

// Rounded to whole units as "%0.0f" does (to nearest, ties to even), without a text round trip.
double Centimetres(int nValue)
{
    return std::nearbyint(SOUND_SPEED / 1000 * DelayMs(nValue) * 100);
}

double Inches(int nValue)
{
    const double speed = nValue == DELAY_20MS ? SOUND_SPEED_20MS : SOUND_SPEED;
    return std::nearbyint(speed / 1000 * DelayMs(nValue) * 3.2808 * 12);
}

int MsToDelay(double dMs)
{
    return dMs >= 20 ? DELAY_MAX : static_cast<int>(dMs * 48 + 0.5);
}

struct DelayWalk {
    int nFinal;         // where the walk ended, clamped to 0..259
    int nLastEvaluated;  // the last value whose distance was computed
    double dLastDistance;
};

// Steps from nDelay until the distance differs by a whole unit or the range ends.
DelayWalk WalkDelay(int nDelay, int nStep, double (*distance)(int))
{
    const double r = distance(nDelay);
    int v = nDelay + nStep;
    for (;;) {
        const double d = distance(v);
        if (nStep > 0 ? d - r >= 1 : d - r <= -1)
            return {v, v, d};
        const int next = v + nStep;
        if (next >= DELAY_MAX)
            return {DELAY_MAX, v, d};
        if (next < 0)
            return {0, v, d};
        v = next;
    }
}

}  // namespace

int GainToStep(double dB, int nRange)
{
    return TruncBounded(nRange / 24.0 * (12 - dB) + 0.5);
}

double GainToStepF(double dB, int nRange)
{
    return Bounded(nRange / 24.0 * (12 - dB));
}

double StepToGain(int nStep, int nRange)
{
    const double x = 12 - nStep * 24.0 / nRange;
    return x > 0 ? x + 0.5 : x - 0.5;
}

int FreqToStep(double dHz, int nLength)
{
    return TruncBounded(FreqToStepF(dHz, nLength));
}

double FreqToStepF(double dHz, int nLength)
{
    return Bounded(std::log10(dHz / 20) * (nLength / 3));
}

int StepToFreq(int nStep, int nLength)
{
    double f = 20 * std::pow(10.0, static_cast<double>(nStep) / (nLength / 3));
    if (!(f >= 20))  // also a plot too narrow to have a scale
        f = 20;
    return static_cast<int>(std::min(f, 20000.0));
}

int FreqToIndex(double dHz)
{
    for (int i = 0; i < FREQ_POINTS; ++i) {
        if (g_dFreqTable[i] >= dHz) {
            if (i == 0)
                return 0;
            return dHz - g_dFreqTable[i - 1] < g_dFreqTable[i] - dHz ? i - 1 : i;
        }
    }
    return FREQ_POINTS - 1;
}

int QToIndex(double dQ)
{
    for (int i = 0; i < Q_TABLE_SIZE - 1; ++i) {
        if (dQ >= g_dQTable[i])
            return i;
    }
    return Q_TABLE_SIZE - 1;
}

double IndexToQ(int nIndex)
{
    return g_dQTable[std::clamp(nIndex, 0, Q_TABLE_SIZE - 1)];
}

int SnapRatioCode(int nCode)
{
    if (nCode > 11 && (nCode - 1) % 10 != 0 && (nCode - 1) % 10 != 5)
        nCode = nCode / 10 * 10 + 6;
    return std::min(nCode, 191);
}

std::string FormatTimeMs(int nCode)
{
    const double ms = nCode <= 476 ? nCode * 0.021 : nCode - 466;
    return FormatFixed(ms, ms >= 10 ? 1 : 3) + "ms";
}

int DelayToCentimetres(int nDelay, int nStep)
{
    if (nStep > 0 && nDelay == DELAY_20MS)
        return DELAY_20MS;
    if (nStep < 0 && nDelay == 0)
        return 0;
    if (nStep == 0)  // no direction to walk in
        return std::clamp(nDelay, 0, DELAY_MAX);
    const DelayWalk walk = WalkDelay(nDelay, nStep, Centimetres);
    return std::clamp(MsToDelay(DelayMs(walk.nLastEvaluated)), 0, DELAY_MAX);
}

int DelayToInches(int nDelay, int nStep)
{
    if (nStep > 0 && nDelay == DELAY_20MS)
        return DELAY_20MS;
    if (nStep < 0 && nDelay == 0)
        return 0;
    if (nStep == 0)
        return std::clamp(nDelay, 0, DELAY_MAX);
    const DelayWalk walk = WalkDelay(nDelay, nStep, Inches);
    int result = walk.nFinal;
    if (walk.nFinal > 0 && walk.nFinal < DELAY_MAX) {
        const double metres = walk.dLastDistance / 39.3696;
        result = MsToDelay(metres * 1000 / SOUND_SPEED_20MS);
    }
    return std::clamp(result, 0, DELAY_MAX);
}
