<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ControlNames</name>
    <message>
        <source>Nic Base Strength</source>
        <translation>Moc bazy nikotynowej</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Moc nikotyny</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Objętość do zrobienia</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>%1 – koszt</translation>
    </message>
    <message>
        <source>%1 quantity</source>
        <translation>%1 – ilość</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 – nazwa</translation>
    </message>
    <message>
        <source>%1 percentage</source>
        <translation>%1 – procent</translation>
    </message>
    <message>
        <source>Nic Base PG-VG</source>
        <translation>PG-VG bazy nikotynowej</translation>
    </message>
    <message>
        <source>Mix PG-VG</source>
        <translation>PG-VG mieszanki</translation>
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
        <translation>Folder przepisów</translation>
    </message>
</context>
<context>
    <name>kovaq::AppController</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Nie można odczytać ustawień z %1.
Ko-Vaq działa dalej, ale nie zapamięta folderów, ostatniego pliku ani układu.</translation>
    </message>
    <message>
        <source>Unable to write the settings to %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Nie można zapisać ustawień w %1.
Ko-Vaq działa dalej, ale nie zapamięta folderów, ostatniego pliku ani układu.</translation>
    </message>
    <message>
        <source>No program to show the help is available.
The help is in %1</source>
        <translation>Brak programu, który pokaże pomoc.
Pomoc jest w %1</translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation>Brak pliku pomocy</translation>
    </message>
    <message>
        <source>  There is Information Outstanding 
So Your Mix Name May Not Be Correct
        Do You Still Want To Print?</source>
        <translation>  Brakuje jeszcze niektórych danych, 
więc nazwa mieszanki może być błędna.
        Czy mimo to drukować?</translation>
    </message>
    <message>
        <source>Your Monitor Screen Is Too Small For This Application</source>
        <translation>Ekran monitora jest za mały dla tego programu</translation>
    </message>
    <message>
        <source>Sorry, But...</source>
        <translation>Niestety...</translation>
    </message>
    <message>
        <source>So You Will Only Be Able To Run In Landscape Layout Mode,
         And The &apos;Layout&apos; Button Will Be Disabled</source>
        <translation>Program będzie działał tylko w układzie poziomym,
         a przycisk „Układ” będzie wyłączony</translation>
    </message>
    <message>
        <source>Your Monitor Screen Has Limited Height</source>
        <translation>Ekran monitora ma ograniczoną wysokość</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Nie można otworzyć %1.
%2</translation>
    </message>
    <message>
        <source>Your Current Mix Has Not Been Saved 
         Do You Want To Save It?</source>
        <translation>Bieżąca mieszanka nie została zapisana. 
         Czy chcesz ją zapisać?</translation>
    </message>
    <message>
        <source>      Your Current Mix Has Not Been Saved 
               Do You Want To Save It?</source>
        <translation>      Bieżąca mieszanka nie została zapisana. 
               Czy chcesz ją zapisać?</translation>
    </message>
    <message>
        <source>There is Information Outstanding 
    Do You Still Want To Save?</source>
        <translation>Brakuje jeszcze niektórych danych. 
    Czy mimo to zapisać?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Nie można zapisać do %1.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB; only its first %2 MiB were read.
The recipe shown may not be the whole of it.</source>
        <translation>Plik %1 ma więcej niż %2 MiB; odczytano tylko pierwsze %2 MiB.
Pokazany przepis może być niepełny.</translation>
    </message>
    <message>
        <source>Ko-Vaq files (*.mix)</source>
        <translation>Pliki Ko-Vaq (*.mix)</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Uwaga...</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Język pulpitu</translation>
    </message>
    <message>
        <source>Ko-Vaq will follow the desktop&apos;s language from its next start.</source>
        <translation>Od następnego uruchomienia Ko-Vaq będzie używał języka pulpitu.</translation>
    </message>
    <message>
        <source>Ko-Vaq will be in %1 from its next start.</source>
        <translation>Od następnego uruchomienia Ko-Vaq będzie używał języka: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
</context>
<context>
    <name>kovaq::Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
</context>
<context>
    <name>kovaq::BatchModel</name>
    <message>
        <source>ready in %1 days</source>
        <translation>gotowa za %1 dni</translation>
    </message>
    <message>
        <source>ready tomorrow</source>
        <translation>gotowa jutro</translation>
    </message>
    <message>
        <source>ready today</source>
        <translation>gotowa dziś</translation>
    </message>
    <message>
        <source>ready since %1</source>
        <translation>gotowa od %1</translation>
    </message>
    <message>
        <source>Short: %1</source>
        <translation>Brak: %1</translation>
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
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Zmieszano</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Moc</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowa</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
</context>
<context>
    <name>kovaq::BookIcon</name>
    <message>
        <source>Recipes (Ctrl+R)</source>
        <translation>Przepisy (Ctrl+R)</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Przepisy</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleLabels</name>
    <message>
        <source>The printer&apos;s own</source>
        <translation>Domyślny drukarki</translation>
    </message>
    <message>
        <source>Mixed %1 · Ready %2</source>
        <extracomment>The day a batch was mixed (%1) and the day it has steeped (%2).</extracomment>
        <translation>Zmieszano %1 · Gotowy %2</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <extracomment>The maker of the nicotine base.</extracomment>
        <translation>Baza: %1</translation>
    </message>
    <message>
        <source>Contains nicotine</source>
        <translation>Zawiera nikotynę</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleModel</name>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>Stan ml</translation>
    </message>
    <message>
        <source>Bottle ml</source>
        <translation>Poj. ml</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>Nicotine mg/ml</source>
        <translation>Nik. mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
</context>
<context>
    <name>kovaq::Calc</name>
    <message>
        <source>kovaq-calc: cannot write %1: %2</source>
        <translation>kovaq-calc: nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Mix: %1</source>
        <translation>Mieszanka: %1</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Składnik</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramy</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>waga pokaże</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>RAZEM</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>b.d.</translation>
    </message>
    <message>
        <source>Volume (ml)</source>
        <translation>Objętość (ml)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Koszt</translation>
    </message>
    <message>
        <source>Status: %1%2</source>
        <extracomment>The status line: its cost part (%1), then its volume part (%2).</extracomment>
        <translation>Stan: %1%2</translation>
    </message>
    <message>
        <source>The mix is too strong for this base.</source>
        <translation>Mieszanka jest za mocna dla tej bazy.</translation>
    </message>
    <message>
        <source>Missing:%1</source>
        <extracomment>%1 is the recipe file&apos;s keys of the fields, each after a space.</extracomment>
        <translation>Brakuje:%1</translation>
    </message>
    <message>
        <source>(! marks a text shown in red)</source>
        <translation>(! oznacza tekst pokazany na czerwono)</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot write the output: %1</source>
        <translation>kovaq-calc: nie można zapisać wyniku: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read %1: %2</source>
        <translation>kovaq-calc: nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>kovaq-calc: warning: %1 is longer than %2 MiB; only its first %2 MiB were read</source>
        <translation>kovaq-calc: uwaga: %1 ma więcej niż %2 MiB; odczytano tylko pierwsze %2 MiB</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read the folder %1</source>
        <translation>kovaq-calc: nie można odczytać folderu %1</translation>
    </message>
    <message>
        <source>kovaq-calc: not used: %1</source>
        <extracomment>A line of the text that says nothing of a recipe (%1).</extracomment>
        <translation>kovaq-calc: nieużyte: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: there is no recipe in %1: no flavour with its share, and no volume with a strength or a ratio</source>
        <translation>kovaq-calc: w %1 nie ma przepisu: brak aromatu z udziałem i brak objętości z mocą lub proporcją</translation>
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
        <translation>Użycie: kovaq-calc [--json] FILE.mix
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

Wczytuje przepis Ko-Vaq tak jak „Otwórz” w oknie i oblicza mieszankę.
Bez --report wypisuje objętość i koszt każdego składnika, sumę, wiersz
stanu oraz brakujące pola.

  --json         wypisz JSON zamiast tekstu
  --weights      wypisz tabelę ważenia: gramy każdego składnika i to, co pokaże
                 waga po dodaniu każdego z nich
  --check        powiedz w jednym wierszu, czy mieszankę da się zrobić, a jeśli nie,
                 co się da; kod wyjścia 0, gdy się da, 3, gdy się nie da
  --list         wypisz każdy przepis z folderów i ich podfolderów: nazwę, moc,
                 objętość, PG/VG, aromaty, koszt, czy da się go zrobić, plik;
                 kod wyjścia 1 tylko wtedy, gdy folderu w ogóle nie da się odczytać
  --search WORDS z --list tylko przepisy pasujące do każdego słowa: słowa z nazwy,
                 aromatu, notatek lub nazwy pliku, &quot;3mg&quot;, &quot;lemon 10%&quot;
  --report KIND  wypisz raport summary, details lub weights, wiersz po wierszu,
                 z tabulatorami; lub etykietę butelki partii zmieszanej dziś
  --label-size S rozmiar etykiety w milimetrach (domyślnie 50x25)
  --steep DAYS   z etykietą: liczba dni maceracji (domyślnie 7)
  --to-text      wypisz przepis tak, jak kopiuje go „Kopiuj przepis”, do postu
                 na forum
  --from-text    wczytaj przepis z tekstu jak „Wklej przepis” (FILE.txt lub - dla
                 standardowego wejścia) i zapisz go jako OUT.mix; nieużyte wiersze
                 idą na standardowe wyjście błędów; kod wyjścia 3, gdy w tekście
                 nie ma przepisu
  --to-json      wypisz przepis jako JSON ({&quot;format&quot;: &quot;ko-vaq-recipe&quot;,
                 &quot;version&quot;: 1, &quot;recipe&quot;: {...}})
  --from-json    zapisz taki przepis JSON jako OUT.mix
  --shots        shoty nikotynowe do premiksu: ML liquidu 0 mg w butelce BOTTLE ml,
                 shoty po SHOT_MG mg i SHOT_ML ml, by uzyskać TARGET mg
  --dilute       gotowa partia ML ml o mocy FROM_MG doprowadzona do TO_MG: liquid
                 0 mg, by ją osłabić, lub baza nikotynowa --base MG, by ją wzmocnić
  --ratio        gotowa partia ML ml z PG procent PG doprowadzona do TO_PG przez
                 dodanie PG lub VG
  --scale G      dokładność wagi: 0.1, 0.01 (domyślnie) lub 0.001 g, dla wskazówki
                 o ilościach za małych do zważenia (także z --report weights)
  --stash        wypisz butelki z zapasów: rodzaj, nazwa, producent, ml na stanie,
                 rozmiar butelki, cena, PG/VG, moc nikotyny, gęstość
  --batches      wypisz zmieszane partie, od najnowszej, z datą gotowości
  --csv          z --batches lista jako CSV (RFC 4180, UTF-8, daty ISO); ze
                 --stash butelki w kolumnach, które czyta --stash-import
  --stash-import FILE.csv
                 dodaj butelki z pliku CSV do zapasów i zaktualizuj te o tym samym
                 rodzaju, nazwie i producencie (kolumny nazwane w wierszu nagłówka,
                 w dowolnej kolejności: kind, name, maker, on_hand_ml, bottle_ml,
                 price, pgvg, strength, gravity, notes); odrzucone wiersze idą na
                 standardowe wyjście błędów z numerem i powodem, kod wyjścia 3;
                 odrzucone w całości, gdy Ko-Vaq ma otwarte zapasy
  --makeable     dla każdego przepisu z folderów: czy zapasy mają wszystko, co
                 potrzeba, ile da się zrobić i czego brakuje
  --flavours     dla każdego aromatu z przepisów w folderach: w ilu przepisach
                 jest oraz jego najmniejszy, środkowy (mediana) i największy udział
  --shopping     czego potrzebują pliki przepisów, a brakuje w zapasach: w ml
                 i w całych butelkach znanych rozmiarów, po ostatniej cenie
  --db FILE      baza danych zapasów (domyślnie ta, którą prowadzi Ko-Vaq,
                 $XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite); zapisuje ją
                 tylko --stash-import
  --notes        dołącz notatki do raportu
  --unused       dołącz nieużyte składniki (raport details)
  --text-size N  rozmiar tekstu raportu w punktach (domyślnie 12)
  --pdf OUT.pdf  zapisz raport do PDF (A4, marginesy ćwierć cala; etykieta na
                 stronie jej rozmiaru)
  --version      pokaż wersję
  --help         pokaż ten tekst

Kod wyjścia: 0 po wykonaniu, 1 gdy nie da się odczytać pliku lub zapasów albo
zapisać wyniku, 2 przy błędnym wierszu poleceń, 3 gdy --check znajdzie mieszankę,
której nie da się zrobić, lub --stash-import odrzuci wiersz.
</translation>
    </message>
    <message>
        <source>one of --shots, --dilute and --ratio at a time</source>
        <translation>tylko jedno z --shots, --dilute i --ratio naraz</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 is missing</source>
        <translation>użycie: kovaq-calc %1: brakuje %2</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 %3 is not a figure from 0 to %4</source>
        <translation>użycie: kovaq-calc %1: %2 %3 nie jest liczbą od 0 do %4</translation>
    </message>
    <message>
        <source>usage: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 is not a figure from 0 to 1000</source>
        <translation>użycie: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 nie jest liczbą od 0 do 1000</translation>
    </message>
    <message>
        <source>--scale takes 0.1, 0.01 or 0.001</source>
        <translation>--scale przyjmuje 0.1, 0.01 lub 0.001</translation>
    </message>
    <message>
        <source>--report takes summary, details, weights or label</source>
        <translation>--report przyjmuje summary, details, weights lub label</translation>
    </message>
    <message>
        <source>--text-size takes 8, 10, 12 or 14</source>
        <translation>--text-size przyjmuje 8, 10, 12 lub 14</translation>
    </message>
    <message>
        <source>one of --to-text, --to-json, --from-text and --from-json at a time</source>
        <translation>tylko jedno z --to-text, --to-json, --from-text i --from-json naraz</translation>
    </message>
    <message>
        <source>--label-size takes 50x25, 70x40 or 100x50</source>
        <translation>--label-size przyjmuje 50x25, 70x40 lub 100x50</translation>
    </message>
    <message>
        <source>--steep takes a number of days from 0 to 365</source>
        <translation>--steep przyjmuje liczbę dni od 0 do 365</translation>
    </message>
    <message>
        <source>unknown option %1
</source>
        <translation>nieznana opcja %1
</translation>
    </message>
    <message>
        <source>only one file at a time</source>
        <translation>tylko jeden plik naraz</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale (and --base) only</source>
        <translation>--%1 łączy się tylko z --json i --scale (oraz --base)</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale only</source>
        <translation>--%1 łączy się tylko z --json i --scale</translation>
    </message>
    <message>
        <source>--base goes with --dilute</source>
        <translation>--base łączy się z --dilute</translation>
    </message>
    <message>
        <source>--scale goes with --shots, --dilute, --ratio and --report weights</source>
        <translation>--scale łączy się z --shots, --dilute, --ratio i --report weights</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go one at a time</source>
        <translation>--stash-import, --makeable, --flavours i --shopping tylko pojedynczo</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go with --json, --csv and --db only</source>
        <translation>--stash-import, --makeable, --flavours i --shopping łączą się tylko z --json, --csv i --db</translation>
    </message>
    <message>
        <source>--stash-import goes with --db only</source>
        <translation>--stash-import łączy się tylko z --db</translation>
    </message>
    <message>
        <source>--flavours goes with --json only</source>
        <translation>--flavours łączy się tylko z --json</translation>
    </message>
    <message>
        <source>--makeable goes with --json and --db only</source>
        <translation>--makeable łączy się tylko z --json i --db</translation>
    </message>
    <message>
        <source>--json and --csv go one at a time</source>
        <translation>--json i --csv tylko pojedynczo</translation>
    </message>
    <message>
        <source>--shopping needs a recipe file</source>
        <translation>--shopping wymaga pliku przepisu</translation>
    </message>
    <message>
        <source>--makeable and --flavours need a folder</source>
        <translation>--makeable i --flavours wymagają folderu</translation>
    </message>
    <message>
        <source>--%1 goes alone (or with --db)</source>
        <translation>--%1 występuje samo (lub z --db)</translation>
    </message>
    <message>
        <source>--%1 goes alone</source>
        <translation>--%1 występuje samo</translation>
    </message>
    <message>
        <source>--%1 needs the file to read and the recipe file to write</source>
        <translation>--%1 wymaga pliku do odczytu i pliku przepisu do zapisu</translation>
    </message>
    <message>
        <source>--%1 needs a recipe file</source>
        <translation>--%1 wymaga pliku przepisu</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches, --to-text or --report label</source>
        <translation>--db łączy się z --stash, --batches, --to-text lub --report label</translation>
    </message>
    <message>
        <source>--stash and --batches go one at a time</source>
        <translation>--stash i --batches tylko pojedynczo</translation>
    </message>
    <message>
        <source>--stash and --batches go with --json, --csv and --db only</source>
        <translation>--stash i --batches łączą się tylko z --json, --csv i --db</translation>
    </message>
    <message>
        <source>--csv goes with --stash, --batches or --shopping</source>
        <translation>--csv łączy się z --stash, --batches lub --shopping</translation>
    </message>
    <message>
        <source>--label-size and --steep go with --report label</source>
        <translation>--label-size i --steep łączą się z --report label</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches or --report label</source>
        <translation>--db łączy się z --stash, --batches lub --report label</translation>
    </message>
    <message>
        <source>--list goes with --json and --search only</source>
        <translation>--list łączy się tylko z --json i --search</translation>
    </message>
    <message>
        <source>--search goes with --list</source>
        <translation>--search łączy się z --list</translation>
    </message>
    <message>
        <source>--pdf, --notes and --unused go with --report</source>
        <translation>--pdf, --notes i --unused łączą się z --report</translation>
    </message>
    <message>
        <source>--json holds the weights already</source>
        <translation>--json zawiera już wagi</translation>
    </message>
</context>
<context>
    <name>kovaq::CalcStash</name>
    <message>
        <source>kovaq-calc: warning: %1</source>
        <translation>kovaq-calc: uwaga: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>On hand</source>
        <translation>Na stanie</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Butelka</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Zmieszano</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowa</translation>
    </message>
</context>
<context>
    <name>kovaq::Calculation</name>
    <message>
        <source>Cost Ignored, </source>
        <translation>Bez kosztów, </translation>
    </message>
    <message>
        <source>Cost OK, </source>
        <translation>Koszt OK, </translation>
    </message>
    <message>
        <source>Cost Pending, </source>
        <translation>Brak kosztów, </translation>
    </message>
    <message>
        <source>Volumes OK</source>
        <translation>Objętości OK</translation>
    </message>
    <message>
        <source>Vols Pending</source>
        <translation>Brak obj.</translation>
    </message>
    <message>
        <source>Cost Pending,</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Brak kosztów,</translation>
    </message>
    <message>
        <source>Qty Pending</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Brak ilości</translation>
    </message>
    <message>
        <source>This Mix Cannot Be Achieved</source>
        <translation>Tej mieszanki nie da się zrobić</translation>
    </message>
    <message>
        <source>    You could try reducing the Mix Strength
    or changing the PG/VG ratio of your mix.
Also, you could try reducing the percentages
   of your flavours or vodka/water additive</source>
        <translation>    Spróbuj zmniejszyć moc mieszanki
    lub zmienić jej proporcję PG/VG.
Możesz też zmniejszyć udziały procentowe
   aromatów lub dodatku wódki/wody</translation>
    </message>
</context>
<context>
    <name>kovaq::Feasibility</name>
    <message>
        <source>the mix ratio can be from %1 to %2 PG-VG</source>
        <translation>proporcja mieszanki może wynosić od %1 do %2 PG-VG</translation>
    </message>
    <message>
        <source>the mix ratio can be %1 PG-VG</source>
        <translation>proporcja mieszanki może wynosić %1 PG-VG</translation>
    </message>
    <message>
        <source>no mix ratio works</source>
        <translation>żadna proporcja mieszanki nie pasuje</translation>
    </message>
    <message>
        <source>up to %1 mg</source>
        <translation>do %1 mg</translation>
    </message>
    <message>
        <source>up to %1 mg at %2</source>
        <extracomment>%2 is a PG-VG ratio such as 70-30.</extracomment>
        <translation>do %1 mg przy %2</translation>
    </message>
    <message>
        <source>the flavours and vodka/water at %1 % of their shares</source>
        <translation>aromaty i wódka/woda w %1 % swoich udziałów</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>Joins one more choice (%2) to the choices before it (%1).</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>With these ingredients %1.</source>
        <extracomment>%1 is the choices, joined.</extracomment>
        <translation>Z tymi składnikami: %1.</translation>
    </message>
    <message>
        <source>can be made</source>
        <translation>da się zrobić</translation>
    </message>
    <message>
        <source>nothing to make: the volume to make is 0</source>
        <translation>nic do zrobienia: objętość do zrobienia to 0</translation>
    </message>
    <message>
        <source>too strong for this base</source>
        <translation>za mocna dla tej bazy</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>nie da się zrobić</translation>
    </message>
</context>
<context>
    <name>kovaq::FileFlows</name>
    <message>
        <source>Unable to write to %1: %2.</source>
        <translation>Nie można zapisać do %1: %2.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Uwaga...</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourBook</name>
    <message numerus="yes">
        <source>%1: in %n of your recipes, %2 %, usually %3 %</source>
        <translation>
            <numerusform>%1: w %n z Twoich przepisów, %2 %, zwykle %3 %</numerusform>
            <numerusform>%1: w %n z Twoich przepisów, %2 %, zwykle %3 %</numerusform>
            <numerusform>%1: w %n z Twoich przepisów, %2 %, zwykle %3 %</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourDelegate</name>
    <message>
        <source>none</source>
        <comment>no rating</comment>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourModel</name>
    <message>
        <source>Flavour</source>
        <translation>Aromat</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Przepisy</translation>
    </message>
    <message>
        <source>Lowest %</source>
        <translation>Najmn. %</translation>
    </message>
    <message>
        <source>Median %</source>
        <translation>Mediana %</translation>
    </message>
    <message>
        <source>Highest %</source>
        <translation>Najw. %</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>Stan ml</translation>
    </message>
    <message>
        <source>Last mixed</source>
        <translation>Ost. mieszanie</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>Preferred %</source>
        <translation>Ulubiony %</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
</context>
<context>
    <name>kovaq::HelpIcon</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>kovaq::IngredientPanel</name>
    <message>
        <source>  Ingredient Details  </source>
        <translation>  Szczegóły składników  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Koszt (£/$/€)</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>Short for quantity: the bottle&apos;s size the cost is for.</extracomment>
        <translation>Poj.</translation>
    </message>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base: the liquid of known nicotine strength the mix is thinned from; short, it stands in a narrow column.</extracomment>
        <translation>Baza nik.</translation>
    </message>
    <message>
        <source>Click to change base type</source>
        <translation>Kliknij, aby zmienić rodzaj bazy</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a cost and the quantity it buys: &quot;12.50 per 100 ml&quot;.</extracomment>
        <translation>za</translation>
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
        <translation>Moc bazy nik.</translation>
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
        <translation>Pisz „Zawiera nikotynę” na etykietach partii z nikotyną</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Drukuj etykietę</translation>
    </message>
    <message>
        <source>&amp;Label size:</source>
        <translation>&amp;Rozmiar etykiety:</translation>
    </message>
    <message>
        <source>The label as it will print</source>
        <translation>Etykieta tak, jak zostanie wydrukowana</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
</context>
<context>
    <name>kovaq::MainWindow</name>
    <message>
        <source>  Notes  </source>
        <translation>  Notatki  </translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>V %1</source>
        <extracomment>The tooltip of the program&apos;s name: its version, as &quot;V 1.0.1&quot;.</extracomment>
        <translation>V %1</translation>
    </message>
    <message>
        <source>The free DIY e-juice mixing calculator</source>
        <translation>Darmowy kalkulator liquidów DIY</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Otwórz...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Zapisz...</translation>
    </message>
    <message>
        <source>New Mix...</source>
        <translation>Nowy mix...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Kopiuj przepis</translation>
    </message>
    <message>
        <source>Paste Recipe...</source>
        <translation>Wklej przepis...</translation>
    </message>
    <message>
        <source>Export JSON...</source>
        <translation>Eksport JSON...</translation>
    </message>
    <message>
        <source>Import JSON...</source>
        <translation>Import JSON...</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Przepisy</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Zapasy</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Zmieszaj...</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Mieszanie wagowe</translation>
    </message>
    <message>
        <source>Shots and Fixes</source>
        <translation>Shoty i poprawki</translation>
    </message>
    <message>
        <source>Layout</source>
        <extracomment>The button that turns the window between portrait and landscape.</extracomment>
        <translation>Układ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Please visit me at %1</source>
        <translation>Odwiedź mnie na %1</translation>
    </message>
    <message>
        <source>Visit My Website</source>
        <translation>Odwiedź moją stronę</translation>
    </message>
    <message>
        <source>Email me for help</source>
        <translation>Napisz po pomoc</translation>
    </message>
    <message>
        <source>email me</source>
        <translation>napisz do mnie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1” nie jest poprawną liczbą</translation>
    </message>
    <message>
        <source>Entry Was Too Long</source>
        <translation>Wpis był za długi</translation>
    </message>
    <message>
        <source>Use %1</source>
        <extracomment>A button that picks the nearest PG/VG ratio the mix can have, as in &quot;Use 40-60&quot;.</extracomment>
        <translation>Użyj %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>b.d.</translation>
    </message>
    <message>
        <source>%1 volume: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its volume.</extracomment>
        <translation>%1 – objętość: %2</translation>
    </message>
    <message>
        <source>%1 cost: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its cost.</extracomment>
        <translation>%1 – koszt: %2</translation>
    </message>
    <message>
        <source>TOTAL cost: %1</source>
        <translation>Koszt RAZEM: %1</translation>
    </message>
    <message>
        <source>Cost status: %1</source>
        <translation>Stan kosztów: %1</translation>
    </message>
    <message>
        <source>Volume status: %1</source>
        <translation>Stan objętości: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
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
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>kovaq::MixItDialog</name>
    <message>
        <source>Mix It</source>
        <translation>Zmieszaj</translation>
    </message>
    <message>
        <source> days</source>
        <translation> dni</translation>
    </message>
    <message>
        <source>Steep days</source>
        <translation>Dni maceracji</translation>
    </message>
    <message>
        <source>&amp;Steep for:</source>
        <translation>&amp;Maceracja:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notatka:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>The stash does not hold all of it:
%1</source>
        <translation>W zapasach nie ma wszystkiego:
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
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>kovaq::OneBottleAwayDialog</name>
    <message>
        <source>One Bottle Away</source>
        <translation>Jedna butelka więcej</translation>
    </message>
    <message>
        <source>Each of these bottles alone would let you make more of your recipes:</source>
        <translation>Każda z tych butelek sama pozwoliłaby zrobić więcej Twoich przepisów:</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Butelka</translation>
    </message>
    <message>
        <source>Recipes it makes possible</source>
        <translation>Przepisy, które umożliwia</translation>
    </message>
    <message>
        <source>Short by (ml)</source>
        <translation>Brakuje (ml)</translation>
    </message>
    <message>
        <source>Bottles that would make more recipes possible</source>
        <translation>Butelki, które umożliwiłyby więcej przepisów</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No single bottle would make another recipe possible.</source>
        <translation>Żadna pojedyncza butelka nie umożliwi kolejnego przepisu.</translation>
    </message>
</context>
<context>
    <name>kovaq::PasteRecipeDialog</name>
    <message>
        <source>Paste Recipe</source>
        <translation>Wklej przepis</translation>
    </message>
    <message>
        <source>&amp;Recipe text:</source>
        <translation>&amp;Tekst przepisu:</translation>
    </message>
    <message>
        <source>Recipe text</source>
        <translation>Tekst przepisu</translation>
    </message>
    <message>
        <source>Open Text File...</source>
        <translation>Otwórz plik...</translation>
    </message>
    <message>
        <source>What Ko-Vaq reads in it:</source>
        <translation>Co Ko-Vaq w nim odczytuje:</translation>
    </message>
    <message>
        <source>Keep the lines not used in the notes</source>
        <translation>Zachowaj nieużyte wiersze w notatkach</translation>
    </message>
    <message>
        <source>Use It</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Text files (*.txt *.text *.md);;All files (*)</source>
        <translation>Pliki tekstowe (*.txt *.text *.md);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Nie można otworzyć %1.
%2</translation>
    </message>
    <message>
        <source>&lt;b&gt;There is no recipe in this text.&lt;/b&gt; Ko-Vaq looks for flavours with their shares (&quot;Lemon 3%&quot;), or a volume with a strength or a PG/VG ratio. Nothing will change.</source>
        <translation>&lt;b&gt;W tym tekście nie ma przepisu.&lt;/b&gt; Ko-Vaq szuka aromatów z ich udziałami („Cytryna 3%”) albo objętości z mocą lub proporcją PG/VG. Nic się nie zmieni.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
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
        <translation>Baza nikotynowa: %1</translation>
    </message>
    <message>
        <source>%1 stands as %2</source>
        <translation>%1 pokazano jako %2</translation>
    </message>
    <message>
        <source>Shortened to fit the window:</source>
        <translation>Skrócone, by zmieścić się w oknie:</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Wódka/woda</translation>
    </message>
    <message>
        <source>* shortened to fit the window (the whole names are in the tooltip)</source>
        <translation>* skrócone, by zmieścić się w oknie (pełne nazwy są w podpowiedzi)</translation>
    </message>
    <message numerus="yes">
        <source>Notes: %n line(s)</source>
        <translation>
            <numerusform>Notatki: %n wiersz</numerusform>
            <numerusform>Notatki: %n wiersze</numerusform>
            <numerusform>Notatki: %n wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>Not used (kept in the notes):</source>
        <translation>Nieużyte (zachowane w notatkach):</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>Nieużyte:</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintJob</name>
    <message>
        <source>The margins and text size leave no room for a line on this paper.</source>
        <translation>Przy tych marginesach i rozmiarze tekstu na tym papierze nie zmieści się ani jeden wiersz.</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>Drukarka jest niedostępna.</translation>
    </message>
    <message>
        <source>The printer did not take the next page; the print was stopped.</source>
        <translation>Drukarka nie przyjęła kolejnej strony; drukowanie przerwano.</translation>
    </message>
    <message>
        <source>The printer did not finish the print.</source>
        <translation>Drukarka nie dokończyła wydruku.</translation>
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
        <translation> Obraz nie zmieści się na tym papierze -
          i zostanie przycięty

 Kliknij stronę, by ukryć ten komunikat,
    albo zmień obraz/marginesy/papier</translation>
    </message>
    <message>
        <source>     Text Will Not Fit This Size Paper - 
           Printer May Wrap Lines 
       Or Print More Than One Page

  Click On Page To Clear This Message 
 Or Change Size Of Text/Margins/Page </source>
        <extracomment>Centred by the leading blanks in a hint over the page&apos;s preview.</extracomment>
        <translation> Tekst nie zmieści się na tym papierze - 
      drukarka może zawijać wiersze 
 lub wydrukować więcej niż jedną stronę

 Kliknij stronę, by ukryć ten komunikat 
    albo zmień tekst/marginesy/papier </translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Opcje drukowania</translation>
    </message>
    <message>
        <source>You Have 3 Options For Printing - Please Choose One</source>
        <translation>Masz 3 możliwości drukowania – wybierz jedną</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zestawienie</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Screen Image</source>
        <translation>Obraz ekranu</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Include Notes</source>
        <translation>Dołącz notatki</translation>
    </message>
    <message>
        <source>Include Unused Ingredients</source>
        <translation>Dołącz nieużyte składniki</translation>
    </message>
    <message>
        <source>Printer Minimum</source>
        <translation>Minimum drukarki</translation>
    </message>
    <message>
        <source>Narrow (0.125&quot;)</source>
        <translation>Wąski (0.125&quot;)</translation>
    </message>
    <message>
        <source>Normal (0.25&quot;)</source>
        <translation>Normalny (0.25&quot;)</translation>
    </message>
    <message>
        <source>Wide (0.5&quot;)</source>
        <translation>Szeroki (0.5&quot;)</translation>
    </message>
    <message>
        <source>Ex Wide (0.75&quot;)</source>
        <translation>B. szeroki (0.75&quot;)</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Lewy margines</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Górny margines</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Rozmiar tekstu</translation>
    </message>
    <message>
        <source>v. Small (8pt)</source>
        <translation>B. mały (8pt)</translation>
    </message>
    <message>
        <source>Small (10pt)</source>
        <translation>Mały (10pt)</translation>
    </message>
    <message>
        <source>Normal (12pt)</source>
        <translation>Normalny (12pt)</translation>
    </message>
    <message>
        <source>Large (14pt)</source>
        <translation>Duży (14pt)</translation>
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
        <translation>Do strony</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Rozmiar obrazu</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>Drukarka jest niedostępna.</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintProgressWindow</name>
    <message>
        <source>Printing Image...</source>
        <translation>Drukowanie obrazu...</translation>
    </message>
    <message>
        <source>Please Wait - Rendering  Image
And Sending To Printer</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Proszę czekać – tworzenie obrazu
i wysyłanie do drukarki</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeFoldersDialog</name>
    <message>
        <source>Recipe Folders</source>
        <translation>Foldery przepisów</translation>
    </message>
    <message>
        <source>Recipes are looked for in these folders and every folder in them:</source>
        <translation>Przepisy są szukane w tych folderach i we wszystkich ich podfolderach:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Dodaj...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>do %1 ml</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>brak: %1</translation>
    </message>
    <message>
        <source>%1: %2 ml needed, %3 ml on hand</source>
        <translation>%1: potrzeba %2 ml, na stanie %3 ml</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Moc</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Aromaty</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Koszt</translation>
    </message>
    <message>
        <source>Can be made</source>
        <translation>Wykonalny</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Can make</source>
        <translation>Z zapasów</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeShare</name>
    <message>
        <source>%1 is not on the list: %2 is used.</source>
        <translation>%1 nie ma na liście: użyto %2.</translation>
    </message>
    <message>
        <source>The base&apos;s %1 is not on the list: %2 is used.</source>
        <translation>%1 bazy nie ma na liście: użyto %2.</translation>
    </message>
    <message>
        <source>Only eight flavours fit: left out %1.</source>
        <translation>Mieści się tylko osiem aromatów: pominięto %1.</translation>
    </message>
    <message>
        <source>%1 mg needs a nicotine base: type the base&apos;s strength, then the strength. &quot;%2&quot; is kept in the notes.</source>
        <translation>%1 mg wymaga bazy nikotynowej: wpisz moc bazy, a potem moc mieszanki. „%2” zachowano w notatkach.</translation>
    </message>
    <message>
        <source>%1 (kept in the notes)</source>
        <extracomment>%1 is the note as it is kept, in English (&quot;Steep: 7 days&quot;).</extracomment>
        <translation>%1 (zachowane w notatkach)</translation>
    </message>
    <message>
        <source>Read the first %1 KB of the text; the rest was not used.</source>
        <translation>Odczytano pierwsze %1 KB tekstu; reszty nie użyto.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesController</name>
    <message>
        <source>Shopping List</source>
        <translation>Lista zakupów</translation>
    </message>
    <message>
        <source>%1: %2 ml</source>
        <translation>%1: %2 ml</translation>
    </message>
    <message>
        <source>shopping list.csv</source>
        <translation>lista zakupów.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Nie można zapisać do %1.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesWindow</name>
    <message>
        <source>Recipes</source>
        <translation>Przepisy</translation>
    </message>
    <message>
        <source>Only what I can make</source>
        <translation>Tylko co da się zrobić</translation>
    </message>
    <message>
        <source>Lists only the recipes the bottles in your stash can make</source>
        <translation>Pokazuje tylko przepisy, które da się zrobić z butelek w zapasach</translation>
    </message>
    <message>
        <source>One Bottle Away...</source>
        <translation>Jedna butelka...</translation>
    </message>
    <message>
        <source>The bottles that would each let you make more of your recipes</source>
        <translation>Butelki, z których każda pozwoliłaby zrobić więcej Twoich przepisów</translation>
    </message>
    <message>
        <source>Add to Shopping List</source>
        <translation>Do listy zakupów</translation>
    </message>
    <message>
        <source>Puts the chosen recipe on the shopping list, with what to buy for it</source>
        <translation>Dodaje wybrany przepis do listy zakupów wraz z tym, co trzeba do niego kupić</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 już nie istnieje.</translation>
    </message>
    <message>
        <source>No file manager is available to show the folder. The recipe is in %1.</source>
        <translation>Brak menedżera plików, który pokaże folder. Przepis jest w %1.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Uwaga...</translation>
    </message>
    <message>
        <source>Search: words of a name, flavour or note, 3mg, lemon 10%</source>
        <translation>Szukaj: nazwa, aromat, notatka, 3mg, cytryna 10%</translation>
    </message>
    <message>
        <source>Search recipes</source>
        <translation>Szukaj przepisów</translation>
    </message>
    <message>
        <source>Folders...</source>
        <translation>Foldery...</translation>
    </message>
    <message>
        <source>Stash...</source>
        <translation>Zapasy...</translation>
    </message>
    <message>
        <source>The bottles you own and the batches you mixed (Ctrl+T)</source>
        <translation>Twoje butelki i zmieszane partie (Ctrl+T)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Reading recipes… %1 of %2</source>
        <translation>Odczyt przepisów… %1 z %2</translation>
    </message>
    <message>
        <source>Reading recipes…</source>
        <translation>Odczyt przepisów…</translation>
    </message>
    <message numerus="yes">
        <source>%n recipe(s)</source>
        <translation>
            <numerusform>%n przepis</numerusform>
            <numerusform>%n przepisy</numerusform>
            <numerusform>%n przepisów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n recipe(s)</source>
        <translation>
            <numerusform>%1 z %n przepisu</numerusform>
            <numerusform>%1 z %n przepisów</numerusform>
            <numerusform>%1 z %n przepisów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — cannot read %2</source>
        <translation>%1 — nie można odczytać %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 — some folders read every %n second(s)</source>
        <translation>
            <numerusform>%1 — niektóre foldery odczytywane co %n sekundę</numerusform>
            <numerusform>%1 — niektóre foldery odczytywane co %n sekundy</numerusform>
            <numerusform>%1 — niektóre foldery odczytywane co %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 to the trash?</source>
        <translation>Przenieść %1 do kosza?</translation>
    </message>
    <message>
        <source>Unable to move %1 to the trash.</source>
        <translation>Nie można przenieść %1 do kosza.</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Kopiuj przepis</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Kopiuj ścieżkę</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikuj</translation>
    </message>
    <message>
        <source>Move to trash...</source>
        <translation>Przenieś do kosza...</translation>
    </message>
</context>
<context>
    <name>kovaq::ReportRenderer</name>
    <message>
        <source>The PDF could not be made</source>
        <translation>Nie udało się utworzyć pliku PDF</translation>
    </message>
</context>
<context>
    <name>kovaq::Reports</name>
    <message>
        <source>Calculated with Ko-Vaq from %1</source>
        <translation>Obliczono programem Ko-Vaq ze strony %1</translation>
    </message>
    <message>
        <source>Mix Name</source>
        <translation>Nazwa mieszanki</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>b.d.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Nic Base Strength</source>
        <translation>Moc bazy nik.</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Moc nikotyny</translation>
    </message>
    <message>
        <source>Mix PG-VG Ratio (%)</source>
        <translation>Proporcja PG-VG (%)</translation>
    </message>
    <message>
        <source>Mix Volume</source>
        <translation>Objętość mieszanki</translation>
    </message>
    <message>
        <source>TOTAL COST</source>
        <translation>KOSZT RAZEM</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Szczegóły składników</translation>
    </message>
    <message>
        <source>Mixing Volumes</source>
        <translation>Objętości do mieszania</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Koszt</translation>
    </message>
    <message>
        <source>Qty(ml)</source>
        <translation>Poj.(ml)</translation>
    </message>
    <message>
        <source>Vol(ml)</source>
        <translation>Obj.(ml)</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <translation>Glikol prop. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <translation>Glic. roślinna (VG)</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Wódka/woda</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a bottle&apos;s price and its size in ml: &quot;2.50 per 10&quot;.</extracomment>
        <translation>za</translation>
    </message>
    <message>
        <source>Mixing Specification</source>
        <translation>Specyfikacja mieszanki</translation>
    </message>
    <message>
        <source>Costs For This Mix</source>
        <translation>Koszty tej mieszanki</translation>
    </message>
    <message>
        <source>Costs</source>
        <translation>Koszty</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>RAZEM</translation>
    </message>
    <message>
        <source>Weighed</source>
        <translation>Ważono</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Składnik</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramy</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>waga pokaże</translation>
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
        <translation>  Objętości do mieszania  </translation>
    </message>
    <message>
        <source>  Cost For This Mix  </source>
        <translation>  Koszt tej mieszanki  </translation>
    </message>
    <message>
        <source>Hi Precision</source>
        <translation>Wysoka dokł.</translation>
    </message>
    <message>
        <source>Ignore Costs</source>
        <translation>Pomiń koszty</translation>
    </message>
    <message>
        <source>Vol.(ml)</source>
        <translation>Obj.(ml)</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Koszt (£/$/€)</translation>
    </message>
    <message>
        <source>%1 volume</source>
        <extracomment>Read out by a screen reader: a row&apos;s caption, then what its value is.</extracomment>
        <translation>%1 – objętość</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>%1 – koszt</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>RAZEM</translation>
    </message>
    <message>
        <source>TOTAL cost</source>
        <translation>Koszt RAZEM</translation>
    </message>
</context>
<context>
    <name>kovaq::RetainDialog</name>
    <message>
        <source>Retain Some Details?</source>
        <translation>Zachować część danych?</translation>
    </message>
    <message>
        <source>Please Check The Boxes Below If You Would
Like To Retain Either Or Both Of These Panel&apos;s Contents</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Zaznacz poniższe pola, jeśli chcesz zachować
zawartość jednego lub obu tych paneli</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Szczegóły składników</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>kovaq::RowLabels</name>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base&apos;s row.</extracomment>
        <translation>Baza nik.</translation>
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
        <translation>Wódka/woda</translation>
    </message>
    <message>
        <source>NicBase  %1</source>
        <extracomment>The nicotine base&apos;s row once the base has a name (%1).</extracomment>
        <translation>Baza nik.  %1</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <extracomment>The PG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Glikol prop. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <extracomment>The VG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Glic. roślinna (VG)</translation>
    </message>
</context>
<context>
    <name>kovaq::ScalesIcon</name>
    <message>
        <source>Mix By Weight (Ctrl+G)</source>
        <translation>Mieszanie wagowe (Ctrl+G)</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Mieszanie wagowe</translation>
    </message>
</context>
<context>
    <name>kovaq::ShareController</name>
    <message>
        <source>Ko-Vaq recipe JSON (*.json)</source>
        <translation>Przepis Ko-Vaq JSON (*.json)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Nie można otworzyć %1.
%2</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>Nie można zaimportować %1.
%2</translation>
    </message>
</context>
<context>
    <name>kovaq::ShoppingWindow</name>
    <message>
        <source>Shopping List</source>
        <translation>Lista zakupów</translation>
    </message>
    <message>
        <source>Recipes to make:</source>
        <translation>Przepisy do zrobienia:</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Przepis</translation>
    </message>
    <message>
        <source>Make (ml)</source>
        <translation>Zrób (ml)</translation>
    </message>
    <message>
        <source>Recipes to make</source>
        <translation>Przepisy do zrobienia</translation>
    </message>
    <message>
        <source>What to buy:</source>
        <translation>Co kupić:</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Składnik</translation>
    </message>
    <message>
        <source>Short (ml)</source>
        <translation>Brak (ml)</translation>
    </message>
    <message>
        <source>Needed (ml)</source>
        <translation>Potrzeba (ml)</translation>
    </message>
    <message>
        <source>On hand (ml)</source>
        <translation>Na stanie (ml)</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Butelki</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Koszt</translation>
    </message>
    <message>
        <source>What to buy</source>
        <translation>Co kupić</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Takes the chosen recipe off the list</source>
        <translation>Usuwa wybrany przepis z listy</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copies the list as text</source>
        <translation>Kopiuje listę jako tekst</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Zapisz CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Ile zrobić</translation>
    </message>
    <message>
        <source>%1 × %2 ml</source>
        <translation>%1 × %2 ml</translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Niczego nie brakuje: w zapasach jest wszystko.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Razem: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 nie da się zmieszać w obecnej postaci: pominięto.</translation>
    </message>
</context>
<context>
    <name>kovaq::Shots</name>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution)</source>
        <translation>Za mało, by dobrze zważyć: rozcieńcz wstępnie 1:%1 w PG (%2 g roztworu)</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix</source>
        <translation>Za mało, by dobrze zważyć: rozcieńcz wstępnie 1:%1 w PG (%2 g roztworu) i odejmij %3 ml PG od mieszanki</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in VG (%2 g of the dilution) and leave %3 ml of VG out of the mix, as the mix&apos;s %4 ml of PG cannot take it</source>
        <translation>Za mało, by dobrze zważyć: rozcieńcz wstępnie 1:%1 w VG (%2 g roztworu) i odejmij %3 ml VG od mieszanki, bo %4 ml PG w mieszance na to nie wystarczy</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix, the most the mix&apos;s PG can take</source>
        <translation>Za mało, by dobrze zważyć: rozcieńcz wstępnie 1:%1 w PG (%2 g roztworu) i odejmij %3 ml PG od mieszanki – najwięcej, ile pozwala PG mieszanki</translation>
    </message>
    <message>
        <source>Too little to weigh well, and the mix&apos;s PG and VG cannot take a dilution of it: make a bigger batch or weigh it on a finer scale</source>
        <translation>Za mało, by dobrze zważyć, a PG i VG mieszanki nie wystarczą na roztwór: zrób większą partię lub użyj dokładniejszej wagi</translation>
    </message>
    <message>
        <source>Type the shortfill liquid&apos;s volume</source>
        <translation>Wpisz objętość liquidu w premiksie</translation>
    </message>
    <message>
        <source>Type the size of one shot</source>
        <translation>Wpisz pojemność jednego shota</translation>
    </message>
    <message>
        <source>%1 mg shots cannot make %2 mg</source>
        <translation>Shotami %1 mg nie da się uzyskać %2 mg</translation>
    </message>
    <message>
        <source>No room: the bottle holds %1 ml, the liquid %2 ml</source>
        <translation>Brak miejsca: butelka mieści %1 ml, liquid ma %2 ml</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g)</source>
        <translation>Shotów na %1 mg: %2 ml (%3 g)</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g), more than the %4 ml of room</source>
        <translation>Shotów na %1 mg: %2 ml (%3 g), więcej niż %4 ml wolnego miejsca</translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml</source>
        <extracomment>%n whole shots give %1 mg/ml in %2 ml.</extracomment>
        <translation>
            <numerusform>%n shot: %1 mg w %2 ml</numerusform>
            <numerusform>%n shoty: %1 mg w %2 ml</numerusform>
            <numerusform>%n shotów: %1 mg w %2 ml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</source>
        <translation>
            <numerusform>%n shot: %1 mg w %2 ml, przepełnia butelkę %3 ml</numerusform>
            <numerusform>%n shoty: %1 mg w %2 ml, przepełniają butelkę %3 ml</numerusform>
            <numerusform>%n shotów: %1 mg w %2 ml, przepełnia butelkę %3 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Then: %1 ml at %2</source>
        <extracomment>%2 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Wynik: %1 ml, %2</translation>
    </message>
    <message>
        <source>Type the batch&apos;s volume</source>
        <translation>Wpisz objętość partii</translation>
    </message>
    <message>
        <source>Already at %1 mg: add nothing</source>
        <translation>Już jest %1 mg: nic nie dodawaj</translation>
    </message>
    <message>
        <source>Adding liquid cannot take %1 mg to %2 mg</source>
        <translation>Dodanie liquidu nie zmieni %1 mg w %2 mg</translation>
    </message>
    <message>
        <source>Type the nicotine base&apos;s strength to make the batch stronger</source>
        <translation>Wpisz moc bazy nikotynowej, by wzmocnić partię</translation>
    </message>
    <message>
        <source>A %1 mg base cannot make %2 mg</source>
        <translation>Bazą %1 mg nie da się uzyskać %2 mg</translation>
    </message>
    <message>
        <source>Add %1 ml of 0 mg liquid at %2 (%3 g)</source>
        <translation>Dodaj %1 ml liquidu 0 mg o proporcji %2 (%3 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of the %2 mg base at %3 (%4 g)</source>
        <translation>Dodaj %1 ml bazy %2 mg o proporcji %3 (%4 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml of %2 mg at %3</source>
        <translation>Wynik: %1 ml, %2 mg, %3</translation>
    </message>
    <message>
        <source>Already at %1: add nothing</source>
        <extracomment>%1 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Już jest %1: nic nie dodawaj</translation>
    </message>
    <message>
        <source>Adding PG cannot make a batch with VG in it all PG</source>
        <translation>Dodając PG, nie zrobisz z partii z VG czystego PG</translation>
    </message>
    <message>
        <source>Adding VG cannot make a batch with PG in it all VG</source>
        <translation>Dodając VG, nie zrobisz z partii z PG czystej VG</translation>
    </message>
    <message>
        <source>Add %1 ml of PG (%2 g)</source>
        <translation>Dodaj %1 ml PG (%2 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of VG (%2 g)</source>
        <translation>Dodaj %1 ml VG (%2 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml at %2, %3 mg</source>
        <translation>Wynik: %1 ml, %2, %3 mg</translation>
    </message>
</context>
<context>
    <name>kovaq::ShotsWindow</name>
    <message>
        <source>Shots and Fixes</source>
        <translation>Shoty i poprawki</translation>
    </message>
    <message>
        <source>Shortfill &amp;liquid</source>
        <extracomment>A shortfill: a bottle of flavoured liquid without nicotine, part filled so that shots (small bottles of strong nicotine) can be added to it. &amp; marks the access key.</extracomment>
        <translation>Płyn pre&amp;miksu</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>&amp;Bottle size</source>
        <translation>Poj. &amp;butelki</translation>
    </message>
    <message>
        <source>Liquid&apos;s &amp;PG-VG</source>
        <translation>&amp;PG-VG płynu</translation>
    </message>
    <message>
        <source>&amp;Shot strength</source>
        <extracomment>A shot: a small bottle (10 ml) of strong nicotine added to a shortfill.</extracomment>
        <translation>Moc &amp;shota</translation>
    </message>
    <message>
        <source>mg/ml</source>
        <translation>mg/ml</translation>
    </message>
    <message>
        <source>Shot si&amp;ze</source>
        <translation>Poj. shot&amp;a</translation>
    </message>
    <message>
        <source>Shot&apos;s P&amp;G-VG</source>
        <translation>P&amp;G-VG shota</translation>
    </message>
    <message>
        <source>&amp;Target strength</source>
        <translation>Moc &amp;docelowa</translation>
    </message>
    <message>
        <source>Shortfill + Shots</source>
        <translation>Premix + shoty</translation>
    </message>
    <message>
        <source>&amp;Batch</source>
        <translation>&amp;Partia</translation>
    </message>
    <message>
        <source>Its &amp;strength</source>
        <translation>Jej &amp;moc</translation>
    </message>
    <message>
        <source>Its &amp;PG-VG</source>
        <translation>Jej P&amp;G-VG</translation>
    </message>
    <message>
        <source>0 mg liquid&apos;s P&amp;G-VG (to weaken)</source>
        <translation>PG-VG &amp;liquidu 0 mg (osłabienie)</translation>
    </message>
    <message>
        <source>Nicotine b&amp;ase (to strengthen)</source>
        <translation>Baza &amp;nikotynowa (wzmocnienie)</translation>
    </message>
    <message>
        <source>Base&apos;s PG-&amp;VG</source>
        <translation>PG-VG &amp;bazy</translation>
    </message>
    <message>
        <source>Change Strength</source>
        <translation>Zmiana mocy</translation>
    </message>
    <message>
        <source>&amp;Target PG-VG</source>
        <translation>PG-VG &amp;docelowe</translation>
    </message>
    <message>
        <source>Its &amp;strength (if known)</source>
        <translation>Jej &amp;moc (jeśli znana)</translation>
    </message>
    <message>
        <source>Change PG/VG</source>
        <translation>Zmiana PG/VG</translation>
    </message>
    <message>
        <source>Base From &amp;Mix</source>
        <translation>Baz&amp;a z mieszanki</translation>
    </message>
    <message>
        <source>The nicotine base of the mix in the main window</source>
        <translation>Baza nikotynowa mieszanki z okna głównego</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out by a screen reader: a field&apos;s caption, then its unit, as in &quot;Bottle size, ml&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From a batc&amp;h</source>
        <translation>Z part&amp;ii</translation>
    </message>
    <message>
        <source>From a batch</source>
        <translation>Z partii</translation>
    </message>
    <message>
        <source>(none: the figures typed)</source>
        <translation>(brak: wpisane liczby)</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A batch in the list: the day it was mixed, two blanks, its name.</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>For the batch %1, mixed %2</source>
        <translation>Dla partii %1, zmieszanej %2</translation>
    </message>
    <message>
        <source>Type every figure to see what to add.</source>
        <translation>Wpisz wszystkie liczby, by zobaczyć, co dodać.</translation>
    </message>
</context>
<context>
    <name>kovaq::SpecPanel</name>
    <message>
        <source>  Mixing Specification  </source>
        <translation>  Specyfikacja mieszanki  </translation>
    </message>
    <message>
        <source>PG–VG (%)</source>
        <translation>PG–VG (%)</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Obj. do zrobienia</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Moc nikotyny</translation>
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
        <translation>Wódka/woda</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCommand</name>
    <message>
        <source>Bottle</source>
        <translation>butelka</translation>
    </message>
    <message>
        <source>Add Bottle</source>
        <translation>dodanie butelki</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>usunięcie: %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>zmianę: %1</translation>
    </message>
    <message>
        <source>Mix It</source>
        <translation>zmieszanie</translation>
    </message>
    <message>
        <source>Undo Batch %1</source>
        <translation>cofnięcie partii %1</translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <translation>import butelek</translation>
    </message>
</context>
<context>
    <name>kovaq::StashController</name>
    <message>
        <source>The stash&apos;s base is %1 mg; this mix is worked out for %2 mg.</source>
        <translation>Baza w zapasach ma %1 mg; ta mieszanka jest obliczona dla %2 mg.</translation>
    </message>
    <message>
        <source>Start a new, empty stash? The damaged one is kept as %1, unchanged.</source>
        <translation>Założyć nowe, puste zapasy? Uszkodzone zostaną zachowane bez zmian jako %1.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Unable to read %1: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB: nothing was imported.</source>
        <translation>Plik %1 ma więcej niż %2 MiB: niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Zapasy</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 już nie istnieje.</translation>
    </message>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>Zapasów nie można zmienić.</translation>
    </message>
    <message>
        <source>This mix cannot be made: %1.
No batch was recorded.</source>
        <translation>Tej mieszanki nie da się zrobić: %1.
Nie zapisano partii.</translation>
    </message>
    <message>
        <source>The mix in the window has not been saved.
Record a batch of it anyway? Its recipe is kept with the batch.</source>
        <translation>Mieszanka w oknie nie została zapisana.
Zapisać mimo to jej partię? Przepis zostanie zachowany razem z partią.</translation>
    </message>
    <message>
        <source>The stash does not hold all this mix needs:
%1

Record the batch anyway? What is missing is noted with it.</source>
        <translation>W zapasach nie ma wszystkiego, czego potrzebuje ta mieszanka:
%1

Zapisać mimo to partię? Braki zostaną przy niej odnotowane.</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Nie ma partii do cofnięcia.</translation>
    </message>
    <message>
        <source>Undo the last batch, %1, and give back to the stash what it took?</source>
        <translation>Cofnąć ostatnią partię, %1, i zwrócić do zapasów to, co zużyła?</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCsv</name>
    <message>
        <source>The file holds no header row naming the columns.</source>
        <translation>W pliku nie ma wiersza nagłówka z nazwami kolumn.</translation>
    </message>
    <message>
        <source>The header names the column %1 twice.</source>
        <translation>Nagłówek podaje kolumnę %1 dwa razy.</translation>
    </message>
    <message>
        <source>The header row names no kind column; it needs kind, and may name name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity and notes.</source>
        <translation>W wierszu nagłówka nie ma kolumny kind; jest ona wymagana, a mogą też wystąpić kolumny name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity i notes.</translation>
    </message>
    <message>
        <source>A quoted cell is not closed before the end of the file.</source>
        <translation>Komórka w cudzysłowie nie jest zamknięta przed końcem pliku.</translation>
    </message>
    <message>
        <source>The line has %1 cells; the header names %2.</source>
        <translation>Liczba komórek w wierszu: %1; w nagłówku: %2.</translation>
    </message>
    <message>
        <source>The kind is missing.</source>
        <translation>Brak wartości w kolumnie kind.</translation>
    </message>
    <message>
        <source>The kind &quot;%1&quot; is none of base, pg, vg, flavour and vodka/water.</source>
        <translation>Rodzaj (kind) „%1” nie jest żadnym z: base, pg, vg, flavour, vodka/water.</translation>
    </message>
    <message>
        <source>A flavour needs a name.</source>
        <translation>Aromat musi mieć nazwę.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number.</source>
        <translation>Wartość „%2” w kolumnie %1 nie jest liczbą.</translation>
    </message>
    <message>
        <source>The %1 cannot be below 0.</source>
        <translation>Wartość w kolumnie %1 nie może być mniejsza od 0.</translation>
    </message>
    <message>
        <source>The %1 cannot be more than %2.</source>
        <translation>Wartość w kolumnie %1 nie może przekraczać %2.</translation>
    </message>
    <message>
        <source>The pgvg &quot;%1&quot; is none of PG, 90-10 to 10-90, VG and none.</source>
        <translation>Wartość pgvg „%1” nie jest żadną z: PG, od 90-10 do 10-90, VG, none.</translation>
    </message>
    <message>
        <source>The gravity &quot;%1&quot; is not a number from 0.5 to 2.</source>
        <translation>Wartość gravity „%1” nie jest liczbą od 0,5 do 2.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashImportDialog</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <comment>a field, its value before and after</comment>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>maker</source>
        <translation>producent</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml na stanie</translation>
    </message>
    <message>
        <source>bottle ml</source>
        <translation>ml butelki</translation>
    </message>
    <message>
        <source>price</source>
        <translation>cena</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>nicotine mg/ml</source>
        <translation>nikotyna mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notatki</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>What the import does</source>
        <translation>Co zrobi import</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodanie</translation>
    </message>
    <message>
        <source>%1 ml on hand</source>
        <translation>%1 ml na stanie</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Odrzucenie</translation>
    </message>
    <message>
        <source>%1 — to add: %2, to update: %3, as they are: %4, refused: %5.</source>
        <translation>%1 — do dodania: %2, do aktualizacji: %3, bez zmian: %4, odrzucone: %5.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashMatch</name>
    <message>
        <source>A flavour without a name</source>
        <translation>Aromat bez nazwy</translation>
    </message>
    <message>
        <source>Nicotine base %1 mg</source>
        <translation>Baza nikotynowa %1 mg</translation>
    </message>
    <message>
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand)</source>
        <translation>%1: brakuje %2 ml (potrzeba %3 ml, na stanie %4 ml)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml at %6</source>
        <translation>
            <numerusform>%1: brakuje %2 ml (potrzeba %3 ml, na stanie %4 ml), %n butelka %5 ml po %6</numerusform>
            <numerusform>%1: brakuje %2 ml (potrzeba %3 ml, na stanie %4 ml), %n butelki %5 ml po %6</numerusform>
            <numerusform>%1: brakuje %2 ml (potrzeba %3 ml, na stanie %4 ml), %n butelek %5 ml po %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml</source>
        <translation>
            <numerusform>%1: brakuje %2 ml (potrzeba %3 ml, na stanie %4 ml), %n butelka %5 ml</numerusform>
            <numerusform>%1: brakuje %2 ml (potrzeba %3 ml, na stanie %4 ml), %n butelki %5 ml</numerusform>
            <numerusform>%1: brakuje %2 ml (potrzeba %3 ml, na stanie %4 ml), %n butelek %5 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Niczego nie brakuje: w zapasach jest wszystko.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Razem: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 nie da się zmieszać w obecnej postaci: pominięto.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashPlan</name>
    <message>
        <source>%1: needs %2 ml, none in the stash</source>
        <translation>%1: potrzeba %2 ml, brak w zapasach</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml left</source>
        <translation>%1: potrzeba %2 ml, na stanie %3 ml, zostanie %4 ml</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml short</source>
        <translation>%1: potrzeba %2 ml, na stanie %3 ml, brakuje %4 ml</translation>
    </message>
</context>
<context>
    <name>kovaq::StashStore</name>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>Zapasów nie można zmienić.</translation>
    </message>
    <message>
        <source>There is no stash yet at %1.</source>
        <translation>W %1 nie ma jeszcze zapasów.</translation>
    </message>
    <message>
        <source>Unable to make the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 nie jest plikiem bazy danych.</translation>
    </message>
    <message>
        <source>The disk holding the stash is full: %1 (%2). The stash is shown read only.</source>
        <translation>Dysk z zapasami jest pełny: %1 (%2). Zapasy są pokazane tylko do odczytu.</translation>
    </message>
    <message>
        <source>The stash&apos;s folder cannot be written: %1 (%2). The stash is shown read only.</source>
        <translation>Nie można zapisywać w folderze zapasów: %1 (%2). Zapasy są pokazane tylko do odczytu.</translation>
    </message>
    <message>
        <source>Another Ko-Vaq is using the stash: it is open read-only.</source>
        <translation>Zapasów używa inny Ko-Vaq: są otwarte tylko do odczytu.</translation>
    </message>
    <message>
        <source>Unable to read the stash %1: %2.</source>
        <translation>Nie można odczytać zapasów %1: %2.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged.</source>
        <translation>Baza danych zapasów %1 jest uszkodzona.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged. It is not changed until you say so.</source>
        <translation>Baza danych zapasów %1 jest uszkodzona. Nie zostanie zmieniona, dopóki na to nie pozwolisz.</translation>
    </message>
    <message>
        <source>The stash database is damaged; a copy is kept as %1. It is not changed until you say so.</source>
        <translation>Baza danych zapasów jest uszkodzona; jej kopię zachowano jako %1. Nie zostanie zmieniona, dopóki na to nie pozwolisz.</translation>
    </message>
    <message>
        <source>The stash was written by a newer Ko-Vaq: it is open read-only.</source>
        <translation>Zapasy zapisała nowsza wersja Ko-Vaq: są otwarte tylko do odczytu.</translation>
    </message>
    <message>
        <source>Unable to open the stash %1.</source>
        <translation>Nie można otworzyć zapasów %1.</translation>
    </message>
    <message>
        <source>The stash is not damaged.</source>
        <translation>Zapasy nie są uszkodzone.</translation>
    </message>
    <message>
        <source>Unable to keep a copy of the damaged stash in %1; nothing was changed.</source>
        <translation>Nie można zachować kopii uszkodzonych zapasów w %1; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Unable to put the damaged stash aside: %1.</source>
        <translation>Nie można odłożyć uszkodzonych zapasów na bok: %1.</translation>
    </message>
    <message>
        <source>Unable to add the bottle</source>
        <translation>Nie można dodać butelki</translation>
    </message>
    <message>
        <source>Unable to change the bottle</source>
        <translation>Nie można zmienić butelki</translation>
    </message>
    <message>
        <source>Unable to remove the bottle</source>
        <translation>Nie można usunąć butelki</translation>
    </message>
    <message>
        <source>Unable to bring the bottle back</source>
        <translation>Nie można przywrócić butelki</translation>
    </message>
    <message>
        <source>The bottle is no longer in the stash.</source>
        <translation>Tej butelki nie ma już w zapasach.</translation>
    </message>
    <message>
        <source>Unable to import the bottles</source>
        <translation>Nie można zaimportować butelek</translation>
    </message>
    <message>
        <source>Unable to record the batch</source>
        <translation>Nie można zapisać partii</translation>
    </message>
    <message>
        <source>Unable to undo the batch</source>
        <translation>Nie można cofnąć partii</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Nie ma partii do cofnięcia.</translation>
    </message>
    <message>
        <source>The batch is no longer in the log.</source>
        <translation>Tej partii nie ma już w dzienniku.</translation>
    </message>
    <message>
        <source>A flavour&apos;s notes need the flavour&apos;s name.</source>
        <translation>Notatki aromatu wymagają jego nazwy.</translation>
    </message>
    <message>
        <source>A rating is from 1 to 5.</source>
        <translation>Ocena wynosi od 1 do 5.</translation>
    </message>
    <message>
        <source>A preferred share is more than 0 and at most 100 %.</source>
        <translation>Ulubiony udział musi być większy od 0 i wynosić najwyżej 100 %.</translation>
    </message>
    <message>
        <source>Unable to keep the flavour&apos;s notes</source>
        <translation>Nie można zachować notatek aromatu</translation>
    </message>
</context>
<context>
    <name>kovaq::StashWindow</name>
    <message>
        <source>Start a New Stash</source>
        <translation>Załóż nowe zapasy</translation>
    </message>
    <message>
        <source>Keep It Read Only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>Write Again</source>
        <translation>Zapisuj znowu</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Aromaty</translation>
    </message>
    <message>
        <source>Your stash is empty: press Add, choose the kind and type the bottle&apos;s name.</source>
        <translation>Zapasy są puste: naciśnij Dodaj, wybierz rodzaj i wpisz nazwę butelki.</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Import CSV...</translation>
    </message>
    <message>
        <source>Add or update bottles from a spreadsheet&apos;s CSV file</source>
        <translation>Dodaj lub zaktualizuj butelki z pliku CSV arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>Search the flavours</source>
        <translation>Szukaj aromatów</translation>
    </message>
    <message>
        <source>The flavours of the recipes in your recipe folders, with a share, are listed here once the folders have been read.</source>
        <translation>Tu pojawią się aromaty (z udziałem) z przepisów w Twoich folderach, gdy foldery zostaną odczytane.</translation>
    </message>
    <message>
        <source>The new bottle&apos;s kind</source>
        <translation>Rodzaj nowej butelki</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Zapasy</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Search the stash</source>
        <translation>Szukaj w zapasach</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Butelki</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Zmieszaj...</translation>
    </message>
    <message>
        <source>Record a batch of the mix in the window (Ctrl+B)</source>
        <translation>Zapisz partię mieszanki z okna (Ctrl+B)</translation>
    </message>
    <message>
        <source>Search the batches</source>
        <translation>Szukaj partii</translation>
    </message>
    <message>
        <source>Open Recipe</source>
        <translation>Otwórz przepis</translation>
    </message>
    <message>
        <source>The recipe as it was mixed, as a new mix</source>
        <translation>Przepis taki, jak go zmieszano, jako nowa mieszanka</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Print Label...</source>
        <translation>Drukuj etykietę...</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Cofnij partię</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Eksport CSV...</translation>
    </message>
    <message>
        <source>The mix in the window needs nothing yet.</source>
        <translation>Mieszanka w oknie jeszcze niczego nie potrzebuje.</translation>
    </message>
    <message>
        <source>For the mix in the window:</source>
        <translation>Dla mieszanki w oknie:</translation>
    </message>
</context>
<context>
    <name>kovaq::StatusPanel</name>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Cost status</source>
        <translation>Stan kosztów</translation>
    </message>
    <message>
        <source>Volume status</source>
        <translation>Stan objętości</translation>
    </message>
</context>
<context>
    <name>kovaq::WeightsWindow</name>
    <message>
        <source>Mix By Weight</source>
        <translation>Mieszanie wagowe</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <extracomment>The columns&apos; heads: &quot;scale reads&quot; is what the scale shows once the row is poured in.</extracomment>
        <translation>Składnik</translation>
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
        <translation>gramy</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>waga pokaże</translation>
    </message>
    <message>
        <source>drops</source>
        <translation>krople</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>RAZEM</translation>
    </message>
    <message>
        <source>Pure nicotine</source>
        <translation>Czysta nikotyna</translation>
    </message>
    <message>
        <source>Show &amp;drops at</source>
        <translation>Pokaż &amp;krople:</translation>
    </message>
    <message>
        <source> drops per ml</source>
        <extracomment>After a number of drops, as in &quot;20 drops per ml&quot;.</extracomment>
        <translation> kropli na ml</translation>
    </message>
    <message>
        <source>Drops per ml</source>
        <translation>Kropli na ml</translation>
    </message>
    <message>
        <source>20 for most droppers; 25 or 33 for finer ones</source>
        <translation>20 dla większości zakraplaczy; 25 lub 33 dla drobniejszych</translation>
    </message>
    <message>
        <source>&amp;Scale reads to</source>
        <translation>Dokładność &amp;wagi</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Every gravity back to its default</source>
        <translation>Przywraca domyślne gęstości</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 grams: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its grams.</extracomment>
        <translation>%1 – gramy: %2</translation>
    </message>
    <message>
        <source>%1 scale reads: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then what the scale reads.</extracomment>
        <translation>%1 – waga pokaże: %2</translation>
    </message>
    <message>
        <source>%1 gravity, g/ml</source>
        <extracomment>Read out by a screen reader: what the gravity is of, as in &quot;PG gravity, g/ml&quot;.</extracomment>
        <translation>%1 – gęstość, g/ml</translation>
    </message>
    <message>
        <source>TOTAL grams: %1</source>
        <translation>Gramy RAZEM: %1</translation>
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
        <translation>Witaj w Ko-Vaq</translation>
    </message>
    <message>
        <source>Ko-Vaq Has Detected That You Are A New User</source>
        <translation>Ko-Vaq wykrył, że jesteś nowym użytkownikiem</translation>
    </message>
    <message>
        <source>If you need help getting started, look in the Help file
under &apos;How To... Getting Started&apos;</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Jeśli potrzebujesz pomocy na start, zajrzyj do pliku pomocy,
do rozdziału „How To... Getting Started”</translation>
    </message>
    <message>
        <source>To view the Help file at any time, click on the %1 icon.
located at the top RH corner of the screen, or press F1 key.</source>
        <extracomment>Shown on two lines, broken where the line break stands; %1 is the help icon.</extracomment>
        <translation>Aby w każdej chwili otworzyć pomoc, kliknij ikonę %1
w prawym górnym rogu ekranu lub naciśnij klawisz F1.</translation>
    </message>
    <message>
        <source>This message will be shown at each startup until you
have loaded or saved your first recipe</source>
        <extracomment>Shown on two lines, broken where the line break stands; the second is underlined.</extracomment>
        <translation>Ten komunikat będzie się pokazywał przy każdym uruchomieniu,
dopóki nie wczytasz lub nie zapiszesz pierwszego przepisu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
