#include "Config.h"

#include "game/ProfileFile.h"
#include "game/Scale.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zand {

namespace {
constexpr int MaxTitleLength = 30;
// The version box has room for three characters ("2.2").
static_assert(sizeof(ZAND_VERSION_TEXT) - 1 <= 3, "the version text is at most three characters");
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
    const ProfileFile settings(path);
    soundRoot = settings.read(QStringLiteral("Settings"), QStringLiteral("SoundRoot"), soundRoot);
    gameTitle = settings.read(QStringLiteral("Settings"), QStringLiteral("AboutName"), gameTitle)
                    .left(MaxTitleLength);
}

QString Config::manualCaption() const
{
    return QLatin1Char('&') + gameTitle + QStringLiteral(" Manual");
}

} // namespace zand
