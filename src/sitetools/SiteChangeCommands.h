#pragma once

struct FeatureContext;

// The site changes: rename and move with links (offered by the file lists through the
// context's site file actions), "Undo Last Site Change" and "Find in Site ...".
void registerSiteChangeCommands(const FeatureContext& context);
