#include "ui/about/about_window.h"

#include "ui/about/closing_animation.h"
#include "ui/about/text_effect.h"
#include "ui/platform/display_pace.h"
#include "ui/platform/frame_margins.h"
#include "ui/platform/program_exit.h"
#include "ui/platform/song_font.h"
#include "ui/platform/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace carbonym::ui {

namespace {

QFont ArialFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font, const QColor& color)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Chinese characters come from a fallback face with a taller line than
    // Arial's: the label grows downwards rather than cutting them off.
    label->setGeometry(geometry.adjusted(0, 0, 0, std::max(0, label->sizeHint().height() - geometry.height())));
    label->setForegroundRole(QPalette::WindowText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_NoMousePropagation); // a click on a label does not close the window
}

QRect ScreenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// The closing animation's pace: three moves to a display frame of 16 ms, so
// that each move is carried out and the whole closing takes a second or two
// (some 350 moves on a screen 1600 pixels wide).
constexpr qint64 kMovePeriodMicroseconds = 16000 / 3;

// The about window as the closing animation sees it: outer geometry in twips
// relative to the screen. The frame's widths are read from the window system
// once, and the window is placed by its client area, so that every move
// lands where it is meant to also while Qt does not know the frame yet.
class AnimatedAboutWindow : public MovableWindow {
public:
    explicit AnimatedAboutWindow(QWidget& window)
        : window_(window), origin_(ScreenGeometry().topLeft()), frame_(FrameMargins(window))
    {
    }

    TwipsGeometry Geometry() const override
    {
        const QRect outer = window_.geometry().marginsAdded(frame_).translated(-origin_);
        constexpr int k = kTwipsPerPixel;
        return {outer.x() * k, outer.y() * k, outer.width() * k, outer.height() * k};
    }

    void Move(const TwipsGeometry& geometry) override
    {
        // The frame keeps its own size; the client area takes the rest, at
        // least one pixel, as a system keeps a captioned window taller than
        // asked.
        const QPoint client = origin_
                              + QPoint(Pixels(geometry.left) + frame_.left(), Pixels(geometry.top) + frame_.top());
        window_.setGeometry(
            QRect(client, QSize(std::max(1, Pixels(geometry.width) - frame_.left() - frame_.right()),
                                std::max(1, Pixels(geometry.height) - frame_.top() - frame_.bottom()))));
    }

    bool ProcessEvents() override
    {
        // Each move waits for the display, then for its turn: a deadline
        // from the animation's start, so slow moves do not add up.
        if (!clock_.isValid())
            clock_.start();
        moves_ += 1;
        const qint64 due = moves_ * kMovePeriodMicroseconds - clock_.nsecsElapsed() / 1000;
        WaitForDisplay(static_cast<int>(std::max<qint64>(0, due / 1000)));
        return !ProgramEnding();
    }

private:
    QElapsedTimer clock_;
    qint64 moves_ = 0;
    QWidget& window_;
    QPoint origin_;
    QMargins frame_;
};

} // namespace

AboutWindow::AboutWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Carbonym 翻译  Carbonym 开发组"));
    setWindowIcon(QIcon(QStringLiteral(":/carbonym.png")));
    setFont(SongFont(9));
    setFixedSize(Pixels(4680), Pixels(2655));

    okButton_ = new QPushButton(QStringLiteral("确定"), this);
    okButton_->setGeometry(TwipsRect(1800, 2160, 855, 375));
    okButton_->setFocus();
    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);

    strip_ = new QFrame(this);
    strip_->setGeometry(TwipsRect(0, 0, 4695, 75));
    strip_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip_->setAttribute(Qt::WA_NoMousePropagation);

    MakeLabel(this, QStringLiteral("Carbonym 项目"), TwipsRect(945, 1890, 3165, 240), ArialFont(10.5, false),
              QColor(0, 128, 128));
    MakeLabel(this, QStringLiteral("Carbonym 开源项目"), TwipsRect(1215, 1470, 2250, 240), ArialFont(10.5, true),
              QColor(255, 255, 0));
    MakeLabel(this, QStringLiteral("作者：Carbonym 开发组"), TwipsRect(1080, 1110, 2520, 210), ArialFont(9, true),
              QColor(255, 0, 0));
    MakeLabel(this, QStringLiteral("有机物   标准名称   翻译"), TwipsRect(1035, 360, 2385, 240), ArialFont(10.5, true),
              QColor(128, 0, 128));

    // Centred on the screen whenever the window is created, and again by
    // its outer frame once the window manager has framed it.
    create();
    Centre(FrameMargins(*this));

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &AboutWindow::OnFocusWindowChanged);
}

QString AboutWindow::ClosingCaption()
{
    return QStringLiteral("Carbonym 有机物名称翻译  由 Carbonym 开发组制作");
}

void AboutWindow::Centre(const QMargins& frame)
{
    // Placed by its client area, which means the same to Qt and to every
    // window manager whether or not Qt knows the frame yet.
    const QRect screen = ScreenGeometry();
    const QSize outer = size().grownBy(frame);
    const QPoint outerTopLeft((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
    setGeometry(QRect(screen.topLeft() + outerTopLeft + QPoint(frame.left(), frame.top()), size()));
}

bool AboutWindow::event(QEvent* event)
{
    // The frame's size is known only some time after the window manager has
    // put the frame around the shown window; until then the outer size is
    // the client's. Looked for a little while after the first show.
    if (event->type() == QEvent::Show && !framed_ && !frameTimer_.isActive()) {
        frameChecks_ = 0;
        frameTimer_.start(20, this);
    }
    return QWidget::event(event);
}

void AboutWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != frameTimer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (closing_ || ++frameChecks_ > 100) {
        frameTimer_.stop(); // a system without frames, or the window is leaving
        return;
    }
    const QMargins frame = FrameMargins(*this);
    if (!frame.isNull()) {
        frameTimer_.stop();
        framed_ = true;
        Centre(frame);
    }
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            okButton_->animateClick();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AboutWindow::OnFocusWindowChanged(QWindow* window)
{
    if (!window)
        return; // another program has the focus
    const bool fromAnotherWindow = window == windowHandle() && lastActive_ != window;
    lastActive_ = window;
    // Queued: the effect processes events for seconds and must not run
    // inside the focus change.
    if (fromAnotherWindow)
        QMetaObject::invokeMethod(this, &AboutWindow::PlayEffect, Qt::QueuedConnection);
}

void AboutWindow::PlayEffect()
{
    if (closing_)
        return;
    AnimateTextSpacing(this, QString(), 12, 12, false, 128, 0, QColor(128, 0, 0));
}

void AboutWindow::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event)
{
    // A click: pressed and released on the window's own surface.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        close();
}

void AboutWindow::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->ignore(); // the close under way completes
        return;
    }
    closing_ = true;
    PlayClosingAnimation();
    event->accept();
}

void AboutWindow::PlayClosingAnimation()
{
    // The fixed size gives way to the collapse.
    setMinimumSize(1, 1);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    AnimatedAboutWindow window(*this);
    if (!Collapse(window, strip_->height() * kTwipsPerPixel))
        return;
    setWindowTitle(ClosingCaption());
    if (!SlideUp(window))
        return;
    SlideRight(window, ScreenGeometry().width() * kTwipsPerPixel);
}

} // namespace carbonym::ui
