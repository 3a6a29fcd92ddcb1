// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Browser.h"
#include "platform/HelpViewer.h"

#include <QList>
#include <QString>
#include <QUrl>

namespace zand {

// A help viewer that shows nothing and records what it was asked to open:
// 0 for the contents, else the topic's context number.
class RecordingHelp final : public HelpViewer
{
public:
    void setHelpFile(const QString &path, const QString &gameTitle) override
    {
        file = path;
        title = gameTitle;
    }
    void showContents() override { opened << 0; }
    void showTopic(int context) override { opened << context; }

    QString file;
    QString title;
    QList<int> opened;
};

// A browser that opens nothing: it records the addresses and answers as told.
class RecordingBrowser final : public Browser
{
public:
    bool open(const QUrl &url) override
    {
        opened << url;
        return works;
    }

    QList<QUrl> opened;
    bool works = true;
};

} // namespace zand
