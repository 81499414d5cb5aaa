#include "ui/data/record_table_model.h"

#include "text/trim.h"

namespace carbonym::ui {

void RecordTableModel::SetRecords(const std::vector<TermRecord>& records)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(records.size());
    for (const TermRecord& record : records) {
        const std::u16string_view english = Trim(record.English);
        rows_.push_back({std::u16string(english), std::u16string(Trim(record.Chinese))});
    }
    endResetModel();
}

int RecordTableModel::FindEnglish(std::u16string_view english) const
{
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].English == english)
            return static_cast<int>(row);
    }
    return -1;
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Row& row = rows_[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case NumberColumn:
        return index.row() + 1;
    case EnglishColumn:
        return QString::fromStdU16String(row.English);
    case ChineseColumn:
        return QString::fromStdU16String(row.Chinese);
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NumberColumn:
        return QStringLiteral("记录号");
    case EnglishColumn:
        return QStringLiteral("英文");
    case ChineseColumn:
        return QStringLiteral("中文");
    default:
        return {};
    }
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ChineseColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != ChineseColumn || role != Qt::EditRole)
        return false;
    const QString chinese = value.toString();
    const Row& row = rows_[static_cast<size_t>(index.row())];
    if (chinese.toStdU16String() == row.Chinese)
        return false;
    emit ChineseEdited(index.row(), chinese);
    // The row changes when the saved file is read again.
    return false;
}

} // namespace carbonym::ui
