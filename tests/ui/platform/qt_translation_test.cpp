#include "ui/platform/qt_translation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace carbonym::ui {

class QtTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsReadChinese()
    {
        QVERIFY2(LoadQtTranslation(*QCoreApplication::instance()), "qtbase_zh_CN.qm (qt6-translations-l10n) not found");
        QMessageBox box(QMessageBox::Question, QStringLiteral("Carbonym"), QStringLiteral("？"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
        QVERIFY(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("是")));
        QVERIFY(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("否")));
    }
};

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::QtTranslationTest)
#include "qt_translation_test.moc"
