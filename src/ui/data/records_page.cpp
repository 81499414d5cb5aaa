#include "ui/data/records_page.h"

#include "dictionary/dictionary_file.h"
#include "ui/data/record_filter_model.h"
#include "ui/data/record_table_model.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>

namespace carbonym::ui {

RecordsPage::RecordsPage(std::filesystem::path dictionary, QWidget* parent)
    : QWidget(parent)
    , dictionary_(std::move(dictionary))
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
    auto* const hint = new QLabel(QStringLiteral("双击中文可以修改，按回车键保存。"), this);

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

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->SetText(text);
        ShowCount();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { remove_->setEnabled(table_->selectionModel()->hasSelection()); });
    connect(filter_, &QAbstractItemModel::modelReset, this,
            [this] { remove_->setEnabled(table_->selectionModel()->hasSelection()); });
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
    const std::u16string currentEnglish
        = current.isValid() ? model_->English(filter_->mapToSource(current).row()) : std::u16string();
    const int currentColumn = current.isValid() ? current.column() : RecordTableModel::EnglishColumn;

    const FileStamp stamp = Stamp();
    std::vector<TermRecord> records;
    readFailure_.clear();
    try {
        // Looking must not create the dictionary.
        if (stamp.Exists)
            records = ReadDictionary(dictionary_);
    } catch (const std::exception& error) {
        readFailure_ = QString::fromUtf8(error.what());
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
