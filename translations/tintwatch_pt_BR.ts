<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Colour</name>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>verde-limão</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>jade</source>
        <translation>verde-jade</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>azure</source>
        <translation>azul-celeste</translation>
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
        <translation>%1-escuro</translation>
    </message>
    <message>
        <source>dull %1</source>
        <extracomment>A colour both pale and dark; %1 is the hue&apos;s name.</extracomment>
        <translation>%1 apagado</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>cinza</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>cinza-escuro</translation>
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
        <translation>Mostra a ajuda das opções de linha de comando.</translation>
    </message>
    <message>
        <source>Shows the clock on this X display (default: $DISPLAY).</source>
        <translation>Mostra o relógio no display X indicado (padrão: $DISPLAY).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --display and --platform, shown in --help as &lt;name&gt;.</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Uses this Qt platform plugin, as $QT_QPA_PLATFORM does.</source>
        <translation>Usa o plugin de plataforma do Qt indicado, como faz a variável $QT_QPA_PLATFORM.</translation>
    </message>
    <message>
        <source>A desktop clock that tells the time in colours.</source>
        <translation>Um relógio para a área de trabalho que mostra as horas em cores.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações da versão.</translation>
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
        <translation>Boas-vindas
Só vou dizer isto uma vez!
Clique com o botão direito em uma parte colorida do relógio para abrir o menu
Um abraço,  Alder</translation>
    </message>
    <message>
        <source>The Tint Watch with a Hue tester</source>
        <translation>Tint Watch com teste de matizes</translation>
    </message>
    <message>
        <source>Tintwatch could not save its settings to
%1

%2</source>
        <extracomment>Exit could not write the settings file. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>O Tintwatch não conseguiu salvar as configurações em
%1

%2</translation>
    </message>
</context>
<context>
    <name>HueTest</name>
    <message>
        <source>Press okay to continue and then the colour will change in 1-2 secs</source>
        <translation>Clique em OK para continuar; depois a cor vai mudar em 1 a 2 segundos</translation>
    </message>
    <message>
        <source>You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that changes things.</source>
        <translation>Você viu todas as mudanças.  Quer testar de novo?  Ou então altere o brilho ou a saturação e veja se o resultado muda.</translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1</source>
        <extracomment>The hue test&apos;s result: %n changes were missed; %1 lists their hues in degrees, joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>Você não percebeu %n mudança de cor na passagem para o matiz de %1 graus</numerusform>
            <numerusform>Você não percebeu %n mudanças de cor nas passagens para os matizes de %1 graus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These are the %n changes of colour you missed, when it changed to %1 but you hit the key at least twice on %2</source>
        <extracomment>The hue test&apos;s result when a key was also pressed twice or more after some changes: %n changes were missed; %1 lists their hues, %2 the hues that got a key twice, in degrees, each joined as the text &quot;%1, %2&quot; is.</extracomment>
        <translation>
            <numerusform>Você não percebeu %n mudança de cor na passagem para o matiz de %1 graus, mas apertou a tecla duas vezes ou mais com a cor em %2 graus</numerusform>
            <numerusform>Você não percebeu %n mudanças de cor nas passagens para os matizes de %1 graus, mas apertou a tecla duas vezes ou mais com a cor em %2 graus</numerusform>
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
        <translation>Opções</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <extracomment>Menu command: keep the clock above other windows.</extracomment>
        <translation>Sempre visível</translation>
    </message>
    <message>
        <source>White background</source>
        <extracomment>Menu command: off makes the clock&apos;s white see-through.</extracomment>
        <translation>Fundo branco</translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <extracomment>Menu command: the faces without their rim and colour bars.</extracomment>
        <translation>Modo avançado</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Tamanho da janela</translation>
    </message>
    <message>
        <source>+ Bigger </source>
        <extracomment>The clock twice as large; the &quot;+&quot; is its key. Keep the space at the end.</extracomment>
        <translation>+ Maior </translation>
    </message>
    <message>
        <source>- Smaller</source>
        <extracomment>The clock half as large; the &quot;-&quot; is its key.</extracomment>
        <translation>- Menor</translation>
    </message>
    <message>
        <source>Clock Options ...</source>
        <translation>Opções do relógio...</translation>
    </message>
    <message>
        <source>A Hue Check Test</source>
        <translation>Teste de matizes</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The submenu of About, the manual and the web site.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Opens the About box.</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Online Help</source>
        <extracomment>Opens the manual in the web browser (it is shipped with the program).</extracomment>
        <translation>Manual do usuário</translation>
    </message>
    <message>
        <source>My Web site!</source>
        <extracomment>Opens the author&apos;s web site.</extracomment>
        <translation>Meu site!</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Saves the settings and ends the program.</extracomment>
        <translation>Sair</translation>
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
        <translation>Este teste mostra se você consegue distinguir os matizes das cores.  O resultado depende de você e da qualidade da sua tela.  Comece pelo teste mais fácil, com apenas 12 mudanças de matiz, e avance até o de 60.</translation>
    </message>
    <message>
        <source>When you press OK, the display will initially show a Red circle, which will change every 1-2 seconds.</source>
        <translation>Quando você clicar em OK, o relógio vai mostrar primeiro um círculo vermelho, que muda a cada 1 a 2 segundos.</translation>
    </message>
    <message>
        <source>Each time you see a change press any key.</source>
        <translation>Cada vez que você vir uma mudança, aperte qualquer tecla.</translation>
    </message>
    <message>
        <source>At the end, the display will show you which colours (if any) you could not distinguish.</source>
        <translation>No fim, o relógio vai mostrar quais cores (se houver) você não conseguiu distinguir.</translation>
    </message>
    <message>
        <source>One may begin to see colour halos on the 60 test, if so then set the pause number and the test will pause after that number of changes.  The clock may hide the pause display, in which case hit return after the beep!</source>
        <translation>No teste de 60, você pode começar a ver halos coloridos.  Nesse caso, informe a cada quantas mudanças o teste deve pausar.  O relógio pode esconder a janela de pausa; se isso acontecer, tecle Enter depois do bipe!</translation>
    </message>
    <message>
        <source>You can copy/paste the above to compare with another test to see how accurate things are.  If you feel like emailing me your result, I&apos;ll put up a graph on my web site so we can all see the problems we have with colour and our screens.  My email address is</source>
        <extracomment>Followed by the author&apos;s e-mail address in a box beside it.</extracomment>
        <translation>Você pode copiar e colar o resultado acima para comparar com outro teste e avaliar a precisão.  Se quiser me mandar seu resultado por email, vou publicar um gráfico no meu site para que todos vejamos os problemas que temos com as cores e as telas.  Meu email:</translation>
    </message>
    <message>
        <source>Hue Check Test</source>
        <translation>Teste de matizes</translation>
    </message>
    <message>
        <source>OK - start test</source>
        <translation>OK - iniciar teste</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Number of changes</source>
        <extracomment>The frame around the choice of 12, 30 or 60 hue changes in one test.</extracomment>
        <translation>Número de mudanças</translation>
    </message>
    <message>
        <source>12 (ie the &apos;Hour&apos; hand)</source>
        <extracomment>12 changes of hue, as many as the hour hand&apos;s colours round the clock.</extracomment>
        <translation>12 (como o ponteiro das horas)</translation>
    </message>
    <message>
        <source>60 (ie the &apos;Minute&apos; hand)</source>
        <extracomment>60 changes of hue, as many as the minute hand&apos;s colours round the clock.</extracomment>
        <translation>60 (como o ponteiro dos minutos)</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmAbout</name>
    <message>
        <source>Colours for telling the time</source>
        <translation>Cores para ver as horas</translation>
    </message>
    <message>
        <source>Hue clock</source>
        <translation>Relógio de matizes</translation>
    </message>
    <message>
        <source>The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes.</source>
        <translation>A borda do mostrador é dividida em horas coloridas, que por sua vez se dividem em minutos coloridos.</translation>
    </message>
    <message>
        <source>RGB clock</source>
        <translation>Relógio RGB</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from left to right.</source>
        <translation>A hora colorida aparece em 3 barras, com círculos que mostram o valor dos canais RGB.  A leitura é da esquerda para a direita.</translation>
    </message>
    <message>
        <source>Lab clock</source>
        <translation>Relógio Lab</translation>
    </message>
    <message>
        <source>The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value of the &apos;a&apos; and &apos;b&apos; channels.  You read it from left to right.</source>
        <translation>A hora colorida aparece em 3 barras, com barras +/- (na cor do canal Lab) que mostram o valor dos canais “a” e “b”.  A leitura é da esquerda para a direita.</translation>
    </message>
    <message>
        <source>Use the left mouse button (on a bit of colour)  to drag the clock around</source>
        <translation>Arraste o relógio com o botão esquerdo do mouse (em uma parte colorida)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>The coloured circles give the Hour, Minute and Second</source>
        <translation>Os círculos coloridos indicam a hora, o minuto e o segundo.</translation>
    </message>
    <message>
        <source>About Tint Watch</source>
        <extracomment>The About box&apos;s title; &quot;Tint Watch&quot; is the program&apos;s name.</extracomment>
        <translation>Sobre o Tint Watch</translation>
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
        <translation>Este programa é dedicado à
minha querida e talentosa filha
%1,
que entende de cores muito melhor do que eu!</translation>
    </message>
</context>
<context>
    <name>tintwatch::frmOptions</name>
    <message>
        <source>Clock Options</source>
        <translation>Opções do relógio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Clock Type</source>
        <translation>Tipo de relógio</translation>
    </message>
    <message>
        <source>Hue</source>
        <comment>clock type</comment>
        <extracomment>The clock type that shows the hands as hues on a colour wheel.</extracomment>
        <translation>Matiz</translation>
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
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Brilliance Level</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Make the Max &amp; Min the same if you do not want them to change over time</source>
        <translation>Deixe Máx. e Mín. iguais se não quiser que mudem com o tempo</translation>
    </message>
    <message>
        <source>Smooth running (means the Hr &amp;&amp; Mins will not jump)</source>
        <extracomment>A check box: the hour and minute hands move a little at every tick. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;.</extracomment>
        <translation>Movimento suave (horas e minutos não pulam)</translation>
    </message>
</context>
</TS>
