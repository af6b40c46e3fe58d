#include "core/workspace/Archive.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"

static_assert(std::endian::native == std::endian::little, "the archive assumes a little-endian host");

CArchiveException::CArchiveException(Cause cause, std::string path)
    : m_cause(cause), m_strFileName(std::move(path)), m_what(MessageFor(cause, m_strFileName)) {}

std::string CArchiveException::GetErrorMessage() const {
    return MessageFor(m_cause, m_strFileName);
}

std::string CArchiveException::MessageFor(Cause cause, const std::string& path) {
    const char* text = TrNoop("No error occurred.");
    switch (cause) {
        case none:
            text = TrNoop("No error occurred.");
            break;
        case genericException:
            text = TrNoop("An unknown error occurred while accessing %1.");
            break;
        case readOnly:
            text = TrNoop("An attempt was made to write to the reading %1.");
            break;
        case endOfFile:
            text = TrNoop("An attempt was made to access %1 past its end.");
            break;
        case writeOnly:
            text = TrNoop("An attempt was made to read from the writing %1.");
            break;
        case badIndex:
            text = TrNoop("%1 has a bad format.");
            break;
        case badClass:
            text = TrNoop("%1 contained an unexpected object.");
            break;
        case badSchema:
            text = TrNoop("%1 contains an incorrect schema.");
            break;
    }
    return FormatMessage1(CoreTr(text), path);
}

CArchive::CArchive(CFile* file, Mode mode, std::size_t bufferSize)
    : m_pFile(file),
      m_mode(mode),
      m_strFileName(file ? file->GetFilePath() : std::string()),
      m_buffer(std::max<std::size_t>(bufferSize, 16)) {
    if (m_mode == load)
        m_loadArray.emplace_back();  // index 0 stands for null
}

CArchive::~CArchive() {
    if (m_pFile && IsStoring()) {
        try {
            Flush();
        } catch (...) {
        }
    }
}

void CArchive::Close() {
    if (m_pFile && IsStoring())
        Flush();
    m_pFile = nullptr;
}

void CArchive::Flush() {
    if (!IsStoring() || !m_pFile)
        return;
    if (m_cur > 0) {
        const std::size_t n = m_cur;
        m_cur = 0;
        m_pFile->Write(m_buffer.data(), n);
    }
}

[[noreturn]] void CArchive::Throw(CArchiveException::Cause cause) const {
    throw CArchiveException(cause, m_strFileName);
}

void CArchive::CheckStoring() const {
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
}

void CArchive::CheckLoading() const {
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
}

void CArchive::Write(const void* data, std::size_t count) {
    CheckStoring();
    const auto* p = static_cast<const char*>(data);
    while (count > 0) {
        if (m_cur == m_buffer.size())
            Flush();
        const std::size_t n = std::min(count, m_buffer.size() - m_cur);
        std::memcpy(m_buffer.data() + m_cur, p, n);
        m_cur += n;
        p += n;
        count -= n;
    }
}

void CArchive::Read(void* data, std::size_t count) {
    CheckLoading();
    auto* p = static_cast<char*>(data);
    while (count > 0) {
        if (m_cur == m_lim) {
            m_cur = 0;
            m_lim = m_pFile ? m_pFile->Read(m_buffer.data(), m_buffer.size()) : 0;
            if (m_lim == 0)
                Throw(CArchiveException::endOfFile);
        }
        const std::size_t n = std::min(count, m_lim - m_cur);
        std::memcpy(p, m_buffer.data() + m_cur, n);
        m_cur += n;
        p += n;
        count -= n;
    }
}

bool CArchive::IsAtEnd() {
    CheckLoading();
    if (m_cur < m_lim)
        return false;
    m_cur = 0;
    m_lim = m_pFile ? m_pFile->Read(m_buffer.data(), m_buffer.size()) : 0;
    return m_lim == 0;
}

void CArchive::ReadInto(std::string& out, std::uint64_t count) {
    const std::size_t chunk = m_buffer.size();
    if (out.empty() && count <= chunk) {
        // A string of the usual size takes exactly its bytes: growing it
        // would leave spare capacity in each of a million records.
        out = std::string(static_cast<std::size_t>(count), '\0');
        Read(out.data(), out.size());
        return;
    }
    while (count > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, chunk));
        const std::size_t old = out.size();
        out.resize(old + n);
        Read(out.data() + old, n);
        count -= n;
    }
}

CArchive& CArchive::operator<<(BYTE v) {
    Write(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator<<(WORD v) {
    Write(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator<<(LONG v) {
    Write(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator<<(DWORD v) {
    Write(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator<<(float v) {
    Write(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator<<(double v) {
    Write(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator>>(BYTE& v) {
    Read(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator>>(WORD& v) {
    Read(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator>>(LONG& v) {
    Read(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator>>(DWORD& v) {
    Read(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator>>(float& v) {
    Read(&v, sizeof v);
    return *this;
}
CArchive& CArchive::operator>>(double& v) {
    Read(&v, sizeof v);
    return *this;
}

CArchive& CArchive::operator<<(const std::string& s) {
    CheckStoring();
    const std::size_t n = s.size();
    if (n < 0xFF) {
        *this << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        *this << BYTE{0xFF} << static_cast<WORD>(n);
    } else {
        *this << BYTE{0xFF} << WORD{0xFFFF} << static_cast<DWORD>(n);
    }
    Write(s.data(), n);
    return *this;
}

DWORD CArchive::ReadStringLength(bool& wide) {
    wide = false;
    BYTE b;
    *this >> b;
    if (b < 0xFF)
        return b;
    WORD w;
    *this >> w;
    if (w == 0xFFFE) {
        // Wide-string marker: the real length prefix follows.
        wide = true;
        *this >> b;
        if (b < 0xFF)
            return b;
        *this >> w;
    }
    if (w < 0xFFFF)
        return w;
    DWORD d;
    *this >> d;
    return d;
}

CArchive& CArchive::operator>>(std::string& s) {
    CheckLoading();
    bool wide = false;
    const DWORD n = ReadStringLength(wide);
    std::string bytes;
    ReadInto(bytes, wide ? std::uint64_t{n} * 2 : std::uint64_t{n});
    s = wide ? Utf16LeToCp1252(bytes) : std::move(bytes);
    return *this;
}

void CArchive::WriteCount(DWORD count) {
    if (count < 0xFFFF) {
        *this << static_cast<WORD>(count);
    } else {
        *this << WORD{0xFFFF} << count;
    }
}

DWORD CArchive::ReadCount() {
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD d;
    *this >> d;
    return d;
}

DWORD CArchive::NextIndex() {
    if (m_nMapCount > kMaxMapCount)
        Throw(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::WriteTag(DWORD index, bool isClass) {
    if (index < 0x7FFF) {
        *this << static_cast<WORD>(isClass ? (0x8000 | index) : index);
    } else {
        *this << WORD{0x7FFF} << (isClass ? (0x80000000u | index) : index);
    }
}

void CArchive::WriteObject(const CObject* object) {
    WriteObject(object, false);
}

void CArchive::WriteOwnedObject(const CObject* object) {
    WriteObject(object, true);
}

void CArchive::ReserveOwnedObjects(std::size_t count) {
    m_ownedObjects.reserve(m_ownedObjects.size() + count);
}

const DWORD* CArchive::FindOwnedObject(const void* object) {
    if (!m_ownedSorted) {
        std::sort(
            m_ownedObjects.begin(), m_ownedObjects.end(),
            [](const OwnedObject& a, const OwnedObject& b) { return std::less<>()(a.object, b.object); });
        m_ownedSorted = true;
    }
    const auto it = std::lower_bound(
        m_ownedObjects.begin(), m_ownedObjects.end(), object,
        [](const OwnedObject& entry, const void* wanted) { return std::less<>()(entry.object, wanted); });
    return it != m_ownedObjects.end() && it->object == object ? &it->index : nullptr;
}

void CArchive::WriteObject(const CObject* object, bool owned) {
    CheckStoring();
    if (!object) {
        *this << WORD{0};
        return;
    }
    if (auto it = m_storeMap.find(object); it != m_storeMap.end()) {
        WriteTag(it->second, false);
        return;
    }
    // An object of an owned list is never met twice within its list.
    if (const DWORD* index = owned || m_ownedObjects.empty() ? nullptr : FindOwnedObject(object)) {
        WriteTag(*index, false);
        return;
    }
    const CRuntimeClass* cls = object->GetRuntimeClass();
    if (auto it = m_storeMap.find(cls); it != m_storeMap.end()) {
        WriteTag(it->second, true);
    } else {
        const std::string name = cls->m_lpszClassName;
        *this << WORD{0xFFFF} << static_cast<WORD>(cls->m_wSchema) << static_cast<WORD>(name.size());
        Write(name.data(), name.size());
        m_storeMap.emplace(cls, NextIndex());
    }
    const DWORD index = NextIndex();
    if (owned) {
        m_ownedObjects.push_back({object, index});
        m_ownedSorted = false;
    } else {
        m_storeMap.emplace(object, index);
    }
    // The fields of a record are only read, never changed, when storing.
    const_cast<CObject*>(object)->Serialize(*this);
}

CArchive::Tag CArchive::ReadTag() {
    CheckLoading();
    Tag tag;
    *this >> tag.word;
    if (tag.word == 0x7FFF)
        *this >> tag.full;
    else
        tag.full = (static_cast<DWORD>(tag.word & 0x8000) << 16) | (tag.word & 0x7FFF);
    return tag;
}

const CRuntimeClass* CArchive::ReadClass(const Tag& tag) {
    const DWORD highest = static_cast<DWORD>(m_loadArray.size() - 1);
    if (tag.word == 0xFFFF) {
        WORD schema, length;
        *this >> schema >> length;
        if (length >= 64)
            Throw(CArchiveException::badClass);
        char name[64];
        try {
            Read(name, length);
        } catch (const CArchiveException& e) {
            if (e.m_cause == CArchiveException::endOfFile)
                Throw(CArchiveException::badClass);
            throw;
        }
        const CRuntimeClass* cls = CRuntimeClass::FromName(std::string_view(name, length));
        if (!cls)
            Throw(CArchiveException::badClass);
        if (schema != cls->m_wSchema)
            Throw(CArchiveException::badSchema);
        NextIndex();
        m_loadArray.push_back({cls, nullptr});
        return cls;
    }
    const DWORD classIndex = tag.full & 0x7FFFFFFFu;
    if (classIndex == 0 || classIndex > highest || !m_loadArray[classIndex].cls)
        Throw(CArchiveException::badIndex);
    return m_loadArray[classIndex].cls;
}

// An earlier object named by an object tag (not a class tag); null for 0.
CObject* CArchive::EarlierObject(const Tag& tag, const CRuntimeClass* requested) const {
    if (tag.full == 0)
        return nullptr;
    if (tag.full > static_cast<DWORD>(m_loadArray.size() - 1))
        Throw(CArchiveException::badIndex);
    CObject* earlier = m_loadArray[tag.full].object;
    if (!earlier || (requested && !earlier->IsKindOf(requested)))
        Throw(CArchiveException::badClass);
    return earlier;
}

CArchive::ObjectRef CArchive::ReadObject(const CRuntimeClass* requested) {
    const Tag tag = ReadTag();
    ObjectRef ref;
    if (!tag.IsClass()) {
        ref.earlier = EarlierObject(tag, requested);
        return ref;
    }
    const CRuntimeClass* cls = ReadClass(tag);
    if (requested && !cls->IsDerivedFrom(requested))
        Throw(CArchiveException::badClass);
    ref.created = cls->CreateObject();
    if (!ref.created)
        Throw(CArchiveException::badClass);
    // The object is numbered before its fields are read, so that it may be
    // referred to from inside.
    NextIndex();
    m_loadArray.push_back({nullptr, ref.created.get()});
    ref.created->Serialize(*this);
    return ref;
}

const CRuntimeClass* CArchive::ReadNextObjectClass() {
    const Tag tag = ReadTag();
    if (!tag.IsClass()) {
        CObject* earlier = EarlierObject(tag, nullptr);
        return earlier ? earlier->GetRuntimeClass() : nullptr;
    }
    return ReadClass(tag);
}

void SerializeStringList(CArchive& ar, std::vector<std::string>& list) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(list.size()));
        for (const auto& s : list)
            ar << s;
        return;
    }
    list.clear();
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        std::string s;
        ar >> s;
        list.push_back(std::move(s));
    }
}
