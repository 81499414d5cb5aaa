#include "ui/data/record_filter_model.h"

#include "ui/data/record_table_model.h"

namespace carbonym::ui {

RecordFilterModel::RecordFilterModel(RecordTableModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source)
{
    setSourceModel(source);
}

void RecordFilterModel::SetText(const QString& text)
{
    search_ = RecordSearch(text.toStdU16String());
    all_ = text.isEmpty();
    // One layout change, not a removal and an insertion per run of rows:
    // the view would redo its work for each of thousands of runs.
    invalidate();
}

int RecordFilterModel::SourceRow(int row) const
{
    return mapToSource(index(row, 0)).row();
}

bool RecordFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return all_ || search_.Matches(source_->English(sourceRow), source_->Chinese(sourceRow));
}

} // namespace carbonym::ui
