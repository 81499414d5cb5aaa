// text_box_bench: how long the main window's result box takes to receive,
// show and give back a long list (about 5 MB of text), and what the CR LF
// conversion costs of it.
//
//     build/bin/text_box_bench [LINES]

#include "ui/platform/qt_text.h"
#include "ui/platform/text_box.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using carbonym::ui::FromQtText;
using carbonym::ui::TextBox;
using carbonym::ui::ToQtText;

std::u16string LongList(int lines)
{
    std::u16string text;
    for (int i = 0; i < lines; ++i) {
        const std::string number = std::to_string(100000 + i);
        text += u"4-氨基-苯甲酸乙酯 Benzoic acid, 4-amino-, ethyl ester ";
        text.append(number.begin(), number.end());
        text += u"\r\n";
    }
    return text;
}

// The median of five runs of `run`, each after `prepare`, in milliseconds.
void Measure(const char* name, const std::function<void()>& prepare, const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s %8.1f ms\n", name, times[2]);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::u16string text = LongList(lines);
    std::printf("%d lines, %zu characters (%.1f MB as UTF-8)\n", lines, text.size(),
                static_cast<double>(QString::fromStdU16String(text).toUtf8().size()) / 1e6);

    const auto nothing = [] {};
    QString qtText;
    Measure("CR LF to Qt (ToQtText)", nothing, [&] { qtText = ToQtText(text); });
    Measure("Qt to CR LF (FromQtText)", nothing, [&] { (void)FromQtText(qtText); });

    TextBox box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.resize(665, 217);
    box.show();
    const auto empty = [&] {
        box.SetText(u"");
        QCoreApplication::processEvents();
    };
    const auto full = [&] {
        box.SetText(text);
        QCoreApplication::processEvents();
    };
    Measure("SetText into an empty box", empty, [&] { box.SetText(text); });
    Measure("SetText over the same text", full, [&] { box.SetText(text); });
    Measure("SetText, caret at the end, painted", empty, [&] {
        box.SetText(text, text.size());
        QCoreApplication::processEvents();
    });
    Measure("Text", nothing, [&] { (void)box.Text(); });
    Measure("SetSelectionStart + SelectionStart near end", nothing, [&] {
        box.SetSelectionStart(text.size() - 3);
        (void)box.SelectionStart();
    });
    return 0;
}
