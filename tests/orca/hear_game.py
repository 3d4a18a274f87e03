#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays Merovant by keys with Debian's Orca running, and checks what Orca says.

Usage: hear_game.py MEROVANT [LANGUAGE [LOG]]

LANGUAGE is "en" (the default) or "de"; the program and Orca run in it. LOG
is where Orca's debug log is kept.

Run inside a private X server and session bus (../atspi/run.sh --script
sets them up). It
starts a window manager, Orca, which starts speech-dispatcher with its dummy
voice, with Orca's debug log on a terminal of its own (Python writes to a
terminal line by line), then the program, and types keys into its window
with xdotool. After each key it waits until Orca has said what the table of
expectations below builds from what the program shows, read over AT-SPI,
and until Orca's log falls quiet; then each of those texts must have been
said once. What Orca says is its log's "SPEECH OUTPUT" lines.
"""

import os
import pty
import re
import signal
import subprocess
import sys
import threading
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from driving import (Failure, check, die_with_parent, environment_in, stop,  # noqa: E402
                     time_limit)
from driving import wait_for as wait_until_true  # noqa: E402
from game_texts import (DEAL_TO_ITS_VERDICT, TEXTS, card_values,  # noqa: E402
                        choose_operators, sentences, spoken_answer, with_operator_key)

# Well inside CTest's limit, so that a hang still ends here, with the cleanup.
WHOLE_RUN_SECONDS = 150
STEP_SECONDS = 20


def wait_for(probe, what, seconds=STEP_SECONDS):
    # The accessible tree may still be building.
    return wait_until_true(probe, what, seconds, retry_on=Exception)


# Orca ------------------------------------------------------------------------

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\{.*\})?\s*$")


class Orca:
    """Orca with its debug log on a terminal: Python writes a log on a
    terminal line by line, where a file would get it in blocks."""

    def __init__(self, environment, log_path):
        self.lines = []
        self.spoken = []  # (index in lines, text)
        self.last_line_time = time.monotonic()
        self.lock = threading.Lock()
        self.log = open(log_path, "w", encoding="utf-8")
        master, slave = pty.openpty()
        self.master = master
        self.process = subprocess.Popen(
            ["orca", "--replace", "--debug-file=" + os.ttyname(slave)],
            stdin=subprocess.DEVNULL, stdout=slave, stderr=slave, env=environment,
            preexec_fn=die_with_parent)
        os.close(slave)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        pending = b""
        echo = False  # the next utterance echoes a key
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                break
            if not chunk:
                break
            pending += chunk
            *complete, pending = pending.split(b"\n")
            with self.lock:
                for raw in complete:
                    line = raw.decode("utf-8", "replace").rstrip("\r")
                    self.log.write(line + "\n")
                    if "Presenting keyboard event" in line:
                        echo = True
                    match = SPOKEN.search(line)
                    if match:
                        text = match.group(1)
                        # Orca 43 ends an echoed key with a blank, Orca 48
                        # does not: here each does.
                        if echo and not text.endswith(" "):
                            text += " "
                        echo = False
                        self.spoken.append((len(self.lines), text))
                    self.lines.append(line)
                    self.last_line_time = time.monotonic()

    def mark(self):
        with self.lock:
            return len(self.lines)

    def logged(self, text):
        with self.lock:
            return any(text in line for line in self.lines)

    def said_since(self, mark):
        with self.lock:
            return [text for index, text in self.spoken if index >= mark]

    def wait_quiet(self, seconds=0.6, limit=STEP_SECONDS):
        """Waits until Orca has logged nothing for a while: it has dealt with
        every event that came."""
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            with self.lock:
                idle = time.monotonic() - self.last_line_time
            if idle >= seconds:
                return
            time.sleep(0.05)
        raise Failure("Orca never fell quiet")

    def close(self):
        stop(self.process)
        self.log.close()


# The program -----------------------------------------------------------------

class Game:
    def __init__(self, program, environment):
        self.process = subprocess.Popen([program], env=environment,
                                        preexec_fn=die_with_parent)
        self.app = wait_for(self._find_application, "the program on the bus", 30)
        self.cards = wait_for(lambda: self._cards(), "the four cards")
        self.labels = {name: wait_for(lambda name=name: pyatspi.findDescendant(
            self.app, lambda o: o.getRole() == pyatspi.ROLE_LABEL and o.description == name),
            "the label " + name) for name in ["Label1", "Label2", "Label3", "Label6", "Label9"]}
        self.captions = {label: self._caption(label) for label in self.labels if label != "Label1"}
        self.window = wait_for(self._window, "the program's X window")

    def _find_application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def _cards(self):
        boxes = pyatspi.findAllDescendants(
            self.app,
            lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == TEXT["no card"])
        if len(boxes) != 4:
            return None
        # Picture3_1..Picture3_4 stand left to right.
        return sorted(boxes, key=lambda o: o.queryComponent().getExtents(
            pyatspi.DESKTOP_COORDS).x)

    def _caption(self, label):
        relations = [r for r in self.labels[label].getRelationSet()
                     if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        return relations[0].getTarget(0).name

    def shows(self, accessible):
        accessible.clear_cache()  # what the program shows now
        return accessible.name

    def line(self):
        return self.shows(self.labels["Label1"])

    def counts(self):
        return {label: self.shows(self.labels[label]) for label in self.captions}

    def _windows(self, role):
        return [w for w in self.app if w is not None and w.getRole() == role]

    def message(self):
        """The text of the open message box, as the program names it to a
        screen reader (the Help text spelt right), or ""."""
        for box in self._windows(pyatspi.ROLE_DIALOG) + self._windows(pyatspi.ROLE_ALERT):
            labels = pyatspi.findAllDescendants(box, lambda o: o.getRole() == pyatspi.ROLE_LABEL)
            if labels and not any(label.description == "lblVersion" for label in labels):
                return max((label.name for label in labels), key=len)
        return ""

    def commands(self):
        """The menu bar's commands, in order."""
        bar = pyatspi.findDescendant(self.app, lambda o: o.getRole() == pyatspi.ROLE_MENU_BAR)
        return [command.name for command in bar]

    def about(self):
        """The About box's title bar and version line, or ""."""
        for box in self._windows(pyatspi.ROLE_DIALOG):
            version = pyatspi.findDescendant(box, lambda o: o.description == "lblVersion")
            if version:
                title = subprocess.run(["xdotool", "getactivewindow", "getwindowname"],
                                       capture_output=True, text=True).stdout.strip()
                return "%s, %s" % (title, version.name)
        return ""

    def _window(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(self.process.pid)], capture_output=True, text=True)
        windows = found.stdout.split()
        return windows[0] if windows else None

    def close(self):
        stop(self.process)


# What Orca must say after each key, built from what the program shows then.
# Each row: what is done, the key typed (an operator's key is filled in from
# the deal; keys in one string are typed at once, as for Orca's double
# presses; Insert is Orca's key), and the texts that must each come as one
# utterance, as often as they are listed. Orca may end one with a full stop.
# Texts in parentheses are sentences said one after the other in one
# utterance; one marked "^" Orca follows with words of its own, for a
# control that takes the focus. Orca must also echo the key.
STEPS = DEAL_TO_ITS_VERDICT + [
    ("card 1 again: refused", "1", ["{message}"]),
    ("OK", "Return", ["^{button new}"]),
    ("Tab to card 1, taken", "Tab", ["^{card 1 taken}"]),
    ("New Game", "F2", [("{hand}", "{Label3}")]),
    ("Tab to card 2", "Tab", ["^{card 2}"]),
    ("Tab to card 3", "Tab", ["^{card 3}"]),
    ("Tab to card 4", "Tab", ["^{card 4}"]),
    ("Tab to Answer", "Tab", ["^{button answer}"]),
    ("Answer", "Return", [("{answer}", "{answer count}")]),
    ("the status bar", "Insert+KP_Enter Insert+KP_Enter", ["^{summary}"]),
    ("Help", "F1", ["{message}"]),
    ("OK", "Return", ["^{button answer}"]),
    ("the menu bar", "F10", ["{menu 1}"]),
    ("the menu's second command", "Right", ["{menu 2}"]),
    ("the menu's third command", "Right", ["{menu 3}"]),
    ("About", "Return", ["^{about}"]),
    ("closing About", "Escape", ["^{button answer}"]),
]


class Table:
    """What the program shows, read over AT-SPI, for the expectations."""

    def __init__(self, game):
        self.game = game
        self.counts = game.counts()

    def fill(self, template):
        if isinstance(template, tuple):
            return sentences([self.fill(part) for part in template])
        game = self.game
        shown = {}
        names = [game.shows(card) for card in game.cards]
        shown["hand"] = ", ".join(names)
        for index, name in enumerate(names, 1):
            shown["card %d" % index] = name
            if name.endswith(TEXT["taken"]):
                shown["card %d taken" % index] = name
        line = game.line()
        shown["line"] = line.strip()
        shown["answer"] = spoken_answer(line, TEXT)
        counts = game.counts()
        for label, value in counts.items():
            shown[label] = "%s %s" % (game.captions[label], value)
        changed = [label for label in counts if counts[label] != self.counts[label]]
        shown["verdict count"] = shown["answer count"] = (
            shown[changed[0]] if len(changed) == 1 else "(%d counts changed)" % len(changed))
        shown["summary"] = sentences([shown["answer"]] + [shown[label] for label in (
            "Label2", "Label9", "Label6", "Label3")])
        shown["message"] = game.message()
        for number, command in enumerate(game.commands(), 1):
            shown["menu %d" % number] = command
        for button, caption in TEXT["buttons"].items():
            shown["button " + button] = caption
        shown["about"] = game.about()
        return template.format(**shown)

    def settle(self):
        self.counts = self.game.counts()


def key(names):
    """Types the keys; those written together, as for a double press, at once."""
    subprocess.run(["xdotool", "key", *names.split()], check=True)


def heard(utterances, text):
    """How often the text was said; an echoed key, which ends in a blank, is
    no saying of it."""
    if text.startswith("^"):
        return sum(1 for u in utterances if u.startswith(text[1:] + " "))
    return sum(1 for u in utterances if not u.endswith(" ") and u in (text, text + "."))


def step(orca, table, what, keys, expected):
    """Types the key, waits until Orca has said all it should of it, then
    until it falls quiet, and checks that it said each text once."""
    mark = orca.mark()
    key(keys)
    texts = []
    deadline = time.monotonic() + STEP_SECONDS
    while True:
        try:
            texts = [table.fill(t) for t in expected]
        except Exception as error:  # a window still opening
            texts = ["(%s)" % error]
        said = orca.said_since(mark)
        if said and all(heard(said, t) for t in texts):
            break
        if time.monotonic() > deadline:
            raise Failure("after %s (%s) Orca said %r, not %r" % (what, keys, said, texts))
        time.sleep(0.05)
    orca.wait_quiet()
    said = orca.said_since(mark)
    # A hand may hold two cards of one name: each is said as often as it is
    # expected.
    for text in texts:
        check(heard(said, text) == texts.count(text), "after %s Orca said %r %d times: %r"
              % (what, text, heard(said, text), said))
    # Orca names a key as it comes, unless moving in a menu says more; its
    # own commands it carries out without naming them.
    if "Insert+" not in keys and keys not in ("Left", "Right"):
        check(any(u.endswith(" ") for u in said), "after %s Orca echoed no key" % what)
    table.settle()
    print("%-26s %-14s -> %s" % (what, keys, " | ".join(said)))


def stop_speech_dispatcher(environment):
    """Ends the speech-dispatcher that Orca started, rather than leave it to
    outlive the test until its idle timeout."""
    pid_file = os.path.join(environment["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid",
                            "speech-dispatcher.pid")
    try:
        with open(pid_file) as pid:
            os.kill(int(pid.read().strip()), signal.SIGTERM)
    except (OSError, ValueError):
        pass  # never started, or gone already


def main():
    global TEXT
    program = sys.argv[1]
    language = sys.argv[2] if len(sys.argv) > 2 else "en"
    log_path = sys.argv[3] if len(sys.argv) > 3 else "orca-%s.log" % language
    TEXT = TEXTS[language]
    environment = environment_in(language)
    config = os.path.join(environment["XDG_CONFIG_HOME"], "speech-dispatcher")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        # The dummy voice, playing into ALSA's null device: spoken, unheard.
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                   'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    # A window manager, as on a desktop: it gives the table the focus back when
    # a message box closes.
    window_manager = subprocess.Popen(["openbox", "--sm-disable"], env=environment,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                      preexec_fn=die_with_parent)
    orca = Orca(environment, log_path)
    game = None
    try:
        with time_limit(WHOLE_RUN_SECONDS):
            wait_for(lambda: b"_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True).stdout,
                "the window manager", 30)
            wait_for(lambda: orca.said_since(0), "Orca to start", 60)
            check(orca.logged("SPEECH: Using speech server factory: speechdispatcherfactory"),
                  "Orca did not reach speech-dispatcher; see %s" % log_path)
            game = Game(program, dict(environment, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
            subprocess.run(["xdotool", "windowactivate", "--sync", game.window], check=True)
            wait_for(lambda: heard(orca.said_since(0), TEXT["new game"] + " ") or any(
                u.startswith(TEXT["new game"]) for u in orca.said_since(0)),
                "Orca to read the window")
            orca.wait_quiet()
            print("%-41s -> %s" % ("the window opens", " | ".join(orca.said_since(0))))
            table = Table(game)
            operators = None
            values = card_values(TEXT)
            for what, keys, expected in STEPS:
                step(orca, table, what, with_operator_key(keys, operators), expected)
                if operators is None:
                    hand = [game.shows(card) for card in game.cards]
                    operators = choose_operators([values[name] for name in hand])
            print("Orca said all it should, in %s" % language)
    except Failure as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        sys.exit(1)
    finally:
        if game:
            game.close()
        orca.close()
        stop_speech_dispatcher(environment)
        window_manager.terminate()
        window_manager.wait()


if __name__ == "__main__":
    main()
