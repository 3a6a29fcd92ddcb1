// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Prizes.h"
#include "platform/CanvasZone.h"

#include <QDialog>
#include <QRect>
#include <QTimer>

#include <array>
#include <memory>

namespace zand {

class BonusView;
class Canvas;
class Machine;
class Random;
class SoundBoard;
struct Config;
struct Session;

// The bonus screen: eight closed safes in a vault. The player opens one with
// the mouse or by its number key, or presses any other key to have one
// picked at random; the safe opens, its prize is written over it, a second
// later the other safes open to show what they held, and three seconds after
// the prize the screen closes and the machine is paid.
class BonusScreen : public QDialog
{
    Q_OBJECT

public:
    BonusScreen(const Config &config, Machine &machine, const Session &session, Random &random,
                SoundBoard &sound, const Prizes::Table &prizes, QWidget *parent = nullptr);
    ~BonusScreen() override;

    // Settles a bonus game without showing it (the game is closing): a safe
    // is picked at random, as a key press would, and its prize paid.
    static void settle(Machine &machine, Random &random, const Prizes::Table &prizes);

    QRect safeRect(int safe) const; // on the screen
    QPoint pictureOrigin() const;
    // A point of the vault picture on the screen.
    QPoint onScreen(QPoint onPicture) const;
    // The prize written on each safe so far; empty while it is closed.
    const std::array<QString, Prizes::Safes> &prizesShown() const;
    int chosenSafe() const { return m_chosenSafe; }
    const Prizes::Table &prizes() const { return m_prizes; }
    Canvas &canvas() { return *m_canvas; }

    QTimer openTimer{};  // 300 ms: the next opening frame
    QTimer closeTimer{}; // 3 s after the prize shows
    QTimer revealTimer{}; // a third of that: the other safes open

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void done(int result) override;

private:
    void pressed(QPoint position);
    void choose(int safe);
    void nextFrame();
    void revealPrize();
    // The safes as assistive technology sees them: eight buttons.
    std::vector<CanvasZone> safeZones();
    static QString prizeText(int prize);

    Machine &m_machine;
    const Session &m_session;
    Random &m_random;
    SoundBoard &m_sound;
    Prizes::Table m_prizes;
    Canvas *m_canvas; // owned by the dialog as its child
    std::unique_ptr<BonusView> m_view;
    int m_chosenSafe = -1;
    int m_openFrame = 0;
    bool m_prizeShown = false;
    bool m_paid = false;
};

} // namespace zand
