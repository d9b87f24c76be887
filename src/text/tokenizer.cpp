#include "text/tokenizer.h"

namespace orbalis {

bool isLetter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= 192 && code <= 214) ||
           (code >= 216 && code <= 246) || code >= 248;
}

FormList tokenizeText(std::string_view text) {
    FormList forms;
    forms.reserve(text.size() / 6);
    std::size_t start = 0;
    bool inForm = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLetter(text[i])) {
            if (!inForm) start = i, inForm = true;
        } else if (inForm) {
            forms.emplace_back(text.substr(start, i - start));
            inForm = false;
        }
    }
    if (inForm) forms.emplace_back(text.substr(start));
    return forms;
}

}  // namespace orbalis
