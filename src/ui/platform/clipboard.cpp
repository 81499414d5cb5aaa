#include "ui/platform/clipboard.h"

#include "ui/platform/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace carbonym::ui {

namespace {

class QtClipboard final : public Clipboard {
public:
    std::optional<std::u16string> Text() override
    {
        QClipboard* const clipboard = QGuiApplication::clipboard();
        const QMimeData* const data = clipboard ? clipboard->mimeData() : nullptr;
        if (!data)
            return std::nullopt;
        return data->hasText() ? FromQtText(data->text()) : std::u16string();
    }

    bool PutText(std::u16string_view text) override
    {
        QClipboard* const clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return false;
        const QString qtText = ToQtText(text);
        clipboard->clear();
        clipboard->setText(qtText);
        // Qt reports no failure of its own: a clipboard that another program
        // holds keeps its old content, so read back what it now offers.
        const QMimeData* const data = clipboard->mimeData();
        return data && data->text() == qtText;
    }
};

} // namespace

Clipboard& SystemClipboard()
{
    static QtClipboard clipboard;
    return clipboard;
}

} // namespace carbonym::ui
