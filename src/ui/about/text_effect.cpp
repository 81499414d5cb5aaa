#include "ui/about/text_effect.h"

#include "ui/about/effect_surface.h"
#include "ui/about/millisecond_clock.h"
#include "ui/about/spacing_animation.h"
#include "ui/platform/display_pace.h"
#include "ui/platform/program_exit.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace carbonym::ui {

namespace {

constexpr std::uint32_t kFramePeriodMs = 20;

PixelRect effectRect;
std::function<std::uint32_t()> effectClock;

std::uint32_t Now()
{
    return effectClock ? effectClock() : MillisecondClock();
}

QColor TextColor(const EffectColor& color, const QWidget& target)
{
    const QColor plain = std::holds_alternative<QColor>(color)
                             ? std::get<QColor>(color)
                             : target.palette().color(std::get<QPalette::ColorRole>(color));
    return plain.isValid() ? plain : QColor(Qt::black);
}

QRect ToQRect(const PixelRect& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// Carriage returns break lines as line feeds do.
QString WithLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool Gone(const QPointer<QWidget>& target)
{
    return !target || !target->isVisible() || ProgramEnding();
}

} // namespace

void AnimateTextSpacing(QWidget* target, QString text, std::int32_t x, std::int32_t y, bool endless,
                        std::int32_t startSpacing, std::int32_t endSpacing, const EffectColor& color)
{
    if (!target)
        return;
    const QPointer<QWidget> alive(target); // handlers run in the waits may destroy it
    EffectSurface* surface = EffectSurface::Of(target);
    effectRect = {x, y, x, y};

    EffectSurface::Frame frame;
    frame.text = WithLineFeeds(std::move(text));
    frame.textColor = TextColor(color, *target);
    frame.eraseColor = target->palette().color(QPalette::Window);

    SpacingAnimation spacings(startSpacing, endSpacing, endless);
    while (spacings.Running()) {
        const std::uint32_t frameStart = Now();
        const std::int32_t spacing = spacings.NextFrame();

        frame.erase = ToQRect(effectRect);
        frame.font = target->font();
        frame.font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        if (!frame.text.isEmpty()) {
            const QRect bounds = QFontMetrics(frame.font)
                                     .boundingRect(QRect(effectRect.left, effectRect.top, 0, 0),
                                                   EffectSurface::kTextFlags, frame.text);
            effectRect.right = effectRect.left + std::max(0, bounds.width());
            effectRect.bottom = effectRect.top + std::max(0, bounds.height());
        } else {
            effectRect.right = effectRect.left;
            effectRect.bottom = effectRect.top;
        }
        effectRect.right = std::min(effectRect.right + 4, target->width());
        frame.textRect = ToQRect(effectRect);
        surface->ShowFrame(frame);

        // The frame goes to the display; the rest of the period passes in
        // an event loop that runs other handlers and sleeps in between. A
        // clock of the tests' own is not waited for.
        std::uint32_t elapsed = 0;
        do {
            if (effectClock)
                QCoreApplication::processEvents();
            else
                WaitForDisplay(static_cast<int>(kFramePeriodMs - elapsed));
            if (Gone(alive))
                return;
            elapsed = ElapsedMilliseconds(frameStart, Now());
        } while (elapsed < kFramePeriodMs);
    }
}

PixelRect EffectRect()
{
    return effectRect;
}

void SetEffectClock(std::function<std::uint32_t()> clock)
{
    effectClock = std::move(clock);
}

} // namespace carbonym::ui
