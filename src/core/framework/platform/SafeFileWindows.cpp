// The safe save on Windows: a new file beside the target, flushed to the
// disk, then moved over the target with MoveFileExW, which replaces it in one
// step and returns only once the move is on the disk.  A target that another
// program holds open cannot be replaced: the save fails and the old file
// stays as it was.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "core/framework/platform/SafeFilePlatform.h"
#include "core/framework/platform/WindowsText.h"

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return ".";
    return path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

// Windows has no signal for a file-size limit.  Nor is the temporary file
// removed when Ctrl+C ends the program: a console control handler runs on a
// thread of its own while the save holds the file open, and Windows does not
// delete an open file; the hidden file is left as after a power cut.
void IgnoreFileSizeSignal() {}

bool BeginSafeSave(const std::string& requested, PendingSave& save, SafeWriteResult& result) {
    save.target = requested;
    const std::wstring target = win::Wide(requested);

    // A device or a folder is never replaced by a file.
    if (const int refusal = ReadRefusal(requested, UINT64_MAX)) {
        result.couldNotCreate = true;
        result.osError = refusal;
        result.error = "cannot write " + requested;
        return false;
    }

    // A file the user made read-only is theirs to protect: it is not replaced.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        (attributes & FILE_ATTRIBUTE_READONLY)) {
        result.couldNotCreate = true;
        result.osError = EACCES;
        result.error = "cannot write " + requested;
        return false;
    }

    const std::string stem = FolderOf(requested) + "/." + NameOf(requested) + ".";
    const unsigned long long seed =
        (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32) ^ ::GetTickCount64();
    int lastError = EEXIST;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, "%06llx", (seed + attempt * 7919ULL) & 0xFFFFFFULL);
        const std::string temp = stem + suffix;
        const int fd =
            ::_wsopen(win::Wide(temp).c_str(), _O_BINARY | _O_NOINHERIT | _O_WRONLY | _O_CREAT | _O_EXCL,
                      _SH_DENYNO, _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            save.temp = temp;
            save.file.Attach(fd, temp);
            return true;
        }
        lastError = errno;
        if (lastError != EEXIST)
            break;
    }
    result.couldNotCreate = true;
    result.osError = lastError;
    return false;
}

bool FinishSafeSave(PendingSave& save, SafeWriteResult& result) {
    const std::wstring temp = win::Wide(save.temp);
    const std::wstring target = win::Wide(save.target);
    // The new file keeps the old one's attributes (hidden, archive, ...).
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        ::SetFileAttributesW(temp.c_str(), attributes);
    if (!::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        result.osError = win::Errno(::GetLastError());
        result.error = "cannot replace " + save.target;
        ::SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

void DiscardSafeSave(PendingSave& save) noexcept {
    save.file.Abort();
    ::DeleteFileW(win::Wide(save.temp).c_str());
}
