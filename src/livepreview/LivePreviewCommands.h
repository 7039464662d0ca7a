#pragma once

class QWidget;
struct FeatureContext;

// The View menu's "Live Preview" and "Line Numbers" check entries (a_livePreview,
// a_lineNumbers), both remembered in the settings directory. Returns the live-preview pane,
// for the main window to place to the right of the editor.
QWidget* registerLivePreviewCommands(const FeatureContext& context);
