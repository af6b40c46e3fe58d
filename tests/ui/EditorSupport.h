// Helpers for driving the editor dialogs as a user would: typing into a
// field, picking an entry, and acting on a modal dialog once it is up.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// Replaces the text of a field with `text`, as typed (with Ctrl+A first).
inline void TypeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
}

template <class T>
T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

inline void Click(QWidget* parent, const char* name) {
    QAbstractButton* button = Child<QAbstractButton>(parent, name);
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    // A check box or radio button takes the click on its indicator, at its
    // left; a push button anywhere.
    const QPoint at = button->isCheckable() && !qobject_cast<QPushButton*>(button)
                          ? QPoint(8, button->height() / 2)
                          : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// A list's rows as the user sees them.
inline int ListCount(const QAbstractItemView* list) {
    return list->model()->rowCount();
}
inline QString ListText(const QAbstractItemView* list, int row) {
    return list->model()->index(row, 0).data().toString();
}
inline int CurrentRow(const QAbstractItemView* list) {
    return list->currentIndex().row();
}
inline QString CurrentText(const QAbstractItemView* list) {
    return list->currentIndex().data().toString();
}

// Clicks the list entry with this text.
inline void PickEntry(QAbstractItemView* list, const QString& text) {
    QAbstractItemModel* model = list->model();
    const auto found = model->match(model->index(0, 0), Qt::DisplayRole, text, -1, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->scrollTo(found[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(found[0]).center());
}

// Chooses a combo box entry as the user would (it reports the choice).
inline void PickCombo(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Runs `act` on the next modal dialog of type T once it is up; `act` must
// end that dialog.
template <class T>
void WhenModal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}
