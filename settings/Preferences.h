// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own preferences: what the user chose for the program rather
// than for a route (the panel's magnification, its pages of ticket numbers,
// 自動運行's times, the stop request's chime, the voice of the announcements
// and how it speaks, the language of the words). They are kept between runs in
// kerubara.conf (QSettings, organisation and application "kerubara"), never
// in the settings file, and each is one row of preferences::table().

#include "reslib/VoiceRanges.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <array>
#include <vector>

namespace kerubara {

// Whether a run takes the user's remembered preferences and keeps what the
// user chooses (the program), or starts from the defaults and neither reads
// nor keeps any (a render of the data tool, which its options and the
// settings file alone decide).
enum class Preferences { Remembered, Defaults };

enum class Preference {
    PanelZoom,
    FareDigits,
    TicketPages,
    PageSeconds,
    StopRequestSound,
    AutoRunDwell,
    AutoRunTravel,
    Voice,
    VoiceRate,
    VoicePitch,
    VoiceVolume,
    VoiceAllPass,
    Language,
};

namespace preferences {

// One preference: its key in kerubara.conf, whether it is a number or a
// text, the numbers it may take and its default. A stored number outside
// the range, or not a number, reads as the default. The default may lie
// outside the range (the all-pass constant's "the voice's own"): it is a
// value the preference takes too.
struct Row
{
    Preference id;
    QString key;
    bool text = false;
    int minimum = 0;
    int maximum = 0;
    int fallback = 0; // a text's default is empty
};

// Every preference, in the order of the enum.
const std::vector<Row> &table();
const Row &row(Preference id);

// The magnification, the fare cells' digits and the pages of ticket numbers
// the panel offers.
inline constexpr int kMaxZoom = 3;
inline constexpr int kMinFareDigits = 3;
inline constexpr int kMaxFareDigits = 4;
inline constexpr int kMaxTicketPages = 4;
inline constexpr int kDefaultPageSeconds = 3;
inline constexpr int kMaxPageSeconds = 60;

// The voice's rate in percent of its own pace, its pitch in half-tones from
// its own, its volume in percent and its all-pass constant (声質) in
// hundredths, kVoicesOwnAllPass keeping the voice's own. The voice itself is
// a text: empty for the default choice, "espeak" or a voice file.
inline constexpr int kMinVoiceRate = voiceranges::kMinRate;
inline constexpr int kMaxVoiceRate = voiceranges::kMaxRate;
inline constexpr int kDefaultVoiceRate = voiceranges::kDefaultRate;
inline constexpr int kMinVoicePitch = voiceranges::kMinPitch;
inline constexpr int kMaxVoicePitch = voiceranges::kMaxPitch;
inline constexpr int kMinVoiceVolume = voiceranges::kMinVolume;
inline constexpr int kMaxVoiceVolume = voiceranges::kMaxVolume;
inline constexpr int kVoicesOwnAllPass = voiceranges::kVoicesOwn;
inline constexpr int kMinVoiceAllPass = voiceranges::kMinAllPass;
inline constexpr int kMaxVoiceAllPass = voiceranges::kMaxAllPass;

// The language of the program's words, a text: "ja" or "en", empty to
// follow the locale. A change takes effect at the next start.
inline const QString kLanguageJapanese = QStringLiteral("ja");
inline const QString kLanguageEnglish = QStringLiteral("en");

// The voice's own file of the program's earlier versions, voice.ini in the
// user's configuration folder for kerubara. Its values are moved into the
// preferences once, the first time the remembered preferences are opened
// without any of the voice's; the file is left where it is.
QString oldVoiceFile();

} // namespace preferences

// The preferences of one run. With Preferences::Remembered a value is read
// from kerubara.conf and a change is written there at once; with
// Preferences::Defaults every preference starts at its default and a change
// lasts for the run.
class PreferenceStore : public QObject
{
    Q_OBJECT

public:
    // With Preferences::Remembered, a voice.ini of an earlier version is
    // taken in first (see preferences::oldVoiceFile()).
    explicit PreferenceStore(Preferences mode, QObject *parent = nullptr);

    Preferences mode() const { return mode_; }

    // A number preference: the stored value when it is in range, else the
    // default.
    int number(Preference id) const;
    // A text preference; empty when none is stored.
    QString text(Preference id) const;

    // Keeps a new value: a number other than the default is brought within
    // its range first, an empty text removes the preference. changed()
    // follows when the value differs from the one held.
    void setNumber(Preference id, int value);
    void setText(Preference id, const QString &value);

signals:
    void changed(Preference id);

private:
    QVariant stored(Preference id) const;
    void keep(Preference id, const QVariant &value);
    void takeOldVoiceFile();

    Preferences mode_;
    // What this run holds in place of kerubara.conf (Defaults), by the
    // enum's order; invalid when the default stands.
    std::array<QVariant, 13> memory_;
};

} // namespace kerubara
