#pragma once

#include <cstdint>

namespace carbonym::ui {

// The character spacing of each frame of the text effect, in pixels. From the
// start spacing it falls by one per frame to -4; the next frame turns back and
// climbs, each value v being shown for v + 4 frames (at least one), until a
// frame starts on the end spacing: that frame is the last and shows it once
// more. The end is looked for only after the turn, and there is one turn per
// run. Above 128 the spacing falls again. An endless animation only falls.
class SpacingAnimation {
public:
    SpacingAnimation(std::int32_t startSpacing, std::int32_t endSpacing, bool endless);

    // Advances to the next frame and returns the spacing it shows.
    std::int32_t NextFrame();

    // False once the frame last returned was the final one.
    bool Running() const { return running_; }

private:
    std::int32_t spacing_;
    std::int32_t endSpacing_;
    bool endless_;
    std::int32_t step_ = -1;
    bool turned_ = false;
    std::int32_t hold_ = 0; // frames left before the next rise of the climb
    bool running_ = true;
};

} // namespace carbonym::ui
