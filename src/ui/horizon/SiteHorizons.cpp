#include "ui/horizon/SiteHorizons.h"

#include <QDir>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Profile.h"
#include "ui/framework/QtText.h"

CSiteHorizons& CSiteHorizons::Current() {
    static CSiteHorizons* horizons = new CSiteHorizons;
    horizons->Refresh();
    return *horizons;
}

std::string CSiteHorizons::FilePath() {
    return QDir::current().absoluteFilePath(kHorizonFile).toStdString();
}

DishBeam CSiteHorizons::Beam() const {
    return m_settings ? ReadDishBeam(*m_settings) : DishBeam{};
}

void CSiteHorizons::Refresh() {
    const std::string path = FilePath();
    if (m_loaded && path == m_path && !FileChangedSince(path, m_read))
        return;
    m_path = path;
    m_read = ReadFileIdentity(path);
    m_loaded = true;
    const std::optional<std::string> failure = m_store.Load(path);
    std::string problems;
    if (failure)
        problems = *failure;
    for (const HorizonLineProblem& problem : m_store.Problems())
        problems += (problems.empty() ? "" : "\n") + problem.message;
    if (!problems.empty())
        AppMessageBox(
            ToCp1252Text(Tr("Some horizons could not be read; the lines stay in the file as they are:")) +
                "\n\n" + problems,
            MB_OK, MB_ICONEXCLAMATION);
    emit changed();
}

const CHorizonProfile* CSiteHorizons::Find(const std::string& location) {
    return m_store.Find(location);
}

bool CSiteHorizons::SaveOrReload() {
    std::string error;
    if (m_store.Save(m_path, &error)) {
        m_read = ReadFileIdentity(m_path);
        emit changed();
        return true;
    }
    AppMessageBox(ToCp1252Text(Tr("The horizons could not be saved:")) + "\n\n" + error, MB_OK,
                  MB_ICONEXCLAMATION);
    // What the file holds is what counts.
    m_loaded = false;
    Refresh();
    return false;
}

bool CSiteHorizons::SetProfile(const std::string& location, const CHorizonProfile& profile) {
    Refresh();
    if (!m_store.SetProfile(location, profile))
        return false;
    return SaveOrReload();
}

bool CSiteHorizons::RenameLocation(const std::string& from, const std::string& to) {
    Refresh();
    if (!m_store.HasProfile(from))
        return true;
    if (!m_store.RenameLocation(from, to))
        return false;
    return SaveOrReload();
}

bool CSiteHorizons::DeleteLocation(const std::string& location) {
    Refresh();
    if (!m_store.HasProfile(location))
        return true;
    m_store.DeleteLocation(location);
    return SaveOrReload();
}
