#pragma once

// Whether the program's standard error is a terminal, where a progress line may be drawn.
bool standardErrorIsTerminal();
