#include "ui/framework/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <clocale>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Cp1252.h"
#include "core/framework/StringTable.h"
#include "core/framework/Translate.h"
#include "resources/ids.h"
#include "ui/printing/BidiText.h"

QString FromCp1252(const std::string& text) {
    const std::u32string codePoints = Cp1252TextToCodePoints(text);
    return QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size()));
}

std::string ToCp1252(const QString& text) {
    std::u32string codePoints;
    for (char32_t cp : text.toUcs4())
        codePoints.push_back(cp);
    return CodePointsToCp1252(codePoints);
}

std::string ToCp1252Text(const QString& text) {
    std::u32string codePoints;
    for (char32_t cp : text.toUcs4())
        codePoints.push_back(cp);
    return CodePointsToCp1252Text(codePoints);
}

QString Tr(const char* source) {
    return QCoreApplication::translate("Tilvex", source);
}

void ConnectCoreTranslator() {
    // The core's texts are Windows-1252; Qt's sources are UTF-8.  A text
    // without a translation stays the core's own.
    SetCoreTranslator([](const char* source) -> std::string {
        const QString original = FromCp1252(source);
        const QString translated = QCoreApplication::translate("Tilvex", original.toUtf8().constData());
        return translated == original ? std::string() : ToCp1252Text(translated);
    });
}

namespace {
QPointer<QWidget> s_messageOwner;
}  // namespace

void SetMessageBoxOwner(QWidget* owner) {
    s_messageOwner = owner;
}

void InstallQtMessageBoxes() {
    SetMessageBoxHandler([](const std::string& text, unsigned buttons, unsigned icon) {
        // Over the dialog that is up, else over the main window; never over
        // Qt's hidden helper window, which would leave the message behind
        // the main window when that appears.
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = s_messageOwner.data();
        if (!parent)
            parent = QApplication::activeWindow();
        QMessageBox box(parent);
        if (parent && !parent->window()->isVisible()) {
            // Start-up: the main window is still hidden (behind the splash).
            // The message belongs to it all the same, and stays on top.
            parent->window()->winId();
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
        }
        box.setWindowTitle(FromCp1252(LoadString(ids::IDR_MAINFRAME_TITLE)));
        // Messages carry record names as the user typed them.
        box.setTextFormat(Qt::PlainText);
        box.setText(KeepNumbersInOrder(FromCp1252(text)));
        switch (icon) {
            case MB_ICONSTOP:
                box.setIcon(QMessageBox::Critical);
                break;
            case MB_ICONQUESTION:
                box.setIcon(QMessageBox::Question);
                break;
            case MB_ICONEXCLAMATION:
                box.setIcon(QMessageBox::Warning);
                break;
            case MB_ICONINFORMATION:
                box.setIcon(QMessageBox::Information);
                break;
            default:
                break;
        }
        switch (buttons) {
            case MB_YESNOCANCEL:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
                break;
            case MB_YESNO:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
                break;
            case MB_OKCANCEL:
                box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
                break;
            default:
                box.setStandardButtons(QMessageBox::Ok);
                break;
        }
        if (const CButtonNames* names = CButtonNames::Current()) {
            if (QAbstractButton* yes = box.button(QMessageBox::Yes))
                yes->setText(FromCp1252(names->Yes()));
            if (QAbstractButton* no = box.button(QMessageBox::No))
                no->setText(FromCp1252(names->No()));
        }
        if (parent && !parent->window()->isVisible()) {
            // Centred on the screen, as the hidden window has no place yet.
            box.adjustSize();
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                box.move(screen->availableGeometry().center() - box.rect().center());
        }
        switch (box.exec()) {
            case QMessageBox::Yes:
                return IDYES;
            case QMessageBox::No:
                return IDNO;
            case QMessageBox::Cancel:
                return IDCANCEL;
            default:
                return IDOK;
        }
    });
}

void InitTilvexResources() {
    Q_INIT_RESOURCE(tilvex);
}

void UseCNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
}
