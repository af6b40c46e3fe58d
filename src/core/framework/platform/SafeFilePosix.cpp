// The safe save on POSIX systems: mkstemp beside the target, fsync, rename,
// and an fsync of the folder so that the new name is on the disk too.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/framework/platform/SafeFilePlatform.h"

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
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
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::vector<char> buffer(PATH_MAX + 1);
        const ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size() - 1);
        if (n <= 0)
            return current;
        const std::string target(buffer.data(), static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

// The temporary file of the save in progress, for a signal that ends the
// program meanwhile.  The handler may only use what is async-signal-safe:
// the path waits in a fixed buffer, and the handler unlinks it, puts back
// the signal's previous disposition and raises the signal again.  One save
// at a time is guarded (a save within a save is not).
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];
char gPendingTemp[PATH_MAX + 1];
volatile std::sig_atomic_t gPending = 0;
struct sigaction gPrevious[kSignalCount];
bool gInstalled[kSignalCount];

extern "C" void RemovePendingTemp(int signal) {
    const int savedErrno = errno;
    if (gPending)
        ::unlink(gPendingTemp);
    for (std::size_t i = 0; i < kSignalCount; ++i)
        if (kEndingSignals[i] == signal)
            ::sigaction(signal, &gPrevious[i], nullptr);
    // Delivered as the handler returns, with the disposition it had before.
    ::raise(signal);
    errno = savedErrno;
}

bool GuardTemp(const std::string& temp) {
    if (gPending || temp.size() >= sizeof gPendingTemp)
        return false;
    std::memcpy(gPendingTemp, temp.c_str(), temp.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    gPending = 1;
    struct sigaction action {};
    action.sa_handler = RemovePendingTemp;
    ::sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        gInstalled[i] = false;
        struct sigaction previous {};
        // A signal the program ignores (started in the background) stays ignored.
        if (::sigaction(kEndingSignals[i], nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        gPrevious[i] = previous;
        gInstalled[i] = ::sigaction(kEndingSignals[i], &action, nullptr) == 0;
    }
    return true;
}

void UnguardTemp(PendingSave& save) {
    if (!save.guarded)
        return;
    for (std::size_t i = 0; i < kSignalCount; ++i)
        if (gInstalled[i])
            ::sigaction(kEndingSignals[i], &gPrevious[i], nullptr);
    gPending = 0;
    save.guarded = false;
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
    // A device, a pipe or a folder is never replaced by a file (as root,
    // /dev/null would be).
    if (exists && !S_ISREG(old.st_mode)) {
        result.couldNotCreate = true;
        result.osError = S_ISDIR(old.st_mode) ? EISDIR : kErrorNotRegularFile;
        result.error = "cannot write " + path;
        return false;
    }
    if (exists && ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) {
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
    save.guarded = GuardTemp(save.temp);
    return true;
}

bool FinishSafeSave(PendingSave& save, SafeWriteResult& result) {
    if (::rename(save.temp.c_str(), save.target.c_str()) != 0) {
        result.osError = errno;
        result.error = "cannot replace " + save.target;
        ::unlink(save.temp.c_str());
        UnguardTemp(save);
        return false;
    }
    UnguardTemp(save);
    SyncFolder(FolderOf(save.target));
    return true;
}

void DiscardSafeSave(PendingSave& save) noexcept {
    save.file.Abort();
    ::unlink(save.temp.c_str());
    UnguardTemp(save);
}
