#pragma once

#include "platform/HelpViewer.h"

#include <QWidget>

class QTextBrowser;

namespace zand {

// The game's own help viewer: one window beside the game, not modal, showing
// the manual (an HTML file) with Contents, Back and Forward. Each topic is an
// anchor named by its context number.
class HelpWindow final : public QWidget, public HelpViewer
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void setHelpFile(const QString &path, const QString &gameTitle) override;
    void showContents() override;
    void showTopic(int context) override;

    QTextBrowser &browser() { return *m_browser; }

private:
    void load();
    void present();
    QUrl manualUrl() const;

    QString m_manualPath;
    QTextBrowser *m_browser; // owned by the window as its child
    bool m_loaded = false;
};

} // namespace zand
