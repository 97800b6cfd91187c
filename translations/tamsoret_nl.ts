<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>The left margin %1 is no whole number of millimetres.</source>
        <translation>De linkermarge %1 is geen geheel aantal millimeter.</translation>
    </message>
    <message>
        <source>The top margin %1 is no whole number of millimetres.</source>
        <translation>De bovenmarge %1 is geen geheel aantal millimeter.</translation>
    </message>
    <message>
        <source>The bottom margin %1 is no whole number of millimetres.</source>
        <translation>De ondermarge %1 is geen geheel aantal millimeter.</translation>
    </message>
    <message>
        <source>Unknown order %1: use %2.</source>
        <translation>Onbekende sortering %1: gebruik %2.</translation>
    </message>
    <message>
        <source>Unknown column %1: use %2.</source>
        <translation>Onbekende kolom %1: gebruik %2.</translation>
    </message>
    <message>
        <source>The column list %1 names no column: use %2.</source>
        <translation>De kolomlijst %1 noemt geen kolom: gebruik %2.</translation>
    </message>
    <message>
        <source>The margins %1 are not three numbers LEFT,TOP,BOTTOM.</source>
        <translation>De marges %1 zijn geen drie getallen LINKS,BOVEN,ONDER.</translation>
    </message>
    <message>
        <source>The depth %1 is no whole number of levels from 0 up.</source>
        <translation>De diepte %1 is geen geheel aantal niveaus vanaf 0.</translation>
    </message>
    <message>
        <source>The font size %1 is no number of points from 1 to 999.</source>
        <translation>De lettergrootte %1 is geen aantal punten van 1 tot 999.</translation>
    </message>
    <message>
        <source>The font %1 names no family.</source>
        <translation>Het lettertype %1 noemt geen familie.</translation>
    </message>
    <message>
        <source>No font of the family %1 is installed, nor any that stands in for it (fc-list lists the installed ones).</source>
        <translation>Er is geen lettertype van de familie %1 geïnstalleerd, en ook geen dat ervoor in de plaats komt (fc-list toont de geïnstalleerde).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Waarde ontbreekt na ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na ‘%1’.</translation>
    </message>
    <message>
        <source>Give either --output or --print, not both.</source>
        <translation>Geef --output of --print, niet allebei.</translation>
    </message>
    <message>
        <source>The output file name is empty.</source>
        <translation>De naam van het uitvoerbestand is leeg.</translation>
    </message>
    <message>
        <source>The printer queue name is empty.</source>
        <translation>De naam van de printerwachtrij is leeg.</translation>
    </message>
    <message>
        <source>--%1 applies only with --output or --print: the window lists with the options it shows.</source>
        <translation>--%1 geldt alleen met --output of --print: het venster maakt de lijst met de opties die het toont.</translation>
    </message>
    <message>
        <source>Give either --ascending or --descending, not both.</source>
        <translation>Geef --ascending of --descending, niet allebei.</translation>
    </message>
    <message>
        <source>Usage: tamsoret [OPTION]... [--] FOLDER
Makes a listing of one folder or of its tree. Without -o or -p the window opens
on FOLDER.
FOLDER is a full path or one relative to the working folder; its names may
differ in case from the stored ones.

Without a window:
  -o, --output=FILE       write the listing to FILE: a name ending in .pdf gives
                          the printed page as a PDF file, any other the text
                          listing, - the text listing on standard output;
                          .csv gives CSV and .json JSON (see --format)
      --format=FORMAT     what -o writes whatever the name: text, pdf, csv or
                          json; with -o - the way to CSV or JSON on standard
                          output
  -p, --print             print the listing on the default printer
      --printer=QUEUE     print it on the printer queue QUEUE instead

What is listed (these preset the window&apos;s controls too):
  -f, --filter=PATTERN    the name filter: ? * # [list] [!list] (default *.*)
      --no-folders        leave the folders out
      --no-hidden         leave the hidden entries out
  -r, --recursive         list every subfolder too, each in a section of its
                          own, with the tree&apos;s total at the end
      --depth=N           the same, N levels down at most (0: the folder alone)
  -x, --one-file-system   walk no folder on another file system than FOLDER&apos;s

How it is listed, only with -o or -p (the stored options otherwise):
      --order=KEY         sort by name, dos-name, size or date
      --ascending         sort from A to Z, small to large, old to new
      --descending        sort the other way
      --columns=LIST      the columns, a comma-separated subset of
                          name,dos-name,size,date,attributes
      --margins=LEFT,TOP,BOTTOM  page margins in millimetres
      --font=FAMILY[,SIZE]  the listing font, the size in points

  -h, --help              show this text
      --version           show the version
  --                      end of the options: what follows is the folder

These options change the stored options for this run only; they are never saved.
Exit status: 0 done or cancelled, 1 a failure reported, 2 a missing or invalid
folder or a bad argument.
</source>
        <translation>Gebruik: tamsoret [OPTIE]... [--] MAP
Maakt een lijst van één map of van de hele boom eronder. Zonder -o of -p opent
het venster op MAP.
MAP is een volledig pad of een pad vanaf de werkmap; de namen erin mogen in
hoofd- en kleine letters afwijken van de opgeslagen namen.

Zonder venster:
  -o, --output=BESTAND    de lijst naar BESTAND schrijven: een naam op .pdf
                          geeft de afgedrukte pagina als PDF-bestand, elke
                          andere de tekstlijst, - de tekstlijst op de
                          standaarduitvoer; .csv geeft CSV en .json JSON (zie
                          --format)
      --format=INDELING   wat -o schrijft, ongeacht de naam: text, pdf, csv of
                          json; met -o - de weg naar CSV of JSON op de
                          standaarduitvoer
  -p, --print             de lijst afdrukken op de standaardprinter
      --printer=WACHTRIJ  ze in plaats daarvan afdrukken op de printerwachtrij
                          WACHTRIJ

Wat in de lijst komt (dit stelt ook de bedieningselementen van het venster in):
  -f, --filter=PATROON    het naamfilter: ? * # [lijst] [!lijst] (standaard *.*)
      --no-folders        de mappen weglaten
      --no-hidden         de verborgen items weglaten
  -r, --recursive         ook elke submap opnemen, elk in een eigen deel, met
                          het totaal van de boom aan het eind
      --depth=N           hetzelfde, ten hoogste N niveaus diep (0: alleen de
                          map)
  -x, --one-file-system   geen map doorlopen op een ander bestandssysteem dan
                          dat van MAP

Hoe de lijst eruitziet, alleen met -o of -p (anders de opgeslagen opties):
      --order=SLEUTEL     sorteren op name, dos-name, size of date
      --ascending         oplopend sorteren: A tot Z, klein naar groot, oud naar
                          nieuw
      --descending        aflopend sorteren
      --columns=LIJST     de kolommen, een door komma&apos;s gescheiden deel van
                          name,dos-name,size,date,attributes
      --margins=LINKS,BOVEN,ONDER  paginamarges in millimeter
      --font=FAMILIE[,GROOTTE]  het lettertype van de lijst, de grootte in
                          punten

  -h, --help              deze tekst tonen
      --version           de versie tonen
  --                      einde van de opties: wat volgt is de map

Deze opties veranderen de opgeslagen opties alleen voor deze keer; ze worden
nooit opgeslagen.
Afsluitstatus: 0 klaar of geannuleerd, 1 een fout gemeld, 2 een ontbrekende of
ongeldige map of een verkeerd argument.
</translation>
    </message>
    <message>
        <source>The format %1 is none of text, pdf, csv and json.</source>
        <translation>De indeling %1 is geen van text, pdf, csv en json.</translation>
    </message>
    <message>
        <source>--format applies only with --output: it says what the file gets.</source>
        <translation>--format geldt alleen met --output: het bepaalt wat het bestand krijgt.</translation>
    </message>
    <message>
        <source>A PDF is written to a file only: give its name with --output.</source>
        <translation>Een PDF wordt alleen naar een bestand geschreven: geef de naam met --output.</translation>
    </message>
</context>
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
    <message>
        <source>CSV files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message>
        <source>JSON files</source>
        <translation>JSON-bestanden</translation>
    </message>
</context>
<context>
    <name>ConsoleRun</name>
    <message>
        <source>%1 %2 folders read</source>
        <translation>%1 %2 mappen gelezen</translation>
    </message>
    <message>
        <source>%1 %2 entries read</source>
        <translation>%1 %2 items gelezen</translation>
    </message>
    <message>
        <source>no default printer is set; name one with --printer=QUEUE, or write the listing to a file with -o FILE.</source>
        <translation>er is geen standaardprinter ingesteld; noem er een met --printer=WACHTRIJ, of schrijf de lijst naar een bestand met -o BESTAND.</translation>
    </message>
    <message>
        <source>Cannot print: %1</source>
        <translation>Afdrukken niet mogelijk: %1</translation>
    </message>
</context>
<context>
    <name>DisplayProbe</name>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>het X-scherm ‘%1’</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>het Wayland-scherm ‘%1’</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;, for which Qt&apos;s Wayland platform is not installed</source>
        <translation>het Wayland-scherm ‘%1’, waarvoor het Wayland-platform van Qt niet is geïnstalleerd</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
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
    <message>
        <source>Reading %1 folders ...</source>
        <translation>%1 mappen lezen ...</translation>
    </message>
    <message>
        <source>Not all of the tree could be listed</source>
        <translation>Niet de hele boom kon in de lijst worden opgenomen</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>Cannot write the listing file</source>
        <translation>Het lijstbestand kan niet worden geschreven</translation>
    </message>
    <message>
        <source>It is a block device; a listing is not written onto a disk.</source>
        <translation>Het is een blokapparaat; een lijst wordt niet op een schijf geschreven.</translation>
    </message>
    <message>
        <source>It is a socket, which cannot be written as a file.</source>
        <translation>Het is een socket, die niet als bestand kan worden geschreven.</translation>
    </message>
    <message>
        <source>The file may be incomplete.</source>
        <translation>Het bestand is mogelijk onvolledig.</translation>
    </message>
    <message>
        <source>The pages could not be finished.</source>
        <translation>De pagina’s konden niet worden voltooid.</translation>
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
    <name>PrinterDevice</name>
    <message>
        <source>Cannot print the listing</source>
        <translation>De lijst kan niet worden afgedrukt</translation>
    </message>
    <message>
        <source>No default printer is installed.<byte value="xd"/>To save the same page as a PDF file instead, tick &quot;%1&quot; and choose a name ending in .pdf.</source>
        <translation>Er is geen standaardprinter geïnstalleerd.<byte value="xd"/>Om dezelfde pagina in plaats daarvan als PDF-bestand op te slaan, vinkt u ‘%1’ aan en kiest u een naam die op .pdf eindigt.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer</source>
        <translation>Het afdruksysteem kent deze printer niet</translation>
    </message>
    <message>
        <source>The printer does not accept jobs</source>
        <translation>De printer neemt geen taken aan</translation>
    </message>
    <message>
        <source>The printer is stopped</source>
        <translation>De printer is gestopt</translation>
    </message>
    <message>
        <source>the print service (CUPS) does not answer at %1: %2.</source>
        <translation>de afdrukdienst (CUPS) antwoordt niet op %1: %2.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer.</source>
        <translation>Het afdruksysteem kent deze printer niet.</translation>
    </message>
    <message>
        <source>The print job could not be written whole to its spool file %1: %2.</source>
        <translation>De afdruktaak kon niet volledig naar zijn spoolbestand %1 worden geschreven: %2.</translation>
    </message>
    <message>
        <source>No spool file for the print job: %1</source>
        <translation>Geen spoolbestand voor de afdruktaak: %1</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>De afdruktaak kon niet worden voltooid.</translation>
    </message>
    <message>
        <source>The printing system refused the job</source>
        <translation>Het afdruksysteem heeft de taak geweigerd</translation>
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
    <name>TreeWalk</name>
    <message>
        <source> and %1 more</source>
        <translation> en nog %1</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 map kon niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>%1 mappen konden niet worden gelezen</translation>
    </message>
    <message>
        <source>1 folder is one of its own ancestors (a file system loop) and was not walked again</source>
        <translation>1 map is een van haar eigen voorouders (een lus in het bestandssysteem) en werd niet opnieuw doorlopen</translation>
    </message>
    <message>
        <source>%1 folders are their own ancestors (file system loops) and were not walked again</source>
        <translation>%1 mappen zijn hun eigen voorouders (lussen in het bestandssysteem) en werden niet opnieuw doorlopen</translation>
    </message>
    <message>
        <source>1 folder was moved during the walk, and the rest of it was not walked</source>
        <translation>1 map werd tijdens het doorlopen verplaatst, en de rest ervan werd niet doorlopen</translation>
    </message>
    <message>
        <source>%1 folders were moved during the walk, and the rest of them was not walked</source>
        <translation>%1 mappen werden tijdens het doorlopen verplaatst, en de rest ervan werd niet doorlopen</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only</source>
        <translation>1 item staat alleen met zijn naam in de lijst</translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only</source>
        <translation>%1 items staan alleen met hun naam in de lijst</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>WriteListing</name>
    <message>
        <source>Cannot write the listing</source>
        <translation>De lijst kan niet worden geschreven</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standaarduitvoer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start-up failed.</source>
        <translation>Het starten is mislukt.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Kan niet naar de standaarduitvoer schrijven: %1</translation>
    </message>
    <message>
        <source>Try &apos;tamsoret --help&apos; for more information.</source>
        <translation>Typ ‘tamsoret --help’ voor meer informatie.</translation>
    </message>
    <message>
        <source>Cannot write the listing on standard output: %1</source>
        <translation>De lijst kan niet naar de standaarduitvoer worden geschreven: %1</translation>
    </message>
    <message>
        <source>No display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Geen scherm om het venster op te openen: DISPLAY noch WAYLAND_DISPLAY is ingesteld.</translation>
    </message>
    <message>
        <source>No display to open the window on: %1 does not answer.</source>
        <translation>Geen scherm om het venster op te openen: %1 antwoordt niet.</translation>
    </message>
    <message>
        <source>To make the listing without a window, give --output=FILE or --print (tamsoret --help tells more).</source>
        <translation>Om de lijst zonder venster te maken, geef --output=BESTAND of --print (tamsoret --help vertelt meer).</translation>
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
    <message>
        <source>S&amp;ubfolders</source>
        <translation>&amp;Submappen</translation>
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
