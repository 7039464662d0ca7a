#include "platform/CommandBoundary.h"

#include "platform/FileError.h"
#include "platform/Prompter.h"

bool runCommand(Prompter& prompter, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const FileError& error) {
        prompter.message(error.message(), Prompter::Icon::Error, Prompter::Ok);
        return false;
    }
}
