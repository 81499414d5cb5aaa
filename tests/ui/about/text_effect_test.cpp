#include "ui/about/effect_surface.h"
#include "ui/about/millisecond_clock.h"
#include "ui/about/text_effect.h"

#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

using namespace carbonym::ui;

namespace {

// Records every frame the surface paints, with the clock at that moment.
class FrameRecorder : public QObject {
public:
    explicit FrameRecorder(EffectSurface* surface) : surface_(surface) { surface->installEventFilter(this); }

    std::vector<EffectSurface::Frame> frames;
    std::vector<std::uint32_t> times;
    std::uint32_t now = 0;
    std::function<void(int)> onFrame; // called with the count of frames so far

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == surface_ && event->type() == QEvent::Paint) {
            frames.push_back(surface_->frame());
            times.push_back(now);
            if (onFrame)
                onFrame(static_cast<int>(frames.size()));
        }
        return false;
    }

private:
    EffectSurface* surface_;
};

} // namespace

class TextEffectTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        target_ = new QWidget;
        target_->resize(312, 177);
        target_->show();
        QVERIFY(QTest::qWaitForWindowExposed(target_));
        EffectSurface* surface = EffectSurface::Of(target_);
        QTest::qWait(10); // the surface's own first paint
        recorder_ = new FrameRecorder(surface);
        // A clock 1 ms further on at every reading, starting near its wrap.
        recorder_->now = 0xFFFFFA00u;
        SetEffectClock([this] { return recorder_->now++; });
    }

    void cleanup()
    {
        SetEffectClock({});
        delete recorder_;
        delete target_;
    }

    void runsEveryFrameAtLeast20msApartAcrossTheClockWrap()
    {
        AnimateTextSpacing(target_, QString(), 12, 12, false, 128, 0, QColor(128, 0, 0));
        QCOMPARE(recorder_->frames.size(), size_t(140));
        for (size_t i = 1; i < recorder_->times.size(); ++i)
            QVERIFY(ElapsedMilliseconds(recorder_->times[i - 1], recorder_->times[i]) >= 20);
        QVERIFY(recorder_->now < 0xFFFFFA00u); // the clock did wrap
        // An empty text covers a zero-high rectangle: nothing shows.
        QCOMPARE(EffectRect(), (PixelRect{12, 12, 16, 12}));
        QCOMPARE(recorder_->frames.front().erase, QRect(12, 12, 0, 0));
        QCOMPARE(recorder_->frames.back().erase, QRect(12, 12, 4, 0));
    }

    void measuresLinesAndMnemonicsAndCutsAtTheRightEdge()
    {
        const auto rectOf = [this](const QString& text) {
            AnimateTextSpacing(target_, text, 10, 20, false, 0, 0, QColor(Qt::black));
            return EffectRect();
        };
        const PixelRect plain = rectOf(QStringLiteral("Ab"));
        QCOMPARE(plain.left, 10);
        QCOMPARE(plain.top, 20);
        QCOMPARE(plain.right - plain.left, QFontMetrics(target_->font()).horizontalAdvance(QStringLiteral("Ab")) + 4);
        QVERIFY(plain.bottom > plain.top);

        QCOMPARE(rectOf(QStringLiteral("&Ab")), plain); // the "&" is not drawn
        const PixelRect twoLines = rectOf(QStringLiteral("Ab\r\nAb"));
        QCOMPARE(twoLines.right, plain.right);
        QVERIFY(twoLines.bottom - twoLines.top >= 2 * (plain.bottom - plain.top) - 2);

        QCOMPARE(rectOf(QString(200, QLatin1Char('W'))).right, target_->width());
        const auto& last = recorder_->frames.back();
        QCOMPARE(last.textRect.right() + 1, target_->width());
        QCOMPARE(last.font.letterSpacing(), 0.0);
        QCOMPARE(last.font.letterSpacingType(), QFont::AbsoluteSpacing);
    }

    void translatesTheColourOnceAndErasesInTheBackground()
    {
        AnimateTextSpacing(target_, QStringLiteral("x"), 0, 0, false, 0, 0, QPalette::Highlight);
        QCOMPARE(recorder_->frames.back().textColor, target_->palette().color(QPalette::Highlight));
        QCOMPARE(recorder_->frames.back().eraseColor, target_->palette().color(QPalette::Window));
        AnimateTextSpacing(target_, QStringLiteral("x"), 0, 0, false, 0, 0, QColor());
        QCOMPARE(recorder_->frames.back().textColor, QColor(Qt::black));
    }

    void returnsAtTheNextWaitOnceTheTargetIsHidden()
    {
        recorder_->onFrame = [this](int count) {
            if (count == 10)
                target_->hide();
        };
        AnimateTextSpacing(target_, QStringLiteral("x"), 0, 0, true, 0, 0, QColor(Qt::black));
        QCOMPARE(recorder_->frames.size(), size_t(10));
    }

    void returnsWhenTheTargetIsDestroyedInAWait()
    {
        recorder_->onFrame = [this](int count) {
            if (count == 5)
                QTimer::singleShot(0, this, [this] {
                    delete recorder_;
                    recorder_ = nullptr;
                    delete target_;
                    target_ = nullptr;
                });
        };
        std::uint32_t now = 0;
        SetEffectClock([&now] { return now += 5; });
        AnimateTextSpacing(target_, QStringLiteral("x"), 0, 0, true, 0, 0, QColor(Qt::black));
        QVERIFY(!target_);
    }

    void nestedRunsShareTheRectangle()
    {
        recorder_->onFrame = [this](int count) {
            if (count == 3)
                QTimer::singleShot(0, this, [this] {
                    AnimateTextSpacing(target_, QString(), 40, 50, false, 0, 0, QColor(Qt::black));
                });
        };
        AnimateTextSpacing(target_, QStringLiteral("Outer"), 5, 5, false, 0, 0, QColor(Qt::black));
        const auto& frames = recorder_->frames;
        QCOMPARE(frames.size(), size_t(24));
        QCOMPARE(frames[3].text, QString()); // the nested run's first frame
        QCOMPARE(frames[3].erase, QRect(40, 50, 0, 0));
        // The outer run goes on from the nested one's rectangle, corner and all.
        QCOMPARE(frames[15].text, QStringLiteral("Outer"));
        QCOMPARE(frames[15].erase, QRect(40, 50, 4, 0));
        QCOMPARE(frames[15].textRect.topLeft(), QPoint(40, 50));
    }

private:
    QWidget* target_ = nullptr;
    FrameRecorder* recorder_ = nullptr;
};

QTEST_MAIN(TextEffectTest)
#include "text_effect_test.moc"
