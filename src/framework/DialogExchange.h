// Moving values between a dialog's controls and its members, with the
// messages every dialog of the program gives for a field it cannot take.
#pragma once

#include <QString>
#include <vector>
#include <string>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
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

// Record lists of the editors: sorted without regard to the case of A to Z,
// each entry carrying its record.
QListWidgetItem* AddSortedRecord(QListWidget* list, const std::string& name, void* record);
void* RecordOfItem(const QListWidgetItem* item);
// The row of the entry carrying `record`, or -1.
int RowOfRecord(const QListWidget* list, const void* record);
// The first row whose text is `name` (case of A to Z aside), or -1.
int FindExactRow(const QListWidget* list, const std::string& name);

// Whether another record of the list (not `current`, or any record while a
// new one is being added) bears `name`, the case of A to Z aside.
bool NameTakenByAnother(const QListWidget* list, const std::string& name, const void* current, bool adding);
// Makes `row` the list's selected row (none for -1) and scrolls to it.
void SelectListRow(QListWidget* list, int row);
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
