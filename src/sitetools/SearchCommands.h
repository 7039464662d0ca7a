#pragma once

struct FeatureContext;

// Registers "a_createSearch" ("Create &Search ..."): opens the search engine generator,
// maximised; the command is disabled while the window is open.
void registerSearchCommands(const FeatureContext& context);
