<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
