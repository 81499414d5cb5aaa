#include "ui/main/main_window.h"

#include "dictionary/dictionary_change.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "text/lines.h"
#include "text/utf8.h"
#include "translation/display_mode.h"
#include "translation/english_left.h"
#include "translation/name_composer.h"
#include "translation/naming_order.h"
#include "translation/pair_table.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"
#include "ui/about/open_about_window.h"
#include "ui/data/open_data_window.h"
#include "ui/data/run_dictionary_change.h"
#include "ui/platform/dictionary_messages.h"
#include "ui/main/editing_menu.h"
#include "ui/messages.h"
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
#include <QActionGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <optional>

namespace carbonym::ui {

namespace {

const QColor kBlue(0, 0, 255);
const QString kSortByRulesKey = QStringLiteral("sortByRules");
const QString kFontSizeKey = QStringLiteral("fontSize");
constexpr int kFontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 24};
constexpr int kStartFontSize = 9;

// The client area as laid down, in twips: its size, and each control's
// place at that size.
constexpr QSize kClientTwips(10275, 6795);
constexpr QRect kSourceLabelTwips(240, 240, 1095, 375);
constexpr QRect kHintTwips(1080, 240, 8895, 375);
constexpr QRect kSourceBoxTwips(120, 600, 9975, 2535);
constexpr QRect kResultLabelTwips(240, 3120, 1095, 255);
constexpr QRect kResultBoxTwips(120, 3480, 9975, 3255);
constexpr int kRuleTopTwips = 120;
constexpr int kRuleWidthTwips = 10200;

// The client area: at the size laid down every control stands where it was
// laid down; a larger or smaller window widens the boxes and shares the
// height between them as they share it at the start.
class ClientArea final : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent)
    {
        // Small enough for any screen, large enough for a few lines of both boxes.
        setMinimumSize(360, 260);
    }

    QLabel* SourceLabel = nullptr;
    QLabel* Hint = nullptr;
    TextBox* SourceBox = nullptr;
    QLabel* ResultLabel = nullptr;
    TextBox* ResultBox = nullptr;
    QWidget* Rule = nullptr;

    QSize sizeHint() const override { return TwipsSize(kClientTwips); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        const QSize laidDown = TwipsSize(kClientTwips);
        const int wider = width() - laidDown.width();
        const int taller = height() - laidDown.height();
        const QRect source = TwipsRect(kSourceBoxTwips);
        const QRect result = TwipsRect(kResultBoxTwips);
        const int sourceTaller = taller * source.height() / (source.height() + result.height());
        Rule->setGeometry(0, Pixels(kRuleTopTwips), Pixels(kRuleWidthTwips) + wider, 1);
        PlaceLabel(SourceLabel, TwipsRect(kSourceLabelTwips));
        PlaceLabel(Hint, TwipsRect(kHintTwips).adjusted(0, 0, wider, 0));
        SourceBox->setGeometry(source.adjusted(0, 0, wider, sourceTaller));
        PlaceLabel(ResultLabel, TwipsRect(kResultLabelTwips).translated(0, sourceTaller));
        ResultBox->setGeometry(result.adjusted(0, sourceTaller, wider, taller));
    }

private:
    // A stand-in face may stand taller than SimSun; it is not cut off.
    static void PlaceLabel(QLabel* label, const QRect& geometry)
    {
        label->setGeometry(geometry.adjusted(0, 0, 0, std::max(0, label->fontMetrics().height() - geometry.height())));
    }
};

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int points)
{
    auto* const label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(SongFont(points, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kBlue);
    label->setPalette(palette);
    return label;
}

TextBox* AddTextBox(QWidget* parent, const char* name, int points)
{
    auto* const box = new TextBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(SongFont(points));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Names hold no tabs: Tab moves between the boxes.
    box->setTabChangesFocus(true);
    return box;
}

QAction* AddCommand(QWidget* menu, const char* name, const QString& caption, const QString& tip = {})
{
    auto* const action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(tip.isEmpty() ? caption : tip);
    action->setStatusTip(tip);
    menu->addAction(action);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* const menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    menu->setToolTipsVisible(true);
    return menu;
}

// The lines of a text, a last empty line after a final line break not
// counted: what a user counts.
size_t LineCount(std::u16string_view text)
{
    const auto lines = SplitLines(text);
    return lines.size() - (!lines.empty() && lines.back().empty() ? 1 : 0);
}

int SavedFontSize()
{
    const int saved = ProgramSettings()->value(kFontSizeKey, kStartFontSize).toInt();
    return std::find(std::begin(kFontSizes), std::end(kFontSizes), saved) != std::end(kFontSizes) ? saved
                                                                                                  : kStartFontSize;
}

} // namespace

MainWindow::MainWindow(std::filesystem::path dictionary, Clipboard& clipboard)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dictionary_(std::move(dictionary))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(QIcon(QStringLiteral(":/carbonym.png")));
    CreateControls();
    new EditingMenu(sourceBox_, resultBox_, clipboard, this);
    CreateMenus();
    PlaceOnScreen();
    sourceBox_->setFocus();
    EndProgramOnCloseRequest(this);
}

void MainWindow::CreateControls()
{
    auto* const client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    client->setPalette(palette);
    setCentralWidget(client);

    client->Rule = new QWidget(client);
    client->Rule->setObjectName(QStringLiteral("rule"));
    client->Rule->setAutoFillBackground(true);
    QPalette rulePalette = client->Rule->palette();
    rulePalette.setColor(QPalette::Window, kBlue);
    client->Rule->setPalette(rulePalette);

    const int points = SavedFontSize();
    client->SourceLabel = AddLabel(client, "sourceLabel", QStringLiteral("英文："), 12);
    client->Hint = AddLabel(client, "hint", messages::Hint(), 9);
    sourceBox_ = client->SourceBox = AddTextBox(client, "sourceBox", points);
    client->ResultLabel = AddLabel(client, "resultLabel", QStringLiteral("译文："), 12);
    resultBox_ = client->ResultBox = AddTextBox(client, "resultBox", points);
    setTabOrder(sourceBox_, resultBox_);

    // Below the boxes: how the result stands (out of date, English left,
    // the last export).
    statusBar()->setObjectName(QStringLiteral("statusLine"));
    statusBar()->setSizeGripEnabled(false);

    connect(sourceBox_, &QPlainTextEdit::textChanged, this, [this] {
        if (translated_ && !sourceChanged_) {
            sourceChanged_ = true;
            report_.clear();
            ShowStatus();
        }
    });
    // The user's edits of the result are counted again once typing pauses:
    // a text of 100,000 lines is not scanned at every key.
    recount_ = new QTimer(this);
    recount_->setSingleShot(true);
    recount_->setInterval(300);
    connect(recount_, &QTimer::timeout, this, &MainWindow::MarkEnglishLeft);
    connect(resultBox_, &QPlainTextEdit::textChanged, this, [this] {
        if (settingResult_)
            return;
        resultEdited_ = true;
        report_.clear();
        recount_->start();
    });
}

void MainWindow::CreateMenus()
{
    QMenuBar* const bar = menuBar();
    QAction* const translate = AddCommand(bar, "translateAction", QStringLiteral("翻译"), messages::TranslateTip());
    translate->setShortcuts(
        {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(translate, &QAction::triggered, this, &MainWindow::Translate);
    sortAction_ = AddCommand(bar, "sortAction", QStringLiteral("排序"), messages::SortTip());
    sortAction_->setShortcuts({QKeySequence(Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_R)});
    connect(sortAction_, &QAction::triggered, this, &MainWindow::Sort);

    QMenu* const settings = AddMenu(bar, "settingsMenu", QStringLiteral("设置"));
    displayAction_ = AddCommand(settings, "displayAction", messages::BilingualCaption(), messages::DisplayTip());
    connect(displayAction_, &QAction::triggered, this, &MainWindow::SwitchDisplay);
    sortByRulesAction_ = AddCommand(settings, "sortByRulesAction", QStringLiteral("按命名规则排序"),
                                    messages::SortByRulesTip());
    sortByRulesAction_->setCheckable(true);
    sortByRulesAction_->setChecked(ProgramSettings()->value(kSortByRulesKey, false).toBool());
    connect(sortByRulesAction_, &QAction::toggled, this, &MainWindow::SortByRulesToggled);

    QMenu* const tools = AddMenu(bar, "toolsMenu", QStringLiteral("工具"));
    connect(AddCommand(tools, "dataEntryAction", QStringLiteral("数据添加")), &QAction::triggered, this,
            [this] { OpenDataWindow(this, dictionary_.parent_path()); });
    undoAction_ = AddCommand(tools, "undoChangeAction", QStringLiteral("撤销上次词典修改"));
    connect(undoAction_, &QAction::triggered, this, &MainWindow::UndoDictionaryChange);
    connect(AddCommand(tools, "exportAction", QStringLiteral("导出中英文对照…")), &QAction::triggered, this,
            &MainWindow::ChooseExportFile);
    QAction* const nextEnglish = AddCommand(tools, "nextEnglishAction", QStringLiteral("下一处未译"),
                                            messages::NextEnglishTip());
    nextEnglish->setShortcut(QKeySequence(Qt::Key_F3));
    connect(nextEnglish, &QAction::triggered, this, &MainWindow::SelectNextEnglish);
    // The menu bar shows no keys: the two commands stand in 工具 too, the
    // same actions, with theirs.
    tools->addAction(translate);
    tools->addAction(sortAction_);
    // Whether there is a change to undo is seen when the menu opens.
    connect(tools, &QMenu::aboutToShow, this, &MainWindow::UpdateUndoAction);
    UpdateUndoAction();

    fontMenu_ = AddMenu(bar, "fontMenu", QStringLiteral("字体"));
    auto* const sizes = new QActionGroup(fontMenu_);
    const int current = SavedFontSize();
    for (const int points : kFontSizes) {
        QAction* const size = AddCommand(fontMenu_, "fontSizeAction", QString::number(points));
        size->setData(points);
        size->setCheckable(true);
        size->setChecked(points == current);
        sizes->addAction(size);
        connect(size, &QAction::triggered, this, [this, points] { SetFontSize(points); });
    }

    connect(AddCommand(bar, "aboutAction", QStringLiteral("关于")), &QAction::triggered, this,
            [] { OpenAboutWindow(); });
    connect(AddCommand(bar, "exitAction", QStringLiteral("退出")), &QAction::triggered, this, &MainWindow::close);

    // Reorder needs a translation, the display mode a reorder.
    sortAction_->setEnabled(false);
    displayAction_->setEnabled(false);
}

void MainWindow::PlaceOnScreen()
{
    // The client area below the menu bar has a set size and place on the
    // screen; a screen too small for it (a small one, or a large scale
    // factor) gets a smaller window, moved onto it whole, its frame too.
    const int menuHeight = menuBar()->sizeHint().height();
    const int statusHeight = statusBar()->sizeHint().height();
    const QSize client = TwipsSize(kClientTwips);
    QRect frame(Pixels(4455), Pixels(4185) - menuHeight, client.width(), client.height() + menuHeight + statusHeight);
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        // The window manager's frame is not known before the window is
        // shown: room for a title bar and borders is kept.
        const QMargins decoration(4, 32, 4, 4);
        const QRect available = screen->availableGeometry().marginsRemoved(decoration);
        frame.setWidth(std::min(frame.width(), available.width()));
        frame.setHeight(std::min(frame.height(), available.height()));
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
    }
    setGeometry(frame);
}

void MainWindow::Translate()
{
    // One notice for the whole command: the result box is filled on this
    // thread after the work, which for a long text takes as long again.
    BusyNotice notice(this, messages::TranslateBusy());
    const std::u16string source = sourceBox_->Text();
    TranslateOutcome outcome;
    QString failure;
    try {
        notice.Run([&] {
            // The first start: the window makes the empty dictionary it then reads.
            CreateDictionary(dictionary_);
            outcome = TranslateCommand(source, dictionary_);
        });
    } catch (const std::exception&) {
        // The command reports its own failures; anything else (the first
        // start's dictionary that cannot be made) in its own words.
        outcome.Status = TranslateStatus::Failed;
        failure = DescribeCurrentException();
    }
    if (outcome.Error)
        failure = Describe(*outcome.Error);
    switch (outcome.Status) {
    case TranslateStatus::EmptySource:
        notice.Close();
        ShowResult({}, 0);
        translated_ = false;
        ShowStatus();
        ShowMessage(this, QMessageBox::Information, messages::EmptySource());
        return;
    case TranslateStatus::Failed:
        // The copy of the source stands untranslated; the menus stay as
        // they were.
        if (failure.isEmpty())
            failure = messages::OutOfMemory();
        translated_ = false;
        ShowResult(source, 0);
        notice.Close();
        ShowMessage(this, QMessageBox::Warning, messages::TranslateFailed(failure));
        return;
    case TranslateStatus::Translated:
        break;
    }
    translation_ = outcome.Result.Text;
    translatedSource_ = source;
    orderedOtherwise_ = 0;
    translated_ = true;
    sorted_ = false;
    sourceChanged_ = false;
    sources_.clear();
    display_ = Display::ChineseOnly;
    sortAction_->setEnabled(true);
    displayAction_->setText(messages::BilingualCaption());
    displayAction_->setEnabled(false);
    notice.BeforeStep(BusyNotice::FillMilliseconds(translation_.size()));
    ShowResult(translation_, outcome.Result.Caret);
    // A new translation is read from its first line, whatever was in view
    // before; the caret stays after the last term put in.
    resultBox_->verticalScrollBar()->setValue(0);
    resultBox_->horizontalScrollBar()->setValue(0);
    notice.Close();
    // An empty or just created dictionary changes nothing: say why, rather
    // than leave the English looking translated.
    if (outcome.DictionaryEmpty)
        ShowMessage(this, QMessageBox::Information, messages::EmptyDictionary());
}

void MainWindow::Sort()
{
    const std::u16string shown = resultBox_->Text();
    const bool byRules = sortByRulesAction_->isChecked();
    // A result the user edited is sorted as it stands; otherwise the naming
    // rules compose each line afresh from its English.
    const bool fromTranslation = !resultEdited_ && shown == translation_;
    SortedTranslation sorted;
    BusyNotice notice(this, messages::SortBusy());
    if (!RunSort(notice, fromTranslation, byRules, shown, sorted))
        return;
    notice.BeforeStep(BusyNotice::FillMilliseconds(sorted.Text.size()));
    // The sorted lines keep their source lines while the result's lines are
    // still the translation's own, one for each English line.
    sources_ = std::move(sorted.Sources);
    if (resultEdited_ && LineCount(shown) != LineCount(translation_))
        sources_.clear();
    orderedOtherwise_ = sorted.OrderedOtherwise;
    sorted_ = true;
    sortAction_->setEnabled(false);
    displayAction_->setEnabled(true);
    ShowResult(sorted.Text, sorted.Text.size());
}

bool MainWindow::RunSort(BusyNotice& notice, bool fromTranslation, bool byRules, const std::u16string& shown,
                         SortedTranslation& sorted)
{
    try {
        notice.Run([&] {
            if (!fromTranslation) {
                sorted.Text = byRules ? ReorderTextByRules(shown) : ReorderText(shown);
                sorted.Sources = ReorderedLineSources(shown);
                return;
            }
            const NameComposer composer(PrepareTerms(ReadDictionary(dictionary_)));
            sorted = SortTranslation(translatedSource_, translation_, composer, byRules);
        });
    } catch (const DictionaryError& error) {
        notice.Close();
        ShowMessage(this, QMessageBox::Warning, messages::SortFailed(QString::fromUtf8(error.what())));
        return false;
    }
    return true;
}

void MainWindow::SortByRulesToggled(bool checked)
{
    ProgramSettings()->setValue(kSortByRulesKey, checked);
    if (!sorted_ || !translated_)
        return;
    // Sorted again from the translation: the sorted text has lost the
    // commas and spaces the other order needs.
    SortedTranslation sorted;
    std::u16string bilingual;
    const std::u16string source = display_ == Display::Bilingual ? sourceBox_->Text() : std::u16string();
    BusyNotice notice(this, messages::SortBusy());
    if (!RunSort(notice, true, checked, translation_, sorted))
        return;
    sources_ = std::move(sorted.Sources);
    orderedOtherwise_ = sorted.OrderedOtherwise;
    if (!source.empty())
        bilingual = ToBilingual(PlaceOnSourceLines(sorted.Text, sources_), source);
    notice.BeforeStep(BusyNotice::FillMilliseconds(sorted.Text.size() + bilingual.size()));
    if (display_ == Display::Bilingual) {
        ShowResult(bilingual, 0);
        chinese_ = sorted.Text;
    } else {
        ShowResult(sorted.Text, 0);
    }
}

void MainWindow::SwitchDisplay()
{
    const bool toChineseOnly = display_ == Display::Bilingual;
    display_ = toChineseOnly ? Display::ChineseOnly : Display::Bilingual;
    // The caption names the display that choosing the item produces.
    displayAction_->setText(toChineseOnly ? messages::BilingualCaption() : messages::ChineseOnlyCaption());
    const std::u16string shown = resultBox_->Text();
    if (shown.empty())
        return;
    if (toChineseOnly) {
        // Unedited, the Chinese lines come back exactly as they were.
        std::u16string chinese = resultEdited_ ? ToChineseOnly(shown) : chinese_;
        ShowResult(chinese, chinese.size());
        return;
    }
    const std::u16string chinese = shown;
    const std::u16string source = sourceBox_->Text();
    std::u16string display;
    BusyNotice notice(this, messages::DisplayBusy());
    notice.Run([&] { display = ToBilingual(OnSourceLines(chinese), source); });
    notice.BeforeStep(BusyNotice::FillMilliseconds(display.size()));
    ShowResult(display, display.size());
    chinese_ = chinese;
}

std::u16string MainWindow::OnSourceLines(const std::u16string& chinese) const
{
    // Each sorted line beside its own English line; a result whose lines
    // were added or removed by hand pairs line by line, as it stands.
    if (sorted_ && !sources_.empty() && LineCount(chinese) == sources_.size())
        return PlaceOnSourceLines(chinese, sources_);
    return chinese;
}

std::u16string MainWindow::ShownChinese() const
{
    if (display_ == Display::Bilingual)
        return resultEdited_ ? ToChineseOnly(resultBox_->Text()) : chinese_;
    return resultBox_->Text();
}

void MainWindow::ShowResult(const std::u16string& text, size_t caret)
{
    settingResult_ = true;
    resultBox_->SetText(text, caret);
    settingResult_ = false;
    recount_->stop();
    resultEdited_ = false;
    report_.clear();
    if (display_ == Display::ChineseOnly)
        chinese_ = text;
    MarkEnglishLeft();
}

void MainWindow::MarkEnglishLeft()
{
    // Only translations are marked, in the bilingual display only their
    // Chinese lines (the odd ones).
    std::vector<std::pair<size_t, size_t>> runs;
    englishLines_ = 0;
    if (translated_) {
        const std::u16string shown = resultBox_->Text();
        const bool bilingual = display_ == Display::Bilingual;
        size_t offset = 0;
        size_t index = 0;
        for (const auto line : SplitLines(shown)) {
            if (!bilingual || index % 2 == 1) {
                const auto found = FindEnglishLeft(line);
                englishLines_ += found.empty() ? 0 : 1;
                for (const auto run : found)
                    runs.emplace_back(offset + run.Start, run.Length);
            }
            offset += line.size() + kLineBreak.size();
            ++index;
        }
    }
    resultBox_->SetMarks(runs);
    ShowStatus();
}

void MainWindow::ShowStatus()
{
    QStringList parts;
    if (!report_.isEmpty())
        parts << report_;
    if (translated_ && sourceChanged_)
        parts << messages::StaleResult();
    if (englishLines_ > 0)
        parts << messages::EnglishLeft(englishLines_);
    if (translated_ && !sorted_)
        parts << messages::DisplayNeedsSort();
    if (sorted_ && orderedOtherwise_ > 0 && !sortByRulesAction_->isChecked())
        parts << messages::RulesWouldDiffer(orderedOtherwise_);
    statusBar()->showMessage(parts.join(QStringLiteral("；")));
}

void MainWindow::SelectNextEnglish()
{
    if (!resultBox_->SelectNextMark()) {
        statusBar()->showMessage(messages::NoEnglishLeft());
        return;
    }
    resultBox_->setFocus();
}

void MainWindow::SetFontSize(int points)
{
    for (TextBox* box : {sourceBox_, resultBox_}) {
        QFont font = box->font();
        font.setPointSize(points);
        box->setFont(font);
    }
    ProgramSettings()->setValue(kFontSizeKey, points);
}

void MainWindow::UpdateUndoAction()
{
    std::error_code error;
    undoAction_->setEnabled(std::filesystem::is_regular_file(BackupPathFor(dictionary_), error));
}

void MainWindow::UndoDictionaryChange()
{
    const std::filesystem::path backup = BackupPathFor(dictionary_);
    const QFileInfo backupInfo(QString::fromStdU16String(backup.u16string()));
    if (!backupInfo.isFile()) {
        UpdateUndoAction();
        ShowMessage(this, QMessageBox::Information,
                    messages::NoBackup(QString::fromStdU16String(backup.filename().u16string())), messages::Title());
        return;
    }
    std::error_code error;
    const auto now = std::filesystem::exists(dictionary_, error)
                         ? RecordCountForSize(std::filesystem::file_size(dictionary_, error))
                         : 0;
    const auto before = RecordCountForSize(static_cast<uintmax_t>(backupInfo.size()));
    const QString when = QLocale(QLocale::Chinese, QLocale::China)
                             .toString(backupInfo.lastModified(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!AskQuestion(this, messages::UndoQuestion(when, now, before), messages::Title()))
        return;
    UndoStatus status = UndoStatus::NoBackup;
    QString failure;
    // A backup that would make the dictionary worse is restored only when
    // the user, told what is wrong with it, still wants it.
    std::optional<DictionaryError> doubtful;
    bool restoreDoubtful = false;
    const auto undo = [&](const ChangeOptions& given) {
        ChangeOptions options = given;
        options.RestoreDamagedBackup = restoreDoubtful;
        try {
            status = UndoLastChange(dictionary_, options);
        } catch (const DictionaryError& error) {
            if (error.Fault() != DictionaryFault::BackupDamaged && error.Fault() != DictionaryFault::BackupEmpty)
                throw;
            doubtful = error;
        }
    };
    ChangeResult result = RunDictionaryChange(this, dictionary_, undo, failure);
    if (result == ChangeResult::Ran && doubtful) {
        if (!AskQuestion(this, messages::RestoreDoubtfulBackup(Describe(*doubtful)), messages::Title())) {
            ShowMessage(this, QMessageBox::Information, messages::UndoDeclined(), messages::Title());
            return;
        }
        restoreDoubtful = true;
        result = RunDictionaryChange(this, dictionary_, undo, failure);
    }
    RefreshDataWindow();
    UpdateUndoAction();
    QString message;
    if (result == ChangeResult::Declined)
        message = messages::UndoDeclined();
    else if (result == ChangeResult::Failed)
        message = messages::UndoFailed(failure);
    else if (status == UndoStatus::NoBackup)
        message = messages::NoBackup(QString::fromStdU16String(backup.filename().u16string()));
    else if (status == UndoStatus::NothingToUndo)
        message = messages::NothingToUndo();
    else
        message = messages::Undone();
    ShowMessage(this, QMessageBox::Information, message, messages::Title());
}

QString MainWindow::PairingProblem(const std::u16string& chinese) const
{
    if (!translated_ || chinese.empty())
        return messages::NothingToExport();
    if (sourceChanged_)
        return messages::ExportStale();
    const size_t lines = LineCount(chinese);
    const size_t expected = sorted_ ? sources_.size() : LineCount(translation_);
    if ((sorted_ && sources_.empty()) || lines != expected)
        return messages::ExportLinesDiffer(lines, sorted_ && sources_.empty() ? LineCount(translation_) : expected);
    return {};
}

void MainWindow::ChooseExportFile()
{
    // What cannot be exported is said before a file is asked for.
    const QString problem = PairingProblem(ShownChinese());
    if (!problem.isEmpty()) {
        ShowMessage(this, QMessageBox::Information, problem);
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, messages::ExportTitle(), messages::ExportFileName(),
                                                      messages::ExportFilter());
    if (!path.isEmpty())
        ExportPairs(path);
}

bool MainWindow::ExportPairs(const QString& path)
{
    const std::u16string chinese = ShownChinese();
    const QString problem = PairingProblem(chinese);
    if (!problem.isEmpty()) {
        ShowMessage(this, QMessageBox::Information, problem);
        return false;
    }
    const std::u16string source = sourceBox_->Text();
    std::u16string table;
    RunWithProgress(this, messages::ExportBusy(),
                    [&] { table = FormatPairs(OnSourceLines(chinese), source, PairFormat::Csv); });
    if (table.empty()) {
        ShowMessage(this, QMessageBox::Information, messages::NothingToExport());
        return false;
    }
    const std::string bytes = Utf16ToUtf8(std::u16string(kByteOrderMark) + table);
    // All or nothing: an old file stays whole when writing fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())
        || !file.commit()) {
        ShowMessage(this, QMessageBox::Warning, messages::CannotSave(QDir::toNativeSeparators(path)));
        return false;
    }
    const auto rows = std::count(table.begin(), table.end(), u'\n');
    report_ = messages::Exported(static_cast<int>(rows), QDir::toNativeSeparators(path));
    ShowStatus();
    return true;
}

bool MainWindow::event(QEvent* event)
{
    // The line below the boxes keeps its words while the pointer passes over
    // the menus; what an entry does is its tooltip.
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
