#include "ui/about/closing_animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace carbonym::ui {
namespace {

// A window that records its moves and, like a system with captioned windows,
// stays at least `minHeight` tall.
class FakeWindow : public MovableWindow {
public:
    explicit FakeWindow(TwipsGeometry geometry, int minHeight = 0) : geometry_(geometry), minHeight_(minHeight) {}

    TwipsGeometry Geometry() const override { return geometry_; }
    void Move(const TwipsGeometry& geometry) override
    {
        geometry_ = geometry;
        geometry_.height = std::max(geometry.height, minHeight_);
        moves.push_back(geometry);
    }
    bool ProcessEvents() override { return ++passes < stopAfter; }

    std::vector<TwipsGeometry> moves; // as asked, before the system's limit
    int passes = 0;
    int stopAfter = 1 << 30;

private:
    TwipsGeometry geometry_;
    int minHeight_;
};

TEST(ClosingAnimation, CollapseStepsBy40AndEndsAtTheStripEvenIfTheWindowStaysTaller)
{
    FakeWindow window({300, 400, 4800, 235}, 450);
    EXPECT_TRUE(Collapse(window, 75));
    std::vector<int> heights;
    for (const auto& move : window.moves) {
        heights.push_back(move.height);
        EXPECT_EQ(move.left, 300);
        EXPECT_EQ(move.top, 400);
        EXPECT_EQ(move.width, 4800);
    }
    // The counter alone steers: 235 -> 195 -> 155 -> 115 -> 75 -> 35 (shown as 75).
    EXPECT_EQ(heights, (std::vector<int>{195, 155, 115, 75, 75}));
    EXPECT_EQ(window.Geometry().height, 450);
}

TEST(ClosingAnimation, SlideUpStopsJustBelowTheTopEdge)
{
    FakeWindow window({300, 160, 4800, 75});
    EXPECT_TRUE(SlideUp(window));
    std::vector<int> tops;
    for (const auto& move : window.moves)
        tops.push_back(move.top);
    EXPECT_EQ(tops, (std::vector<int>{160, 110, 60, 10}));

    for (int top : {0, -200}) {
        FakeWindow atTop({300, top, 4800, 75});
        EXPECT_TRUE(SlideUp(atTop));
        EXPECT_TRUE(atTop.moves.empty());
    }
}

TEST(ClosingAnimation, SlideRightRunsAlongTheTopEdgeOffTheScreen)
{
    FakeWindow window({100, 10, 4800, 75});
    EXPECT_TRUE(SlideRight(window, 400));
    std::vector<int> lefts;
    for (const auto& move : window.moves) {
        lefts.push_back(move.left);
        EXPECT_EQ(move.top, 0);
    }
    EXPECT_EQ(lefts, (std::vector<int>{100, 205, 310}));
}

TEST(ClosingAnimation, ScreensWiderThanSixteenBitsStillEnd)
{
    FakeWindow window({32700, 40000, 4800, 75});
    EXPECT_TRUE(SlideUp(window));
    EXPECT_TRUE(SlideRight(window, 40000));
    EXPECT_EQ(window.moves.back().left, 32700 + 69 * 105);
    EXPECT_EQ(window.moves.back().top, 0);
}

TEST(ClosingAnimation, StopsAtOnceWhenAskedTo)
{
    FakeWindow window({100, 1000, 4800, 3000});
    window.stopAfter = 3;
    EXPECT_FALSE(Collapse(window, 75));
    EXPECT_EQ(window.moves.size(), 3u);
    EXPECT_FALSE(SlideUp(window));
    EXPECT_FALSE(SlideRight(window, 10000));
    EXPECT_EQ(window.moves.size(), 5u);
}

} // namespace
} // namespace carbonym::ui
