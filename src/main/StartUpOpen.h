#pragma once

#include <QStringList>

class MainWindow;

// What the main window shows once it is first on screen: the command line's file, else the
// brief-help page in the "Preview" tab, else the empty "HTML" tab. It comes after the window
// itself is up, so that a question about the file (a NUL byte) appears over it rather than
// alone.
void openAtFirstShow(MainWindow& window, const QStringList& arguments);
