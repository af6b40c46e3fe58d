#include "core/display/DragRecords.h"

#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"

std::string EncodeDraggedRecords(const DraggedRecords& records) {
    std::string bytes(1, records.folder ? 'F' : 'R');
    for (const auto& name : records.names) {
        bytes += name;
        bytes += '\0';
    }
    return bytes;
}

std::optional<DraggedRecords> DecodeDraggedRecords(const std::string& bytes) {
    if (bytes.empty() || (bytes[0] != 'F' && bytes[0] != 'R'))
        return std::nullopt;
    DraggedRecords records;
    records.folder = bytes[0] == 'F';
    std::size_t start = 1;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\0', start);
        if (end == std::string::npos)
            return std::nullopt;  // a name without its end
        records.names.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    if (!records.folder && records.names.size() != 1)
        return std::nullopt;
    return records;
}

namespace {

template <class Database, class Add>
int Drop(CTilvexDoc& doc, const Database& database, const DraggedRecords& records, CView* sender, Add add) {
    int added = 0;
    for (const auto& name : records.names) {
        const auto* record = database.Find(name);
        if (!record)
            continue;
        const std::size_t before = add.Count(doc);
        add(doc, record, !records.folder);
        added += add.Count(doc) != before;
    }
    if (records.folder)
        doc.UpdateAllViews(sender);
    return added;
}

struct AddSatellite {
    static std::size_t Count(const CTilvexDoc& doc) { return doc.GetSatelliteNames().size(); }
    void operator()(CTilvexDoc& doc, const CSatellite* satellite, bool broadcast) const {
        doc.AddSatellite(satellite, broadcast);
    }
};
struct AddLocation {
    static std::size_t Count(const CTilvexDoc& doc) { return doc.GetLocationNames().size(); }
    void operator()(CTilvexDoc& doc, const CLocation* location, bool broadcast) const {
        doc.AddLocation(location, broadcast);
    }
};

}  // namespace

int DropSatellites(CTilvexDoc& doc, const CSatelliteDatabase& database, const DraggedRecords& records,
                   CView* sender) {
    return Drop(doc, database, records, sender, AddSatellite{});
}

int DropLocations(CTilvexDoc& doc, const CLocationDatabase& database, const DraggedRecords& records,
                  CView* sender) {
    return Drop(doc, database, records, sender, AddLocation{});
}
