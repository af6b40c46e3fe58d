#include "ui/printing/BidiText.h"

#include <QGuiApplication>
#include <QRegularExpression>

QString KeepNumbersInOrder(const QString& text, Qt::LayoutDirection direction) {
    if (direction != Qt::RightToLeft)
        return text;
    // A sign, digits with decimal points, colons or commas, then a degree or
    // percent sign and a compass letter, each if present.
    static const QRegularExpression number(
        QString::fromUtf8("[-+\u2212]?\\d+(?:[.:,]\\d+)*(?:[\u00B0%](?:[NSEW](?![A-Za-z]))?)?"));
    static const QChar mark(0x200E);
    QString out;
    qsizetype from = 0;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(text).mid(from, match.capturedStart() - from);
        out += mark;
        out += match.capturedView();
        out += mark;
        from = match.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}

QString KeepNumbersInOrder(const QString& text) {
    return KeepNumbersInOrder(text, QGuiApplication::layoutDirection());
}
