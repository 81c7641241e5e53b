// SPDX-License-Identifier: GPL-3.0-or-later
// How long a level-2 addition problem keeps a child listening: the summed
// length of every recording the real addition window plays for one problem
// answered right at each column (three columns read aloud, each chosen
// number spoken back, a praise after each), for one or more media sets:
//
//   bench_problem_speech MEDIA-DIR [MEDIA-DIR...]
//
// The window runs with the recording wave player, so nothing is heard and
// the figure is the recordings' own length, without the player's few
// milliseconds between pieces. It is the mean over 500 problems drawn as the
// window draws them (fixed seed, so every media set hears the same problems);
// praise is random in the program, so each praise counts as the mean praise
// weighted by how often it comes up.
#include "TestKit.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"
#include "ui/Numbers.h"
#include "ui/SinkWavePlayer.h"

#include <QApplication>
#include <QDir>
#include <QHash>

#include <cstdio>
#include <random>

using namespace kt;
using namespace kt::test;

namespace {

const QStringList kPraise{"great.wav",    "good.wav",  "yougotit.wav", "excell.wav",   "fantasti.wav",
                          "waytogo.wav",  "super.wav", "alright.wav",  "alright2.wav", "clap.wav",
                          "excell2.wav",  "good2.wav", "great2.wav",   "super2.wav"};

// Every recording named by one problem, in the order played.
QStringList playOneProblem(Sandbox& box, const QList<int>& digits)
{
    box.player->played.clear();
    // A1 and N1 first (N1 is 0..8), then A2, N2, N3, A3 (1..9); the last draw
    // puts the right answer in option 3 and keeps the wrong ones apart from it.
    QList<double> draws;
    for (int i = 0; i < digits.size(); ++i)
        draws << (i == 1 ? ScriptedRandom::pick(digits[i], 9, 0) : ScriptedRandom::pick(digits[i], 9, 1));
    box.random->values = draws << 0.999;
    box.random->position = 0;
    session().AddLevel = 2;
    Form* form = Forms::show(windows::Addition);
    for (int step = 1; step <= 3; ++step) {
        form->findChild<Timer*>(QStringLiteral("Timer2"))->fire();
        const QString question = form->findChild<QLabel*>(QStringLiteral("QuestionLabel"))->text();
        int expected = 0;
        for (const QString& term : question.split(QLatin1Char('+')))
            expected += int(val(term));
        for (int i = 1; i <= 3; ++i) {
            auto* option = form->findChild<OptionButton*>(elementName(QStringLiteral("Option1"), i));
            if (option->text() == plain(expected)) {
                doubleClick(option);
                break;
            }
        }
    }
    Forms::unload(windows::Addition);
    processEvents();
    return box.player->played;
}

double seconds(const QString& dir, const QString& name)
{
    QByteArray pcm;
    const QString path = Paths::findInDir(dir, name);
    return decodeWaveFile(path, sinkAudioFormat(), &pcm) ? pcm.size() / 2.0 / sinkAudioFormat().sampleRate() : 0.0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen windows' complaints about raising themselves are noise here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_problem_speech MEDIA-DIR [MEDIA-DIR...]\n");
        return 2;
    }

    // The same 500 problems for every media set.
    std::mt19937 generator(20261206);
    std::uniform_int_distribution<int> oneToNine(1, 9), zeroToEight(0, 8);
    QList<QStringList> problems;
    {
        Sandbox box;
        session().SoundOn = 1;
        for (int p = 0; p < 500; ++p) {
            QList<int> digits{oneToNine(generator), zeroToEight(generator)};
            for (int i = 0; i < 4; ++i)
                digits << oneToNine(generator);
            problems << playOneProblem(box, digits);
        }
    }

    std::printf("%-40s %9s %9s %9s %9s %7s\n", "media set", "reading", "answers", "praise", "total", "pieces");
    for (int a = 1; a < argc; ++a) {
        const QString dir = QDir(QString::fromLocal8Bit(argv[a])).absolutePath();
        QHash<QString, double> length;
        const auto lengthOf = [&](const QString& name) {
            const QString key = name.toLower();
            if (!length.contains(key))
                length.insert(key, seconds(dir, name));
            return length.value(key);
        };
        // Praise n (1..14) comes up with weight 1/26 at the ends and 1/13 between.
        double meanPraise = 0;
        for (int n = 0; n < kPraise.size(); ++n)
            meanPraise += lengthOf(kPraise[n]) * ((n == 0 || n == kPraise.size() - 1) ? 1.0 / 26 : 1.0 / 13);

        double reading = 0, answers = 0, praise = 0, pieces = 0;
        for (const QStringList& played : std::as_const(problems)) {
            // Each column: its reading ends with "equals"; then the chosen number, then a praise.
            bool afterEquals = false;
            for (const QString& name : played) {
                if (kPraise.contains(name, Qt::CaseInsensitive)) {
                    praise += meanPraise;
                    afterEquals = false;
                } else if (afterEquals) {
                    answers += lengthOf(name);
                } else {
                    reading += lengthOf(name);
                    afterEquals = name.compare(QStringLiteral("equals.WAV"), Qt::CaseInsensitive) == 0;
                }
                ++pieces;
            }
        }
        const double n = problems.size();
        std::printf("%-40s %8.2fs %8.2fs %8.2fs %8.2fs %7.1f\n", qPrintable(dir.right(40)),
                    reading / n, answers / n, praise / n, (reading + answers + praise) / n, pieces / n);
    }
    return 0;
}
