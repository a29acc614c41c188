// TProjectRCVersion: the program's version strings and numbers, compiled in from the build.
#pragma once

#include <optional>
#include <string>

// The values one version record holds; a value left empty is missing.
struct TVersionValues {
  std::optional<std::string> fileVersion;       // e.g. "1.0.0"
  std::optional<std::string> legalCopyright;    // the line naming the program
  std::optional<std::string> distributionType;  // e.g. "Linux package"
  struct Numbers {
    int major = 0;
    int minor = 0;
    int maintenance = 0;
    int build = 0;
  };
  std::optional<Numbers> fixedVersion;
};

// The running program's values: the build's QUILLO_VERSION, QUILLO_VERSION_MAJOR/MINOR/PATCH
// (the maintenance number), QUILLO_VERSION_BUILD (0 unless defined) and QUILLO_DISTRIBUTION_TYPE,
// and the fixed line naming the program. A definition the build left out is a missing value.
TVersionValues ProgramVersionValues();

// Reads a version record. Each getter copies the value and returns true, or returns false and
// leaves its arguments alone when the value is missing.
class TProjectRCVersion {
 public:
  // The running program's own record.
  TProjectRCVersion();
  // Any record: tests and other builds.
  explicit TProjectRCVersion(TVersionValues values);

  bool FileVersion(std::string& value) const;
  bool LegalCopyright(std::string& value) const;
  bool DistributionType(std::string& value) const;
  bool FixedFileVersion(int& major, int& minor, int& maintenance, int& build) const;

 private:
  static bool Copy(const std::optional<std::string>& from, std::string& to);

  TVersionValues values_;
};
