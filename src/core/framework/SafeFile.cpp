#include "core/framework/SafeFile.h"

#include "core/framework/File.h"
#include "core/framework/platform/SafeFilePlatform.h"
#include "core/workspace/Archive.h"

std::string SafeWriteReason(const SafeWriteResult& result) {
    if (result.osError)
        return ErrorText(result.osError);
    return result.error.empty() ? std::string("unknown error") : result.error;
}

bool SafeWriteBytes(const std::string& path, std::string_view bytes, std::string* error) {
    const SafeWriteResult result =
        SafeWriteFile(path, [bytes](CFile& file) { file.Write(bytes.data(), bytes.size()); });
    if (!result.ok && error)
        *error = SafeWriteReason(result);
    return result.ok;
}

SafeWriteResult SafeWriteFile(const std::string& requested, const std::function<void(CFile&)>& write) {
    IgnoreFileSizeSignal();
    SafeWriteResult result;
    PendingSave save;
    if (!BeginSafeSave(requested, save, result))
        return result;
    try {
        write(save.file);
        save.file.Flush();
        save.file.Close();
    } catch (const CFileException& e) {
        result.osError = e.m_lOsError;
        result.error = e.what();
    } catch (const CArchiveException& e) {
        result.error = e.GetErrorMessage();
    } catch (...) {
        // Anything else (out of memory) still takes the temporary file away.
        DiscardSafeSave(save);
        throw;
    }
    if (!result.error.empty()) {
        DiscardSafeSave(save);
        return result;
    }
    if (!FinishSafeSave(save, result))
        return result;
    result.ok = true;
    return result;
}
