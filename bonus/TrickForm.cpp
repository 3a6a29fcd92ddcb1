#include "TrickForm.h"

#include "game/Config.h"
#include "game/GameState.h"
#include "app/SoundBoard.h"
#include "game/Prizes.h"
#include "platform/Canvas.h"
#include "platform/Jpeg.h"
#include "game/Random.h"
#include "screen/Pictures.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QVBoxLayout>

namespace zand {

namespace {
constexpr int SafeSide = 76;
}

TrickForm::TrickForm(const Config &config, GameState &state, Random &random, SoundBoard &sound,
                     const std::array<int, 8> &prizes, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_state(state)
    , m_random(random)
    , m_sound(sound)
    , m_prizes(prizes)
    , m_canvas(new Canvas(this))
{
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_canvas);
    setStyleSheet(QStringLiteral("background: black;"));

    m_background = Pictures::builtIn(QStringLiteral("bonus.jpg"));
    const QString file = config.findAsset(QStringLiteral("bonus1.jpg"));
    if (!file.isEmpty()) {
        const QImage replacement = Jpeg::load(file);
        if (!replacement.isNull())
            m_background = replacement;
    }
    m_safeFrames = Pictures::builtIn(QStringLiteral("safes.jpg"));

    const QSize size(config.screenWidth, config.screenHeight);
    resize(size);
    m_origin = QPoint((size.width() - m_background.width()) / 2,
                      (size.height() - m_background.height()) / 2);
    if (config.logicalDpi < 100)
        setWindowState(Qt::WindowMaximized);

    m_canvas->setPaintHandler([this] { paint(); });
    connect(m_canvas, &Canvas::pressed, this, &TrickForm::pressed);
    openTimer.setInterval(300);
    closeTimer.setInterval(3000);
    closeTimer.setSingleShot(true);
    connect(&openTimer, &QTimer::timeout, this, &TrickForm::nextFrame);
    connect(&closeTimer, &QTimer::timeout, this, &QDialog::accept);
}

TrickForm::~TrickForm() = default;

void TrickForm::settle(GameState &state, Random &random, const std::array<int, 8> &prizes)
{
    const int prize = prizes[random.below(Prizes::Safes)];
    if (prize == Prizes::SixNudges) {
        state.nudges += 6;
        return;
    }
    state.bonusWon += prize;
    state.spinWin += prize;
}

QRect TrickForm::safeRect(int safe) const
{
    const int left = 443 + 101 * (safe % 2);
    const int top = 63 + 95 * (safe / 2);
    return QRect(m_origin.x() + left, m_origin.y() + top, m_safeFrames.width() + 1,
                 m_safeFrames.height() / 3 + 1);
}

void TrickForm::paint()
{
    m_canvas->fillRect(m_canvas->rect(), Qt::black);
    m_canvas->copy(m_background, m_background.rect(),
                   QRect(m_origin, m_background.size()));
}

void TrickForm::pressed(QPoint position)
{
    if (m_chosenSafe != -1)
        return;
    for (int safe = 0; safe < Prizes::Safes; ++safe) {
        // Both edges of a safe belong to it.
        if (safeRect(safe).contains(position)) {
            m_openFrame = -1;
            choose(safe);
            m_sound.playSafe();
            return;
        }
    }
}

void TrickForm::keyPressEvent(QKeyEvent *)
{
    // Any key picks a safe at random, silently; the opening starts one frame
    // later than a click's.
    if (m_chosenSafe == -1)
        choose(m_random.below(Prizes::Safes));
}

void TrickForm::choose(int safe)
{
    m_chosenSafe = safe;
    openTimer.start();
}

void TrickForm::nextFrame()
{
    m_openFrame += 1;
    if (m_openFrame <= 2) {
        const QRect safe = safeRect(m_chosenSafe);
        m_canvas->copy(m_safeFrames, QRect(0, SafeSide * m_openFrame, SafeSide, SafeSide),
                       QRect(safe.topLeft(), QSize(SafeSide, SafeSide)));
        return;
    }
    openTimer.stop();
    revealPrize();
}

void TrickForm::revealPrize()
{
    const int prize = m_prizes[m_chosenSafe];
    QString text;
    if (prize == Prizes::SixNudges) {
        m_state.nudges += 6;
        text = QStringLiteral("6 Nudges");
    } else {
        text = QString::number(prize);
        m_bonusPrize = prize;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(24);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QRect safe = safeRect(m_chosenSafe);
    m_canvas->drawText(safe.left() + 38 - metrics.horizontalAdvance(text) / 2,
                       safe.top() + 38 - metrics.height() / 2, text, font, Qt::red);
    m_prizeShown = true;
    closeTimer.start();
}

void TrickForm::closeEvent(QCloseEvent *event)
{
    // The screen cannot be cancelled; it closes once the prize is shown.
    event->ignore();
    if (m_prizeShown)
        done(Accepted);
}

void TrickForm::reject()
{
    // Escape is just another key here.
    if (m_chosenSafe == -1)
        choose(m_random.below(Prizes::Safes));
    else if (m_prizeShown)
        done(Accepted);
}

void TrickForm::done(int result)
{
    if (!m_prizeShown)
        return;
    if (!m_paid) {
        m_paid = true;
        if (m_bonusPrize > 1)
            m_state.bonusWon += m_bonusPrize;
        m_state.spinWin += m_bonusPrize;
    }
    closeTimer.stop();
    QDialog::done(result);
}

} // namespace zand
