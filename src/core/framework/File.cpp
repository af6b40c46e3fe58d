#include "core/framework/File.h"

#include <cerrno>
#include <cstring>

CFileException::CFileException(std::string path, int osError, std::string operation)
    : m_strFileName(std::move(path)), m_lOsError(osError) {
    m_what = operation + " " + m_strFileName;
    if (osError)
        m_what += ": " + ErrorText(osError);
}

std::string ErrorText(int osError) {
    if (osError == kErrorNotRegularFile)
        return "not a regular file";
    return std::strerror(osError);
}

CFile::~CFile() {
    Abort();
}

void CFile::Attach(int fd, const std::string& path) {
    Abort();
    m_fd = fd;
    m_strFileName = path;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::uint64_t limit, int* osError) {
    bytes.clear();
    CFile file;
    if (!file.OpenToRead(path, limit, osError))
        return false;
    try {
        char buffer[16384];
        std::size_t n;
        while ((n = file.Read(buffer, sizeof buffer)) > 0) {
            // A file that grows while it is read is held to the bound too.
            if (bytes.size() + n > limit)
                throw CFileException(path, EFBIG, "Cannot read");
            bytes.append(buffer, n);
        }
    } catch (const CFileException& e) {
        if (osError)
            *osError = e.m_lOsError;
        bytes.clear();
        return false;
    }
    return true;
}

int ReadRefusal(const std::string& path, std::uint64_t limit) {
    CFile file;
    int osError = 0;
    if (file.OpenToRead(path, limit, &osError))
        return 0;
    return osError == EISDIR || osError == kErrorNotRegularFile || osError == EFBIG ? osError : 0;
}
