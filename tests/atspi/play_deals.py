#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays Merovant the way a screen reader user does, over AT-SPI.

Usage: play_deals.py MEROVANT [LANGUAGE]

LANGUAGE is "en" (the default) or "de"; the program is started in it.

Run inside a private X server and session bus (run.sh sets them up). It
starts the program, finds its controls by their accessible roles, names and
descriptions, and drives them only through their "Press" actions:

1. New Game, then reads the four cards from their accessible names and plays
   them in order with operators of its own choice, checking every running
   result, the verdict and the counts against its own reckoning;
2. New Game again, then Answer, checking the line shown against the four
   values read.

Every change of a name that it sees (cards, the result line, the counts) must
also have come as an accessible-name change event, since that is what makes
a screen reader speak it. Prints, step by step, the events that came and the
name of each source read on arrival.
"""

import itertools
import math
import os
import re
import subprocess
import sys

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from driving import (Failure, check, die_with_parent, environment_in, stop,  # noqa: E402
                     time_limit, wait_for)
from game_texts import TEXTS, apply, card_values, choose_operators  # noqa: E402

def use_language(language):
    """Sets the texts below to those of the language."""
    global CARD_VALUES, NO_CARD, WON, LOST, NO_SOLUTION, BUTTONS, COUNTS
    texts = TEXTS[language]
    CARD_VALUES = card_values(texts)
    NO_CARD = texts["no card"]
    WON = texts["won"]
    LOST = texts["lost"]
    NO_SOLUTION = texts["no solution"]
    BUTTONS = texts["buttons"]
    COUNTS = texts["counts"]


use_language("en")
ANSWER_LINE = re.compile(
    r"^\(\( (\d+)([-+*/]) (\d+)\)([-+*/]) (\d+)\)([-+*/]) (\d+)=24$")

# Well inside CTest's limit, so that a hang still ends here, with the cleanup.
WHOLE_RUN_SECONDS = 90
STEP_SECONDS = 15


# The game's own arithmetic, redone here --------------------------------------

def number_text(value):
    """A running result as the result line writes it: a blank before a value
    of 0 or more, 15 significant digits."""
    digits = format(value, ".15g")
    return " " + digits if value >= 0 else digits


def play_in_order(values, operators):
    """The texts the result line shows as the cards are taken in order, the
    value before each step being read back from the line and floored."""
    texts = [number_text(values[0])]
    for operator, card in zip(operators, values[1:]):
        read = float(texts[-1])
        texts.append(number_text(apply(math.floor(read), operator, card)))
    return texts


def chain(cards, operators):
    """((a op b) op c) op d in doubles, as the Answer search works it."""
    result = float(cards[0])
    for operator, card in zip(operators, cards[1:]):
        result = apply(result, operator, float(card))
    return result


def has_solution(values):
    return any(chain(cards, operators) == 24
               for cards in itertools.permutations(values)
               for operators in itertools.product("+-*/", repeat=3))


# Talking to the program ------------------------------------------------------

class Table:
    """The running program as seen over AT-SPI."""

    def __init__(self, program, language):
        # (source, its name read when the event came, as a screen reader
        # reads it: the event itself carries no name)
        self.events = []
        pyatspi.Registry.registerEventListener(self._on_event,
                                               "object:property-change:accessible-name")
        self.process = subprocess.Popen([program], env=environment_in(language),
                                        preexec_fn=die_with_parent)
        try:
            self._find_controls()
        except BaseException:
            self.close()
            raise

    def _find_controls(self):
        self.app = self._wait(lambda: self._find_application(), "the program on the bus",
                              seconds=30)
        frame = self._wait(lambda: self.app.childCount and self.app[0], "its window")
        check(frame.getRole() == pyatspi.ROLE_FRAME,
              "the program's first child is a %s, not a frame" % frame.getRoleName())
        self.buttons = {key: self._wait(lambda caption=caption: self._find(
            lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == caption),
            "the button %r" % caption) for key, caption in BUTTONS.items()}
        self.labels = {name: self._wait(lambda name=name: self._find(
            lambda o: o.getRole() == pyatspi.ROLE_LABEL and o.description == name),
            "the label described %r" % name) for name in ["Label1", *COUNTS]}
        captions = set(BUTTONS.values())
        boxes = self._find_all(lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON
                               and o.name not in captions)
        check(len(boxes) == 4, "expected 4 card boxes, found %d" % len(boxes))
        # Picture3_1..Picture3_4 stand left to right.
        self.cards = sorted(boxes, key=lambda o: o.queryComponent().getExtents(
            pyatspi.DESKTOP_COORDS).x)
        self.watched = [*self.cards, *self.labels.values()]
        self.titles = {**{c: "card %d" % (i + 1) for i, c in enumerate(self.cards)},
                       **{label: name for name, label in self.labels.items()}}

    def close(self):
        stop(self.process)

    def _on_event(self, event):
        try:
            name = event.source.name
        except Exception:  # the object may be gone; the event still counts
            name = None
        self.events.append((event.source, name))

    def pump(self):
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def _wait(self, probe, what, seconds=STEP_SECONDS):
        """Waits with the events pumped, failing at once should the program end."""
        def pumped():
            self.pump()
            if self.process.poll() is not None:
                raise Failure("the program ended (status %s) while waiting for %s"
                              % (self.process.returncode, what))
            return probe()
        return wait_for(pumped, what, seconds, retry_on=Exception)

    def _find_application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def _find(self, predicate):
        return pyatspi.findDescendant(self.app, predicate)

    def _find_all(self, predicate):
        return pyatspi.findAllDescendants(self.app, predicate)

    def name(self, accessible):
        accessible.clear_cache()  # read what the program says now
        return accessible.name

    def text(self, label):
        return self.name(self.labels[label])

    def names(self):
        return {o: self.name(o) for o in self.watched}

    def _press(self, accessible):
        actions = accessible.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        check("Press" in names, "%r has no Press action, only %s" % (accessible.name, names))
        actions.doAction(names.index("Press"))

    def press_button(self, key):
        """A button clicks about 100 ms after its press action, staying down
        till then: the click has been handled once it is up again."""
        button = self.buttons[key]
        self._press(button)
        self._wait(lambda: pyatspi.STATE_PRESSED not in button.getState().getStates(),
                   "%r to come up" % button.name)

    def press_card(self, index):
        # A card box clicks within the action itself.
        self._press(self.cards[index - 1])

    def step(self, what, action, done):
        """Runs one action, waits for done(), and checks that each name that
        changed was announced."""
        before = self.names()
        self.pump()
        self.events.clear()
        action()
        try:
            self._wait(done, "the result of %s" % what)
        except Failure as failure:
            raise Failure("%s; the result line shows %r, the counts %s" % (failure, self.text(
                "Label1"), ", ".join("%s %r" % (c, self.text(c)) for c in COUNTS))) from None
        after = self.names()
        changed = [o for o in self.watched if after[o] != before[o]]

        def silent():
            return [o for o in changed if not any(source == o for source, _ in self.events)]
        try:
            self._wait(lambda: not silent(), "the announcements of %s" % what)
        except Failure:
            raise Failure("no accessible-name event came for %s after %s, though %s"
                          % (", ".join(self.titles[o] for o in silent()), what, ", ".join(
                              "%s now shows %r" % (self.titles[o], after[o]) for o in silent())))
        announced = [(self.titles.get(source) or source.name, name)
                     for source, name in self.events]
        print("%-22s -> %s" % (what, "; ".join("%s %r" % a for a in announced) or "nothing"))


# The test itself -------------------------------------------------------------

def read_cards(table):
    names = [table.name(card) for card in table.cards]
    values = []
    for index, name in enumerate(names, 1):
        check(name in CARD_VALUES, "card %d is named %r, not like %r"
              % (index, name, next(iter(CARD_VALUES))))
        values.append(CARD_VALUES[name])
    return names, values


def count(table, label):
    text = table.text(label)
    check(text.isdigit(), "%s shows %r, not a count" % (label, text))
    return int(text)


def check_counts(table, expected):
    for label, value in expected.items():
        check(count(table, label) == value,
              "%s shows %r, expected %d" % (label, table.text(label), value))


def check_start(table):
    for index, card in enumerate(table.cards, 1):
        check(table.name(card) == NO_CARD, "before a deal card %d is named %r"
              % (index, table.name(card)))
        check(card.getRole() == pyatspi.ROLE_PUSH_BUTTON,
              "card %d is a %s" % (index, card.getRoleName()))
    check(table.text("Label1") == "0", "the result line starts as %r" % table.text("Label1"))
    check_counts(table, {label: 0 for label in COUNTS})
    for label, caption in COUNTS.items():
        relations = [r for r in table.labels[label].getRelationSet()
                     if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(relations and relations[0].getTarget(0).name == caption,
              "%s is not labelled by %r" % (label, caption))
    print("at start: four push buttons %r; Label1 '0'; counts labelled %s"
          % (NO_CARD, ", ".join("%r" % c for c in COUNTS.values())))


def new_game(table, deal_number):
    table.step("New Game", lambda: table.press_button("new"),
                         lambda: table.text("Label3") == str(deal_number))
    names, values = read_cards(table)
    check(table.text("Label1") == "0", "after New Game the result line shows %r"
          % table.text("Label1"))
    print("  dealt %s = %s" % (names, values))
    return values


def play_whole_deal(table, values, counts):
    operators = choose_operators(values)
    texts = play_in_order(values, operators)
    won = math.floor(float(texts[-1])) == 24
    print("  playing cards 1 2 3 4 with %s, expecting %s then %s"
          % (" ".join(operators), texts, "a win" if won else "a loss"))

    for index in range(1, 5):
        if index > 1:
            operator = operators[index - 2]
            table.step(BUTTONS[operator], lambda: table.press_button(operator), lambda: True)
            check(table.text("Label1") == texts[index - 2],
                  "an operator press changed the result line to %r" % table.text("Label1"))
        expected = texts[index - 1] if index < 4 else (WON if won else LOST)
        table.step("card %d" % index, lambda: table.press_card(index),
                   lambda: table.text("Label1") == expected)
    if won:
        counts["Label2"] += 1
    else:
        counts["Label9"] += 1
    check_counts(table, counts)


def answer(table, values, counts):
    solvable = has_solution(values)
    table.step("Answer", lambda: table.press_button("answer"),
               lambda: table.text("Label1") != "0")
    line = table.text("Label1")
    if line == NO_SOLUTION:
        check(not solvable, "Answer says %r, but %s can make 24" % (line, values))
        counts["Label6"] += 1
    else:
        match = ANSWER_LINE.match(line)
        check(match, "Answer shows %r, neither %r nor a line like '(( 4/ 1)* 3)* 2=24'"
              % (line, NO_SOLUTION))
        cards = [int(match.group(i)) for i in (1, 3, 5, 7)]
        operators = [match.group(i) for i in (2, 4, 6)]
        check(sorted(cards) == sorted(values), "Answer's line %r uses %s, not the cards %s"
              % (line, cards, values))
        check(chain(cards, operators) == 24, "Answer's line %r does not make 24 left to right"
              % line)
        counts["Label9"] += 1
    check_counts(table, counts)


def main():
    if len(sys.argv) not in (2, 3) or sys.argv[2:] and sys.argv[2] not in TEXTS:
        sys.exit(__doc__)
    language = sys.argv[2] if len(sys.argv) == 3 else "en"
    use_language(language)
    # A call the program does not answer fails in seconds, not in minutes.
    pyatspi.setTimeout(5000, 30000)

    table = None
    try:
        with time_limit(WHOLE_RUN_SECONDS):
            table = Table(sys.argv[1], language)
            check_start(table)
            counts = {label: 0 for label in COUNTS}

            counts["Label3"] = 1
            values = new_game(table, 1)
            check_counts(table, counts)
            play_whole_deal(table, values, counts)

            counts["Label3"] = 2
            values = new_game(table, 2)
            check_counts(table, counts)
            answer(table, values, counts)
    except Failure as failure:
        print("FAILED: %s" % failure)
        return 1
    finally:
        if table:
            table.close()
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
