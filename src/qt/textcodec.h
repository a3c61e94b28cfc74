// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace quimbelo::qt {

// Text as the window's controls hold it.
namespace textcodec {

// What a single line shows of text: a line break (CR LF, CR or LF) becomes a space, a
// break at the end is dropped, and NUL characters are left out.
QString singleLine(const QString &text);

} // namespace textcodec

} // namespace quimbelo::qt
