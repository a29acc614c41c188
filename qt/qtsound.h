// Sound playback for the platform: wave files and generated tones, asynchronous and quiet on failure.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <utility>

// A mono 16-bit PCM wave file holding a sine tone (a short fade at both ends avoids clicks).
// The frequency is kept to 20..20000 Hz and the length to 1..5000 ms.
QByteArray MakeToneWave(int frequencyHz, int milliseconds, int sampleRate = 22050);

// Plays wave files without waiting. A missing file, an unreadable one or a machine without an
// audio output plays nothing and reports nothing. Tones are written once each into a temporary
// folder kept for the run and played like files.
class QtSounds : public QObject {
 public:
  void PlayFile(const QString& path);
  void PlayTone(int frequencyHz, int milliseconds);

 private:
  std::unique_ptr<QTemporaryDir> toneFolder_;
  std::map<std::pair<int, int>, QString> tones_;
};
