<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ControlNames</name>
    <message>
        <source>Nic Base Strength</source>
        <translation>Nik.-Base-Stärke</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Nik.-Stärke</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Mischmenge</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>%1 Kosten</translation>
    </message>
    <message>
        <source>%1 quantity</source>
        <translation>%1 Menge</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 Name</translation>
    </message>
    <message>
        <source>%1 percentage</source>
        <translation>%1 Anteil</translation>
    </message>
    <message>
        <source>Nic Base PG-VG</source>
        <translation>Nik.-Base PG-VG</translation>
    </message>
    <message>
        <source>Mix PG-VG</source>
        <translation>Mischung PG-VG</translation>
    </message>
    <message>
        <source>F%1 PG-VG</source>
        <extracomment>F1 to F8 name the flavours&apos; rows.</extracomment>
        <translation>F%1 PG-VG</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>Recipe folder</source>
        <translation>Rezeptordner</translation>
    </message>
</context>
<context>
    <name>kovaq::AppController</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Die Einstellungen können nicht aus %1 gelesen werden.
Ko-Vaq läuft weiter, merkt sich aber weder Ordner noch letzte Datei oder Anordnung.</translation>
    </message>
    <message>
        <source>Unable to write the settings to %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Die Einstellungen können nicht in %1 geschrieben werden.
Ko-Vaq läuft weiter, merkt sich aber weder Ordner noch letzte Datei oder Anordnung.</translation>
    </message>
    <message>
        <source>No program to show the help is available.
The help is in %1</source>
        <translation>Es ist kein Programm zum Anzeigen der Hilfe verfügbar.
Die Hilfe liegt in %1</translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation>Hilfedatei fehlt</translation>
    </message>
    <message>
        <source>  There is Information Outstanding 
So Your Mix Name May Not Be Correct
        Do You Still Want To Print?</source>
        <translation>  Es fehlen noch Angaben, 
daher stimmt der Name Ihrer Mischung evtl. nicht
        Trotzdem drucken?</translation>
    </message>
    <message>
        <source>Your Monitor Screen Is Too Small For This Application</source>
        <translation>Ihr Bildschirm ist zu klein für dieses Programm</translation>
    </message>
    <message>
        <source>Sorry, But...</source>
        <translation>Leider...</translation>
    </message>
    <message>
        <source>So You Will Only Be Able To Run In Landscape Layout Mode,
         And The &apos;Layout&apos; Button Will Be Disabled</source>
        <translation>Daher läuft das Programm nur im Querformat,
         und die Schaltfläche &apos;Layout&apos; wird deaktiviert</translation>
    </message>
    <message>
        <source>Your Monitor Screen Has Limited Height</source>
        <translation>Ihr Bildschirm ist nicht sehr hoch</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>%1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>Your Current Mix Has Not Been Saved 
         Do You Want To Save It?</source>
        <translation>Ihre aktuelle Mischung ist nicht gespeichert 
         Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>      Your Current Mix Has Not Been Saved 
               Do You Want To Save It?</source>
        <translation>      Ihre aktuelle Mischung ist nicht gespeichert 
               Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>There is Information Outstanding 
    Do You Still Want To Save?</source>
        <translation>Es fehlen noch Angaben 
    Trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>In %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB; only its first %2 MiB were read.
The recipe shown may not be the whole of it.</source>
        <translation>%1 ist größer als %2 MiB; nur die ersten %2 MiB wurden gelesen.
Das angezeigte Rezept ist vielleicht nicht vollständig.</translation>
    </message>
    <message>
        <source>Ko-Vaq files (*.mix)</source>
        <translation>Ko-Vaq-Dateien (*.mix)</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Warnung...</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>Ko-Vaq will follow the desktop&apos;s language from its next start.</source>
        <translation>Ko-Vaq folgt ab dem nächsten Start der Sprache des Desktops.</translation>
    </message>
    <message>
        <source>Ko-Vaq will be in %1 from its next start.</source>
        <translation>Ab dem nächsten Start ist Ko-Vaq in der Sprache %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>kovaq::Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>kovaq::BatchModel</name>
    <message>
        <source>ready in %1 days</source>
        <translation>fertig in %1 Tagen</translation>
    </message>
    <message>
        <source>ready tomorrow</source>
        <translation>morgen fertig</translation>
    </message>
    <message>
        <source>ready today</source>
        <translation>heute fertig</translation>
    </message>
    <message>
        <source>ready since %1</source>
        <translation>fertig seit %1</translation>
    </message>
    <message>
        <source>Short: %1</source>
        <translation>Fehlt: %1</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>kovaq::BookIcon</name>
    <message>
        <source>Recipes (Ctrl+R)</source>
        <translation>Rezepte (Strg+R)</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Rezepte</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleLabels</name>
    <message>
        <source>The printer&apos;s own</source>
        <translation>Druckervorgabe</translation>
    </message>
    <message>
        <source>Mixed %1 · Ready %2</source>
        <extracomment>The day a batch was mixed (%1) and the day it has steeped (%2).</extracomment>
        <translation>Gemischt %1 · Fertig %2</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <extracomment>The maker of the nicotine base.</extracomment>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>Contains nicotine</source>
        <translation>Enthält Nikotin</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleModel</name>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml vorrätig</translation>
    </message>
    <message>
        <source>Bottle ml</source>
        <translation>Fl. ml</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>Nicotine mg/ml</source>
        <translation>Nikotin mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>kovaq::Calc</name>
    <message>
        <source>kovaq-calc: cannot write %1: %2</source>
        <translation>kovaq-calc: %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Mix: %1</source>
        <translation>Mischung: %1</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Zutat</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>Waage zeigt</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Volume (ml)</source>
        <translation>Volumen (ml)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Status: %1%2</source>
        <extracomment>The status line: its cost part (%1), then its volume part (%2).</extracomment>
        <translation>Status: %1%2</translation>
    </message>
    <message>
        <source>The mix is too strong for this base.</source>
        <translation>Die Mischung ist zu stark für diese Base.</translation>
    </message>
    <message>
        <source>Missing:%1</source>
        <extracomment>%1 is the recipe file&apos;s keys of the fields, each after a space.</extracomment>
        <translation>Fehlt:%1</translation>
    </message>
    <message>
        <source>(! marks a text shown in red)</source>
        <translation>(! kennzeichnet einen rot angezeigten Text)</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot write the output: %1</source>
        <translation>kovaq-calc: die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read %1: %2</source>
        <translation>kovaq-calc: %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>kovaq-calc: warning: %1 is longer than %2 MiB; only its first %2 MiB were read</source>
        <translation>kovaq-calc: Warnung: %1 ist größer als %2 MiB; nur die ersten %2 MiB wurden gelesen</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read the folder %1</source>
        <translation>kovaq-calc: der Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>kovaq-calc: not used: %1</source>
        <extracomment>A line of the text that says nothing of a recipe (%1).</extracomment>
        <translation>kovaq-calc: nicht verwendet: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: there is no recipe in %1: no flavour with its share, and no volume with a strength or a ratio</source>
        <translation>kovaq-calc: in %1 ist kein Rezept: kein Aroma mit seinem Anteil und kein Volumen mit Stärke oder Verhältnis</translation>
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
        <translation>Aufruf: kovaq-calc [--json] FILE.mix
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

Lädt ein Ko-Vaq-Rezept wie „Öffnen...“ im Fenster und berechnet die Mischung.
Ohne --report gibt es Volumen und Kosten jeder Zutat, die Summe, die
Statuszeile und die fehlenden Felder aus.

  --json         JSON statt Text ausgeben
  --weights      die Wiegetabelle ausgeben: Gramm jeder Zutat und was die Waage
                 nach jeder Zugabe zeigt
  --check        in einer Zeile sagen, ob die Mischung machbar ist, und falls
                 nicht, was machbar wäre; Exit-Status 0 wenn ja, 3 wenn nein
  --list         jedes Rezept in den Ordnern und deren Unterordnern auflisten:
                 Name, Stärke, Volumen, PG/VG, Aromen, Kosten, ob machbar, Datei;
                 Exit-Status 1 nur, wenn ein Ordner gar nicht lesbar ist
  --search WORDS mit --list nur die Rezepte, auf die jedes Wort passt: Wörter
                 aus Name, Aroma, Notizen oder Dateiname, &quot;3mg&quot;, &quot;lemon 10%&quot;
  --report KIND  den Bericht summary, details oder weights ausgeben, Zeile für
                 Zeile, Tabs erhalten; oder das Flaschenetikett eines heute
                 gemischten Ansatzes der Mischung
  --label-size S Größe des Etiketts in Millimetern (Standard 50x25)
  --steep DAYS   mit dem Etikett: die Tage, die es reift (Standard 7)
  --to-text      das Rezept so ausgeben, wie „Rezept kopieren“ es kopiert, für
                 einen Forumsbeitrag
  --from-text    ein Rezept aus Text lesen wie „Rezept einfügen...“ (FILE.txt
                 oder - für die Standardeingabe) und als OUT.mix speichern; nicht
                 verwendete Zeilen gehen auf die Standardfehlerausgabe;
                 Exit-Status 3, wenn der Text kein Rezept enthält
  --to-json      das Rezept als JSON ausgeben ({&quot;format&quot;: &quot;ko-vaq-recipe&quot;,
                 &quot;version&quot;: 1, &quot;recipe&quot;: {...}})
  --from-json    ein solches JSON-Rezept als OUT.mix speichern
  --shots        Nikotinshots in ein Shortfill: ML 0-mg-Liquid in einer Flasche
                 (BOTTLE) dieser Größe, Shots zu je SHOT_MG und SHOT_ML, für
                 TARGET mg
  --dilute       ein fertiger Ansatz von ML mit FROM_MG auf TO_MG gebracht:
                 0-mg-Liquid zum Abschwächen oder die Nikotinbase von --base MG
                 zum Verstärken
  --ratio        ein fertiger Ansatz von ML mit PG Prozent PG mit PG oder VG auf
                 TO_PG gebracht
  --scale G      worauf die Waage genau anzeigt: 0.1, 0.01 (Standard) oder
                 0.001 g, für den Hinweis auf zu kleine Mengen zum Wiegen (auch
                 mit --report weights)
  --stash        die Flaschen des Vorrats auflisten: Art, Name, Hersteller, ml
                 vorrätig, Flaschengröße, Preis, PG/VG, Nikotinstärke, Dichte
  --batches      die gemischten Ansätze auflisten, neueste zuerst, mit dem Tag,
                 an dem jeder fertig ist
  --csv          mit --batches die Liste als CSV (RFC 4180, UTF-8, ISO-Daten);
                 mit --stash die Flaschen in den Spalten, die --stash-import liest
  --stash-import FILE.csv
                 die Flaschen einer CSV-Datei zum Vorrat hinzufügen und die mit
                 gleicher Art, gleichem Namen und Hersteller aktualisieren
                 (Spalten in der Kopfzeile benannt, in beliebiger Reihenfolge:
                 kind, name, maker, on_hand_ml, bottle_ml, price, pgvg, strength,
                 gravity, notes); abgelehnte Zeilen gehen mit Nummer und Grund
                 auf die Standardfehlerausgabe, Exit-Status 3; ganz abgelehnt,
                 solange Ko-Vaq den Vorrat offen hat
  --makeable     für jedes Rezept in den Ordnern: ob der Vorrat alles Nötige
                 enthält, wie viel davon machbar ist und was fehlt
  --flavours     für jedes Aroma in den Rezepten der Ordner: wie viele Rezepte es
                 verwenden, sein niedrigster, mittlerer (Median) und höchster
                 Anteil
  --shopping     was die Rezeptdateien brauchen und dem Vorrat fehlt, in ml und
                 in ganzen Flaschen der Größen, die der Vorrat kennt, zum letzten
                 Preis
  --db FILE      die Datenbank des Vorrats (Standard: die von Ko-Vaq,
                 $XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite); nur
                 --stash-import schreibt hinein
  --notes        die Notizen in den Bericht aufnehmen
  --unused       nicht verwendete Zutaten aufnehmen (Bericht details)
  --text-size N  Textgröße des Berichts in Punkt (Standard 12)
  --pdf OUT.pdf  den Bericht als PDF schreiben (A4, Ränder von einem Viertelzoll;
                 ein Etikett auf einer Seite seiner Größe)
  --version      die Version anzeigen
  --help         diesen Text anzeigen

Exit-Status: 0 wenn erledigt, 1 wenn die Datei oder der Vorrat nicht lesbar ist
oder die Ausgabe nicht geschrieben werden kann, 2 bei falscher Befehlszeile, 3 wenn
--check eine nicht machbare Mischung findet oder --stash-import eine Zeile ablehnt.
</translation>
    </message>
    <message>
        <source>one of --shots, --dilute and --ratio at a time</source>
        <translation>nur eine der Optionen --shots, --dilute und --ratio auf einmal</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 is missing</source>
        <translation>Aufruf: kovaq-calc %1: %2 fehlt</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 %3 is not a figure from 0 to %4</source>
        <translation>Aufruf: kovaq-calc %1: %2 %3 ist keine Zahl von 0 bis %4</translation>
    </message>
    <message>
        <source>usage: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 is not a figure from 0 to 1000</source>
        <translation>Aufruf: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 ist keine Zahl von 0 bis 1000</translation>
    </message>
    <message>
        <source>--scale takes 0.1, 0.01 or 0.001</source>
        <translation>--scale nimmt 0.1, 0.01 oder 0.001</translation>
    </message>
    <message>
        <source>--report takes summary, details, weights or label</source>
        <translation>--report nimmt summary, details, weights oder label</translation>
    </message>
    <message>
        <source>--text-size takes 8, 10, 12 or 14</source>
        <translation>--text-size nimmt 8, 10, 12 oder 14</translation>
    </message>
    <message>
        <source>one of --to-text, --to-json, --from-text and --from-json at a time</source>
        <translation>nur eine der Optionen --to-text, --to-json, --from-text und --from-json auf einmal</translation>
    </message>
    <message>
        <source>--label-size takes 50x25, 70x40 or 100x50</source>
        <translation>--label-size nimmt 50x25, 70x40 oder 100x50</translation>
    </message>
    <message>
        <source>--steep takes a number of days from 0 to 365</source>
        <translation>--steep nimmt eine Anzahl Tage von 0 bis 365</translation>
    </message>
    <message>
        <source>unknown option %1
</source>
        <translation>unbekannte Option %1
</translation>
    </message>
    <message>
        <source>only one file at a time</source>
        <translation>nur eine Datei auf einmal</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale (and --base) only</source>
        <translation>--%1 geht nur mit --json und --scale (und --base)</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale only</source>
        <translation>--%1 geht nur mit --json und --scale</translation>
    </message>
    <message>
        <source>--base goes with --dilute</source>
        <translation>--base gehört zu --dilute</translation>
    </message>
    <message>
        <source>--scale goes with --shots, --dilute, --ratio and --report weights</source>
        <translation>--scale gehört zu --shots, --dilute, --ratio und --report weights</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go one at a time</source>
        <translation>--stash-import, --makeable, --flavours und --shopping nur einzeln</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go with --json, --csv and --db only</source>
        <translation>--stash-import, --makeable, --flavours und --shopping gehen nur mit --json, --csv und --db</translation>
    </message>
    <message>
        <source>--stash-import goes with --db only</source>
        <translation>--stash-import geht nur mit --db</translation>
    </message>
    <message>
        <source>--flavours goes with --json only</source>
        <translation>--flavours geht nur mit --json</translation>
    </message>
    <message>
        <source>--makeable goes with --json and --db only</source>
        <translation>--makeable geht nur mit --json und --db</translation>
    </message>
    <message>
        <source>--json and --csv go one at a time</source>
        <translation>--json und --csv nur einzeln</translation>
    </message>
    <message>
        <source>--shopping needs a recipe file</source>
        <translation>--shopping braucht eine Rezeptdatei</translation>
    </message>
    <message>
        <source>--makeable and --flavours need a folder</source>
        <translation>--makeable und --flavours brauchen einen Ordner</translation>
    </message>
    <message>
        <source>--%1 goes alone (or with --db)</source>
        <translation>--%1 steht allein (oder mit --db)</translation>
    </message>
    <message>
        <source>--%1 goes alone</source>
        <translation>--%1 steht allein</translation>
    </message>
    <message>
        <source>--%1 needs the file to read and the recipe file to write</source>
        <translation>--%1 braucht die zu lesende Datei und die zu schreibende Rezeptdatei</translation>
    </message>
    <message>
        <source>--%1 needs a recipe file</source>
        <translation>--%1 braucht eine Rezeptdatei</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches, --to-text or --report label</source>
        <translation>--db gehört zu --stash, --batches, --to-text oder --report label</translation>
    </message>
    <message>
        <source>--stash and --batches go one at a time</source>
        <translation>--stash und --batches nur einzeln</translation>
    </message>
    <message>
        <source>--stash and --batches go with --json, --csv and --db only</source>
        <translation>--stash und --batches gehen nur mit --json, --csv und --db</translation>
    </message>
    <message>
        <source>--csv goes with --stash, --batches or --shopping</source>
        <translation>--csv gehört zu --stash, --batches oder --shopping</translation>
    </message>
    <message>
        <source>--label-size and --steep go with --report label</source>
        <translation>--label-size und --steep gehören zu --report label</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches or --report label</source>
        <translation>--db gehört zu --stash, --batches oder --report label</translation>
    </message>
    <message>
        <source>--list goes with --json and --search only</source>
        <translation>--list geht nur mit --json und --search</translation>
    </message>
    <message>
        <source>--search goes with --list</source>
        <translation>--search gehört zu --list</translation>
    </message>
    <message>
        <source>--pdf, --notes and --unused go with --report</source>
        <translation>--pdf, --notes und --unused gehören zu --report</translation>
    </message>
    <message>
        <source>--json holds the weights already</source>
        <translation>--json enthält die Gewichte bereits</translation>
    </message>
</context>
<context>
    <name>kovaq::CalcStash</name>
    <message>
        <source>kovaq-calc: warning: %1</source>
        <translation>kovaq-calc: Warnung: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>On hand</source>
        <translation>Vorrätig</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>kovaq::Calculation</name>
    <message>
        <source>Cost Ignored, </source>
        <translation>Ohne Kosten, </translation>
    </message>
    <message>
        <source>Cost OK, </source>
        <translation>Kosten OK, </translation>
    </message>
    <message>
        <source>Cost Pending, </source>
        <translation>Kosten offen, </translation>
    </message>
    <message>
        <source>Volumes OK</source>
        <translation>Mengen OK</translation>
    </message>
    <message>
        <source>Vols Pending</source>
        <translation>Mengen offen</translation>
    </message>
    <message>
        <source>Cost Pending,</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Kosten offen,</translation>
    </message>
    <message>
        <source>Qty Pending</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Menge offen</translation>
    </message>
    <message>
        <source>This Mix Cannot Be Achieved</source>
        <translation>Diese Mischung ist nicht machbar</translation>
    </message>
    <message>
        <source>    You could try reducing the Mix Strength
    or changing the PG/VG ratio of your mix.
Also, you could try reducing the percentages
   of your flavours or vodka/water additive</source>
        <translation>    Sie könnten die Nikotinstärke senken
    oder das PG/VG-Verhältnis ändern.
Auch könnten Sie die Anteile Ihrer Aromen
   oder des Wodka/Wasser-Zusatzes senken</translation>
    </message>
</context>
<context>
    <name>kovaq::Feasibility</name>
    <message>
        <source>the mix ratio can be from %1 to %2 PG-VG</source>
        <translation>kann das Mischverhältnis von %1 bis %2 PG-VG reichen</translation>
    </message>
    <message>
        <source>the mix ratio can be %1 PG-VG</source>
        <translation>kann das Mischverhältnis %1 PG-VG sein</translation>
    </message>
    <message>
        <source>no mix ratio works</source>
        <translation>passt kein Mischverhältnis</translation>
    </message>
    <message>
        <source>up to %1 mg</source>
        <translation>sind bis zu %1 mg möglich</translation>
    </message>
    <message>
        <source>up to %1 mg at %2</source>
        <extracomment>%2 is a PG-VG ratio such as 70-30.</extracomment>
        <translation>sind bis zu %1 mg bei %2 möglich</translation>
    </message>
    <message>
        <source>the flavours and vodka/water at %1 % of their shares</source>
        <translation>sind die Aromen und Wodka/Wasser mit %1 % ihrer Anteile möglich</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>Joins one more choice (%2) to the choices before it (%1).</extracomment>
        <translation>%1, oder %2</translation>
    </message>
    <message>
        <source>With these ingredients %1.</source>
        <extracomment>%1 is the choices, joined.</extracomment>
        <translation>Mit diesen Zutaten %1.</translation>
    </message>
    <message>
        <source>can be made</source>
        <translation>machbar</translation>
    </message>
    <message>
        <source>nothing to make: the volume to make is 0</source>
        <translation>nichts zu mischen: die Mischmenge ist 0</translation>
    </message>
    <message>
        <source>too strong for this base</source>
        <translation>zu stark für diese Base</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>nicht machbar</translation>
    </message>
</context>
<context>
    <name>kovaq::FileFlows</name>
    <message>
        <source>Unable to write to %1: %2.</source>
        <translation>In %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Warnung...</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourBook</name>
    <message numerus="yes">
        <source>%1: in %n of your recipes, %2 %, usually %3 %</source>
        <translation>
            <numerusform>%1: in %n Ihrer Rezepte, %2 %, meist %3 %</numerusform>
            <numerusform>%1: in %n Ihrer Rezepte, %2 %, meist %3 %</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourDelegate</name>
    <message>
        <source>none</source>
        <comment>no rating</comment>
        <translation>keine</translation>
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
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Lowest %</source>
        <translation>Min. %</translation>
    </message>
    <message>
        <source>Median %</source>
        <translation>Median %</translation>
    </message>
    <message>
        <source>Highest %</source>
        <translation>Max. %</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml vorrätig</translation>
    </message>
    <message>
        <source>Last mixed</source>
        <translation>Zul. gemischt</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Preferred %</source>
        <translation>Bevorzugt %</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>kovaq::HelpIcon</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>kovaq::IngredientPanel</name>
    <message>
        <source>  Ingredient Details  </source>
        <translation>  Zutatendetails  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Kosten (£/$/€)</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>Short for quantity: the bottle&apos;s size the cost is for.</extracomment>
        <translation>Inh.</translation>
    </message>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base: the liquid of known nicotine strength the mix is thinned from; short, it stands in a narrow column.</extracomment>
        <translation>Nik.-Base</translation>
    </message>
    <message>
        <source>Click to change base type</source>
        <translation>Klicken, um die Art der Base zu ändern</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a cost and the quantity it buys: &quot;12.50 per 100 ml&quot;.</extracomment>
        <translation>pro</translation>
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
        <translation>Nik.-Base-Stärke</translation>
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
        <translation>„Enthält Nikotin“ auf Etiketten von Ansätzen mit Nikotin</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Etikett drucken</translation>
    </message>
    <message>
        <source>&amp;Label size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>The label as it will print</source>
        <translation>Das Etikett, wie es gedruckt wird</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
</context>
<context>
    <name>kovaq::MainWindow</name>
    <message>
        <source>  Notes  </source>
        <translation>  Notizen  </translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>V %1</source>
        <extracomment>The tooltip of the program&apos;s name: its version, as &quot;V 1.0.1&quot;.</extracomment>
        <translation>V %1</translation>
    </message>
    <message>
        <source>The free DIY e-juice mixing calculator</source>
        <translation>Kostenloser DIY-Liquid-Rechner</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>New Mix...</source>
        <translation>Neuer Mix...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Rezept kopieren</translation>
    </message>
    <message>
        <source>Paste Recipe...</source>
        <translation>Rezept einfügen...</translation>
    </message>
    <message>
        <source>Export JSON...</source>
        <translation>JSON-Export...</translation>
    </message>
    <message>
        <source>Import JSON...</source>
        <translation>JSON-Import...</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Vorrat</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Mischen...</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Nach Gewicht</translation>
    </message>
    <message>
        <source>Shots and Fixes</source>
        <translation>Shots &amp; Korrektur</translation>
    </message>
    <message>
        <source>Layout</source>
        <extracomment>The button that turns the window between portrait and landscape.</extracomment>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please visit me at %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
    <message>
        <source>Visit My Website</source>
        <translation>Zu meiner Website</translation>
    </message>
    <message>
        <source>Email me for help</source>
        <translation>Hilfe per E-Mail</translation>
    </message>
    <message>
        <source>email me</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>Entry Was Too Long</source>
        <translation>Eingabe war zu lang</translation>
    </message>
    <message>
        <source>Use %1</source>
        <extracomment>A button that picks the nearest PG/VG ratio the mix can have, as in &quot;Use 40-60&quot;.</extracomment>
        <translation>Auf %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>%1 volume: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its volume.</extracomment>
        <translation>%1 Volumen: %2</translation>
    </message>
    <message>
        <source>%1 cost: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its cost.</extracomment>
        <translation>%1 Kosten: %2</translation>
    </message>
    <message>
        <source>TOTAL cost: %1</source>
        <translation>Gesamtkosten: %1</translation>
    </message>
    <message>
        <source>Cost status: %1</source>
        <translation>Kostenstatus: %1</translation>
    </message>
    <message>
        <source>Volume status: %1</source>
        <translation>Volumenstatus: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>kovaq::MenuIcon</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>kovaq::MixDocument</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new mix until the user names it; it is saved as the recipe&apos;s name.</extracomment>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>kovaq::MixItDialog</name>
    <message>
        <source>Mix It</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Steep days</source>
        <translation>Reifetage</translation>
    </message>
    <message>
        <source>&amp;Steep for:</source>
        <translation>&amp;Reifezeit:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>The stash does not hold all of it:
%1</source>
        <translation>Der Vorrat enthält nicht alles davon:
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
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>kovaq::OneBottleAwayDialog</name>
    <message>
        <source>One Bottle Away</source>
        <translation>Eine Flasche fehlt</translation>
    </message>
    <message>
        <source>Each of these bottles alone would let you make more of your recipes:</source>
        <translation>Jede dieser Flaschen allein ließe Sie mehr Ihrer Rezepte mischen:</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>Recipes it makes possible</source>
        <translation>Rezepte, die sie ermöglicht</translation>
    </message>
    <message>
        <source>Short by (ml)</source>
        <translation>Fehlt (ml)</translation>
    </message>
    <message>
        <source>Bottles that would make more recipes possible</source>
        <translation>Flaschen, die mehr Rezepte ermöglichen würden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No single bottle would make another recipe possible.</source>
        <translation>Keine einzelne Flasche würde ein weiteres Rezept ermöglichen.</translation>
    </message>
</context>
<context>
    <name>kovaq::PasteRecipeDialog</name>
    <message>
        <source>Paste Recipe</source>
        <translation>Rezept einfügen</translation>
    </message>
    <message>
        <source>&amp;Recipe text:</source>
        <translation>&amp;Rezepttext:</translation>
    </message>
    <message>
        <source>Recipe text</source>
        <translation>Rezepttext</translation>
    </message>
    <message>
        <source>Open Text File...</source>
        <translation>Textdatei öffnen...</translation>
    </message>
    <message>
        <source>What Ko-Vaq reads in it:</source>
        <translation>Was Ko-Vaq darin liest:</translation>
    </message>
    <message>
        <source>Keep the lines not used in the notes</source>
        <translation>Nicht verwendete Zeilen in den Notizen behalten</translation>
    </message>
    <message>
        <source>Use It</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Text files (*.txt *.text *.md);;All files (*)</source>
        <translation>Textdateien (*.txt *.text *.md);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>%1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>&lt;b&gt;There is no recipe in this text.&lt;/b&gt; Ko-Vaq looks for flavours with their shares (&quot;Lemon 3%&quot;), or a volume with a strength or a PG/VG ratio. Nothing will change.</source>
        <translation>&lt;b&gt;In diesem Text ist kein Rezept.&lt;/b&gt; Ko-Vaq sucht nach Aromen mit ihren Anteilen („Lemon 3%“) oder nach einem Volumen mit einer Stärke oder einem PG/VG-Verhältnis. Es ändert sich nichts.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
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
        <translation>Nikotinbase: %1</translation>
    </message>
    <message>
        <source>%1 stands as %2</source>
        <translation>%1: übernommen als %2</translation>
    </message>
    <message>
        <source>Shortened to fit the window:</source>
        <translation>Gekürzt, damit es ins Fenster passt:</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Wodka/Wasser</translation>
    </message>
    <message>
        <source>* shortened to fit the window (the whole names are in the tooltip)</source>
        <translation>* gekürzt, damit es ins Fenster passt (die vollen Namen stehen im Tooltip)</translation>
    </message>
    <message numerus="yes">
        <source>Notes: %n line(s)</source>
        <translation>
            <numerusform>Notizen: %n Zeile</numerusform>
            <numerusform>Notizen: %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Not used (kept in the notes):</source>
        <translation>Nicht verwendet (in den Notizen behalten):</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>Nicht verwendet:</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintJob</name>
    <message>
        <source>The margins and text size leave no room for a line on this paper.</source>
        <translation>Ränder und Textgröße lassen auf diesem Papier keinen Platz für eine Zeile.</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>Der Drucker ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The printer did not take the next page; the print was stopped.</source>
        <translation>Der Drucker hat die nächste Seite nicht angenommen; der Druck wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The printer did not finish the print.</source>
        <translation>Der Drucker hat den Druck nicht abgeschlossen.</translation>
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
        <translation>     Das Bild passt nicht auf dieses Papier -
            und wird beschnitten

   Auf die Seite klicken, um dies auszublenden,
  oder Bild-/Rand-/Seitengröße ändern</translation>
    </message>
    <message>
        <source>     Text Will Not Fit This Size Paper - 
           Printer May Wrap Lines 
       Or Print More Than One Page

  Click On Page To Clear This Message 
 Or Change Size Of Text/Margins/Page </source>
        <extracomment>Centred by the leading blanks in a hint over the page&apos;s preview.</extracomment>
        <translation>     Der Text passt nicht auf dieses Papier - 
           der Drucker bricht evtl. Zeilen um 
       oder druckt mehr als eine Seite

  Auf die Seite klicken, um dies auszublenden, 
 oder Text-/Rand-/Seitengröße ändern </translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>You Have 3 Options For Printing - Please Choose One</source>
        <translation>Drei Arten zu drucken - bitte wählen Sie eine</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Screen Image</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Include Notes</source>
        <translation>Mit Notizen</translation>
    </message>
    <message>
        <source>Include Unused Ingredients</source>
        <translation>Mit unbenutzten Zutaten</translation>
    </message>
    <message>
        <source>Printer Minimum</source>
        <translation>Drucker-Minimum</translation>
    </message>
    <message>
        <source>Narrow (0.125&quot;)</source>
        <translation>Schmal (0.125&quot;)</translation>
    </message>
    <message>
        <source>Normal (0.25&quot;)</source>
        <translation>Normal (0.25&quot;)</translation>
    </message>
    <message>
        <source>Wide (0.5&quot;)</source>
        <translation>Breit (0.5&quot;)</translation>
    </message>
    <message>
        <source>Ex Wide (0.75&quot;)</source>
        <translation>Extrabreit (0.75&quot;)</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>v. Small (8pt)</source>
        <translation>Sehr klein (8pt)</translation>
    </message>
    <message>
        <source>Small (10pt)</source>
        <translation>Klein (10pt)</translation>
    </message>
    <message>
        <source>Normal (12pt)</source>
        <translation>Normal (12pt)</translation>
    </message>
    <message>
        <source>Large (14pt)</source>
        <translation>Groß (14pt)</translation>
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
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>Der Drucker ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintProgressWindow</name>
    <message>
        <source>Printing Image...</source>
        <translation>Bild wird gedruckt...</translation>
    </message>
    <message>
        <source>Please Wait - Rendering  Image
And Sending To Printer</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Bitte warten - Bild wird erstellt
und an den Drucker gesendet</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeFoldersDialog</name>
    <message>
        <source>Recipe Folders</source>
        <translation>Rezeptordner</translation>
    </message>
    <message>
        <source>Recipes are looked for in these folders and every folder in them:</source>
        <translation>Rezepte werden in diesen Ordnern und allen ihren Unterordnern gesucht:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>bis %1 ml</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>braucht %1</translation>
    </message>
    <message>
        <source>%1: %2 ml needed, %3 ml on hand</source>
        <translation>%1: %2 ml nötig, %3 ml vorrätig</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
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
        <translation>Aromen</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Can be made</source>
        <translation>Machbar</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Can make</source>
        <translation>Aus Vorrat</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeShare</name>
    <message>
        <source>%1 is not on the list: %2 is used.</source>
        <translation>%1 steht nicht in der Liste: %2 wird verwendet.</translation>
    </message>
    <message>
        <source>The base&apos;s %1 is not on the list: %2 is used.</source>
        <translation>Die Base-Angabe %1 steht nicht in der Liste: %2 wird verwendet.</translation>
    </message>
    <message>
        <source>Only eight flavours fit: left out %1.</source>
        <translation>Nur acht Aromen haben Platz; weggelassen: %1.</translation>
    </message>
    <message>
        <source>%1 mg needs a nicotine base: type the base&apos;s strength, then the strength. &quot;%2&quot; is kept in the notes.</source>
        <translation>%1 mg braucht eine Nikotinbase: geben Sie erst die Stärke der Base ein, dann die Stärke. „%2“ bleibt in den Notizen.</translation>
    </message>
    <message>
        <source>%1 (kept in the notes)</source>
        <extracomment>%1 is the note as it is kept, in English (&quot;Steep: 7 days&quot;).</extracomment>
        <translation>%1 (in den Notizen behalten)</translation>
    </message>
    <message>
        <source>Read the first %1 KB of the text; the rest was not used.</source>
        <translation>Die ersten %1 KB des Textes wurden gelesen; der Rest wurde nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesController</name>
    <message>
        <source>Shopping List</source>
        <translation>Einkaufsliste</translation>
    </message>
    <message>
        <source>%1: %2 ml</source>
        <translation>%1: %2 ml</translation>
    </message>
    <message>
        <source>shopping list.csv</source>
        <translation>Einkaufsliste.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>In %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesWindow</name>
    <message>
        <source>Recipes</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Only what I can make</source>
        <translation>Nur aus Vorrat</translation>
    </message>
    <message>
        <source>Lists only the recipes the bottles in your stash can make</source>
        <translation>Zeigt nur die Rezepte, die sich mit den Flaschen in Ihrem Vorrat mischen lassen</translation>
    </message>
    <message>
        <source>One Bottle Away...</source>
        <translation>Eine Flasche fehlt...</translation>
    </message>
    <message>
        <source>The bottles that would each let you make more of your recipes</source>
        <translation>Die Flaschen, mit denen Sie jeweils mehr Ihrer Rezepte mischen könnten</translation>
    </message>
    <message>
        <source>Add to Shopping List</source>
        <translation>Auf die Einkaufsliste</translation>
    </message>
    <message>
        <source>Puts the chosen recipe on the shopping list, with what to buy for it</source>
        <translation>Setzt das gewählte Rezept auf die Einkaufsliste, mit allem, was dafür zu kaufen ist</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>No file manager is available to show the folder. The recipe is in %1.</source>
        <translation>Es ist kein Dateimanager verfügbar, um den Ordner zu zeigen. Das Rezept liegt in %1.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Warnung...</translation>
    </message>
    <message>
        <source>Search: words of a name, flavour or note, 3mg, lemon 10%</source>
        <translation>Suche: Wörter aus Name, Aroma oder Notiz, 3mg, Zitrone 10%</translation>
    </message>
    <message>
        <source>Search recipes</source>
        <translation>Rezepte durchsuchen</translation>
    </message>
    <message>
        <source>Folders...</source>
        <translation>Ordner...</translation>
    </message>
    <message>
        <source>Stash...</source>
        <translation>Vorrat...</translation>
    </message>
    <message>
        <source>The bottles you own and the batches you mixed (Ctrl+T)</source>
        <translation>Ihre Flaschen und die Ansätze, die Sie gemischt haben (Strg+T)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reading recipes… %1 of %2</source>
        <translation>Rezepte werden gelesen… %1 von %2</translation>
    </message>
    <message>
        <source>Reading recipes…</source>
        <translation>Rezepte werden gelesen…</translation>
    </message>
    <message numerus="yes">
        <source>%n recipe(s)</source>
        <translation>
            <numerusform>%n Rezept</numerusform>
            <numerusform>%n Rezepte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n recipe(s)</source>
        <translation>
            <numerusform>%1 von %n Rezept</numerusform>
            <numerusform>%1 von %n Rezepten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — cannot read %2</source>
        <translation>%1 — %2 kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%1 — some folders read every %n second(s)</source>
        <translation>
            <numerusform>%1 — einige Ordner werden im Abstand von %n Sekunde gelesen</numerusform>
            <numerusform>%1 — einige Ordner werden im Abstand von %n Sekunden gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 to the trash?</source>
        <translation>%1 in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Unable to move %1 to the trash.</source>
        <translation>%1 kann nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Rezept kopieren</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Move to trash...</source>
        <translation>In den Papierkorb verschieben...</translation>
    </message>
</context>
<context>
    <name>kovaq::ReportRenderer</name>
    <message>
        <source>The PDF could not be made</source>
        <translation>Das PDF konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>kovaq::Reports</name>
    <message>
        <source>Calculated with Ko-Vaq from %1</source>
        <translation>Berechnet mit Ko-Vaq von %1</translation>
    </message>
    <message>
        <source>Mix Name</source>
        <translation>Name der Mischung</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Nic Base Strength</source>
        <translation>Nik.-Base-Stärke</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Nik.-Stärke</translation>
    </message>
    <message>
        <source>Mix PG-VG Ratio (%)</source>
        <translation>PG-VG-Verhältnis (%)</translation>
    </message>
    <message>
        <source>Mix Volume</source>
        <translation>Mischmenge</translation>
    </message>
    <message>
        <source>TOTAL COST</source>
        <translation>GESAMTKOSTEN</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Zutatendetails</translation>
    </message>
    <message>
        <source>Mixing Volumes</source>
        <translation>Mischmengen</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Qty(ml)</source>
        <translation>Inh.(ml)</translation>
    </message>
    <message>
        <source>Vol(ml)</source>
        <translation>Vol(ml)</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <translation>Propylenglyk. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <translation>Glycerin (VG)</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Wodka/Wasser</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a bottle&apos;s price and its size in ml: &quot;2.50 per 10&quot;.</extracomment>
        <translation>pro</translation>
    </message>
    <message>
        <source>Mixing Specification</source>
        <translation>Mischvorgaben</translation>
    </message>
    <message>
        <source>Costs For This Mix</source>
        <translation>Kosten dieser Mischung</translation>
    </message>
    <message>
        <source>Costs</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>Weighed</source>
        <translation>Gewogen</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Zutat</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>Waage zeigt</translation>
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
        <translation>  Mischmengen  </translation>
    </message>
    <message>
        <source>  Cost For This Mix  </source>
        <translation>  Kosten der Mischung  </translation>
    </message>
    <message>
        <source>Hi Precision</source>
        <translation>Präzise</translation>
    </message>
    <message>
        <source>Ignore Costs</source>
        <translation>Ohne Kosten</translation>
    </message>
    <message>
        <source>Vol.(ml)</source>
        <translation>Vol.(ml)</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Kosten (£/$/€)</translation>
    </message>
    <message>
        <source>%1 volume</source>
        <extracomment>Read out by a screen reader: a row&apos;s caption, then what its value is.</extracomment>
        <translation>%1 Volumen</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>%1 Kosten</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>TOTAL cost</source>
        <translation>Gesamtkosten</translation>
    </message>
</context>
<context>
    <name>kovaq::RetainDialog</name>
    <message>
        <source>Retain Some Details?</source>
        <translation>Angaben behalten?</translation>
    </message>
    <message>
        <source>Please Check The Boxes Below If You Would
Like To Retain Either Or Both Of These Panel&apos;s Contents</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Bitte kreuzen Sie unten an, ob Sie den Inhalt
eines oder beider Bereiche behalten möchten</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Zutatendetails</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kovaq::RowLabels</name>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base&apos;s row.</extracomment>
        <translation>Nik.-Base</translation>
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
        <translation>Wodka/Wasser</translation>
    </message>
    <message>
        <source>NicBase  %1</source>
        <extracomment>The nicotine base&apos;s row once the base has a name (%1).</extracomment>
        <translation>Nik.-Base  %1</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <extracomment>The PG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Propylenglyk. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <extracomment>The VG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Glycerin (VG)</translation>
    </message>
</context>
<context>
    <name>kovaq::ScalesIcon</name>
    <message>
        <source>Mix By Weight (Ctrl+G)</source>
        <translation>Mischen nach Gewicht (Strg+G)</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Nach Gewicht</translation>
    </message>
</context>
<context>
    <name>kovaq::ShareController</name>
    <message>
        <source>Ko-Vaq recipe JSON (*.json)</source>
        <translation>Ko-Vaq-Rezept-JSON (*.json)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>%1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 kann nicht importiert werden.
%2</translation>
    </message>
</context>
<context>
    <name>kovaq::ShoppingWindow</name>
    <message>
        <source>Shopping List</source>
        <translation>Einkaufsliste</translation>
    </message>
    <message>
        <source>Recipes to make:</source>
        <translation>Zu mischende Rezepte:</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Make (ml)</source>
        <translation>Menge (ml)</translation>
    </message>
    <message>
        <source>Recipes to make</source>
        <translation>Zu mischende Rezepte</translation>
    </message>
    <message>
        <source>What to buy:</source>
        <translation>Zu kaufen:</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Zutat</translation>
    </message>
    <message>
        <source>Short (ml)</source>
        <translation>Fehlt (ml)</translation>
    </message>
    <message>
        <source>Needed (ml)</source>
        <translation>Nötig (ml)</translation>
    </message>
    <message>
        <source>On hand (ml)</source>
        <translation>Vorrätig (ml)</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flaschen</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>What to buy</source>
        <translation>Zu kaufen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Takes the chosen recipe off the list</source>
        <translation>Nimmt das gewählte Rezept von der Liste</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the list as text</source>
        <translation>Kopiert die Liste als Text</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>CSV-Export...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Wie viel mischen</translation>
    </message>
    <message>
        <source>%1 × %2 ml</source>
        <translation>%1 × %2 ml</translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Nichts fehlt: der Vorrat enthält alles.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 ist so nicht mischbar: weggelassen.</translation>
    </message>
</context>
<context>
    <name>kovaq::Shots</name>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution)</source>
        <translation>Zu wenig zum genauen Wiegen: 1:%1 in PG vorverdünnen (%2 g der Verdünnung)</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix</source>
        <translation>Zu wenig zum genauen Wiegen: 1:%1 in PG vorverdünnen (%2 g der Verdünnung) und %3 ml PG in der Mischung weglassen</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in VG (%2 g of the dilution) and leave %3 ml of VG out of the mix, as the mix&apos;s %4 ml of PG cannot take it</source>
        <translation>Zu wenig zum genauen Wiegen: 1:%1 in VG vorverdünnen (%2 g der Verdünnung) und %3 ml VG in der Mischung weglassen, da die %4 ml PG der Mischung sie nicht aufnehmen können</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix, the most the mix&apos;s PG can take</source>
        <translation>Zu wenig zum genauen Wiegen: 1:%1 in PG vorverdünnen (%2 g der Verdünnung) und %3 ml PG in der Mischung weglassen, so viel, wie das PG der Mischung höchstens aufnehmen kann</translation>
    </message>
    <message>
        <source>Too little to weigh well, and the mix&apos;s PG and VG cannot take a dilution of it: make a bigger batch or weigh it on a finer scale</source>
        <translation>Zu wenig zum genauen Wiegen, und PG und VG der Mischung können keine Verdünnung davon aufnehmen: einen größeren Ansatz mischen oder auf einer feineren Waage wiegen</translation>
    </message>
    <message>
        <source>Type the shortfill liquid&apos;s volume</source>
        <translation>Geben Sie die Menge des Shortfill-Liquids ein</translation>
    </message>
    <message>
        <source>Type the size of one shot</source>
        <translation>Geben Sie die Größe eines Shots ein</translation>
    </message>
    <message>
        <source>%1 mg shots cannot make %2 mg</source>
        <translation>Mit %1-mg-Shots sind keine %2 mg möglich</translation>
    </message>
    <message>
        <source>No room: the bottle holds %1 ml, the liquid %2 ml</source>
        <translation>Kein Platz: die Flasche fasst %1 ml, das Liquid %2 ml</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g)</source>
        <translation>Shot-Liquid für %1 mg: %2 ml (%3 g)</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g), more than the %4 ml of room</source>
        <translation>Shot-Liquid für %1 mg: %2 ml (%3 g), mehr als die %4 ml Platz</translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml</source>
        <extracomment>%n whole shots give %1 mg/ml in %2 ml.</extracomment>
        <translation>
            <numerusform>%n Shot: %1 mg in %2 ml</numerusform>
            <numerusform>%n Shots: %1 mg in %2 ml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</source>
        <translation>
            <numerusform>%n Shot: %1 mg in %2 ml, die %3-ml-Flasche läuft über</numerusform>
            <numerusform>%n Shots: %1 mg in %2 ml, die %3-ml-Flasche läuft über</numerusform>
        </translation>
    </message>
    <message>
        <source>Then: %1 ml at %2</source>
        <extracomment>%2 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Dann: %1 ml mit %2</translation>
    </message>
    <message>
        <source>Type the batch&apos;s volume</source>
        <translation>Geben Sie die Menge des Ansatzes ein</translation>
    </message>
    <message>
        <source>Already at %1 mg: add nothing</source>
        <translation>Schon bei %1 mg: nichts zugeben</translation>
    </message>
    <message>
        <source>Adding liquid cannot take %1 mg to %2 mg</source>
        <translation>Zugabe von Liquid bringt %1 mg nicht auf %2 mg</translation>
    </message>
    <message>
        <source>Type the nicotine base&apos;s strength to make the batch stronger</source>
        <translation>Geben Sie die Stärke der Nikotinbase ein, um den Ansatz zu verstärken</translation>
    </message>
    <message>
        <source>A %1 mg base cannot make %2 mg</source>
        <translation>Eine %1-mg-Base ergibt keine %2 mg</translation>
    </message>
    <message>
        <source>Add %1 ml of 0 mg liquid at %2 (%3 g)</source>
        <translation>%1 ml 0-mg-Liquid mit %2 zugeben (%3 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of the %2 mg base at %3 (%4 g)</source>
        <translation>%1 ml der %2-mg-Base mit %3 zugeben (%4 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml of %2 mg at %3</source>
        <translation>Dann: %1 ml mit %2 mg und %3</translation>
    </message>
    <message>
        <source>Already at %1: add nothing</source>
        <extracomment>%1 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Schon bei %1: nichts zugeben</translation>
    </message>
    <message>
        <source>Adding PG cannot make a batch with VG in it all PG</source>
        <translation>Zugabe von PG macht einen Ansatz mit VG nicht zu reinem PG</translation>
    </message>
    <message>
        <source>Adding VG cannot make a batch with PG in it all VG</source>
        <translation>Zugabe von VG macht einen Ansatz mit PG nicht zu reinem VG</translation>
    </message>
    <message>
        <source>Add %1 ml of PG (%2 g)</source>
        <translation>%1 ml PG zugeben (%2 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of VG (%2 g)</source>
        <translation>%1 ml VG zugeben (%2 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml at %2, %3 mg</source>
        <translation>Dann: %1 ml mit %2, %3 mg</translation>
    </message>
</context>
<context>
    <name>kovaq::ShotsWindow</name>
    <message>
        <source>Shots and Fixes</source>
        <translation>Shots &amp; Korrektur</translation>
    </message>
    <message>
        <source>Shortfill &amp;liquid</source>
        <extracomment>A shortfill: a bottle of flavoured liquid without nicotine, part filled so that shots (small bottles of strong nicotine) can be added to it. &amp; marks the access key.</extracomment>
        <translation>Shortfill-&amp;Liquid</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>&amp;Bottle size</source>
        <translation>&amp;Flaschengröße</translation>
    </message>
    <message>
        <source>Liquid&apos;s &amp;PG-VG</source>
        <translation>Liquid &amp;PG-VG</translation>
    </message>
    <message>
        <source>&amp;Shot strength</source>
        <extracomment>A shot: a small bottle (10 ml) of strong nicotine added to a shortfill.</extracomment>
        <translation>&amp;Shot-Stärke</translation>
    </message>
    <message>
        <source>mg/ml</source>
        <translation>mg/ml</translation>
    </message>
    <message>
        <source>Shot si&amp;ze</source>
        <translation>Shot-&amp;Größe</translation>
    </message>
    <message>
        <source>Shot&apos;s P&amp;G-VG</source>
        <translation>Shot PG-&amp;VG</translation>
    </message>
    <message>
        <source>&amp;Target strength</source>
        <translation>&amp;Zielstärke</translation>
    </message>
    <message>
        <source>Shortfill + Shots</source>
        <translation>Shortfill + Shots</translation>
    </message>
    <message>
        <source>&amp;Batch</source>
        <translation>&amp;Ansatz</translation>
    </message>
    <message>
        <source>Its &amp;strength</source>
        <translation>Seine S&amp;tärke</translation>
    </message>
    <message>
        <source>Its &amp;PG-VG</source>
        <translation>Sein &amp;PG-VG</translation>
    </message>
    <message>
        <source>0 mg liquid&apos;s P&amp;G-VG (to weaken)</source>
        <translation>0-mg-Liquid P&amp;G-VG (abschwächen)</translation>
    </message>
    <message>
        <source>Nicotine b&amp;ase (to strengthen)</source>
        <translation>Nikotin&amp;base (verstärken)</translation>
    </message>
    <message>
        <source>Base&apos;s PG-&amp;VG</source>
        <translation>Base PG-&amp;VG</translation>
    </message>
    <message>
        <source>Change Strength</source>
        <translation>Stärke ändern</translation>
    </message>
    <message>
        <source>&amp;Target PG-VG</source>
        <translation>&amp;Ziel-PG-VG</translation>
    </message>
    <message>
        <source>Its &amp;strength (if known)</source>
        <translation>&amp;Stärke (wenn bekannt)</translation>
    </message>
    <message>
        <source>Change PG/VG</source>
        <translation>PG/VG ändern</translation>
    </message>
    <message>
        <source>Base From &amp;Mix</source>
        <translation>Base vom &amp;Mix</translation>
    </message>
    <message>
        <source>The nicotine base of the mix in the main window</source>
        <translation>Die Nikotinbase der Mischung im Hauptfenster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out by a screen reader: a field&apos;s caption, then its unit, as in &quot;Bottle size, ml&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From a batc&amp;h</source>
        <translation>Aus &amp;einem Ansatz</translation>
    </message>
    <message>
        <source>From a batch</source>
        <translation>Aus einem Ansatz</translation>
    </message>
    <message>
        <source>(none: the figures typed)</source>
        <translation>(keiner: die eingegebenen Zahlen)</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A batch in the list: the day it was mixed, two blanks, its name.</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>For the batch %1, mixed %2</source>
        <translation>Für den Ansatz %1, gemischt %2</translation>
    </message>
    <message>
        <source>Type every figure to see what to add.</source>
        <translation>Geben Sie alle Zahlen ein, um zu sehen, was hinzukommt.</translation>
    </message>
</context>
<context>
    <name>kovaq::SpecPanel</name>
    <message>
        <source>  Mixing Specification  </source>
        <translation>  Mischvorgaben  </translation>
    </message>
    <message>
        <source>PG–VG (%)</source>
        <translation>PG–VG (%)</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Mischmenge</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Nik.-Stärke</translation>
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
        <translation>Wodka/Wasser</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCommand</name>
    <message>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>Add Bottle</source>
        <translation>Flasche hinzufügen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Mix It</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Undo Batch %1</source>
        <translation>Ansatz %1 zurücknehmen</translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <translation>Flaschen importieren</translation>
    </message>
</context>
<context>
    <name>kovaq::StashController</name>
    <message>
        <source>The stash&apos;s base is %1 mg; this mix is worked out for %2 mg.</source>
        <translation>Die Base im Vorrat hat %1 mg; diese Mischung ist für %2 mg berechnet.</translation>
    </message>
    <message>
        <source>Start a new, empty stash? The damaged one is kept as %1, unchanged.</source>
        <translation>Einen neuen, leeren Vorrat anlegen? Der beschädigte bleibt unverändert als %1 erhalten.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unable to read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB: nothing was imported.</source>
        <translation>%1 ist größer als %2 MiB: nichts wurde importiert.</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Nichts wurde importiert.</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Vorrat</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>Der Vorrat kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>This mix cannot be made: %1.
No batch was recorded.</source>
        <translation>Diese Mischung ist nicht machbar: %1.
Es wurde kein Ansatz eingetragen.</translation>
    </message>
    <message>
        <source>The mix in the window has not been saved.
Record a batch of it anyway? Its recipe is kept with the batch.</source>
        <translation>Die Mischung im Fenster ist nicht gespeichert.
Trotzdem einen Ansatz davon eintragen? Ihr Rezept wird mit dem Ansatz aufbewahrt.</translation>
    </message>
    <message>
        <source>The stash does not hold all this mix needs:
%1

Record the batch anyway? What is missing is noted with it.</source>
        <translation>Der Vorrat enthält nicht alles, was diese Mischung braucht:
%1

Den Ansatz trotzdem eintragen? Was fehlt, wird dabei vermerkt.</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Es gibt keinen Ansatz zum Rückgängigmachen.</translation>
    </message>
    <message>
        <source>Undo the last batch, %1, and give back to the stash what it took?</source>
        <translation>Den letzten Ansatz, %1, rückgängig machen und dem Vorrat zurückgeben, was er verbraucht hat?</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCsv</name>
    <message>
        <source>The file holds no header row naming the columns.</source>
        <translation>Die Datei hat keine Kopfzeile mit den Namen der Spalten.</translation>
    </message>
    <message>
        <source>The header names the column %1 twice.</source>
        <translation>Die Kopfzeile nennt die Spalte %1 zweimal.</translation>
    </message>
    <message>
        <source>The header row names no kind column; it needs kind, and may name name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity and notes.</source>
        <translation>Die Kopfzeile nennt keine Spalte kind; sie braucht kind und kann name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity und notes nennen.</translation>
    </message>
    <message>
        <source>A quoted cell is not closed before the end of the file.</source>
        <translation>Eine Zelle in Anführungszeichen wird vor dem Ende der Datei nicht geschlossen.</translation>
    </message>
    <message>
        <source>The line has %1 cells; the header names %2.</source>
        <translation>Die Zeile hat %1 Zellen; die Kopfzeile nennt %2.</translation>
    </message>
    <message>
        <source>The kind is missing.</source>
        <translation>Die Art (kind) fehlt.</translation>
    </message>
    <message>
        <source>The kind &quot;%1&quot; is none of base, pg, vg, flavour and vodka/water.</source>
        <translation>Die Art (kind) „%1“ ist keine von base, pg, vg, flavour und vodka/water.</translation>
    </message>
    <message>
        <source>A flavour needs a name.</source>
        <translation>Ein Aroma braucht einen Namen.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number.</source>
        <translation>Der Wert %1 „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The %1 cannot be below 0.</source>
        <translation>Der Wert %1 darf nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>The %1 cannot be more than %2.</source>
        <translation>Der Wert %1 darf nicht größer als %2 sein.</translation>
    </message>
    <message>
        <source>The pgvg &quot;%1&quot; is none of PG, 90-10 to 10-90, VG and none.</source>
        <translation>Der Wert pgvg „%1“ ist keiner von PG, 90-10 bis 10-90, VG und none.</translation>
    </message>
    <message>
        <source>The gravity &quot;%1&quot; is not a number from 0.5 to 2.</source>
        <translation>Die Dichte (gravity) „%1“ ist keine Zahl von 0.5 bis 2.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashImportDialog</name>
    <message>
        <source>none</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <comment>a field, its value before and after</comment>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml vorrätig</translation>
    </message>
    <message>
        <source>bottle ml</source>
        <translation>Flasche ml</translation>
    </message>
    <message>
        <source>price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>nicotine mg/ml</source>
        <translation>Nikotin mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>What the import does</source>
        <translation>Was der Import tut</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>%1 ml on hand</source>
        <translation>%1 ml vorrätig</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>%1 — to add: %2, to update: %3, as they are: %4, refused: %5.</source>
        <translation>%1 — neu: %2, zu ändern: %3, unverändert: %4, abgelehnt: %5.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashMatch</name>
    <message>
        <source>A flavour without a name</source>
        <translation>Ein Aroma ohne Namen</translation>
    </message>
    <message>
        <source>Nicotine base %1 mg</source>
        <translation>Nikotinbase %1 mg</translation>
    </message>
    <message>
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand)</source>
        <translation>%1: %2 ml fehlen (%3 ml nötig, %4 ml vorrätig)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml at %6</source>
        <translation>
            <numerusform>%1: %2 ml fehlen (%3 ml nötig, %4 ml vorrätig), %n Flasche mit %5 ml zu je %6</numerusform>
            <numerusform>%1: %2 ml fehlen (%3 ml nötig, %4 ml vorrätig), %n Flaschen mit %5 ml zu je %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml</source>
        <translation>
            <numerusform>%1: %2 ml fehlen (%3 ml nötig, %4 ml vorrätig), %n Flasche mit %5 ml</numerusform>
            <numerusform>%1: %2 ml fehlen (%3 ml nötig, %4 ml vorrätig), %n Flaschen mit %5 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Nichts fehlt: der Vorrat enthält alles.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 ist so nicht mischbar: weggelassen.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashPlan</name>
    <message>
        <source>%1: needs %2 ml, none in the stash</source>
        <translation>%1: braucht %2 ml, nichts im Vorrat</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml left</source>
        <translation>%1: braucht %2 ml, %3 ml vorrätig, %4 ml bleiben</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml short</source>
        <translation>%1: braucht %2 ml, %3 ml vorrätig, %4 ml fehlen</translation>
    </message>
</context>
<context>
    <name>kovaq::StashStore</name>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>Der Vorrat kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>There is no stash yet at %1.</source>
        <translation>Unter %1 gibt es noch keinen Vorrat.</translation>
    </message>
    <message>
        <source>Unable to make the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 ist keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>The disk holding the stash is full: %1 (%2). The stash is shown read only.</source>
        <translation>Der Datenträger mit dem Vorrat ist voll: %1 (%2). Der Vorrat wird schreibgeschützt angezeigt.</translation>
    </message>
    <message>
        <source>The stash&apos;s folder cannot be written: %1 (%2). The stash is shown read only.</source>
        <translation>Der Ordner des Vorrats ist nicht beschreibbar: %1 (%2). Der Vorrat wird schreibgeschützt angezeigt.</translation>
    </message>
    <message>
        <source>Another Ko-Vaq is using the stash: it is open read-only.</source>
        <translation>Ein anderes Ko-Vaq verwendet den Vorrat: er ist schreibgeschützt geöffnet.</translation>
    </message>
    <message>
        <source>Unable to read the stash %1: %2.</source>
        <translation>Der Vorrat %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged.</source>
        <translation>Die Vorratsdatenbank %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged. It is not changed until you say so.</source>
        <translation>Die Vorratsdatenbank %1 ist beschädigt. Sie bleibt unverändert, bis Sie es anders sagen.</translation>
    </message>
    <message>
        <source>The stash database is damaged; a copy is kept as %1. It is not changed until you say so.</source>
        <translation>Die Vorratsdatenbank ist beschädigt; eine Kopie wird als %1 aufbewahrt. Sie bleibt unverändert, bis Sie es anders sagen.</translation>
    </message>
    <message>
        <source>The stash was written by a newer Ko-Vaq: it is open read-only.</source>
        <translation>Der Vorrat stammt von einem neueren Ko-Vaq: er ist schreibgeschützt geöffnet.</translation>
    </message>
    <message>
        <source>Unable to open the stash %1.</source>
        <translation>Der Vorrat %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The stash is not damaged.</source>
        <translation>Der Vorrat ist nicht beschädigt.</translation>
    </message>
    <message>
        <source>Unable to keep a copy of the damaged stash in %1; nothing was changed.</source>
        <translation>In %1 kann keine Kopie des beschädigten Vorrats abgelegt werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Unable to put the damaged stash aside: %1.</source>
        <translation>Der beschädigte Vorrat kann nicht beiseitegelegt werden: %1.</translation>
    </message>
    <message>
        <source>Unable to add the bottle</source>
        <translation>Die Flasche kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Unable to change the bottle</source>
        <translation>Die Flasche kann nicht geändert werden</translation>
    </message>
    <message>
        <source>Unable to remove the bottle</source>
        <translation>Die Flasche kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Unable to bring the bottle back</source>
        <translation>Die Flasche kann nicht zurückgeholt werden</translation>
    </message>
    <message>
        <source>The bottle is no longer in the stash.</source>
        <translation>Die Flasche ist nicht mehr im Vorrat.</translation>
    </message>
    <message>
        <source>Unable to import the bottles</source>
        <translation>Die Flaschen können nicht importiert werden</translation>
    </message>
    <message>
        <source>Unable to record the batch</source>
        <translation>Der Ansatz kann nicht eingetragen werden</translation>
    </message>
    <message>
        <source>Unable to undo the batch</source>
        <translation>Der Ansatz kann nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Es gibt keinen Ansatz zum Rückgängigmachen.</translation>
    </message>
    <message>
        <source>The batch is no longer in the log.</source>
        <translation>Der Ansatz steht nicht mehr im Protokoll.</translation>
    </message>
    <message>
        <source>A flavour&apos;s notes need the flavour&apos;s name.</source>
        <translation>Notizen zu einem Aroma brauchen den Namen des Aromas.</translation>
    </message>
    <message>
        <source>A rating is from 1 to 5.</source>
        <translation>Eine Wertung reicht von 1 bis 5.</translation>
    </message>
    <message>
        <source>A preferred share is more than 0 and at most 100 %.</source>
        <translation>Ein bevorzugter Anteil ist größer als 0 und höchstens 100 %.</translation>
    </message>
    <message>
        <source>Unable to keep the flavour&apos;s notes</source>
        <translation>Die Notizen zum Aroma können nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>kovaq::StashWindow</name>
    <message>
        <source>Start a New Stash</source>
        <translation>Neuen Vorrat anlegen</translation>
    </message>
    <message>
        <source>Keep It Read Only</source>
        <translation>Nur lesen</translation>
    </message>
    <message>
        <source>Write Again</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Aromen</translation>
    </message>
    <message>
        <source>Your stash is empty: press Add, choose the kind and type the bottle&apos;s name.</source>
        <translation>Ihr Vorrat ist leer: klicken Sie auf „Neu“, wählen Sie die Art und geben Sie den Namen der Flasche ein.</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV-Import...</translation>
    </message>
    <message>
        <source>Add or update bottles from a spreadsheet&apos;s CSV file</source>
        <translation>Flaschen aus der CSV-Datei einer Tabellenkalkulation hinzufügen oder aktualisieren</translation>
    </message>
    <message>
        <source>Search the flavours</source>
        <translation>Aromen durchsuchen</translation>
    </message>
    <message>
        <source>The flavours of the recipes in your recipe folders, with a share, are listed here once the folders have been read.</source>
        <translation>Die Aromen der Rezepte in Ihren Rezeptordnern stehen hier mit ihren Anteilen, sobald die Ordner gelesen sind.</translation>
    </message>
    <message>
        <source>The new bottle&apos;s kind</source>
        <translation>Art der neuen Flasche</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Vorrat</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>Ansätze</translation>
    </message>
    <message>
        <source>Search the stash</source>
        <translation>Vorrat durchsuchen</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flaschen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Mischen...</translation>
    </message>
    <message>
        <source>Record a batch of the mix in the window (Ctrl+B)</source>
        <translation>Einen Ansatz der Mischung im Fenster eintragen (Strg+B)</translation>
    </message>
    <message>
        <source>Search the batches</source>
        <translation>Ansätze durchsuchen</translation>
    </message>
    <message>
        <source>Open Recipe</source>
        <translation>Rezept öffnen</translation>
    </message>
    <message>
        <source>The recipe as it was mixed, as a new mix</source>
        <translation>Das Rezept, wie es gemischt wurde, als neue Mischung</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Print Label...</source>
        <translation>Etikett drucken...</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Ansatz rückgängig</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV-Export...</translation>
    </message>
    <message>
        <source>The mix in the window needs nothing yet.</source>
        <translation>Die Mischung im Fenster braucht noch nichts.</translation>
    </message>
    <message>
        <source>For the mix in the window:</source>
        <translation>Für die Mischung im Fenster:</translation>
    </message>
</context>
<context>
    <name>kovaq::StatusPanel</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Cost status</source>
        <translation>Kostenstatus</translation>
    </message>
    <message>
        <source>Volume status</source>
        <translation>Volumenstatus</translation>
    </message>
</context>
<context>
    <name>kovaq::WeightsWindow</name>
    <message>
        <source>Mix By Weight</source>
        <translation>Mischen nach Gewicht</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <extracomment>The columns&apos; heads: &quot;scale reads&quot; is what the scale shows once the row is poured in.</extracomment>
        <translation>Zutat</translation>
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
        <translation>Gramm</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>Waage zeigt</translation>
    </message>
    <message>
        <source>drops</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>Pure nicotine</source>
        <translation>Reines Nikotin</translation>
    </message>
    <message>
        <source>Show &amp;drops at</source>
        <translation>&amp;Tropfen zeigen bei</translation>
    </message>
    <message>
        <source> drops per ml</source>
        <extracomment>After a number of drops, as in &quot;20 drops per ml&quot;.</extracomment>
        <translation> Tropfen pro ml</translation>
    </message>
    <message>
        <source>Drops per ml</source>
        <translation>Tropfen pro ml</translation>
    </message>
    <message>
        <source>20 for most droppers; 25 or 33 for finer ones</source>
        <translation>20 für die meisten Tropfer; 25 oder 33 für feinere</translation>
    </message>
    <message>
        <source>&amp;Scale reads to</source>
        <translation>Waage &amp;genau auf</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Every gravity back to its default</source>
        <translation>Alle Dichten auf ihren Standardwert zurücksetzen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 grams: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its grams.</extracomment>
        <translation>%1 Gramm: %2</translation>
    </message>
    <message>
        <source>%1 scale reads: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then what the scale reads.</extracomment>
        <translation>%1 Waage zeigt: %2</translation>
    </message>
    <message>
        <source>%1 gravity, g/ml</source>
        <extracomment>Read out by a screen reader: what the gravity is of, as in &quot;PG gravity, g/ml&quot;.</extracomment>
        <translation>%1 Dichte, g/ml</translation>
    </message>
    <message>
        <source>TOTAL grams: %1</source>
        <translation>GESAMT Gramm: %1</translation>
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
        <translation>Willkommen bei Ko-Vaq</translation>
    </message>
    <message>
        <source>Ko-Vaq Has Detected That You Are A New User</source>
        <translation>Ko-Vaq hat erkannt, dass Sie neu hier sind</translation>
    </message>
    <message>
        <source>If you need help getting started, look in the Help file
under &apos;How To... Getting Started&apos;</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Hilfe für den Einstieg finden Sie in der Hilfedatei
unter &apos;How To... Getting Started&apos;</translation>
    </message>
    <message>
        <source>To view the Help file at any time, click on the %1 icon.
located at the top RH corner of the screen, or press F1 key.</source>
        <extracomment>Shown on two lines, broken where the line break stands; %1 is the help icon.</extracomment>
        <translation>Die Hilfedatei öffnen Sie jederzeit mit dem Symbol %1
oben rechts auf dem Bildschirm oder mit der Taste F1.</translation>
    </message>
    <message>
        <source>This message will be shown at each startup until you
have loaded or saved your first recipe</source>
        <extracomment>Shown on two lines, broken where the line break stands; the second is underlined.</extracomment>
        <translation>Diese Meldung erscheint bei jedem Start, bis Sie
Ihr erstes Rezept geladen oder gespeichert haben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
