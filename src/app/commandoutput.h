// SPDX-License-Identifier: MIT
#pragma once

#include "app/commandline.h"

#include <cstdio>

// Prints what a finished command line says, the texts encoded as the arguments were, and returns its exit
// code. Standard output that cannot take the text (a full disk, a closed descriptor, a file-size limit)
// makes one more line on standard error and exit code 1 when the command had succeeded.
int printOutcome(const CommandLineOutcome &outcome, const QString &program, std::FILE *out, std::FILE *err);
