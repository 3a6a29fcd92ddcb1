// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicBox.h"

#include "game/Config.h"
#include "game/Session.h"
#include "game/Playlist.h"

#include <QFile>

#include <algorithm>

namespace zand {

MusicBox::MusicBox(const Config &config, Session &session, MusicOutput &output, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_session(session)
    , m_output(output)
{
    for (int n = 0; n < Playlist::Tracks; ++n) {
        m_files[n] = m_config.assetPath(m_config.soundRoot + QString::number(n)
                                        + QStringLiteral(".mid"));
    }
    m_output.onEnded = [this](MusicOutput::Ending ending) { ended(ending); };
    m_output.prepare(QStringList(m_files.begin(), m_files.end()));
    // Only a chosen track has a start to serve: the timer runs then alone.
    timer.setInterval(100);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &MusicBox::servePending);
}

void MusicBox::setErrorHandler(std::function<void(const QString &)> handler)
{
    m_showError = std::move(handler);
}

void MusicBox::chooseNext()
{
    m_track = Playlist::next(m_track, [this](int n) { return !m_unplayable[n] && QFile::exists(m_files[n]); });
    m_track += Playlist::Pending;
    timer.start();
}

void MusicBox::start()
{
    if (!m_session.musicOn)
        return;
    m_track = -1;
    chooseNext();
}

void MusicBox::servePending()
{
    // A track that comes due while the music is off waits for Music on.
    if (!m_session.musicOn || m_track < Playlist::Pending)
        return;
    while (m_track >= Playlist::Pending)
        m_track -= Playlist::Pending;
    play(m_track);
}

void MusicBox::play(int track)
{
    // With no track at all there is nothing to play; never look past the
    // five names.
    if (track < 0 || track >= Playlist::Tracks)
        return;
    QString error;
    if (!m_output.open(m_files[track], &error)) {
        if (m_showError)
            m_showError(error);
        return;
    }
    m_output.play();
}

void MusicBox::ended(MusicOutput::Ending ending)
{
    // A track that cannot be played is skipped; with none left the music
    // rests (track 9) instead of trying them over and over.
    if (ending == MusicOutput::Ending::Failure && m_track >= 0 && m_track < Playlist::Tracks)
        m_unplayable[m_track] = true;
    else if (ending != MusicOutput::Ending::Successful)
        return;
    chooseNext();
    m_output.close();
}

void MusicBox::toggle()
{
    m_session.musicOn = !m_session.musicOn;
    if (!m_session.musicOn) {
        m_output.close();
        return;
    }
    // Switched on again, tracks that could not be played get another chance.
    if (std::find(m_unplayable.begin(), m_unplayable.end(), true) != m_unplayable.end()) {
        m_unplayable = {};
        if (m_track == Playlist::NoMusic)
            m_track = -1;
    }
    // With the music off at the start-up tick no track was chosen: begin
    // the playlist as the start-up would have.
    if (m_track < 0)
        chooseNext();
    if (m_track >= Playlist::Pending)
        servePending();
    else
        play(m_track);
}

} // namespace zand
