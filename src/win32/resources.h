// SPDX-License-Identifier: MIT
// Numbered resources of the program, shared by the resource script and the code.
#pragma once

#define QUIMBELO_ICON 1
#define QUIMBELO_ENVELOPE_CURSOR 2
