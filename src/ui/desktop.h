// SPDX-License-Identifier: MIT
#pragma once

#include "surroundings.h"

#include <QString>

#include <memory>

// What the game hands to the desktop: a text file for its editor, a mail link for its
// mail program. Neither waits for the program it starts, and neither reports failure.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void openTextFile(const QString &path) = 0;
    virtual void openMailLink(const QString &url) = 0;
};

// The real desktop: its handlers for text files and for "mailto:".
class SystemDesktop : public Desktop
{
public:
    void openTextFile(const QString &path) override;
    void openMailLink(const QString &url) override;
};

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
