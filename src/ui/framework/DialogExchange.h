// Moving values between a dialog's controls and its members, with the
// messages every dialog of the program gives for a field it cannot take.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QLineEdit;
class QListView;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// Shows `message` (Windows-1252) and puts the focus on `control`.
void FailField(QWidget* control, const std::string& message);

// The edit's text as a number ("Please enter a number for the latitude."
// otherwise); `what` names the field, as a text to translate.
bool ExchangeFloat(QLineEdit* edit, float* value, const char* what);
// The same, and from `low` to `high` ("Please enter a number between ...").
bool ExchangeFloat(QLineEdit* edit, float* value, double low, double high, const char* what);
// Shows `value` in the edit the way the dialogs show numbers.
void ShowFloat(QLineEdit* edit, float value);

// `text` as Windows-1252 into `out`.  Refuses more than `maxChars`
// characters and characters that Windows-1252 cannot hold; `what` names the
// field in that message ("satellite name").
bool ExchangeText(QWidget* control, const QString& text, int maxChars, const char* what, std::string* out);

// The record list of an editor: the records, not owned, in the order of
// their names with the case of A to Z ignored (records of equal names in
// the order they were added), shown by name.  The list is sorted once when
// filled; an added, removed or renamed record keeps that order by binary
// search.  Each record's name is read from the record when needed.
class CRecordListModel : public QAbstractListModel {
public:
    using NameOf = const std::string& (*)(const void* record);

    CRecordListModel(NameOf nameOf, QObject* parent);

    // Replaces the records with `records`, sorted.
    void SetRecords(std::vector<void*> records);
    // Adds a record where its name sorts (after records of an equal name);
    // returns its row.
    int Insert(void* record);
    // Removes the row.
    void Remove(int row);
    // The record of `row` was renamed: moves it to where its new name sorts
    // and returns its new row.
    int Reposition(int row);

    int Count() const { return static_cast<int>(m_records.size()); }
    void* RecordAt(int row) const;
    // The row of the record, or -1.
    int RowOf(const void* record) const;
    // Whether another record (not `current`, or any record while a new one
    // is being added) bears `name`, the case of A to Z aside.
    bool NameTakenByAnother(const std::string& name, const void* current, bool adding) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The first row whose name sorts after `name`.
    std::size_t UpperBound(std::string_view name) const;
    std::pair<std::size_t, std::size_t> EqualRange(std::string_view name) const;

    NameOf m_nameOf;
    std::vector<void*> m_records;
};

// An editor's list of records over `model`, named for tests and screen readers.
QListView* MakeRecordList(CRecordListModel* model, const char* objectName, const QString& accessibleName,
                          QWidget* parent);
// The record list's row that is current and selected, or -1.
int SelectedRow(const QListView* list);
// Makes `row` the list's current and selected row (none for -1) and scrolls to it.
void SelectListRow(QListView* list, int row);
// A note for under a name field, shown while the field is full, so that a
// name cut at the limit is not cut without a word.
QLabel* MakeLengthNote(QLineEdit* edit, QWidget* parent);
// An editor's push button: never the default button, so Enter in a field
// does not press it.
QPushButton* MakeEditorButton(const QString& text, const char* objectName, QWidget* parent);

// Fills a combo box with `names` in sorted order, nothing selected.
void FillSortedCombo(QComboBox* combo, std::vector<std::string> names);
// Selects the entry with exactly this text, or nothing.
void SelectComboText(QComboBox* combo, const std::string& text);
// The selected entry's text (empty when none is selected).
std::string ComboText(const QComboBox* combo);
