#include "platform/Terminal.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

bool standardErrorIsTerminal() { return isatty(2) != 0; }
