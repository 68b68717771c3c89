<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>answers</name>
    <message>
        <source>Line %1: %2; its slope is undefined</source>
        <translation>Gerade %1: %2; ihre Steigung ist nicht definiert</translation>
    </message>
    <message>
        <source>Line %1: %2; slope %3, y-intercept %4</source>
        <translation>Gerade %1: %2; Steigung %3, y-Achsenabschnitt %4</translation>
    </message>
    <message>
        <source>They cross at %1</source>
        <translation>Die Geraden schneiden sich im Punkt %1</translation>
    </message>
    <message>
        <source>Parallel: they never cross</source>
        <translation>Parallel: Die Geraden schneiden sich nie</translation>
    </message>
    <message>
        <source>The same line: they meet everywhere</source>
        <translation>Dieselbe Gerade: Die Geraden haben alle Punkte gemeinsam</translation>
    </message>
</context>
<context>
    <name>bad_input</name>
    <message>
        <source>one half</source>
        <translation>ein Halb</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>ein Drittel</translation>
    </message>
    <message>
        <source>two thirds</source>
        <translation>zwei Drittel</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>ein Viertel</translation>
    </message>
    <message>
        <source>two quarters</source>
        <translation>zwei Viertel</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>drei Viertel</translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>ein Fünftel</translation>
    </message>
    <message>
        <source>two fifths</source>
        <translation>zwei Fünftel</translation>
    </message>
    <message>
        <source>three fifths</source>
        <translation>drei Fünftel</translation>
    </message>
    <message>
        <source>four fifths</source>
        <translation>vier Fünftel</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>a half</source>
        <translation>ein Halb</translation>
    </message>
    <message>
        <source>one and a half</source>
        <translation>eineinhalb</translation>
    </message>
    <message>
        <source>two and a half</source>
        <translation>zweieinhalb</translation>
    </message>
    <message>
        <source>three and a half</source>
        <translation>dreieinhalb</translation>
    </message>
    <message>
        <source>four and a half</source>
        <translation>viereinhalb</translation>
    </message>
    <message>
        <source>five and a half</source>
        <translation>fünfeinhalb</translation>
    </message>
    <message>
        <source>six and a half</source>
        <translation>sechseinhalb</translation>
    </message>
    <message>
        <source>seven and a half</source>
        <translation>siebeneinhalb</translation>
    </message>
    <message>
        <source>eight and a half</source>
        <translation>achteinhalb</translation>
    </message>
    <message>
        <source>nine and a half</source>
        <translation>neuneinhalb</translation>
    </message>
    <message>
        <source>a decimal number takes a point, as in 1.5</source>
        <translation>eine Dezimalzahl schreibst du hier mit Punkt, wie 1.5</translation>
    </message>
    <message>
        <source>type %1 for %2</source>
        <translation>gib %1 für %2 ein</translation>
    </message>
    <message>
        <source>type %1 with a point</source>
        <translation>gib %1 mit Punkt ein</translation>
    </message>
    <message>
        <source>type a fraction as a decimal number, such as 0.5 for one half</source>
        <translation>gib einen Bruch als Dezimalzahl ein, etwa 0.5 für ein Halb</translation>
    </message>
    <message>
        <source>type %1 for about %2</source>
        <translation>gib %1 für etwa %2 ein</translation>
    </message>
    <message>
        <source>Line %1&apos;s %2</source>
        <translation>%2 von Gerade %1</translation>
    </message>
    <message>
        <source>%1 is too large to draw: use a number between about -3.4E+38 and 3.4E+38.</source>
        <translation>%1 ist zu groß zum Zeichnen: Nimm eine Zahl zwischen etwa -3.4E+38 und 3.4E+38.</translation>
    </message>
    <message>
        <source>The highest value of the range</source>
        <translation>Der größte Wert des Bereichs</translation>
    </message>
    <message>
        <source>The lowest value of the range</source>
        <translation>Der kleinste Wert des Bereichs</translation>
    </message>
    <message>
        <source>The lowest and highest values of the range are too large to draw: use numbers between about -3.4E+38 and 3.4E+38.</source>
        <translation>Der kleinste und der größte Wert des Bereichs sind zu groß zum Zeichnen: Nimm Zahlen zwischen etwa -3.4E+38 und 3.4E+38.</translation>
    </message>
    <message>
        <source>Line %1&apos;s two end points are the same point, so they do not make a line: change X2 or Y2 so that the points differ.</source>
        <translation>Die beiden Endpunkte von Gerade %1 sind derselbe Punkt, also legen sie keine Gerade fest: Ändere X2 oder Y2, damit die Punkte verschieden sind.</translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too narrow to draw: choose a lowest and a highest value further apart, differing within their first seven digits.</source>
        <translation>Der Bereich von %1 bis %2 ist zu schmal zum Zeichnen: Wähle einen kleinsten und einen größten Wert, die weiter auseinanderliegen und sich schon in den ersten sieben Ziffern unterscheiden.</translation>
    </message>
    <message>
        <source>Line %1 is vertical, so it has no slope.</source>
        <translation>Gerade %1 ist senkrecht, also hat sie keine Steigung.</translation>
    </message>
    <message>
        <source>Line %1 is too steep to work out its slope: move its X1 and X2 further apart.</source>
        <translation>Gerade %1 ist zu steil, um ihre Steigung zu berechnen: Lege X1 und X2 weiter auseinander.</translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept is too large to work out: choose end points nearer the y-axis, or a less steep line.</source>
        <translation>Der y-Achsenabschnitt von Gerade %1 ist zu groß zum Berechnen: Wähle Endpunkte näher an der y-Achse oder eine weniger steile Gerade.</translation>
    </message>
    <message>
        <source>The crossing point is too far away to show: change an end point so that the lines meet nearer the middle of the graph.</source>
        <translation>Der Schnittpunkt liegt zu weit weg, um ihn zu zeigen: Ändere einen Endpunkt, damit sich die Geraden näher an der Mitte des Koordinatensystems schneiden.</translation>
    </message>
    <message>
        <source>Line %1 is too flat to work out where it meets the x-axis: make it steeper.</source>
        <translation>Gerade %1 ist zu flach, um zu berechnen, wo sie die x-Achse schneidet: Mach sie steiler.</translation>
    </message>
    <message>
        <source>%1 is too large: use a number between about -1.8E+308 and 1.8E+308.</source>
        <translation>%1 ist zu groß: Nimm eine Zahl zwischen etwa -1.8E+308 und 1.8E+308.</translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too wide to number its axes: use a lowest and a highest value from -32768 to just under 32767.</source>
        <translation>Der Bereich von %1 bis %2 ist zu groß, um die Achsen zu beschriften: Nimm einen kleinsten und einen größten Wert von -32768 bis knapp unter 32767.</translation>
    </message>
    <message>
        <source>The range from %1 to %1 is empty: make the lowest and highest values differ.</source>
        <translation>Der Bereich von %1 bis %1 ist leer: Der kleinste und der größte Wert müssen verschieden sein.</translation>
    </message>
    <message>
        <source>Read as 0: there is no number here; type a number such as 2, -3 or 1.5</source>
        <translation>Gelesen als 0: Hier steht keine Zahl; gib eine Zahl wie 2, -3 oder 1.5 ein</translation>
    </message>
    <message>
        <source>Read as %1: only the number before the comma counts; %2</source>
        <translation>Gelesen als %1: Nur die Zahl vor dem Komma zählt; %2</translation>
    </message>
    <message>
        <source>Read as %1: only the number before the slash counts; %2</source>
        <translation>Gelesen als %1: Nur die Zahl vor dem Schrägstrich zählt; %2</translation>
    </message>
    <message>
        <source>Read as %1: only the number at the start counts; type the number alone, with nothing after it</source>
        <translation>Gelesen als %1: Nur die Zahl am Anfang zählt; gib die Zahl allein ein, ohne etwas dahinter</translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation>Gelesen als %1</translation>
    </message>
    <message>
        <source>Type the line&apos;s equation here and press Enter: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), x = 4. Fractions, decimals and brackets are fine; 1/2x means (1/2)x, as in school books. Esc puts back what was here.</source>
        <translation>Gib hier die Gleichung der Geraden ein und drücke die Eingabetaste: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), x = 4. Brüche, Dezimalzahlen und Klammern sind erlaubt; 1/2x bedeutet (1/2)x, wie im Schulbuch. Mit Esc steht wieder da, was vorher hier stand.</translation>
    </message>
    <message>
        <source>This line does not pass through the range shown, %1 to %2: change the range, or type another line</source>
        <translation>Diese Gerade verläuft nicht durch den gezeigten Bereich von %1 bis %2: Ändere den Bereich oder gib eine andere Gerade ein</translation>
    </message>
</context>
<context>
    <name>crossing</name>
    <message>
        <source>Parallel lines. No Intersection.</source>
        <translation>Parallele Geraden. Kein Schnittpunkt.</translation>
    </message>
    <message>
        <source>Same line. Infinite solutions.</source>
        <translation>Dieselbe Gerade. Unendlich viele Lösungen.</translation>
    </message>
</context>
<context>
    <name>equation</name>
    <message>
        <source>This number is too large to work with exactly</source>
        <translation>Diese Zahl ist zu groß, um exakt damit zu rechnen</translation>
    </message>
    <message>
        <source>Two numbers stand side by side here: write one number, a mixed number such as 2 1/3, or &quot;*&quot; between them</source>
        <translation>Hier stehen zwei Zahlen nebeneinander: Schreibe eine Zahl, eine gemischte Zahl wie 2 1/3 oder „*“ dazwischen</translation>
    </message>
    <message>
        <source>x and y cancel out here, so this is no line</source>
        <translation>x und y heben sich hier auf, also ist das keine Gerade</translation>
    </message>
    <message>
        <source>There is no x or y here, so this is no line</source>
        <translation>Hier steht weder x noch y, also ist das keine Gerade</translation>
    </message>
    <message>
        <source>There is nothing before &quot;=&quot;</source>
        <translation>Vor „=“ steht nichts</translation>
    </message>
    <message>
        <source>There is nothing after &quot;=&quot;</source>
        <translation>Nach „=“ steht nichts</translation>
    </message>
    <message>
        <source>This &quot;)&quot; has no &quot;(&quot; before it</source>
        <translation>Vor dieser „)“ fehlt eine „(“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be part of an equation</source>
        <translation>„%1“ kann nicht Teil einer Gleichung sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot stand here</source>
        <translation>„%1“ kann hier nicht stehen</translation>
    </message>
    <message>
        <source>Dividing by 0 has no answer</source>
        <translation>Durch 0 kann man nicht teilen</translation>
    </message>
    <message>
        <source>The numbers here grow too large to work with exactly</source>
        <translation>Die Zahlen werden hier zu groß, um exakt damit zu rechnen</translation>
    </message>
    <message>
        <source>%1 makes a curve, not a straight line</source>
        <translation>%1 ergibt eine Kurve, keine Gerade</translation>
    </message>
    <message>
        <source>The brackets, signs or powers here nest too deeply to read</source>
        <translation>Die Klammern, Vorzeichen oder Potenzen sind hier zu tief ineinander verschachtelt</translation>
    </message>
    <message>
        <source>A power must be a whole number, as in x²</source>
        <translation>Ein Exponent muss eine ganze Zahl sein, wie bei x²</translation>
    </message>
    <message>
        <source>There is nothing between &quot;(&quot; and &quot;)&quot;</source>
        <translation>Zwischen „(“ und „)“ steht nichts</translation>
    </message>
    <message>
        <source>This &quot;(&quot; is never closed: a &quot;)&quot; is missing</source>
        <translation>Diese „(“ wird nie geschlossen: Es fehlt eine „)“</translation>
    </message>
    <message>
        <source>Something is missing after &quot;%1&quot;</source>
        <translation>Nach „%1“ fehlt etwas</translation>
    </message>
    <message>
        <source>Type an equation of a line, such as y = 2x + 3</source>
        <translation>Gib die Gleichung einer Geraden ein, etwa y = 2x + 3</translation>
    </message>
    <message>
        <source>A line has only one &quot;=&quot;; here is a second</source>
        <translation>Eine Geradengleichung hat nur ein „=“; hier steht ein zweites</translation>
    </message>
    <message>
        <source>An equation needs &quot;=&quot;, as in y = 2x + 3</source>
        <translation>Eine Gleichung braucht ein „=“, wie in y = 2x + 3</translation>
    </message>
</context>
<context>
    <name>exercises</name>
    <message>
        <source>Line one passes through %1 and %2; line two through %3 and %4</source>
        <translation>Die erste Gerade verläuft durch %1 und %2, die zweite durch %3 und %4</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>write the point as (x, y), such as (2, -1)</source>
        <translation>schreibe den Punkt als (x, y), etwa (2, -1)</translation>
    </message>
    <message>
        <source>a vertical line has no slope: write &quot;undefined&quot;</source>
        <translation>eine senkrechte Gerade hat keine Steigung: Schreibe „nicht definiert“</translation>
    </message>
    <message>
        <source>a slope is a number, such as 3, -1.5 or 2/3; only a vertical line&apos;s is undefined</source>
        <translation>eine Steigung ist eine Zahl wie 3, -1.5 oder 2/3; nur bei einer senkrechten Geraden ist sie nicht definiert</translation>
    </message>
    <message>
        <source>write the slope as a number, such as 3, -1.5 or 2/3</source>
        <translation>schreibe die Steigung als Zahl, etwa 3, -1.5 oder 2/3</translation>
    </message>
    <message>
        <source>write the y-intercept as a number, such as 3, or as a point, such as (0, 3)</source>
        <translation>schreibe den y-Achsenabschnitt als Zahl, etwa 3, oder als Punkt, etwa (0, 3)</translation>
    </message>
    <message>
        <source>write it as an equation: y = %1</source>
        <translation>schreibe das als Gleichung: y = %1</translation>
    </message>
    <message>
        <source>write the equation as y = ...</source>
        <translation>schreibe die Gleichung in der Form y = ...</translation>
    </message>
    <message>
        <source>write the crossing as a point, such as (2, -1), or say &quot;parallel&quot; or &quot;the same line&quot;</source>
        <translation>schreibe den Schnittpunkt in der Form (x, y), etwa (2, -1), oder schreibe „parallel“ oder „dieselbe Gerade“</translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>there are too many brackets around this number</source>
        <translation>um diese Zahl stehen zu viele Klammern</translation>
    </message>
    <message>
        <source>a bracket is not closed</source>
        <translation>eine Klammer wird nicht geschlossen</translation>
    </message>
    <message>
        <source>a number cannot be divided by 0</source>
        <translation>durch 0 kann man nicht teilen</translation>
    </message>
    <message>
        <source>the repeating digits go in brackets after the point, as in 0.(3)</source>
        <translation>die Periode steht in Klammern hinter dem Punkt, wie in 0.(3)</translation>
    </message>
    <message>
        <source>too large to work with exactly</source>
        <translation>zu groß, um exakt damit zu rechnen</translation>
    </message>
    <message>
        <source>write %1 without a comma, or %2 with a point</source>
        <translation>schreibe %1 ohne Komma oder %2 mit Punkt</translation>
    </message>
    <message>
        <source>write %1 with a point</source>
        <translation>schreibe %1 mit Punkt</translation>
    </message>
    <message>
        <source>write %1 without blanks between the digits</source>
        <translation>schreibe %1 ohne Leerzeichen zwischen den Ziffern</translation>
    </message>
    <message>
        <source>in a mixed number the fraction is less than 1, as in 2 1/3</source>
        <translation>in einer gemischten Zahl ist der Bruch kleiner als 1, wie in 2 1/3</translation>
    </message>
    <message>
        <source>write one number: a mixed number is a whole number and a fraction less than 1, as in 2 1/3</source>
        <translation>schreibe nur eine Zahl: Eine gemischte Zahl ist eine ganze Zahl mit einem Bruch kleiner als 1, wie 2 1/3</translation>
    </message>
    <message>
        <source>write a number, such as 3, -1.5, 2/3 or 1 1/2</source>
        <translation>schreibe eine Zahl, etwa 3, -1.5, 2/3 oder 1 1/2</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Intersection:</source>
        <translation>Schnittpunkt:</translation>
    </message>
    <message>
        <source>Equation 1:</source>
        <translation>Gleichung 1:</translation>
    </message>
    <message>
        <source>Equation 2:</source>
        <translation>Gleichung 2:</translation>
    </message>
</context>
<context>
    <name>working</name>
    <message>
        <source>a number is too large to work with exactly</source>
        <translation>eine Zahl ist zu groß, um exakt damit zu rechnen</translation>
    </message>
    <message>
        <source>both points are (%1, %2), one point: it makes no line</source>
        <translation>beide Punkte sind (%1, %2), also nur ein einziger Punkt, und der legt keine Gerade fest</translation>
    </message>
    <message>
        <source>the run x2 - x1 is 0, so the slope is undefined; every point of the line has x = %1</source>
        <translation>x2 - x1 ist 0, also ist die Steigung nicht definiert; jeder Punkt der Geraden hat x = %1</translation>
    </message>
    <message>
        <source>the rise is 0, so the line is horizontal and its slope is 0</source>
        <translation>y2 - y1 ist 0, also ist die Gerade waagerecht und ihre Steigung ist 0</translation>
    </message>
    <message>
        <source>the line meets the x-axis at (%1, %2)</source>
        <translation>die Gerade schneidet die x-Achse in (%1, %2)</translation>
    </message>
    <message>
        <source>the line meets the y-axis at (%1, %2)</source>
        <translation>die Gerade schneidet die y-Achse in (%1, %2)</translation>
    </message>
    <message>
        <source>the line is x = 0, the y-axis itself: it meets it all along</source>
        <translation>die Gerade ist x = 0, also die y-Achse selbst: Beide fallen zusammen</translation>
    </message>
    <message>
        <source>every point of the line has x = %1, and the y-axis is x = 0: they never meet</source>
        <translation>jeder Punkt der Geraden hat x = %1, die y-Achse aber ist x = 0: Gerade und y-Achse schneiden sich nie</translation>
    </message>
    <message>
        <source>every point of the line has x = %1</source>
        <translation>jeder Punkt der Geraden hat x = %1</translation>
    </message>
    <message>
        <source>every point of the line has x = %1, so it meets the x-axis (y = 0) there</source>
        <translation>jeder Punkt der Geraden hat x = %1, also schneidet sie die x-Achse (y = 0) dort</translation>
    </message>
    <message>
        <source>the line is y = 0, the x-axis itself: it meets it all along</source>
        <translation>die Gerade ist y = 0, also die x-Achse selbst: Beide fallen zusammen</translation>
    </message>
    <message>
        <source>0 = 0 x + %1 has no answer: the line stays at y = %2 and never meets the x-axis</source>
        <translation>0 = 0 x + %1 hat keine Lösung: Die Gerade bleibt bei y = %2 und schneidet die x-Achse nie</translation>
    </message>
    <message>
        <source>the y-axis is x = 0: put x = 0 into y = m x + b</source>
        <translation>die y-Achse ist x = 0: Setze x = 0 in y = m x + b ein</translation>
    </message>
    <message>
        <source>Line %1: the slope m, how steep it is</source>
        <translation>Gerade %1: die Steigung m, wie steil sie ist</translation>
    </message>
    <message>
        <source>Line %1: the y-intercept b</source>
        <translation>Gerade %1: der y-Achsenabschnitt b</translation>
    </message>
    <message>
        <source>Line %1: the equation</source>
        <translation>Gerade %1: die Gleichung</translation>
    </message>
    <message>
        <source>Line %1: where it meets the x-axis</source>
        <translation>Gerade %1: wo sie die x-Achse schneidet</translation>
    </message>
    <message>
        <source>Line %1: where it meets the y-axis</source>
        <translation>Gerade %1: wo sie die y-Achse schneidet</translation>
    </message>
    <message>
        <source>line %1 is not a line, so there is nothing to cross</source>
        <translation>die Punkte von Gerade %1 legen keine Gerade fest, also gibt es keinen Schnittpunkt</translation>
    </message>
    <message>
        <source>both lines are vertical: x = %1 and x = %2</source>
        <translation>beide Geraden sind senkrecht: x = %1 und x = %2</translation>
    </message>
    <message>
        <source>they are the same line</source>
        <translation>sie sind dieselbe Gerade</translation>
    </message>
    <message>
        <source>they are parallel and never meet</source>
        <translation>sie sind parallel und schneiden sich nie</translation>
    </message>
    <message>
        <source>b1 = b2 = %1, so they are the same line</source>
        <translation>b1 = b2 = %1, also sind sie dieselbe Gerade</translation>
    </message>
    <message>
        <source>b1 = %1 but b2 = %2, so they are parallel and never meet</source>
        <translation>b1 = %1, aber b2 = %2, also sind sie parallel und schneiden sich nie</translation>
    </message>
    <message>
        <source>line %1 is x = %2, so where they cross x = %2</source>
        <translation>Gerade %1 ist x = %2, also gilt im Schnittpunkt x = %2</translation>
    </message>
    <message>
        <source>put x = %1 into line %2: y = m%2 x + b%2</source>
        <translation>setze x = %1 in die Gleichung von Gerade %2 ein: y = m%2 x + b%2</translation>
    </message>
    <message>
        <source>Where the lines cross</source>
        <translation>Der Schnittpunkt der Geraden</translation>
    </message>
    <message>
        <source>check on line 2: y = m2 x + b2</source>
        <translation>Probe mit Gerade 2: y = m2 x + b2</translation>
    </message>
    <message>
        <source>Parallel, perpendicular or neither</source>
        <translation>Parallel, orthogonal oder keins von beidem</translation>
    </message>
    <message>
        <source>the two lines are one and the same line</source>
        <translation>die beiden Geraden sind ein und dieselbe Gerade</translation>
    </message>
    <message>
        <source>the lines go the same way and never meet: they are parallel</source>
        <translation>die Geraden haben dieselbe Richtung und schneiden sich nie: Sie sind parallel</translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is horizontal, so they meet at a right angle: perpendicular</source>
        <translation>Gerade %1 ist senkrecht und Gerade %2 waagerecht, also schneiden sie sich im rechten Winkel: orthogonal</translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is not horizontal, so they cross but are not perpendicular</source>
        <translation>Gerade %1 ist senkrecht und Gerade %2 nicht waagerecht, also schneiden sie sich, sind aber nicht orthogonal</translation>
    </message>
    <message>
        <source>m1 * m2 = -1, so the lines are perpendicular</source>
        <translation>m1 * m2 = -1, also sind die Geraden orthogonal</translation>
    </message>
    <message>
        <source>that is not -1, so the lines cross but are not perpendicular</source>
        <translation>das ist nicht -1, also schneiden sich die Geraden, sind aber nicht orthogonal</translation>
    </message>
</context>
</TS>
