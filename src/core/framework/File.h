// A binary file opened for reading or for writing, with errors reported as
// CFileException.  Read, Write and Flush are virtual so that tests can make a
// file that fails part-way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>

class CFileException : public std::exception {
public:
    CFileException(std::string path, int osError, std::string operation);
    const char* what() const noexcept override { return m_what.c_str(); }

    std::string m_strFileName;
    int m_lOsError;  // errno value of the failing call, 0 when none

private:
    std::string m_what;
};

// An error of the program's own beside the system's errno values: the path
// names something other than a regular file or a folder (a pipe, a device).
inline constexpr int kErrorNotRegularFile = 0x7F000001;

// The text of an error value: the system's, or the program's own ("not a
// regular file").
std::string ErrorText(int osError);

// Bounds on what the readers take in, far beyond any real file of the kind,
// so that a wrong or damaged file cannot use up the memory: 16 MB for the
// settings file and the model's coefficients, 1 GB for the databases, the
// workspaces and their CSV text (a million records take some 50 MB).
inline constexpr std::uint64_t kSmallFileLimit = std::uint64_t{16} << 20;
inline constexpr std::uint64_t kDataFileLimit = std::uint64_t{1} << 30;

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
    // Opens `path` for reading as a regular file of at most `limit` bytes.
    // Anything else is refused without waiting on it or reading from it: a
    // folder (EISDIR), a pipe or a device (kErrorNotRegularFile), a larger
    // file (EFBIG).
    bool OpenToRead(const std::string& path, std::uint64_t limit, int* osError = nullptr);
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

// What differs between systems lives in framework/platform/File*.cpp, beside
// the members of CFile above.  Paths are the program's byte strings: UTF-8
// on Windows (turned into wide characters there), the bytes as they are on
// other systems.

// The line end of the text files the program writes for people (the settings
// file): "\r\n" on Windows, "\n" elsewhere.  Readers take either.
extern const char* const kTextLineEnd;

// A file's identity and state, to tell whether a file read before is still
// the same, unchanged file.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // in the system's own ticks
    bool operator==(const FileStamp&) const = default;
};

// Fills `stamp` for a regular file; false when `path` names none.
bool GetFileStamp(const std::string& path, FileStamp& stamp);

// The path that the standard library's file functions take for `path`.
std::filesystem::path FileSystemPath(const std::string& path);
// And back.
std::string PathText(const std::filesystem::path& path);

// Reads the whole file, a regular one of at most `limit` bytes, into
// `bytes`; false (with the error's value in `osError` when given) when it
// cannot be opened or read, or is refused as CFile::OpenToRead refuses.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::uint64_t limit, int* osError = nullptr);

// The refusal of CFile::OpenToRead for what `path` is (EISDIR,
// kErrorNotRegularFile, EFBIG), or 0 when it is not refused for that (a
// missing file included).
int ReadRefusal(const std::string& path, std::uint64_t limit);
