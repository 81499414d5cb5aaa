#include "ui/about/closing_animation.h"

#include <cstdint>

namespace carbonym::ui {

bool Collapse(MovableWindow& window, int stripHeight)
{
    std::int64_t counter = window.Geometry().height;
    while (counter >= stripHeight) {
        counter -= 40;
        TwipsGeometry geometry = window.Geometry();
        geometry.height = counter > stripHeight ? static_cast<int>(counter) : stripHeight;
        window.Move(geometry);
        if (!window.ProcessEvents())
            return false;
    }
    return true;
}

bool SlideUp(MovableWindow& window)
{
    std::int64_t counter = window.Geometry().top;
    while (counter > 0) {
        TwipsGeometry geometry = window.Geometry();
        geometry.top = static_cast<int>(counter);
        window.Move(geometry);
        counter -= 50;
        if (!window.ProcessEvents())
            return false;
    }
    return true;
}

bool SlideRight(MovableWindow& window, int screenWidth)
{
    std::int64_t counter = window.Geometry().left;
    while (counter < screenWidth) {
        TwipsGeometry geometry = window.Geometry();
        geometry.left = static_cast<int>(counter);
        geometry.top = 0;
        window.Move(geometry);
        counter += 105;
        if (!window.ProcessEvents())
            return false;
    }
    return true;
}

} // namespace carbonym::ui
