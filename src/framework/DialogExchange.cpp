#include "framework/DialogExchange.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "framework/AppMessageBox.h"
#include "framework/Cp1252.h"
#include "framework/DataExchange.h"
#include "framework/Format.h"
#include "framework/QtText.h"
#include "framework/Translate.h"

namespace {
constexpr int kRecordRole = Qt::UserRole + 1;
}

void FailField(QWidget* control, const std::string& message) {
    AppMessageBox(message, MB_OK, MB_ICONEXCLAMATION);
    if (control) control->setFocus(Qt::OtherFocusReason);
}

bool ExchangeFloat(QLineEdit* edit, float* value, const char* what) {
    const std::optional<double> number = ParseDialogFloat(edit->text().toStdString());
    if (!number) {
        FailField(edit, EnterNumberFor(what));
        return false;
    }
    *value = static_cast<float>(*number);
    return true;
}

bool ExchangeFloat(QLineEdit* edit, float* value, double low, double high, const char* what) {
    float number = 0.0f;
    if (!ExchangeFloat(edit, &number, what)) return false;
    if (number < low || number > high) {
        FailField(edit, EnterNumberBetween(low, high, what));
        return false;
    }
    *value = number;
    return true;
}

void ShowFloat(QLineEdit* edit, float value) { edit->setText(QString::fromStdString(FormatDialogFloat(value))); }

bool ExchangeText(QWidget* control, const QString& text, int maxChars, const char* what, std::string* out) {
    const std::string bytes = ToCp1252(text);
    if (FromCp1252(bytes) != text) {
        FailField(control, Format(CoreTr("Tilvex cannot store some of the characters in the %s.  Use only Western "
                                         "European letters, digits and signs.")
                                      .c_str(),
                                  CoreTr(what).c_str()));
        return false;
    }
    if (static_cast<int>(bytes.size()) > maxChars) {
        FailField(control, EnterNoMoreThan(maxChars));
        return false;
    }
    *out = bytes;
    return true;
}

QLabel* MakeLengthNote(QLineEdit* edit, QWidget* parent) {
    auto* note = new QLabel(Tr("Names hold at most %1 characters.").arg(edit->maxLength()), parent);
    note->setObjectName("nameLengthNote");
    note->setWordWrap(true);
    note->setVisible(false);
    QObject::connect(edit, &QLineEdit::textChanged, note,
                     [note, edit](const QString& text) { note->setVisible(text.size() >= edit->maxLength()); });
    return note;
}

QListWidgetItem* AddSortedRecord(QListWidget* list, const std::string& name, void* record) {
    int row = 0;
    while (row < list->count() && CompareNoCaseAZ(ToCp1252(list->item(row)->text()), name) <= 0) ++row;
    auto* item = new QListWidgetItem(FromCp1252(name));
    item->setData(kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(record)));
    list->insertItem(row, item);
    return item;
}

void* RecordOfItem(const QListWidgetItem* item) {
    return item ? reinterpret_cast<void*>(item->data(kRecordRole).value<quintptr>()) : nullptr;
}

int RowOfRecord(const QListWidget* list, const void* record) {
    for (int row = 0; row < list->count(); ++row)
        if (RecordOfItem(list->item(row)) == record) return row;
    return -1;
}

int FindExactRow(const QListWidget* list, const std::string& name) {
    for (int row = 0; row < list->count(); ++row)
        if (EqualNoCaseAZ(ToCp1252(list->item(row)->text()), name)) return row;
    return -1;
}

bool NameTakenByAnother(const QListWidget* list, const std::string& name, const void* current, bool adding) {
    for (int row = 0; row < list->count(); ++row)
        if (EqualNoCaseAZ(ToCp1252(list->item(row)->text()), name) &&
            (adding || RecordOfItem(list->item(row)) != current))
            return true;
    return false;
}

void SelectListRow(QListWidget* list, int row) {
    list->setCurrentRow(row);
    if (QListWidgetItem* item = list->item(row)) list->scrollToItem(item);
}

QPushButton* MakeEditorButton(const QString& text, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void FillSortedCombo(QComboBox* combo, std::vector<std::string> names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareNoCaseAZ(a, b) < 0; });
    combo->clear();
    for (const std::string& name : names) combo->addItem(FromCp1252(name));
    combo->setCurrentIndex(-1);
}

void SelectComboText(QComboBox* combo, const std::string& text) {
    combo->setCurrentIndex(text.empty() ? -1 : combo->findText(FromCp1252(text), Qt::MatchExactly));
}

std::string ComboText(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? std::string() : ToCp1252(combo->currentText());
}
