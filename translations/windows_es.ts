<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Puntero, X</translation>
    </message>
    <message>
        <source>Pointer Y</source>
        <translation>Puntero, Y</translation>
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
        <translation>Cierra la ventana Acerca de</translation>
    </message>
    <message>
        <source>A simple program to check your results</source>
        <translation>Comprueba tus resultados fácilmente</translation>
    </message>
    <message>
        <source>Free for good under the GNU GPL, Version %1.%2 Build %3
Some bugs still to be ironed out!</source>
        <translation>Libre bajo la GNU GPL, versión %1.%2 compilación %3
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
        <translation>Añadir la impresión</translation>
    </message>
    <message>
        <source>Include a screen capture facility</source>
        <translation>Añadir la captura de pantalla</translation>
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
</TS>
