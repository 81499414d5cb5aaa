#include "ui/platform/song_font.h"

#include <QStringList>

namespace carbonym::ui {

namespace {

void RegisterSubstitutions()
{
    const QStringList songFaces{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                                QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), QStringList{QStringLiteral("SimSun")} + songFaces);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), songFaces);
}

} // namespace

QFont SongFont(int points, bool bold)
{
    static const bool registered = (RegisterSubstitutions(), true);
    (void)registered;
    QFont font(QStringLiteral("宋体"), points, bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace carbonym::ui
