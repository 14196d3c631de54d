<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Cobblewell 정보</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>지금 웹 사이트 방문하기(&amp;W)!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 선택됨.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>선택 취소됨.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>혼자 있는 공만 움직일 수 있습니다.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>길이 없습니다.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>%1행 %2열로 옮겼습니다.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>5개 더미를 없앴습니다: %1점.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>점수 %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>새 공: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 %2행 %3열</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>게임이 끝났습니다. 점수 %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>새 게임, %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>점수 %1, 최고 점수 %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>다음 색: %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>Said on demand (F4): the cell under the keyboard cursor. %1 its place (&quot;row 3, column 5&quot;), %2 what lies in it (&quot;red ball, stack of 3&quot;, &quot;empty&quot;); the first letter becomes a capital.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>자홍색</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>청록색</translation>
    </message>
    <message>
        <source>white</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>조커</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>빨간 공</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>초록 공</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>파란 공</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>노란 공</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>자홍색 공</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>청록색 공</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>흰 공</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>선택된 빨간 공</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>선택된 초록 공</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>선택된 파란 공</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>선택된 노란 공</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>선택된 자홍색 공</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>선택된 청록색 공</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>선택된 흰 공</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>선택된 조커</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1행 %2열</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>빈 칸</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, %2개 더미</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>숨김</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the colours of the next-colours panel: &quot;red, joker, blue&quot;.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Beginner</source>
        <translation>초급</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>중급</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>고급</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>새 게임(&amp;N)	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>초급(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>중급(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>고급(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>최고 점수(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>옵션(&amp;O)...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>목차(&amp;I)	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>규칙(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>도움말 사용법(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>프로그램 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>새 최고 점수!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>축하합니다! 새 최고 점수를 기록했습니다. 상위 10위 표에 올릴 이름을 입력하세요:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Cobblewell 옵션</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>모든 이동 경로 표시(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>다음 색 표시(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>스마일 애니메이션(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> 모양 </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> 표시 </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>더 이상 움직일 수 있는 공이 없습니다. 게임이 끝났습니다!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>원자</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>공</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>주사위</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>소용돌이</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>풍선</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>눈송이</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>원반</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>겹친 원</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell이 이미 실행 중이지만 응답하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>다음 색</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>yyyy년 M월 d일 (ddd) HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>상위 10위 기록을 %1에 저장하지 못했습니다: %2.

Cobblewell을 끝낼 때까지는 표에 남아 있습니다.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Cobblewell 상위 플레이어</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>확인(&amp;O)</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>프로그램 (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>%1 주소를 열 웹 브라우저 선택</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>인터넷에 연결하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>버전 %1, 빌드: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Cobblewell 도움말</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>앞으로(&amp;F)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>cw::MainWindow</name>
    <message>
        <source>Cobblewell (%1)</source>
        <extracomment>The window title; %1 is the level&apos;s name.</extracomment>
        <translation>Cobblewell (%1)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR, or RTL for a language written right to left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
</TS>
