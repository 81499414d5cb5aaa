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

// What a user sees of a run, from many starts and ends: the letters draw
// together one step a frame down to their tightest, then spread out again
// slower and slower (each spacing held at least as long as the one before),
// and come to rest on the end spacing.
TEST(SpacingAnimation, ContractsThenSpreadsSlowerAndSlowerToItsEnd)
{
    for (const std::int32_t start : {-10, -4, -3, 0, 5, 128})
        for (const std::int32_t end : {-4, -3, 0, 3, 20}) {
            const auto frames = Frames(start, end);
            ASSERT_FALSE(frames.empty());
            if (start == end && start < -3)
                continue; // at rest already: one frame
            const auto tightest = std::min_element(frames.begin(), frames.end());
            EXPECT_EQ(*tightest, start < -3 ? start + 1 : -4) << start << " " << end; // below -3 it turns at once
            for (auto it = frames.begin() + 1; it <= tightest; ++it)
                EXPECT_EQ(*it, *(it - 1) - 1);
            EXPECT_EQ(frames.back(), end) << start << " " << end;
            // After the turn: never tighter again, each spacing held no
            // shorter than the one before (the last frame shows the end once
            // more and is not counted).
            size_t held = 0;
            size_t previousHeld = 0;
            for (auto it = tightest + 1; it + 1 < frames.end(); ++it) {
                EXPECT_GE(*it, *(it - 1));
                held = *it == *(it - 1) ? held + 1 : 1;
                if (it + 2 < frames.end() && *(it + 1) != *it) {
                    EXPECT_GE(held, previousHeld);
                    previousHeld = held;
                }
            }
            EXPECT_LE(frames.size(), 2000u);
        }
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
