// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace zand {

class HelpViewer;

// F1 anywhere in the game, in every window and modal dialog: the topic of the
// focused control, else of the nearest enclosing control or window that
// carries one; nothing where none does.
class HelpKey final : public QObject
{
public:
    // Watches the whole application for as long as it lives.
    explicit HelpKey(HelpViewer &help, QObject *parent = nullptr);
    ~HelpKey() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The control the key is meant for.
    static const QWidget *keyTarget(const QObject *receiver);

    HelpViewer &m_help;
};

} // namespace zand
