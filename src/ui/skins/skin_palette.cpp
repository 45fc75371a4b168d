#include "ui/skins/skin_palette.h"

#include <algorithm>
#include <cmath>

namespace orvane::ui {
namespace {

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) +
           0.0722 * channel(rgb.blue());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    auto lerp = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(lerp(from.red(), to.red()), lerp(from.green(), to.green()),
                  lerp(from.blue(), to.blue()));
}

// Dark skins need their bevels lifted, light ones pressed; Fusion draws frames and
// shadows from these roles.
bool isDark(const QColor& c) {
    return luminance(c) < 0.18;
}

// Links sit on fields: the title colour when it reads there, else the selection colour,
// else plain text.
QColor linkColour(const SkinColours& s) {
    for (const QRgb candidate : {s.title, s.highlight})
        if (ContrastRatio(QColor(candidate), QColor(s.base)) >= 4.5)
            return QColor(candidate);
    return QColor(s.text);
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FadeTowards(const QColor& foreground, const QColor& background, double minimum) {
    if (ContrastRatio(foreground, background) < minimum)
        return foreground;
    // Contrast falls steadily along the blend, so the last step that still passes wins.
    QColor best = foreground;
    for (int step = 1; step <= 100; ++step) {
        const QColor candidate = mix(foreground, background, step / 100.0);
        if (ContrastRatio(candidate, background) < minimum)
            break;
        best = candidate;
    }
    return best;
}

QPalette SkinPalette(const SkinColours& s) {
    const QColor window(s.window), windowText(s.windowText), base(s.base), text(s.text),
        button(s.button), buttonText(s.buttonText), highlight(s.highlight),
        highlightedText(s.highlightedText);
    const bool dark = isDark(window);

    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, windowText);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, mix(base, window, 0.5));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, buttonText);
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(group, QPalette::HighlightedText, highlightedText);
        p.setColor(group, QPalette::ToolTipBase, QColor(s.toolTipBase));
        p.setColor(group, QPalette::ToolTipText, QColor(s.toolTipText));
        p.setColor(group, QPalette::Link, linkColour(s));
        p.setColor(group, QPalette::LinkVisited, linkColour(s));
        p.setColor(group, QPalette::BrightText, dark ? QColor(0xff8a80) : QColor(0xb00020));
        p.setColor(group, QPalette::Light, dark ? button.lighter(145) : button.lighter(125));
        p.setColor(group, QPalette::Midlight, dark ? button.lighter(120) : button.lighter(110));
        p.setColor(group, QPalette::Mid, dark ? button.lighter(90) : button.darker(125));
        p.setColor(group, QPalette::Dark, dark ? button.darker(160) : button.darker(160));
        p.setColor(group, QPalette::Shadow, dark ? QColor(0, 0, 0) : button.darker(250));
        p.setColor(group, QPalette::PlaceholderText, FadeTowards(text, base, 3.2));
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, FadeTowards(windowText, window, 3.2));
    p.setColor(QPalette::Disabled, QPalette::Text, FadeTowards(text, base, 3.2));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, FadeTowards(buttonText, button, 3.2));
    // A selection in a disabled list is quieter, as far as its text still reads.
    QColor quietSelection = highlight;
    for (int step = 1; step <= 45; ++step) {
        const QColor candidate = mix(highlight, window, step / 100.0);
        if (ContrastRatio(highlightedText, candidate) < 3.2)
            break;
        quietSelection = candidate;
    }
    p.setColor(QPalette::Disabled, QPalette::Highlight, quietSelection);
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, highlightedText);
    return p;
}

}  // namespace orvane::ui
