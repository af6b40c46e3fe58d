#include "ui/orbits/SatelliteOrbits.h"

#include <QDir>

#include "core/framework/AppMessageBox.h"
#include "core/framework/FileIdentity.h"
#include "ui/framework/QtText.h"

namespace {

struct OrbitsFile {
    COrbitRecords records;
    std::string path;  // the file the records were read from
    FileIdentity read;
    bool loaded = false;
};

OrbitsFile& Current() {
    static OrbitsFile* file = new OrbitsFile;
    const std::string path = QDir::current().absoluteFilePath(kOrbitRecordsFile).toStdString();
    if (file->loaded && path == file->path && !FileChangedSince(path, file->read))
        return *file;
    file->path = path;
    file->read = ReadFileIdentity(path);
    file->loaded = true;
    const std::optional<std::string> failure = file->records.Load(path);
    std::string problems = failure ? *failure : std::string();
    for (const OrbitLineProblem& problem : file->records.Problems())
        problems += (problems.empty() ? "" : "\n") + problem.message;
    if (!problems.empty())
        AppMessageBox(ToCp1252Text(Tr("Some imported orbits could not be read; the lines stay in the file as "
                                      "they are:")) +
                          "\n\n" + problems,
                      MB_OK, MB_ICONEXCLAMATION);
    return *file;
}

}  // namespace

const OrbitRecord* ImportedOrbit(const std::string& satellite) {
    return Current().records.Find(satellite);
}

QString InclinedOrbitNoteFor(const std::string& satellite) {
    const OrbitRecord* record = ImportedOrbit(satellite);
    return record ? FromCp1252(InclinedOrbitNote(record->inclination)) : QString();
}

bool RecordImportedOrbits(const std::vector<GeoObject>& objects, const std::vector<SlotMatch>& matches) {
    OrbitsFile& file = Current();
    file.records.TakeImport(objects, matches);
    std::string error;
    if (file.records.Save(file.path, &error)) {
        file.read = ReadFileIdentity(file.path);
        return true;
    }
    AppMessageBox(ToCp1252Text(Tr("The imported orbits could not be saved:")) + "\n\n" + error, MB_OK,
                  MB_ICONEXCLAMATION);
    // What the file holds is what counts.
    file.loaded = false;
    Current();
    return false;
}
