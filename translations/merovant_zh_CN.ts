<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Announcer</name>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>除以</translation>
    </message>
    <message>
        <source>%1 %2 %3, %4 %5, %6 %7, equals %8</source>
        <extracomment>The Answer line read aloud, ((a op b) op c) op d = result, each step after a pause: &quot;6 divided by 1, divided by 1, times 4, equals 24&quot;. %1, %3, %5, %7 and %8 are numbers, %2, %4 and %6 the words for the operators.</extracomment>
        <translation>%1 %2 %3，%4 %5，%6 %7，等于 %8</translation>
    </message>
</context>
<context>
    <name>AnswerSearch</name>
    <message>
        <source>No solution.</source>
        <translation>无解。</translation>
    </message>
</context>
<context>
    <name>CardName</name>
    <message>
        <source>Ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>King</source>
        <translation>K</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>红桃</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (Ace, Two ... King), %2 its suit (spades, hearts, clubs, diamonds). Order the two as players of your language say them.</extracomment>
        <translation>%2%1</translation>
    </message>
    <message>
        <source>No card</source>
        <translation>无牌</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <extracomment>A card already taken in this deal; %1 is its name (&quot;Seven of hearts&quot;).</extracomment>
        <translation>%1，已取</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmatic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Anwser button to see the result.</source>
        <translation>Merovant 是一款非常简单的纸牌游戏：用加、减、乘、除四种运算，把四张牌的点数算成 24。上手容易，想赢过电脑却不简单。点击“答案”按钮可以查看解法。</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新一局</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Plus (+)</source>
        <translation>加 (+)</translation>
    </message>
    <message>
        <source>Minus (-)</source>
        <translation>减 (-)</translation>
    </message>
    <message>
        <source>Multiply (*)</source>
        <translation>乘 (*)</translation>
    </message>
    <message>
        <source>Divide (/)</source>
        <translation>除 (/)</translation>
    </message>
    <message>
        <source>You won:</source>
        <translation>胜局：</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>总局数：</translation>
    </message>
    <message>
        <source>No solution:</source>
        <translation>无解：</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>负局：</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>You have clicked this card!</source>
        <translation>这张牌已经用过了！</translation>
    </message>
    <message>
        <source>Congradulations, you got 24</source>
        <translation>恭喜，你算出了 24 点！</translation>
    </message>
    <message>
        <source>You failed. Try a new game</source>
        <translation>算错了，再来一局吧</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>快捷键：%1</translation>
    </message>
    <message>
        <source>Merovant is a very easy card game. The purpose is to use four arithmetic symbols to get 24 from the numbers of cards. It is easy to play, but hard to beat computer. You may click Answer button to see the result.</source>
        <extracomment>The Help text as a screen reader reads it: the Help text with its spelling put right. Translate it as you translated the Help text.</extracomment>
        <translation>Merovant 是一款非常简单的纸牌游戏：用加、减、乘、除四种运算，把四张牌的点数算成 24。上手容易，想赢过电脑却不简单。点击“答案”按钮可以查看解法。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>系统信息暂时不可用。</translation>
    </message>
    <message>
        <source>Application icon</source>
        <translation>应用程序图标</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>Merovant is a card game of mental arithmetic. Four cards are dealt; make 24 from their values with plus, minus, multiply and divide, using each card once. Stuck? Press Answer and the computer shows a way, if there is one.</source>
        <translation>Merovant 是一款心算纸牌游戏。发四张牌，用加、减、乘、除把它们的点数算成 24，每张牌只用一次。想不出来？点击“答案”，电脑会给出一种算法（如果有解的话）。</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window title; %1 is the program&apos;s name.</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>Merovant is free software under the GNU GPL, version 3 or later. It comes with no warranty of any kind.</source>
        <translation>Merovant 是自由软件，依据 GNU GPL 第 3 版或更高版本发布。不提供任何形式的担保。</translation>
    </message>
</context>
</TS>
