// CFile and the file helpers on POSIX systems: file descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "core/framework/File.h"

const char* const kTextLineEnd = "\n";

bool CFile::Open(const std::string& path, unsigned flags, int* osError) {
    Abort();
    int oflags = O_CLOEXEC;
    if (flags & modeWrite) {
        oflags |= O_WRONLY;
        if (flags & modeCreate)
            oflags |= O_CREAT | ((flags & modeNoTruncate) ? 0 : O_TRUNC);
    } else {
        oflags |= O_RDONLY;
    }
    int fd;
    do {
        fd = ::open(path.c_str(), oflags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (osError)
            *osError = errno;
        return false;
    }
    m_fd = fd;
    m_strFileName = path;
    return true;
}

namespace {

// What stands against reading a file of this kind and size, or 0.
int Refusal(const struct stat& st, std::uint64_t limit) {
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if (!S_ISREG(st.st_mode))
        return kErrorNotRegularFile;
    if (static_cast<std::uint64_t>(st.st_size) > limit)
        return EFBIG;
    return 0;
}

}  // namespace

bool CFile::OpenToRead(const std::string& path, std::uint64_t limit, int* osError) {
    Abort();
    // A device or a pipe is not even opened (opening a pipe waits for a
    // writer); O_NONBLOCK keeps that so should one take the file's place
    // between the two looks, and is cleared once the file is known.
    struct stat st {};
    int error = ::stat(path.c_str(), &st) == 0 ? Refusal(st, limit) : 0;
    int fd = -1;
    if (!error) {
        do {
            fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0)
            error = errno;
        else if (::fstat(fd, &st) != 0)
            error = errno;
        else if (!(error = Refusal(st, limit)) &&
                 ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
            error = errno;
    }
    if (error) {
        if (fd >= 0)
            ::close(fd);
        if (osError)
            *osError = error;
        return false;
    }
    m_fd = fd;
    m_strFileName = path;
    return true;
}

std::uint64_t CFile::GetLength() const {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        throw CFileException(m_strFileName, errno, "Cannot examine");
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    auto* p = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_fd, p + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw CFileException(m_strFileName, errno, "Cannot read");
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, std::size_t count) {
    const auto* p = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_fd, p + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw CFileException(m_strFileName, errno, "Cannot write");
        }
        if (n == 0)
            throw CFileException(m_strFileName, ENOSPC, "Cannot write");
        done += static_cast<std::size_t>(n);
    }
}

void CFile::Flush() {
    if (m_fd >= 0 && ::fsync(m_fd) != 0 && errno != EINVAL)
        throw CFileException(m_strFileName, errno, "Cannot flush");
}

void CFile::Close() {
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        throw CFileException(m_strFileName, errno, "Cannot close");
}

void CFile::Abort() noexcept {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool GetFileStamp(const std::string& path, FileStamp& stamp) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.file = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(path);
}

std::string PathText(const std::filesystem::path& path) {
    return path.string();
}
