#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Answers the modal windows the game opens while a test drives it: each one
// is handed to `answer`, which closes it (or not). Message boxes are
// remembered by their text.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(QWidget *)> answer = {})
        : m_answer(std::move(answer))
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::look);
        m_timer.start();
    }

    QStringList messages;

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            box->accept();
            return;
        }
        if (m_answer)
            m_answer(modal);
    }

    QTimer m_timer;
    std::function<void(QWidget *)> m_answer;
};
