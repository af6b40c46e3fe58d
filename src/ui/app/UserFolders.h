// Where file dialogs start: the user's documents, never the program's own
// data folder (its working folder, hidden, which the program rewrites).
#pragma once

#include <QString>

// The Documents folder, or the home folder where there is none.
QString DocumentsFolder();
// What a file dialog offers for `name`: a bare file name, or a file of the
// program's data folder, by that name inside the documents folder; a path
// into any other folder stays as it is.
QString InDocumentsFolder(const QString& name);
