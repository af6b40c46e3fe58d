#include "ui/app/Appearance.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace {

// Fusion, with a checked radio button's dot drawn solid in the text colour
// and large enough to see at a glance on any palette (Fusion's own is a
// small half-transparent grey).
class ReadableStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_IndicatorRadioButton || !(option->state & State_On))
            return;
        const QRectF circle = QRectF(option->rect).adjusted(1, 1, -1, -1);
        const double radius = std::min(circle.width(), circle.height()) * 0.3;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        const bool enabled = option->state & State_Enabled;
        painter->setBrush(
            option->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        painter->drawEllipse(circle.center(), radius, radius);
        painter->restore();
    }
};

}  // namespace

QPalette DarkPalette() {
    // The window is dark enough that the satellite grid's teal background
    // stands out from it three to one, as a control's edge should.
    const QColor window(0x22, 0x23, 0x26), base(0x1a, 0x1b, 0x1e), text(0xe6, 0xe6, 0xe6);
    const QColor disabled(0x80, 0x80, 0x80), highlight(0x2f, 0x6f, 0xc0);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x35, 0x37, 0x3c));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    p.setColor(QPalette::Light, QColor(0x4a, 0x4d, 0x53));
    p.setColor(QPalette::Midlight, QColor(0x3e, 0x41, 0x46));
    p.setColor(QPalette::Mid, QColor(0x25, 0x26, 0x2a));
    p.setColor(QPalette::Dark, QColor(0x19, 0x1a, 0x1d));
    p.setColor(QPalette::Shadow, QColor(0x0c, 0x0c, 0x0e));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xff));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xf0));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x45, 0x48, 0x4e));
    return p;
}

QStyle* ReadableFusionStyle() {
    return new ReadableStyle(QStyleFactory::create("Fusion"));
}

bool ApplyNamedPalette(const QString& name) {
    const QString wanted = name.trimmed().toLower();
    if (wanted != "dark" && wanted != "light")
        return false;
    // Fusion draws every part from the palette, so the colours hold everywhere.
    QApplication::setStyle(ReadableFusionStyle());
    QApplication::setPalette(wanted == "dark" ? DarkPalette() : QApplication::style()->standardPalette());
    return true;
}
