// Printing a print-out's page through QtDC, with its progress window and Cancel.
#include "qt/media/qtprinter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "qt/qtconvert.h"
#include "qt/qtdc.h"

namespace {
// The window shown while a page prints: "Now printing", the title, the printer, Cancel.
class PrintingWindow : public QDialog {
 public:
  PrintingWindow(QWidget* parent, const QString& title, const QString& where) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Printing"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : {QStringLiteral("Now printing"), title, where}) {
      auto* label = new QLabel(line, this);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignCenter);
      layout->addWidget(label);
    }
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(cancel, 0, Qt::AlignCenter);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  }
  bool Cancelled() const { return cancelled_; }

 protected:
  void reject() override { cancelled_ = true; }
  void closeEvent(QCloseEvent* event) override {
    cancelled_ = true;
    event->accept();
  }

 private:
  bool cancelled_ = false;
};

QString DefaultPdfPath(const QString& title) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  QString name = title.isEmpty() ? QStringLiteral("printout") : title;
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}
}  // namespace

QtPrinter::QtPrinter(const std::string& pdfPath) : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  if (!pdfPath.empty()) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(PathToQt(pdfPath));
  } else if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
  }
}

bool QtPrinter::PrintsToFile() const { return printer_->outputFormat() == QPrinter::PdfFormat; }

bool QtPrinter::Setup(TWindow* parent) {
  QPrintDialog dialog(printer_.get(), OwnerWidget(parent));
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  return dialog.exec() == QDialog::Accepted;
}

std::string QtPrinter::DeviceName() const {
  if (PrintsToFile()) return "PDF file";
  return FromQt(printer_->printerName());
}

std::string QtPrinter::Port() const {
  if (PrintsToFile()) return FromQt(printer_->outputFileName());
  return FromQt(QPrinterInfo(*printer_).location());
}

TPrintResult QtPrinter::Print(TWindow* parent, TPrintout& printout) {
  const QString title = ToQt(printout.Title());
  if (PrintsToFile() && printer_->outputFileName().isEmpty()) printer_->setOutputFileName(DefaultPdfPath(title));
  printer_->setDocName(title);
  PrintingWindow window(OwnerWidget(parent), title,
                        QStringLiteral("on %1 (%2)").arg(ToQt(DeviceName()), ToQt(Port())));
  window.show();
  QCoreApplication::processEvents();
  if (window.Cancelled()) return TPrintResult::Cancelled;

  QPainter painter;
  if (!painter.begin(printer_.get())) return TPrintResult::Failed;
  bool drawn = true;
  {
    QtDC dc(printer_.get(), &painter);
    try {
      printout.PrintPage(dc);
    } catch (const std::exception& e) {
      qWarning("Quillo: printing failed: %s", e.what());
      drawn = false;
    }
  }
  QCoreApplication::processEvents();
  if (!drawn || window.Cancelled()) {
    printer_->abort();
    painter.end();
    return drawn ? TPrintResult::Cancelled : TPrintResult::Failed;
  }
  if (!painter.end() || printer_->printerState() == QPrinter::Error) return TPrintResult::Failed;
  return TPrintResult::Printed;
}
