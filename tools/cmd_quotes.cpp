// quillo-tool compress, list and info: quote files from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "sources/puzzleloader.h"
#include "sources/quotefile.h"
#include "tools/commands.h"

namespace {

const char* const kCompressUsage =
    "Usage: quillo-tool compress INPUT OUTPUT [--description TEXT]\n"
    "Writes the compressed quote file OUTPUT (.cqt) from the plain quote file INPUT:\n"
    "one quotation per line, a TAB before the attribution, empty lines skipped, curly\n"
    "quotes made straight. A line over 999 characters or with a character other than\n"
    "TAB and printable ASCII is refused with its line number, and nothing is written.\n"
    "TEXT (at most 999 characters) is the collection's description.\n";

const char* const kListUsage =
    "Usage: quillo-tool list FILE\n"
    "Prints every quotation of a compressed or plain quote file, one per line, as a\n"
    "plain quote file holds it (compress turns the output back into the same file).\n"
    "As in the game, a file whose name ends in .cqt is compressed, any other is plain.\n";

const char* const kInfoUsage =
    "Usage: quillo-tool info FILE\n"
    "Prints the format, the description and the number of quotations of a quote file.\n";

std::string StatusText(QuoteFileStatus status) {
  switch (status) {
    case QuoteFileStatus::Ok:
      return "ok";
    case QuoteFileStatus::CantOpen:
      return "cannot open the file";
    case QuoteFileStatus::Damaged:
      return "the compressed quote file is damaged";
    case QuoteFileStatus::Empty:
      return "Quote file is empty!";  // as the game says it
    case QuoteFileStatus::NotText:
      return "not a text file";
    case QuoteFileStatus::EmptyLinesOnly:
      return "the file holds nothing but empty lines";
  }
  return "unknown failure";
}

// What a file that failed to read looks like, since the game goes by the name alone: a plain
// name on compressed data, or a .cqt name on text, is the likely mistake.
std::string ContentHint(const std::string& path, bool compressedName) {
  unsigned char head[kTextSampleSize];
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return "";
  const std::size_t got = std::fread(head, 1, sizeof head, f);
  std::fclose(f);
  const bool magic =
      got >= 4 && head[0] == 0xFF && head[1] == 0xFF && head[2] == 0xFF && head[3] == 0xFF;
  if (!compressedName && magic) {
    return " (the content looks like a compressed quote file, which the game reads only when "
           "its name ends in .cqt)";
  }
  if (compressedName && got > 0 && PassesTextRule(head, got)) {
    return " (the content looks like plain text, which the game reads only when its name does "
           "not end in .cqt)";
  }
  return "";
}

int FailToRead(const std::string& path, bool compressedName, QuoteFileStatus status) {
  return Fail(path + ": " + StatusText(status) + ContentHint(path, compressedName));
}

struct Collection {
  bool compressed = false;
  std::string description;
  std::vector<std::string> quotations;
};

// Reads every quotation, in the format the game picks by the file's name; on failure prints
// why and returns false. A collection of no quotations fails as it does in the game.
bool LoadCollection(const std::string& path, Collection& out) {
  out.compressed = IsCompressedQuoteFileName(path.c_str());
  if (!out.compressed) {
    std::vector<PlainQuote> quotes;
    const QuoteFileStatus status = ReadPlainQuoteFile(path, quotes);
    if (status != QuoteFileStatus::Ok) {
      FailToRead(path, false, status);
      return false;
    }
    for (const PlainQuote& q : quotes) {
      if (q.length > kMaxQuoteLength) {
        std::fprintf(stderr,
                     "quillo-tool: %s:%zu: line cut to %d characters, as the game reads it\n",
                     path.c_str(), q.lineNumber, kMaxQuoteLength);
      }
      out.quotations.push_back(q.text);
    }
    return true;
  }
  CompressedQuoteFile file(path);
  if (file.Status() != QuoteFileStatus::Ok) {
    FailToRead(path, true, file.Status());
    return false;
  }
  out.description = file.Description();
  char quote[kQuoteBufferSize];
  for (std::uint32_t i = 0; i < file.Count(); ++i) {
    if (file.ReadQuote(i, quote) != QuoteFileStatus::Ok) {
      Fail(path + ": quotation " + std::to_string(i + 1) + " is damaged");
      return false;
    }
    out.quotations.emplace_back(quote);
  }
  return true;
}

// Every line compress would refuse, reported with its number; true when there is none.
bool CheckLines(const std::string& path, const std::vector<PlainQuote>& quotes) {
  bool ok = true;
  for (const PlainQuote& q : quotes) {
    std::string problem;
    if (q.length > kMaxQuoteLength) {
      problem = "the line has " + std::to_string(q.length) + " characters, more than " +
                std::to_string(kMaxQuoteLength);
    } else {
      problem = QuotationProblem(q.text);
    }
    if (problem.empty()) continue;
    std::fprintf(stderr, "quillo-tool: %s:%zu: %s\n", path.c_str(), q.lineNumber, problem.c_str());
    ok = false;
  }
  return ok;
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "quillo-tool: %s\n", message.c_str());
  return 1;
}

int UsageError(const std::string& message, const char* usage) {
  std::fprintf(stderr, "quillo-tool: %s\n\n%s", message.c_str(), usage);
  return 2;
}

int PrintHelp(const char* usage) {
  std::fputs(usage, stdout);
  return 0;
}

bool WantsHelp(const ToolArgs& args) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

int CompressCommand(const ToolArgs& args) {
  if (WantsHelp(args)) return PrintHelp(kCompressUsage);
  std::vector<std::string> files;
  std::string description;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--description") {
      if (i + 1 == args.size()) return UsageError("--description needs a TEXT", kCompressUsage);
      description = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      return UsageError("unknown option '" + args[i] + "'", kCompressUsage);
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return UsageError("compress needs INPUT and OUTPUT", kCompressUsage);
  const std::string& input = files[0];
  const std::string& output = files[1];
  if (IsCompressedQuoteFileName(input.c_str())) {
    return Fail(input + ": already a compressed quote file");
  }
  if (IsSameFile(input, output)) return Fail(output + " is the input file itself; nothing written");
  std::vector<PlainQuote> quotes;
  const QuoteFileStatus status = ReadPlainQuoteFile(input, quotes);
  if (status != QuoteFileStatus::Ok) return FailToRead(input, false, status);
  if (!CheckLines(input, quotes)) return Fail("nothing written");
  std::vector<std::string> quotations;
  quotations.reserve(quotes.size());
  for (const PlainQuote& q : quotes) quotations.push_back(q.text);
  std::string error;
  if (!WriteCompressedQuoteFile(output, quotations, description, error)) {
    return Fail(output + ": " + error + "; nothing written");
  }
  return 0;
}

int ListCommand(const ToolArgs& args) {
  if (WantsHelp(args)) return PrintHelp(kListUsage);
  if (args.size() != 1) return UsageError("list needs one FILE", kListUsage);
  Collection collection;
  if (!LoadCollection(args[0], collection)) return 1;
  for (const std::string& q : collection.quotations) std::printf("%s\n", q.c_str());
  return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

int InfoCommand(const ToolArgs& args) {
  if (WantsHelp(args)) return PrintHelp(kInfoUsage);
  if (args.size() != 1) return UsageError("info needs one FILE", kInfoUsage);
  Collection collection;
  if (!LoadCollection(args[0], collection)) return 1;
  std::printf("Format: %s\n", collection.compressed ? "compressed quote file" : "plain quote file");
  std::printf("Description: %s\n", collection.description.c_str());
  std::printf("Quotations: %zu\n", collection.quotations.size());
  return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}
