<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
</context>
<context>
    <name>EnterDirectory</name>
    <message>
        <source>Path doesn&apos;t exists !!</source>
        <translation>Der Pfad existiert nicht!</translation>
    </message>
    <message>
        <source>Usage :</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Tamsoret &lt;path&gt;</source>
        <translation>Tamsoret &lt;Pfad&gt;</translation>
    </message>
</context>
<context>
    <name>FilterPattern</name>
    <message>
        <source>Invalid filter pattern</source>
        <translation>Ungültiges Filtermuster</translation>
    </message>
    <message>
        <source>A &quot;[&quot; has no closing &quot;]&quot;.</source>
        <translation>Zu einem „[“ fehlt das schließende „]“.</translation>
    </message>
    <message>
        <source>The range &quot;%1&quot; runs from a higher to a lower character.</source>
        <translation>Der Bereich „%1“ reicht von einem höheren zu einem niedrigeren Zeichen.</translation>
    </message>
</context>
<context>
    <name>ListOptions</name>
    <message>
        <source>The top margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>Der obere Rand „%1“ muss zwischen -32768 und 32767 mm liegen.</translation>
    </message>
    <message>
        <source>The bottom margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>Der untere Rand „%1“ muss zwischen -32768 und 32767 mm liegen.</translation>
    </message>
    <message>
        <source>The left margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>Der linke Rand „%1“ muss zwischen -32768 und 32767 mm liegen.</translation>
    </message>
</context>
<context>
    <name>ListingRun</name>
    <message>
        <source>Reading ...</source>
        <translation>Lesen ...</translation>
    </message>
    <message>
        <source>Sorting ...</source>
        <translation>Sortieren ...</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Schreiben ...</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Too many files !!</source>
        <translation>Zu viele Dateien!</translation>
    </message>
    <message>
        <source>The listing failed.</source>
        <translation>Die Liste konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>PaintedPageSurface</name>
    <message>
        <source>The page could not be started.</source>
        <translation>Die Seite konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Eine neue Seite konnte nicht begonnen werden.</translation>
    </message>
</context>
<context>
    <name>PdfMeasuringDevice</name>
    <message>
        <source>Cannot measure the PDF page</source>
        <translation>Die PDF-Seite kann nicht vermessen werden</translation>
    </message>
</context>
<context>
    <name>ReadDirectory</name>
    <message>
        <source>Cannot read the folder</source>
        <translation>Der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only: </source>
        <translation>1 Eintrag ist nur mit seinem Namen aufgeführt: </translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only: </source>
        <translation>%1 Einträge sind nur mit ihrem Namen aufgeführt: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Some entries could not be read</source>
        <translation>Einige Einträge konnten nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The stored option %1 (&quot;%2&quot;) cannot be read; its default &quot;%3&quot; is used.</source>
        <translation>Die gespeicherte Option %1 („%2“) kann nicht gelesen werden; ihr Standardwert „%3“ wird verwendet.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be written (is the disk full?).</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden (ist der Datenträger voll?).</translation>
    </message>
    <message>
        <source>The stored options cannot be read; the defaults are used.</source>
        <translation>Die gespeicherten Optionen können nicht gelesen werden; die Standardwerte werden verwendet.</translation>
    </message>
    <message>
        <source>Cannot save the options</source>
        <translation>Die Optionen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>No scratch folder for the new options: %1</source>
        <translation>Kein Arbeitsordner für die neuen Optionen: %1</translation>
    </message>
    <message>
        <source>The new options could not be drafted in %1.</source>
        <translation>Die neuen Optionen konnten in %1 nicht vorbereitet werden.</translation>
    </message>
</context>
<context>
    <name>tamsoret::frmMain</name>
    <message>
        <source>Directory :</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>&amp;To file</source>
        <translation>In &amp;Datei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Filter :</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;Directory&apos;s</source>
        <translation>O&amp;rdner</translation>
    </message>
    <message>
        <source>&amp;Hidden files</source>
        <translation>&amp;Versteckte Dateien</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
</context>
<context>
    <name>tamsoret::frmOpt</name>
    <message>
        <source>%1 pts</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Tamsoret options</source>
        <translation>Tamsoret-Optionen</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Schriftart wählen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Order by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>MS-DOS Name</source>
        <translation>MS-DOS-Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Order by Name</source>
        <translation>Sortieren nach Name</translation>
    </message>
    <message>
        <source>Order by MS-DOS Name</source>
        <translation>Sortieren nach MS-DOS-Name</translation>
    </message>
    <message>
        <source>Order by Size</source>
        <translation>Sortieren nach Größe</translation>
    </message>
    <message>
        <source>Order by Date/Time</source>
        <translation>Sortieren nach Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>A -&gt; Z</source>
        <translation>A -&gt; Z</translation>
    </message>
    <message>
        <source>Z -&gt; A</source>
        <translation>Z -&gt; A</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>A bis Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>Z bis A</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Right margin, computed</source>
        <translation>Rechter Rand, berechnet</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Bottom margin</source>
        <translation>Unterer Rand</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>millimetres, computed for the default printer&apos;s page</source>
        <translation>Millimeter, berechnet für die Seite des Standarddruckers</translation>
    </message>
    <message>
        <source>millimetres, computed for the page of a PDF file, %1, as no printer is installed</source>
        <translation>Millimeter, berechnet für die Seite einer PDF-Datei, %1, da kein Drucker installiert ist</translation>
    </message>
</context>
</TS>
