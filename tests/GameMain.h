// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Startup.h"

#include <QApplication>
#include <QTest>

// Starts a test the way the program starts: the same scaling of the desktop
// and the same names. (QTEST_MAIN would also pin the resolution to 96 dpi.)
#define ZAND_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        zand::Startup::beforeApplication();                                                        \
        QApplication app(argc, argv);                                                              \
        zand::Startup::nameApplication();                                                          \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
