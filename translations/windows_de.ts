<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ExactValues</name>
    <message>
        <source>Its end points hold a number too large to work with exactly (more than %1 digits before or after the point).</source>
        <translation>Ihre Endpunkte enthalten eine Zahl, die zu groß ist, um exakt damit zu rechnen (mehr als %1 Ziffern vor oder nach dem Dezimalpunkt).</translation>
    </message>
    <message>
        <source>none: the line never meets %1</source>
        <translation>nicht vorhanden (die Gerade schneidet %1 nie)</translation>
    </message>
    <message>
        <source>all: the line is %1</source>
        <translation>alle Punkte (die Gerade ist %1)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Gerade %1</translation>
    </message>
    <message>
        <source>Through %1 and %2</source>
        <translation>Verläuft durch %1 und %2</translation>
    </message>
    <message>
        <source>Both end points are the same point, so they make no line.</source>
        <translation>Beide Endpunkte sind derselbe Punkt, sie legen also keine Gerade fest.</translation>
    </message>
    <message>
        <source>Equation: %1</source>
        <translation>Gleichung: %1</translation>
    </message>
    <message>
        <source>Slope: %1</source>
        <translation>Steigung: %1</translation>
    </message>
    <message>
        <source>none: a vertical line has no slope</source>
        <translation>nicht definiert (eine senkrechte Gerade hat keine Steigung)</translation>
    </message>
    <message>
        <source>y-intercept: %1</source>
        <translation>y-Achsenabschnitt: %1</translation>
    </message>
    <message>
        <source>the y-axis</source>
        <translation>die y-Achse</translation>
    </message>
    <message>
        <source>x-intercept: %1</source>
        <translation>Nullstelle: %1</translation>
    </message>
    <message>
        <source>the x-axis</source>
        <translation>die x-Achse</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Schnittpunkt</translation>
    </message>
    <message>
        <source>The lines are parallel: they never meet.</source>
        <translation>Die Geraden sind parallel: Sie schneiden sich nie.</translation>
    </message>
    <message>
        <source>The lines are the same line: they meet everywhere.</source>
        <translation>Die beiden Geraden sind dieselbe Gerade: Sie haben alle Punkte gemeinsam.</translation>
    </message>
    <message>
        <source>None: it takes two lines to cross.</source>
        <translation>Keiner: Für einen Schnittpunkt braucht man zwei Geraden.</translation>
    </message>
    <message>
        <source>The window stops with a warning here: %1</source>
        <translation>Das Hauptfenster bricht hier mit einer Warnung ab: %1</translation>
    </message>
    <message>
        <source>The window&apos;s decimal answers</source>
        <translation>Die Dezimalergebnisse des Hauptfensters</translation>
    </message>
    <message>
        <source>For these end points every answer the window gives is exact.</source>
        <translation>Für diese Endpunkte sind alle Ergebnisse des Hauptfensters exakt.</translation>
    </message>
    <message>
        <source>Line %1&apos;s slope</source>
        <translation>Steigung von Gerade %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept</source>
        <translation>y-Achsenabschnitt von Gerade %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s x-axis crossing</source>
        <translation>Nullstelle von Gerade %1</translation>
    </message>
    <message>
        <source>%1: the window shows %2, rounded; exactly, it is %3.</source>
        <translation>%1: Das Hauptfenster zeigt den gerundeten Wert %2; der exakte Wert ist %3.</translation>
    </message>
    <message>
        <source>The crossing: the window shows %1, rounded; exactly, it is %2.</source>
        <translation>Schnittpunkt: Das Hauptfenster zeigt den gerundeten Punkt %1; der exakte Punkt ist %2.</translation>
    </message>
    <message>
        <source>These end points were rounded to 15 significant digits from the typed equation %1: it has no two points with short exact decimals in the range. The line through them is very close to the typed line, not the same.</source>
        <translation>Diese Endpunkte wurden aus der eingegebenen Gleichung %1 auf 15 signifikante Stellen gerundet: Im Bereich hat diese Gerade keine zwei Punkte, deren Koordinaten sich mit wenigen Dezimalstellen exakt schreiben lassen. Die Gerade durch diese Endpunkte liegt sehr nahe an der eingegebenen Geraden, ist aber nicht dieselbe.</translation>
    </message>
    <message>
        <source>Too large to work with exactly</source>
        <translation>Zu groß, um exakt damit zu rechnen</translation>
    </message>
    <message>
        <source>Exactly %1</source>
        <translation>Exakt %1</translation>
    </message>
    <message>
        <source>Exactly none: the line never meets %1</source>
        <translation>Exakt: nicht vorhanden, die Gerade schneidet %1 nie</translation>
    </message>
    <message>
        <source>Exactly all: the line is %1</source>
        <translation>Exakt: alle Punkte, die Gerade ist %1</translation>
    </message>
    <message>
        <source>Exactly no slope: the line is vertical</source>
        <translation>Exakt: nicht definiert, die Gerade ist senkrecht</translation>
    </message>
    <message>
        <source>where %1</source>
        <translation>wobei %1</translation>
    </message>
    <message>
        <source>where %1 and %2</source>
        <translation>wobei %1 und %2</translation>
    </message>
    <message>
        <source>The lines are perpendicular</source>
        <translation>Die Geraden sind orthogonal</translation>
    </message>
    <message>
        <source>Exactly parallel: the lines never meet</source>
        <translation>Exakt parallel: Die Geraden schneiden sich nie</translation>
    </message>
    <message>
        <source>Exactly the same line</source>
        <translation>Exakt dieselbe Gerade</translation>
    </message>
</context>
<context>
    <name>ExactWindow</name>
    <message>
        <source>Exact values</source>
        <translation>Exakte Werte</translation>
    </message>
    <message>
        <source>Both lines and their crossing as fractions, where the main window&apos;s decimal answers are rounded, and the working, step by step</source>
        <translation>Beide Geraden und ihr Schnittpunkt als Brüche, die Stellen, an denen das Hauptfenster gerundet hat, und der Rechenweg Schritt für Schritt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the Exact values window</source>
        <translation>Schließt das Fenster „Exakte Werte“</translation>
    </message>
    <message>
        <source>Copy the working</source>
        <translation>Rechenweg kopieren</translation>
    </message>
    <message>
        <source>Copies the working as plain text, for any editor</source>
        <translation>Kopiert den Rechenweg als reinen Text, für jeden Editor</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>X-int</source>
        <extracomment>Short name of the point where a line crosses the x-axis, before &quot; = ( x , 0 )&quot;</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Y-int</source>
        <extracomment>Short name of the point where a line crosses the y-axis, before &quot; = ( 0 , y )&quot;</extracomment>
        <translation>Sy</translation>
    </message>
    <message>
        <source>Quarnby&apos;s Trellan</source>
        <translation>Quarnbys Trellan</translation>
    </message>
    <message>
        <source>Intersection :</source>
        <translation>Schnittpunkt:</translation>
    </message>
    <message>
        <source>Place results into the textbox below</source>
        <translation>Ergebnisse unten ins Textfeld eintragen</translation>
    </message>
    <message>
        <source> Mouse Coordinates:</source>
        <translation> Mauskoordinaten:</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Exact values ...</source>
        <translation>Exakte Werte ...</translation>
    </message>
    <message>
        <source>Exact values</source>
        <translation>Exakte Werte</translation>
    </message>
    <message>
        <source>Opens a window with both lines and their crossing as exact fractions</source>
        <translation>Öffnet ein Fenster, das beide Geraden und ihren Schnittpunkt als exakte Brüche zeigt</translation>
    </message>
    <message>
        <source>Practice ...</source>
        <translation>Üben ...</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Opens exercises to answer, each answer checked (F2)</source>
        <translation>Öffnet Aufgaben zum Lösen; jede Antwort wird geprüft (F2)</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Highest value of the range</source>
        <translation>Größter Wert des Bereichs</translation>
    </message>
    <message>
        <source>Lowest value of the range</source>
        <translation>Kleinster Wert des Bereichs</translation>
    </message>
    <message>
        <source>Pointer X</source>
        <translation>Mauszeiger, X</translation>
    </message>
    <message>
        <source>Pointer Y</source>
        <translation>Mauszeiger, Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Slope of line %1</source>
        <translation>Steigung von Gerade %1</translation>
    </message>
    <message>
        <source>Y-intercept of line %1</source>
        <translation>y-Achsenabschnitt von Gerade %1</translation>
    </message>
    <message>
        <source>Equation of line %1</source>
        <translation>Gleichung von Gerade %1</translation>
    </message>
    <message>
        <source>X-axis crossing of line %1</source>
        <translation>Nullstelle von Gerade %1</translation>
    </message>
    <message>
        <source>Y-axis crossing of line %1</source>
        <translation>Schnittpunkt von Gerade %1 mit der y-Achse</translation>
    </message>
    <message>
        <source>Draw Line 1</source>
        <translation>Gerade 1
zeichnen</translation>
    </message>
    <message>
        <source>Draw
Both
Lines</source>
        <extracomment>The narrow picture button&apos;s words, one line each: keep the lines short</extracomment>
        <translation>Beide
Geraden
zeichnen</translation>
    </message>
    <message>
        <source>Line %1, %2</source>
        <translation>Gerade %1, %2</translation>
    </message>
    <message>
        <source>Draw Line 2</source>
        <translation>Gerade 2
zeichnen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The picture button&apos;s words, drawn spaced out; a line break starts a new line</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Equation One:</source>
        <translation>Gleichung 1:</translation>
    </message>
    <message>
        <source>Equation Two:</source>
        <translation>Gleichung 2:</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Save picture as</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save picture as…</source>
        <translation>Bild &amp;speichern unter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>Show &amp;end-point coordinates</source>
        <translation>Koordinaten der &amp;Endpunkte zeigen</translation>
    </message>
    <message>
        <source>The picture could not be saved to “%1”: %2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1:%2    crosses the x-axis at %3, the y-axis at %4</source>
        <translation>%1:%2    schneidet die x-Achse bei %3, die y-Achse bei %4</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Gerade 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Gerade 2</translation>
    </message>
    <message>
        <source>Crossing point: %1</source>
        <translation>Schnittpunkt: %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF page (*.pdf)</source>
        <translation>PDF-Seite (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Slope of line one</source>
        <translation>Steigung der ersten Geraden</translation>
    </message>
    <message>
        <source>y-intercept of line one</source>
        <translation>y-Achsenabschnitt der ersten Geraden</translation>
    </message>
    <message>
        <source>Equation of line one</source>
        <translation>Gleichung der ersten Geraden</translation>
    </message>
    <message>
        <source>Slope of line two</source>
        <translation>Steigung der zweiten Geraden</translation>
    </message>
    <message>
        <source>y-intercept of line two</source>
        <translation>y-Achsenabschnitt der zweiten Geraden</translation>
    </message>
    <message>
        <source>Equation of line two</source>
        <translation>Gleichung der zweiten Geraden</translation>
    </message>
    <message>
        <source>Where the lines cross</source>
        <translation>Schnittpunkt der Geraden</translation>
    </message>
    <message>
        <source>1: whole-number slopes</source>
        <translation>1: ganzzahlige Steigungen</translation>
    </message>
    <message>
        <source>2: fractional slopes</source>
        <translation>2: Steigungen als Brüche</translation>
    </message>
    <message>
        <source>3: parallel, perpendicular, vertical and more</source>
        <translation>3: parallel, orthogonal, senkrecht und mehr</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Graph of the two lines</source>
        <translation>Graph der beiden Geraden</translation>
    </message>
    <message>
        <source>Slope m</source>
        <translation>Steigung m</translation>
    </message>
    <message>
        <source>y-intercept b</source>
        <translation>y-Achsenabschnitt b</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Gleichung</translation>
    </message>
    <message>
        <source>Line one</source>
        <translation>Erste Gerade</translation>
    </message>
    <message>
        <source>Line two</source>
        <translation>Zweite Gerade</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Schnittpunkt</translation>
    </message>
    <message>
        <source>parallel</source>
        <comment>the crossing&apos;s answer for parallel lines</comment>
        <translation>parallel</translation>
    </message>
    <message>
        <source>the same line</source>
        <comment>the crossing&apos;s answer for two lines that are one</comment>
        <translation>dieselbe Gerade</translation>
    </message>
    <message>
        <source>a point (x, y), parallel or the same line</source>
        <translation>ein Punkt (x, y), parallel oder dieselbe Gerade</translation>
    </message>
    <message>
        <source>A vertical line: its slope is undefined, its y-intercept none (all for x = 0).</source>
        <translation>Senkrechte Gerade: Steigung nicht definiert, y-Achsenabschnitt „keiner“ (x = 0: „alle“).</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Mark each answer right or wrong (Enter)</source>
        <translation>Bewertet jede Antwort als richtig oder falsch (Eingabetaste)</translation>
    </message>
    <message>
        <source>Show &amp;working</source>
        <translation>&amp;Rechenweg zeigen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>A new exercise</source>
        <translation>Eine neue Aufgabe</translation>
    </message>
    <message>
        <source>Show in &amp;main window</source>
        <translation>Im &amp;Hauptfenster zeigen</translation>
    </message>
    <message>
        <source>Type the exercise&apos;s end points into the main window and draw both lines</source>
        <translation>Trägt die Endpunkte der Aufgabe ins Hauptfenster ein und zeichnet beide Geraden</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <source>Each answer counts once, at its first check; once Show working has shown the answers, they count no more</source>
        <translation>Jede Antwort zählt einmal, beim ersten Prüfen; sobald „Rechenweg zeigen“ die Lösungen gezeigt hat, zählen sie nicht mehr</translation>
    </message>
    <message>
        <source>Hints and working</source>
        <translation>Tipps und Rechenweg</translation>
    </message>
    <message>
        <source>Exercise %1 at level %2, seed %3</source>
        <translation>Aufgabe %1 auf Stufe %2, Startwert %3</translation>
    </message>
    <message>
        <source>trellan --practice --level %1 --seed %2 starts this sitting again</source>
        <translation>trellan --practice --level %1 --seed %2 startet diese Übungsrunde noch einmal</translation>
    </message>
    <message>
        <source>%1: not read. %2.</source>
        <translation>%1: nicht gelesen. %2.</translation>
    </message>
    <message>
        <source>Type an answer into a field, then Check.</source>
        <translation>Gib eine Antwort in ein Feld ein und klicke dann auf „Prüfen“.</translation>
    </message>
    <message>
        <source>Every answer is right. Next makes a new exercise.</source>
        <translation>Alle Antworten sind richtig. „Weiter“ bringt eine neue Aufgabe.</translation>
    </message>
    <message>
        <source>%1 right so far in this exercise.</source>
        <translation>In dieser Aufgabe bisher richtig: %1.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong in this exercise. A step of the working for each wrong answer; another try earns the next step.</source>
        <translation>In dieser Aufgabe richtig: %1, falsch: %2. Zu jeder falschen Antwort siehst du einen Schritt des Rechenwegs; jeder neue Versuch zeigt den nächsten.</translation>
    </message>
    <message>
        <source>Level %1: a fresh start. The exercises and the score begin again.</source>
        <translation>Stufe %1: ein Neuanfang. Die Aufgaben und die Punktzahl beginnen von vorn.</translation>
    </message>
    <message>
        <source>No answers checked yet</source>
        <translation>Noch keine Antwort geprüft</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>Wrong: look at the step “%1” of the working</source>
        <translation>Falsch: Sieh dir den Schritt „%1“ im Rechenweg an</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Save report as</source>
        <translation>Bericht speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the report before quitting?</source>
        <translation>Den Bericht vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Save report as…</source>
        <translation>Bericht speichern unter…</translation>
    </message>
    <message>
        <source>The report could not be saved to “%1”: %2</source>
        <translation>Der Bericht konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About Trellan</source>
        <translation>Über Trellan</translation>
    </message>
    <message>
        <source>Title, version, credits and planned features of Trellan</source>
        <translation>Titel, Version, Mitwirkende und geplante Funktionen von Trellan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the About window</source>
        <translation>Schließt das Fenster „Über Trellan“</translation>
    </message>
    <message>
        <source>A simple program to check your results</source>
        <translation>Einfach deine Ergebnisse prüfen</translation>
    </message>
    <message>
        <source>Free for good under the GNU GPL, Version %1.%2 Build %3
Some bugs still to be ironed out!</source>
        <translation>Frei unter der GNU GPL, Version %1.%2 Build %3
Ein paar Fehler müssen noch behoben werden!</translation>
    </message>
    <message>
        <source>By %1
Made during August 2008
Email: %2</source>
        <translation>Von %1
Entstanden im August 2008
E-Mail: %2</translation>
    </message>
    <message>
        <source> To Do</source>
        <translation> Noch zu tun</translation>
    </message>
    <message>
        <source>Fix decimal round off errors</source>
        <translation>Rundungsfehler bei Dezimalzahlen beheben</translation>
    </message>
    <message>
        <source>Include decimal to fraction conversion</source>
        <translation>Dezimalzahlen in Brüche umwandeln</translation>
    </message>
    <message>
        <source>Add dragable lines</source>
        <translation>Geraden mit der Maus verschiebbar machen</translation>
    </message>
    <message>
        <source>Include coordinates on the endpoints</source>
        <translation>Koordinaten an den Endpunkten zeigen</translation>
    </message>
    <message>
        <source>Include a dynamic intersection routine</source>
        <translation>Schnittpunkt beim Ziehen laufend berechnen</translation>
    </message>
    <message>
        <source>Include a print facilty</source>
        <translation>Eine Druckfunktion einbauen</translation>
    </message>
    <message>
        <source>Include a screen capture facility</source>
        <translation>Eine Bildschirmfoto-Funktion einbauen</translation>
    </message>
    <message>
        <source>Program title</source>
        <translation>Programmtitel</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Was das Programm kann</translation>
    </message>
    <message>
        <source>Licence and version</source>
        <translation>Lizenz und Version</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Planned features</source>
        <translation>Geplante Funktionen</translation>
    </message>
</context>
<context>
    <name>result box</name>
    <message>
        <source>undefined</source>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
</context>
<context>
    <name>working_section</name>
    <message>
        <source>The working</source>
        <translation>Der Rechenweg</translation>
    </message>
</context>
</TS>
