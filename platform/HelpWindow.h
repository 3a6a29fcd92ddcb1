#pragma once

#include "platform/HelpViewer.h"

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace zand {

class Browser;

// The game's own help viewer: one window beside the game, not modal, showing
// the manual (an HTML file with its pictures beside it) with Contents, Back
// and Forward. Each topic is an anchor named by its context number. Links
// that leave the manual, to the games page, open in the desktop's browser.
class HelpWindow final : public QWidget, public HelpViewer
{
    Q_OBJECT

public:
    explicit HelpWindow(Browser &browser, QWidget *parent = nullptr);

    void setHelpFile(const QString &path, const QString &gameTitle) override;
    void showContents() override;
    void showTopic(int context) override;

    QTextBrowser &page() { return *m_page; }

private:
    bool manualFound();
    void present();
    void followLink(const QUrl &link);
    QUrl manualUrl() const;

    Browser &m_browser;
    QString m_manualPath;
    QTextBrowser *m_page; // owned by the window as its child
};

} // namespace zand
