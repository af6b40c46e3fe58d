#include "core/framework/Document.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "core/framework/AppMessageBox.h"
#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/framework/Profile.h"
#include "core/framework/SafeFile.h"
#include "core/framework/Translate.h"
#include "core/workspace/Archive.h"

namespace {

const char* const kFailedToOpen = TrNoop("Failed to open document.");
const char* const kFailedToSave = TrNoop("Failed to save document.");
const char* const kUnexpectedFormat = TrNoop("Unexpected file format.");
const char* const kCannotFind =
    TrNoop("%1\nCannot find this file.\nPlease verify that the correct path and file name are given.");

std::string FileNameOf(const std::string& path) {
    return PathText(FileSystemPath(path).filename());
}

}  // namespace

CAppContext& AfxGetAppContext() {
    static CAppContext context;
    return context;
}

void CDocument::AddView(CView* view) {
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(CView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateAllViews(CView* sender) {
    // A view may add or remove views while it updates: work on a copy.
    const std::vector<CView*> views = m_views;
    for (CView* view : views)
        if (view != sender)
            view->OnUpdate(sender);
}

void CDocument::InitialUpdateAllViews() {
    const std::vector<CView*> views = m_views;
    for (CView* view : views)
        view->OnInitialUpdate();
}

void CDocument::SetPathName(const std::string& path, bool addToRecentList) {
    std::error_code ec;
    auto full = std::filesystem::absolute(path, ec);
    m_strPathName = ec ? path : full.lexically_normal().string();
    SetTitle(m_strPathName);
    if (addToRecentList)
        if (CRecentFileList* recent = AfxGetAppContext().recentFiles)
            recent->Add(m_strPathName);
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    SetTitle(kUntitled);
    return true;
}

void CDocument::ReportSaveLoadException(bool saving, const std::exception* e, const std::string& path) {
    std::string text = CoreTr(saving ? kFailedToSave : kFailedToOpen);
    if (const auto* archive = dynamic_cast<const CArchiveException*>(e)) {
        switch (archive->m_cause) {
            case CArchiveException::endOfFile:
            case CArchiveException::badIndex:
            case CArchiveException::badClass:
            case CArchiveException::badSchema:
                text = CoreTr(kUnexpectedFormat);
                break;
            default:
                break;
        }
    } else if (const auto* file = dynamic_cast<const CFileException*>(e)) {
        if (!saving && (file->m_lOsError == ENOENT || file->m_lOsError == ENOTDIR))
            text = FormatMessage1(CoreTr(kCannotFind), path);
    }
    AppMessageBox(text, MB_OK, MB_ICONEXCLAMATION);
}

bool CDocument::OnOpenDocument(const std::string& path) {
    const FileIdentity identity = ReadFileIdentity(path);
    CFile file;
    int osError = 0;
    // A pipe or a device would never end, a file past 1 GB holds no workspace.
    if (!file.OpenToRead(path, kDataFileLimit, &osError)) {
        if (osError == kErrorNotRegularFile || osError == EFBIG || osError == EISDIR) {
            AppMessageBox(CoreTr(kFailedToOpen) + "\n" + path + ": " + ErrorText(osError), MB_OK,
                          MB_ICONEXCLAMATION);
            return false;
        }
        const CFileException e(path, osError, "Cannot open");
        ReportSaveLoadException(false, &e, path);
        return false;
    }
    DeleteContents();
    SetModifiedFlag(true);  // the contents are gone until the load completes
    try {
        if (file.GetLength() != 0) {
            CArchive ar(&file, CArchive::load);
            Serialize(ar);
            ar.Close();
        }
    } catch (const CArchiveException& e) {
        DeleteContents();
        ReportSaveLoadException(false, &e, path);
        return false;
    } catch (const CFileException& e) {
        DeleteContents();
        ReportSaveLoadException(false, &e, path);
        return false;
    }
    SetModifiedFlag(false);
    m_identityPath = path;
    m_identity = identity;
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    const SafeWriteResult result = SafeWriteFile(path, [this](CFile& file) {
        CArchive ar(&file, CArchive::store);
        Serialize(ar);
        ar.Close();
    });
    if (!result.ok) {
        AppMessageBox(CoreTr(kFailedToSave), MB_OK, MB_ICONEXCLAMATION);
        return false;
    }
    SetModifiedFlag(false);
    m_identityPath = path;
    m_identity = ReadFileIdentity(path);
    return true;
}

bool CDocument::ChangedByAnother(const std::string& path) const {
    if (m_identityPath.empty())
        return false;
    std::error_code error;
    const auto canonical = [&error](const std::string& p) {
        return std::filesystem::weakly_canonical(FileSystemPath(p), error);
    };
    return canonical(path) == canonical(m_identityPath) && FileChangedSince(path, m_identity);
}

bool CDocument::NewDocumentFile() {
    if (!SaveModified())
        return false;
    if (!OnNewDocument())
        return false;
    InitialUpdateAllViews();
    return true;
}

bool CDocument::OpenDocumentFile(const std::string& path) {
    if (!SaveModified())
        return false;
    const bool wasModified = IsModified();
    SetModifiedFlag(false);
    if (!OnOpenDocument(path)) {
        if (!IsModified()) {
            // The file could not even be opened: the document is untouched.
            SetModifiedFlag(wasModified);
        } else {
            // Its contents were lost in the attempt: start afresh.
            OnNewDocument();
            InitialUpdateAllViews();
        }
        return false;
    }
    InitialUpdateAllViews();
    return true;
}

bool CDocument::DoFileSave() {
    return DoSave(m_strPathName);
}

bool CDocument::DoSave(const std::string& path, bool replace) {
    std::string target = path;
    if (target.empty()) {
        const auto& ask = AfxGetAppContext().askSavePath;
        std::string suggested = m_strPathName.empty() ? m_strTitle : m_strPathName;
        if (m_strPathName.empty() && suggested.find('.') == std::string::npos)
            suggested += ".wrk";
        std::optional<std::string> chosen = ask ? ask(suggested) : std::nullopt;
        if (!chosen || chosen->empty())
            return false;
        target = *chosen;
    }
    if (ChangedByAnother(target)) {
        CButtonNames names(CoreTr("Overwrite"), CoreTr("Save Under Another Name..."));
        const int answer = AppMessageBox(Format(CoreTr("%s was changed by another program. Overwrite it, or "
                                                       "keep it and save yours under another "
                                                       "name?")
                                                    .c_str(),
                                                FileNameOf(target).c_str()),
                                         MB_YESNOCANCEL, MB_ICONEXCLAMATION);
        if (answer == IDCANCEL)
            return false;
        if (answer == IDNO) {
            const auto& ask = AfxGetAppContext().askSavePath;
            std::optional<std::string> chosen = ask ? ask(target) : std::nullopt;
            if (!chosen || chosen->empty() || *chosen == target)
                return false;
            target = *chosen;
            replace = true;
        }
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    return true;
}

bool CDocument::SaveModified() {
    if (!IsModified())
        return true;
    const std::string name = m_strPathName.empty() ? m_strTitle : FileNameOf(m_strPathName);
    switch (AppMessageBox(FormatMessage1(CoreTr("Save changes to %1?"), name), MB_YESNOCANCEL,
                          MB_ICONEXCLAMATION)) {
        case IDCANCEL:
            return false;
        case IDYES:
            return DoFileSave();
        default:
            return true;
    }
}
