#pragma once

class MainWindow;

// The main window's own commands: file, edit, find, colour, sort, help and spelling.
void registerMainCommands(MainWindow& window);
