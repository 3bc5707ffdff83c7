#pragma once
// Whether a standard stream is a terminal (a progress bar is drawn only there).

#include <cstdio>

bool IsTerminal(std::FILE* stream);
