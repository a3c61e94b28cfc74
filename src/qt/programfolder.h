// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quimbelo::qt {

// The folder that holds the running program, as the file system names it: its bytes
// as they are, whether or not they are valid UTF-8 (a folder unpacked from an old zip
// may be named in Latin-1).
std::string programFolder();

} // namespace quimbelo::qt
