<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ExactValues</name>
    <message>
        <source>Its end points hold a number too large to work with exactly (more than %1 digits before or after the point).</source>
        <translation>Sus extremos contienen un número demasiado grande para calcular con exactitud (más de %1 cifras antes o después del punto decimal).</translation>
    </message>
    <message>
        <source>none: the line never meets %1</source>
        <translation>no hay (la recta nunca corta %1)</translation>
    </message>
    <message>
        <source>all: the line is %1</source>
        <translation>todos los puntos (la recta es %1)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Recta %1</translation>
    </message>
    <message>
        <source>Through %1 and %2</source>
        <translation>Pasa por %1 y %2</translation>
    </message>
    <message>
        <source>Both end points are the same point, so they make no line.</source>
        <translation>Los dos extremos son el mismo punto, así que no determinan ninguna recta.</translation>
    </message>
    <message>
        <source>Equation: %1</source>
        <translation>Ecuación: %1</translation>
    </message>
    <message>
        <source>Slope: %1</source>
        <translation>Pendiente: %1</translation>
    </message>
    <message>
        <source>none: a vertical line has no slope</source>
        <translation>no definida (una recta vertical no tiene pendiente)</translation>
    </message>
    <message>
        <source>y-intercept: %1</source>
        <translation>Ordenada en el origen: %1</translation>
    </message>
    <message>
        <source>the y-axis</source>
        <translation>el eje y</translation>
    </message>
    <message>
        <source>x-intercept: %1</source>
        <translation>Corte con el eje x: %1</translation>
    </message>
    <message>
        <source>the x-axis</source>
        <translation>el eje x</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Punto de corte</translation>
    </message>
    <message>
        <source>The lines are parallel: they never meet.</source>
        <translation>Las rectas son paralelas: nunca se cortan.</translation>
    </message>
    <message>
        <source>The lines are the same line: they meet everywhere.</source>
        <translation>Las rectas son la misma recta: coinciden en todos sus puntos.</translation>
    </message>
    <message>
        <source>None: it takes two lines to cross.</source>
        <translation>Ninguno: hacen falta dos rectas para que haya un punto de corte.</translation>
    </message>
    <message>
        <source>The window stops with a warning here: %1</source>
        <translation>Aquí la ventana principal se detiene con un aviso: %1</translation>
    </message>
    <message>
        <source>The window&apos;s decimal answers</source>
        <translation>Los resultados decimales de la ventana principal</translation>
    </message>
    <message>
        <source>For these end points every answer the window gives is exact.</source>
        <translation>Para estos extremos, todos los resultados de la ventana principal son exactos.</translation>
    </message>
    <message>
        <source>Line %1&apos;s slope</source>
        <translation>Pendiente de la recta %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept</source>
        <translation>Ordenada en el origen de la recta %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s x-axis crossing</source>
        <translation>Corte con el eje x de la recta %1</translation>
    </message>
    <message>
        <source>%1: the window shows %2, rounded; exactly, it is %3.</source>
        <translation>%1: la ventana principal muestra el valor redondeado %2; el valor exacto es %3.</translation>
    </message>
    <message>
        <source>The crossing: the window shows %1, rounded; exactly, it is %2.</source>
        <translation>Punto de corte: la ventana principal muestra el punto redondeado %1; el punto exacto es %2.</translation>
    </message>
    <message>
        <source>These end points were rounded to 15 significant digits from the typed equation %1: it has no two points with short exact decimals in the range. The line through them is very close to the typed line, not the same.</source>
        <translation>Estos extremos se redondearon a 15 cifras significativas a partir de la ecuación escrita %1: en el intervalo no tiene dos puntos cuyas coordenadas se escriban exactamente con pocos decimales. La recta que pasa por estos extremos está muy cerca de la recta escrita, pero no es la misma.</translation>
    </message>
    <message>
        <source>Too large to work with exactly</source>
        <translation>Demasiado grande para calcular con exactitud</translation>
    </message>
    <message>
        <source>Exactly %1</source>
        <translation>Exactamente %1</translation>
    </message>
    <message>
        <source>Exactly none: the line never meets %1</source>
        <translation>Exactamente: no hay, la recta nunca corta %1</translation>
    </message>
    <message>
        <source>Exactly all: the line is %1</source>
        <translation>Exactamente: todos los puntos, la recta es %1</translation>
    </message>
    <message>
        <source>Exactly no slope: the line is vertical</source>
        <translation>Exactamente: no definida, la recta es vertical</translation>
    </message>
    <message>
        <source>where %1</source>
        <translation>donde %1</translation>
    </message>
    <message>
        <source>where %1 and %2</source>
        <translation>donde %1 y %2</translation>
    </message>
    <message>
        <source>The lines are perpendicular</source>
        <translation>Las rectas son perpendiculares</translation>
    </message>
    <message>
        <source>Exactly parallel: the lines never meet</source>
        <translation>Exactamente paralelas: las rectas nunca se cortan</translation>
    </message>
    <message>
        <source>Exactly the same line</source>
        <translation>Exactamente la misma recta</translation>
    </message>
</context>
<context>
    <name>ExactWindow</name>
    <message>
        <source>Exact values</source>
        <translation>Valores exactos</translation>
    </message>
    <message>
        <source>Both lines and their crossing as fractions, where the main window&apos;s decimal answers are rounded, and the working, step by step</source>
        <translation>Las dos rectas y su punto de corte en fracciones, los resultados decimales redondeados de la ventana principal y el desarrollo paso a paso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the Exact values window</source>
        <translation>Cierra la ventana «Valores exactos»</translation>
    </message>
    <message>
        <source>Copy the working</source>
        <translation>Copiar el desarrollo</translation>
    </message>
    <message>
        <source>Copies the working as plain text, for any editor</source>
        <translation>Copia el desarrollo como texto sin formato, para cualquier editor</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>X-int</source>
        <extracomment>Short name of the point where a line crosses the x-axis, before &quot; = ( x , 0 )&quot;</extracomment>
        <translation>OX</translation>
    </message>
    <message>
        <source>Y-int</source>
        <extracomment>Short name of the point where a line crosses the y-axis, before &quot; = ( 0 , y )&quot;</extracomment>
        <translation>OY</translation>
    </message>
    <message>
        <source>Quarnby&apos;s Trellan</source>
        <translation>Trellan de Quarnby</translation>
    </message>
    <message>
        <source>Intersection :</source>
        <translation>Punto de corte:</translation>
    </message>
    <message>
        <source>Place results into the textbox below</source>
        <translation>Escribir los resultados en el cuadro de texto de abajo</translation>
    </message>
    <message>
        <source> Mouse Coordinates:</source>
        <translation> Coordenadas del ratón:</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Acerca de ...</translation>
    </message>
    <message>
        <source>Exact values ...</source>
        <translation>Valores exactos ...</translation>
    </message>
    <message>
        <source>Exact values</source>
        <translation>Valores exactos</translation>
    </message>
    <message>
        <source>Opens a window with both lines and their crossing as exact fractions</source>
        <translation>Abre una ventana con las dos rectas y su punto de corte en fracciones exactas</translation>
    </message>
    <message>
        <source>Practice ...</source>
        <translation>Práctica ...</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Opens exercises to answer, each answer checked (F2)</source>
        <translation>Abre ejercicios para resolver; se corrige cada respuesta (F2)</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Highest value of the range</source>
        <translation>Valor más alto del intervalo</translation>
    </message>
    <message>
        <source>Lowest value of the range</source>
        <translation>Valor más bajo del intervalo</translation>
    </message>
    <message>
        <source>Pointer X</source>
        <translation>Coordenada x del ratón</translation>
    </message>
    <message>
        <source>Pointer Y</source>
        <translation>Coordenada y del ratón</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Slope of line %1</source>
        <translation>Pendiente de la recta %1</translation>
    </message>
    <message>
        <source>Y-intercept of line %1</source>
        <translation>Ordenada en el origen de la recta %1</translation>
    </message>
    <message>
        <source>Equation of line %1</source>
        <translation>Ecuación de la recta %1</translation>
    </message>
    <message>
        <source>X-axis crossing of line %1</source>
        <translation>Corte de la recta %1 con el eje x</translation>
    </message>
    <message>
        <source>Y-axis crossing of line %1</source>
        <translation>Corte de la recta %1 con el eje y</translation>
    </message>
    <message>
        <source>Draw Line 1</source>
        <translation>Dibujar
recta 1</translation>
    </message>
    <message>
        <source>Draw
Both
Lines</source>
        <extracomment>The narrow picture button&apos;s words, one line each: keep the lines short</extracomment>
        <translation>Dibujar
ambas
rectas</translation>
    </message>
    <message>
        <source>Line %1, %2</source>
        <translation>Recta %1, %2</translation>
    </message>
    <message>
        <source>Draw Line 2</source>
        <translation>Dibujar
recta 2</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The picture button&apos;s words, drawn spaced out; a line break starts a new line</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Equation One:</source>
        <translation>Ecuación 1:</translation>
    </message>
    <message>
        <source>Equation Two:</source>
        <translation>Ecuación 2:</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Save picture as</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save picture as…</source>
        <translation>&amp;Guardar imagen como…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print pre&amp;view…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>Show &amp;end-point coordinates</source>
        <translation>&amp;Mostrar las coordenadas de los extremos</translation>
    </message>
    <message>
        <source>The picture could not be saved to “%1”: %2</source>
        <translation>No se pudo guardar la imagen en «%1»: %2</translation>
    </message>
    <message>
        <source>%1:%2    crosses the x-axis at %3, the y-axis at %4</source>
        <translation>%1:%2    corta el eje x en %3 y el eje y en %4</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Recta 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Recta 2</translation>
    </message>
    <message>
        <source>Crossing point: %1</source>
        <translation>Punto de corte: %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF page (*.pdf)</source>
        <translation>Página PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Slope of line one</source>
        <translation>Pendiente de la primera recta</translation>
    </message>
    <message>
        <source>y-intercept of line one</source>
        <translation>Ordenada en el origen de la primera recta</translation>
    </message>
    <message>
        <source>Equation of line one</source>
        <translation>Ecuación de la primera recta</translation>
    </message>
    <message>
        <source>Slope of line two</source>
        <translation>Pendiente de la segunda recta</translation>
    </message>
    <message>
        <source>y-intercept of line two</source>
        <translation>Ordenada en el origen de la segunda recta</translation>
    </message>
    <message>
        <source>Equation of line two</source>
        <translation>Ecuación de la segunda recta</translation>
    </message>
    <message>
        <source>Where the lines cross</source>
        <translation>Dónde se cortan las rectas</translation>
    </message>
    <message>
        <source>1: whole-number slopes</source>
        <translation>1: pendientes enteras</translation>
    </message>
    <message>
        <source>2: fractional slopes</source>
        <translation>2: pendientes fraccionarias</translation>
    </message>
    <message>
        <source>3: parallel, perpendicular, vertical and more</source>
        <translation>3: paralelas, perpendiculares, verticales y más</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Graph of the two lines</source>
        <translation>Gráfica de las dos rectas</translation>
    </message>
    <message>
        <source>Slope m</source>
        <translation>Pendiente m</translation>
    </message>
    <message>
        <source>y-intercept b</source>
        <translation>Ordenada en el origen b</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Ecuación</translation>
    </message>
    <message>
        <source>Line one</source>
        <translation>Primera recta</translation>
    </message>
    <message>
        <source>Line two</source>
        <translation>Segunda recta</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Punto de corte</translation>
    </message>
    <message>
        <source>parallel</source>
        <comment>the crossing&apos;s answer for parallel lines</comment>
        <translation>paralelas</translation>
    </message>
    <message>
        <source>the same line</source>
        <comment>the crossing&apos;s answer for two lines that are one</comment>
        <translation>la misma recta</translation>
    </message>
    <message>
        <source>a point (x, y), parallel or the same line</source>
        <translation>un punto (x, y), paralelas o la misma recta</translation>
    </message>
    <message>
        <source>A vertical line: its slope is undefined, its y-intercept none (all for x = 0).</source>
        <translation>Recta vertical: pendiente «no definida», ordenada en el origen «ninguna» («todos» si x = 0).</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Mark each answer right or wrong (Enter)</source>
        <translation>Marcar cada respuesta como correcta o incorrecta (Intro)</translation>
    </message>
    <message>
        <source>Show &amp;working</source>
        <translation>&amp;Ver el desarrollo</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>A new exercise</source>
        <translation>Un ejercicio nuevo</translation>
    </message>
    <message>
        <source>Show in &amp;main window</source>
        <translation>Mostrar en la ventana &amp;principal</translation>
    </message>
    <message>
        <source>Type the exercise&apos;s end points into the main window and draw both lines</source>
        <translation>Escribir los extremos del ejercicio en la ventana principal y dibujar las dos rectas</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <source>Each answer counts once, at its first check; once Show working has shown the answers, they count no more</source>
        <translation>Cada respuesta cuenta una vez, en su primera comprobación; cuando «Ver el desarrollo» ha mostrado las respuestas, ya no cuentan</translation>
    </message>
    <message>
        <source>Hints and working</source>
        <translation>Pistas y desarrollo</translation>
    </message>
    <message>
        <source>Exercise %1 at level %2, seed %3</source>
        <translation>Ejercicio %1 del nivel %2, semilla %3</translation>
    </message>
    <message>
        <source>trellan --practice --level %1 --seed %2 starts this sitting again</source>
        <translation>trellan --practice --level %1 --seed %2 vuelve a empezar esta sesión</translation>
    </message>
    <message>
        <source>%1: not read. %2.</source>
        <translation>%1: respuesta no leída. %2.</translation>
    </message>
    <message>
        <source>Type an answer into a field, then Check.</source>
        <translation>Escribe una respuesta en un campo y luego pulsa «Comprobar».</translation>
    </message>
    <message>
        <source>Every answer is right. Next makes a new exercise.</source>
        <translation>Todas las respuestas son correctas. «Siguiente» te da un ejercicio nuevo.</translation>
    </message>
    <message>
        <source>%1 right so far in this exercise.</source>
        <translation>Respuestas correctas hasta ahora en este ejercicio: %1.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong in this exercise. A step of the working for each wrong answer; another try earns the next step.</source>
        <translation>En este ejercicio, correctas: %1, incorrectas: %2. Un paso del desarrollo por cada respuesta incorrecta; cada nuevo intento te da el paso siguiente.</translation>
    </message>
    <message>
        <source>Level %1: a fresh start. The exercises and the score begin again.</source>
        <translation>Nivel %1: un nuevo comienzo. Los ejercicios y la puntuación empiezan de cero.</translation>
    </message>
    <message>
        <source>No answers checked yet</source>
        <translation>Aún no hay respuestas comprobadas</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>Respuestas correctas: %1 de %2</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>no leído</translation>
    </message>
    <message>
        <source>Wrong: look at the step “%1” of the working</source>
        <translation>Incorrecto: mira el paso «%1» del desarrollo</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>No leído: %1</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Save report as</source>
        <translation>Guardar informe como</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the report before quitting?</source>
        <translation>¿Guardar el informe antes de salir?</translation>
    </message>
    <message>
        <source>Save report as…</source>
        <translation>Guardar informe como…</translation>
    </message>
    <message>
        <source>The report could not be saved to “%1”: %2</source>
        <translation>No se pudo guardar el informe en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About Trellan</source>
        <translation>Acerca de Trellan</translation>
    </message>
    <message>
        <source>Title, version, credits and planned features of Trellan</source>
        <translation>Título, versión, créditos y funciones previstas de Trellan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the About window</source>
        <translation>Cierra la ventana «Acerca de»</translation>
    </message>
    <message>
        <source>A simple program to check your results</source>
        <translation>Comprueba tus resultados fácilmente</translation>
    </message>
    <message>
        <source>Free for good under the GNU GPL, Version %1.%2 Build %3
Some bugs still to be ironed out!</source>
        <translation>Libre bajo la GNU GPL, versión %1.%2, compilación %3
¡Aún quedan algunos errores por corregir!</translation>
    </message>
    <message>
        <source>By %1
Made during August 2008
Email: %2</source>
        <translation>Por %1
Hecho en agosto de 2008
Correo: %2</translation>
    </message>
    <message>
        <source> To Do</source>
        <translation> Por hacer</translation>
    </message>
    <message>
        <source>Fix decimal round off errors</source>
        <translation>Corregir los errores de redondeo decimal</translation>
    </message>
    <message>
        <source>Include decimal to fraction conversion</source>
        <translation>Convertir decimales en fracciones</translation>
    </message>
    <message>
        <source>Add dragable lines</source>
        <translation>Poder arrastrar las rectas</translation>
    </message>
    <message>
        <source>Include coordinates on the endpoints</source>
        <translation>Mostrar las coordenadas de los extremos</translation>
    </message>
    <message>
        <source>Include a dynamic intersection routine</source>
        <translation>Seguir el punto de corte al arrastrar</translation>
    </message>
    <message>
        <source>Include a print facilty</source>
        <translation>Poder imprimir</translation>
    </message>
    <message>
        <source>Include a screen capture facility</source>
        <translation>Poder capturar la pantalla</translation>
    </message>
    <message>
        <source>Program title</source>
        <translation>Título del programa</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Qué hace el programa</translation>
    </message>
    <message>
        <source>Licence and version</source>
        <translation>Licencia y versión</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Planned features</source>
        <translation>Funciones previstas</translation>
    </message>
</context>
<context>
    <name>result box</name>
    <message>
        <source>undefined</source>
        <translation>no definida</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todos</translation>
    </message>
</context>
<context>
    <name>working_section</name>
    <message>
        <source>The working</source>
        <translation>El desarrollo</translation>
    </message>
</context>
</TS>
