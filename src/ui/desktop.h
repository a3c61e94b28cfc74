#pragma once

#include <QString>

// What the game hands to the desktop: a text file for its editor, a mail link for its
// mail program. Neither waits for the program it starts, and neither reports failure.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void openTextFile(const QString &path) = 0;
    virtual void openMailLink(const QString &url) = 0;
};

// The real desktop: on Linux its handlers for text files and for "mailto:", on Windows
// Notepad, maximised, for the text file.
class SystemDesktop : public Desktop
{
public:
    void openTextFile(const QString &path) override;
    void openMailLink(const QString &url) override;
};
