#include "records/descriptor_keypads.h"

#include <stdexcept>

namespace orbalis::coding {

namespace {

const KeypadGroup kCategoryGroups[] = {{kCategoryFrame, categories(), "Cancella categoria"}};
const KeypadGroup kCaseGroups[] = {
    {kCaseFrame, cases(), "Cancella caso"},
    {kGenderFrame, genders(), "Cancella genere"},
    {kNumberPersonFrame, persons(), "Cancella persona"},
    {kNumberPersonFrame, numbers(), "Cancella numero"},
};
const KeypadGroup kMoodGroups[] = {
    {kMoodFrame, moods(), "Cancella modo"},
    {kTenseFrame, tenses(), "Cancella tempo"},
    {kVoiceFrame, voices(), "Cancella voce"},
};

}  // namespace

std::span<const KeypadGroup> keypadGroups(KeypadDesign design) {
    switch (design) {
        case KeypadDesign::Category:
            return kCategoryGroups;
        case KeypadDesign::CaseGenderNumber:
            return kCaseGroups;
        case KeypadDesign::MoodTenseVoice:
            return kMoodGroups;
    }
    return {};
}

void KeypadParts::choose(KeypadDesign design, std::size_t group, std::size_t option) {
    const auto groups = keypadGroups(design);
    if (group >= groups.size() || option > groups[group].codes.size())
        throw std::out_of_range("no such keypad option");
    const auto codes = groups[group].codes;
    m_parts[group] = option == codes.size() ? std::string() : std::string(codes[option].token);
}

std::string composeKeypad(KeypadDesign design, const KeypadParts &parts) {
    switch (design) {
        case KeypadDesign::Category:
            return parts.part(0);
        case KeypadDesign::CaseGenderNumber:
            return caseGenderNumber(parts.part(0), parts.part(1), parts.part(2), parts.part(3));
        case KeypadDesign::MoodTenseVoice: {
            const std::string &mood = parts.part(0), &tense = parts.part(1), &voice = parts.part(2);
            std::string descriptor = mood;
            if (!tense.empty() || !voice.empty()) descriptor += ' ';
            descriptor += tense;
            if (!voice.empty()) descriptor += ' ';
            return descriptor + voice;
        }
    }
    return {};
}

std::string optionName(const Code &code) {
    std::string_view token = code.token;
    if (!token.empty() && token.back() == ' ') token.remove_suffix(1);
    std::string name(token);
    return name.append(" ").append(code.caption);
}

}  // namespace orbalis::coding
