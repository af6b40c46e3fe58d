#include "framework/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "framework/File.h"
#include "workspace/Archive.h"

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

}  // namespace

SafeWriteResult SafeWriteFile(const std::string& path, const std::function<void(CFile&)>& write) {
    SafeWriteResult result;
    const std::string folder = FolderOf(path);
    std::string temp = folder + "/." + NameOf(path) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        result.couldNotCreate = true;
        result.osError = errno;
        return result;
    }
    temp = name.data();

    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    else
        ::fchmod(fd, 0666 & ~CurrentUmask());

    CFile file;
    file.Attach(fd, temp);
    try {
        write(file);
        file.Flush();
        file.Close();
    } catch (const CFileException& e) {
        result.osError = e.m_lOsError;
        result.error = e.what();
    } catch (const CArchiveException& e) {
        result.error = e.GetErrorMessage();
    }
    if (!result.error.empty()) {
        file.Abort();
        ::unlink(temp.c_str());
        return result;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        result.osError = errno;
        result.error = "cannot replace " + path;
        ::unlink(temp.c_str());
        return result;
    }
    SyncFolder(folder);
    result.ok = true;
    return result;
}
