<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Announcer</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>%1 %2 %3, %4 %5, %6 %7, equals %8</source>
        <extracomment>The Answer line read aloud, ((a op b) op c) op d = result, each step after a pause: &quot;6 divided by 1, divided by 1, times 4, equals 24&quot;. %1, %3, %5, %7 and %8 are numbers, %2, %4 and %6 the words for the operators.</extracomment>
        <translation>%1 %2 %3, %4 %5, %6 %7, igual a %8</translation>
    </message>
</context>
<context>
    <name>AnswerSearch</name>
    <message>
        <source>No solution.</source>
        <translation>No hay solución.</translation>
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
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (Ace, Two ... King), %2 its suit (spades, hearts, clubs, diamonds). Order the two as players of your language say them.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No card</source>
        <translation>Sin carta</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <extracomment>A card already taken in this deal; %1 is its name (&quot;Seven of hearts&quot;).</extracomment>
        <translation>%1, tomada</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmatic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Anwser button to see the result.</source>
        <translation>Merovant es un juego de cartas muy sencillo. El objetivo es conseguir 24 con los valores de las cartas usando las cuatro operaciones. Es fácil de jugar, pero difícil ganarle al ordenador. Pulsa el botón Solución para ver el resultado.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Plus (+)</source>
        <translation>Más (+)</translation>
    </message>
    <message>
        <source>Minus (-)</source>
        <translation>Menos (-)</translation>
    </message>
    <message>
        <source>Multiply (*)</source>
        <translation>Por (*)</translation>
    </message>
    <message>
        <source>Divide (/)</source>
        <translation>Entre (/)</translation>
    </message>
    <message>
        <source>You won:</source>
        <translation>Ganadas:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>No solution:</source>
        <translation>Sin solución:</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>Perdidas:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You have clicked this card!</source>
        <translation>¡Ya has usado esta carta!</translation>
    </message>
    <message>
        <source>Congradulations, you got 24</source>
        <translation>¡Enhorabuena, has hecho 24!</translation>
    </message>
    <message>
        <source>You failed. Try a new game</source>
        <translation>Has perdido. ¡Otra partida!</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atajo: %1</translation>
    </message>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmetic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Answer button to see the result.</source>
        <extracomment>The Help text as a screen reader reads it: the Help text with its spelling put right. Translate it as you translated the Help text.</extracomment>
        <translation>Merovant es un juego de cartas muy sencillo. El objetivo es conseguir 24 con los valores de las cartas usando las cuatro operaciones. Es fácil de jugar, pero difícil ganarle al ordenador. Pulsa el botón Solución para ver el resultado.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento.</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>Icono de la aplicación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. &amp;sistema...</translation>
    </message>
    <message>
        <source>Merovant is a card game of mental arithmetic. Four cards are dealt; make 24 from their values with plus, minus, multiply and divide, using each card once. Stuck? Press Answer and the computer shows a way, if there is one.</source>
        <translation>Merovant es un juego de cartas de cálculo mental. Se reparten cuatro cartas: consigue 24 con sus valores sumando, restando, multiplicando y dividiendo, cada carta una vez. ¿Atascado? Pulsa Solución y verás cómo, si se puede.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window title; %1 is the program&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Merovant is free software under the GNU GPL, version 3 or later. It comes with no warranty of any kind.</source>
        <translation>Merovant es software libre bajo la GNU GPL, versión 3 o posterior. Se ofrece sin garantía de ningún tipo.</translation>
    </message>
</context>
</TS>
