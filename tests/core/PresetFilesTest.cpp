// The PC files: all presets, one preset and the output map, byte for byte as the file layouts
// give them, round trips, and damaged or foreign files that must change nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "model/ChannelGroups.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"
#include "platform/SafeFile.h"
#include "tests/support/DeviceStateSnapshot.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ThreadChecks.h"

namespace {

using Bytes = std::string;

enum class FileKind { AllPresets, Preset, OutMap };

int Serialize(CHalvekDoc& doc, FileKind kind, CArchive& ar)
{
    switch (kind) {
    case FileKind::AllPresets: return doc.SerializeAllPresets(ar);
    case FileKind::Preset: return doc.SerializePreset(ar);
    case FileKind::OutMap: return doc.SerializeOutputMap(ar);
    }
    return 0;
}

Bytes Save(CHalvekDoc& doc, FileKind kind)
{
    std::ostringstream out;
    CArchive ar(out);
    EXPECT_EQ(Serialize(doc, kind, ar), 1);
    return out.str();
}

// The loader's result: 1 or 0 as it returned, -1 when it threw the archive exception.
int Load(CHalvekDoc& doc, FileKind kind, const Bytes& bytes)
{
    std::istringstream in(bytes);
    CArchive ar(in);
    try {
        return Serialize(doc, kind, ar);
    } catch (const CArchiveException&) {
        return -1;
    }
}

// An output block's crossover group, as the processor sends it.
void SetImageCrossover(PresetImage& image, int nOutput, const CrossoverGroup& xover)
{
    WriteGroup(image.m_out[nOutput].m_group[OUT_GROUP_CROSSOVER], xover);
}

class PresetFiles : public testing::Test {
protected:
    PresetFiles()
    {
        InitDeviceData();
        m_pDoc = std::make_unique<CHalvekDoc>();
    }
    std::unique_ptr<CHalvekDoc> m_pDoc;
};

TEST_F(PresetFiles, EachFileHasItsSizeAndItsSignature)
{
    struct Case {
        FileKind kind;
        std::size_t nSize;
        const char* szSignature;
    };
    for (const Case& c : {Case{FileKind::AllPresets, 30785, "Tarvi_ALLFile_1.0"}, Case{FileKind::Preset, 4407, "Tarvi_File_1.0"},
                          Case{FileKind::OutMap, 82, "Tarvi_Map"}}) {
        SCOPED_TRACE(c.szSignature);
        const Bytes file = Save(*m_pDoc, c.kind);
        ASSERT_EQ(file.size(), c.nSize);
        EXPECT_EQ(static_cast<std::size_t>(static_cast<BYTE>(file[0])), std::strlen(c.szSignature));
        EXPECT_EQ(file.substr(1, std::strlen(c.szSignature)), c.szSignature);
    }
}

TEST_F(PresetFiles, TheAllPresetsFileHoldsTheImagesThenTheItemsInTheirOrder)
{
    for (int p = 0; p < STORED_PRESETS; ++p)
        FillImage(g_devImages[p], p + 1);
    g_inputSettings = {2, 1, 3, 1, 4, 20, 30, 40};  // input, mode, options, two-way, source, mix x3
    g_masterSettings = {0x0102, 7, 9, 1, 0xEE, 1, 9};  // volume, delay, threshold, no input, spare, on, echo
    const BYTE roles[OUTPUT_CHANNELS] = {1, 7, 15, 18, 22, 23, 0, 0};
    std::memcpy(g_byDevRoles, roles, sizeof roles);

    const Bytes file = Save(*m_pDoc, FileKind::AllPresets);
    ASSERT_EQ(file.size(), 30785u);
    EXPECT_EQ(std::memcmp(file.data() + 18, g_devImages, 6 * 4392), 0);
    EXPECT_EQ(std::memcmp(file.data() + 26370, &g_liveImage, 4392), 0);  // packed from the data
    const Bytes items = file.substr(30762);
    const Bytes expected("\x02\x07\x02\x01\x01\x09\x02\x01\x04\x14\x1E\x28\x01\xEE\x01"
                         "\x01\x07\x0F\x12\x16\x17\x00\x00", 23);
    EXPECT_EQ(items, expected);
}

TEST_F(PresetFiles, TheOutputMapHoldsTheRolesThenEachCrossoverSlopeFirst)
{
    const BYTE roles[OUTPUT_CHANNELS] = {6, 12, 15, 18, 22, 23, 0, 0};
    std::memcpy(g_byDevRoles, roles, sizeof roles);
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        SetImageCrossover(g_liveImage, k, {static_cast<WORD>(100 + k), 2, 1, static_cast<WORD>(5000 + k), 2, 0});
    m_pDoc->m_data.LoadFromDevice(g_liveImage, -1);

    const Bytes file = Save(*m_pDoc, FileKind::OutMap);
    ASSERT_EQ(file.size(), 82u);
    EXPECT_EQ(file.substr(10, 8), Bytes("\x06\x0C\x0F\x12\x16\x17\x00\x00", 8));
    // Output 1: HPF 100 Hz, slope 1, alignment 2; LPF 5000 Hz, slope 0, alignment 2.
    EXPECT_EQ(file.substr(18, 8), Bytes("\x64\x00\x01\x02\x88\x13\x00\x02", 8));
    EXPECT_EQ(file.substr(74, 8), Bytes("\x6B\x00\x01\x02\x8F\x13\x00\x02", 8));  // output 8
}

TEST_F(PresetFiles, AllPresetsRoundTrip)
{
    SetDistinctDeviceState();
    const Bytes file = Save(*m_pDoc, FileKind::AllPresets);
    const DeviceStateSnapshot saved = DeviceStateSnapshot::Take();

    InitDeviceData();
    g_inputSettings.SetField(&InputSettings::m_byOptInputs, 3);  // not in the file: the processor reports it
    ASSERT_EQ(Load(*m_pDoc, FileKind::AllPresets, file), 1);
    EXPECT_EQ(Save(*m_pDoc, FileKind::AllPresets), file);
    DeviceStateSnapshot loaded = DeviceStateSnapshot::Take();
    // Not in the file: the optional inputs, the noise echo byte and the crossover table.
    loaded.input.m_byOptInputs = saved.input.m_byOptInputs;
    loaded.master.m_byNoiseEcho = saved.master.m_byNoiseEcho;
    std::memcpy(loaded.xover, saved.xover, sizeof loaded.xover);
    EXPECT_TRUE(loaded == saved);
}

TEST_F(PresetFiles, OutputsSevenAndEightLoseTheirRolesAndAMissingInputFallsBack)
{
    g_byDevRoles[6] = 24;
    g_byDevRoles[7] = 22;
    g_inputSettings.SetField(&InputSettings::m_byInput, 2);  // Phone
    const Bytes allPresets = Save(*m_pDoc, FileKind::AllPresets);
    const Bytes outMap = Save(*m_pDoc, FileKind::OutMap);

    g_inputSettings.SetField(&InputSettings::m_byOptInputs, 2);  // this processor has S/PDIF only
    g_nCurInput = 4;
    ASSERT_EQ(Load(*m_pDoc, FileKind::AllPresets, allPresets), 1);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 4);
    EXPECT_EQ(g_byDevRoles[6], 0);
    EXPECT_EQ(g_byDevRoles[7], 0);

    g_byDevRoles[6] = 24;
    ASSERT_EQ(Load(*m_pDoc, FileKind::OutMap, outMap), 1);
    EXPECT_EQ(g_byDevRoles[6], 0);
    EXPECT_EQ(g_byDevRoles[7], 0);
}

TEST_F(PresetFiles, APresetAndAnOutputMapRoundTrip)
{
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        SetImageCrossover(g_liveImage, k, {static_cast<WORD>(200 + k), 1, 2, static_cast<WORD>(8000 + k), 0, 5});
    m_pDoc->m_data.LoadFromDevice(g_liveImage, -1);
    const Bytes preset = Save(*m_pDoc, FileKind::Preset);
    const Bytes outMap = Save(*m_pDoc, FileKind::OutMap);
    const DeviceStateSnapshot saved = DeviceStateSnapshot::Take();

    InitDeviceData();
    m_pDoc = std::make_unique<CHalvekDoc>();
    ASSERT_EQ(Load(*m_pDoc, FileKind::Preset, preset), 1);
    ASSERT_EQ(Load(*m_pDoc, FileKind::OutMap, outMap), 1);
    EXPECT_EQ(Save(*m_pDoc, FileKind::Preset), preset);
    EXPECT_EQ(std::memcmp(&g_liveImage, &saved.live, sizeof g_liveImage), 0);
    EXPECT_EQ(std::memcmp(g_outXover, saved.xover, sizeof g_outXover), 0);
    EXPECT_EQ(std::memcmp(g_byDevRoles, saved.roles, sizeof g_byDevRoles), 0);
}

TEST_F(PresetFiles, APresetLoadKeepsATweeterAbove1000Hz)
{
    g_roleStates.m_byOutRole[0] = 1;  // output 1 drives the front left tweeter
    SetImageCrossover(g_liveImage, 0, {500, 1, 2, 20000, 1, 8});
    m_pDoc->m_data.LoadFromDevice(g_liveImage, -1);
    const Bytes preset = Save(*m_pDoc, FileKind::Preset);
    ASSERT_EQ(ReadGroup<CrossoverGroup>(g_liveImage.m_out[0].m_group[OUT_GROUP_CROSSOVER]).m_wHpfFreq, 500);

    ASSERT_EQ(Load(*m_pDoc, FileKind::Preset, preset), 1);
    EXPECT_EQ(ReadGroup<CrossoverGroup>(g_liveImage.m_out[0].m_group[OUT_GROUP_CROSSOVER]).m_wHpfFreq, 1000);
}

// A file of another kind, one cut short or one too long: FALSE or the archive exception, and
// nothing changed, no lock held.
TEST_F(PresetFiles, ForeignDamagedAndOverlongFilesChangeNothing)
{
    const Bytes files[] = {Save(*m_pDoc, FileKind::AllPresets), Save(*m_pDoc, FileKind::Preset),
                           Save(*m_pDoc, FileKind::OutMap)};
    const FileKind kinds[] = {FileKind::AllPresets, FileKind::Preset, FileKind::OutMap};
    FillImage(g_liveImage, 9);
    FillImage(g_devImages[2], 10);
    g_byDevRoles[6] = 3;
    g_outXover[1].m_wLpfFreq = 1234;
    const DeviceStateSnapshot before = DeviceStateSnapshot::Take();
    const Bytes fields = PackedData(m_pDoc->m_data);

    for (int k = 0; k < 3; ++k) {
        for (int f = 0; f < 3; ++f) {
            SCOPED_TRACE("loader " + std::to_string(k) + ", file " + std::to_string(f));
            if (k != f) {
                EXPECT_EQ(Load(*m_pDoc, kinds[k], files[f]), 0);
                continue;
            }
            for (const std::size_t nCut : {std::size_t{0}, std::size_t{5}, files[f].size() / 2, files[f].size() - 1})
                EXPECT_EQ(Load(*m_pDoc, kinds[k], files[f].substr(0, nCut)), -1) << nCut;
            EXPECT_EQ(Load(*m_pDoc, kinds[k], files[f] + '\0'), -1);
        }
    }
    EXPECT_EQ(Load(*m_pDoc, FileKind::OutMap, "\x09tarvi_map" + files[2].substr(10)), 0);  // case counts
    EXPECT_TRUE(DeviceStateSnapshot::Take() == before);
    EXPECT_TRUE(PackedData(m_pDoc->m_data) == fields);
    EXPECT_TRUE(LinkLockIsFree());
}

// One output's record of a map file: HPF frequency, slope, alignment, then the LPF's.
struct MapRecord {
    int nHpf = 100, nHpfSlope = 1, nHpfAlign = 0, nLpf = 20000, nLpfSlope = 1, nLpfAlign = 0;
};

Bytes MapFile(const std::array<int, OUTPUT_CHANNELS>& roles, const std::array<MapRecord, OUTPUT_CHANNELS>& records)
{
    Bytes file = "\x09Tarvi_Map";
    for (const int r : roles)
        file += static_cast<char>(r);
    for (const MapRecord& r : records)
        for (const int n : {r.nHpf & 0xFF, r.nHpf >> 8, r.nHpfSlope, r.nHpfAlign, r.nLpf & 0xFF, r.nLpf >> 8, r.nLpfSlope,
                            r.nLpfAlign})
            file += static_cast<char>(n);
    return file;
}

// Mended: the map file is read and checked whole before anything changes. A role no output can
// take, a frequency outside 20 Hz - 20 kHz or an alignment the filters lack refuse the file (the
// archive exception, which the view reports as "Read output map error!"); nothing changes.
TEST_F(PresetFiles, AnOutputMapWithAValueNoOutputTakesIsRefusedWhole)
{
    const std::array<int, OUTPUT_CHANNELS> roles = {1, 3, 7, 9, 22, 23, 0, 0};
    struct Case {
        const char* szDefect;
        int nOutput;
        int nRole;
        MapRecord record;
    };
    const Case cases[] = {
        {"role 25", 2, 25, {}},
        {"role 255", 7, 255, {}},
        {"HPF at 19 Hz", 0, 1, {19, 1, 0, 20000, 1, 0}},
        {"HPF at 0 Hz", 5, 23, {0, 1, 0, 20000, 1, 0}},
        {"LPF at 20001 Hz", 3, 9, {100, 1, 0, 20001, 1, 0}},
        {"LPF at 65535 Hz", 4, 22, {100, 1, 0, 65535, 1, 0}},
        {"HPF alignment 3", 1, 3, {100, 1, 3, 20000, 1, 0}},
        {"LPF alignment 255", 6, 0, {100, 1, 0, 20000, 1, 255}},
    };
    const Bytes good = MapFile(roles, {});
    ASSERT_EQ(good.size(), OUT_MAP_FILE_SIZE);
    ASSERT_EQ(Load(*m_pDoc, FileKind::OutMap, good), 1);
    g_byDevRoles[0] = 12;
    g_outXover[2].m_wHpfFreq = 4321;
    const DeviceStateSnapshot before = DeviceStateSnapshot::Take();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szDefect);
        std::array<int, OUTPUT_CHANNELS> badRoles = roles;
        badRoles[static_cast<size_t>(c.nOutput)] = c.nRole;
        std::array<MapRecord, OUTPUT_CHANNELS> records{};
        records[static_cast<size_t>(c.nOutput)] = c.record;
        EXPECT_EQ(Load(*m_pDoc, FileKind::OutMap, MapFile(badRoles, records)), -1);
        EXPECT_TRUE(DeviceStateSnapshot::Take() == before);
    }
    EXPECT_EQ(Load(*m_pDoc, FileKind::OutMap, good.substr(0, OUT_MAP_FILE_SIZE - 1)), -1);  // short by a byte
    EXPECT_TRUE(DeviceStateSnapshot::Take() == before);
    EXPECT_TRUE(LinkLockIsFree());
}

// Mended: what a good file holds beyond what the outputs take is brought within it: a slope
// above 1 becomes 1, outputs 7 and 8 lose their roles, a role repeated on a later output is
// cleared there, and a tweeter's high-pass below 1 kHz becomes 1 kHz, its low-pass then below
// the high-pass 20 kHz.
TEST_F(PresetFiles, AnOutputMapIsBroughtWithinWhatTheOutputsTake)
{
    struct Case {
        const char* szDefect;
        std::array<int, OUTPUT_CHANNELS> roles;
        MapRecord in;           // output 1's record in the file
        std::array<int, OUTPUT_CHANNELS> rolesOut;
        CrossoverGroup out;     // output 1's crossover as loaded
    };
    const Case cases[] = {
        {"slopes above 1", {2, 0, 0, 0, 0, 0, 0, 0}, {100, 2, 1, 5000, 255, 2}, {2, 0, 0, 0, 0, 0, 0, 0},
         {100, 1, 1, 5000, 2, 1}},
        {"roles on outputs 7 and 8", {2, 0, 0, 0, 0, 0, 24, 21}, {}, {2, 0, 0, 0, 0, 0, 0, 0}, {100, 0, 1, 20000, 0, 1}},
        {"a repeated role", {2, 5, 2, 0, 2, 0, 0, 0}, {}, {2, 5, 0, 0, 0, 0, 0, 0}, {100, 0, 1, 20000, 0, 1}},
        {"a tweeter below 1 kHz", {1, 0, 0, 0, 0, 0, 0, 0}, {500, 1, 0, 800, 1, 0}, {1, 0, 0, 0, 0, 0, 0, 0},
         {1000, 0, 1, 20000, 0, 1}},
        {"a tweeter's low-pass above its new high-pass", {19, 0, 0, 0, 0, 0, 0, 0}, {500, 1, 0, 5000, 1, 0},
         {19, 0, 0, 0, 0, 0, 0, 0}, {1000, 0, 1, 5000, 0, 1}},
        {"a tweeter's low-pass between the old and the new high-pass", {7, 0, 0, 0, 0, 0, 0, 0},
         {300, 1, 0, 600, 1, 0}, {7, 0, 0, 0, 0, 0, 0, 0}, {1000, 0, 1, 20000, 0, 1}},
        {"a midrange below 1 kHz", {2, 0, 0, 0, 0, 0, 0, 0}, {500, 1, 0, 800, 1, 0}, {2, 0, 0, 0, 0, 0, 0, 0},
         {500, 0, 1, 800, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szDefect);
        std::array<MapRecord, OUTPUT_CHANNELS> records{};
        records[0] = c.in;
        ASSERT_EQ(Load(*m_pDoc, FileKind::OutMap, MapFile(c.roles, records)), 1);
        for (int i = 0; i < OUTPUT_CHANNELS; ++i)
            EXPECT_EQ(g_byDevRoles[i], c.rolesOut[static_cast<size_t>(i)]) << i;
        const CrossoverGroup& g = g_outXover[0];
        EXPECT_EQ(g.m_wHpfFreq, c.out.m_wHpfFreq);
        EXPECT_EQ(g.m_byHpfAlign, c.out.m_byHpfAlign);
        EXPECT_EQ(g.m_byHpfSlope, c.out.m_byHpfSlope);
        EXPECT_EQ(g.m_wLpfFreq, c.out.m_wLpfFreq);
        EXPECT_EQ(g.m_byLpfAlign, c.out.m_byLpfAlign);
        EXPECT_EQ(g.m_byLpfSlope, c.out.m_byLpfSlope);
    }
}

// Mended: the map stores the frequencies set, not the device frequency on its way to them.
TEST_F(PresetFiles, TheOutputMapStoresTheFrequencySet)
{
    g_bSynced = 1;  // a set frequency then reaches the processor an octave at a time
    m_pDoc->m_data.GetOutData(0)->GetHPF()->SetFreq(3000, true);
    m_pDoc->m_data.GetOutData(0)->GetLPF()->SetFreq(12000, true);
    g_bSynced = 0;
    ASSERT_NE(m_pDoc->m_data.GetOutData(0)->GetHPF()->GetDevFreq(), 3000);
    const Bytes file = Save(*m_pDoc, FileKind::OutMap);
    EXPECT_EQ(file.substr(18, 2), Bytes("\xB8\x0B", 2));
    EXPECT_EQ(file.substr(22, 2), Bytes("\xE0\x2E", 2));
}

// ---- The values a preset file holds ----

constexpr std::size_t PRESET_IMAGE_AT = 15;       // after "Tarvi_File_1.0"
constexpr std::size_t STORED_IMAGES_AT = 18;      // after "Tarvi_ALLFile_1.0"
constexpr std::size_t LIVE_IMAGE_AT = STORED_IMAGES_AT + STORED_PRESETS * sizeof(PresetImage);
constexpr std::size_t ITEMS_AT = LIVE_IMAGE_AT + sizeof(PresetImage);

template <typename T, typename F>
void EditGroup(ParamGroup& group, F change)
{
    T value = ReadGroup<T>(group);
    change(value);
    WriteGroup(group, value);
}

ParamGroup& MusicGroup(PresetImage& image, int nGroup)
{
    return image.m_music[2].m_group[nGroup];
}

ParamGroup& OutGroup(PresetImage& image, int nGroup)
{
    return image.m_out[5].m_group[nGroup];
}

// One value of an image set to what the case names.
struct ImageCase {
    const char* szValue;
    void (*pfnSet)(PresetImage&);
};

// The file with the image at nAt changed by the case.
Bytes WithImageChanged(Bytes file, std::size_t nAt, const ImageCase& c)
{
    PresetImage image;
    std::memcpy(&image, file.data() + nAt, sizeof image);
    c.pfnSet(image);
    file.replace(nAt, sizeof image, reinterpret_cast<const char*>(&image), sizeof image);
    return file;
}

// The file with bytes of the device-state items replaced, from item byte nAt on.
Bytes WithItemsChanged(Bytes file, std::size_t nAt, const Bytes& bytes)
{
    return file.replace(ITEMS_AT + nAt, bytes.size(), bytes);
}

// The processor's own data, laid out as the program keeps it: its stored presets, its current
// preset's blocks as a read brings them, its input and master settings and its roles.
void TakeTheEmulatedProcessorsData(CHalvekDoc& doc)
{
    const EmuState state = CProcessorEmulator::FactoryState();
    for (int p = 0; p < STORED_PRESETS; ++p)
        std::memcpy(&g_devImages[p], state.images[std::size_t(p) + 1].data(), sizeof(PresetImage));
    std::memcpy(g_liveImage.m_music, state.images[0].data() + emu::MUSIC_OFFSET, sizeof g_liveImage.m_music);
    std::memcpy(g_liveImage.m_out, state.images[0].data() + emu::OUTPUT_OFFSET, sizeof g_liveImage.m_out);
    InputSettings input;
    MasterSettings master;
    std::memcpy(&input, state.input.data(), sizeof input);
    std::memcpy(&master, state.master.data(), sizeof master);
    g_inputSettings = input;
    g_masterSettings = master;
    std::memcpy(g_byDevRoles, state.roles.data(), sizeof g_byDevRoles);
    FixCrossoverDefaults();
    doc.m_data.LoadFromDevice(g_liveImage, 0);
}

class PresetFileValues : public PresetFiles {
protected:
    // Files of both kinds saved from a preset, stored presets and device state away from the
    // defaults.
    PresetFileValues()
    {
        FillImage(g_liveImage, 40);
        m_pDoc->m_data.LoadFromDevice(g_liveImage, -1);
        SetDistinctDeviceState();
        m_preset = Save(*m_pDoc, FileKind::Preset);
        m_all = Save(*m_pDoc, FileKind::AllPresets);
    }

    // Each of the three places an image takes in the files, with the case applied there.
    std::vector<std::pair<FileKind, Bytes>> FilesWith(const ImageCase& c) const
    {
        return {{FileKind::Preset, WithImageChanged(m_preset, PRESET_IMAGE_AT, c)},
                {FileKind::AllPresets, WithImageChanged(m_all, STORED_IMAGES_AT + 3 * sizeof(PresetImage), c)},
                {FileKind::AllPresets, WithImageChanged(m_all, LIVE_IMAGE_AT, c)}};
    }

    Bytes m_preset;
    Bytes m_all;
};

// Mended: a check of every value refused a file holding one beyond the pages' ranges, but the
// processor holds such values (its own data does in every block), so the files the program saved
// from it were refused. A file of the right signature and length now loads whatever it holds,
// and the program keeps the values as they came: saved again, the file has the same bytes, which
// are what a connected processor is sent.
TEST_F(PresetFileValues, ValuesBeyondThePagesRangesLoadAndAreKeptAsTheyCame)
{
    const ImageCase images[] = {
        {"preset name with 0xFF", [](PresetImage& i) { i.m_szName[3] = '\xFF'; }},
        {"preset name ending in half a character", [](PresetImage& i) { std::memcpy(i.m_szName, "AB\x81\0", 4); }},
        {"microphone band type 5",
         [](PresetImage& i) { EditGroup<BandGroup>(i.m_mic.m_group[8], [](BandGroup& b) { b.m_byType = 5; }); }},
        {"microphone level 601",
         [](PresetImage& i) {
             EditGroup<MicBasicGroup>(i.m_mic.m_group[MIC_GROUP_BASE], [](MicBasicGroup& g) { g.m_nLevel = 601; });
         }},
        {"microphone gate 101", [](PresetImage& i) { i.m_mic.m_group[MIC_GROUP_GATE].m_by[0] = 101; }},
        {"music band at 19 Hz",
         [](PresetImage& i) { EditGroup<BandGroup>(MusicGroup(i, 4), [](BandGroup& b) { b.m_wFreq = 19; }); }},
        {"music band at 65535 Hz",
         [](PresetImage& i) { EditGroup<BandGroup>(MusicGroup(i, 30), [](BandGroup& b) { b.m_wFreq = 65535; }); }},
        {"music band gain codes 399 and 801",
         [](PresetImage& i) {
             EditGroup<BandGroup>(MusicGroup(i, 0), [](BandGroup& b) { b.m_nGain = 399; });
             EditGroup<BandGroup>(MusicGroup(i, 1), [](BandGroup& b) { b.m_nGain = 801; });
         }},
        {"music band bandwidth 296",
         [](PresetImage& i) { EditGroup<BandGroup>(MusicGroup(i, 7), [](BandGroup& b) { b.m_wBandwidth = 296; }); }},
        {"music band slope 9",
         [](PresetImage& i) { EditGroup<BandGroup>(MusicGroup(i, 9), [](BandGroup& b) { b.m_bySlope = 9; }); }},
        {"music high-pass at 0 Hz with slope 255 and alignment 3",
         [](PresetImage& i) {
             EditGroup<CrossoverGroup>(MusicGroup(i, MUSIC_GROUP_CROSSOVER), [](CrossoverGroup& g) {
                 g.m_wHpfFreq = 0;
                 g.m_byHpfSlope = 255;
                 g.m_byHpfAlign = 3;
             });
         }},
        {"music delay 260 and level -1",
         [](PresetImage& i) {
             EditGroup<MusicBasicGroup>(MusicGroup(i, MUSIC_GROUP_BASE), [](MusicBasicGroup& g) {
                 g.m_nDelay = 260;
                 g.m_nLevel = -1;
             });
         }},
        {"music name with 0xFF", [](PresetImage& i) { MusicGroup(i, MUSIC_GROUP_NAME).m_by[0] = 0xFF; }},
        {"output band at 0 Hz",
         [](PresetImage& i) { EditGroup<BandGroup>(OutGroup(i, 12), [](BandGroup& b) { b.m_wFreq = 0; }); }},
        {"output level 601, delay 260 and role 25",
         [](PresetImage& i) {
             EditGroup<OutBasicGroup>(OutGroup(i, OUT_GROUP_BASE), [](OutBasicGroup& g) {
                 g.m_nLevel = 601;
                 g.m_nDelay = 260;
                 g.m_byRole = 25;
             });
         }},
        {"compressor level 361, attack 207, release 5001 and ratio 0",
         [](PresetImage& i) { WriteGroup(OutGroup(i, OUT_GROUP_COMPRESSOR), CompressorGroup{361, 207, 5001, 0, 0}); }},
        {"limiter level 421, attack -1 and release 5001",
         [](PresetImage& i) { WriteGroup(OutGroup(i, OUT_GROUP_LIMITER), LimiterGroup{421, -1, 5001}); }},
        {"output name with 0xFF", [](PresetImage& i) { OutGroup(i, OUT_GROUP_NAME).m_by[1] = 0xFF; }},
        {"groups of nothing but zero bytes",
         [](PresetImage& i) {
             i.m_mic = {};
             i.m_music[5] = {};
             i.m_out[7] = {};
         }},
    };
    for (const ImageCase& c : images) {
        for (const auto& [kind, file] : FilesWith(c)) {
            SCOPED_TRACE(c.szValue);
            ASSERT_EQ(Load(*m_pDoc, kind, file), 1);
            EXPECT_TRUE(Save(*m_pDoc, kind) == file);
        }
    }
    // Both copies of the active input, then the items one by one.
    const std::pair<std::size_t, Bytes> items[] = {
        {0, "\x06"},                                 // input 6, with its copy below
        {4, "\x03"},                                 // AUX mode 3
        {8, "\x06"},                                 // source 6
        {8, "\xFE"},                                 // source 254
        {9, "\x79\x79\x1F"},                         // mixer threshold and attenuation 121, release 31
        {1, Bytes("\x65\x00\x01\x03\x65", 5)},       // group delay 101, volume 256, threshold 101
        {15, Bytes("\x19\x00\x00\xFF\x00\x00\x00\x00", 8)},  // roles 25 and 255
    };
    for (const auto& [nAt, bytes] : items) {
        SCOPED_TRACE(nAt);
        Bytes file = WithItemsChanged(m_all, nAt, bytes);
        if (nAt == 0)
            file = WithItemsChanged(file, 6, bytes);
        ASSERT_EQ(Load(*m_pDoc, FileKind::AllPresets, file), 1);
        EXPECT_TRUE(Save(*m_pDoc, FileKind::AllPresets) == file);
    }
}

// What the processor takes loads, however unusual: the ends of every range, groups never filled,
// names in the Chinese code page or filling their field, and bytes whose meaning the program does
// not know.
TEST_F(PresetFileValues, ValuesInRangeHoweverUnusualLoad)
{
    const ImageCase images[] = {
        {"the files as saved", [](PresetImage&) {}},
        {"bands at the ends of their ranges",
         [](PresetImage& i) {
             EditGroup<BandGroup>(MusicGroup(i, 0), [](BandGroup& b) { b = {20, 400, 0, 0, 0}; });
             EditGroup<BandGroup>(MusicGroup(i, 30), [](BandGroup& b) { b = {20000, 800, 295, 8, 4}; });
             EditGroup<BandGroup>(i.m_mic.m_group[0], [](BandGroup& b) { b = {20000, 800, 295, 8, 4}; });
         }},
        {"crossovers at the ends of their ranges",
         [](PresetImage& i) {
             WriteGroup(MusicGroup(i, MUSIC_GROUP_CROSSOVER), CrossoverGroup{20, 0, 0, 20000, 2, 8});
             WriteGroup(OutGroup(i, OUT_GROUP_CROSSOVER), CrossoverGroup{20000, 2, 8, 20, 0, 0});
         }},
        {"levels, delays, gates and roles at the ends of their ranges",
         [](PresetImage& i) {
             WriteGroup(OutGroup(i, OUT_GROUP_BASE), OutBasicGroup{1, 0, 600, 259, 0, 24});
             WriteGroup(i.m_out[0].m_group[OUT_GROUP_BASE], OutBasicGroup{0, 1, 0, 0, 1, 0});
             EditGroup<MusicBasicGroup>(MusicGroup(i, MUSIC_GROUP_BASE), [](MusicBasicGroup& g) {
                 g.m_nDelay = 259;
                 g.m_nLevel = 600;
             });
             MusicGroup(i, MUSIC_GROUP_GATE).m_by[0] = 100;
         }},
        {"dynamics at the ends of their ranges",
         [](PresetImage& i) {
             WriteGroup(OutGroup(i, OUT_GROUP_COMPRESSOR), CompressorGroup{360, 206, 5000, 191, 0xFF});
             WriteGroup(i.m_out[1].m_group[OUT_GROUP_COMPRESSOR], CompressorGroup{0, 0, 0, 1, 0});
             WriteGroup(OutGroup(i, OUT_GROUP_LIMITER), LimiterGroup{420, 206, 5000});
         }},
        {"names in the Chinese code page, filling the field, with anything after the zero",
         [](PresetImage& i) {
             std::memcpy(i.m_szName, "\xD6\xD0\xCE\xC4 \x80\x01\0\xFF\xFF", 11);
             std::memcpy(OutGroup(i, OUT_GROUP_NAME).m_by, "ABCDEFGH", 8);
             std::memcpy(MusicGroup(i, MUSIC_GROUP_NAME).m_by, "\xD2\xF4\xC0\xD6\0\xFF\xFF\xFF", 8);
         }},
        {"groups never filled",
         [](PresetImage& i) {
             i.m_mic = {};
             i.m_effect = {};
             i.m_music[5] = {};
             i.m_out[7] = {};
             MusicGroup(i, 3) = {};
             OutGroup(i, OUT_GROUP_CROSSOVER) = {};
             OutGroup(i, OUT_GROUP_COMPRESSOR) = {};
         }},
        {"bytes the program does not read",
         [](PresetImage& i) {
             std::memset(i.m_byReserved, 0xFF, sizeof i.m_byReserved);
             OutGroup(i, OUT_GROUP_SPARE) = {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
             OutGroup(i, OUT_GROUP_LIMITER).m_by[7] = 0xFF;
             MusicGroup(i, MUSIC_GROUP_BASE).m_by[0] = 0xFF;
             MusicGroup(i, MUSIC_GROUP_LIMITER) = {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
             i.m_mic.m_group[MIC_GROUP_BASE].m_by[0] = 0xFF;
             i.m_effect.m_group[EFFECT_GROUP_ECHO] = {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
             i.m_effect.m_group[9] = {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
             EditGroup<OutBasicGroup>(OutGroup(i, OUT_GROUP_BASE), [](OutBasicGroup& g) {
                 g.m_byOn = 0xFF;
                 g.m_byPolarity = 2;
                 g.m_byGraphicEQ = 7;
             });
         }},
    };
    for (const ImageCase& c : images) {
        for (const auto& [kind, file] : FilesWith(c)) {
            SCOPED_TRACE(c.szValue);
            EXPECT_EQ(Load(*m_pDoc, kind, file), 1);
        }
    }
    const std::pair<std::size_t, Bytes> items[] = {
        {8, "\xFF"},                                 // source off
        {11, "\x02"},                                // mixer release 2 s
        {11, "\x1E"},                                // and 30 s
        {0, Bytes("\x05\x00\x42\x00\x02\x64", 6)},   // input 6, no group delay, volume 66, AUX mode 2, threshold 100
        {7, "\x09"},                                 // a two-way flag of 9
        {12, "\x05\xFF\x02"},                        // no-input flag, reserved byte, master switch
        {15, Bytes("\x18\x00\x00\x00\x00\x00\x18\x18", 8)},  // role 24 thrice, then cleared where taken twice
    };
    for (const auto& [nAt, bytes] : items) {
        SCOPED_TRACE(nAt);
        EXPECT_EQ(Load(*m_pDoc, FileKind::AllPresets, WithItemsChanged(m_all, nAt, bytes)), 1);
    }
}

// Whatever bytes follow the signature, a file of its kind's length loads (the values that index
// a table are held within it where they are used, which the sanitizer builds watch); what the
// program then saves loads again and saves to the same bytes, and the stored presets go in as
// they stand.
TEST_F(PresetFiles, AnyContentOfItsLengthLoadsAndWhatIsThenSavedLoadsByteForByte)
{
    // The signature as the archive writes it, then the content repeated to the kind's size.
    const auto file = [](FileKind kind, const Bytes& content) {
        const char* szSignature = kind == FileKind::Preset ? g_strPresetSig : g_strAllPresetSig;
        const std::size_t nSize = kind == FileKind::Preset ? PRESET_FILE_SIZE : ALL_PRESETS_FILE_SIZE;
        Bytes bytes = char(std::strlen(szSignature)) + Bytes(szSignature);
        while (bytes.size() < nSize)
            bytes += content;
        return bytes.substr(0, nSize);
    };
    Bytes pattern;
    for (int i = 0; i < 251; ++i)
        pattern += static_cast<char>(i * 13 + 7);
    const EmuState processor = CProcessorEmulator::FactoryState();
    Bytes own;
    for (int p = 1; p <= STORED_PRESETS; ++p)
        own.append(reinterpret_cast<const char*>(processor.images[std::size_t(p)].data()), emu::IMAGE_SIZE);
    own.append(reinterpret_cast<const char*>(processor.images[0].data()), emu::IMAGE_SIZE);
    const std::pair<const char*, Bytes> contents[] = {
        {"every byte 0xFF", "\xFF"},
        {"every byte 0", Bytes(1, '\0')},
        {"a pattern of every byte value", pattern},
        {"the emulated processor's images", own},
    };
    for (const auto& [szContent, content] : contents) {
        for (const FileKind kind : {FileKind::Preset, FileKind::AllPresets}) {
            SCOPED_TRACE(szContent);
            const Bytes loaded = file(kind, content);
            ASSERT_EQ(Load(*m_pDoc, kind, loaded), 1);
            if (kind == FileKind::AllPresets) {
                EXPECT_EQ(std::memcmp(g_devImages, loaded.data() + STORED_IMAGES_AT, sizeof g_devImages), 0);
            }
            const Bytes saved = Save(*m_pDoc, kind);
            ASSERT_EQ(Load(*m_pDoc, kind, saved), 1);
            EXPECT_TRUE(Save(*m_pDoc, kind) == saved);
        }
    }
    EXPECT_TRUE(LinkLockIsFree());
}

// Conservative: every file the program writes loads again and saves to the same bytes: from the
// defaults, from values away from the defaults, after a preset was read from the processor, which
// leaves the microphone and effect blocks as the program started them, and from the emulated
// processor's own data.
TEST_F(PresetFiles, EveryFileThePresetFilesWriteLoadsAgainByteForByte)
{
    struct Case {
        const char* szFrom;
        void (*pfnPrepare)(CHalvekDoc&);
    };
    const Case cases[] = {
        {"the defaults", [](CHalvekDoc&) {}},
        {"values away from the defaults",
         [](CHalvekDoc& doc) {
             FillImage(g_liveImage, 3);
             doc.m_data.LoadFromDevice(g_liveImage, -1);
             SetDistinctDeviceState();
         }},
        {"a preset read from the processor",
         [](CHalvekDoc& doc) {
             PresetImage received;
             FillImage(received, 5);
             std::memcpy(g_liveImage.m_music, received.m_music, sizeof received.m_music);
             std::memcpy(g_liveImage.m_out, received.m_out, sizeof received.m_out);
             FixCrossoverDefaults();
             doc.m_data.LoadFromDevice(g_liveImage, 0);
         }},
        {"the emulated processor's own data", TakeTheEmulatedProcessorsData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szFrom);
        InitDeviceData();
        m_pDoc = std::make_unique<CHalvekDoc>();
        c.pfnPrepare(*m_pDoc);
        for (const FileKind kind : {FileKind::Preset, FileKind::AllPresets}) {
            const Bytes file = Save(*m_pDoc, kind);
            ASSERT_EQ(Load(*m_pDoc, kind, file), 1);
            EXPECT_TRUE(Save(*m_pDoc, kind) == file);
        }
    }
}

TEST(SafeFile, ASaveReplacesTheFileWholeOrNotAtAll)
{
    const std::string folder = ConfigFolder() + "/saves";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/a.TarviC1";
    ASSERT_TRUE(WriteFileReplacing(path, "first"));
    ASSERT_TRUE(WriteFileReplacing(path, "second"));
    Bytes bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes, 100));
    EXPECT_EQ(bytes, "second");
    EXPECT_FALSE(ReadWholeFile(path, bytes, 5));  // larger than any file of its kind
    EXPECT_TRUE(bytes.empty());

    // A target that cannot be replaced (a folder of that name) and a folder that does not exist.
    const std::string blocked = folder + "/blocked";
    std::filesystem::create_directories(blocked + "/inside");
    EXPECT_FALSE(WriteFileReplacing(blocked, "data"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
    EXPECT_FALSE(WriteFileReplacing(folder + "/missing/a.TarviC1", "data"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);  // no temporary file left
}

}  // namespace
