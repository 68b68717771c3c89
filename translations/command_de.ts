<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>answer key</name>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4</source>
        <translation>Gerade %1 %2: &apos;%3&apos; als %4 gelesen</translation>
    </message>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4 (decimal comma)</source>
        <translation>Gerade %1 %2: &apos;%3&apos; als %4 gelesen (Dezimalkomma)</translation>
    </message>
    <message>
        <source>line %1 %2 empty, read as 0</source>
        <translation>Gerade %1 %2: leer, als 0 gelesen</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Steigung %1</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>y-Achsenabschnitt %1</translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation>Gleichung %1</translation>
    </message>
    <message>
        <source>x-axis crossing %1</source>
        <translation>Nullstelle %1</translation>
    </message>
    <message>
        <source>y-axis crossing %1</source>
        <translation>Schnittpunkt mit der y-Achse %1</translation>
    </message>
    <message>
        <source>Exact kind %1</source>
        <translation>Exakte Geradenart %1</translation>
    </message>
    <message>
        <source>Exact slope %1</source>
        <translation>Exakte Steigung %1</translation>
    </message>
    <message>
        <source>Exact y-intercept %1</source>
        <translation>Exakter y-Achsenabschnitt %1</translation>
    </message>
    <message>
        <source>Exact x-intercept %1</source>
        <translation>Exakte Nullstelle %1</translation>
    </message>
    <message>
        <source>Exact equation %1</source>
        <translation>Exakte Gleichung %1</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Gerade %1: %2</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Schnittpunkt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Exact crossing kind</source>
        <translation>Exakte Art des Schnittpunkts</translation>
    </message>
    <message>
        <source>Exact crossing x</source>
        <translation>Exakter Schnittpunkt x</translation>
    </message>
    <message>
        <source>Exact crossing y</source>
        <translation>Exakter Schnittpunkt y</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>a sheet holds at most %1 rows below its header; this row was left out</source>
        <translation>ein Tabellenblatt fasst höchstens %1 Zeilen unter der Kopfzeile; diese Zeile wurde ausgelassen</translation>
    </message>
    <message>
        <source>a cell holds more than the %1 characters a spreadsheet cell holds; it was cut to fit</source>
        <translation>eine Zelle enthält mehr als die %1 Zeichen, die eine Tabellenzelle fasst; sie wurde gekürzt</translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation>die Arbeitsmappe kann nicht angelegt werden</translation>
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
        <translation>Aufruf: %1 [Optionen]
        %1 --answers [file] [--format csv|jsonl|xlsx] [-o &lt;file&gt;] [--arithmetic exact|designed] [--range &lt;lower&gt; &lt;upper&gt;]
                  [--separator &apos;,&apos;|&apos;;&apos;|tab] [--headers fields|words] [--working]
        %1 --export &lt;file&gt; [--line1 x1 y1 x2 y2|equation] [--line2 ...] [--range &lt;lower&gt; &lt;upper&gt;] [--scale n] [--working]
        %1 --worksheet &lt;file.pdf&gt; [--exercises n] [--level 1|2|3] [--seed s] [--key &lt;key.pdf&gt;] [--exercises-csv &lt;file.csv&gt;]
        %1 --practice [--level 1|2|3] [--seed s]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Auch die eigenen Optionen von Qt wie -platform und -style werden angenommen.</translation>
    </message>
    <message>
        <source>Plot two straight lines and find where they cross.</source>
        <translation>Zwei Geraden zeichnen und ihren Schnittpunkt bestimmen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the product name and version and exit.</source>
        <translation>Produktnamen und Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Write an answer key: read pairs of lines as CSV from the file, or from standard input, and write for each what the window shows after Draw Both Lines and the exact values.</source>
        <translation>Die Lösungen schreiben: Geradenpaare als CSV aus der Datei oder von der Standardeingabe lesen und zu jedem Paar schreiben, was das Fenster zeigt, wenn beide Geraden gezeichnet sind, dazu die exakten Werte.</translation>
    </message>
    <message>
        <source>The answer key&apos;s form: csv, jsonl, or xlsx, a workbook for a spreadsheet. Unless given, the extension of -o chooses it, and otherwise csv.</source>
        <translation>Das Format der Lösungen: csv, jsonl oder xlsx, eine Arbeitsmappe für eine Tabellenkalkulation. Ohne Angabe entscheidet die Endung von -o, sonst csv.</translation>
    </message>
    <message>
        <source>How the answer key works out the window&apos;s texts: exact (the default), each answer worked out exactly and rounded once, or designed, the original program&apos;s double arithmetic, round-off and all.</source>
        <translation>Wie die Lösungen die Texte des Fensters berechnen: exact (Vorgabe), jede Antwort exakt berechnet und einmal gerundet, oder designed, die Gleitkommarechnung des ursprünglichen Programms samt ihren Rundungsfehlern.</translation>
    </message>
    <message>
        <source>What separates the answer key&apos;s input fields: &apos;,&apos;, &apos;;&apos; or tab. Found from the first rows unless given; in a file separated by &apos;;&apos; or tab, a comma inside a number is its decimal point.</source>
        <translation>Was die Eingabefelder trennt: &apos;,&apos;, &apos;;&apos; oder tab. Ohne Angabe aus den ersten Zeilen erkannt; in einer Datei, die durch &apos;;&apos; oder Tabulatoren getrennt ist, ist ein Komma in einer Zahl ihr Dezimalzeichen.</translation>
    </message>
    <message>
        <source>The CSV answer key&apos;s header: fields (the default), the names scripts read, or words, plain words for a spreadsheet.</source>
        <translation>Die Kopfzeile der CSV-Lösungen: fields (Vorgabe), die Namen, die Skripte lesen, oder words, einfache Wörter für eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>Write the answer key to &lt;file&gt; rather than to standard output.</source>
        <translation>Die Lösungen in &lt;file&gt; statt auf die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <source>Add the working, every answer worked out step by step in exact fractions: a column or field of the answer key, or pages below the picture of a .pdf export.</source>
        <translation>Den Rechenweg hinzufügen, jede Antwort Schritt für Schritt mit exakten Brüchen: als Spalte oder Feld der Lösungen oder als Seiten unter dem Bild eines .pdf-Exports.</translation>
    </message>
    <message>
        <source>Write the picture Draw Both Lines would show to &lt;file&gt; (.png, .svg or .pdf), without a window.</source>
        <translation>Das Bild der beiden gezeichneten Geraden ohne Fenster in &lt;file&gt; (.png, .svg oder .pdf) schreiben.</translation>
    </message>
    <message>
        <source>Line one&apos;s end points for --export, as typed in the window, or its equation as one value: &quot;y = 2x + 3&quot;.</source>
        <translation>Die Endpunkte der ersten Geraden für --export, wie im Fenster eingegeben, oder ihre Gleichung als ein Wert: &quot;y = 2x + 3&quot;.</translation>
    </message>
    <message>
        <source>Line two&apos;s end points for --export, as typed in the window, or its equation as one value.</source>
        <translation>Die Endpunkte der zweiten Geraden für --export, wie im Fenster eingegeben, oder ihre Gleichung als ein Wert.</translation>
    </message>
    <message>
        <source>The texts of the two range fields, -10 and 10 unless given.</source>
        <translation>Die Texte der beiden Felder des Bereichs, ohne Angabe -10 und 10.</translation>
    </message>
    <message>
        <source>Multiply a PNG picture&apos;s size in pixels by &lt;n&gt;.</source>
        <translation>Die Größe eines PNG-Bildes in Pixeln mit &lt;n&gt; multiplizieren.</translation>
    </message>
    <message>
        <source>Write a worksheet of exercises to &lt;file&gt; (.pdf), without a window.</source>
        <translation>Ein Arbeitsblatt mit Aufgaben ohne Fenster in &lt;file&gt; (.pdf) schreiben.</translation>
    </message>
    <message>
        <source>How many exercises the worksheet has: 8 unless given.</source>
        <translation>Wie viele Aufgaben das Arbeitsblatt hat: ohne Angabe 8.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s or the practice&apos;s level: 1 (whole-number slopes, the default), 2 (fractional slopes) or 3 (with parallel, same, vertical, horizontal and perpendicular pairs).</source>
        <translation>Die Stufe des Arbeitsblatts oder von „Üben“: 1 (ganzzahlige Steigungen, Vorgabe), 2 (Steigungen als Brüche) oder 3 (auch mit parallelen, identischen, senkrechten, waagerechten und zueinander orthogonalen Geradenpaaren).</translation>
    </message>
    <message>
        <source>Make the same worksheet again, with the seed printed in its footer, or the same practice, with the seed its window shows.</source>
        <translation>Dasselbe Arbeitsblatt noch einmal erstellen, mit dem Startwert aus seiner Fußzeile, oder dieselben Übungsaufgaben, mit dem Startwert, den das Fenster „Üben“ zeigt.</translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s key, with pictures and answers, to &lt;file&gt; (.pdf).</source>
        <translation>Die Lösungen des Arbeitsblatts mit Bildern und Antworten in &lt;file&gt; (.pdf) schreiben.</translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s exercises as the CSV --answers reads.</source>
        <translation>Die Aufgaben des Arbeitsblatts als CSV schreiben, wie --answers es liest.</translation>
    </message>
    <message>
        <source>Open the Practice window at once: exercises to answer, each answer checked.</source>
        <translation>Sofort das Fenster „Üben“ öffnen: Aufgaben zum Lösen, jede Antwort wird geprüft.</translation>
    </message>
    <message>
        <source>Speak German (de), English (en), Spanish (es) or French (fr) rather than the desktop&apos;s language, in the window and in every command&apos;s pages and messages.</source>
        <translation>Deutsch (de), Englisch (en), Spanisch (es) oder Französisch (fr) statt der Sprache der Arbeitsumgebung verwenden, im Fenster und in den Seiten und Meldungen jedes Befehls.</translation>
    </message>
</context>
<context>
    <name>command line</name>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>field %1 is not UTF-8 text; save the file as CSV UTF-8</source>
        <translation>Feld %1 ist kein UTF-8-Text; bitte die Datei als CSV UTF-8 speichern</translation>
    </message>
    <message>
        <source>field %1 is longer than the %2 characters a field of the window holds</source>
        <translation>Feld %1 ist länger als die %2 Zeichen, die ein Feld des Fensters fasst</translation>
    </message>
    <message>
        <source>%1 field; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation>%1 Feld; jede Zeile braucht 8: X1, Y1, X2, Y2 der ersten Geraden, dann der zweiten</translation>
    </message>
    <message>
        <source>%1 fields; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation>%1 Felder; jede Zeile braucht 8: X1, Y1, X2, Y2 der ersten Geraden, dann der zweiten</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>die Standardeingabe</translation>
    </message>
    <message>
        <source>%1 is a workbook; save it as CSV (File › Save As) and give that file</source>
        <translation>%1 ist eine Arbeitsmappe; bitte als CSV speichern (Datei › Speichern unter) und diese Datei angeben</translation>
    </message>
    <message>
        <source>%1 is not text but a binary file; the answer key reads CSV, saved as CSV UTF-8</source>
        <translation>%1 ist kein Text, sondern eine Binärdatei; für die Lösungen wird CSV gelesen, gespeichert als CSV UTF-8</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: a field is too large</source>
        <translation>%1 kann nicht gelesen werden: Ein Feld ist zu groß</translation>
    </message>
    <message>
        <source>not valid CSV: a quote stands inside a field that does not start with one, or after the quote that ends one; the rest of the line was skipped</source>
        <translation>kein gültiges CSV: Ein Anführungszeichen steht in einem Feld, das nicht mit einem beginnt, oder nach dem Anführungszeichen, das ein Feld beendet; der Rest der Zeile wurde übersprungen</translation>
    </message>
    <message>
        <source>not valid CSV: a quoted field has no closing quote</source>
        <translation>kein gültiges CSV: Einem Feld in Anführungszeichen fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>… and %1 more rows in error</source>
        <translation>… und %1 weitere fehlerhafte Zeilen</translation>
    </message>
    <message>
        <source>no row split into %1 fields at the separator %2; if the file uses another, name it: --separator &apos;,&apos;, --separator &apos;;&apos; or --separator tab</source>
        <translation>keine Zeile zerfällt am Trennzeichen %2 in %1 Felder; verwendet die Datei ein anderes, bitte angeben: --separator &apos;,&apos;, --separator &apos;;&apos; oder --separator tab</translation>
    </message>
    <message>
        <source>the answers</source>
        <translation>die Lösungsdatei</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot read the workbook back from its temporary file</source>
        <translation>die Arbeitsmappe kann nicht aus ihrer temporären Datei zurückgelesen werden</translation>
    </message>
    <message>
        <source>a workbook is not text for a terminal: name its file with -o key.xlsx, or redirect standard output to one</source>
        <translation>eine Arbeitsmappe ist kein Text für ein Terminal: Bitte ihre Datei mit -o key.xlsx angeben oder die Standardausgabe in eine Datei umleiten</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--range takes two values, the lowest and the highest: --range -10 10.</source>
        <translation>--range erwartet zwei Werte, den kleinsten und den größten: --range -10 10.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>-o &apos;%1&apos; is the file standard input reads: the key would replace its input.</source>
        <translation>-o &apos;%1&apos; ist die Datei, aus der die Standardeingabe liest: Die Lösungen würden ihre Eingabe ersetzen.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; and %3 &apos;%4&apos; are the same file: one would replace the other; give each its own name.</source>
        <translation>%1 &apos;%2&apos; und %3 &apos;%4&apos; sind dieselbe Datei: Die eine würde die andere ersetzen; bitte jeder einen eigenen Namen geben.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Mehr Informationen mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Gerade %1: %2</translation>
    </message>
    <message>
        <source>cannot read the equation &apos;%1&apos;: </source>
        <translation>die Gleichung &apos;%1&apos; kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>%1 is used only with %2.</source>
        <translation>%1 wird nur zusammen mit %2 verwendet.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 takes only %2.</source>
        <translation>%1 erlaubt nur %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together.</source>
        <translation>%1 und %2 können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation>das Schreiben ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 was not written either</source>
        <translation>%1 wurde ebenfalls nicht geschrieben</translation>
    </message>
    <message>
        <source>%1 were not written either</source>
        <translation>%1 wurden ebenfalls nicht geschrieben</translation>
    </message>
    <message>
        <source>Unknown %1 &apos;%2&apos;: use %3 or %4.</source>
        <translation>Unbekannter Wert &apos;%2&apos; für --%1: Möglich sind %3 oder %4.</translation>
    </message>
    <message>
        <source>--level takes 1, 2 or 3.</source>
        <translation>--level erwartet 1, 2 oder 3.</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1.</source>
        <translation>--seed erwartet eine ganze Zahl von 0 bis %1.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: --answers reads one file.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;: --answers liest eine einzige Datei.</translation>
    </message>
    <message>
        <source>Unknown separator &apos;%1&apos;: use &apos;,&apos;, &apos;;&apos; or tab.</source>
        <translation>Unbekanntes Trennzeichen &apos;%1&apos;: Möglich sind &apos;,&apos;, &apos;;&apos; oder tab.</translation>
    </message>
    <message>
        <source>--format %1 does not match -o &apos;%2&apos;: name the file .%1, or leave --format out.</source>
        <translation>--format %1 passt nicht zu -o &apos;%2&apos;: Bitte die Endung .%1 verwenden oder --format weglassen.</translation>
    </message>
    <message>
        <source>The range&apos;s texts can be at most %1 characters long, as in the window.</source>
        <translation>Die Texte des Bereichs dürfen höchstens %1 Zeichen lang sein, wie im Fenster.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a .pdf file name: worksheets and keys are PDF pages.</source>
        <translation>&apos;%1&apos; ist kein .pdf-Dateiname: Arbeitsblätter und Lösungen sind PDF-Seiten.</translation>
    </message>
    <message>
        <source>--exercises takes a whole number from 1 to 200.</source>
        <translation>--exercises erwartet eine ganze Zahl von 1 bis 200.</translation>
    </message>
    <message>
        <source>Cannot tell the picture&apos;s format from &apos;%1&apos;: name it .png, .svg or .pdf.</source>
        <translation>Das Bildformat ist an &apos;%1&apos; nicht zu erkennen: bitte die Endung .png, .svg oder .pdf verwenden.</translation>
    </message>
    <message>
        <source>--working needs pages: name the file .pdf, not &apos;%1&apos;.</source>
        <translation>--working braucht Seiten: Bitte eine .pdf-Datei angeben, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The scale &apos;%1&apos; is not a number from above 0 to 16.</source>
        <translation>Der Maßstab &apos;%1&apos; ist keine Zahl größer als 0 und höchstens 16.</translation>
    </message>
</context>
<context>
    <name>printed working</name>
    <message>
        <source>Graph and working</source>
        <translation>Graph und Rechenweg</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>%1 · page %2</source>
        <translation>%1 · Seite %2</translation>
    </message>
    <message>
        <source>Straight lines</source>
        <translation>Geraden</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>y-intercept</source>
        <translation>y-Achsenabschnitt</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Gleichung</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Schnittpunkt</translation>
    </message>
    <message>
        <source>Find each line&apos;s slope, y-intercept and equation, and where the lines cross.</source>
        <translation>Bestimme für jede Gerade die Steigung, den y-Achsenabschnitt und die Gleichung sowie den Schnittpunkt.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Gerade %1</translation>
    </message>
    <message>
        <source>Straight lines: answers</source>
        <translation>Geraden: Lösungen</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Trellan worksheet · level %1 · seed %2</source>
        <translation>Trellan-Arbeitsblatt · Stufe %1 · Startwert %2</translation>
    </message>
</context>
</TS>
