// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A started simulator that needs no person, sound card or voice: message
// boxes are recorded and answered OK, the lamp test does not wait, sound goes
// to a null output and the voice only records what it is asked to say. The
// program's end is recorded too.

#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "sound/SpeechEngine.h"
#include "windows/Simulator.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace testing {

struct RecordingVoice : kerubara::SpeechEngine
{
    QStringList *spoken;
    explicit RecordingVoice(QStringList *log) : spoken(log) {}
    void VoiceStop() override {}
    void VoiceSpeak(const QString &text) override { spoken->append(text); }
    std::int32_t VoiceStatus() override { return 0; }
};

class QuietSimulator
{
public:
    QList<kerubara::MsgBoxCall> messages;
    QStringList spoken;
    int ended = 0;
    // Runs while the lamp test would wait.
    std::function<void()> duringSleep;

    // Without a settings file unless one is given; started at once.
    explicit QuietSimulator(std::optional<kerubara::SettingsFilePaths> settingsFile = std::nullopt)
    {
        sim_ = std::make_unique<kerubara::Simulator>(std::move(settingsFile));
        sim_->start();
    }
    ~QuietSimulator() { sim_.reset(); }
    QuietSimulator(const QuietSimulator &) = delete;
    QuietSimulator &operator=(const QuietSimulator &) = delete;

    kerubara::Simulator &operator*() { return *sim_; }
    kerubara::Simulator *operator->() { return sim_.get(); }

private:
    kerubara::ScopedMsgBoxHandler boxes_{[this](const kerubara::MsgBoxCall &c) {
        messages << c;
        return int(kerubara::vbOK);
    }};
    kerubara::ScopedSleepHandler sleeps_{[this](int) {
        if (duringSleep)
            duringSleep();
    }};
    kerubara::ScopedAudioOutput audio_{[] { return std::make_unique<kerubara::NullAudioOutput>(); }};
    kerubara::ScopedSpeechEngine speech_{[this](kerubara::SoundSystem &) -> std::unique_ptr<kerubara::SpeechEngine> {
        return std::make_unique<RecordingVoice>(&spoken);
    }};
    kerubara::ScopedEndProgramHandler end_{[this] { ++ended; }};
    std::unique_ptr<kerubara::Simulator> sim_;
};

} // namespace testing
