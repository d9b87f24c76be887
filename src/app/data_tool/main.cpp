// orbalis-data: builds the sources of the built-in thesaurus and of the lexicon from a word
// frequency list, the analyser's reports on its forms and lists of Italian lemma glosses, and
// measures how much of a text a thesaurus covers. Used by scripts/build-data and scripts/coverage.
// The steps are in the tools library (tools/thesaurus_build.h); this file reads the arguments.
#include <charconv>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/describe_error.h"
#include "tools/data_compiler.h"
#include "tools/thesaurus_build.h"

namespace orbalis::data_tool {
namespace {

constexpr std::string_view kHelp = R"(Usage: orbalis-data COMMAND ...

  prepare FREQUENCIES.tsv OUT.txt
      Write the analyser's input: every form of the list made of the letters a-z, one per line,
      each followed by a marker word the analyser does not know (it numbers the form).
  build OPTIONS
      --frequencies FILE   form TAB count TAB capitalised, with a header line
      --analyses FILE...   the analyser's reports on the prepared input, in order
      --glosses FILE       lemma:Italian gloss lines (lines starting with ! are comments)
      --lemmas FILE        the lemmas with their inflection models (tells homographs apart)
      --models FILE        declension models of the lemma list (modeles.la)
      --names FILE...      lemma lists whose proper names are declined on those models
      --hand-glosses FILE  reviewed glosses (lemma TAB category TAB gloss TAB source), preferred
      --hand-thesaurus FILE --hand-lexicon FILE   hand-checked sources, kept as they are
      --thesaurus-out FILE --lexicon-out FILE     sources to write (omit to write nothing)
      --rules N            economy rules to apply (bits: 1 vocative, 2 participial adjective,
                           4 deponent twin, 8 uncommon beside common, 16 noun repeating an
                           adjective; default 31)
      --by-frequency       choose forms by frequency alone, not frequency per record
      --sample FILE        write 100 generated records drawn with a fixed seed
      --sample-seed N      the seed of that draw (default 20261207)
      --measure TEXT...    report the share of each text's tokens and forms the choice covers
  names OPTIONS
      Write the source of the names file: the proper names of the lemma lists declined on their
      models, each reading the thesaurus source lacks, with its Italian name (else its Latin one).
      --glosses FILE --lemmas FILE --hand-glosses FILE --models FILE --names FILE...  as for build
      --thesaurus FILE     the thesaurus source whose readings are left out
      --out FILE           the names source to write (omit to write nothing)
  compile-names SOURCE.tsv OUT.DAT
      Generate the names file (thesaurus records sorted by form, any number) from its source.
  coverage THESAURUS TEXT...
      Per text: word tokens and distinct forms (ignoring case) that have at least one record.
)";

struct UsageError {
    std::string message;
};

int run(int argc, char **argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::cout << kHelp;
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "prepare") {
        if (args.size() != 2) throw UsageError{"prepare needs FREQUENCIES.tsv OUT.txt"};
        data_build::prepareAnalyserInput(args[0], args[1]);
        return 0;
    }
    if (command == "compile-names") {
        if (args.size() != 2) throw UsageError{"compile-names needs SOURCE.tsv OUT.DAT"};
        compileNames(args[0], args[1]);
        return 0;
    }
    if (command == "coverage") {
        if (args.size() < 2) throw UsageError{"coverage needs THESAURUS TEXT..."};
        data_build::reportCoverage(args[0], {args.begin() + 1, args.end()}, std::cout);
        return 0;
    }
    if (command == "names") {
        data_build::NamesOptions o;
        bool namesList = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string &a = args[i];
            const auto value = [&]() -> std::string {
                if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
                namesList = false;
                return args[++i];
            };
            if (a == "--glosses")
                o.glosses = value();
            else if (a == "--lemmas")
                o.lemmas = value();
            else if (a == "--hand-glosses")
                o.handGlosses = value();
            else if (a == "--models")
                o.models = value();
            else if (a == "--thesaurus")
                o.thesaurus = value();
            else if (a == "--out")
                o.out = value();
            else if (a == "--names")
                namesList = true;
            else if (namesList)
                o.names.push_back(a);
            else
                throw UsageError{"unexpected argument " + a};
        }
        if (o.glosses.empty() || o.models.empty() || o.names.empty() || o.thesaurus.empty())
            throw UsageError{"names needs --glosses, --models, --names and --thesaurus"};
        data_build::buildNamesSource(o, std::cout);
        return 0;
    }
    if (command != "build") throw UsageError{"unknown command " + command};
    data_build::BuildOptions o;
    std::vector<std::string> *list = nullptr;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
            list = nullptr;
            return args[++i];
        };
        if (a == "--frequencies")
            o.frequencies = value();
        else if (a == "--glosses")
            o.glosses = value();
        else if (a == "--lemmas")
            o.lemmas = value();
        else if (a == "--models")
            o.models = value();
        else if (a == "--names")
            list = &o.names;
        else if (a == "--hand-glosses")
            o.handGlosses = value();
        else if (a == "--hand-thesaurus")
            o.handThesaurus = value();
        else if (a == "--hand-lexicon")
            o.handLexicon = value();
        else if (a == "--thesaurus-out")
            o.thesaurusOut = value();
        else if (a == "--lexicon-out")
            o.lexiconOut = value();
        else if (a == "--sample")
            o.sample = value();
        else if (a == "--sample-seed") {
            const std::string v = value();
            const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), o.sampleSeed);
            if (v.empty() || error != std::errc() || end != v.data() + v.size())
                throw UsageError{"--sample-seed needs a whole number from 0 to 4294967295"};
        } else if (a == "--rules") {
            const std::string v = value();
            const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), o.proposal.rules);
            if (v.empty() || error != std::errc() || end != v.data() + v.size() || o.proposal.rules > 31)
                throw UsageError{"--rules needs a number from 0 to 31"};
        } else if (a == "--by-frequency")
            o.proposal.byFrequency = true, list = nullptr;
        else if (a == "--analyses")
            list = &o.analyses;
        else if (a == "--measure")
            list = &o.measure;
        else if (list)
            list->push_back(a);
        else
            throw UsageError{"unexpected argument " + a};
    }
    if (o.frequencies.empty() || o.analyses.empty() || o.glosses.empty() || o.handThesaurus.empty() ||
        o.handLexicon.empty())
        throw UsageError{
            "build needs --frequencies, --analyses, --glosses, --hand-thesaurus and --hand-lexicon"};
    data_build::buildSources(o, std::cout);
    return 0;
}

}  // namespace
}  // namespace orbalis::data_tool

int main(int argc, char **argv) {
    try {
        return orbalis::data_tool::run(argc, argv);
    } catch (const orbalis::data_tool::UsageError &failure) {
        std::cerr << "orbalis-data: " << failure.message << "\n";
        return 2;
    } catch (const orbalis::FileError &error) {
        std::cerr << "orbalis-data: " << orbalis::cli::describe(error) << "\n";
        return 1;
    } catch (const std::exception &error) {
        std::cerr << "orbalis-data: " << error.what() << "\n";
        return 1;
    }
}
