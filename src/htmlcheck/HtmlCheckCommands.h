#pragma once

class QWidget;
struct FeatureContext;

// Tools > "Check HTML" (a_checkHtml). Returns the panel of problems, for the main window to
// place under the editor.
QWidget* registerHtmlCheckCommands(const FeatureContext& context);
