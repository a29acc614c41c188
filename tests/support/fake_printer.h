// FakePrinter: the printer the fake platform hands out, recording each job's page drawing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/platform.h"
#include "recording_dc.h"

struct PrintJob {
  std::string title;
  TWindow* parent = nullptr;
  TPrintResult result = TPrintResult::Printed;
  RecordingDC page;  // what PrintPage drew; empty when the job did not print
};

// One printer for the whole test: every TPrinter that FakePlatform::CreatePrinter returns is a
// view of it, so a test can set it up before the game creates its printer and inspect it after.
class FakePrinter {
 public:
  // Set-up for tests.
  bool available = true;  // false: CreatePrinter returns null
  FakeDeviceCaps caps = FakeDeviceCaps::Printer();
  std::string deviceName = "Fake Printer";
  std::string port = "FILE:";
  bool setupAnswer = false;  // what the set-up dialog answers (default: the player cancels)
  // The outcome of each Print: Printed calls the print-out's PrintPage with a RecordingDC that
  // carries `caps`; Cancelled and Failed return that result without drawing.
  TPrintResult printResult = TPrintResult::Printed;

  // What happened.
  int createCount = 0;
  int setupCount = 0;
  std::vector<PrintJob> jobs;

  // The TPrinter handed to the game.
  std::unique_ptr<TPrinter> MakeView();
};
