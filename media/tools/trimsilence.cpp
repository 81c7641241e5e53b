// SPDX-License-Identifier: GPL-3.0-or-later
// kite-trimsilence: cuts the silence off both ends of a recording.
//
//   kite-trimsilence IN.wav OUT.wav
//
// IN is 16-bit PCM WAV (mono or not), as sox writes it. Silence is every
// sample quieter than -50 dBFS; the recording is cut 4 ms before its first
// louder sample and 4 ms after its last, and those 4 ms fade in and out, so a
// cut never clicks and a soft onset below the threshold is kept. Recordings
// played one after another then join like one phrase.
//
// A plain tool without Qt: it runs once per recording at build time, and its
// start costs nothing.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr double kSilenceDbfs = -50.0;
constexpr double kMarginSeconds = 0.004;

std::uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }
void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back((v >> (8 * i)) & 0xFF);
}
void put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(v & 0xFF);
    out.push_back(v >> 8);
}

struct Wave {
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::vector<std::int16_t> samples; // interleaved
};

bool readWave(const char* path, Wave* wave)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return false;
    bool pcm16 = false;
    for (size_t pos = 12; pos + 8 <= b.size();) {
        const std::uint32_t size = le32(&b[pos + 4]);
        const size_t body = pos + 8, end = std::min(b.size(), body + size);
        if (std::memcmp(&b[pos], "fmt ", 4) == 0 && size >= 16 && body + 16 <= b.size()) {
            // PCM, or WAVE_FORMAT_EXTENSIBLE (which sox writes for some layouts) holding PCM.
            const std::uint16_t format = le16(&b[body]);
            wave->channels = le16(&b[body + 2]);
            wave->rate = le32(&b[body + 4]);
            pcm16 = (format == 1 || format == 0xFFFE) && le16(&b[body + 14]) == 16;
        } else if (std::memcmp(&b[pos], "data", 4) == 0) {
            for (size_t i = body; i + 1 < end; i += 2)
                wave->samples.push_back(std::int16_t(le16(&b[i])));
        }
        pos = body + size + (size & 1);
    }
    return pcm16 && wave->channels > 0 && wave->rate > 0 && !wave->samples.empty();
}

bool writeWave(const char* path, const Wave& wave)
{
    std::vector<unsigned char> out;
    const std::uint32_t dataBytes = std::uint32_t(wave.samples.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, 1);
    put16(out, wave.channels);
    put32(out, wave.rate);
    put32(out, wave.rate * wave.channels * 2);
    put16(out, std::uint16_t(wave.channels * 2));
    put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, dataBytes);
    for (const std::int16_t s : wave.samples)
        put16(out, std::uint16_t(s));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    return bool(file);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kite-trimsilence IN.wav OUT.wav\n");
        return 2;
    }
    Wave wave;
    if (!readWave(argv[1], &wave)) {
        std::fprintf(stderr, "kite-trimsilence: %s is not a 16-bit PCM WAV file\n", argv[1]);
        return 1;
    }
    const int threshold = int(std::lround(32768.0 * std::pow(10.0, kSilenceDbfs / 20.0)));
    const size_t frames = wave.samples.size() / wave.channels;
    const auto loud = [&](size_t frame) {
        for (size_t c = 0; c < wave.channels; ++c)
            if (std::abs(int(wave.samples[frame * wave.channels + c])) >= threshold)
                return true;
        return false;
    };
    size_t first = 0;
    while (first < frames && !loud(first))
        ++first;
    if (first == frames) {
        std::fprintf(stderr, "kite-trimsilence: %s is silent\n", argv[1]);
        return 1;
    }
    size_t last = frames - 1;
    while (!loud(last))
        --last;

    const size_t margin = size_t(std::lround(kMarginSeconds * wave.rate));
    const size_t begin = first > margin ? first - margin : 0;
    const size_t end = std::min(frames, last + 1 + margin);
    Wave out = wave;
    out.samples.assign(wave.samples.begin() + std::ptrdiff_t(begin * wave.channels),
                       wave.samples.begin() + std::ptrdiff_t(end * wave.channels));
    // Fade over the margins: from the cut up to the first loud sample, and
    // from the last loud sample down to the cut.
    const size_t kept = end - begin, fadeIn = first - begin, fadeOut = end - 1 - last;
    for (size_t i = 0; i < kept; ++i) {
        double gain = 1.0;
        if (i < fadeIn)
            gain = double(i) / double(fadeIn);
        else if (kept - 1 - i < fadeOut)
            gain = double(kept - 1 - i) / double(fadeOut);
        if (gain < 1.0)
            for (size_t c = 0; c < wave.channels; ++c) {
                std::int16_t& s = out.samples[i * wave.channels + c];
                s = std::int16_t(std::lround(s * gain));
            }
    }
    if (!writeWave(argv[2], out)) {
        std::fprintf(stderr, "kite-trimsilence: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
