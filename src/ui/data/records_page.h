#pragma once

#include <QWidget>

#include <filesystem>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QFileSystemWatcher;
class QTimer;

namespace carbonym::ui {

class RecordFilterModel;
class RecordTableModel;

// The data-entry window's second page: a search field over a table of the
// dictionary's records. The table follows the text as it is typed; the
// Chinese of a record is edited in place, and the selected records are
// removed after a question. After each change, whenever the page comes into
// view after the file changed, and when another program changes the file,
// the table shows the file as it now is.
class RecordsPage : public QWidget {
    Q_OBJECT

public:
    explicit RecordsPage(std::filesystem::path dictionary, QWidget* parent = nullptr);

    // Reads the dictionary again, keeping the search text and, where it is
    // still there, the current record.
    void Reload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct FileStamp {
        bool Exists = false;
        uintmax_t Size = 0;
        std::filesystem::file_time_type Time;
        bool operator==(const FileStamp&) const = default;
    };
    FileStamp Stamp() const;
    void ReloadIfChanged();
    // Watches the dictionary and its folder, again after the file was replaced.
    void Watch();
    void ShowCount();
    void SetChinese(int row, const QString& chinese);
    void RemoveSelected();

    std::filesystem::path dictionary_;
    std::optional<FileStamp> loaded_;
    QString readFailure_;
    QLineEdit* search_ = nullptr;
    QLabel* count_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* remove_ = nullptr;
    RecordTableModel* model_ = nullptr;
    RecordFilterModel* filter_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* settle_ = nullptr;
};

} // namespace carbonym::ui
