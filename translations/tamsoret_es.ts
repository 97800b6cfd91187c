<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
