#include "ui/about/spacing_animation.h"

#include <limits>

namespace carbonym::ui {

SpacingAnimation::SpacingAnimation(std::int32_t startSpacing, std::int32_t endSpacing, bool endless)
    : spacing_(startSpacing), endSpacing_(endSpacing), endless_(endless)
{
}

std::int32_t SpacingAnimation::NextFrame()
{
    if (spacing_ < -3 && !endless_ && !turned_) {
        turned_ = true;
        step_ = 1;
        hold_ = spacing_ + 4;
    }
    if (spacing_ > 128)
        step_ = -1;

    if (endless_ || step_ != 1) {
        // Falling: after 2^31 frames (over a year) it stays at the bottom
        // instead of overflowing.
        if (spacing_ > std::numeric_limits<std::int32_t>::min())
            spacing_ += step_;
    } else if (spacing_ == endSpacing_) {
        running_ = false;
    } else if (--hold_ <= 0) {
        ++spacing_;
        hold_ = spacing_ + 4;
    }
    return spacing_;
}

} // namespace carbonym::ui
