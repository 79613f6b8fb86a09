#include <gtest/gtest.h>

#include <algorithm>

#include "controls/LimCurveModel.h"

namespace {

// A 450 x 440 graph: the plot is 420 x 420 px from (20, 5), one pixel per level code.
CLimCurveModel Graph(bool bEditable, int nLevel = 200)
{
    CLimCurveModel g;
    g.LayoutPlot(450, 440);
    g.SetGraphMode(LIM_GRAPH_MODE);
    g.SetEditable(bEditable);
    g.SetLevel(nLevel);
    return g;
}

Point HandleCentre(const CLimCurveModel& g)
{
    const Rect rc = g.GetHandleRect();
    return {rc.left + 3, rc.top + 3};
}

}  // namespace

TEST(LimCurveModel, LayoutLabelsAndGrid)
{
    const CLimCurveModel g = Graph(true);
    EXPECT_EQ(g.GetPlotRect(), (Rect{20, 5, 440, 425}));
    EXPECT_EQ(g.GetStart(), (PointF{20, 423}));
    EXPECT_EQ(g.GetGridY(), (std::vector<int>{125, 225, 325}));
    EXPECT_EQ(g.GetGridX(), (std::vector<int>{120, 220, 320}));
    const auto labels = g.GetAxisLabels();
    ASSERT_EQ(labels.size(), 9u);
    EXPECT_EQ(labels[0].strText, " 12");
    EXPECT_EQ(labels[0].pt, (Point{2, 0}));
    EXPECT_EQ(labels[1].strText, "  0");
    EXPECT_EQ(labels[1].pt, (Point{2, 5 + 120 - 7}));
    EXPECT_EQ(labels[4].pt, (Point{2, 5 + 420 - 7}));
    EXPECT_EQ(labels[5].strText, "-20");
    EXPECT_EQ(labels[5].pt, (Point{20 + 100 - 8, 425}));
    EXPECT_EQ(labels[7].pt, (Point{20 + 300 - 3, 425}));
    EXPECT_EQ(labels[8].pt, (Point{20 + 420 - 7, 425}));
}

TEST(LimCurveModel, KneeAtTheEndsOfTheRange)
{
    const CLimCurveModel low = Graph(true, 0);
    EXPECT_EQ(low.GetKnee(), (PointF{20, 425}));  // the flat line runs along the bottom
    EXPECT_EQ(low.GetEnd(), (PointF{440, 425}));
    EXPECT_EQ(low.GetHandleRect(), (Rect{17, 422, 23, 428}));
    const CLimCurveModel high = Graph(true, 420);
    EXPECT_EQ(high.GetKnee(), (PointF{440, 5}));  // the whole diagonal
    // A received code beyond the range is kept, but drawn at the edge.
    const CLimCurveModel absurd = Graph(true, 30000);
    EXPECT_EQ(absurd.GetLevel(), 30000);
    EXPECT_EQ(absurd.GetKnee(), high.GetKnee());
}

TEST(LimCurveModel, HandleDragFollowsThePointerHeightWithinTheRange)
{
    CLimCurveModel g = Graph(true);
    const Point h = HandleCentre(g);
    EXPECT_EQ(g.MouseMoved(h), -1);
    EXPECT_TRUE(g.IsHover());
    g.ButtonPressed();
    EXPECT_TRUE(g.IsDragging());
    EXPECT_EQ(g.MouseMoved({h.x, h.y}), -1);  // the same level: nothing happens
    EXPECT_EQ(g.MouseMoved({h.x + 50, 425 - 42}), 42);
    EXPECT_EQ(g.GetLevel(), 42);
    EXPECT_EQ(g.MouseMoved({h.x, -100}), 420);
    EXPECT_EQ(g.MouseMoved({h.x, 900}), 0);
    EXPECT_EQ(g.MouseMoved({h.x, 900}), -1);
    g.ButtonReleased();
    EXPECT_FALSE(g.IsDragging());
    EXPECT_EQ(g.MouseMoved({h.x, 100}), -1);
}

TEST(LimCurveModel, HandleIsHitOnlyInsideItsSquare)
{
    CLimCurveModel g = Graph(true);
    const Rect rc = g.GetHandleRect();
    const std::pair<Point, bool> cases[] = {{{rc.left, rc.top}, true},
                                            {{rc.right - 1, rc.bottom - 1}, true},
                                            {{rc.right, rc.top}, false},
                                            {{rc.left, rc.bottom}, false},
                                            {{rc.left - 40, rc.top + 40}, false}};  // on the diagonal
    for (auto [pt, bHit] : cases) {
        g.MouseMoved(pt);
        EXPECT_EQ(g.IsHover(), bHit) << pt.x << "," << pt.y;
    }
    g.ButtonPressed();
    EXPECT_FALSE(g.IsDragging());
}

// Without attached level fields the graph is read-only: a drag would change only the graph's own
// copy, neither stored nor drawn.
TEST(LimCurveModel, GraphWithoutFieldsTakesNoDrag)
{
    CLimCurveModel g = Graph(false);
    const Point h = HandleCentre(g);
    g.MouseMoved(h);
    EXPECT_FALSE(g.IsHover());
    g.ButtonPressed();
    EXPECT_FALSE(g.IsDragging());
    EXPECT_EQ(g.MouseMoved({h.x, 20}), -1);
    EXPECT_EQ(g.GetLevel(), 200);
}

TEST(LimCurveModel, OnlyModeThreeTracksTheMouse)
{
    CLimCurveModel g;
    g.LayoutPlot(450, 440);
    g.SetEditable(true);
    g.MouseMoved({20, 425});
    g.ButtonPressed();
    EXPECT_FALSE(g.IsHover());
    EXPECT_FALSE(g.IsDragging());
}
