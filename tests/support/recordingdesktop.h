// SPDX-License-Identifier: MIT
#pragma once

#include "desktop.h"

#include <QStringList>

// A desktop that opens nothing and records what it was handed.
struct RecordingDesktop : Desktop
{
    QStringList files, links;
    void openTextFile(const QString &path) override { files << path; }
    void openMailLink(const QString &url) override { links << url; }
};
