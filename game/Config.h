// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zand {

// What the game learns once at start-up: where it lives, what it is called,
// which theme files it uses and how large the screen is.
struct Config
{
    QString appPath;       // the executable's directory, with a trailing '/'
    QString exeBaseName;   // the executable's name without an extension
    QString gameTitle = QStringLiteral("Zandor Slots");
    QString soundRoot = QStringLiteral("Zand");
    QString versionText = QStringLiteral(ZAND_VERSION_TEXT);
    int screenWidth = 800;
    int screenHeight = 600;
    int layoutWidth = 800; // see Scale::layoutWidth
    double logicalDpi = 96;

    // Design coordinate to screen pixels at this screen's layout width.
    int scale(int v) const;

    // The title the desktop shows for the program, whatever the theme says.
    static QString applicationTitle() { return QStringLiteral("Zandor Slots"); }

    // Drops an extension only where the name has one (a dot and one to three
    // characters at its end): Linux programs usually have none.
    static QString baseNameOf(const QString &fileName);

    // The folders an asset file is looked for in, first to last: beside the
    // executable (a build or a portable copy, and its theme), the player's
    // theme folder $XDG_DATA_HOME/zandslots/, then the installed data folder
    // <prefix>/share/zandslots/ beside the executable's bin or games folder.
    QStringList assetFolders() const;
    static QString userThemeFolder();

    // The full name of an asset file in the first of those folders that has
    // it, matched without regard to letter case; empty when none has it.
    QString findAsset(const QString &name) const;
    // The same, but the plain name beside the executable when none exists
    // (for files whose absence the player hears or is told about).
    QString assetPath(const QString &name) const;

    // Reads the optional Testing.ini (section Settings: SoundRoot, AboutName)
    // when it exists; keys that are absent keep their current values, and so
    // does a SoundRoot that would lead out of the executable's directory.
    void readTestingIni();

    // "&" + title + " Manual", the Help menu's manual item.
    QString manualCaption() const;
};

} // namespace zand
