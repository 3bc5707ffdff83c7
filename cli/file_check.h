#pragma once
// The files of a command checked before any controller is searched: a script learns of a wrong
// path or a wrong file at once, with exit code 4 and without waiting for a port scan.

#include "cli/cli_options.h"

#include <QString>

// "FILE: why" for the first file the command cannot use; empty when each is usable as far as
// the file alone tells.
QString FileProblem(const CliRequest& request);
