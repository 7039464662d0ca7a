#pragma once

#include "platform/WidgetHelpers.h"
#include "shared/CommandRegistry.h"

#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

// A command that opens its window once: while the window is open, the commands named stay
// disabled and a second request brings the open one to the front.
template <class W>
std::function<void()> windowOpener(CommandRegistry* commands, QStringList names, std::function<W*()> make,
    ShowAs how = ShowAs::Normal)
{
    auto open = std::make_shared<QPointer<W>>();
    return [commands, names, make, how, open] {
        if (!*open) {
            *open = make();
            commands->disableWhileOpen(names, *open);
        }
        bringToFront(*open, how);
    };
}
