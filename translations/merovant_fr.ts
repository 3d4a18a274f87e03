<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Announcer</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>%1 %2 %3, %4 %5, %6 %7, equals %8</source>
        <extracomment>The Answer line read aloud, ((a op b) op c) op d = result, each step after a pause: &quot;6 divided by 1, divided by 1, times 4, equals 24&quot;. %1, %3, %5, %7 and %8 are numbers, %2, %4 and %6 the words for the operators.</extracomment>
        <translation>%1 %2 %3, %4 %5, %6 %7, égale %8</translation>
    </message>
</context>
<context>
    <name>AnswerSearch</name>
    <message>
        <source>No solution.</source>
        <translation>Pas de solution.</translation>
    </message>
</context>
<context>
    <name>CardName</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (Ace, Two ... King), %2 its suit (spades, hearts, clubs, diamonds). Order the two as players of your language say them.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No card</source>
        <translation>Aucune carte</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <extracomment>A card already taken in this deal; %1 is its name (&quot;Seven of hearts&quot;).</extracomment>
        <translation>%1, prise</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmatic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Anwser button to see the result.</source>
        <translation>Merovant est un jeu de cartes très simple : avec les quatre opérations, faites 24 à partir des valeurs des cartes. Facile à jouer, mais difficile de battre l’ordinateur. Cliquez sur le bouton Solution pour voir le résultat.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle donne</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Plus (+)</source>
        <translation>Plus (+)</translation>
    </message>
    <message>
        <source>Minus (-)</source>
        <translation>Moins (-)</translation>
    </message>
    <message>
        <source>Multiply (*)</source>
        <translation>Fois (*)</translation>
    </message>
    <message>
        <source>Divide (/)</source>
        <translation>Divisé (/)</translation>
    </message>
    <message>
        <source>You won:</source>
        <translation>Gagnées&#xa0;:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>No solution:</source>
        <translation>Insolubles&#xa0;:</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>Perdues&#xa0;:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>You have clicked this card!</source>
        <translation>Vous avez déjà pris cette carte&#xa0;!</translation>
    </message>
    <message>
        <source>Congradulations, you got 24</source>
        <translation>Bravo, vous avez fait 24&#xa0;!</translation>
    </message>
    <message>
        <source>You failed. Try a new game</source>
        <translation>Perdu&#xa0;! Une autre donne&#xa0;?</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci&#xa0;: %1</translation>
    </message>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmetic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Answer button to see the result.</source>
        <extracomment>The Help text as a screen reader reads it: the Help text with its spelling put right. Translate it as you translated the Help text.</extracomment>
        <translation>Merovant est un jeu de cartes très simple : avec les quatre opérations, faites 24 à partir des valeurs des cartes. Facile à jouer, mais difficile de battre l’ordinateur. Cliquez sur le bouton Solution pour voir le résultat.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment.</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>Icône de l’application</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
    <message>
        <source>Merovant is a card game of mental arithmetic. Four cards are dealt; make 24 from their values with plus, minus, multiply and divide, using each card once. Stuck? Press Answer and the computer shows a way, if there is one.</source>
        <translation>Merovant est un jeu de cartes de calcul mental. Quatre cartes sont distribuées ; faites 24 avec leurs valeurs par addition, soustraction, multiplication et division, chaque carte une fois. Bloqué ? Solution montre un moyen, s’il y en a un.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window title; %1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Merovant is free software under the GNU GPL, version 3 or later. It comes with no warranty of any kind.</source>
        <translation>Merovant est un logiciel libre sous GNU GPL, version 3 ou ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
</context>
</TS>
