#include "framework/QtText.h"

#include <QApplication>
#include <clocale>
#include <QMessageBox>

#include "framework/AppMessageBox.h"
#include "framework/Cp1252.h"
#include "framework/StringTable.h"
#include "resources/ids.h"

QString FromCp1252(const std::string& text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) out.append(QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(c)))));
    return out;
}

std::string ToCp1252(const QString& text) {
    std::u32string codePoints;
    for (char32_t cp : text.toUcs4()) codePoints.push_back(cp);
    return CodePointsToCp1252(codePoints);
}

void InstallQtMessageBoxes() {
    SetMessageBoxHandler([](const std::string& text, unsigned buttons, unsigned icon) {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(FromCp1252(LoadString(ids::IDR_MAINFRAME_TITLE)));
        box.setText(FromCp1252(text));
        switch (icon) {
            case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
            case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
            case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
            case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
            default: break;
        }
        switch (buttons) {
            case MB_YESNOCANCEL:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
                break;
            case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
            case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
            default: box.setStandardButtons(QMessageBox::Ok); break;
        }
        switch (box.exec()) {
            case QMessageBox::Yes: return IDYES;
            case QMessageBox::No: return IDNO;
            case QMessageBox::Cancel: return IDCANCEL;
            default: return IDOK;
        }
    });
}

void InitTilvexResources() { Q_INIT_RESOURCE(tilvex); }

void UseCNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }
