<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Colour</name>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>verde lime</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>jade</source>
        <translation>verde giada</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>azure</source>
        <translation>azzurro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>pale %1</source>
        <extracomment>A colour below half saturation; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 pallido</translation>
    </message>
    <message>
        <source>dark %1</source>
        <extracomment>A colour below 60 % brilliance; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 scuro</translation>
    </message>
    <message>
        <source>dull %1</source>
        <extracomment>A colour both pale and dark; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 spento</translation>
    </message>
    <message>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grigio</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>grigio scuro</translation>
    </message>
    <message>
        <source>hour %1, minute %2, second %3</source>
        <extracomment>The tip&apos;s second line: the colours of the hour, minute and second hands.</extracomment>
        <translation>ore: %1, minuti: %2, secondi: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida alle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Shows the clock on this X display (default: $DISPLAY).</source>
        <translation>Mostra l’orologio sul display X indicato (predefinito: $DISPLAY).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --display and --platform, shown in --help as &lt;name&gt;.</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Uses this Qt platform plugin, as $QT_QPA_PLATFORM does.</source>
        <translation>Usa il plugin di piattaforma Qt indicato, come la variabile $QT_QPA_PLATFORM.</translation>
    </message>
    <message>
        <source>A desktop clock that tells the time in colours.</source>
        <translation>Un orologio per il desktop che indica l’ora con i colori.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
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
        <translation>Ti do il benvenuto
Lo dico una volta sola!
Fai clic con il pulsante destro su una parte colorata dell’orologio per aprire il menu delle opzioni
Tanti saluti,  Alder</translation>
    </message>
    <message>
        <source>The Tint Watch with a Hue tester</source>
        <translation>Tint Watch con test delle tinte</translation>
    </message>
    <message>
        <source>Tintwatch could not save its settings to
%1

%2</source>
        <extracomment>Exit could not write the settings file. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Tintwatch non è riuscito a salvare le impostazioni in
%1

%2</translation>
    </message>
</context>
<context>
    <name>HueTest</name>
    <message>
        <source>Press okay to continue and then the colour will change in 1-2 secs</source>
        <translation>Premi OK per continuare: poi il colore cambierà tra 1 e 2 secondi</translation>
    </message>
    <message>
        <source>You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that changes things.</source>
        <translation>Hai visto tutti i cambi: vuoi rifare il test?  Oppure puoi modificare la luminosità o la saturazione e vedere se fa differenza.</translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1</source>
        <extracomment>The hue test&apos;s result: %n changes were missed; %1 lists their hues in degrees, joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>Ti è sfuggito %n cambio di colore, nel passaggio alla tinta %1</numerusform>
            <numerusform>Ti sono sfuggiti %n cambi di colore, nei passaggi alle tinte %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1 but you hit the key at least twice on %2</source>
        <extracomment>The hue test&apos;s result when a key was also pressed twice or more after some changes: %n changes were missed; %1 lists their hues, %2 the hues that got a key twice, in degrees, each joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>Ti è sfuggito %n cambio di colore, nel passaggio alla tinta %1; hai però premuto un tasto almeno due volte in corrispondenza di %2</numerusform>
            <numerusform>Ti sono sfuggiti %n cambi di colore, nei passaggi alle tinte %1; hai però premuto un tasto almeno due volte in corrispondenza di %2</numerusform>
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
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <extracomment>Menu command: keep the clock above other windows.</extracomment>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>White background</source>
        <extracomment>Menu command: off makes the clock&apos;s white see-through.</extracomment>
        <translation>Sfondo bianco</translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <extracomment>Menu command: the faces without their rim and colour bars.</extracomment>
        <translation>Modalità esperto</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Dimensione finestra</translation>
    </message>
    <message>
        <source>+ Bigger </source>
        <extracomment>The clock twice as large; the &quot;+&quot; is its key. Keep the space at the end.</extracomment>
        <translation>+ Più grande </translation>
    </message>
    <message>
        <source>- Smaller</source>
        <extracomment>The clock half as large; the &quot;-&quot; is its key.</extracomment>
        <translation>- Più piccolo</translation>
    </message>
    <message>
        <source>Clock Options ...</source>
        <translation>Opzioni orologio…</translation>
    </message>
    <message>
        <source>A Hue Check Test</source>
        <translation>Test delle tinte</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The submenu of About, the manual and the web site.</extracomment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Opens the About box.</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Online Help</source>
        <extracomment>Opens the manual in the web browser (it is shipped with the program).</extracomment>
        <translation>Guida in linea</translation>
    </message>
    <message>
        <source>My Web site!</source>
        <extracomment>Opens the author&apos;s web site.</extracomment>
        <translation>Il mio sito web!</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Saves the settings and ends the program.</extracomment>
        <translation>Esci</translation>
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
        <translation>Questo test ti mostra se riesci a vedere la differenza tra le tinte.  Il risultato dipende da te e dalla qualità del tuo schermo.  Comincia da quello facile, con soli 12 cambi di tinta, e poi sali fino a 60.</translation>
    </message>
    <message>
        <source>When you press OK, the display will initially show a Red circle, which will change every 1-2 seconds.</source>
        <translation>Quando premi OK, l’orologio mostra prima un cerchio rosso, che cambia ogni 1–2 secondi.</translation>
    </message>
    <message>
        <source>Each time you see a change press any key.</source>
        <translation>Ogni volta che vedi un cambio, premi un tasto qualsiasi.</translation>
    </message>
    <message>
        <source>At the end, the display will show you which colours (if any) you could not distinguish.</source>
        <translation>Alla fine l’orologio ti mostra quali colori (se ce ne sono) non hai distinto.</translation>
    </message>
    <message>
        <source>One may begin to see colour halos on the 60 test, if so then set the pause number and the test will pause after that number of changes.  The clock may hide the pause display, in which case hit return after the beep!</source>
        <translation>Nel test da 60 si possono cominciare a vedere aloni colorati: in tal caso indica nella casella ogni quanti cambi fare una pausa.  L’orologio può coprire il messaggio di pausa: se succede, premi Invio dopo il segnale acustico!</translation>
    </message>
    <message>
        <source>You can copy/paste the above to compare with another test to see how accurate things are.  If you feel like emailing me your result, I&apos;ll put up a graph on my web site so we can all see the problems we have with colour and our screens.  My email address is</source>
        <extracomment>Followed by the author&apos;s e-mail address in a box beside it.</extracomment>
        <translation>Puoi copiare e incollare il risultato qui sopra per confrontarlo con quello di un altro test e vedere quanto è attendibile.  Se vuoi mandarmi il tuo risultato per e-mail, pubblicherò un grafico sul mio sito, così vedremo tutti insieme i problemi che abbiamo con i colori e con i nostri schermi.  Il mio indirizzo e-mail è</translation>
    </message>
    <message>
        <source>Hue Check Test</source>
        <translation>Test delle tinte</translation>
    </message>
    <message>
        <source>OK - start test</source>
        <translation>OK - avvia il test</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Number of changes</source>
        <extracomment>The frame around the choice of 12, 30 or 60 hue changes in one test.</extracomment>
        <translation>Numero di cambi</translation>
    </message>
    <message>
        <source>12 (ie the &apos;Hour&apos; hand)</source>
        <extracomment>12 changes of hue, as many as the hour hand&apos;s colours round the clock.</extracomment>
        <translation>12 (come la lancetta delle ore)</translation>
    </message>
    <message>
        <source>60 (ie the &apos;Minute&apos; hand)</source>
        <extracomment>60 changes of hue, as many as the minute hand&apos;s colours round the clock.</extracomment>
        <translation>60 (come la lancetta dei minuti)</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmAbout</name>
    <message>
        <source>Colours for telling the time</source>
        <translation>Colori per leggere l’ora</translation>
    </message>
    <message>
        <source>Hue clock</source>
        <translation>Orologio delle tinte</translation>
    </message>
    <message>
        <source>The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes.</source>
        <translation>Il bordo del quadrante è diviso in ore colorate, a loro volta suddivise in minuti colorati.</translation>
    </message>
    <message>
        <source>RGB clock</source>
        <translation>Orologio RGB</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from left to right.</source>
        <translation>L’ora a colori è rappresentata da 3 barre, con cerchi che indicano il valore dei canali RGB.  Si legge da sinistra a destra.</translation>
    </message>
    <message>
        <source>Lab clock</source>
        <translation>Orologio Lab</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value of the &apos;a&apos; and &apos;b&apos; channels.  You read it from left to right.</source>
        <translation>L’ora a colori è rappresentata da 3 barre, con barre +/- (nel colore del canale Lab) che indicano il valore dei canali «a» e «b».  Si legge da sinistra a destra.</translation>
    </message>
    <message>
        <source>Use the left mouse button (on a bit of colour)  to drag the clock around</source>
        <translation>Trascina l’orologio con il pulsante sinistro del mouse (su una parte colorata)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>The coloured circles give the Hour, Minute and Second</source>
        <translation>I cerchi colorati indicano l’ora, i minuti e i secondi</translation>
    </message>
    <message>
        <source>About Tint Watch</source>
        <extracomment>The About box&apos;s title; &quot;Tint Watch&quot; is the program&apos;s name.</extracomment>
        <translation>Informazioni su Tint Watch</translation>
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
        <translation>Questo programma è dedicato
alla mia adorata e talentuosa figlia
%1,
che di colori ne capisce molto più di me!</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmOptions</name>
    <message>
        <source>Clock Options</source>
        <translation>Opzioni orologio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Clock Type</source>
        <translation>Tipo di orologio</translation>
    </message>
    <message>
        <source>Hue</source>
        <comment>clock type</comment>
        <extracomment>The clock type that shows the hands as hues on a colour wheel.</extracomment>
        <translation>Tinta</translation>
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
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>A tick rate: %1 is the number of seconds between ticks (1, 2 or 5).</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Max        Min</source>
        <extracomment>The headings over the maximum and minimum boxes: the spaces put the second over the second box.</extracomment>
        <translation>Max        Min</translation>
    </message>
    <message>
        <source>Saturation Level</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Brilliance Level</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Make the Max &amp; Min the same if you do not want them to change over time</source>
        <translation>Imposta Max e Min sullo stesso valore se non vuoi che cambino nel corso del tempo</translation>
    </message>
    <message>
        <source>Smooth running (means the Hr &amp;&amp; Mins will not jump)</source>
        <extracomment>A check box: the hour and minute hands move a little at every tick. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;.</extracomment>
        <translation>Movimento continuo (ore e minuti non scattano)</translation>
    </message>
</context>
</TS>
