// Numbers in right-to-left text.
#pragma once

#include <QString>
#include <Qt>

// A number shown in a right-to-left language keeps its left-to-right order
// with what belongs to it: "39.74°N", "-12.5°", "14:23".  Without help the
// Unicode bidirectional rules would put a degree sign or a compass letter on
// the number's other side ("°39.74").  Each such run is wrapped in left-to-
// right marks, which show as nothing; under a left-to-right direction the
// text is returned as it is.  Only for text that is shown, never stored.
QString KeepNumbersInOrder(const QString& text, Qt::LayoutDirection direction);
// The same, in the application's direction.
QString KeepNumbersInOrder(const QString& text);
