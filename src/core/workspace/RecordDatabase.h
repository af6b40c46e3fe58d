// A database of records kept in one file of the program's own: the records
// in file order, loaded and saved through the archive as an object list, and
// found by name ignoring the case of A to Z.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/framework/FileIdentity.h"
#include "core/framework/Format.h"
#include "core/framework/SafeFile.h"
#include "core/framework/Translate.h"
#include "core/workspace/Archive.h"
#include "core/workspace/EditRun.h"
#include "core/workspace/NameIndex.h"

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
    // The erased record is kept alive, out of the database, until
    // ReleaseErased: the windows may draw it until they are refilled.
    bool Erase(const T* record) {
        for (auto it = m_records.begin(); it != m_records.end(); ++it)
            if (it->get() == record) {
                m_erased.push_back(std::move(*it));
                m_records.erase(it);
                NoteChanged();
                return true;
            }
        return false;
    }

    enum class LoadResult { Loaded, CannotOpen, Corrupted };

    // Reads the records of the file `fileName` into `records` without a
    // word, and what the file was when read into `identity`.  On failure
    // `records` is left empty.
    static LoadResult ReadRecords(const std::string& fileName, Records& records,
                                  FileIdentity* identity = nullptr) {
        records.clear();
        // A file rewritten while it was read is read again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            const FileIdentity before = ReadFileIdentity(fileName);
            const LoadResult result = ReadOnce(fileName, records);
            if (result != LoadResult::Loaded)
                return result;
            if (!FileChangedSince(fileName, before)) {
                if (identity)
                    *identity = before;
                return LoadResult::Loaded;
            }
        }
        if (identity)
            *identity = ReadFileIdentity(fileName);
        return LoadResult::Loaded;
    }

    // Reads the file from the working directory.  A file that cannot be
    // opened shows "Unable to open <file>" and leaves the records as they
    // were; a malformed one, or one whose records hold NaN or infinity,
    // shows "File <file> missing or corrupted.\nOpening empty workspace."
    // and leaves the database empty.
    LoadResult LoadDatabase() {
        Records records;
        FileIdentity identity;
        const LoadResult result = ReadRecords(m_fileName, records, &identity);
        if (result == LoadResult::CannotOpen) {
            const int refusal = ReadRefusal(m_fileName, kDataFileLimit);
            AppMessageBox(Format(CoreTr("Unable to open %s").c_str(), m_fileName.c_str()) +
                          (refusal ? ": " + ErrorText(refusal) : std::string()));
            return result;
        }
        m_identity = identity;
        m_unsaved = false;
        if (result == LoadResult::Corrupted)
            return Corrupted();
        SetRecords(std::move(records));
        return LoadResult::Loaded;
    }

    // Writes every record to the file, replacing the old file only once the
    // new one is complete.  On failure shows "Unable to create <file>: " and
    // the system's reason, keeps the database marked unsaved (UnsavedReason)
    // and returns false; the old file is then untouched.
    bool SaveDatabase() {
        const SafeWriteResult result = SafeWriteFile(m_fileName, [this](CFile& file) {
            CArchive ar(&file, CArchive::store);
            SerializeObjectList(ar, m_records);
            ar.Close();
        });
        if (!result.ok) {
            m_unsaved = true;
            m_unsavedReason = SafeWriteReason(result);
            AppMessageBox(Format(CoreTr("Unable to create %s").c_str(), m_fileName.c_str()) + ": " +
                          m_unsavedReason);
            return false;
        }
        m_unsaved = false;
        m_unsavedReason.clear();
        m_identity = ReadFileIdentity(m_fileName);
        return true;
    }

    // Whether the records hold changes that the file does not (its last
    // save failed), and the system's reason for that failure.
    bool IsUnsaved() const { return m_unsaved; }
    const std::string& UnsavedReason() const { return m_unsavedReason; }
    void SetUnsaved(bool unsaved) { m_unsaved = unsaved; }

    // Whether another program changed or replaced the file since this
    // database last read or wrote it.
    bool ChangedOnDisk() const { return FileChangedSince(m_fileName, m_identity); }

    // Reads the file again when another program changed it and the records
    // hold nothing unsaved; true when the records were replaced.  A file
    // that cannot be read now leaves the records alone.
    bool ReloadIfChanged() {
        if (m_unsaved || !ChangedOnDisk())
            return false;
        Records records;
        FileIdentity identity;
        if (ReadRecords(m_fileName, records, &identity) != LoadResult::Loaded)
            return false;
        SetRecords(std::move(records));
        m_identity = identity;
        return true;
    }

    // An editing run: its start notes the records as the file holds them
    // (kept across runs until a save succeeds); SaveEditRun writes the
    // records, first applying every change since that note onto the file as
    // another program left it, when one did (`keepOurs` settles a record
    // changed on both sides).
    void BeginEditRun() {
        if (!m_base)
            m_base = std::make_unique<CEditRun<T>>(m_records);
    }
    bool SaveEditRun(const typename CEditRun<T>::KeepOurs& keepOurs) {
        if (m_base && ChangedOnDisk()) {
            Records disk;
            if (ReadRecords(m_fileName, disk) == LoadResult::Loaded) {
                Records merged = m_base->MergeOnto(m_records, std::move(disk), keepOurs);
                // The windows still show the records of the run (a failed
                // save below shows a message before they are refilled).
                for (auto& record : m_records)
                    m_erased.push_back(std::move(record));
                SetRecords(std::move(merged));
            }
        }
        if (!SaveDatabase())
            return false;
        m_base.reset();
        return true;
    }
    // Lets go of the records erased (or replaced by a merge) since the last
    // call: for the editing code, once the windows show the database's
    // records again.
    void ReleaseErased() { m_erased.clear(); }

    // Ends a run that changed nothing.
    void EndEditRun() {
        if (!m_unsaved)
            m_base.reset();
    }

    // The first record in file order whose name equals `name` when the case
    // of A to Z is ignored, or null.
    T* Find(const std::string& name) const {
        if (m_indexedChange != m_changeCount || m_indexedSize != m_records.size() ||
            m_indexedFront != (m_records.empty() ? nullptr : m_records.front().get()))
            RebuildIndex();
        // Records of one name lie along the probe in file order; a record
        // renamed without notice no longer matches and is passed over.
        const std::size_t mask = m_index.size() - 1;
        for (std::size_t slot = HashNoCaseAZ(name) & mask; m_index[slot]; slot = (slot + 1) & mask)
            if (EqualNoCaseAZ(m_index[slot]->GetName(), name))
                return m_index[slot];
        return nullptr;
    }

private:
    static LoadResult ReadOnce(const std::string& fileName, Records& records) {
        records.clear();
        CFile file;
        // Only a regular file of at most 1 GB: a pipe or a device would hang.
        if (!file.OpenToRead(fileName, kDataFileLimit))
            return LoadResult::CannotOpen;
        try {
            CArchive ar(&file, CArchive::load);
            SerializeObjectList(ar, records);
            for (const auto& record : records) {
                if (!record)
                    ar.Throw(CArchiveException::badIndex);  // a database has no empty slots
                // NaN or infinity in a record: the file is damaged.
                if (!record->HasFiniteNumbers())
                    ar.Throw(CArchiveException::genericException);
            }
            if (!ar.IsAtEnd())
                ar.Throw(CArchiveException::genericException);  // more than a database
            ar.Close();
        } catch (const CArchiveException&) {
            records.clear();
            return LoadResult::Corrupted;
        } catch (const CFileException&) {
            records.clear();
            return LoadResult::Corrupted;
        }
        return LoadResult::Loaded;
    }

    LoadResult Corrupted() {
        m_records.clear();
        m_records.shrink_to_fit();
        NoteChanged();
        AppMessageBox(Format(CoreTr("File %s missing or corrupted.\nOpening empty workspace.").c_str(),
                             m_fileName.c_str()));
        return LoadResult::Corrupted;
    }

    void RebuildIndex() const {
        std::size_t size = 16;
        while (size < 2 * m_records.size())
            size *= 2;
        m_index.assign(size, nullptr);
        for (const auto& record : m_records) {
            std::size_t slot = HashNoCaseAZ(record->GetName()) & (size - 1);
            while (m_index[slot])
                slot = (slot + 1) & (size - 1);
            m_index[slot] = record.get();
        }
        m_indexedChange = m_changeCount;
        m_indexedSize = m_records.size();
        m_indexedFront = m_records.empty() ? nullptr : m_records.front().get();
    }

    std::string m_fileName;
    Records m_records;
    Records m_erased;
    FileIdentity m_identity;
    std::unique_ptr<CEditRun<T>> m_base;
    bool m_unsaved = false;
    std::string m_unsavedReason;
    std::uint64_t m_changeCount = 0;

    // Every record, in slots found from its name with the case of A to Z
    // ignored and probed in turn (at least twice as many slots as records,
    // a power of two): eight bytes a slot where a map of folded names took
    // a hundred a record.
    mutable std::vector<T*> m_index;
    mutable std::uint64_t m_indexedChange = ~std::uint64_t{0};
    mutable std::size_t m_indexedSize = 0;
    mutable const T* m_indexedFront = nullptr;
};
