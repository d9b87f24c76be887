// The indexed lookup against the literal one on any thesaurus and text, in both modes: the first
// byte chooses the mode and how long the text is; the text follows, the records after it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "analysis/analysis_grid.h"
#include "literal_lookup.h"
#include "text/encoding.h"

using namespace orbalis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1) return 0;
    const LookupMode mode = data[0] & 1 ? LookupMode::Full : LookupMode::Sorted;
    const std::size_t textLength = std::min<std::size_t>(size - 1, (data[0] >> 1) * 4);
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    const FormList forms = tokenizeText(decodeInputText(bytes.substr(0, textLength)));
    const std::string_view records = bytes.substr(textLength);
    // An empty thesaurus is the workspace's pair of sentinels.
    ThesaurusTable table = ThesaurusTable::fromRecords(records, EntryTrim::FormOnly);
    if (records.empty()) table.appendSentinels();

    Grid indexed = makeAnalysisGrid(), literal = makeAnalysisGrid();
    const std::size_t indexedEnd = fillAnalysisGrid(indexed, forms, table, mode);
    const std::size_t literalEnd = reference::literalFillAnalysisGrid(literal, forms, table, mode);
    if (indexedEnd != literalEnd || indexed.rowCount() != literal.rowCount()) std::abort();
    for (std::size_t row = 0; row < indexed.rowCount(); ++row)
        for (std::size_t column = 0; column < indexed.columnCount(); ++column)
            if (indexed.text(row, column) != literal.text(row, column) ||
                indexed.colour(row, column) != literal.colour(row, column) ||
                indexed.bold(row, column) != literal.bold(row, column))
                std::abort();
    return 0;
}
