#pragma once

#include <functional>

class Prompter;

// Runs one user command. A FileError thrown inside is shown with its message and the command
// stops there; anything else propagates. Returns false when the command stopped on an error.
bool runCommand(Prompter& prompter, const std::function<void()>& command);
