#include "desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void SystemDesktop::openTextFile(const QString &path)
{
    // The path travels as one argument or one URL, never through a shell, so no
    // character of the program's folder can run anything.
#ifdef Q_OS_WIN
    QProcess editor;
    editor.setProgram(QStringLiteral("notepad.exe"));
    editor.setArguments({ path });
    editor.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
    });
    editor.startDetached();
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

void SystemDesktop::openMailLink(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}
