// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace zand {

// Answers the modal windows the game opens while a test drives it. Message
// boxes are accepted and remembered by their text; any other modal window
// (the bonus screen) is handed to `answer`, or by default gets a key press,
// which picks a safe. Only the newest answerer alive answers.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(QWidget *)> answer = {})
        : m_answer(std::move(answer))
    {
        answerers().append(this);
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::look);
        m_timer.start();
    }
    ~ModalAnswerer() override { answerers().removeOne(this); }

    QStringList messages;
    QList<QMessageBox::Icon> icons; // the kind of each message box

private:
    static QList<ModalAnswerer *> &answerers()
    {
        static QList<ModalAnswerer *> list;
        return list;
    }

    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || answerers().last() != this)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            icons << box->icon();
            box->accept();
            return;
        }
        if (m_answer)
            m_answer(modal);
        else
            QTest::keyClick(modal, Qt::Key_Space);
    }

    QTimer m_timer;
    std::function<void(QWidget *)> m_answer;
};

} // namespace zand
