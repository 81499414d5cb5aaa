#pragma once

namespace carbonym::ui {

// A window's outer position and size in twips (1/1440 inch, 15 to a pixel),
// relative to the screen's top-left corner.
struct TwipsGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What the closing animation needs of a window.
class MovableWindow {
public:
    virtual ~MovableWindow() = default;
    virtual TwipsGeometry Geometry() const = 0;
    virtual void Move(const TwipsGeometry& geometry) = 0;
    // Processes pending events between two moves; false when the animation
    // must stop at once because the program is ending.
    virtual bool ProcessEvents() = 0;
};

// The three moving stages of the about window's closing animation. Each runs
// on a counter of its own, loaded from the window's geometry, and ends by that
// counter alone, whatever size or position the system really gives the
// window. The counters are wider than any screen, so they never wrap. Each
// returns false when ProcessEvents asked to stop.

// Shrinks the outer height by 40 twips a pass down to `stripHeight`.
bool Collapse(MovableWindow& window, int stripHeight);

// Moves the window up by 50 twips a pass while its top is below the screen's
// top edge; the last move leaves the top 1 to 50 twips below the edge.
bool SlideUp(MovableWindow& window);

// Moves the window right by 105 twips a pass, at the top edge, until its left
// reaches `screenWidth`.
bool SlideRight(MovableWindow& window, int screenWidth);

} // namespace carbonym::ui
