// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MidiRenderer.h"
#include "sound/Resampler.h"
#include "sound/SoundCache.h"
#include "sound/WavDecoder.h"

#include "SoundFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using testing::WavFormat;

Q_DECLARE_METATYPE(testing::WavFormat)

class tst_SoundDecoding : public QObject
{
    Q_OBJECT

private slots:
    void decodesWavFormatsToStereoFloat_data();
    void decodesWavFormatsToStereoFloat();
    void wavPlaysToItsLastSampleAtEveryRate_data();
    void wavPlaysToItsLastSampleAtEveryRate();
    void eightBitWavEndsWithoutAClick();
    void resamplerKeepsTheEndOfSoundFedInPieces_data();
    void resamplerKeepsTheEndOfSoundFedInPieces();
    void refusesWhatIsNotWav_data();
    void refusesWhatIsNotWav();
    void rendersMidiForAsLongAsItPlays();
    void findsMidiInsideRiff_data();
    void findsMidiInsideRiff();
    void cacheDropsTheLeastRecentlyUsed();
    void cacheKeysTellFilesApartWhateverTheirNames();
};

void tst_SoundDecoding::decodesWavFormatsToStereoFloat_data()
{
    QTest::addColumn<WavFormat>("format");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<float>("tolerance");
    QTest::newRow("8-bit mono") << WavFormat::Pcm8 << 1 << 48000 << 0.01f;
    QTest::newRow("16-bit stereo") << WavFormat::Pcm16 << 2 << 48000 << 0.001f;
    QTest::newRow("float mono") << WavFormat::Float32 << 1 << 48000 << 0.0001f;
    QTest::newRow("mu-law mono") << WavFormat::MuLaw << 1 << 48000 << 0.02f;
    QTest::newRow("16-bit at 22.05 kHz is resampled") << WavFormat::Pcm16 << 1 << 22050 << 0.01f;
    QTest::newRow("16-bit at 44.1 kHz is resampled") << WavFormat::Pcm16 << 2 << 44100 << 0.01f;
}

void tst_SoundDecoding::decodesWavFormatsToStereoFloat()
{
    QFETCH(WavFormat, format);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(float, tolerance);
    const int frames = rate / 10; // 100 ms
    const auto pcm = decodeWav(testing::wavFile(testing::level(0.5f, frames, channels), channels, rate, format), 48000);
    QVERIFY(pcm);
    QCOMPARE(pcm->sampleRate, 48000);
    QVERIFY2(std::abs(pcm->frames() - 4800) <= 1, qPrintable(QString::number(pcm->frames())));
    // The middle of the sound, away from the resampler's edges, on both sides.
    const std::size_t mid = static_cast<std::size_t>(pcm->frames() / 2) * 2;
    QVERIFY2(std::fabs(pcm->samples[mid] - 0.5f) <= tolerance, qPrintable(QString::number(pcm->samples[mid])));
    QVERIFY(std::fabs(pcm->samples[mid + 1] - 0.5f) <= tolerance);
}

void tst_SoundDecoding::wavPlaysToItsLastSampleAtEveryRate_data()
{
    QTest::addColumn<WavFormat>("format");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("ms");
    for (const WavFormat format : {WavFormat::Pcm8, WavFormat::Pcm16}) {
        for (const int rate : {8000, 11025, 22050, 32000, 44100, 48000, 96000}) {
            for (const int ms : {10, 100, 1000}) {
                const char *bits = format == WavFormat::Pcm8 ? "8-bit" : "16-bit";
                QTest::addRow("%s, %d Hz, %d ms", bits, rate, ms) << format << rate << ms;
            }
        }
    }
}

void tst_SoundDecoding::wavPlaysToItsLastSampleAtEveryRate()
{
    QFETCH(WavFormat, format);
    QFETCH(int, rate);
    QFETCH(int, ms);
    constexpr int out = 48000;
    constexpr float body = 0.5f;
    constexpr float ending = -0.25f;
    // The sound's last fifth has a level of its own, so that its end can be
    // told from the rest.
    const int frames = rate * ms / 1000;
    const int tail = std::max(frames / 5, 8);
    std::vector<float> source = testing::level(body, frames - tail);
    const std::vector<float> end = testing::level(ending, tail);
    source.insert(source.end(), end.begin(), end.end());
    const auto pcm = decodeWav(testing::wavFile(source, 1, rate, format), out);
    QVERIFY(pcm);
    const double expected = static_cast<double>(frames) * out / rate;
    QVERIFY2(std::fabs(static_cast<double>(pcm->frames()) - expected) <= 1.0,
             qPrintable(QStringLiteral("%1 frames, expected %2").arg(pcm->frames()).arg(expected)));
    // Three source frames before the end the ending's level is there, on both sides.
    const auto at = static_cast<std::size_t>(static_cast<double>(frames - 3) * out / rate) * 2;
    QVERIFY2(std::fabs(pcm->samples[at] - ending) < 0.03f, qPrintable(QString::number(pcm->samples[at])));
    QVERIFY(std::fabs(pcm->samples[at + 1] - ending) < 0.03f);
}

void tst_SoundDecoding::eightBitWavEndsWithoutAClick()
{
    // 8-bit samples are unsigned: 0x00 is full negative, 0x80 silence. The
    // sound must fade from its last value towards silence, never beyond.
    constexpr int rate = 11025;
    constexpr float last = 0.25f;
    const auto pcm = decodeWav(testing::wavFile(testing::level(last, rate / 10), 1, rate, WavFormat::Pcm8), 48000);
    QVERIFY(pcm);
    const std::int64_t frames = pcm->frames();
    QVERIFY(frames > 4000);
    // The last 5 ms lie between a little below silence and the last value
    // with the filter's overshoot on a step (a fifth at most).
    for (std::int64_t f = frames - 240; f < frames; ++f) {
        const float s = pcm->samples[static_cast<std::size_t>(2 * f)];
        QVERIFY2(s > -0.03f && s < last * 1.2f, qPrintable(QStringLiteral("frame %1: %2").arg(f).arg(s)));
    }
}

void tst_SoundDecoding::resamplerKeepsTheEndOfSoundFedInPieces_data()
{
    QTest::addColumn<int>("inRate");
    QTest::addColumn<int>("outRate");
    QTest::addColumn<int>("piece");
    QTest::newRow("speech, 22.05 to 48 kHz, small pieces") << 22050 << 48000 << 100;
    QTest::newRow("speech, 22.05 to 44.1 kHz, one piece") << 22050 << 44100 << 100000;
    QTest::newRow("down, 48 to 44.1 kHz") << 48000 << 44100 << 777;
    QTest::newRow("same rate is copied") << 48000 << 48000 << 500;
}

void tst_SoundDecoding::resamplerKeepsTheEndOfSoundFedInPieces()
{
    QFETCH(int, inRate);
    QFETCH(int, outRate);
    QFETCH(int, piece);
    // Half a second of mono sound whose last 10 ms have a level of their own.
    const int frames = inRate / 2;
    const int tail = inRate / 100;
    std::vector<float> in = testing::level(0.5f, frames - tail);
    const std::vector<float> end = testing::level(-0.25f, tail);
    in.insert(in.end(), end.begin(), end.end());
    Resampler resampler(inRate, outRate, 1);
    QVERIFY(resampler.isValid());
    std::vector<float> out;
    for (int at = 0; at < frames; at += piece) {
        const int n = std::min(piece, frames - at);
        QVERIFY(resampler.convert(in.data() + at, static_cast<std::size_t>(n), false, out));
    }
    QVERIFY(resampler.convert(nullptr, 0, true, out));
    const double expected = static_cast<double>(frames) * outRate / inRate;
    QVERIFY2(std::fabs(static_cast<double>(out.size()) - expected) <= 1.0, qPrintable(QString::number(out.size())));
    const auto at = static_cast<std::size_t>(static_cast<double>(frames - 3) * outRate / inRate);
    QVERIFY2(std::fabs(out[at] + 0.25f) < 0.03f, qPrintable(QString::number(out[at])));
    QVERIFY(std::fabs(out[out.size() / 2] - 0.5f) < 0.01f);
}

void tst_SoundDecoding::refusesWhatIsNotWav_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("just some text, not a sound");
    QTest::newRow("midi") << testing::midiFile();
    QTest::newRow("header cut short") << testing::wavFile(testing::level(0.1f, 100), 1, 48000, WavFormat::Pcm16).left(20);
}

void tst_SoundDecoding::refusesWhatIsNotWav()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!decodeWav(bytes, 48000));
}

void tst_SoundDecoding::rendersMidiForAsLongAsItPlays()
{
    if (MidiRenderer::soundFontPath().isEmpty())
        QSKIP("no General MIDI sound font installed");
    MidiRenderer midi(48000);
    const auto pcm = midi.render(testing::midiFile(72, 2)); // one note, one second
    QVERIFY(pcm);
    QCOMPARE(testing::firstSound(pcm->samples) < 4800, true);
    // The note sounds for a second and then dies away, within a few seconds.
    QVERIFY2(pcm->frames() >= 48000 && pcm->frames() < 48000 * 6, qPrintable(QString::number(pcm->frames())));
    QVERIFY(!midi.render(testing::wavFile(testing::level(0.1f, 100), 1, 48000, WavFormat::Pcm16)));
    // The synthesizer is reused: a second piece renders as well.
    QVERIFY(midi.render(testing::midiFile(60, 1)));
}

void tst_SoundDecoding::findsMidiInsideRiff_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("found");
    const QByteArray smf = testing::midiFile();
    QByteArray rmid("RIFF");
    testing::putLe(rmid, static_cast<std::uint32_t>(12 + smf.size()), 4);
    rmid.append("RMIDdata");
    testing::putLe(rmid, static_cast<std::uint32_t>(smf.size()), 4);
    rmid.append(smf);
    QTest::newRow("standard midi file") << smf << true;
    QTest::newRow("riff midi") << rmid << true;
    QTest::newRow("riff wave") << testing::wavFile(testing::level(0.1f, 10), 1, 48000, WavFormat::Pcm16) << false;
    QTest::newRow("nothing") << QByteArray() << false;
}

void tst_SoundDecoding::findsMidiInsideRiff()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, found);
    const QByteArray smf = MidiRenderer::standardMidiData(bytes);
    QCOMPARE(!smf.isEmpty(), found);
    if (found)
        QVERIFY(smf.startsWith("MThd"));
}

void tst_SoundDecoding::cacheDropsTheLeastRecentlyUsed()
{
    auto sound = [](int frames) {
        auto p = std::make_shared<PcmBuffer>();
        p->samples.resize(static_cast<std::size_t>(frames) * 2);
        return p;
    };
    SoundCache cache(3 * 800); // room for three sounds of 100 frames
    cache.insert("a", sound(100));
    cache.insert("b", sound(100));
    cache.insert("c", sound(100));
    QVERIFY(cache.find("a")); // a is now the most recent
    cache.insert("d", sound(100));
    QVERIFY(cache.find("a"));
    QVERIFY(!cache.find("b"));
    QVERIFY(cache.find("c"));
    QVERIFY(cache.find("d"));
    cache.insert("huge", sound(10000)); // kept alone, however large
    QVERIFY(cache.find("huge"));
    QVERIFY(!cache.find("a"));
    QCOMPARE(cache.bytes(), std::size_t(80000));
}

void tst_SoundDecoding::cacheKeysTellFilesApartWhateverTheirNames()
{
    // Two files of one size and time, one named with a percent sign and
    // the other with that size where the sign stands.
    QTemporaryDir dir;
    const QDateTime time = QDateTime::currentDateTime().addDays(-1);
    for (const QString &name : {QStringLiteral("chime%3.wav"), QStringLiteral("chime44.wav")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.write(QByteArray(44, 'x')) == 44);
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    QVERIFY(SoundCache::keyFor(dir.filePath("chime%3.wav"), "wave") != SoundCache::keyFor(dir.filePath("chime44.wav"), "wave"));
}

QTEST_GUILESS_MAIN(tst_SoundDecoding)
#include "tst_sounddecoding.moc"
