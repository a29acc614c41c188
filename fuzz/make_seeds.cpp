// fuzz_seeds: writes small good inputs for each fuzz target into <folder>/<target>/, made by the
// game's own writers so that the fuzzers start from files the game accepts.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/random.h"
#include "fuzz/fuzz_support.h"
#include "sources/casestyle.h"
#include "sources/quotecode.h"
#include "sources/quotefile.h"
#include "sources/savedgame.h"
#include "stats/history.h"
#include "wordlist/dictionary.h"

namespace fs = std::filesystem;

namespace {

fs::path root;

void Put(const char* target, const char* name, const std::string& bytes) {
  fs::create_directories(root / target);
  std::FILE* f = std::fopen((root / target / name).c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
    FuzzFail("cannot write a seed");
  }
}

std::string FileBytes(const char* path) {
  std::string bytes;
  std::FILE* f = std::fopen(path, "rb");
  if (!f) FuzzFail("cannot read back a seed");
  for (int c; (c = std::getc(f)) != EOF;) bytes += static_cast<char>(c);
  std::fclose(f);
  return bytes;
}

const std::vector<std::string> kQuotations = {
    "The quick brown fox jumps over the lazy dog.\tPangram",
    "To be, or not to be: that is the question.|Line two.",
    "Numbers 0123456789 and symbols !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ all code."};

void QuoteSeeds() {
  std::string error;
  if (!WriteCompressedQuoteFile("seed.cqt", kQuotations, "Seed collection", error)) {
    FuzzFail("cannot write the seed collection");
  }
  Put("quotefile", "good-random.cqt", '\xFF' + FileBytes("seed.cqt"));
  Put("quotefile", "good-second.cqt", '\x01' + FileBytes("seed.cqt"));
  std::string plain;
  for (const std::string& q : kQuotations) plain += q + "\r\n\n";
  Put("plainquotes", "good.qot", plain);
  // Past the first 1000 bytes, where the text rule does not look: a foreign byte and a zero byte.
  std::string filler;
  for (int i = 0; i < 80; ++i) filler += "The tea.\tAnon\n";
  Put("plainquotes", "late-foreign.qot", filler + "Caf\xE9 au lait\tAnon\n");
  Put("plainquotes", "late-zero.qot", filler + std::string("x\0y tail\tAnon\n", 14));
  Put("plainquotes", "blanks.qot", "   \n \t \n");
  for (const std::string& q : kQuotations) {
    std::vector<std::uint8_t> code;
    EncodeQuote(q, code);
    Put("quotecode", ("good-" + std::to_string(&q - kQuotations.data()) + ".bin").c_str(),
        '\xFF' + std::string(code.begin(), code.end()));
  }
}

void WordListSeeds() {
  std::vector<std::vector<Word>> words(kWordSlotCount);
  for (const char* text : {"a", "i", "an", "at", "the", "and", "word", "quill", "cryptogram"}) {
    Word word;
    word.frequency = static_cast<std::uint16_t>(std::strlen(text) * 100);
    std::strcpy(word.text, text);
    words[std::strlen(text)].push_back(word);
  }
  const std::vector<unsigned char> bytes = EncodeWordList(words, 1);
  Put("wordlist", "good.wl", std::string(bytes.begin(), bytes.end()));
}

void MemorySeeds() {
  // Count 40 (two words), mark puzzle 3; then the record with a few bits set.
  Put("memory", "forty.cqm", std::string("\x28\x00\x03\x00\x01\x00\x00\x80\x00\x00\x00\x01", 12));
  Put("memory", "empty.cqm", std::string("\x0A\x00\x00\x00", 4));
}

// A game in progress on an entered plaintext, saved as the game saves it; and the same game as
// puzzle 2 of the collection the savedgame target keeps beside it.
void SavedGameSeeds() {
  TestHooks hooks;
  Game game(hooks);
  SeedRandom(12345);
  game.state.puzzleKind = PuzzleKind::kPlainEntered;
  std::strcpy(game.text.quoteText, kQuotations[0].c_str());
  ApplyCaseStyle(game.text.quoteText, game.text.displayText);
  game.StartGame();
  for (int ch : {'t', 'h', 'e'}) game.KeyTyped(ch);
  const std::string entered = SavedGameText(game);
  Put("savedgame", "entered.svg", entered);
  const std::string body = entered.substr(entered.find('\n') + 1);
  Put("savedgame", "collection.svg", "0\n1\nfuzz.cqt\n" + body);
  Put("savedgame", "no-final-line-end.svg", entered.substr(0, entered.size() - 1));
}

void TextSeeds() {
  Put("settings", "good.ini",
      "quillo\x01QuoteFile\x01quotes.cqt\x01[quillo]\r\nQuoteFile=old.cqt\r\nCase=Upper\r\n\r\n"
      "[Placement]\r\nXPos=12\r\n");
  Put("settings", "new-section.ini", "\x10" "Colors\x01" "Back\x01 255 \x01[quillo]\nCase=d\n");
  // Damaged colours and fonts, and a line longer than 65,536 characters written over.
  Put("settings", "colors-word.ini", "\x20quillo\x01colors\x01" "1 2\x01[quillo]\ncolors=abc\n"
      "Font=-100000 0 0 0 400 0 0 0 0 3 2 1 49 Mono\n");
  Put("settings", "colors-black.ini",
      "\x20quillo\x01Font\x01" "3000 0 0 0 400 0 0 0 0 3 2 1 49 Mono\x01[quillo]\ncolors=0 0 0 0 0 0\nFont=3000 0 0 0 400 0 0 0 0 3 2 1 49 Mono\n");
  Put("settings", "long-line.ini", "\xFFquillo\x01Long\x01short\x01[quillo]\nLong=" +
      std::string(70000, 'x') + "\nCase=u\n");
  Put("paste", "good.txt", "\x03  \"Hello,\tworld!\"\t  \x01said\tthe  program \r\n");
  Put("numbers", "number.txt", std::string("\x00\x10\x27\x00\x00" "0042", 9));
  Put("numbers", "margin.txt", "\x80" "0.75  ");
  Put("numbers", "margin-big.txt", "\x81" "2.9");
  Put("ratings", "three.cqr", "quillo-ratings 1 3\nE 5\nH 100\nM 40\n");
}

void HistorySeeds() {
  GameRecord game;
  game.ended = 1798761600;
  game.id = 0x1234;
  game.outcome = Outcome::Saved;
  game.quoteFile = "odd\tname.cqt";
  game.puzzle = 7;
  game.letters = 80;
  game.distinct = 20;
  game.seconds = 300;
  game.help = {1, 2, 3, 4, 5, 6};
  std::string text = std::string(kHistoryVersionLine) + "\n" + FormatRecord(game) + "\n";
  game.outcome = Outcome::Solved;
  game.seconds = 500;
  Put("history", "continued.txt", text + FormatRecord(game) + "\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds <folder>\n");
    return 2;
  }
  root = fs::absolute(argv[1]);
  FuzzSetUp();
  QuoteSeeds();
  WordListSeeds();
  MemorySeeds();
  SavedGameSeeds();
  TextSeeds();
  HistorySeeds();
  return 0;
}
