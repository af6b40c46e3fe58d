// The safe save on POSIX systems: mkstemp beside the target, fsync, rename,
// and an fsync of the folder so that the new name is on the disk too.
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "framework/platform/SafeFilePlatform.h"

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a path names, through any symbolic links, so that a save
// replaces what the link points at and leaves the link a link.  A path that
// is no link (or whose target cannot be made out) is taken as it is.
std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> buffer(PATH_MAX + 1);
        const ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size() - 1);
        if (n <= 0) return current;
        const std::string target(buffer.data(), static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

}  // namespace

void IgnoreFileSizeSignal() {
    // Past a file-size limit, a write then fails with EFBIG and is reported
    // like any other failed save, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
}

bool BeginSafeSave(const std::string& requested, PendingSave& save, SafeWriteResult& result) {
    save.target = ResolveLinks(requested);
    const std::string& path = save.target;

    // A file the user made read-only is theirs to protect: it is not
    // replaced, even by someone allowed to (root ignores the mode).
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISREG(old.st_mode) && ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) {
        result.couldNotCreate = true;
        result.osError = EACCES;
        result.error = "cannot write " + path;
        return false;
    }

    std::string temp = FolderOf(path) + "/." + NameOf(path) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        result.couldNotCreate = true;
        result.osError = errno;
        return false;
    }
    save.temp = name.data();

    if (exists)
        ::fchmod(fd, old.st_mode & 07777);
    else
        ::fchmod(fd, 0666 & ~CurrentUmask());
    save.file.Attach(fd, save.temp);
    return true;
}

bool FinishSafeSave(PendingSave& save, SafeWriteResult& result) {
    if (::rename(save.temp.c_str(), save.target.c_str()) != 0) {
        result.osError = errno;
        result.error = "cannot replace " + save.target;
        ::unlink(save.temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(save.target));
    return true;
}

void DiscardSafeSave(PendingSave& save) noexcept {
    save.file.Abort();
    ::unlink(save.temp.c_str());
}
