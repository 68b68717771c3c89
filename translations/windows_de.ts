<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Öffnet ein Fenster mit beiden Geraden und ihrem Schnittpunkt als exakte Brüche</translation>
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
</TS>
