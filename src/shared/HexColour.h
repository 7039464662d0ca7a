#pragma once

#include <QString>

class Prompter;
class QColor;

// Shows the colour dialog and returns the colour as six upper-case hex digits, red, green, blue;
// "000000" when cancelled. The dialog starts from the last colour chosen in this run.
QString hexcolor(Prompter& prompter);

// "FF0000" for pure red.
QString hexColourText(const QColor& colour);

// Forgets the last colour (black again), for a fresh start.
void resetHexColour();
