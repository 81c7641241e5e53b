// The generated media set in KITE_MEDIA_DIR: every recording name the program forms resolves
// (without regard to case) to real audio, every picture loads, the word lists are well formed.
#include "TestKit.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "ui/DataFile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

const QStringList kWords = {"plus", "minus", "times", "divide", "equals", "what", "goes", "how"};
const QStringList kLevelLists = {"Level1.lib", "Level2.lib", "Level3.lib", "Level4.lib"};
const QStringList kEnglishLists = {"s_noun.dat", "s_verb.dat", "p_noun.dat", "p_verb.dat", "Adject.dat", "Adverb.dat"};

// A sound file: RIFF WAVE with a fmt chunk and a data chunk of 0.1 to 5 s of audible 16-bit audio.
QString checkWave(const QByteArray& b)
{
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return QStringLiteral("not a RIFF WAVE file");
    quint32 byteRate = 0, dataSize = 0;
    qsizetype dataStart = -1;
    for (qsizetype pos = 12; pos + 8 <= b.size();) {
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        if (b.mid(pos, 4) == "fmt " && pos + 8 + 16 <= b.size())
            byteRate = qFromLittleEndian<quint32>(b.constData() + pos + 16);
        else if (b.mid(pos, 4) == "data") {
            dataStart = pos + 8;
            dataSize = quint32(qMin<qsizetype>(size, b.size() - pos - 8));
        }
        pos += 8 + size + (size & 1);
    }
    if (dataSize == 0 || byteRate == 0 || dataStart < 0)
        return QStringLiteral("no fmt chunk or no audio data");
    const double seconds = double(dataSize) / byteRate;
    if (seconds < 0.1 || seconds > 5.0)
        return QStringLiteral("odd length %1 s").arg(seconds);
    int peak = 0;
    for (qsizetype i = dataStart; i + 1 < dataStart + qsizetype(dataSize); i += 2)
        peak = qMax(peak, qAbs(int(qFromLittleEndian<qint16>(b.constData() + i))));
    return peak < 1000 ? QStringLiteral("silent") : QString();
}

// Every recording name the program forms apart from English words, lower case:
// what the real SayNumber asks for, praise, letters and the rest.
QSet<QString> recordingNames()
{
    kt::test::Sandbox sandbox(false);
    kt::session().SoundOn = 1;
    QStringList texts = kWords;
    texts << "0.5";
    for (int n = 0; n <= 999; ++n)
        texts << QString::number(n);
    for (const QString& text : std::as_const(texts))
        kt::SayNumber(text);
    QSet<QString> names{"tryagn2.wav", "tryagain.wav", "default.wav", "that.wav", "those.wav", "great.wav",
                        "good.wav", "yougotit.wav", "excell.wav", "fantasti.wav", "waytogo.wav", "super.wav",
                        "alright.wav", "alright2.wav", "clap.wav", "excell2.wav", "good2.wav", "great2.wav", "super2.wav"};
    for (const QString& piece : std::as_const(sandbox.player->played))
        names << piece.toLower();
    for (char c = 'a'; c <= 'z'; ++c)
        names << QString(QLatin1Char(c)) + QStringLiteral(".wav");
    return names;
}

} // namespace

class TestMediaSet : public QObject {
    Q_OBJECT

    QHash<QString, QString> m_byLowerName; // lower-case name -> actual path

    QString resolve(const QString& name) const { return m_byLowerName.value(name.toLower()); }
    QByteArray readAll(const QString& name) const
    {
        QFile f(resolve(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void expectSound(const QString& name)
    {
        const QString problem = resolve(name).isEmpty() ? QStringLiteral("missing") : checkWave(readAll(name));
        QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
    }
    // A word list: present, CRLF line ends throughout, every word 1 to 16 characters.
    void readList(const QString& list, QStringList* words)
    {
        QVERIFY2(!resolve(list).isEmpty(), qPrintable(list + " is missing"));
        const QByteArray bytes = readAll(list);
        QVERIFY2(bytes.endsWith("\r\n") && bytes.count("\n") == bytes.count("\r\n"), qPrintable(list + " has a line not ended by CR LF"));
        for (const QStringList& line : kt::FieldReader::readAll(bytes))
            for (const QString& w : line)
                *words << w.trimmed();
        for (const QString& w : std::as_const(*words))
            QVERIFY2(!w.isEmpty() && w.size() <= 16, qPrintable(list + QStringLiteral(": ") + w));
    }

private slots:
    void initTestCase()
    {
        const QDir dir(qEnvironmentVariable("KITE_MEDIA_DIR"));
        QVERIFY2(!dir.path().isEmpty() && dir.exists(), "KITE_MEDIA_DIR is not set or does not exist");
        for (const QString& e : dir.entryList(QDir::Files)) {
            QVERIFY2(!m_byLowerName.contains(e.toLower()), qPrintable(QStringLiteral("two files share the name ") + e));
            m_byLowerName.insert(e.toLower(), dir.filePath(e));
        }
    }

    void everyRecordingIsThere()
    {
        for (const QString& name : recordingNames())
            expectSound(name);
    }

    // The sentence builder plays the first 8 characters of a word: each must be recorded under a name of its own.
    void englishLists()
    {
        const QSet<QString> fixed = recordingNames();
        QHash<QString, QString> owner;
        for (const QString& list : kEnglishLists) {
            QStringList words;
            readList(list, &words);
            QVERIFY2(words.size() >= 10, qPrintable(list));
            for (const QString& w : std::as_const(words)) {
                const QString name = w.left(8).toLower() + QStringLiteral(".wav");
                expectSound(name);
                QVERIFY2(!owner.contains(name) && !fixed.contains(name),
                         qPrintable(QStringLiteral("%1 (%2) shares %3 with %4").arg(w, list, name, owner.value(name))));
                owner.insert(name, w + QStringLiteral(" (") + list + QLatin1Char(')'));
            }
        }
    }

    void levelListsGrowHarder()
    {
        double previous = 0;
        for (const QString& list : kLevelLists) {
            QStringList words;
            readList(list, &words);
            for (const QByteArray& line : readAll(list).split('\n'))
                QVERIFY2(line.isEmpty() || (line.startsWith('"') && line.endsWith("\"\r")), line.constData());
            QVERIFY2(words.size() >= 40 && words.size() <= 60, qPrintable(QStringLiteral("%1 words").arg(words.size())));
            QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(), words.size());
            double total = 0;
            for (const QString& w : std::as_const(words)) {
                total += w.size();
                // The drill spells each word aloud letter by letter.
                for (QChar c : w)
                    QVERIFY2(!resolve(QString(c) + QStringLiteral(".wav")).isEmpty(), qPrintable(w + ": no recording for " + c));
            }
            QVERIFY2(total / words.size() > previous, qPrintable(list));
            previous = total / words.size();
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QList<QPair<QStringList, QSize>> sizes{
            {{"dog.bmp", "worm.bmp", "woolly.bmp"}, {641, 480}}, {{"mouse.bmp"}, {480, 360}},
            {{"face1.bmp", "face1smile.bmp", "face1laugh.bmp", "face10.bmp", "face10smile.bmp", "face100.bmp"}, {32, 32}},
            {{"about1.bmp", "about2.bmp"}, {96, 96}}, {{"planet.bmp"}, {100, 100}}, {{"bee.bmp"}, {48, 48}}};
        for (const auto& [names, size] : sizes)
            for (const QString& name : names)
                QTest::newRow(qPrintable(name)) << name << size;
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray bytes = readAll(name);
        QVERIFY2(bytes.startsWith("BM"), qPrintable(name + " is missing or no bitmap"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        const QImage img(resolve(name));
        QCOMPARE(img.size(), size);
        // A real drawing, not a blank fill: no single colour covers 95% of it.
        QHash<QRgb, int> colours;
        int commonest = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                commonest = qMax(commonest, ++colours[img.pixel(x, y)]);
        QVERIFY2(colours.size() >= 2 && commonest < 0.95 * img.width() * img.height(), qPrintable(name + " looks blank"));
    }

    void programIcon() { QCOMPARE(QImage(resolve(QStringLiteral("org.kitetutor.KiteTutor.png"))).size(), QSize(128, 128)); }
};

QTEST_MAIN(TestMediaSet)
#include "tst_media_set.moc"
