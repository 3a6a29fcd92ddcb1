// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace zand {

// The game's help: a manual with topics addressed by context numbers.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;

    // Set at start-up: the manual's file and the game's title.
    virtual void setHelpFile(const QString &path, const QString &gameTitle) = 0;

    // Opens the manual at its contents.
    virtual void showContents() = 0;
    // Opens the manual at the topic that carries this context number.
    virtual void showTopic(int context) = 0;
};

// The help contexts of the game's windows and controls.
namespace HelpContext {
constexpr int MainWindow = 41003; // also the borrow dialog's window
constexpr int BorrowButtons = 41005;
constexpr int SlotDialog = 41008;
constexpr int Company = 41009;
constexpr int PayoffChart = 41010;
} // namespace HelpContext

// Gives a window or control its help context, for F1.
void setHelpContext(QWidget *widget, int context);

// F1's topic for a widget: its own context, else that of the nearest
// enclosing widget of its window, the window included, that carries one; 0
// when none does.
int helpContextOf(const QWidget *widget);

} // namespace zand
