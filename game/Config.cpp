// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Config.h"

#include "game/ProfileFile.h"
#include "game/Scale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStandardPaths>

namespace zand {

namespace {

constexpr int MaxTitleLength = 30;
// The version box has room for three characters ("2.2").
static_assert(sizeof(ZAND_VERSION_TEXT) - 1 <= 3, "the version text is at most three characters");

constexpr char DataFolderName[] = "zandslots";

// Which file each asset name was taken from, for a player putting a theme
// together: QT_LOGGING_RULES="zand.assets.debug=true".
Q_LOGGING_CATEGORY(lcAssets, "zand.assets", QtWarningMsg)

QString findIn(const QString &folder, const QString &name)
{
    const QString exact = folder + name;
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return {};
}

} // namespace

int Config::scale(int v) const
{
    return Scale::x(v, layoutWidth);
}

QString Config::baseNameOf(const QString &fileName)
{
    static const QRegularExpression extension(QStringLiteral("\\.[^./]{1,3}$"));
    const QRegularExpressionMatch match = extension.match(fileName);
    if (match.hasMatch() && match.capturedStart() > 0)
        return fileName.left(match.capturedStart());
    return fileName;
}

QStringList Config::assetFolders() const
{
    const QString installed =
        QDir::cleanPath(appPath + QStringLiteral("../share/") + QLatin1String(DataFolderName))
        + QLatin1Char('/');
    return {appPath, userThemeFolder(), installed};
}

QString Config::userThemeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + QLatin1String(DataFolderName) + QLatin1Char('/');
}

QString Config::findAsset(const QString &name) const
{
    for (const QString &folder : assetFolders()) {
        const QString found = findIn(folder, name);
        if (!found.isEmpty()) {
            qCDebug(lcAssets, "%s: %s", qPrintable(name), qPrintable(found));
            return found;
        }
    }
    qCDebug(lcAssets, "%s: none", qPrintable(name));
    return {};
}

QString Config::assetPath(const QString &name) const
{
    const QString found = findAsset(name);
    return found.isEmpty() ? appPath + name : found;
}

void Config::readTestingIni()
{
    const QString path = findAsset(QStringLiteral("Testing.ini"));
    if (path.isEmpty())
        return;
    const ProfileFile::Lookup settings = ProfileFile(path).read(
        QStringLiteral("Settings"),
        {{QStringLiteral("SoundRoot"), soundRoot}, {QStringLiteral("AboutName"), gameTitle}});
    // Every themed file lies beside the executable: a prefix with a "/" would
    // reach into other folders, or anywhere with "../" or a leading "/".
    const QString &root = settings.values.at(0);
    if (root.contains(u'/') || root.contains(QChar(0)))
        qWarning("%s: SoundRoot \"%s\" is not a plain file name prefix; keeping \"%s\"",
                 qPrintable(path), qPrintable(root), qPrintable(soundRoot));
    else
        soundRoot = root;
    gameTitle = settings.values.at(1).left(MaxTitleLength);
}

QString Config::manualCaption() const
{
    // The manual is written in English alone; a translation says so.
    return QCoreApplication::translate("zand::Config", "&%1 Manual").arg(gameTitle);
}

} // namespace zand
