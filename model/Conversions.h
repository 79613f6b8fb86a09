#pragma once
// Conversions shared by the data classes, the graphs and the pages: the bandwidth-to-Q table,
// the 241-point frequency grid of every response curve, the gain and frequency mappings of the
// EQ graph, compressor ratio snapping, delay steps as distances, and the time text.
#include <string>

constexpr int Q_TABLE_SIZE = 296;   // bandwidth codes 0-295: 0.05 to 3.00 octaves
constexpr int FREQ_POINTS = 241;    // grid points, 24 per octave, 1000 Hz at index 136

// Q of a bandwidth of 0.05 + 0.01 x i octaves, to three decimals.
extern const double g_dQTable[Q_TABLE_SIZE];
// Grid frequencies in Hz, 19.7 Hz to 20 kHz.
extern const double g_dFreqTable[FREQ_POINTS];
// One delay step: a sample at 48 kHz, in milliseconds.
constexpr double g_dDelayStepMs = 1.0 / 48.0;

// EQ graph geometry: the gain axis runs from +12 dB (step 0) down to -12 dB (step = range), the
// frequency axis over three decades from 20 Hz. Pixel results of absurd values (an infinite or
// undefined number, a frequency of 0) stay finite and bounded.
int GainToStep(double dB, int nRange);
double GainToStepF(double dB, int nRange);
double StepToGain(int nStep, int nRange);
int FreqToStep(double dHz, int nLength);
double FreqToStepF(double dHz, int nLength);
int StepToFreq(int nStep, int nLength);
// Index of the grid frequency nearest to dHz (an exact tie goes to the upper one).
int FreqToIndex(double dHz);

// First bandwidth code whose Q is at most dQ; 295 when there is none.
int QToIndex(double dQ);
// Q of a bandwidth code, the code kept inside the table.
double IndexToQ(int nIndex);

// Compressor ratio code on the graph's grid of ratios, at most 191.
int SnapRatioCode(int nCode);
// Attack or release time code as text, "0.021ms" to "...ms".
std::string FormatTimeMs(int nCode);

// The next delay value (0-259; 960 stands for 20 ms) in the direction of nStep whose distance
// differs by at least one whole centimetre, respectively inch, from that of nDelay.
int DelayToCentimetres(int nDelay, int nStep);
int DelayToInches(int nDelay, int nStep);
