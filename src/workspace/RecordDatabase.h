// A database of records kept in one file of the program's own: the records
// in file order, loaded and saved through the archive as an object list, and
// found by name ignoring the case of A to Z.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/AppMessageBox.h"
#include "framework/Cp1252.h"
#include "framework/File.h"
#include "framework/Format.h"
#include "framework/SafeFile.h"
#include "framework/Translate.h"
#include "workspace/Archive.h"

template <class T>
class CRecordDatabase {
public:
    using Records = std::vector<std::unique_ptr<T>>;

    explicit CRecordDatabase(std::string fileName) : m_fileName(std::move(fileName)) {}

    const std::string& GetFileName() const { return m_fileName; }

    // The records, in file order.  The array changes only through the
    // functions below, each of which tells the name index; whoever renames a
    // record must call NoteChanged afterwards.
    const Records& GetRecords() const { return m_records; }
    std::size_t GetSize() const { return m_records.size(); }
    bool IsEmpty() const { return m_records.empty(); }
    void NoteChanged() { ++m_changeCount; }

    // Adds a record at the end and returns it.
    T* Append(std::unique_ptr<T> record) {
        m_records.push_back(std::move(record));
        NoteChanged();
        return m_records.back().get();
    }
    // Deletes every record.
    void Clear() {
        m_records.clear();
        NoteChanged();
    }
    // Takes every record out, leaving the database empty.
    Records TakeRecords() {
        Records records = std::move(m_records);
        m_records.clear();
        NoteChanged();
        return records;
    }
    // Replaces every record with `records`.
    void SetRecords(Records records) {
        m_records = std::move(records);
        NoteChanged();
    }
    // Removes and deletes `record`; false when it is not in the database.
    bool Erase(const T* record) {
        for (auto it = m_records.begin(); it != m_records.end(); ++it)
            if (it->get() == record) {
                m_records.erase(it);
                NoteChanged();
                return true;
            }
        return false;
    }

    enum class LoadResult { Loaded, CannotOpen, Corrupted };

    // Reads the file from the working directory.  A file that cannot be
    // opened shows "Unable to open <file>" and leaves the records as they
    // were; a malformed one, or one whose records hold NaN or infinity,
    // shows "File <file> missing or corrupted.\nOpening empty workspace."
    // and leaves the database empty.
    LoadResult LoadDatabase() {
        CFile file;
        if (!file.Open(m_fileName, CFile::modeRead)) {
            AppMessageBox(Format(CoreTr("Unable to open %s").c_str(), m_fileName.c_str()));
            return LoadResult::CannotOpen;
        }
        m_records.clear();
        NoteChanged();
        try {
            CArchive ar(&file, CArchive::load);
            SerializeObjectList(ar, m_records);
            for (const auto& record : m_records) {
                if (!record) ar.Throw(CArchiveException::badIndex);  // a database has no empty slots
                // NaN or infinity in a record: the file is damaged.
                if (!record->HasFiniteNumbers()) ar.Throw(CArchiveException::genericException);
            }
            if (!ar.IsAtEnd()) ar.Throw(CArchiveException::genericException);  // more than a database
            ar.Close();
        } catch (const CArchiveException&) {
            return Corrupted();
        } catch (const CFileException&) {
            return Corrupted();
        }
        NoteChanged();
        return LoadResult::Loaded;
    }

    // Writes every record to the file, replacing the old file only once the
    // new one is complete.  On failure shows "Unable to create <file>" and
    // returns false; the old file is then untouched.
    bool SaveDatabase() {
        const SafeWriteResult result = SafeWriteFile(m_fileName, [this](CFile& file) {
            CArchive ar(&file, CArchive::store);
            SerializeObjectList(ar, m_records);
            ar.Close();
        });
        if (!result.ok) AppMessageBox(Format(CoreTr("Unable to create %s").c_str(), m_fileName.c_str()));
        return result.ok;
    }

    // The first record in file order whose name equals `name` when the case
    // of A to Z is ignored, or null.
    T* Find(const std::string& name) const {
        if (m_indexedChange != m_changeCount || m_indexedSize != m_records.size() ||
            m_indexedFront != (m_records.empty() ? nullptr : m_records.front().get()))
            RebuildIndex();
        auto it = m_index.find(FoldCaseAZ(name));
        if (it == m_index.end()) return nullptr;
        // A record renamed without notice would show here: look again.
        if (!EqualNoCaseAZ(it->second->GetName(), name)) {
            RebuildIndex();
            it = m_index.find(FoldCaseAZ(name));
            if (it == m_index.end()) return nullptr;
        }
        return it->second;
    }

private:
    LoadResult Corrupted() {
        m_records.clear();
        m_records.shrink_to_fit();
        NoteChanged();
        AppMessageBox(Format(CoreTr("File %s missing or corrupted.\nOpening empty workspace.").c_str(), m_fileName.c_str()));
        return LoadResult::Corrupted;
    }

    void RebuildIndex() const {
        m_index.clear();
        m_index.reserve(m_records.size());
        for (const auto& record : m_records) m_index.emplace(FoldCaseAZ(record->GetName()), record.get());
        m_indexedChange = m_changeCount;
        m_indexedSize = m_records.size();
        m_indexedFront = m_records.empty() ? nullptr : m_records.front().get();
    }

    std::string m_fileName;
    Records m_records;
    std::uint64_t m_changeCount = 0;

    // Folded name -> first record of that name.
    mutable std::unordered_map<std::string, T*> m_index;
    mutable std::uint64_t m_indexedChange = ~std::uint64_t{0};
    mutable std::size_t m_indexedSize = 0;
    mutable const T* m_indexedFront = nullptr;
};
