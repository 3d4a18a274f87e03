<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Announcer</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>%1 %2 %3, %4 %5, %6 %7, equals %8</source>
        <extracomment>The Answer line read aloud, ((a op b) op c) op d = result, each step after a pause: &quot;6 divided by 1, divided by 1, times 4, equals 24&quot;. %1, %3, %5, %7 and %8 are numbers, %2, %4 and %6 the words for the operators.</extracomment>
        <translation>%1 %2 %3, %4 %5, %6 %7, ergibt %8</translation>
    </message>
</context>
<context>
    <name>AnswerSearch</name>
    <message>
        <source>No solution.</source>
        <translation>Keine Lösung.</translation>
    </message>
</context>
<context>
    <name>CardName</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (Ace, Two ... King), %2 its suit (spades, hearts, clubs, diamonds). Order the two as players of your language say them.</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>No card</source>
        <translation>Keine Karte</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <extracomment>A card already taken in this deal; %1 is its name (&quot;Seven of hearts&quot;).</extracomment>
        <translation>%1, genommen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmatic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Anwser button to see the result.</source>
        <translation>Merovant ist ein ganz einfaches Kartenspiel: Mach mit Plus, Minus, Mal und Geteilt aus den Werten der vier Karten 24. Es ist leicht zu spielen, aber schwer, den Computer zu schlagen. Mit der Schaltfläche „Lösung“ siehst du, wie es geht.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Plus (+)</source>
        <translation>Plus (+)</translation>
    </message>
    <message>
        <source>Minus (-)</source>
        <translation>Minus (-)</translation>
    </message>
    <message>
        <source>Multiply (*)</source>
        <translation>Mal (*)</translation>
    </message>
    <message>
        <source>Divide (/)</source>
        <translation>Geteilt (/)</translation>
    </message>
    <message>
        <source>You won:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>No solution:</source>
        <translation>Unlösbar:</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>Verloren:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>You have clicked this card!</source>
        <translation>Diese Karte hast du schon genommen!</translation>
    </message>
    <message>
        <source>Congradulations, you got 24</source>
        <translation>Glückwunsch, du hast 24!</translation>
    </message>
    <message>
        <source>You failed. Try a new game</source>
        <translation>Verloren. Auf ein Neues!</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmetic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Answer button to see the result.</source>
        <extracomment>The Help text as a screen reader reads it: the Help text with its spelling put right. Translate it as you translated the Help text.</extracomment>
        <translation>Merovant ist ein ganz einfaches Kartenspiel: Mach mit Plus, Minus, Mal und Geteilt aus den Werten der vier Karten 24. Es ist leicht zu spielen, aber schwer, den Computer zu schlagen. Mit der Schaltfläche „Lösung“ siehst du, wie es geht.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar.</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Merovant is a card game of mental arithmetic. Four cards are dealt; make 24 from their values with plus, minus, multiply and divide, using each card once. Stuck? Press Answer and the computer shows a way, if there is one.</source>
        <translation>Merovant ist ein Kartenspiel zum Kopfrechnen. Vier Karten werden gegeben: Mach aus ihren Werten 24, mit Plus, Minus, Mal und Geteilt, jede Karte genau einmal. Keine Idee? „Lösung“ zeigt einen Weg, falls es einen gibt.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window title; %1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Merovant is free software under the GNU GPL, version 3 or later. It comes with no warranty of any kind.</source>
        <translation>Merovant ist freie Software unter der GNU GPL, Version 3 oder später. Es gibt keinerlei Gewährleistung.</translation>
    </message>
</context>
</TS>
