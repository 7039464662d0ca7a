#pragma once

#include <QString>
#include <functional>

class LinkCommands;
class NavigatorPanel;
class QWidget;
struct FeatureContext;

// The navigator's commands: its file operations, the link and asset commands, and the document
// in other programs. The context menus of the file and directory lists are built here too.
void registerNavigatorCommands(const FeatureContext& context, NavigatorPanel& navigator, LinkCommands& links,
    std::function<QString()> shownFileName);
