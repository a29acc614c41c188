#!/usr/bin/env python3
"""Regenerates data/wordpairs.txt, the solver's table of neighbouring words, from English prose.

Usage (see data/README.md):
    apt-get install dict-gcide wordnet-base
    python3 tools/make-wordpairs.py

Prose: the definitions and the quoted example sentences of GCIDE (dict-gcide) and the glosses
and example sentences of WordNet (wordnet-base). The text is cut into runs of words with nothing
but blanks between them (punctuation, brackets and line ends of markup break a run); a pair is
two neighbouring words of one run. Any run that shares MIN_SHARED words in a row with a quotation
of data/quotes.qot is dropped first, so no quotation of the shipped collection is counted.

Output: a version line "quillo-pairs 1 TOTAL" (TOTAL: words counted), then "word COUNT" for
every dictionary word seen at least MIN_WORD times, then for each such word the words seen after
it at least MIN_PAIR times, as "first second COUNT second COUNT ..."; words and followers in
falling count, then alphabetically. Fields are parted by TABs (a blank after "inflate" or
"deflate" and a number reads to package checkers as an embedded compression library).
The same inputs always give the same file.
"""

import argparse
import collections
import gzip
import glob
import os
import re
import sys

MIN_WORD = 3
MIN_PAIR = 2
MIN_SHARED = 5
WORD = re.compile(r"[a-z]+(?:'[a-z]+)*")
# What breaks a run: anything but letters, apostrophes and blanks.
BREAK = re.compile(r"[^a-z' \t]+")


def runs_of(text):
    """Lower-case word runs of a piece of text."""
    for piece in BREAK.split(text.lower()):
        words = WORD.findall(piece)
        if words:
            yield words


def gcide_texts(path):
    """Lines of the dictionary's entries with headwords, pronunciations and sources cut."""
    with gzip.open(path, "rt", encoding="latin-1") as f:
        for line in f:
            line = re.sub(r"\\[^\\]*\\", " | ", line)      # pronunciations
            line = re.sub(r"\[[^\]]*\]", " | ", line)      # etymologies, [1913 Webster]
            line = re.sub(r"\{[^}]*\}", lambda m: m.group(0)[1:-1], line)
            line = re.sub(r"--[A-Z].*", " | ", line)        # --Milton.
            yield line


def wordnet_texts(folder):
    """Glosses and examples of WordNet's data files."""
    for path in sorted(glob.glob(os.path.join(folder, "data.*"))):
        with open(path, encoding="latin-1") as f:
            for line in f:
                if line.startswith(" ") or "|" not in line:
                    continue  # the licence header
                yield line.split("|", 1)[1]


def collection_shingles(path):
    shingles = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            words = WORD.findall(line.split("\t")[0].lower())
            for i in range(len(words) - MIN_SHARED + 1):
                shingles.add(tuple(words[i:i + MIN_SHARED]))
    return shingles


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = os.path.join(here, "..", "data")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--gcide", default="/usr/share/dictd/gcide.dict.dz")
    parser.add_argument("--wordnet", default="/usr/share/wordnet")
    parser.add_argument("--out", default=os.path.join(data, "wordpairs.txt"))
    args = parser.parse_args()

    vocabulary = set()
    with open(os.path.join(data, "words.txt"), encoding="utf-8") as f:
        for line in f:
            vocabulary.add(line.split("\t")[0])
    shingles = collection_shingles(os.path.join(data, "quotes.qot"))

    words = collections.Counter()
    pairs = collections.Counter()
    dropped = 0
    texts = [gcide_texts(args.gcide), wordnet_texts(args.wordnet)]
    for source in texts:
        for text in source:
            for run in runs_of(text):
                if any(tuple(run[i:i + MIN_SHARED]) in shingles
                       for i in range(len(run) - MIN_SHARED + 1)):
                    dropped += 1
                    continue
                words.update(run)
                pairs.update(zip(run, run[1:]))
    total = sum(words.values())
    kept = {w: c for w, c in words.items() if c >= MIN_WORD and w in vocabulary}
    order = lambda item: (-item[1], item[0])
    with open(args.out, "w", encoding="ascii", newline="\n") as out:
        out.write("quillo-pairs\t1\t%d\n" % total)
        for w, c in sorted(kept.items(), key=order):
            out.write("%s\t%d\n" % (w, c))
        kept_pairs = [(p, c) for p, c in pairs.items()
                      if c >= MIN_PAIR and p[0] in kept and p[1] in kept]
        followers = collections.defaultdict(list)
        for (a, b), c in sorted(kept_pairs, key=order):
            followers[a].append("%s\t%d" % (b, c))
        for a, _ in sorted(kept.items(), key=order):
            if followers[a]:
                out.write("%s\t%s\n" % (a, "\t".join(followers[a])))
    print("%d words counted, %d runs dropped as shared with the collection, %d words, %d pairs"
          % (total, dropped, len(kept), len(kept_pairs)), file=sys.stderr)


if __name__ == "__main__":
    main()
