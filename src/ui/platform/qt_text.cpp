#include "ui/platform/qt_text.h"

namespace carbonym::ui {

namespace {
constexpr char16_t kParagraphSeparator = u'\u2029';
}

QString ToQtText(std::u16string_view text)
{
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    char16_t* const begin = out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            *out++ = u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            *out++ = c;
        }
    }
    result.truncate(out - begin);
    return result;
}

std::u16string FromQtText(QStringView text)
{
    const auto* const data = reinterpret_cast<const char16_t*>(text.utf16());
    const size_t size = static_cast<size_t>(text.size());
    size_t breaks = 0;
    for (size_t i = 0; i < size; ++i) {
        const char16_t c = data[i];
        breaks += c == u'\n' || c == u'\r' || c == kParagraphSeparator;
    }
    std::u16string result(size + breaks, u'\0');
    char16_t* out = result.data();
    for (size_t i = 0; i < size; ++i) {
        const char16_t c = data[i];
        if (c == u'\n' || c == u'\r' || c == kParagraphSeparator) {
            *out++ = u'\r';
            *out++ = u'\n';
            if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
                ++i;
        } else {
            *out++ = c;
        }
    }
    result.resize(static_cast<size_t>(out - result.data()));
    return result;
}

} // namespace carbonym::ui
