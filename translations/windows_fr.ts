<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ExactValues</name>
    <message>
        <source>Its end points hold a number too large to work with exactly (more than %1 digits before or after the point).</source>
        <translation>Les coordonnées de ses extrémités comportent un nombre trop grand pour un calcul exact (plus de %1 chiffres avant ou après le point décimal).</translation>
    </message>
    <message>
        <source>none: the line never meets %1</source>
        <translation>aucune (la droite ne coupe jamais %1)</translation>
    </message>
    <message>
        <source>all: the line is %1</source>
        <translation>tous les points (la droite est %1)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Droite %1</translation>
    </message>
    <message>
        <source>Through %1 and %2</source>
        <translation>Passe par %1 et %2</translation>
    </message>
    <message>
        <source>Both end points are the same point, so they make no line.</source>
        <translation>Les deux extrémités sont le même point&#xa0;: elles ne définissent donc aucune droite.</translation>
    </message>
    <message>
        <source>Equation: %1</source>
        <translation>Équation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Slope: %1</source>
        <translation>Pente&#xa0;: %1</translation>
    </message>
    <message>
        <source>none: a vertical line has no slope</source>
        <translation>non définie (une droite verticale n’a pas de pente)</translation>
    </message>
    <message>
        <source>y-intercept: %1</source>
        <translation>Ordonnée à l’origine&#xa0;: %1</translation>
    </message>
    <message>
        <source>the y-axis</source>
        <translation>l’axe des ordonnées</translation>
    </message>
    <message>
        <source>x-intercept: %1</source>
        <translation>Abscisse à l’origine&#xa0;: %1</translation>
    </message>
    <message>
        <source>the x-axis</source>
        <translation>l’axe des abscisses</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Point d’intersection</translation>
    </message>
    <message>
        <source>The lines are parallel: they never meet.</source>
        <translation>Les droites sont parallèles&#xa0;: elles ne se coupent jamais.</translation>
    </message>
    <message>
        <source>The lines are the same line: they meet everywhere.</source>
        <translation>Les droites sont confondues&#xa0;: elles ont tous leurs points en commun.</translation>
    </message>
    <message>
        <source>None: it takes two lines to cross.</source>
        <translation>Aucun&#xa0;: il faut deux droites pour avoir un point d’intersection.</translation>
    </message>
    <message>
        <source>The window stops with a warning here: %1</source>
        <translation>Ici, la fenêtre principale s’arrête sur un avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>The window&apos;s decimal answers</source>
        <translation>Les résultats décimaux de la fenêtre principale</translation>
    </message>
    <message>
        <source>For these end points every answer the window gives is exact.</source>
        <translation>Pour ces extrémités, tous les résultats de la fenêtre principale sont exacts.</translation>
    </message>
    <message>
        <source>Line %1&apos;s slope</source>
        <translation>Pente de la droite %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept</source>
        <translation>Ordonnée à l’origine de la droite %1</translation>
    </message>
    <message>
        <source>Line %1&apos;s x-axis crossing</source>
        <translation>Abscisse à l’origine de la droite %1</translation>
    </message>
    <message>
        <source>%1: the window shows %2, rounded; exactly, it is %3.</source>
        <translation>%1&#xa0;: la fenêtre principale affiche la valeur arrondie %2&#xa0;; la valeur exacte est %3.</translation>
    </message>
    <message>
        <source>The crossing: the window shows %1, rounded; exactly, it is %2.</source>
        <translation>Point d’intersection&#xa0;: la fenêtre principale affiche le point arrondi %1&#xa0;; le point exact est %2.</translation>
    </message>
    <message>
        <source>These end points were rounded to 15 significant digits from the typed equation %1: it has no two points with short exact decimals in the range. The line through them is very close to the typed line, not the same.</source>
        <translation>Ces extrémités ont été arrondies à 15 chiffres significatifs à partir de l’équation saisie %1&#xa0;: elle n’a pas, dans l’intervalle, deux points dont les coordonnées s’écrivent exactement avec peu de décimales. La droite qui passe par ces extrémités est très proche de la droite saisie, mais ce n’est pas la même.</translation>
    </message>
    <message>
        <source>Too large to work with exactly</source>
        <translation>Trop grand pour un calcul exact</translation>
    </message>
    <message>
        <source>Exactly %1</source>
        <translation>Exactement %1</translation>
    </message>
    <message>
        <source>Exactly none: the line never meets %1</source>
        <translation>Exactement&#xa0;: aucune, la droite ne coupe jamais %1</translation>
    </message>
    <message>
        <source>Exactly all: the line is %1</source>
        <translation>Exactement&#xa0;: tous les points, la droite est %1</translation>
    </message>
    <message>
        <source>Exactly no slope: the line is vertical</source>
        <translation>Exactement&#xa0;: non définie, la droite est verticale</translation>
    </message>
    <message>
        <source>where %1</source>
        <translation>où %1</translation>
    </message>
    <message>
        <source>where %1 and %2</source>
        <translation>où %1 et %2</translation>
    </message>
    <message>
        <source>The lines are perpendicular</source>
        <translation>Les droites sont perpendiculaires</translation>
    </message>
    <message>
        <source>Exactly parallel: the lines never meet</source>
        <translation>Exactement parallèles&#xa0;: les droites ne se coupent jamais</translation>
    </message>
    <message>
        <source>Exactly the same line</source>
        <translation>Exactement la même droite</translation>
    </message>
</context>
<context>
    <name>ExactWindow</name>
    <message>
        <source>Exact values</source>
        <translation>Valeurs exactes</translation>
    </message>
    <message>
        <source>Both lines and their crossing as fractions, where the main window&apos;s decimal answers are rounded, and the working, step by step</source>
        <translation>Les deux droites et leur point d’intersection en fractions, les résultats décimaux arrondis de la fenêtre principale, et les calculs détaillés, étape par étape</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the Exact values window</source>
        <translation>Ferme la fenêtre «&#xa0;Valeurs exactes&#xa0;»</translation>
    </message>
    <message>
        <source>Copy the working</source>
        <translation>Copier les calculs détaillés</translation>
    </message>
    <message>
        <source>Copies the working as plain text, for any editor</source>
        <translation>Copie les calculs détaillés en texte brut, pour n’importe quel éditeur</translation>
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
        <translation>Pente de la première droite</translation>
    </message>
    <message>
        <source>y-intercept of line one</source>
        <translation>Ordonnée à l’origine de la première droite</translation>
    </message>
    <message>
        <source>Equation of line one</source>
        <translation>Équation de la première droite</translation>
    </message>
    <message>
        <source>Slope of line two</source>
        <translation>Pente de la deuxième droite</translation>
    </message>
    <message>
        <source>y-intercept of line two</source>
        <translation>Ordonnée à l’origine de la deuxième droite</translation>
    </message>
    <message>
        <source>Equation of line two</source>
        <translation>Équation de la deuxième droite</translation>
    </message>
    <message>
        <source>Where the lines cross</source>
        <translation>Où les droites se coupent</translation>
    </message>
    <message>
        <source>1: whole-number slopes</source>
        <translation>1&#xa0;: pentes entières</translation>
    </message>
    <message>
        <source>2: fractional slopes</source>
        <translation>2&#xa0;: pentes fractionnaires</translation>
    </message>
    <message>
        <source>3: parallel, perpendicular, vertical and more</source>
        <translation>3&#xa0;: parallèles, perpendiculaires, verticales et plus</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Graph of the two lines</source>
        <translation>Graphique des deux droites</translation>
    </message>
    <message>
        <source>Slope m</source>
        <translation>Pente m</translation>
    </message>
    <message>
        <source>y-intercept b</source>
        <translation>Ordonnée à l’origine b</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Équation</translation>
    </message>
    <message>
        <source>Line one</source>
        <translation>Première droite</translation>
    </message>
    <message>
        <source>Line two</source>
        <translation>Deuxième droite</translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation>Intersection</translation>
    </message>
    <message>
        <source>parallel</source>
        <comment>the crossing&apos;s answer for parallel lines</comment>
        <translation>parallèles</translation>
    </message>
    <message>
        <source>the same line</source>
        <comment>the crossing&apos;s answer for two lines that are one</comment>
        <translation>la même droite</translation>
    </message>
    <message>
        <source>a point (x, y), parallel or the same line</source>
        <translation>un point (x, y), parallèles ou la même droite</translation>
    </message>
    <message>
        <source>A vertical line: its slope is undefined, its y-intercept none (all for x = 0).</source>
        <translation>Droite verticale&#xa0;: pente non définie, ordonnée à l’origine aucune (tous pour x = 0).</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Mark each answer right or wrong (Enter)</source>
        <translation>Indiquer si chaque réponse est juste ou fausse (Entrée)</translation>
    </message>
    <message>
        <source>Show &amp;working</source>
        <translation>Calculs &amp;détaillés</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>A new exercise</source>
        <translation>Un nouvel exercice</translation>
    </message>
    <message>
        <source>Show in &amp;main window</source>
        <translation>Afficher dans la fenêtre &amp;principale</translation>
    </message>
    <message>
        <source>Type the exercise&apos;s end points into the main window and draw both lines</source>
        <translation>Saisir les extrémités de l’exercice dans la fenêtre principale et tracer les deux droites</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Each answer counts once, at its first check; once Show working has shown the answers, they count no more</source>
        <translation>Chaque réponse compte une fois, à sa première vérification&#xa0;; dès que «&#xa0;Calculs détaillés&#xa0;» a montré les réponses, elles ne comptent plus</translation>
    </message>
    <message>
        <source>Hints and working</source>
        <translation>Indices et calculs détaillés</translation>
    </message>
    <message>
        <source>Exercise %1 at level %2, seed %3</source>
        <translation>Exercice %1 au niveau %2, graine %3</translation>
    </message>
    <message>
        <source>trellan --practice --level %1 --seed %2 starts this sitting again</source>
        <translation>trellan --practice --level %1 --seed %2 relance cette série d’exercices</translation>
    </message>
    <message>
        <source>%1: not read. %2.</source>
        <translation>%1&#xa0;: réponse non lue. %2.</translation>
    </message>
    <message>
        <source>Type an answer into a field, then Check.</source>
        <translation>Saisissez une réponse dans un champ, puis cliquez sur «&#xa0;Vérifier&#xa0;».</translation>
    </message>
    <message>
        <source>Every answer is right. Next makes a new exercise.</source>
        <translation>Toutes les réponses sont justes. «&#xa0;Suivant&#xa0;» propose un nouvel exercice.</translation>
    </message>
    <message>
        <source>%1 right so far in this exercise.</source>
        <translation>Réponses justes jusqu’ici dans cet exercice&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong in this exercise. A step of the working for each wrong answer; another try earns the next step.</source>
        <translation>Dans cet exercice, réponses justes&#xa0;: %1, fausses&#xa0;: %2. Pour chaque réponse fausse, une étape des calculs détaillés&#xa0;; chaque nouvel essai donne l’étape suivante.</translation>
    </message>
    <message>
        <source>Level %1: a fresh start. The exercises and the score begin again.</source>
        <translation>Niveau %1&#xa0;: un nouveau départ. Les exercices et le score repartent de zéro.</translation>
    </message>
    <message>
        <source>No answers checked yet</source>
        <translation>Aucune réponse vérifiée pour l’instant</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>Réponses justes&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>Wrong: look at the step “%1” of the working</source>
        <translation>Faux&#xa0;: regardez l’étape «&#xa0;%1&#xa0;» des calculs détaillés</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Non lu&#xa0;: %1</translation>
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
        <translation type="unfinished">Fermer</translation>
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
        <translation>Les calculs détaillés</translation>
    </message>
</context>
</TS>
