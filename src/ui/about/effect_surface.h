#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace carbonym::ui {

// What the text effect draws on a window, in place of drawing straight into
// the window's device context: a child that covers the window, lets the mouse
// through to what lies beneath and paints the effect's current frame over it.
// It stays after a run and keeps showing the last frame.
class EffectSurface : public QWidget {
    Q_OBJECT

public:
    struct Frame {
        QRect erase; // the previous frame's rectangle, filled with eraseColor
        QRect textRect; // the text's rectangle; the text is clipped to it
        QString text; // "&" underlines the character after it
        QFont font; // the window's font at the frame's letter spacing
        QColor textColor;
        QColor eraseColor;
    };

    // Top-left aligned, lines broken only at line breaks, "&" as a mnemonic
    // prefix: for measuring and drawing alike.
    static constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;

    // The surface of `window`, created on first use.
    static EffectSurface* Of(QWidget* window);

    // Shows `frame` at once (a synchronous repaint).
    void ShowFrame(const Frame& frame);

    const Frame& frame() const { return frame_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit EffectSurface(QWidget* window);

    Frame frame_;
};

} // namespace carbonym::ui
