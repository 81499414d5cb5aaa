#pragma once

#include "dictionary/dictionary_path.h"
#include "ui/platform/clipboard.h"

#include <QMainWindow>

#include <filesystem>

class QAction;

namespace carbonym::ui {

class TextBox;

// The program's window: the source box, the result box and the menu bar of
// every command. Closing it ends the program.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(std::filesystem::path dictionary = DictionaryPath(),
                        Clipboard& clipboard = SystemClipboard());

    // Saves the source and result boxes as two CSV columns, English and
    // Chinese, with a byte order mark for spreadsheet programs; says why
    // when it cannot, and returns false then.
    bool ExportPairs(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void PlaceOnScreen();

    void Translate();
    void Sort();
    void SwitchDisplay();
    void MarkEnglishLeft();
    void SetFontSize(int points);
    void ChooseExportFile();

    std::filesystem::path dictionary_;
    TextBox* textS_ = nullptr;
    TextBox* textD_ = nullptr;
    QAction* sort_ = nullptr;
    QAction* display_ = nullptr;
    QAction* sortByRules_ = nullptr;
};

} // namespace carbonym::ui
