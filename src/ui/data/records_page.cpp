#include "ui/data/records_page.h"

#include "dictionary/dictionary_file.h"
#include "dictionary/record_edits.h"
#include "ui/data/record_filter_model.h"
#include "ui/data/record_table_model.h"
#include "ui/data/run_dictionary_change.h"
#include "ui/messages.h"
#include "ui/platform/dictionary_messages.h"
#include "ui/platform/message_box.h"

#include <QEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace carbonym::ui {

namespace {

const QString kTitle = QStringLiteral("提示");
const QString kUnchanged = QStringLiteral("词典没有任何改动");

QString Quoted(std::u16string_view text)
{
    return QStringLiteral("“%1”").arg(QString::fromStdU16String(std::u16string(text)));
}

// The message after a change that did not run to its end, or that the file
// had moved under.
QString NotDoneMessage(const QString& command, ChangeResult result, const QString& failure)
{
    if (result == ChangeResult::Declined)
        return QStringLiteral("没有%1，%2。").arg(command, kUnchanged);
    return QStringLiteral("数据%1失败，%2：%3").arg(command, kUnchanged, failure);
}

// The editor of a Chinese cell saves on Enter only: Esc, or the focus
// leaving the cell, closes it with the record as it was.
class EnterSavesDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* const editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::FocusOut) {
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            return false;
        }
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

const QString kStaleMessage = QStringLiteral("词典文件刚被其他程序修改过，表格中的数据已不是文件中的样子，"
                                             "词典没有任何改动。表格已按现在的文件刷新，请再试一次。");

} // namespace

RecordsPage::RecordsPage(std::filesystem::path dictionary, QWidget* parent)
    : QWidget(parent), dictionary_(std::move(dictionary))
{
    setObjectName(QStringLiteral("RecordsPage"));
    model_ = new RecordTableModel(this);
    filter_ = new RecordFilterModel(model_, this);

    auto* const searchLabel = new QLabel(QStringLiteral("查找："), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("SearchText"));
    search_->setPlaceholderText(QStringLiteral("英文（不分大小写）或中文中的文字"));
    search_->setClearButtonEnabled(true);
    searchLabel->setBuddy(search_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("RecordCount"));

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("RecordTable"));
    table_->setModel(filter_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    table_->setItemDelegate(new EnterSavesDelegate(table_));
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    // Rows of one height and columns of set widths: nothing is measured per
    // row, so a table of 100,000 records opens and filters at once.
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(RecordTableModel::NumberColumn, 64);
    table_->setColumnWidth(RecordTableModel::EnglishColumn, 300);

    remove_ = new QPushButton(QStringLiteral("删除选中的数据"), this);
    remove_->setObjectName(QStringLiteral("RemoveRecords"));
    remove_->setEnabled(false);
    auto* const hint = new QLabel(messages::EditHint(), this);

    auto* const top = new QHBoxLayout;
    top->addWidget(searchLabel);
    top->addWidget(search_, 1);
    top->addWidget(count_);
    auto* const bottom = new QHBoxLayout;
    bottom->addWidget(hint, 1);
    bottom->addWidget(remove_);
    auto* const layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);

    table_->installEventFilter(this);
    connect(remove_, &QPushButton::clicked, this, &RecordsPage::RemoveSelected);
    // After the editor has closed: the change shows messages and reads the
    // file again, which must not happen inside the view's commit.
    connect(model_, &RecordTableModel::ChineseEdited, this, &RecordsPage::SetChinese, Qt::QueuedConnection);

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->SetText(text);
        ShowCount();
    });
    // A search or a reload can take the selected rows out of view.
    const auto canRemove = [this] { remove_->setEnabled(!table_->selectionModel()->selectedRows().isEmpty()); };
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, canRemove);
    connect(filter_, &QAbstractItemModel::modelReset, this, canRemove);
    connect(filter_, &QAbstractItemModel::layoutChanged, this, canRemove);

    // Another program's change shows at once: the file and its folder are
    // watched (a save replaces the file by renaming a new one over it), and
    // the table is read again once the writes have settled.
    watcher_ = new QFileSystemWatcher(this);
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(200);
    connect(settle_, &QTimer::timeout, this, [this] {
        Watch();
        if (isVisible())
            ReloadIfChanged();
    });
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    Watch();
}

void RecordsPage::Watch()
{
    const QString file = QString::fromStdU16String(dictionary_.u16string());
    const QString folder = QString::fromStdU16String(dictionary_.parent_path().u16string());
    if (!watcher_->files().contains(file) && QFileInfo::exists(file))
        watcher_->addPath(file);
    if (!watcher_->directories().contains(folder) && QFileInfo::exists(folder))
        watcher_->addPath(folder);
}

RecordsPage::FileStamp RecordsPage::Stamp() const
{
    FileStamp stamp;
    std::error_code error;
    stamp.Exists = std::filesystem::exists(dictionary_, error);
    if (stamp.Exists) {
        stamp.Size = std::filesystem::file_size(dictionary_, error);
        stamp.Time = std::filesystem::last_write_time(dictionary_, error);
    }
    return stamp;
}

void RecordsPage::Reload()
{
    const QModelIndex current = table_->currentIndex();
    const std::u16string currentEnglish = current.isValid() ? model_->English(filter_->mapToSource(current).row())
                                                            : std::u16string();
    const int currentColumn = current.isValid() ? current.column() : RecordTableModel::EnglishColumn;

    const FileStamp stamp = Stamp();
    std::vector<TermRecord> records;
    readFailure_.clear();
    try {
        // Looking must not create the dictionary.
        if (stamp.Exists)
            records = ReadExistingDictionary(dictionary_);
    } catch (const std::exception&) {
        readFailure_ = DescribeCurrentException();
    }
    loaded_ = stamp;
    model_->SetRecords(records);
    ShowCount();

    if (currentEnglish.empty())
        return;
    const int row = model_->FindEnglish(currentEnglish);
    if (row < 0)
        return;
    const QModelIndex index = filter_->mapFromSource(model_->index(row, currentColumn));
    if (index.isValid()) {
        table_->setCurrentIndex(index);
        table_->scrollTo(index);
    }
}

void RecordsPage::ReloadIfChanged()
{
    if (!loaded_ || *loaded_ != Stamp())
        Reload();
}

void RecordsPage::ShowCount()
{
    if (!readFailure_.isEmpty()) {
        count_->setText(QStringLiteral("无法读取词典：") + readFailure_);
        return;
    }
    const int total = model_->rowCount();
    if (search_->text().isEmpty())
        count_->setText(QStringLiteral("共 %1 条数据").arg(total));
    else
        count_->setText(QStringLiteral("找到 %1 条，共 %2 条数据").arg(filter_->rowCount()).arg(total));
}

void RecordsPage::SetChinese(int row, const QString& chinese)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const RecordReference record{row + 1, model_->English(row), model_->Chinese(row)};
    EditOutcome outcome;
    QString failure;
    const ChangeResult result = RunDictionaryChange(
        this, dictionary_,
        [&](const ChangeOptions& options) {
            outcome = SetChineseAt(dictionary_, record, chinese.toStdU16String(), options);
        },
        failure);
    Reload();
    QString message;
    if (result != ChangeResult::Ran)
        message = NotDoneMessage(QStringLiteral("修改"), result, failure);
    else if (outcome.Status == EditStatus::Refused)
        message = DescribeFault(outcome.Fault, record.English, chinese.toStdU16String()) + QStringLiteral("，")
                  + kUnchanged;
    else if (outcome.Status == EditStatus::NoChinese)
        message =
            QStringLiteral("没有要修改的中文，%1。要删除这条数据，请选中它后按“删除选中的数据”。").arg(kUnchanged);
    else if (outcome.Status != EditStatus::Done && outcome.Status != EditStatus::Unchanged)
        message = kStaleMessage;
    else {
        // What the file now holds (the first line of the text, cut to its
        // field), in the record's row: a change of the Chinese moves nothing.
        const bool inPlace = row < model_->rowCount() && model_->English(row) == record.English;
        const int now = inPlace ? row : model_->FindEnglish(record.English);
        message = QStringLiteral("%1的中文已改为%2。")
                      .arg(Quoted(record.English), Quoted(now >= 0 ? model_->Chinese(now) : std::u16string()));
    }
    ShowMessage(this, QMessageBox::Information, message, kTitle);
}

void RecordsPage::RemoveSelected()
{
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(filter_->mapToSource(index).row());
    if (rows.empty())
        return;
    std::sort(rows.begin(), rows.end());
    std::vector<RecordReference> records;
    QStringList named;
    constexpr int kNamed = 5;
    for (const int row : rows) {
        records.push_back({row + 1, model_->English(row), model_->Chinese(row)});
        if (named.size() < kNamed)
            named << Quoted(model_->English(row));
    }
    if (rows.size() > kNamed)
        named << QStringLiteral("……");
    const QString question = QStringLiteral("确定要从词典中删除选中的 %1 条数据吗？\n%2")
                                 .arg(rows.size())
                                 .arg(named.join(QLatin1Char('\n')));
    if (!AskQuestion(this, question, kTitle))
        return;

    EditOutcome outcome;
    QString failure;
    const ChangeResult result = RunDictionaryChange(
        this, dictionary_,
        [&](const ChangeOptions& options) { outcome = RemoveRecordsAt(dictionary_, records, options); }, failure);
    Reload();
    QString message;
    if (result != ChangeResult::Ran)
        message = NotDoneMessage(QStringLiteral("删除"), result, failure);
    else if (outcome.Status != EditStatus::Done)
        message = kStaleMessage;
    else
        message = QStringLiteral("已删除 %1 条数据。").arg(outcome.Records);
    ShowMessage(this, QMessageBox::Information, message, kTitle);
}

bool RecordsPage::eventFilter(QObject* watched, QEvent* event)
{
    // Del on the table removes the selected records; the editor of a cell
    // gets its own keys, where Del deletes a character.
    if (watched == table_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete
        && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        RemoveSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void RecordsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ReloadIfChanged();
}

void RecordsPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Coming back to the window: another program, or the add page, may have
    // changed the file meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        ReloadIfChanged();
}

} // namespace carbonym::ui
