#pragma once

class QCoreApplication;

namespace carbonym::ui {

// Installs Qt's own Simplified Chinese translation, so that standard buttons
// and dialogs read 确定, 取消, 是, 否: first the copy installed beside the
// program (translations/qtbase_zh_CN.qm), then Qt's. False when neither can
// be loaded; the program then shows Qt's English words.
bool LoadQtTranslation(QCoreApplication& application);

} // namespace carbonym::ui
