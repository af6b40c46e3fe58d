// The steps of a safe save that differ between systems; SafeFile.cpp runs
// them around the writer.
#pragma once

#include <string>

#include "core/framework/File.h"
#include "core/framework/SafeFile.h"

struct PendingSave {
    std::string target;    // the file to replace (links followed)
    std::string temp;      // the temporary file beside it
    CFile file;            // open on `temp`
    bool guarded = false;  // the temporary file goes when a signal ends the program
};

// Refuses a read-only target and one that is no regular file, creates the temporary file and opens it in
// `save.file`.  On failure fills `result` and returns false.
bool BeginSafeSave(const std::string& requested, PendingSave& save, SafeWriteResult& result);
// Gives the written, closed temporary file the target's name.  On failure
// fills `result`, removes the temporary file and returns false.
bool FinishSafeSave(PendingSave& save, SafeWriteResult& result);
// Removes the temporary file after a failed write.
void DiscardSafeSave(PendingSave& save) noexcept;
