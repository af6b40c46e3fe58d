#include "ui/satellites/SatelliteEditorDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Format.h"
#include "core/framework/StringTable.h"
#include "core/framework/Translate.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/EditorRules.h"
#include "ui/framework/DialogExchange.h"
#include "ui/framework/QtText.h"

namespace msg = editor_messages;

namespace {

std::vector<std::string> SatelliteRegionNames() {
    std::vector<std::string> names;
    for (const auto& region : kSatelliteRegions)
        names.push_back(LoadString(region.nameId));
    return names;
}

const std::string& SatelliteName(const void* record) {
    return static_cast<const CSatellite*>(record)->GetName();
}

}  // namespace

CSatelliteEditorDlg::CSatelliteEditorDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("satelliteEditor");
    setWindowTitle(Tr("Edit Satellite Database"));

    auto* nameLabel = new QLabel(Tr("Satellite &Name"), this);
    m_editName = new QLineEdit(this);
    m_editName->setObjectName("satelliteName");
    m_editName->setAccessibleName(Tr("Satellite Name"));
    m_editName->setMaxLength(kMaxNameLength);
    nameLabel->setBuddy(m_editName);
    m_records = new CRecordListModel(&SatelliteName, this);
    m_listSatellites = MakeRecordList(m_records, "satelliteList", Tr("Satellites"), this);
    m_listSatellites->setMinimumWidth(fontMetrics().horizontalAdvance(QString(24, 'M')) / 2 + 60);

    auto* bands = new QGroupBox(Tr("Band(s)"), this);
    m_checkKu = new QCheckBox(Tr("K&u"), bands);
    m_checkC = new QCheckBox(Tr("&C"), bands);
    m_checkDBS = new QCheckBox(Tr("&DBS"), bands);
    m_checkKu->setObjectName("ku");
    m_checkC->setObjectName("c");
    m_checkDBS->setObjectName("dbs");
    auto* bandLayout = new QHBoxLayout(bands);
    for (QCheckBox* box : {m_checkKu, m_checkC, m_checkDBS})
        bandLayout->addWidget(box);

    auto* slot = new QGroupBox(Tr("Orbital &Slot"), this);
    m_editSlot = new QLineEdit(slot);
    m_editSlot->setObjectName("slot");
    m_editSlot->setAccessibleName(Tr("Orbital Slot"));
    m_radioEast = new QRadioButton(Tr("Degrees &East"), slot);
    m_radioWest = new QRadioButton(Tr("Degrees &West"), slot);
    m_radioEast->setObjectName("east");
    m_radioWest->setObjectName("west");
    auto* slotLayout = new QHBoxLayout(slot);
    slotLayout->addWidget(m_editSlot);
    slotLayout->addWidget(m_radioEast);
    slotLayout->addWidget(m_radioWest);

    auto* regionLabel = new QLabel(Tr("Coverage &Region"), this);
    m_comboRegion = new QComboBox(this);
    m_comboRegion->setObjectName("region");
    m_comboRegion->setAccessibleName(Tr("Coverage Region"));
    regionLabel->setBuddy(m_comboRegion);

    auto* commentsLabel = new QLabel(Tr("Co&mments"), this);
    m_editComments = new QPlainTextEdit(this);
    m_editComments->setObjectName("comments");
    m_editComments->setAccessibleName(Tr("Comments"));
    m_editComments->setTabChangesFocus(true);
    commentsLabel->setBuddy(m_editComments);

    m_btnAdd = MakeEditorButton(Tr("&Add Satellite"), "addSatellite", this);
    m_btnSave = MakeEditorButton(Tr("Sa&ve"), "save", this);
    m_btnDelete = MakeEditorButton(Tr("De&lete"), "delete", this);
    m_btnClose = MakeEditorButton(Tr("Cl&ose"), "close", this);

    auto* left = new QVBoxLayout;
    left->addWidget(nameLabel);
    left->addWidget(m_editName);
    left->addWidget(MakeLengthNote(m_editName, this));
    left->addWidget(m_listSatellites, 1);
    auto* fields = new QVBoxLayout;
    fields->addWidget(bands);
    fields->addWidget(slot);
    fields->addWidget(regionLabel);
    fields->addWidget(m_comboRegion);
    fields->addWidget(commentsLabel);
    fields->addWidget(m_editComments, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_btnAdd, m_btnSave, m_btnDelete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_btnClose);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(fields, 2);
    layout->addLayout(buttons);

    setTabOrder(m_editName, m_listSatellites);
    setTabOrder(m_listSatellites, m_checkKu);
    setTabOrder(m_checkKu, m_checkC);
    setTabOrder(m_checkC, m_checkDBS);
    setTabOrder(m_checkDBS, m_editSlot);
    setTabOrder(m_editSlot, m_radioEast);
    setTabOrder(m_radioEast, m_radioWest);
    setTabOrder(m_radioWest, m_comboRegion);
    setTabOrder(m_comboRegion, m_editComments);
    setTabOrder(m_editComments, m_btnAdd);
    setTabOrder(m_btnAdd, m_btnSave);
    setTabOrder(m_btnSave, m_btnDelete);
    setTabOrder(m_btnDelete, m_btnClose);

    // Every edit the user makes marks the record modified; the dialog's own
    // filling of the controls does not.
    auto edited = [this] {
        if (!m_bFilling)
            SetDirty(true);
    };
    connect(m_editName, &QLineEdit::textEdited, this, edited);
    connect(m_editSlot, &QLineEdit::textEdited, this, edited);
    connect(m_editComments, &QPlainTextEdit::textChanged, this, edited);
    // A state change, not a click: an assistive tool's toggle sends no
    // click.  Of the two radio buttons only the one turned on counts.
    for (QCheckBox* box : {m_checkKu, m_checkC, m_checkDBS})
        connect(box, &QCheckBox::toggled, this, edited);
    for (QRadioButton* radio : {m_radioEast, m_radioWest})
        connect(radio, &QRadioButton::toggled, this, [edited](bool on) {
            if (on)
                edited();
        });
    connect(m_comboRegion, &QComboBox::activated, this, edited);
    connect(m_listSatellites->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_bFilling)
            OnSelChange();
    });
    connect(m_btnSave, &QPushButton::clicked, this, &CSatelliteEditorDlg::OnSave);
    connect(m_btnAdd, &QPushButton::clicked, this, &CSatelliteEditorDlg::OnAdd);
    connect(m_btnDelete, &QPushButton::clicked, this, &CSatelliteEditorDlg::OnDelete);
    connect(m_btnClose, &QPushButton::clicked, this, &CSatelliteEditorDlg::OnClose);

    EnableFields(false);
    m_btnSave->setEnabled(false);
}

int CSatelliteEditorDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CSatelliteEditorDlg::OnInitDialog() {
    ShowRecord(true);
    // A record chosen by the caller can be edited at once; without one the
    // form waits for a choice in the list or "Add Satellite".
    EnableFields(m_pCurrent != nullptr);
    SetDirty(false);
    if (m_pCurrent)
        m_editName->setFocus(Qt::OtherFocusReason);
    else
        m_listSatellites->setFocus(Qt::OtherFocusReason);
}

void CSatelliteEditorDlg::ShowRecord(bool rebuildList) {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    FillSortedCombo(m_comboRegion, SatelliteRegionNames());
    if (rebuildList) {
        std::vector<void*> records;
        if (m_pDatabase) {
            records.reserve(m_pDatabase->GetSize());
            for (const auto& record : m_pDatabase->GetRecords())
                records.push_back(record.get());
        }
        m_records->SetRecords(std::move(records));
    }
    if (!m_pCurrent)
        return;
    SelectRow(m_records->RowOf(m_pCurrent));
    m_strListSel = m_strName = m_pCurrent->GetName();
    m_strComments = m_pCurrent->GetComments();
    m_fSlot = m_pCurrent->GetSlot();
    m_strRegion = SatelliteRegionName(m_pCurrent->GetFlags());
    m_bC = m_pCurrent->GetFlags() & SAT_BAND_C;
    m_bDBS = m_pCurrent->GetFlags() & SAT_BAND_DBS;
    m_bKu = m_pCurrent->GetFlags() & SAT_BAND_KU;
    (m_pCurrent->IsWest() ? m_radioWest : m_radioEast)->setChecked(true);
    m_editName->setText(FromCp1252(m_strName));
    m_editComments->setPlainText(FromCp1252(m_strComments));
    ShowFloat(m_editSlot, m_fSlot);
    SelectComboText(m_comboRegion, m_strRegion);
    m_checkC->setChecked(m_bC);
    m_checkDBS->setChecked(m_bDBS);
    m_checkKu->setChecked(m_bKu);
}

void CSatelliteEditorDlg::ClearFields() {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    m_strListSel.clear();
    m_strComments.clear();
    m_strName.clear();
    m_strRegion.clear();
    m_fSlot = 0.0f;
    m_bC = m_bDBS = m_bKu = false;
    m_radioWest->setChecked(true);
    m_editName->clear();
    m_editComments->clear();
    ShowFloat(m_editSlot, m_fSlot);
    for (QCheckBox* box : {m_checkKu, m_checkC, m_checkDBS})
        box->setChecked(false);
    SelectListRow(m_listSatellites, -1);
    m_comboRegion->setCurrentIndex(-1);
}

void CSatelliteEditorDlg::EnableFields(bool enable) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_editName, m_editComments, m_editSlot, m_comboRegion, m_btnDelete,
                                         m_radioEast, m_radioWest, m_checkKu, m_checkC, m_checkDBS})
        w->setEnabled(enable);
}

void CSatelliteEditorDlg::SetDirty(bool dirty) {
    m_bDirty = dirty;
    m_btnSave->setEnabled(dirty);
}

void CSatelliteEditorDlg::SelectRow(int row) {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    SelectListRow(m_listSatellites, row);
}

bool CSatelliteEditorDlg::UpdateData() {
    m_bC = m_checkC->isChecked();
    m_bDBS = m_checkDBS->isChecked();
    m_bKu = m_checkKu->isChecked();
    m_strRegion = ComboText(m_comboRegion);
    if (!ExchangeText(m_editName, m_editName->text(), kMaxNameLength, TrNoop("satellite name"), &m_strName))
        return false;
    if (!ExchangeText(m_editComments, m_editComments->toPlainText(), kMaxCommentsLength, TrNoop("comments"),
                      &m_strComments))
        return false;
    const int selected = SelectedRow(m_listSatellites);
    m_strListSel = selected >= 0 ? SatelliteName(m_records->RecordAt(selected)) : std::string();
    return ExchangeFloat(m_editSlot, &m_fSlot, TrNoop("orbital slot"));
}

bool CSatelliteEditorDlg::Validate() {
    if (!m_checkKu->isChecked() && !m_checkC->isChecked() && !m_checkDBS->isChecked()) {
        AppMessageBox(CoreTr(msg::kNoBand));
        return false;
    }
    if (!m_radioEast->isChecked() && !m_radioWest->isChecked()) {
        AppMessageBox(CoreTr(msg::kNoSide));
        return false;
    }
    // Another record of this name, letter case aside, refuses the name; the
    // record's own name in other letters is fine.
    if (m_records->NameTakenByAnother(m_strName, m_pCurrent, m_bAdding)) {
        FailField(m_editName, EditorMessage(msg::kSatelliteExists, m_strName));
        return false;
    }
    if (m_comboRegion->currentIndex() < 0) {
        FailField(m_comboRegion, CoreTr(msg::kSatelliteNoRegion));
        return false;
    }
    if (m_strName.empty()) {
        AppMessageBox(CoreTr(msg::kSatelliteNoName));
        return false;
    }
    const std::optional<SlotEntry> slot = NormalizeSlot(m_fSlot, m_radioWest->isChecked());
    if (!slot) {
        FailField(m_editSlot, CoreTr(msg::kSlotRange));
        return false;
    }
    if (slot->converted) {
        AppMessageBox(SlotConversionNotice(), MB_OK, MB_ICONINFORMATION);
        QScopedValueRollback<bool> filling(m_bFilling, true);
        (slot->west ? m_radioWest : m_radioEast)->setChecked(true);
        m_editSlot->setText(QString::fromStdString(Format("%.1f", static_cast<double>(slot->slot))));
        m_fSlot = slot->slot;
    }
    return true;
}

void CSatelliteEditorDlg::StoreFields(CSatellite& record) const {
    int flags = (m_bC ? SAT_BAND_C : 0) + (m_bDBS ? SAT_BAND_DBS : 0) + (m_bKu ? SAT_BAND_KU : 0);
    flags |= SatelliteRegionFlag(m_strRegion);
    record.SetName(m_strName);
    record.SetSlot(m_fSlot);
    record.SetWest(m_radioWest->isChecked() ? 1 : 0);
    record.SetFlags(flags);
    record.SetComments(m_strComments);
}

void CSatelliteEditorDlg::OnSave() {
    // Nothing is shown and nothing is being added: there is no record to
    // save into.
    if (!m_pDatabase || (!m_bAdding && !m_pCurrent))
        return;
    if (!UpdateData() || !Validate())
        return;
    if (m_bAdding) {
        auto record = std::make_unique<CSatellite>();
        StoreFields(*record);
        CSatellite* added = m_pDatabase->Append(std::move(record));
        {
            QScopedValueRollback<bool> filling(m_bFilling, true);
            m_records->Insert(added);
        }
        m_pCurrent = added;
        ShowRecord(false);
    } else {
        const int row = m_records->RowOf(m_pCurrent);
        StoreFields(*m_pCurrent);
        m_pDatabase->NoteChanged();
        {
            // A new name moves the entry to where the name sorts.
            QScopedValueRollback<bool> filling(m_bFilling, true);
            m_records->Reposition(row);
        }
        m_strListSel = m_strName;
        ShowRecord(false);
    }
    SetDirty(false);
    m_btnDelete->setEnabled(true);
    m_btnAdd->setEnabled(true);
    m_listSatellites->setEnabled(true);
    m_bAdding = false;
    m_bChanged = true;
}

void CSatelliteEditorDlg::OnClose() {
    if (m_bDirty) {
        const std::string name = ToCp1252(m_editName->text());
        const int answer =
            AppMessageBox(EditorMessage(msg::kSaveChanges, name), MB_YESNOCANCEL, MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES) {
            OnSave();
            if (m_bDirty)
                return;
        }
    }
    done(m_bChanged ? 1 : 0);
}

void CSatelliteEditorDlg::OnSelChange() {
    if (!m_pCurrent && !m_bAdding)
        EnableFields(true);
    const std::string previous = m_strListSel;
    const int chosenRow = SelectedRow(m_listSatellites);
    if (chosenRow < 0)
        return;
    void* chosenRecord = m_records->RecordAt(chosenRow);
    if (m_bDirty) {
        if (!UpdateData() || !Validate()) {
            SelectRow(m_records->RowOf(m_pCurrent));
            m_strListSel = previous;
            return;
        }
        if (AppMessageBox(EditorMessage(msg::kSaveChanges, m_strName), MB_YESNO, MB_ICONQUESTION) == IDYES) {
            OnSave();
            // The save selected the saved record (and may have moved it):
            // find the chosen record again.
            SelectRow(m_records->RowOf(chosenRecord));
        } else {
            SetDirty(false);
        }
    }
    if (chosenRecord) {
        m_pCurrent = static_cast<CSatellite*>(chosenRecord);
        ShowRecord(false);
        m_editName->setEnabled(true);
        SetDirty(false);
    }
}

void CSatelliteEditorDlg::OnAdd() {
    if (!m_pCurrent)
        EnableFields(true);
    m_bAdding = true;
    ClearFields();
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(false);
    m_listSatellites->setEnabled(false);
    m_editName->setEnabled(true);
    m_editName->setFocus(Qt::OtherFocusReason);
    SetDirty(false);
}

void CSatelliteEditorDlg::OnDelete() {
    if (!m_pDatabase || !m_pCurrent)
        return;
    if (AppMessageBox(EditorMessage(msg::kDeleteSatellite, m_strName), MB_YESNO, MB_ICONQUESTION) != IDYES)
        return;
    // Out of the list before the record is deleted, which the list reads.
    const int row = m_records->RowOf(m_pCurrent);
    {
        QScopedValueRollback<bool> filling(m_bFilling, true);
        m_records->Remove(row);
    }
    if (!m_pDatabase->Erase(m_pCurrent))
        return;
    m_pCurrent = nullptr;
    SetDirty(false);
    if (m_records->Count() > 0) {
        SelectRow(std::max(0, row - 1));
        OnSelChange();
    } else {
        // Nothing is left to show: the form waits for "Add Satellite".
        ClearFields();
        EnableFields(false);
        m_btnAdd->setFocus(Qt::OtherFocusReason);
    }
    SetDirty(false);
    m_bChanged = true;
}
