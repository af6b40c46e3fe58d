// The one encoding of the program's files: little-endian primitives,
// length-prefixed strings, element counts, and tagged objects with a table
// that numbers classes and objects in order of first appearance.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/framework/RuntimeClass.h"

class CFile;

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;

class CArchiveException : public std::exception {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7,
    };

    CArchiveException(Cause cause, std::string path);

    // The message of the cause, with the file's path in place of %1.
    std::string GetErrorMessage() const;
    const char* what() const noexcept override { return m_what.c_str(); }

    static std::string MessageFor(Cause cause, const std::string& path);

    Cause m_cause;
    std::string m_strFileName;

private:
    std::string m_what;
};

class CArchive {
public:
    enum Mode { store = 0, load = 1 };
    static constexpr std::size_t kDefaultBufferSize = 4096;
    // The most entries the class-and-object table may hold.
    static constexpr DWORD kMaxMapCount = 0x3FFFFFFE;

    CArchive(CFile* file, Mode mode, std::size_t bufferSize = kDefaultBufferSize);
    // A storing archive that was not closed writes out its buffer here,
    // ignoring errors; call Close to see them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }
    const std::string& GetFilePath() const { return m_strFileName; }

    // Writes out the buffer (storing) and detaches from the file.
    void Close();
    // Writes out the buffer to the file.
    void Flush();

    CArchive& operator<<(BYTE v);
    CArchive& operator<<(WORD v);
    CArchive& operator<<(LONG v);
    CArchive& operator<<(DWORD v);
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const std::string& s);

    CArchive& operator>>(BYTE& v);
    CArchive& operator>>(WORD& v);
    CArchive& operator>>(LONG& v);
    CArchive& operator>>(DWORD& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(std::string& s);

    void WriteCount(DWORD count);
    DWORD ReadCount();

    // Writes an object reference (null, an earlier object, or a new object
    // with its class and fields).
    void WriteObject(const CObject* object);
    // Writes an object of a list that owns its objects (so that the list
    // holds it once), as WriteObject would.  Such objects are remembered in
    // a plain array, sorted only when something refers back to one: a list
    // of a million records takes sixteen megabytes rather than forty.
    void WriteOwnedObject(const CObject* object);
    // Room for `count` more owned objects.
    void ReserveOwnedObjects(std::size_t count);

    // The result of reading an object reference: either null, an object read
    // earlier in this file (not owned), or a new object that the caller owns.
    struct ObjectRef {
        CObject* earlier = nullptr;
        std::unique_ptr<CObject> created;
        CObject* get() const { return created ? created.get() : earlier; }
    };
    // Reads an object reference; with `requested`, the object must be of that
    // class or one derived from it.
    ObjectRef ReadObject(const CRuntimeClass* requested);

    // Loading: whether every byte of the file has been read.  A file of the
    // program holds nothing after its last field.
    bool IsAtEnd();

    // Reads the next object reference's tag (and class record) and tells the
    // class of the object it introduces, without reading the object: for a
    // caller that only wants to know what a file holds.  Null for a null
    // reference.  The archive cannot go on reading that object afterwards.
    const CRuntimeClass* ReadNextObjectClass();

    // Raises the archive error `cause` for this archive's file.
    [[noreturn]] void Throw(CArchiveException::Cause cause) const;

private:
    // An object reference's tag: the 16-bit word, and the full index with
    // the class bit (bit 31).
    struct Tag {
        WORD word = 0;
        DWORD full = 0;
        bool IsClass() const { return (full & 0x80000000u) != 0; }
    };
    Tag ReadTag();
    // The class a class tag names, reading and recording a new class record.
    const CRuntimeClass* ReadClass(const Tag& tag);
    CObject* EarlierObject(const Tag& tag, const CRuntimeClass* requested) const;
    void CheckStoring() const;
    void CheckLoading() const;
    void Write(const void* data, std::size_t count);
    void Read(void* data, std::size_t count);
    // Appends `count` bytes from the file to `out`, a buffer-full at a time,
    // so that memory grows only with what the file really holds.
    void ReadInto(std::string& out, std::uint64_t count);
    DWORD ReadStringLength(bool& wide);
    void WriteObject(const CObject* object, bool owned);
    const DWORD* FindOwnedObject(const void* object);
    void WriteTag(DWORD index, bool isClass);
    DWORD NextIndex();

    CFile* m_pFile;
    Mode m_mode;
    std::string m_strFileName;
    std::vector<char> m_buffer;
    std::size_t m_cur = 0;  // next byte to read or write
    std::size_t m_lim = 0;  // end of valid bytes when loading

    // Table of classes and objects: store side by address, load side by index.
    DWORD m_nMapCount = 1;
    std::unordered_map<const void*, DWORD> m_storeMap;
    struct OwnedObject {
        const void* object;
        DWORD index;
    };
    std::vector<OwnedObject> m_ownedObjects;
    bool m_ownedSorted = true;
    struct LoadEntry {
        const CRuntimeClass* cls = nullptr;
        CObject* object = nullptr;
    };
    std::vector<LoadEntry> m_loadArray;
};

// A string list: an element count, then the strings.
void SerializeStringList(CArchive& ar, std::vector<std::string>& list);

// An object list of records owned by `list`.  Loading replaces what the list
// held, growing it one object at a time as the file delivers them.  Since the
// list owns its records, a second reference to an object already read is a
// bad-format error.
template <class T>
void SerializeObjectList(CArchive& ar, std::vector<std::unique_ptr<T>>& list) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(list.size()));
        ar.ReserveOwnedObjects(list.size());
        for (const auto& item : list)
            ar.WriteOwnedObject(item.get());
        return;
    }
    list.clear();
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        CArchive::ObjectRef ref = ar.ReadObject(T::ThisClass());
        if (ref.earlier)
            ar.Throw(CArchiveException::badIndex);
        list.emplace_back(static_cast<T*>(ref.created.release()));
    }
}
