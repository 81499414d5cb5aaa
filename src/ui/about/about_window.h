#pragma once

#include <QBasicTimer>
#include <QPointer>
#include <QWidget>

class QFrame;
class QPushButton;
class QWindow;

namespace carbonym::ui {

// The about window (frmAbout): always in front, centred when created, plays
// the text effect whenever it becomes the program's active window, and leaves
// the screen with a closing animation: it collapses to a strip, slides up to
// the top edge and off to the right. Deletes itself when closed.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    AboutWindow();

    // The caption the closing animation shows while the window slides away.
    static QString ClosingCaption();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Enter and Space press 确定.
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Centres the window on the screen, `frame` around it.
    void Centre(const QMargins& frame);
    void OnFocusWindowChanged(QWindow* window);
    void PlayEffect();
    void PlayClosingAnimation();

    QPushButton* okButton_; // 确定
    QFrame* strip_; // the strip the window collapses to

    // The program's window that had the focus last; another program taking
    // the focus leaves it as it was.
    QPointer<QWindow> lastActive_;
    bool pressed_ = false;
    bool closing_ = false;
    bool framed_ = false; // centred by its outer frame
    QBasicTimer frameTimer_;
    int frameChecks_ = 0;
};

} // namespace carbonym::ui
