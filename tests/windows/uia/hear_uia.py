#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays merovant.exe by keys under Wine and checks what it hands UI Automation.

Usage: hear_uia.py MEROVANT.EXE STANDIN_DIR LANGUAGE WORK_DIR

STANDIN_DIR holds the stand-in uiautomationcore.dll and uia_root.exe;
LANGUAGE is "en" or "de"; WORK_DIR takes the stand-in's log. Run by
hear_uia.sh, on an X server and in a Wine prefix of its own (WINEPREFIX,
which it makes), with the stand-in in the prefix's system folder. It starts
the program, asks for its UI Automation root as a screen reader does when
it starts, and types keys into its window with xdotool: a deal played to
its verdict, a refused card, a second deal with a card focused, and Answer.
After each key it waits on the stand-in's log for the notifications that
the table of expectations below builds from what the program shows, read
from the tree the stand-in writes out, and for the focus where the key
moves it; each notification must come once, and no other. Then the tree
itself: the window, the four cards with their names, the buttons, and the
status bar with the summary, found where NVDA looks for it.
"""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "support"))
from driving import Failure, check, stop, time_limit, wait_for  # noqa: E402
from game_texts import (DEAL_TO_ITS_VERDICT, TEXTS, card_values,  # noqa: E402
                        choose_operators, sentences, spoken_answer, with_operator_key)

# Well inside CTest's limit, so that a hang still ends here, with the cleanup.
WHOLE_RUN_SECONDS = 170
# What the stand-in is sent by nothing: its log is quiet this long after a key.
QUIET_SECONDS = 0.5

COUNTS = {"Label2": "Label4", "Label9": "Label8", "Label6": "Label7", "Label3": "Label5"}
BUTTONS = ["Command1", "Command2", "Command3", "Command4", "Command5", "Command6"]


class Log:
    """The stand-in's log: one record a line, fields separated by tabs."""

    def __init__(self, path):
        self.path = path
        self.records = []
        self._offset = 0
        self._changed = time.monotonic()

    def read(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self._offset)
                data = log.read()
        except FileNotFoundError:
            return self.records
        end = data.rfind(b"\n") + 1
        if end:
            self._offset += end
            self._changed = time.monotonic()
            self.records += [line.split("\t") for line in data[:end].decode("utf-8").splitlines()]
        return self.records

    def mark(self):
        return len(self.read())

    def since(self, mark, kind=None):
        return [r for r in self.read()[mark:] if kind is None or r[0] == kind]

    def quiet(self):
        self.read()
        return time.monotonic() - self._changed >= QUIET_SECONDS

    def wait_quiet(self):
        wait_for(self.quiet, "the stand-in's log to fall quiet")


class Game:
    """merovant.exe under Wine, seen through the stand-in."""

    def __init__(self, program, standin, environment, log):
        self.environment = environment
        self.log = log
        self.root_request = os.path.join(standin, "uia_root.exe")
        self.process = subprocess.Popen(["wine", program], env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = wait_for(lambda: self.windows()[:1], "the window", 60)[0]

    def windows(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Merovant$"],
                               capture_output=True, text=True, env=self.environment)
        return found.stdout.split()

    def tree(self):
        """What a screen reader finds from the window's root: each element by
        its automation id (or its name), and the status bar it reads."""
        mark = self.log.mark()
        subprocess.run(["wine", self.root_request], env=self.environment, check=True)

        def written_out():
            records = self.log.since(mark)
            return records if records and records[-1] == ["end"] else None
        records = wait_for(written_out, "the tree")
        records = records[[r[0] for r in records].index("root"):]
        elements = {}
        for record in records:
            if record[0] == "tree":
                _, depth, kind, automation_id, name = record
                elements[automation_id.split(".")[-1] or name] = (int(depth), kind, name)
            elif record[0] == "statusbar":
                elements["status bar found"] = (0, record[1], record[3])
        return elements

    def key(self, name):
        subprocess.run(["xdotool", "key", name], env=self.environment, check=True)

    def close(self):
        stop(self.process)


# What the stand-in must be handed after each key, built from what the
# program shows then. Each row: what is done, the key typed (an operator's
# key is filled in from the deal), the texts of the notifications that must
# each come once, and no others, and the control that the key gives the
# focus to, if it moves it. Texts in parentheses are sentences said one
# after the other in one notification.
STEPS = [row + (None,) for row in DEAL_TO_ITS_VERDICT] + [
    ("card 1 again: refused", "1", [], None),
    ("OK", "Return", [], None),
    ("Tab to card 1, taken", "Tab", [], "Picture3_1"),
    ("New Game, card 1 focused", "F2", [("{hand}", "{Label3}")], None),
    ("Tab to card 2", "Tab", [], "Picture3_2"),
    ("Tab to card 3", "Tab", [], "Picture3_3"),
    ("Tab to card 4", "Tab", [], "Picture3_4"),
    ("Tab to Answer", "Tab", [], "Command2"),
    ("Answer", "Return", [("{answer}", "{answer count}")], None),
]


class Table:
    """The expectations filled in from the tree."""

    def __init__(self, game):
        self.game = game
        self.counts = self.shown()["counts"]

    def shown(self):
        tree = self.game.tree()
        names = [tree["Picture3_%d" % index][2] for index in range(1, 5)]
        return {"tree": tree, "names": names, "line": tree["Label1"][2],
                "counts": {label: tree[label][2] for label in COUNTS}}

    def fill(self, template, shown):
        if isinstance(template, tuple):
            return sentences([self.fill(part, shown) for part in template])
        tree = shown["tree"]
        texts = {"hand": ", ".join(shown["names"]), "line": shown["line"].strip(),
                 "answer": spoken_answer(shown["line"], TEXT)}
        for label, caption in COUNTS.items():
            texts[label] = "%s %s" % (tree[caption][2], shown["counts"][label])
        changed = [label for label in COUNTS if shown["counts"][label] != self.counts[label]]
        texts["verdict count"] = texts["answer count"] = (
            texts[changed[0]] if len(changed) == 1 else "(%d counts changed)" % len(changed))
        return template.format(**texts)

    def summary(self, shown):
        return self.fill(("{answer}", "{Label2}", "{Label9}", "{Label6}", "{Label3}"), shown)

    def settle(self, shown):
        self.counts = shown["counts"]


def step(game, table, what, key, expected, focus):
    log = game.log
    mark = log.mark()
    game.key(key)
    wait_for(lambda: len(log.since(mark, "notification")) >= len(expected),
             "%d notifications after %s" % (len(expected), what))
    if focus:
        wait_for(lambda: any(r[1] == "FocusChanged" and r[3].endswith("." + focus)
                             for r in log.since(mark, "event")),
                 "the focus on %s after %s" % (focus, what))
    log.wait_quiet()
    heard = log.since(mark, "notification")
    if not expected:
        check(not heard, "after %s the stand-in was handed %r" % (what, heard))
        print("%-26s %-16s -> (nothing)" % (what, key))
        return mark, None
    shown = table.shown()
    texts = [table.fill(t, shown) for t in expected]
    said = [record[6] for record in heard]
    check(said == texts, "after %s the stand-in was handed %r, not %r" % (what, said, texts))
    # What moves a count may cut short what is being said; a running result
    # waits its turn.
    processing = "ImportantAll" if shown["counts"] != table.counts else "All"
    for record in heard:
        check(record[1:4] == ["Other", processing, "StatusBar"]
              and record[4].endswith("Form1.table.announcer")
              and record[5] == table.summary(shown),
              "after %s a notification came as %r" % (what, record[1:6]))
    table.settle(shown)
    print("%-26s %-16s -> %s" % (what, key,
                                  " | ".join("%s (%s)" % (r[6], r[2]) for r in heard)))
    return mark, shown


def run(program, standin, language, work):
    global TEXT
    TEXT = TEXTS[language]
    game = None
    environment = dict(os.environ)
    try:
        with time_limit(WHOLE_RUN_SECONDS):
            prefix = environment["WINEPREFIX"]
            started = time.monotonic()
            subprocess.run(["wine", "wineboot", "--init"], env=environment, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=environment, check=True)
            shutil.copy(os.path.join(standin, "uiautomationcore.dll"),
                        os.path.join(prefix, "drive_c", "windows", "system32"))
            print("Wine prefix with the stand-in made in %.1f s" % (time.monotonic() - started))
            log_path = os.path.join(work, "uia.log")
            environment["UIA_STANDIN_LOG"] = subprocess.run(
                ["winepath", "-w", log_path], env=environment, capture_output=True, text=True,
                check=True).stdout.strip()
            # Wine takes the program's language from the locale it is given.
            environment["LC_ALL"] = {"en": "C.UTF-8", "de": "de_DE.UTF-8"}[language]
            log = Log(log_path)
            game = Game(program, standin, environment, log)
            subprocess.run(["xdotool", "windowfocus", "--sync", game.window], env=environment)
            table = Table(game)
            operators = None
            values = card_values(TEXT)
            for what, key, expected, focus in STEPS:
                mark, shown = step(game, table, what, with_operator_key(key, operators), expected,
                                   focus)
                if operators is None:
                    check(all(name in values for name in shown["names"]),
                          "the cards are not named in %s: %r" % (language, shown["names"]))
                    operators = choose_operators([values[name] for name in shown["names"]])
                if what.startswith("card 1 again"):
                    boxes = wait_for(lambda: [w for w in game.windows() if w != game.window],
                                     "the message box")
                    # The box is the window on top, whose tree a screen reader reads.
                    box = game.tree()
                    check(("Text", TEXT["clicked"])
                          in [(kind, name) for _, kind, name in box.values()],
                          "the message box does not read %r: %r" % (TEXT["clicked"], box))
                    print("%-43s -> %s" % ("  the message box reads", TEXT["clicked"]))
                    subprocess.run(["xdotool", "windowfocus", boxes[0]], env=environment)
                elif what == "OK":
                    wait_for(lambda: game.windows() == [game.window], "the message box to close")
                    subprocess.run(["xdotool", "windowfocus", "--sync", game.window],
                                   env=environment)
                elif what.startswith("Tab to card 1"):
                    focused = [r[2:] for r in log.since(mark, "event") if r[1] == "FocusChanged"]
                    check(focused and focused[-1][0] == "Button"
                          and focused[-1][1].endswith("Form1.table.Picture3_1")
                          and focused[-1][2] == table.shown()["names"][0]
                          and focused[-1][2].endswith(TEXT["taken"]),
                          "the focus reached %r" % focused)
                    print("%-43s -> %s" % ("  the focused card", focused[-1][2]))
            # A card is a button, whatever happens to it: each record that
            # names one gives its control type just before its id.
            cards = [(r, r[i - 1]) for r in log.records for i, field in enumerate(r)
                     if ".Picture3_" in field]
            wrong = [r for r, kind in cards if kind != "Button" or r[0] == "pattern"]
            check(cards and not wrong,
                  "a card was handed on as other than a plain button: %r" % wrong)
            check_tree(table)
            print("UI Automation was handed all it should, in %s" % language)
    finally:
        if game:
            game.close()
            subprocess.run(["wineserver", "-k"], env=environment)


def check_tree(table):
    shown = table.shown()
    tree = shown["tree"]
    check(tree.get("Form1", (None, None))[1] == "Window",
          "the tree has no window at its root: %r" % (tree.get("Form1"),))
    for index, name in enumerate(shown["names"], 1):
        check(tree["Picture3_%d" % index][1] == "Button" and name != TEXT["no card"],
              "card %d is %r" % (index, tree["Picture3_%d" % index]))
    for button in BUTTONS:
        check(tree.get(button, (0, "", ""))[1] == "Button" and tree[button][2],
              "no named button %s in the tree" % button)
    summary = table.summary(shown)
    check(tree.get("announcer") == (2, "StatusBar", summary),
          "the status bar in the tree is %r, not the summary %r" % (tree.get("announcer"), summary))
    check(tree["status bar found"][1:] == ("StatusBar", summary),
          "at the window's bottom-left corner a screen reader finds %r" % (
              tree["status bar found"],))
    print("%-43s -> %s" % ("the tree: cards", " | ".join(shown["names"])))
    print("%-43s -> %s" % ("the status bar, as NVDA finds it", summary))


def main():
    try:
        run(*sys.argv[1:5])
    except (Failure, subprocess.CalledProcessError) as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
