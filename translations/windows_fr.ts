<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Intersection :</translation>
    </message>
    <message>
        <source>Place results into the textbox below</source>
        <translation>Écrire les résultats dans la zone de texte ci-dessous</translation>
    </message>
    <message>
        <source> Mouse Coordinates:</source>
        <translation> Coordonnées de la souris :</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>À propos ...</translation>
    </message>
    <message>
        <source>Exact values ...</source>
        <translation>Valeurs exactes ...</translation>
    </message>
    <message>
        <source>Exact values</source>
        <translation>Valeurs exactes</translation>
    </message>
    <message>
        <source>Opens a window with both lines and their crossing as exact fractions</source>
        <translation>Ouvre une fenêtre avec les deux droites et leur point d&apos;intersection en fractions exactes</translation>
    </message>
    <message>
        <source>Practice ...</source>
        <translation>Entraînement ...</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Opens exercises to answer, each answer checked (F2)</source>
        <translation>Ouvre des exercices à résoudre ; chaque réponse est vérifiée (F2)</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Highest value of the range</source>
        <translation>Plus grande valeur de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Lowest value of the range</source>
        <translation>Plus petite valeur de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Pointer X</source>
        <translation>Pointeur, X</translation>
    </message>
    <message>
        <source>Pointer Y</source>
        <translation>Pointeur, Y</translation>
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
        <translation>Ordonnée à l&apos;origine de la droite %1</translation>
    </message>
    <message>
        <source>Equation of line %1</source>
        <translation>Équation de la droite %1</translation>
    </message>
    <message>
        <source>X-axis crossing of line %1</source>
        <translation>Point où la droite %1 coupe l&apos;axe des abscisses</translation>
    </message>
    <message>
        <source>Y-axis crossing of line %1</source>
        <translation>Point où la droite %1 coupe l&apos;axe des ordonnées</translation>
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
        <translation>Équation 1 :</translation>
    </message>
    <message>
        <source>Equation Two:</source>
        <translation>Équation 2 :</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Save picture as</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Save picture as…</source>
        <translation>&amp;Enregistrer l&apos;image sous…</translation>
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
        <translation>Impossible d&apos;enregistrer l&apos;image sous « %1 » : %2</translation>
    </message>
    <message>
        <source>%1:%2    crosses the x-axis at %3, the y-axis at %4</source>
        <translation>%1 :%2    coupe l&apos;axe des abscisses en %3, l&apos;axe des ordonnées en %4</translation>
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
        <translation>Point d&apos;intersection : %1</translation>
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
        <translation>Enregistrer le compte rendu avant de quitter ?</translation>
    </message>
    <message>
        <source>Save report as…</source>
        <translation>Enregistrer le compte rendu sous…</translation>
    </message>
    <message>
        <source>The report could not be saved to “%1”: %2</source>
        <translation>Impossible d&apos;enregistrer le compte rendu sous « %1 » : %2</translation>
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
        <translation>Ferme la fenêtre À propos</translation>
    </message>
    <message>
        <source>A simple program to check your results</source>
        <translation>Vérifiez simplement vos résultats</translation>
    </message>
    <message>
        <source>Free for good under the GNU GPL, Version %1.%2 Build %3
Some bugs still to be ironed out!</source>
        <translation>Libre sous licence GNU GPL, version %1.%2, compilation %3
Il reste quelques bogues à corriger !</translation>
    </message>
    <message>
        <source>By %1
Made during August 2008
Email: %2</source>
        <translation>Par %1
Réalisé en août 2008
Courriel : %2</translation>
    </message>
    <message>
        <source> To Do</source>
        <translation> À faire</translation>
    </message>
    <message>
        <source>Fix decimal round off errors</source>
        <translation>Corriger les erreurs d&apos;arrondi des décimaux</translation>
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
        <translation>Suivre l&apos;intersection pendant le déplacement</translation>
    </message>
    <message>
        <source>Include a print facilty</source>
        <translation>Ajouter l&apos;impression</translation>
    </message>
    <message>
        <source>Include a screen capture facility</source>
        <translation>Ajouter la capture d&apos;écran</translation>
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
</TS>
