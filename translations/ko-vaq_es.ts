<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ControlNames</name>
    <message>
        <source>Nic Base Strength</source>
        <translation>Concentración de la base de nicotina</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Concentración de nicotina</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Volumen a hacer</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>Coste de %1</translation>
    </message>
    <message>
        <source>%1 quantity</source>
        <translation>Cantidad de %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>Nombre de %1</translation>
    </message>
    <message>
        <source>%1 percentage</source>
        <translation>Porcentaje de %1</translation>
    </message>
    <message>
        <source>Nic Base PG-VG</source>
        <translation>PG-VG de la base de nicotina</translation>
    </message>
    <message>
        <source>Mix PG-VG</source>
        <translation>PG-VG de la mezcla</translation>
    </message>
    <message>
        <source>F%1 PG-VG</source>
        <extracomment>F1 to F8 name the flavours&apos; rows.</extracomment>
        <translation>PG-VG de F%1</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>Recipe folder</source>
        <translation>Carpeta de recetas</translation>
    </message>
</context>
<context>
    <name>kovaq::AppController</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>No se pueden leer los ajustes de %1.
Ko-Vaq sigue, pero no recordará sus carpetas, el último archivo ni la disposición.</translation>
    </message>
    <message>
        <source>Unable to write the settings to %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>No se pueden guardar los ajustes en %1.
Ko-Vaq sigue, pero no recordará sus carpetas, el último archivo ni la disposición.</translation>
    </message>
    <message>
        <source>No program to show the help is available.
The help is in %1</source>
        <translation>No hay ningún programa disponible para mostrar la ayuda.
La ayuda está en %1</translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation>Falta el archivo de ayuda</translation>
    </message>
    <message>
        <source>  There is Information Outstanding 
So Your Mix Name May Not Be Correct
        Do You Still Want To Print?</source>
        <translation>  Falta información por rellenar 
Así que el nombre de la mezcla puede no ser correcto
        ¿Quiere imprimir de todos modos?</translation>
    </message>
    <message>
        <source>Your Monitor Screen Is Too Small For This Application</source>
        <translation>La pantalla de su monitor es demasiado pequeña para esta aplicación</translation>
    </message>
    <message>
        <source>Sorry, But...</source>
        <translation>Lo sentimos, pero...</translation>
    </message>
    <message>
        <source>So You Will Only Be Able To Run In Landscape Layout Mode,
         And The &apos;Layout&apos; Button Will Be Disabled</source>
        <translation>Así que solo podrá usar el diseño horizontal,
         y el botón &apos;Diseño&apos; estará desactivado</translation>
    </message>
    <message>
        <source>Your Monitor Screen Has Limited Height</source>
        <translation>La pantalla de su monitor tiene una altura limitada</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>No se puede abrir %1.
%2</translation>
    </message>
    <message>
        <source>Your Current Mix Has Not Been Saved 
         Do You Want To Save It?</source>
        <translation>Su mezcla actual no se ha guardado 
         ¿Quiere guardarla?</translation>
    </message>
    <message>
        <source>      Your Current Mix Has Not Been Saved 
               Do You Want To Save It?</source>
        <translation>      Su mezcla actual no se ha guardado 
               ¿Quiere guardarla?</translation>
    </message>
    <message>
        <source>There is Information Outstanding 
    Do You Still Want To Save?</source>
        <translation>Falta información por rellenar 
    ¿Quiere guardar de todos modos?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB; only its first %2 MiB were read.
The recipe shown may not be the whole of it.</source>
        <translation>%1 ocupa más de %2 MiB; solo se han leído sus primeros %2 MiB.
Puede que la receta mostrada no esté completa.</translation>
    </message>
    <message>
        <source>Ko-Vaq files (*.mix)</source>
        <translation>Archivos de Ko-Vaq (*.mix)</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Aviso...</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>Ko-Vaq will follow the desktop&apos;s language from its next start.</source>
        <translation>Ko-Vaq usará el idioma del escritorio a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Ko-Vaq will be in %1 from its next start.</source>
        <translation>Ko-Vaq estará en %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>kovaq::Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>kovaq::BatchModel</name>
    <message>
        <source>ready in %1 days</source>
        <translation>listo en %1 días</translation>
    </message>
    <message>
        <source>ready tomorrow</source>
        <translation>listo mañana</translation>
    </message>
    <message>
        <source>ready today</source>
        <translation>listo hoy</translation>
    </message>
    <message>
        <source>ready since %1</source>
        <translation>listo desde el %1</translation>
    </message>
    <message>
        <source>Short: %1</source>
        <translation>Falta: %1</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>%1 mg</source>
        <translation>%1 mg</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezclado</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>kovaq::BookIcon</name>
    <message>
        <source>Recipes (Ctrl+R)</source>
        <translation>Recetas (Ctrl+R)</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleLabels</name>
    <message>
        <source>The printer&apos;s own</source>
        <translation>El de la impresora</translation>
    </message>
    <message>
        <source>Mixed %1 · Ready %2</source>
        <extracomment>The day a batch was mixed (%1) and the day it has steeped (%2).</extracomment>
        <translation>Mezclado %1 · Listo %2</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <extracomment>The maker of the nicotine base.</extracomment>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>Contains nicotine</source>
        <translation>Contiene nicotina</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleModel</name>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml stock</translation>
    </message>
    <message>
        <source>Bottle ml</source>
        <translation>ml bote</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>PVP</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>Nicotine mg/ml</source>
        <translation>Nicotina mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>kovaq::Calc</name>
    <message>
        <source>kovaq-calc: cannot write %1: %2</source>
        <translation>kovaq-calc: no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Mix: %1</source>
        <translation>Mezcla: %1</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramos</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>báscula marca</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Volume (ml)</source>
        <translation>Volumen (ml)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Status: %1%2</source>
        <extracomment>The status line: its cost part (%1), then its volume part (%2).</extracomment>
        <translation>Estado: %1%2</translation>
    </message>
    <message>
        <source>The mix is too strong for this base.</source>
        <translation>La mezcla es demasiado fuerte para esta base.</translation>
    </message>
    <message>
        <source>Missing:%1</source>
        <extracomment>%1 is the recipe file&apos;s keys of the fields, each after a space.</extracomment>
        <translation>Faltan:%1</translation>
    </message>
    <message>
        <source>(! marks a text shown in red)</source>
        <translation>(! marca un texto mostrado en rojo)</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot write the output: %1</source>
        <translation>kovaq-calc: no se puede escribir la salida: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read %1: %2</source>
        <translation>kovaq-calc: no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>kovaq-calc: warning: %1 is longer than %2 MiB; only its first %2 MiB were read</source>
        <translation>kovaq-calc: advertencia: %1 ocupa más de %2 MiB; solo se han leído sus primeros %2 MiB</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read the folder %1</source>
        <translation>kovaq-calc: no se puede leer la carpeta %1</translation>
    </message>
    <message>
        <source>kovaq-calc: not used: %1</source>
        <extracomment>A line of the text that says nothing of a recipe (%1).</extracomment>
        <translation>kovaq-calc: no usado: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: there is no recipe in %1: no flavour with its share, and no volume with a strength or a ratio</source>
        <translation>kovaq-calc: no hay ninguna receta en %1: ningún aroma con su porcentaje, ni ningún volumen con una concentración o una proporción</translation>
    </message>
</context>
<context>
    <name>kovaq::CalcOptions</name>
    <message>
        <source>Usage: kovaq-calc [--json] FILE.mix
       kovaq-calc --weights FILE.mix
       kovaq-calc --check FILE.mix
       kovaq-calc --list [--json] [--search WORDS] FOLDER...
       kovaq-calc --report summary|details|weights [--notes] [--unused]
                  [--text-size 8|10|12|14] [--json | --pdf OUT.pdf] FILE.mix
       kovaq-calc --report label [--label-size 50x25|70x40|100x50] [--steep DAYS]
                  [--db FILE] [--json | --pdf OUT.pdf] FILE.mix
       kovaq-calc --to-text | --to-json FILE.mix
       kovaq-calc --from-text FILE.txt OUT.mix | --from-json FILE.json OUT.mix
       kovaq-calc --shots ML BOTTLE SHOT_MG SHOT_ML TARGET [--scale G] [--json]
       kovaq-calc --dilute ML FROM_MG TO_MG [--base MG] [--scale G] [--json]
       kovaq-calc --ratio ML PG TO_PG [--scale G] [--json]
       kovaq-calc --stash [--json | --csv] [--db FILE]
       kovaq-calc --stash-import FILE.csv [--db FILE]
       kovaq-calc --makeable [--json] [--db FILE] FOLDER...
       kovaq-calc --flavours [--json] FOLDER...
       kovaq-calc --shopping [--json | --csv] [--db FILE] FILE.mix...
       kovaq-calc --batches [--json | --csv] [--db FILE]
       kovaq-calc --version | --help

Loads a Ko-Vaq recipe as the window&apos;s Open does and works out the mix.
Without --report it prints each ingredient&apos;s volume and cost, the total, the
status line and the fields that are missing.

  --json         print JSON instead of text
  --weights      print the weighing table: grams of each ingredient and what the
                 scale reads as each goes in
  --check        say in one line whether the mix can be made, and if not, what could
                 be; exit status 0 when it can, 3 when it cannot
  --list         list every recipe in the folders and the folders in them: name,
                 strength, volume, PG/VG, flavours, cost, whether it can be made,
                 file; exit status 1 only when a folder cannot be read at all
  --search WORDS with --list, only the recipes every word matches: words of the
                 name, a flavour, the notes or the file name, &quot;3mg&quot;, &quot;lemon 10%&quot;
  --report KIND  print the summary, details or weights report, one line per line,
                 tabs kept; or the bottle label of a batch of the mix mixed today
  --label-size S the label&apos;s size in millimetres (default 50x25)
  --steep DAYS   with the label, the days it steeps (default 7)
  --to-text      print the recipe as &quot;Copy Recipe&quot; copies it, for a forum post
  --from-text    read a recipe from text as &quot;Paste Recipe&quot; does (FILE.txt, or - for
                 standard input) and save it as OUT.mix; the lines not used go to
                 standard error; exit status 3 when the text holds no recipe
  --to-json      print the recipe as JSON ({&quot;format&quot;: &quot;ko-vaq-recipe&quot;,
                 &quot;version&quot;: 1, &quot;recipe&quot;: {...}})
  --from-json    save such a JSON recipe as OUT.mix
  --shots        nicotine shots into a shortfill: ML of 0 mg liquid in a BOTTLE of
                 that size, shots of SHOT_MG and SHOT_ML each, for TARGET mg
  --dilute       a finished batch of ML at FROM_MG brought to TO_MG: 0 mg liquid to
                 weaken it, or the nicotine base of --base MG to strengthen it
  --ratio        a finished batch of ML at PG percent PG brought to TO_PG with PG or VG
  --scale G      what the scale reads to: 0.1, 0.01 (default) or 0.001 g, for the hint
                 on amounts too small to weigh (also with --report weights)
  --stash        list the bottles of the stash: kind, name, maker, ml on hand,
                 bottle size, price, PG/VG, nicotine strength, gravity
  --batches      list the batches mixed, newest first, with when each is ready
  --csv          with --batches, the list as CSV (RFC 4180, UTF-8, ISO dates); with
                 --stash, the bottles in the columns --stash-import reads
  --stash-import FILE.csv
                 add the bottles of a CSV to the stash and update those of the same
                 kind, name and maker (columns named in the header row, in any order:
                 kind, name, maker, on_hand_ml, bottle_ml, price, pgvg, strength,
                 gravity, notes); refused lines go to standard error with their
                 number and reason, exit status 3; refused whole while Ko-Vaq has the
                 stash open
  --makeable     for each recipe in the folders, whether the stash holds all it needs,
                 how much of it could be made, and what is missing
  --flavours     for each flavour in the folders&apos; recipes, how many use it and its
                 lowest, median and highest share
  --shopping     what the recipe files need that the stash lacks, in ml and in whole
                 bottles of the sizes the stash knows, at the last price
  --db FILE      the stash database (default: the one Ko-Vaq keeps,
                 $XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite); only
                 --stash-import writes it
  --notes        include the notes in the report
  --unused       include unused ingredients (details report)
  --text-size N  report text size in points (default 12)
  --pdf OUT.pdf  write the report to a PDF (A4, quarter-inch margins; a label on a
                 page of its size)
  --version      show the version
  --help         show this text

Exit status: 0 when done, 1 when the file or the stash cannot be read or the output
cannot be written, 2 for a wrong command line, 3 when --check finds a mix that cannot
be made or --stash-import refuses a line.
</source>
        <extracomment>The options, their values and the words in capitals stay as they are in every language.</extracomment>
        <translation>Uso:   kovaq-calc [--json] FILE.mix
       kovaq-calc --weights FILE.mix
       kovaq-calc --check FILE.mix
       kovaq-calc --list [--json] [--search WORDS] FOLDER...
       kovaq-calc --report summary|details|weights [--notes] [--unused]
                  [--text-size 8|10|12|14] [--json | --pdf OUT.pdf] FILE.mix
       kovaq-calc --report label [--label-size 50x25|70x40|100x50] [--steep DAYS]
                  [--db FILE] [--json | --pdf OUT.pdf] FILE.mix
       kovaq-calc --to-text | --to-json FILE.mix
       kovaq-calc --from-text FILE.txt OUT.mix | --from-json FILE.json OUT.mix
       kovaq-calc --shots ML BOTTLE SHOT_MG SHOT_ML TARGET [--scale G] [--json]
       kovaq-calc --dilute ML FROM_MG TO_MG [--base MG] [--scale G] [--json]
       kovaq-calc --ratio ML PG TO_PG [--scale G] [--json]
       kovaq-calc --stash [--json | --csv] [--db FILE]
       kovaq-calc --stash-import FILE.csv [--db FILE]
       kovaq-calc --makeable [--json] [--db FILE] FOLDER...
       kovaq-calc --flavours [--json] FOLDER...
       kovaq-calc --shopping [--json | --csv] [--db FILE] FILE.mix...
       kovaq-calc --batches [--json | --csv] [--db FILE]
       kovaq-calc --version | --help

Carga una receta de Ko-Vaq como lo hace «Abrir» en la ventana y calcula la mezcla.
Sin --report muestra el volumen y el coste de cada ingrediente, el total, la
línea de estado y los campos que faltan.

  --json         muestra JSON en lugar de texto
  --weights      muestra la tabla de pesaje: los gramos de cada ingrediente y lo
                 que marca la báscula al añadir cada uno
  --check        dice en una línea si la mezcla se puede hacer y, si no, qué se
                 podría hacer; código de salida 0 si se puede, 3 si no se puede
  --list         lista todas las recetas de las carpetas y de sus subcarpetas:
                 nombre, nicotina, volumen, PG/VG, aromas, coste, si se puede
                 hacer, archivo; código de salida 1 solo si una carpeta no se puede
                 leer en absoluto
  --search WORDS con --list, solo las recetas que casan con todas las palabras:
                 palabras del nombre, un aroma, las notas o el nombre del archivo,
                 &quot;3mg&quot;, &quot;lemon 10%&quot;
  --report KIND  muestra el informe summary (resumen), details (detalles) o
                 weights (pesos), línea a línea, con los tabuladores; o la
                 etiqueta del bote de un lote de la mezcla mezclado hoy
  --label-size S el tamaño de la etiqueta en milímetros (por defecto 50x25)
  --steep DAYS   con la etiqueta, los días de maceración (por defecto 7)
  --to-text      muestra la receta como la copia «Copiar receta», para un foro
  --from-text    lee una receta de un texto como lo hace «Pegar receta» (FILE.txt,
                 o - para la entrada estándar) y la guarda como OUT.mix; las
                 líneas no usadas van a la salida de errores; código de salida 3
                 si el texto no contiene ninguna receta
  --to-json      muestra la receta como JSON ({&quot;format&quot;: &quot;ko-vaq-recipe&quot;,
                 &quot;version&quot;: 1, &quot;recipe&quot;: {...}})
  --from-json    guarda una receta JSON así como OUT.mix
  --shots        nicokits en un shortfill: ML de líquido de 0 mg en un bote de
                 BOTTLE ml, nicokits de SHOT_MG y SHOT_ML cada uno, para TARGET mg
  --dilute       un lote terminado de ML a FROM_MG llevado a TO_MG: líquido de
                 0 mg para rebajarlo, o la base de nicotina de --base MG para
                 subirlo
  --ratio        un lote terminado de ML con PG por ciento de PG llevado a TO_PG
                 con PG o VG
  --scale G      la precisión de la báscula: 0.1, 0.01 (por defecto) o 0.001 g,
                 para el aviso de cantidades demasiado pequeñas para pesar
                 (también con --report weights)
  --stash        lista los botes del stock: tipo, nombre, marca, ml en stock,
                 tamaño del bote, precio, PG/VG, nicotina, densidad
  --batches      lista los lotes mezclados, del más reciente al más antiguo, con
                 la fecha en que cada uno estará listo
  --csv          con --batches, la lista en CSV (RFC 4180, UTF-8, fechas ISO); con
                 --stash, los botes en las columnas que lee --stash-import
  --stash-import FILE.csv
                 añade al stock los botes de un CSV y actualiza los del mismo
                 tipo, nombre y marca (columnas nombradas en la fila de cabecera,
                 en cualquier orden: kind, name, maker, on_hand_ml, bottle_ml,
                 price, pgvg, strength, gravity, notes); las líneas rechazadas
                 van a la salida de errores con su número y su motivo, código de
                 salida 3; se rechaza entero mientras Ko-Vaq tiene el stock abierto
  --makeable     para cada receta de las carpetas, si el stock tiene todo lo que
                 necesita, cuánto se podría hacer y qué falta
  --flavours     para cada aroma de las recetas de las carpetas, cuántas lo usan
                 y su porcentaje mínimo, mediano y máximo
  --shopping     lo que necesitan los archivos de receta y falta en el stock, en
                 ml y en botes enteros de los tamaños que conoce el stock, al
                 último precio
  --db FILE      la base de datos del stock (por defecto, la que guarda Ko-Vaq,
                 $XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite); solo
                 --stash-import escribe en ella
  --notes        incluye las notas en el informe
  --unused       incluye los ingredientes no usados (informe details)
  --text-size N  tamaño del texto del informe en puntos (por defecto 12)
  --pdf OUT.pdf  escribe el informe en un PDF (A4, márgenes de un cuarto de
                 pulgada; una etiqueta en una página de su tamaño)
  --version      muestra la versión
  --help         muestra este texto

Código de salida: 0 si todo va bien, 1 si no se puede leer el archivo o el stock o
no se puede escribir la salida, 2 si la línea de órdenes es incorrecta, 3 si --check
encuentra una mezcla que no se puede hacer o --stash-import rechaza una línea.
</translation>
    </message>
    <message>
        <source>one of --shots, --dilute and --ratio at a time</source>
        <translation>una sola de --shots, --dilute y --ratio a la vez</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 is missing</source>
        <translation>uso: kovaq-calc %1: falta %2</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 %3 is not a figure from 0 to %4</source>
        <translation>uso: kovaq-calc %1: %2 %3 no es una cifra de 0 a %4</translation>
    </message>
    <message>
        <source>usage: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 is not a figure from 0 to 1000</source>
        <translation>uso: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 no es una cifra de 0 a 1000</translation>
    </message>
    <message>
        <source>--scale takes 0.1, 0.01 or 0.001</source>
        <translation>--scale admite 0.1, 0.01 o 0.001</translation>
    </message>
    <message>
        <source>--report takes summary, details, weights or label</source>
        <translation>--report admite summary, details, weights o label</translation>
    </message>
    <message>
        <source>--text-size takes 8, 10, 12 or 14</source>
        <translation>--text-size admite 8, 10, 12 o 14</translation>
    </message>
    <message>
        <source>one of --to-text, --to-json, --from-text and --from-json at a time</source>
        <translation>una sola de --to-text, --to-json, --from-text y --from-json a la vez</translation>
    </message>
    <message>
        <source>--label-size takes 50x25, 70x40 or 100x50</source>
        <translation>--label-size admite 50x25, 70x40 o 100x50</translation>
    </message>
    <message>
        <source>--steep takes a number of days from 0 to 365</source>
        <translation>--steep admite un número de días de 0 a 365</translation>
    </message>
    <message>
        <source>unknown option %1
</source>
        <translation>opción desconocida %1
</translation>
    </message>
    <message>
        <source>only one file at a time</source>
        <translation>solo un archivo a la vez</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale (and --base) only</source>
        <translation>--%1 solo va con --json y --scale (y --base)</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale only</source>
        <translation>--%1 solo va con --json y --scale</translation>
    </message>
    <message>
        <source>--base goes with --dilute</source>
        <translation>--base va con --dilute</translation>
    </message>
    <message>
        <source>--scale goes with --shots, --dilute, --ratio and --report weights</source>
        <translation>--scale va con --shots, --dilute, --ratio y --report weights</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go one at a time</source>
        <translation>--stash-import, --makeable, --flavours y --shopping van de uno en uno</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go with --json, --csv and --db only</source>
        <translation>--stash-import, --makeable, --flavours y --shopping solo van con --json, --csv y --db</translation>
    </message>
    <message>
        <source>--stash-import goes with --db only</source>
        <translation>--stash-import solo va con --db</translation>
    </message>
    <message>
        <source>--flavours goes with --json only</source>
        <translation>--flavours solo va con --json</translation>
    </message>
    <message>
        <source>--makeable goes with --json and --db only</source>
        <translation>--makeable solo va con --json y --db</translation>
    </message>
    <message>
        <source>--json and --csv go one at a time</source>
        <translation>--json y --csv van de uno en uno</translation>
    </message>
    <message>
        <source>--shopping needs a recipe file</source>
        <translation>--shopping necesita un archivo de receta</translation>
    </message>
    <message>
        <source>--makeable and --flavours need a folder</source>
        <translation>--makeable y --flavours necesitan una carpeta</translation>
    </message>
    <message>
        <source>--%1 goes alone (or with --db)</source>
        <translation>--%1 va solo (o con --db)</translation>
    </message>
    <message>
        <source>--%1 goes alone</source>
        <translation>--%1 va solo</translation>
    </message>
    <message>
        <source>--%1 needs the file to read and the recipe file to write</source>
        <translation>--%1 necesita el archivo que leer y el archivo de receta que escribir</translation>
    </message>
    <message>
        <source>--%1 needs a recipe file</source>
        <translation>--%1 necesita un archivo de receta</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches, --to-text or --report label</source>
        <translation>--db va con --stash, --batches, --to-text o --report label</translation>
    </message>
    <message>
        <source>--stash and --batches go one at a time</source>
        <translation>--stash y --batches van de uno en uno</translation>
    </message>
    <message>
        <source>--stash and --batches go with --json, --csv and --db only</source>
        <translation>--stash y --batches solo van con --json, --csv y --db</translation>
    </message>
    <message>
        <source>--csv goes with --stash, --batches or --shopping</source>
        <translation>--csv va con --stash, --batches o --shopping</translation>
    </message>
    <message>
        <source>--label-size and --steep go with --report label</source>
        <translation>--label-size y --steep van con --report label</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches or --report label</source>
        <translation>--db va con --stash, --batches o --report label</translation>
    </message>
    <message>
        <source>--list goes with --json and --search only</source>
        <translation>--list solo va con --json y --search</translation>
    </message>
    <message>
        <source>--search goes with --list</source>
        <translation>--search va con --list</translation>
    </message>
    <message>
        <source>--pdf, --notes and --unused go with --report</source>
        <translation>--pdf, --notes y --unused van con --report</translation>
    </message>
    <message>
        <source>--json holds the weights already</source>
        <translation>--json ya incluye los pesos</translation>
    </message>
</context>
<context>
    <name>kovaq::CalcStash</name>
    <message>
        <source>kovaq-calc: warning: %1</source>
        <translation>kovaq-calc: advertencia: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>On hand</source>
        <translation>En stock</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezclado</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>kovaq::Calculation</name>
    <message>
        <source>Cost Ignored, </source>
        <translation>Coste ignorado, </translation>
    </message>
    <message>
        <source>Cost OK, </source>
        <translation>Coste OK, </translation>
    </message>
    <message>
        <source>Cost Pending, </source>
        <translation>Coste pendiente, </translation>
    </message>
    <message>
        <source>Volumes OK</source>
        <translation>Volúmenes OK</translation>
    </message>
    <message>
        <source>Vols Pending</source>
        <translation>Vol. pendientes</translation>
    </message>
    <message>
        <source>Cost Pending,</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Coste pendiente,</translation>
    </message>
    <message>
        <source>Qty Pending</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Cant. pendiente</translation>
    </message>
    <message>
        <source>This Mix Cannot Be Achieved</source>
        <translation>Esta mezcla no se puede conseguir</translation>
    </message>
    <message>
        <source>    You could try reducing the Mix Strength
    or changing the PG/VG ratio of your mix.
Also, you could try reducing the percentages
   of your flavours or vodka/water additive</source>
        <translation>    Pruebe a reducir la nicotina de la mezcla
    o a cambiar su proporción PG/VG.
También puede reducir los porcentajes
   de sus aromas o del vodka/agua</translation>
    </message>
</context>
<context>
    <name>kovaq::Feasibility</name>
    <message>
        <source>the mix ratio can be from %1 to %2 PG-VG</source>
        <translation>la proporción de la mezcla puede ir de %1 a %2 PG-VG</translation>
    </message>
    <message>
        <source>the mix ratio can be %1 PG-VG</source>
        <translation>la proporción de la mezcla puede ser %1 PG-VG</translation>
    </message>
    <message>
        <source>no mix ratio works</source>
        <translation>ninguna proporción de mezcla sirve</translation>
    </message>
    <message>
        <source>up to %1 mg</source>
        <translation>hasta %1 mg</translation>
    </message>
    <message>
        <source>up to %1 mg at %2</source>
        <extracomment>%2 is a PG-VG ratio such as 70-30.</extracomment>
        <translation>hasta %1 mg a %2</translation>
    </message>
    <message>
        <source>the flavours and vodka/water at %1 % of their shares</source>
        <translation>los aromas y el vodka/agua al %1 % de sus porcentajes</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>Joins one more choice (%2) to the choices before it (%1).</extracomment>
        <translation>%1, o %2</translation>
    </message>
    <message>
        <source>With these ingredients %1.</source>
        <extracomment>%1 is the choices, joined.</extracomment>
        <translation>Con estos ingredientes, %1.</translation>
    </message>
    <message>
        <source>can be made</source>
        <translation>se puede hacer</translation>
    </message>
    <message>
        <source>nothing to make: the volume to make is 0</source>
        <translation>nada que hacer: el volumen a preparar es 0</translation>
    </message>
    <message>
        <source>too strong for this base</source>
        <translation>demasiado fuerte para esta base</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>no se puede hacer</translation>
    </message>
</context>
<context>
    <name>kovaq::FileFlows</name>
    <message>
        <source>Unable to write to %1: %2.</source>
        <translation>No se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Aviso...</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourBook</name>
    <message numerus="yes">
        <source>%1: in %n of your recipes, %2 %, usually %3 %</source>
        <translation>
            <numerusform>%1: en %n de sus recetas, %2 %, normalmente %3 %</numerusform>
            <numerusform>%1: en %n de sus recetas, %2 %, normalmente %3 %</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourDelegate</name>
    <message>
        <source>none</source>
        <comment>no rating</comment>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourModel</name>
    <message>
        <source>Flavour</source>
        <translation>Aroma</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>Lowest %</source>
        <translation>Mínimo %</translation>
    </message>
    <message>
        <source>Median %</source>
        <translation>Mediana %</translation>
    </message>
    <message>
        <source>Highest %</source>
        <translation>Máximo %</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml stock</translation>
    </message>
    <message>
        <source>Last mixed</source>
        <translation>Últ. mezcla</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Preferred %</source>
        <translation>Preferido %</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>kovaq::HelpIcon</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>kovaq::IngredientPanel</name>
    <message>
        <source>  Ingredient Details  </source>
        <translation>  Detalles de ingredientes  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Coste (£/$/€)</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>Short for quantity: the bottle&apos;s size the cost is for.</extracomment>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base: the liquid of known nicotine strength the mix is thinned from; short, it stands in a narrow column.</extracomment>
        <translation>Base nic.</translation>
    </message>
    <message>
        <source>Click to change base type</source>
        <translation>Pulse para cambiar el tipo de base</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a cost and the quantity it buys: &quot;12.50 per 100 ml&quot;.</extracomment>
        <translation>por</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>PG–VG (%)</source>
        <translation>PG–VG (%)</translation>
    </message>
    <message>
        <source>Nic Base Strength</source>
        <translation>Conc. base nic.</translation>
    </message>
    <message>
        <source>mg</source>
        <extracomment>Milligrams of nicotine per millilitre.</extracomment>
        <translation>mg</translation>
    </message>
</context>
<context>
    <name>kovaq::LabelDialog</name>
    <message>
        <source>Say &quot;Contains nicotine&quot; on labels of batches with nicotine</source>
        <translation>Poner «Contiene nicotina» en las etiquetas de lotes con nicotina</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Imprimir etiqueta</translation>
    </message>
    <message>
        <source>&amp;Label size:</source>
        <translation>&amp;Tamaño de etiqueta:</translation>
    </message>
    <message>
        <source>The label as it will print</source>
        <translation>La etiqueta tal como se imprimirá</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
</context>
<context>
    <name>kovaq::MainWindow</name>
    <message>
        <source>  Notes  </source>
        <translation>  Notas  </translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>V %1</source>
        <extracomment>The tooltip of the program&apos;s name: its version, as &quot;V 1.0.1&quot;.</extracomment>
        <translation>V %1</translation>
    </message>
    <message>
        <source>The free DIY e-juice mixing calculator</source>
        <translation>Calculadora gratuita de e-líquido DIY</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>New Mix...</source>
        <translation>Nueva...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Copiar receta</translation>
    </message>
    <message>
        <source>Paste Recipe...</source>
        <translation>Pegar receta...</translation>
    </message>
    <message>
        <source>Export JSON...</source>
        <translation>Exportar JSON...</translation>
    </message>
    <message>
        <source>Import JSON...</source>
        <translation>Importar JSON...</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Mezclar...</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Mezclar por peso</translation>
    </message>
    <message>
        <source>Shots and Fixes</source>
        <translation>Nicokits y ajustes</translation>
    </message>
    <message>
        <source>Layout</source>
        <extracomment>The button that turns the window between portrait and landscape.</extracomment>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please visit me at %1</source>
        <translation>Visíteme en %1</translation>
    </message>
    <message>
        <source>Visit My Website</source>
        <translation>Visitar mi web</translation>
    </message>
    <message>
        <source>Email me for help</source>
        <translation>Pídame ayuda</translation>
    </message>
    <message>
        <source>email me</source>
        <translation>escríbame</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor decimal válido</translation>
    </message>
    <message>
        <source>Entry Was Too Long</source>
        <translation>Entrada demasiado larga</translation>
    </message>
    <message>
        <source>Use %1</source>
        <extracomment>A button that picks the nearest PG/VG ratio the mix can have, as in &quot;Use 40-60&quot;.</extracomment>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>%1 volume: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its volume.</extracomment>
        <translation>Volumen de %1: %2</translation>
    </message>
    <message>
        <source>%1 cost: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its cost.</extracomment>
        <translation>Coste de %1: %2</translation>
    </message>
    <message>
        <source>TOTAL cost: %1</source>
        <translation>Coste TOTAL: %1</translation>
    </message>
    <message>
        <source>Cost status: %1</source>
        <translation>Estado del coste: %1</translation>
    </message>
    <message>
        <source>Volume status: %1</source>
        <translation>Estado del volumen: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>kovaq::MenuIcon</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>kovaq::MixDocument</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new mix until the user names it; it is saved as the recipe&apos;s name.</extracomment>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>kovaq::MixItDialog</name>
    <message>
        <source>Mix It</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Steep days</source>
        <translation>Días de maceración</translation>
    </message>
    <message>
        <source>&amp;Steep for:</source>
        <translation>&amp;Macerar:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>The stash does not hold all of it:
%1</source>
        <translation>El stock no tiene todo lo necesario:
%1</translation>
    </message>
</context>
<context>
    <name>kovaq::NameListModel</name>
    <message>
        <source>%1 — %2</source>
        <comment>a name and its maker</comment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>kovaq::NotesEdit</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>kovaq::OneBottleAwayDialog</name>
    <message>
        <source>One Bottle Away</source>
        <translation>A un bote de distancia</translation>
    </message>
    <message>
        <source>Each of these bottles alone would let you make more of your recipes:</source>
        <translation>Cada uno de estos botes, por sí solo, le permitiría hacer más recetas suyas:</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Recipes it makes possible</source>
        <translation>Recetas que hace posibles</translation>
    </message>
    <message>
        <source>Short by (ml)</source>
        <translation>Faltan (ml)</translation>
    </message>
    <message>
        <source>Bottles that would make more recipes possible</source>
        <translation>Botes que harían posibles más recetas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No single bottle would make another recipe possible.</source>
        <translation>Ningún bote por sí solo haría posible otra receta.</translation>
    </message>
</context>
<context>
    <name>kovaq::PasteRecipeDialog</name>
    <message>
        <source>Paste Recipe</source>
        <translation>Pegar receta</translation>
    </message>
    <message>
        <source>&amp;Recipe text:</source>
        <translation>&amp;Texto de la receta:</translation>
    </message>
    <message>
        <source>Recipe text</source>
        <translation>Texto de la receta</translation>
    </message>
    <message>
        <source>Open Text File...</source>
        <translation>Abrir archivo de texto...</translation>
    </message>
    <message>
        <source>What Ko-Vaq reads in it:</source>
        <translation>Lo que Ko-Vaq lee en él:</translation>
    </message>
    <message>
        <source>Keep the lines not used in the notes</source>
        <translation>Guardar en las notas las líneas no usadas</translation>
    </message>
    <message>
        <source>Use It</source>
        <translation>Usarla</translation>
    </message>
    <message>
        <source>Text files (*.txt *.text *.md);;All files (*)</source>
        <translation>Archivos de texto (*.txt *.text *.md);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>No se puede abrir %1.
%2</translation>
    </message>
    <message>
        <source>&lt;b&gt;There is no recipe in this text.&lt;/b&gt; Ko-Vaq looks for flavours with their shares (&quot;Lemon 3%&quot;), or a volume with a strength or a PG/VG ratio. Nothing will change.</source>
        <translation>&lt;b&gt;No hay ninguna receta en este texto.&lt;/b&gt; Ko-Vaq busca aromas con sus porcentajes («Lemon 3%»), o un volumen con una concentración o una proporción PG/VG. No cambiará nada.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1 ml</source>
        <translation>%1 ml</translation>
    </message>
    <message>
        <source>%1 mg</source>
        <translation>%1 mg</translation>
    </message>
    <message>
        <source>Nicotine base: %1</source>
        <translation>Base de nicotina: %1</translation>
    </message>
    <message>
        <source>%1 stands as %2</source>
        <translation>%1 queda como %2</translation>
    </message>
    <message>
        <source>Shortened to fit the window:</source>
        <translation>Acortado para caber en la ventana:</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Vodka/agua</translation>
    </message>
    <message>
        <source>* shortened to fit the window (the whole names are in the tooltip)</source>
        <translation>* acortado para caber en la ventana (los nombres completos están en la información emergente)</translation>
    </message>
    <message numerus="yes">
        <source>Notes: %n line(s)</source>
        <translation>
            <numerusform>Notas: %n línea</numerusform>
            <numerusform>Notas: %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>Not used (kept in the notes):</source>
        <translation>No usado (guardado en las notas):</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>No usado:</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintJob</name>
    <message>
        <source>The margins and text size leave no room for a line on this paper.</source>
        <translation>Los márgenes y el tamaño del texto no dejan sitio para ninguna línea en este papel.</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>La impresora no está disponible.</translation>
    </message>
    <message>
        <source>The printer did not take the next page; the print was stopped.</source>
        <translation>La impresora no aceptó la página siguiente; se ha detenido la impresión.</translation>
    </message>
    <message>
        <source>The printer did not finish the print.</source>
        <translation>La impresora no terminó la impresión.</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintOptionsDialog</name>
    <message>
        <source>     Image Will Not Fit This Size Paper -
            And Will Be Cropped

   Click On Page To Clear This Message
  Or Change Size Of Image/Margins/Page</source>
        <extracomment>Centred by the leading blanks in a hint over the page&apos;s preview.</extracomment>
        <translation>     La imagen no cabe en este tamaño de papel -
            y se recortará

   Pulse en la página para quitar este mensaje
  o cambie el tamaño de imagen/márgenes/página</translation>
    </message>
    <message>
        <source>     Text Will Not Fit This Size Paper - 
           Printer May Wrap Lines 
       Or Print More Than One Page

  Click On Page To Clear This Message 
 Or Change Size Of Text/Margins/Page </source>
        <extracomment>Centred by the leading blanks in a hint over the page&apos;s preview.</extracomment>
        <translation>     El texto no cabe en este tamaño de papel - 
           la impresora puede partir líneas 
       o imprimir más de una página

  Pulse en la página para quitar este mensaje 
 o cambie el tamaño de texto/márgenes/página </translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>You Have 3 Options For Printing - Please Choose One</source>
        <translation>Tiene 3 opciones para imprimir - elija una</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Screen Image</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Include Notes</source>
        <translation>Incluir notas</translation>
    </message>
    <message>
        <source>Include Unused Ingredients</source>
        <translation>Incluir ingredientes no usados</translation>
    </message>
    <message>
        <source>Printer Minimum</source>
        <translation>Mínimo impresora</translation>
    </message>
    <message>
        <source>Narrow (0.125&quot;)</source>
        <translation>Estrecho (0.125&quot;)</translation>
    </message>
    <message>
        <source>Normal (0.25&quot;)</source>
        <translation>Normal (0.25&quot;)</translation>
    </message>
    <message>
        <source>Wide (0.5&quot;)</source>
        <translation>Ancho (0.5&quot;)</translation>
    </message>
    <message>
        <source>Ex Wide (0.75&quot;)</source>
        <translation>Muy ancho (0.75&quot;)</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Margen izquierdo</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Margen superior</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>v. Small (8pt)</source>
        <translation>Muy peq. (8pt)</translation>
    </message>
    <message>
        <source>Small (10pt)</source>
        <translation>Pequeño (10pt)</translation>
    </message>
    <message>
        <source>Normal (12pt)</source>
        <translation>Normal (12pt)</translation>
    </message>
    <message>
        <source>Large (14pt)</source>
        <translation>Grande (14pt)</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>FitToPage</source>
        <translation>Ajustar a página</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Tamaño de imagen</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>La impresora no está disponible.</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintProgressWindow</name>
    <message>
        <source>Printing Image...</source>
        <translation>Imprimiendo imagen...</translation>
    </message>
    <message>
        <source>Please Wait - Rendering  Image
And Sending To Printer</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Espere, por favor - generando la imagen
y enviándola a la impresora</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeFoldersDialog</name>
    <message>
        <source>Recipe Folders</source>
        <translation>Carpetas de recetas</translation>
    </message>
    <message>
        <source>Recipes are looked for in these folders and every folder in them:</source>
        <translation>Las recetas se buscan en estas carpetas y en todas sus subcarpetas:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeListModel</name>
    <message>
        <source>✓ %1 ml</source>
        <translation>✓ %1 ml</translation>
    </message>
    <message>
        <source>up to %1 ml</source>
        <translation>hasta %1 ml</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>necesita %1</translation>
    </message>
    <message>
        <source>%1: %2 ml needed, %3 ml on hand</source>
        <translation>%1: %2 ml necesarios, %3 ml en stock</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Aromas</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Can be made</source>
        <translation>Viable</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Can make</source>
        <translation>Puedo hacer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeShare</name>
    <message>
        <source>%1 is not on the list: %2 is used.</source>
        <translation>%1 no está en la lista: se usa %2.</translation>
    </message>
    <message>
        <source>The base&apos;s %1 is not on the list: %2 is used.</source>
        <translation>La proporción %1 de la base no está en la lista: se usa %2.</translation>
    </message>
    <message>
        <source>Only eight flavours fit: left out %1.</source>
        <translation>Solo caben ocho aromas: se ha dejado fuera %1.</translation>
    </message>
    <message>
        <source>%1 mg needs a nicotine base: type the base&apos;s strength, then the strength. &quot;%2&quot; is kept in the notes.</source>
        <translation>%1 mg necesita una base de nicotina: escriba la concentración de la base y luego la de la mezcla. «%2» se guarda en las notas.</translation>
    </message>
    <message>
        <source>%1 (kept in the notes)</source>
        <extracomment>%1 is the note as it is kept, in English (&quot;Steep: 7 days&quot;).</extracomment>
        <translation>%1 (guardado en las notas)</translation>
    </message>
    <message>
        <source>Read the first %1 KB of the text; the rest was not used.</source>
        <translation>Se han leído los primeros %1 KB del texto; el resto no se ha usado.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesController</name>
    <message>
        <source>Shopping List</source>
        <translation>Lista de la compra</translation>
    </message>
    <message>
        <source>%1: %2 ml</source>
        <translation>%1: %2 ml</translation>
    </message>
    <message>
        <source>shopping list.csv</source>
        <translation>lista de la compra.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesWindow</name>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>Only what I can make</source>
        <translation>Solo las que puedo hacer</translation>
    </message>
    <message>
        <source>Lists only the recipes the bottles in your stash can make</source>
        <translation>Muestra solo las recetas que pueden hacerse con los botes de su stock</translation>
    </message>
    <message>
        <source>One Bottle Away...</source>
        <translation>A un bote...</translation>
    </message>
    <message>
        <source>The bottles that would each let you make more of your recipes</source>
        <translation>Los botes que, cada uno, le permitirían hacer más recetas suyas</translation>
    </message>
    <message>
        <source>Add to Shopping List</source>
        <translation>A la lista de la compra</translation>
    </message>
    <message>
        <source>Puts the chosen recipe on the shopping list, with what to buy for it</source>
        <translation>Pone la receta elegida en la lista de la compra, con lo que hay que comprar para ella</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ya no está.</translation>
    </message>
    <message>
        <source>No file manager is available to show the folder. The recipe is in %1.</source>
        <translation>No hay ningún gestor de archivos disponible para mostrar la carpeta. La receta está en %1.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en carpeta</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Aviso...</translation>
    </message>
    <message>
        <source>Search: words of a name, flavour or note, 3mg, lemon 10%</source>
        <translation>Buscar: palabras del nombre, aroma o nota, 3mg, limón 10%</translation>
    </message>
    <message>
        <source>Search recipes</source>
        <translation>Buscar recetas</translation>
    </message>
    <message>
        <source>Folders...</source>
        <translation>Carpetas...</translation>
    </message>
    <message>
        <source>Stash...</source>
        <translation>Stock...</translation>
    </message>
    <message>
        <source>The bottles you own and the batches you mixed (Ctrl+T)</source>
        <translation>Los botes que tiene y los lotes que ha mezclado (Ctrl+T)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reading recipes… %1 of %2</source>
        <translation>Leyendo recetas… %1 de %2</translation>
    </message>
    <message>
        <source>Reading recipes…</source>
        <translation>Leyendo recetas…</translation>
    </message>
    <message>
        <source>%1 — cannot read %2</source>
        <translation>%1 — no se puede leer %2</translation>
    </message>
    <message>
        <source>Move %1 to the trash?</source>
        <translation>¿Mover %1 a la papelera?</translation>
    </message>
    <message>
        <source>Unable to move %1 to the trash.</source>
        <translation>No se puede mover %1 a la papelera.</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Copiar receta</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Copiar ruta</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Move to trash...</source>
        <translation>Mover a la papelera...</translation>
    </message>
    <message numerus="yes">
        <source>%n recipe(s)</source>
        <translation>
            <numerusform>%n receta</numerusform>
            <numerusform>%n recetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n recipe(s)</source>
        <translation>
            <numerusform>%1 de %n receta</numerusform>
            <numerusform>%1 de %n recetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — some folders read every %n second(s)</source>
        <translation>
            <numerusform>%1 — algunas carpetas se leen cada %n segundo</numerusform>
            <numerusform>%1 — algunas carpetas se leen cada %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::ReportRenderer</name>
    <message>
        <source>The PDF could not be made</source>
        <translation>No se ha podido crear el PDF</translation>
    </message>
</context>
<context>
    <name>kovaq::Reports</name>
    <message>
        <source>Calculated with Ko-Vaq from %1</source>
        <translation>Calculado con Ko-Vaq a partir de %1</translation>
    </message>
    <message>
        <source>Mix Name</source>
        <translation>Nombre mezcla</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Nic Base Strength</source>
        <translation>Conc. base nic.</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>Mix PG-VG Ratio (%)</source>
        <translation>Proporción PG-VG (%)</translation>
    </message>
    <message>
        <source>Mix Volume</source>
        <translation>Volumen mezcla</translation>
    </message>
    <message>
        <source>TOTAL COST</source>
        <translation>COSTE TOTAL</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Detalles de ingredientes</translation>
    </message>
    <message>
        <source>Mixing Volumes</source>
        <translation>Volúmenes de mezcla</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Qty(ml)</source>
        <translation>Cant.(ml)</translation>
    </message>
    <message>
        <source>Vol(ml)</source>
        <translation>Vol.(ml)</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <translation>Propilenglicol (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <translation>Glic. vegetal (VG)</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Vodka/agua</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a bottle&apos;s price and its size in ml: &quot;2.50 per 10&quot;.</extracomment>
        <translation>por</translation>
    </message>
    <message>
        <source>Mixing Specification</source>
        <translation>Datos de la mezcla</translation>
    </message>
    <message>
        <source>Costs For This Mix</source>
        <translation>Costes de esta mezcla</translation>
    </message>
    <message>
        <source>Costs</source>
        <translation>Costes</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Weighed</source>
        <translation>Pesaje</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramos</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>báscula marca</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An ingredient (%1) and the hint for it (%2).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kovaq::ResultsPanel</name>
    <message>
        <source>  Mixing Volumes  </source>
        <translation>  Volúmenes de mezcla  </translation>
    </message>
    <message>
        <source>  Cost For This Mix  </source>
        <translation>  Coste de esta mezcla  </translation>
    </message>
    <message>
        <source>Hi Precision</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Ignore Costs</source>
        <translation>Sin costes</translation>
    </message>
    <message>
        <source>Vol.(ml)</source>
        <translation>Vol.(ml)</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Coste (£/$/€)</translation>
    </message>
    <message>
        <source>%1 volume</source>
        <extracomment>Read out by a screen reader: a row&apos;s caption, then what its value is.</extracomment>
        <translation>Volumen de %1</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>Coste de %1</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>TOTAL cost</source>
        <translation>Coste TOTAL</translation>
    </message>
</context>
<context>
    <name>kovaq::RetainDialog</name>
    <message>
        <source>Retain Some Details?</source>
        <translation>¿Conservar algunos datos?</translation>
    </message>
    <message>
        <source>Please Check The Boxes Below If You Would
Like To Retain Either Or Both Of These Panel&apos;s Contents</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Marque las casillas de abajo si quiere
conservar el contenido de uno de estos paneles o de ambos</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Detalles de ingredientes</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kovaq::RowLabels</name>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base&apos;s row.</extracomment>
        <translation>Base nic.</translation>
    </message>
    <message>
        <source>PG</source>
        <translation>PG</translation>
    </message>
    <message>
        <source>VG</source>
        <translation>VG</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Vodka/agua</translation>
    </message>
    <message>
        <source>NicBase  %1</source>
        <extracomment>The nicotine base&apos;s row once the base has a name (%1).</extracomment>
        <translation>BaseNic  %1</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <extracomment>The PG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Propilenglicol (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <extracomment>The VG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Glic. vegetal (VG)</translation>
    </message>
</context>
<context>
    <name>kovaq::ScalesIcon</name>
    <message>
        <source>Mix By Weight (Ctrl+G)</source>
        <translation>Mezclar por peso (Ctrl+G)</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Mezclar por peso</translation>
    </message>
</context>
<context>
    <name>kovaq::ShareController</name>
    <message>
        <source>Ko-Vaq recipe JSON (*.json)</source>
        <translation>Receta JSON de Ko-Vaq (*.json)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>No se puede abrir %1.
%2</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 no se puede importar.
%2</translation>
    </message>
</context>
<context>
    <name>kovaq::ShoppingWindow</name>
    <message>
        <source>Shopping List</source>
        <translation>Lista de la compra</translation>
    </message>
    <message>
        <source>Recipes to make:</source>
        <translation>Recetas a preparar:</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Receta</translation>
    </message>
    <message>
        <source>Make (ml)</source>
        <translation>Hacer (ml)</translation>
    </message>
    <message>
        <source>Recipes to make</source>
        <translation>Recetas a preparar</translation>
    </message>
    <message>
        <source>What to buy:</source>
        <translation>Qué comprar:</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>Short (ml)</source>
        <translation>Falta (ml)</translation>
    </message>
    <message>
        <source>Needed (ml)</source>
        <translation>Necesario (ml)</translation>
    </message>
    <message>
        <source>On hand (ml)</source>
        <translation>En stock (ml)</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Botes</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>What to buy</source>
        <translation>Qué comprar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Takes the chosen recipe off the list</source>
        <translation>Quita la receta elegida de la lista</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copies the list as text</source>
        <translation>Copia la lista como texto</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Guardar CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Cuánto preparar</translation>
    </message>
    <message>
        <source>%1 × %2 ml</source>
        <translation>%1 × %2 ml</translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>No falta nada: el stock tiene todo lo necesario.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 no se puede mezclar tal como está: se deja fuera.</translation>
    </message>
</context>
<context>
    <name>kovaq::Shots</name>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution)</source>
        <translation>Demasiado poco para pesarlo bien: prediluya 1:%1 en PG (%2 g de la dilución)</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix</source>
        <translation>Demasiado poco para pesarlo bien: prediluya 1:%1 en PG (%2 g de la dilución) y deje fuera de la mezcla %3 ml de PG</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in VG (%2 g of the dilution) and leave %3 ml of VG out of the mix, as the mix&apos;s %4 ml of PG cannot take it</source>
        <translation>Demasiado poco para pesarlo bien: prediluya 1:%1 en VG (%2 g de la dilución) y deje fuera de la mezcla %3 ml de VG, ya que los %4 ml de PG de la mezcla no lo admiten</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix, the most the mix&apos;s PG can take</source>
        <translation>Demasiado poco para pesarlo bien: prediluya 1:%1 en PG (%2 g de la dilución) y deje fuera de la mezcla %3 ml de PG, lo máximo que admite el PG de la mezcla</translation>
    </message>
    <message>
        <source>Too little to weigh well, and the mix&apos;s PG and VG cannot take a dilution of it: make a bigger batch or weigh it on a finer scale</source>
        <translation>Demasiado poco para pesarlo bien, y el PG y el VG de la mezcla no admiten una dilución: haga un lote más grande o péselo en una báscula más precisa</translation>
    </message>
    <message>
        <source>Type the shortfill liquid&apos;s volume</source>
        <translation>Escriba el volumen del líquido shortfill</translation>
    </message>
    <message>
        <source>Type the size of one shot</source>
        <translation>Escriba el tamaño de un nicokit</translation>
    </message>
    <message>
        <source>%1 mg shots cannot make %2 mg</source>
        <translation>Con nicokits de %1 mg no se puede llegar a %2 mg</translation>
    </message>
    <message>
        <source>No room: the bottle holds %1 ml, the liquid %2 ml</source>
        <translation>No hay sitio: el bote admite %1 ml, el líquido ocupa %2 ml</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g)</source>
        <translation>Nicokit para %1 mg: %2 ml (%3 g)</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g), more than the %4 ml of room</source>
        <translation>Nicokit para %1 mg: %2 ml (%3 g), más que los %4 ml de sitio</translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml</source>
        <extracomment>%n whole shots give %1 mg/ml in %2 ml.</extracomment>
        <translation>
            <numerusform>%n nicokit: %1 mg en %2 ml</numerusform>
            <numerusform>%n nicokits: %1 mg en %2 ml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</source>
        <translation>
            <numerusform>%n nicokit: %1 mg en %2 ml, desborda el bote de %3 ml</numerusform>
            <numerusform>%n nicokits: %1 mg en %2 ml, desbordan el bote de %3 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Then: %1 ml at %2</source>
        <extracomment>%2 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Queda: %1 ml a %2</translation>
    </message>
    <message>
        <source>Type the batch&apos;s volume</source>
        <translation>Escriba el volumen del lote</translation>
    </message>
    <message>
        <source>Already at %1 mg: add nothing</source>
        <translation>Ya está a %1 mg: no añada nada</translation>
    </message>
    <message>
        <source>Adding liquid cannot take %1 mg to %2 mg</source>
        <translation>Añadir líquido no puede llevar %1 mg a %2 mg</translation>
    </message>
    <message>
        <source>Type the nicotine base&apos;s strength to make the batch stronger</source>
        <translation>Escriba la concentración de la base de nicotina para subir la del lote</translation>
    </message>
    <message>
        <source>A %1 mg base cannot make %2 mg</source>
        <translation>Una base de %1 mg no puede dar %2 mg</translation>
    </message>
    <message>
        <source>Add %1 ml of 0 mg liquid at %2 (%3 g)</source>
        <translation>Añada %1 ml de líquido de 0 mg a %2 (%3 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of the %2 mg base at %3 (%4 g)</source>
        <translation>Añada %1 ml de la base de %2 mg a %3 (%4 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml of %2 mg at %3</source>
        <translation>Queda: %1 ml de %2 mg a %3</translation>
    </message>
    <message>
        <source>Already at %1: add nothing</source>
        <extracomment>%1 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Ya está a %1: no añada nada</translation>
    </message>
    <message>
        <source>Adding PG cannot make a batch with VG in it all PG</source>
        <translation>Añadir PG no puede dejar todo en PG un lote que lleva VG</translation>
    </message>
    <message>
        <source>Adding VG cannot make a batch with PG in it all VG</source>
        <translation>Añadir VG no puede dejar todo en VG un lote que lleva PG</translation>
    </message>
    <message>
        <source>Add %1 ml of PG (%2 g)</source>
        <translation>Añada %1 ml de PG (%2 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of VG (%2 g)</source>
        <translation>Añada %1 ml de VG (%2 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml at %2, %3 mg</source>
        <translation>Queda: %1 ml a %2, %3 mg</translation>
    </message>
</context>
<context>
    <name>kovaq::ShotsWindow</name>
    <message>
        <source>Shots and Fixes</source>
        <translation>Nicokits y ajustes</translation>
    </message>
    <message>
        <source>Shortfill &amp;liquid</source>
        <extracomment>A shortfill: a bottle of flavoured liquid without nicotine, part filled so that shots (small bottles of strong nicotine) can be added to it. &amp; marks the access key.</extracomment>
        <translation>&amp;Líquido shortfill</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>&amp;Bottle size</source>
        <translation>Tamaño &amp;bote</translation>
    </message>
    <message>
        <source>Liquid&apos;s &amp;PG-VG</source>
        <translation>&amp;PG-VG del líquido</translation>
    </message>
    <message>
        <source>&amp;Shot strength</source>
        <extracomment>A shot: a small bottle (10 ml) of strong nicotine added to a shortfill.</extracomment>
        <translation>Conc. &amp;nicokit</translation>
    </message>
    <message>
        <source>mg/ml</source>
        <translation>mg/ml</translation>
    </message>
    <message>
        <source>Shot si&amp;ze</source>
        <translation>&amp;Vol. nicokit</translation>
    </message>
    <message>
        <source>Shot&apos;s P&amp;G-VG</source>
        <translation>P&amp;G-VG nicokit</translation>
    </message>
    <message>
        <source>&amp;Target strength</source>
        <translation>Nicotina &amp;final</translation>
    </message>
    <message>
        <source>Shortfill + Shots</source>
        <translation>Shortfill + nicokits</translation>
    </message>
    <message>
        <source>&amp;Batch</source>
        <translation>&amp;Lote</translation>
    </message>
    <message>
        <source>Its &amp;strength</source>
        <translation>Su &amp;nicotina</translation>
    </message>
    <message>
        <source>Its &amp;PG-VG</source>
        <translation>Su &amp;PG-VG</translation>
    </message>
    <message>
        <source>0 mg liquid&apos;s P&amp;G-VG (to weaken)</source>
        <translation>P&amp;G-VG líquido 0 mg (rebajar)</translation>
    </message>
    <message>
        <source>Nicotine b&amp;ase (to strengthen)</source>
        <translation>B&amp;ase de nicotina (subir)</translation>
    </message>
    <message>
        <source>Base&apos;s PG-&amp;VG</source>
        <translation>PG-&amp;VG de base</translation>
    </message>
    <message>
        <source>Change Strength</source>
        <translation>Cambiar nicotina</translation>
    </message>
    <message>
        <source>&amp;Target PG-VG</source>
        <translation>PG-VG &amp;final</translation>
    </message>
    <message>
        <source>Its &amp;strength (if known)</source>
        <translation>Su &amp;nicotina (si se sabe)</translation>
    </message>
    <message>
        <source>Change PG/VG</source>
        <translation>Cambiar PG/VG</translation>
    </message>
    <message>
        <source>Base From &amp;Mix</source>
        <translation>Base de &amp;mezcla</translation>
    </message>
    <message>
        <source>The nicotine base of the mix in the main window</source>
        <translation>La base de nicotina de la mezcla de la ventana principal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out by a screen reader: a field&apos;s caption, then its unit, as in &quot;Bottle size, ml&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From a batc&amp;h</source>
        <translation>De un lo&amp;te</translation>
    </message>
    <message>
        <source>From a batch</source>
        <translation>De un lote</translation>
    </message>
    <message>
        <source>(none: the figures typed)</source>
        <translation>(ninguno: cifras escritas)</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A batch in the list: the day it was mixed, two blanks, its name.</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>For the batch %1, mixed %2</source>
        <translation>Para el lote %1, mezclado el %2</translation>
    </message>
    <message>
        <source>Type every figure to see what to add.</source>
        <translation>Escriba todas las cifras para ver qué añadir.</translation>
    </message>
</context>
<context>
    <name>kovaq::SpecPanel</name>
    <message>
        <source>  Mixing Specification  </source>
        <translation>  Datos de la mezcla  </translation>
    </message>
    <message>
        <source>PG–VG (%)</source>
        <translation>PG–VG (%)</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Volumen a hacer</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>mg</source>
        <translation>mg</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <extracomment>The thinner: vodka or water, or the two mixed.</extracomment>
        <translation>Vodka/agua</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCommand</name>
    <message>
        <source>Bottle</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Add Bottle</source>
        <translation>Añadir bote</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Mix It</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Undo Batch %1</source>
        <translation>Deshacer lote %1</translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <translation>Importar botes</translation>
    </message>
</context>
<context>
    <name>kovaq::StashController</name>
    <message>
        <source>The stash&apos;s base is %1 mg; this mix is worked out for %2 mg.</source>
        <translation>La base del stock es de %1 mg; esta mezcla está calculada para %2 mg.</translation>
    </message>
    <message>
        <source>Start a new, empty stash? The damaged one is kept as %1, unchanged.</source>
        <translation>¿Empezar un stock nuevo y vacío? El dañado se conserva sin cambios como %1.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unable to read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB: nothing was imported.</source>
        <translation>%1 ocupa más de %2 MiB: no se ha importado nada.</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
No se ha importado nada.</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ya no está.</translation>
    </message>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>El stock no se puede modificar.</translation>
    </message>
    <message>
        <source>This mix cannot be made: %1.
No batch was recorded.</source>
        <translation>Esta mezcla no se puede hacer: %1.
No se ha registrado ningún lote.</translation>
    </message>
    <message>
        <source>The mix in the window has not been saved.
Record a batch of it anyway? Its recipe is kept with the batch.</source>
        <translation>La mezcla de la ventana no se ha guardado.
¿Registrar un lote de ella de todos modos? Su receta se guarda con el lote.</translation>
    </message>
    <message>
        <source>The stash does not hold all this mix needs:
%1

Record the batch anyway? What is missing is noted with it.</source>
        <translation>El stock no tiene todo lo que necesita esta mezcla:
%1

¿Registrar el lote de todos modos? Lo que falta se anota con él.</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>No hay ningún lote que deshacer.</translation>
    </message>
    <message>
        <source>Undo the last batch, %1, and give back to the stash what it took?</source>
        <translation>¿Deshacer el último lote, %1, y devolver al stock lo que tomó?</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCsv</name>
    <message>
        <source>The file holds no header row naming the columns.</source>
        <translation>El archivo no tiene una fila de cabecera que nombre las columnas.</translation>
    </message>
    <message>
        <source>The header names the column %1 twice.</source>
        <translation>La cabecera nombra la columna %1 dos veces.</translation>
    </message>
    <message>
        <source>The header row names no kind column; it needs kind, and may name name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity and notes.</source>
        <translation>La fila de cabecera no nombra ninguna columna kind; necesita kind, y puede nombrar name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity y notes.</translation>
    </message>
    <message>
        <source>A quoted cell is not closed before the end of the file.</source>
        <translation>Una celda entre comillas no se cierra antes del final del archivo.</translation>
    </message>
    <message>
        <source>The line has %1 cells; the header names %2.</source>
        <translation>La línea tiene %1 celdas; la cabecera nombra %2.</translation>
    </message>
    <message>
        <source>The kind is missing.</source>
        <translation>Falta el tipo (kind).</translation>
    </message>
    <message>
        <source>The kind &quot;%1&quot; is none of base, pg, vg, flavour and vodka/water.</source>
        <translation>El tipo «%1» no es ninguno de base, pg, vg, flavour y vodka/water.</translation>
    </message>
    <message>
        <source>A flavour needs a name.</source>
        <translation>Un aroma necesita un nombre.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number.</source>
        <translation>El valor de %1 «%2» no es un número.</translation>
    </message>
    <message>
        <source>The %1 cannot be below 0.</source>
        <translation>El valor de %1 no puede ser menor que 0.</translation>
    </message>
    <message>
        <source>The %1 cannot be more than %2.</source>
        <translation>El valor de %1 no puede ser mayor que %2.</translation>
    </message>
    <message>
        <source>The pgvg &quot;%1&quot; is none of PG, 90-10 to 10-90, VG and none.</source>
        <translation>El pgvg «%1» no es ninguno de PG, 90-10 a 10-90, VG y none.</translation>
    </message>
    <message>
        <source>The gravity &quot;%1&quot; is not a number from 0.5 to 2.</source>
        <translation>La densidad «%1» no es un número de 0.5 a 2.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashImportDialog</name>
    <message>
        <source>none</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <comment>a field, its value before and after</comment>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>maker</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml en stock</translation>
    </message>
    <message>
        <source>bottle ml</source>
        <translation>ml bote</translation>
    </message>
    <message>
        <source>price</source>
        <translation>precio</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>nicotine mg/ml</source>
        <translation>nicotina mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>What the import does</source>
        <translation>Lo que hace la importación</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>%1 ml on hand</source>
        <translation>%1 ml en stock</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>%1 — to add: %2, to update: %3, as they are: %4, refused: %5.</source>
        <translation>%1 — para añadir: %2, para actualizar: %3, sin cambios: %4, rechazados: %5.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashMatch</name>
    <message>
        <source>A flavour without a name</source>
        <translation>Un aroma sin nombre</translation>
    </message>
    <message>
        <source>Nicotine base %1 mg</source>
        <translation>Base de nicotina %1 mg</translation>
    </message>
    <message>
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand)</source>
        <translation>%1: faltan %2 ml (%3 ml necesarios, %4 ml en stock)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml at %6</source>
        <translation>
            <numerusform>%1: faltan %2 ml (%3 ml necesarios, %4 ml en stock), %n bote de %5 ml a %6</numerusform>
            <numerusform>%1: faltan %2 ml (%3 ml necesarios, %4 ml en stock), %n botes de %5 ml a %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml</source>
        <translation>
            <numerusform>%1: faltan %2 ml (%3 ml necesarios, %4 ml en stock), %n bote de %5 ml</numerusform>
            <numerusform>%1: faltan %2 ml (%3 ml necesarios, %4 ml en stock), %n botes de %5 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>No falta nada: el stock tiene todo lo necesario.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 no se puede mezclar tal como está: se deja fuera.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashPlan</name>
    <message>
        <source>%1: needs %2 ml, none in the stash</source>
        <translation>%1: necesita %2 ml, no hay en el stock</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml left</source>
        <translation>%1: necesita %2 ml, %3 ml en stock, quedan %4 ml</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml short</source>
        <translation>%1: necesita %2 ml, %3 ml en stock, faltan %4 ml</translation>
    </message>
</context>
<context>
    <name>kovaq::StashStore</name>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>El stock no se puede modificar.</translation>
    </message>
    <message>
        <source>There is no stash yet at %1.</source>
        <translation>Todavía no hay ningún stock en %1.</translation>
    </message>
    <message>
        <source>Unable to make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 no es un archivo de base de datos.</translation>
    </message>
    <message>
        <source>The disk holding the stash is full: %1 (%2). The stash is shown read only.</source>
        <translation>El disco que contiene el stock está lleno: %1 (%2). El stock se muestra en solo lectura.</translation>
    </message>
    <message>
        <source>The stash&apos;s folder cannot be written: %1 (%2). The stash is shown read only.</source>
        <translation>No se puede escribir en la carpeta del stock: %1 (%2). El stock se muestra en solo lectura.</translation>
    </message>
    <message>
        <source>Another Ko-Vaq is using the stash: it is open read-only.</source>
        <translation>Otro Ko-Vaq está usando el stock: se abre en solo lectura.</translation>
    </message>
    <message>
        <source>Unable to read the stash %1: %2.</source>
        <translation>No se puede leer el stock %1: %2.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged.</source>
        <translation>La base de datos del stock %1 está dañada.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged. It is not changed until you say so.</source>
        <translation>La base de datos del stock %1 está dañada. No se modificará hasta que usted lo diga.</translation>
    </message>
    <message>
        <source>The stash database is damaged; a copy is kept as %1. It is not changed until you say so.</source>
        <translation>La base de datos del stock está dañada; se guarda una copia como %1. No se modificará hasta que usted lo diga.</translation>
    </message>
    <message>
        <source>The stash was written by a newer Ko-Vaq: it is open read-only.</source>
        <translation>El stock lo escribió un Ko-Vaq más reciente: se abre en solo lectura.</translation>
    </message>
    <message>
        <source>Unable to open the stash %1.</source>
        <translation>No se puede abrir el stock %1.</translation>
    </message>
    <message>
        <source>The stash is not damaged.</source>
        <translation>El stock no está dañado.</translation>
    </message>
    <message>
        <source>Unable to keep a copy of the damaged stash in %1; nothing was changed.</source>
        <translation>No se puede guardar una copia del stock dañado en %1; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Unable to put the damaged stash aside: %1.</source>
        <translation>No se puede apartar el stock dañado: %1.</translation>
    </message>
    <message>
        <source>Unable to add the bottle</source>
        <translation>No se puede añadir el bote</translation>
    </message>
    <message>
        <source>Unable to change the bottle</source>
        <translation>No se puede cambiar el bote</translation>
    </message>
    <message>
        <source>Unable to remove the bottle</source>
        <translation>No se puede quitar el bote</translation>
    </message>
    <message>
        <source>Unable to bring the bottle back</source>
        <translation>No se puede recuperar el bote</translation>
    </message>
    <message>
        <source>The bottle is no longer in the stash.</source>
        <translation>El bote ya no está en el stock.</translation>
    </message>
    <message>
        <source>Unable to import the bottles</source>
        <translation>No se pueden importar los botes</translation>
    </message>
    <message>
        <source>Unable to record the batch</source>
        <translation>No se puede registrar el lote</translation>
    </message>
    <message>
        <source>Unable to undo the batch</source>
        <translation>No se puede deshacer el lote</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>No hay ningún lote que deshacer.</translation>
    </message>
    <message>
        <source>The batch is no longer in the log.</source>
        <translation>El lote ya no está en el registro.</translation>
    </message>
    <message>
        <source>A flavour&apos;s notes need the flavour&apos;s name.</source>
        <translation>Las notas de un aroma necesitan el nombre del aroma.</translation>
    </message>
    <message>
        <source>A rating is from 1 to 5.</source>
        <translation>La puntuación va de 1 a 5.</translation>
    </message>
    <message>
        <source>A preferred share is more than 0 and at most 100 %.</source>
        <translation>Un porcentaje preferido es mayor que 0 y como máximo 100 %.</translation>
    </message>
    <message>
        <source>Unable to keep the flavour&apos;s notes</source>
        <translation>No se pueden guardar las notas del aroma</translation>
    </message>
</context>
<context>
    <name>kovaq::StashWindow</name>
    <message>
        <source>Start a New Stash</source>
        <translation>Nuevo stock</translation>
    </message>
    <message>
        <source>Keep It Read Only</source>
        <translation>Dejar solo lectura</translation>
    </message>
    <message>
        <source>Write Again</source>
        <translation>Volver a escribir</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Aromas</translation>
    </message>
    <message>
        <source>Your stash is empty: press Add, choose the kind and type the bottle&apos;s name.</source>
        <translation>Su stock está vacío: pulse Añadir, elija el tipo y escriba el nombre del bote.</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>Add or update bottles from a spreadsheet&apos;s CSV file</source>
        <translation>Añadir o actualizar botes desde el archivo CSV de una hoja de cálculo</translation>
    </message>
    <message>
        <source>Search the flavours</source>
        <translation>Buscar aromas</translation>
    </message>
    <message>
        <source>The flavours of the recipes in your recipe folders, with a share, are listed here once the folders have been read.</source>
        <translation>Los aromas de las recetas de sus carpetas de recetas, con un porcentaje, aparecen aquí una vez leídas las carpetas.</translation>
    </message>
    <message>
        <source>The new bottle&apos;s kind</source>
        <translation>Tipo del bote nuevo</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>Lotes</translation>
    </message>
    <message>
        <source>Search the stash</source>
        <translation>Buscar en el stock</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Botes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Mezclar...</translation>
    </message>
    <message>
        <source>Record a batch of the mix in the window (Ctrl+B)</source>
        <translation>Registrar un lote de la mezcla de la ventana (Ctrl+B)</translation>
    </message>
    <message>
        <source>Search the batches</source>
        <translation>Buscar lotes</translation>
    </message>
    <message>
        <source>Open Recipe</source>
        <translation>Abrir receta</translation>
    </message>
    <message>
        <source>The recipe as it was mixed, as a new mix</source>
        <translation>La receta tal como se mezcló, como mezcla nueva</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Print Label...</source>
        <translation>Etiqueta...</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Deshacer lote</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>The mix in the window needs nothing yet.</source>
        <translation>La mezcla de la ventana aún no necesita nada.</translation>
    </message>
    <message>
        <source>For the mix in the window:</source>
        <translation>Para la mezcla de la ventana:</translation>
    </message>
</context>
<context>
    <name>kovaq::StatusPanel</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Cost status</source>
        <translation>Estado del coste</translation>
    </message>
    <message>
        <source>Volume status</source>
        <translation>Estado del volumen</translation>
    </message>
</context>
<context>
    <name>kovaq::WeightsWindow</name>
    <message>
        <source>Mix By Weight</source>
        <translation>Mezclar por peso</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <extracomment>The columns&apos; heads: &quot;scale reads&quot; is what the scale shows once the row is poured in.</extracomment>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramos</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>báscula marca</translation>
    </message>
    <message>
        <source>drops</source>
        <translation>gotas</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Pure nicotine</source>
        <translation>Nicotina pura</translation>
    </message>
    <message>
        <source>Show &amp;drops at</source>
        <translation>Mostrar &amp;gotas a</translation>
    </message>
    <message>
        <source> drops per ml</source>
        <extracomment>After a number of drops, as in &quot;20 drops per ml&quot;.</extracomment>
        <translation> gotas por ml</translation>
    </message>
    <message>
        <source>Drops per ml</source>
        <translation>Gotas por ml</translation>
    </message>
    <message>
        <source>20 for most droppers; 25 or 33 for finer ones</source>
        <translation>20 para la mayoría de cuentagotas; 25 o 33 para los más finos</translation>
    </message>
    <message>
        <source>&amp;Scale reads to</source>
        <translation>Precisión &amp;báscula</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Every gravity back to its default</source>
        <translation>Todas las densidades a su valor por defecto</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 grams: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its grams.</extracomment>
        <translation>%1, gramos: %2</translation>
    </message>
    <message>
        <source>%1 scale reads: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then what the scale reads.</extracomment>
        <translation>%1, la báscula marca: %2</translation>
    </message>
    <message>
        <source>%1 gravity, g/ml</source>
        <extracomment>Read out by a screen reader: what the gravity is of, as in &quot;PG gravity, g/ml&quot;.</extracomment>
        <translation>Densidad de %1, g/ml</translation>
    </message>
    <message>
        <source>TOTAL grams: %1</source>
        <translation>Gramos TOTAL: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A row&apos;s caption, then why its amount is too small to weigh.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kovaq::WelcomeDialog</name>
    <message>
        <source>Welcome To Ko-Vaq</source>
        <translation>Bienvenido a Ko-Vaq</translation>
    </message>
    <message>
        <source>Ko-Vaq Has Detected That You Are A New User</source>
        <translation>Ko-Vaq ha detectado que es un usuario nuevo</translation>
    </message>
    <message>
        <source>If you need help getting started, look in the Help file
under &apos;How To... Getting Started&apos;</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Si necesita ayuda para empezar, mire en el archivo de ayuda,
en el apartado &apos;How To... Getting Started&apos;</translation>
    </message>
    <message>
        <source>To view the Help file at any time, click on the %1 icon.
located at the top RH corner of the screen, or press F1 key.</source>
        <extracomment>Shown on two lines, broken where the line break stands; %1 is the help icon.</extracomment>
        <translation>Para ver el archivo de ayuda en cualquier momento, pulse el icono %1
de la esquina superior derecha de la pantalla, o pulse la tecla F1.</translation>
    </message>
    <message>
        <source>This message will be shown at each startup until you
have loaded or saved your first recipe</source>
        <extracomment>Shown on two lines, broken where the line break stands; the second is underlined.</extracomment>
        <translation>Este mensaje se mostrará en cada inicio hasta que
haya abierto o guardado su primera receta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
