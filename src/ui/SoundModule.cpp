// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>

namespace kt {
namespace {

bool g_moduleLoaded = false;

class LazyWavePlayer : public WavePlayer {
public:
    void play(const QString& name) override
    {
        if (!m_tried)
            load();
        if (m_player)
            m_player->play(name);
    }

private:
    void load()
    {
        m_tried = true;
        // Kept loaded for the program's life: the player's code lives there.
        auto* library = new QLibrary(soundModulePath());
        const auto make = reinterpret_cast<MakeSoundPlayer>(library->resolve(KITE_SOUND_MODULE_ENTRY));
        if (!make) {
            std::fprintf(stderr, "kite-tutor: no sound: %s\n", qPrintable(library->errorString()));
            delete library;
            return;
        }
        g_moduleLoaded = true;
        const std::function<QString(const QString&)> find = [](const QString& file) {
            return platform().paths.findProgramFile(file);
        };
        m_player.reset(make(&find));
    }

    bool m_tried = false;
    std::unique_ptr<WavePlayer> m_player;
};

} // namespace

QString soundModulePath()
{
    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return QDir::cleanPath(appDir + QStringLiteral("/../" KITE_SOUND_MODULE_SUBPATH));
}

std::unique_ptr<WavePlayer> makeDesktopWavePlayer() { return std::make_unique<LazyWavePlayer>(); }

bool soundModuleLoaded() { return g_moduleLoaded; }

} // namespace kt
