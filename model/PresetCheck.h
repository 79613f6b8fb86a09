#pragma once
// What the processor takes, checked before a preset file is applied: a preset image and the
// device-state items of the all-presets file. The ranges are the ones the parameter table and the
// channel classes already define; a value inside them loads however unusual it is.
//
// Only what the program reads or sends on is looked at: bytes whose meaning it does not know
// (reserved bytes, the spare groups, the processor's own byte of a music input, the input
// limiters, the microphone grade, the echo and reverb bytes) and flags, which it reads as zero
// or not, may hold anything. A band, crossover or compressor group of nothing but zero bytes was
// never filled (a stored preset never read, the microphone and effect blocks the processor never
// sends) and passes as it is; every other value of such a block is in range at zero.
#include "model/DataDefine.h"

// Every block and name of the image within what the processor takes.
bool IsTakeablePresetImage(const PresetImage& image);
// System item 2 without the optional-inputs byte, which only the processor reports: the active
// input, the AUX mode, the mixer source (255 off) and the mixer settings.
bool IsTakeableInputSettings(const InputSettings& input);
// System item 5: volume, group delay and noise threshold.
bool IsTakeableMasterSettings(const MasterSettings& master);

// Single values, shared with the output map file.
bool IsTakeableRole(int nRole);
bool IsTakeableFrequency(int nHz);
bool IsTakeableAlignment(int nAlign);
