// carbonym-english-left-screenshot: draws the main window after 翻译 and 排序
// by naming rules, with the English the dictionary left marked, into a PNG
// (scripts/screenshot runs it under a virtual X server).

#include "dictionary/dictionary_file.h"
#include "dictionary/term_record.h"
#include "ui/main/main_window.h"
#include "ui/platform/text_box.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

// Longest term first, as the dictionary keeps them; "glycidyl" and
// "glycolate" are missing.
const std::vector<std::pair<std::u16string, std::u16string>> kDictionary{
    {u"methylbenzenesulfonate", u"甲基苯磺酸酯"},
    {u"chlorobenzoate", u"氯苯甲酸酯"},
    {u"hydrochloride", u"盐酸盐"},
    {u"triethylamine", u"三乙胺"},
    {u"Benzoic acid", u"苯甲酸"},
    {u"chlorophenyl", u"氯苯基"},
    {u"ethyl ester", u"乙酯"},
    {u"acetate", u"乙酸酯"},
    {u"sodium", u"钠"},
    {u"methyl", u"甲基"},
    {u"amino", u"氨基"},
    {u"butyl", u"丁基"},
    {u"ether", u"醚"},
    {u"ethyl", u"乙基"},
    {u"oxide", u"氧化物"},
    {u"zinc", u"锌"},
};

const std::u16string kSource = u"Benzoic acid, 4-amino-, ethyl ester\r\n"
                               u"methyl 4-chlorobenzoate\r\n"
                               u"4-chlorophenyl acetate\r\n"
                               u"triethylamine hydrochloride\r\n"
                               u"butyl glycidyl ether\r\n"
                               u"sodium 4-methylbenzenesulfonate\r\n"
                               u"zinc oxide\r\n"
                               u"ethyl glycolate";

void Trigger(QWidget& window, const char* action)
{
    window.findChild<QAction*>(QLatin1String(action))->trigger();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "用法：carbonym-english-left-screenshot 输出.png\n");
        return 2;
    }
    QTemporaryDir directory;
    // The choice of order is the picture's own, not the user's.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory.path());
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
    Trigger(window, "sortByRulesAction");
    Trigger(window, "translateAction");
    Trigger(window, "sortAction");
    for (int i = 0; i < 20; ++i)
        app.processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "无法写入 %s\n", argv[1]);
        return 1;
    }
    return 0;
}
