// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <random>

namespace zand {

// Answers whatever modal window is open, at random, as a restless player
// would: presses one of its buttons, types into one of its fields, presses a
// key, clicks somewhere in it, or closes it. Knows no window in particular,
// so new dialogs are answered as soon as they exist. A window still open
// after many answers is closed.
class RandomAnswerer : public QObject
{
public:
    explicit RandomAnswerer(std::mt19937 &random) : m_random(random)
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, &RandomAnswerer::look);
        m_timer.start();
    }

    // Called once for every modal window, when it is first seen.
    std::function<void(QWidget *)> firstSight;
    int windowsSeen = 0;

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal != m_current) {
            m_current = modal;
            m_answers = 0;
            ++windowsSeen;
            if (firstSight)
                firstSight(modal);
        }
        ++m_answers;
        // Answered from an event of its own: an answer that opens another
        // modal window must not hold up this timer, which answers that one.
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, modal, [this, target] {
            if (target && target->isVisible())
                answer(target);
        });
    }

    void answer(QWidget *modal)
    {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (m_answers > 40) {
            dialog ? dialog->reject() : void(modal->close());
            return;
        }
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
            if (button->isVisible() && button->isEnabled())
                buttons << button;
        const QList<QLineEdit *> fields = modal->findChildren<QLineEdit *>();
        QWidget *focus = modal->focusWidget() ? modal->focusWidget() : modal;
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab,
                                       Qt::Key_Up,     Qt::Key_Down,   Qt::Key_1,     Qt::Key_A};
        switch (below(6)) {
        case 0:
        case 1:
            if (!buttons.isEmpty())
                buttons[below(int(buttons.size()))]->click();
            break;
        case 2:
            QTest::keyClick(focus, keys[below(int(std::size(keys)))]);
            break;
        case 3:
            if (!fields.isEmpty())
                QTest::keyClicks(fields[below(int(fields.size()))],
                                 QString::number(below(100000)).left(below(6)));
            break;
        case 4: {
            const QPoint at(below(std::max(1, modal->width())), below(std::max(1, modal->height())));
            QWidget *child = modal->childAt(at) ? modal->childAt(at) : modal;
            QTest::mouseClick(child, Qt::LeftButton, {}, child->mapFrom(modal, at));
            break;
        }
        default:
            below(2) == 0 && dialog ? dialog->reject() : void(modal->close());
            break;
        }
    }

    std::mt19937 &m_random;
    QTimer m_timer;
    QPointer<QWidget> m_current;
    int m_answers = 0;
};

} // namespace zand
