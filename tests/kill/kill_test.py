#!/usr/bin/env python3
"""The kill test: the game is played by kill_player in one working folder and killed with SIGKILL
at a random moment, run after run; after each kill every player file must be whole, and the next
start must ask nothing but what the files call for.

    kill_test.py RUNS --bin BUILD/bin [--seed N] [--keep DIR]

RUNS kills are attempted (a run that ends before its kill is counted as finished). The folder with
the built game (quillo.cqt, wordlist.wl, kill_player, check_files) is --bin. On the first failure
the run's seed and reason are printed; the folder as it was before the run, after the kill and now,
and the logs are kept under --keep (default: a new folder in the system's temporary folder), and the exit status is 1.
"""
import argparse
import os
import random
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PLAYER_FILES = ["quillo.ini", "quillo.svg", "quillo.cqm", "favorite.qot", "errors.txt", "history.txt"]
# Files that are only ever appended to: the old text must stay their start.
GROWING = {"favorite.qot", "errors.txt", "history.txt"}
START_TIMEOUT = 60
# Lines the player prints just before a file is written: a win (the record, then the settings
# as the dialog closes), a favourite, Exit (saved game, record, settings), a dialog closing
# (settings), a missing word list (error log), an option (settings at the next flush).
TRIGGERS = [b"won ", b"step won", b"step favourite", b"step exit", b"dialog ", b"step option"]


class Failure(Exception):
    pass


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def snapshot(folder):
    return {name: read(os.path.join(folder, name)) for name in PLAYER_FILES}


def program_without_words(bin_dir, root):
    """A program folder like bin_dir but without wordlist.wl, so word lists fail and log."""
    folder = os.path.join(root, "program-without-words")
    os.mkdir(folder)
    for name in os.listdir(bin_dir):
        if name != "wordlist.wl":
            os.symlink(os.path.join(bin_dir, name), os.path.join(folder, name))
    return folder


def won_puzzles(log_path):
    with open(log_path, "rb") as f:
        return [int(line.split()[1]) for line in f.read().split(b"\n") if line.startswith(b"won ")]


def compare_with_snapshot(before, after):
    """Each file equals its old self or is a new whole version; appended files only grow."""
    for name in PLAYER_FILES:
        old, new = before[name], after[name]
        if old == new or new is None and name not in GROWING:
            continue
        if name in GROWING and old is not None and (new is None or not new.startswith(old)):
            raise Failure(f"{name}: the old text is no longer its start")


# Damage the checker must see, each as (file, content, won puzzles), next to a sound folder.
RECORD_BYTES = 288  # 2300 puzzles in 32-bit words
SOUND_FILES = {
    "quillo.ini": b"[quillo]\nTutorial=1\n\n[YouWonDialog]\nCorner=0\n",
    "quillo.cqm": b"\0\0\0\x04" + b"\0" * (RECORD_BYTES - 4),  # puzzle 5 solved
    "favorite.qot": b"A saying.\tSomebody\n",
    "errors.txt": b"Sun Dec  6 10:30:23 2026: wordlist.wl: missing\n",
    "history.txt": b"quillo-history 1\n2026-01-30T10:00:00Z\t3f9a0c1d22e4b870\tsolved\t0\tquillo.cqt"
                   b"\t5\t50\t18\t300\t0\t1\t0\t0\t0\t0\n",
}
DAMAGE = [
    ("quillo.ini", b"[quillo]\nTutorial=1\nHintBu", "a settings line cut short"),
    ("quillo.ini", b"[quillo]\nTutorial=1\nHintButtons\n", "a settings line without '='"),
    ("quillo.cqm", b"\0" * 100, "a short record"),
    ("quillo.cqm", b"\0" * RECORD_BYTES, "a won puzzle not marked"),
    ("favorite.qot", b"A saying.\tSomebody\nAnother sa", "a favourite cut short"),
    ("favorite.qot", b"", "an empty favourites file"),
    ("errors.txt", b"Sun Dec  6 10:30:23 2026: wordl", "an error line cut short"),
    ("quillo.svg", b"0\n17\n" * 250, "a saved game cut short"),
    ("history.txt", b"quillo-history 1\n2026-01-30T10:00:00Z\t3f9a\tsol\n", "a damaged history line"),
    ("history.txt", b"2026-01-30T10:00:00Z\t3f9a0c1d22e4b870\tsolved\n", "a history without its version"),
]


class KillTest:
    def __init__(self, args):
        self.bin = os.path.abspath(args.bin)
        self.player = os.path.join(self.bin, "kill_player")
        self.checker = os.path.join(self.bin, "check_files")
        self.quotes = os.path.join(self.bin, "quillo.cqt")
        self.root = tempfile.mkdtemp(prefix="quillo-kill-")
        self.work = os.path.join(self.root, "work")
        os.mkdir(self.work)
        self.no_words = program_without_words(self.bin, self.root)
        self.keep = args.keep
        self.rng = random.Random(args.seed)
        self.won = set()
        self.kills = self.finished = self.survived = 0

    def log(self, name):
        return os.path.join(self.root, name)

    def play(self, seed, program, folder, seconds, trigger=None):
        """Runs a session and kills it `seconds` after its start or, with a trigger (a line start
        and how many such lines), a few milliseconds after that line, when the write it announces
        is under way. True when killed; a session that ends on its own must end well."""
        proc = subprocess.Popen([self.player, "--seed", str(seed), "--program", program],
                                cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        kill_at = time.monotonic() + seconds
        pending = b""
        with open(self.log("play.log"), "wb") as out:
            while True:
                ready, _, _ = select.select([proc.stdout], [], [], max(0.0, kill_at - time.monotonic()))
                if not ready:
                    proc.send_signal(signal.SIGKILL)
                    proc.wait()
                    out.write(proc.stdout.read())  # what it said before it died
                    proc.stdout.close()
                    return True
                chunk = os.read(proc.stdout.fileno(), 65536)
                if not chunk:
                    break
                out.write(chunk)
                pending += chunk
                *lines, pending = pending.split(b"\n")
                for line in lines:
                    if trigger and line.startswith(trigger[0]):
                        trigger[1] -= 1
                        if trigger[1] == 0:
                            kill_at = time.monotonic() + self.rng.uniform(0.0, 0.02)
        proc.stdout.close()
        rc = proc.wait()
        if rc != 0:
            raise Failure(f"the session ended with status {rc} before its kill")
        return False

    def calibrate(self):
        """The length of one whole session, measured in a folder of its own."""
        folder = os.path.join(self.root, "calibration")
        os.mkdir(folder)
        start = time.monotonic()
        if self.play(1, self.bin, folder, START_TIMEOUT):
            raise Failure("the session never ended")
        return time.monotonic() - start

    def check_files(self):
        result = subprocess.run([self.checker, self.work, self.quotes] + [str(n) for n in sorted(self.won)],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if result.returncode != 0:
            raise Failure("check_files: " + result.stdout.decode("latin-1").strip())

    def check_start(self):
        with open(self.log("start.log"), "wb") as out:
            try:
                rc = subprocess.run([self.player, "--start-only"], cwd=self.work, stdout=out,
                                    stderr=subprocess.STDOUT, timeout=START_TIMEOUT).returncode
            except subprocess.TimeoutExpired:
                raise Failure("the next start hung")
        if rc != 0:
            raise Failure(f"the next start failed (status {rc}): " + read(self.log("start.log")).decode("latin-1"))

    def run_once(self, seed, length):
        before = snapshot(self.work)
        shutil.rmtree(self.log("before"), ignore_errors=True)
        shutil.copytree(self.work, self.log("before"), symlinks=True)
        program = self.no_words if self.rng.random() < 0.25 else self.bin
        # Half the kills come at a random moment, half just after a write was announced (or at
        # a random moment when that announcement does not come).
        trigger = None
        if self.rng.random() < 0.5:
            triggers = TRIGGERS + ([b"message Error"] * 3 if program == self.no_words else [])
            trigger = [self.rng.choice(triggers), self.rng.randint(1, 3)]
        if self.play(seed, program, self.work, self.rng.uniform(0.1, length), trigger):
            self.kills += 1
        else:
            self.finished += 1
        self.won.update(won_puzzles(self.log("play.log")))
        after = snapshot(self.work)
        shutil.rmtree(self.log("after-kill"), ignore_errors=True)
        shutil.copytree(self.work, self.log("after-kill"), symlinks=True)
        self.check_files()
        compare_with_snapshot(before, after)
        self.survived += sum(1 for content in after.values() if content is not None)
        self.check_start()
        self.check_files()

    def keep_failure(self, seed):
        keep = self.keep or tempfile.mkdtemp(prefix=f"quillo-kill-failure-{seed}-")
        os.makedirs(keep, exist_ok=True)
        for name in ("before", "after-kill", "work", "play.log", "start.log"):
            source = self.log(name)
            if os.path.isdir(source):
                shutil.copytree(source, os.path.join(keep, name), symlinks=True, dirs_exist_ok=True)
            elif os.path.exists(source):
                shutil.copy(source, keep)
        return keep

    def check_the_checker(self):
        """check_files passes a sound folder and fails each kind of damage."""
        folder = os.path.join(self.root, "checker")
        for name, content, what in [(None, None, "a sound folder")] + DAMAGE:
            shutil.rmtree(folder, ignore_errors=True)
            os.mkdir(folder)
            for sound_name, sound in SOUND_FILES.items():
                with open(os.path.join(folder, sound_name), "wb") as f:
                    f.write(content if name == sound_name else sound)
            if name == "quillo.svg":
                with open(os.path.join(folder, name), "wb") as f:
                    f.write(content)
            rc = subprocess.run([self.checker, folder, self.quotes, "5"], stdout=subprocess.DEVNULL).returncode
            if (rc == 0) != (name is None):
                raise Failure(f"check_files judged {what} wrongly")

    def run(self, runs):
        try:
            self.check_the_checker()
            length = max(1.0, self.calibrate())
        except Failure as failure:
            print(f"FAIL: {failure}")
            return 1
        print(f"one session lasts {length:.1f} s", flush=True)
        for i in range(runs):
            seed = self.rng.randrange(1, 2**31)
            try:
                self.run_once(seed, length)
            except Failure as failure:
                print(f"FAIL run {i + 1}, seed {seed}: {failure}")
                print(f"files kept in {self.keep_failure(seed)}")
                return 1
        leftovers = [n for n in os.listdir(self.work) if ".tmp-" in n]
        print(f"kills: {self.kills}, finished before the kill: {self.finished}, "
              f"puzzles won: {len(self.won)}, temporary files left: {len(leftovers)}")
        print(f"kills: {self.kills}, files survived: {self.survived}")
        return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("runs", type=int)
    parser.add_argument("--bin", required=True, help="the folder of the built game and kill tools")
    parser.add_argument("--seed", type=int, default=None, help="repeats a test run's choices")
    parser.add_argument("--keep", default=None, help="where a failure's files are kept")
    args = parser.parse_args()
    if args.seed is None:
        args.seed = random.randrange(1, 2**31)
    print(f"kill test seed {args.seed}", flush=True)
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    # Nothing of this machine's set-up reaches the game: a fresh home and XDG folders, one locale.
    home = tempfile.mkdtemp(prefix="kill-home-")
    os.environ.update({"HOME": home, "XDG_CONFIG_HOME": home + "/config", "XDG_CACHE_HOME": home + "/cache",
                       "XDG_DATA_HOME": home + "/data", "XDG_RUNTIME_DIR": home, "LC_ALL": "C.UTF-8"})
    test = KillTest(args)
    try:
        return test.run(args.runs)
    finally:
        shutil.rmtree(test.root, ignore_errors=True)
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
