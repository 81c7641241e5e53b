// Checks the generated media set in KITE_MEDIA_DIR: every recording name the
// program can form resolves (without regard to case, as the program looks
// names up) to a sound file with real audio, every picture loads, and the
// word lists are well formed.

#include "TestKit.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "ui/DataFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QtEndian>

namespace {

const QStringList kPraise = {"great.wav",   "good.wav",    "yougotit.wav", "excell.wav",
                             "fantasti.wav", "waytogo.wav", "super.wav",    "alright.wav",
                             "alright2.wav", "clap.wav",    "excell2.wav",  "good2.wav",
                             "great2.wav",   "super2.wav"};
const QStringList kWords = {"plus", "minus", "times", "divide", "equals", "what", "goes", "how"};
const QStringList kLevelLists = {"Level1.lib", "Level2.lib", "Level3.lib", "Level4.lib"};
const QStringList kEnglishLists = {"s_noun.dat", "s_verb.dat", "p_noun.dat",
                                   "p_verb.dat", "Adject.dat", "Adverb.dat"};

struct Picture {
    const char *name;
    int width;
    int height;
};
const Picture kPictures[] = {
    {"dog.bmp", 641, 480},     {"worm.bmp", 641, 480},       {"mouse.bmp", 480, 360},
    {"woolly.bmp", 641, 480},  {"face1.bmp", 32, 32},        {"face1smile.bmp", 32, 32},
    {"face1laugh.bmp", 32, 32}, {"face10.bmp", 32, 32},      {"face10smile.bmp", 32, 32},
    {"face100.bmp", 32, 32},   {"about1.bmp", 96, 96},       {"about2.bmp", 96, 96},
    {"planet.bmp", 100, 100},  {"bee.bmp", 48, 48},
};

} // namespace

class TestMediaSet : public QObject
{
    Q_OBJECT

private:
    QDir m_dir;
    QHash<QString, QString> m_byLowerName; // lower-case name -> actual path

    QString resolve(const QString &name) const { return m_byLowerName.value(name.toLower()); }

    QByteArray readAll(const QString &name) const
    {
        QFile f(resolve(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QStringList listWords(const QString &name) const
    {
        QStringList words;
        for (const QStringList &line : kt::FieldReader::readAll(readAll(name)))
            for (const QString &w : line)
                words << w.trimmed();
        return words;
    }

    // A sound file: RIFF WAVE with a fmt chunk and a data chunk holding audio.
    static QString checkWave(const QByteArray &b)
    {
        if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
            return QStringLiteral("not a RIFF WAVE file");
        qsizetype pos = 12;
        quint32 byteRate = 0;
        quint32 dataSize = 0;
        qsizetype dataStart = 0;
        bool haveFmt = false, haveData = false;
        while (pos + 8 <= b.size()) {
            const QByteArray id = b.mid(pos, 4);
            const quint32 size = qFromLittleEndian<quint32>(b.constData() + pos + 4);
            if (id == "fmt " && pos + 8 + 16 <= b.size()) {
                haveFmt = true;
                byteRate = qFromLittleEndian<quint32>(b.constData() + pos + 8 + 8);
            } else if (id == "data") {
                haveData = true;
                dataStart = pos + 8;
                dataSize = quint32(qMin<qsizetype>(size, b.size() - pos - 8));
            }
            pos += 8 + size + (size & 1);
        }
        if (!haveFmt || !haveData)
            return QStringLiteral("missing fmt or data chunk");
        if (dataSize == 0 || byteRate == 0)
            return QStringLiteral("no audio data");
        const double seconds = double(dataSize) / byteRate;
        if (seconds < 0.1 || seconds > 5.0)
            return QStringLiteral("odd length %1 s").arg(seconds);
        // Not silent: some sample of the data chunk well away from zero (16-bit PCM).
        int peak = 0;
        for (qsizetype i = dataStart; i + 1 < dataStart + qsizetype(dataSize); i += 2)
            peak = qMax(peak, qAbs(int(qFromLittleEndian<qint16>(b.constData() + i))));
        if (peak < 1000)
            return QStringLiteral("silent");
        return QString();
    }

    void expectSound(const QString &name)
    {
        const QString path = resolve(name);
        QVERIFY2(!path.isEmpty(), qPrintable(name + QStringLiteral(" is missing")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString problem = checkWave(f.readAll());
        QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
    }

    QSet<QString> fixedRecordingNames() const
    {
        QSet<QString> names;
        for (int n = 0; n < 20; ++n)
            names << QStringLiteral("%1.wav").arg(n);
        for (int n = 20; n < 100; n += 10)
            names << QStringLiteral("%1.wav").arg(n);
        for (int n = 100; n < 1000; n += 100)
            names << QStringLiteral("%1.wav").arg(n);
        for (const QString &w : kWords)
            names << w + QStringLiteral(".wav");
        for (const QString &p : kPraise)
            names << p;
        for (char c = 'a'; c <= 'z'; ++c)
            names << QString(QLatin1Char(c)) + QStringLiteral(".wav");
        names << "point.wav" << "tryagn2.wav" << "tryagain.wav" << "default.wav" << "that.wav"
              << "those.wav";
        return names;
    }

private slots:
    void initTestCase()
    {
        const QString dir = qEnvironmentVariable("KITE_MEDIA_DIR");
        QVERIFY2(!dir.isEmpty(), "KITE_MEDIA_DIR is not set");
        m_dir = QDir(dir);
        QVERIFY2(m_dir.exists(), qPrintable(dir + QStringLiteral(" does not exist")));
        const QStringList entries = m_dir.entryList(QDir::Files);
        for (const QString &e : entries) {
            const QString key = e.toLower();
            QVERIFY2(!m_byLowerName.contains(key),
                     qPrintable(QStringLiteral("two files share the name ") + key));
            m_byLowerName.insert(key, m_dir.filePath(e));
        }
    }

    // Every name the program forms when it speaks a number, asked of the real
    // SayNumber through a recording player, is a file of the media set.
    void everyNumberIsSpoken()
    {
        kt::test::Sandbox sandbox(false);
        kt::session().SoundOn = 1;
        QStringList texts;
        for (int n = 0; n <= 999; ++n)
            texts << QString::number(n);
        texts << QStringLiteral("-7") << QStringLiteral("1234") << QStringLiteral("0.25")
              << QStringLiteral("12.75") << QStringLiteral("3.1416") << QStringLiteral("9.08");
        for (const QString &word : kWords)
            texts << word;
        for (const QString &text : std::as_const(texts)) {
            sandbox.player->played.clear();
            kt::SayNumber(text);
            QVERIFY2(!sandbox.player->played.isEmpty(), qPrintable(text));
            for (const QString &piece : std::as_const(sandbox.player->played))
                QVERIFY2(!resolve(piece).isEmpty(), qPrintable(text + QStringLiteral(" needs ") + piece));
        }
        // Every praise the program can pick, and the try-again.
        for (int k = 0; k <= 13; ++k) {
            sandbox.random->values = {qMin(k / 13.0, 0.999)};
            sandbox.random->position = 0;
            expectSound(kt::PickPraise(1));
        }
        expectSound(kt::PickPraise(0));
    }

    void fixedRecordings_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = fixedRecordingNames().values();
        names.sort();
        for (const QString &n : names)
            QTest::newRow(qPrintable(n)) << n;
        // The forms the program actually asks for, upper-case extensions included.
        for (const QString &w : kWords)
            QTest::newRow(qPrintable(w + ".WAV")) << w + ".WAV";
        for (char c = 'A'; c <= 'Z'; ++c)
            QTest::newRow(qPrintable(QString(QLatin1Char(c)) + ".WAV"))
                << QString(QLatin1Char(c)) + ".WAV";
        QTest::newRow("That.wav") << "That.wav";
        QTest::newRow("Those.wav") << "Those.wav";
    }
    void fixedRecordings()
    {
        QFETCH(QString, name);
        expectSound(name);
    }

    void everySoundFileIsAudio()
    {
        int count = 0;
        for (auto it = m_byLowerName.cbegin(); it != m_byLowerName.cend(); ++it) {
            if (!it.key().endsWith(QLatin1String(".wav")))
                continue;
            expectSound(it.key());
            ++count;
        }
        QVERIFY(count >= 150);
    }

    void englishWordsAreRecorded_data()
    {
        QTest::addColumn<QString>("word");
        for (const QString &list : kEnglishLists)
            for (const QString &w : listWords(list))
                QTest::newRow(qPrintable(list + ":" + w)) << w;
    }
    void englishWordsAreRecorded()
    {
        QFETCH(QString, word);
        // The sentence builder plays the first 8 characters of the word.
        expectSound(word.left(8) + QStringLiteral(".wav"));
    }

    void englishListsAreWellFormed_data()
    {
        QTest::addColumn<QString>("list");
        for (const QString &l : kEnglishLists)
            QTest::newRow(qPrintable(l)) << l;
    }
    void englishListsAreWellFormed()
    {
        QFETCH(QString, list);
        QVERIFY2(!resolve(list).isEmpty(), qPrintable(list + " is missing"));
        const QByteArray bytes = readAll(list);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
        const QStringList words = listWords(list);
        QVERIFY(words.size() >= 10);
        for (const QString &w : words) {
            QVERIFY2(!w.isEmpty(), qPrintable(list));
            QVERIFY2(w.size() <= 16, qPrintable(w));
        }
    }

    void englishRecordingNamesAreUnique()
    {
        const QSet<QString> fixed = fixedRecordingNames();
        QHash<QString, QString> owner;
        for (const QString &list : kEnglishLists) {
            for (const QString &w : listWords(list)) {
                const QString name = w.left(8).toLower() + QStringLiteral(".wav");
                QVERIFY2(!owner.contains(name),
                         qPrintable(QStringLiteral("%1 (%2) and %3 share %4")
                                        .arg(w, list, owner.value(name), name)));
                QVERIFY2(!fixed.contains(name),
                         qPrintable(w + QStringLiteral(" would share ") + name));
                owner.insert(name, w + QStringLiteral(" (") + list + QLatin1Char(')'));
            }
        }
    }

    void levelLists_data()
    {
        QTest::addColumn<QString>("list");
        for (const QString &l : kLevelLists)
            QTest::newRow(qPrintable(l)) << l;
    }
    void levelLists()
    {
        QFETCH(QString, list);
        QVERIFY2(!resolve(list).isEmpty(), qPrintable(list + " is missing"));
        const QByteArray bytes = readAll(list);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
        // Every field is a quoted word.
        for (const QByteArray &line : bytes.split('\n')) {
            if (line.isEmpty())
                continue;
            QVERIFY2(line.startsWith('"') && line.endsWith("\"\r"), line.constData());
        }
        const QStringList words = listWords(list);
        QVERIFY2(words.size() >= 40 && words.size() <= 60,
                 qPrintable(QStringLiteral("%1 words").arg(words.size())));
        QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(), words.size());
        for (const QString &w : words) {
            QVERIFY2(!w.isEmpty() && w.size() <= 16, qPrintable(w));
            // The drill spells each word aloud letter by letter.
            for (QChar c : w)
                QVERIFY2(!resolve(QString(c) + QStringLiteral(".wav")).isEmpty(),
                         qPrintable(w + QStringLiteral(": no recording for ") + c));
        }
    }

    void levelListsGrowHarder()
    {
        double previous = 0;
        for (const QString &list : kLevelLists) {
            const QStringList words = listWords(list);
            QVERIFY(!words.isEmpty());
            double total = 0;
            for (const QString &w : words)
                total += w.size();
            const double mean = total / words.size();
            QVERIFY2(mean > previous, qPrintable(list));
            previous = mean;
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (const Picture &p : kPictures)
            QTest::newRow(p.name) << QString::fromLatin1(p.name) << p.width << p.height;
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        const QString path = resolve(name);
        QVERIFY2(!path.isEmpty(), qPrintable(name + " is missing"));
        const QByteArray bytes = readAll(name);
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        QImage img(path);
        QVERIFY2(!img.isNull(), qPrintable(name + " does not load"));
        QCOMPARE(img.width(), width);
        QCOMPARE(img.height(), height);
        // A real drawing, not a blank fill: no single colour covers 95% of it.
        QHash<QRgb, int> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ++colours[img.pixel(x, y)];
        int commonest = 0;
        for (int count : std::as_const(colours))
            commonest = qMax(commonest, count);
        QVERIFY2(colours.size() >= 2 && commonest < 0.95 * img.width() * img.height(),
                 qPrintable(name + " looks blank"));
    }

    void programIcon()
    {
        const QImage icon(resolve(QStringLiteral("org.kitetutor.KiteTutor.png")));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(128, 128));
    }
};

QTEST_MAIN(TestMediaSet)
#include "tst_media_set.moc"
