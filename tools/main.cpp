// quillo-tool: the companion command line for quote files and the word-list dictionary.
#include "tools/commands.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "Usage: quillo-tool COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  compress INPUT OUTPUT [--description TEXT]\n"
    "        write a compressed quote file (.cqt) from a plain quote file\n"
    "  list FILE      print every quotation of a quote file (compressed or plain), one per\n"
    "                 line, as a plain quote file holds it\n"
    "  info FILE      print the format, the description and the count of a quote file\n"
    "  wordlist build INPUT OUTPUT\n"
    "        build a word-list dictionary from a source list (word TAB frequency)\n"
    "  wordlist dump FILE\n"
    "        print a dictionary, one word a line: length TAB frequency TAB word\n"
    "  solve [FILE] [--top N] [--json]\n"
    "        solve enciphered quotations, one per line (standard input without FILE)\n"
    "  rate FILE.cqt  rate every puzzle Easy, Medium or Hard into FILE.cqr\n"
    "  check FILE     report faults and weak points of a quote file\n"
    "  --help         show this text\n";

}  // namespace

bool IsSameFile(const std::string& input, const std::string& output) {
  struct stat in {};
  struct stat out {};
  return ::stat(input.c_str(), &in) == 0 && ::stat(output.c_str(), &out) == 0 &&
         in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string command = argv[1];
  ToolArgs args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (command == "compress") return CompressCommand(args);
  if (command == "list") return ListCommand(args);
  if (command == "info") return InfoCommand(args);
  if (command == "wordlist") return WordlistCommand(args);
  if (command == "solve") return SolveCommand(args);
  if (command == "rate") return RateCommand(args);
  if (command == "check") return CheckCommand(args);
  std::fprintf(stderr, "quillo-tool: unknown command '%s'\n\n%s", command.c_str(), kUsage);
  return 2;
}
