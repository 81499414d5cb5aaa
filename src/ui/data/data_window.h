#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <filesystem>

class QLineEdit;
class QPlainTextEdit;

namespace carbonym::ui {

// The data-entry window "数据添加" (ForDat): shows a dictionary record by its
// number and adds pairs, one from Text2 and Text3 or two parallel lists from
// the English list and RTB2. It keeps nothing between commands but its boxes' texts.
class DataWindow : public QWidget {
    Q_OBJECT

public:
    // `directory` holds source.dat and the batch's work files.
    explicit DataWindow(std::filesystem::path directory, QWidget* parent = nullptr);

    // Where a window of `size` goes when it is loaded: beside the main
    // window's frame, right of it where the screen has room, else left of
    // it; where neither side has room, at the screen's edge on the side
    // with more room, 800 twips below the main window's top (under its menu
    // bar).
    static QPoint PlaceBeside(const QRect& mainFrame, const QSize& size, const QRect& screen);

private:
    void ShowRecordCommand();
    void AddCommand();
    void BatchAddCommand();

    std::filesystem::path directory_;
    QLineEdit* length_ = nullptr; // the shown record's length
    QLineEdit* english_ = nullptr; // the English term
    QLineEdit* chinese_ = nullptr; // the Chinese term
    QLineEdit* recordNumber_ = nullptr; // the record number to show
    QPlainTextEdit* englishList_ = nullptr; // the English list
    QPlainTextEdit* chineseList_ = nullptr; // the Chinese list
};

} // namespace carbonym::ui
