// The logic of the three descriptor keypads: their option groups (in display order, each group
// ending with its clear option), the parts a keypad keeps between openings, and how the parts
// are joined into the text written into the target field. The windows only show and set these.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "records/coding_system.h"

namespace orbalis::coding {

enum class KeypadDesign { Category, CaseGenderNumber, MoodTenseVoice };

// One group of options: one of them (or none) is chosen, and it sets one part.
struct KeypadGroup {
    std::string_view frame;       // the frame that shows it ("Numero && persona" holds two groups)
    std::span<const Code> codes;  // the options, before the clear option
    std::string_view clearName;   // what a screen reader says for the clear option
};

// The groups of a design, in the order of their parts.
std::span<const KeypadGroup> keypadGroups(KeypadDesign design);

// The caption of the clear option that ends every group.
inline constexpr std::string_view kClearCaption = "Cancella";

// What an instance of a keypad keeps while it runs: one part per group, each a token as listed
// in the coding tables or empty. Fresh parts are all empty.
class KeypadParts {
public:
    static constexpr std::size_t kMaxGroups = 4;

    // Option `option` of group `group` was chosen; the option just after the group's last code
    // is its clear option, which empties the part. The other parts keep their values.
    void choose(KeypadDesign design, std::size_t group, std::size_t option);
    const std::string &part(std::size_t group) const { return m_parts[group]; }

private:
    std::array<std::string, kMaxGroups> m_parts;
};

// The text OK writes: the category code; the case, gender, person and number parts plainly
// concatenated ("nom. m. sg."); mood, tense and voice as the mood keypad joins them: a blank
// after the mood when a tense or a voice follows, and one before the voice, even when the part
// before it is empty (so "act." alone gives "  act.").
std::string composeKeypad(KeypadDesign design, const KeypadParts &parts);

// What a screen reader says for an option: its code (without the trailing blank) and caption,
// "N1 Sostantivo 1er declinazione".
std::string optionName(const Code &code);

}  // namespace orbalis::coding
