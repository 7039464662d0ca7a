#include "shared/HexColour.h"

#include "platform/Prompter.h"

#include <QColor>

namespace {
// The main window's colour dialog lives for the whole run and keeps its colour.
QColor& lastColour()
{
    static QColor colour(Qt::black);
    return colour;
}
} // namespace

QString hexColourText(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return QStringLiteral("%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString hexcolor(Prompter& prompter)
{
    const std::optional<QColor> chosen = prompter.chooseColor(lastColour());
    if (!chosen || !chosen->isValid()) return QStringLiteral("000000");
    lastColour() = *chosen;
    return hexColourText(*chosen);
}

void resetHexColour() { lastColour() = QColor(Qt::black); }
