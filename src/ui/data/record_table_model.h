#pragma once

#include "dictionary/term_record.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace carbonym::ui {

// The dictionary's records as a table: record number, English, Chinese, in
// file order. It holds plain texts only, so that 100,000 records stay light;
// the view draws the rows it shows. The Chinese column is editable, but an
// edit does not change the table: it asks for the change (ChineseEdited), and
// the table shows it once the file has been saved and read again.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NumberColumn, EnglishColumn, ChineseColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row by the records, read in file order.
    void SetRecords(const std::vector<TermRecord>& records);

    // The trimmed English term of a row, as set and remove name the record.
    const std::u16string& English(int row) const { return rows_[static_cast<size_t>(row)].English; }
    const std::u16string& Chinese(int row) const { return rows_[static_cast<size_t>(row)].Chinese; }

    // The first row whose English term is `english`, or -1.
    int FindEnglish(std::u16string_view english) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The user typed `chinese` for the record of `row`.
    void ChineseEdited(int row, const QString& chinese);

private:
    struct Row {
        std::u16string English;
        std::u16string Chinese;
    };
    std::vector<Row> rows_;
};

} // namespace carbonym::ui
