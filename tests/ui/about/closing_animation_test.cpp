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
    explicit FakeWindow(TwipsGeometry geometry, int minHeight = 0) : geometry_(geometry), minHeight_(minHeight) { }

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

// What a user sees, from many places and sizes: the window shrinks to the
// strip in small even steps without moving, climbs in small steps to just
// under the top edge, then runs along it until it is off the screen; each
// stage ends by its own count, whatever size the system keeps the window at.
TEST(ClosingAnimation, CollapsesClimbsAndLeavesInSmallSteps)
{
    for (const int height : {75, 76, 235, 1000, 3001}) {
        FakeWindow window({300, 400, 4800, height}, 450);
        EXPECT_TRUE(Collapse(window, 75));
        int last = height;
        for (const auto& move : window.moves) {
            EXPECT_TRUE(move.left == 300 && move.top == 400 && move.width == 4800);
            EXPECT_TRUE((move.height < last && last - move.height <= 40) || move.height == 75);
            last = move.height;
        }
        EXPECT_EQ(window.moves.empty() ? 75 : window.moves.back().height, 75);
        EXPECT_LE(window.moves.size(), static_cast<size_t>(height / 40 + 2));
    }
    for (const int top : {-200, 0, 1, 49, 50, 160, 10000}) {
        FakeWindow window({300, top, 4800, 75});
        EXPECT_TRUE(SlideUp(window));
        int last = top;
        for (const auto& move : window.moves) {
            EXPECT_TRUE(move.top <= last && last - move.top <= 50);
            last = move.top;
        }
        EXPECT_TRUE(top <= 0 ? window.moves.empty() : last > 0 && last <= 50) << top;
    }
    for (const int left : {-5000, 0, 100, 399, 400}) {
        FakeWindow window({left, 10, 4800, 75});
        EXPECT_TRUE(SlideRight(window, 400));
        int last = left - 1;
        for (const auto& move : window.moves) {
            EXPECT_TRUE(move.top == 0 && move.left > last && move.left - std::max(last, left) <= 105);
            last = move.left;
        }
        EXPECT_TRUE(window.moves.empty() || window.moves.back().left + 105 >= 400);
    }
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
