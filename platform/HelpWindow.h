// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HelpViewer.h"

#include <QUrl>
#include <QWidget>

class QLabel;
class QTextBrowser;

namespace zand {

class Browser;
class ManualPage;

// The game's own help viewer: one window beside the game, not modal, showing
// the manual (an HTML file with its pictures beside it) with Contents, Back
// and Forward. Each topic is an anchor named by its context number. Of the
// links that leave the manual only web and mail addresses and the game's own
// games page open, in the desktop's browser: a theme's manual must not open
// files or start programs through the desktop.
class HelpWindow final : public QWidget, public HelpViewer
{
    Q_OBJECT

public:
    HelpWindow(Browser &browser, QUrl gamesPage, QWidget *parent = nullptr);

    void setHelpFile(const QString &path, const QString &gameTitle) override;
    void showContents() override;
    void showTopic(int context) override;

    QTextBrowser &page();
    // The line under the buttons that tells why a link was not opened.
    QString notice() const;

private:
    bool manualFound();
    void present();
    void followLink(const QUrl &link);
    QUrl manualUrl() const;

    Browser &m_browser;
    const QUrl m_gamesPage;
    QString m_manualPath;
    ManualPage *m_page; // owned by the window as its child
    QLabel *m_notice;   // likewise
};

} // namespace zand
