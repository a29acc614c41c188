// The solver: pattern index over the dictionary, beam search over partial keys, final scoring.
#include "solver/solver.h"
#include "solver/keyclimb.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace {

// The dictionary's frequencies are counts on a log scale: 1 stands for 3 sightings in a corpus
// of about 51 million words, 65535 for the most common word (about 13.4 nats higher); 0 marks a
// word seen less often than that.
constexpr double kLogCorpus = 17.75;
constexpr double kLogLowestCount = 1.0986;  // ln 3
constexpr double kLogCountSpan = 13.4;
constexpr double kRareLogCount = -0.5;
// An unknown word: the chance that a word of a quotation is missing from the dictionary, times
// its letters' chance under the trigram model. The search, which does not yet know the letters,
// charges a typical cost per letter instead.
constexpr double kUnknownLogProb = -9.0;
constexpr double kTypicalLetterLogProb = -2.6;
// Attributions are mostly names, which the dictionary lacks or mistakes for rare words; they
// weigh less, so the body's words decide the letters they share.
constexpr double kAttributionWeight = 0.3;
// A word is far likelier to be missing from the dictionary when it is a name: every word of an
// attribution, and a body word with a capital inside a sentence ("in Africa"). Without this a
// name is read as whatever dictionary word fits ("Albert" as "advert") and drags the letters it
// shares with the body along.
constexpr double kAttributionUnknownBonus = 10.0;
constexpr double kCapitalUnknownBonus = 4.0;
// A word the dictionary lacks but the word-pair table knows is mostly a name ("Africa",
// "Kipling"); it scores by its share of running text, less this (natural log), when that beats
// its letters. Otherwise a name of the attribution is read as whatever fits ("Radyurd Hipling")
// and the letters it shares with the body go wrong with it ("mud" for "mad").
constexpr double kTableNamePenalty = 4.0;
// The final scoring weighs a known word mostly by its share of ordinary running text (the
// word-pair table's figures): the dictionary's own frequencies come from film dialogue, which
// favours "me", "you" and "like" over "be", "for" and "life" far more than quotations do.
constexpr double kProseShare = 0.8;
constexpr int kReadingsCompleted = 32;   // best partial keys carried to the final scoring
constexpr int kNarrowBeam = 4;           // once a budget has run out
constexpr std::size_t kReadingsPolished = 1;  // best readings given a final hill climb
constexpr double kDictionaryShare = 0.75;  // of the letters, for a plausible solution
// Two neighbours that repel ("a think") count this much more than the same figure of
// attraction: a wrong reading's words tend to repel, while the true reading's pairs are often
// ones the table knows little of (names, old turns of phrase).
constexpr double kRepulsionWeight = 1.25;
// A best reading with less than this share of its letters in dictionary words usually means the
// beam lost the true reading early (a long name taken for a word); one more search with a beam
// this many times as wide, within what is left of the budgets, finds many of them.
constexpr double kRetryShare = 0.85;
constexpr int kRetryBeamFactor = 8;
constexpr int kWidestBeam = 4096;

double LogProbOfFrequency(std::uint16_t frequency) {
  const double logCount = frequency == 0
                              ? kRareLogCount
                              : kLogLowestCount + (frequency - 1) * (kLogCountSpan / 65534.0);
  return logCount - kLogCorpus;
}

// The pattern of a lower-case word: each letter replaced by the order of its first occurrence
// ('a' for the first distinct letter); other characters stay.
std::string PatternOf(std::string_view word) {
  std::array<char, 26> seen{};
  char next = 'a';
  std::string pattern(word);
  for (char& c : pattern) {
    const int letter = LetterOf(c);
    if (letter < 0) continue;
    if (!seen[letter]) seen[letter] = next++;
    c = seen[letter];
  }
  return pattern;
}

struct Candidate {
  std::uint32_t offset;  // of the word's text in Index::storage
  float logProb;
};

// The dictionary words of one pattern, most likely first. A big bucket also lists, for each of
// its distinct letters (k, in order of first occurrence) and each plain letter p, the candidates
// holding p there: members[start[k * 26 + p] .. start[k * 26 + p + 1]), in the same order; a
// partial key that already fixes a letter of the word then tries only those.
struct Bucket {
  std::vector<Candidate> words;
  std::vector<std::uint32_t> start;
  std::vector<std::uint32_t> members;
};
constexpr std::size_t kListedBucket = 32;

struct WordInfo {
  float logProb;
  bool rare;
};

// One distinct word of the quotation.
struct Unit {
  std::string word;                  // lower case
  std::vector<int> firstPositions;   // the first position of each distinct letter
  std::uint32_t letterMask = 0;
  int letterCount = 0;               // letters of the word (not distinct)
  double count = 0;                  // occurrences, an attribution's at kAttributionWeight
  const Bucket* bucket = nullptr;
  double unknownCost = 0;            // the search's estimate for leaving it unknown
  bool inBody = false;               // else only in the attribution
  bool capitalCue = false;           // capitalised inside a sentence of the body
  bool notPronoun = false;           // written small where "I" and "I'm" are always capitals
};

struct State {
  std::array<std::int8_t, 26> key;  // plain letter for each cipher letter, -1 when open
  std::uint32_t used;               // plain letters taken
  float score;
  std::uint32_t order;              // tie-break: earlier made wins
};

bool Better(const State& a, const State& b) {
  return a.score != b.score ? a.score > b.score : a.order < b.order;
}

std::uint64_t HashKey(const State& s) {
  std::uint64_t h = 1469598103934665603ull;
  for (std::int8_t k : s.key) h = (h ^ static_cast<std::uint8_t>(k)) * 1099511628211ull;
  return h;
}

// Whether a text holds both small and capital letters: only then do its capitals say anything.
bool MixedCase(std::string_view text) {
  const auto has = [&](char from, char to) {
    return std::any_of(text.begin(), text.end(), [&](char c) { return c >= from && c <= to; });
  };
  return has('a', 'z') && has('A', 'Z');
}

// Cuts the text into distinct lower-case words: runs of letters and apostrophes, with the
// apostrophes at either end dropped. Notes which words the body capitalises inside a sentence
// (not after a stop, a quotation mark, a dash or a verse break, and not "I" or "I'm").
std::vector<Unit> WordsOf(std::string_view text) {
  std::vector<Unit> units;
  std::unordered_map<std::string, std::size_t> where;
  const bool caseSays = MixedCase(text);
  std::string token;
  bool capital = false;       // the token's first letter as written
  bool sentenceStart = true;
  double weight = 1.0;
  auto flush = [&] {
    const std::size_t first = token.find_first_not_of('\'');
    const std::size_t last = token.find_last_not_of('\'');
    if (first != std::string::npos) {
      const std::string word = token.substr(first, last - first + 1);
      auto [it, added] = where.try_emplace(word, units.size());
      if (added) {
        Unit unit;
        unit.word = word;
        for (std::size_t i = 0; i < word.size(); ++i) {
          const int letter = LetterOf(word[i]);
          if (letter < 0) continue;
          ++unit.letterCount;
          if (!(unit.letterMask >> letter & 1)) unit.firstPositions.push_back(static_cast<int>(i));
          unit.letterMask |= 1u << letter;
        }
        units.push_back(std::move(unit));
      }
      Unit& unit = units[it->second];
      unit.count += weight;
      if (weight == 1.0) {
        unit.inBody = true;
        const bool pronoun = word.size() == 1 || word[1] == '\'';
        if (caseSays && capital && first == 0 && !sentenceStart && !pronoun) unit.capitalCue = true;
        if (caseSays && !capital && first == 0 && pronoun) unit.notPronoun = true;
      }
      sentenceStart = false;
    }
    token.clear();
  };
  for (char c : text) {
    if (LetterOf(c) >= 0 || c == '\'') {
      if (token.empty()) capital = c >= 'A' && c <= 'Z';
      token += LetterOf(c) >= 0 ? static_cast<char>(c | 0x20) : c;
      continue;
    }
    flush();
    if (c == '\t') weight = kAttributionWeight;
    if (std::strchr(".!?\":|-(", c) != nullptr) sentenceStart = true;
  }
  flush();
  return units;
}

// What leaving a word unknown costs beyond its letters, by what is known about names.
double NameBonus(const Unit& unit) {
  return !unit.inBody ? kAttributionUnknownBonus : unit.capitalCue ? kCapitalUnknownBonus : 0;
}

// The search order: at each turn the word whose candidates the letters fixed so far cut down
// most, each fixed letter counting as a tenfold cut; ties go to the longer word. Words found
// only in the attribution come last.
void OrderUnits(std::vector<Unit>& units) {
  std::uint32_t covered = 0;
  for (std::size_t done = 0; done < units.size(); ++done) {
    std::size_t best = done;
    double bestCost = 0;
    for (std::size_t i = done; i < units.size(); ++i) {
      const Unit& u = units[i];
      const int fixed = std::popcount(u.letterMask & covered);
      const double size = u.bucket ? static_cast<double>(u.bucket->words.size()) : 1e6;
      const double cost = std::log10(size + 1) - fixed - 0.01 * u.letterCount +
                          (u.count < 1 ? 100 : 0);  // attribution words only
      if (i == done || cost < bestCost) {
        best = i;
        bestCost = cost;
      }
    }
    std::swap(units[done], units[best]);
    covered |= units[done].letterMask;
  }
}

// Fills a bucket's lists by letter (see Bucket).
void ListByLetter(const std::string& pattern, const std::string& storage, Bucket& bucket) {
  std::vector<std::size_t> firsts;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (LetterOf(pattern[i]) >= 0 && pattern.find(pattern[i]) == i) firsts.push_back(i);
  }
  const std::size_t lists = firsts.size() * 26;
  std::vector<std::uint32_t> fill(lists + 1, 0);
  for (const Candidate& c : bucket.words) {
    for (std::size_t k = 0; k < firsts.size(); ++k) ++fill[k * 26 + (storage[c.offset + firsts[k]] - 'a') + 1];
  }
  for (std::size_t i = 0; i < lists; ++i) fill[i + 1] += fill[i];
  bucket.start = fill;
  bucket.members.resize(fill[lists]);
  for (std::uint32_t w = 0; w < bucket.words.size(); ++w) {
    for (std::size_t k = 0; k < firsts.size(); ++k) {
      bucket.members[fill[k * 26 + (storage[bucket.words[w].offset + firsts[k]] - 'a')]++] = w;
    }
  }
}

}  // namespace

struct Solver::Index {
  std::string storage;  // every word, NUL-terminated
  std::unordered_map<std::string, Bucket> byPattern;
  std::unordered_map<std::string, WordInfo> byWord;
};

Solver::Solver(const WordDictionary& dict, std::string_view pairTable)
    : index_(std::make_unique<Index>()) {
  pairs_.Parse(pairTable);
  for (int length = 1; length <= kMaxWordLength; ++length) {
    const std::optional<WordSlot> slot = dict.Slot(length);
    if (!slot) continue;
    for (std::size_t i = 0; i < slot->size(); ++i) {
      const std::string word(slot->Text(i), strnlen(slot->Text(i), length));
      bool clean = !word.empty();
      for (char c : word) clean = clean && ((c >= 'a' && c <= 'z') || c == '\'');
      if (!clean || index_->byWord.count(word)) continue;
      const std::uint16_t frequency = slot->Frequency(i);
      const float logProb = static_cast<float>(LogProbOfFrequency(frequency));
      index_->byWord.emplace(word, WordInfo{logProb, frequency == 0});
      index_->byPattern[PatternOf(word)].words.push_back(
          Candidate{static_cast<std::uint32_t>(index_->storage.size()), logProb});
      index_->storage.append(word).push_back('\0');
      if (frequency > 0) letters_.Add(word);
    }
  }
  letters_.Finish();
  // The search stops at the first candidate of a bucket that cannot win, so most likely first.
  for (auto& [pattern, bucket] : index_->byPattern) {
    std::stable_sort(bucket.words.begin(), bucket.words.end(),
                     [](const Candidate& a, const Candidate& b) { return a.logProb > b.logProb; });
    if (bucket.words.size() >= kListedBucket) ListByLetter(pattern, index_->storage, bucket);
  }
}

Solver::~Solver() = default;


namespace {

// The search proper, over one quotation's words.
class Search {
 public:
  Search(const std::vector<Unit>& units, const std::string& storage, const SolveOptions& options)
      : units_(units), storage_(storage), options_(options),
        deadline_(std::chrono::steady_clock::now() +
                  std::chrono::microseconds(static_cast<long long>(options.budgetMs * 1000))) {}

  // The final beam, best first.
  std::vector<State> Run() {
    State start{};
    start.key.fill(-1);
    std::vector<State> beam{start};
    for (const Unit& unit : units_) beam = Step(beam, unit);
    return beam;
  }
  bool OutOfBudget() const { return outOfBudget_; }
  std::uint64_t Steps() const { return steps_; }

 private:
  void CheckBudget() {
    if (outOfBudget_) return;
    if (options_.stepBudget > 0 && steps_ >= options_.stepBudget) outOfBudget_ = true;
    if (options_.budgetMs > 0 && std::chrono::steady_clock::now() >= deadline_) outOfBudget_ = true;
    if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) outOfBudget_ = true;
  }

  std::size_t Width() const {
    return static_cast<std::size_t>(std::max(1, outOfBudget_ ? kNarrowBeam : options_.beamWidth));
  }

  // Keeps the best Width() children in a heap whose top is the weakest.
  void Offer(std::vector<State>& heap, const State& child) {
    const auto weaker = [](const State& a, const State& b) { return Better(a, b); };
    if (heap.size() < Width()) {
      heap.push_back(child);
      std::push_heap(heap.begin(), heap.end(), weaker);
    } else if (Better(child, heap.front())) {
      std::pop_heap(heap.begin(), heap.end(), weaker);
      heap.back() = child;
      std::push_heap(heap.begin(), heap.end(), weaker);
    }
  }

  bool Full(const std::vector<State>& heap) const { return heap.size() >= Width(); }

  std::vector<State> Step(const std::vector<State>& beam, const Unit& unit) {
    std::vector<State> heap;
    const double best =
        std::max(unit.unknownCost, unit.bucket && !unit.bucket->words.empty()
                                       ? static_cast<double>(unit.bucket->words.front().logProb)
                                       : unit.unknownCost) * unit.count;
    std::size_t parents = 0;
    for (const State& parent : beam) {
      if ((++parents & 7) == 0) CheckBudget();
      if (Full(heap) && parent.score + best <= heap.front().score) break;
      State child = parent;
      child.order = order_++;
      child.score = static_cast<float>(parent.score + unit.unknownCost * unit.count);
      Offer(heap, child);
      if (!unit.bucket) continue;
      const Bucket& bucket = *unit.bucket;
      // The shortest list among the word's letters this parent has fixed, else every word.
      const std::uint32_t* list = nullptr;
      std::size_t listSize = bucket.words.size();
      for (std::size_t k = 0; k < unit.firstPositions.size() && !bucket.start.empty(); ++k) {
        const int plain = parent.key[unit.word[unit.firstPositions[k]] - 'a'];
        if (plain < 0) continue;
        const std::size_t at = k * 26 + static_cast<std::size_t>(plain);
        if (bucket.start[at + 1] - bucket.start[at] < listSize) {
          list = bucket.members.data() + bucket.start[at];
          listSize = bucket.start[at + 1] - bucket.start[at];
        }
      }
      for (std::size_t i = 0; i < listSize; ++i) {
        const Candidate& candidate = bucket.words[list ? list[i] : i];
        ++steps_;
        const float score = static_cast<float>(parent.score + candidate.logProb * unit.count);
        if (Full(heap) && score <= heap.front().score) break;
        if (unit.notPronoun && storage_[candidate.offset] == 'i') continue;
        if (!Extend(parent, unit, storage_.data() + candidate.offset, child)) continue;
        child.score = score;
        child.order = order_++;
        Offer(heap, child);
      }
    }
    std::sort(heap.begin(), heap.end(), Better);
    // Different parents can arrive at one key; keep its best arrival only.
    std::unordered_set<std::uint64_t> seen;
    std::erase_if(heap, [&](const State& s) { return !seen.insert(HashKey(s)).second; });
    return heap;
  }

  // The parent's key extended by a candidate word; false when they disagree, when a letter would
  // stand for itself or a plain letter would serve two cipher letters. The pattern already
  // matches, so repeats inside the word agree.
  static bool Extend(const State& parent, const Unit& unit, const char* text, State& child) {
    child.key = parent.key;
    child.used = parent.used;
    for (int i : unit.firstPositions) {
      const int c = unit.word[i] - 'a';
      const int p = text[i] - 'a';
      if (child.key[c] >= 0) {
        if (child.key[c] != p) return false;
      } else {
        if (p == c || (child.used >> p & 1)) return false;
        child.key[c] = static_cast<std::int8_t>(p);
        child.used |= 1u << p;
      }
    }
    return true;
  }

  const std::vector<Unit>& units_;
  const std::string& storage_;
  const SolveOptions& options_;
  const std::chrono::steady_clock::time_point deadline_;
  std::uint64_t steps_ = 0;
  std::uint32_t order_ = 0;
  bool outOfBudget_ = false;
};

// A lower-case cipher word through a partial key; '?' for an open letter.
std::string Decipher(std::string_view word, const std::array<std::int8_t, 26>& key) {
  std::string plain(word);
  for (char& c : plain) {
    if (LetterOf(c) >= 0) c = key[LetterOf(c)] >= 0 ? static_cast<char>('a' + key[LetterOf(c)]) : '?';
  }
  return plain;
}

std::uint32_t MaskOf(std::string_view word) {
  std::uint32_t mask = 0;
  for (char c : word) {
    if (LetterOf(c) >= 0) mask |= 1u << LetterOf(c);
  }
  return mask;
}

}  // namespace

SolveResult Solver::Solve(std::string_view cipher, const SolveOptions& options) const {
  const auto started = std::chrono::steady_clock::now();
  SolveResult result;
  cipher = cipher.substr(0, 999);
  std::vector<Unit> units = WordsOf(cipher);
  if (units.empty()) return result;
  const std::vector<std::pair<std::string, std::string>> pairs = AdjacentWords(cipher);
  std::uint32_t textLetters = 0;
  std::array<double, 26> letterCounts{};
  for (Unit& unit : units) {
    const auto it = unit.word.size() <= kMaxWordLength ? index_->byPattern.find(PatternOf(unit.word))
                                                       : index_->byPattern.end();
    unit.bucket = it == index_->byPattern.end() ? nullptr : &it->second;
    unit.unknownCost =
        kUnknownLogProb + kTypicalLetterLogProb * (unit.letterCount + 1) + NameBonus(unit);
    textLetters |= unit.letterMask;
    for (char c : unit.word) {
      if (LetterOf(c) >= 0) letterCounts[LetterOf(c)] += unit.count;
    }
  }
  OrderUnits(units);

  Search search(units, index_->storage, options);
  std::vector<State> finals = search.Run();
  result.outOfBudget = search.OutOfBudget();
  result.steps = search.Steps();
  if (finals.size() > kReadingsCompleted) finals.resize(kReadingsCompleted);

  // Scores a word as deciphered by a key: dictionary or letter model.
  struct Scored {
    double score;
    bool known;
    bool rare;
  };
  const auto knownLogProb = [&](const WordInfo& info, const std::string& plain) {
    if (pairs_.Empty()) return static_cast<double>(info.logProb);
    return std::log((1 - kProseShare) * std::exp(info.logProb) + kProseShare * pairs_.Share(plain));
  };
  const auto scoreWord = [&](const Unit& unit, const std::array<std::int8_t, 26>& key) {
    const std::string plain = Decipher(unit.word, key);
    const auto it = index_->byWord.find(plain);
    if (it != index_->byWord.end() && !(unit.notPronoun && plain[0] == 'i')) {
      return Scored{knownLogProb(it->second, plain), true, it->second.rare};
    }
    double unknown = kUnknownLogProb + letters_.LogProb(plain);
    const double share = pairs_.Share(plain);
    if (share > 0) unknown = std::max(unknown, std::log(share) - kTableNamePenalty);
    return Scored{unknown + NameBonus(unit), false, false};
  };
  const auto scoreKey = [&](const std::array<std::int8_t, 26>& key, std::uint32_t lettersOf) {
    double sum = 0;
    for (const Unit& unit : units) {
      if (unit.letterMask & lettersOf) sum += scoreWord(unit, key).score * unit.count;
    }
    return sum;
  };

  struct Final {
    std::array<std::int8_t, 26> key;
    double score;
    double dictionaryShare;
  };
  std::vector<std::uint32_t> pairMasks;
  for (const auto& [first, second] : pairs) pairMasks.push_back(MaskOf(first) | MaskOf(second));
  const auto pairScore = [&](const std::array<std::int8_t, 26>& key, std::uint32_t lettersOf) {
    double sum = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      if (!(pairMasks[i] & lettersOf)) continue;
      const double a = pairs_.Association(Decipher(pairs[i].first, key), Decipher(pairs[i].second, key));
      sum += a > 0 ? a : kRepulsionWeight * a;
    }
    return sum;
  };
  const auto evaluate = [&](const std::array<std::int8_t, 26>& key) {
    Final f{key, 0, 0};
    double known = 0;
    double total = 0;
    for (const Unit& unit : units) {
      const Scored s = scoreWord(unit, f.key);
      f.score += s.score * unit.count;
      total += unit.letterCount * unit.count;
      if (s.known) known += unit.letterCount * unit.count;
    }
    f.dictionaryShare = total > 0 ? known / total : 0;
    f.score += pairScore(key, ~0u);
    return f;
  };
  std::vector<Final> readings;
  for (const State& state : finals) {
    std::array<std::int8_t, 26> key = state.key;
    keyclimb::CompleteKey(key, textLetters, letterCounts, scoreKey);
    readings.push_back(evaluate(key));
  }
  const auto byScore = [](const Final& a, const Final& b) { return a.score > b.score; };
  std::stable_sort(readings.begin(), readings.end(), byScore);
  // The beam fixed the letters word by word; the best readings may still gain from a change of
  // a letter or two under the whole score, word pairs included.
  const auto fullScore = [&](const std::array<std::int8_t, 26>& key, std::uint32_t lettersOf) {
    return scoreKey(key, lettersOf) + pairScore(key, lettersOf);
  };
  for (std::size_t i = 0; i < readings.size() && i < kReadingsPolished; ++i) {
    std::array<std::int8_t, 26> key = readings[i].key;
    if (keyclimb::PolishKey(key, textLetters, fullScore)) readings[i] = evaluate(key);
  }
  std::stable_sort(readings.begin(), readings.end(), byScore);
  std::vector<Final> distinct;
  for (const Final& f : readings) {
    const bool repeat = std::any_of(distinct.begin(), distinct.end(),
                                    [&](const Final& r) { return r.key == f.key; });
    if (!repeat) distinct.push_back(f);
  }
  readings = std::move(distinct);
  if (readings.empty()) return result;

  const Final& best = readings.front();
  if (best.dictionaryShare < kRetryShare && !result.outOfBudget && options.beamWidth < kWidestBeam) {
    SolveOptions wider = options;
    wider.beamWidth = std::min(kWidestBeam, options.beamWidth * kRetryBeamFactor);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - started;
    wider.budgetMs = options.budgetMs - spent.count();  // stays 0 or less when there is none
    if (options.stepBudget > 0) {
      wider.stepBudget = options.stepBudget - std::min(options.stepBudget - 1, result.steps);
    }
    if (options.budgetMs <= 0 || wider.budgetMs > 0) {
      SolveResult again = Solve(cipher, wider);
      again.steps += result.steps;
      if (!again.readings.empty() && again.readings.front().score > best.score) return again;
      result.steps = again.steps;
    }
  }
  double mass = 0;
  for (const Final& r : readings) {
    mass += std::exp(r.score - best.score);
    if (r.score >= best.score - kPlausibleMargin && r.dictionaryShare >= kDictionaryShare) {
      ++result.solutions;
    }
  }
  result.confidence = 1.0 / mass;
  for (const Unit& unit : units) {
    const Scored s = scoreWord(unit, best.key);
    ++result.words;
    result.unknownWords += !s.known;
    result.rareWords += s.known && s.rare;
  }
  for (const Final& r : readings) {
    if (static_cast<int>(result.readings.size()) >= std::max(1, options.top)) break;
    Reading reading;
    for (int c = 0; c < 26; ++c) {
      reading.key[c] = !(textLetters >> c & 1) ? '-' : r.key[c] >= 0 ? static_cast<char>('A' + r.key[c]) : '?';
    }
    reading.plaintext = ApplyKey(cipher, reading.key);
    reading.score = r.score;
    result.readings.push_back(std::move(reading));
  }
  return result;
}
