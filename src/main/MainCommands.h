#pragma once

class MainWindow;
class QWidget;
struct FeatureContext;

// The main window's own commands: file, edit, find, colour, sort, help and spelling.
void registerMainCommands(MainWindow& window);
// The View menu's check entries remembered between runs: the live preview (whose pane it
// returns, for the window to place) and the line numbers.
QWidget* registerViewOptionCommands(MainWindow& window, const FeatureContext& context);
