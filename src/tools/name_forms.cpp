#include "tools/name_forms.h"

#include <cctype>

#include "records/file_error.h"
#include "text/encoding.h"
#include "tools/data_sources.h"
#include "tools/gloss_list.h"

namespace orbalis::data_build {

namespace {

// UTF-8 with quantity marks to plain Windows-1252 letters.
std::string plain(std::string_view utf8) {
    return utf8ToCp1252(stripMarks(utf8), '?');
}

// "1-4,6" -> 1, 2, 3, 4, 6; numbers above 12 (locatives and other extra cases) are left out.
std::vector<int> caseNumbers(std::string_view text) {
    std::vector<int> out;
    for (const std::string &item : splitFields(text, ',')) {
        const std::size_t dash = item.find('-');
        const int from = std::atoi(item.c_str());
        const int to = dash == std::string::npos ? from : std::atoi(item.c_str() + dash + 1);
        for (int n = from; n <= to; ++n)
            if (n >= 1 && n <= 12) out.push_back(n);
    }
    return out;
}

}  // namespace

void DeclensionModels::load(const std::string &path, std::string_view utf8) {
    std::map<std::string, std::string> variables;
    Model *current = nullptr;
    std::string currentName;
    const auto lines = splitLines(utf8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto fault = [&](const std::string &reason) {
            throw FileError(path, FileFailure::SourceData)
                .withDetail("line " + std::to_string(i + 1) + ": " + reason);
        };
        if (line.empty() || line.front() == '!') continue;
        if (line.front() == '$') {
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos) fault("a variable without its value");
            variables[std::string(line.substr(0, eq))] = std::string(line.substr(eq + 1));
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) fault("a line without its key");
        const std::string key(line.substr(0, colon));
        const std::string_view value = line.substr(colon + 1);
        if (key == "modele") {
            currentName = std::string(value);
            current = &m_models[currentName];
            continue;
        }
        if (!current) fault("a line before the first model");
        if (key == "pere") {
            const auto parent = m_models.find(std::string(value));
            if (parent == m_models.end()) fault("unknown parent model " + std::string(value));
            *current = parent->second;
            m_parents[currentName] = std::string(value);
        } else if (key == "R") {
            const auto f = splitFields(value, ':');
            if (f.size() != 2) fault("a radical without its rule");
            Radical r;
            if (f[1] == "K" || f[1] == "-") {  // the canonical form itself, or no radical
                r.given = f[1] == "K";
                r.none = f[1] == "-";
            } else {
                const auto rule = splitFields(f[1], ',');
                if (rule.size() != 2) fault("a radical rule other than DROP,ADD");
                r.drop = static_cast<std::size_t>(std::atoi(rule[0].c_str()));
                r.add = rule[1] == "0" ? std::string() : plain(rule[1]);
            }
            current->radicals[std::atoi(f[0].c_str())] = r;
        } else if (key == "des" || key == "des+") {
            const auto f = splitFields(value, ':');
            if (f.size() != 3) fault("endings without their cases and radical");
            const auto cases = caseNumbers(f[0]);
            if (cases.empty()) continue;  // the cases of adjectives, pronouns and verbs
            // A variable stands for its list of endings, each after the prefix written before it.
            std::vector<std::string> perCase;
            for (const std::string &item : splitFields(f[2], ';')) {
                const std::size_t dollar = item.find('$');
                if (dollar == std::string::npos) {
                    perCase.push_back(item);
                    continue;
                }
                const auto v = variables.find(item.substr(dollar));
                if (v == variables.end()) fault("unknown variable " + item.substr(dollar));
                for (const std::string &e : splitFields(v->second, ';'))
                    perCase.push_back(item.substr(0, dollar) + e);
            }
            const int radical = std::atoi(f[1].c_str());
            if (perCase.empty()) fault("cases without endings");
            for (std::size_t c = 0; c < cases.size(); ++c) {
                // A list shorter than the cases repeats its last ending.
                auto &slot = current->endings[cases[c]];
                if (key == "des") slot.clear();
                for (const std::string &e : splitFields(perCase[std::min(c, perCase.size() - 1)], ','))
                    slot.emplace_back(radical, e == "-" ? std::string() : plain(e));
            }
        } else if (key == "abs") {
            for (int c : caseNumbers(value)) current->endings.erase(c);
        }
        // pos, suf, sufd: not needed for nouns.
    }
}

int DeclensionModels::declension(std::string_view model) const {
    static const std::map<std::string, int, std::less<>> kRoots = {
        {"uita", 1}, {"lupus", 2}, {"templum", 2}, {"miles", 3}, {"manus", 4}, {"res", 5}, {"isaac", 6}};
    std::string name(model);
    for (int depth = 0; depth < 20; ++depth) {
        const auto root = kRoots.find(name);
        if (root != kRoots.end()) return root->second;
        const auto parent = m_parents.find(name);
        if (parent == m_parents.end()) return 0;
        name = parent->second;
    }
    return 0;
}

std::vector<DeclinedForm> DeclensionModels::decline(std::string_view canonical, std::string_view model,
                                                    std::string_view radical) const {
    std::vector<DeclinedForm> out;
    const auto it = m_models.find(std::string(model));
    if (it == m_models.end()) return out;
    const std::string base = plain(canonical);
    const std::string own = plain(radical.substr(0, radical.find(',')));
    const auto radicalOf = [&](int n) -> std::string {
        if (n == 0) return base;
        if (n == 1 && !own.empty()) return own;
        const auto r = it->second.radicals.find(n);
        if (r == it->second.radicals.end() || r->second.none) return {};
        if (r->second.given) return base;
        if (r->second.drop > base.size()) return {};
        return base.substr(0, base.size() - r->second.drop) + r->second.add;
    };
    for (const auto &[caseNumber, endings] : it->second.endings)
        for (const auto &[radicalNumber, ending] : endings) {
            const std::string stem = radicalOf(radicalNumber);
            const std::string form = stem + ending;
            if (stem.empty() || form.find('?') != std::string::npos) continue;
            bool repeated = false;
            for (const auto &f : out) repeated = repeated || (f.form == form && f.caseNumber == caseNumber);
            if (!repeated) out.push_back({form, caseNumber});
        }
    return out;
}

std::vector<NameEntry> parseNameEntries(std::string_view utf8, const DeclensionModels &models) {
    std::vector<NameEntry> out;
    for (std::string_view line : splitLines(utf8)) {
        if (line.empty() || line.front() == '!') continue;
        const auto f = splitFields(line, '|');
        if (f.size() < 5) continue;
        const std::size_t eq = f[0].find('=');
        const std::string key = f[0].substr(0, eq);
        std::string lemma;
        for (char c : plain(key))
            if (!(c >= '0' && c <= '9')) lemma += c;
        if (lemma.empty() || !(lemma.front() >= 'A' && lemma.front() <= 'Z') ||
            lemma.find('?') != std::string::npos)
            continue;
        const int declension = models.declension(f[1]);
        if (declension < 1 || declension > 5) continue;
        NameEntry e;
        e.lemma = lemma;
        e.canonical =
            eq == std::string::npos ? std::vector<std::string>{key} : splitFields(f[0].substr(eq + 1), ',');
        for (auto &c : e.canonical)
            while (!c.empty() && c.back() >= '0' && c.back() <= '9') c.pop_back();
        e.model = f[1];
        e.radical = f[2];
        for (const std::string &token : splitFields(f[4], ' ')) {
            std::string t = token;
            while (!t.empty() && t.back() == ',') t.pop_back();
            if (t == "m.") e.gender = 'm';
            if (t == "f.") e.gender = 'f';
            if (t == "n.") e.gender = 'n';
            if (t == "pl.") e.plural = true;
        }
        out.push_back(std::move(e));
    }
    return out;
}

}  // namespace orbalis::data_build
