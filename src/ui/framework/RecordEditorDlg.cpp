#include "ui/framework/RecordEditorDlg.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>

#include "core/framework/AppMessageBox.h"
#include "core/workspace/EditorRules.h"
#include "ui/framework/QtText.h"

namespace msg = editor_messages;

CRecordEditorDlg::CRecordEditorDlg(CRecordListModel::NameOf nameOf, const char* deleteMessage,
                                   QWidget* parent)
    : QDialog(parent), m_nameOf(nameOf), m_deleteMessage(deleteMessage) {}

QLabel* CRecordEditorDlg::MakeNameAndList(const QString& label, const char* nameObject,
                                          const QString& nameAccessible, const char* listObject,
                                          const QString& listAccessible) {
    auto* nameLabel = new QLabel(label, this);
    m_editName = new QLineEdit(this);
    m_editName->setObjectName(nameObject);
    m_editName->setAccessibleName(nameAccessible);
    m_editName->setMaxLength(kMaxNameLength);
    nameLabel->setBuddy(m_editName);
    m_records = new CRecordListModel(m_nameOf, this);
    m_listRecords = MakeRecordList(m_records, listObject, listAccessible, this);
    return nameLabel;
}

void CRecordEditorDlg::MakeButtons(const QString& add, const char* addObject, const QString& remove,
                                   const QString& close) {
    m_btnAdd = MakeEditorButton(add, addObject, this);
    m_btnSave = MakeEditorButton(Tr("Sa&ve"), "save", this);
    m_btnDelete = MakeEditorButton(remove, "delete", this);
    m_btnClose = MakeEditorButton(close, "close", this);
}

void CRecordEditorDlg::LayOut(QLabel* nameLabel, QLayout* fields, int fieldsStretch) {
    auto* left = new QVBoxLayout;
    left->addWidget(nameLabel);
    left->addWidget(m_editName);
    left->addWidget(MakeLengthNote(m_editName, this));
    left->addWidget(m_listRecords, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_btnAdd, m_btnSave, m_btnDelete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_btnClose);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(fields, fieldsStretch);
    layout->addLayout(buttons);
}

void CRecordEditorDlg::SetTabOrder(std::initializer_list<QWidget*> fields) {
    std::vector<QWidget*> order{m_editName, m_listRecords};
    order.insert(order.end(), fields);
    order.insert(order.end(), {m_btnAdd, m_btnSave, m_btnDelete, m_btnClose});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CRecordEditorDlg::ConnectEditor() {
    connect(m_editName, &QLineEdit::textEdited, this, &CRecordEditorDlg::NoteEdited);
    connect(m_listRecords->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_bFilling)
            OnSelChange();
    });
    connect(m_btnSave, &QPushButton::clicked, this, &CRecordEditorDlg::OnSave);
    connect(m_btnAdd, &QPushButton::clicked, this, &CRecordEditorDlg::OnAdd);
    connect(m_btnDelete, &QPushButton::clicked, this, &CRecordEditorDlg::OnDelete);
    connect(m_btnClose, &QPushButton::clicked, this, &CRecordEditorDlg::OnClose);

    EnableFields(false);
    m_btnSave->setEnabled(false);
}

void CRecordEditorDlg::NoteEdited() {
    if (!m_bFilling)
        SetDirty(true);
}

int CRecordEditorDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CRecordEditorDlg::OnInitDialog() {
    ShowRecord(true);
    // A record chosen by the caller can be edited at once; without one the
    // form waits for a choice in the list or "Add".
    EnableFields(m_pCurrent != nullptr);
    SetDirty(false);
    if (m_pCurrent)
        m_editName->setFocus(Qt::OtherFocusReason);
    else
        m_listRecords->setFocus(Qt::OtherFocusReason);
}

void CRecordEditorDlg::ShowRecord(bool rebuildList) {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    FillChoices();
    if (rebuildList)
        m_records->SetRecords(DatabaseRecords());
    if (!m_pCurrent)
        return;
    SelectRow(m_records->RowOf(m_pCurrent));
    m_strListSel = m_strName = m_nameOf(m_pCurrent);
    ShowFields();
}

void CRecordEditorDlg::ClearRecord() {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    m_strListSel.clear();
    m_strName.clear();
    SelectListRow(m_listRecords, -1);
    ClearFields();
}

void CRecordEditorDlg::SetDirty(bool dirty) {
    m_bDirty = dirty;
    m_btnSave->setEnabled(dirty);
}

void CRecordEditorDlg::SelectRow(int row) {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    SelectListRow(m_listRecords, row);
}

bool CRecordEditorDlg::UpdateData() {
    const int selected = SelectedRow(m_listRecords);
    m_strListSel = selected >= 0 ? m_nameOf(m_records->RecordAt(selected)) : std::string();
    return ReadFields();
}

void CRecordEditorDlg::OnSave() {
    // Nothing is shown and nothing is being added (the last record was
    // deleted): there is no record to save into.
    if (!HasDatabase() || (!m_bAdding && !m_pCurrent))
        return;
    if (!TakeFieldsForSave())
        return;
    if (m_bAdding) {
        void* added = AppendRecord();
        // The new record is saved: the form shows it as any other.
        m_bAdding = false;
        {
            QScopedValueRollback<bool> filling(m_bFilling, true);
            m_records->Insert(added);
        }
        m_pCurrent = added;
        ShowRecord(false);
    } else {
        const int row = m_records->RowOf(m_pCurrent);
        StoreCurrent();
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
    m_listRecords->setEnabled(true);
    m_bAdding = false;
    m_bChanged = true;
}

void CRecordEditorDlg::OnClose() {
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

void CRecordEditorDlg::OnSelChange() {
    if (!m_pCurrent && !m_bAdding)
        EnableFields(true);
    const std::string previous = m_strListSel;
    const int chosenRow = SelectedRow(m_listRecords);
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
    if (!chosenRecord)
        return;
    m_pCurrent = chosenRecord;
    ShowRecord(false);
    m_editName->setEnabled(true);
    SetDirty(false);
}

void CRecordEditorDlg::OnAdd() {
    m_bAdding = true;
    ClearRecord();
    EnableFields(true);
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(false);
    m_listRecords->setEnabled(false);
    m_editName->setEnabled(true);
    m_editName->setFocus(Qt::OtherFocusReason);
    SetDirty(false);
}

void CRecordEditorDlg::OnDelete() {
    if (!HasDatabase() || !m_pCurrent)
        return;
    if (AppMessageBox(EditorMessage(m_deleteMessage, m_strName), MB_YESNO, MB_ICONQUESTION) != IDYES)
        return;
    // Out of the list before the record is deleted, which the list reads.
    const int row = m_records->RowOf(m_pCurrent);
    {
        QScopedValueRollback<bool> filling(m_bFilling, true);
        m_records->Remove(row);
    }
    if (!EraseRecord(m_pCurrent))
        return;
    m_pCurrent = nullptr;
    SetDirty(false);
    if (m_records->Count() > 0) {
        SelectRow(std::max(0, row - 1));
        OnSelChange();
    } else {
        // Nothing is left to show: the form waits for "Add".
        ClearRecord();
        EnableFields(false);
        m_btnAdd->setFocus(Qt::OtherFocusReason);
    }
    SetDirty(false);
    m_bChanged = true;
}
