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
        <translation>nicht vorhanden (die Gerade trifft %1 nie)</translation>
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
        <translation>Steigung der Geraden %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept</source>
        <translation>y-Achsenabschnitt der Geraden %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s x-axis crossing</source>
        <translation>Nullstelle der Geraden %1</translation>
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
        <translation>Exakt: nicht vorhanden, die Gerade trifft %1 nie</translation>
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
        <translation>Die Geraden stehen senkrecht aufeinander</translation>
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
    <name>PictureActions</name>
    <message>
        <source>Save picture as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save picture as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print pre&amp;view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;end-point coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved to “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2    crosses the x-axis at %3, the y-axis at %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing point: %1</source>
        <translation type="unfinished"></translation>
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
        <translation>Wo sich die Geraden schneiden</translation>
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
        <translation>Senkrechte Gerade: Steigung nicht definiert, y-Achsenabschnitt keiner (alle bei x = 0).</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Mark each answer right or wrong (Enter)</source>
        <translation>Jede Antwort als richtig oder falsch bewerten (Eingabetaste)</translation>
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
        <translation>Die Endpunkte der Aufgabe ins Hauptfenster eintragen und beide Geraden zeichnen</translation>
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
        <translation>In dieser Aufgabe richtig: %1, falsch: %2. Zu jeder falschen Antwort ein Schritt des Rechenwegs; jeder neue Versuch bringt den nächsten Schritt.</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the report before quitting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About Trellan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title, version, credits and planned features of Trellan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Schließen</translation>
    </message>
    <message>
        <source>Closes the About window</source>
        <translation type="unfinished"></translation>
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
