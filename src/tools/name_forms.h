// Proper names and their forms, from an open list of Latin lemmas with their inflection models
// (lines "key=canonical|model|radical|...|info|frequency") and the models' declension tables
// (models "modele:NAME" with a parent "pere:", radicals "R:", endings "des:" / "des+:" per case
// number 1-12, absent cases "abs:", variables "$name=endings").
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orbalis::data_build {

// One declined form; case numbers 1-6 are the singular nominative, vocative, accusative,
// genitive, dative, ablative, 7-12 the same in the plural. Plain letters, no quantity marks.
struct DeclinedForm {
    std::string form;
    int caseNumber = 0;
};

class DeclensionModels {
public:
    // Reads the models (UTF-8 text); a model naming a parent it does not know, or a line of
    // its own it cannot read, is a FileError naming `path` and the line.
    void load(const std::string &path, std::string_view utf8);
    bool knows(std::string_view model) const { return m_models.count(std::string(model)) > 0; }
    // The noun declension of a model, from its ancestry: 1 to 5, 6 for an undeclined noun, 0 for
    // any other model (adjectives, verbs, Greek mixed tables).
    int declension(std::string_view model) const;
    // The forms of `canonical` (UTF-8, quantity marks allowed) inflected on `model`; `radical` is
    // the lemma's own first radical when the list gives one (Dumnorig-em of Dumnorix). Cases the model
    // lacks are left out; a case with two endings gives two forms.
    std::vector<DeclinedForm> decline(std::string_view canonical, std::string_view model,
                                      std::string_view radical) const;

private:
    struct Radical {
        bool given = false;  // "K": the canonical form itself
        bool none = false;   // "-": the lemma gives it, or the word has none
        std::size_t drop = 0;
        std::string add;
    };
    struct Model {
        std::map<int, Radical> radicals;
        std::map<int, std::vector<std::pair<int, std::string>>> endings;  // case -> (radical, ending)...
    };
    std::map<std::string, Model> m_models;
    std::map<std::string, std::string> m_parents;
};

// A proper noun of the lemma list: capitalised, declined on a noun model.
struct NameEntry {
    std::string lemma;                   // plain letters, Windows-1252
    std::vector<std::string> canonical;  // UTF-8 spellings with quantity marks
    std::string model;
    std::string radical;  // UTF-8, may be empty
    char gender = ' ';    // 'm', 'f', 'n' or ' '
    bool plural = false;  // a people or a place named in the plural (Haedui, Athenae)
};

// The proper nouns of a lemma list (lemmes.la layout); other lines are skipped.
std::vector<NameEntry> parseNameEntries(std::string_view utf8, const DeclensionModels &models);

}  // namespace orbalis::data_build
