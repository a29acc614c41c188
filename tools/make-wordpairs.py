#!/usr/bin/env python3
"""Regenerates data/wordpairs.txt, the solver's table of words and neighbouring words.

Usage (see data/README.md):
    apt-get install pocketsphinx-en-us
    python3 tools/make-wordpairs.py

Source: the general US English word trigram model of pocketsphinx-en-us (en-us.lm.bin, BSD
licence), read directly from its binary trie. Only its one- and two-word figures are used: for
every word of the model that data/words.txt holds or that is written in lower-case letters and
apostrophes (names among them, which the dictionary leaves out), its log probability and its
back-off weight (what the model assumes for a follower it lists no pair for); and for pairs of
such words, how much likelier the second word is after the first than anywhere: ln P(second |
first) - ln P(second). A pair whose figure differs from the first word's back-off by less than MIN_DIFF
says nothing the back-off does not, and is left out; of the rest the PAIRS that matter most
are kept, by how often the two words meet (or, for pairs that repel, would meet by chance) and
how far the figure is from the back-off. The model holds no sequence longer than three words and
the table none longer than two, so no quotation of the collection can be carried in it.

Output (figures in hundredths of a nat, fields parted by TABs): the line "quillo-pairs 2", then
"word LOGPROB BACKOFF" for each word, most likely first, then for each word the pairs it leads
as "first second FIGURE second FIGURE ...", strongest first. The same inputs always give the
same file.
"""

import argparse
import collections
import math
import os
import re
import struct
import sys

PAIRS = 500000
MIN_DIFF = 0.3
MAX_REPULSION = 4.0     # the solver's limits (solver/wordpairs.h)
MAX_ATTRACTION = 6.0
LOG_BASE = math.log(1.0001)  # the model keeps its figures as logarithms to base 1.0001
HEADER = b"Trie Language Model"
QUANT_16 = 1
# The words kept besides those of words.txt: names and the like, as the solver reads them (its
# markers <s>, </s> and <unk> are left out).
WORD = re.compile(r"[a-z][a-z']{0,39}")


def bits_for(value):
    return value.bit_length()


def read_model(path):
    """Words, unigrams (prob, backoff, first bigram) and bigrams of the model's binary trie."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(HEADER):
        sys.exit("%s: not a trie language model" % path)
    p = len(HEADER)
    order = data[p]
    counts = struct.unpack_from("<%dI" % order, data, p + 1)
    p += 1 + 4 * order
    quant, = struct.unpack_from("<i", data, p)
    p += 4
    if order != 3 or quant != QUANT_16:
        sys.exit("%s: expected a trigram model with 16-bit figures" % path)
    bigram_probs = struct.unpack_from("<65536f", data, p)
    p += 3 * 65536 * 4  # bigram figures, bigram back-offs, trigram figures
    unigrams = [struct.unpack_from("<ffI", data, p + 12 * i) for i in range(counts[0] + 1)]
    p += 12 * (counts[0] + 1)
    word_bits = bits_for(counts[0])
    entry_bits = word_bits + 32 + bits_for(counts[2])
    sizes = [((1 + counts[1]) * entry_bits + 7) // 8 + 8,
             ((1 + counts[2]) * (word_bits + 16) + 7) // 8 + 8]
    trie = data[p:p + sizes[0]]
    p += sum(sizes)
    length, = struct.unpack_from("<i", data, p)
    words = [w.decode("latin-1") for w in data[p + 4:p + 4 + length].split(b"\0")[:counts[0]]]

    def bigrams():
        """(first, second, log P(second | first)): the trie files a pair under its second word."""
        mask = (1 << word_bits) - 1
        for second in range(counts[0]):
            for k in range(unigrams[second][2], unigrams[second + 1][2]):
                bit = k * entry_bits
                x = int.from_bytes(trie[bit >> 3:(bit >> 3) + 10], "little") >> (bit & 7)
                yield x & mask, second, bigram_probs[(x >> (word_bits + 16)) & 0xFFFF]

    return words, unigrams, bigrams


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = os.path.join(here, "..", "data")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--model", default="/usr/share/pocketsphinx/model/en-us/en-us.lm.bin")
    parser.add_argument("--out", default=os.path.join(data, "wordpairs.txt"))
    args = parser.parse_args()

    with open(os.path.join(data, "words.txt"), encoding="utf-8") as f:
        vocabulary = {line.split("\t")[0] for line in f}
    words, unigrams, bigrams = read_model(args.model)
    kept = [w in vocabulary or WORD.fullmatch(w) is not None for w in words]
    prob = [u[0] * LOG_BASE for u in unigrams]
    backoff = [u[1] * LOG_BASE for u in unigrams]
    clamp = lambda x: max(-MAX_REPULSION, min(MAX_ATTRACTION, x))

    candidates = []
    for first, second, logprob in bigrams():
        if not (kept[first] and kept[second]):
            continue
        figure = logprob * LOG_BASE - prob[second]
        diff = abs(clamp(figure) - clamp(backoff[first]))
        if diff < MIN_DIFF:
            continue
        weight = prob[first] + prob[second] + max(0.0, figure) + math.log(diff)
        candidates.append((-weight, first, second, round(figure * 100)))
    candidates.sort()
    followers = collections.defaultdict(list)
    for _, first, second, figure in sorted(candidates[:PAIRS], key=lambda c: (c[1], -c[3], c[2])):
        followers[first].append("%s\t%d" % (words[second], figure))

    order = sorted((i for i in range(len(words)) if kept[i]), key=lambda i: (-prob[i], words[i]))
    with open(args.out, "w", encoding="ascii", newline="\n") as out:
        out.write("quillo-pairs\t2\n")
        for i in order:
            out.write("%s\t%d\t%d\n" % (words[i], round(prob[i] * 100), round(backoff[i] * 100)))
        for i in order:
            if followers[i]:
                out.write("%s\t%s\n" % (words[i], "\t".join(followers[i])))
    print("%d words, %d pairs of %d that differ from the back-off"
          % (len(order), min(PAIRS, len(candidates)), len(candidates)), file=sys.stderr)


if __name__ == "__main__":
    main()
