<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>The left margin %1 is no whole number of millimetres.</source>
        <translation>Der linke Rand %1 ist keine ganze Zahl von Millimetern.</translation>
    </message>
    <message>
        <source>The top margin %1 is no whole number of millimetres.</source>
        <translation>Der obere Rand %1 ist keine ganze Zahl von Millimetern.</translation>
    </message>
    <message>
        <source>The bottom margin %1 is no whole number of millimetres.</source>
        <translation>Der untere Rand %1 ist keine ganze Zahl von Millimetern.</translation>
    </message>
    <message>
        <source>Unknown order %1: use %2.</source>
        <translation>Unbekannte Sortierung %1: verwenden Sie %2.</translation>
    </message>
    <message>
        <source>Unknown column %1: use %2.</source>
        <translation>Unbekannte Spalte %1: verwenden Sie %2.</translation>
    </message>
    <message>
        <source>The column list %1 names no column: use %2.</source>
        <translation>Die Spaltenliste %1 nennt keine Spalte: verwenden Sie %2.</translation>
    </message>
    <message>
        <source>The margins %1 are not three numbers LEFT,TOP,BOTTOM.</source>
        <translation>Die Ränder %1 sind nicht drei Zahlen LINKS,OBEN,UNTEN.</translation>
    </message>
    <message>
        <source>The depth %1 is no whole number of levels from 0 up.</source>
        <translation>Die Tiefe %1 ist keine ganze Zahl von Ebenen ab 0.</translation>
    </message>
    <message>
        <source>The font size %1 is no number of points from 1 to 999.</source>
        <translation>Die Schriftgröße %1 ist keine Punktzahl von 1 bis 999.</translation>
    </message>
    <message>
        <source>The font %1 names no family.</source>
        <translation>Die Schriftart %1 nennt keine Familie.</translation>
    </message>
    <message>
        <source>No font of the family %1 is installed, nor any that stands in for it (fc-list lists the installed ones).</source>
        <translation>Es ist keine Schriftart der Familie %1 installiert und auch keine, die für sie einspringt (fc-list zeigt die installierten).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Give either --output or --print, not both.</source>
        <translation>Geben Sie entweder --output oder --print an, nicht beides.</translation>
    </message>
    <message>
        <source>The output file name is empty.</source>
        <translation>Der Name der Ausgabedatei ist leer.</translation>
    </message>
    <message>
        <source>The printer queue name is empty.</source>
        <translation>Der Name der Druckerwarteschlange ist leer.</translation>
    </message>
    <message>
        <source>--%1 applies only with --output or --print: the window lists with the options it shows.</source>
        <translation>--%1 gilt nur mit --output oder --print: das Fenster erstellt die Liste mit den Optionen, die es zeigt.</translation>
    </message>
    <message>
        <source>Give either --ascending or --descending, not both.</source>
        <translation>Geben Sie entweder --ascending oder --descending an, nicht beides.</translation>
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
        <translation>Aufruf: tamsoret [OPTION]... [--] ORDNER
Erstellt eine Liste eines Ordners oder seines ganzen Baums. Ohne -o oder -p
öffnet sich das Fenster mit ORDNER.
ORDNER ist ein vollständiger Pfad oder einer relativ zum Arbeitsordner; seine
Namen dürfen in der Groß-/Kleinschreibung von den gespeicherten abweichen.

Ohne Fenster:
  -o, --output=DATEI      die Liste in DATEI schreiben: ein Name auf .pdf ergibt
                          die gedruckte Seite als PDF-Datei, jeder andere die
                          Textliste, - die Textliste auf der Standardausgabe;
                          .csv ergibt CSV und .json JSON (siehe --format)
      --format=FORMAT     was -o schreibt, unabhängig vom Namen: text, pdf, csv
                          oder json; mit -o - der Weg zu CSV oder JSON auf der
                          Standardausgabe
  -p, --print             die Liste auf dem Standarddrucker drucken
      --printer=WARTESCHLANGE  sie stattdessen auf der Druckerwarteschlange
                          WARTESCHLANGE drucken

Was aufgeführt wird (dies stellt auch die Bedienelemente des Fensters ein):
  -f, --filter=MUSTER     der Namensfilter: ? * # [Liste] [!Liste]
                          (Standard *.*)
      --no-folders        die Ordner weglassen
      --no-hidden         die versteckten Einträge weglassen
  -r, --recursive         auch jeden Unterordner aufführen, jeden in einem
                          eigenen Abschnitt, mit der Summe des Baums am Ende
      --depth=N           ebenso, höchstens N Ebenen tief (0: nur der Ordner)
  -x, --one-file-system   keinen Ordner auf einem anderen Dateisystem als dem
                          von ORDNER durchlaufen

Wie es aufgeführt wird, nur mit -o oder -p (sonst die gespeicherten Optionen):
      --order=SCHLÜSSEL   sortieren nach name, dos-name, size oder date
      --ascending         aufsteigend sortieren: A bis Z, klein bis groß, alt
                          bis neu
      --descending        absteigend sortieren
      --columns=LISTE     die Spalten, eine durch Kommas getrennte Auswahl aus
                          name,dos-name,size,date,attributes
      --margins=LINKS,OBEN,UNTEN  Seitenränder in Millimetern
      --font=FAMILIE[,GRÖSSE]  die Schriftart der Liste, die Größe in Punkt

  -h, --help              diesen Text anzeigen
      --version           die Version anzeigen
  --                      Ende der Optionen: was folgt, ist der Ordner

Diese Optionen ändern die gespeicherten Optionen nur für diesen Lauf; sie werden
nie gespeichert.
Rückgabewert: 0 erledigt oder abgebrochen, 1 ein Fehler wurde gemeldet, 2 ein
fehlender oder ungültiger Ordner oder ein falsches Argument.
</translation>
    </message>
    <message>
        <source>The format %1 is none of text, pdf, csv and json.</source>
        <translation>Das Format %1 ist keines von text, pdf, csv und json.</translation>
    </message>
    <message>
        <source>--format applies only with --output: it says what the file gets.</source>
        <translation>--format gilt nur mit --output: es bestimmt, was die Datei erhält.</translation>
    </message>
    <message>
        <source>A PDF is written to a file only: give its name with --output.</source>
        <translation>Ein PDF wird nur in eine Datei geschrieben: geben Sie ihren Namen mit --output an.</translation>
    </message>
</context>
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
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>JSON files</source>
        <translation>JSON-Dateien</translation>
    </message>
</context>
<context>
    <name>ConsoleRun</name>
    <message>
        <source>%1 %2 folders read</source>
        <translation>%1 %2 Ordner gelesen</translation>
    </message>
    <message>
        <source>%1 %2 entries read</source>
        <translation>%1 %2 Einträge gelesen</translation>
    </message>
    <message>
        <source>no default printer is set; name one with --printer=QUEUE, or write the listing to a file with -o FILE.</source>
        <translation>es ist kein Standarddrucker eingestellt; nennen Sie einen mit --printer=WARTESCHLANGE oder schreiben Sie die Liste mit -o DATEI in eine Datei.</translation>
    </message>
    <message>
        <source>Cannot print: %1</source>
        <translation>Drucken nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>DisplayProbe</name>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>die X-Anzeige „%1“</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>die Wayland-Anzeige „%1“</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;, for which Qt&apos;s Wayland platform is not installed</source>
        <translation>die Wayland-Anzeige „%1“, für die Qts Wayland-Plattform nicht installiert ist</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
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
    <message>
        <source>Reading %1 folders ...</source>
        <translation>%1 Ordner lesen ...</translation>
    </message>
    <message>
        <source>Not all of the tree could be listed</source>
        <translation>Nicht der ganze Baum konnte aufgeführt werden</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>Cannot write the listing file</source>
        <translation>Die Listendatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>It is a block device; a listing is not written onto a disk.</source>
        <translation>Es ist ein Blockgerät; eine Liste wird nicht auf einen Datenträger geschrieben.</translation>
    </message>
    <message>
        <source>It is a socket, which cannot be written as a file.</source>
        <translation>Es ist ein Socket, der nicht wie eine Datei geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The file may be incomplete.</source>
        <translation>Die Datei ist möglicherweise unvollständig.</translation>
    </message>
    <message>
        <source>The pages could not be finished.</source>
        <translation>Die Seiten konnten nicht fertiggestellt werden.</translation>
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
    <name>PrinterDevice</name>
    <message>
        <source>Cannot print the listing</source>
        <translation>Die Liste kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>No default printer is installed.<byte value="xd"/>To save the same page as a PDF file instead, tick &quot;%1&quot; and choose a name ending in .pdf.</source>
        <translation>Es ist kein Standarddrucker installiert.<byte value="xd"/>Um dieselbe Seite stattdessen als PDF-Datei zu speichern, kreuzen Sie „%1“ an und wählen Sie einen Namen auf .pdf.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer</source>
        <translation>Das Drucksystem kennt diesen Drucker nicht</translation>
    </message>
    <message>
        <source>The printer does not accept jobs</source>
        <translation>Der Drucker nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>The printer is stopped</source>
        <translation>Der Drucker ist angehalten</translation>
    </message>
    <message>
        <source>the print service (CUPS) does not answer at %1: %2.</source>
        <translation>der Druckdienst (CUPS) antwortet unter %1 nicht: %2.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer.</source>
        <translation>Das Drucksystem kennt diesen Drucker nicht.</translation>
    </message>
    <message>
        <source>The print job could not be written whole to its spool file %1: %2.</source>
        <translation>Der Druckauftrag konnte nicht vollständig in seine Spool-Datei %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>No spool file for the print job: %1</source>
        <translation>Keine Spool-Datei für den Druckauftrag: %1</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The printing system refused the job</source>
        <translation>Das Drucksystem hat den Auftrag abgelehnt</translation>
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
    <name>TreeWalk</name>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 Ordner konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>%1 Ordner konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>1 folder is one of its own ancestors (a file system loop) and was not walked again</source>
        <translation>1 Ordner ist einer seiner eigenen Vorfahren (eine Schleife im Dateisystem) und wurde nicht erneut durchlaufen</translation>
    </message>
    <message>
        <source>%1 folders are their own ancestors (file system loops) and were not walked again</source>
        <translation>%1 Ordner sind ihre eigenen Vorfahren (Schleifen im Dateisystem) und wurden nicht erneut durchlaufen</translation>
    </message>
    <message>
        <source>1 folder was moved during the walk, and the rest of it was not walked</source>
        <translation>1 Ordner wurde während des Durchlaufs verschoben, und sein Rest wurde nicht durchlaufen</translation>
    </message>
    <message>
        <source>%1 folders were moved during the walk, and the rest of them was not walked</source>
        <translation>%1 Ordner wurden während des Durchlaufs verschoben, und ihr Rest wurde nicht durchlaufen</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only</source>
        <translation>1 Eintrag ist nur mit seinem Namen aufgeführt</translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only</source>
        <translation>%1 Einträge sind nur mit ihrem Namen aufgeführt</translation>
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
        <translation>Die Liste kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start-up failed.</source>
        <translation>Der Start ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Try &apos;tamsoret --help&apos; for more information.</source>
        <translation>„tamsoret --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>Cannot write the listing on standard output: %1</source>
        <translation>Die Liste kann nicht auf die Standardausgabe geschrieben werden: %1</translation>
    </message>
    <message>
        <source>No display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Keine Anzeige, auf der sich das Fenster öffnen ließe: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.</translation>
    </message>
    <message>
        <source>No display to open the window on: %1 does not answer.</source>
        <translation>Keine Anzeige, auf der sich das Fenster öffnen ließe: %1 antwortet nicht.</translation>
    </message>
    <message>
        <source>To make the listing without a window, give --output=FILE or --print (tamsoret --help tells more).</source>
        <translation>Um die Liste ohne Fenster zu erstellen, geben Sie --output=DATEI oder --print an (tamsoret --help sagt mehr).</translation>
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
    <message>
        <source>S&amp;ubfolders</source>
        <translation>&amp;Unterordner</translation>
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
