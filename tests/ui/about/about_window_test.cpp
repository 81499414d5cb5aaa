#include "ui/about/about_window.h"
#include "ui/about/effect_surface.h"
#include "ui/about/open_about_window.h"
#include "ui/about/text_effect.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <vector>

using namespace carbonym::ui;

namespace {

AboutWindow* FindAboutWindow()
{
    AboutWindow* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<AboutWindow*>(widget); about && !about->testAttribute(Qt::WA_WState_Hidden)) {
            if (found)
                return nullptr; // more than one
            found = about;
        }
    }
    return found;
}

// Counts the frames the effect paints on a window.
class FrameCounter : public QObject {
public:
    explicit FrameCounter(QWidget* window) { window->findChild<EffectSurface*>()->installEventFilter(this); }
    int frames = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        frames += event->type() == QEvent::Paint;
        return false;
    }
};

// Records the window's outer geometry and caption at every move and resize.
class GeometryRecorder : public QObject {
public:
    struct Sample {
        QRect outer;
        QString caption;
    };

    explicit GeometryRecorder(QWidget* window) : window_(window) { window->installEventFilter(this); }
    std::vector<Sample> samples;
    bool hidden = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            samples.push_back({window_->frameGeometry(), window_->windowTitle()});
        hidden = hidden || event->type() == QEvent::Hide;
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Frames without waiting: the clock runs 10 ms further at each reading.
        SetEffectClock([this] { return now_ += 10; });
        main_ = new QWidget;
        main_->setWindowTitle(QStringLiteral("Carbonym"));
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_));
    }

    void cleanup()
    {
        if (QPointer<AboutWindow> about = FindAboutWindow()) {
            about->close();
            QTRY_VERIFY(!about);
        }
        delete main_;
        SetEffectClock({});
    }

    void opensOneTopmostWindowCentredEveryTime()
    {
        OpenAboutWindow();
        QPointer<AboutWindow> about = FindAboutWindow();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        OpenAboutWindow();
        QCOMPARE(FindAboutWindow(), about.data());

        const Qt::WindowFlags flags = about->windowFlags();
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(about->parentWidget(), nullptr);
        QCOMPARE(about->size(), QSize(312, 177));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(about->findChild<QPushButton*>()->text(), QStringLiteral("确定"));
        QVERIFY(about->windowTitle().startsWith(QStringLiteral("Carbonym 翻译  ")));

        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((about->frameGeometry().center() - centre).manhattanLength() <= 2);

        about->move(10, 10);
        about->close();
        QTRY_VERIFY(!about);
        OpenAboutWindow();
        QVERIFY(FindAboutWindow());
        QVERIFY((FindAboutWindow()->frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void closesWithTheAnimation_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("确定") << QStringLiteral("button");
        QTest::newRow("surface") << QStringLiteral("surface");
        QTest::newRow("close button") << QStringLiteral("close button");
        QTest::newRow("Enter") << QStringLiteral("Enter");
        QTest::newRow("Space") << QStringLiteral("Space");
    }

    void closesWithTheAnimation()
    {
        QFETCH(QString, how);
        QPointer<AboutWindow> about = Open();
        const QRect start = about->frameGeometry();
        GeometryRecorder recorder(about);

        if (how == QStringLiteral("button"))
            QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
        else if (how == QStringLiteral("surface"))
            QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, QPoint(20, 60));
        else if (how == QStringLiteral("Enter") || how == QStringLiteral("Space")) {
            QWidget* const focus = about->focusWidget() ? about->focusWidget() : about.data();
            QTest::keyClick(focus, how == QStringLiteral("Enter") ? Qt::Key_Return : Qt::Key_Space);
        } else
            about->windowHandle()->close();
        QTRY_VERIFY(!about);
        QVERIFY(recorder.hidden);

        // Collapse: the height shrinks in steps of 40 twips to the strip's 5 pixels.
        const auto& samples = recorder.samples;
        size_t i = 0;
        int height = start.height();
        for (; i < samples.size() && samples[i].caption != AboutWindow::ClosingCaption(); ++i) {
            QCOMPARE(samples[i].outer.topLeft(), start.topLeft());
            QVERIFY(samples[i].outer.height() <= height);
            QVERIFY(height - samples[i].outer.height() <= 3);
            height = samples[i].outer.height();
        }
        QCOMPARE(height, 5);
        // Slide up in steps of 50 twips to just below the top edge, then right
        // along it until off the screen.
        int top = start.top();
        for (; i < samples.size() && samples[i].outer.top() > 0; ++i) {
            QCOMPARE(samples[i].outer.left(), start.left());
            QCOMPARE(samples[i].outer.height(), 5);
            QVERIFY(samples[i].outer.top() <= top && top - samples[i].outer.top() <= 4);
            top = samples[i].outer.top();
        }
        QVERIFY(top <= 4);
        int left = start.left();
        for (; i < samples.size(); ++i) {
            QCOMPARE(samples[i].outer.top(), 0);
            QCOMPARE(samples[i].caption, AboutWindow::ClosingCaption());
            QVERIFY(samples[i].outer.left() >= left && samples[i].outer.left() - left <= 7);
            left = samples[i].outer.left();
        }
        QVERIFY(left >= QGuiApplication::primaryScreen()->geometry().width() - 7);
    }

    void clicksOnLabelsAndTheStripDoNotClose()
    {
        QPointer<AboutWindow> about = Open();
        // Clicked where the user clicks: through the window, past the
        // effect's surface that lies over everything.
        std::vector<QPoint> points{QPoint(150, 2)}; // the strip
        for (QLabel* label : about->findChildren<QLabel*>())
            points.push_back(label->geometry().center());
        QCOMPARE(points.size(), size_t(5));
        for (const QPoint& point : points) {
            QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, point);
            QTest::qWait(20);
            QVERIFY2(about && about->isVisible(),
                     qPrintable(QStringLiteral("closed by a click at %1, %2").arg(point.x()).arg(point.y())));
        }
    }

    void effectReplaysOnlyAfterAnotherWindowOfTheProgram()
    {
        QPointer<AboutWindow> about = Open();
        FrameCounter counter(about);

        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_));
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTRY_VERIFY(counter.frames >= 140);

        // Another program takes the focus and gives it back: no replay.
        const int frames = counter.frames;
        emit qApp->focusWindowChanged(nullptr);
        emit qApp->focusWindowChanged(about->windowHandle());
        QTest::qWait(50);
        QVERIFY(counter.frames - frames < 140);
    }

    void closingInTheMiddleOfTheEffectEndsIt()
    {
        // A clock that hardly moves: the effect lasts until the window goes.
        int reads = 0;
        SetEffectClock([&reads] { return static_cast<std::uint32_t>(++reads / 1000); });
        int readsWhenHidden = -1;
        QTimer::singleShot(100, this, [&] {
            AboutWindow* about = FindAboutWindow();
            QVERIFY(about);
            QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
            readsWhenHidden = reads;
        });
        OpenAboutWindow();
        QPointer<AboutWindow> about = FindAboutWindow();
        QTRY_VERIFY(!about);
        QVERIFY(readsWhenHidden > 0);
        QCOMPARE(reads, readsWhenHidden); // the effect read its clock no more
        QVERIFY(reads < 1000 * 20 * 140);
    }

private:
    // Opens the about window and lets its first effect end.
    QPointer<AboutWindow> Open()
    {
        OpenAboutWindow();
        QPointer<AboutWindow> about = FindAboutWindow();
        if (!about || !QTest::qWaitForWindowActive(about))
            return nullptr;
        QTest::qWait(50);
        return about;
    }

    std::uint32_t now_ = 0;
    QWidget* main_ = nullptr;
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
