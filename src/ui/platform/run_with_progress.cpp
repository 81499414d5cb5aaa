#include "ui/platform/run_with_progress.h"

#include "ui/platform/program_exit.h"
#include "ui/platform/program_title.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

#include <exception>

namespace carbonym::ui {

namespace {

constexpr qint64 kQuietMilliseconds = 500;

// A modal notice with a busy bar that the user cannot dismiss: the work
// cannot be stopped half-way, and its result is needed.
class BusyDialog final : public QDialog {
public:
    BusyDialog(QWidget* parent, const QString& label)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    {
        setObjectName(QStringLiteral("BusyDialog"));
        setWindowTitle(ProgramTitle());
        setModal(true);
        auto* const layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(label, this));
        auto* const bar = new QProgressBar(this);
        bar->setRange(0, 0);
        bar->setTextVisible(false);
        layout->addWidget(bar);
        setMinimumWidth(300);
    }

    void reject() override { }

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

BusyNotice::BusyNotice(QWidget* parent, QString label) : parent_(parent), label_(std::move(label))
{
    elapsed_.start();
}

BusyNotice::~BusyNotice() = default;

void BusyNotice::Close()
{
    dialog_.reset();
}

qint64 BusyNotice::FillMilliseconds(size_t characters)
{
    // About 8,000 characters a millisecond measured with marks; half that
    // for slower machines.
    return static_cast<qint64>(characters / 4000);
}

void BusyNotice::Show()
{
    if (dialog_)
        return;
    dialog_ = std::make_unique<BusyDialog>(parent_, label_);
    dialog_->show();
}

void BusyNotice::Run(const std::function<void()>& work)
{
    std::exception_ptr failure;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    thread->start();
    const qint64 quiet = dialog_ ? 0 : std::max<qint64>(0, kQuietMilliseconds - elapsed_.elapsed());
    if (!thread->wait(QDeadlineTimer(quiet))) {
        QEventLoop loop;
        QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
        if (!thread->isFinished()) {
            Show();
            loop.exec();
        }
        // The loop also returns when the application quits (the session
        // ends); the worker cannot be abandoned, so the program ends now.
        if (!thread->isFinished())
            EndProgram();
    }
    thread->wait();
    if (failure)
        std::rethrow_exception(failure);
}

void BusyNotice::BeforeStep(qint64 milliseconds)
{
    if (dialog_ || elapsed_.elapsed() + milliseconds <= kQuietMilliseconds)
        return;
    Show();
    // The step lets no event through: the notice is mapped by the window
    // manager and drawn now, or the user would see an empty frame. A tenth
    // of a second at most is spent waiting for it.
    QElapsedTimer waited;
    waited.start();
    QWindow* const window = dialog_->windowHandle();
    while (window && !window->isExposed() && waited.elapsed() < 100) {
        QGuiApplication::sync();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    dialog_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::sync();
}

void RunWithProgress(QWidget* parent, const QString& label, const std::function<void()>& work)
{
    BusyNotice(parent, label).Run(work);
}

} // namespace carbonym::ui
