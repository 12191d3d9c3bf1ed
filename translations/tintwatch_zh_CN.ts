<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Colour</name>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>黄绿色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>jade</source>
        <translation>青绿色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>azure</source>
        <translation>天蓝色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>蓝紫色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>玫红色</translation>
    </message>
    <message>
        <source>pale %1</source>
        <extracomment>A colour below half saturation; %1 is the hue&apos;s name.</extracomment>
        <translation>浅%1</translation>
    </message>
    <message>
        <source>dark %1</source>
        <extracomment>A colour below 60 % brilliance; %1 is the hue&apos;s name.</extracomment>
        <translation>深%1</translation>
    </message>
    <message>
        <source>dull %1</source>
        <extracomment>A colour both pale and dark; %1 is the hue&apos;s name.</extracomment>
        <translation>灰%1</translation>
    </message>
    <message>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>hour %1, minute %2, second %3</source>
        <extracomment>The tip&apos;s second line: the colours of the hour, minute and second hands.</extracomment>
        <translation>时针：%1，分针：%2，秒针：%3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Shows the clock on this X display (default: $DISPLAY).</source>
        <translation>在指定的 X 显示服务器上显示时钟（默认：$DISPLAY）。</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --display and --platform, shown in --help as &lt;name&gt;.</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <source>Uses this Qt platform plugin, as $QT_QPA_PLATFORM does.</source>
        <translation>使用指定的 Qt 平台插件（作用同 $QT_QPA_PLATFORM）。</translation>
    </message>
    <message>
        <source>A desktop clock that tells the time in colours.</source>
        <translation>用颜色报时的桌面时钟。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Welcome
I shall say this only once!
Right mouse-click on a bit of colour (on the clock) to get a menu of options
All the best,  Alder</source>
        <extracomment>The first start&apos;s message; one line of the box for each line here.</extracomment>
        <translation>欢迎
此消息只显示一次！
在时钟的彩色部分上单击右键，即可打开选项菜单
祝好！——Alder</translation>
    </message>
    <message>
        <source>The Tint Watch with a Hue tester</source>
        <translation>带色相测试的 Tint Watch</translation>
    </message>
    <message>
        <source>Tintwatch could not save its settings to
%1

%2</source>
        <extracomment>Exit could not write the settings file. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Tintwatch 无法将设置保存到
%1

%2</translation>
    </message>
</context>
<context>
    <name>HueTest</name>
    <message>
        <source>Press okay to continue and then the colour will change in 1-2 secs</source>
        <translation>单击“确定”继续，颜色将在 1 到 2 秒后变化。</translation>
    </message>
    <message>
        <source>You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that changes things.</source>
        <translation>您察觉到了所有变化——要再测一次吗？您也可以更改亮度或饱和度，看看结果是否不同。</translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1</source>
        <extracomment>The hue test&apos;s result: %n changes were missed; %1 lists their hues in degrees, joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>您有 %n 次颜色变化未察觉到，发生在色相变为 %1 度时。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1 but you hit the key at least twice on %2</source>
        <extracomment>The hue test&apos;s result when a key was also pressed twice or more after some changes: %n changes were missed; %1 lists their hues, %2 the hues that got a key twice, in degrees, each joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>您有 %n 次颜色变化未察觉到，发生在色相变为 %1 度时；另外，在色相为 %2 度时您至少按了两次键。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the hues (in degrees) of the hue test&apos;s lists, one at a time: %1 the list so far, %2 the next hue (&quot;30, 60, 90&quot;).</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <extracomment>Menu command: keep the clock above other windows.</extracomment>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>White background</source>
        <extracomment>Menu command: off makes the clock&apos;s white see-through.</extracomment>
        <translation>白色背景</translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <extracomment>Menu command: the faces without their rim and colour bars.</extracomment>
        <translation>专家模式</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>窗口大小</translation>
    </message>
    <message>
        <source>+ Bigger </source>
        <extracomment>The clock twice as large; the &quot;+&quot; is its key. Keep the space at the end.</extracomment>
        <translation>+ 放大 </translation>
    </message>
    <message>
        <source>- Smaller</source>
        <extracomment>The clock half as large; the &quot;-&quot; is its key.</extracomment>
        <translation>- 缩小</translation>
    </message>
    <message>
        <source>Clock Options ...</source>
        <translation>时钟选项...</translation>
    </message>
    <message>
        <source>A Hue Check Test</source>
        <translation>色相测试</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The submenu of About, the manual and the web site.</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Opens the About box.</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>Online Help</source>
        <extracomment>Opens the manual in the web browser (it is shipped with the program).</extracomment>
        <translation>使用手册</translation>
    </message>
    <message>
        <source>My Web site!</source>
        <extracomment>Opens the author&apos;s web site.</extracomment>
        <translation>作者网站</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Saves the settings and ends the program.</extracomment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>tintwatch::Tester</name>
    <message>
        <source>This test will show you whether you can see the difference between Hue colours.  The results are dependent on you and how good your screen is.  Start with the easy one of just 12 changes in Hue and work up to 60.</source>
        <translation>此测试可以检验您能否分辨不同的色相。结果既取决于您本人，也取决于屏幕的好坏。请从只有 12 次色相变化的简单测试开始，逐步增加到 60 次。</translation>
    </message>
    <message>
        <source>When you press OK, the display will initially show a Red circle, which will change every 1-2 seconds.</source>
        <translation>单击“确定”后，屏幕上会先显示一个红色圆圈，每隔 1 到 2 秒变一次颜色。</translation>
    </message>
    <message>
        <source>Each time you see a change press any key.</source>
        <translation>每看到一次变化，就按任意键。</translation>
    </message>
    <message>
        <source>At the end, the display will show you which colours (if any) you could not distinguish.</source>
        <translation>测试结束时，将显示您未能分辨的颜色（如有）。</translation>
    </message>
    <message>
        <source>One may begin to see colour halos on the 60 test, if so then set the pause number and the test will pause after that number of changes.  The clock may hide the pause display, in which case hit return after the beep!</source>
        <translation>在 60 次变化的测试中，您可能会开始看到彩色光晕；此时请设置暂停间隔（变化次数），测试每经过该次数的变化就会暂停一次。暂停提示框可能被时钟挡住，这时请在提示音后按回车键！</translation>
    </message>
    <message>
        <source>You can copy/paste the above to compare with another test to see how accurate things are.  If you feel like emailing me your result, I&apos;ll put up a graph on my web site so we can all see the problems we have with colour and our screens.  My email address is</source>
        <extracomment>Followed by the author&apos;s e-mail address in a box beside it.</extracomment>
        <translation>您可以复制上面的结果，与另一次测试比较，看看准确程度。如果愿意将结果通过电子邮件发给我，我会在网站上发布图表，让大家都看到我们在颜色和屏幕方面遇到的问题。我的电子邮件地址：</translation>
    </message>
    <message>
        <source>Hue Check Test</source>
        <translation>色相测试</translation>
    </message>
    <message>
        <source>OK - start test</source>
        <translation>确定 - 开始测试</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Number of changes</source>
        <extracomment>The frame around the choice of 12, 30 or 60 hue changes in one test.</extracomment>
        <translation>变化次数</translation>
    </message>
    <message>
        <source>12 (ie the &apos;Hour&apos; hand)</source>
        <extracomment>12 changes of hue, as many as the hour hand&apos;s colours round the clock.</extracomment>
        <translation>12（时针的步数）</translation>
    </message>
    <message>
        <source>60 (ie the &apos;Minute&apos; hand)</source>
        <extracomment>60 changes of hue, as many as the minute hand&apos;s colours round the clock.</extracomment>
        <translation>60（分针的步数）</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmAbout</name>
    <message>
        <source>Colours for telling the time</source>
        <translation>用颜色报时</translation>
    </message>
    <message>
        <source>Hue clock</source>
        <translation>色相时钟</translation>
    </message>
    <message>
        <source>The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes.</source>
        <translation>表盘外圈分为代表各小时的色块，每块再细分为代表各分钟的色块。</translation>
    </message>
    <message>
        <source>RGB clock</source>
        <translation>RGB 时钟</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from left to right.</source>
        <translation>时间以三根彩色柱条显示，旁边圆圈的大小表示 RGB 各通道的值。从左往右读。</translation>
    </message>
    <message>
        <source>Lab clock</source>
        <translation>Lab 时钟</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value of the &apos;a&apos; and &apos;b&apos; channels.  You read it from left to right.</source>
        <translation>时间以三根彩色柱条显示，上下伸展的短柱（涂成相应 Lab 通道的颜色）表示 a 和 b 通道的值。从左往右读。</translation>
    </message>
    <message>
        <source>Use the left mouse button (on a bit of colour)  to drag the clock around</source>
        <translation>用鼠标左键（按住彩色部分）拖动时钟</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>The coloured circles give the Hour, Minute and Second</source>
        <translation>彩色圆圈分别表示时、分、秒</translation>
    </message>
    <message>
        <source>About Tint Watch</source>
        <extracomment>The About box&apos;s title; &quot;Tint Watch&quot; is the program&apos;s name.</extracomment>
        <translation>关于 Tint Watch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>This program is dedicated to
my lovely talented daughter
%1
who understands colour much better than I do!</source>
        <extracomment>The dedication, one sentence in four centred lines, one line here for each; %1 is her name, &quot;Cyan&quot;, and stays on the third line, alone or with the punctuation after it.</extracomment>
        <translation>谨以此程序献给
我可爱而多才的女儿
%1，
她远比我更懂颜色！</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmOptions</name>
    <message>
        <source>Clock Options</source>
        <translation>时钟选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Clock Type</source>
        <translation>时钟类型</translation>
    </message>
    <message>
        <source>Hue</source>
        <comment>clock type</comment>
        <extracomment>The clock type that shows the hands as hues on a colour wheel.</extracomment>
        <translation>色相</translation>
    </message>
    <message>
        <source>RGB</source>
        <comment>clock type</comment>
        <extracomment>The clock type with red, green and blue bars.</extracomment>
        <translation>RGB</translation>
    </message>
    <message>
        <source>Lab</source>
        <comment>clock type</comment>
        <extracomment>The clock type with the CIE Lab a and b bars.</extracomment>
        <translation>Lab</translation>
    </message>
    <message>
        <source>Tick Rate</source>
        <extracomment>How often the clock moves on.</extracomment>
        <translation>刷新间隔</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>A tick rate: %1 is the number of seconds between ticks (1, 2 or 5).</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Max        Min</source>
        <extracomment>The headings over the maximum and minimum boxes: the spaces put the second over the second box.</extracomment>
        <translation>最大       最小</translation>
    </message>
    <message>
        <source>Saturation Level</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Brilliance Level</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Make the Max &amp; Min the same if you do not want them to change over time</source>
        <translation>若不希望饱和度和亮度随时间变化，请将最大值和最小值设为相同。</translation>
    </message>
    <message>
        <source>Smooth running (means the Hr &amp;&amp; Mins will not jump)</source>
        <extracomment>A check box: the hour and minute hands move a little at every tick. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;.</extracomment>
        <translation>平滑走时（时针和分针不跳动）</translation>
    </message>
</context>
</TS>
