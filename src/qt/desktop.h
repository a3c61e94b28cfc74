// SPDX-License-Identifier: MIT
#pragma once

#include "surroundings.h"

#include <QUrl>

#include <memory>

namespace quimbelo::qt {

// What the game hands to the desktop: a text file for its editor, a mail link for its
// mail program. Neither waits for the program it starts, and neither reports failure.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void openTextFile(const QUrl &file) = 0;
    virtual void openMailLink(const QUrl &link) = 0;
};

// The real desktop: its handlers for text files and for "mailto:".
class SystemDesktop : public Desktop
{
public:
    void openTextFile(const QUrl &file) override;
    void openMailLink(const QUrl &link) override;
};

// The "file:" URL of a path, whatever bytes it holds: bytes that are not UTF-8 are kept
// percent-encoded rather than lost.
QUrl fileUrl(const std::string &path);

// The game's surroundings on this desktop: the real clock and random source, the
// program's folder, and the desktop's programs.
class DesktopSurroundings : public quimbelo::LocalSurroundings
{
public:
    // desktop: the system's own when null.
    explicit DesktopSurroundings(std::string programFolder, Desktop *desktop = nullptr);

    std::string programFolder() const override { return m_programFolder; }
    void openTextFile(const std::string &path) override;
    void openMailLink(const std::string &url) override;

private:
    std::string m_programFolder;
    std::unique_ptr<Desktop> m_ownDesktop;
    Desktop *m_desktop;
};

} // namespace quimbelo::qt
