#include "ui/about/millisecond_clock.h"

#include <chrono>

namespace carbonym::ui {

std::uint32_t MillisecondClock()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace carbonym::ui
