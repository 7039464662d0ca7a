#pragma once

struct FeatureContext;

// Reload on an outside change and the recovery copies of unsaved changes. Neither has a command
// of its own: both follow the document through the context's signals and the main window.
void registerDocWatch(const FeatureContext& context);
