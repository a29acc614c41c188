// The generated beep tone and its files.
#include "qt/qtsound.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
void AppendLE(QByteArray& out, quint32 value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}
}  // namespace

QByteArray MakeToneWave(int frequencyHz, int milliseconds, int sampleRate) {
  frequencyHz = std::clamp(frequencyHz, 20, 20000);
  milliseconds = std::clamp(milliseconds, 1, 5000);
  const int samples = static_cast<int>(static_cast<long long>(sampleRate) * milliseconds / 1000);
  const int fade = std::min(samples / 4, sampleRate / 200);  // at most 5 ms
  const quint32 dataBytes = static_cast<quint32>(samples) * 2;
  QByteArray wave;
  wave.reserve(44 + static_cast<qsizetype>(dataBytes));
  wave.append("RIFF");
  AppendLE(wave, 36 + dataBytes, 4);
  wave.append("WAVEfmt ");
  AppendLE(wave, 16, 4);                                   // format chunk size
  AppendLE(wave, 1, 2);                                    // PCM
  AppendLE(wave, 1, 2);                                    // mono
  AppendLE(wave, static_cast<quint32>(sampleRate), 4);
  AppendLE(wave, static_cast<quint32>(sampleRate) * 2, 4); // bytes per second
  AppendLE(wave, 2, 2);                                    // block align
  AppendLE(wave, 16, 2);                                   // bits per sample
  wave.append("data");
  AppendLE(wave, dataBytes, 4);
  for (int i = 0; i < samples; ++i) {
    double level = 0.5;
    if (fade > 0) level *= std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(samples - 1 - i) / fade});
    const double value = level * std::sin(2.0 * std::numbers::pi * frequencyHz * i / sampleRate);
    AppendLE(wave, static_cast<quint16>(static_cast<qint16>(std::lround(value * 32767))), 2);
  }
  return wave;
}

QString QtTones::FileFor(int frequencyHz, int milliseconds) {
  const std::pair<int, int> key{frequencyHz, milliseconds};
  auto found = files_.find(key);
  if (found == files_.end()) {
    if (!folder_) folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) return {};
    const QString path = folder_->filePath(QStringLiteral("tone-%1-%2.wav").arg(frequencyHz).arg(milliseconds));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(MakeToneWave(frequencyHz, milliseconds)) < 0) return {};
    file.close();
    found = files_.emplace(key, path).first;
  }
  return found->second;
}
