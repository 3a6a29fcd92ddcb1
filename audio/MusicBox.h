// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/SoundOutput.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>

namespace zand {

struct Config;
struct Session;

// The background music: the theme's five MIDI tracks played one after
// another in a cycle. The end of a track only marks the next one as pending;
// the music timer (or a spin, whichever comes first) starts it. A track that
// cannot be played is left out of the cycle until the player switches the
// music on again.
class MusicBox : public QObject
{
    Q_OBJECT

public:
    MusicBox(const Config &config, Session &session, MusicOutput &output,
             QObject *parent = nullptr);

    // Shows the player's error when a track cannot be opened.
    void setErrorHandler(std::function<void(const QString &)> handler);

    // The first tick of the start-up timer: choose the first track.
    void start();
    // Starts a pending track, if one is pending and the music is on.
    void servePending();
    // Options > Music.
    void toggle();
    // From 0 to 100, for the track playing and those after it.
    void setVolume(int percent) { m_output.setVolume(percent); }

    int track() const { return m_track; }
    QTimer timer{}; // 100 ms after a track is chosen: serves its start

private:
    void ended(MusicOutput::Ending ending);
    void chooseNext();
    void play(int track);

    const Config &m_config;
    Session &m_session;
    MusicOutput &m_output;
    std::array<QString, 5> m_files;
    std::array<bool, 5> m_unplayable{};
    int m_track = -1; // no track chosen yet
    std::function<void(const QString &)> m_showError;
};

} // namespace zand
