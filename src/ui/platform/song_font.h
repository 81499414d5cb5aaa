#pragma once

#include <QFont>

namespace carbonym::ui {

// "宋体" (SimSun) at `points`. Where SimSun is missing, a Song-style CJK face
// stands in for it, so the texts keep their look on every system.
QFont SongFont(int points, bool bold = false);

} // namespace carbonym::ui
