#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace carbonym::ui {

// The busy notice of one command, from its start to its end: a modal dialog
// with `label` and a busy bar that the user cannot dismiss, shown once the
// command has gone on for half a second, and kept up until the command
// ends (the notice goes with this object).
class BusyNotice {
public:
    BusyNotice(QWidget* parent, QString label);
    ~BusyNotice();
    BusyNotice(const BusyNotice&) = delete;
    BusyNotice& operator=(const BusyNotice&) = delete;

    // Runs `work` on a worker thread and returns when it has finished; an
    // exception it throws is thrown here again. While the command is within
    // its first half second nothing shows and no other event runs; after
    // that the notice is up and the window is drawn meanwhile. When the
    // program is asked to end meanwhile, it ends at once.
    void Run(const std::function<void()>& work);

    // Before a step on the user-interface thread that takes about
    // `milliseconds` (filling a box with a long text): when the command will
    // have gone on for more than half a second by its end, the notice is
    // shown now and drawn before the step begins, since nothing is drawn
    // during it.
    void BeforeStep(qint64 milliseconds);

    // Takes the notice down before the command ends (before a message).
    void Close();

    // The time a box takes to show `characters` of text, roughly.
    static qint64 FillMilliseconds(size_t characters);

private:
    void Show();

    QWidget* parent_;
    QString label_;
    QElapsedTimer elapsed_;
    std::unique_ptr<QDialog> dialog_;
};

// One piece of work with the notice: BusyNotice(parent, label).Run(work).
void RunWithProgress(QWidget* parent, const QString& label, const std::function<void()>& work);

} // namespace carbonym::ui
