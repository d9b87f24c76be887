// The text intake on any bytes: decoding from a file or an argument, the tokeniser, and the
// conversion back to UTF-8. Checks what must hold whatever the bytes are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/encoding.h"
#include "text/tokenizer.h"

using namespace orbalis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string text = decodeInputText(bytes);
    // The in-place decoding of a loaded file gives the same text, never a longer one.
    if (decodeOwnedInputText(std::string(bytes)) != text || text.size() > bytes.size()) std::abort();
    // A byte-order mark never reaches the text as characters.
    if (bytes.starts_with("\xEF\xBB\xBF") && text.starts_with("\xEF\xBB\xBF") &&
        !bytes.substr(3).starts_with("\xEF\xBB\xBF"))
        std::abort();
    std::size_t letters = 0;
    for (const std::string &form : tokenizeText(text)) {
        if (form.empty()) std::abort();
        for (const char c : form)
            if (!isLetter(c)) std::abort();
        letters += form.size();
    }
    if (letters > text.size()) std::abort();
    // Windows-1252 text survives the trip through UTF-8.
    if (utf8ToCp1252(cp1252ToUtf8(text), '?') != text && !text.starts_with("\xEF\xBB\xBF")) std::abort();
    const std::string outside = firstCharacterOutsideCp1252(bytes);
    if (!outside.empty() && (bytes.find(outside) == std::string_view::npos || !isValidUtf8(bytes)))
        std::abort();
    return 0;
}
