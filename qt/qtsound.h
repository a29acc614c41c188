// The beep tone as a wave file: generated once per frequency and length, kept for the run.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <utility>

// A mono 16-bit PCM wave file holding a sine tone (a short fade at both ends avoids clicks).
// The frequency is kept to 20..20000 Hz and the length to 1..5000 ms.
QByteArray MakeToneWave(int frequencyHz, int milliseconds, int sampleRate = 22050);

// Tones written once each into a temporary folder kept for the run, to be played like files.
class QtTones {
 public:
  // The tone's file; empty when it cannot be written.
  QString FileFor(int frequencyHz, int milliseconds);

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::map<std::pair<int, int>, QString> files_;
};
