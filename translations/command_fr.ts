<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>answer key</name>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4</source>
        <translation>droite %1, %2&#xa0;: «&#xa0;%3&#xa0;» lu comme %4</translation>
    </message>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4 (decimal comma)</source>
        <translation>droite %1, %2&#xa0;: «&#xa0;%3&#xa0;» lu comme %4 (virgule décimale)</translation>
    </message>
    <message>
        <source>line %1 %2 empty, read as 0</source>
        <translation>droite %1, %2&#xa0;: vide, lu comme 0</translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation>Pente %1</translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation>Ordonnée à l’origine %1</translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation>Équation %1</translation>
    </message>
    <message>
        <source>x-axis crossing %1</source>
        <translation>Intersection avec l’axe des abscisses %1</translation>
    </message>
    <message>
        <source>y-axis crossing %1</source>
        <translation>Intersection avec l’axe des ordonnées %1</translation>
    </message>
    <message>
        <source>Exact kind %1</source>
        <translation>Nature exacte %1</translation>
    </message>
    <message>
        <source>Exact slope %1</source>
        <translation>Pente exacte %1</translation>
    </message>
    <message>
        <source>Exact y-intercept %1</source>
        <translation>Ordonnée à l’origine exacte %1</translation>
    </message>
    <message>
        <source>Exact x-intercept %1</source>
        <translation>Abscisse à l’origine exacte %1</translation>
    </message>
    <message>
        <source>Exact equation %1</source>
        <translation>Équation exacte %1</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Droite %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Point d’intersection</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Compte rendu</translation>
    </message>
    <message>
        <source>Exact crossing kind</source>
        <translation>Nature exacte de l’intersection</translation>
    </message>
    <message>
        <source>Exact crossing x</source>
        <translation>x exact de l’intersection</translation>
    </message>
    <message>
        <source>Exact crossing y</source>
        <translation>y exact de l’intersection</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Calculs détaillés</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Ligne de commande</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>a sheet holds at most %1 rows below its header; this row was left out</source>
        <translation>une feuille contient au plus %1 lignes sous son en-tête&#xa0;; cette ligne a été omise</translation>
    </message>
    <message>
        <source>a cell holds more than the %1 characters a spreadsheet cell holds; it was cut to fit</source>
        <translation>une cellule contient plus que les %1 caractères qu’admet une cellule de tableur&#xa0;; elle a été tronquée</translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation>impossible de créer le classeur</translation>
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
        <translation>Usage&#xa0;: %1 [options]
        %1 --answers [file] [--format csv|jsonl|xlsx] [-o &lt;file&gt;] [--arithmetic exact|designed] [--range &lt;lower&gt; &lt;upper&gt;]
                  [--separator &apos;,&apos;|&apos;;&apos;|tab] [--headers fields|words] [--working]
        %1 --export &lt;file&gt; [--line1 x1 y1 x2 y2|equation] [--line2 ...] [--range &lt;lower&gt; &lt;upper&gt;] [--scale n] [--working]
        %1 --worksheet &lt;file.pdf&gt; [--exercises n] [--level 1|2|3] [--seed s] [--key &lt;key.pdf&gt;] [--exercises-csv &lt;file.csv&gt;]
        %1 --practice [--level 1|2|3] [--seed s]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Les options propres à Qt, comme -platform et -style, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Plot two straight lines and find where they cross.</source>
        <translation>Tracer deux droites et trouver leur point d’intersection.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the product name and version and exit.</source>
        <translation>Afficher le nom du produit et sa version, puis quitter.</translation>
    </message>
    <message>
        <source>Write an answer key: read pairs of lines as CSV from the file, or from standard input, and write for each what the window shows after Draw Both Lines and the exact values.</source>
        <translation>Écrire un corrigé&#xa0;: lire des paires de droites en CSV depuis le fichier ou l’entrée standard, et écrire pour chacune ce que la fenêtre affiche une fois les deux droites tracées, ainsi que les valeurs exactes.</translation>
    </message>
    <message>
        <source>The answer key&apos;s form: csv, jsonl, or xlsx, a workbook for a spreadsheet. Unless given, the extension of -o chooses it, and otherwise csv.</source>
        <translation>Le format du corrigé&#xa0;: csv, jsonl ou xlsx, un classeur pour un tableur. À défaut, l’extension de -o le choisit, sinon csv.</translation>
    </message>
    <message>
        <source>How the answer key works out the window&apos;s texts: exact (the default), each answer worked out exactly and rounded once, or designed, the original program&apos;s double arithmetic, round-off and all.</source>
        <translation>Comment le corrigé calcule les textes de la fenêtre&#xa0;: exact (par défaut), chaque réponse calculée exactement et arrondie une seule fois, ou designed, l’arithmétique en virgule flottante du programme d’origine, erreurs d’arrondi comprises.</translation>
    </message>
    <message>
        <source>What separates the answer key&apos;s input fields: &apos;,&apos;, &apos;;&apos; or tab. Found from the first rows unless given; in a file separated by &apos;;&apos; or tab, a comma inside a number is its decimal point.</source>
        <translation>Ce qui sépare les champs lus par le corrigé&#xa0;: &apos;,&apos;, &apos;;&apos; ou tab. À défaut, déduit des premières lignes&#xa0;; dans un fichier séparé par &apos;;&apos; ou par des tabulations, une virgule dans un nombre en est la virgule décimale.</translation>
    </message>
    <message>
        <source>The CSV answer key&apos;s header: fields (the default), the names scripts read, or words, plain words for a spreadsheet.</source>
        <translation>L’en-tête du corrigé CSV&#xa0;: fields (par défaut), les noms que lisent les scripts, ou words, des mots simples pour un tableur.</translation>
    </message>
    <message>
        <source>Write the answer key to &lt;file&gt; rather than to standard output.</source>
        <translation>Écrire le corrigé dans &lt;file&gt; plutôt que sur la sortie standard.</translation>
    </message>
    <message>
        <source>Add the working, every answer worked out step by step in exact fractions: a column or field of the answer key, or pages below the picture of a .pdf export.</source>
        <translation>Ajouter les calculs détaillés, chaque réponse obtenue étape par étape en fractions exactes&#xa0;: une colonne ou un champ du corrigé, ou des pages sous l’image d’un export .pdf.</translation>
    </message>
    <message>
        <source>Write the picture Draw Both Lines would show to &lt;file&gt; (.png, .svg or .pdf), without a window.</source>
        <translation>Écrire dans &lt;file&gt; (.png, .svg ou .pdf) l’image des deux droites tracées, sans fenêtre.</translation>
    </message>
    <message>
        <source>Line one&apos;s end points for --export, as typed in the window, or its equation as one value: &quot;y = 2x + 3&quot;.</source>
        <translation>Les extrémités de la première droite pour --export, telles qu’on les saisit dans la fenêtre, ou son équation en une seule valeur&#xa0;: &quot;y = 2x + 3&quot;.</translation>
    </message>
    <message>
        <source>Line two&apos;s end points for --export, as typed in the window, or its equation as one value.</source>
        <translation>Les extrémités de la deuxième droite pour --export, telles qu’on les saisit dans la fenêtre, ou son équation en une seule valeur.</translation>
    </message>
    <message>
        <source>The texts of the two range fields, -10 and 10 unless given.</source>
        <translation>Les textes des deux champs de l’intervalle, -10 et 10 par défaut.</translation>
    </message>
    <message>
        <source>Multiply a PNG picture&apos;s size in pixels by &lt;n&gt;.</source>
        <translation>Multiplier par &lt;n&gt; la taille en pixels d’une image PNG.</translation>
    </message>
    <message>
        <source>Write a worksheet of exercises to &lt;file&gt; (.pdf), without a window.</source>
        <translation>Écrire une fiche d’exercices dans &lt;file&gt; (.pdf), sans fenêtre.</translation>
    </message>
    <message>
        <source>How many exercises the worksheet has: 8 unless given.</source>
        <translation>Le nombre d’exercices de la fiche&#xa0;: 8 par défaut.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s or the practice&apos;s level: 1 (whole-number slopes, the default), 2 (fractional slopes) or 3 (with parallel, same, vertical, horizontal and perpendicular pairs).</source>
        <translation>Le niveau de la fiche ou de l’entraînement&#xa0;: 1 (pentes entières, par défaut), 2 (pentes fractionnaires) ou 3 (avec des paires de droites parallèles, confondues, verticales, horizontales et perpendiculaires).</translation>
    </message>
    <message>
        <source>Make the same worksheet again, with the seed printed in its footer, or the same practice, with the seed its window shows.</source>
        <translation>Refaire la même fiche, avec la graine imprimée en bas de page, ou le même entraînement, avec la graine qu’affiche sa fenêtre.</translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s key, with pictures and answers, to &lt;file&gt; (.pdf).</source>
        <translation>Écrire le corrigé de la fiche, avec les images et les réponses, dans &lt;file&gt; (.pdf).</translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s exercises as the CSV --answers reads.</source>
        <translation>Écrire les exercices de la fiche dans le CSV que lit --answers.</translation>
    </message>
    <message>
        <source>Open the Practice window at once: exercises to answer, each answer checked.</source>
        <translation>Ouvrir aussitôt la fenêtre «&#xa0;Entraînement&#xa0;»&#xa0;: des exercices à résoudre, chaque réponse vérifiée.</translation>
    </message>
    <message>
        <source>Speak German (de), English (en), Spanish (es) or French (fr) rather than the desktop&apos;s language, in the window and in every command&apos;s pages and messages.</source>
        <translation>Utiliser l’allemand (de), l’anglais (en), l’espagnol (es) ou le français (fr) plutôt que la langue du bureau, dans la fenêtre et dans les pages et messages de chaque commande.</translation>
    </message>
</context>
<context>
    <name>command line</name>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>field %1 is not UTF-8 text; save the file as CSV UTF-8</source>
        <translation>le champ %1 n’est pas du texte UTF-8&#xa0;; enregistrez le fichier en CSV UTF-8</translation>
    </message>
    <message>
        <source>field %1 is longer than the %2 characters a field of the window holds</source>
        <translation>le champ %1 dépasse les %2 caractères que peut contenir un champ de la fenêtre</translation>
    </message>
    <message>
        <source>%1 field; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation>%1 champ&#xa0;; chaque ligne en demande 8&#xa0;: X1, Y1, X2, Y2 de la première droite, puis de la deuxième</translation>
    </message>
    <message>
        <source>%1 fields; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation>%1 champs&#xa0;; chaque ligne en demande 8&#xa0;: X1, Y1, X2, Y2 de la première droite, puis de la deuxième</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l’entrée standard</translation>
    </message>
    <message>
        <source>%1 is a workbook; save it as CSV (File › Save As) and give that file</source>
        <translation>%1 est un classeur&#xa0;; enregistrez-le en CSV (Fichier › Enregistrer sous) et donnez ce fichier</translation>
    </message>
    <message>
        <source>%1 is not text but a binary file; the answer key reads CSV, saved as CSV UTF-8</source>
        <translation>%1 n’est pas du texte mais un fichier binaire&#xa0;; le corrigé lit un fichier CSV, enregistré en CSV UTF-8</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1: a field is too large</source>
        <translation>impossible de lire %1&#xa0;: un champ est trop grand</translation>
    </message>
    <message>
        <source>not valid CSV: a quote stands inside a field that does not start with one, or after the quote that ends one; the rest of the line was skipped</source>
        <translation>CSV non valide&#xa0;: un guillemet se trouve dans un champ qui ne commence pas par un guillemet, ou après le guillemet qui en ferme un&#xa0;; le reste de la ligne a été ignoré</translation>
    </message>
    <message>
        <source>not valid CSV: a quoted field has no closing quote</source>
        <translation>CSV non valide&#xa0;: un champ entre guillemets n’a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>… and %1 more rows in error</source>
        <translation>… et %1 autres lignes en erreur</translation>
    </message>
    <message>
        <source>no row split into %1 fields at the separator %2; if the file uses another, name it: --separator &apos;,&apos;, --separator &apos;;&apos; or --separator tab</source>
        <translation>aucune ligne ne se découpe en %1 champs avec le séparateur %2&#xa0;; si le fichier en utilise un autre, indiquez-le&#xa0;: --separator &apos;,&apos;, --separator &apos;;&apos; ou --separator tab</translation>
    </message>
    <message>
        <source>the answers</source>
        <translation>le corrigé</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read the workbook back from its temporary file</source>
        <translation>impossible de relire le classeur depuis son fichier temporaire</translation>
    </message>
    <message>
        <source>a workbook is not text for a terminal: name its file with -o key.xlsx, or redirect standard output to one</source>
        <translation>un classeur n’est pas du texte pour un terminal&#xa0;: nommez son fichier avec -o key.xlsx ou redirigez la sortie standard vers un fichier</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>--range takes two values, the lowest and the highest: --range -10 10.</source>
        <translation>--range attend deux valeurs, la plus petite et la plus grande&#xa0;: --range -10 10.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option «&#xa0;%1&#xa0;» inconnue.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>-o &apos;%1&apos; is the file standard input reads: the key would replace its input.</source>
        <translation>-o «&#xa0;%1&#xa0;» est le fichier lu sur l’entrée standard&#xa0;: le corrigé remplacerait les données qu’il lit.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; and %3 &apos;%4&apos; are the same file: one would replace the other; give each its own name.</source>
        <translation>%1 «&#xa0;%2&#xa0;» et %3 «&#xa0;%4&#xa0;» désignent le même fichier&#xa0;: l’un remplacerait l’autre&#xa0;; donnez à chacun son propre nom.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>droite %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read the equation &apos;%1&apos;: </source>
        <translation>impossible de lire l’équation «&#xa0;%1&#xa0;»&#xa0;: </translation>
    </message>
    <message>
        <source>%1 is used only with %2.</source>
        <translation>%1 ne s’emploie qu’avec %2.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 takes only %2.</source>
        <translation>%1 n’accepte que %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together.</source>
        <translation>%1 et %2 ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation>l’écriture a échoué</translation>
    </message>
    <message>
        <source>%1 was not written either</source>
        <translation>%1 n’a pas été écrit non plus</translation>
    </message>
    <message>
        <source>%1 were not written either</source>
        <translation>%1 n’ont pas été écrits non plus</translation>
    </message>
    <message>
        <source>Unknown %1 &apos;%2&apos;: use %3 or %4.</source>
        <translation>Valeur inconnue «&#xa0;%2&#xa0;» pour --%1&#xa0;: utilisez %3 ou %4.</translation>
    </message>
    <message>
        <source>--level takes 1, 2 or 3.</source>
        <translation>--level accepte 1, 2 ou 3.</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1.</source>
        <translation>--seed accepte un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: --answers reads one file.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;»&#xa0;: --answers ne lit qu’un seul fichier.</translation>
    </message>
    <message>
        <source>Unknown separator &apos;%1&apos;: use &apos;,&apos;, &apos;;&apos; or tab.</source>
        <translation>Séparateur inconnu «&#xa0;%1&#xa0;»&#xa0;: utilisez &apos;,&apos;, &apos;;&apos; ou tab.</translation>
    </message>
    <message>
        <source>--format %1 does not match -o &apos;%2&apos;: name the file .%1, or leave --format out.</source>
        <translation>--format %1 ne correspond pas à -o «&#xa0;%2&#xa0;»&#xa0;: nommez le fichier .%1 ou omettez --format.</translation>
    </message>
    <message>
        <source>The range&apos;s texts can be at most %1 characters long, as in the window.</source>
        <translation>Les textes de l’intervalle comptent au plus %1 caractères, comme dans la fenêtre.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a .pdf file name: worksheets and keys are PDF pages.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom de fichier .pdf&#xa0;: les fiches et les corrigés sont des pages PDF.</translation>
    </message>
    <message>
        <source>--exercises takes a whole number from 1 to 200.</source>
        <translation>--exercises accepte un nombre entier de 1 à 200.</translation>
    </message>
    <message>
        <source>Cannot tell the picture&apos;s format from &apos;%1&apos;: name it .png, .svg or .pdf.</source>
        <translation>Impossible de déduire le format de l’image de «&#xa0;%1&#xa0;»&#xa0;: nommez-la .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>--working needs pages: name the file .pdf, not &apos;%1&apos;.</source>
        <translation>--working a besoin de pages&#xa0;: nommez le fichier .pdf, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The scale &apos;%1&apos; is not a number from above 0 to 16.</source>
        <translation>L’échelle «&#xa0;%1&#xa0;» n’est pas un nombre supérieur à 0 et au plus égal à 16.</translation>
    </message>
</context>
<context>
    <name>printed working</name>
    <message>
        <source>Graph and working</source>
        <translation>Graphique et calculs détaillés</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>%1 · page %2</source>
        <translation>%1 · page %2</translation>
    </message>
    <message>
        <source>Straight lines</source>
        <translation>Équations de droites</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>y-intercept</source>
        <translation>Ordonnée à l’origine</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Équation</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Point d’intersection</translation>
    </message>
    <message>
        <source>Find each line&apos;s slope, y-intercept and equation, and where the lines cross.</source>
        <translation>Déterminez la pente, l’ordonnée à l’origine et l’équation de chaque droite, ainsi que le point d’intersection des deux droites.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Droite %1</translation>
    </message>
    <message>
        <source>Straight lines: answers</source>
        <translation>Équations de droites&#xa0;: corrigé</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Exercice %1</translation>
    </message>
    <message>
        <source>Trellan worksheet · level %1 · seed %2</source>
        <translation>Fiche d’exercices Trellan · niveau %1 · graine %2</translation>
    </message>
</context>
</TS>
