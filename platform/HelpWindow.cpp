// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include "platform/Browser.h"
#include "platform/ManualPage.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace zand {

namespace {
// The machine's picture in the manual.
constexpr int ManualPictureWidth = 640;
} // namespace

HelpWindow::HelpWindow(Browser &browser, QUrl gamesPage, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(browser)
    , m_gamesPage(std::move(gamesPage))
    , m_page(new ManualPage(this))
    , m_notice(new QLabel(this))
{
    // A side window: when the game's window closes, the game ends, open
    // manual or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *contents = new QPushButton(tr("&Contents"), this);
    auto *back = new QPushButton(tr("&Back"), this);
    auto *forward = new QPushButton(tr("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, m_page, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_page, &QTextBrowser::forward);
    connect(m_page, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    // Left to itself the page would load any file it links to, the games
    // page included, and show it without its style.
    m_page->setOpenLinks(false);
    connect(m_page, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_page, &QTextBrowser::sourceChanged, m_notice, &QLabel::clear);
    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::PlainText);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_notice);
    layout->addWidget(m_page);

    // The game ends when its own window closes, whether the help is open
    // or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Beside the game on any screen: at most two thirds of it, at least a
    // readable page.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Wide enough for the manual's widest picture without a sideways scroll.
    const int page = ManualPictureWidth + 2 * static_cast<int>(m_page->document()->documentMargin())
        + 2 * m_page->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        + layout->contentsMargins().left() + layout->contentsMargins().right() + 8;
    resize(std::min(screen.width(), std::max({600, page, screen.width() * 2 / 3})),
           std::min(screen.height(), std::max(440, screen.height() * 3 / 4)));
}

void HelpWindow::setHelpFile(const QString &path, const QString &gameTitle)
{
    m_manualPath = path;
    m_page->setFolder(path);
    setWindowTitle(tr("%1 Help").arg(gameTitle));
}

QTextBrowser &HelpWindow::page()
{
    return *m_page;
}

QString HelpWindow::notice() const
{
    return m_notice->text();
}

QUrl HelpWindow::manualUrl() const
{
    return QUrl::fromLocalFile(QFileInfo(m_manualPath).absoluteFilePath());
}

bool HelpWindow::manualFound()
{
    // Looked for every time: the player may put it back while the game runs.
    if (QFileInfo(m_manualPath).isFile() && QFileInfo(m_manualPath).isReadable()) {
        // The folder too may have come back, or moved.
        m_page->setFolder(m_manualPath);
        return true;
    }
    m_page->setHtml(QStringLiteral("<h2>The manual is missing</h2><p>The game looked for its "
                                   "manual in <b>%1</b> and could not read it.</p><p>Reinstall the "
                                   "game, or put the manual back beside the program.</p>")
                        .arg(m_manualPath.toHtmlEscaped()));
    return false;
}

void HelpWindow::present()
{
    // Asked for from inside a modal dialog, the window goes with that dialog;
    // otherwise the dialog would keep the player out of it until it closed.
    create();
    const QWidget *modal = QApplication::activeModalWidget();
    windowHandle()->setTransientParent(modal && modal != this ? modal->windowHandle() : nullptr);
    show();
    raise();
    activateWindow();
}

// The first page asked for loads the manual; pictures are found beside it,
// relative to its address.
void HelpWindow::showContents()
{
    if (manualFound()) {
        m_page->setSource(manualUrl());
        m_page->verticalScrollBar()->setValue(0);
    }
    present();
}

void HelpWindow::showTopic(int context)
{
    if (manualFound()) {
        QUrl topic = manualUrl();
        topic.setFragment(QString::number(context));
        m_page->setSource(topic);
    }
    present();
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl target = m_page->source().resolved(link);
    const QUrl page = target.adjusted(QUrl::RemoveFragment);
    if (page == manualUrl()) {
        m_page->setSource(target);
        return;
    }
    const QString scheme = target.scheme().toLower();
    const bool web = (scheme == u"http" || scheme == u"https") && !target.host().isEmpty();
    const bool mail = scheme == u"mailto" && !target.path().isEmpty();
    if (web || mail || (page == m_gamesPage && !m_gamesPage.isEmpty())) {
        m_notice->clear();
        openWebPage(m_browser, target, this);
        return;
    }
    m_notice->setText(tr("This link was not opened: the manual opens only web pages, "
                     "mail addresses and the games page."));
}

} // namespace zand
