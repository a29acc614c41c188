// QtPrinter: the run's printer on Qt Print Support, with the "Printing" window while a job runs.
#pragma once

#include <QPrinter>

#include <memory>
#include <string>

#include "framework/platform.h"

// Prints one page per job on the printer chosen last (the system default at first). Without a
// system printer, or when made with a PDF path, it writes a PDF file: the given path, else
// "<print-out title>.pdf" in the Documents folder. While the page is drawn an application-modal
// "Printing" window names the job and the printer and offers Cancel, which aborts the job.
class QtPrinter : public TPrinter {
 public:
  explicit QtPrinter(const std::string& pdfPath = {});

  bool Setup(TWindow* parent) override;
  TPrintResult Print(TWindow* parent, TPrintout& printout) override;
  std::string DeviceName() const override;
  std::string Port() const override;

  QPrinter& Printer() { return *printer_; }

 private:
  bool PrintsToFile() const;

  std::unique_ptr<QPrinter> printer_;
};
