<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Colour</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>vert citron</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>jade</source>
        <translation>vert jade</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>azure</source>
        <translation>azur</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>pale %1</source>
        <extracomment>A colour below half saturation; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 pâle</translation>
    </message>
    <message>
        <source>dark %1</source>
        <extracomment>A colour below 60 % brilliance; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 foncé</translation>
    </message>
    <message>
        <source>dull %1</source>
        <extracomment>A colour both pale and dark; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 terne</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>hour %1, minute %2, second %3</source>
        <extracomment>The tip&apos;s second line: the colours of the hour, minute and second hands.</extracomment>
        <translation>heure&#xa0;: %1, minute&#xa0;: %2, seconde&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Shows the clock on this X display (default: $DISPLAY).</source>
        <translation>Affiche l’horloge sur l’affichage X indiqué (par défaut&#xa0;: $DISPLAY).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --display and --platform, shown in --help as &lt;name&gt;.</extracomment>
        <translation>nom</translation>
    </message>
    <message>
        <source>Uses this Qt platform plugin, as $QT_QPA_PLATFORM does.</source>
        <translation>Utilise le module de plateforme Qt indiqué, comme le fait $QT_QPA_PLATFORM.</translation>
    </message>
    <message>
        <source>A desktop clock that tells the time in colours.</source>
        <translation>Une horloge de bureau qui donne l’heure en couleurs.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
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
        <translation>Bienvenue
Je ne le dirai qu’une fois&#xa0;!
Un clic droit sur une partie colorée de l’horloge ouvre le menu
Amicalement, Alder</translation>
    </message>
    <message>
        <source>The Tint Watch with a Hue tester</source>
        <translation>Tint Watch avec test des teintes</translation>
    </message>
    <message>
        <source>Tintwatch could not save its settings to
%1

%2</source>
        <extracomment>Exit could not write the settings file. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Tintwatch n’a pas pu enregistrer ses réglages dans le fichier&#xa0;:
%1

%2</translation>
    </message>
</context>
<context>
    <name>HueTest</name>
    <message>
        <source>Press okay to continue and then the colour will change in 1-2 secs</source>
        <translation>Cliquez sur OK pour continuer&#xa0;: la couleur changera ensuite dans 1 à 2 secondes</translation>
    </message>
    <message>
        <source>You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that changes things.</source>
        <translation>Vous avez vu tous les changements. Recommencer le test&#xa0;? Vous pouvez aussi modifier la luminosité ou la saturation et voir si cela change quelque chose.</translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1</source>
        <extracomment>The hue test&apos;s result: %n changes were missed; %1 lists their hues in degrees, joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>Vous avez manqué %n changement de couleur (passage à %1 degrés)</numerusform>
            <numerusform>Vous avez manqué %n changements de couleur (passages à %1 degrés)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1 but you hit the key at least twice on %2</source>
        <extracomment>The hue test&apos;s result when a key was also pressed twice or more after some changes: %n changes were missed; %1 lists their hues, %2 the hues that got a key twice, in degrees, each joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>Vous avez manqué %n changement de couleur (passage à %1 degrés), mais vous avez appuyé au moins deux fois sur une touche quand la couleur est passée à %2 degrés</numerusform>
            <numerusform>Vous avez manqué %n changements de couleur (passages à %1 degrés), mais vous avez appuyé au moins deux fois sur une touche quand la couleur est passée à %2 degrés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the hues (in degrees) of the hue test&apos;s lists, one at a time: %1 the list so far, %2 the next hue (&quot;30, 60, 90&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <extracomment>Menu command: keep the clock above other windows.</extracomment>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>White background</source>
        <extracomment>Menu command: off makes the clock&apos;s white see-through.</extracomment>
        <translation>Fond blanc</translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <extracomment>Menu command: the faces without their rim and colour bars.</extracomment>
        <translation>Mode expert</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Taille de la fenêtre</translation>
    </message>
    <message>
        <source>+ Bigger </source>
        <extracomment>The clock twice as large; the &quot;+&quot; is its key. Keep the space at the end.</extracomment>
        <translation>+ Plus grande </translation>
    </message>
    <message>
        <source>- Smaller</source>
        <extracomment>The clock half as large; the &quot;-&quot; is its key.</extracomment>
        <translation>- Plus petite</translation>
    </message>
    <message>
        <source>Clock Options ...</source>
        <translation>Options de l’horloge…</translation>
    </message>
    <message>
        <source>A Hue Check Test</source>
        <translation>Test des teintes</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The submenu of About, the manual and the web site.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Opens the About box.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Online Help</source>
        <extracomment>Opens the manual in the web browser (it is shipped with the program).</extracomment>
        <translation>Aide de Tintwatch</translation>
    </message>
    <message>
        <source>My Web site!</source>
        <extracomment>Opens the author&apos;s web site.</extracomment>
        <translation>Mon site web&#xa0;!</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Saves the settings and ends the program.</extracomment>
        <translation>Quitter</translation>
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
        <translation>Ce test vous montre si vous distinguez les teintes. Le résultat dépend de vous et de la qualité de votre écran. Commencez par le plus facile, avec seulement 12 changements de teinte, puis progressez jusqu’à 60.</translation>
    </message>
    <message>
        <source>When you press OK, the display will initially show a Red circle, which will change every 1-2 seconds.</source>
        <translation>Quand vous cliquez sur OK, l’horloge affiche d’abord un cercle rouge, qui change de couleur toutes les 1 à 2 secondes.</translation>
    </message>
    <message>
        <source>Each time you see a change press any key.</source>
        <translation>À chaque changement que vous voyez, appuyez sur une touche.</translation>
    </message>
    <message>
        <source>At the end, the display will show you which colours (if any) you could not distinguish.</source>
        <translation>À la fin, l’horloge vous montre les couleurs (s’il y en a) que vous n’avez pas pu distinguer.</translation>
    </message>
    <message>
        <source>One may begin to see colour halos on the 60 test, if so then set the pause number and the test will pause after that number of changes.  The clock may hide the pause display, in which case hit return after the beep!</source>
        <translation>Lors du test à 60 changements, des halos colorés peuvent apparaître&#xa0;: indiquez alors après combien de changements le test doit faire une pause. L’horloge peut masquer le message de pause&#xa0;: dans ce cas, appuyez sur Entrée après le bip&#xa0;!</translation>
    </message>
    <message>
        <source>You can copy/paste the above to compare with another test to see how accurate things are.  If you feel like emailing me your result, I&apos;ll put up a graph on my web site so we can all see the problems we have with colour and our screens.  My email address is</source>
        <extracomment>Followed by the author&apos;s e-mail address in a box beside it.</extracomment>
        <translation>Vous pouvez copier ce résultat et le comparer à celui d’un autre test pour voir s’il est fiable. Si vous avez envie de m’envoyer votre résultat par e-mail, je le publierai dans un graphique sur mon site, pour que nous voyions tous les problèmes que nous avons avec les couleurs et nos écrans. Mon adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Hue Check Test</source>
        <translation>Test des teintes</translation>
    </message>
    <message>
        <source>OK - start test</source>
        <translation>OK – démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Number of changes</source>
        <extracomment>The frame around the choice of 12, 30 or 60 hue changes in one test.</extracomment>
        <translation>Nombre de changements</translation>
    </message>
    <message>
        <source>12 (ie the &apos;Hour&apos; hand)</source>
        <extracomment>12 changes of hue, as many as the hour hand&apos;s colours round the clock.</extracomment>
        <translation>12 (comme l’aiguille des heures)</translation>
    </message>
    <message>
        <source>60 (ie the &apos;Minute&apos; hand)</source>
        <extracomment>60 changes of hue, as many as the minute hand&apos;s colours round the clock.</extracomment>
        <translation>60 (comme l’aiguille des minutes)</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmAbout</name>
    <message>
        <source>Colours for telling the time</source>
        <translation>Des couleurs pour lire l’heure</translation>
    </message>
    <message>
        <source>Hue clock</source>
        <translation>Horloge des teintes</translation>
    </message>
    <message>
        <source>The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes.</source>
        <translation>Le bord du cadran est divisé en heures de couleur, elles-mêmes subdivisées en minutes colorées.</translation>
    </message>
    <message>
        <source>RGB clock</source>
        <translation>Horloge RVB</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from left to right.</source>
        <translation>L’heure en couleurs est affichée sous forme de trois barres, avec des cercles qui montrent la valeur des canaux RVB. Elle se lit de gauche à droite.</translation>
    </message>
    <message>
        <source>Lab clock</source>
        <translation>Horloge Lab</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value of the &apos;a&apos; and &apos;b&apos; channels.  You read it from left to right.</source>
        <translation>L’heure en couleurs est affichée sous forme de trois barres, avec des barres +/– (de la couleur du canal Lab) qui montrent la valeur des canaux «&#xa0;a&#xa0;» et «&#xa0;b&#xa0;». Elle se lit de gauche à droite.</translation>
    </message>
    <message>
        <source>Use the left mouse button (on a bit of colour)  to drag the clock around</source>
        <translation>Faites glisser l’horloge avec le bouton gauche de la souris (sur une partie colorée)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The coloured circles give the Hour, Minute and Second</source>
        <translation>Les cercles de couleur indiquent les heures, les minutes et les secondes</translation>
    </message>
    <message>
        <source>About Tint Watch</source>
        <extracomment>The About box&apos;s title; &quot;Tint Watch&quot; is the program&apos;s name.</extracomment>
        <translation>À propos de Tint Watch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This program is dedicated to
my lovely talented daughter
%1
who understands colour much better than I do!</source>
        <extracomment>The dedication, one sentence in four centred lines, one line here for each; %1 is her name, &quot;Cyan&quot;, and stays on the third line, alone or with the punctuation after it.</extracomment>
        <translation>Ce programme est dédié à
ma fille chérie et talentueuse
%1,
qui comprend la couleur bien mieux que moi&#xa0;!</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmOptions</name>
    <message>
        <source>Clock Options</source>
        <translation>Options de l’horloge</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Clock Type</source>
        <translation>Type d’horloge</translation>
    </message>
    <message>
        <source>Hue</source>
        <comment>clock type</comment>
        <extracomment>The clock type that shows the hands as hues on a colour wheel.</extracomment>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>RGB</source>
        <comment>clock type</comment>
        <extracomment>The clock type with red, green and blue bars.</extracomment>
        <translation>RVB</translation>
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
        <translation>Cadence</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>A tick rate: %1 is the number of seconds between ticks (1, 2 or 5).</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Max        Min</source>
        <extracomment>The headings over the maximum and minimum boxes: the spaces put the second over the second box.</extracomment>
        <translation>Max        Min</translation>
    </message>
    <message>
        <source>Saturation Level</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Brilliance Level</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Make the Max &amp; Min the same if you do not want them to change over time</source>
        <translation>Pour des niveaux constants toute la journée, donnez la même valeur à Max et à Min</translation>
    </message>
    <message>
        <source>Smooth running (means the Hr &amp;&amp; Mins will not jump)</source>
        <extracomment>A check box: the hour and minute hands move a little at every tick. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;.</extracomment>
        <translation>Marche fluide (les aiguilles des heures et des minutes ne sautent pas)</translation>
    </message>
</context>
</TS>
