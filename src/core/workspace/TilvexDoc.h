// The workspace: the names of the chosen satellites and locations, which of
// them is current, and the satellite grid's options.  Records are found by
// name in the two databases, which the windows own.
#pragma once

#include <string>
#include <vector>

#include "core/framework/Document.h"
#include "core/framework/Translate.h"
#include "core/workspace/NameIndex.h"
#include "core/workspace/Settings.h"

class CSatellite;
class CLocation;
class CSatelliteDatabase;
class CLocationDatabase;

// What the workspace needs from the windows around it.
class IWorkspaceHost {
public:
    virtual ~IWorkspaceHost() = default;
    // The databases, owned by the two trees (null before they exist).
    virtual CSatelliteDatabase* GetSatelliteDatabase() = 0;
    virtual CLocationDatabase* GetLocationDatabase() = 0;
    // The two views that send the workspace's updates.
    virtual CView* GetTabView() = 0;
    virtual CView* GetLookAngleView() = 0;
    // The satellite grid's band filter.
    virtual bool IsSatelliteShown(const CSatellite& satellite) = 0;
    // Empties the satellite grid's rows.
    virtual void ClearSatelliteGrid() = 0;
    // A new current location chosen without a broadcast: the info pane gets
    // the location, the grid its site, the satellite list refreshes, the grid
    // is redrawn and the location pane selects it.
    virtual void ShowCurrentLocation(CLocation* location) = 0;
    // Redraws the look-angle view, whose title band shows the workspace title.
    virtual void RedrawLookAngleView() = 0;
};

// Grid options of a new workspace: all three bands, magnetic azimuth, sorted
// by slot.
inline constexpr int kNewWorkspaceOptions = 31;

class CTilvexDoc : public CDocument {
public:
    static constexpr const char* kUnexpectedFormat =
        TrNoop("Unexpected file format.\nOpening empty workspace.");

    explicit CTilvexDoc(IWorkspaceHost* host = nullptr) : m_pHost(host) {}
    // Remembers the current satellite and location in the settings file.
    ~CTilvexDoc() override;

    void SetHost(IWorkspaceHost* host) { m_pHost = host; }

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void DeleteContents() override;
    // A path becomes its file name without folder and extension; "Untitled"
    // stays as it is.
    void SetTitle(const std::string& title) override;
    void Serialize(CArchive& ar) override;

    // Whether the last open found a file that was not a workspace (and left
    // an empty, untitled one).
    bool LoadFailed() const { return m_bLoadFailed; }

    const std::vector<std::string>& GetSatelliteNames() const { return m_satNames.names; }
    const std::vector<std::string>& GetLocationNames() const { return m_locNames.names; }
    const CSettings& GetSettings() const { return m_settings; }
    int GetOptions() const { return m_settings.GetOptions(); }

    void AddSatellite(const CSatellite* satellite, bool broadcast);
    void AddLocation(const CLocation* location, bool broadcast);
    void RemoveSatellite(const CSatellite* satellite);
    void RemoveLocation(const CLocation* location);
    void SetCurrentSatellite(const CSatellite* satellite, bool broadcast);
    void SetCurrentLocation(CLocation* location, bool broadcast);
    // The database record of the current location, or null.
    CLocation* GetCurrentLocation() const;
    // The database record of the current satellite, or null.
    CSatellite* GetCurrentSatellite() const;
    void SetGridOptions(int options);
    // Stores the current satellite index as the satellite list pane settles
    // it (no broadcast, not a modification).
    void SetCurrentSatelliteIndex(int index) { m_settings.SetCurSatellite(index); }

    // An editor renamed records: entry i of the workspace's list now names
    // `names[i]` where that is not empty.  A changed entry marks the
    // workspace modified.  No broadcast.
    void RenameSatelliteEntries(const std::vector<std::string>& names);
    void RenameLocationEntries(const std::vector<std::string>& names);

    // Reconcile the names with the databases; nonzero when at least one name
    // was found.
    int ValidateSatellites(bool broadcast);
    int ValidateLocations(bool broadcast);

private:
    CSatelliteDatabase* Satellites() const { return m_pHost ? m_pHost->GetSatelliteDatabase() : nullptr; }
    CLocationDatabase* Locations() const { return m_pHost ? m_pHost->GetLocationDatabase() : nullptr; }
    void BroadcastFromTabView();
    bool IsShown(const CSatellite& satellite) const;

    // A list of names with the index that finds each of them; every change
    // of the list goes through here or is followed by Changed().
    struct NameList {
        std::vector<std::string> names;
        CNameIndex index;
        // The position of the first entry equal to `name`, or -1.
        int IndexOf(const std::string& name) const { return index.Find(names, name); }
        // Adds `name` at the end unless it is there already.
        bool Add(const std::string& name);
        void Clear() {
            names.clear();
            index.Invalidate();
        }
        void Changed() { index.Invalidate(); }
    };

    IWorkspaceHost* m_pHost;
    NameList m_satNames;
    NameList m_locNames;
    CSettings m_settings;
    bool m_bLoadFailed = false;
};
