// What the two database editors share: the name field over the list of
// records, the Add / Save / Delete / Close buttons, the modified state
// (Save enabled while the shown record holds unsaved edits), the choice of
// another record while edits are unsaved (save, or drop them), and adding,
// saving and deleting records in the database in place.  Each editor keeps
// its own form: how a record shows in its fields, how the fields are read
// back and checked, and which controls belong to the record.
#pragma once

#include <QDialog>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/workspace/RecordDatabase.h"
#include "ui/framework/DialogExchange.h"

class QLabel;
class QLayout;
class QLineEdit;
class QListView;
class QPushButton;

class CRecordEditorDlg : public QDialog {
    Q_OBJECT
public:
    // Fills the form; DoModal does it before running the dialog.
    void OnInitDialog();
    // Runs the dialog; nonzero when records were saved or deleted.
    int DoModal();

    bool IsAdding() const { return m_bAdding; }
    bool IsDirty() const { return m_bDirty; }
    bool HasChanged() const { return m_bChanged; }

    // Button handlers.
    void OnSave();
    void OnAdd();
    void OnDelete();
    // Unsaved edits (a new record too) are offered for saving first; the
    // dialog stays open when the user cancels or the save is refused.
    void OnClose();

protected:
    // `nameOf` reads a record's name; `deleteMessage` asks whether to delete
    // the record %s.
    CRecordEditorDlg(CRecordListModel::NameOf nameOf, const char* deleteMessage, QWidget* parent);

    // Escape and the close box act as "Close"; the result tells only
    // whether anything was saved or deleted.
    void reject() override { OnClose(); }

    // The editor's constructor builds its form with these, in this order:
    // the name field with its label, and the list; the buttons after the
    // editor's own fields; the layout of name and list, `fields` and the
    // buttons; the tab order (name, list, `fields`, the buttons); and last
    // the connections, which leave the form disabled until OnInitDialog.
    QLabel* MakeNameAndList(const QString& label, const char* nameObject, const QString& nameAccessible,
                            const char* listObject, const QString& listAccessible);
    void MakeButtons(const QString& add, const char* addObject, const QString& remove, const QString& close);
    void LayOut(QLabel* nameLabel, QLayout* fields, int fieldsStretch);
    void SetTabOrder(std::initializer_list<QWidget*> fields);
    void ConnectEditor();

    // A change the user made to a field: the record is modified.  The
    // dialog's own filling of the controls is none.
    void NoteEdited();
    void SetDirty(bool dirty);
    // Controls into the members: the name selected in the list, then the
    // editor's fields; false (after a message) when a field cannot be taken.
    bool UpdateData();

    // The editor's form.  ShowFields and ClearFields run while m_bFilling
    // is set.

    // The choices of the form's lists, filled again before a record shows.
    virtual void FillChoices() = 0;
    // The current record (its name already in m_strName) into the fields.
    virtual void ShowFields() = 0;
    // Empty fields for a new record (m_strName already empty).
    virtual void ClearFields() = 0;
    // Enables or disables the fields that belong to a record, and Delete.
    virtual void EnableFields(bool enable = true) = 0;
    // The fields into the members.
    virtual bool ReadFields() = 0;
    // Checks the members; false after a message.
    virtual bool Validate() = 0;
    // Reads and checks the fields for a save.
    virtual bool TakeFieldsForSave() { return UpdateData() && Validate(); }

    // The database, served by CRecordEditor below.
    virtual bool HasDatabase() const = 0;
    virtual std::vector<void*> DatabaseRecords() const = 0;
    // A new record from the fields, added to the database.
    virtual void* AppendRecord() = 0;
    // The fields into the current record, whose name may change.
    virtual void StoreCurrent() = 0;
    // Deletes the record; false when it is not in the database.
    virtual bool EraseRecord(void* record) = 0;

    QLineEdit* m_editName = nullptr;
    QListView* m_listRecords = nullptr;
    CRecordListModel* m_records = nullptr;
    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnSave = nullptr;
    QPushButton* m_btnDelete = nullptr;
    QPushButton* m_btnClose = nullptr;

    bool m_bAdding = false;
    // Set while the dialog itself changes the controls, whose notices then
    // are not the user's edits.
    bool m_bFilling = false;
    void* m_pCurrent = nullptr;
    std::string m_strName, m_strListSel;

private:
    void OnSelChange();
    // The current record into the form, the list filled again first when
    // `rebuildList`.
    void ShowRecord(bool rebuildList);
    // No record in the form and none selected in the list.
    void ClearRecord();
    void SelectRow(int row);

    CRecordListModel::NameOf m_nameOf;
    const char* m_deleteMessage;
    bool m_bChanged = false;
    bool m_bDirty = false;
};

// An editor of the records of one CRecordDatabase<T>, in place.
template <class T>
class CRecordEditor : public CRecordEditorDlg {
public:
    void SetDatabase(CRecordDatabase<T>* database) { m_pDatabase = database; }
    // The record shown first (null: none).
    void SetCurrent(T* record) { m_pCurrent = record; }
    T* Current() const { return static_cast<T*>(m_pCurrent); }

protected:
    CRecordEditor(const char* deleteMessage, QWidget* parent)
        : CRecordEditorDlg(&NameOf, deleteMessage, parent) {}

    // The members into `record`.
    virtual void StoreFields(T& record) const = 0;

    static const std::string& NameOf(const void* record) { return static_cast<const T*>(record)->GetName(); }

    // An editor may follow a record's save or deletion by overriding these
    // and calling them.
    void StoreCurrent() override {
        StoreFields(*Current());
        m_pDatabase->NoteChanged();
    }
    bool EraseRecord(void* record) override { return m_pDatabase->Erase(static_cast<T*>(record)); }

private:
    bool HasDatabase() const override { return m_pDatabase != nullptr; }
    std::vector<void*> DatabaseRecords() const override {
        std::vector<void*> records;
        if (m_pDatabase) {
            records.reserve(m_pDatabase->GetSize());
            for (const auto& record : m_pDatabase->GetRecords())
                records.push_back(record.get());
        }
        return records;
    }
    void* AppendRecord() override {
        auto record = std::make_unique<T>();
        StoreFields(*record);
        return m_pDatabase->Append(std::move(record));
    }

    CRecordDatabase<T>* m_pDatabase = nullptr;
};
