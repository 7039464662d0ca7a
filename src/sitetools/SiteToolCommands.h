#pragma once

struct FeatureContext;

// Registers the site tools' commands: "a_findBrokenLinks", "a_findOrphans" and "a_findAltText".
// Each opens its window, one at a time, owned by the context's window.
void registerSiteToolCommands(const FeatureContext& context);
