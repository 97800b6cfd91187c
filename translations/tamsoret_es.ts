<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>The left margin %1 is no whole number of millimetres.</source>
        <translation>El margen izquierdo %1 no es un número entero de milímetros.</translation>
    </message>
    <message>
        <source>The top margin %1 is no whole number of millimetres.</source>
        <translation>El margen superior %1 no es un número entero de milímetros.</translation>
    </message>
    <message>
        <source>The bottom margin %1 is no whole number of millimetres.</source>
        <translation>El margen inferior %1 no es un número entero de milímetros.</translation>
    </message>
    <message>
        <source>Unknown order %1: use %2.</source>
        <translation>Orden desconocido %1: use %2.</translation>
    </message>
    <message>
        <source>Unknown column %1: use %2.</source>
        <translation>Columna desconocida %1: use %2.</translation>
    </message>
    <message>
        <source>The column list %1 names no column: use %2.</source>
        <translation>La lista de columnas %1 no nombra ninguna columna: use %2.</translation>
    </message>
    <message>
        <source>The margins %1 are not three numbers LEFT,TOP,BOTTOM.</source>
        <translation>Los márgenes %1 no son tres números IZQUIERDO,SUPERIOR,INFERIOR.</translation>
    </message>
    <message>
        <source>The depth %1 is no whole number of levels from 0 up.</source>
        <translation>La profundidad %1 no es un número entero de niveles a partir de 0.</translation>
    </message>
    <message>
        <source>The font size %1 is no number of points from 1 to 999.</source>
        <translation>El tamaño de letra %1 no es un número de puntos de 1 a 999.</translation>
    </message>
    <message>
        <source>The font %1 names no family.</source>
        <translation>El tipo de letra %1 no nombra ninguna familia.</translation>
    </message>
    <message>
        <source>No font of the family %1 is installed, nor any that stands in for it (fc-list lists the installed ones).</source>
        <translation>No hay instalado ningún tipo de letra de la familia %1, ni ninguno que la sustituya (fc-list muestra los instalados).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta el valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
    <message>
        <source>Give either --output or --print, not both.</source>
        <translation>Indique --output o --print, no ambos.</translation>
    </message>
    <message>
        <source>The output file name is empty.</source>
        <translation>El nombre del archivo de salida está vacío.</translation>
    </message>
    <message>
        <source>The printer queue name is empty.</source>
        <translation>El nombre de la cola de impresión está vacío.</translation>
    </message>
    <message>
        <source>--%1 applies only with --output or --print: the window lists with the options it shows.</source>
        <translation>--%1 solo se aplica con --output o --print: la ventana hace el listado con las opciones que muestra.</translation>
    </message>
    <message>
        <source>Give either --ascending or --descending, not both.</source>
        <translation>Indique --ascending o --descending, no ambos.</translation>
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
        <translation>Uso: tamsoret [OPCIÓN]... [--] CARPETA
Hace un listado de una carpeta o de todo su árbol. Sin -o ni -p se abre la
ventana en CARPETA.
CARPETA es una ruta completa o una relativa a la carpeta de trabajo; sus nombres
pueden diferir en mayúsculas y minúsculas de los guardados.

Sin ventana:
  -o, --output=ARCHIVO    escribir el listado en ARCHIVO: un nombre terminado en
                          .pdf da la página impresa como archivo PDF, cualquier
                          otro el listado de texto, - el listado de texto en la
                          salida estándar; .csv da CSV y .json JSON (véase
                          --format)
      --format=FORMATO    lo que escribe -o, sea cual sea el nombre: text, pdf,
                          csv o json; con -o - la forma de obtener CSV o JSON en
                          la salida estándar
  -p, --print             imprimir el listado en la impresora predeterminada
      --printer=COLA      imprimirlo en cambio en la cola de impresión COLA

Qué se lista (estas opciones también ajustan los controles de la ventana):
  -f, --filter=PATRÓN     el filtro de nombres: ? * # [lista] [!lista]
                          (predeterminado *.*)
      --no-folders        dejar fuera las carpetas
      --no-hidden         dejar fuera los elementos ocultos
  -r, --recursive         listar también cada subcarpeta, cada una en una
                          sección propia, con el total del árbol al final
      --depth=N           lo mismo, como mucho N niveles hacia abajo (0: solo la
                          carpeta)
  -x, --one-file-system   no recorrer ninguna carpeta en otro sistema de
                          archivos que el de CARPETA

Cómo se lista, solo con -o o -p (si no, las opciones guardadas):
      --order=CLAVE       ordenar por name, dos-name, size o date
      --ascending         ordenar de la A a la Z, de pequeño a grande, de
                          antiguo a reciente
      --descending        ordenar al revés
      --columns=LISTA     las columnas, un subconjunto separado por comas de
                          name,dos-name,size,date,attributes
      --margins=IZQUIERDO,SUPERIOR,INFERIOR  márgenes de página en milímetros
      --font=FAMILIA[,TAMAÑO]  el tipo de letra del listado, el tamaño en puntos

  -h, --help              mostrar este texto
      --version           mostrar la versión
  --                      fin de las opciones: lo que sigue es la carpeta

Estas opciones cambian las opciones guardadas solo para esta ejecución; nunca se
guardan.
Estado de salida: 0 hecho o cancelado, 1 se informó un fallo, 2 una carpeta que
falta o no es válida, o un argumento incorrecto.
</translation>
    </message>
    <message>
        <source>The format %1 is none of text, pdf, csv and json.</source>
        <translation>El formato %1 no es ninguno de text, pdf, csv y json.</translation>
    </message>
    <message>
        <source>--format applies only with --output: it says what the file gets.</source>
        <translation>--format solo se aplica con --output: indica lo que recibe el archivo.</translation>
    </message>
    <message>
        <source>A PDF is written to a file only: give its name with --output.</source>
        <translation>Un PDF solo se escribe en un archivo: indique su nombre con --output.</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Text files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>JSON files</source>
        <translation>Archivos JSON</translation>
    </message>
</context>
<context>
    <name>ConsoleRun</name>
    <message>
        <source>%1 %2 folders read</source>
        <translation>%1 %2 carpetas leídas</translation>
    </message>
    <message>
        <source>%1 %2 entries read</source>
        <translation>%1 %2 elementos leídos</translation>
    </message>
    <message>
        <source>no default printer is set; name one with --printer=QUEUE, or write the listing to a file with -o FILE.</source>
        <translation>no hay ninguna impresora predeterminada; indique una con --printer=COLA, o escriba el listado en un archivo con -o ARCHIVO.</translation>
    </message>
    <message>
        <source>Cannot print: %1</source>
        <translation>No se puede imprimir: %1</translation>
    </message>
</context>
<context>
    <name>DisplayProbe</name>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>la pantalla X «%1»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>la pantalla Wayland «%1»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;, for which Qt&apos;s Wayland platform is not installed</source>
        <translation>la pantalla Wayland «%1», para la que no está instalada la plataforma Wayland de Qt</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
</context>
<context>
    <name>EnterDirectory</name>
    <message>
        <source>Path doesn&apos;t exists !!</source>
        <translation>¡La ruta no existe!</translation>
    </message>
    <message>
        <source>Usage :</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Tamsoret &lt;path&gt;</source>
        <translation>Tamsoret &lt;ruta&gt;</translation>
    </message>
</context>
<context>
    <name>FilterPattern</name>
    <message>
        <source>Invalid filter pattern</source>
        <translation>Patrón de filtro no válido</translation>
    </message>
    <message>
        <source>A &quot;[&quot; has no closing &quot;]&quot;.</source>
        <translation>Falta el «]» que cierra un «[».</translation>
    </message>
    <message>
        <source>The range &quot;%1&quot; runs from a higher to a lower character.</source>
        <translation>El intervalo «%1» va de un carácter mayor a uno menor.</translation>
    </message>
</context>
<context>
    <name>ListOptions</name>
    <message>
        <source>The top margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>El margen superior «%1» debe estar entre -32768 y 32767 mm.</translation>
    </message>
    <message>
        <source>The bottom margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>El margen inferior «%1» debe estar entre -32768 y 32767 mm.</translation>
    </message>
    <message>
        <source>The left margin &quot;%1&quot; must lie between -32768 and 32767 mm.</source>
        <translation>El margen izquierdo «%1» debe estar entre -32768 y 32767 mm.</translation>
    </message>
</context>
<context>
    <name>ListingRun</name>
    <message>
        <source>Reading ...</source>
        <translation>Leyendo ...</translation>
    </message>
    <message>
        <source>Sorting ...</source>
        <translation>Ordenando ...</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Escribiendo ...</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Imprimiendo ...</translation>
    </message>
    <message>
        <source>Too many files !!</source>
        <translation>¡Demasiados archivos!</translation>
    </message>
    <message>
        <source>The listing failed.</source>
        <translation>No se pudo hacer el listado.</translation>
    </message>
    <message>
        <source>Reading %1 folders ...</source>
        <translation>Leyendo %1 carpetas ...</translation>
    </message>
    <message>
        <source>Not all of the tree could be listed</source>
        <translation>No se pudo listar todo el árbol</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>Cannot write the listing file</source>
        <translation>No se puede escribir el archivo del listado</translation>
    </message>
    <message>
        <source>It is a block device; a listing is not written onto a disk.</source>
        <translation>Es un dispositivo de bloques; un listado no se escribe sobre un disco.</translation>
    </message>
    <message>
        <source>It is a socket, which cannot be written as a file.</source>
        <translation>Es un socket, que no se puede escribir como un archivo.</translation>
    </message>
    <message>
        <source>The file may be incomplete.</source>
        <translation>El archivo puede estar incompleto.</translation>
    </message>
    <message>
        <source>The pages could not be finished.</source>
        <translation>No se pudieron terminar las páginas.</translation>
    </message>
</context>
<context>
    <name>PaintedPageSurface</name>
    <message>
        <source>The page could not be started.</source>
        <translation>No se pudo empezar la página.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>No se pudo empezar una página nueva.</translation>
    </message>
</context>
<context>
    <name>PdfMeasuringDevice</name>
    <message>
        <source>Cannot measure the PDF page</source>
        <translation>No se puede medir la página PDF</translation>
    </message>
</context>
<context>
    <name>PrinterDevice</name>
    <message>
        <source>Cannot print the listing</source>
        <translation>No se puede imprimir el listado</translation>
    </message>
    <message>
        <source>No default printer is installed.<byte value="xd"/>To save the same page as a PDF file instead, tick &quot;%1&quot; and choose a name ending in .pdf.</source>
        <translation>No hay ninguna impresora predeterminada instalada.<byte value="xd"/>Para guardar en cambio la misma página como archivo PDF, marque «%1» y elija un nombre terminado en .pdf.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer</source>
        <translation>El sistema de impresión no conoce esta impresora</translation>
    </message>
    <message>
        <source>The printer does not accept jobs</source>
        <translation>La impresora no acepta trabajos</translation>
    </message>
    <message>
        <source>The printer is stopped</source>
        <translation>La impresora está detenida</translation>
    </message>
    <message>
        <source>the print service (CUPS) does not answer at %1: %2.</source>
        <translation>el servicio de impresión (CUPS) no responde en %1: %2.</translation>
    </message>
    <message>
        <source>The printing system does not know this printer.</source>
        <translation>El sistema de impresión no conoce esta impresora.</translation>
    </message>
    <message>
        <source>The print job could not be written whole to its spool file %1: %2.</source>
        <translation>El trabajo de impresión no se pudo escribir entero en su archivo de cola %1: %2.</translation>
    </message>
    <message>
        <source>No spool file for the print job: %1</source>
        <translation>No hay archivo de cola para el trabajo de impresión: %1</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>No se pudo terminar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The printing system refused the job</source>
        <translation>El sistema de impresión rechazó el trabajo</translation>
    </message>
</context>
<context>
    <name>ReadDirectory</name>
    <message>
        <source>Cannot read the folder</source>
        <translation>No se puede leer la carpeta</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only: </source>
        <translation>1 elemento figura en el listado solo con su nombre: </translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only: </source>
        <translation>%1 elementos figuran en el listado solo con su nombre: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>Some entries could not be read</source>
        <translation>No se pudieron leer algunos elementos</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The stored option %1 (&quot;%2&quot;) cannot be read; its default &quot;%3&quot; is used.</source>
        <translation>No se puede leer la opción guardada %1 («%2»); se usa su valor predeterminado «%3».</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be written (is the disk full?).</source>
        <translation>No se pudo escribir el archivo de configuración (¿está lleno el disco?).</translation>
    </message>
    <message>
        <source>The stored options cannot be read; the defaults are used.</source>
        <translation>No se pueden leer las opciones guardadas; se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>Cannot save the options</source>
        <translation>No se pueden guardar las opciones</translation>
    </message>
    <message>
        <source>No scratch folder for the new options: %1</source>
        <translation>No hay carpeta de trabajo para las nuevas opciones: %1</translation>
    </message>
    <message>
        <source>The new options could not be drafted in %1.</source>
        <translation>No se pudieron preparar las nuevas opciones en %1.</translation>
    </message>
</context>
<context>
    <name>TreeWalk</name>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>No se pudo leer 1 carpeta</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>No se pudieron leer %1 carpetas</translation>
    </message>
    <message>
        <source>1 folder is one of its own ancestors (a file system loop) and was not walked again</source>
        <translation>1 carpeta es una de sus propias antecesoras (un bucle del sistema de archivos) y no se recorrió de nuevo</translation>
    </message>
    <message>
        <source>%1 folders are their own ancestors (file system loops) and were not walked again</source>
        <translation>%1 carpetas son sus propias antecesoras (bucles del sistema de archivos) y no se recorrieron de nuevo</translation>
    </message>
    <message>
        <source>1 folder was moved during the walk, and the rest of it was not walked</source>
        <translation>1 carpeta se movió durante el recorrido, y el resto de ella no se recorrió</translation>
    </message>
    <message>
        <source>%1 folders were moved during the walk, and the rest of them was not walked</source>
        <translation>%1 carpetas se movieron durante el recorrido, y el resto de ellas no se recorrió</translation>
    </message>
    <message>
        <source>1 entry is listed by its name only</source>
        <translation>1 elemento figura en el listado solo con su nombre</translation>
    </message>
    <message>
        <source>%1 entries are listed by their names only</source>
        <translation>%1 elementos figuran en el listado solo con su nombre</translation>
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
        <translation>No se puede escribir el listado</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start-up failed.</source>
        <translation>El inicio ha fallado.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Try &apos;tamsoret --help&apos; for more information.</source>
        <translation>Pruebe «tamsoret --help» para más información.</translation>
    </message>
    <message>
        <source>Cannot write the listing on standard output: %1</source>
        <translation>No se puede escribir el listado en la salida estándar: %1</translation>
    </message>
    <message>
        <source>No display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>No hay ninguna pantalla donde abrir la ventana: no está definida ni DISPLAY ni WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>No display to open the window on: %1 does not answer.</source>
        <translation>No hay ninguna pantalla donde abrir la ventana: %1 no responde.</translation>
    </message>
    <message>
        <source>To make the listing without a window, give --output=FILE or --print (tamsoret --help tells more).</source>
        <translation>Para hacer el listado sin ventana, indique --output=ARCHIVO o --print (tamsoret --help dice más).</translation>
    </message>
</context>
<context>
    <name>tamsoret::frmMain</name>
    <message>
        <source>Directory :</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>&amp;To file</source>
        <translation>&amp;En un archivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>&amp;Filter :</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>&amp;Directory&apos;s</source>
        <translation>&amp;Carpetas</translation>
    </message>
    <message>
        <source>&amp;Hidden files</source>
        <translation>Archivos oc&amp;ultos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>S&amp;ubfolders</source>
        <translation>&amp;Subcarpetas</translation>
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
        <translation>Opciones de Tamsoret</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Elegir tipo de letra</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Order by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>MS-DOS Name</source>
        <translation>Nombre MS-DOS</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/hora</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Order by Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Order by MS-DOS Name</source>
        <translation>Ordenar por nombre MS-DOS</translation>
    </message>
    <message>
        <source>Order by Size</source>
        <translation>Ordenar por tamaño</translation>
    </message>
    <message>
        <source>Order by Date/Time</source>
        <translation>Ordenar por fecha/hora</translation>
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
        <translation>De la A a la Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>De la Z a la A</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Margen izquierdo</translation>
    </message>
    <message>
        <source>Right margin, computed</source>
        <translation>Margen derecho, calculado</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Margen superior</translation>
    </message>
    <message>
        <source>Bottom margin</source>
        <translation>Margen inferior</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>millimetres, computed for the default printer&apos;s page</source>
        <translation>milímetros, calculado para la página de la impresora predeterminada</translation>
    </message>
    <message>
        <source>millimetres, computed for the page of a PDF file, %1, as no printer is installed</source>
        <translation>milímetros, calculado para la página de un archivo PDF, %1, porque no hay ninguna impresora instalada</translation>
    </message>
</context>
</TS>
