#include "ui/platform/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace carbonym::ui {

bool LoadQtTranslation(QCoreApplication& application)
{
    auto* const translator = new QTranslator(&application);
    const QString name = QStringLiteral("qtbase_zh_CN");
    for (const QString& folder : {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(name, folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace carbonym::ui
