#include "ui/framework/DialogExchange.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <algorithm>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DataExchange.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "ui/framework/QtText.h"

void FailField(QWidget* control, const std::string& message) {
    AppMessageBox(message, MB_OK, MB_ICONEXCLAMATION);
    if (control)
        control->setFocus(Qt::OtherFocusReason);
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
    if (!ExchangeFloat(edit, &number, what))
        return false;
    if (number < low || number > high) {
        FailField(edit, EnterNumberBetween(low, high, what));
        return false;
    }
    *value = number;
    return true;
}

void ShowFloat(QLineEdit* edit, float value) {
    edit->setText(QString::fromStdString(FormatDialogFloat(value)));
}

bool ExchangeText(QWidget* control, const QString& text, int maxChars, const char* what, std::string* out) {
    const std::string bytes = ToCp1252(text);
    if (FromCp1252(bytes) != text) {
        FailField(control,
                  Format(CoreTr("Tilvex cannot store some of the characters in the %s.  Use only Western "
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
    QObject::connect(edit, &QLineEdit::textChanged, note, [note, edit](const QString& text) {
        note->setVisible(text.size() >= edit->maxLength());
    });
    return note;
}

CRecordListModel::CRecordListModel(NameOf nameOf, QObject* parent)
    : QAbstractListModel(parent), m_nameOf(nameOf) {}

void CRecordListModel::SetRecords(std::vector<void*> records) {
    std::stable_sort(records.begin(), records.end(), [this](const void* a, const void* b) {
        return CompareNoCaseAZ(m_nameOf(a), m_nameOf(b)) < 0;
    });
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

std::size_t CRecordListModel::UpperBound(std::string_view name) const {
    return static_cast<std::size_t>(std::upper_bound(m_records.begin(), m_records.end(), name,
                                                     [this](std::string_view n, const void* r) {
                                                         return CompareNoCaseAZ(n, m_nameOf(r)) < 0;
                                                     }) -
                                    m_records.begin());
}

std::pair<std::size_t, std::size_t> CRecordListModel::EqualRange(std::string_view name) const {
    const auto first = std::lower_bound(
        m_records.begin(), m_records.end(), name,
        [this](const void* r, std::string_view n) { return CompareNoCaseAZ(m_nameOf(r), n) < 0; });
    return {static_cast<std::size_t>(first - m_records.begin()), UpperBound(name)};
}

int CRecordListModel::Insert(void* record) {
    const std::size_t row = UpperBound(m_nameOf(record));
    beginInsertRows(QModelIndex(), static_cast<int>(row), static_cast<int>(row));
    m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(row), record);
    endInsertRows();
    return static_cast<int>(row);
}

void CRecordListModel::Remove(int row) {
    if (row < 0 || row >= Count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_records.erase(m_records.begin() + row);
    endRemoveRows();
}

int CRecordListModel::Reposition(int row) {
    if (row < 0 || row >= Count())
        return -1;
    void* record = m_records[static_cast<std::size_t>(row)];
    const std::string& name = m_nameOf(record);
    // Where the name sorts among the other records.
    const bool before =
        row > 0 && CompareNoCaseAZ(name, m_nameOf(m_records[static_cast<std::size_t>(row) - 1])) < 0;
    std::size_t to = static_cast<std::size_t>(row);
    if (before) {
        to = static_cast<std::size_t>(std::upper_bound(m_records.begin(), m_records.begin() + row, name,
                                                       [this](std::string_view n, const void* r) {
                                                           return CompareNoCaseAZ(n, m_nameOf(r)) < 0;
                                                       }) -
                                      m_records.begin());
    } else {
        to = static_cast<std::size_t>(std::upper_bound(m_records.begin() + row + 1, m_records.end(), name,
                                                       [this](std::string_view n, const void* r) {
                                                           return CompareNoCaseAZ(n, m_nameOf(r)) < 0;
                                                       }) -
                                      m_records.begin());
    }
    const auto from = static_cast<std::size_t>(row);
    if (to == from || to == from + 1) {
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed);
        return row;
    }
    // Qt's destination is the row before which the record goes, counted
    // before the move.
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), static_cast<int>(to));
    if (to < from)
        std::rotate(m_records.begin() + static_cast<std::ptrdiff_t>(to), m_records.begin() + row,
                    m_records.begin() + row + 1);
    else
        std::rotate(m_records.begin() + row, m_records.begin() + row + 1,
                    m_records.begin() + static_cast<std::ptrdiff_t>(to));
    endMoveRows();
    const int now = static_cast<int>(to < from ? to : to - 1);
    const QModelIndex changed = index(now);
    emit dataChanged(changed, changed);
    return now;
}

void* CRecordListModel::RecordAt(int row) const {
    return row >= 0 && row < Count() ? m_records[static_cast<std::size_t>(row)] : nullptr;
}

int CRecordListModel::RowOf(const void* record) const {
    if (!record)
        return -1;
    // Among the records of its name, else (a name changed since) anywhere.
    const auto [first, last] = EqualRange(m_nameOf(record));
    for (std::size_t row = first; row < last; ++row)
        if (m_records[row] == record)
            return static_cast<int>(row);
    const auto it = std::find(m_records.begin(), m_records.end(), record);
    return it == m_records.end() ? -1 : static_cast<int>(it - m_records.begin());
}

bool CRecordListModel::NameTakenByAnother(const std::string& name, const void* current, bool adding) const {
    const auto [first, last] = EqualRange(name);
    for (std::size_t row = first; row < last; ++row)
        if (adding || m_records[row] != current)
            return true;
    return false;
}

int CRecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant CRecordListModel::data(const QModelIndex& index, int role) const {
    const void* record = index.isValid() ? RecordAt(index.row()) : nullptr;
    if (!record || role != Qt::DisplayRole)
        return QVariant();
    return FromCp1252(m_nameOf(record));
}

Qt::ItemFlags CRecordListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

QListView* MakeRecordList(CRecordListModel* model, const char* objectName, const QString& accessibleName,
                          QWidget* parent) {
    auto* list = new QListView(parent);
    list->setObjectName(objectName);
    list->setAccessibleName(accessibleName);
    list->setModel(model);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line high: the view need not measure a million rows.
    list->setUniformItemSizes(true);
    return list;
}

int SelectedRow(const QListView* list) {
    const QModelIndex current = list->currentIndex();
    return current.isValid() && list->selectionModel()->isSelected(current) ? current.row() : -1;
}

void SelectListRow(QListView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid())
        list->scrollTo(index);
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
    for (const std::string& name : names)
        combo->addItem(FromCp1252(name));
    combo->setCurrentIndex(-1);
}

void SelectComboText(QComboBox* combo, const std::string& text) {
    combo->setCurrentIndex(text.empty() ? -1 : combo->findText(FromCp1252(text), Qt::MatchExactly));
}

std::string ComboText(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? std::string() : ToCp1252(combo->currentText());
}
