#include "HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zand {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto *back = new QPushButton(QStringLiteral("&Back"), this);
    auto *forward = new QPushButton(QStringLiteral("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    // Links out of the manual (the games page) go to the desktop's browser.
    m_browser->setOpenExternalLinks(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    // Beside the game on any screen: at most two thirds of it, at least a
    // readable page.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(screen.width(), std::max(600, screen.width() * 2 / 3)),
           std::min(screen.height(), std::max(440, screen.height() * 3 / 4)));
}

void HelpWindow::setHelpFile(const QString &path, const QString &gameTitle)
{
    m_manualPath = path;
    m_loaded = false;
    setWindowTitle(gameTitle + QStringLiteral(" Help"));
}

QUrl HelpWindow::manualUrl() const
{
    return QUrl::fromLocalFile(QFileInfo(m_manualPath).absoluteFilePath());
}

void HelpWindow::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    QFile file(m_manualPath);
    if (!QFileInfo(m_manualPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_browser->setHtml(
            QStringLiteral("<h2>The manual is missing</h2><p>The game looked for its manual in "
                           "<b>%1</b> and could not read it.</p><p>Reinstall the game, or put the "
                           "manual back beside the program.</p>")
                .arg(m_manualPath.toHtmlEscaped()));
        return;
    }
    m_browser->setSource(manualUrl());
}

void HelpWindow::present()
{
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents()
{
    load();
    if (!m_browser->source().isEmpty()) {
        m_browser->setSource(manualUrl());
        m_browser->verticalScrollBar()->setValue(0);
    }
    present();
}

void HelpWindow::showTopic(int context)
{
    load();
    if (!m_browser->source().isEmpty()) {
        QUrl topic = manualUrl();
        topic.setFragment(QString::number(context));
        m_browser->setSource(topic);
    }
    present();
}

} // namespace zand
