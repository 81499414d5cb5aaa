#include "ui/data/dictionary_window.h"

#include "dictionary/dictionary_path.h"
#include "ui/data/data_window.h"
#include "ui/data/records_page.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace carbonym::ui {

DictionaryWindow::DictionaryWindow(const std::filesystem::path& directory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("dataWindow"));
    setWindowTitle(QStringLiteral("数据添加"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("dataTabs"));
    addPage_ = new DataWindow(directory);
    // The window's name belongs to the window; the page is one of its tabs.
    addPage_->setObjectName(QStringLiteral("addPage"));
    records_ = new RecordsPage(DictionaryPathIn(directory));
    tabs_->addTab(addPage_, QStringLiteral("添加"));
    tabs_->addTab(records_, QStringLiteral("查找、修改与删除"));

    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    // The add page has a fixed size; the window takes what the tabs need
    // around it, and the user cannot drag it to another.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace carbonym::ui
