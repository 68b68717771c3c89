<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>answers</name>
    <message>
        <source>Line %1: %2; its slope is undefined</source>
        <translation>Droite %1&#xa0;: %2&#xa0;; sa pente n’est pas définie</translation>
    </message>
    <message>
        <source>Line %1: %2; slope %3, y-intercept %4</source>
        <translation>Droite %1&#xa0;: %2&#xa0;; pente %3, ordonnée à l’origine %4</translation>
    </message>
    <message>
        <source>They cross at %1</source>
        <translation>Les droites se coupent en %1</translation>
    </message>
    <message>
        <source>Parallel: they never cross</source>
        <translation>Parallèles&#xa0;: elles ne se coupent jamais</translation>
    </message>
    <message>
        <source>The same line: they meet everywhere</source>
        <translation>La même droite&#xa0;: elles sont confondues</translation>
    </message>
</context>
<context>
    <name>bad_input</name>
    <message>
        <source>one half</source>
        <translation>un demi</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>un tiers</translation>
    </message>
    <message>
        <source>two thirds</source>
        <translation>deux tiers</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un quart</translation>
    </message>
    <message>
        <source>two quarters</source>
        <translation>deux quarts</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>trois quarts</translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>un cinquième</translation>
    </message>
    <message>
        <source>two fifths</source>
        <translation>deux cinquièmes</translation>
    </message>
    <message>
        <source>three fifths</source>
        <translation>trois cinquièmes</translation>
    </message>
    <message>
        <source>four fifths</source>
        <translation>quatre cinquièmes</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>a half</source>
        <translation>un demi</translation>
    </message>
    <message>
        <source>one and a half</source>
        <translation>un et demi</translation>
    </message>
    <message>
        <source>two and a half</source>
        <translation>deux et demi</translation>
    </message>
    <message>
        <source>three and a half</source>
        <translation>trois et demi</translation>
    </message>
    <message>
        <source>four and a half</source>
        <translation>quatre et demi</translation>
    </message>
    <message>
        <source>five and a half</source>
        <translation>cinq et demi</translation>
    </message>
    <message>
        <source>six and a half</source>
        <translation>six et demi</translation>
    </message>
    <message>
        <source>seven and a half</source>
        <translation>sept et demi</translation>
    </message>
    <message>
        <source>eight and a half</source>
        <translation>huit et demi</translation>
    </message>
    <message>
        <source>nine and a half</source>
        <translation>neuf et demi</translation>
    </message>
    <message>
        <source>a decimal number takes a point, as in 1.5</source>
        <translation>ici, un nombre décimal s’écrit avec un point, comme 1.5</translation>
    </message>
    <message>
        <source>type %1 for %2</source>
        <translation>tapez %1 pour %2</translation>
    </message>
    <message>
        <source>type %1 with a point</source>
        <translation>tapez %1 avec un point</translation>
    </message>
    <message>
        <source>type a fraction as a decimal number, such as 0.5 for one half</source>
        <translation>tapez une fraction sous forme de nombre décimal, par exemple 0.5 pour un demi</translation>
    </message>
    <message>
        <source>type %1 for about %2</source>
        <translation>tapez %1 pour environ %2</translation>
    </message>
    <message>
        <source>Line %1&apos;s %2</source>
        <translation>%2 de la droite %1</translation>
    </message>
    <message>
        <source>%1 is too large to draw: use a number between about -3.4E+38 and 3.4E+38.</source>
        <translation>%1&#xa0;: ce nombre est trop grand pour être tracé&#xa0;; utilisez un nombre compris entre environ -3.4E+38 et 3.4E+38.</translation>
    </message>
    <message>
        <source>The highest value of the range</source>
        <translation>La plus grande valeur de l’intervalle</translation>
    </message>
    <message>
        <source>The lowest value of the range</source>
        <translation>La plus petite valeur de l’intervalle</translation>
    </message>
    <message>
        <source>The lowest and highest values of the range are too large to draw: use numbers between about -3.4E+38 and 3.4E+38.</source>
        <translation>La plus petite et la plus grande valeur de l’intervalle sont trop grandes pour être tracées&#xa0;: utilisez des nombres compris entre environ -3.4E+38 et 3.4E+38.</translation>
    </message>
    <message>
        <source>Line %1&apos;s two end points are the same point, so they do not make a line: change X2 or Y2 so that the points differ.</source>
        <translation>Les deux extrémités de la droite %1 sont le même point, elles ne définissent donc pas de droite&#xa0;: modifiez X2 ou Y2 pour que les points soient différents.</translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too narrow to draw: choose a lowest and a highest value further apart, differing within their first seven digits.</source>
        <translation>L’intervalle de %1 à %2 est trop étroit pour être tracé&#xa0;: choisissez une plus petite et une plus grande valeur plus éloignées, qui diffèrent dans leurs sept premiers chiffres.</translation>
    </message>
    <message>
        <source>Line %1 is vertical, so it has no slope.</source>
        <translation>La droite %1 est verticale, elle n’a donc pas de pente.</translation>
    </message>
    <message>
        <source>Line %1 is too steep to work out its slope: move its X1 and X2 further apart.</source>
        <translation>La droite %1 est trop proche de la verticale pour qu’on calcule sa pente&#xa0;: éloignez davantage ses valeurs X1 et X2.</translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept is too large to work out: choose end points nearer the y-axis, or a less steep line.</source>
        <translation>L’ordonnée à l’origine de la droite %1 est trop grande pour être calculée&#xa0;: choisissez des extrémités plus proches de l’axe des ordonnées, ou une droite moins inclinée.</translation>
    </message>
    <message>
        <source>The crossing point is too far away to show: change an end point so that the lines meet nearer the middle of the graph.</source>
        <translation>Le point d’intersection est trop loin pour être affiché&#xa0;: modifiez une extrémité pour que les droites se coupent plus près du centre du repère.</translation>
    </message>
    <message>
        <source>Line %1 is too flat to work out where it meets the x-axis: make it steeper.</source>
        <translation>La droite %1 est trop proche de l’horizontale pour qu’on calcule où elle coupe l’axe des abscisses&#xa0;: inclinez-la davantage.</translation>
    </message>
    <message>
        <source>%1 is too large: use a number between about -1.8E+308 and 1.8E+308.</source>
        <translation>%1&#xa0;: ce nombre est trop grand&#xa0;; utilisez un nombre compris entre environ -1.8E+308 et 1.8E+308.</translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too wide to number its axes: use a lowest and a highest value from -32768 to just under 32767.</source>
        <translation>L’intervalle de %1 à %2 est trop large pour graduer les axes&#xa0;: utilisez une plus petite et une plus grande valeur comprises entre -32768 et un peu moins de 32767.</translation>
    </message>
    <message>
        <source>The range from %1 to %1 is empty: make the lowest and highest values differ.</source>
        <translation>L’intervalle de %1 à %1 est vide&#xa0;: la plus petite et la plus grande valeur doivent être différentes.</translation>
    </message>
    <message>
        <source>Read as 0: there is no number here; type a number such as 2, -3 or 1.5</source>
        <translation>Lu comme 0&#xa0;: il n’y a pas de nombre ici&#xa0;; tapez un nombre comme 2, -3 ou 1.5</translation>
    </message>
    <message>
        <source>Read as %1: only the number before the comma counts; %2</source>
        <translation>Lu comme %1&#xa0;: seul le nombre avant la virgule compte&#xa0;; %2</translation>
    </message>
    <message>
        <source>Read as %1: only the number before the slash counts; %2</source>
        <translation>Lu comme %1&#xa0;: seul le nombre avant la barre oblique compte&#xa0;; %2</translation>
    </message>
    <message>
        <source>Read as %1: only the number at the start counts; type the number alone, with nothing after it</source>
        <translation>Lu comme %1&#xa0;: seul le nombre du début compte&#xa0;; tapez le nombre seul, sans rien après</translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation>Lu comme %1</translation>
    </message>
    <message>
        <source>Type the line&apos;s equation here and press Enter: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), x = 4. Fractions, decimals and brackets are fine; 1/2x means (1/2)x, as in school books. Esc puts back what was here.</source>
        <translation>Tapez ici l’équation de la droite, puis appuyez sur Entrée&#xa0;: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), x = 4. Les fractions, les nombres décimaux et les parenthèses sont acceptés&#xa0;; 1/2x signifie (1/2)x, comme dans les manuels. Échap rétablit le texte précédent.</translation>
    </message>
    <message>
        <source>This line does not pass through the range shown, %1 to %2: change the range, or type another line</source>
        <translation>Cette droite ne passe pas par l’intervalle affiché, de %1 à %2&#xa0;: modifiez l’intervalle ou tapez une autre droite</translation>
    </message>
</context>
<context>
    <name>crossing</name>
    <message>
        <source>Parallel lines. No Intersection.</source>
        <translation>Droites parallèles. Pas d’intersection.</translation>
    </message>
    <message>
        <source>Same line. Infinite solutions.</source>
        <translation>Même droite. Une infinité de solutions.</translation>
    </message>
</context>
<context>
    <name>equation</name>
    <message>
        <source>This number is too large to work with exactly</source>
        <translation>Ce nombre est trop grand pour un calcul exact</translation>
    </message>
    <message>
        <source>Two numbers stand side by side here: write one number, a mixed number such as 2 1/3, or &quot;*&quot; between them</source>
        <translation>Deux nombres se suivent ici&#xa0;: écrivez un seul nombre, un nombre fractionnaire comme 2 1/3, ou «&#xa0;*&#xa0;» entre les deux</translation>
    </message>
    <message>
        <source>x and y cancel out here, so this is no line</source>
        <translation>x et y s’annulent ici, ce n’est donc pas une droite</translation>
    </message>
    <message>
        <source>There is no x or y here, so this is no line</source>
        <translation>Il n’y a ni x ni y ici, ce n’est donc pas une droite</translation>
    </message>
    <message>
        <source>There is nothing before &quot;=&quot;</source>
        <translation>Il n’y a rien avant «&#xa0;=&#xa0;»</translation>
    </message>
    <message>
        <source>There is nothing after &quot;=&quot;</source>
        <translation>Il n’y a rien après «&#xa0;=&#xa0;»</translation>
    </message>
    <message>
        <source>This &quot;)&quot; has no &quot;(&quot; before it</source>
        <translation>Aucune «&#xa0;(&#xa0;» n’ouvre cette «&#xa0;)&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be part of an equation</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas faire partie d’une équation</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot stand here</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas se trouver ici</translation>
    </message>
    <message>
        <source>Dividing by 0 has no answer</source>
        <translation>Une division par 0 n’a pas de résultat</translation>
    </message>
    <message>
        <source>The numbers here grow too large to work with exactly</source>
        <translation>Les nombres deviennent ici trop grands pour un calcul exact</translation>
    </message>
    <message>
        <source>%1 makes a curve, not a straight line</source>
        <translation>%1 donne une courbe, pas une droite</translation>
    </message>
    <message>
        <source>The brackets, signs or powers here nest too deeply to read</source>
        <translation>Les parenthèses, signes ou puissances sont ici trop imbriqués pour être lus</translation>
    </message>
    <message>
        <source>A power must be a whole number, as in x²</source>
        <translation>Un exposant doit être un nombre entier, comme dans x²</translation>
    </message>
    <message>
        <source>There is nothing between &quot;(&quot; and &quot;)&quot;</source>
        <translation>Il n’y a rien entre «&#xa0;(&#xa0;» et «&#xa0;)&#xa0;»</translation>
    </message>
    <message>
        <source>This &quot;(&quot; is never closed: a &quot;)&quot; is missing</source>
        <translation>Cette «&#xa0;(&#xa0;» n’est jamais fermée&#xa0;: il manque une «&#xa0;)&#xa0;»</translation>
    </message>
    <message>
        <source>Something is missing after &quot;%1&quot;</source>
        <translation>Il manque quelque chose après «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Type an equation of a line, such as y = 2x + 3</source>
        <translation>Tapez l’équation d’une droite, par exemple y = 2x + 3</translation>
    </message>
    <message>
        <source>A line has only one &quot;=&quot;; here is a second</source>
        <translation>L’équation d’une droite n’a qu’un seul «&#xa0;=&#xa0;»&#xa0;; en voici un deuxième</translation>
    </message>
    <message>
        <source>An equation needs &quot;=&quot;, as in y = 2x + 3</source>
        <translation>Une équation a besoin d’un «&#xa0;=&#xa0;», comme dans y = 2x + 3</translation>
    </message>
</context>
<context>
    <name>exercises</name>
    <message>
        <source>Line one passes through %1 and %2; line two through %3 and %4</source>
        <translation>La première droite passe par %1 et %2&#xa0;; la deuxième par %3 et %4</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>write the point as (x, y), such as (2, -1)</source>
        <translation>écrivez le point sous la forme (x, y), par exemple (2, -1)</translation>
    </message>
    <message>
        <source>a vertical line has no slope: write &quot;undefined&quot;</source>
        <translation>une droite verticale n’a pas de pente&#xa0;: écrivez «&#xa0;non définie&#xa0;»</translation>
    </message>
    <message>
        <source>a slope is a number, such as 3, -1.5 or 2/3; only a vertical line&apos;s is undefined</source>
        <translation>une pente est un nombre, comme 3, -1.5 ou 2/3&#xa0;; seule celle d’une droite verticale n’est pas définie</translation>
    </message>
    <message>
        <source>write the slope as a number, such as 3, -1.5 or 2/3</source>
        <translation>écrivez la pente sous forme de nombre, par exemple 3, -1.5 ou 2/3</translation>
    </message>
    <message>
        <source>write the y-intercept as a number, such as 3, or as a point, such as (0, 3)</source>
        <translation>écrivez l’ordonnée à l’origine sous forme de nombre, par exemple 3, ou de point, par exemple (0, 3)</translation>
    </message>
    <message>
        <source>write it as an equation: y = %1</source>
        <translation>écrivez une équation&#xa0;: y = %1</translation>
    </message>
    <message>
        <source>write the equation as y = ...</source>
        <translation>écrivez l’équation sous la forme y = ...</translation>
    </message>
    <message>
        <source>write the crossing as a point, such as (2, -1), or say &quot;parallel&quot; or &quot;the same line&quot;</source>
        <translation>écrivez le point d’intersection sous la forme (x, y), par exemple (2, -1), ou bien «&#xa0;parallèles&#xa0;» ou «&#xa0;la même droite&#xa0;»</translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>there are too many brackets around this number</source>
        <translation>il y a trop de parenthèses autour de ce nombre</translation>
    </message>
    <message>
        <source>a bracket is not closed</source>
        <translation>une parenthèse n’est pas fermée</translation>
    </message>
    <message>
        <source>a number cannot be divided by 0</source>
        <translation>on ne peut pas diviser un nombre par 0</translation>
    </message>
    <message>
        <source>the repeating digits go in brackets after the point, as in 0.(3)</source>
        <translation>les chiffres qui se répètent s’écrivent entre parenthèses après le point, comme dans 0.(3)</translation>
    </message>
    <message>
        <source>too large to work with exactly</source>
        <translation>trop grand pour un calcul exact</translation>
    </message>
    <message>
        <source>write %1 without a comma, or %2 with a point</source>
        <translation>écrivez %1 sans virgule, ou %2 avec un point</translation>
    </message>
    <message>
        <source>write %1 with a point</source>
        <translation>écrivez %1 avec un point</translation>
    </message>
    <message>
        <source>write %1 without blanks between the digits</source>
        <translation>écrivez %1 sans espace entre les chiffres</translation>
    </message>
    <message>
        <source>in a mixed number the fraction is less than 1, as in 2 1/3</source>
        <translation>dans un nombre fractionnaire, la fraction est inférieure à 1, comme dans 2 1/3</translation>
    </message>
    <message>
        <source>write one number: a mixed number is a whole number and a fraction less than 1, as in 2 1/3</source>
        <translation>écrivez un seul nombre&#xa0;: un nombre fractionnaire est un nombre entier suivi d’une fraction inférieure à 1, comme 2 1/3</translation>
    </message>
    <message>
        <source>write a number, such as 3, -1.5, 2/3 or 1 1/2</source>
        <translation>écrivez un nombre, par exemple 3, -1.5, 2/3 ou 1 1/2</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Intersection:</source>
        <translation>Intersection&#xa0;:</translation>
    </message>
    <message>
        <source>Equation 1:</source>
        <translation>Équation 1&#xa0;:</translation>
    </message>
    <message>
        <source>Equation 2:</source>
        <translation>Équation 2&#xa0;:</translation>
    </message>
</context>
<context>
    <name>working</name>
    <message>
        <source>a number is too large to work with exactly</source>
        <translation>un nombre est trop grand pour un calcul exact</translation>
    </message>
    <message>
        <source>both points are (%1, %2), one point: it makes no line</source>
        <translation>les deux points sont (%1, %2)&#xa0;: un seul point ne définit pas de droite</translation>
    </message>
    <message>
        <source>the run x2 - x1 is 0, so the slope is undefined; every point of the line has x = %1</source>
        <translation>x2 - x1 vaut 0, donc la pente n’est pas définie&#xa0;; tout point de la droite vérifie x = %1</translation>
    </message>
    <message>
        <source>the rise is 0, so the line is horizontal and its slope is 0</source>
        <translation>y2 - y1 vaut 0, donc la droite est horizontale et sa pente vaut 0</translation>
    </message>
    <message>
        <source>the line meets the x-axis at (%1, %2)</source>
        <translation>la droite coupe l’axe des abscisses en (%1, %2)</translation>
    </message>
    <message>
        <source>the line meets the y-axis at (%1, %2)</source>
        <translation>la droite coupe l’axe des ordonnées en (%1, %2)</translation>
    </message>
    <message>
        <source>the line is x = 0, the y-axis itself: it meets it all along</source>
        <translation>la droite a pour équation x = 0, c’est l’axe des ordonnées lui-même&#xa0;: elle est confondue avec lui</translation>
    </message>
    <message>
        <source>every point of the line has x = %1, and the y-axis is x = 0: they never meet</source>
        <translation>tout point de la droite vérifie x = %1, et l’axe des ordonnées a pour équation x = 0&#xa0;: la droite ne le coupe jamais</translation>
    </message>
    <message>
        <source>every point of the line has x = %1</source>
        <translation>tout point de la droite vérifie x = %1</translation>
    </message>
    <message>
        <source>every point of the line has x = %1, so it meets the x-axis (y = 0) there</source>
        <translation>tout point de la droite vérifie x = %1, elle coupe donc l’axe des abscisses (y = 0) en ce point</translation>
    </message>
    <message>
        <source>the line is y = 0, the x-axis itself: it meets it all along</source>
        <translation>la droite a pour équation y = 0, c’est l’axe des abscisses lui-même&#xa0;: elle est confondue avec lui</translation>
    </message>
    <message>
        <source>0 = 0 x + %1 has no answer: the line stays at y = %2 and never meets the x-axis</source>
        <translation>0 = 0 x + %1 n’a pas de solution&#xa0;: la droite reste à y = %2 et ne coupe jamais l’axe des abscisses</translation>
    </message>
    <message>
        <source>the y-axis is x = 0: put x = 0 into y = m x + b</source>
        <translation>l’axe des ordonnées a pour équation x = 0&#xa0;: remplacez x par 0 dans y = m x + b</translation>
    </message>
    <message>
        <source>Line %1: the slope m, how steep it is</source>
        <translation>Droite %1&#xa0;: la pente m (coefficient directeur)</translation>
    </message>
    <message>
        <source>Line %1: the y-intercept b</source>
        <translation>Droite %1&#xa0;: l’ordonnée à l’origine b</translation>
    </message>
    <message>
        <source>Line %1: the equation</source>
        <translation>Droite %1&#xa0;: l’équation</translation>
    </message>
    <message>
        <source>Line %1: where it meets the x-axis</source>
        <translation>Droite %1&#xa0;: où elle coupe l’axe des abscisses</translation>
    </message>
    <message>
        <source>Line %1: where it meets the y-axis</source>
        <translation>Droite %1&#xa0;: où elle coupe l’axe des ordonnées</translation>
    </message>
    <message>
        <source>line %1 is not a line, so there is nothing to cross</source>
        <translation>les points de la droite %1 ne définissent pas de droite, il n’y a donc pas d’intersection</translation>
    </message>
    <message>
        <source>both lines are vertical: x = %1 and x = %2</source>
        <translation>les deux droites sont verticales&#xa0;: x = %1 et x = %2</translation>
    </message>
    <message>
        <source>they are the same line</source>
        <translation>c’est la même droite</translation>
    </message>
    <message>
        <source>they are parallel and never meet</source>
        <translation>elles sont parallèles et ne se coupent jamais</translation>
    </message>
    <message>
        <source>b1 = b2 = %1, so they are the same line</source>
        <translation>b1 = b2 = %1, c’est donc la même droite</translation>
    </message>
    <message>
        <source>b1 = %1 but b2 = %2, so they are parallel and never meet</source>
        <translation>b1 = %1 mais b2 = %2, elles sont donc parallèles et ne se coupent jamais</translation>
    </message>
    <message>
        <source>line %1 is x = %2, so where they cross x = %2</source>
        <translation>la droite %1 a pour équation x = %2, donc au point d’intersection x = %2</translation>
    </message>
    <message>
        <source>put x = %1 into line %2: y = m%2 x + b%2</source>
        <translation>remplacez x par %1 dans l’équation de la droite %2&#xa0;: y = m%2 x + b%2</translation>
    </message>
    <message>
        <source>Where the lines cross</source>
        <translation>Le point d’intersection des droites</translation>
    </message>
    <message>
        <source>check on line 2: y = m2 x + b2</source>
        <translation>vérification avec la droite 2&#xa0;: y = m2 x + b2</translation>
    </message>
    <message>
        <source>Parallel, perpendicular or neither</source>
        <translation>Parallèles, perpendiculaires ou ni l’un ni l’autre</translation>
    </message>
    <message>
        <source>the two lines are one and the same line</source>
        <translation>les deux droites sont une seule et même droite</translation>
    </message>
    <message>
        <source>the lines go the same way and never meet: they are parallel</source>
        <translation>les droites ont la même direction et ne se coupent jamais&#xa0;: elles sont parallèles</translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is horizontal, so they meet at a right angle: perpendicular</source>
        <translation>la droite %1 est verticale et la droite %2 horizontale, elles se coupent donc à angle droit&#xa0;: elles sont perpendiculaires</translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is not horizontal, so they cross but are not perpendicular</source>
        <translation>la droite %1 est verticale et la droite %2 n’est pas horizontale, elles se coupent donc sans être perpendiculaires</translation>
    </message>
    <message>
        <source>m1 * m2 = -1, so the lines are perpendicular</source>
        <translation>m1 * m2 = -1, donc les droites sont perpendiculaires</translation>
    </message>
    <message>
        <source>that is not -1, so the lines cross but are not perpendicular</source>
        <translation>ce n’est pas -1, donc les droites se coupent sans être perpendiculaires</translation>
    </message>
</context>
</TS>
