// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace zand {

namespace {

const QString EffectsKey = QStringLiteral("Volume/Effects");
const QString MusicKey = QStringLiteral("Volume/Music");

int level(const QSettings &file, const QString &key)
{
    bool ok = false;
    const int value = file.value(key).toInt(&ok);
    return ok ? std::clamp(value, 0, Settings::FullVolume) : Settings::FullVolume;
}

} // namespace

Settings::Settings(QString path)
    : m_path(std::move(path))
{
    const QSettings file(m_path, QSettings::IniFormat);
    m_effectsVolume = level(file, EffectsKey);
    m_musicVolume = level(file, MusicKey);
}

QString Settings::pathBeside(const QString &savedGamePath, const QString &exeBaseName)
{
    return QFileInfo(savedGamePath).path() + u'/' + exeBaseName + QStringLiteral("/settings.ini");
}

bool Settings::setVolumes(int effects, int music, QString *error)
{
    m_effectsVolume = std::clamp(effects, 0, FullVolume);
    m_musicVolume = std::clamp(music, 0, FullVolume);
    QDir().mkpath(QFileInfo(m_path).path());
    QSettings file(m_path, QSettings::IniFormat);
    file.setValue(EffectsKey, m_effectsVolume);
    file.setValue(MusicKey, m_musicVolume);
    file.sync();
    if (file.status() == QSettings::NoError)
        return true;
    if (error)
        *error = QCoreApplication::translate("zand::Settings", "The volume could not be kept in %1.").arg(QDir::toNativeSeparators(m_path));
    return false;
}

} // namespace zand
