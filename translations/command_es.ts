<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>answer key</name>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4</source>
        <translation>recta %1 %2: &apos;%3&apos; leído como %4</translation>
    </message>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4 (decimal comma)</source>
        <translation>recta %1 %2: &apos;%3&apos; leído como %4 (coma decimal)</translation>
    </message>
    <message>
        <source>line %1 %2 empty, read as 0</source>
        <translation>recta %1 %2: vacío, leído como 0</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Pendiente %1</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>Ordenada en el origen %1</translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation>Ecuación %1</translation>
    </message>
    <message>
        <source>x-axis crossing %1</source>
        <translation>Corte con el eje x %1</translation>
    </message>
    <message>
        <source>y-axis crossing %1</source>
        <translation>Corte con el eje y %1</translation>
    </message>
    <message>
        <source>Exact kind %1</source>
        <translation>Tipo exacto %1</translation>
    </message>
    <message>
        <source>Exact slope %1</source>
        <translation>Pendiente exacta %1</translation>
    </message>
    <message>
        <source>Exact y-intercept %1</source>
        <translation>Ordenada en el origen exacta %1</translation>
    </message>
    <message>
        <source>Exact x-intercept %1</source>
        <translation>Corte exacto con el eje x %1</translation>
    </message>
    <message>
        <source>Exact equation %1</source>
        <translation>Ecuación exacta %1</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Recta %1: %2</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Punto de corte</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Exact crossing kind</source>
        <translation>Tipo exacto del corte</translation>
    </message>
    <message>
        <source>Exact crossing x</source>
        <translation>x del punto de corte exacto</translation>
    </message>
    <message>
        <source>Exact crossing y</source>
        <translation>y del punto de corte exacto</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Línea de comandos</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>a sheet holds at most %1 rows below its header; this row was left out</source>
        <translation>una hoja admite como máximo %1 filas bajo su encabezado; esta fila se ha omitido</translation>
    </message>
    <message>
        <source>a cell holds more than the %1 characters a spreadsheet cell holds; it was cut to fit</source>
        <translation>una celda contiene más de los %1 caracteres que admite una celda de hoja de cálculo; se ha recortado</translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation>no se puede crear el libro</translation>
    </message>
</context>
<context>
    <name>command help</name>
    <message>
        <source>Usage: %1 [options]
       %1 --answers [file] [--format csv|jsonl|xlsx] [-o &lt;file&gt;] [--arithmetic exact|designed] [--range &lt;lower&gt; &lt;upper&gt;]
                 [--separator &apos;,&apos;|&apos;;&apos;|tab] [--headers fields|words] [--working]
       %1 --export &lt;file&gt; [--line1 x1 y1 x2 y2|equation] [--line2 ...] [--range &lt;lower&gt; &lt;upper&gt;] [--scale n] [--working]
       %1 --worksheet &lt;file.pdf&gt; [--exercises n] [--level 1|2|3] [--seed s] [--key &lt;key.pdf&gt;] [--exercises-csv &lt;file.csv&gt;]
       %1 --practice [--level 1|2|3] [--seed s]</source>
        <translation>Uso: %1 [opciones]
     %1 --answers [file] [--format csv|jsonl|xlsx] [-o &lt;file&gt;] [--arithmetic exact|designed] [--range &lt;lower&gt; &lt;upper&gt;]
               [--separator &apos;,&apos;|&apos;;&apos;|tab] [--headers fields|words] [--working]
     %1 --export &lt;file&gt; [--line1 x1 y1 x2 y2|equation] [--line2 ...] [--range &lt;lower&gt; &lt;upper&gt;] [--scale n] [--working]
     %1 --worksheet &lt;file.pdf&gt; [--exercises n] [--level 1|2|3] [--seed s] [--key &lt;key.pdf&gt;] [--exercises-csv &lt;file.csv&gt;]
     %1 --practice [--level 1|2|3] [--seed s]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>También se aceptan las opciones propias de Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>Plot two straight lines and find where they cross.</source>
        <translation>Dibujar dos rectas y hallar su punto de corte.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the product name and version and exit.</source>
        <translation>Mostrar el nombre y la versión del programa y salir.</translation>
    </message>
    <message>
        <source>Write an answer key: read pairs of lines as CSV from the file, or from standard input, and write for each what the window shows after Draw Both Lines and the exact values.</source>
        <translation>Escribir un solucionario: leer pares de rectas en CSV del archivo o de la entrada estándar y escribir para cada par lo que muestra la ventana al dibujar ambas rectas, junto con los valores exactos.</translation>
    </message>
    <message>
        <source>The answer key&apos;s form: csv, jsonl, or xlsx, a workbook for a spreadsheet. Unless given, the extension of -o chooses it, and otherwise csv.</source>
        <translation>El formato del solucionario: csv, jsonl o xlsx, un libro para una hoja de cálculo. Si no se indica, lo elige la extensión de -o y, si no, csv.</translation>
    </message>
    <message>
        <source>How the answer key works out the window&apos;s texts: exact (the default), each answer worked out exactly and rounded once, or designed, the original program&apos;s double arithmetic, round-off and all.</source>
        <translation>Cómo calcula el solucionario los textos de la ventana: exact (por defecto), cada respuesta calculada con exactitud y redondeada una sola vez, o designed, la aritmética de coma flotante del programa original, con sus errores de redondeo.</translation>
    </message>
    <message>
        <source>What separates the answer key&apos;s input fields: &apos;,&apos;, &apos;;&apos; or tab. Found from the first rows unless given; in a file separated by &apos;;&apos; or tab, a comma inside a number is its decimal point.</source>
        <translation>Qué separa los campos de entrada: &apos;,&apos;, &apos;;&apos; o tab. Si no se indica, se deduce de las primeras filas; en un archivo separado por &apos;;&apos; o por tabuladores, una coma dentro de un número es su separador decimal.</translation>
    </message>
    <message>
        <source>The CSV answer key&apos;s header: fields (the default), the names scripts read, or words, plain words for a spreadsheet.</source>
        <translation>El encabezado del solucionario CSV: fields (por defecto), los nombres que leen los scripts, o words, palabras sencillas para una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Write the answer key to &lt;file&gt; rather than to standard output.</source>
        <translation>Escribir el solucionario en &lt;file&gt; en lugar de en la salida estándar.</translation>
    </message>
    <message>
        <source>Add the working, every answer worked out step by step in exact fractions: a column or field of the answer key, or pages below the picture of a .pdf export.</source>
        <translation>Añadir el desarrollo, cada respuesta obtenida paso a paso con fracciones exactas: una columna o un campo del solucionario, o páginas bajo la imagen de una exportación .pdf.</translation>
    </message>
    <message>
        <source>Write the picture Draw Both Lines would show to &lt;file&gt; (.png, .svg or .pdf), without a window.</source>
        <translation>Escribir en &lt;file&gt; (.png, .svg o .pdf) la imagen de ambas rectas dibujadas, sin ventana.</translation>
    </message>
    <message>
        <source>Line one&apos;s end points for --export, as typed in the window, or its equation as one value: &quot;y = 2x + 3&quot;.</source>
        <translation>Los extremos de la primera recta para --export, tal como se escriben en la ventana, o su ecuación como un solo valor: &quot;y = 2x + 3&quot;.</translation>
    </message>
    <message>
        <source>Line two&apos;s end points for --export, as typed in the window, or its equation as one value.</source>
        <translation>Los extremos de la segunda recta para --export, tal como se escriben en la ventana, o su ecuación como un solo valor.</translation>
    </message>
    <message>
        <source>The texts of the two range fields, -10 and 10 unless given.</source>
        <translation>Los textos de los dos campos del intervalo, -10 y 10 si no se indican.</translation>
    </message>
    <message>
        <source>Multiply a PNG picture&apos;s size in pixels by &lt;n&gt;.</source>
        <translation>Multiplicar por &lt;n&gt; el tamaño en píxeles de una imagen PNG.</translation>
    </message>
    <message>
        <source>Write a worksheet of exercises to &lt;file&gt; (.pdf), without a window.</source>
        <translation>Escribir una hoja de ejercicios en &lt;file&gt; (.pdf), sin ventana.</translation>
    </message>
    <message>
        <source>How many exercises the worksheet has: 8 unless given.</source>
        <translation>Cuántos ejercicios tiene la hoja: 8 si no se indica.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s or the practice&apos;s level: 1 (whole-number slopes, the default), 2 (fractional slopes) or 3 (with parallel, same, vertical, horizontal and perpendicular pairs).</source>
        <translation>El nivel de la hoja o de la práctica: 1 (pendientes enteras, por defecto), 2 (pendientes fraccionarias) o 3 (con pares de rectas paralelas, coincidentes, verticales, horizontales y perpendiculares).</translation>
    </message>
    <message>
        <source>Make the same worksheet again, with the seed printed in its footer, or the same practice, with the seed its window shows.</source>
        <translation>Volver a crear la misma hoja, con la semilla impresa en su pie de página, o la misma práctica, con la semilla que muestra su ventana.</translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s key, with pictures and answers, to &lt;file&gt; (.pdf).</source>
        <translation>Escribir el solucionario de la hoja, con las imágenes y las respuestas, en &lt;file&gt; (.pdf).</translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s exercises as the CSV --answers reads.</source>
        <translation>Escribir los ejercicios de la hoja en el CSV que lee --answers.</translation>
    </message>
    <message>
        <source>Open the Practice window at once: exercises to answer, each answer checked.</source>
        <translation>Abrir directamente la ventana Práctica: ejercicios para resolver, con cada respuesta corregida.</translation>
    </message>
    <message>
        <source>Speak German (de), English (en), Spanish (es) or French (fr) rather than the desktop&apos;s language, in the window and in every command&apos;s pages and messages.</source>
        <translation>Usar alemán (de), inglés (en), español (es) o francés (fr) en lugar del idioma del escritorio, en la ventana y en las páginas y mensajes de cada comando.</translation>
    </message>
</context>
<context>
    <name>command line</name>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>field %1 is not UTF-8 text; save the file as CSV UTF-8</source>
        <translation>el campo %1 no es texto UTF-8; guarda el archivo como CSV UTF-8</translation>
    </message>
    <message>
        <source>field %1 is longer than the %2 characters a field of the window holds</source>
        <translation>el campo %1 supera los %2 caracteres que admite un campo de la ventana</translation>
    </message>
    <message>
        <source>%1 field; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation>%1 campo; cada fila necesita 8: X1, Y1, X2, Y2 de la primera recta y luego de la segunda</translation>
    </message>
    <message>
        <source>%1 fields; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation>%1 campos; cada fila necesita 8: X1, Y1, X2, Y2 de la primera recta y luego de la segunda</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <source>%1 is a workbook; save it as CSV (File › Save As) and give that file</source>
        <translation>%1 es un libro; guárdalo como CSV (Archivo › Guardar como) e indica ese archivo</translation>
    </message>
    <message>
        <source>%1 is not text but a binary file; the answer key reads CSV, saved as CSV UTF-8</source>
        <translation>%1 no es texto sino un archivo binario; el solucionario lee CSV, guardado como CSV UTF-8</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: a field is too large</source>
        <translation>no se puede leer %1: un campo es demasiado grande</translation>
    </message>
    <message>
        <source>not valid CSV: a quote stands inside a field that does not start with one, or after the quote that ends one; the rest of the line was skipped</source>
        <translation>CSV no válido: hay unas comillas dentro de un campo que no empieza por ellas, o después de las comillas que lo cierran; se ha omitido el resto de la línea</translation>
    </message>
    <message>
        <source>not valid CSV: a quoted field has no closing quote</source>
        <translation>CSV no válido: un campo entre comillas no tiene comillas de cierre</translation>
    </message>
    <message>
        <source>… and %1 more rows in error</source>
        <translation>… y %1 filas más con errores</translation>
    </message>
    <message>
        <source>no row split into %1 fields at the separator %2; if the file uses another, name it: --separator &apos;,&apos;, --separator &apos;;&apos; or --separator tab</source>
        <translation>ninguna fila se divide en %1 campos con el separador %2; si el archivo usa otro, indícalo: --separator &apos;,&apos;, --separator &apos;;&apos; o --separator tab</translation>
    </message>
    <message>
        <source>the answers</source>
        <translation>el solucionario</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot read the workbook back from its temporary file</source>
        <translation>no se puede volver a leer el libro desde su archivo temporal</translation>
    </message>
    <message>
        <source>a workbook is not text for a terminal: name its file with -o key.xlsx, or redirect standard output to one</source>
        <translation>un libro no es texto para un terminal: indica su archivo con -o key.xlsx o redirige la salida estándar a un archivo</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>no se puede leer &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>no se puede escribir &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--range takes two values, the lowest and the highest: --range -10 10.</source>
        <translation>--range admite dos valores, el menor y el mayor: --range -10 10.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>-o &apos;%1&apos; is the file standard input reads: the key would replace its input.</source>
        <translation>-o &apos;%1&apos; es el archivo que lee la entrada estándar: el solucionario sustituiría su entrada.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; and %3 &apos;%4&apos; are the same file: one would replace the other; give each its own name.</source>
        <translation>%1 &apos;%2&apos; y %3 &apos;%4&apos; son el mismo archivo: uno sustituiría al otro; da a cada uno su propio nombre.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Más información con &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>recta %1: %2</translation>
    </message>
    <message>
        <source>cannot read the equation &apos;%1&apos;: </source>
        <translation>no se puede leer la ecuación &apos;%1&apos;: </translation>
    </message>
    <message>
        <source>%1 is used only with %2.</source>
        <translation>%1 solo se usa con %2.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 takes only %2.</source>
        <translation>%1 solo admite %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together.</source>
        <translation>%1 y %2 no se pueden usar juntos.</translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation>la escritura ha fallado</translation>
    </message>
    <message>
        <source>%1 was not written either</source>
        <translation>tampoco se ha escrito %1</translation>
    </message>
    <message>
        <source>%1 were not written either</source>
        <translation>tampoco se han escrito %1</translation>
    </message>
    <message>
        <source>Unknown %1 &apos;%2&apos;: use %3 or %4.</source>
        <translation>Valor desconocido &apos;%2&apos; para --%1: se admite %3 o %4.</translation>
    </message>
    <message>
        <source>--level takes 1, 2 or 3.</source>
        <translation>--level admite 1, 2 o 3.</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1.</source>
        <translation>--seed admite un número entero de 0 a %1.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: --answers reads one file.</source>
        <translation>Argumento inesperado &apos;%1&apos;: --answers lee un solo archivo.</translation>
    </message>
    <message>
        <source>Unknown separator &apos;%1&apos;: use &apos;,&apos;, &apos;;&apos; or tab.</source>
        <translation>Separador desconocido &apos;%1&apos;: se admite &apos;,&apos;, &apos;;&apos; o tab.</translation>
    </message>
    <message>
        <source>--format %1 does not match -o &apos;%2&apos;: name the file .%1, or leave --format out.</source>
        <translation>--format %1 no coincide con -o &apos;%2&apos;: da al archivo la extensión .%1 u omite --format.</translation>
    </message>
    <message>
        <source>The range&apos;s texts can be at most %1 characters long, as in the window.</source>
        <translation>Los textos del intervalo pueden tener como máximo %1 caracteres, como en la ventana.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a .pdf file name: worksheets and keys are PDF pages.</source>
        <translation>&apos;%1&apos; no es un nombre de archivo .pdf: las hojas y los solucionarios son páginas PDF.</translation>
    </message>
    <message>
        <source>--exercises takes a whole number from 1 to 200.</source>
        <translation>--exercises admite un número entero de 1 a 200.</translation>
    </message>
    <message>
        <source>Cannot tell the picture&apos;s format from &apos;%1&apos;: name it .png, .svg or .pdf.</source>
        <translation>No se puede deducir el formato de la imagen a partir de &apos;%1&apos;: usa la extensión .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>--working needs pages: name the file .pdf, not &apos;%1&apos;.</source>
        <translation>--working necesita páginas: usa la extensión .pdf, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The scale &apos;%1&apos; is not a number from above 0 to 16.</source>
        <translation>La escala &apos;%1&apos; no es un número mayor que 0 y menor o igual que 16.</translation>
    </message>
</context>
<context>
    <name>printed working</name>
    <message>
        <source>Graph and working</source>
        <translation>Gráfica y desarrollo</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>%1 · page %2</source>
        <translation>%1 · página %2</translation>
    </message>
    <message>
        <source>Straight lines</source>
        <translation>Rectas</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>y-intercept</source>
        <translation>Ordenada en el origen</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Ecuación</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Punto de corte</translation>
    </message>
    <message>
        <source>Find each line&apos;s slope, y-intercept and equation, and where the lines cross.</source>
        <translation>Halla la pendiente, la ordenada en el origen y la ecuación de cada recta, y dónde se cortan.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Recta %1</translation>
    </message>
    <message>
        <source>Straight lines: answers</source>
        <translation>Rectas: solucionario</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Ejercicio %1</translation>
    </message>
    <message>
        <source>Trellan worksheet · level %1 · seed %2</source>
        <translation>Hoja de ejercicios de Trellan · nivel %1 · semilla %2</translation>
    </message>
</context>
</TS>
