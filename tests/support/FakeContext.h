#pragma once

#include "shared/FeatureContext.h"
#include "support/FakeBrowserView.h"

// The context a feature's tests give it: the fakes they own, and a fake browser for every
// window that asks for one.
inline FeatureContext fakeContext(QWidget* window, CodeEditor* editor, Prompter* prompter, Shell* shell,
    CommandRegistry* commands, WizardState* wizard)
{
    FeatureContext context;
    context.window = window;
    context.editor = editor;
    context.prompter = prompter;
    context.shell = shell;
    context.commands = commands;
    context.wizard = wizard;
    context.makeBrowser = [](QWidget* parent) { return new FakeBrowserView(parent); };
    return context;
}
