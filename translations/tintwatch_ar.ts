<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Colour</name>
    <message>
        <source>red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>أخضر ليموني</translation>
    </message>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>jade</source>
        <translation>زمردي</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>azure</source>
        <translation>لازوردي</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>pale %1</source>
        <extracomment>A colour below half saturation; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 باهت</translation>
    </message>
    <message>
        <source>dark %1</source>
        <extracomment>A colour below 60 % brilliance; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 داكن</translation>
    </message>
    <message>
        <source>dull %1</source>
        <extracomment>A colour both pale and dark; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 كامد</translation>
    </message>
    <message>
        <source>black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>white</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>رمادي داكن</translation>
    </message>
    <message>
        <source>hour %1, minute %2, second %3</source>
        <extracomment>The tip&apos;s second line: the colours of the hour, minute and second hands.</extracomment>
        <translation>الساعة: %1، الدقيقة: %2، الثانية: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض تعليمات خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Shows the clock on this X display (default: $DISPLAY).</source>
        <translation>يعرض الساعة على شاشة X المحددة (الافتراضي: ‎$DISPLAY).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --display and --platform, shown in --help as &lt;name&gt;.</extracomment>
        <translation>اسم‎</translation>
    </message>
    <message>
        <source>Uses this Qt platform plugin, as $QT_QPA_PLATFORM does.</source>
        <translation>يستخدم المكوّن الإضافي المحدد لمنصة Qt، كما يفعل المتغير ‎$QT_QPA_PLATFORM.</translation>
    </message>
    <message>
        <source>A desktop clock that tells the time in colours.</source>
        <translation>ساعة سطح مكتب تعرض الوقت بالألوان.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «‎%1‎».</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
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
        <translation>أهلاً بك
سأقول هذا مرة واحدة فقط!
انقر بزر الفأرة الأيمن على جزء ملوّن من الساعة لتظهر قائمة الخيارات
مع أطيب التمنيات،  Alder</translation>
    </message>
    <message>
        <source>The Tint Watch with a Hue tester</source>
        <translation>ساعة Tint Watch مزوّدة باختبار تدرّج اللون</translation>
    </message>
    <message>
        <source>Tintwatch could not save its settings to
%1

%2</source>
        <extracomment>Exit could not write the settings file. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>تعذّر على Tintwatch حفظ إعداداته في
‎%1

%2</translation>
    </message>
</context>
<context>
    <name>HueTest</name>
    <message>
        <source>Press okay to continue and then the colour will change in 1-2 secs</source>
        <translation>انقر «حسنًا» للمتابعة، وبعدها سيتغيّر اللون خلال ثانية أو ثانيتين</translation>
    </message>
    <message>
        <source>You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that changes things.</source>
        <translation>لقد رأيت كل التغيّرات. هل تريد إعادة الاختبار؟  ويمكنك أيضاً تغيير السطوع أو التشبّع لترى إن كان ذلك يغيّر شيئاً.</translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1</source>
        <extracomment>The hue test&apos;s result: %n changes were missed; %1 lists their hues in degrees, joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>لم يفتك أي تغيّر في اللون عند الانتقال إلى %1</numerusform>
            <numerusform>فاتك تغيّر واحد في اللون عند الانتقال إلى التدرّج %1</numerusform>
            <numerusform>فاتك تغيّران في اللون عند الانتقال إلى التدرّجين %1</numerusform>
            <numerusform>فاتك %n تغيّرات في اللون عند الانتقال إلى التدرّجات %1</numerusform>
            <numerusform>فاتك %n تغيّراً في اللون عند الانتقال إلى التدرّجات %1</numerusform>
            <numerusform>فاتك %n تغيّر في اللون عند الانتقال إلى التدرّجات %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1 but you hit the key at least twice on %2</source>
        <extracomment>The hue test&apos;s result when a key was also pressed twice or more after some changes: %n changes were missed; %1 lists their hues, %2 the hues that got a key twice, in degrees, each joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>لم يفتك أي تغيّر في اللون عند الانتقال إلى %1؛ لكنك ضغطت المفتاح مرتين على الأقل عند %2</numerusform>
            <numerusform>فاتك تغيّر واحد في اللون عند الانتقال إلى التدرّج %1؛ لكنك ضغطت المفتاح مرتين على الأقل عند %2</numerusform>
            <numerusform>فاتك تغيّران في اللون عند الانتقال إلى التدرّجين %1؛ لكنك ضغطت المفتاح مرتين على الأقل عند %2</numerusform>
            <numerusform>فاتك %n تغيّرات في اللون عند الانتقال إلى التدرّجات %1؛ لكنك ضغطت المفتاح مرتين على الأقل عند %2</numerusform>
            <numerusform>فاتك %n تغيّراً في اللون عند الانتقال إلى التدرّجات %1؛ لكنك ضغطت المفتاح مرتين على الأقل عند %2</numerusform>
            <numerusform>فاتك %n تغيّر في اللون عند الانتقال إلى التدرّجات %1؛ لكنك ضغطت المفتاح مرتين على الأقل عند %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the hues (in degrees) of the hue test&apos;s lists, one at a time: %1 the list so far, %2 the next hue (&quot;30, 60, 90&quot;).</extracomment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <extracomment>Menu command: keep the clock above other windows.</extracomment>
        <translation>دائماً في المقدمة</translation>
    </message>
    <message>
        <source>White background</source>
        <extracomment>Menu command: off makes the clock&apos;s white see-through.</extracomment>
        <translation>خلفية بيضاء</translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <extracomment>Menu command: the faces without their rim and colour bars.</extracomment>
        <translation>وضع الخبير</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>حجم النافذة</translation>
    </message>
    <message>
        <source>+ Bigger </source>
        <extracomment>The clock twice as large; the &quot;+&quot; is its key. Keep the space at the end.</extracomment>
        <translation>+ أكبر </translation>
    </message>
    <message>
        <source>- Smaller</source>
        <extracomment>The clock half as large; the &quot;-&quot; is its key.</extracomment>
        <translation>- أصغر</translation>
    </message>
    <message>
        <source>Clock Options ...</source>
        <translation>خيارات الساعة...</translation>
    </message>
    <message>
        <source>A Hue Check Test</source>
        <translation>اختبار تدرّج اللون</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The submenu of About, the manual and the web site.</extracomment>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Opens the About box.</extracomment>
        <translation>حول</translation>
    </message>
    <message>
        <source>Online Help</source>
        <extracomment>Opens the manual in the web browser (it is shipped with the program).</extracomment>
        <translation>دليل الاستخدام</translation>
    </message>
    <message>
        <source>My Web site!</source>
        <extracomment>Opens the author&apos;s web site.</extracomment>
        <translation>موقعي على الويب!</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Saves the settings and ends the program.</extracomment>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>tintwatch::Tester</name>
    <message>
        <source>This test will show you whether you can see the difference between Hue colours.  The results are dependent on you and how good your screen is.  Start with the easy one of just 12 changes in Hue and work up to 60.</source>
        <translation>يبيّن لك هذا الاختبار ما إذا كنت تميّز الفرق بين تدرّجات الألوان.  تعتمد النتيجة عليك وعلى جودة شاشتك.  ابدأ بالاختبار السهل ذي 12 تغيّراً فقط في تدرّج اللون وتقدّم حتى 60.</translation>
    </message>
    <message>
        <source>When you press OK, the display will initially show a Red circle, which will change every 1-2 seconds.</source>
        <translation>عندما تنقر «حسنًا»، تعرض الساعة أولاً دائرة حمراء يتغيّر لونها كل ثانية إلى ثانيتين.</translation>
    </message>
    <message>
        <source>Each time you see a change press any key.</source>
        <translation>اضغط أي مفتاح كلما رأيت تغيّراً.</translation>
    </message>
    <message>
        <source>At the end, the display will show you which colours (if any) you could not distinguish.</source>
        <translation>في النهاية تعرض لك الساعة الألوان التي لم تستطع تمييزها (إن وُجدت).</translation>
    </message>
    <message>
        <source>One may begin to see colour halos on the 60 test, if so then set the pause number and the test will pause after that number of changes.  The clock may hide the pause display, in which case hit return after the beep!</source>
        <translation>قد تبدأ برؤية هالات ملوّنة في اختبار الستين تغيّراً، فإن حدث ذلك فاضبط عدد التغيّرات قبل الإيقاف المؤقت، وسيتوقف الاختبار مؤقتاً بعد هذا العدد من التغيّرات.  قد تحجب الساعة نافذة الإيقاف المؤقت، وعندها اضغط Enter بعد صوت التنبيه!</translation>
    </message>
    <message>
        <source>You can copy/paste the above to compare with another test to see how accurate things are.  If you feel like emailing me your result, I&apos;ll put up a graph on my web site so we can all see the problems we have with colour and our screens.  My email address is</source>
        <extracomment>Followed by the author&apos;s e-mail address in a box beside it.</extracomment>
        <translation>يمكنك نسخ النتيجة أعلاه ولصقها لمقارنتها باختبار آخر ومعرفة مدى دقتها.  إن رغبت في إرسال نتيجتك إليّ بالبريد الإلكتروني، فسأنشر رسماً بيانياً على موقعي لنرى جميعاً المشكلات التي نواجهها في الألوان وفي شاشاتنا.  عنوان بريدي الإلكتروني:</translation>
    </message>
    <message>
        <source>Hue Check Test</source>
        <translation>اختبار تدرّج اللون</translation>
    </message>
    <message>
        <source>OK - start test</source>
        <translation>حسنًا - ابدأ الاختبار</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Number of changes</source>
        <extracomment>The frame around the choice of 12, 30 or 60 hue changes in one test.</extracomment>
        <translation>عدد التغيّرات</translation>
    </message>
    <message>
        <source>12 (ie the &apos;Hour&apos; hand)</source>
        <extracomment>12 changes of hue, as many as the hour hand&apos;s colours round the clock.</extracomment>
        <translation>12 (خطوات عقرب الساعات)</translation>
    </message>
    <message>
        <source>60 (ie the &apos;Minute&apos; hand)</source>
        <extracomment>60 changes of hue, as many as the minute hand&apos;s colours round the clock.</extracomment>
        <translation>60 (خطوات عقرب الدقائق)</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmAbout</name>
    <message>
        <source>Colours for telling the time</source>
        <translation>ألوان لمعرفة الوقت</translation>
    </message>
    <message>
        <source>Hue clock</source>
        <translation>ساعة تدرّج اللون</translation>
    </message>
    <message>
        <source>The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes.</source>
        <translation>ينقسم الإطار الخارجي لوجه الساعة إلى ساعات ملوّنة، وتنقسم كل منها إلى دقائق ملوّنة.</translation>
    </message>
    <message>
        <source>RGB clock</source>
        <translation>ساعة RGB</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from left to right.</source>
        <translation>يظهر الوقت الملوّن في ثلاثة أشرطة، بجانبها دوائر تبيّن قيم قنوات RGB.  تُقرأ من اليسار إلى اليمين.</translation>
    </message>
    <message>
        <source>Lab clock</source>
        <translation>ساعة Lab</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value of the &apos;a&apos; and &apos;b&apos; channels.  You read it from left to right.</source>
        <translation>يظهر الوقت الملوّن في ثلاثة أشرطة، مع أشرطة موجبة أو سالبة (بلون قناة Lab) تبيّن قيم القناتين a وb.  تُقرأ من اليسار إلى اليمين.</translation>
    </message>
    <message>
        <source>Use the left mouse button (on a bit of colour)  to drag the clock around</source>
        <translation>اسحب الساعة بزر الفأرة الأيسر (على جزء ملوّن) لتحريكها</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>The coloured circles give the Hour, Minute and Second</source>
        <translation>تبيّن الدوائر الملوّنة الساعة والدقيقة والثانية</translation>
    </message>
    <message>
        <source>About Tint Watch</source>
        <extracomment>The About box&apos;s title; &quot;Tint Watch&quot; is the program&apos;s name.</extracomment>
        <translation>حول Tint Watch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>This program is dedicated to
my lovely talented daughter
%1
who understands colour much better than I do!</source>
        <extracomment>The dedication, one sentence in four centred lines, one line here for each; %1 is her name, &quot;Cyan&quot;, and stays on the third line, alone or with the punctuation after it.</extracomment>
        <translation>هذا البرنامج مُهدى إلى
ابنتي الحبيبة الموهوبة
%1
التي تفهم الألوان أفضل مني بكثير!</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmOptions</name>
    <message>
        <source>Clock Options</source>
        <translation>خيارات الساعة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Clock Type</source>
        <translation>نوع الساعة</translation>
    </message>
    <message>
        <source>Hue</source>
        <comment>clock type</comment>
        <extracomment>The clock type that shows the hands as hues on a colour wheel.</extracomment>
        <translation>تدرّج اللون</translation>
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
        <translation>الفاصل بين الدقّات</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>A tick rate: %1 is the number of seconds between ticks (1, 2 or 5).</extracomment>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>Max        Min</source>
        <extracomment>The headings over the maximum and minimum boxes: the spaces put the second over the second box.</extracomment>
        <translation>الأقصى    الأدنى</translation>
    </message>
    <message>
        <source>Saturation Level</source>
        <translation>مستوى التشبّع</translation>
    </message>
    <message>
        <source>Brilliance Level</source>
        <translation>مستوى السطوع</translation>
    </message>
    <message>
        <source>Make the Max &amp; Min the same if you do not want them to change over time</source>
        <translation>اجعل الأقصى والأدنى متساويين إن كنت لا تريد أن يتغيّرا مع الوقت</translation>
    </message>
    <message>
        <source>Smooth running (means the Hr &amp;&amp; Mins will not jump)</source>
        <extracomment>A check box: the hour and minute hands move a little at every tick. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;.</extracomment>
        <translation>حركة سلسة (لا يقفز عقربا الساعات والدقائق)</translation>
    </message>
</context>
</TS>
