# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the game's words are, in English and German, and what a screen
reader is to hear of a deal: shared by the drivers that play the program,
over AT-SPI, through Orca on Linux and through UI Automation on Windows.
Plain Python: nothing here needs a desktop.
"""

import itertools
import math
import re

TEXTS = {
    "en": {
        "ranks": ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten",
                  "Jack", "Queen", "King"],
        "suits": ["spades", "hearts", "clubs", "diamonds"],
        "card": "{rank} of {suit}",
        "answer": "{0} {1} {2}, {3} {4}, {5} {6}, equals {7}",
        "operators": {"+": "plus", "-": "minus", "*": "times", "/": "divided by"},
        "new game": "New Game",
        "no card": "No card",
        "taken": ", taken",
        "clicked": "You have clicked this card!",
        "won": "Congradulations, you got 24",
        "lost": "You failed. Try a new game",
        "no solution": "No solution.",
        "buttons": {"new": "New Game", "answer": "Answer", "+": "Plus (+)", "-": "Minus (-)",
                    "*": "Multiply (*)", "/": "Divide (/)"},
        "counts": {"Label2": "You won:", "Label9": "You lost:", "Label6": "No solution:",
                   "Label3": "Total:"},
    },
    "de": {
        "ranks": ["Ass", "Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun",
                  "Zehn", "Bube", "Dame", "König"],
        "suits": ["Pik", "Herz", "Kreuz", "Karo"],
        "card": "{suit}-{rank}",
        "answer": "{0} {1} {2}, {3} {4}, {5} {6}, ergibt {7}",
        "operators": {"+": "plus", "-": "minus", "*": "mal", "/": "geteilt durch"},
        "new game": "Neues Spiel",
        "no card": "Keine Karte",
        "taken": ", genommen",
        "clicked": "Diese Karte hast du schon genommen!",
        "won": "Glückwunsch, du hast 24!",
        "lost": "Verloren. Auf ein Neues!",
        "no solution": "Keine Lösung.",
        "buttons": {"new": "Neues Spiel", "answer": "Lösung", "+": "Plus (+)",
                    "-": "Minus (-)", "*": "Mal (*)", "/": "Geteilt (/)"},
        "counts": {"Label2": "Gewonnen:", "Label9": "Verloren:", "Label6": "Unlösbar:",
                   "Label3": "Gesamt:"},
    },
}

# A deal played by keys to its verdict: what is done, the key typed ({op1}
# to {op3}: the operators, filled in with with_operator_key once the deal is
# known), and the texts a screen reader must be handed, each once; texts in
# parentheses are sentences said one after the other at once. The texts name
# what the program shows then: {hand}, {line}, a label, {verdict count}.
# One key a row: a driver waits for what each key brings before the next.
DEAL_TO_ITS_VERDICT = [
    ("New Game", "F2", [("{hand}", "{Label3}")]),
    ("card 1", "1", ["{line}"]),
    ("operator 1", "{op1}", []),
    ("card 2", "2", ["{line}"]),
    ("operator 2", "{op2}", []),
    ("card 3", "3", ["{line}"]),
    ("operator 3", "{op3}", []),
    ("card 4: the verdict", "4", [("{line}", "{verdict count}")]),
]

# The keys that press each operator, as xdotool names them.
OPERATOR_KEYS = {"+": "plus", "-": "minus", "*": "asterisk", "/": "slash"}


def apply(left, operator, right):
    return {"+": left + right, "-": left - right, "*": left * right,
            "/": left / right if right else math.inf}[operator]


def choose_operators(values):
    """Operators that win with the cards in order when some do, else * + -."""
    for operators in itertools.product("+-*/", repeat=3):
        result = float(values[0])
        for operator, card in zip(operators, values[1:]):
            result = apply(math.floor(result), operator, card)
        if math.isfinite(result) and math.floor(result) == 24:
            return operators
    return ("*", "+", "-")


def card_values(text):
    """Each card's name in the language of TEXT, with its value."""
    return {text["card"].format(rank=rank, suit=suit): value
            for value, rank in enumerate(text["ranks"], 1) for suit in text["suits"]}


def spoken_answer(line, text):
    """The Answer line as the program is to speak it in the language of TEXT."""
    match = re.match(r"^\(\( (\d+)([-+*/]) (\d+)\)([-+*/]) (\d+)\)([-+*/]) (\d+)=(\d+)$", line)
    if not match:
        return line.strip()
    parts = list(match.groups())
    for index in (1, 3, 5):
        parts[index] = text["operators"][parts[index]]
    return text["answer"].format(*parts)


def sentences(parts):
    """Sentences one after the other, with no second full stop after one
    that ends its own."""
    said = ""
    for part in parts:
        if said:
            said += (" " if said.endswith((".", "!", "?")) else ". ")
        said += part
    return said


def with_operator_key(key, operators):
    """The key, or for {op1} to {op3} the key of that operator; a key before
    the operators are known is left as it is."""
    if not operators:
        return key
    named = {"op%d" % number: OPERATOR_KEYS[operator]
             for number, operator in enumerate(operators, 1)}
    return key.format(**named)
