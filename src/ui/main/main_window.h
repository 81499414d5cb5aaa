#pragma once

#include "dictionary/dictionary_path.h"
#include "ui/platform/clipboard.h"

#include <QMainWindow>

#include <filesystem>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QTimer;

namespace carbonym {
struct SortedTranslation;
}

namespace carbonym::ui {

class BusyNotice;
class TextBox;

// The program's window: the source box, the result box and the menu bar of
// every command. Closing it ends the program.
//
// The window keeps what the result was made from: the English it
// translated, the translation before sorting and, after 排序, the source
// line of each sorted line. So 中英文 and the export pair every Chinese line
// with its own English line, the result is marked out of date once the
// English box changes, and ticking 按命名规则排序 re-orders a sorted result
// from the translation rather than from the sorted text.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(std::filesystem::path dictionary = DictionaryPath(), Clipboard& clipboard = SystemClipboard());

    // Saves the source and result boxes as two CSV columns, English and
    // Chinese, with a byte order mark for spreadsheet programs, and says so
    // in the line under the boxes. Refuses, with a message, an empty result,
    // a result of English changed since, and one whose lines no longer
    // match the English lines; returns false then.
    bool ExportPairs(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Display { ChineseOnly, Bilingual };

    void CreateControls();
    void CreateMenus();
    void PlaceOnScreen();

    void Translate();
    void Sort();
    // Sorts behind `notice`: from the kept translation and its English, or
    // the text `shown` as it stands; false after a message when the
    // dictionary cannot be read.
    bool RunSort(BusyNotice& notice, bool fromTranslation, bool byRules, const std::u16string& shown,
                 SortedTranslation& sorted);
    void SwitchDisplay();
    void SortByRulesToggled(bool checked);
    void SelectNextEnglish();
    void SetFontSize(int points);
    void UndoDictionaryChange();
    void UpdateUndoAction();
    void ChooseExportFile();

    // Puts `text` into the result box as the program's own (not a user's
    // edit) and marks the English left in it.
    void ShowResult(const std::u16string& text, size_t caret);
    // The Chinese lines of the result box now, whichever the display.
    std::u16string ShownChinese() const;
    // Why the result box cannot be paired line by line with the English box
    // now (empty when it can), and the Chinese lines put on their source
    // lines when it can.
    QString PairingProblem(const std::u16string& chinese) const;
    std::u16string OnSourceLines(const std::u16string& chinese) const;
    void MarkEnglishLeft();
    void ShowStatus();

    std::filesystem::path dictionary_;
    TextBox* sourceBox_ = nullptr;
    TextBox* resultBox_ = nullptr;
    QAction* sortAction_ = nullptr;
    QAction* displayAction_ = nullptr;
    QAction* sortByRulesAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QMenu* fontMenu_ = nullptr;
    QTimer* recount_ = nullptr;

    Display display_ = Display::ChineseOnly;
    bool translated_ = false; // the result box holds a translation
    bool sorted_ = false;
    bool sourceChanged_ = false; // the English box changed after the translation
    bool resultEdited_ = false; // the user changed the result box after the program did
    bool settingResult_ = false;
    std::u16string translation_; // the result of the last 翻译, before sorting
    std::u16string translatedSource_; // the English that translation_ was made from
    std::u16string chinese_; // the Chinese-only result the program last showed
    std::vector<size_t> sources_; // after 排序: the source line of each result line
    size_t englishLines_ = 0; // result lines that still hold English
    size_t orderedOtherwise_ = 0; // after a plain 排序: lines the naming rules would give otherwise
    QString report_; // the outcome of the last export, until the next change
};

} // namespace carbonym::ui
