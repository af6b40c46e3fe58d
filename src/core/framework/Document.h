// A small document/view base: a document with a path, a title, a modified
// flag and a list of views that it tells about changes, plus the new, open
// and save steps with the framework's own messages.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/framework/FileIdentity.h"
#include "core/framework/RuntimeClass.h"

class CArchive;
class CDocument;

class CView {
public:
    virtual ~CView() = default;
    // A change of the document; `sender` is the view that caused it, or null.
    virtual void OnUpdate(CView* sender) = 0;
    // After a document is created or opened through the framework.
    virtual void OnInitialUpdate() { OnUpdate(nullptr); }
};

class CProfile;
class CRecentFileList;

// What the framework's document handling needs from the application: the
// settings file, the recent-file list and the question for a file name.
struct CAppContext {
    CProfile* profile = nullptr;
    CRecentFileList* recentFiles = nullptr;
    // Asks the user for the path to save to, starting from `suggested`;
    // nothing when the user cancels.
    std::function<std::optional<std::string>(const std::string& suggested)> askSavePath;
};
CAppContext& AfxGetAppContext();

class CDocument : public CObject {
public:
    static constexpr const char* kUntitled = "Untitled";

    CDocument() = default;
    ~CDocument() override = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& Views() const { return m_views; }
    // Tells every view but `sender` about a change.
    void UpdateAllViews(CView* sender);
    // Gives every view its initial update.
    void InitialUpdateAllViews();

    const std::string& GetPathName() const { return m_strPathName; }
    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title) { m_strTitle = title; }
    // Takes `path` as the document's file: the title follows it and, when
    // asked, the path becomes the newest entry of the recent-file list.
    virtual void SetPathName(const std::string& path, bool addToRecentList = true);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // The framework's steps, which a document extends.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    virtual void DeleteContents() {}

    // File > New and File > Open as the framework runs them: ask to save a
    // modified document first, then re-initialise or open, then update all
    // views.  Return false when the user cancelled or the open failed.
    bool NewDocumentFile();
    bool OpenDocumentFile(const std::string& path);
    // File > Save (asks for a name when the document has none) and
    // File > Save As.  Saving over the document's own file when another
    // program changed it since asks first: "Overwrite" replaces it, "Save
    // Under Another Name..." keeps it and asks for a new name.
    bool DoFileSave();
    bool DoSave(const std::string& path, bool replace = true);
    // "Save changes to <title>?": Yes saves, No discards, Cancel returns false.
    bool SaveModified();

protected:
    // Reports an archive or file error of a failed open or save.
    static void ReportSaveLoadException(bool saving, const std::exception* e, const std::string& path);

private:
    // Whether `path` is the file this document last read or wrote and
    // another program has changed it since.
    bool ChangedByAnother(const std::string& path) const;

    std::vector<CView*> m_views;
    // The file as this document last read or wrote it.
    std::string m_identityPath;
    FileIdentity m_identity;
    std::string m_strPathName;
    std::string m_strTitle = kUntitled;
    bool m_bModified = false;
};
