#include "ui/orbits/OrbitsDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/framework/AppMessageBox.h"
#include "core/framework/File.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/DatabaseEditor.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/framework/QtText.h"
#include "ui/orbits/SatelliteOrbits.h"

namespace {

// The refused lines named in a message: this many at most, then how many more.
constexpr std::size_t kProblemsShown = 20;

QString ObjectText(const GeoObject& object) {
    const QString name = object.elements.name.empty() ? QString("-") : FromCp1252(object.elements.name);
    return QString("%1 (%2)").arg(name).arg(static_cast<qlonglong>(object.elements.catalogNumber));
}

// Asked for a satellite whose record another program changed meanwhile.
bool KeepOurs(const std::string& name) {
    return AppMessageBox(
               ToCp1252Text(Tr("%1 was changed here and by another program since the file was read.\n\n"
                               "Keep the version made here?")
                                .arg(FromCp1252(name))),
               MB_YESNO, MB_ICONQUESTION) == IDYES;
}

}  // namespace

COrbitsDlg::COrbitsDlg(CSatelliteDatabase& database, std::vector<GeoObject> objects, QWidget* parent)
    : QDialog(parent), m_database(database), m_objects(std::move(objects)) {
    setObjectName("orbitsDialog");
    setWindowTitle(Tr("Import Orbital Elements"));
    m_matches = MatchSatellites(m_objects, m_database);

    m_summary = new QLabel(this);
    m_summary->setObjectName("orbitsSummary");
    m_summary->setWordWrap(true);

    m_rows = new QTreeWidget(this);
    m_rows->setObjectName("orbitsRows");
    m_rows->setAccessibleName(Tr("Matched satellites"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setAllColumnsShowFocus(true);
    m_rows->setHeaderLabels({Tr("Object"), Tr("Satellite"), Tr("Slot"), Tr("Actual"), Tr("Difference"),
                             Tr("Drift"), Tr("Inclination"), Tr("Age")});
    m_rows->setWhatsThis(
        Tr("Each geostationary object of the file and the satellite of the database it was "
           "matched with. Checked rows get the object's longitude as their slot."));
    for (int column = ColSlot; column <= ColAge; ++column)
        m_rows->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_rows);
        item->setData(ColObject, Qt::UserRole, static_cast<qulonglong>(i));
        for (int column = ColSlot; column <= ColAge; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    const std::vector<bool> chosen = DefaultSlotUpdates(m_objects, m_matches);
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        FillRow(i);
        if (m_matches[i].satellite)
            m_rows->topLevelItem(static_cast<int>(i))
                ->setCheckState(ColObject, chosen[i] ? Qt::Checked : Qt::Unchecked);
    }
    m_rows->header()->setStretchLastSection(false);
    m_rows->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* choiceLabel = new QLabel(Tr("&Satellite of the selected object:"), this);
    m_choice = new QComboBox(this);
    m_choice->setObjectName("orbitsSatellite");
    m_choice->addItem(Tr("(none)"));
    for (const auto& record : m_database.GetRecords()) {
        m_choices.push_back(record.get());
        m_choice->addItem(FromCp1252(record->GetName() + "  " + record->SlotText()));
    }
    m_choice->setEnabled(false);
    choiceLabel->setBuddy(m_choice);
    connect(m_choice, &QComboBox::activated, this, [this](int index) {
        QTreeWidgetItem* item = m_rows->currentItem();
        if (!item || index < 0)
            return;
        MatchRow(item->data(ColObject, Qt::UserRole).toULongLong(),
                 index == 0 ? nullptr : m_choices[static_cast<std::size_t>(index - 1)]);
    });
    connect(m_rows, &QTreeWidget::currentItemChanged, this, &COrbitsDlg::OnRowSelected);

    m_showUnmatched = new QCheckBox(Tr("Show &objects without a satellite"), this);
    m_showUnmatched->setObjectName("orbitsShowUnmatched");
    connect(m_showUnmatched, &QCheckBox::toggled, this, &COrbitsDlg::ShowRows);

    auto* buttons = new QDialogButtonBox(this);
    m_btnUpdate = buttons->addButton(Tr("&Update Slots"), QDialogButtonBox::AcceptRole);
    m_btnUpdate->setObjectName("updateSlots");
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName("close");
    connect(m_btnUpdate, &QPushButton::clicked, this, &COrbitsDlg::OnUpdateSlots);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(choiceLabel);
    choiceRow->addWidget(m_choice, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_rows, 1);
    layout->addLayout(choiceRow);
    layout->addWidget(m_showUnmatched);
    layout->addWidget(buttons);
    ShowRows();
    int width = m_rows->frameWidth() * 2 + 24;
    for (int column = 0; column < m_rows->columnCount(); ++column)
        width += m_rows->header()->sectionSize(column);
    resize(std::min(std::max(width, 600), 1100), 420);
}

void COrbitsDlg::FillRow(std::size_t object) {
    QTreeWidgetItem* item = m_rows->topLevelItem(static_cast<int>(object));
    const GeoObject& o = m_objects[object];
    const CSatellite* satellite = m_matches[object].satellite;
    item->setText(ColObject, ObjectText(o));
    item->setText(ColLongitude, FromCp1252(LongitudeText(o.longitude)));
    item->setText(ColDrift, FromCp1252(DriftText(o.drift)));
    item->setText(ColInclination, FromCp1252(InclinationText(o.inclination)));
    item->setText(ColAge, FromCp1252(AgeText(o.ageDays)));
    item->setText(ColSatellite, satellite ? FromCp1252(satellite->GetName()) : QString("-"));
    item->setText(ColSlot, satellite ? FromCp1252(satellite->SlotText()) : QString());
    item->setText(ColDifference,
                  satellite ? FromCp1252(DifferenceText(SlotDifference(o, *satellite))) : QString());
    const QString note = FromCp1252(InclinedOrbitNote(o.inclination));
    for (int column = 0; column < m_rows->columnCount(); ++column)
        item->setToolTip(column, note);
    // Only a row with a satellite can update a slot.
    if (satellite)
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    else {
        item->setData(ColObject, Qt::CheckStateRole, QVariant());
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
}

void COrbitsDlg::ShowRows() {
    const bool all = m_showUnmatched->isChecked();
    std::size_t matched = 0;
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        matched += m_matches[i].satellite != nullptr;
        m_rows->topLevelItem(static_cast<int>(i))->setHidden(!all && !m_matches[i].satellite);
    }
    m_summary->setText(Tr("%1 geostationary objects in the file, %2 of them matched with the satellite "
                          "database. Checked rows differ from their slot by more than 0.05%3.")
                           .arg(m_objects.size())
                           .arg(matched)
                           .arg(QChar(0xB0)));
}

void COrbitsDlg::OnRowSelected() {
    QTreeWidgetItem* item = m_rows->currentItem();
    m_choice->setEnabled(item != nullptr);
    if (!item)
        return;
    const CSatellite* satellite = m_matches[item->data(ColObject, Qt::UserRole).toULongLong()].satellite;
    const auto found = std::find(m_choices.begin(), m_choices.end(), satellite);
    m_choice->setCurrentIndex(satellite && found != m_choices.end() ? 1 + int(found - m_choices.begin()) : 0);
}

void COrbitsDlg::MatchRow(std::size_t object, const CSatellite* satellite) {
    if (object >= m_objects.size())
        return;
    const std::vector<SlotMatch> before = m_matches;
    MatchByHand(m_matches, object, satellite);
    const std::vector<bool> chosen = DefaultSlotUpdates(m_objects, m_matches);
    // The rows whose satellite changed (this one, and one that lost its
    // satellite to it) are checked afresh; the others keep the user's choice.
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        if (before[i].satellite == m_matches[i].satellite)
            continue;
        FillRow(i);
        if (m_matches[i].satellite)
            m_rows->topLevelItem(static_cast<int>(i))
                ->setCheckState(ColObject, chosen[i] ? Qt::Checked : Qt::Unchecked);
    }
    ShowRows();
}

std::vector<bool> COrbitsDlg::Chosen() const {
    std::vector<bool> chosen(m_objects.size(), false);
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        chosen[i] = m_matches[i].satellite &&
                    m_rows->topLevelItem(static_cast<int>(i))->checkState(ColObject) == Qt::Checked;
    return chosen;
}

void COrbitsDlg::OnUpdateSlots() {
    m_changed = ApplySlotUpdates(m_database, m_objects, m_matches, Chosen());
    accept();
}

std::size_t ImportOrbitalElements(IDatabaseEditorHost& host, QWidget* parent, const QString& path) {
    CSatelliteDatabase* database = host.GetSatelliteDatabase();
    if (!database)
        return 0;
    const std::string file = ToCp1252(QFileInfo(path).fileName());
    std::string text;
    int osError = 0;
    if (!ReadWholeFile(path.toStdString(), text, kDataFileLimit, &osError)) {
        AppMessageBox(ToCp1252Text(Tr("Cannot read %1: %2").arg(path, FromCp1252(ErrorText(osError)))), MB_OK,
                      MB_ICONEXCLAMATION);
        return 0;
    }
    const OrbitFile elements = ReadOrbitalElements(text);
    if (elements.error) {
        AppMessageBox(file + ": " + OrbitProblemText(*elements.error), MB_OK, MB_ICONEXCLAMATION);
        return 0;
    }
    if (!elements.problems.empty()) {
        std::string lines;
        for (std::size_t i = 0; i < elements.problems.size() && i < kProblemsShown; ++i) {
            // Appended piece by piece: GCC 12's hardened build warns falsely
            // on "\n" + a temporary string (-Wrestrict).
            lines += '\n';
            lines += OrbitProblemText(elements.problems[i]);
        }
        if (elements.problems.size() > kProblemsShown) {
            lines += '\n';
            lines += ToCp1252Text(Tr("... and %1 more").arg(elements.problems.size() - kProblemsShown));
        }
        AppMessageBox(
            ToCp1252Text(
                Tr("These lines of %1 were not imported; the rest of the file was:").arg(FromCp1252(file))) +
                "\n" + lines,
            MB_OK, MB_ICONEXCLAMATION);
    }
    const QDate today = QDate::currentDate();
    std::vector<GeoObject> objects =
        GeostationaryObjects(elements.objects, JulianDateOfCivil(today.year(), today.month(), today.day()));
    if (objects.empty()) {
        AppMessageBox(ToCp1252Text(Tr("%1 holds no geostationary object.").arg(FromCp1252(file))), MB_OK,
                      MB_ICONINFORMATION);
        return 0;
    }

    // The dialog starts on what the file holds now.
    CDatabaseEditor(host).ReloadChangedDatabases();
    database->BeginEditRun();
    COrbitsDlg dialog(*database, std::move(objects), parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    RecordImportedOrbits(dialog.Objects(), dialog.Matches());
    const std::size_t changed = accepted ? dialog.ChangedSlots() : 0;
    if (!changed) {
        database->EndEditRun();
        return 0;
    }
    host.BeginWaitCursor();
    // When the file cannot be written the changes stay in memory, marked
    // unsaved, as after the satellite editor.
    database->SaveEditRun(KeepOurs);
    host.FillSatelliteTree();
    if (CTilvexDoc* doc = host.GetDocument()) {
        doc->ValidateSatellites(true);
        doc->UpdateAllViews(nullptr);
    }
    host.EndWaitCursor();
    database->ReleaseErased();
    return changed;
}
