// Sound playback and printing, loaded from a module of their own at their first use: Qt
// Multimedia and Qt Print Support take a good part of start-up, and the first paint needs neither.
#pragma once

#include <QString>

#include <memory>
#include <string>

#include "framework/platform.h"

class QtMedia {
 public:
  virtual ~QtMedia() = default;
  // Plays a wave file without waiting; a missing or unreadable file, or a machine without an
  // audio output, plays nothing and reports nothing.
  virtual void PlayFile(const QString& path) = 0;
  // A printer on the system's default printer, or writing this PDF file when pdfPath is given
  // (see QtPrinter).
  virtual std::unique_ptr<TPrinter> CreatePrinter(const std::string& pdfPath) = 0;
};

// The module's file under the program folder, and the function in it that makes its QtMedia.
inline constexpr const char* kMediaModuleName = "modules/libquillo_media.so";
inline constexpr const char* kMediaFactoryName = "QuilloCreateMedia";
using QtMediaFactory = QtMedia* (*)();

// The run's media services, the module loaded at the first call; null when it cannot be
// loaded (then nothing sounds and nothing prints).
QtMedia* Media();
