#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace carbonym::ui {

// The clipboard in plain text, with the program's CR LF line breaks. Another
// program may hold the clipboard for a moment, so every use can fail.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // The clipboard's plain text, empty when it offers none; nothing when it
    // cannot be read.
    virtual std::optional<std::u16string> Text() = 0;

    // Clears the clipboard and puts `text` on it as plain text alone; false
    // when it cannot be written.
    virtual bool PutText(std::u16string_view text) = 0;
};

// The system clipboard.
Clipboard& SystemClipboard();

} // namespace carbonym::ui
