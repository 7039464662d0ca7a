#include "editor/CodeEditor.h"
