// SPDX-License-Identifier: MIT
#include "programfolder.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace quimbelo::qt {

std::string programFolder()
{
    // Qt's own answer is text, in which a name that is not valid UTF-8 loses its bytes;
    // the kernel's link to the program keeps them.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path()) {
        return program.parent_path().string();
    }
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace quimbelo::qt
