// Services: the one process-wide pointer to the installed session's table.
#include "classlib/services.h"

#include "classlib/fatalcheck.h"

namespace {
Services* installed = nullptr;
}  // namespace

Services* InstalledServices() { return installed; }

Services& RequiredServices(const char* who) {
  FatalCheck(installed != nullptr, "a session is installed", who);
  return *installed;
}

Services* InstallServices(Services* services) {
  Services* previous = installed;
  installed = services;
  return previous;
}
