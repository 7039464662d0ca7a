#pragma once

struct FeatureContext;

// Registers the code wizards' commands: the Wizards menu, "St&yle Sheets" of the Tools menu, and
// the table, list and font dialogues of the editor's right-click menus and button bars. Each
// opens its window once; its entries stay disabled while the window is open.
void registerWizardCommands(const FeatureContext& context);
