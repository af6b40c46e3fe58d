// The keys that remove a pane's highlighted entry from the workspace.
#pragma once

#include <QKeyEvent>

// Delete, or Ctrl+X.
inline bool IsRemoveKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Delete ||
           (key->key() == Qt::Key_X && (key->modifiers() & Qt::ControlModifier));
}
