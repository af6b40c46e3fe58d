// A binary file opened for reading or for writing, with errors reported as
// CFileException.  Read, Write and Flush are virtual so that tests can make a
// file that fails part-way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

class CFileException : public std::exception {
public:
    CFileException(std::string path, int osError, std::string operation);
    const char* what() const noexcept override { return m_what.c_str(); }

    std::string m_strFileName;
    int m_lOsError;  // errno of the failing call, 0 when none

private:
    std::string m_what;
};

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0,
        modeWrite = 0x1,
        modeCreate = 0x1000,  // with modeWrite: create or truncate
        modeNoTruncate = 0x2000,
    };

    CFile() = default;
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens `path`; on failure returns false and leaves errno's value in
    // `osError` when given.
    bool Open(const std::string& path, unsigned flags, int* osError = nullptr);
    bool IsOpen() const { return m_fd >= 0; }
    // Length of the open file in bytes.
    std::uint64_t GetLength() const;
    // Takes ownership of an open descriptor.
    void Attach(int fd, const std::string& path);

    // Reads up to `count` bytes; returns fewer only at the end of the file.
    virtual std::size_t Read(void* buffer, std::size_t count);
    // Writes all `count` bytes or throws.
    virtual void Write(const void* buffer, std::size_t count);
    // Pushes written data to the disk (fsync).
    virtual void Flush();
    // Closes the file; a failing close of a written file throws.
    void Close();
    // Closes without reporting errors.
    void Abort() noexcept;

    const std::string& GetFilePath() const { return m_strFileName; }

private:
    int m_fd = -1;
    std::string m_strFileName;
};
