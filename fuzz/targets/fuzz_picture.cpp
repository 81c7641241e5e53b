// SPDX-License-Identifier: GPL-3.0-or-later
// Reward pictures: any bytes under a picture's name go through readPicture,
// first as the name says (BMP), then through every image reader Qt probes
// (PNG, JPEG, GIF, ICO, PPM, XPM, ...). What comes back is nothing or a
// picture within the reader's 64 MB allocation limit. The test runs with
// -malloc_limit_mb=65, so no reader may allocate past that bound on the way,
// whatever size the header claims.
#include "Check.h"
#include "InputFile.h"
#include "ui/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <bit>
#include <iterator>
#include <utility>

namespace {
// Qt's image readers are not instrumented, so libFuzzer sees no coverage in
// them. Each kind of outcome (format found, decoded or not, pixel format,
// size class) calls a function of its own here, so an input reaching a new
// kind of picture counts as new coverage and stays in the corpus.
template <int N>
[[gnu::noinline]] void reached()
{
    static volatile int hits;
    hits = hits + 1;
}

template <int... N>
void reach(int kind, std::integer_sequence<int, N...>)
{
    static void (*const table[])() = {reached<N>...};
    table[kind % int(sizeof...(N))]();
}

void noteOutcome(const uint8_t* bytes, size_t size, const QImage& picture)
{
    static const char* const formats[] = {"bmp", "png", "jpeg", "gif", "ico", "cur", "pbm", "pgm", "ppm", "xbm", "xpm"};
    constexpr auto kinds = std::make_integer_sequence<int, 160>();
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), qsizetype(size));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    int found = int(std::size(formats));
    for (int i = 0; i < int(std::size(formats)); ++i)
        if (format == formats[i])
            found = i;
    reach(2 * found + (picture.isNull() ? 0 : 1), kinds);
    if (!picture.isNull()) {
        reach(32 + (int(picture.format()) & 63), kinds);
        reach(96 + (std::bit_width(quint64(picture.width()) * quint64(picture.height())) & 63), kinds);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The image plug-ins are found the way the program finds them.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QString path = writeInputFile(QStringLiteral("face1.bmp"), inputBytes(bytes, size));

    const QImage picture = kt::readPicture(path);
    if (!picture.isNull()) {
        KITE_CHECK(picture.width() > 0 && picture.height() > 0);
        KITE_CHECK(picture.sizeInBytes() <= qsizetype(64) * 1024 * 1024);
    }
    noteOutcome(bytes, size, picture);
    return 0;
}
