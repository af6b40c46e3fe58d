// The dark palette keeps every part readable: the satellite grid's teal
// stands out from the window, and a chosen radio button shows its choice.
#include <gtest/gtest.h>

#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>
#include <memory>

#include "ui/app/Appearance.h"
#include "ui/display/ArcGrid.h"

namespace {

// The contrast ratio of two colours (1 to 21) from their relative luminance.
double Contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST(AppearanceTest, GridTealStandsOutFromTheDarkWindow) {
    const QPalette dark = DarkPalette();
    EXPECT_GE(Contrast(QColor(CArcGrid::kBackColor), dark.color(QPalette::Window)), 3.0);
    EXPECT_GE(Contrast(dark.color(QPalette::Text), dark.color(QPalette::Base)), 7.0);
}

TEST(AppearanceTest, ChosenRadioButtonShowsADotAsClearAsText) {
    std::unique_ptr<QStyle> style(ReadableFusionStyle());
    const QPalette dark = DarkPalette();
    // The pixels of the button's indicator that stand out from the field
    // behind them as text does (7 to 1).
    auto clearPixels = [&](bool checked) {
        QRadioButton button("True");
        button.setStyle(style.get());
        button.setPalette(dark);
        button.setChecked(checked);
        button.resize(button.sizeHint());
        QStyleOptionButton option;
        option.initFrom(&button);
        const QRect indicator = style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button);
        const QImage image = button.grab().toImage();
        const double ratio = image.width() / double(button.width());
        int clear = 0;
        for (int y = 0; y < indicator.height() * ratio; ++y)
            for (int x = 0; x < indicator.width() * ratio; ++x) {
                const QColor pixel =
                    image.pixelColor(int(indicator.x() * ratio) + x, int(indicator.y() * ratio) + y);
                if (Contrast(pixel, dark.color(QPalette::Base)) >= 7.0)
                    ++clear;
            }
        return clear;
    };
    EXPECT_EQ(clearPixels(false), 0);
    EXPECT_GE(clearPixels(true), 15);
}
