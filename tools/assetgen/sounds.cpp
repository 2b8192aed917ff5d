#include "sounds.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tumbaro::assetgen {

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;

struct Note {
    double start;     // seconds
    double length;    // seconds
    double fromHz;    // pitch glides linearly from here...
    double toHz;      // ...to here
    double loudness;  // 0..1
};

void AppendLe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void AppendLe16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

QByteArray Wave(const std::vector<double>& samples)
{
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    AppendLe32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    AppendLe32(out, 16);
    AppendLe16(out, 1);  // PCM
    AppendLe16(out, 1);  // mono
    AppendLe32(out, SampleRate);
    AppendLe32(out, SampleRate * 2);
    AppendLe16(out, 2);
    AppendLe16(out, 16);
    out.append("data");
    AppendLe32(out, dataBytes);
    for (double s : samples)
        AppendLe16(out, static_cast<quint16>(static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32000.0))));
    return out;
}

// Sine notes with a short attack and an exponential tail, so no note clicks.
QByteArray Render(double seconds, const std::vector<Note>& notes, double overtone)
{
    std::vector<double> samples(static_cast<size_t>(seconds * SampleRate), 0.0);
    for (const Note& n : notes) {
        double phase = 0;
        const auto first = static_cast<size_t>(n.start * SampleRate);
        const auto count = static_cast<size_t>(n.length * SampleRate);
        for (size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double t = static_cast<double>(i) / SampleRate;
            const double hz = n.fromHz + (n.toHz - n.fromHz) * (t / n.length);
            phase += Tau * hz / SampleRate;
            const double attack = std::min(1.0, t / 0.004);
            const double release = std::min(1.0, (n.length - t) / 0.01);
            const double envelope = attack * release * std::exp(-t * 9.0 / n.length);
            samples[first + i] += n.loudness * envelope * (std::sin(phase) + overtone * std::sin(2.0 * phase));
        }
    }
    return Wave(samples);
}

} // namespace

QByteArray SwapSound()
{
    return Render(0.22, {{0.0, 0.11, 520, 880, 0.5}, {0.08, 0.14, 880, 620, 0.45}}, 0.25);
}

QByteArray QuestionSound()
{
    return Render(0.36, {{0.0, 0.16, 660, 660, 0.5}, {0.15, 0.21, 990, 990, 0.5}}, 0.15);
}

QByteArray DefaultSound()
{
    return Render(0.12, {{0.0, 0.12, 420, 300, 0.6}}, 0.3);
}

} // namespace tumbaro::assetgen
