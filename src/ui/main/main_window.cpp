#include "ui/main/main_window.h"

#include "dictionary/dictionary_change.h"
#include "text/utf8.h"
#include "translation/display_mode.h"
#include "translation/pair_table.h"
#include "translation/english_left.h"
#include "translation/naming_order.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"
#include "ui/about/open_about_window.h"
#include "ui/data/open_data_window.h"
#include "ui/data/run_dictionary_change.h"
#include "ui/platform/dictionary_messages.h"
#include "ui/main/editing_menu.h"
#include "ui/platform/close_while_busy.h"
#include "ui/platform/message_box.h"
#include "ui/platform/program_exit.h"
#include "ui/platform/program_title.h"
#include "ui/platform/run_with_progress.h"
#include "ui/platform/settings.h"
#include "ui/platform/song_font.h"
#include "ui/platform/text_box.h"
#include "ui/platform/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>
#include <exception>
#include <optional>

namespace carbonym::ui {

namespace {

const QColor kBlue(0, 0, 255);
const QString kSortByRulesKey = QStringLiteral("sortByRules");

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry, int points)
{
    auto* const label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(SongFont(points, true));
    // A stand-in face may stand taller than SimSun; it is not cut off.
    label->setGeometry(geometry.adjusted(0, 0, 0, std::max(0, label->fontMetrics().height() - geometry.height())));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kBlue);
    label->setPalette(palette);
    return label;
}

TextBox* AddTextBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* const box = new TextBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFont(SongFont(9));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Names hold no tabs: Tab moves between the boxes.
    box->setTabChangesFocus(true);
    return box;
}

QAction* AddCommand(QWidget* menu, const char* name, const QString& caption)
{
    auto* const action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* const menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

MainWindow::MainWindow(std::filesystem::path dictionary, Clipboard& clipboard)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , dictionary_(std::move(dictionary))
{
    setObjectName(QStringLiteral("dier"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(QIcon(QStringLiteral(":/carbonym.png")));
    CreateControls();
    new EditingMenu(textS_, textD_, clipboard, this);
    CreateMenus();
    PlaceOnScreen();
    textS_->setFocus();
    EndProgramOnCloseRequest(this);
}

void MainWindow::CreateControls()
{
    // Controls keep their places whatever size the window is given: no
    // layout, only fixed geometry.
    auto* const client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    client->setPalette(palette);
    setCentralWidget(client);

    auto* const line = new QWidget(client);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(0, Pixels(120), Pixels(10200), 1);
    line->setAutoFillBackground(true);
    QPalette linePalette = line->palette();
    linePalette.setColor(QPalette::Window, kBlue);
    line->setPalette(linePalette);

    AddLabel(client, "Label1", QStringLiteral("英文："), TwipsRect(240, 240, 1095, 375), 12);
    AddLabel(client, "Label2", QStringLiteral("每行一个英文名称。选“翻译”译成中文，再选“排序”排成中文词序。"),
             TwipsRect(1080, 240, 8895, 375), 9);
    textS_ = AddTextBox(client, "TextS", TwipsRect(120, 600, 9975, 2535));
    AddLabel(client, "Label1", QStringLiteral("译文："), TwipsRect(240, 3120, 1095, 255), 12);
    textD_ = AddTextBox(client, "TextD", TwipsRect(120, 3480, 9975, 3255));
    setTabOrder(textS_, textD_);

    // Below the boxes: how many result lines still hold English.
    statusBar()->setObjectName(QStringLiteral("EnglishLeft"));
    statusBar()->setSizeGripEnabled(false);
}

void MainWindow::CreateMenus()
{
    QMenuBar* const bar = menuBar();
    connect(AddCommand(bar, "Tw", QStringLiteral("翻译")), &QAction::triggered, this, &MainWindow::Translate);
    sort_ = AddCommand(bar, "St", QStringLiteral("排序"));
    connect(sort_, &QAction::triggered, this, &MainWindow::Sort);

    QMenu* const settings = AddMenu(bar, "Sets", QStringLiteral("设置"));
    display_ = AddCommand(settings, "CHA", QString::fromUtf8(kBilingualCaption));
    connect(display_, &QAction::triggered, this, &MainWindow::SwitchDisplay);
    sortByRules_ = AddCommand(settings, "SortByRules", QStringLiteral("按命名规则排序"));
    sortByRules_->setCheckable(true);
    sortByRules_->setChecked(ProgramSettings()->value(kSortByRulesKey, false).toBool());
    connect(sortByRules_, &QAction::toggled, this,
            [](bool checked) { ProgramSettings()->setValue(kSortByRulesKey, checked); });

    QMenu* const tools = AddMenu(bar, "ToolT", QStringLiteral("工具"));
    connect(AddCommand(tools, "Datadd1", QStringLiteral("数据添加")), &QAction::triggered, this,
            [this] { OpenDataWindow(this, dictionary_.parent_path()); });
    connect(AddCommand(tools, "UndoChange", QStringLiteral("撤销上次词典修改")), &QAction::triggered, this,
            &MainWindow::UndoDictionaryChange);
    connect(AddCommand(tools, "ExportPairs", QStringLiteral("导出中英文对照…")), &QAction::triggered, this,
            &MainWindow::ChooseExportFile);

    QMenu* const font = AddMenu(bar, "zit", QStringLiteral("字体"));
    for (int index = 0; index < 4; ++index) {
        const int points = 9 + index;
        QAction* const size = AddCommand(font, "menSize", QString::number(points));
        size->setData(index);
        connect(size, &QAction::triggered, this, [this, points] { SetFontSize(points); });
    }

    connect(AddCommand(bar, "AboutQ", QStringLiteral("关于")), &QAction::triggered, this, [] { OpenAboutWindow(); });
    connect(AddCommand(bar, "Mexit", QStringLiteral("退出")), &QAction::triggered, this, &MainWindow::close);

    // Reorder needs a translation, the display mode a reorder.
    sort_->setEnabled(false);
    display_->setEnabled(false);
}

void MainWindow::PlaceOnScreen()
{
    // The client area below the menu bar has a fixed size and a fixed place
    // on the screen; only a screen too small to hold it moves it.
    const int menuHeight = menuBar()->sizeHint().height();
    const int statusHeight = statusBar()->sizeHint().height();
    QRect frame(Pixels(4455), Pixels(4185) - menuHeight, Pixels(10275), Pixels(6795) + menuHeight + statusHeight);
    if (const QScreen* const screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
    }
    setGeometry(frame);
}

void MainWindow::Translate()
{
    textD_->SetText({});
    statusBar()->clearMessage();
    const std::u16string source = textS_->Text();
    TranslateOutcome outcome;
    try {
        RunWithProgress(this, QStringLiteral("正在翻译，请稍候……"),
                        [&] {
                            // The first start: the window makes the empty dictionary it then reads.
                            CreateDictionary(dictionary_);
                            outcome = TranslateCommand(source, dictionary_);
                        });
    } catch (const std::exception&) {
        outcome.Status = TranslateStatus::Failed;
        outcome.Message = (QStringLiteral("翻译失败：") + DescribeCurrentException()).toStdString();
    }
    if (outcome.Error)
        outcome.Message = (QStringLiteral("翻译失败：") + Describe(*outcome.Error)).toStdString();
    switch (outcome.Status) {
    case TranslateStatus::EmptySource:
        ShowMessage(this, QMessageBox::Information, QString::fromStdString(outcome.Message));
        return;
    case TranslateStatus::Failed:
        // The copy of the source stands untranslated; the menus stay as
        // they were.
        textD_->SetText(source);
        ShowMessage(this, QMessageBox::Warning, QString::fromStdString(outcome.Message));
        return;
    case TranslateStatus::Translated:
        break;
    }
    textD_->SetText(outcome.Result.Text, outcome.Result.Caret);
    MarkEnglishLeft();
    sort_->setEnabled(true);
    display_->setText(QString::fromUtf8(kBilingualCaption));
    display_->setEnabled(false);
    // An empty or just created dictionary changes nothing: say why, rather
    // than leave the English looking translated.
    if (outcome.DictionaryEmpty)
        ShowMessage(this, QMessageBox::Information, QString::fromUtf8(kEmptyDictionaryMessage));
}

void MainWindow::Sort()
{
    const std::u16string shown = textD_->Text();
    const bool byRules = sortByRules_->isChecked();
    std::u16string sorted;
    RunWithProgress(this, QStringLiteral("正在排序，请稍候……"),
                    [&] { sorted = byRules ? ReorderTextByRules(shown) : ReorderText(shown); });
    textD_->SetText(sorted, sorted.size());
    MarkEnglishLeft();
    sort_->setEnabled(false);
    display_->setEnabled(true);
}

void MainWindow::SwitchDisplay()
{
    // The caption names the display that choosing the item produces.
    const bool toChineseOnly = display_->text() == QString::fromUtf8(kChineseOnlyCaption);
    display_->setText(QString::fromUtf8(toChineseOnly ? kBilingualCaption : kChineseOnlyCaption));
    const std::u16string shown = textD_->Text();
    if (shown.empty())
        return;
    const std::u16string source = textS_->Text();
    std::u16string display;
    RunWithProgress(this, QStringLiteral("正在切换显示方式，请稍候……"),
                    [&] { display = toChineseOnly ? ToChineseOnly(shown) : ToBilingual(shown, source); });
    textD_->SetText(display, display.size());
    if (toChineseOnly)
        MarkEnglishLeft();
}

void MainWindow::MarkEnglishLeft()
{
    const std::u16string result = textD_->Text();
    std::vector<std::pair<size_t, size_t>> runs;
    for (const auto run : FindEnglishLeft(result))
        runs.emplace_back(run.Start, run.Length);
    textD_->SetMarks(runs);
    statusBar()->showMessage(QString::fromStdString(EnglishLeftNotice(CountLinesWithEnglish(result))));
}

void MainWindow::SetFontSize(int points)
{
    for (TextBox* box : {textS_, textD_}) {
        QFont font = box->font();
        font.setPointSize(points);
        box->setFont(font);
    }
}

void MainWindow::UndoDictionaryChange()
{
    const QString title = QStringLiteral("提示");
    if (!AskQuestion(this,
                     QStringLiteral("要撤销上次词典修改吗？\n词典将恢复为上次添加、修改或删除之前的样子；"
                                    "再撤销一次，又恢复这次撤销掉的修改。"),
                     title))
        return;
    UndoStatus status = UndoStatus::NoBackup;
    QString failure;
    // A backup that would make the dictionary worse is restored only when
    // the user, told what is wrong with it, still wants it.
    std::optional<DictionaryError> doubtful;
    bool restoreDoubtful = false;
    const auto undo = [&](ChangeOptions options) {
        options.RestoreDamagedBackup = restoreDoubtful;
        try {
            status = UndoLastChange(dictionary_, options);
        } catch (const DictionaryError& error) {
            if (error.Fault() != DictionaryFault::BackupDamaged && error.Fault() != DictionaryFault::BackupEmpty)
                throw;
            doubtful = error;
        }
    };
    ChangeResult result = RunDictionaryChange(this, undo, failure);
    if (result == ChangeResult::Ran && doubtful) {
        if (!AskQuestion(this, Describe(*doubtful) + QStringLiteral("。仍要恢复它吗？"), title)) {
            ShowMessage(this, QMessageBox::Information, QStringLiteral("没有撤销，词典没有任何改动。"), title);
            return;
        }
        restoreDoubtful = true;
        result = RunDictionaryChange(this, undo, failure);
    }
    RefreshDataWindow();
    QString message;
    if (result == ChangeResult::Declined)
        message = QStringLiteral("没有撤销，词典没有任何改动。");
    else if (result == ChangeResult::Failed)
        message = QStringLiteral("撤销失败，词典没有任何改动：") + failure;
    else if (status == UndoStatus::NoBackup)
        message = QStringLiteral("没有可以撤销的词典修改（找不到上次修改前的备份“%1”），词典没有任何改动。")
                      .arg(QString::fromStdU16String(BackupPathFor(dictionary_).filename().u16string()));
    else if (status == UndoStatus::NothingToUndo)
        message = QStringLiteral("没有可以撤销的词典修改（备份与词典相同），词典没有任何改动。");
    else
        message = QStringLiteral("已撤销上次词典修改，词典已恢复为修改前的样子。");
    ShowMessage(this, QMessageBox::Information, message, title);
}

void MainWindow::ChooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出中英文对照"),
                                                      QStringLiteral("中英文对照.csv"),
                                                      QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)"));
    if (!path.isEmpty())
        ExportPairs(path);
}

bool MainWindow::ExportPairs(const QString& path)
{
    std::u16string result = textD_->Text();
    // The bilingual display holds the English lines too: the Chinese lines
    // alone pair with the source.
    if (display_->text() == QString::fromUtf8(kChineseOnlyCaption))
        result = ToChineseOnly(result);
    const std::u16string source = textS_->Text();
    std::u16string table;
    RunWithProgress(this, QStringLiteral("正在导出，请稍候……"),
                    [&] { table = FormatPairs(result, source, PairFormat::Csv); });
    if (table.empty()) {
        ShowMessage(this, QMessageBox::Information, QStringLiteral("译文框中没有可导出的内容，请先翻译。"));
        return false;
    }
    const std::string bytes = Utf16ToUtf8(std::u16string(kByteOrderMark) + table);
    // All or nothing: an old file stays whole when writing fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())
        || !file.commit()) {
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("无法保存文件“%1”。请确认文件夹存在、可以写入，文件没有被其他程序占用，磁盘也没有满。")
                        .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

bool MainWindow::event(QEvent* event)
{
    // The line below the boxes keeps its count while the pointer passes over
    // the menus, which would put their (empty) status tips there.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Nothing to ask and nothing to save: the program ends with its window,
    // the other windows with it, whatever they are doing.
    event->accept();
    EndProgram();
}

} // namespace carbonym::ui
