#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "model/BandSlider.h"
#include "model/DataDefine.h"
#include "model/Filter.h"
#include "model/StdAfx.h"
#include "platform/Archive.h"
#include "tests/support/ScopedFlag.h"

namespace {

constexpr Rect PLOT{0, 0, 600, 240};

struct RecordingSlider : IBandSlider {
    std::vector<int> positions;
    std::vector<int> freqs;
    void SetPos(int nPos) override { positions.push_back(nPos); }
    void SetFreq(int nHz) override { freqs.push_back(nHz); }
};

CFilter Band(int freq, int gainPos = 200)
{
    CFilter f;
    f.SetGraphRect(PLOT);
    f.SetFreq(freq, false);
    f.SetGainPos(gainPos);
    return f;
}

CFilter Crossover(int type, int freq, int slope = SLOPE_24DB)
{
    CFilter f;
    f.SetType(type);
    f.SetShowHandles(false);
    f.SetSlope(slope, false);
    f.SetAlign(ALIGN_BUTTERWORTH, false);
    f.SetGraphRect(PLOT);
    f.SetFreq(freq, false);
    return f;
}

bool AllZero(const CFilter& f)
{
    for (int i = 0; i < FREQ_POINTS; ++i)
        if (f.GetResponse()[i] != 0)
            return false;
    return true;
}

// Client point of a plot position.
Point At(int x, int y)
{
    return {x + PLOT_LEFT, y + PLOT_TOP};
}

}  // namespace

TEST(Filter, NewBandIsAFlatPeakingBand)
{
    const CFilter f;
    EXPECT_EQ(f.GetType(), FILTER_PEQ);
    EXPECT_EQ(f.GetFreq(), 1000);
    EXPECT_EQ(f.GetDevFreq(), 20);
    EXPECT_EQ(f.GetGain(), 0.0);
    EXPECT_TRUE(f.IsBypassOrFlat());
    EXPECT_EQ(f.GetBandwidthIndex(), 115);
    EXPECT_EQ(f.GetSlope(), 0);
    EXPECT_EQ(f.GetAlign(), ALIGN_LINKWITZ_RILEY);
    EXPECT_EQ(f.GetChanged(), 0);
    EXPECT_EQ(f.GetShowHandles(), 1);
    EXPECT_EQ(f.GetSpare(), -1);
}

TEST(Filter, GainPositions)
{
    CFilter f = Band(1000, 235);
    EXPECT_DOUBLE_EQ(f.GetGain(), 3.5);
    EXPECT_EQ(f.GetGainPos(), 235);
    f.SetBypassAll(true);
    EXPECT_EQ(f.GetGainPos(), 200);  // bypassed: sent as 0 dB whatever the gain
    f.SetBypassAll(false);
    EXPECT_EQ(f.GetGainPos(), 235);

    f.SetGainPos(200);
    EXPECT_TRUE(f.GetFlat());
    f.SetGainPos(195);
    EXPECT_DOUBLE_EQ(f.GetGain(), -0.5);
    EXPECT_FALSE(f.GetFlat());
    EXPECT_EQ(f.GetGainPos(), 195);
}

TEST(Filter, SettersMarkOnlyWhileSynchronised)
{
    {
        ScopedFlag synced(g_bSynced, 0);
        CFilter f = Band(1000);
        f.SetGainPos(260);
        f.SetBandwidthIndex(50);
        f.SetFreq(1500, true);
        EXPECT_EQ(f.GetChanged(), 0);
        EXPECT_EQ(f.GetDevFreq(), 1500);  // unsynchronised: the device frequency follows at once
    }
    ScopedFlag synced(g_bSynced, 1);
    CFilter f = Band(1000);
    f.StepDeviceFreq(0);
    ASSERT_EQ(f.GetChanged(), 0);
    f.SetBandwidthIndex(50);
    EXPECT_EQ(f.GetChanged(), 1);
    f.StepDeviceFreq(0);
    f.SetSlope(1, false);
    f.SetAlign(2, false);
    f.SetBypassAll(true);
    f.ResetToPeq(500);
    EXPECT_EQ(f.GetChanged(), 0);
}

TEST(Filter, DeviceFrequencyFollowsWithinAnOctave)
{
    ScopedFlag synced(g_bSynced, 1);
    struct Case {
        int set;
        int expectedDevice;
    };
    for (const Case c : {Case{1900, 1900}, Case{2000, 1000}, Case{500, 500}, Case{499, 1000}}) {
        CFilter f = Band(1000);
        f.SetFreq(c.set, true);
        EXPECT_EQ(f.GetDevFreq(), c.expectedDevice) << c.set;
        EXPECT_EQ(f.GetChanged(), 1);
    }
}

// The step that reaches the set frequency ends the change: the band goes out once with it.
TEST(Filter, CrossoverDeviceFrequencyDoesNotFollowDownwards)
{
    ScopedFlag synced(g_bSynced, 1);
    CFilter f = Crossover(FILTER_HPF, 1000);
    f.SetFreq(800, true);
    EXPECT_EQ(f.GetDevFreq(), 1000);
    f.StepDeviceFreq(0);
    EXPECT_EQ(f.GetDevFreq(), 800);
    EXPECT_EQ(f.GetChanged(), 0);
}

// One octave per send; the band stays marked while the device frequency is on its way, and the
// send that brings it to the set frequency is the last, so no value goes out twice.
TEST(Filter, StepDeviceFreqMovesOneOctavePerSend)
{
    struct Case {
        int set;
        std::vector<int> steps;
    };
    const Case cases[] = {{8000, {2000, 4000, 8000}}, {100, {500, 250, 125, 100}}, {1500, {1500}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        CFilter f = Band(1000);
        f.SetFreq(c.set, false);
        f.SetDevFreq(1000);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            f.StepDeviceFreq(0);
            EXPECT_EQ(f.GetDevFreq(), c.steps[i]);
            EXPECT_EQ(f.GetChanged(), i + 1 < c.steps.size() ? 1 : 0) << i;
        }
    }
}

// A processor may report a device frequency of 0 (or a negative one, read as signed 16 bits):
// the step takes the set frequency instead of dividing by zero.
TEST(Filter, StepDeviceFreqFromZeroTakesTheSetFrequency)
{
    for (int device : {0, -5}) {
        CFilter f = Band(1000);
        f.SetDevFreq(device);
        f.StepDeviceFreq(0);
        EXPECT_EQ(f.GetDevFreq(), 1000) << device;
        EXPECT_EQ(f.GetChanged(), 0);
    }
}

TEST(Filter, TypeSetters)
{
    CFilter low = Band(5000);
    low.SetEqTypeCode(EQTYPE_LOW_SHELF_6DB);
    EXPECT_EQ(low.GetType(), FILTER_LOW_SHELF);
    EXPECT_EQ(low.GetFreq(), 2000);
    EXPECT_EQ(low.GetSlope(), 0);
    EXPECT_EQ(low.GetEqTypeCode(), EQTYPE_LOW_SHELF_6DB);

    CFilter high = Band(500);
    high.SetEqTypeCode(EQTYPE_HIGH_SHELF_12DB);
    EXPECT_EQ(high.GetType(), FILTER_HIGH_SHELF);
    EXPECT_EQ(high.GetFreq(), 2000);
    EXPECT_EQ(high.GetSlope(), 1);
    high.SetEqTypeCode(7);
    EXPECT_EQ(high.GetEqTypeCode(), EQTYPE_HIGH_SHELF_12DB);

    CFilter shelf = Band(300);
    shelf.SetEqType(2);
    EXPECT_EQ(shelf.GetFreq(), 2000);
    shelf.SetEqType(1);
    EXPECT_EQ(shelf.GetFreq(), 2000);
    EXPECT_EQ(shelf.GetType(), FILTER_LOW_SHELF);
    shelf.SetEqType(5);
    EXPECT_EQ(shelf.GetType(), FILTER_LOW_SHELF);
    shelf.SetSlope(SLOPE_6DB, false);  // a shelf keeps its alignment
    EXPECT_EQ(shelf.GetAlign(), ALIGN_LINKWITZ_RILEY);

    CFilter hpf = Crossover(FILTER_HPF, 100, SLOPE_12DB);
    hpf.SetAlign(ALIGN_BESSEL, false);
    hpf.SetSlope(SLOPE_6DB, false);
    EXPECT_EQ(hpf.GetAlign(), ALIGN_BUTTERWORTH);

    CFilter lpf = Band(300);
    lpf.SetType(FILTER_LPF);
    EXPECT_EQ(lpf.GetDevFreq(), 20000);
    EXPECT_EQ(lpf.GetEqTypeCode(), -1);
}

TEST(Filter, FlatAndBypass)
{
    CFilter f = Band(1000, 260);
    f.SetFlat(true);
    EXPECT_TRUE(f.GetFlat());
    EXPECT_TRUE(AllZero(f));
    f.SetFlat(false);
    EXPECT_NEAR(f.GetResponse()[136], 6.0, 1e-3);

    f.SetBypassAll(true);
    EXPECT_TRUE(AllZero(f));
    f.SetFlat(false);  // the switch clears a bypass
    EXPECT_FALSE(f.GetBypass());
    EXPECT_NEAR(f.GetResponse()[136], 6.0, 1e-3);

    CFilter silent = Band(1000);
    silent.SetFlat(false);  // a band without gain stays flat
    EXPECT_TRUE(silent.GetFlat());

    f.ResetToPeq(630);
    EXPECT_EQ(f.GetFreq(), 630);
    EXPECT_EQ(f.GetDevFreq(), 630);
    EXPECT_DOUBLE_EQ(f.GetBandwidth(), 1.17);
    EXPECT_TRUE(f.GetFlat());
    EXPECT_TRUE(AllZero(f));
}

TEST(Filter, CopyFromTakesTheSetFrequencyAsDeviceFrequency)
{
    CFilter src = Band(500, 230);
    src.SetDevFreq(250);
    src.SetBandwidthIndex(40);
    CFilter dst = Band(1000);
    dst.SetGroup(7);
    dst.SetRangeId(11);
    dst.CopyFrom(src);
    EXPECT_EQ(dst.GetFreq(), 500);
    EXPECT_EQ(dst.GetDevFreq(), 500);
    EXPECT_EQ(dst.GetGainPos(), 230);
    EXPECT_EQ(dst.GetBandwidthIndex(), 40);
    EXPECT_EQ(dst.GetGroup(), 7);
    EXPECT_EQ(dst.GetRangeId(), 11);
    for (int i = 0; i < FREQ_POINTS; ++i)
        EXPECT_EQ(dst.GetResponse()[i], src.GetResponse()[i]);
}

TEST(Filter, NodeAndHandleGeometry)
{
    CFilter f = Band(1000);
    EXPECT_EQ(f.GetNodeRect(), (Rect{371, 122, 387, 138}));
    EXPECT_EQ(f.GetLeftRect(), (Rect{329, 136, 337, 144}));
    EXPECT_EQ(f.GetRightRect(), (Rect{421, 136, 429, 144}));
    EXPECT_EQ(f.GetLabelRect(), (Rect{291, 147, 467, 163}));

    f.SetGainPos(80);  // -12 dB: the node sits on the bottom edge, handles and label above
    EXPECT_EQ(f.GetNodeRect(), (Rect{371, 234, 387, 250}));
    EXPECT_EQ(f.GetRightRect(), (Rect{421, 228, 429, 236}));
    EXPECT_EQ(f.GetLabelRect(), (Rect{291, 209, 467, 225}));

    CFilter edge = Band(20);
    EXPECT_EQ(edge.GetNodeRect().left, 32);  // bands 0-8 may stand half outside the left edge
    EXPECT_EQ(edge.GetLabelRect(), (Rect{40, 147, 176, 163}));
    edge.SetGroup(9);
    edge.SetFreq(20, false);
    EXPECT_EQ(edge.GetNodeRect().left, 40);
    edge.SetFreq(20000, false);
    EXPECT_EQ(edge.GetNodeRect(), (Rect{624, 122, 640, 138}));
    EXPECT_EQ(edge.GetLabelRect(), (Rect{480, 147, 640, 163}));

    const CFilter hpf = Crossover(FILTER_HPF, 20);
    EXPECT_EQ(hpf.GetNodeRect(), (Rect{32, 200, 48, 216}));
    EXPECT_EQ(hpf.GetLabelRect(), (Rect{32, 185, 98, 241}));
    const CFilter lpf = Crossover(FILTER_LPF, 20000);
    EXPECT_EQ(lpf.GetNodeRect(), (Rect{632, 230, 648, 246}));  // may reach 8 px past the edge
    EXPECT_EQ(lpf.GetLabelRect(), (Rect{574, 215, 640, 266}));
}

TEST(Filter, PolygonFollowsTheResponse)
{
    CFilter f = Band(1000, 260);
    const Point* poly = f.GetPolygon();
    EXPECT_EQ(poly[0], (Point{40, 130}));
    EXPECT_EQ(poly[POLYGON_POINTS - 1], (Point{640, 130}));
    EXPECT_EQ(poly[137], (Point{379, 70}));  // +6 dB at 1000 Hz
    for (int i = 0; i < FREQ_POINTS; ++i)
        EXPECT_EQ(poly[i + 1].y, GainToStep(f.GetResponse()[i], 240) + PLOT_TOP);
}

TEST(Filter, Texts)
{
    CFilter f = Band(1000, 235);
    EXPECT_EQ(f.GetFreqText(), "1000Hz");
    EXPECT_EQ(f.GetGainText(), "3.5dB");
    EXPECT_EQ(f.GetBandwidthText(), "1.20Oct");
    EXPECT_EQ(f.GetQText(), "1.168");
    EXPECT_EQ(f.BuildLabel(), "1000Hz 1.168Q 3.5dB");
    f.SetBandwidthIndex(0);
    EXPECT_EQ(f.GetQText(), "28.85");
    f.SetGraphicEQ(true);
    EXPECT_EQ(f.BuildLabel(), "3.5dB");
    f.SetFlat(true);
    EXPECT_EQ(f.GetGainText(), "0.0dB");

    CFilter shelf = Band(200, 170);
    shelf.SetEqTypeCode(EQTYPE_LOW_SHELF_12DB);
    EXPECT_EQ(shelf.BuildLabel(), "Lo 200Hz 12dB/Oct -3.0dB");
    EXPECT_EQ(shelf.GetShelfSlopeText(), "12dB/Oct");

    CFilter hpf = Crossover(FILTER_HPF, 120, SLOPE_48DB);
    EXPECT_EQ(hpf.BuildLabel(), "120Hz ");
    EXPECT_EQ(hpf.GetSlopeText(), "48dB/Oct");
    hpf.SetSlope(SLOPE_OFF, false);
    EXPECT_EQ(hpf.BuildLabel(), "OFF");
    {
        ScopedFlag chinese(g_bChinese, 1);
        EXPECT_EQ(hpf.BuildLabel(), "关闭");
        EXPECT_EQ(hpf.GetAlignText(), "巴特沃斯");
        EXPECT_EQ(shelf.GetTypeText(), "低架");
    }
    EXPECT_EQ(hpf.GetAlignText(), "Butter_W");
    EXPECT_EQ(hpf.GetTypeText(), "");
    hpf.SetTwoSlopes(true);
    hpf.SetSlope(SLOPE_18DB, false);
    EXPECT_EQ(hpf.GetSlopeText(), "24dB/Oct");
    hpf.SetSlope(SLOPE_6DB, false);
    EXPECT_EQ(hpf.GetSlopeText(), "");
}

TEST(Filter, NodeDrag)
{
    ScopedFlag synced(g_bSynced, 1);
    RecordingSlider slider;
    CFilter f = Band(1000);
    f.SetGroup(5);
    f.SetSlider(&slider);
    f.BeginNodeDrag(f.GetNodeRect().CenterPoint());

    EXPECT_TRUE(f.DragNode(At(200, 120)));  // the 0 dB line: half a decibel below it, never flat
    EXPECT_EQ(f.GetFreq(), 200);
    EXPECT_DOUBLE_EQ(f.GetGain(), -0.5);
    EXPECT_FALSE(f.GetFlat());
    EXPECT_EQ(f.GetChanged(), 1);
    EXPECT_EQ(slider.positions.back(), 195);
    EXPECT_TRUE(f.DragNode(At(200, 119)));
    EXPECT_NEAR(f.GetGain(), 0.6, 1e-9);
    EXPECT_FALSE(f.DragNode(At(200, 119)));  // nothing moved

    EXPECT_TRUE(f.DragNode(At(200, -50)));  // above the plot: limited to +12 dB
    EXPECT_DOUBLE_EQ(f.GetGain(), 12.0);
    EXPECT_TRUE(f.DragNode(At(200, -50)));  // the top edge always counts as a change

    CFilter low = Band(1000, 230);
    low.SetEqTypeCode(EQTYPE_LOW_SHELF_6DB);
    low.BeginNodeDrag(low.GetNodeRect().CenterPoint());
    low.DragNode(At(500, 100));
    EXPECT_EQ(low.GetFreq(), 2000);

    CFilter high = Band(5000, 230);
    high.SetEqTypeCode(EQTYPE_HIGH_SHELF_6DB);
    high.BeginNodeDrag(high.GetNodeRect().CenterPoint());
    high.DragNode(At(100, 100));
    EXPECT_EQ(high.GetFreq(), 2000);

    CFilter geq = Band(1000);
    geq.SetGraphicEQ(true);
    geq.BeginNodeDrag(geq.GetNodeRect().CenterPoint());
    EXPECT_TRUE(geq.DragNode(At(100, 60)));
    EXPECT_EQ(geq.GetFreq(), 1000);
    EXPECT_DOUBLE_EQ(geq.GetGain(), 6.5);

    CFilter hpf = Crossover(FILTER_HPF, 100);
    hpf.BeginNodeDrag(hpf.GetNodeRect().CenterPoint());
    EXPECT_FALSE(hpf.DragNode(At(300, 60)));
    EXPECT_EQ(hpf.GetFreq(), 100);
}

// A pixel maps back to a nearby grid frequency, not to the band's own: a drag that has not moved
// sideways since the press keeps the frequency exactly, and coming back to the press column
// brings the frequency back.
TEST(Filter, StraightVerticalDragKeepsTheFrequency)
{
    ScopedFlag synced(g_bSynced, 1);
    ASSERT_NE(StepToFreq(FreqToStep(1000, 600), 600), 1000);  // the drift a pixel round trip gives
    for (int freq : {20, 63, 1000, 1234, 19000, 20000}) {
        SCOPED_TRACE(freq);
        CFilter f = Band(freq);
        const int sideways = freq < 10000 ? 30 : -30;
        const Point press = f.GetNodeRect().CenterPoint();
        f.BeginNodeDrag(press);
        EXPECT_TRUE(f.DragNode({press.x, press.y - 40}));
        EXPECT_EQ(f.GetFreq(), freq);
        EXPECT_DOUBLE_EQ(f.GetGain(), 4.5);
        EXPECT_TRUE(f.DragNode({press.x + sideways, press.y - 40}));
        EXPECT_NE(f.GetFreq(), freq);
        EXPECT_TRUE(f.DragNode({press.x, press.y + 30}));
        EXPECT_EQ(f.GetFreq(), freq);
        EXPECT_DOUBLE_EQ(f.GetGain(), -3.5);
    }
    for (int type : {FILTER_HPF, FILTER_LPF}) {
        SCOPED_TRACE(type);
        CFilter x = Crossover(type, 1000);
        const Point press = x.GetNodeRect().CenterPoint();
        x.BeginNodeDrag(press);
        EXPECT_FALSE(x.DragCrossover({press.x, press.y - 50}, type == FILTER_HPF ? 20000 : 20));
        EXPECT_EQ(x.GetFreq(), 1000);
        EXPECT_TRUE(x.DragCrossover({press.x + 40, press.y}, type == FILTER_HPF ? 20000 : 20));
        EXPECT_TRUE(x.DragCrossover({press.x, press.y + 9}, type == FILTER_HPF ? 20000 : 20));
        EXPECT_EQ(x.GetFreq(), 1000);
    }
}

TEST(Filter, BandwidthDrag)
{
    CFilter f = Band(1000, 260);
    f.m_bDragLeft = 1;
    f.BeginBandwidthDrag(f.GetLeftRect().CenterPoint());
    EXPECT_TRUE(f.DragBandwidth(At(500, 0)));  // across the node: the narrowest band
    EXPECT_DOUBLE_EQ(f.GetBandwidth(), 0.05);
    EXPECT_TRUE(f.DragBandwidth(At(0, 0)));  // far out: the widest
    EXPECT_DOUBLE_EQ(f.GetBandwidth(), 3.0);
    f.m_bDragLeft = 0;
    f.m_bDragRight = 1;
    EXPECT_TRUE(f.DragBandwidth(At(FreqToStep(2000, 600), 0)));
    EXPECT_EQ(f.GetBandwidthIndex(), 195);  // two octaves wide
    f.m_bDragRight = 0;
    EXPECT_TRUE(f.DragBandwidth(At(10, 0)));
    EXPECT_EQ(f.GetBandwidthIndex(), 195);
}

TEST(Filter, CrossoverDrag)
{
    ScopedFlag synced(g_bSynced, 1);
    RecordingSlider slider;
    CFilter hpf = Crossover(FILTER_HPF, 100);
    hpf.SetSlider(&slider);
    hpf.BeginNodeDrag(hpf.GetNodeRect().CenterPoint());
    EXPECT_TRUE(hpf.DragCrossover(At(-30, 0), 5000));  // to the left edge: 20 Hz, no response
    EXPECT_EQ(hpf.GetFreq(), 20);
    EXPECT_TRUE(AllZero(hpf));
    EXPECT_EQ(slider.freqs.back(), 20);
    hpf.BeginNodeDrag(hpf.GetNodeRect().CenterPoint());
    EXPECT_TRUE(hpf.DragCrossover(At(550, 0), 5000));  // cannot pass the low-pass
    EXPECT_EQ(hpf.GetFreq(), 5000);

    CFilter lpf = Crossover(FILTER_LPF, 5000);
    lpf.BeginNodeDrag(lpf.GetNodeRect().CenterPoint());
    EXPECT_TRUE(lpf.DragCrossover(At(50, 0), 300));  // cannot go below the high-pass
    EXPECT_EQ(lpf.GetFreq(), 300);
    lpf.BeginNodeDrag(lpf.GetNodeRect().CenterPoint());
    EXPECT_TRUE(lpf.DragCrossover(At(700, 0), 300));
    EXPECT_EQ(lpf.GetFreq(), 20000);
    EXPECT_TRUE(AllZero(lpf));
    EXPECT_FALSE(lpf.DragCrossover(At(700, 0), 300));

    CFilter tweeter = Crossover(FILTER_HPF, 2000);  // range 11 keeps a tweeter at 1000 Hz or above
    tweeter.SetRangeId(11);
    tweeter.BeginNodeDrag(tweeter.GetNodeRect().CenterPoint());
    EXPECT_TRUE(tweeter.DragCrossover(At(-30, 0), 5000));
    EXPECT_EQ(tweeter.GetFreq(), 1000);
    EXPECT_TRUE(tweeter.DragCrossover(At(550, 0), 5000));
    EXPECT_EQ(tweeter.GetFreq(), 5000);
    EXPECT_TRUE(tweeter.DragCrossover(At(650, 0), 5000));  // the right edge passes the low-pass
    EXPECT_EQ(tweeter.GetFreq(), 20000);

    CFilter scale = Crossover(FILTER_HPF, 100);  // range 10 reaches 20 Hz through the scale
    scale.SetRangeId(10);
    scale.BeginNodeDrag(scale.GetNodeRect().CenterPoint());
    EXPECT_TRUE(scale.DragCrossover(At(-30, 0), 20000));
    EXPECT_EQ(scale.GetFreq(), 20);
    EXPECT_FALSE(scale.DragCrossover(At(-30, 0), 20000));

    CFilter peq = Band(1000);
    peq.BeginNodeDrag(peq.GetNodeRect().CenterPoint());
    EXPECT_FALSE(peq.DragCrossover(At(100, 0), 20000));
    EXPECT_EQ(peq.GetFreq(), 1000);
}

// Values received from the processor or read from a file are kept, but every use stays finite
// and inside its table: no crash, no undefined number reaching a pixel, nothing drawn outside
// the range that is defined.
TEST(Filter, ReceivedAbsurdValuesStayFiniteAndBounded)
{
    const int freqs[] = {-32768, 0, 5, 25000, 32767};
    const int gains[] = {-32768, 0, 32767};
    const int widths[] = {-32768, -1, 32767};
    const int types[] = {0, 1, 2, 3, 4, 5, 255};
    const int slopes[] = {0, 1, 7, 8, 9, 255};
    const int aligns[] = {0, 1, 2, 3, -1};
    for (int type : types)
        for (int slope : slopes)
            for (int align : aligns)
                for (int freq : freqs)
                    for (int gain : gains)
                        for (int width : widths) {
                            CFilter f;
                            f.SetGraphRect(PLOT);
                            f.SetShowHandles(type < 3);
                            f.SetGainPos(gain);
                            f.SetBandwidthIndex(width);
                            f.SetSlope(slope, true);
                            f.SetAlign(align, true);
                            f.SetType(type);
                            f.SetFreq(freq, false);
                            f.StepDeviceFreq(0);
                            for (int i = 0; i < FREQ_POINTS; ++i) {
                                ASSERT_TRUE(std::isfinite(f.GetResponse()[i]))
                                    << type << " " << slope << " " << align << " " << freq << " " << gain << " " << width;
                                ASSERT_LT(std::abs(f.GetPolygon()[i + 1].y), 1000000);
                            }
                            const Rect node = f.GetNodeRect();
                            ASSERT_GE(node.left, PLOT_LEFT - 8);
                            ASSERT_LE(node.right, PLOT_LEFT + 608);
                            f.BuildLabel();
                            f.GetQText();
                            f.GetSlopeText();
                            ASSERT_EQ(f.GetGainPos(), f.IsBypassOrFlat() ? 200 : gain);
                            ASSERT_EQ(f.GetBandwidthIndex(), width);
                        }
}

TEST(Filter, UndefinedCombinationsDrawZeroDecibels)
{
    CFilter unknown = Band(1000, 260);
    unknown.SetType(9);
    EXPECT_TRUE(AllZero(unknown));
    CFilter shelf = Band(1000, 260);
    shelf.SetType(FILTER_LOW_SHELF);
    shelf.SetSlope(2, false);
    EXPECT_TRUE(AllZero(shelf));
    CFilter steep = Crossover(FILTER_HPF, 1000, 9);
    EXPECT_TRUE(AllZero(steep));
    CFilter aligned = Crossover(FILTER_LPF, 1000);
    aligned.SetAlign(3, false);
    EXPECT_TRUE(AllZero(aligned));
    CFilter below = Crossover(FILTER_HPF, 0);  // drawn at 20 Hz: nothing
    EXPECT_TRUE(AllZero(below));
    CFilter above = Crossover(FILTER_LPF, 30000);
    EXPECT_TRUE(AllZero(above));
}

TEST(Filter, ArchiveHoldsFortyEightBytesPerBand)
{
    CFilter src = Band(1234, 250);
    src.SetBandwidthIndex(77);
    src.SetDevFreq(617);
    src.SetGroup(12);
    src.SetSlope(1, false);
    src.SetAlign(2, false);
    std::stringstream stream;
    {
        CArchive ar(static_cast<std::ostream&>(stream));
        src.Serialize(ar);
    }
    const std::string bytes = stream.str();
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\0\0\0\0\xD2\x04\0\0\x69\x02\0\0", 12));

    CFilter dst = Band(100);
    CArchive in(static_cast<std::istream&>(stream));
    dst.Serialize(in);
    EXPECT_EQ(dst.GetFreq(), 1234);
    EXPECT_EQ(dst.GetDevFreq(), 617);
    EXPECT_EQ(dst.GetGainPos(), 250);
    EXPECT_EQ(dst.GetBandwidthIndex(), 77);
    EXPECT_EQ(dst.GetGroup(), 12);
    EXPECT_EQ(dst.GetNodeRect(), src.GetNodeRect());
    EXPECT_EQ(dst.GetResponse()[136], src.GetResponse()[136]);

    std::istringstream shortStream(bytes.substr(0, 40));
    CArchive shortAr(shortStream);
    EXPECT_THROW(dst.Serialize(shortAr), CArchiveException);
}
