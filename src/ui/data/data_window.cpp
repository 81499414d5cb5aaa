#include "ui/data/data_window.h"

#include "dictionary/add_commands.h"
#include "dictionary/dictionary_path.h"
#include "dictionary/show_record.h"
#include "ui/platform/dictionary_messages.h"
#include "ui/platform/message_box.h"
#include "ui/data/run_dictionary_change.h"
#include "ui/platform/run_with_progress.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <climits>

namespace carbonym::ui {

namespace {

// Geometry is laid out in twips, 15 to a pixel at 96 dots per inch.
constexpr double kTwipsPerPixel = 15.0;

int Pixels(int twips)
{
    return qRound(twips / kTwipsPerPixel);
}

QRect Twips(int left, int top, int width, int height)
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QFont SongTi(int points)
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(points);
    font.setWeight(QFont::Normal);
    return font;
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
    setObjectName(QStringLiteral("ForDat"));
    setWindowTitle(QStringLiteral("数据添加"));
    setFixedSize(Twips(0, 0, 9435, 5865).size());

    // Created in tab order, which is also the focus order; labels take no focus.
    length_ = Place<QLineEdit>(this, "Text1", Twips(960, 120, 1455, 375));
    length_->setFont(SongTi(12));
    english_ = Place<QLineEdit>(this, "Text2", Twips(960, 720, 5175, 375));
    english_->setFont(TimesNewRoman(12));
    chinese_ = Place<QLineEdit>(this, "Text3", Twips(960, 1200, 5175, 375));
    chinese_->setFont(SongTi(12));
    // A pasted term longer than the 16-bit Length can count is refused with a
    // message by the add, not cut short here.
    english_->setMaxLength(INT_MAX);
    chinese_->setMaxLength(INT_MAX);
    auto* show = PlaceButton(this, "Command1", QStringLiteral("显示"), Twips(6840, 120, 975, 375));
    show->setFont(SongTi(12));
    recordNumber_ = Place<QLineEdit>(this, "Text4", Twips(5280, 120, 855, 375));
    recordNumber_->setFont(SongTi(12));
    auto* lengthLabel = PlaceLabel(this, "Label1", QStringLiteral("长度："), Twips(120, 240, 735, 255));
    lengthLabel->setProperty("index", 0);
    lengthLabel->setFont(SongTi(12));
    PlaceLabel(this, "Label2", QStringLiteral("英文："), Twips(120, 840, 735, 255))->setFont(SongTi(12));
    PlaceLabel(this, "Label3", QStringLiteral("中文："), Twips(120, 1320, 735, 255))->setFont(SongTi(12));
    auto* add = PlaceButton(this, "Command2", QStringLiteral("添加"), Twips(6840, 720, 975, 375));
    add->setFont(SongTi(12));
    auto* numberLabel = PlaceLabel(this, "Label1", QStringLiteral("记录号："), Twips(4200, 240, 975, 255));
    numberLabel->setProperty("index", 1);
    numberLabel->setFont(SongTi(12));
    auto* batchAdd = PlaceButton(this, "Command3", QStringLiteral("批量添加"), Twips(6840, 1200, 975, 375));
    PlaceLabel(this, "Label4", QStringLiteral("英文"), Twips(360, 1680, 735, 255));
    PlaceLabel(this, "Label5", QStringLiteral("中文"), Twips(5760, 1680, 735, 255));
    englishList_ = Place<QPlainTextEdit>(this, "RTB1", Twips(120, 1920, 5295, 3855));
    englishList_->setFont(SongTi(9));
    chineseList_ = Place<QPlainTextEdit>(this, "RTB2", Twips(5520, 1920, 3855, 3855));
    // Lists of terms read best one term to a line, scrolled sideways.
    englishList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    chineseList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    KeepFontSize(englishList_, 8);
    KeepFontSize(chineseList_, 9);

    connect(show, &QPushButton::clicked, this, &DataWindow::ShowRecordCommand);
    connect(add, &QPushButton::clicked, this, &DataWindow::AddCommand);
    connect(batchAdd, &QPushButton::clicked, this, &DataWindow::BatchAddCommand);
}

QPoint DataWindow::PlaceBeside(QPoint mainWindowPosition)
{
    return mainWindowPosition + QPoint(Pixels(400), Pixels(800));
}

void DataWindow::ShowRecordCommand()
{
    const ShownRecord shown = ShowRecord(DictionaryPathIn(directory_), recordNumber_->text().toStdU16String());
    if (shown.Status != ShownRecord::Status::Found) {
        ShowMessage(this, QMessageBox::Information, ShowRecordMessage(shown), QStringLiteral("提示"));
        return;
    }
    length_->setText(QString::fromStdU16String(shown.Length));
    english_->setText(QString::fromStdU16String(shown.English));
    chinese_->setText(QString::fromStdU16String(shown.Chinese));
}

std::optional<ChangeOptions> DataWindow::AskChangeOptions()
{
    ChangeOptions options;
    if (HasOtherHardLinks(DictionaryPathIn(directory_))) {
        if (!AskQuestion(this, QString::fromUtf8(kHardLinkQuestion), QStringLiteral("提示")))
            return std::nullopt;
        options.AllowHardLink = true;
    }
    return options;
}

void DataWindow::AddCommand()
{
    const auto english = english_->text().toStdU16String();
    const auto chinese = chinese_->text().toStdU16String();
    const auto options = AskChangeOptions();
    if (!options)
        return;
    // Another program may be changing the dictionary: the add waits for it
    // with the busy notice.
    std::vector<QString> messages;
    RunWithProgress(this, QString::fromUtf8(kChangeBusyNotice), [&] {
        try {
            messages = AddMessages(AddTerm(DictionaryPathIn(directory_), english, chinese, *options));
        } catch (const std::exception&) {
            messages = {AddFailedMessage()};
        }
    });
    for (const auto& message : messages)
        ShowMessage(this, QMessageBox::Information, message, QStringLiteral("提示"));
}

void DataWindow::BatchAddCommand()
{
    const auto english = englishList_->toPlainText().toStdU16String();
    const auto chinese = chineseList_->toPlainText().toStdU16String();
    const auto options = AskChangeOptions();
    if (!options)
        return;
    QString message;
    RunWithProgress(this, QString::fromUtf8(kChangeBusyNotice), [&] {
        try {
            message = BatchMessage(RunBatchAdd(directory_, english, chinese, *options));
        } catch (const std::exception&) {
            message = AddFailedMessage();
        }
    });
    ShowMessage(this, QMessageBox::Information, message, QStringLiteral("提示"));
}

} // namespace carbonym::ui
