// The analyser's report as it comes back from the child process, on any bytes: cut into forms at
// the marker words (the first byte says how many forms were asked), and each form's part turned
// into analyses and rows. Neither step may crash or throw; every row fits the thesaurus's fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "analyser/analyser_conversion.h"
#include "analyser/analyser_proposals.h"

using namespace orbalis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t forms = data[0] % 8;
    const std::string_view report(reinterpret_cast<const char *>(data) + 1, size - 1);
    const auto parts = splitAnalyserReport(report, forms);
    if (parts && parts->size() != forms) std::abort();
    // Each part, or the whole report when it could not be cut, as the report of one form.
    const std::vector<std::string> texts = parts ? *parts : std::vector<std::string>{std::string(report)};
    for (const std::string &text : texts) {
        auto analyses = convertAnalyserOutput("amo", text);
        keepPlausibleAnalyses(analyses);
        applyEconomyRules(analyses, kAllEconomyRules);
        for (const ProposedAnalysis &a : analyses)
            if (a.category.empty() && a.lemma.empty()) std::abort();
    }
    return 0;
}
