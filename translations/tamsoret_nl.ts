<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Text files</source>
        <translation>Tekstbestanden</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-bestanden</translation>
    </message>
</context>
<context>
    <name>EnterDirectory</name>
    <message>
        <source>Path doesn&apos;t exists !!</source>
        <translation>Het pad bestaat niet!</translation>
    </message>
    <message>
        <source>Usage :</source>
        <translation>Gebruik:</translation>
    </message>
    <message>
        <source>Tamsoret &lt;path&gt;</source>
        <translation>Tamsoret &lt;pad&gt;</translation>
    </message>
</context>
<context>
    <name>FilterPattern</name>
    <message>
        <source>Invalid filter pattern</source>
        <translation>Ongeldig filterpatroon</translation>
    </message>
    <message>
        <source>A &quot;[&quot; has no closing &quot;]&quot;.</source>
        <translation>Bij een ‘[’ ontbreekt de afsluitende ‘]’.</translation>
    </message>
    <message>
        <source>The range &quot;%1&quot; runs from a higher to a lower character.</source>
        <translation>Het bereik ‘%1’ loopt van een hoger naar een lager teken.</translation>
    </message>
</context>
<context>
    <name>ListOptions</name>
    <message>
        <source>The top margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>De bovenmarge ‘%1’ moet tussen -32768 en 32767 mm liggen.</translation>
    </message>
    <message>
        <source>The bottom margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>De ondermarge ‘%1’ moet tussen -32768 en 32767 mm liggen.</translation>
    </message>
    <message>
        <source>The left margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>De linkermarge ‘%1’ moet tussen -32768 en 32767 mm liggen.</translation>
    </message>
</context>
<context>
    <name>ListingRun</name>
    <message>
        <source>Reading ...</source>
        <translation>Lezen ...</translation>
    </message>
    <message>
        <source>Sorting ...</source>
        <translation>Sorteren ...</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Schrijven ...</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Afdrukken ...</translation>
    </message>
    <message>
        <source>Too many files !!</source>
        <translation>Te veel bestanden!</translation>
    </message>
    <message>
        <source>The listing failed.</source>
        <translation>De lijst kon niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>PaintedPageSurface</name>
    <message>
        <source>The page could not be started.</source>
        <translation>De pagina kon niet worden begonnen.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Een nieuwe pagina kon niet worden begonnen.</translation>
    </message>
</context>
<context>
    <name>PdfMeasuringDevice</name>
    <message>
        <source>Cannot measure the PDF page</source>
        <translation>De PDF-pagina kan niet worden gemeten</translation>
    </message>
</context>
<context>
    <name>ReadDirectory</name>
    <message>
        <source>Cannot read the folder</source>
        <translation>De map kan niet worden gelezen</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only: </source>
        <translation>1 item staat alleen met zijn naam in de lijst: </translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only: </source>
        <translation>%1 items staan alleen met hun naam in de lijst: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> en nog %1</translation>
    </message>
    <message>
        <source>Some entries could not be read</source>
        <translation>Sommige items konden niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The stored option %1 (&quot;%2&quot;) cannot be read; its default &quot;%3&quot; is used.</source>
        <translation>De opgeslagen optie %1 (‘%2’) kan niet worden gelezen; de standaardwaarde ‘%3’ wordt gebruikt.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be written (is the disk full?).</source>
        <translation>Het instellingenbestand kon niet worden geschreven (is de schijf vol?).</translation>
    </message>
    <message>
        <source>The stored options cannot be read; the defaults are used.</source>
        <translation>De opgeslagen opties kunnen niet worden gelezen; de standaardwaarden worden gebruikt.</translation>
    </message>
    <message>
        <source>Cannot save the options</source>
        <translation>De opties kunnen niet worden opgeslagen</translation>
    </message>
    <message>
        <source>No scratch folder for the new options: %1</source>
        <translation>Geen werkmap voor de nieuwe opties: %1</translation>
    </message>
    <message>
        <source>The new options could not be drafted in %1.</source>
        <translation>De nieuwe opties konden niet worden voorbereid in %1.</translation>
    </message>
</context>
<context>
    <name>tamsoret::frmMain</name>
    <message>
        <source>Directory :</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>&amp;To file</source>
        <translation>Naar &amp;bestand</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Filter :</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;Directory&apos;s</source>
        <translation>&amp;Mappen</translation>
    </message>
    <message>
        <source>&amp;Hidden files</source>
        <translation>&amp;Verborgen bestanden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
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
        <translation>Tamsoret-opties</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Lettertype kiezen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Order by</source>
        <translation>Sorteren op</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>MS-DOS Name</source>
        <translation>MS-DOS-naam</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/tijd</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributen</translation>
    </message>
    <message>
        <source>Order by Name</source>
        <translation>Sorteren op naam</translation>
    </message>
    <message>
        <source>Order by MS-DOS Name</source>
        <translation>Sorteren op MS-DOS-naam</translation>
    </message>
    <message>
        <source>Order by Size</source>
        <translation>Sorteren op grootte</translation>
    </message>
    <message>
        <source>Order by Date/Time</source>
        <translation>Sorteren op datum/tijd</translation>
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
        <translation>A tot Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>Z tot A</translation>
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
        <translation>Boven</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Onder</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Linkermarge</translation>
    </message>
    <message>
        <source>Right margin, computed</source>
        <translation>Rechtermarge, berekend</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Bovenmarge</translation>
    </message>
    <message>
        <source>Bottom margin</source>
        <translation>Ondermarge</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimeter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>millimetres, computed for the default printer&apos;s page</source>
        <translation>millimeter, berekend voor de pagina van de standaardprinter</translation>
    </message>
    <message>
        <source>millimetres, computed for the page of a PDF file, %1, as no printer is installed</source>
        <translation>millimeter, berekend voor de pagina van een PDF-bestand, %1, omdat er geen printer is geïnstalleerd</translation>
    </message>
</context>
</TS>
