// Replacing a file safely: the new contents go to a temporary file in the
// same folder, are flushed to the disk, and only then take the old file's
// name.  A failure at any step leaves the old file exactly as it was.
#pragma once

#include <functional>
#include <string>

class CFile;

struct SafeWriteResult {
    bool ok = false;
    // Set when the temporary file could not even be created.
    bool couldNotCreate = false;
    int osError = 0;
    // The exception's text when the writer failed.
    std::string error;
};

// Calls `write` with a file open for writing and, when it returns normally,
// makes that file `path`.  Exceptions of the file layer and the archive
// thrown by `write` are caught and reported in the result; the temporary
// file is removed.  The new file keeps the permissions of the one it
// replaces.
SafeWriteResult SafeWriteFile(const std::string& path, const std::function<void(CFile&)>& write);
