// The Italian glosses of the built-in data: the open list of lemma glosses (lemma:gloss lines,
// with a list of lemmas and their inflection models that tells homographs apart) and the
// reviewed hand table, which wins over the open list. Text is Windows-1252.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orbalis::data_build {

// Lower case, i for j, u for v, without quantity marks or homograph digits: how lemmas of the
// analyser and of the gloss lists are matched.
std::string foldLemma(std::string_view cp1252);
// UTF-8 Latin with quantity marks to plain letters.
std::string stripMarks(std::string_view utf8);

// The senses of a gloss of the open list, tidied: without numbering, grammatical labels,
// sub-entries ("si habere: trovarsi"), unbalanced brackets, repeated items or French
// abbreviations (qqch, qqn, qqf), joined by ", ".
// "1. allontanare2. deviare" -> "allontanare"; "ramo, ramo" -> "ramo".
std::string tidyGloss(std::string_view cp1252);

// The first senses of `gloss` (items separated by ", " or "; ") that fit `width` characters
// whole; a first sense longer than the width is cut at a word boundary, never after a function
// word, a comma or an open bracket.
std::string fitSenses(std::string_view gloss, std::size_t width);

// The coarse part of speech of a category code: n noun, a adjective, p pronoun, v verb,
// d adverb, r preposition, c conjunction, i interjection, u numeral, ? other.
char categoryClass(std::string_view category);

class GlossList {
public:
    // `glossesPath`: lemma:gloss lines of the open list (lines starting with ! are comments);
    // `lemmasPath`: its lemmas with their inflection models (may be empty).
    void loadOpenList(const std::string &glossesPath, const std::string &lemmasPath);
    void addOpenGloss(std::string_view lemmaUtf8, std::string_view glossUtf8, char cls = '?',
                      char gender = ' ', std::string_view genitive = {});
    // The hand table: a header line, then lemma TAB category TAB gloss TAB source, UTF-8. A line
    // without its four fields, or an empty gloss, is a FileError naming the path and the line.
    void loadHandTable(const std::string &path, std::string_view utf8);

    // The gloss of `lemma` of category `category` (and, for nouns, gender 'm', 'f' or 'n'), or
    // empty. The hand table's entry for the lemma and category wins. In the open list, among
    // homographs the one of the same part of speech wins, then one with the same initial case
    // (a common noun does not get the gloss of a proper name).
    // `genitive`, a noun's genitive singular (frondis), picks among homographs of one gender the
    // one whose genitive the list of lemmas gives (frons, frondis "fogliame" beside frons, frontis).
    std::string find(std::string_view lemma, std::string_view category = {}, char gender = ' ',
                     std::string_view genitive = {}) const;
    // The Italian name of the proper noun `lemma` of category `category`: the hand table's, else
    // the first item of the open list's gloss of a capitalised lemma, without a remark in
    // brackets; a French rendering there (Médée, Phrygie) gives way to the Latin name itself.
    // Empty when neither list has a capitalised lemma of that spelling.
    std::string findName(std::string_view lemma, std::string_view category) const;
    // True when the hand table has the lemma and category.
    bool reviewed(std::string_view lemma, std::string_view category) const;

private:
    struct Gloss {
        std::string key, gloss;
        char cls, gender;
        std::string genitive;  // a noun's genitive or its ending (ontis), plain letters; may be empty
    };
    std::map<std::string, std::vector<Gloss>> m_open;  // folded lemma -> homographs
    std::map<std::string, std::string> m_hand;         // folded lemma|category -> gloss
};

}  // namespace orbalis::data_build
