#include "ui/satellites/SatelliteEditorDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
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

}  // namespace

CSatelliteEditorDlg::CSatelliteEditorDlg(QWidget* parent) : CRecordEditor(msg::kDeleteSatellite, parent) {
    setObjectName("satelliteEditor");
    setWindowTitle(Tr("Edit Satellite Database"));

    QLabel* nameLabel = MakeNameAndList(Tr("Satellite &Name"), "satelliteName", Tr("Satellite Name"),
                                        "satelliteList", Tr("Satellites"));
    m_listRecords->setMinimumWidth(fontMetrics().horizontalAdvance(QString(24, 'M')) / 2 + 60);

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

    MakeButtons(Tr("&Add Satellite"), "addSatellite", Tr("De&lete"), Tr("Cl&ose"));

    auto* fields = new QVBoxLayout;
    fields->addWidget(bands);
    fields->addWidget(slot);
    fields->addWidget(regionLabel);
    fields->addWidget(m_comboRegion);
    fields->addWidget(commentsLabel);
    fields->addWidget(m_editComments, 1);
    LayOut(nameLabel, fields, 2);
    SetTabOrder({m_checkKu, m_checkC, m_checkDBS, m_editSlot, m_radioEast, m_radioWest, m_comboRegion,
                 m_editComments});

    connect(m_editSlot, &QLineEdit::textEdited, this, &CSatelliteEditorDlg::NoteEdited);
    connect(m_editComments, &QPlainTextEdit::textChanged, this, &CSatelliteEditorDlg::NoteEdited);
    // A state change, not a click: an assistive tool's toggle sends no
    // click.  Of the two radio buttons only the one turned on counts.
    for (QCheckBox* box : {m_checkKu, m_checkC, m_checkDBS})
        connect(box, &QCheckBox::toggled, this, &CSatelliteEditorDlg::NoteEdited);
    for (QRadioButton* radio : {m_radioEast, m_radioWest})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                NoteEdited();
        });
    connect(m_comboRegion, &QComboBox::activated, this, &CSatelliteEditorDlg::NoteEdited);
    ConnectEditor();
}

void CSatelliteEditorDlg::FillChoices() {
    FillSortedCombo(m_comboRegion, SatelliteRegionNames());
}

void CSatelliteEditorDlg::ShowFields() {
    const CSatellite& record = *Current();
    m_strComments = record.GetComments();
    m_fSlot = record.GetSlot();
    m_strRegion = SatelliteRegionName(record.GetFlags());
    m_bC = record.GetFlags() & SAT_BAND_C;
    m_bDBS = record.GetFlags() & SAT_BAND_DBS;
    m_bKu = record.GetFlags() & SAT_BAND_KU;
    (record.IsWest() ? m_radioWest : m_radioEast)->setChecked(true);
    m_editName->setText(FromCp1252(m_strName));
    m_editComments->setPlainText(FromCp1252(m_strComments));
    ShowFloat(m_editSlot, m_fSlot);
    SelectComboText(m_comboRegion, m_strRegion);
    m_checkC->setChecked(m_bC);
    m_checkDBS->setChecked(m_bDBS);
    m_checkKu->setChecked(m_bKu);
}

void CSatelliteEditorDlg::ClearFields() {
    m_strComments.clear();
    m_strRegion.clear();
    m_fSlot = 0.0f;
    m_bC = m_bDBS = m_bKu = false;
    m_radioWest->setChecked(true);
    m_editName->clear();
    m_editComments->clear();
    ShowFloat(m_editSlot, m_fSlot);
    for (QCheckBox* box : {m_checkKu, m_checkC, m_checkDBS})
        box->setChecked(false);
    m_comboRegion->setCurrentIndex(-1);
}

void CSatelliteEditorDlg::EnableFields(bool enable) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_editName, m_editComments, m_editSlot, m_comboRegion, m_btnDelete,
                                         m_radioEast, m_radioWest, m_checkKu, m_checkC, m_checkDBS})
        w->setEnabled(enable);
}

bool CSatelliteEditorDlg::ReadFields() {
    m_bC = m_checkC->isChecked();
    m_bDBS = m_checkDBS->isChecked();
    m_bKu = m_checkKu->isChecked();
    m_strRegion = ComboText(m_comboRegion);
    if (!ExchangeText(m_editName, m_editName->text(), kMaxNameLength, TrNoop("satellite name"), &m_strName))
        return false;
    if (!ExchangeText(m_editComments, m_editComments->toPlainText(), kMaxCommentsLength, TrNoop("comments"),
                      &m_strComments))
        return false;
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
