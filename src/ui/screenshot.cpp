// carbonym-screenshot: draws the main window after a sample translation into
// a PNG (scripts/screenshot runs it under a virtual X server).

#include "dictionary/dictionary_file.h"
#include "dictionary/term_record.h"
#include "ui/main/main_window.h"
#include "ui/platform/text_box.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

const std::vector<std::pair<std::u16string, std::u16string>> kDictionary{
    {u"Benzoic acid", u"苯甲酸"}, {u"methyl ester", u"甲酯"}, {u"ethyl ester", u"乙酯"}, {u"Acetic acid", u"乙酸"},
    {u"hydroxy", u"羟基"},        {u"Butane", u"丁烷"},       {u"methyl", u"甲基"},      {u"amino", u"氨基"},
};

const std::u16string kSource = u"Benzoic acid, 4-amino-, ethyl ester\r\n"
                               u"Benzoic acid, 2-hydroxy-, methyl ester\r\n"
                               u"Butane, 2-methyl-\r\n"
                               u"Acetic acid, ethyl ester";

void Trigger(QWidget& window, const char* action)
{
    window.findChild<QAction*>(QLatin1String(action))->trigger();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "用法：carbonym-screenshot 输出.png\n");
        return 2;
    }
    QTemporaryDir directory;
    const std::filesystem::path dictionary = directory.filePath(QStringLiteral("source.dat")).toStdString();
    {
        carbonym::DictionaryFile file(dictionary);
        int64_t n = 0;
        for (const auto& [english, chinese] : kDictionary)
            file.Write(++n, carbonym::MakeRecord(english, chinese));
    }

    carbonym::ui::MainWindow window(dictionary);
    window.show();
    window.findChild<carbonym::ui::TextBox*>(QStringLiteral("sourceBox"))->SetText(kSource);
    Trigger(window, "translateAction");
    Trigger(window, "sortAction");
    Trigger(window, "displayAction");
    for (int i = 0; i < 20; ++i)
        app.processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "无法写入 %s\n", argv[1]);
        return 1;
    }
    return 0;
}
