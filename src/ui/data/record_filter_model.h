#pragma once

#include "dictionary/record_edits.h"

#include <QSortFilterProxyModel>

namespace carbonym::ui {

class RecordTableModel;

// The rows of a RecordTableModel that a search text matches (RecordSearch),
// in file order. It reads the source's texts directly, not through QVariant,
// so that a search over 100,000 records keeps pace with typing.
class RecordFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit RecordFilterModel(RecordTableModel* source, QObject* parent = nullptr);

    void SetText(const QString& text);

    // The source row of a row of this model.
    int SourceRow(int row) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    RecordTableModel* source_;
    RecordSearch search_{u""};
    bool all_ = true;
};

} // namespace carbonym::ui
