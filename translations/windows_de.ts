<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the About window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
