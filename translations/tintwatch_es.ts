<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Colour</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>verde lima</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>jade</source>
        <translation>verde jade</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>azure</source>
        <translation>celeste</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
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
        <translation>%1 pálido</translation>
    </message>
    <message>
        <source>dark %1</source>
        <extracomment>A colour below 60 % brilliance; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 oscuro</translation>
    </message>
    <message>
        <source>dull %1</source>
        <extracomment>A colour both pale and dark; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 apagado</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>hour %1, minute %2, second %3</source>
        <extracomment>The tip&apos;s second line: the colours of the hour, minute and second hands.</extracomment>
        <translation>hora: %1, minuto: %2, segundo: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Shows the clock on this X display (default: $DISPLAY).</source>
        <translation>Muestra el reloj en la pantalla X indicada (predeterminada: $DISPLAY).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --display and --platform, shown in --help as &lt;name&gt;.</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Uses this Qt platform plugin, as $QT_QPA_PLATFORM does.</source>
        <translation>Usa el complemento de plataforma de Qt indicado, como hace $QT_QPA_PLATFORM.</translation>
    </message>
    <message>
        <source>A desktop clock that tells the time in colours.</source>
        <translation>Un reloj de escritorio que da la hora en colores.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
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
        <translation>Le doy la bienvenida
¡Solo lo diré una vez!
Haga clic derecho en una parte de color del reloj para abrir el menú
Un saludo,  Alder</translation>
    </message>
    <message>
        <source>The Tint Watch with a Hue tester</source>
        <translation>Tint Watch con prueba de tonos</translation>
    </message>
    <message>
        <source>Tintwatch could not save its settings to
%1

%2</source>
        <extracomment>Exit could not write the settings file. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Tintwatch no ha podido guardar su configuración en
%1

%2</translation>
    </message>
</context>
<context>
    <name>HueTest</name>
    <message>
        <source>Press okay to continue and then the colour will change in 1-2 secs</source>
        <translation>Pulse Aceptar para continuar; el color cambiará de 1 a 2 segundos después</translation>
    </message>
    <message>
        <source>You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that changes things.</source>
        <translation>Ha visto todos los cambios. ¿Quiere repetir la prueba? También puede cambiar el brillo o la saturación y ver si cambia algo.</translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1</source>
        <extracomment>The hue test&apos;s result: %n changes were missed; %1 lists their hues in degrees, joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>No ha visto %n cambio de color (al pasar a %1 grados).</numerusform>
            <numerusform>No ha visto %n cambios de color (al pasar a %1 grados).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1 but you hit the key at least twice on %2</source>
        <extracomment>The hue test&apos;s result when a key was also pressed twice or more after some changes: %n changes were missed; %1 lists their hues, %2 the hues that got a key twice, in degrees, each joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>No ha visto %n cambio de color (al pasar a %1 grados), pero ha pulsado la tecla dos o más veces tras pasar a %2 grados.</numerusform>
            <numerusform>No ha visto %n cambios de color (al pasar a %1 grados), pero ha pulsado la tecla dos o más veces tras pasar a %2 grados.</numerusform>
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
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <extracomment>Menu command: keep the clock above other windows.</extracomment>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>White background</source>
        <extracomment>Menu command: off makes the clock&apos;s white see-through.</extracomment>
        <translation>Fondo blanco</translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <extracomment>Menu command: the faces without their rim and colour bars.</extracomment>
        <translation>Modo experto</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Tamaño de la ventana</translation>
    </message>
    <message>
        <source>+ Bigger </source>
        <extracomment>The clock twice as large; the &quot;+&quot; is its key. Keep the space at the end.</extracomment>
        <translation>+ Más grande </translation>
    </message>
    <message>
        <source>- Smaller</source>
        <extracomment>The clock half as large; the &quot;-&quot; is its key.</extracomment>
        <translation>- Más pequeño</translation>
    </message>
    <message>
        <source>Clock Options ...</source>
        <translation>Opciones del reloj...</translation>
    </message>
    <message>
        <source>A Hue Check Test</source>
        <translation>Prueba de tonos</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The submenu of About, the manual and the web site.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Opens the About box.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Online Help</source>
        <extracomment>Opens the manual in the web browser (it is shipped with the program).</extracomment>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>My Web site!</source>
        <extracomment>Opens the author&apos;s web site.</extracomment>
        <translation>¡Mi sitio web!</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Saves the settings and ends the program.</extracomment>
        <translation>Salir</translation>
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
        <translation>Esta prueba le mostrará si distingue los tonos de color.  El resultado depende de usted y de la calidad de su pantalla.  Empiece por la fácil, de solo 12 cambios de tono, y vaya subiendo hasta 60.</translation>
    </message>
    <message>
        <source>When you press OK, the display will initially show a Red circle, which will change every 1-2 seconds.</source>
        <translation>Al pulsar Aceptar, el reloj mostrará primero un círculo rojo, que cambiará cada 1 o 2 segundos.</translation>
    </message>
    <message>
        <source>Each time you see a change press any key.</source>
        <translation>Cada vez que vea un cambio, pulse cualquier tecla.</translation>
    </message>
    <message>
        <source>At the end, the display will show you which colours (if any) you could not distinguish.</source>
        <translation>Al final, el reloj le mostrará qué colores (si los hay) no ha podido distinguir.</translation>
    </message>
    <message>
        <source>One may begin to see colour halos on the 60 test, if so then set the pause number and the test will pause after that number of changes.  The clock may hide the pause display, in which case hit return after the beep!</source>
        <translation>En la prueba de 60 pueden empezar a verse halos de color; en ese caso, indique un número de pausa y la prueba se detendrá tras ese número de cambios.  El reloj puede tapar el mensaje de pausa: si es así, pulse Intro después del pitido.</translation>
    </message>
    <message>
        <source>You can copy/paste the above to compare with another test to see how accurate things are.  If you feel like emailing me your result, I&apos;ll put up a graph on my web site so we can all see the problems we have with colour and our screens.  My email address is</source>
        <extracomment>Followed by the author&apos;s e-mail address in a box beside it.</extracomment>
        <translation>Puede copiar y pegar el resultado de arriba para compararlo con otra prueba y ver hasta qué punto coinciden.  Si quiere enviarme su resultado por correo, publicaré un gráfico en mi sitio web para que todos veamos los problemas que tenemos con el color y nuestras pantallas.  Mi dirección de correo es</translation>
    </message>
    <message>
        <source>Hue Check Test</source>
        <translation>Prueba de tonos</translation>
    </message>
    <message>
        <source>OK - start test</source>
        <translation>Aceptar y empezar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Number of changes</source>
        <extracomment>The frame around the choice of 12, 30 or 60 hue changes in one test.</extracomment>
        <translation>Número de cambios</translation>
    </message>
    <message>
        <source>12 (ie the &apos;Hour&apos; hand)</source>
        <extracomment>12 changes of hue, as many as the hour hand&apos;s colours round the clock.</extracomment>
        <translation>12 (como la aguja de las horas)</translation>
    </message>
    <message>
        <source>60 (ie the &apos;Minute&apos; hand)</source>
        <extracomment>60 changes of hue, as many as the minute hand&apos;s colours round the clock.</extracomment>
        <translation>60 (como la aguja de los minutos)</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmAbout</name>
    <message>
        <source>Colours for telling the time</source>
        <translation>Colores para dar la hora</translation>
    </message>
    <message>
        <source>Hue clock</source>
        <translation>Reloj de tonos</translation>
    </message>
    <message>
        <source>The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes.</source>
        <translation>El borde de la esfera se divide en horas de color y estas, a su vez, en minutos de color.</translation>
    </message>
    <message>
        <source>RGB clock</source>
        <translation>Reloj RGB</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from left to right.</source>
        <translation>La hora en color se muestra en tres barras, con círculos que indican el valor de los canales RGB.  Se lee de izquierda a derecha.</translation>
    </message>
    <message>
        <source>Lab clock</source>
        <translation>Reloj Lab</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value of the &apos;a&apos; and &apos;b&apos; channels.  You read it from left to right.</source>
        <translation>La hora en color se muestra en tres barras, con barras +/- (cada una del color de su canal) que indican el valor de los canales «a» y «b».  Se lee de izquierda a derecha.</translation>
    </message>
    <message>
        <source>Use the left mouse button (on a bit of colour)  to drag the clock around</source>
        <translation>Arrastre el reloj con el botón izquierdo del ratón (sobre una parte de color)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>The coloured circles give the Hour, Minute and Second</source>
        <translation>Los círculos de color indican la hora, los minutos y los segundos.</translation>
    </message>
    <message>
        <source>About Tint Watch</source>
        <extracomment>The About box&apos;s title; &quot;Tint Watch&quot; is the program&apos;s name.</extracomment>
        <translation>Acerca de Tint Watch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This program is dedicated to
my lovely talented daughter
%1
who understands colour much better than I do!</source>
        <extracomment>The dedication, one sentence in four centred lines, one line here for each; %1 is her name, &quot;Cyan&quot;, and stays on the third line, alone or with the punctuation after it.</extracomment>
        <translation>¡Este programa está dedicado a
mi querida y talentosa hija
%1,
que entiende el color mucho mejor que yo!</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmOptions</name>
    <message>
        <source>Clock Options</source>
        <translation>Opciones del reloj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Clock Type</source>
        <translation>Tipo de reloj</translation>
    </message>
    <message>
        <source>Hue</source>
        <comment>clock type</comment>
        <extracomment>The clock type that shows the hands as hues on a colour wheel.</extracomment>
        <translation>Tono</translation>
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
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>A tick rate: %1 is the number of seconds between ticks (1, 2 or 5).</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Max        Min</source>
        <extracomment>The headings over the maximum and minimum boxes: the spaces put the second over the second box.</extracomment>
        <translation>Máx.      Mín.</translation>
    </message>
    <message>
        <source>Saturation Level</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Brilliance Level</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Make the Max &amp; Min the same if you do not want them to change over time</source>
        <translation>Ponga el mismo valor en Máx. y Mín. si no quiere que cambien con el tiempo</translation>
    </message>
    <message>
        <source>Smooth running (means the Hr &amp;&amp; Mins will not jump)</source>
        <extracomment>A check box: the hour and minute hands move a little at every tick. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;.</extracomment>
        <translation>Marcha suave (las agujas de las horas y los minutos no saltan)</translation>
    </message>
</context>
</TS>
