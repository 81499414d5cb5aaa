#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <cstdint>
#include <functional>
#include <variant>

class QWidget;

namespace carbonym::ui {

// A rectangle in pixels; right and bottom lie just outside it.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A text colour: a plain colour, or a colour of the system palette, looked up
// once when a run starts. An invalid colour draws black.
using EffectColor = std::variant<QColor, QPalette::ColorRole>;

// Draws `text` with its top-left corner at (x, y) of `target`'s client area
// and animates the spacing between its characters, frame by frame as
// SpacingAnimation gives it, at most one frame every 20 ms. Each frame erases
// the rectangle the previous frame covered in the system's button-face colour
// (Qt's window background), then draws the text in the target's font, cut at
// the target's right inner edge.
// A line break starts a new line; "&" underlines the character after it.
//
// Blocks until the animation ends, handing each frame to the display and
// running pending events while it waits between frames, so other handlers, and other runs, may run inside it.
// Returns at once when the target is hidden or destroyed or the program is
// ending.
void AnimateTextSpacing(QWidget* target, QString text, std::int32_t x, std::int32_t y, bool endless,
                        std::int32_t startSpacing, std::int32_t endSpacing, const EffectColor& color);

// The rectangle the last frame of any run covered. Every run starts it afresh
// as the empty rectangle at its own corner, and nested runs share it: the
// outer run goes on from where the inner one left it.
PixelRect EffectRect();

// Replaces the millisecond clock that paces the frames (tests run the frames
// on a clock of their own); an empty function restores MillisecondClock.
void SetEffectClock(std::function<std::uint32_t()> clock);

} // namespace carbonym::ui
