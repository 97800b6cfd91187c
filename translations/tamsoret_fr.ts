<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>The left margin %1 is no whole number of millimetres.</source>
        <translation>La marge de gauche %1 n’est pas un nombre entier de millimètres.</translation>
    </message>
    <message>
        <source>The top margin %1 is no whole number of millimetres.</source>
        <translation>La marge du haut %1 n’est pas un nombre entier de millimètres.</translation>
    </message>
    <message>
        <source>The bottom margin %1 is no whole number of millimetres.</source>
        <translation>La marge du bas %1 n’est pas un nombre entier de millimètres.</translation>
    </message>
    <message>
        <source>Unknown order %1: use %2.</source>
        <translation>Ordre de tri inconnu %1&#xa0;: utilisez %2.</translation>
    </message>
    <message>
        <source>Unknown column %1: use %2.</source>
        <translation>Colonne inconnue %1&#xa0;: utilisez %2.</translation>
    </message>
    <message>
        <source>The column list %1 names no column: use %2.</source>
        <translation>La liste de colonnes %1 ne nomme aucune colonne&#xa0;: utilisez %2.</translation>
    </message>
    <message>
        <source>The margins %1 are not three numbers LEFT,TOP,BOTTOM.</source>
        <translation>Les marges %1 ne sont pas trois nombres GAUCHE,HAUT,BAS.</translation>
    </message>
    <message>
        <source>The depth %1 is no whole number of levels from 0 up.</source>
        <translation>La profondeur %1 n’est pas un nombre entier de niveaux à partir de 0.</translation>
    </message>
    <message>
        <source>The font size %1 is no number of points from 1 to 999.</source>
        <translation>La taille de police %1 n’est pas un nombre de points de 1 à 999.</translation>
    </message>
    <message>
        <source>The font %1 names no family.</source>
        <translation>La police %1 ne nomme aucune famille.</translation>
    </message>
    <message>
        <source>No font of the family %1 is installed, nor any that stands in for it (fc-list lists the installed ones).</source>
        <translation>Aucune police de la famille %1 n’est installée, ni aucune qui la remplace (fc-list liste celles qui sont installées).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Give either --output or --print, not both.</source>
        <translation>Donnez soit --output, soit --print, pas les deux.</translation>
    </message>
    <message>
        <source>The output file name is empty.</source>
        <translation>Le nom du fichier de sortie est vide.</translation>
    </message>
    <message>
        <source>The printer queue name is empty.</source>
        <translation>Le nom de la file d’attente d’impression est vide.</translation>
    </message>
    <message>
        <source>--%1 applies only with --output or --print: the window lists with the options it shows.</source>
        <translation>--%1 ne s’applique qu’avec --output ou --print&#xa0;: la fenêtre fait la liste avec les options qu’elle affiche.</translation>
    </message>
    <message>
        <source>Give either --ascending or --descending, not both.</source>
        <translation>Donnez soit --ascending, soit --descending, pas les deux.</translation>
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
        <translation>Utilisation&#xa0;: tamsoret [OPTION]... [--] DOSSIER
Fait la liste d’un dossier ou de toute son arborescence. Sans -o ni -p, la
fenêtre s’ouvre sur DOSSIER.
DOSSIER est un chemin complet ou relatif au dossier de travail&#xa0;; la casse de
ses noms peut différer de celle des noms enregistrés.

Sans fenêtre&#xa0;:
  -o, --output=FICHIER    écrire la liste dans FICHIER&#xa0;: un nom finissant par
                          .pdf donne la page imprimée en fichier PDF, tout
                          autre la liste en texte, - la liste en texte sur la
                          sortie standard&#xa0;; .csv donne du CSV et .json du
                          JSON (voir --format)
      --format=FORMAT     ce que -o écrit, quel que soit le nom&#xa0;: text, pdf,
                          csv ou json&#xa0;; avec -o -, le moyen d’obtenir du CSV
                          ou du JSON sur la sortie standard
  -p, --print             imprimer la liste sur l’imprimante par défaut
      --printer=FILE_ATTENTE  l’imprimer plutôt sur la file d’attente
                          d’impression FILE_ATTENTE

Ce qui est listé (ces options règlent aussi les contrôles de la fenêtre)&#xa0;:
  -f, --filter=MOTIF      le filtre des noms&#xa0;: ? * # [liste] [!liste]
                          (par défaut *.*)
      --no-folders        laisser de côté les dossiers
      --no-hidden         laisser de côté les éléments cachés
  -r, --recursive         lister aussi chaque sous-dossier, chacun dans une
                          section à lui, avec le total de l’arborescence à la
                          fin
      --depth=N           de même, sur N niveaux au plus (0&#xa0;: le dossier seul)
  -x, --one-file-system   ne parcourir aucun dossier d’un autre système de
                          fichiers que celui de DOSSIER

Comment c’est listé, seulement avec -o ou -p (sinon les options enregistrées)&#xa0;:
      --order=CLÉ         trier par name, dos-name, size ou date
      --ascending         trier de A à Z, du petit au grand, de l’ancien au
                          récent
      --descending        trier dans l’autre sens
      --columns=LISTE     les colonnes, une partie de
                          name,dos-name,size,date,attributes séparée par des
                          virgules
      --margins=GAUCHE,HAUT,BAS  les marges de la page en millimètres
      --font=FAMILLE[,TAILLE]  la police de la liste, la taille en points

  -h, --help              afficher ce texte
      --version           afficher la version
  --                      fin des options&#xa0;: ce qui suit est le dossier

Ces options changent les options enregistrées pour cette exécution seulement&#xa0;;
elles ne sont jamais enregistrées.
Code de sortie&#xa0;: 0 fait ou annulé, 1 un échec signalé, 2 un dossier manquant ou
non valide, ou un argument incorrect.
</translation>
    </message>
    <message>
        <source>The format %1 is none of text, pdf, csv and json.</source>
        <translation>Le format %1 n’est ni text, ni pdf, ni csv, ni json.</translation>
    </message>
    <message>
        <source>--format applies only with --output: it says what the file gets.</source>
        <translation>--format ne s’applique qu’avec --output&#xa0;: il dit ce que reçoit le fichier.</translation>
    </message>
    <message>
        <source>A PDF is written to a file only: give its name with --output.</source>
        <translation>Un PDF ne s’écrit que dans un fichier&#xa0;: donnez son nom avec --output.</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Text files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>JSON files</source>
        <translation>Fichiers JSON</translation>
    </message>
</context>
<context>
    <name>ConsoleRun</name>
    <message>
        <source>%1 %2 folders read</source>
        <translation>%1 %2&#xa0;dossiers lus</translation>
    </message>
    <message>
        <source>%1 %2 entries read</source>
        <translation>%1 %2&#xa0;éléments lus</translation>
    </message>
    <message>
        <source>no default printer is set; name one with --printer=QUEUE, or write the listing to a file with -o FILE.</source>
        <translation>aucune imprimante par défaut n’est définie&#xa0;; nommez-en une avec --printer=FILE_ATTENTE, ou écrivez la liste dans un fichier avec -o FICHIER.</translation>
    </message>
    <message>
        <source>Cannot print: %1</source>
        <translation>Impossible d’imprimer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DisplayProbe</name>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>l’écran X «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>l’écran Wayland «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;, for which Qt&apos;s Wayland platform is not installed</source>
        <translation>l’écran Wayland «&#xa0;%1&#xa0;», pour lequel la plateforme Wayland de Qt n’est pas installée</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
</context>
<context>
    <name>EnterDirectory</name>
    <message>
        <source>Path doesn&apos;t exists !!</source>
        <translation>Le chemin n’existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>Usage :</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <source>Tamsoret &lt;path&gt;</source>
        <translation>Tamsoret &lt;chemin&gt;</translation>
    </message>
</context>
<context>
    <name>FilterPattern</name>
    <message>
        <source>Invalid filter pattern</source>
        <translation>Motif de filtre non valide</translation>
    </message>
    <message>
        <source>A &quot;[&quot; has no closing &quot;]&quot;.</source>
        <translation>Un «&#xa0;[&#xa0;» n’a pas de «&#xa0;]&#xa0;» fermant.</translation>
    </message>
    <message>
        <source>The range &quot;%1&quot; runs from a higher to a lower character.</source>
        <translation>La plage «&#xa0;%1&#xa0;» va d’un caractère plus grand à un caractère plus petit.</translation>
    </message>
</context>
<context>
    <name>ListOptions</name>
    <message>
        <source>The top margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>La marge du haut «&#xa0;%1&#xa0;» doit être comprise entre -32768 et 32767&#xa0;mm.</translation>
    </message>
    <message>
        <source>The bottom margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>La marge du bas «&#xa0;%1&#xa0;» doit être comprise entre -32768 et 32767&#xa0;mm.</translation>
    </message>
    <message>
        <source>The left margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>La marge de gauche «&#xa0;%1&#xa0;» doit être comprise entre -32768 et 32767&#xa0;mm.</translation>
    </message>
</context>
<context>
    <name>ListingRun</name>
    <message>
        <source>Reading ...</source>
        <translation>Lecture ...</translation>
    </message>
    <message>
        <source>Sorting ...</source>
        <translation>Tri ...</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Écriture ...</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Impression ...</translation>
    </message>
    <message>
        <source>Too many files !!</source>
        <translation>Trop de fichiers&#xa0;!</translation>
    </message>
    <message>
        <source>The listing failed.</source>
        <translation>La liste n’a pas pu être faite.</translation>
    </message>
    <message>
        <source>Reading %1 folders ...</source>
        <translation>Lecture de %1&#xa0;dossiers ...</translation>
    </message>
    <message>
        <source>Not all of the tree could be listed</source>
        <translation>L’arborescence n’a pas pu être listée en entier</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>Cannot write the listing file</source>
        <translation>Impossible d’écrire le fichier de la liste</translation>
    </message>
    <message>
        <source>It is a block device; a listing is not written onto a disk.</source>
        <translation>C’est un périphérique bloc&#xa0;; une liste ne s’écrit pas sur un disque.</translation>
    </message>
    <message>
        <source>It is a socket, which cannot be written as a file.</source>
        <translation>C’est un socket, qui ne peut pas être écrit comme un fichier.</translation>
    </message>
    <message>
        <source>The file may be incomplete.</source>
        <translation>Le fichier est peut-être incomplet.</translation>
    </message>
    <message>
        <source>The pages could not be finished.</source>
        <translation>Les pages n’ont pas pu être terminées.</translation>
    </message>
</context>
<context>
    <name>PaintedPageSurface</name>
    <message>
        <source>The page could not be started.</source>
        <translation>La page n’a pas pu être commencée.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Une nouvelle page n’a pas pu être commencée.</translation>
    </message>
</context>
<context>
    <name>PdfMeasuringDevice</name>
    <message>
        <source>Cannot measure the PDF page</source>
        <translation>Impossible de mesurer la page PDF</translation>
    </message>
</context>
<context>
    <name>PrinterDevice</name>
    <message>
        <source>Cannot print the listing</source>
        <translation>Impossible d’imprimer la liste</translation>
    </message>
    <message>
        <source>No default printer is installed.<byte value="xd"/>To save the same page as a PDF file instead, tick &quot;%1&quot; and choose a name ending in .pdf.</source>
        <translation>Aucune imprimante par défaut n’est installée.<byte value="xd"/>Pour enregistrer plutôt la même page en fichier PDF, cochez «&#xa0;%1&#xa0;» et choisissez un nom finissant par .pdf.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer</source>
        <translation>Le système d’impression ne connaît pas cette imprimante</translation>
    </message>
    <message>
        <source>The printer does not accept jobs</source>
        <translation>L’imprimante n’accepte pas de travaux</translation>
    </message>
    <message>
        <source>The printer is stopped</source>
        <translation>L’imprimante est arrêtée</translation>
    </message>
    <message>
        <source>the print service (CUPS) does not answer at %1: %2.</source>
        <translation>le service d’impression (CUPS) ne répond pas à %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer.</source>
        <translation>Le système d’impression ne connaît pas cette imprimante.</translation>
    </message>
    <message>
        <source>The print job could not be written whole to its spool file %1: %2.</source>
        <translation>Le travail d’impression n’a pas pu être écrit en entier dans son fichier de spool %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No spool file for the print job: %1</source>
        <translation>Pas de fichier de spool pour le travail d’impression&#xa0;: %1</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Le travail d’impression n’a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The printing system refused the job</source>
        <translation>Le système d’impression a refusé le travail</translation>
    </message>
</context>
<context>
    <name>ReadDirectory</name>
    <message>
        <source>Cannot read the folder</source>
        <translation>Impossible de lire le dossier</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only: </source>
        <translation>1 élément ne figure dans la liste que par son nom&#xa0;: </translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only: </source>
        <translation>%1 éléments ne figurent dans la liste que par leur nom&#xa0;: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>Some entries could not be read</source>
        <translation>Certains éléments n’ont pas pu être lus</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The stored option %1 (&quot;%2&quot;) cannot be read; its default &quot;%3&quot; is used.</source>
        <translation>L’option enregistrée %1 («&#xa0;%2&#xa0;») ne peut pas être lue&#xa0;; sa valeur par défaut «&#xa0;%3&#xa0;» est utilisée.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be written (is the disk full?).</source>
        <translation>Le fichier de paramètres n’a pas pu être écrit (le disque est-il plein&#xa0;?).</translation>
    </message>
    <message>
        <source>The stored options cannot be read; the defaults are used.</source>
        <translation>Les options enregistrées ne peuvent pas être lues&#xa0;; les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>Cannot save the options</source>
        <translation>Impossible d’enregistrer les options</translation>
    </message>
    <message>
        <source>No scratch folder for the new options: %1</source>
        <translation>Aucun dossier de travail pour les nouvelles options&#xa0;: %1</translation>
    </message>
    <message>
        <source>The new options could not be drafted in %1.</source>
        <translation>Les nouvelles options n’ont pas pu être préparées dans %1.</translation>
    </message>
</context>
<context>
    <name>TreeWalk</name>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 dossier n’a pas pu être lu</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>%1&#xa0;dossiers n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>1 folder is one of its own ancestors (a file system loop) and was not walked again</source>
        <translation>1 dossier est l’un de ses propres ancêtres (une boucle du système de fichiers) et n’a pas été parcouru à nouveau</translation>
    </message>
    <message>
        <source>%1 folders are their own ancestors (file system loops) and were not walked again</source>
        <translation>%1&#xa0;dossiers sont leurs propres ancêtres (des boucles du système de fichiers) et n’ont pas été parcourus à nouveau</translation>
    </message>
    <message>
        <source>1 folder was moved during the walk, and the rest of it was not walked</source>
        <translation>1 dossier a été déplacé pendant le parcours, et son reste n’a pas été parcouru</translation>
    </message>
    <message>
        <source>%1 folders were moved during the walk, and the rest of them was not walked</source>
        <translation>%1&#xa0;dossiers ont été déplacés pendant le parcours, et leur reste n’a pas été parcouru</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only</source>
        <translation>1 élément ne figure dans la liste que par son nom</translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only</source>
        <translation>%1&#xa0;éléments ne figurent dans la liste que par leur nom</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>WriteListing</name>
    <message>
        <source>Cannot write the listing</source>
        <translation>Impossible d’écrire la liste</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start-up failed.</source>
        <translation>Le démarrage a échoué.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Try &apos;tamsoret --help&apos; for more information.</source>
        <translation>Saisissez «&#xa0;tamsoret --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>Cannot write the listing on standard output: %1</source>
        <translation>Impossible d’écrire la liste sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>No display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Aucun écran où ouvrir la fenêtre&#xa0;: ni DISPLAY ni WAYLAND_DISPLAY n’est défini.</translation>
    </message>
    <message>
        <source>No display to open the window on: %1 does not answer.</source>
        <translation>Aucun écran où ouvrir la fenêtre&#xa0;: %1 ne répond pas.</translation>
    </message>
    <message>
        <source>To make the listing without a window, give --output=FILE or --print (tamsoret --help tells more).</source>
        <translation>Pour faire la liste sans fenêtre, donnez --output=FICHIER ou --print (tamsoret --help en dit plus).</translation>
    </message>
</context>
<context>
    <name>tamsoret::frmMain</name>
    <message>
        <source>Directory :</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To file</source>
        <translation>Dans un fic&amp;hier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Filter :</source>
        <translation>&amp;Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Directory&apos;s</source>
        <translation>&amp;Dossiers</translation>
    </message>
    <message>
        <source>&amp;Hidden files</source>
        <translation>Fichiers &amp;cachés</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>S&amp;ubfolders</source>
        <translation>&amp;Sous-dossiers</translation>
    </message>
</context>
<context>
    <name>tamsoret::frmOpt</name>
    <message>
        <source>%1 pts</source>
        <translation>%1&#xa0;pt</translation>
    </message>
    <message>
        <source>Tamsoret options</source>
        <translation>Options de Tamsoret</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Order by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>MS-DOS Name</source>
        <translation>Nom MS-DOS</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/heure</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Order by Name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>Order by MS-DOS Name</source>
        <translation>Trier par nom MS-DOS</translation>
    </message>
    <message>
        <source>Order by Size</source>
        <translation>Trier par taille</translation>
    </message>
    <message>
        <source>Order by Date/Time</source>
        <translation>Trier par date/heure</translation>
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
        <translation>De A à Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>De Z à A</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Marge de gauche</translation>
    </message>
    <message>
        <source>Right margin, computed</source>
        <translation>Marge de droite, calculée</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Marge du haut</translation>
    </message>
    <message>
        <source>Bottom margin</source>
        <translation>Marge du bas</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>millimetres, computed for the default printer&apos;s page</source>
        <translation>millimètres, calculée pour la page de l’imprimante par défaut</translation>
    </message>
    <message>
        <source>millimetres, computed for the page of a PDF file, %1, as no printer is installed</source>
        <translation>millimètres, calculée pour la page d’un fichier PDF, %1, car aucune imprimante n’est installée</translation>
    </message>
</context>
</TS>
