#pragma once

#include <QPoint>
#include <QWidget>
#include "dictionary/dictionary_change.h"

#include <filesystem>
#include <optional>

class QLineEdit;
class QPlainTextEdit;

namespace carbonym::ui {

// The data-entry window "数据添加" (ForDat): shows a dictionary record by its
// number and adds pairs, one from Text2 and Text3 or two parallel lists from
// RTB1 and RTB2. It keeps nothing between commands but its boxes' texts.
class DataWindow : public QWidget {
    Q_OBJECT

public:
    // `directory` holds source.dat and the batch's work files.
    explicit DataWindow(std::filesystem::path directory, QWidget* parent = nullptr);

    // Where the window goes when it is loaded: 400 twips right of and 800
    // twips below the main window's top-left corner.
    static QPoint PlaceBeside(QPoint mainWindowPosition);

private:
    void ShowRecordCommand();
    void AddCommand();
    void BatchAddCommand();
    // The options of a change, after asking about a hard-linked dictionary;
    // none when the user declines.
    std::optional<ChangeOptions> AskChangeOptions();

    std::filesystem::path directory_;
    QLineEdit* length_ = nullptr; // Text1
    QLineEdit* english_ = nullptr; // Text2
    QLineEdit* chinese_ = nullptr; // Text3
    QLineEdit* recordNumber_ = nullptr; // Text4
    QPlainTextEdit* englishList_ = nullptr; // RTB1
    QPlainTextEdit* chineseList_ = nullptr; // RTB2
};

} // namespace carbonym::ui
