#include "editor/HighlightRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(int rgb)
{
    const auto channel = [](int c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) + 0.0722 * channel(rgb & 0xFF);
}

double contrast(int a, int b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lightest window background the dark looks are made for; darker ones only gain contrast.
constexpr int kLightestDarkWindow = 0x404040;

auto key(const StyleLook& l)
{
    return std::tuple(l.altFont, l.bold, l.italic, l.underline, l.strikeOut, l.background, l.foreground);
}

} // namespace

TEST(DarkPalette, EveryColourReadsAgainstItsBackground)
{
    for (int i = 0; i < kHighlightStyleCount; ++i) {
        const StyleLook& dark = styleLook(HighlightStyle(i), true);
        const std::string name = styleName(HighlightStyle(i)).toStdString();
        const int background = dark.background != kNoColour ? dark.background : kLightestDarkWindow;
        if (dark.foreground != kNoColour) EXPECT_GE(contrast(dark.foreground, background), 4.5) << name;
        // A style that has a background of its own (a matched brace) still stands out from the window.
        if (dark.background != kNoColour) {
            EXPECT_NE(dark.background, styleLook(HighlightStyle(i)).background) << name;
            EXPECT_LT(luminance(dark.background), 0.1) << name;
        }
    }
}

TEST(DarkPalette, StylesThatDifferInLightDifferInDark)
{
    std::set<decltype(key(StyleLook()))> light, dark;
    for (int i = 0; i < kHighlightStyleCount; ++i) {
        light.insert(key(styleLook(HighlightStyle(i))));
        dark.insert(key(styleLook(HighlightStyle(i), true)));
        // Only the colours change.
        const StyleLook& l = styleLook(HighlightStyle(i));
        const StyleLook& d = styleLook(HighlightStyle(i), true);
        EXPECT_EQ(std::tuple(l.altFont, l.bold, l.italic), std::tuple(d.altFont, d.bold, d.italic));
        EXPECT_EQ(l.foreground == kNoColour, d.foreground == kNoColour);
    }
    EXPECT_EQ(light.size(), dark.size());
}
