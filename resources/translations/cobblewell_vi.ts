<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Giới thiệu Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>Ghé thăm &amp;trang web ngay!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>Đã chọn %1.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Đã bỏ chọn.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Chỉ quả bóng đứng riêng mới di chuyển được.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Không có đường đi.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Đã chuyển tới hàng %1, cột %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Đã xóa chồng năm bóng: %1 điểm.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Điểm %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Bóng mới: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 ở hàng %2, cột %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Ván đã kết thúc. Điểm %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Ván mới, %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Điểm %1, cao nhất %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Màu kế tiếp: %1.</translation>
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
        <translation>đỏ</translation>
    </message>
    <message>
        <source>green</source>
        <translation>xanh lá</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>xanh dương</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>vàng</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>hồng tím</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>xanh lơ</translation>
    </message>
    <message>
        <source>white</source>
        <translation>trắng</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>bóng vạn năng</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bóng đỏ</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bóng xanh lá</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>bóng xanh dương</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bóng vàng</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>bóng hồng tím</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>bóng xanh lơ</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>bóng trắng</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>bóng đỏ được chọn</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>bóng xanh lá được chọn</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>bóng xanh dương được chọn</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>bóng vàng được chọn</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>bóng hồng tím được chọn</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>bóng xanh lơ được chọn</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>bóng trắng được chọn</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>bóng vạn năng được chọn</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>hàng %1, cột %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>trống</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, chồng %2 bóng</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ẩn</translation>
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
        <translation>Sơ cấp</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Trung cấp</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Cao cấp</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>Ván &amp;mới	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Sơ cấp</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Trung cấp</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Cao cấp</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Bảng điểm cao...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>Tùy chọ&amp;n...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Th&amp;oát</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Mục lục	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Luật chơi</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Cách dùng trợ giúp</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Giới thiệu...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Trò chơi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Điểm cao mới!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Xin chúc mừng! Bạn vừa đạt điểm cao mới. Hãy nhập tên của bạn để ghi vào bảng 10 người đứng đầu:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Tùy chọn Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>Hiện &amp;vết mọi nước đi</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>Hiện màu &amp;kế tiếp</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;Mặt cười hoạt hình</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Hình dạng </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Giao diện </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Hết nước đi, ván chơi đã kết thúc!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>Nguyên tử</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Bóng</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Xúc xắc</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Xoắn ốc</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Bóng bay</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Bông tuyết</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Đĩa tròn</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Vòng tròn</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell đang chạy nhưng không phản hồi.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Ván mới</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Điểm cao nhất</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Điểm</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Màu kế tiếp</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd, dd/MM/yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Không thể lưu kết quả của bảng 10 người đứng đầu vào %1: %2.

Kết quả vẫn nằm trong bảng cho đến khi bạn thoát Cobblewell.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Người chơi hàng đầu của Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>Chương trình (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tất cả các tệp (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Chọn trình duyệt web để mở %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Không kết nối được Internet</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Phiên bản %1, biên dịch: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Trợ giúp Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Mục lục</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Quay lại</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Tiến tới</translation>
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
