// quillo-tool: compress, list and info, wordlist build and dump, and the shipped data they read;
// cmake --install into a scratch prefix: the layout, the launcher, the desktop entry, the tool.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "sources/quotefile.h"
#include "sources/ratings.h"
#include "support/testing.h"
#include "wordlist/dictionary.h"

namespace fs = std::filesystem;

namespace {

const char* const kTutorial =
    "Early to bed and early to rise, makes a man healthy, wealthy, and wise.\tBenjamin Franklin";

// Runs the built tool in a scratch folder of its own.
class ToolTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return folder_.File(name); }
  // A file of the scratch folder as a quoted shell argument.
  std::string Arg(const std::string& name) const { return " '" + Path(name) + "'"; }
  void WriteText(const std::string& name, const std::string& text) const { WriteFile(Path(name), text); }
  std::string ReadText(const std::string& name) const { return ReadFile(Path(name)).value_or(""); }

  // Runs quillo-tool with the arguments; out_ and err_ take what it printed.
  int Run(const std::string& arguments) {
    const int status = std::system((std::string("'") + QUILLO_TOOL + "' " + arguments + " >" + Arg("stdout") +
                                    " 2>" + Arg("stderr")).c_str());
    out_ = ReadText("stdout");
    err_ = ReadText("stderr");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  TempFolder folder_;
  std::string out_;
  std::string err_;
};

TEST_F(ToolTest, QuotesCompressThenListGivesBackTheQuotations) {
  WriteText("in.qot",
            "Well begun is half done.\tAristotle\r\n"
            "\n"
            "\x93Quoted\x94 and \x91single\x92.\tSomeone\n"
            "A line|break and a trailing blank \n   \nLast line without an end\tX");
  ASSERT_EQ(Run("compress" + Arg("in.qot") + Arg("out.cqt") + " --description 'Small set'"), 0) << err_;
  ASSERT_EQ(Run("list" + Arg("out.cqt")), 0) << err_;
  const std::vector<std::string> expected = {
      "Well begun is half done.\tAristotle", "\"Quoted\" and 'single'.\tSomeone",
      "A line|break and a trailing blank ", "   ", "Last line without an end\tX"};
  EXPECT_EQ(Lines(out_), expected);

  ASSERT_EQ(Run("list" + Arg("in.qot")), 0) << err_;  // plain files read as the game reads them
  EXPECT_EQ(Lines(out_), expected);
  ASSERT_EQ(Run("info" + Arg("out.cqt")), 0) << err_;
  EXPECT_NE(out_.find("Description: Small set\nQuotations: 5\n"), std::string::npos) << out_;
}

TEST_F(ToolTest, QuotesRefusesBadLinesAndWritesNothing) {
  WriteText("bad.qot", "Fine.\tA\n\nDel \x7F here.\tB\n" + std::string(1000, 'x') + "\n");
  EXPECT_NE(Run("compress" + Arg("bad.qot") + Arg("out.cqt")), 0);
  for (const char* place : {"bad.qot:3:", "bad.qot:4:"}) EXPECT_NE(err_.find(place), std::string::npos) << err_;
  EXPECT_FALSE(std::filesystem::exists(Path("out.cqt.tmp")));

  EXPECT_NE(Run("list '" + FixturePath("quotes/truncated.cqt") + "'"), 0);
  EXPECT_NE(err_.find("quotation 2"), std::string::npos) << err_;
  // Read by the name, as the game reads it, saying what the content looks like; a collection
  // of no quotations and a zero byte past the text check fail as they do in the game.
  const std::string cases[][3] = {
      {"list", "compressed.qot", "not a text file (the content looks like a compressed quote file"},
      {"info", "text.cqt", "damaged (the content looks like plain text"},
      {"info", "empty.cqt", "empty.cqt: Quote file is empty!"},
      {"compress", "late-nul.qot", "late-nul.qot:81: character 2 (0x00)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c[0] + " '" + FixturePath("quotes/" + c[1]) + "'" + (c[0] == "compress" ? Arg("out.cqt") : "")), 1);
    EXPECT_NE(err_.find(c[2]), std::string::npos) << err_;
  }
  EXPECT_FALSE(std::filesystem::exists(Path("out.cqt")));
  EXPECT_NE(Run("compress a b --colour red"), 0);
  // The output is never the input, whatever name reaches it.
  WriteText("same.qot", "Keep me.\tA\n");
  std::filesystem::create_symlink(Path("same.qot"), Path("link.cqt"));
  std::filesystem::create_hard_link(Path("same.qot"), Path("hard.cqt"));
  for (const char* output : {"same.qot", "link.cqt", "hard.cqt"}) {
    EXPECT_EQ(Run("compress" + Arg("same.qot") + Arg(output)), 1) << output;
    EXPECT_EQ(ReadText("same.qot"), "Keep me.\tA\n");
  }
  EXPECT_FALSE(std::filesystem::exists(Path("same.qot.tmp")));
}

// The solver's commands over a dictionary of a few words, where "committee" alone fixes most
// letters and "?at" has four readings. The quotations are enciphered by a shift of three.
class SolverToolTest : public ToolTest {
 protected:
  void SetUp() override {
    WriteText("words.txt", "the\t60000\ntie\t30000\ncat\t30000\nsat\t30000\nmat\t20000\n"
                           "hat\t30000\nmet\t30000\ncommittee\t20000\n");
    ASSERT_EQ(Run("wordlist build" + Arg("words.txt") + Arg("small.wl")), 0) << err_;
    dict_ = " --dictionary" + Arg("small.wl");
  }
  std::string dict_;
};

TEST_F(SolverToolTest, SolvePrintsEachLineInOrder) {
  WriteText("in.txt", "Wkh frpplwwhh phw.\tWlp\r\n\nFdw vdw.\n");
  ASSERT_EQ(Run("solve" + Arg("in.txt") + dict_), 0) << err_;
  const std::vector<std::string> lines = Lines(out_);
  ASSERT_EQ(lines.size(), 3u) << out_;
  EXPECT_EQ(lines[0] + "|" + lines[1], "The committee met.\tTim|");
  ASSERT_EQ(Run("solve" + dict_ + " <" + Arg("in.txt")), 0) << err_;  // standard input
  EXPECT_EQ(Lines(out_), lines);

  ASSERT_EQ(Run("solve --json" + Arg("in.txt") + dict_), 0) << err_;
  const std::vector<std::string> json = Lines(out_);
  ASSERT_EQ(json.size(), 3u) << out_;
  EXPECT_EQ(json[0].rfind("{\"key\":\"-----C-E--HI---M-O----T---\",\"plaintext\":"
                          "\"The committee met.\\tTim\",\"confidence\":", 0), 0u) << json[0];
  EXPECT_NE(json[0].find("\"solutions\":\"one\""), std::string::npos) << json[0];
  EXPECT_NE(json[1].find("\"solutions\":\"none\""), std::string::npos) << json[1];
  EXPECT_NE(json[2].find("\"solutions\":\"several\""), std::string::npos) << json[2];

  ASSERT_EQ(Run("solve --top 2" + Arg("in.txt") + dict_), 0) << err_;
  const std::vector<std::string> ranked = Lines(out_);
  ASSERT_EQ(ranked.size(), 7u) << out_;  // two readings and a blank line, a blank line, two and a blank
  EXPECT_NE(ranked[0].find("\tThe committee met.\tTim"), std::string::npos) << out_;
  EXPECT_NE(Run("solve --top 0" + dict_), 0);
  EXPECT_NE(Run("solve" + Arg("in.txt") + " --dictionary" + Arg("absent.wl")), 0);
}

TEST_F(SolverToolTest, CheckReportsEachProblemWithItsPlace) {
  WriteText("q.qot", "Well begun is half done.\tAristotle\n\nWELL BEGUN -- is half done!\tSomeone\n"
                     "No attribution here at all, my friend.\nAha, a baa.\tX\nDel \x7F here.\tB\n" +
                     std::string(1000, 'x') + "\n");
  EXPECT_EQ(Run("check --no-solve" + Arg("q.qot")), 1) << err_;
  const std::string file = Path("q.qot");
  for (const std::string expected : {":line 3: error: the same quotation as line 1", ":line 4: warning: no attribution",
                                     ":line 5: warning: only 3 distinct letters", ":line 6: error: ",
                                     ":line 7: error: 1000 characters", ": 6 quotations, 3 errors, 2 warnings"}) {
    EXPECT_NE(out_.find(file + expected), std::string::npos) << expected << "\n" << out_;
  }
  // Compressed files count puzzles; the solver's findings are warnings.
  WriteText("c.qot", "Well begun is half done.\tA\nwell, begun is half done\tB\n"
                     "The committee met at the committee.\tTim\n");
  ASSERT_EQ(Run("compress" + Arg("c.qot") + Arg("c.cqt")), 0) << err_;
  EXPECT_EQ(Run("check" + Arg("c.cqt") + dict_), 1) << err_;
  EXPECT_TRUE(out_.find(":puzzle 2: error: the same quotation as puzzle 1") != std::string::npos &&
              out_.find(":puzzle 1: warning: the solver misreads it") != std::string::npos &&
              out_.find(":puzzle 3:") == std::string::npos) << out_;
  WriteText("clean.qot", "Well begun is half done.\tAristotle\n");
  EXPECT_EQ(Run("check --no-solve" + Arg("clean.qot")), 0) << out_;
}

TEST_F(SolverToolTest, RateWritesOneRatingPerPuzzleBesideTheFile) {
  WriteText("c.qot", "The committee met.\tTim\nWell begun is half done.\tA\nThe cat sat.\tTim\n");
  ASSERT_EQ(Run("compress" + Arg("c.qot") + Arg("c.cqt")), 0) << err_;
  ASSERT_EQ(Run("rate" + Arg("c.cqt") + dict_), 0) << err_;
  const std::optional<std::vector<PuzzleRating>> ratings = ReadRatings(Path("c.cqr"), 3);
  ASSERT_TRUE(ratings) << ReadText("c.cqr");
  // The puzzle the solver cannot read at all is rated harder than the one it reads at once.
  EXPECT_TRUE((*ratings)[1].score > (*ratings)[0].score && (*ratings)[1].band == Band::Hard);
  EXPECT_NE(Run("rate" + Arg("c.qot") + dict_), 0);  // not a compressed file
}

TEST(ShippedData, QuoteCollectionIsWellFormedAndItsRatingsSplitItIntoRoughThirds) {
  CompressedQuoteFile file(std::string(QUILLO_BIN_DIR) + "/quillo.cqt");
  ASSERT_TRUE(file.Status() == QuoteFileStatus::Ok && file.Count() >= 2000u && !file.Description().empty());
  std::set<std::string> seen;
  char quote[kQuoteBufferSize];
  for (std::uint32_t i = 0; i < file.Count(); ++i) {
    ASSERT_EQ(file.ReadQuote(i, quote), QuoteFileStatus::Ok) << i;
    const std::string text = quote;
    if (i == 0) { EXPECT_EQ(text, kTutorial); }
    // One TAB with an attribution after it; no quotation twice.
    const std::size_t tab = text.find('\t');
    EXPECT_TRUE(tab != std::string::npos && text.find('\t', tab + 1) == std::string::npos && tab + 1 < text.size()) << text;
    EXPECT_TRUE(seen.insert(text.substr(0, tab)).second) << "duplicate: " << text;
  }
  const std::optional<std::vector<PuzzleRating>> ratings =
      ReadRatings(std::string(QUILLO_BIN_DIR) + "/quillo.cqr", file.Count());
  ASSERT_TRUE(ratings);
  int bands[3] = {};
  for (const PuzzleRating& r : *ratings) ++bands[static_cast<int>(r.band)];
  for (int count : bands) {
    EXPECT_GT(count * 4, static_cast<int>(ratings->size())) << "a band under a quarter";
    EXPECT_LT(count * 5, static_cast<int>(ratings->size()) * 2) << "a band over two fifths";
  }
}

TEST_F(ToolTest, WordlistBuildThenDumpKeepsSourceOrderWithinEachLengthAndDumpReportsTheLoadersFault) {
  WriteText("words.txt", "the\t65535\nof\t60000\nand\t59000\ncan't\t3000\nzyzzyva\t0\nan\t200\r\na\t50000\ndad\t12");
  ASSERT_EQ(Run("wordlist build" + Arg("words.txt") + Arg("w.wl")), 0) << err_;
  EXPECT_FALSE(std::filesystem::exists(Path("w.wl.tmp")));
  ASSERT_EQ(Run("wordlist dump" + Arg("w.wl")), 0) << err_;
  EXPECT_EQ(out_,
            "1\t50000\ta\n"
            "2\t60000\tof\n2\t200\tan\n3\t65535\tthe\n3\t59000\tand\n3\t12\tdad\n5\t3000\tcan't\n7\t0\tzyzzyva\n");

  // The header: -1, the format version, the word count.
  EXPECT_EQ(ReadText("w.wl").substr(0, 12), std::string("\xff\xff\xff\xff\x01\0\0\0\x08\0\0\0", 12));

  WriteText("bad.wl", std::string("\xff\xff\xff\xff\0\0\0\0\0\0\0\0\x03\0\0\0\x7f\x96\x98\0"
                                  "\x02\0\0\0\x01\0dog\0", 30));
  EXPECT_NE(Run("wordlist dump" + Arg("bad.wl")), 0);
  EXPECT_NE(err_.find("bad.wl: Premature EOF"), std::string::npos) << err_;
  EXPECT_NE(Run("wordlist dump" + Arg("absent.wl")), 0);
  EXPECT_NE(err_.find(std::strerror(ENOENT)), std::string::npos) << err_;
}

TEST_F(ToolTest, WordlistBadLinesAreRefusedWithTheirNumberAndNothingWritten) {
  const std::string cases[][2] = {
      {"ok\t1\nThe\t5\n", ":2:"}, {"ok\t1\nfine\t2\nbad\t65536\n", ":3:"}, {"no-hyphens\t1\n", ":1:"},
      {"ok\t1\n\n", ":2:"}, {"abcdefghijklmnopqrstuvwxyz\t1\n", ":1:"}, {"\t1\n", ":1:"},
  };
  WriteText("old.wl", "previous");
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    WriteText("words.txt", c[0]);
    EXPECT_NE(Run("wordlist build" + Arg("words.txt") + Arg("new.wl")), 0);
    EXPECT_NE(err_.find("words.txt" + c[1]), std::string::npos) << err_;
    EXPECT_FALSE(std::filesystem::exists(Path("new.wl")));
    EXPECT_NE(Run("wordlist build" + Arg("words.txt") + Arg("old.wl")), 0);
    EXPECT_EQ(ReadText("old.wl"), "previous");
  }
  EXPECT_NE(Run("wordlist build" + Arg("absent.txt") + Arg("new.wl")), 0);
  EXPECT_NE(err_.find("absent.txt"), std::string::npos);
  WriteText("words.txt", "ok\t1\n");
  EXPECT_EQ(Run("wordlist build" + Arg("words.txt") + Arg("words.txt")), 1);
  EXPECT_EQ(ReadText("words.txt"), "ok\t1\n");
}

TEST(ShippedData, WordlistIsLargeWellFormedAndByFallingFrequency) {
  WordDictionary dict;
  ASSERT_FALSE(ReadWordList(QUILLO_BIN_DIR "/wordlist.wl", dict).has_value());
  std::size_t total = 0;
  for (int length = 1; length <= kMaxWordLength; ++length) {
    const std::optional<WordSlot> slot = dict.Slot(length);
    if (!slot) continue;
    total += slot->size();
    for (std::size_t i = 0; i < slot->size(); ++i) {
      const char* text = slot->Text(i);
      ASSERT_EQ(std::strlen(text), static_cast<std::size_t>(length)) << text;
      ASSERT_EQ(std::strspn(text, "abcdefghijklmnopqrstuvwxyz'"), std::strlen(text)) << text;
      ASSERT_LE(slot->Frequency(i), slot->Frequency(i > 0 ? i - 1 : 0)) << text;
    }
  }
  EXPECT_GE(total, 100000u);
  // The everyday words a cryptogram leans on are there and not held back as rare.
  for (const char* common : {"a", "i", "the", "don't", "world's", "quotation"}) {
    bool found = false;
    const std::optional<WordSlot> slot = dict.Slot(static_cast<int>(std::strlen(common)));
    for (std::size_t i = 0; i < slot->size(); ++i) {
      if (std::strcmp(slot->Text(i), common) == 0) found = slot->Frequency(i) > 0;
    }
    EXPECT_TRUE(found) << common;
  }
}

// Installs the build once into a scratch prefix shared by the tests of this file.
class InstallTest : public ::testing::Test {
 protected:
  // The install rewrites the build's manifest, which lists a real install for uninstalling, so
  // the manifest is put back as it was once this install's copy has been taken.
  static void SetUpTestSuite() {
    prefix_ = new TempFolder();
    const fs::path build = fs::path(QUILLO_BIN_DIR).parent_path();
    const fs::path manifest = build / "install_manifest.txt";
    const std::optional<std::string> previous = ReadFile(manifest);
    installStatus_ = Run("cmake --install '" + build.string() + "' --prefix '" + prefix_->Path().string() + "'");
    manifest_ = ReadFile(manifest).value_or("");
    if (previous) WriteFile(manifest, *previous);
    if (!previous) fs::remove(manifest);
  }
  static void TearDownTestSuite() { delete prefix_; }

  // Runs a shell command with its output in files of the prefix; returns its exit status.
  static int Run(const std::string& command) {
    const int status = std::system((command + " >'" + prefix_->File("out.txt") + "' 2>'" +
                                    prefix_->File("err.txt") + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  static std::string Out() { return ReadFile(prefix_->File("out.txt")).value_or(""); }
  static std::string Err() { return ReadFile(prefix_->File("err.txt")).value_or(""); }
  static fs::path Installed(const std::string& relative) { return prefix_->Path() / relative; }
  static fs::path ProgramFolder() { return Installed("lib/quillo"); }

  static TempFolder* prefix_;
  static int installStatus_;
  static std::string manifest_;  // what this install listed
};

TempFolder* InstallTest::prefix_ = nullptr;
int InstallTest::installStatus_ = -1;
std::string InstallTest::manifest_;

bool IsExecutable(const fs::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IXUSR) != 0;
}

TEST_F(InstallTest, EverythingLandsInItsPlace) {
  ASSERT_EQ(installStatus_, 0) << Err();
  for (const char* file : {"quillo-tool", "quillo.cqt", "quillo.cqr", "wordlist.wl", "ahooga.wav", "clap.wav",
                           "tada.wav", "uhoh.wav", "help/index.html", "help/topic1000.html"}) {
    EXPECT_TRUE(fs::is_regular_file(ProgramFolder() / file)) << file;
  }
  EXPECT_TRUE(IsExecutable(ProgramFolder() / "quillo-tool") && IsExecutable(Installed("games/quillo")));
  EXPECT_EQ(fs::read_symlink(Installed("games/quillo-tool")), "../lib/quillo/quillo-tool");

  const std::string entry = ReadFile(Installed("share/applications/quillo.desktop")).value_or("");
  EXPECT_NE(entry.find("\nExec=" + Installed("games/quillo").string() + " %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nPath=" + ProgramFolder().string() + "\n"), std::string::npos) << entry;

  // The manifest lists what uninstalling removes, the desktop entry included.
  EXPECT_NE(manifest_.find(Installed("share/applications/quillo.desktop").string()), std::string::npos);
  EXPECT_NE(manifest_.find((ProgramFolder() / "help/index.html").string()), std::string::npos);

  // The installed tool, through its link, reads the installed collection.
  ASSERT_EQ(Run("'" + Installed("games/quillo-tool").string() + "' info '" +
                (ProgramFolder() / "quillo.cqt").string() + "'"), 0) << Err();
  EXPECT_NE(Out().find("The Quillo! collection"), std::string::npos) << Out();
}

TEST_F(InstallTest, LauncherStartsTheGameInItsFolderWithAbsoluteArguments) {
  ASSERT_EQ(installStatus_, 0) << Err();
  // A stand-in for the game that reports where it runs and what it was given.
  const fs::path game = ProgramFolder() / "quillo";
  fs::remove(game);
  WriteFile(game, "#!/bin/sh\npwd\nfor a do echo \"$a\"; done\n");
  fs::permissions(game, fs::perms::owner_all);
  TempFolder elsewhere;
  // Options and a toolkit option's value pass as given; after "--" everything is a file.
  ASSERT_EQ(Run("cd '" + elsewhere.Path().string() + "' && '" + Installed("games/quillo").string() +
                "' mine.qot /abs/other.qot '' --version -style fusion -- -odd.qot"), 0) << Err();
  const std::string cwd = fs::canonical(elsewhere.Path()).string();
  EXPECT_EQ(Out(), fs::canonical(ProgramFolder()).string() + "\n" + cwd +
                       "/mine.qot\n/abs/other.qot\n\n--version\n-style\nfusion\n--\n" + cwd + "/-odd.qot\n");
}

}  // namespace
