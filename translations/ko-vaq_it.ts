<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ControlNames</name>
    <message>
        <source>Nic Base Strength</source>
        <translation>Base nic. (mg/ml)</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Volume da fare</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>Costo %1</translation>
    </message>
    <message>
        <source>%1 quantity</source>
        <translation>Quantità %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>Nome %1</translation>
    </message>
    <message>
        <source>%1 percentage</source>
        <translation>Percentuale %1</translation>
    </message>
    <message>
        <source>Nic Base PG-VG</source>
        <translation>PG-VG base nic.</translation>
    </message>
    <message>
        <source>Mix PG-VG</source>
        <translation>PG-VG miscela</translation>
    </message>
    <message>
        <source>F%1 PG-VG</source>
        <extracomment>F1 to F8 name the flavours&apos; rows.</extracomment>
        <translation>PG-VG F%1</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>Recipe folder</source>
        <translation>Cartella ricette</translation>
    </message>
</context>
<context>
    <name>kovaq::AppController</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Impossibile leggere le impostazioni da %1.
Ko-Vaq prosegue, ma non ricorderà le cartelle, l&apos;ultimo file né la disposizione.</translation>
    </message>
    <message>
        <source>Unable to write the settings to %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Impossibile scrivere le impostazioni in %1.
Ko-Vaq prosegue, ma non ricorderà le cartelle, l&apos;ultimo file né la disposizione.</translation>
    </message>
    <message>
        <source>No program to show the help is available.
The help is in %1</source>
        <translation>Nessun programma disponibile per mostrare la guida.
La guida si trova in %1</translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation>File della guida mancante</translation>
    </message>
    <message>
        <source>  There is Information Outstanding 
So Your Mix Name May Not Be Correct
        Do You Still Want To Print?</source>
        <translation>  Ci sono informazioni mancanti 
Quindi il nome della miscela potrebbe non essere corretto
        Vuoi stampare comunque?</translation>
    </message>
    <message>
        <source>Your Monitor Screen Is Too Small For This Application</source>
        <translation>Lo schermo è troppo piccolo per questa applicazione</translation>
    </message>
    <message>
        <source>Sorry, But...</source>
        <translation>Spiacenti, ma...</translation>
    </message>
    <message>
        <source>So You Will Only Be Able To Run In Landscape Layout Mode,
         And The &apos;Layout&apos; Button Will Be Disabled</source>
        <translation>Quindi potrai usare solo la disposizione orizzontale,
         e il pulsante &apos;Layout&apos; sarà disattivato</translation>
    </message>
    <message>
        <source>Your Monitor Screen Has Limited Height</source>
        <translation>Lo schermo ha un&apos;altezza limitata</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Impossibile aprire %1.
%2</translation>
    </message>
    <message>
        <source>Your Current Mix Has Not Been Saved 
         Do You Want To Save It?</source>
        <translation>La miscela attuale non è stata salvata 
         Vuoi salvarla?</translation>
    </message>
    <message>
        <source>      Your Current Mix Has Not Been Saved 
               Do You Want To Save It?</source>
        <translation>      La miscela attuale non è stata salvata 
               Vuoi salvarla?</translation>
    </message>
    <message>
        <source>There is Information Outstanding 
    Do You Still Want To Save?</source>
        <translation>Ci sono informazioni mancanti 
    Vuoi salvare comunque?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB; only its first %2 MiB were read.
The recipe shown may not be the whole of it.</source>
        <translation>%1 supera i %2 MiB; sono stati letti solo i primi %2 MiB.
La ricetta mostrata potrebbe non essere completa.</translation>
    </message>
    <message>
        <source>Ko-Vaq files (*.mix)</source>
        <translation>File Ko-Vaq (*.mix)</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Attenzione...</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La lingua del desktop</translation>
    </message>
    <message>
        <source>Ko-Vaq will follow the desktop&apos;s language from its next start.</source>
        <translation>Ko-Vaq seguirà la lingua del desktop dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Ko-Vaq will be in %1 from its next start.</source>
        <translation>Ko-Vaq sarà in %1 dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>kovaq::Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>kovaq::BatchModel</name>
    <message>
        <source>ready in %1 days</source>
        <translation>pronto tra %1 giorni</translation>
    </message>
    <message>
        <source>ready tomorrow</source>
        <translation>pronto domani</translation>
    </message>
    <message>
        <source>ready today</source>
        <translation>pronto oggi</translation>
    </message>
    <message>
        <source>ready since %1</source>
        <translation>pronto dal %1</translation>
    </message>
    <message>
        <source>Short: %1</source>
        <translation>Manca: %1</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>kovaq::BookIcon</name>
    <message>
        <source>Recipes (Ctrl+R)</source>
        <translation>Ricette (Ctrl+R)</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Ricette</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleLabels</name>
    <message>
        <source>The printer&apos;s own</source>
        <translation>Della stampante</translation>
    </message>
    <message>
        <source>Mixed %1 · Ready %2</source>
        <extracomment>The day a batch was mixed (%1) and the day it has steeped (%2).</extracomment>
        <translation>Fatto %1 · Pronto %2</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml disp.</translation>
    </message>
    <message>
        <source>Bottle ml</source>
        <translation>ml flacone</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
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
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>kovaq::Calc</name>
    <message>
        <source>kovaq-calc: cannot write %1: %2</source>
        <translation>kovaq-calc: impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Mix: %1</source>
        <translation>Miscela: %1</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>grammi</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>in bilancia</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Volume (ml)</source>
        <translation>Volume (ml)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Status: %1%2</source>
        <extracomment>The status line: its cost part (%1), then its volume part (%2).</extracomment>
        <translation>Stato: %1%2</translation>
    </message>
    <message>
        <source>The mix is too strong for this base.</source>
        <translation>La miscela è troppo forte per questa base.</translation>
    </message>
    <message>
        <source>Missing:%1</source>
        <extracomment>%1 is the recipe file&apos;s keys of the fields, each after a space.</extracomment>
        <translation>Mancanti:%1</translation>
    </message>
    <message>
        <source>(! marks a text shown in red)</source>
        <translation>(! indica un testo mostrato in rosso)</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot write the output: %1</source>
        <translation>kovaq-calc: impossibile scrivere l&apos;output: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read %1: %2</source>
        <translation>kovaq-calc: impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>kovaq-calc: warning: %1 is longer than %2 MiB; only its first %2 MiB were read</source>
        <translation>kovaq-calc: attenzione: %1 supera i %2 MiB; sono stati letti solo i primi %2 MiB</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read the folder %1</source>
        <translation>kovaq-calc: impossibile leggere la cartella %1</translation>
    </message>
    <message>
        <source>kovaq-calc: not used: %1</source>
        <extracomment>A line of the text that says nothing of a recipe (%1).</extracomment>
        <translation>kovaq-calc: non usato: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: there is no recipe in %1: no flavour with its share, and no volume with a strength or a ratio</source>
        <translation>kovaq-calc: non c&apos;è nessuna ricetta in %1: nessun aroma con la sua percentuale, e nessun volume con una nicotina o un rapporto</translation>
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
        <translation>Uso: kovaq-calc [--json] FILE.mix
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

Carica una ricetta Ko-Vaq come fa Apri nella finestra e calcola la miscela.
Senza --report stampa il volume e il costo di ogni ingrediente, il totale, la
riga di stato e i campi mancanti.

  --json         stampa JSON invece di testo
  --weights      stampa la tabella delle pesate: i grammi di ogni ingrediente e
                 cosa segna la bilancia man mano che si aggiunge
  --check        dice in una riga se la miscela si può fare e, se no, cosa si
                 potrebbe fare; stato di uscita 0 se si può, 3 se non si può
  --list         elenca ogni ricetta nelle cartelle e nelle loro sottocartelle:
                 nome, nicotina, volume, PG/VG, aromi, costo, se si può fare,
                 file; stato di uscita 1 solo se una cartella non si legge affatto
  --search WORDS con --list, solo le ricette a cui corrisponde ogni parola: parole
                 del nome, un aroma, le note o il nome del file, &quot;3mg&quot;, &quot;lemon 10%&quot;
  --report KIND  stampa il resoconto summary, details o weights, una riga per riga,
                 con le tabulazioni; oppure l&apos;etichetta del flacone di un lotto
                 della miscela preparato oggi
  --label-size S la misura dell&apos;etichetta in millimetri (predefinita 50x25)
  --steep DAYS   con l&apos;etichetta, i giorni di maturazione (predefiniti 7)
  --to-text      stampa la ricetta come la copia &quot;Copy Recipe&quot;, per un forum
  --from-text    legge una ricetta da un testo come fa &quot;Paste Recipe&quot; (FILE.txt, o -
                 per lo standard input) e la salva come OUT.mix; le righe non usate
                 vanno sullo standard error; stato di uscita 3 se il testo non
                 contiene ricette
  --to-json      stampa la ricetta in JSON ({&quot;format&quot;: &quot;ko-vaq-recipe&quot;,
                 &quot;version&quot;: 1, &quot;recipe&quot;: {...}})
  --from-json    salva una tale ricetta JSON come OUT.mix
  --shots        shot di nicotina in uno shortfill: ML di liquido a 0 mg in un
                 flacone da BOTTLE ml, shot da SHOT_MG e SHOT_ML ciascuno, per
                 TARGET mg
  --dilute       un lotto finito di ML a FROM_MG portato a TO_MG: liquido a 0 mg
                 per indebolirlo, o la base nicotinica di --base MG per rinforzarlo
  --ratio        un lotto finito di ML con PG per cento di PG portato a TO_PG con
                 PG o VG
  --scale G      la risoluzione della bilancia: 0.1, 0.01 (predefinita) o 0.001 g,
                 per l&apos;avviso sulle quantità troppo piccole da pesare (anche con
                 --report weights)
  --stash        elenca i flaconi della scorta: tipo, nome, marca, ml disponibili,
                 misura del flacone, prezzo, PG/VG, nicotina, densità
  --batches      elenca i lotti miscelati, dal più recente, con quando è pronto
                 ognuno
  --csv          con --batches, l&apos;elenco in CSV (RFC 4180, UTF-8, date ISO); con
                 --stash, i flaconi nelle colonne che legge --stash-import
  --stash-import FILE.csv
                 aggiunge alla scorta i flaconi di un CSV e aggiorna quelli con
                 stesso tipo, nome e marca (colonne nominate nella riga di
                 intestazione, in qualsiasi ordine: kind, name, maker, on_hand_ml,
                 bottle_ml, price, pgvg, strength, gravity, notes); le righe
                 rifiutate vanno sullo standard error con numero e motivo, stato di
                 uscita 3; rifiutato del tutto mentre Ko-Vaq ha la scorta aperta
  --makeable     per ogni ricetta nelle cartelle, se la scorta contiene tutto il
                 necessario, quanto se ne potrebbe fare e cosa manca
  --flavours     per ogni aroma nelle ricette delle cartelle, quante lo usano e la
                 sua percentuale minima, mediana e massima
  --shopping     cosa serve ai file delle ricette che manca nella scorta, in ml e
                 in flaconi interi delle misure note alla scorta, all&apos;ultimo prezzo
  --db FILE      il database della scorta (predefinito: quello che tiene Ko-Vaq,
                 $XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite); solo
                 --stash-import lo scrive
  --notes        include le note nel resoconto
  --unused       include gli ingredienti non usati (resoconto details)
  --text-size N  dimensione del testo del resoconto in punti (predefinita 12)
  --pdf OUT.pdf  scrive il resoconto in un PDF (A4, margini di un quarto di
                 pollice; un&apos;etichetta su una pagina della sua misura)
  --version      mostra la versione
  --help         mostra questo testo

Stato di uscita: 0 a lavoro finito, 1 se il file o la scorta non si possono
leggere o l&apos;output non si può scrivere, 2 per una riga di comando errata, 3 se
--check trova una miscela che non si può fare o --stash-import rifiuta una riga.
</translation>
    </message>
    <message>
        <source>one of --shots, --dilute and --ratio at a time</source>
        <translation>una sola tra --shots, --dilute e --ratio alla volta</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 is missing</source>
        <translation>uso: kovaq-calc %1: manca %2</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 %3 is not a figure from 0 to %4</source>
        <translation>uso: kovaq-calc %1: %2 %3 non è una cifra da 0 a %4</translation>
    </message>
    <message>
        <source>usage: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 is not a figure from 0 to 1000</source>
        <translation>uso: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 non è una cifra da 0 a 1000</translation>
    </message>
    <message>
        <source>--scale takes 0.1, 0.01 or 0.001</source>
        <translation>--scale accetta 0.1, 0.01 o 0.001</translation>
    </message>
    <message>
        <source>--report takes summary, details, weights or label</source>
        <translation>--report accetta summary, details, weights o label</translation>
    </message>
    <message>
        <source>--text-size takes 8, 10, 12 or 14</source>
        <translation>--text-size accetta 8, 10, 12 o 14</translation>
    </message>
    <message>
        <source>one of --to-text, --to-json, --from-text and --from-json at a time</source>
        <translation>una sola tra --to-text, --to-json, --from-text e --from-json alla volta</translation>
    </message>
    <message>
        <source>--label-size takes 50x25, 70x40 or 100x50</source>
        <translation>--label-size accetta 50x25, 70x40 o 100x50</translation>
    </message>
    <message>
        <source>--steep takes a number of days from 0 to 365</source>
        <translation>--steep accetta un numero di giorni da 0 a 365</translation>
    </message>
    <message>
        <source>unknown option %1
</source>
        <translation>opzione sconosciuta %1
</translation>
    </message>
    <message>
        <source>only one file at a time</source>
        <translation>un solo file alla volta</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale (and --base) only</source>
        <translation>--%1 va solo con --json e --scale (e --base)</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale only</source>
        <translation>--%1 va solo con --json e --scale</translation>
    </message>
    <message>
        <source>--base goes with --dilute</source>
        <translation>--base va con --dilute</translation>
    </message>
    <message>
        <source>--scale goes with --shots, --dilute, --ratio and --report weights</source>
        <translation>--scale va con --shots, --dilute, --ratio e --report weights</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go one at a time</source>
        <translation>--stash-import, --makeable, --flavours e --shopping vanno uno alla volta</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go with --json, --csv and --db only</source>
        <translation>--stash-import, --makeable, --flavours e --shopping vanno solo con --json, --csv e --db</translation>
    </message>
    <message>
        <source>--stash-import goes with --db only</source>
        <translation>--stash-import va solo con --db</translation>
    </message>
    <message>
        <source>--flavours goes with --json only</source>
        <translation>--flavours va solo con --json</translation>
    </message>
    <message>
        <source>--makeable goes with --json and --db only</source>
        <translation>--makeable va solo con --json e --db</translation>
    </message>
    <message>
        <source>--json and --csv go one at a time</source>
        <translation>--json e --csv vanno uno alla volta</translation>
    </message>
    <message>
        <source>--shopping needs a recipe file</source>
        <translation>--shopping richiede un file di ricetta</translation>
    </message>
    <message>
        <source>--makeable and --flavours need a folder</source>
        <translation>--makeable e --flavours richiedono una cartella</translation>
    </message>
    <message>
        <source>--%1 goes alone (or with --db)</source>
        <translation>--%1 va da solo (o con --db)</translation>
    </message>
    <message>
        <source>--%1 goes alone</source>
        <translation>--%1 va da solo</translation>
    </message>
    <message>
        <source>--%1 needs the file to read and the recipe file to write</source>
        <translation>--%1 richiede il file da leggere e il file di ricetta da scrivere</translation>
    </message>
    <message>
        <source>--%1 needs a recipe file</source>
        <translation>--%1 richiede un file di ricetta</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches, --to-text or --report label</source>
        <translation>--db va con --stash, --batches, --to-text o --report label</translation>
    </message>
    <message>
        <source>--stash and --batches go one at a time</source>
        <translation>--stash e --batches vanno uno alla volta</translation>
    </message>
    <message>
        <source>--stash and --batches go with --json, --csv and --db only</source>
        <translation>--stash e --batches vanno solo con --json, --csv e --db</translation>
    </message>
    <message>
        <source>--csv goes with --stash, --batches or --shopping</source>
        <translation>--csv va con --stash, --batches o --shopping</translation>
    </message>
    <message>
        <source>--label-size and --steep go with --report label</source>
        <translation>--label-size e --steep vanno con --report label</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches or --report label</source>
        <translation>--db va con --stash, --batches o --report label</translation>
    </message>
    <message>
        <source>--list goes with --json and --search only</source>
        <translation>--list va solo con --json e --search</translation>
    </message>
    <message>
        <source>--search goes with --list</source>
        <translation>--search va con --list</translation>
    </message>
    <message>
        <source>--pdf, --notes and --unused go with --report</source>
        <translation>--pdf, --notes e --unused vanno con --report</translation>
    </message>
    <message>
        <source>--json holds the weights already</source>
        <translation>--json contiene già i pesi</translation>
    </message>
</context>
<context>
    <name>kovaq::CalcStash</name>
    <message>
        <source>kovaq-calc: warning: %1</source>
        <translation>kovaq-calc: attenzione: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>On hand</source>
        <translation>Disponibili</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacone</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Miscelato</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>kovaq::Calculation</name>
    <message>
        <source>Cost Ignored, </source>
        <translation>Costo ignorato, </translation>
    </message>
    <message>
        <source>Cost OK, </source>
        <translation>Costo OK, </translation>
    </message>
    <message>
        <source>Cost Pending, </source>
        <translation>Costo in attesa, </translation>
    </message>
    <message>
        <source>Volumes OK</source>
        <translation>Volumi OK</translation>
    </message>
    <message>
        <source>Vols Pending</source>
        <translation>Vol. in attesa</translation>
    </message>
    <message>
        <source>Cost Pending,</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Costo in attesa,</translation>
    </message>
    <message>
        <source>Qty Pending</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Qtà in attesa</translation>
    </message>
    <message>
        <source>This Mix Cannot Be Achieved</source>
        <translation>Questa miscela non si può ottenere</translation>
    </message>
    <message>
        <source>    You could try reducing the Mix Strength
    or changing the PG/VG ratio of your mix.
Also, you could try reducing the percentages
   of your flavours or vodka/water additive</source>
        <translation>    Prova a ridurre la nicotina della miscela
    o a cambiare il rapporto PG/VG della miscela.
Puoi anche provare a ridurre le percentuali
   degli aromi o del diluente vodka/acqua</translation>
    </message>
</context>
<context>
    <name>kovaq::Feasibility</name>
    <message>
        <source>the mix ratio can be from %1 to %2 PG-VG</source>
        <translation>il rapporto della miscela può andare da %1 a %2 PG-VG</translation>
    </message>
    <message>
        <source>the mix ratio can be %1 PG-VG</source>
        <translation>il rapporto della miscela può essere %1 PG-VG</translation>
    </message>
    <message>
        <source>no mix ratio works</source>
        <translation>nessun rapporto di miscela funziona</translation>
    </message>
    <message>
        <source>up to %1 mg</source>
        <translation>fino a %1 mg</translation>
    </message>
    <message>
        <source>up to %1 mg at %2</source>
        <extracomment>%2 is a PG-VG ratio such as 70-30.</extracomment>
        <translation>fino a %1 mg a %2</translation>
    </message>
    <message>
        <source>the flavours and vodka/water at %1 % of their shares</source>
        <translation>gli aromi e vodka/acqua al %1 % delle loro percentuali</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>Joins one more choice (%2) to the choices before it (%1).</extracomment>
        <translation>%1, oppure %2</translation>
    </message>
    <message>
        <source>With these ingredients %1.</source>
        <extracomment>%1 is the choices, joined.</extracomment>
        <translation>Con questi ingredienti %1.</translation>
    </message>
    <message>
        <source>can be made</source>
        <translation>si può fare</translation>
    </message>
    <message>
        <source>nothing to make: the volume to make is 0</source>
        <translation>niente da fare: il volume da fare è 0</translation>
    </message>
    <message>
        <source>too strong for this base</source>
        <translation>troppo forte per questa base</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>non si può fare</translation>
    </message>
</context>
<context>
    <name>kovaq::FileFlows</name>
    <message>
        <source>Unable to write to %1: %2.</source>
        <translation>Impossibile scrivere in %1: %2.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Attenzione...</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourBook</name>
    <message numerus="yes">
        <source>%1: in %n of your recipes, %2 %, usually %3 %</source>
        <translation>
            <numerusform>%1: in %n ricetta, %2 %, di solito %3 %</numerusform>
            <numerusform>%1: in %n delle tue ricette, %2 %, di solito %3 %</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourDelegate</name>
    <message>
        <source>none</source>
        <comment>no rating</comment>
        <translation>nessuno</translation>
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
        <translation>Ricette</translation>
    </message>
    <message>
        <source>Lowest %</source>
        <translation>Min %</translation>
    </message>
    <message>
        <source>Median %</source>
        <translation>Mediana %</translation>
    </message>
    <message>
        <source>Highest %</source>
        <translation>Max %</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml disp.</translation>
    </message>
    <message>
        <source>Last mixed</source>
        <translation>Ultimo mix</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>Preferred %</source>
        <translation>% preferita</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>kovaq::HelpIcon</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>kovaq::IngredientPanel</name>
    <message>
        <source>  Ingredient Details  </source>
        <translation>  Dettagli ingredienti  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Costo (£/$/€)</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>Short for quantity: the bottle&apos;s size the cost is for.</extracomment>
        <translation>Qtà</translation>
    </message>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base: the liquid of known nicotine strength the mix is thinned from; short, it stands in a narrow column.</extracomment>
        <translation>Base nic.</translation>
    </message>
    <message>
        <source>Click to change base type</source>
        <translation>Clic per cambiare tipo di base</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a cost and the quantity it buys: &quot;12.50 per 100 ml&quot;.</extracomment>
        <translation>per</translation>
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
        <translation>Base nic. (mg/ml)</translation>
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
        <translation>Scrivi &quot;Contiene nicotina&quot; sulle etichette dei lotti con nicotina</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Stampa etichetta</translation>
    </message>
    <message>
        <source>&amp;Label size:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>The label as it will print</source>
        <translation>L&apos;etichetta come verrà stampata</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
</context>
<context>
    <name>kovaq::MainWindow</name>
    <message>
        <source>  Notes  </source>
        <translation>  Note  </translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>V %1</source>
        <extracomment>The tooltip of the program&apos;s name: its version, as &quot;V 1.0.1&quot;.</extracomment>
        <translation>V %1</translation>
    </message>
    <message>
        <source>The free DIY e-juice mixing calculator</source>
        <translation>Il calcolatore gratuito per liquidi fai da te</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <source>New Mix...</source>
        <translation>Nuovo mix...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Copia ricetta</translation>
    </message>
    <message>
        <source>Paste Recipe...</source>
        <translation>Incolla ricetta...</translation>
    </message>
    <message>
        <source>Export JSON...</source>
        <translation>Esporta JSON...</translation>
    </message>
    <message>
        <source>Import JSON...</source>
        <translation>Importa JSON...</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Ricette</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Scorta</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Miscela...</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Miscela a peso</translation>
    </message>
    <message>
        <source>Shots and Fixes</source>
        <translation>Shot e correzioni</translation>
    </message>
    <message>
        <source>Layout</source>
        <extracomment>The button that turns the window between portrait and landscape.</extracomment>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Please visit me at %1</source>
        <translation>Visitami su %1</translation>
    </message>
    <message>
        <source>Visit My Website</source>
        <translation>Visita il mio sito</translation>
    </message>
    <message>
        <source>Email me for help</source>
        <translation>Scrivimi per aiuto</translation>
    </message>
    <message>
        <source>email me</source>
        <translation>scrivimi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un valore decimale valido</translation>
    </message>
    <message>
        <source>Entry Was Too Long</source>
        <translation>Voce troppo lunga</translation>
    </message>
    <message>
        <source>Use %1</source>
        <extracomment>A button that picks the nearest PG/VG ratio the mix can have, as in &quot;Use 40-60&quot;.</extracomment>
        <translation>Usa %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>%1 volume: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its volume.</extracomment>
        <translation>Volume %1: %2</translation>
    </message>
    <message>
        <source>%1 cost: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its cost.</extracomment>
        <translation>Costo %1: %2</translation>
    </message>
    <message>
        <source>TOTAL cost: %1</source>
        <translation>Costo TOTALE: %1</translation>
    </message>
    <message>
        <source>Cost status: %1</source>
        <translation>Stato costo: %1</translation>
    </message>
    <message>
        <source>Volume status: %1</source>
        <translation>Stato volume: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>kovaq::MenuIcon</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>kovaq::MixDocument</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new mix until the user names it; it is saved as the recipe&apos;s name.</extracomment>
        <translation>Senza nome</translation>
    </message>
</context>
<context>
    <name>kovaq::MixItDialog</name>
    <message>
        <source>Mix It</source>
        <translation>Miscela</translation>
    </message>
    <message>
        <source> days</source>
        <translation> giorni</translation>
    </message>
    <message>
        <source>Steep days</source>
        <translation>Giorni di maturazione</translation>
    </message>
    <message>
        <source>&amp;Steep for:</source>
        <translation>&amp;Maturazione:</translation>
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
        <translation>Registra</translation>
    </message>
    <message>
        <source>The stash does not hold all of it:
%1</source>
        <translation>La scorta non contiene tutto:
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
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>kovaq::OneBottleAwayDialog</name>
    <message>
        <source>One Bottle Away</source>
        <translation>Manca un flacone</translation>
    </message>
    <message>
        <source>Each of these bottles alone would let you make more of your recipes:</source>
        <translation>Ognuno di questi flaconi, da solo, ti permetterebbe di fare più ricette:</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacone</translation>
    </message>
    <message>
        <source>Recipes it makes possible</source>
        <translation>Ricette che rende possibili</translation>
    </message>
    <message>
        <source>Short by (ml)</source>
        <translation>Mancano (ml)</translation>
    </message>
    <message>
        <source>Bottles that would make more recipes possible</source>
        <translation>Flaconi che renderebbero possibili più ricette</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No single bottle would make another recipe possible.</source>
        <translation>Nessun flacone da solo renderebbe possibile un&apos;altra ricetta.</translation>
    </message>
</context>
<context>
    <name>kovaq::PasteRecipeDialog</name>
    <message>
        <source>Paste Recipe</source>
        <translation>Incolla ricetta</translation>
    </message>
    <message>
        <source>&amp;Recipe text:</source>
        <translation>Testo &amp;ricetta:</translation>
    </message>
    <message>
        <source>Recipe text</source>
        <translation>Testo ricetta</translation>
    </message>
    <message>
        <source>Open Text File...</source>
        <translation>Apri file di testo...</translation>
    </message>
    <message>
        <source>What Ko-Vaq reads in it:</source>
        <translation>Cosa legge Ko-Vaq:</translation>
    </message>
    <message>
        <source>Keep the lines not used in the notes</source>
        <translation>Tieni nelle note le righe non usate</translation>
    </message>
    <message>
        <source>Use It</source>
        <translation>Usala</translation>
    </message>
    <message>
        <source>Text files (*.txt *.text *.md);;All files (*)</source>
        <translation>File di testo (*.txt *.text *.md);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Impossibile aprire %1.
%2</translation>
    </message>
    <message>
        <source>&lt;b&gt;There is no recipe in this text.&lt;/b&gt; Ko-Vaq looks for flavours with their shares (&quot;Lemon 3%&quot;), or a volume with a strength or a PG/VG ratio. Nothing will change.</source>
        <translation>&lt;b&gt;In questo testo non c&apos;è nessuna ricetta.&lt;/b&gt; Ko-Vaq cerca aromi con le loro percentuali (&quot;Lemon 3%&quot;), oppure un volume con una nicotina o un rapporto PG/VG. Non cambierà nulla.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza nome</translation>
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
        <translation>Base nicotinica: %1</translation>
    </message>
    <message>
        <source>%1 stands as %2</source>
        <translation>%1 diventa %2</translation>
    </message>
    <message>
        <source>Shortened to fit the window:</source>
        <translation>Accorciati per stare nella finestra:</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Vodka/Acqua</translation>
    </message>
    <message>
        <source>* shortened to fit the window (the whole names are in the tooltip)</source>
        <translation>* accorciati per stare nella finestra (i nomi interi sono nel suggerimento)</translation>
    </message>
    <message numerus="yes">
        <source>Notes: %n line(s)</source>
        <translation>
            <numerusform>Note: %n riga</numerusform>
            <numerusform>Note: %n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>Not used (kept in the notes):</source>
        <translation>Non usate (tenute nelle note):</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>Non usate:</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintJob</name>
    <message>
        <source>The margins and text size leave no room for a line on this paper.</source>
        <translation>I margini e la dimensione del testo non lasciano spazio per una riga su questa carta.</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>Stampante non disponibile.</translation>
    </message>
    <message>
        <source>The printer did not take the next page; the print was stopped.</source>
        <translation>La stampante non ha accettato la pagina successiva; la stampa è stata interrotta.</translation>
    </message>
    <message>
        <source>The printer did not finish the print.</source>
        <translation>La stampante non ha terminato la stampa.</translation>
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
        <translation>     L&apos;immagine non entra in questo formato -
            e verrà tagliata

   Clic sulla pagina per togliere il messaggio
  o cambia dimensione immagine/margini/pagina</translation>
    </message>
    <message>
        <source>     Text Will Not Fit This Size Paper - 
           Printer May Wrap Lines 
       Or Print More Than One Page

  Click On Page To Clear This Message 
 Or Change Size Of Text/Margins/Page </source>
        <extracomment>Centred by the leading blanks in a hint over the page&apos;s preview.</extracomment>
        <translation>     Il testo non entra in questo formato - 
           la stampante può andare a capo 
       o stampare più di una pagina

  Clic sulla pagina per togliere il messaggio 
 o cambia dimensione testo/margini/pagina </translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Opzioni di stampa</translation>
    </message>
    <message>
        <source>You Have 3 Options For Printing - Please Choose One</source>
        <translation>Hai 3 opzioni di stampa - scegline una</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Screen Image</source>
        <translation>Schermata</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Include Notes</source>
        <translation>Includi note</translation>
    </message>
    <message>
        <source>Include Unused Ingredients</source>
        <translation>Includi ingredienti non usati</translation>
    </message>
    <message>
        <source>Printer Minimum</source>
        <translation>Minimo stampante</translation>
    </message>
    <message>
        <source>Narrow (0.125&quot;)</source>
        <translation>Stretto (0.125&quot;)</translation>
    </message>
    <message>
        <source>Normal (0.25&quot;)</source>
        <translation>Normale (0.25&quot;)</translation>
    </message>
    <message>
        <source>Wide (0.5&quot;)</source>
        <translation>Largo (0.5&quot;)</translation>
    </message>
    <message>
        <source>Ex Wide (0.75&quot;)</source>
        <translation>Extra (0.75&quot;)</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Margine sin.</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Margine sup.</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Dim. testo</translation>
    </message>
    <message>
        <source>v. Small (8pt)</source>
        <translation>Minuscolo (8pt)</translation>
    </message>
    <message>
        <source>Small (10pt)</source>
        <translation>Piccolo (10pt)</translation>
    </message>
    <message>
        <source>Normal (12pt)</source>
        <translation>Normale (12pt)</translation>
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
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Dim. immagine</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>Stampante non disponibile.</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintProgressWindow</name>
    <message>
        <source>Printing Image...</source>
        <translation>Stampa immagine...</translation>
    </message>
    <message>
        <source>Please Wait - Rendering  Image
And Sending To Printer</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Attendere - elaborazione immagine
e invio alla stampante</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeFoldersDialog</name>
    <message>
        <source>Recipe Folders</source>
        <translation>Cartelle ricette</translation>
    </message>
    <message>
        <source>Recipes are looked for in these folders and every folder in them:</source>
        <translation>Le ricette vengono cercate in queste cartelle e in tutte le loro sottocartelle:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Aggiungi...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>fino a %1 ml</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>serve %1</translation>
    </message>
    <message>
        <source>%1: %2 ml needed, %3 ml on hand</source>
        <translation>%1: servono %2 ml, %3 ml disponibili</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Aromi</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Can be made</source>
        <translation>Fattibile</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificata</translation>
    </message>
    <message>
        <source>Can make</source>
        <translation>Da scorta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeShare</name>
    <message>
        <source>%1 is not on the list: %2 is used.</source>
        <translation>%1 non è nell&apos;elenco: si usa %2.</translation>
    </message>
    <message>
        <source>The base&apos;s %1 is not on the list: %2 is used.</source>
        <translation>Il %1 della base non è nell&apos;elenco: si usa %2.</translation>
    </message>
    <message>
        <source>Only eight flavours fit: left out %1.</source>
        <translation>Ci stanno solo otto aromi: esclusi %1.</translation>
    </message>
    <message>
        <source>%1 mg needs a nicotine base: type the base&apos;s strength, then the strength. &quot;%2&quot; is kept in the notes.</source>
        <translation>%1 mg richiede una base nicotinica: scrivi la nicotina della base, poi quella della miscela. &quot;%2&quot; è tenuto nelle note.</translation>
    </message>
    <message>
        <source>%1 (kept in the notes)</source>
        <extracomment>%1 is the note as it is kept, in English (&quot;Steep: 7 days&quot;).</extracomment>
        <translation>%1 (tenuto nelle note)</translation>
    </message>
    <message>
        <source>Read the first %1 KB of the text; the rest was not used.</source>
        <translation>Letti i primi %1 KB del testo; il resto non è stato usato.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesController</name>
    <message>
        <source>Shopping List</source>
        <translation>Lista della spesa</translation>
    </message>
    <message>
        <source>%1: %2 ml</source>
        <translation>%1: %2 ml</translation>
    </message>
    <message>
        <source>shopping list.csv</source>
        <translation>lista della spesa.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesWindow</name>
    <message>
        <source>Recipes</source>
        <translation>Ricette</translation>
    </message>
    <message>
        <source>Only what I can make</source>
        <translation>Solo da scorta</translation>
    </message>
    <message>
        <source>Lists only the recipes the bottles in your stash can make</source>
        <translation>Elenca solo le ricette che i flaconi della tua scorta possono fare</translation>
    </message>
    <message>
        <source>One Bottle Away...</source>
        <translation>Manca un flacone...</translation>
    </message>
    <message>
        <source>The bottles that would each let you make more of your recipes</source>
        <translation>I flaconi che ti permetterebbero, ognuno, di fare più ricette</translation>
    </message>
    <message>
        <source>Add to Shopping List</source>
        <translation>Aggiungi alla spesa</translation>
    </message>
    <message>
        <source>Puts the chosen recipe on the shopping list, with what to buy for it</source>
        <translation>Mette la ricetta scelta nella lista della spesa, con cosa comprare per farla</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 non c&apos;è più.</translation>
    </message>
    <message>
        <source>No file manager is available to show the folder. The recipe is in %1.</source>
        <translation>Nessun file manager disponibile per mostrare la cartella. La ricetta si trova in %1.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Attenzione...</translation>
    </message>
    <message>
        <source>Search: words of a name, flavour or note, 3mg, lemon 10%</source>
        <translation>Cerca: parole di nome, aroma o nota, 3mg, limone 10%</translation>
    </message>
    <message>
        <source>Search recipes</source>
        <translation>Cerca ricette</translation>
    </message>
    <message>
        <source>Folders...</source>
        <translation>Cartelle...</translation>
    </message>
    <message>
        <source>Stash...</source>
        <translation>Scorta...</translation>
    </message>
    <message>
        <source>The bottles you own and the batches you mixed (Ctrl+T)</source>
        <translation>I flaconi che possiedi e i lotti che hai miscelato (Ctrl+T)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Reading recipes… %1 of %2</source>
        <translation>Lettura ricette… %1 di %2</translation>
    </message>
    <message>
        <source>Reading recipes…</source>
        <translation>Lettura ricette…</translation>
    </message>
    <message>
        <source>%1 — cannot read %2</source>
        <translation>%1 — impossibile leggere %2</translation>
    </message>
    <message>
        <source>Move %1 to the trash?</source>
        <translation>Spostare %1 nel cestino?</translation>
    </message>
    <message>
        <source>Unable to move %1 to the trash.</source>
        <translation>Impossibile spostare %1 nel cestino.</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Copia ricetta</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Copia percorso</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Move to trash...</source>
        <translation>Sposta nel cestino...</translation>
    </message>
    <message numerus="yes">
        <source>%n recipe(s)</source>
        <translation>
            <numerusform>%n ricetta</numerusform>
            <numerusform>%n ricette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n recipe(s)</source>
        <translation>
            <numerusform>%1 di %n ricetta</numerusform>
            <numerusform>%1 di %n ricette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — some folders read every %n second(s)</source>
        <translation>
            <numerusform>%1 — alcune cartelle lette ogni %n secondo</numerusform>
            <numerusform>%1 — alcune cartelle lette ogni %n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::ReportRenderer</name>
    <message>
        <source>The PDF could not be made</source>
        <translation>Impossibile creare il PDF</translation>
    </message>
</context>
<context>
    <name>kovaq::Reports</name>
    <message>
        <source>Calculated with Ko-Vaq from %1</source>
        <translation>Calcolato con Ko-Vaq da %1</translation>
    </message>
    <message>
        <source>Mix Name</source>
        <translation>Nome miscela</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Nic Base Strength</source>
        <translation>Base nic. (mg/ml)</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Nicotina</translation>
    </message>
    <message>
        <source>Mix PG-VG Ratio (%)</source>
        <translation>Rapporto PG-VG (%)</translation>
    </message>
    <message>
        <source>Mix Volume</source>
        <translation>Volume miscela</translation>
    </message>
    <message>
        <source>TOTAL COST</source>
        <translation>COSTO TOTALE</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Dettagli ingredienti</translation>
    </message>
    <message>
        <source>Mixing Volumes</source>
        <translation>Volumi miscela</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Qty(ml)</source>
        <translation>Qtà(ml)</translation>
    </message>
    <message>
        <source>Vol(ml)</source>
        <translation>Vol(ml)</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <translation>Glicole prop. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <translation>Glicerina veg. (VG)</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Vodka/Acqua</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a bottle&apos;s price and its size in ml: &quot;2.50 per 10&quot;.</extracomment>
        <translation>per</translation>
    </message>
    <message>
        <source>Mixing Specification</source>
        <translation>Specifiche miscela</translation>
    </message>
    <message>
        <source>Costs For This Mix</source>
        <translation>Costi di questa miscela</translation>
    </message>
    <message>
        <source>Costs</source>
        <translation>Costi</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>Weighed</source>
        <translation>Pesato</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>grammi</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>in bilancia</translation>
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
        <translation>  Volumi miscela  </translation>
    </message>
    <message>
        <source>  Cost For This Mix  </source>
        <translation>  Costo miscela  </translation>
    </message>
    <message>
        <source>Hi Precision</source>
        <translation>Precisione</translation>
    </message>
    <message>
        <source>Ignore Costs</source>
        <translation>Ignora costi</translation>
    </message>
    <message>
        <source>Vol.(ml)</source>
        <translation>Vol.(ml)</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Costo (£/$/€)</translation>
    </message>
    <message>
        <source>%1 volume</source>
        <extracomment>Read out by a screen reader: a row&apos;s caption, then what its value is.</extracomment>
        <translation>Volume %1</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>Costo %1</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>TOTAL cost</source>
        <translation>Costo TOTALE</translation>
    </message>
</context>
<context>
    <name>kovaq::RetainDialog</name>
    <message>
        <source>Retain Some Details?</source>
        <translation>Conservare alcuni dati?</translation>
    </message>
    <message>
        <source>Please Check The Boxes Below If You Would
Like To Retain Either Or Both Of These Panel&apos;s Contents</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Spunta le caselle qui sotto se vuoi
conservare il contenuto di uno o entrambi i pannelli</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Dettagli ingredienti</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Vodka/Acqua</translation>
    </message>
    <message>
        <source>NicBase  %1</source>
        <extracomment>The nicotine base&apos;s row once the base has a name (%1).</extracomment>
        <translation>BaseNic  %1</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <extracomment>The PG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Glicole prop. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <extracomment>The VG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Glicerina veg. (VG)</translation>
    </message>
</context>
<context>
    <name>kovaq::ScalesIcon</name>
    <message>
        <source>Mix By Weight (Ctrl+G)</source>
        <translation>Miscela a peso (Ctrl+G)</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Miscela a peso</translation>
    </message>
</context>
<context>
    <name>kovaq::ShareController</name>
    <message>
        <source>Ko-Vaq recipe JSON (*.json)</source>
        <translation>Ricetta JSON di Ko-Vaq (*.json)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Impossibile aprire %1.
%2</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 non può essere importato.
%2</translation>
    </message>
</context>
<context>
    <name>kovaq::ShoppingWindow</name>
    <message>
        <source>Shopping List</source>
        <translation>Lista della spesa</translation>
    </message>
    <message>
        <source>Recipes to make:</source>
        <translation>Ricette da fare:</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Ricetta</translation>
    </message>
    <message>
        <source>Make (ml)</source>
        <translation>Fare (ml)</translation>
    </message>
    <message>
        <source>Recipes to make</source>
        <translation>Ricette da fare</translation>
    </message>
    <message>
        <source>What to buy:</source>
        <translation>Cosa comprare:</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>Short (ml)</source>
        <translation>Manca (ml)</translation>
    </message>
    <message>
        <source>Needed (ml)</source>
        <translation>Servono (ml)</translation>
    </message>
    <message>
        <source>On hand (ml)</source>
        <translation>Disp. (ml)</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flaconi</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>What to buy</source>
        <translation>Cosa comprare</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Takes the chosen recipe off the list</source>
        <translation>Toglie la ricetta scelta dall&apos;elenco</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copies the list as text</source>
        <translation>Copia l&apos;elenco come testo</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Salva CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Quanto farne</translation>
    </message>
    <message>
        <source>%1 × %2 ml</source>
        <translation>%1 × %2 ml</translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Non manca nulla: la scorta contiene tutto.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Totale: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 non si può miscelare così com&apos;è: esclusa.</translation>
    </message>
</context>
<context>
    <name>kovaq::Shots</name>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution)</source>
        <translation>Troppo poco da pesare bene: prediluisci 1:%1 in PG (%2 g della diluizione)</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix</source>
        <translation>Troppo poco da pesare bene: prediluisci 1:%1 in PG (%2 g della diluizione) e togli %3 ml di PG dalla miscela</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in VG (%2 g of the dilution) and leave %3 ml of VG out of the mix, as the mix&apos;s %4 ml of PG cannot take it</source>
        <translation>Troppo poco da pesare bene: prediluisci 1:%1 in VG (%2 g della diluizione) e togli %3 ml di VG dalla miscela, perché i %4 ml di PG della miscela non bastano</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix, the most the mix&apos;s PG can take</source>
        <translation>Troppo poco da pesare bene: prediluisci 1:%1 in PG (%2 g della diluizione) e togli %3 ml di PG dalla miscela, il massimo che il PG della miscela consente</translation>
    </message>
    <message>
        <source>Too little to weigh well, and the mix&apos;s PG and VG cannot take a dilution of it: make a bigger batch or weigh it on a finer scale</source>
        <translation>Troppo poco da pesare bene, e il PG e il VG della miscela non bastano per diluirlo: fai un lotto più grande o pesalo con una bilancia più precisa</translation>
    </message>
    <message>
        <source>Type the shortfill liquid&apos;s volume</source>
        <translation>Scrivi il volume del liquido shortfill</translation>
    </message>
    <message>
        <source>Type the size of one shot</source>
        <translation>Scrivi la misura di uno shot</translation>
    </message>
    <message>
        <source>%1 mg shots cannot make %2 mg</source>
        <translation>Shot da %1 mg non possono fare %2 mg</translation>
    </message>
    <message>
        <source>No room: the bottle holds %1 ml, the liquid %2 ml</source>
        <translation>Non c&apos;è spazio: il flacone contiene %1 ml, il liquido %2 ml</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g)</source>
        <translation>Liquido shot per %1 mg: %2 ml (%3 g)</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g), more than the %4 ml of room</source>
        <translation>Liquido shot per %1 mg: %2 ml (%3 g), più dei %4 ml di spazio</translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml</source>
        <extracomment>%n whole shots give %1 mg/ml in %2 ml.</extracomment>
        <translation>
            <numerusform>%n shot: %1 mg in %2 ml</numerusform>
            <numerusform>%n shot: %1 mg in %2 ml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</source>
        <translation>
            <numerusform>%n shot: %1 mg in %2 ml, trabocca dal flacone da %3 ml</numerusform>
            <numerusform>%n shot: %1 mg in %2 ml, traboccano dal flacone da %3 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Then: %1 ml at %2</source>
        <extracomment>%2 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Poi: %1 ml a %2</translation>
    </message>
    <message>
        <source>Type the batch&apos;s volume</source>
        <translation>Scrivi il volume del lotto</translation>
    </message>
    <message>
        <source>Already at %1 mg: add nothing</source>
        <translation>Già a %1 mg: non aggiungere nulla</translation>
    </message>
    <message>
        <source>Adding liquid cannot take %1 mg to %2 mg</source>
        <translation>Aggiungere liquido non può portare %1 mg a %2 mg</translation>
    </message>
    <message>
        <source>Type the nicotine base&apos;s strength to make the batch stronger</source>
        <translation>Scrivi la nicotina della base nicotinica per rinforzare il lotto</translation>
    </message>
    <message>
        <source>A %1 mg base cannot make %2 mg</source>
        <translation>Una base da %1 mg non può fare %2 mg</translation>
    </message>
    <message>
        <source>Add %1 ml of 0 mg liquid at %2 (%3 g)</source>
        <translation>Aggiungi %1 ml di liquido a 0 mg a %2 (%3 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of the %2 mg base at %3 (%4 g)</source>
        <translation>Aggiungi %1 ml della base da %2 mg a %3 (%4 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml of %2 mg at %3</source>
        <translation>Poi: %1 ml da %2 mg a %3</translation>
    </message>
    <message>
        <source>Already at %1: add nothing</source>
        <extracomment>%1 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Già a %1: non aggiungere nulla</translation>
    </message>
    <message>
        <source>Adding PG cannot make a batch with VG in it all PG</source>
        <translation>Aggiungere PG non può rendere tutto PG un lotto che contiene VG</translation>
    </message>
    <message>
        <source>Adding VG cannot make a batch with PG in it all VG</source>
        <translation>Aggiungere VG non può rendere tutto VG un lotto che contiene PG</translation>
    </message>
    <message>
        <source>Add %1 ml of PG (%2 g)</source>
        <translation>Aggiungi %1 ml di PG (%2 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of VG (%2 g)</source>
        <translation>Aggiungi %1 ml di VG (%2 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml at %2, %3 mg</source>
        <translation>Poi: %1 ml a %2, %3 mg</translation>
    </message>
</context>
<context>
    <name>kovaq::ShotsWindow</name>
    <message>
        <source>Shots and Fixes</source>
        <translation>Shot e correzioni</translation>
    </message>
    <message>
        <source>Shortfill &amp;liquid</source>
        <extracomment>A shortfill: a bottle of flavoured liquid without nicotine, part filled so that shots (small bottles of strong nicotine) can be added to it. &amp; marks the access key.</extracomment>
        <translation>&amp;Liquido shortfill</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>&amp;Bottle size</source>
        <translation>Misura fla&amp;cone</translation>
    </message>
    <message>
        <source>Liquid&apos;s &amp;PG-VG</source>
        <translation>&amp;PG-VG del liquido</translation>
    </message>
    <message>
        <source>&amp;Shot strength</source>
        <extracomment>A shot: a small bottle (10 ml) of strong nicotine added to a shortfill.</extracomment>
        <translation>Nicotina &amp;shot</translation>
    </message>
    <message>
        <source>mg/ml</source>
        <translation>mg/ml</translation>
    </message>
    <message>
        <source>Shot si&amp;ze</source>
        <translation>Misura s&amp;hot</translation>
    </message>
    <message>
        <source>Shot&apos;s P&amp;G-VG</source>
        <translation>P&amp;G-VG shot</translation>
    </message>
    <message>
        <source>&amp;Target strength</source>
        <translation>Nicotina &amp;finale</translation>
    </message>
    <message>
        <source>Shortfill + Shots</source>
        <translation>Shortfill + shot</translation>
    </message>
    <message>
        <source>&amp;Batch</source>
        <translation>L&amp;otto</translation>
    </message>
    <message>
        <source>Its &amp;strength</source>
        <translation>La sua &amp;nicotina</translation>
    </message>
    <message>
        <source>Its &amp;PG-VG</source>
        <translation>Il suo &amp;PG-VG</translation>
    </message>
    <message>
        <source>0 mg liquid&apos;s P&amp;G-VG (to weaken)</source>
        <translation>P&amp;G-VG liquido 0 mg (per ridurre)</translation>
    </message>
    <message>
        <source>Nicotine b&amp;ase (to strengthen)</source>
        <translation>B&amp;ase nic. (per aumentare)</translation>
    </message>
    <message>
        <source>Base&apos;s PG-&amp;VG</source>
        <translation>PG-&amp;VG base</translation>
    </message>
    <message>
        <source>Change Strength</source>
        <translation>Cambia nicotina</translation>
    </message>
    <message>
        <source>&amp;Target PG-VG</source>
        <translation>PG-VG &amp;finale</translation>
    </message>
    <message>
        <source>Its &amp;strength (if known)</source>
        <translation>La sua &amp;nicotina (se nota)</translation>
    </message>
    <message>
        <source>Change PG/VG</source>
        <translation>Cambia PG/VG</translation>
    </message>
    <message>
        <source>Base From &amp;Mix</source>
        <translation>Base da &amp;miscela</translation>
    </message>
    <message>
        <source>The nicotine base of the mix in the main window</source>
        <translation>La base nicotinica della miscela nella finestra principale</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out by a screen reader: a field&apos;s caption, then its unit, as in &quot;Bottle size, ml&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From a batc&amp;h</source>
        <translation>Da un lo&amp;tto</translation>
    </message>
    <message>
        <source>From a batch</source>
        <translation>Da un lotto</translation>
    </message>
    <message>
        <source>(none: the figures typed)</source>
        <translation>(nessuno: le cifre scritte)</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A batch in the list: the day it was mixed, two blanks, its name.</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>For the batch %1, mixed %2</source>
        <translation>Per il lotto %1, miscelato il %2</translation>
    </message>
    <message>
        <source>Type every figure to see what to add.</source>
        <translation>Scrivi ogni cifra per vedere cosa aggiungere.</translation>
    </message>
</context>
<context>
    <name>kovaq::SpecPanel</name>
    <message>
        <source>  Mixing Specification  </source>
        <translation>  Specifiche miscela  </translation>
    </message>
    <message>
        <source>PG–VG (%)</source>
        <translation>PG–VG (%)</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Volume da fare</translation>
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
        <translation>Vodka/Acqua</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCommand</name>
    <message>
        <source>Bottle</source>
        <translation>Flacone</translation>
    </message>
    <message>
        <source>Add Bottle</source>
        <translation>Aggiungi flacone</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Mix It</source>
        <translation>Miscelazione</translation>
    </message>
    <message>
        <source>Undo Batch %1</source>
        <translation>Annulla lotto %1</translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <translation>Importa flaconi</translation>
    </message>
</context>
<context>
    <name>kovaq::StashController</name>
    <message>
        <source>The stash&apos;s base is %1 mg; this mix is worked out for %2 mg.</source>
        <translation>La base della scorta è da %1 mg; questa miscela è calcolata per %2 mg.</translation>
    </message>
    <message>
        <source>Start a new, empty stash? The damaged one is kept as %1, unchanged.</source>
        <translation>Iniziare una nuova scorta vuota? Quella danneggiata viene tenuta come %1, senza modifiche.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Unable to read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB: nothing was imported.</source>
        <translation>%1 supera i %2 MiB: non è stato importato nulla.</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Scorta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 non c&apos;è più.</translation>
    </message>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>La scorta non può essere modificata.</translation>
    </message>
    <message>
        <source>This mix cannot be made: %1.
No batch was recorded.</source>
        <translation>Questa miscela non si può fare: %1.
Nessun lotto è stato registrato.</translation>
    </message>
    <message>
        <source>The mix in the window has not been saved.
Record a batch of it anyway? Its recipe is kept with the batch.</source>
        <translation>La miscela nella finestra non è stata salvata.
Registrarne comunque un lotto? La sua ricetta viene conservata con il lotto.</translation>
    </message>
    <message>
        <source>The stash does not hold all this mix needs:
%1

Record the batch anyway? What is missing is noted with it.</source>
        <translation>La scorta non contiene tutto ciò che serve a questa miscela:
%1

Registrare comunque il lotto? Ciò che manca viene annotato con esso.</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Non c&apos;è nessun lotto da annullare.</translation>
    </message>
    <message>
        <source>Undo the last batch, %1, and give back to the stash what it took?</source>
        <translation>Annullare l&apos;ultimo lotto, %1, e restituire alla scorta ciò che ha preso?</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCsv</name>
    <message>
        <source>The file holds no header row naming the columns.</source>
        <translation>Il file non ha una riga di intestazione con i nomi delle colonne.</translation>
    </message>
    <message>
        <source>The header names the column %1 twice.</source>
        <translation>L&apos;intestazione nomina due volte la colonna %1.</translation>
    </message>
    <message>
        <source>The header row names no kind column; it needs kind, and may name name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity and notes.</source>
        <translation>La riga di intestazione non nomina la colonna kind; serve kind, e può nominare name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity e notes.</translation>
    </message>
    <message>
        <source>A quoted cell is not closed before the end of the file.</source>
        <translation>Una cella tra virgolette non è chiusa prima della fine del file.</translation>
    </message>
    <message>
        <source>The line has %1 cells; the header names %2.</source>
        <translation>La riga ha %1 celle; l&apos;intestazione ne nomina %2.</translation>
    </message>
    <message>
        <source>The kind is missing.</source>
        <translation>Manca il tipo (kind).</translation>
    </message>
    <message>
        <source>The kind &quot;%1&quot; is none of base, pg, vg, flavour and vodka/water.</source>
        <translation>Il tipo &quot;%1&quot; non è nessuno tra base, pg, vg, flavour e vodka/water.</translation>
    </message>
    <message>
        <source>A flavour needs a name.</source>
        <translation>Un aroma deve avere un nome.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number.</source>
        <translation>Il valore di %1 &quot;%2&quot; non è un numero.</translation>
    </message>
    <message>
        <source>The %1 cannot be below 0.</source>
        <translation>Il valore di %1 non può essere sotto 0.</translation>
    </message>
    <message>
        <source>The %1 cannot be more than %2.</source>
        <translation>Il valore di %1 non può superare %2.</translation>
    </message>
    <message>
        <source>The pgvg &quot;%1&quot; is none of PG, 90-10 to 10-90, VG and none.</source>
        <translation>Il pgvg &quot;%1&quot; non è nessuno tra PG, da 90-10 a 10-90, VG e none.</translation>
    </message>
    <message>
        <source>The gravity &quot;%1&quot; is not a number from 0.5 to 2.</source>
        <translation>La densità &quot;%1&quot; non è un numero da 0.5 a 2.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashImportDialog</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <comment>a field, its value before and after</comment>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>maker</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml disponibili</translation>
    </message>
    <message>
        <source>bottle ml</source>
        <translation>ml flacone</translation>
    </message>
    <message>
        <source>price</source>
        <translation>prezzo</translation>
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
        <translation>note</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>What the import does</source>
        <translation>Cosa fa l&apos;importazione</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>%1 ml on hand</source>
        <translation>%1 ml disponibili</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rifiutata</translation>
    </message>
    <message>
        <source>%1 — to add: %2, to update: %3, as they are: %4, refused: %5.</source>
        <translation>%1 — da aggiungere: %2, da aggiornare: %3, invariati: %4, rifiutati: %5.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashMatch</name>
    <message>
        <source>A flavour without a name</source>
        <translation>Un aroma senza nome</translation>
    </message>
    <message>
        <source>Nicotine base %1 mg</source>
        <translation>Base nicotinica %1 mg</translation>
    </message>
    <message>
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand)</source>
        <translation>%1: mancano %2 ml (servono %3 ml, %4 ml disponibili)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml at %6</source>
        <translation>
            <numerusform>%1: mancano %2 ml (servono %3 ml, %4 ml disponibili), %n flacone da %5 ml a %6</numerusform>
            <numerusform>%1: mancano %2 ml (servono %3 ml, %4 ml disponibili), %n flaconi da %5 ml a %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml</source>
        <translation>
            <numerusform>%1: mancano %2 ml (servono %3 ml, %4 ml disponibili), %n flacone da %5 ml</numerusform>
            <numerusform>%1: mancano %2 ml (servono %3 ml, %4 ml disponibili), %n flaconi da %5 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Non manca nulla: la scorta contiene tutto.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Totale: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 non si può miscelare così com&apos;è: esclusa.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashPlan</name>
    <message>
        <source>%1: needs %2 ml, none in the stash</source>
        <translation>%1: servono %2 ml, nessuno nella scorta</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml left</source>
        <translation>%1: servono %2 ml, %3 ml disponibili, ne restano %4 ml</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml short</source>
        <translation>%1: servono %2 ml, %3 ml disponibili, mancano %4 ml</translation>
    </message>
</context>
<context>
    <name>kovaq::StashStore</name>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>La scorta non può essere modificata.</translation>
    </message>
    <message>
        <source>There is no stash yet at %1.</source>
        <translation>Non c&apos;è ancora nessuna scorta in %1.</translation>
    </message>
    <message>
        <source>Unable to make the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 non è un file di database.</translation>
    </message>
    <message>
        <source>The disk holding the stash is full: %1 (%2). The stash is shown read only.</source>
        <translation>Il disco che contiene la scorta è pieno: %1 (%2). La scorta è mostrata in sola lettura.</translation>
    </message>
    <message>
        <source>The stash&apos;s folder cannot be written: %1 (%2). The stash is shown read only.</source>
        <translation>Non si può scrivere nella cartella della scorta: %1 (%2). La scorta è mostrata in sola lettura.</translation>
    </message>
    <message>
        <source>Another Ko-Vaq is using the stash: it is open read-only.</source>
        <translation>Un altro Ko-Vaq sta usando la scorta: è aperta in sola lettura.</translation>
    </message>
    <message>
        <source>Unable to read the stash %1: %2.</source>
        <translation>Impossibile leggere la scorta %1: %2.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged.</source>
        <translation>Il database della scorta %1 è danneggiato.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged. It is not changed until you say so.</source>
        <translation>Il database della scorta %1 è danneggiato. Non viene modificato finché non lo dici tu.</translation>
    </message>
    <message>
        <source>The stash database is damaged; a copy is kept as %1. It is not changed until you say so.</source>
        <translation>Il database della scorta è danneggiato; una copia è tenuta come %1. Non viene modificato finché non lo dici tu.</translation>
    </message>
    <message>
        <source>The stash was written by a newer Ko-Vaq: it is open read-only.</source>
        <translation>La scorta è stata scritta da un Ko-Vaq più recente: è aperta in sola lettura.</translation>
    </message>
    <message>
        <source>Unable to open the stash %1.</source>
        <translation>Impossibile aprire la scorta %1.</translation>
    </message>
    <message>
        <source>The stash is not damaged.</source>
        <translation>La scorta non è danneggiata.</translation>
    </message>
    <message>
        <source>Unable to keep a copy of the damaged stash in %1; nothing was changed.</source>
        <translation>Impossibile tenere una copia della scorta danneggiata in %1; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Unable to put the damaged stash aside: %1.</source>
        <translation>Impossibile mettere da parte la scorta danneggiata: %1.</translation>
    </message>
    <message>
        <source>Unable to add the bottle</source>
        <translation>Impossibile aggiungere il flacone</translation>
    </message>
    <message>
        <source>Unable to change the bottle</source>
        <translation>Impossibile modificare il flacone</translation>
    </message>
    <message>
        <source>Unable to remove the bottle</source>
        <translation>Impossibile rimuovere il flacone</translation>
    </message>
    <message>
        <source>Unable to bring the bottle back</source>
        <translation>Impossibile ripristinare il flacone</translation>
    </message>
    <message>
        <source>The bottle is no longer in the stash.</source>
        <translation>Il flacone non è più nella scorta.</translation>
    </message>
    <message>
        <source>Unable to import the bottles</source>
        <translation>Impossibile importare i flaconi</translation>
    </message>
    <message>
        <source>Unable to record the batch</source>
        <translation>Impossibile registrare il lotto</translation>
    </message>
    <message>
        <source>Unable to undo the batch</source>
        <translation>Impossibile annullare il lotto</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Non c&apos;è nessun lotto da annullare.</translation>
    </message>
    <message>
        <source>The batch is no longer in the log.</source>
        <translation>Il lotto non è più nel registro.</translation>
    </message>
    <message>
        <source>A flavour&apos;s notes need the flavour&apos;s name.</source>
        <translation>Le note di un aroma richiedono il nome dell&apos;aroma.</translation>
    </message>
    <message>
        <source>A rating is from 1 to 5.</source>
        <translation>Il voto va da 1 a 5.</translation>
    </message>
    <message>
        <source>A preferred share is more than 0 and at most 100 %.</source>
        <translation>Una percentuale preferita è più di 0 e al massimo 100 %.</translation>
    </message>
    <message>
        <source>Unable to keep the flavour&apos;s notes</source>
        <translation>Impossibile salvare le note dell&apos;aroma</translation>
    </message>
</context>
<context>
    <name>kovaq::StashWindow</name>
    <message>
        <source>Start a New Stash</source>
        <translation>Nuova scorta</translation>
    </message>
    <message>
        <source>Keep It Read Only</source>
        <translation>Tieni in sola lettura</translation>
    </message>
    <message>
        <source>Write Again</source>
        <translation>Riscrivi</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Aromi</translation>
    </message>
    <message>
        <source>Your stash is empty: press Add, choose the kind and type the bottle&apos;s name.</source>
        <translation>La tua scorta è vuota: premi Aggiungi, scegli il tipo e scrivi il nome del flacone.</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importa CSV...</translation>
    </message>
    <message>
        <source>Add or update bottles from a spreadsheet&apos;s CSV file</source>
        <translation>Aggiungi o aggiorna flaconi dal file CSV di un foglio di calcolo</translation>
    </message>
    <message>
        <source>Search the flavours</source>
        <translation>Cerca negli aromi</translation>
    </message>
    <message>
        <source>The flavours of the recipes in your recipe folders, with a share, are listed here once the folders have been read.</source>
        <translation>Gli aromi delle ricette nelle tue cartelle, con una percentuale, sono elencati qui una volta lette le cartelle.</translation>
    </message>
    <message>
        <source>The new bottle&apos;s kind</source>
        <translation>Il tipo del nuovo flacone</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Scorta</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>Lotti</translation>
    </message>
    <message>
        <source>Search the stash</source>
        <translation>Cerca nella scorta</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flaconi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Miscela...</translation>
    </message>
    <message>
        <source>Record a batch of the mix in the window (Ctrl+B)</source>
        <translation>Registra un lotto della miscela nella finestra (Ctrl+B)</translation>
    </message>
    <message>
        <source>Search the batches</source>
        <translation>Cerca nei lotti</translation>
    </message>
    <message>
        <source>Open Recipe</source>
        <translation>Apri ricetta</translation>
    </message>
    <message>
        <source>The recipe as it was mixed, as a new mix</source>
        <translation>La ricetta come è stata miscelata, come nuova miscela</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Print Label...</source>
        <translation>Etichetta...</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annulla lotto</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
    <message>
        <source>The mix in the window needs nothing yet.</source>
        <translation>La miscela nella finestra non richiede ancora nulla.</translation>
    </message>
    <message>
        <source>For the mix in the window:</source>
        <translation>Per la miscela nella finestra:</translation>
    </message>
</context>
<context>
    <name>kovaq::StatusPanel</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Cost status</source>
        <translation>Stato costo</translation>
    </message>
    <message>
        <source>Volume status</source>
        <translation>Stato volume</translation>
    </message>
</context>
<context>
    <name>kovaq::WeightsWindow</name>
    <message>
        <source>Mix By Weight</source>
        <translation>Miscela a peso</translation>
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
        <translation>grammi</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>in bilancia</translation>
    </message>
    <message>
        <source>drops</source>
        <translation>gocce</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>Pure nicotine</source>
        <translation>Nicotina pura</translation>
    </message>
    <message>
        <source>Show &amp;drops at</source>
        <translation>Mostra &amp;gocce a</translation>
    </message>
    <message>
        <source> drops per ml</source>
        <extracomment>After a number of drops, as in &quot;20 drops per ml&quot;.</extracomment>
        <translation> gocce per ml</translation>
    </message>
    <message>
        <source>Drops per ml</source>
        <translation>Gocce per ml</translation>
    </message>
    <message>
        <source>20 for most droppers; 25 or 33 for finer ones</source>
        <translation>20 per la maggior parte dei contagocce; 25 o 33 per quelli più fini</translation>
    </message>
    <message>
        <source>&amp;Scale reads to</source>
        <translation>&amp;Bilancia precisa a</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Every gravity back to its default</source>
        <translation>Ogni densità torna al valore predefinito</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 grams: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its grams.</extracomment>
        <translation>Grammi %1: %2</translation>
    </message>
    <message>
        <source>%1 scale reads: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then what the scale reads.</extracomment>
        <translation>%1 in bilancia: %2</translation>
    </message>
    <message>
        <source>%1 gravity, g/ml</source>
        <extracomment>Read out by a screen reader: what the gravity is of, as in &quot;PG gravity, g/ml&quot;.</extracomment>
        <translation>Densità %1, g/ml</translation>
    </message>
    <message>
        <source>TOTAL grams: %1</source>
        <translation>Grammi TOTALI: %1</translation>
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
        <translation>Benvenuto in Ko-Vaq</translation>
    </message>
    <message>
        <source>Ko-Vaq Has Detected That You Are A New User</source>
        <translation>Ko-Vaq ha rilevato che sei un nuovo utente</translation>
    </message>
    <message>
        <source>If you need help getting started, look in the Help file
under &apos;How To... Getting Started&apos;</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Se hai bisogno di aiuto per iniziare, guarda nella guida
alla voce &apos;Come fare... Per iniziare&apos;</translation>
    </message>
    <message>
        <source>To view the Help file at any time, click on the %1 icon.
located at the top RH corner of the screen, or press F1 key.</source>
        <extracomment>Shown on two lines, broken where the line break stands; %1 is the help icon.</extracomment>
        <translation>Per vedere la guida in qualsiasi momento, clicca sull&apos;icona %1
in alto a destra nello schermo, o premi il tasto F1.</translation>
    </message>
    <message>
        <source>This message will be shown at each startup until you
have loaded or saved your first recipe</source>
        <extracomment>Shown on two lines, broken where the line break stands; the second is underlined.</extracomment>
        <translation>Questo messaggio verrà mostrato a ogni avvio finché non
avrai caricato o salvato la tua prima ricetta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
