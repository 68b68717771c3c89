<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>answers</name>
    <message>
        <source>Line %1: %2; its slope is undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2; slope %3, y-intercept %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They cross at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel: they never cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same line: they meet everywhere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bad_input</name>
    <message>
        <source>one half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two thirds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two quarters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two fifths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three fifths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four fifths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a decimal number takes a point, as in 1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 with a point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type a fraction as a decimal number, such as 0.5 for one half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 for about %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to draw: use a number between about -3.4E+38 and 3.4E+38.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest value of the range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lowest value of the range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lowest and highest values of the range are too large to draw: use numbers between about -3.4E+38 and 3.4E+38.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1&apos;s two end points are the same point, so they do not make a line: change X2 or Y2 so that the points differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too narrow to draw: choose a lowest and a highest value further apart, differing within their first seven digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is vertical, so it has no slope.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is too steep to work out its slope: move its X1 and X2 further apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1&apos;s y-intercept is too large to work out: choose end points nearer the y-axis, or a less steep line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crossing point is too far away to show: change an end point so that the lines meet nearer the middle of the graph.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is too flat to work out where it meets the x-axis: make it steeper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large: use a number between about -1.8E+308 and 1.8E+308.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range from %1 to %2 is too wide to number its axes: use a lowest and a highest value from -32768 to just under 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range from %1 to %1 is empty: make the lowest and highest values differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as 0: there is no number here; type a number such as 2, -3 or 1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as %1: only the number before the comma counts; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as %1: only the number before the slash counts; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as %1: only the number at the start counts; type the number alone, with nothing after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the line&apos;s equation here and press Enter: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), x = 4. Fractions, decimals and brackets are fine; 1/2x means (1/2)x, as in school books. Esc puts back what was here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This line does not pass through the range shown, %1 to %2: change the range, or type another line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>crossing</name>
    <message>
        <source>Parallel lines. No Intersection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same line. Infinite solutions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>equation</name>
    <message>
        <source>This number is too large to work with exactly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two numbers stand side by side here: write one number, a mixed number such as 2 1/3, or &quot;*&quot; between them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x and y cancel out here, so this is no line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no x or y here, so this is no line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing before &quot;=&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing after &quot;=&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This &quot;)&quot; has no &quot;(&quot; before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be part of an equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot stand here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dividing by 0 has no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers here grow too large to work with exactly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 makes a curve, not a straight line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The brackets, signs or powers here nest too deeply to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A power must be a whole number, as in x²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing between &quot;(&quot; and &quot;)&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This &quot;(&quot; is never closed: a &quot;)&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something is missing after &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type an equation of a line, such as y = 2x + 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A line has only one &quot;=&quot;; here is a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An equation needs &quot;=&quot;, as in y = 2x + 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>exercises</name>
    <message>
        <source>Line one passes through %1 and %2; line two through %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>write the point as (x, y), such as (2, -1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a vertical line has no slope: write &quot;undefined&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a slope is a number, such as 3, -1.5 or 2/3; only a vertical line&apos;s is undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the slope as a number, such as 3, -1.5 or 2/3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the y-intercept as a number, such as 3, or as a point, such as (0, 3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write it as an equation: y = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the equation as y = ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the crossing as a point, such as (2, -1), or say &quot;parallel&quot; or &quot;the same line&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>there are too many brackets around this number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a bracket is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number cannot be divided by 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the repeating digits go in brackets after the point, as in 0.(3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large to work with exactly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write %1 without a comma, or %2 with a point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write %1 with a point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write %1 without blanks between the digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in a mixed number the fraction is less than 1, as in 2 1/3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write one number: a mixed number is a whole number and a fraction less than 1, as in 2 1/3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write a number, such as 3, -1.5, 2/3 or 1 1/2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Intersection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation 2:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>working</name>
    <message>
        <source>a number is too large to work with exactly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both points are (%1, %2), one point: it makes no line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run x2 - x1 is 0, so the slope is undefined; every point of the line has x = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rise is 0, so the line is horizontal and its slope is 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line meets the x-axis at (%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line meets the y-axis at (%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is x = 0, the y-axis itself: it meets it all along</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every point of the line has x = %1, and the y-axis is x = 0: they never meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every point of the line has x = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every point of the line has x = %1, so it meets the x-axis (y = 0) there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is y = 0, the x-axis itself: it meets it all along</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 = 0 x + %1 has no answer: the line stays at y = %2 and never meets the x-axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the y-axis is x = 0: put x = 0 into y = m x + b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the slope m, how steep it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the y-intercept b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: where it meets the x-axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: where it meets the y-axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is not a line, so there is nothing to cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both lines are vertical: x = %1 and x = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>they are the same line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>they are parallel and never meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b1 = b2 = %1, so they are the same line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b1 = %1 but b2 = %2, so they are parallel and never meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is x = %2, so where they cross x = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>put x = %1 into line %2: y = m%2 x + b%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the lines cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check on line 2: y = m2 x + b2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel, perpendicular or neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the two lines are one and the same line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lines go the same way and never meet: they are parallel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is horizontal, so they meet at a right angle: perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is vertical and line %2 is not horizontal, so they cross but are not perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m1 * m2 = -1, so the lines are perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>that is not -1, so the lines cross but are not perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
