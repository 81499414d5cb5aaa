#include "ui/about/effect_surface.h"

#include <QEvent>
#include <QPainter>

namespace carbonym::ui {

EffectSurface* EffectSurface::Of(QWidget* window)
{
    if (auto* surface = window->findChild<EffectSurface*>(QString(), Qt::FindDirectChildrenOnly))
        return surface;
    return new EffectSurface(window);
}

EffectSurface::EffectSurface(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    window->installEventFilter(this);
    raise();
    show();
}

void EffectSurface::ShowFrame(const Frame& frame)
{
    frame_ = frame;
    raise(); // above controls created after it
    repaint();
}

bool EffectSurface::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void EffectSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!frame_.erase.isEmpty())
        painter.fillRect(frame_.erase, frame_.eraseColor);
    if (frame_.textRect.isEmpty() || frame_.text.isEmpty())
        return;
    painter.setClipRect(frame_.textRect);
    painter.setFont(frame_.font);
    painter.setPen(frame_.textColor);
    painter.drawText(frame_.textRect, kTextFlags, frame_.text);
}

} // namespace carbonym::ui
