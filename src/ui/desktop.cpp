// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

void SystemDesktop::openTextFile(const QString &path)
{
    // The path travels as one URL, never through a shell, so no character of the
    // program's folder can run anything.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SystemDesktop::openMailLink(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

DesktopSurroundings::DesktopSurroundings(std::string programFolder, Desktop *desktop)
    : m_programFolder(std::move(programFolder))
    , m_ownDesktop(desktop ? nullptr : std::make_unique<SystemDesktop>())
    , m_desktop(desktop ? desktop : m_ownDesktop.get())
{
}

void DesktopSurroundings::openTextFile(const std::string &path)
{
    m_desktop->openTextFile(QString::fromStdString(path));
}

void DesktopSurroundings::openMailLink(const std::string &url)
{
    m_desktop->openMailLink(QString::fromStdString(url));
}
