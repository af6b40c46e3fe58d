// Reading the large data files of the site finders in one piece.
#pragma once

#include <cerrno>
#include <string>

#include "core/framework/File.h"

// Reads the whole file at `path`, a regular file of at most kSmallFileLimit
// bytes, with one read of its length (the file's pages are touched once);
// false, with the error's value in `osError`, when it cannot be opened or
// read or is refused as CFile::OpenToRead refuses.
inline bool ReadDataFile(const std::string& path, std::string& bytes, int& osError) {
    bytes.clear();
    CFile file;
    if (!file.OpenToRead(path, kSmallFileLimit, &osError))
        return false;
    try {
        bytes.resize(static_cast<std::size_t>(file.GetLength()));
        bytes.resize(file.Read(bytes.data(), bytes.size()));
        char more = 0;
        if (file.Read(&more, 1) != 0)
            throw CFileException(path, EFBIG, "Cannot read");  // it grew meanwhile
    } catch (const CFileException& e) {
        osError = e.m_lOsError;
        bytes.clear();
        return false;
    }
    return true;
}
