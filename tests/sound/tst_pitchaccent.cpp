// SPDX-License-Identifier: GPL-3.0-or-later
// Pitch accent heard in the samples of an HTS voice: the front end's labels
// spoken by the HTS engine, the pitch measured from the sound.

#include "sound/FullContextLabels.h"
#include "sound/JapaneseReader.h"
#include "sound/SpeechText.h"

#include <HTS_engine.h>

#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

using namespace kerubara;

namespace {

const QString kVoice = QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");

// Labels spoken straight through the HTS engine: the samples and where the
// sound of each label begins and ends.
struct Speech
{
    std::vector<double> samples;
    int rate = 0;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
};

class HtsVoice
{
public:
    HtsVoice() { HTS_Engine_initialize(&engine_); }
    ~HtsVoice() { HTS_Engine_clear(&engine_); }
    HtsVoice(const HtsVoice &) = delete;
    HtsVoice &operator=(const HtsVoice &) = delete;

    bool load(const QString &file)
    {
        QByteArray path = QFile::encodeName(file);
        char *voices[] = {path.data()};
        return HTS_Engine_load(&engine_, voices, 1);
    }

    std::optional<Speech> speak(const QStringList &labels)
    {
        std::vector<QByteArray> bytes;
        std::vector<char *> lines;
        for (const QString &l : labels)
            bytes.push_back(l.toUtf8());
        for (QByteArray &b : bytes)
            lines.push_back(b.data());
        if (!HTS_Engine_synthesize_from_strings(&engine_, lines.data(), lines.size()))
            return std::nullopt;
        Speech s;
        s.rate = static_cast<int>(HTS_Engine_get_sampling_frequency(&engine_));
        for (std::size_t i = 0; i < HTS_Engine_get_nsamples(&engine_); ++i)
            s.samples.push_back(HTS_Engine_get_generated_speech(&engine_, i));
        const std::size_t states = HTS_Engine_get_nstate(&engine_);
        const std::size_t period = HTS_Engine_get_fperiod(&engine_);
        std::size_t at = 0;
        for (qsizetype l = 0; l < labels.size(); ++l) {
            std::size_t frames = 0;
            for (std::size_t k = 0; k < states; ++k)
                frames += HTS_Engine_get_state_duration(&engine_, static_cast<std::size_t>(l) * states + k);
            s.spans.emplace_back(at, at + frames * period);
            at += frames * period;
        }
        HTS_Engine_refresh(&engine_);
        return s;
    }

private:
    HTS_Engine engine_;
};

// The pitch in Hz around samples [from, to): the median over 30 ms frames
// centred every 5 ms in it, at a third of the rate, of those whose
// normalised autocorrelation finds a clear period between 70 and 400 Hz;
// 0 when none is voiced.
double pitch(const Speech &s, std::size_t from, std::size_t to)
{
    const double rate = s.rate / 3.0;
    const auto window = static_cast<std::size_t>(0.030 * rate);
    const auto hop = static_cast<std::size_t>(0.005 * rate);
    const auto shortest = static_cast<std::size_t>(rate / 400.0);
    const auto longest = static_cast<std::size_t>(rate / 70.0);
    std::vector<double> x;
    for (std::size_t i = 0; i + 3 <= s.samples.size(); i += 3)
        x.push_back((s.samples[i] + s.samples[i + 1] + s.samples[i + 2]) / 3.0);
    std::vector<double> found;
    for (std::size_t centre = from / 3; centre < to / 3; centre += hop) {
        if (centre < window / 2 || centre + window / 2 + longest >= x.size())
            continue;
        const std::size_t start = centre - window / 2;
        double best = 0;
        std::size_t bestLag = 0;
        for (std::size_t lag = shortest; lag <= longest; ++lag) {
            double xy = 0, xx = 0, yy = 0;
            for (std::size_t n = start; n < start + window; ++n) {
                xy += x[n] * x[n + lag];
                xx += x[n] * x[n];
                yy += x[n + lag] * x[n + lag];
            }
            const double r = xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0;
            if (r > best) {
                best = r;
                bestLag = lag;
            }
        }
        if (best > 0.7)
            found.push_back(rate / static_cast<double>(bestLag));
    }
    if (found.empty())
        return 0;
    std::nth_element(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(found.size() / 2), found.end());
    return found[found.size() / 2];
}

} // namespace

class tst_PitchAccent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lowStartWordsRiseIntoTheirSecondMora_data();
    void lowStartWordsRiseIntoTheirSecondMora();

private:
    // How far the pitch rises from the first vowel of `word` to its second
    // in 次は、「word」です, in semitones.
    double riseIntoSecondMora(const QString &word);

    std::unique_ptr<JapaneseReader> reader_;
    std::unique_ptr<JapaneseFrontEnd> frontEnd_;
    HtsVoice voice_;
};

void tst_PitchAccent::initTestCase()
{
    if (!QFileInfo::exists(kVoice))
        QSKIP("the HTS voice hts-voice-nitech-jp-atr503-m001 (Debian contrib) is not installed");
    QVERIFY(voice_.load(kVoice));
    reader_ = JapaneseReader::create();
    QVERIFY(reader_);
    AccentProblem why;
    frontEnd_ = JapaneseFrontEnd::create(*reader_, &why);
    QVERIFY2(frontEnd_, qPrintable(QStringLiteral("accent dictionary problem %1 with %2").arg(int(why.kind)).arg(why.folder)));
}

double tst_PitchAccent::riseIntoSecondMora(const QString &word)
{
    const SpokenText spoken = frontEnd_->analyse(QStringLiteral("次は、") + word + QStringLiteral("です"));
    const auto speech = voice_.speak(spoken.labels);
    if (!speech)
        return std::nan("");
    // The word's first two vowels: the first two after the pause.
    std::vector<qsizetype> vowels;
    bool inWord = false;
    for (qsizetype i = 0; i < spoken.labels.size() && vowels.size() < 2; ++i) {
        const QString phoneme = labelPhoneme(spoken.labels[i]);
        if (phoneme == u"pau")
            inWord = true;
        else if (inWord && phoneme.size() == 1 && QStringView(u"aiueo").contains(phoneme[0]))
            vowels.push_back(i);
    }
    if (vowels.size() < 2)
        return std::nan("");
    // The middle of each vowel, away from the consonants on either side.
    auto middle = [&](qsizetype label) {
        const auto [from, to] = speech->spans[static_cast<std::size_t>(label)];
        const std::size_t fifth = (to - from) / 5;
        return pitch(*speech, from + fifth, to - fifth);
    };
    const double first = middle(vowels[0]);
    const double second = middle(vowels[1]);
    if (first <= 0 || second <= 0)
        return std::nan("");
    return 12.0 * std::log2(second / first);
}

// Head-high words fall after their first mora; low-start words rise into
// their second (flat ones and those falling after their second mora alike).
void tst_PitchAccent::lowStartWordsRiseIntoTheirSecondMora_data()
{
    QTest::addColumn<QString>("headHigh");
    QTest::addColumn<QString>("lowStart");
    QTest::newRow("箸/橋") << "箸" << "橋";
    QTest::newRow("雨/飴") << "雨" << "飴";
    QTest::newRow("神/紙") << "神" << "紙";
    QTest::newRow("牡蠣/柿") << "牡蠣" << "柿";
    QTest::newRow("鮭/酒") << "鮭" << "酒";
    QTest::newRow("秋/空き") << "秋" << "空き";
    QTest::newRow("肩/型") << "肩" << "型";
    QTest::newRow("赤/垢") << "赤" << "垢";
    QTest::newRow("海/膿") << "海" << "膿";
    QTest::newRow("意志/石") << "意志" << "石";
    QTest::newRow("朝/麻") << "朝" << "麻";
}

void tst_PitchAccent::lowStartWordsRiseIntoTheirSecondMora()
{
    QFETCH(QString, headHigh);
    QFETCH(QString, lowStart);
    const double high = riseIntoSecondMora(headHigh);
    const double low = riseIntoSecondMora(lowStart);
    QVERIFY2(!std::isnan(high) && !std::isnan(low), "no pitch found in the word's first two vowels");
    qInfo("%s %+.1f, %s %+.1f semitones", qPrintable(headHigh), high, qPrintable(lowStart), low);
    // Clearly: by two semitones or more, about a quarter of the span of speech.
    QVERIFY2(low - high >= 2.0, qPrintable(QStringLiteral("%1 %2, %3 %4").arg(headHigh).arg(high).arg(lowStart).arg(low)));
}

QTEST_GUILESS_MAIN(tst_PitchAccent)
#include "tst_pitchaccent.moc"
