#pragma once

#include <cstdint>

namespace carbonym::ui {

// A millisecond clock read as 32 bits: it wraps to 0 every 2^32 ms (about
// 49.7 days) and passes 2^31 halfway.
std::uint32_t MillisecondClock();

// The milliseconds from `start` to `now`, two readings of that clock. Taken
// modulo 2^32, so it stays right across the wrap as long as less than 49.7
// days lie between the readings.
constexpr std::uint32_t ElapsedMilliseconds(std::uint32_t start, std::uint32_t now)
{
    return now - start;
}

} // namespace carbonym::ui
