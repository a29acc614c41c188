// quillo-tool wordlist: builds the binary word-list dictionary from its source list, and dumps one.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tools/commands.h"
#include "wordlist/dictionary.h"

namespace {

const char* const kWordlistUsage =
    "Usage: quillo-tool wordlist build INPUT OUTPUT\n"
    "       quillo-tool wordlist dump FILE\n"
    "\n"
    "build  reads a source list, one word a line: the word, a TAB, its frequency (0..65535).\n"
    "       Words are 1 to 25 characters of a-z and apostrophe. Writes the dictionary with one\n"
    "       section per length, shortest first, each keeping the words in source order.\n"
    "       A bad line is reported with its number and nothing is written.\n"
    "dump   prints every word of a dictionary as the game holds it, shortest words first, each\n"
    "       length in file order: length TAB frequency TAB word.\n";

constexpr std::int32_t kFormatVersion = 1;

using WordsByLength = std::vector<std::vector<Word>>;

bool IsWordChar(char c) { return (c >= 'a' && c <= 'z') || c == '\''; }

// Parses one source line; returns an empty string, or what is wrong with it.
std::string ParseSourceLine(std::string line, Word& out) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const std::size_t tab = line.find('\t');
  if (tab == std::string::npos) return "expected a word, a TAB and a frequency";
  const std::string text = line.substr(0, tab);
  if (text.empty() || text.size() > static_cast<std::size_t>(kMaxWordLength)) {
    return "a word must have 1 to 25 characters";
  }
  for (char c : text) {
    if (!IsWordChar(c)) return "a word may hold only the letters a-z and apostrophes";
  }
  const std::string digits = line.substr(tab + 1);
  if (digits.empty() || digits.size() > 5 ||
      digits.find_first_not_of("0123456789") != std::string::npos) {
    return "the frequency must be a whole number from 0 to 65535";
  }
  const long value = std::stol(digits);
  if (value > 65535) return "the frequency must be a whole number from 0 to 65535";
  out.frequency = static_cast<std::uint16_t>(value);
  std::memcpy(out.text, text.c_str(), text.size() + 1);
  return "";
}

bool ReadSourceList(const std::string& path, WordsByLength& words) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "quillo-tool: cannot open %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  words.assign(kWordSlotCount, {});
  std::string line;
  long number = 0;
  std::size_t fileBytes = kWordListHeaderBytes + kMaxWordLength * 12;  // header and sections
  while (std::getline(in, line)) {
    ++number;
    Word word;
    const std::string problem = ParseSourceLine(line, word);
    if (!problem.empty()) {
      std::fprintf(stderr, "quillo-tool: %s:%ld: %s\n", path.c_str(), number, problem.c_str());
      return false;
    }
    const std::size_t length = std::strlen(word.text);
    fileBytes += length + 3;
    if (fileBytes > kMaxWordListBytes) {
      std::fprintf(stderr, "quillo-tool: %s:%ld: too many words: the dictionary would exceed %zu "
                   "bytes, which the game refuses to load\n", path.c_str(), number,
                   kMaxWordListBytes);
      return false;
    }
    words[length].push_back(word);
  }
  if (in.bad()) {
    std::fprintf(stderr, "quillo-tool: cannot read %s\n", path.c_str());
    return false;
  }
  return true;
}

// Writes beside the target and renames, so a failure never leaves half a dictionary.
bool WriteFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes) {
  const std::string temp = path + ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "quillo-tool: cannot write %s: %s\n", temp.c_str(), std::strerror(errno));
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "quillo-tool: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

int Build(const std::string& input, const std::string& output) {
  if (IsSameFile(input, output)) {
    std::fprintf(stderr, "quillo-tool: %s is the source list itself; nothing written\n",
                 output.c_str());
    return 1;
  }
  WordsByLength words;
  if (!ReadSourceList(input, words)) return 1;
  return WriteFileAtomically(output, EncodeWordList(words, kFormatVersion)) ? 0 : 1;
}

int Dump(const std::string& path) {
  WordDictionary dict;
  if (auto fault = ReadWordList(path, dict)) {
    std::fprintf(stderr, "quillo-tool: %s: %s\n", path.c_str(), FaultText(*fault).c_str());
    return 1;
  }
  for (int length = 1; length <= kMaxWordLength; ++length) {
    const std::optional<WordSlot> slot = dict.Slot(length);
    if (!slot) continue;
    for (std::size_t i = 0; i < slot->size(); ++i) {
      std::printf("%d\t%u\t%s\n", length, static_cast<unsigned>(slot->Frequency(i)),
                  slot->Text(i));
    }
  }
  if (std::fflush(stdout) != 0) {
    std::fprintf(stderr, "quillo-tool: cannot write the dump: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}

}  // namespace

int WordlistCommand(const ToolArgs& args) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kWordlistUsage, stdout);
    return 0;
  }
  if (args.size() == 3 && args[0] == "build") return Build(args[1], args[2]);
  if (args.size() == 2 && args[0] == "dump") return Dump(args[1]);
  std::fputs(kWordlistUsage, stderr);
  return 2;
}
