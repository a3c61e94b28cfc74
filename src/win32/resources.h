// SPDX-License-Identifier: MIT
#pragma once

// Numbered resources of the program, shared by the resource script and the code.
#define QUIMBELO_ICON 1
#define QUIMBELO_ENVELOPE_CURSOR 2
