// Whatever a user pastes goes through the boxes to the commands and back:
// megabytes of it, lines of a megabyte, every plane of Unicode, unpaired
// surrogates, NUL characters, lone carriage returns. The window must give
// what the commands give on the text the box holds, and stay usable.

#include "test_support.h"
#include "translation/display_mode.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"
#include "ui/main/main_window.h"
#include "ui/platform/message_box.h"
#include "window_driver.h"

namespace carbonym::ui {

using carbonym::test::HostileLine;
using carbonym::test::Repeat;
using namespace carbonym::ui::test;

class HostileTextTest : public QObject {
    Q_OBJECT

private:
    carbonym::test::TempDir directory_;
    std::filesystem::path dictionary_ = directory_ / "source.dat";
    MessageRecorder messages_;

private slots:
    void init()
    {
        carbonym::test::WriteDictionaryFile(dictionary_,
                                            {{"Benzoic acid", "苯甲酸"}, {"ethyl ester", "乙酯"}, {"amino", "氨基"}});
        messages_.Clear();
    }

    void everyCommandOnTenMegabytes()
    {
        const std::u16string name = u"Benzoic acid, 4-amino-, ethyl ester";
        const std::u16string longLine = Repeat(u"4-amino-, ", 110'000); // a megabyte as UTF-8
        const std::u16string pasted = Repeat(Repeat(HostileLine() + u"\r\n", 1000) + name + u"\r", 80) + longLine;
        QVERIFY(pasted.size() * 2 > 10'000'000);

        MainWindow window(dictionary_);
        ShowAndActivate(window);
        TextBox* const source = Box(window, "sourceBox");
        TextBox* const result = Box(window, "resultBox");
        source->SetText(pasted);
        const std::u16string held = source->Text();

        Choose(window, "translateAction");
        const auto translated = TranslateCommand(held, dictionary_);
        QCOMPARE(translated.Status, TranslateStatus::Translated);
        QVERIFY(result->Text() == translated.Result.Text);
        QCOMPARE(result->SelectionStart(), translated.Result.Caret);

        Choose(window, "sortAction");
        const std::u16string reordered = ReorderText(translated.Result.Text);
        QVERIFY(result->Text() == reordered);

        Choose(window, "displayAction");
        QVERIFY(result->Text() == ToBilingual(reordered, held));
        Choose(window, "displayAction");
        QVERIFY(result->Text() == ToChineseOnly(ToBilingual(reordered, held)));
        QVERIFY(messages_.Messages().isEmpty());

        // Still usable: a short list right after.
        source->SetText(name);
        Choose(window, "translateAction");
        QVERIFY(result->Text() == u"苯甲酸, 4-氨基-, 乙酯");
    }
};

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::HostileTextTest)
#include "hostile_text_test.moc"
