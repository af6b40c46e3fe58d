#include "framework/File.h"

#include <cstring>

CFileException::CFileException(std::string path, int osError, std::string operation)
    : m_strFileName(std::move(path)), m_lOsError(osError) {
    m_what = operation + " " + m_strFileName;
    if (osError) m_what += std::string(": ") + std::strerror(osError);
}

CFile::~CFile() { Abort(); }

void CFile::Attach(int fd, const std::string& path) {
    Abort();
    m_fd = fd;
    m_strFileName = path;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, int* osError) {
    bytes.clear();
    CFile file;
    if (!file.Open(path, CFile::modeRead, osError)) return false;
    try {
        char buffer[16384];
        std::size_t n;
        while ((n = file.Read(buffer, sizeof buffer)) > 0) bytes.append(buffer, n);
    } catch (const CFileException& e) {
        if (osError) *osError = e.m_lOsError;
        bytes.clear();
        return false;
    }
    return true;
}
