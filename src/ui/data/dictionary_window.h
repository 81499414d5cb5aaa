#pragma once

#include <QWidget>

#include <filesystem>

class QTabWidget;

namespace carbonym::ui {

class DataWindow;
class RecordsPage;

// The data-entry window "数据添加" as 工具 opens it: two tabs, the add page
// (DataWindow, exactly as laid down) and the record table (RecordsPage) to
// search, correct and remove records. A fixed frame, like the add page.
class DictionaryWindow : public QWidget {
    Q_OBJECT

public:
    // `directory` holds source.dat and the batch's work files.
    explicit DictionaryWindow(const std::filesystem::path& directory, QWidget* parent = nullptr);

    DataWindow* AddPage() const { return addPage_; }
    RecordsPage* Records() const { return records_; }
    QTabWidget* Tabs() const { return tabs_; }

private:
    QTabWidget* tabs_ = nullptr;
    DataWindow* addPage_ = nullptr;
    RecordsPage* records_ = nullptr;
};

} // namespace carbonym::ui
