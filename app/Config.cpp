#include "Config.h"

#include "app/Scale.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
constexpr int MaxTitleLength = 30;
}

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

QString Config::findAsset(const QString &name) const
{
    const QString exact = appPath + name;
    if (QFileInfo(exact).isFile())
        return exact;
    const QDir dir(appPath);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return appPath + entry;
    }
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
        qWarning("%s: SoundRoot \"%s\" is not a plain file name prefix; keeping \"%s\"", qPrintable(path),
                 qPrintable(root), qPrintable(soundRoot));
    else
        soundRoot = root;
    gameTitle = settings.values.at(1).left(MaxTitleLength);
}

QString Config::manualCaption() const
{
    return QLatin1Char('&') + gameTitle + QStringLiteral(" Manual");
}
