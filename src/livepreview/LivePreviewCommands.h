#pragma once

#include <functional>

class QWidget;
struct FeatureContext;

// The View menu's "Live Preview" check entry (a_livePreview), on at start when `shown`;
// `remember` keeps each new state for the next run. Returns the live-preview pane, for the main
// window to place to the right of the editor.
QWidget* registerLivePreviewCommands(
    const FeatureContext& context, bool shown, const std::function<void(bool)>& remember);
