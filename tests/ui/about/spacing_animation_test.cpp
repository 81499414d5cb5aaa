#include "ui/about/millisecond_clock.h"
#include "ui/about/spacing_animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace carbonym::ui {
namespace {

// Every frame of a run, up to `limit` frames.
std::vector<std::int32_t> Frames(std::int32_t start, std::int32_t end, bool endless = false, size_t limit = 100000)
{
    SpacingAnimation animation(start, end, endless);
    std::vector<std::int32_t> frames;
    while (animation.Running() && frames.size() < limit)
        frames.push_back(animation.NextFrame());
    return frames;
}

TEST(SpacingAnimation, AboutWindowRunContractsThenClimbsSlowerAndSlower)
{
    std::vector<std::int32_t> expected;
    for (std::int32_t v = 127; v >= -4; --v)
        expected.push_back(v);
    for (std::int32_t v : {-3, -2, -2, -1, -1, -1, 0, 0})
        expected.push_back(v);
    ASSERT_EQ(expected.size(), 140u);
    EXPECT_EQ(Frames(128, 0), expected);
}

TEST(SpacingAnimation, EndIsLookedForOnlyAfterTheTurn)
{
    EXPECT_EQ(Frames(0, 0), (std::vector<std::int32_t>{-1, -2, -3, -4, -3, -2, -2, -1, -1, -1, 0, 0}));
    EXPECT_EQ(Frames(-3, -3), (std::vector<std::int32_t>{-4, -3, -3}));
    // Ends on the frame after -4 is first shown, showing it again.
    EXPECT_EQ(Frames(0, -4), (std::vector<std::int32_t>{-1, -2, -3, -4, -4}));
    // The climb holds each value v for v + 4 frames.
    const auto frames = Frames(0, 3);
    EXPECT_EQ(frames.size(), 4u + 1 + 2 + 3 + 4 + 5 + 6 + 2);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), 2), 6);
}

TEST(SpacingAnimation, StartBelowMinusThreeTurnsOnTheFirstFrame)
{
    EXPECT_EQ(Frames(-10, 0), (std::vector<std::int32_t>{-9, -8, -7, -6, -5, -4, -3, -2, -2, -1, -1, -1, 0, 0}));
}

TEST(SpacingAnimation, StartAbove128ContractsFromThere)
{
    const auto frames = Frames(200, 0);
    EXPECT_EQ(frames.front(), 199);
    EXPECT_EQ(frames.size(), 140u + 72);
}

TEST(SpacingAnimation, UnreachableEndClimbsPast128AndFallsForGood)
{
    const auto frames = Frames(0, 500, false, 30000);
    ASSERT_EQ(frames.size(), 30000u);
    const auto peak = std::max_element(frames.begin(), frames.end());
    EXPECT_EQ(*peak, 129);
    for (auto it = peak + 1; it != frames.end(); ++it)
        ASSERT_EQ(*it, *(it - 1) - 1);
    EXPECT_LT(frames.back(), -4);
}

TEST(SpacingAnimation, EndlessOnlyFallsAndStopsAtTheBottom)
{
    const auto frames = Frames(5, 5, true, 1000);
    ASSERT_EQ(frames.size(), 1000u);
    EXPECT_EQ(frames.front(), 4);
    EXPECT_EQ(frames.back(), 5 - 1000);

    constexpr auto bottom = std::numeric_limits<std::int32_t>::min();
    SpacingAnimation animation(bottom + 1, 0, true);
    EXPECT_EQ(animation.NextFrame(), bottom);
    EXPECT_EQ(animation.NextFrame(), bottom);
    EXPECT_TRUE(animation.Running());
}

TEST(ElapsedMilliseconds, IsRightAcrossHalfwayAndTheWrap)
{
    EXPECT_EQ(ElapsedMilliseconds(1000, 1020), 20u);
    EXPECT_EQ(ElapsedMilliseconds(0x7FFFFFF0u, 0x80000004u), 20u);
    EXPECT_EQ(ElapsedMilliseconds(0xFFFFFFF0u, 0x00000004u), 20u);
    EXPECT_EQ(ElapsedMilliseconds(0xFFFFFFFFu, 0xFFFFFFFFu), 0u);
}

} // namespace
} // namespace carbonym::ui
