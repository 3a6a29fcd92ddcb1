// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextBrowser>

namespace zand {

// The page of the help window. The manual may come from a theme folder, so
// it reads nothing but regular files inside the manual's own folder, each of
// a size a manual or its pictures can have: a pipe, a device or a file
// elsewhere named by the manual is refused at once and never waited for.
class ManualPage final : public QTextBrowser
{
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

    // The folder of the manual's file: it and what lies below it may be read.
    void setFolder(const QString &manualPath);
    // Whether `url` names a file the page may read.
    bool mayRead(const QUrl &url) const;

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString m_folder; // canonical, with a trailing '/'; empty: nothing is read
};

} // namespace zand
