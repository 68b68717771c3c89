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
        <translation>Les deux extrémités sont le même point&#xa0;: elles ne définissent aucune droite.</translation>
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
        <translation>Exactement aucun point&#xa0;: la droite ne coupe jamais %1</translation>
    </message>
    <message>
        <source>Exactly all: the line is %1</source>
        <translation>Exactement tous les points&#xa0;: la droite est %1</translation>
    </message>
    <message>
        <source>Exactly no slope: the line is vertical</source>
        <translation>Exactement&#xa0;: pente non définie, la droite est verticale</translation>
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
        <translation>Les deux droites et leur point d’intersection en fractions, là où la fenêtre principale arrondit ses résultats décimaux, et les calculs détaillés, étape par étape</translation>
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
    <name>Form1</name>
    <message>
        <source>X-int</source>
        <extracomment>Short name of the point where a line crosses the x-axis, before &quot; = ( x , 0 )&quot;</extracomment>
        <translation>Abs.</translation>
    </message>
    <message>
        <source>Y-int</source>
        <extracomment>Short name of the point where a line crosses the y-axis, before &quot; = ( 0 , y )&quot;</extracomment>
        <translation>Ord.</translation>
    </message>
    <message>
        <source>Quarnby&apos;s Trellan</source>
        <translation>Trellan de Quarnby</translation>
    </message>
    <message>
        <source>Intersection :</source>
        <translation>Intersection&#xa0;:</translation>
    </message>
    <message>
        <source>Place results into the textbox below</source>
        <translation>Écrire les résultats dans la zone de texte ci-dessous</translation>
    </message>
    <message>
        <source> Mouse Coordinates:</source>
        <translation> Coordonnées de la souris&#xa0;:</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Exact values ...</source>
        <translation>Valeurs exactes…</translation>
    </message>
    <message>
        <source>Exact values</source>
        <translation>Valeurs exactes</translation>
    </message>
    <message>
        <source>Opens a window with both lines and their crossing as exact fractions</source>
        <translation>Ouvre une fenêtre avec les deux droites et leur point d’intersection en fractions exactes</translation>
    </message>
    <message>
        <source>Practice ...</source>
        <translation>Entraînement…</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Opens exercises to answer, each answer checked (F2)</source>
        <translation>Ouvre des exercices à résoudre, chaque réponse vérifiée (F2)</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Highest value of the range</source>
        <translation>Plus grande valeur de l’intervalle</translation>
    </message>
    <message>
        <source>Lowest value of the range</source>
        <translation>Plus petite valeur de l’intervalle</translation>
    </message>
    <message>
        <source>Pointer X</source>
        <translation>Abscisse du pointeur</translation>
    </message>
    <message>
        <source>Pointer Y</source>
        <translation>Ordonnée du pointeur</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Slope of line %1</source>
        <translation>Pente de la droite %1</translation>
    </message>
    <message>
        <source>Y-intercept of line %1</source>
        <translation>Ordonnée à l’origine de la droite %1</translation>
    </message>
    <message>
        <source>Equation of line %1</source>
        <translation>Équation de la droite %1</translation>
    </message>
    <message>
        <source>X-axis crossing of line %1</source>
        <translation>Intersection de la droite %1 avec l’axe des abscisses</translation>
    </message>
    <message>
        <source>Y-axis crossing of line %1</source>
        <translation>Intersection de la droite %1 avec l’axe des ordonnées</translation>
    </message>
    <message>
        <source>Draw Line 1</source>
        <translation>Tracer la
droite 1</translation>
    </message>
    <message>
        <source>Draw
Both
Lines</source>
        <extracomment>The narrow picture button&apos;s words, one line each: keep the lines short</extracomment>
        <translation>Les
deux
droites</translation>
    </message>
    <message>
        <source>Line %1, %2</source>
        <translation>Droite %1, %2</translation>
    </message>
    <message>
        <source>Draw Line 2</source>
        <translation>Tracer la
droite 2</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The picture button&apos;s words, drawn spaced out; a line break starts a new line</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Equation One:</source>
        <translation>Équation 1&#xa0;:</translation>
    </message>
    <message>
        <source>Equation Two:</source>
        <translation>Équation 2&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Save picture as</source>
        <translation>Enregistrer l’image sous</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <source>&amp;Save picture as…</source>
        <translation>&amp;Enregistrer l’image sous…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>Show &amp;end-point coordinates</source>
        <translation>Afficher les coordonnées des ex&amp;trémités</translation>
    </message>
    <message>
        <source>The picture could not be saved to “%1”: %2</source>
        <translation>Impossible d’enregistrer l’image sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1:%2    crosses the x-axis at %3, the y-axis at %4</source>
        <translation>%1&#xa0;:%2    coupe l’axe des abscisses en %3, l’axe des ordonnées en %4</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Droite 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Droite 2</translation>
    </message>
    <message>
        <source>Crossing point: %1</source>
        <translation>Point d’intersection&#xa0;: %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF page (*.pdf)</source>
        <translation>Page PDF (*.pdf)</translation>
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
        <translation>Point d’intersection des droites</translation>
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
        <translation>Droite verticale&#xa0;: pente «&#xa0;non définie&#xa0;», ordonnée à l’origine «&#xa0;aucune&#xa0;» («&#xa0;tous&#xa0;» si x = 0).</translation>
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
        <translation>Exercice %1, niveau %2, graine %3</translation>
    </message>
    <message>
        <source>trellan --practice --level %1 --seed %2 starts this sitting again</source>
        <translation>trellan --practice --level %1 --seed %2 relance cette séance</translation>
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
        <translation>Dans cet exercice, réponses justes&#xa0;: %1, fausses&#xa0;: %2. Chaque réponse fausse montre une étape des calculs détaillés&#xa0;; un nouvel essai donne l’étape suivante.</translation>
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
        <translation>Enregistrer le compte rendu sous</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the report before quitting?</source>
        <translation>Enregistrer le compte rendu avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Save report as…</source>
        <translation>Enregistrer le compte rendu sous…</translation>
    </message>
    <message>
        <source>The report could not be saved to “%1”: %2</source>
        <translation>Impossible d’enregistrer le compte rendu sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About Trellan</source>
        <translation>À propos de Trellan</translation>
    </message>
    <message>
        <source>Title, version, credits and planned features of Trellan</source>
        <translation>Titre, version, crédits et fonctions prévues de Trellan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the About window</source>
        <translation>Ferme la fenêtre «&#xa0;À propos&#xa0;»</translation>
    </message>
    <message>
        <source>A simple program to check your results</source>
        <translation>Vérifiez simplement vos résultats</translation>
    </message>
    <message>
        <source>Free for good under the GNU GPL, Version %1.%2 Build %3
Some bugs still to be ironed out!</source>
        <translation>Libre sous licence GNU GPL, version %1.%2, compilation %3
Il reste quelques bogues à corriger&#xa0;!</translation>
    </message>
    <message>
        <source>By %1
Made during August 2008
Email: %2</source>
        <translation>Par %1
Réalisé en août 2008
Courriel&#xa0;: %2</translation>
    </message>
    <message>
        <source> To Do</source>
        <translation> À faire</translation>
    </message>
    <message>
        <source>Fix decimal round off errors</source>
        <translation>Corriger les erreurs d’arrondi des décimaux</translation>
    </message>
    <message>
        <source>Include decimal to fraction conversion</source>
        <translation>Convertir les décimaux en fractions</translation>
    </message>
    <message>
        <source>Add dragable lines</source>
        <translation>Pouvoir déplacer les droites à la souris</translation>
    </message>
    <message>
        <source>Include coordinates on the endpoints</source>
        <translation>Afficher les coordonnées des extrémités</translation>
    </message>
    <message>
        <source>Include a dynamic intersection routine</source>
        <translation>Suivre l’intersection pendant le déplacement</translation>
    </message>
    <message>
        <source>Include a print facilty</source>
        <translation>Ajouter l’impression</translation>
    </message>
    <message>
        <source>Include a screen capture facility</source>
        <translation>Ajouter la capture d’écran</translation>
    </message>
    <message>
        <source>Program title</source>
        <translation>Titre du programme</translation>
    </message>
    <message>
        <source>What the program does</source>
        <translation>Ce que fait le programme</translation>
    </message>
    <message>
        <source>Licence and version</source>
        <translation>Licence et version</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Planned features</source>
        <translation>Fonctions prévues</translation>
    </message>
</context>
<context>
    <name>result box</name>
    <message>
        <source>undefined</source>
        <translation>non définie</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tous</translation>
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
