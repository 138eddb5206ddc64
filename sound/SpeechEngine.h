#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace kerubara {

// The five operations the announcement tape asks of a speech engine.
class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;

    // Cuts off whatever is being spoken, at once.
    virtual void VoiceStop() = 0;
    // Starts speaking `text` and returns at once; the speech runs on in the
    // background until it ends or VoiceStop is called.
    virtual void VoiceSpeak(const QString &text) = 0;
    // -1 when speaking failed; any other value is the engine's own.
    virtual std::int32_t VoiceStatus() = 0;
    // Shows the engine's settings dialog, modal over `owner`, with `title`.
    virtual void VoiceDialog(QWidget *owner, const QString &title) = 0;
};

} // namespace kerubara
