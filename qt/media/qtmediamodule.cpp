// The media module: wave playback through Qt Multimedia and printing through Qt Print Support.
// It is loaded into the running game, whose Qt front end provides the symbols it uses.
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

#include "qt/media/qtprinter.h"
#include "qt/qtmedia.h"

namespace {

class ModuleMedia : public QObject, public QtMedia {
 public:
  void PlayFile(const QString& path) override {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return;
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    auto* effect = new QSoundEffect(this);
    // Each sound lives until it has played or failed to load.
    connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
      if (!effect->isPlaying()) effect->deleteLater();
    });
    connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
      if (effect->status() == QSoundEffect::Error) effect->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect->play();
  }

  std::unique_ptr<TPrinter> CreatePrinter(const std::string& pdfPath) override {
    return std::make_unique<QtPrinter>(pdfPath);
  }
};

}  // namespace

extern "C" Q_DECL_EXPORT QtMedia* QuilloCreateMedia() { return new ModuleMedia; }
