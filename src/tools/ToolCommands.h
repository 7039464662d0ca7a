#pragma once

struct FeatureContext;

// Registers the tools' commands: "a_jotter", "a_makeViewable", "a_convertToText",
// "a_functionNavigator", "a_jsReference" and "a_lookUpWordAtCaret" (F4 in the editor: the
// reference article of the word at the caret). Each tool window is open once at a time; its
// command is disabled while it is open.
void registerToolCommands(const FeatureContext& context);
