#include "document/LoadedDocument.h"

#include "document/GraphLabels.h"
#include "document/TokenReader.h"

#include <limits>

void SetHeaderMode(LoadedDocument& doc, int mode) {
    struct ModeRow {
        std::int32_t kind;
        float roll, pitch, yaw;
    };
    // Modes 1..7: plane, space, strip, plane, strip, space, special graphs.
    static constexpr ModeRow kModes[] = {
        {1, 0, 0, 0}, {3, 0, -15, 45}, {2, 0, -15, 45}, {1, 0, 0, 0},
        {2, 0, -15, 45}, {3, 0, -15, 45}, {7, 0, 0, 0},
    };
    const ModeRow& m = kModes[mode - 1];
    doc.DocumentKind = m.kind;
    doc.RotRoll = m.roll;
    doc.RotPitch = m.pitch;
    doc.RotYaw = m.yaw;
}

void AppendGraph(LoadedDocument& doc, std::shared_ptr<Cls9> graph) {
    const std::int32_t id = graph->ID;
    if (!doc.IDs.insert(id).second) throw DocumentFormatError("the ID " + GraphKey(id) + " is repeated");
    if (doc.GraphIDCounter < id) {
        if (id == std::numeric_limits<std::int32_t>::max())
            throw DocumentFormatError("an ID leaves no room for the next graph");
        doc.GraphIDCounter = id + 1;
    }
    std::string label = DocumentRowLabel(doc.DocumentKind, *graph);
    doc.Rows.push_back(DocumentRow{std::move(graph), std::move(label)});
}
