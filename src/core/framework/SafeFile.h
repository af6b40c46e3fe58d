// Replacing a file safely: the new contents go to a temporary file in the
// same folder, are flushed to the disk, and only then take the old file's
// name.  A failure at any step leaves the old file exactly as it was.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class CFile;

struct SafeWriteResult {
    bool ok = false;
    // Set when the temporary file could not even be created.
    bool couldNotCreate = false;
    int osError = 0;
    // The exception's text when the writer failed.
    std::string error;
};

// The system's reason for a failed write ("Permission denied"), or the
// writer's own.
std::string SafeWriteReason(const SafeWriteResult& result);

// Makes writes past the process's file-size limit fail instead of ending
// the process.  SafeWriteFile calls it; the programs call it at start.
void IgnoreFileSizeSignal();

// Calls `write` with a file open for writing and, when it returns normally,
// makes that file `path`.  Exceptions of the file layer and the archive
// thrown by `write` are caught and reported in the result; the temporary
// file is removed.  The new file keeps the permissions of the one it
// replaces.  A path through symbolic links saves the file they lead to
// (its temporary file beside it).  A read-only file is not replaced, nor is
// anything but a regular file (a device, a pipe, a folder: osError is then
// kErrorNotRegularFile or EISDIR): that fails as a file that cannot be
// created.  On POSIX systems an interrupt or termination signal that ends
// the program during the save removes the temporary file first.
SafeWriteResult SafeWriteFile(const std::string& path, const std::function<void(CFile&)>& write);

// The same for a file whose whole content is `bytes`; false, with the
// reason (SafeWriteReason) in `error` when given, when it cannot be saved.
bool SafeWriteBytes(const std::string& path, std::string_view bytes, std::string* error = nullptr);
