// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sound stack is a module opened at the first sound: the
// program itself needs none of its libraries, and the first play opens the
// module and plays through it.
#include "ui/Platform.h"
#include "ui/SoundModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace kt;

class TestSoundModule : public QObject {
    Q_OBJECT

private slots:
    void programStartsWithoutTheSoundLibraries()
    {
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/kite-tutor");
        if (!QFileInfo::exists(program))
            QSKIP("the program is not built");
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {program});
        QVERIFY(ldd.waitForFinished(20000));
        const QString needed = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY2(needed.contains(QStringLiteral("libQt6Widgets")), qPrintable(needed));
        for (const char* library : {"libQt6Multimedia", "libsndfile", "libpulse"})
            QVERIFY2(!needed.contains(QLatin1String(library)), library);
    }

    void firstPlayOpensTheModule()
    {
        QVERIFY2(QFileInfo::exists(soundModulePath()), qPrintable(soundModulePath()));
        // No sound server: the real player finds none and returns at once.
        qputenv("PULSE_SERVER", "unix:/nonexistent/kite-tutor-test");
        platform().paths.programDirs = {qEnvironmentVariable("KITE_MEDIA_DIR")};
        const std::unique_ptr<WavePlayer> player = makeDesktopWavePlayer();
        QVERIFY(!soundModuleLoaded());
        player->play(QStringLiteral("7.WAV"));
        QVERIFY(soundModuleLoaded());
        player->play(QStringLiteral("plus.WAV"));
    }
};

QTEST_MAIN(TestSoundModule)
#include "tst_sound_module.moc"
