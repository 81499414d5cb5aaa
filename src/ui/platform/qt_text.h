#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace carbonym::ui {

// The program keeps its texts as UTF-16 with CR LF line breaks; Qt keeps
// "\n" (and U+2029 between the paragraphs of a text document). Both are
// UTF-16, so a conversion is one pass over the characters.

// CR LF, a lone CR and a lone LF each become "\n".
QString ToQtText(std::u16string_view text);

// "\n", U+2029, CR LF and a lone CR each become CR LF: every line break a
// text edit would show.
std::u16string FromQtText(QStringView text);

} // namespace carbonym::ui
