#pragma once
// The game's three sounds, synthesised from a fixed recipe and written as
// 16-bit mono PCM wave files by hand (no encoder whose output might drift).

#include <QByteArray>

namespace tumbaro::assetgen {

constexpr int SampleRate = 22050;

QByteArray SwapSound();      // CHANGE.WAV: a quick two-note swish
QByteArray QuestionSound();  // the refusal beep: a rising two-tone query
QByteArray DefaultSound();   // the stand-in when CHANGE.WAV is missing: a soft pop

} // namespace tumbaro::assetgen
