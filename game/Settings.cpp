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
const QString SpinsKey = QStringLiteral("Autoplay/Spins");
const QString WinKey = QStringLiteral("Autoplay/StopOnWin");
const QString BonusKey = QStringLiteral("Autoplay/StopOnBonus");
const QString CreditsKey = QStringLiteral("Autoplay/StopBelowCredits");
// An amount a hand-edited file may hold: none below zero, none past the
// largest a box offers.
constexpr int MaxAmount = 1'000'000'000;

int amount(const QSettings &file, const QString &key)
{
    bool ok = false;
    const qlonglong value = file.value(key).toLongLong(&ok);
    return ok ? int(std::clamp<qlonglong>(value, 0, MaxAmount)) : 0;
}

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
    const int spins = file.value(SpinsKey).toInt();
    if (std::find(AutoplayPlan::SpinChoices.begin(), AutoplayPlan::SpinChoices.end(), spins)
        != AutoplayPlan::SpinChoices.end())
        m_autoplayPlan.spins = spins;
    m_autoplayPlan.winAtLeast = amount(file, WinKey);
    m_autoplayPlan.stopOnBonus = file.value(BonusKey).toString() == QLatin1String("true");
    m_autoplayPlan.creditsBelow = amount(file, CreditsKey);
}

QString Settings::pathBeside(const QString &savedGamePath, const QString &exeBaseName)
{
    return QFileInfo(savedGamePath).path() + u'/' + exeBaseName + QStringLiteral("/settings.ini");
}

bool Settings::setVolumes(int effects, int music, QString *error)
{
    m_effectsVolume = std::clamp(effects, 0, FullVolume);
    m_musicVolume = std::clamp(music, 0, FullVolume);
    if (write())
        return true;
    if (error)
        *error = QCoreApplication::translate("zand::Settings", "The volume could not be kept in %1.").arg(QDir::toNativeSeparators(m_path));
    return false;
}

bool Settings::setAutoplayPlan(const AutoplayPlan &plan, QString *error)
{
    m_autoplayPlan = plan;
    if (write())
        return true;
    if (error)
        *error = QCoreApplication::translate("zand::Settings", "The autoplay choices could not be kept in %1.").arg(QDir::toNativeSeparators(m_path));
    return false;
}

bool Settings::write() const
{
    QDir().mkpath(QFileInfo(m_path).path());
    QSettings file(m_path, QSettings::IniFormat);
    file.setValue(EffectsKey, m_effectsVolume);
    file.setValue(MusicKey, m_musicVolume);
    file.setValue(SpinsKey, m_autoplayPlan.spins);
    file.setValue(WinKey, m_autoplayPlan.winAtLeast);
    file.setValue(BonusKey, m_autoplayPlan.stopOnBonus);
    file.setValue(CreditsKey, m_autoplayPlan.creditsBelow);
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace zand
