// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace quimbelo::qt {

void SystemDesktop::openTextFile(const QUrl &file)
{
    // The path travels as one URL, never through a shell, so no character of the
    // program's folder can run anything.
    QDesktopServices::openUrl(file);
}

void SystemDesktop::openMailLink(const QUrl &link)
{
    QDesktopServices::openUrl(link);
}

QUrl fileUrl(const std::string &path)
{
    return QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(path).toPercentEncoding("/"), QUrl::StrictMode);
}

DesktopSurroundings::DesktopSurroundings(std::string programFolder, Desktop *desktop)
    : m_programFolder(std::move(programFolder))
    , m_ownDesktop(desktop ? nullptr : std::make_unique<SystemDesktop>())
    , m_desktop(desktop ? desktop : m_ownDesktop.get())
{
}

void DesktopSurroundings::openTextFile(const std::string &path)
{
    m_desktop->openTextFile(fileUrl(path));
}

void DesktopSurroundings::openMailLink(const std::string &url)
{
    m_desktop->openMailLink(QUrl(QString::fromStdString(url)));
}

} // namespace quimbelo::qt
