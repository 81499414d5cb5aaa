#include "ui/data/record_filter_model.h"

#include "ui/data/record_table_model.h"

namespace carbonym::ui {

RecordFilterModel::RecordFilterModel(RecordTableModel* source, QObject* parent)
    : QSortFilterProxyModel(parent)
    , source_(source)
{
    setSourceModel(source);
}

void RecordFilterModel::SetText(const QString& text)
{
    query_ = RecordQuery(text.toStdU16String());
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
    return query_.Empty() || query_.Matches(source_->FoldedEnglish(sourceRow), source_->Chinese(sourceRow));
}

} // namespace carbonym::ui
