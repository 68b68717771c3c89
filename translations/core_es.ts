<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>answers</name>
    <message>
        <source>Line %1: %2; its slope is undefined</source>
        <translation>Recta %1: %2; su pendiente no está definida</translation>
    </message>
    <message>
        <source>Line %1: %2; slope %3, y-intercept %4</source>
        <translation>Recta %1: %2; pendiente %3, ordenada en el origen %4</translation>
    </message>
    <message>
        <source>They cross at %1</source>
        <translation>Las rectas se cortan en %1</translation>
    </message>
    <message>
        <source>Parallel: they never cross</source>
        <translation>Paralelas: no se cortan nunca</translation>
    </message>
    <message>
        <source>The same line: they meet everywhere</source>
        <translation>La misma recta: coinciden en todos sus puntos</translation>
    </message>
</context>
<context>
    <name>bad_input</name>
    <message>
        <source>one half</source>
        <translation>un medio</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>un tercio</translation>
    </message>
    <message>
        <source>two thirds</source>
        <translation>dos tercios</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un cuarto</translation>
    </message>
    <message>
        <source>two quarters</source>
        <translation>dos cuartos</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>tres cuartos</translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>un quinto</translation>
    </message>
    <message>
        <source>two fifths</source>
        <translation>dos quintos</translation>
    </message>
    <message>
        <source>three fifths</source>
        <translation>tres quintos</translation>
    </message>
    <message>
        <source>four fifths</source>
        <translation>cuatro quintos</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>a half</source>
        <translation>un medio</translation>
    </message>
    <message>
        <source>one and a half</source>
        <translation>uno y medio</translation>
    </message>
    <message>
        <source>two and a half</source>
        <translation>dos y medio</translation>
    </message>
    <message>
        <source>three and a half</source>
        <translation>tres y medio</translation>
    </message>
    <message>
        <source>four and a half</source>
        <translation>cuatro y medio</translation>
    </message>
    <message>
        <source>five and a half</source>
        <translation>cinco y medio</translation>
    </message>
    <message>
        <source>six and a half</source>
        <translation>seis y medio</translation>
    </message>
    <message>
        <source>seven and a half</source>
        <translation>siete y medio</translation>
    </message>
    <message>
        <source>eight and a half</source>
        <translation>ocho y medio</translation>
    </message>
    <message>
        <source>nine and a half</source>
        <translation>nueve y medio</translation>
    </message>
    <message>
        <source>a decimal number takes a point, as in 1.5</source>
        <translation>aquí un número decimal se escribe con punto, como 1.5</translation>
    </message>
    <message>
        <source>type %1 for %2</source>
        <translation>escribe %1 para %2</translation>
    </message>
    <message>
        <source>type %1 with a point</source>
        <translation>escribe %1 con punto</translation>
    </message>
    <message>
        <source>type a fraction as a decimal number, such as 0.5 for one half</source>
        <translation>escribe una fracción como número decimal, por ejemplo 0.5 para un medio</translation>
    </message>
    <message>
        <source>type %1 for about %2</source>
        <translation>escribe %1 como valor aproximado de %2</translation>
    </message>
    <message>
        <source>Line %1&apos;s %2</source>
        <translation>%2 de la recta %1</translation>
    </message>
    <message>
        <source>%1 is too large to draw: use a number between about -3.4E+38 and 3.4E+38.</source>
        <translation>%1 es demasiado grande para dibujar: usa un número entre aproximadamente -3.4E+38 y 3.4E+38.</translation>
    </message>
    <message>
        <source>The highest value of the range</source>
        <translation>El valor más alto del intervalo</translation>
    </message>
    <message>
        <source>The lowest value of the range</source>
        <translation>El valor más bajo del intervalo</translation>
    </message>
    <message>
        <source>The lowest and highest values of the range are too large to draw: use numbers between about -3.4E+38 and 3.4E+38.</source>
        <translation>El valor más bajo y el más alto del intervalo son demasiado grandes para dibujar: usa números entre aproximadamente -3.4E+38 y 3.4E+38.</translation>
    </message>
    <message>
        <source>Line %1&apos;s two end points are the same point, so they do not make a line: change X2 or Y2 so that the points differ.</source>
        <translation>Los dos extremos de la recta %1 son el mismo punto, así que no determinan una recta: cambia X2 o Y2 para que los puntos sean distintos.</translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too narrow to draw: choose a lowest and a highest value further apart, differing within their first seven digits.</source>
        <translation>El intervalo de %1 a %2 es demasiado estrecho para dibujar: elige un valor más bajo y uno más alto más separados, que se diferencien ya en sus siete primeras cifras.</translation>
    </message>
    <message>
        <source>Line %1 is vertical, so it has no slope.</source>
        <translation>La recta %1 es vertical, así que no tiene pendiente.</translation>
    </message>
    <message>
        <source>Line %1 is too steep to work out its slope: move its X1 and X2 further apart.</source>
        <translation>La recta %1 es demasiado inclinada para calcular su pendiente: separa más sus valores X1 y X2.</translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept is too large to work out: choose end points nearer the y-axis, or a less steep line.</source>
        <translation>La ordenada en el origen de la recta %1 es demasiado grande para calcularla: elige extremos más cerca del eje y, o una recta menos inclinada.</translation>
    </message>
    <message>
        <source>The crossing point is too far away to show: change an end point so that the lines meet nearer the middle of the graph.</source>
        <translation>El punto de corte está demasiado lejos para mostrarlo: cambia un extremo para que las rectas se corten más cerca del centro de la gráfica.</translation>
    </message>
    <message>
        <source>Line %1 is too flat to work out where it meets the x-axis: make it steeper.</source>
        <translation>La recta %1 está demasiado cerca de la horizontal para calcular dónde corta el eje x: hazla más inclinada.</translation>
    </message>
    <message>
        <source>%1 is too large: use a number between about -1.8E+308 and 1.8E+308.</source>
        <translation>%1 es demasiado grande: usa un número entre aproximadamente -1.8E+308 y 1.8E+308.</translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too wide to number its axes: use a lowest and a highest value from -32768 to just under 32767.</source>
        <translation>El intervalo de %1 a %2 es demasiado amplio para numerar los ejes: usa un valor más bajo y uno más alto entre -32768 y poco menos de 32767.</translation>
    </message>
    <message>
        <source>The range from %1 to %1 is empty: make the lowest and highest values differ.</source>
        <translation>El intervalo de %1 a %1 está vacío: el valor más bajo y el más alto deben ser distintos.</translation>
    </message>
    <message>
        <source>Read as 0: there is no number here; type a number such as 2, -3 or 1.5</source>
        <translation>Leído como 0: aquí no hay ningún número; escribe un número como 2, -3 o 1.5</translation>
    </message>
    <message>
        <source>Read as %1: only the number before the comma counts; %2</source>
        <translation>Leído como %1: solo cuenta el número antes de la coma; %2</translation>
    </message>
    <message>
        <source>Read as %1: only the number before the slash counts; %2</source>
        <translation>Leído como %1: solo cuenta el número antes de la barra; %2</translation>
    </message>
    <message>
        <source>Read as %1: only the number at the start counts; type the number alone, with nothing after it</source>
        <translation>Leído como %1: solo cuenta el número del principio; escribe el número solo, sin nada detrás</translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation>Leído como %1</translation>
    </message>
    <message>
        <source>Type the line&apos;s equation here and press Enter: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), x = 4. Fractions, decimals and brackets are fine; 1/2x means (1/2)x, as in school books. Esc puts back what was here.</source>
        <translation>Escribe aquí la ecuación de la recta y pulsa Intro: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), x = 4. Puedes usar fracciones, decimales y paréntesis; 1/2x significa (1/2)x, como en los libros de texto. Esc vuelve a poner lo que había antes.</translation>
    </message>
    <message>
        <source>This line does not pass through the range shown, %1 to %2: change the range, or type another line</source>
        <translation>Esta recta no pasa por el intervalo mostrado, de %1 a %2: cambia el intervalo o escribe otra recta</translation>
    </message>
</context>
<context>
    <name>crossing</name>
    <message>
        <source>Parallel lines. No Intersection.</source>
        <translation>Rectas paralelas. Sin punto de corte.</translation>
    </message>
    <message>
        <source>Same line. Infinite solutions.</source>
        <translation>La misma recta. Infinitas soluciones.</translation>
    </message>
</context>
<context>
    <name>equation</name>
    <message>
        <source>This number is too large to work with exactly</source>
        <translation>Este número es demasiado grande para calcular con él de forma exacta</translation>
    </message>
    <message>
        <source>Two numbers stand side by side here: write one number, a mixed number such as 2 1/3, or &quot;*&quot; between them</source>
        <translation>Aquí hay dos números seguidos: escribe un solo número, un número mixto como 2 1/3, o «*» entre ellos</translation>
    </message>
    <message>
        <source>x and y cancel out here, so this is no line</source>
        <translation>x e y se anulan aquí, así que esto no es una recta</translation>
    </message>
    <message>
        <source>There is no x or y here, so this is no line</source>
        <translation>Aquí no hay ni x ni y, así que esto no es una recta</translation>
    </message>
    <message>
        <source>There is nothing before &quot;=&quot;</source>
        <translation>No hay nada antes de «=»</translation>
    </message>
    <message>
        <source>There is nothing after &quot;=&quot;</source>
        <translation>No hay nada después de «=»</translation>
    </message>
    <message>
        <source>This &quot;)&quot; has no &quot;(&quot; before it</source>
        <translation>Este «)» no tiene delante ningún «(»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be part of an equation</source>
        <translation>«%1» no puede formar parte de una ecuación</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot stand here</source>
        <translation>«%1» no puede ir aquí</translation>
    </message>
    <message>
        <source>Dividing by 0 has no answer</source>
        <translation>Dividir entre 0 no tiene resultado</translation>
    </message>
    <message>
        <source>The numbers here grow too large to work with exactly</source>
        <translation>Aquí los números crecen demasiado para calcular con ellos de forma exacta</translation>
    </message>
    <message>
        <source>%1 makes a curve, not a straight line</source>
        <translation>%1 da una curva, no una recta</translation>
    </message>
    <message>
        <source>The brackets, signs or powers here nest too deeply to read</source>
        <translation>Aquí hay demasiados paréntesis, signos o potencias anidados para leerlos</translation>
    </message>
    <message>
        <source>A power must be a whole number, as in x²</source>
        <translation>Un exponente debe ser un número entero, como en x²</translation>
    </message>
    <message>
        <source>There is nothing between &quot;(&quot; and &quot;)&quot;</source>
        <translation>No hay nada entre «(» y «)»</translation>
    </message>
    <message>
        <source>This &quot;(&quot; is never closed: a &quot;)&quot; is missing</source>
        <translation>Este «(» no se cierra nunca: falta un «)»</translation>
    </message>
    <message>
        <source>Something is missing after &quot;%1&quot;</source>
        <translation>Falta algo después de «%1»</translation>
    </message>
    <message>
        <source>Type an equation of a line, such as y = 2x + 3</source>
        <translation>Escribe la ecuación de una recta, por ejemplo y = 2x + 3</translation>
    </message>
    <message>
        <source>A line has only one &quot;=&quot;; here is a second</source>
        <translation>La ecuación de una recta tiene un solo «=»; aquí hay un segundo</translation>
    </message>
    <message>
        <source>An equation needs &quot;=&quot;, as in y = 2x + 3</source>
        <translation>Una ecuación necesita «=», como en y = 2x + 3</translation>
    </message>
</context>
<context>
    <name>exercises</name>
    <message>
        <source>Line one passes through %1 and %2; line two through %3 and %4</source>
        <translation>La primera recta pasa por %1 y %2; la segunda, por %3 y %4</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>write the point as (x, y), such as (2, -1)</source>
        <translation>escribe el punto como (x, y), por ejemplo (2, -1)</translation>
    </message>
    <message>
        <source>a vertical line has no slope: write &quot;undefined&quot;</source>
        <translation>una recta vertical no tiene pendiente: escribe «no definida»</translation>
    </message>
    <message>
        <source>a slope is a number, such as 3, -1.5 or 2/3; only a vertical line&apos;s is undefined</source>
        <translation>una pendiente es un número, como 3, -1.5 o 2/3; solo la de una recta vertical no está definida</translation>
    </message>
    <message>
        <source>write the slope as a number, such as 3, -1.5 or 2/3</source>
        <translation>escribe la pendiente como un número, por ejemplo 3, -1.5 o 2/3</translation>
    </message>
    <message>
        <source>write the y-intercept as a number, such as 3, or as a point, such as (0, 3)</source>
        <translation>escribe la ordenada en el origen como un número, por ejemplo 3, o como un punto, por ejemplo (0, 3)</translation>
    </message>
    <message>
        <source>write it as an equation: y = %1</source>
        <translation>escribe una ecuación: y = %1</translation>
    </message>
    <message>
        <source>write the equation as y = ...</source>
        <translation>escribe la ecuación en la forma y = ...</translation>
    </message>
    <message>
        <source>write the crossing as a point, such as (2, -1), or say &quot;parallel&quot; or &quot;the same line&quot;</source>
        <translation>escribe el punto de corte en la forma (x, y), por ejemplo (2, -1), o escribe «paralelas» o «la misma recta»</translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>there are too many brackets around this number</source>
        <translation>hay demasiados paréntesis alrededor de este número</translation>
    </message>
    <message>
        <source>a bracket is not closed</source>
        <translation>un paréntesis no está cerrado</translation>
    </message>
    <message>
        <source>a number cannot be divided by 0</source>
        <translation>no se puede dividir un número entre 0</translation>
    </message>
    <message>
        <source>the repeating digits go in brackets after the point, as in 0.(3)</source>
        <translation>las cifras que se repiten van entre paréntesis después del punto, como en 0.(3)</translation>
    </message>
    <message>
        <source>too large to work with exactly</source>
        <translation>demasiado grande para calcular con él de forma exacta</translation>
    </message>
    <message>
        <source>write %1 without a comma, or %2 with a point</source>
        <translation>escribe %1 sin coma, o %2 con punto</translation>
    </message>
    <message>
        <source>write %1 with a point</source>
        <translation>escribe %1 con punto</translation>
    </message>
    <message>
        <source>write %1 without blanks between the digits</source>
        <translation>escribe %1 sin espacios entre las cifras</translation>
    </message>
    <message>
        <source>in a mixed number the fraction is less than 1, as in 2 1/3</source>
        <translation>en un número mixto la fracción es menor que 1, como en 2 1/3</translation>
    </message>
    <message>
        <source>write one number: a mixed number is a whole number and a fraction less than 1, as in 2 1/3</source>
        <translation>escribe un solo número: un número mixto es un número entero más una fracción menor que 1, como 2 1/3</translation>
    </message>
    <message>
        <source>write a number, such as 3, -1.5, 2/3 or 1 1/2</source>
        <translation>escribe un número, por ejemplo 3, -1.5, 2/3 o 1 1/2</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Intersection:</source>
        <translation>Punto de corte:</translation>
    </message>
    <message>
        <source>Equation 1:</source>
        <translation>Ecuación 1:</translation>
    </message>
    <message>
        <source>Equation 2:</source>
        <translation>Ecuación 2:</translation>
    </message>
</context>
<context>
    <name>working</name>
    <message>
        <source>a number is too large to work with exactly</source>
        <translation>un número es demasiado grande para calcular con él de forma exacta</translation>
    </message>
    <message>
        <source>both points are (%1, %2), one point: it makes no line</source>
        <translation>los dos puntos son el mismo, (%1, %2): no determinan una recta</translation>
    </message>
    <message>
        <source>the run x2 - x1 is 0, so the slope is undefined; every point of the line has x = %1</source>
        <translation>x2 - x1 vale 0, así que la pendiente no está definida; todos los puntos de la recta tienen x = %1</translation>
    </message>
    <message>
        <source>the rise is 0, so the line is horizontal and its slope is 0</source>
        <translation>y2 - y1 vale 0, así que la recta es horizontal y su pendiente es 0</translation>
    </message>
    <message>
        <source>the line meets the x-axis at (%1, %2)</source>
        <translation>la recta corta el eje x en (%1, %2)</translation>
    </message>
    <message>
        <source>the line meets the y-axis at (%1, %2)</source>
        <translation>la recta corta el eje y en (%1, %2)</translation>
    </message>
    <message>
        <source>the line is x = 0, the y-axis itself: it meets it all along</source>
        <translation>la recta es x = 0, el propio eje y: coincide con él en todos sus puntos</translation>
    </message>
    <message>
        <source>every point of the line has x = %1, and the y-axis is x = 0: they never meet</source>
        <translation>todos los puntos de la recta tienen x = %1, mientras que el eje y es x = 0: nunca se cortan</translation>
    </message>
    <message>
        <source>every point of the line has x = %1</source>
        <translation>todos los puntos de la recta tienen x = %1</translation>
    </message>
    <message>
        <source>every point of the line has x = %1, so it meets the x-axis (y = 0) there</source>
        <translation>todos los puntos de la recta tienen x = %1, así que corta el eje x (y = 0) en ese punto</translation>
    </message>
    <message>
        <source>the line is y = 0, the x-axis itself: it meets it all along</source>
        <translation>la recta es y = 0, el propio eje x: coincide con él en todos sus puntos</translation>
    </message>
    <message>
        <source>0 = 0 x + %1 has no answer: the line stays at y = %2 and never meets the x-axis</source>
        <translation>0 = 0 x + %1 no tiene solución: la recta se mantiene en y = %2, así que nunca corta el eje x</translation>
    </message>
    <message>
        <source>the y-axis is x = 0: put x = 0 into y = m x + b</source>
        <translation>el eje y es x = 0: sustituye x = 0 en y = m x + b</translation>
    </message>
    <message>
        <source>Line %1: the slope m, how steep it is</source>
        <translation>Recta %1: la pendiente m, su inclinación</translation>
    </message>
    <message>
        <source>Line %1: the y-intercept b</source>
        <translation>Recta %1: la ordenada en el origen b</translation>
    </message>
    <message>
        <source>Line %1: the equation</source>
        <translation>Recta %1: la ecuación</translation>
    </message>
    <message>
        <source>Line %1: where it meets the x-axis</source>
        <translation>Recta %1: dónde corta el eje x</translation>
    </message>
    <message>
        <source>Line %1: where it meets the y-axis</source>
        <translation>Recta %1: dónde corta el eje y</translation>
    </message>
    <message>
        <source>line %1 is not a line, so there is nothing to cross</source>
        <translation>los puntos de la recta %1 no determinan una recta, así que no hay punto de corte</translation>
    </message>
    <message>
        <source>both lines are vertical: x = %1 and x = %2</source>
        <translation>las dos rectas son verticales: una es x = %1; la otra, x = %2</translation>
    </message>
    <message>
        <source>they are the same line</source>
        <translation>son la misma recta</translation>
    </message>
    <message>
        <source>they are parallel and never meet</source>
        <translation>son paralelas y nunca se cortan</translation>
    </message>
    <message>
        <source>b1 = b2 = %1, so they are the same line</source>
        <translation>b1 = b2 = %1, así que son la misma recta</translation>
    </message>
    <message>
        <source>b1 = %1 but b2 = %2, so they are parallel and never meet</source>
        <translation>b1 = %1 pero b2 = %2, así que son paralelas y nunca se cortan</translation>
    </message>
    <message>
        <source>line %1 is x = %2, so where they cross x = %2</source>
        <translation>la recta %1 es x = %2, así que en el punto de corte x = %2</translation>
    </message>
    <message>
        <source>put x = %1 into line %2: y = m%2 x + b%2</source>
        <translation>sustituye x = %1 en la ecuación de la recta %2: y = m%2 x + b%2</translation>
    </message>
    <message>
        <source>Where the lines cross</source>
        <translation>El punto de corte de las rectas</translation>
    </message>
    <message>
        <source>check on line 2: y = m2 x + b2</source>
        <translation>comprobación con la recta 2: y = m2 x + b2</translation>
    </message>
    <message>
        <source>Parallel, perpendicular or neither</source>
        <translation>Paralelas, perpendiculares o ninguna de las dos</translation>
    </message>
    <message>
        <source>the two lines are one and the same line</source>
        <translation>las dos rectas son exactamente la misma recta</translation>
    </message>
    <message>
        <source>the lines go the same way and never meet: they are parallel</source>
        <translation>las rectas tienen la misma dirección y nunca se cortan: son paralelas</translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is horizontal, so they meet at a right angle: perpendicular</source>
        <translation>la recta %1 es vertical y la recta %2 es horizontal, así que se cortan en ángulo recto: son perpendiculares</translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is not horizontal, so they cross but are not perpendicular</source>
        <translation>la recta %1 es vertical y la recta %2 no es horizontal, así que se cortan, pero no son perpendiculares</translation>
    </message>
    <message>
        <source>m1 * m2 = -1, so the lines are perpendicular</source>
        <translation>m1 * m2 = -1, así que las rectas son perpendiculares</translation>
    </message>
    <message>
        <source>that is not -1, so the lines cross but are not perpendicular</source>
        <translation>eso no es -1, así que las rectas se cortan, pero no son perpendiculares</translation>
    </message>
</context>
</TS>
