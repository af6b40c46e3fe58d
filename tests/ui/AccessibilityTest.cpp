// What a screen reader and a keyboard user meet: the main window's controls
// have names, and each dialog has a tab order and mnemonics of its own; and
// the grid's texts on a dark palette.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

#include "UiSupport.h"
#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"
#include "ui/app/AboutDlg.h"
#include "ui/app/Appearance.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/GridOptionsDlg.h"
#include "ui/locations/LocationEditorDlg.h"
#include "ui/printing/PrintOptionsDlg.h"
#include "ui/satellites/SatelliteDetailsDlg.h"
#include "ui/satellites/SatelliteEditorDlg.h"
#include "ui/satellites/SunOutageDlg.h"

namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The letter after a single '&', lower case; none for "&&" or no '&'.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Every mnemonic of the dialog's own texts: buttons, labels, group titles.
std::multimap<QChar, QString> Mnemonics(QWidget* dialog) {
    std::multimap<QChar, QString> found;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            text = group->title();
        if (const QChar letter = Mnemonic(text); !letter.isNull())
            found.emplace(letter, text);
    }
    return found;
}

// A control's name in the tab chain: its object name, else its text.
QString ChainName(QWidget* w) {
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().remove('&');
    return w->metaObject()->className();
}

// The controls that Tab visits, in order, from the dialog itself.
std::string TabChain(QWidget* dialog) {
    QStringList chain;
    for (QWidget* w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain())
        // An editable combo box's or a spin box's line edit stands for the
        // box itself.
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dialog) && dialog->isAncestorOf(w) &&
            !qobject_cast<QComboBox*>(w->parentWidget()) &&
            !qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            chain << ChainName(w);
    return chain.join(", ").toStdString();
}

void ExpectUniqueMnemonics(QWidget* dialog) {
    const auto found = Mnemonics(dialog);
    EXPECT_FALSE(found.empty()) << dialog->objectName().toStdString();
    for (auto it = found.begin(); it != found.end(); ++it) {
        const auto next = std::next(it);
        if (next != found.end() && next->first == it->first)
            ADD_FAILURE() << dialog->objectName().toStdString() << ": \"" << it->second.toStdString()
                          << "\" and \"" << next->second.toStdString() << "\" share a mnemonic";
    }
}

// Every input a mnemonic or Tab reaches is named for a screen reader.
void ExpectNamedInputs(QWidget* dialog) {
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                           qobject_cast<QAbstractButton*>(w);
        if (!input || !w->isVisibleTo(dialog) || qobject_cast<QLineEdit*>(w->parentWidget()))
            continue;
        if (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;  // the box's own parts
        if (qobject_cast<QHeaderView*>(w))
            continue;  // a list's headings, read with the list
        EXPECT_FALSE(AccessibleName(w).trimmed().isEmpty())
            << dialog->objectName().toStdString() << ": " << ChainName(w).toStdString() << " has no name";
    }
}

}  // namespace

using AccessibilityTest = ProgramFixture;

TEST_F(AccessibilityTest, MainWindowControlsAndPanesHaveNames) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    const std::map<QString, QString> expected = {
        {"locationPane", "Location Pane"},
        {"currentLocation", "Calculate Look Angles For:"},
        {"locationList", "Locations"},
        {"satellitePane", "Satellite List Pane"},
        {"arcGrid", "Satellite Grid"},
        {"satelliteInfoPane", "Satellite Info Pane"},
        {"detailedReport", "Detailed Report..."},
        {"gridOptionsButton", "Grid Options..."},
        {"lookAngleView", "Look Angles"},
    };
    for (const auto& [object, name] : expected) {
        auto* w = frame->findChild<QWidget*>(object);
        ASSERT_NE(w, nullptr) << object.toStdString();
        EXPECT_EQ(AccessibleName(w), name) << object.toStdString();
    }
    auto* tabs = frame->findChild<QTabBar*>("databaseTab");
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->accessibleTabName(0), "Satellite Database");
    EXPECT_EQ(tabs->accessibleTabName(1), "Location Database");

    // Nothing a person can click or type into is left without a name.
    for (QWidget* w : frame->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTabBar*>(w);
        if (control) {
            EXPECT_FALSE(AccessibleName(w).trimmed().isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    }
    // The main controls explain themselves in What's This mode.
    for (const char* object : {"currentLocation", "locationList", "arcGrid", "gridOptionsButton",
                               "bandFilter", "azimuthKind", "satelliteInfoPane", "detailedReport"}) {
        auto* w = frame->findChild<QWidget*>(object);
        ASSERT_NE(w, nullptr) << object;
        EXPECT_FALSE(w->whatsThis().isEmpty()) << object;
    }
}

TEST_F(AccessibilityTest, EveryDialogHasItsTabOrderAndUniqueMnemonics) {
    struct Case {
        std::function<std::unique_ptr<QDialog>()> make;
        QStringList chain;
    };
    const Case cases[] = {
        {[] { return std::make_unique<CGridOptionsDlg>(0); },
         {"ku", "c", "dbs", "bySlot", "byName", "magnetic", "true", "showSlot", "OK", "Cancel"}},
        {[] { return std::make_unique<CPrintOptionsDlg>(nullptr); },
         {"scopeCurrentLocation", "scopeAllLocations", "fontFace", "fontSize", "OK", "Cancel"}},
        {[] { return std::make_unique<CSatelliteEditorDlg>(); },
         {"satelliteName", "satelliteList", "ku", "c", "dbs", "slot", "east", "west", "region", "comments",
          "addSatellite", "save", "delete", "close"}},
        {[] { return std::make_unique<CLocationEditorDlg>(); },
         {"locationName",  "locationList",  "latitude",      "north",         "south",
          "longitude",     "longitudeWest", "longitudeEast", "autoVariation", "variation",
          "variationWest", "variationEast", "region",        "findPlace",     "locator",
          "horizon",       "addLocation",   "save",          "delete",        "close"}},
        {[] { return std::make_unique<CSatelliteDetailsDlg>(); },
         {"aimOffset", "printAimingSheet", "ok", "editData", "sunOutagesButton"}},
        {[] {
             static CSatellite satellite;
             static CLocation location;
             return std::make_unique<CSunOutageDlg>(satellite, location);
         },
         {"sunOutageDish", "sunOutageFrequency", "sunOutageYear", "sunOutageUtcOffset", "sunOutageList",
          "Close"}},
        {[] { return std::make_unique<CAboutDlg>(); }, {"visitWebSite", "OK"}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QDialog> dialog = c.make();
        SCOPED_TRACE(dialog->objectName().toStdString());
        EXPECT_EQ(TabChain(dialog.get()), c.chain.join(", ").toStdString());
        ExpectUniqueMnemonics(dialog.get());
        ExpectNamedInputs(dialog.get());
    }
}

// On a dark palette the grid's texts take the palette's light text colour
// (a fixed black would vanish on the dark row background).
TEST_F(AccessibilityTest, GridTextsFollowADarkPalette) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    auto* grid = frame->findChild<CArcGrid*>("arcGrid");
    ASSERT_NE(grid, nullptr);
    ASSERT_GT(grid->count(), 1);
    QPalette dark = DarkPalette();
    dark.setColor(QPalette::Base, grid->palette().color(QPalette::Base));
    grid->setPalette(dark);

    // Counts the row's pixels close to a colour.
    const auto paintRow = [grid](bool selected) {
        const QModelIndex index = grid->model()->index(0, 0);
        QStyleOptionViewItem option;
        option.initFrom(grid->viewport());
        option.state =
            selected ? (option.state | QStyle::State_Selected) : (option.state & ~QStyle::State_Selected);
        option.rect = QRect(QPoint(0, 0), grid->itemDelegate()->sizeHint(option, index));
        QImage image(option.rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        grid->itemDelegate()->paint(&painter, option, index);
        return image;
    };
    const auto count = [](const QImage& image, const QColor& colour) {
        int n = 0;
        for (int y = 1; y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                        std::abs(c.blue() - colour.blue()) <
                    60)
                    ++n;
            }
        return n;
    };
    const QImage plain = paintRow(false);
    EXPECT_GT(count(plain, dark.color(QPalette::ButtonText)), 20);
    EXPECT_EQ(count(plain, Qt::black), 0);
    const QImage selected = paintRow(true);
    EXPECT_GT(count(selected, dark.color(QPalette::HighlightedText)), 20);
}
