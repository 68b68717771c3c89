<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>answer key</name>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 %2 &apos;%3&apos; read as %4 (decimal comma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 %2 empty, read as 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y-intercept %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x-axis crossing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y-axis crossing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact kind %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact slope %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact y-intercept %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact x-intercept %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact equation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact crossing kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact crossing x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact crossing y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sheet holds at most %1 rows below its header; this row was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell holds more than the %1 characters a spreadsheet cell holds; it was cut to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot two straight lines and find where they cross.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the product name and version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write an answer key: read pairs of lines as CSV from the file, or from standard input, and write for each what the window shows after Draw Both Lines and the exact values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer key&apos;s form: csv, jsonl, or xlsx, a workbook for a spreadsheet. Unless given, the extension of -o chooses it, and otherwise csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the answer key works out the window&apos;s texts: exact (the default), each answer worked out exactly and rounded once, or designed, the original program&apos;s double arithmetic, round-off and all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What separates the answer key&apos;s input fields: &apos;,&apos;, &apos;;&apos; or tab. Found from the first rows unless given; in a file separated by &apos;;&apos; or tab, a comma inside a number is its decimal point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV answer key&apos;s header: fields (the default), the names scripts read, or words, plain words for a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the answer key to &lt;file&gt; rather than to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the working, every answer worked out step by step in exact fractions: a column or field of the answer key, or pages below the picture of a .pdf export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the picture Draw Both Lines would show to &lt;file&gt; (.png, .svg or .pdf), without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line one&apos;s end points for --export, as typed in the window, or its equation as one value: &quot;y = 2x + 3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line two&apos;s end points for --export, as typed in the window, or its equation as one value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The texts of the two range fields, -10 and 10 unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply a PNG picture&apos;s size in pixels by &lt;n&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a worksheet of exercises to &lt;file&gt; (.pdf), without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many exercises the worksheet has: 8 unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet&apos;s or the practice&apos;s level: 1 (whole-number slopes, the default), 2 (fractional slopes) or 3 (with parallel, same, vertical, horizontal and perpendicular pairs).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the same worksheet again, with the seed printed in its footer, or the same practice, with the seed its window shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s key, with pictures and answers, to &lt;file&gt; (.pdf).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the worksheet&apos;s exercises as the CSV --answers reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Practice window at once: exercises to answer, each answer checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak German (de), English (en), Spanish (es) or French (fr) rather than the desktop&apos;s language, in the window and in every command&apos;s pages and messages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>command line</name>
    <message>
        <source>row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is not UTF-8 text; save the file as CSV UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is longer than the %2 characters a field of the window holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 field; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a workbook; save it as CSV (File › Save As) and give that file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not text but a binary file; the answer key reads CSV, saved as CSV UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: a field is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid CSV: a quote stands inside a field that does not start with one, or after the quote that ends one; the rest of the line was skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid CSV: a quoted field has no closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… and %1 more rows in error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no row split into %1 fields at the separator %2; if the file uses another, name it: --separator &apos;,&apos;, --separator &apos;;&apos; or --separator tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the workbook back from its temporary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a workbook is not text for a terminal: name its file with -o key.xlsx, or redirect standard output to one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--range takes two values, the lowest and the highest: --range -10 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o &apos;%1&apos; is the file standard input reads: the key would replace its input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; and %3 &apos;%4&apos; are the same file: one would replace the other; give each its own name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the equation &apos;%1&apos;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is used only with %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes only %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not written either</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 were not written either</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown %1 &apos;%2&apos;: use %3 or %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--level takes 1, 2 or 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: --answers reads one file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown separator &apos;%1&apos;: use &apos;,&apos;, &apos;;&apos; or tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format %1 does not match -o &apos;%2&apos;: name the file .%1, or leave --format out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range&apos;s texts can be at most %1 characters long, as in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a .pdf file name: worksheets and keys are PDF pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exercises takes a whole number from 1 to 200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot tell the picture&apos;s format from &apos;%1&apos;: name it .png, .svg or .pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--working needs pages: name the file .pdf, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale &apos;%1&apos; is not a number from above 0 to 16.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>printed working</name>
    <message>
        <source>Graph and working</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>%1 · page %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y-intercept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find each line&apos;s slope, y-intercept and equation, and where the lines cross.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight lines: answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trellan worksheet · level %1 · seed %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
