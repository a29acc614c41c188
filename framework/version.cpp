// TProjectRCVersion: the version values the build compiled into the program.
#include "framework/version.h"

#include <utility>

#ifndef QUILLO_VERSION_BUILD
#define QUILLO_VERSION_BUILD 0
#endif

TVersionValues ProgramVersionValues() {
  TVersionValues values;
#ifdef QUILLO_VERSION
  values.fileVersion = QUILLO_VERSION;
#endif
#ifdef QUILLO_DISTRIBUTION_TYPE
  values.distributionType = QUILLO_DISTRIBUTION_TYPE;
#endif
#if defined(QUILLO_VERSION_MAJOR) && defined(QUILLO_VERSION_MINOR) && defined(QUILLO_VERSION_PATCH)
  values.fixedVersion = TVersionValues::Numbers{QUILLO_VERSION_MAJOR, QUILLO_VERSION_MINOR,
                                                QUILLO_VERSION_PATCH, QUILLO_VERSION_BUILD};
#endif
  values.legalCopyright = "Quillo! - a cryptogram game for Linux";
  return values;
}

TProjectRCVersion::TProjectRCVersion() : values_(ProgramVersionValues()) {}

TProjectRCVersion::TProjectRCVersion(TVersionValues values) : values_(std::move(values)) {}

bool TProjectRCVersion::Copy(const std::optional<std::string>& from, std::string& to) {
  if (!from) return false;
  to = *from;
  return true;
}

bool TProjectRCVersion::FileVersion(std::string& value) const {
  return Copy(values_.fileVersion, value);
}

bool TProjectRCVersion::LegalCopyright(std::string& value) const {
  return Copy(values_.legalCopyright, value);
}

bool TProjectRCVersion::DistributionType(std::string& value) const {
  return Copy(values_.distributionType, value);
}

bool TProjectRCVersion::FixedFileVersion(int& major, int& minor, int& maintenance,
                                         int& build) const {
  if (!values_.fixedVersion) return false;
  major = values_.fixedVersion->major;
  minor = values_.fixedVersion->minor;
  maintenance = values_.fixedVersion->maintenance;
  build = values_.fixedVersion->build;
  return true;
}
