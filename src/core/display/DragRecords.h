// What a drag from a database tree carries: the names of the records, never
// pointers, so that a drop looks each one up again in the database as it is
// then.  A name the database no longer holds adds nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

class CTilvexDoc;
class CView;
class CSatelliteDatabase;
class CLocationDatabase;

// MIME types of the program's own drags.
inline constexpr const char* kSatelliteDragType = "application/x-tilvex-satellites";
inline constexpr const char* kLocationDragType = "application/x-tilvex-locations";

struct DraggedRecords {
    // A region folder (its records, in tree order) rather than one record.
    bool folder = false;
    // Windows-1252, as the databases store them.
    std::vector<std::string> names;
    bool operator==(const DraggedRecords&) const = default;
};

// The bytes of the drag data: 'F' for a folder or 'R' for a record, then each
// name in Windows-1252 followed by a NUL byte.  A record carries exactly one
// name; a folder any number, none for an empty region.
std::string EncodeDraggedRecords(const DraggedRecords& records);
// Nothing when the bytes are not of that form.
std::optional<DraggedRecords> DecodeDraggedRecords(const std::string& bytes);

// Adds the dropped records to the workspace.  A record is added with a
// broadcast (none when its name is already there); a folder adds each of its
// records without one and then updates the views once, with `sender` (the
// tabbed pane), even when nothing was added.  Returns how many names were
// added.
int DropSatellites(CTilvexDoc& doc, const CSatelliteDatabase& database, const DraggedRecords& records,
                   CView* sender);
int DropLocations(CTilvexDoc& doc, const CLocationDatabase& database, const DraggedRecords& records,
                  CView* sender);
