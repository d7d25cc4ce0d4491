#include "document/RecordFormat.h"

#include "graph/GraphEnums.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::array<std::int32_t, 22> kGraphRecordTypes = {0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13,
                                                            14, 15, 20, 21, 22, 23, 31, 32, 36, 37, 38};
constexpr std::array<std::int32_t, 3> kTableRecordTypes = {GraphType::Table2D, GraphType::Table25D,
                                                           GraphType::Table3D};

bool Contains(const auto& list, std::int32_t v) { return std::find(list.begin(), list.end(), v) != list.end(); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

RecordKind RecordKindOf(std::int32_t graphType) {
    if (Contains(kGraphRecordTypes, graphType)) return RecordKind::Graph;
    if (Contains(kTableRecordTypes, graphType)) return RecordKind::Table;
    return RecordKind::None;
}

std::optional<std::int32_t> RecordTypeOfToken(std::string_view token) {
    if (token.empty() || token.size() > 2 || !std::all_of(token.begin(), token.end(), IsDigit)) return std::nullopt;
    if (token.size() == 2 && token[0] == '0') return std::nullopt;
    const std::int32_t type = token.size() == 1 ? token[0] - '0' : (token[0] - '0') * 10 + (token[1] - '0');
    if (RecordKindOf(type) == RecordKind::None) return std::nullopt;
    return type;
}

std::optional<DocumentHeader> ParseDocumentHeader(std::string_view t) {
    if (t.size() == 2 && t[0] == 'S' && t[1] >= '1' && t[1] <= '6') return DocumentHeader{0, t[1] - '0'};
    if (t.size() != 3 || t[0] != 'S' || !IsDigit(t[1]) || !IsDigit(t[2])) return std::nullopt;
    const int generation = t[1] - '0';
    const int mode = t[2] - '0';
    const int lastMode = generation == 1 ? 6 : 7;
    if (generation < 1 || generation > 7 || mode < 1 || mode > lastMode) return std::nullopt;
    return DocumentHeader{generation, mode};
}

std::string_view DocumentHeaderFor(std::int32_t documentKind) {
    switch (documentKind) {
    case 2: return "S73";
    case 3: return "S72";
    case 4: return "S74";
    case 5: return "S75";
    case 6: return "S76";
    case 7: return "S77";
    // Kind 1, and a document no New command has begun (kind 0): a plane document.
    default: return "S71";
    }
}
