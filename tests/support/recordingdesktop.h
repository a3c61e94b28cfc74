// SPDX-License-Identifier: MIT
#pragma once

#include "desktop.h"

#include <QStringList>

// A desktop that opens nothing and records what it was handed.
struct RecordingDesktop : quimbelo::qt::Desktop
{
    QStringList files, links; // the local files and the links
    QList<QUrl> fileUrls;
    void openTextFile(const QUrl &file) override
    {
        files << file.toLocalFile();
        fileUrls << file;
    }
    void openMailLink(const QUrl &link) override { links << link.toString(); }
};
