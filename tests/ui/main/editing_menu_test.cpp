#include "ui/main/main_window.h"
#include "ui/platform/clipboard.h"
#include "ui/platform/message_box.h"
#include "window_driver.h"

#include <QMenu>

namespace carbonym::ui {

using namespace carbonym::ui::test;

namespace {

// A clipboard that can be made unusable, as while another program holds it.
class FakeClipboard final : public Clipboard {
public:
    std::optional<std::u16string> Text() override
    {
        if (Busy)
            return std::nullopt;
        return Content;
    }
    bool PutText(std::u16string_view text) override
    {
        if (Busy)
            return false;
        Content = text;
        return true;
    }

    std::u16string Content;
    bool Busy = false;
};

} // namespace

class EditingMenuTest : public QObject {
    Q_OBJECT

private:
    FakeClipboard clipboard_;
    MessageRecorder messages_;
    std::unique_ptr<MainWindow> window_;
    TextBox* source_ = nullptr;
    TextBox* result_ = nullptr;

    QAction* Paste() { return Action(*window_, "pasteAction"); }

    // A left click: the mouse button is released over the box.
    void Click(TextBox* box) { QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(200, 100)); }

private slots:
    void init()
    {
        clipboard_ = FakeClipboard();
        messages_.Clear();
        window_ = std::make_unique<MainWindow>(std::filesystem::path("unused.dat"), clipboard_);
        ShowAndActivate(*window_);
        source_ = Box(*window_, "sourceBox");
        result_ = Box(*window_, "resultBox");
        source_->SetText(u"alpha\r\nbeta");
        result_->SetText(u"gamma delta");
    }

    void cleanup() { window_.reset(); }

    void cutCopyAndDeletePreferTheSourceSelection()
    {
        Select(source_, 2, 5);
        Select(result_, 0, 5);
        Choose(*window_, "copyAction");
        QVERIFY(clipboard_.Content == u"pha\r\n");

        Choose(*window_, "cutAction");
        QVERIFY(source_->Text() == u"albeta");
        QCOMPARE(source_->SelectionStart(), size_t(2));
        QVERIFY(result_->Text() == u"gamma delta");

        // The source has no selection now: the result's is next.
        Choose(*window_, "deleteAction");
        QVERIFY(result_->Text() == u" delta");
        QVERIFY(clipboard_.Content == u"pha\r\n");
        QVERIFY(messages_.Messages().isEmpty());
    }

    void enteringTheResultBoxCollapsesTheSourceSelection()
    {
        Select(source_, 1, 3);
        result_->setFocus(Qt::MouseFocusReason);
        QCOMPARE(source_->SelectionLength(), size_t(0));
        QCOMPARE(source_->SelectionStart(), size_t(1));
        QVERIFY(source_->Text() == u"alpha\r\nbeta");

        Select(result_, 6, 5);
        Choose(*window_, "cutAction");
        QVERIFY(clipboard_.Content == u"delta");
        QVERIFY(result_->Text() == u"gamma ");
        QVERIFY(source_->Text() == u"alpha\r\nbeta");
    }

    void enteringTheSourceBoxKeepsTheResultSelection()
    {
        result_->setFocus(Qt::MouseFocusReason);
        Select(result_, 0, 5);
        source_->setFocus(Qt::MouseFocusReason);
        QCOMPARE(result_->SelectionLength(), size_t(5));
        Choose(*window_, "copyAction");
        QVERIFY(clipboard_.Content == u"gamma");

        // A return from a menu or another window is no move into the box.
        Select(source_, 0, 2);
        result_->setFocus(Qt::PopupFocusReason);
        QCOMPARE(source_->SelectionLength(), size_t(2));
    }

    void withoutASelectionCutAndCopyOnlyEnablePaste()
    {
        clipboard_.Content = u"";
        Click(source_);
        QVERIFY(!Paste()->isEnabled());

        clipboard_.Content = u"kept";
        Choose(*window_, "cutAction");
        QVERIFY(Paste()->isEnabled());
        QVERIFY(clipboard_.Content == u"kept");

        clipboard_.Content = u"";
        Click(result_);
        Choose(*window_, "copyAction");
        QVERIFY(Paste()->isEnabled());

        Choose(*window_, "deleteAction");
        QVERIFY(source_->Text() == u"alpha\r\nbeta");
        QVERIFY(result_->Text() == u"gamma delta");
    }

    void theShownKeysRunTheMenusCommands()
    {
        // Paste greyed by a release over a box while the clipboard was empty.
        Click(result_);
        QVERIFY(!Paste()->isEnabled());

        // Ctrl+C in the result box: its selection, through the program's
        // clipboard, and 粘贴 enabled as by the menu's entry.
        result_->SetSelectionStart(6);
        result_->SetSelectionLength(5);
        result_->setFocus();
        QTest::keyClick(result_, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(clipboard_.Content == u"delta");
        QVERIFY(Paste()->isEnabled());

        // Ctrl+V pastes into the box it is typed in, in place of its selection.
        source_->setFocus();
        source_->SetSelectionStart(0);
        source_->SetSelectionLength(5);
        QTest::keyClick(source_, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(source_->Text() == u"delta\r\nbeta");
        QVERIFY(result_->Text() == u"gamma delta");

        // Ctrl+X cuts the source box's selection; Del deletes a selection, and
        // without one the next character, as a text box does.
        source_->SetSelectionStart(7);
        source_->SetSelectionLength(2);
        clipboard_.Content = u"";
        Paste()->setEnabled(false);
        QTest::keyClick(source_, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(clipboard_.Content == u"be");
        QVERIFY(source_->Text() == u"delta\r\nta");
        QVERIFY(Paste()->isEnabled());
        source_->SetSelectionStart(0);
        source_->SetSelectionLength(2);
        QTest::keyClick(source_, Qt::Key_Delete);
        QVERIFY(source_->Text() == u"lta\r\nta");
        QTest::keyClick(source_, Qt::Key_Delete);
        QVERIFY(source_->Text() == u"ta\r\nta");
        QVERIFY(clipboard_.Content == u"be");
    }

    void aMouseReleaseOnlyEverDisablesPaste()
    {
        clipboard_.Content = u"";
        Click(result_);
        QVERIFY(!Paste()->isEnabled());
        // Text from another program does not enable it again.
        clipboard_.Content = u"elsewhere";
        Click(result_);
        QVERIFY(!Paste()->isEnabled());
        Select(source_, 0, 1);
        Choose(*window_, "copyAction");
        QVERIFY(Paste()->isEnabled());
    }

    void pasteWaitsForAMouseRelease()
    {
        clipboard_.Content = u"new";
        Select(source_, 0, 5);
        Choose(*window_, "pasteAction");
        QVERIFY(source_->Text() == u"alpha\r\nbeta");
        QVERIFY(result_->Text() == u"gamma delta");
    }

    void pasteGoesWhereTheMouseWasLastReleased()
    {
        clipboard_.Content = u"one\r\ntwo";
        Click(result_);
        source_->setFocus(Qt::MouseFocusReason);
        Select(source_, 0, 5);
        Select(result_, 0, 5);
        Choose(*window_, "pasteAction");
        QVERIFY(result_->Text() == u"one\r\ntwo delta");
        QCOMPARE(result_->SelectionStart(), size_t(8));
        QVERIFY(source_->Text() == u"alpha\r\nbeta");

        Click(source_);
        source_->SetSelectionStart(7);
        Choose(*window_, "pasteAction");
        QVERIFY(source_->Text() == u"alpha\r\none\r\ntwobeta");

        // An empty clipboard: the selection goes.
        clipboard_.Content = u"";
        Select(source_, 0, 7);
        Choose(*window_, "pasteAction");
        QVERIFY(source_->Text() == u"one\r\ntwobeta");
    }

    void aRightClickOpensTheMenuAtThePointer()
    {
        clipboard_.Content = u"";
        Select(result_, 0, 5);
        bool pasteEnabled = true;
        QPoint menuAt;
        QTimer::singleShot(0, this, [&] {
            auto* const menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu && menu->objectName() == QLatin1String("editMenu"));
            pasteEnabled = Paste()->isEnabled();
            menuAt = menu->pos();
            QAction* const copy = Action(*window_, "copyAction");
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
        });
        const QPoint at(300, 50);
        QTest::mouseClick(result_->viewport(), Qt::RightButton, {}, at);
        QVERIFY(!pasteEnabled);
        QCOMPARE(menuAt, result_->viewport()->mapToGlobal(at));
        // The command ran from the menu, before the release was over.
        QVERIFY(clipboard_.Content == u"gamma");
        QVERIFY(Paste()->isEnabled());
    }

    void aBusyClipboardLeavesTheBoxesAlone()
    {
        Click(source_);
        clipboard_.Busy = true;
        Select(source_, 0, 5);
        Choose(*window_, "cutAction");
        QVERIFY(source_->Text() == u"alpha\r\nbeta");
        QCOMPARE(messages_.Messages().size(), 1);
        QCOMPARE(messages_.Messages().front().Icon, QMessageBox::Warning);

        Choose(*window_, "pasteAction");
        QVERIFY(source_->Text() == u"alpha\r\nbeta");
        QCOMPARE(messages_.Messages().size(), 2);

        // An unreadable clipboard is not an empty one.
        Click(result_);
        QVERIFY(Paste()->isEnabled());
    }

    void worksWithTheSystemClipboard()
    {
        MainWindow window(std::filesystem::path("unused.dat"));
        ShowAndActivate(window);
        TextBox* const source = Box(window, "sourceBox");
        source->SetText(u"one\r\ntwo");
        QTest::mouseClick(source->viewport(), Qt::LeftButton, {}, QPoint(200, 100));
        Select(source, 0, 8);
        Choose(window, "cutAction");
        QVERIFY(source->Text().empty());
        Choose(window, "pasteAction");
        Choose(window, "pasteAction");
        QVERIFY(source->Text() == u"one\r\ntwoone\r\ntwo");
    }
};

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::EditingMenuTest)
#include "editing_menu_test.moc"
