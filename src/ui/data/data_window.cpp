#include "ui/data/data_window.h"

#include "dictionary/add_commands.h"
#include "dictionary/add_terms.h"
#include "dictionary/dictionary_path.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/show_record.h"
#include "text/case_fold.h"
#include "text/trim.h"
#include "ui/messages.h"
#include "ui/platform/dictionary_messages.h"
#include "ui/platform/message_box.h"
#include "ui/data/run_dictionary_change.h"
#include "ui/platform/run_with_progress.h"
#include "ui/platform/song_font.h"
#include "ui/platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <climits>
#include <optional>

namespace carbonym::ui {

namespace {

struct FoundRecord {
    int64_t Number = 0;
    int Length = 0;
    std::u16string English;
};

// The record of an English term just added: its first line, trimmed, as
// the add stores it, letter case aside.
std::optional<FoundRecord> FindRecord(const std::filesystem::path& dictionary, std::u16string_view english)
{
    const auto end = english.find_first_of(u"\r\n");
    const std::u16string wanted = FoldCase(Trim(english.substr(0, end)));
    try {
        const auto records = ReadExistingDictionary(dictionary);
        for (size_t i = 0; i < records.size(); ++i) {
            const std::u16string stored(Trim(records[i].English));
            if (!stored.empty()
                && (FoldCase(stored) == wanted || (stored.size() == 64 && wanted.starts_with(FoldCase(stored)))))
                return FoundRecord{static_cast<int64_t>(i) + 1, records[i].Length, stored};
        }
    } catch (const std::exception&) {
        // The add has said what it did; the boxes stay as they were.
    }
    return std::nullopt;
}

QFont TimesNewRoman(int points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Times);
    font.setPointSize(points);
    font.setWeight(QFont::Normal);
    return font;
}

template <typename Control>
Control* Place(QWidget* window, const char* name, QRect geometry)
{
    auto* control = new Control(window);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

QLabel* PlaceLabel(QWidget* window, const char* name, const QString& caption, QRect geometry)
{
    auto* label = Place<QLabel>(window, name, geometry);
    label->setText(caption);
    return label;
}

QPushButton* PlaceButton(QWidget* window, const char* name, const QString& caption, QRect geometry)
{
    auto* button = Place<QPushButton>(window, name, geometry);
    button->setText(caption);
    return button;
}

// Each change of the list's text sets its font to `points`, and only the size.
void KeepFontSize(QPlainTextEdit* list, int points)
{
    QObject::connect(list, &QPlainTextEdit::textChanged, list, [list, points] {
        if (list->font().pointSize() == points)
            return;
        QFont font = list->font();
        font.setPointSize(points);
        list->setFont(font);
    });
}

} // namespace

DataWindow::DataWindow(std::filesystem::path directory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      directory_(std::move(directory))
{
    setObjectName(QStringLiteral("addPage"));
    setWindowTitle(QStringLiteral("数据添加"));
    setFixedSize(TwipsRect(0, 0, 9435, 5865).size());

    // Created in tab order, which is also the focus order; labels take no focus.
    length_ = Place<QLineEdit>(this, "lengthBox", TwipsRect(960, 120, 1455, 375));
    length_->setFont(SongFont(12));
    english_ = Place<QLineEdit>(this, "englishBox", TwipsRect(960, 720, 5175, 375));
    english_->setFont(TimesNewRoman(12));
    chinese_ = Place<QLineEdit>(this, "chineseBox", TwipsRect(960, 1200, 5175, 375));
    chinese_->setFont(SongFont(12));
    // A pasted term longer than the 16-bit Length can count is refused with a
    // message by the add, not cut short here.
    english_->setMaxLength(INT_MAX);
    chinese_->setMaxLength(INT_MAX);
    auto* show = PlaceButton(this, "showButton", QStringLiteral("显示"), TwipsRect(6840, 120, 975, 375));
    show->setFont(SongFont(12));
    recordNumber_ = Place<QLineEdit>(this, "recordNumberBox", TwipsRect(5280, 120, 855, 375));
    recordNumber_->setFont(SongFont(12));
    // A record number is digits only.
    recordNumber_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), recordNumber_));
    auto* lengthLabel = PlaceLabel(this, "lengthLabel", QStringLiteral("长度："), TwipsRect(120, 240, 735, 255));
    lengthLabel->setFont(SongFont(12));
    PlaceLabel(this, "englishLabel", QStringLiteral("英文："), TwipsRect(120, 840, 735, 255))->setFont(SongFont(12));
    PlaceLabel(this, "chineseLabel", QStringLiteral("中文："), TwipsRect(120, 1320, 735, 255))->setFont(SongFont(12));
    auto* add = PlaceButton(this, "addButton", QStringLiteral("添加"), TwipsRect(6840, 720, 975, 375));
    add->setFont(SongFont(12));
    auto* numberLabel = PlaceLabel(this, "recordNumberLabel", QStringLiteral("记录号："),
                                   TwipsRect(4200, 240, 975, 255));
    numberLabel->setFont(SongFont(12));
    auto* batchAdd = PlaceButton(this, "batchAddButton", QStringLiteral("批量添加"), TwipsRect(6840, 1200, 975, 375));
    PlaceLabel(this, "englishListLabel", QStringLiteral("英文"), TwipsRect(360, 1680, 735, 255));
    PlaceLabel(this, "chineseListLabel", QStringLiteral("中文"), TwipsRect(5760, 1680, 735, 255));
    englishList_ = Place<QPlainTextEdit>(this, "englishList", TwipsRect(120, 1920, 5295, 3855));
    englishList_->setFont(SongFont(9));
    chineseList_ = Place<QPlainTextEdit>(this, "chineseList", TwipsRect(5520, 1920, 3855, 3855));
    // Lists of terms read best one term to a line, scrolled sideways.
    englishList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    chineseList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    KeepFontSize(englishList_, 8);
    KeepFontSize(chineseList_, 9);

    connect(show, &QPushButton::clicked, this, &DataWindow::ShowRecordCommand);
    connect(add, &QPushButton::clicked, this, &DataWindow::AddCommand);
    connect(batchAdd, &QPushButton::clicked, this, &DataWindow::BatchAddCommand);
}

QPoint DataWindow::PlaceBeside(const QRect& mainFrame, const QSize& size, const QRect& screen)
{
    constexpr int kGap = 8;
    const QRect right(QPoint(mainFrame.right() + 1 + kGap, mainFrame.top()), size);
    if (screen.contains(right))
        return right.topLeft();
    const QRect left(QPoint(mainFrame.left() - kGap - size.width(), mainFrame.top()), size);
    if (screen.contains(left))
        return left.topLeft();
    // No room on either side: as far to the side with more room as the
    // screen allows, below the main window's menu bar.
    const bool rightRoomier = screen.right() - mainFrame.right() >= mainFrame.left() - screen.left();
    QRect placed(
        QPoint(rightRoomier ? screen.right() + 1 - size.width() : screen.left(), mainFrame.top() + Pixels(800)), size);
    placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
    placed.moveTop(std::max(placed.top(), screen.top()));
    return placed.topLeft();
}

void DataWindow::ShowRecordCommand()
{
    const ShownRecord shown = ShowRecord(DictionaryPathIn(directory_), recordNumber_->text().toStdU16String());
    if (shown.Status != ShownRecord::Status::Found) {
        ShowMessage(this, QMessageBox::Information, ShowRecordMessage(shown), messages::Title());
        return;
    }
    length_->setText(QString::fromStdU16String(shown.Length));
    english_->setText(QString::fromStdU16String(shown.English));
    chinese_->setText(QString::fromStdU16String(shown.Chinese));
}

void DataWindow::AddCommand()
{
    const auto english = english_->text().toStdU16String();
    const auto chinese = chinese_->text().toStdU16String();
    const std::filesystem::path dictionary = DictionaryPathIn(directory_);
    AddOutcome outcome;
    QString failure;
    const ChangeResult result = RunDictionaryChange(
        this, dictionary,
        [&](const ChangeOptions& options) { outcome = AddTerm(dictionary, english, chinese, options); }, failure);
    if (result != ChangeResult::Ran) {
        if (result == ChangeResult::Failed)
            ShowMessage(this, QMessageBox::Information, messages::AddFailed(failure), messages::Title());
        return;
    }
    std::vector<QString> shown = AddMessages(outcome);
    // A new record: its number and length in the boxes, and named in the
    // message that says it was added.
    const bool inserted = outcome.Status == AddStatus::Inserted || outcome.Status == AddStatus::FirstRecord;
    const auto added = inserted ? FindRecord(dictionary, outcome.English) : std::nullopt;
    if (added) {
        recordNumber_->setText(QString::number(added->Number));
        length_->setText(QString::number(added->Length));
        if (!shown.empty())
            shown = {messages::Added(QString::fromStdU16String(added->English), added->Number)};
    }
    for (const QString& message : shown)
        ShowMessage(this, QMessageBox::Information, message.trimmed(), messages::Title());
}

void DataWindow::BatchAddCommand()
{
    const auto english = englishList_->toPlainText().toStdU16String();
    const auto chinese = chineseList_->toPlainText().toStdU16String();
    const std::filesystem::path dictionary = DictionaryPathIn(directory_);
    BoxBatchOutcome outcome;
    QString failure;
    const ChangeResult result = RunDictionaryChange(
        this, dictionary,
        [&](const ChangeOptions& options) { outcome = RunBatchAdd(directory_, english, chinese, options); }, failure);
    if (result == ChangeResult::Declined)
        return;
    if (result == ChangeResult::Failed) {
        ShowMessage(this, QMessageBox::Information, messages::AddFailed(failure), messages::Title());
        return;
    }
    QString message = BatchMessage(outcome).trimmed();
    // How many were added, and which terms were refused as stored already.
    const BatchOutcome& batch = outcome.Batch;
    if (outcome.Status == BoxBatchOutcome::Status::Ran && batch.Status == BatchOutcome::Status::Done
        && (batch.Added > 0 || !batch.Duplicates.empty())) {
        QStringList refused;
        for (const auto& refusal : batch.Duplicates)
            refused << QString::fromStdU16String(refusal.English);
        message += QLatin1Char('\n') + messages::BatchAdded(batch.Added, refused);
    }
    ShowMessage(this, QMessageBox::Information, message, messages::Title());
}

} // namespace carbonym::ui
