#include "ui/platform/run_with_progress.h"

#include "ui/platform/program_exit.h"
#include "ui/platform/program_title.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>

#include <exception>
#include <memory>

namespace carbonym::ui {

namespace {

constexpr int kQuietMilliseconds = 500;

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

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

void RunWithProgress(QWidget* parent, const QString& label, const std::function<void()>& work)
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
    if (!thread->wait(QDeadlineTimer(kQuietMilliseconds))) {
        BusyDialog dialog(parent, label);
        QEventLoop loop;
        QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
        if (!thread->isFinished()) {
            dialog.show();
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

} // namespace carbonym::ui
