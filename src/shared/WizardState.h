#pragma once

#include "editor/TagInsertion.h"

#include <QString>

// What the wizards share for the whole run: the name of the last function a wizard or the
// JavaScript "Function" command defined. Links that call "the wizard function" use it.
struct WizardState {
    QString functionName = kInitialFunctionName;
};
