<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ControlNames</name>
    <message>
        <source>Nic Base Strength</source>
        <translation>Taux de la base nic.</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Taux de nicotine</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Volume à faire</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>%1, coût</translation>
    </message>
    <message>
        <source>%1 quantity</source>
        <translation>%1, quantité</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1, nom</translation>
    </message>
    <message>
        <source>%1 percentage</source>
        <translation>%1, pourcentage</translation>
    </message>
    <message>
        <source>Nic Base PG-VG</source>
        <translation>PG-VG de la base nic.</translation>
    </message>
    <message>
        <source>Mix PG-VG</source>
        <translation>PG-VG du mélange</translation>
    </message>
    <message>
        <source>F%1 PG-VG</source>
        <extracomment>F1 to F8 name the flavours&apos; rows.</extracomment>
        <translation>F%1, PG-VG</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>Recipe folder</source>
        <translation>Dossier des recettes</translation>
    </message>
</context>
<context>
    <name>kovaq::AppController</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue est survenue.</translation>
    </message>
    <message>
        <source>Unable to read the settings from %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Impossible de lire les réglages depuis %1.
Ko-Vaq continue, mais ne se souviendra ni de ses dossiers, ni du dernier fichier, ni de la disposition.</translation>
    </message>
    <message>
        <source>Unable to write the settings to %1.
Ko-Vaq goes on, but will not remember its folders, last file or layout.</source>
        <translation>Impossible d&apos;écrire les réglages dans %1.
Ko-Vaq continue, mais ne se souviendra ni de ses dossiers, ni du dernier fichier, ni de la disposition.</translation>
    </message>
    <message>
        <source>No program to show the help is available.
The help is in %1</source>
        <translation>Aucun programme n&apos;est disponible pour afficher l&apos;aide.
L&apos;aide se trouve dans %1</translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>  There is Information Outstanding 
So Your Mix Name May Not Be Correct
        Do You Still Want To Print?</source>
        <translation>  Des informations manquent encore 
Le nom du mélange peut donc être inexact
        Voulez-vous quand même imprimer&#xa0;?</translation>
    </message>
    <message>
        <source>Your Monitor Screen Is Too Small For This Application</source>
        <translation>Votre écran est trop petit pour cette application</translation>
    </message>
    <message>
        <source>Sorry, But...</source>
        <translation>Désolé, mais...</translation>
    </message>
    <message>
        <source>So You Will Only Be Able To Run In Landscape Layout Mode,
         And The &apos;Layout&apos; Button Will Be Disabled</source>
        <translation>Vous ne pourrez donc utiliser que la disposition paysage,
         Et le bouton «&#xa0;Pivoter&#xa0;» sera désactivé</translation>
    </message>
    <message>
        <source>Your Monitor Screen Has Limited Height</source>
        <translation>La hauteur de votre écran est limitée</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Impossible d&apos;ouvrir %1.
%2</translation>
    </message>
    <message>
        <source>Your Current Mix Has Not Been Saved 
         Do You Want To Save It?</source>
        <translation>Votre mélange actuel n&apos;a pas été enregistré 
         Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>      Your Current Mix Has Not Been Saved 
               Do You Want To Save It?</source>
        <translation>      Votre mélange actuel n&apos;a pas été enregistré 
               Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>There is Information Outstanding 
    Do You Still Want To Save?</source>
        <translation>Des informations manquent encore 
    Voulez-vous quand même enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB; only its first %2 MiB were read.
The recipe shown may not be the whole of it.</source>
        <translation>%1 dépasse %2 Mio&#xa0;; seuls ses %2 premiers Mio ont été lus.
La recette affichée n&apos;est peut-être pas complète.</translation>
    </message>
    <message>
        <source>Ko-Vaq files (*.mix)</source>
        <translation>Fichiers Ko-Vaq (*.mix)</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Attention...</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La langue du bureau</translation>
    </message>
    <message>
        <source>Ko-Vaq will follow the desktop&apos;s language from its next start.</source>
        <translation>Ko-Vaq suivra la langue du bureau dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Ko-Vaq will be in %1 from its next start.</source>
        <translation>Ko-Vaq sera en %1 dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>kovaq::Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue est survenue.</translation>
    </message>
</context>
<context>
    <name>kovaq::BatchModel</name>
    <message>
        <source>ready in %1 days</source>
        <translation>prête dans %1 jours</translation>
    </message>
    <message>
        <source>ready tomorrow</source>
        <translation>prête demain</translation>
    </message>
    <message>
        <source>ready today</source>
        <translation>prête aujourd&apos;hui</translation>
    </message>
    <message>
        <source>ready since %1</source>
        <translation>prête depuis le %1</translation>
    </message>
    <message>
        <source>Short: %1</source>
        <translation>Manque&#xa0;: %1</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélangée</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prête</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>kovaq::BookIcon</name>
    <message>
        <source>Recipes (Ctrl+R)</source>
        <translation>Recettes (Ctrl+R)</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleLabels</name>
    <message>
        <source>The printer&apos;s own</source>
        <translation>Celle de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Mixed %1 · Ready %2</source>
        <extracomment>The day a batch was mixed (%1) and the day it has steeped (%2).</extracomment>
        <translation>Fait le %1 · Prêt le %2</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <extracomment>The maker of the nicotine base.</extracomment>
        <translation>Base&#xa0;: %1</translation>
    </message>
    <message>
        <source>Contains nicotine</source>
        <translation>Contient de la nicotine</translation>
    </message>
</context>
<context>
    <name>kovaq::BottleModel</name>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml en stock</translation>
    </message>
    <message>
        <source>Bottle ml</source>
        <translation>ml flacon</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>Nicotine mg/ml</source>
        <translation>Nicotine mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>kovaq::Calc</name>
    <message>
        <source>kovaq-calc: cannot write %1: %2</source>
        <translation>kovaq-calc&#xa0;: impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Mix: %1</source>
        <translation>Mélange&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrédient</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>grammes</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>balance</translation>
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
        <translation>Volume (ml)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Status: %1%2</source>
        <extracomment>The status line: its cost part (%1), then its volume part (%2).</extracomment>
        <translation>État&#xa0;: %1%2</translation>
    </message>
    <message>
        <source>The mix is too strong for this base.</source>
        <translation>Le mélange est trop fort pour cette base.</translation>
    </message>
    <message>
        <source>Missing:%1</source>
        <extracomment>%1 is the recipe file&apos;s keys of the fields, each after a space.</extracomment>
        <translation>Manque&#xa0;:%1</translation>
    </message>
    <message>
        <source>(! marks a text shown in red)</source>
        <translation>(! signale un texte affiché en rouge)</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot write the output: %1</source>
        <translation>kovaq-calc&#xa0;: impossible d&apos;écrire la sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read %1: %2</source>
        <translation>kovaq-calc&#xa0;: impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>kovaq-calc: warning: %1 is longer than %2 MiB; only its first %2 MiB were read</source>
        <translation>kovaq-calc&#xa0;: attention&#xa0;: %1 dépasse %2 Mio&#xa0;; seuls ses %2 premiers Mio ont été lus</translation>
    </message>
    <message>
        <source>kovaq-calc: cannot read the folder %1</source>
        <translation>kovaq-calc&#xa0;: impossible de lire le dossier %1</translation>
    </message>
    <message>
        <source>kovaq-calc: not used: %1</source>
        <extracomment>A line of the text that says nothing of a recipe (%1).</extracomment>
        <translation>kovaq-calc&#xa0;: non utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>kovaq-calc: there is no recipe in %1: no flavour with its share, and no volume with a strength or a ratio</source>
        <translation>kovaq-calc&#xa0;: il n&apos;y a pas de recette dans %1&#xa0;: aucun arôme avec son pourcentage, ni aucun volume avec un taux ou un ratio</translation>
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
        <translation>Usage&#xa0;: kovaq-calc [--json] FILE.mix
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

Charge une recette Ko-Vaq comme le fait «&#xa0;Ouvrir…&#xa0;» de la fenêtre et calcule le
mélange. Sans --report, affiche le volume et le coût de chaque ingrédient, le total,
la ligne d&apos;état et les champs qui manquent.

  --json         affiche du JSON au lieu du texte
  --weights      affiche le tableau de pesée&#xa0;: les grammes de chaque ingrédient et ce
                 qu&apos;affiche la balance à mesure qu&apos;on les verse
  --check        dit en une ligne si le mélange est faisable, et sinon, ce qui le serait&#xa0;;
                 code de sortie 0 s&apos;il l&apos;est, 3 s&apos;il ne l&apos;est pas
  --list         liste chaque recette des dossiers et les dossiers qu&apos;ils contiennent&#xa0;:
                 nom, taux, volume, PG/VG, arômes, coût, faisable ou non, fichier&#xa0;;
                 code de sortie 1 seulement si un dossier est totalement illisible
  --search WORDS avec --list, seulement les recettes où se trouve chaque mot&#xa0;: mots du
                 nom, d&apos;un arôme, des notes ou du nom de fichier, &quot;3mg&quot;, &quot;lemon 10%&quot;
  --report KIND  affiche le rapport summary, details ou weights, une ligne par ligne,
                 tabulations comprises&#xa0;; ou l&apos;étiquette de flacon d&apos;une préparation du
                 mélange faite aujourd&apos;hui
  --label-size S la taille de l&apos;étiquette en millimètres (50x25 par défaut)
  --steep DAYS   avec l&apos;étiquette, les jours de maturation (7 par défaut)
  --to-text      affiche la recette comme la copie «&#xa0;Copier la recette&#xa0;», pour un forum
  --from-text    lit une recette dans un texte comme «&#xa0;Coller une recette&#xa0;» (FILE.txt,
                 ou - pour l&apos;entrée standard) et l&apos;enregistre dans OUT.mix&#xa0;; les lignes
                 non utilisées vont sur la sortie d&apos;erreur&#xa0;; code de sortie 3 quand le
                 texte ne contient aucune recette
  --to-json      affiche la recette en JSON ({&quot;format&quot;: &quot;ko-vaq-recipe&quot;,
                 &quot;version&quot;: 1, &quot;recipe&quot;: {...}})
  --from-json    enregistre une telle recette JSON dans OUT.mix
  --shots        des boosters de nicotine dans un shortfill&#xa0;: ML de liquide à 0 mg dans
                 un flacon de BOTTLE ml, boosters de SHOT_MG et SHOT_ML chacun, pour
                 TARGET mg
  --dilute       une préparation finie de ML à FROM_MG amenée à TO_MG&#xa0;: du liquide à
                 0 mg pour baisser le taux, ou la base nicotinée de --base MG pour le
                 monter
  --ratio        une préparation finie de ML à PG pour cent de PG amenée à TO_PG avec du
                 PG ou de la VG
  --scale G      la précision de la balance&#xa0;: 0.1, 0.01 (par défaut) ou 0.001 g, pour
                 l&apos;avertissement sur les quantités trop petites pour être pesées (aussi
                 avec --report weights)
  --stash        liste les flacons du stock&#xa0;: type, nom, marque, ml en stock, taille du
                 flacon, prix, PG/VG, taux de nicotine, densité
  --batches      liste les préparations, la plus récente d&apos;abord, avec leur date de
                 fin de maturation
  --csv          avec --batches, la liste en CSV (RFC 4180, UTF-8, dates ISO)&#xa0;; avec
                 --stash, les flacons dans les colonnes que lit --stash-import
  --stash-import FILE.csv
                 ajoute au stock les flacons d&apos;un CSV et met à jour ceux de même type,
                 nom et marque (colonnes nommées dans la ligne d&apos;en-tête, dans n&apos;importe
                 quel ordre&#xa0;: kind, name, maker, on_hand_ml, bottle_ml, price, pgvg,
                 strength, gravity, notes)&#xa0;; les lignes refusées vont sur la sortie
                 d&apos;erreur avec leur numéro et leur motif, code de sortie 3&#xa0;; refusé en
                 bloc tant que Ko-Vaq a le stock ouvert
  --makeable     pour chaque recette des dossiers, si le stock contient tout ce qu&apos;il
                 faut, combien on peut en faire, et ce qui manque
  --flavours     pour chaque arôme des recettes des dossiers, combien de recettes
                 l&apos;utilisent et son pourcentage le plus bas, médian et le plus haut
  --shopping     ce qu&apos;il faut aux fichiers de recette et qui manque au stock, en ml et
                 en flacons entiers des tailles connues du stock, au dernier prix
  --db FILE      la base de données du stock (par défaut&#xa0;: celle de Ko-Vaq,
                 $XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite)&#xa0;; seul
                 --stash-import y écrit
  --notes        inclut les notes dans le rapport
  --unused       inclut les ingrédients non utilisés (rapport details)
  --text-size N  taille du texte du rapport en points (12 par défaut)
  --pdf OUT.pdf  écrit le rapport dans un PDF (A4, marges d&apos;un quart de pouce&#xa0;; une
                 étiquette sur une page de sa taille)
  --version      affiche la version
  --help         affiche ce texte

Code de sortie&#xa0;: 0 une fois terminé, 1 si le fichier ou le stock est illisible ou si la
sortie ne peut pas être écrite, 2 pour une ligne de commande erronée, 3 quand --check
trouve un mélange infaisable ou que --stash-import refuse une ligne.
</translation>
    </message>
    <message>
        <source>one of --shots, --dilute and --ratio at a time</source>
        <translation>une seule option parmi --shots, --dilute et --ratio à la fois</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 is missing</source>
        <translation>usage&#xa0;: kovaq-calc %1&#xa0;: %2 manque</translation>
    </message>
    <message>
        <source>usage: kovaq-calc %1: %2 %3 is not a figure from 0 to %4</source>
        <translation>usage&#xa0;: kovaq-calc %1&#xa0;: %2 %3 n&apos;est pas un nombre de 0 à %4</translation>
    </message>
    <message>
        <source>usage: kovaq-calc --dilute ML FROM_MG TO_MG --base MG: MG %1 is not a figure from 0 to 1000</source>
        <translation>usage&#xa0;: kovaq-calc --dilute ML FROM_MG TO_MG --base MG&#xa0;: MG %1 n&apos;est pas un nombre de 0 à 1000</translation>
    </message>
    <message>
        <source>--scale takes 0.1, 0.01 or 0.001</source>
        <translation>--scale prend 0.1, 0.01 ou 0.001</translation>
    </message>
    <message>
        <source>--report takes summary, details, weights or label</source>
        <translation>--report prend summary, details, weights ou label</translation>
    </message>
    <message>
        <source>--text-size takes 8, 10, 12 or 14</source>
        <translation>--text-size prend 8, 10, 12 ou 14</translation>
    </message>
    <message>
        <source>one of --to-text, --to-json, --from-text and --from-json at a time</source>
        <translation>une seule option parmi --to-text, --to-json, --from-text et --from-json à la fois</translation>
    </message>
    <message>
        <source>--label-size takes 50x25, 70x40 or 100x50</source>
        <translation>--label-size prend 50x25, 70x40 ou 100x50</translation>
    </message>
    <message>
        <source>--steep takes a number of days from 0 to 365</source>
        <translation>--steep prend un nombre de jours de 0 à 365</translation>
    </message>
    <message>
        <source>unknown option %1
</source>
        <translation>option inconnue %1
</translation>
    </message>
    <message>
        <source>only one file at a time</source>
        <translation>un seul fichier à la fois</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale (and --base) only</source>
        <translation>--%1 ne va qu&apos;avec --json et --scale (et --base)</translation>
    </message>
    <message>
        <source>--%1 goes with --json and --scale only</source>
        <translation>--%1 ne va qu&apos;avec --json et --scale</translation>
    </message>
    <message>
        <source>--base goes with --dilute</source>
        <translation>--base va avec --dilute</translation>
    </message>
    <message>
        <source>--scale goes with --shots, --dilute, --ratio and --report weights</source>
        <translation>--scale va avec --shots, --dilute, --ratio et --report weights</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go one at a time</source>
        <translation>--stash-import, --makeable, --flavours et --shopping s&apos;utilisent un à la fois</translation>
    </message>
    <message>
        <source>--stash-import, --makeable, --flavours and --shopping go with --json, --csv and --db only</source>
        <translation>--stash-import, --makeable, --flavours et --shopping ne vont qu&apos;avec --json, --csv et --db</translation>
    </message>
    <message>
        <source>--stash-import goes with --db only</source>
        <translation>--stash-import ne va qu&apos;avec --db</translation>
    </message>
    <message>
        <source>--flavours goes with --json only</source>
        <translation>--flavours ne va qu&apos;avec --json</translation>
    </message>
    <message>
        <source>--makeable goes with --json and --db only</source>
        <translation>--makeable ne va qu&apos;avec --json et --db</translation>
    </message>
    <message>
        <source>--json and --csv go one at a time</source>
        <translation>--json et --csv s&apos;utilisent un à la fois</translation>
    </message>
    <message>
        <source>--shopping needs a recipe file</source>
        <translation>--shopping demande un fichier de recette</translation>
    </message>
    <message>
        <source>--makeable and --flavours need a folder</source>
        <translation>--makeable et --flavours demandent un dossier</translation>
    </message>
    <message>
        <source>--%1 goes alone (or with --db)</source>
        <translation>--%1 s&apos;utilise seul (ou avec --db)</translation>
    </message>
    <message>
        <source>--%1 goes alone</source>
        <translation>--%1 s&apos;utilise seul</translation>
    </message>
    <message>
        <source>--%1 needs the file to read and the recipe file to write</source>
        <translation>--%1 demande le fichier à lire et le fichier de recette à écrire</translation>
    </message>
    <message>
        <source>--%1 needs a recipe file</source>
        <translation>--%1 demande un fichier de recette</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches, --to-text or --report label</source>
        <translation>--db va avec --stash, --batches, --to-text ou --report label</translation>
    </message>
    <message>
        <source>--stash and --batches go one at a time</source>
        <translation>--stash et --batches s&apos;utilisent un à la fois</translation>
    </message>
    <message>
        <source>--stash and --batches go with --json, --csv and --db only</source>
        <translation>--stash et --batches ne vont qu&apos;avec --json, --csv et --db</translation>
    </message>
    <message>
        <source>--csv goes with --stash, --batches or --shopping</source>
        <translation>--csv va avec --stash, --batches ou --shopping</translation>
    </message>
    <message>
        <source>--label-size and --steep go with --report label</source>
        <translation>--label-size et --steep vont avec --report label</translation>
    </message>
    <message>
        <source>--db goes with --stash, --batches or --report label</source>
        <translation>--db va avec --stash, --batches ou --report label</translation>
    </message>
    <message>
        <source>--list goes with --json and --search only</source>
        <translation>--list ne va qu&apos;avec --json et --search</translation>
    </message>
    <message>
        <source>--search goes with --list</source>
        <translation>--search va avec --list</translation>
    </message>
    <message>
        <source>--pdf, --notes and --unused go with --report</source>
        <translation>--pdf, --notes et --unused vont avec --report</translation>
    </message>
    <message>
        <source>--json holds the weights already</source>
        <translation>--json contient déjà les poids</translation>
    </message>
</context>
<context>
    <name>kovaq::CalcStash</name>
    <message>
        <source>kovaq-calc: warning: %1</source>
        <translation>kovaq-calc&#xa0;: attention&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>On hand</source>
        <translation>En stock</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélangée</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prête</translation>
    </message>
</context>
<context>
    <name>kovaq::Calculation</name>
    <message>
        <source>Cost Ignored, </source>
        <translation>Coût ignoré, </translation>
    </message>
    <message>
        <source>Cost OK, </source>
        <translation>Coût OK, </translation>
    </message>
    <message>
        <source>Cost Pending, </source>
        <translation>Coût en att., </translation>
    </message>
    <message>
        <source>Volumes OK</source>
        <translation>Volumes OK</translation>
    </message>
    <message>
        <source>Vols Pending</source>
        <translation>Vol. en att.</translation>
    </message>
    <message>
        <source>Cost Pending,</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Coût en att.,</translation>
    </message>
    <message>
        <source>Qty Pending</source>
        <extracomment>Before the first calculation.</extracomment>
        <translation>Qté en att.</translation>
    </message>
    <message>
        <source>This Mix Cannot Be Achieved</source>
        <translation>Ce mélange est irréalisable</translation>
    </message>
    <message>
        <source>    You could try reducing the Mix Strength
    or changing the PG/VG ratio of your mix.
Also, you could try reducing the percentages
   of your flavours or vodka/water additive</source>
        <translation>    Essayez de baisser le taux de nicotine
    ou de changer le ratio PG/VG du mélange.
Vous pouvez aussi baisser les pourcentages
   de vos arômes ou de la vodka/eau</translation>
    </message>
</context>
<context>
    <name>kovaq::Feasibility</name>
    <message>
        <source>the mix ratio can be from %1 to %2 PG-VG</source>
        <translation>le ratio du mélange peut aller de %1 à %2 PG-VG</translation>
    </message>
    <message>
        <source>the mix ratio can be %1 PG-VG</source>
        <translation>le ratio du mélange peut être %1 PG-VG</translation>
    </message>
    <message>
        <source>no mix ratio works</source>
        <translation>aucun ratio de mélange ne convient</translation>
    </message>
    <message>
        <source>up to %1 mg</source>
        <translation>jusqu&apos;à %1 mg</translation>
    </message>
    <message>
        <source>up to %1 mg at %2</source>
        <extracomment>%2 is a PG-VG ratio such as 70-30.</extracomment>
        <translation>jusqu&apos;à %1 mg en %2</translation>
    </message>
    <message>
        <source>the flavours and vodka/water at %1 % of their shares</source>
        <translation>les arômes et la vodka/eau à %1 % de leurs pourcentages</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>Joins one more choice (%2) to the choices before it (%1).</extracomment>
        <translation>%1, ou %2</translation>
    </message>
    <message>
        <source>With these ingredients %1.</source>
        <extracomment>%1 is the choices, joined.</extracomment>
        <translation>Avec ces ingrédients, %1.</translation>
    </message>
    <message>
        <source>can be made</source>
        <translation>faisable</translation>
    </message>
    <message>
        <source>nothing to make: the volume to make is 0</source>
        <translation>rien à préparer&#xa0;: le volume à préparer est 0</translation>
    </message>
    <message>
        <source>too strong for this base</source>
        <translation>trop fort pour cette base</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>infaisable</translation>
    </message>
</context>
<context>
    <name>kovaq::FileFlows</name>
    <message>
        <source>Unable to write to %1: %2.</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Attention...</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourBook</name>
    <message numerus="yes">
        <source>%1: in %n of your recipes, %2 %, usually %3 %</source>
        <translation>
            <numerusform>%1&#xa0;: dans %n de vos recettes, %2 %, en général %3 %</numerusform>
            <numerusform>%1&#xa0;: dans %n de vos recettes, %2 %, en général %3 %</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourDelegate</name>
    <message>
        <source>none</source>
        <comment>no rating</comment>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourModel</name>
    <message>
        <source>Flavour</source>
        <translation>Arôme</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Lowest %</source>
        <translation>% min.</translation>
    </message>
    <message>
        <source>Median %</source>
        <translation>% médian</translation>
    </message>
    <message>
        <source>Highest %</source>
        <translation>% max.</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml en stock</translation>
    </message>
    <message>
        <source>Last mixed</source>
        <translation>Dernier mélange</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Preferred %</source>
        <translation>% préféré</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>kovaq::HelpIcon</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>kovaq::IngredientPanel</name>
    <message>
        <source>  Ingredient Details  </source>
        <translation>  Détails ingrédients  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Coût (£/$/€)</translation>
    </message>
    <message>
        <source>Qty</source>
        <extracomment>Short for quantity: the bottle&apos;s size the cost is for.</extracomment>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Nic Base</source>
        <extracomment>The nicotine base: the liquid of known nicotine strength the mix is thinned from; short, it stands in a narrow column.</extracomment>
        <translation>Base nic.</translation>
    </message>
    <message>
        <source>Click to change base type</source>
        <translation>Cliquer pour changer le type de base</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a cost and the quantity it buys: &quot;12.50 per 100 ml&quot;.</extracomment>
        <translation>les</translation>
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
        <translation>Taux base nic.</translation>
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
        <translation>Mettre «&#xa0;Contient de la nicotine&#xa0;» sur les étiquettes avec nicotine</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Imprimer l&apos;étiquette</translation>
    </message>
    <message>
        <source>&amp;Label size:</source>
        <translation>&amp;Taille étiquette&#xa0;:</translation>
    </message>
    <message>
        <source>The label as it will print</source>
        <translation>L&apos;étiquette telle qu&apos;elle sera imprimée</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
</context>
<context>
    <name>kovaq::MainWindow</name>
    <message>
        <source>  Notes  </source>
        <translation>  Notes  </translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>V %1</source>
        <extracomment>The tooltip of the program&apos;s name: its version, as &quot;V 1.0.1&quot;.</extracomment>
        <translation>V %1</translation>
    </message>
    <message>
        <source>The free DIY e-juice mixing calculator</source>
        <translation>Calculateur gratuit de DIY e-liquide</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Sauver…</translation>
    </message>
    <message>
        <source>New Mix...</source>
        <translation>Nouveau…</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Copier la recette</translation>
    </message>
    <message>
        <source>Paste Recipe...</source>
        <translation>Coller une recette…</translation>
    </message>
    <message>
        <source>Export JSON...</source>
        <translation>Exporter JSON…</translation>
    </message>
    <message>
        <source>Import JSON...</source>
        <translation>Importer JSON…</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Mélanger…</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Doser au poids</translation>
    </message>
    <message>
        <source>Shots and Fixes</source>
        <translation>Booster et ajuster</translation>
    </message>
    <message>
        <source>Layout</source>
        <extracomment>The button that turns the window between portrait and landscape.</extracomment>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Please visit me at %1</source>
        <translation>Rendez-vous sur %1</translation>
    </message>
    <message>
        <source>Visit My Website</source>
        <translation>Visiter mon site web</translation>
    </message>
    <message>
        <source>Email me for help</source>
        <translation>Aide par e-mail</translation>
    </message>
    <message>
        <source>email me</source>
        <translation>m&apos;écrire un e-mail</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>Entry Was Too Long</source>
        <translation>Saisie trop longue</translation>
    </message>
    <message>
        <source>Use %1</source>
        <extracomment>A button that picks the nearest PG/VG ratio the mix can have, as in &quot;Use 40-60&quot;.</extracomment>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>%1 volume: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its volume.</extracomment>
        <translation>%1, volume&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cost: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its cost.</extracomment>
        <translation>%1, coût&#xa0;: %2</translation>
    </message>
    <message>
        <source>TOTAL cost: %1</source>
        <translation>Coût TOTAL&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cost status: %1</source>
        <translation>État du coût&#xa0;: %1</translation>
    </message>
    <message>
        <source>Volume status: %1</source>
        <translation>État des volumes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
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
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>kovaq::MixItDialog</name>
    <message>
        <source>Mix It</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Steep days</source>
        <translation>Jours de maturation</translation>
    </message>
    <message>
        <source>&amp;Steep for:</source>
        <translation>&amp;Maturation&#xa0;:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note&#xa0;:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The stash does not hold all of it:
%1</source>
        <translation>Le stock ne contient pas tout&#xa0;:
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
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>kovaq::OneBottleAwayDialog</name>
    <message>
        <source>One Bottle Away</source>
        <translation>À un flacon près</translation>
    </message>
    <message>
        <source>Each of these bottles alone would let you make more of your recipes:</source>
        <translation>Chacun de ces flacons, à lui seul, vous permettrait de faire davantage de vos recettes&#xa0;:</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>Recipes it makes possible</source>
        <translation>Recettes rendues possibles</translation>
    </message>
    <message>
        <source>Short by (ml)</source>
        <translation>Manque (ml)</translation>
    </message>
    <message>
        <source>Bottles that would make more recipes possible</source>
        <translation>Flacons qui rendraient plus de recettes possibles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No single bottle would make another recipe possible.</source>
        <translation>Aucun flacon seul ne rendrait une autre recette possible.</translation>
    </message>
</context>
<context>
    <name>kovaq::PasteRecipeDialog</name>
    <message>
        <source>Paste Recipe</source>
        <translation>Coller une recette</translation>
    </message>
    <message>
        <source>&amp;Recipe text:</source>
        <translation>Texte de la &amp;recette&#xa0;:</translation>
    </message>
    <message>
        <source>Recipe text</source>
        <translation>Texte de la recette</translation>
    </message>
    <message>
        <source>Open Text File...</source>
        <translation>Ouvrir un fichier texte…</translation>
    </message>
    <message>
        <source>What Ko-Vaq reads in it:</source>
        <translation>Ce que Ko-Vaq y lit&#xa0;:</translation>
    </message>
    <message>
        <source>Keep the lines not used in the notes</source>
        <translation>Garder dans les notes les lignes non utilisées</translation>
    </message>
    <message>
        <source>Use It</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Text files (*.txt *.text *.md);;All files (*)</source>
        <translation>Fichiers texte (*.txt *.text *.md);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Impossible d&apos;ouvrir %1.
%2</translation>
    </message>
    <message>
        <source>&lt;b&gt;There is no recipe in this text.&lt;/b&gt; Ko-Vaq looks for flavours with their shares (&quot;Lemon 3%&quot;), or a volume with a strength or a PG/VG ratio. Nothing will change.</source>
        <translation>&lt;b&gt;Ce texte ne contient aucune recette.&lt;/b&gt; Ko-Vaq cherche des arômes avec leur pourcentage («&#xa0;Citron 3%&#xa0;»), ou un volume avec un taux de nicotine ou un ratio PG/VG. Rien ne sera modifié.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
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
        <translation>Base nicotinée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 stands as %2</source>
        <translation>%1 devient %2</translation>
    </message>
    <message>
        <source>Shortened to fit the window:</source>
        <translation>Raccourcis pour tenir dans la fenêtre&#xa0;:</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Vodka/eau</translation>
    </message>
    <message>
        <source>* shortened to fit the window (the whole names are in the tooltip)</source>
        <translation>* raccourci pour tenir dans la fenêtre (les noms complets sont dans l&apos;info-bulle)</translation>
    </message>
    <message numerus="yes">
        <source>Notes: %n line(s)</source>
        <translation>
            <numerusform>Notes&#xa0;: %n ligne</numerusform>
            <numerusform>Notes&#xa0;: %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>Not used (kept in the notes):</source>
        <translation>Non utilisé (gardé dans les notes)&#xa0;:</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>Non utilisé&#xa0;:</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintJob</name>
    <message>
        <source>The margins and text size leave no room for a line on this paper.</source>
        <translation>Les marges et la taille du texte ne laissent de place pour aucune ligne sur ce papier.</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>L&apos;imprimante n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The printer did not take the next page; the print was stopped.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté la page suivante&#xa0;; l&apos;impression a été arrêtée.</translation>
    </message>
    <message>
        <source>The printer did not finish the print.</source>
        <translation>L&apos;imprimante n&apos;a pas terminé l&apos;impression.</translation>
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
        <translation>     L&apos;image ne tient pas sur ce papier -
            Elle sera rognée

   Un clic sur la page efface ce message
  Ou changez la taille image/marges/page</translation>
    </message>
    <message>
        <source>     Text Will Not Fit This Size Paper - 
           Printer May Wrap Lines 
       Or Print More Than One Page

  Click On Page To Clear This Message 
 Or Change Size Of Text/Margins/Page </source>
        <extracomment>Centred by the leading blanks in a hint over the page&apos;s preview.</extracomment>
        <translation>     Le texte ne tient pas sur ce papier - 
           Lignes parfois renvoyées 
       Ou texte sur plusieurs pages

  Un clic sur la page efface ce message 
 Ou changez la taille texte/marges/page </translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Options d&apos;impression</translation>
    </message>
    <message>
        <source>You Have 3 Options For Printing - Please Choose One</source>
        <translation>Vous avez 3 options d&apos;impression - Choisissez-en une</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Screen Image</source>
        <translation>Image écran</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Include Notes</source>
        <translation>Avec les notes</translation>
    </message>
    <message>
        <source>Include Unused Ingredients</source>
        <translation>Avec ingrédients non utilisés</translation>
    </message>
    <message>
        <source>Printer Minimum</source>
        <translation>Minimum impr.</translation>
    </message>
    <message>
        <source>Narrow (0.125&quot;)</source>
        <translation>Étroite (0.125&quot;)</translation>
    </message>
    <message>
        <source>Normal (0.25&quot;)</source>
        <translation>Normale (0.25&quot;)</translation>
    </message>
    <message>
        <source>Wide (0.5&quot;)</source>
        <translation>Large (0.5&quot;)</translation>
    </message>
    <message>
        <source>Ex Wide (0.75&quot;)</source>
        <translation>X-large (0.75&quot;)</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Marge gauche</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Marge haute</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>v. Small (8pt)</source>
        <translation>T. petit (8pt)</translation>
    </message>
    <message>
        <source>Small (10pt)</source>
        <translation>Petit (10pt)</translation>
    </message>
    <message>
        <source>Normal (12pt)</source>
        <translation>Normal (12pt)</translation>
    </message>
    <message>
        <source>Large (14pt)</source>
        <translation>Grand (14pt)</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25 %</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>FitToPage</source>
        <translation>Pleine page</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Taille de l&apos;image</translation>
    </message>
    <message>
        <source>Printer is not available.</source>
        <translation>L&apos;imprimante n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>kovaq::PrintProgressWindow</name>
    <message>
        <source>Printing Image...</source>
        <translation>Impression de l&apos;image…</translation>
    </message>
    <message>
        <source>Please Wait - Rendering  Image
And Sending To Printer</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Patientez - Rendu de l&apos;image
Et envoi à l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeFoldersDialog</name>
    <message>
        <source>Recipe Folders</source>
        <translation>Dossiers de recettes</translation>
    </message>
    <message>
        <source>Recipes are looked for in these folders and every folder in them:</source>
        <translation>Les recettes sont cherchées dans ces dossiers et dans tous leurs sous-dossiers&#xa0;:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>jusqu&apos;à %1 ml</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>manque %1</translation>
    </message>
    <message>
        <source>%1: %2 ml needed, %3 ml on hand</source>
        <translation>%1&#xa0;: %2 ml requis, %3 ml en stock</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Taux</translation>
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
        <translation>Arômes</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Can be made</source>
        <translation>Faisable</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Can make</source>
        <translation>Selon stock</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipeShare</name>
    <message>
        <source>%1 is not on the list: %2 is used.</source>
        <translation>Le ratio %1 n&apos;est pas dans la liste&#xa0;: %2 est utilisé.</translation>
    </message>
    <message>
        <source>The base&apos;s %1 is not on the list: %2 is used.</source>
        <translation>Le ratio %1 de la base n&apos;est pas dans la liste&#xa0;: %2 est utilisé.</translation>
    </message>
    <message>
        <source>Only eight flavours fit: left out %1.</source>
        <translation>Seuls huit arômes tiennent&#xa0;; laissés de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 mg needs a nicotine base: type the base&apos;s strength, then the strength. &quot;%2&quot; is kept in the notes.</source>
        <translation>%1 mg demande une base nicotinée&#xa0;: saisissez le taux de la base, puis le taux. «&#xa0;%2&#xa0;» est gardé dans les notes.</translation>
    </message>
    <message>
        <source>%1 (kept in the notes)</source>
        <extracomment>%1 is the note as it is kept, in English (&quot;Steep: 7 days&quot;).</extracomment>
        <translation>%1 (gardé dans les notes)</translation>
    </message>
    <message>
        <source>Read the first %1 KB of the text; the rest was not used.</source>
        <translation>Seuls les %1 premiers Ko du texte ont été lus&#xa0;; le reste n&apos;a pas été utilisé.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesController</name>
    <message>
        <source>Shopping List</source>
        <translation>Liste de courses</translation>
    </message>
    <message>
        <source>%1: %2 ml</source>
        <translation>%1&#xa0;: %2 ml</translation>
    </message>
    <message>
        <source>shopping list.csv</source>
        <translation>liste de courses.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossible d&apos;écrire dans %1.</translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesWindow</name>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Only what I can make</source>
        <translation>Ce que mon stock permet</translation>
    </message>
    <message>
        <source>Lists only the recipes the bottles in your stash can make</source>
        <translation>Ne liste que les recettes que les flacons de votre stock permettent de faire</translation>
    </message>
    <message>
        <source>One Bottle Away...</source>
        <translation>À un flacon près…</translation>
    </message>
    <message>
        <source>The bottles that would each let you make more of your recipes</source>
        <translation>Les flacons qui vous permettraient chacun de faire davantage de vos recettes</translation>
    </message>
    <message>
        <source>Add to Shopping List</source>
        <translation>Ajouter aux courses</translation>
    </message>
    <message>
        <source>Puts the chosen recipe on the shopping list, with what to buy for it</source>
        <translation>Met la recette choisie sur la liste de courses, avec ce qu&apos;il faut acheter pour elle</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>No file manager is available to show the folder. The recipe is in %1.</source>
        <translation>Aucun gestionnaire de fichiers n&apos;est disponible pour afficher le dossier. La recette se trouve dans %1.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Warning...</source>
        <translation>Attention...</translation>
    </message>
    <message>
        <source>Search: words of a name, flavour or note, 3mg, lemon 10%</source>
        <translation>Chercher&#xa0;: mots d&apos;un nom, d&apos;un arôme ou d&apos;une note, 3mg, citron 10%</translation>
    </message>
    <message>
        <source>Search recipes</source>
        <translation>Chercher des recettes</translation>
    </message>
    <message>
        <source>Folders...</source>
        <translation>Dossiers…</translation>
    </message>
    <message>
        <source>Stash...</source>
        <translation>Stock…</translation>
    </message>
    <message>
        <source>The bottles you own and the batches you mixed (Ctrl+T)</source>
        <translation>Vos flacons et les préparations que vous avez mélangées (Ctrl+T)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reading recipes… %1 of %2</source>
        <translation>Lecture des recettes… %1 sur %2</translation>
    </message>
    <message>
        <source>Reading recipes…</source>
        <translation>Lecture des recettes…</translation>
    </message>
    <message>
        <source>%1 — cannot read %2</source>
        <translation>%1 — impossible de lire %2</translation>
    </message>
    <message>
        <source>Move %1 to the trash?</source>
        <translation>Mettre %1 à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to move %1 to the trash.</source>
        <translation>Impossible de mettre %1 à la corbeille.</translation>
    </message>
    <message>
        <source>Copy Recipe</source>
        <translation>Copier la recette</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Move to trash...</source>
        <translation>Mettre à la corbeille…</translation>
    </message>
    <message numerus="yes">
        <source>%n recipe(s)</source>
        <translation>
            <numerusform>%n recette</numerusform>
            <numerusform>%n recettes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n recipe(s)</source>
        <translation>
            <numerusform>%1 sur %n recette</numerusform>
            <numerusform>%1 sur %n recettes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — some folders read every %n second(s)</source>
        <translation>
            <numerusform>%1 — certains dossiers relus à intervalle de %n seconde</numerusform>
            <numerusform>%1 — certains dossiers relus toutes les %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::ReportRenderer</name>
    <message>
        <source>The PDF could not be made</source>
        <translation>Le PDF n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>kovaq::Reports</name>
    <message>
        <source>Calculated with Ko-Vaq from %1</source>
        <translation>Calculé avec Ko-Vaq (%1)</translation>
    </message>
    <message>
        <source>Mix Name</source>
        <translation>Nom du mélange</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Nic Base Strength</source>
        <translation>Taux base nic.</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Taux nic.</translation>
    </message>
    <message>
        <source>Mix PG-VG Ratio (%)</source>
        <translation>Ratio PG-VG du mélange (%)</translation>
    </message>
    <message>
        <source>Mix Volume</source>
        <translation>Volume du mélange</translation>
    </message>
    <message>
        <source>TOTAL COST</source>
        <translation>COÛT TOTAL</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Détails ingrédients</translation>
    </message>
    <message>
        <source>Mixing Volumes</source>
        <translation>Volumes du mélange</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Qty(ml)</source>
        <translation>Qté(ml)</translation>
    </message>
    <message>
        <source>Vol(ml)</source>
        <translation>Vol(ml)</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <translation>Propylène gl. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <translation>Glycérine vég. (VG)</translation>
    </message>
    <message>
        <source>Vodka/Water</source>
        <translation>Vodka/eau</translation>
    </message>
    <message>
        <source>per</source>
        <extracomment>Between a bottle&apos;s price and its size in ml: &quot;2.50 per 10&quot;.</extracomment>
        <translation>les</translation>
    </message>
    <message>
        <source>Mixing Specification</source>
        <translation>Paramètres du mélange</translation>
    </message>
    <message>
        <source>Costs For This Mix</source>
        <translation>Coûts de ce mélange</translation>
    </message>
    <message>
        <source>Costs</source>
        <translation>Coûts</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Weighed</source>
        <translation>Pesé</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrédient</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>grammes</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>balance</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An ingredient (%1) and the hint for it (%2).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>kovaq::ResultsPanel</name>
    <message>
        <source>  Mixing Volumes  </source>
        <translation>  Volumes  </translation>
    </message>
    <message>
        <source>  Cost For This Mix  </source>
        <translation>  Coût du mélange  </translation>
    </message>
    <message>
        <source>Hi Precision</source>
        <translation>Haute préc.</translation>
    </message>
    <message>
        <source>Ignore Costs</source>
        <translation>Sans coûts</translation>
    </message>
    <message>
        <source>Vol.(ml)</source>
        <translation>Vol.(ml)</translation>
    </message>
    <message>
        <source>Cost (£/$/€)</source>
        <translation>Coût (£/$/€)</translation>
    </message>
    <message>
        <source>%1 volume</source>
        <extracomment>Read out by a screen reader: a row&apos;s caption, then what its value is.</extracomment>
        <translation>%1, volume</translation>
    </message>
    <message>
        <source>%1 cost</source>
        <translation>%1, coût</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>TOTAL cost</source>
        <translation>Coût TOTAL</translation>
    </message>
</context>
<context>
    <name>kovaq::RetainDialog</name>
    <message>
        <source>Retain Some Details?</source>
        <translation>Garder certains détails&#xa0;?</translation>
    </message>
    <message>
        <source>Please Check The Boxes Below If You Would
Like To Retain Either Or Both Of These Panel&apos;s Contents</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Cochez les cases ci-dessous si vous voulez
garder le contenu de l&apos;un de ces panneaux, ou des deux</translation>
    </message>
    <message>
        <source>Ingredient Details</source>
        <translation>Détails ingrédients</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Vodka/eau</translation>
    </message>
    <message>
        <source>NicBase  %1</source>
        <extracomment>The nicotine base&apos;s row once the base has a name (%1).</extracomment>
        <translation>Base nic.  %1</translation>
    </message>
    <message>
        <source>Prop. Glycol (PG)</source>
        <extracomment>The PG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Propylène gl. (PG)</translation>
    </message>
    <message>
        <source>Veg. Glycerin (VG)</source>
        <extracomment>The VG row&apos;s caption in the ingredients group.</extracomment>
        <translation>Glycérine vég. (VG)</translation>
    </message>
</context>
<context>
    <name>kovaq::ScalesIcon</name>
    <message>
        <source>Mix By Weight (Ctrl+G)</source>
        <translation>Doser au poids (Ctrl+G)</translation>
    </message>
    <message>
        <source>Mix By Weight</source>
        <translation>Doser au poids</translation>
    </message>
</context>
<context>
    <name>kovaq::ShareController</name>
    <message>
        <source>Ko-Vaq recipe JSON (*.json)</source>
        <translation>Recette Ko-Vaq en JSON (*.json)</translation>
    </message>
    <message>
        <source>Unable to open %1.
%2</source>
        <translation>Impossible d&apos;ouvrir %1.
%2</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 ne peut pas être importé.
%2</translation>
    </message>
</context>
<context>
    <name>kovaq::ShoppingWindow</name>
    <message>
        <source>Shopping List</source>
        <translation>Liste de courses</translation>
    </message>
    <message>
        <source>Recipes to make:</source>
        <translation>Recettes à faire&#xa0;:</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Recette</translation>
    </message>
    <message>
        <source>Make (ml)</source>
        <translation>À faire (ml)</translation>
    </message>
    <message>
        <source>Recipes to make</source>
        <translation>Recettes à faire</translation>
    </message>
    <message>
        <source>What to buy:</source>
        <translation>À acheter&#xa0;:</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrédient</translation>
    </message>
    <message>
        <source>Short (ml)</source>
        <translation>Manque (ml)</translation>
    </message>
    <message>
        <source>Needed (ml)</source>
        <translation>Requis (ml)</translation>
    </message>
    <message>
        <source>On hand (ml)</source>
        <translation>En stock (ml)</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flacons</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>What to buy</source>
        <translation>À acheter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Takes the chosen recipe off the list</source>
        <translation>Retire la recette choisie de la liste</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copies the list as text</source>
        <translation>Copie la liste en texte</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Enregistrer CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source> ml</source>
        <translation> ml</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Quantité à faire</translation>
    </message>
    <message>
        <source>%1 × %2 ml</source>
        <translation>%1 × %2 ml</translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Rien ne manque&#xa0;: le stock contient tout.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 ne peut pas être mélangé en l&apos;état&#xa0;: laissé de côté.</translation>
    </message>
</context>
<context>
    <name>kovaq::Shots</name>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution)</source>
        <translation>Trop peu pour bien peser&#xa0;: prédiluer à 1:%1 dans du PG (%2 g de la dilution)</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix</source>
        <translation>Trop peu pour bien peser&#xa0;: prédiluer à 1:%1 dans du PG (%2 g de la dilution) et retirer %3 ml de PG du mélange</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in VG (%2 g of the dilution) and leave %3 ml of VG out of the mix, as the mix&apos;s %4 ml of PG cannot take it</source>
        <translation>Trop peu pour bien peser&#xa0;: prédiluer à 1:%1 dans de la VG (%2 g de la dilution) et retirer %3 ml de VG du mélange, les %4 ml de PG du mélange ne pouvant pas l&apos;absorber</translation>
    </message>
    <message>
        <source>Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) and leave %3 ml of PG out of the mix, the most the mix&apos;s PG can take</source>
        <translation>Trop peu pour bien peser&#xa0;: prédiluer à 1:%1 dans du PG (%2 g de la dilution) et retirer %3 ml de PG du mélange, le maximum que le PG du mélange puisse absorber</translation>
    </message>
    <message>
        <source>Too little to weigh well, and the mix&apos;s PG and VG cannot take a dilution of it: make a bigger batch or weigh it on a finer scale</source>
        <translation>Trop peu pour bien peser, et le PG et la VG du mélange ne peuvent pas en absorber une dilution&#xa0;: faites une plus grande préparation ou pesez avec une balance plus précise</translation>
    </message>
    <message>
        <source>Type the shortfill liquid&apos;s volume</source>
        <translation>Saisissez le volume du shortfill</translation>
    </message>
    <message>
        <source>Type the size of one shot</source>
        <translation>Saisissez le volume d&apos;un booster</translation>
    </message>
    <message>
        <source>%1 mg shots cannot make %2 mg</source>
        <translation>Des boosters à %1 mg ne peuvent pas donner %2 mg</translation>
    </message>
    <message>
        <source>No room: the bottle holds %1 ml, the liquid %2 ml</source>
        <translation>Pas de place&#xa0;: le flacon contient %1 ml, le liquide %2 ml</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g)</source>
        <translation>Boosters pour %1 mg&#xa0;: %2 ml (%3 g)</translation>
    </message>
    <message>
        <source>Shot liquid for %1 mg: %2 ml (%3 g), more than the %4 ml of room</source>
        <translation>Boosters pour %1 mg&#xa0;: %2 ml (%3 g), plus que les %4 ml de place</translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml</source>
        <extracomment>%n whole shots give %1 mg/ml in %2 ml.</extracomment>
        <translation>
            <numerusform>%n booster&#xa0;: %1 mg dans %2 ml</numerusform>
            <numerusform>%n boosters&#xa0;: %1 mg dans %2 ml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</source>
        <translation>
            <numerusform>%n booster&#xa0;: %1 mg dans %2 ml, déborde du flacon de %3 ml</numerusform>
            <numerusform>%n boosters&#xa0;: %1 mg dans %2 ml, déborde du flacon de %3 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Then: %1 ml at %2</source>
        <extracomment>%2 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Ensuite&#xa0;: %1 ml en %2</translation>
    </message>
    <message>
        <source>Type the batch&apos;s volume</source>
        <translation>Saisissez le volume de la préparation</translation>
    </message>
    <message>
        <source>Already at %1 mg: add nothing</source>
        <translation>Déjà à %1 mg&#xa0;: rien à ajouter</translation>
    </message>
    <message>
        <source>Adding liquid cannot take %1 mg to %2 mg</source>
        <translation>Ajouter du liquide ne peut pas faire passer de %1 mg à %2 mg</translation>
    </message>
    <message>
        <source>Type the nicotine base&apos;s strength to make the batch stronger</source>
        <translation>Saisissez le taux de la base nicotinée pour renforcer la préparation</translation>
    </message>
    <message>
        <source>A %1 mg base cannot make %2 mg</source>
        <translation>Une base à %1 mg ne peut pas donner %2 mg</translation>
    </message>
    <message>
        <source>Add %1 ml of 0 mg liquid at %2 (%3 g)</source>
        <translation>Ajoutez %1 ml de liquide à 0 mg en %2 (%3 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of the %2 mg base at %3 (%4 g)</source>
        <translation>Ajoutez %1 ml de la base à %2 mg en %3 (%4 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml of %2 mg at %3</source>
        <translation>Ensuite&#xa0;: %1 ml à %2 mg en %3</translation>
    </message>
    <message>
        <source>Already at %1: add nothing</source>
        <extracomment>%1 is a ratio such as 70/30 PG/VG.</extracomment>
        <translation>Déjà en %1&#xa0;: rien à ajouter</translation>
    </message>
    <message>
        <source>Adding PG cannot make a batch with VG in it all PG</source>
        <translation>Ajouter du PG ne peut pas rendre 100 % PG une préparation contenant de la VG</translation>
    </message>
    <message>
        <source>Adding VG cannot make a batch with PG in it all VG</source>
        <translation>Ajouter de la VG ne peut pas rendre 100 % VG une préparation contenant du PG</translation>
    </message>
    <message>
        <source>Add %1 ml of PG (%2 g)</source>
        <translation>Ajoutez %1 ml de PG (%2 g)</translation>
    </message>
    <message>
        <source>Add %1 ml of VG (%2 g)</source>
        <translation>Ajoutez %1 ml de VG (%2 g)</translation>
    </message>
    <message>
        <source>Then: %1 ml at %2, %3 mg</source>
        <translation>Ensuite&#xa0;: %1 ml en %2, %3 mg</translation>
    </message>
</context>
<context>
    <name>kovaq::ShotsWindow</name>
    <message>
        <source>Shots and Fixes</source>
        <translation>Booster et ajuster</translation>
    </message>
    <message>
        <source>Shortfill &amp;liquid</source>
        <extracomment>A shortfill: a bottle of flavoured liquid without nicotine, part filled so that shots (small bottles of strong nicotine) can be added to it. &amp; marks the access key.</extracomment>
        <translation>&amp;Liquide shortfill</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>&amp;Bottle size</source>
        <translation>Taille du &amp;flacon</translation>
    </message>
    <message>
        <source>Liquid&apos;s &amp;PG-VG</source>
        <translation>&amp;PG-VG du liquide</translation>
    </message>
    <message>
        <source>&amp;Shot strength</source>
        <extracomment>A shot: a small bottle (10 ml) of strong nicotine added to a shortfill.</extracomment>
        <translation>&amp;Taux du booster</translation>
    </message>
    <message>
        <source>mg/ml</source>
        <translation>mg/ml</translation>
    </message>
    <message>
        <source>Shot si&amp;ze</source>
        <translation>&amp;Volume du booster</translation>
    </message>
    <message>
        <source>Shot&apos;s P&amp;G-VG</source>
        <translation>P&amp;G-VG du booster</translation>
    </message>
    <message>
        <source>&amp;Target strength</source>
        <translation>Ta&amp;ux visé</translation>
    </message>
    <message>
        <source>Shortfill + Shots</source>
        <translation>Shortfill + boosters</translation>
    </message>
    <message>
        <source>&amp;Batch</source>
        <translation>P&amp;réparation</translation>
    </message>
    <message>
        <source>Its &amp;strength</source>
        <translation>Son &amp;taux</translation>
    </message>
    <message>
        <source>Its &amp;PG-VG</source>
        <translation>Son &amp;PG-VG</translation>
    </message>
    <message>
        <source>0 mg liquid&apos;s P&amp;G-VG (to weaken)</source>
        <translation>P&amp;G-VG du liquide à 0 mg (pour baisser)</translation>
    </message>
    <message>
        <source>Nicotine b&amp;ase (to strengthen)</source>
        <translation>B&amp;ase nicotinée (pour monter)</translation>
    </message>
    <message>
        <source>Base&apos;s PG-&amp;VG</source>
        <translation>PG-&amp;VG de la base</translation>
    </message>
    <message>
        <source>Change Strength</source>
        <translation>Changer le taux</translation>
    </message>
    <message>
        <source>&amp;Target PG-VG</source>
        <translation>PG-VG &amp;visé</translation>
    </message>
    <message>
        <source>Its &amp;strength (if known)</source>
        <translation>Son &amp;taux (si connu)</translation>
    </message>
    <message>
        <source>Change PG/VG</source>
        <translation>Changer le PG/VG</translation>
    </message>
    <message>
        <source>Base From &amp;Mix</source>
        <translation>Base du &amp;mélange</translation>
    </message>
    <message>
        <source>The nicotine base of the mix in the main window</source>
        <translation>La base nicotinée du mélange de la fenêtre principale</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out by a screen reader: a field&apos;s caption, then its unit, as in &quot;Bottle size, ml&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From a batc&amp;h</source>
        <translation>&amp;D&apos;une préparation</translation>
    </message>
    <message>
        <source>From a batch</source>
        <translation>D&apos;une préparation</translation>
    </message>
    <message>
        <source>(none: the figures typed)</source>
        <translation>(aucune&#xa0;: les valeurs saisies)</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A batch in the list: the day it was mixed, two blanks, its name.</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>For the batch %1, mixed %2</source>
        <translation>Pour la préparation %1, mélangée le %2</translation>
    </message>
    <message>
        <source>Type every figure to see what to add.</source>
        <translation>Saisissez toutes les valeurs pour voir quoi ajouter.</translation>
    </message>
</context>
<context>
    <name>kovaq::SpecPanel</name>
    <message>
        <source>  Mixing Specification  </source>
        <translation>  Paramètres du mélange  </translation>
    </message>
    <message>
        <source>PG–VG (%)</source>
        <translation>PG–VG (%)</translation>
    </message>
    <message>
        <source>Volume To Make</source>
        <translation>Volume à faire</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Nic Strength</source>
        <translation>Taux nic.</translation>
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
        <translation>Vodka/eau</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCommand</name>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>Add Bottle</source>
        <translation>Ajouter un flacon</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Mix It</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Undo Batch %1</source>
        <translation>Défaire la préparation %1</translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <translation>Importer des flacons</translation>
    </message>
</context>
<context>
    <name>kovaq::StashController</name>
    <message>
        <source>The stash&apos;s base is %1 mg; this mix is worked out for %2 mg.</source>
        <translation>La base du stock est à %1 mg&#xa0;; ce mélange est calculé pour %2 mg.</translation>
    </message>
    <message>
        <source>Start a new, empty stash? The damaged one is kept as %1, unchanged.</source>
        <translation>Commencer un nouveau stock vide&#xa0;? L&apos;ancien, endommagé, est gardé tel quel sous %1.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unable to read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB: nothing was imported.</source>
        <translation>%1 dépasse %2 Mio&#xa0;: rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>Le stock ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>This mix cannot be made: %1.
No batch was recorded.</source>
        <translation>Ce mélange est infaisable&#xa0;: %1.
Aucune préparation n&apos;a été enregistrée.</translation>
    </message>
    <message>
        <source>The mix in the window has not been saved.
Record a batch of it anyway? Its recipe is kept with the batch.</source>
        <translation>Le mélange de la fenêtre n&apos;a pas été enregistré.
Enregistrer quand même une préparation&#xa0;? Sa recette est gardée avec la préparation.</translation>
    </message>
    <message>
        <source>The stash does not hold all this mix needs:
%1

Record the batch anyway? What is missing is noted with it.</source>
        <translation>Le stock ne contient pas tout ce qu&apos;il faut à ce mélange&#xa0;:
%1

Enregistrer quand même la préparation&#xa0;? Ce qui manque est noté avec elle.</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Il n&apos;y a aucune préparation à annuler.</translation>
    </message>
    <message>
        <source>Undo the last batch, %1, and give back to the stash what it took?</source>
        <translation>Annuler la dernière préparation, %1, et rendre au stock ce qu&apos;elle a pris&#xa0;?</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>kovaq::StashCsv</name>
    <message>
        <source>The file holds no header row naming the columns.</source>
        <translation>Le fichier n&apos;a pas de ligne d&apos;en-tête nommant les colonnes.</translation>
    </message>
    <message>
        <source>The header names the column %1 twice.</source>
        <translation>L&apos;en-tête nomme deux fois la colonne %1.</translation>
    </message>
    <message>
        <source>The header row names no kind column; it needs kind, and may name name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity and notes.</source>
        <translation>La ligne d&apos;en-tête ne nomme pas de colonne kind&#xa0;; elle doit nommer kind, et peut nommer name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity et notes.</translation>
    </message>
    <message>
        <source>A quoted cell is not closed before the end of the file.</source>
        <translation>Une cellule entre guillemets n&apos;est pas fermée avant la fin du fichier.</translation>
    </message>
    <message>
        <source>The line has %1 cells; the header names %2.</source>
        <translation>La ligne a %1 cellules&#xa0;; l&apos;en-tête en nomme %2.</translation>
    </message>
    <message>
        <source>The kind is missing.</source>
        <translation>La valeur kind manque.</translation>
    </message>
    <message>
        <source>The kind &quot;%1&quot; is none of base, pg, vg, flavour and vodka/water.</source>
        <translation>La valeur kind «&#xa0;%1&#xa0;» n&apos;est ni base, ni pg, ni vg, ni flavour, ni vodka/water.</translation>
    </message>
    <message>
        <source>A flavour needs a name.</source>
        <translation>Un arôme doit avoir un nom.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number.</source>
        <translation>La valeur %1 «&#xa0;%2&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The %1 cannot be below 0.</source>
        <translation>La valeur %1 ne peut pas être inférieure à 0.</translation>
    </message>
    <message>
        <source>The %1 cannot be more than %2.</source>
        <translation>La valeur %1 ne peut pas dépasser %2.</translation>
    </message>
    <message>
        <source>The pgvg &quot;%1&quot; is none of PG, 90-10 to 10-90, VG and none.</source>
        <translation>La valeur pgvg «&#xa0;%1&#xa0;» n&apos;est ni PG, ni de 90-10 à 10-90, ni VG, ni none.</translation>
    </message>
    <message>
        <source>The gravity &quot;%1&quot; is not a number from 0.5 to 2.</source>
        <translation>La valeur gravity «&#xa0;%1&#xa0;» n&apos;est pas un nombre de 0.5 à 2.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashImportDialog</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <comment>a field, its value before and after</comment>
        <translation>%1&#xa0;: %2 → %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>maker</source>
        <translation>marque</translation>
    </message>
    <message>
        <source>ml on hand</source>
        <translation>ml en stock</translation>
    </message>
    <message>
        <source>bottle ml</source>
        <translation>ml flacon</translation>
    </message>
    <message>
        <source>price</source>
        <translation>prix</translation>
    </message>
    <message>
        <source>PG/VG</source>
        <translation>PG/VG</translation>
    </message>
    <message>
        <source>nicotine mg/ml</source>
        <translation>nicotine mg/ml</translation>
    </message>
    <message>
        <source>g/ml</source>
        <translation>g/ml</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>What the import does</source>
        <translation>Ce que fait l&apos;import</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>%1 ml on hand</source>
        <translation>%1 ml en stock</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusée</translation>
    </message>
    <message>
        <source>%1 — to add: %2, to update: %3, as they are: %4, refused: %5.</source>
        <translation>%1 — à ajouter&#xa0;: %2, à mettre à jour&#xa0;: %3, inchangées&#xa0;: %4, refusées&#xa0;: %5.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashMatch</name>
    <message>
        <source>A flavour without a name</source>
        <translation>Un arôme sans nom</translation>
    </message>
    <message>
        <source>Nicotine base %1 mg</source>
        <translation>Base nicotinée %1 mg</translation>
    </message>
    <message>
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand)</source>
        <translation>%1&#xa0;: il manque %2 ml (%3 ml requis, %4 ml en stock)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml at %6</source>
        <translation>
            <numerusform>%1&#xa0;: il manque %2 ml (%3 ml requis, %4 ml en stock), %n flacon de %5 ml à %6</numerusform>
            <numerusform>%1&#xa0;: il manque %2 ml (%3 ml requis, %4 ml en stock), %n flacons de %5 ml à %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml</source>
        <translation>
            <numerusform>%1&#xa0;: il manque %2 ml (%3 ml requis, %4 ml en stock), %n flacon de %5 ml</numerusform>
            <numerusform>%1&#xa0;: il manque %2 ml (%3 ml requis, %4 ml en stock), %n flacons de %5 ml</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is short: the stash holds all of it.</source>
        <translation>Rien ne manque&#xa0;: le stock contient tout.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be mixed as it stands: left out.</source>
        <translation>%1 ne peut pas être mélangé en l&apos;état&#xa0;: laissé de côté.</translation>
    </message>
</context>
<context>
    <name>kovaq::StashPlan</name>
    <message>
        <source>%1: needs %2 ml, none in the stash</source>
        <translation>%1&#xa0;: %2 ml requis, aucun dans le stock</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml left</source>
        <translation>%1&#xa0;: %2 ml requis, %3 ml en stock, %4 ml restants</translation>
    </message>
    <message>
        <source>%1: needs %2 ml, %3 ml on hand, %4 ml short</source>
        <translation>%1&#xa0;: %2 ml requis, %3 ml en stock, il manque %4 ml</translation>
    </message>
</context>
<context>
    <name>kovaq::StashStore</name>
    <message>
        <source>The stash cannot be changed.</source>
        <translation>Le stock ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>There is no stash yet at %1.</source>
        <translation>Il n&apos;y a pas encore de stock dans %1.</translation>
    </message>
    <message>
        <source>Unable to make the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 n&apos;est pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>The disk holding the stash is full: %1 (%2). The stash is shown read only.</source>
        <translation>Le disque du stock est plein&#xa0;: %1 (%2). Le stock est affiché en lecture seule.</translation>
    </message>
    <message>
        <source>The stash&apos;s folder cannot be written: %1 (%2). The stash is shown read only.</source>
        <translation>Impossible d&apos;écrire dans le dossier du stock&#xa0;: %1 (%2). Le stock est affiché en lecture seule.</translation>
    </message>
    <message>
        <source>Another Ko-Vaq is using the stash: it is open read-only.</source>
        <translation>Un autre Ko-Vaq utilise le stock&#xa0;: il est ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>Unable to read the stash %1: %2.</source>
        <translation>Impossible de lire le stock %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged.</source>
        <translation>La base de données du stock %1 est endommagée.</translation>
    </message>
    <message>
        <source>The stash database %1 is damaged. It is not changed until you say so.</source>
        <translation>La base de données du stock %1 est endommagée. Elle n&apos;est pas modifiée sans votre accord.</translation>
    </message>
    <message>
        <source>The stash database is damaged; a copy is kept as %1. It is not changed until you say so.</source>
        <translation>La base de données du stock est endommagée&#xa0;; une copie est gardée sous %1. Elle n&apos;est pas modifiée sans votre accord.</translation>
    </message>
    <message>
        <source>The stash was written by a newer Ko-Vaq: it is open read-only.</source>
        <translation>Le stock a été écrit par un Ko-Vaq plus récent&#xa0;: il est ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>Unable to open the stash %1.</source>
        <translation>Impossible d&apos;ouvrir le stock %1.</translation>
    </message>
    <message>
        <source>The stash is not damaged.</source>
        <translation>Le stock n&apos;est pas endommagé.</translation>
    </message>
    <message>
        <source>Unable to keep a copy of the damaged stash in %1; nothing was changed.</source>
        <translation>Impossible de garder une copie du stock endommagé dans %1&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Unable to put the damaged stash aside: %1.</source>
        <translation>Impossible de mettre de côté le stock endommagé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Unable to add the bottle</source>
        <translation>Impossible d&apos;ajouter le flacon</translation>
    </message>
    <message>
        <source>Unable to change the bottle</source>
        <translation>Impossible de modifier le flacon</translation>
    </message>
    <message>
        <source>Unable to remove the bottle</source>
        <translation>Impossible de retirer le flacon</translation>
    </message>
    <message>
        <source>Unable to bring the bottle back</source>
        <translation>Impossible de remettre le flacon</translation>
    </message>
    <message>
        <source>The bottle is no longer in the stash.</source>
        <translation>Le flacon n&apos;est plus dans le stock.</translation>
    </message>
    <message>
        <source>Unable to import the bottles</source>
        <translation>Impossible d&apos;importer les flacons</translation>
    </message>
    <message>
        <source>Unable to record the batch</source>
        <translation>Impossible d&apos;enregistrer la préparation</translation>
    </message>
    <message>
        <source>Unable to undo the batch</source>
        <translation>Impossible d&apos;annuler la préparation</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Il n&apos;y a aucune préparation à annuler.</translation>
    </message>
    <message>
        <source>The batch is no longer in the log.</source>
        <translation>La préparation n&apos;est plus dans l&apos;historique.</translation>
    </message>
    <message>
        <source>A flavour&apos;s notes need the flavour&apos;s name.</source>
        <translation>Les notes d&apos;un arôme demandent le nom de l&apos;arôme.</translation>
    </message>
    <message>
        <source>A rating is from 1 to 5.</source>
        <translation>Une note va de 1 à 5.</translation>
    </message>
    <message>
        <source>A preferred share is more than 0 and at most 100 %.</source>
        <translation>Un pourcentage préféré est supérieur à 0 et au plus 100 %.</translation>
    </message>
    <message>
        <source>Unable to keep the flavour&apos;s notes</source>
        <translation>Impossible de garder les notes de l&apos;arôme</translation>
    </message>
</context>
<context>
    <name>kovaq::StashWindow</name>
    <message>
        <source>Start a New Stash</source>
        <translation>Nouveau stock</translation>
    </message>
    <message>
        <source>Keep It Read Only</source>
        <translation>Rester en lecture seule</translation>
    </message>
    <message>
        <source>Write Again</source>
        <translation>Réécrire</translation>
    </message>
    <message>
        <source>Flavours</source>
        <translation>Arômes</translation>
    </message>
    <message>
        <source>Your stash is empty: press Add, choose the kind and type the bottle&apos;s name.</source>
        <translation>Votre stock est vide&#xa0;: cliquez sur Ajouter, choisissez le type et saisissez le nom du flacon.</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importer CSV…</translation>
    </message>
    <message>
        <source>Add or update bottles from a spreadsheet&apos;s CSV file</source>
        <translation>Ajouter ou mettre à jour des flacons depuis le fichier CSV d&apos;un tableur</translation>
    </message>
    <message>
        <source>Search the flavours</source>
        <translation>Chercher dans les arômes</translation>
    </message>
    <message>
        <source>The flavours of the recipes in your recipe folders, with a share, are listed here once the folders have been read.</source>
        <translation>Les arômes des recettes de vos dossiers, avec un pourcentage, sont listés ici une fois les dossiers lus.</translation>
    </message>
    <message>
        <source>The new bottle&apos;s kind</source>
        <translation>Le type du nouveau flacon</translation>
    </message>
    <message>
        <source>Stash</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>Préparations</translation>
    </message>
    <message>
        <source>Search the stash</source>
        <translation>Chercher dans le stock</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flacons</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Mix It...</source>
        <translation>Mélanger…</translation>
    </message>
    <message>
        <source>Record a batch of the mix in the window (Ctrl+B)</source>
        <translation>Enregistrer une préparation du mélange de la fenêtre (Ctrl+B)</translation>
    </message>
    <message>
        <source>Search the batches</source>
        <translation>Chercher dans les préparations</translation>
    </message>
    <message>
        <source>Open Recipe</source>
        <translation>Ouvrir la recette</translation>
    </message>
    <message>
        <source>The recipe as it was mixed, as a new mix</source>
        <translation>La recette telle qu&apos;elle a été mélangée, comme nouveau mélange</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Print Label...</source>
        <translation>Imprimer l&apos;étiquette…</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annuler la dernière préparation</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter CSV…</translation>
    </message>
    <message>
        <source>The mix in the window needs nothing yet.</source>
        <translation>Le mélange de la fenêtre ne demande encore rien.</translation>
    </message>
    <message>
        <source>For the mix in the window:</source>
        <translation>Pour le mélange de la fenêtre&#xa0;:</translation>
    </message>
</context>
<context>
    <name>kovaq::StatusPanel</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Cost status</source>
        <translation>État du coût</translation>
    </message>
    <message>
        <source>Volume status</source>
        <translation>État des volumes</translation>
    </message>
</context>
<context>
    <name>kovaq::WeightsWindow</name>
    <message>
        <source>Mix By Weight</source>
        <translation>Doser au poids</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <extracomment>The columns&apos; heads: &quot;scale reads&quot; is what the scale shows once the row is poured in.</extracomment>
        <translation>Ingrédient</translation>
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
        <translation>grammes</translation>
    </message>
    <message>
        <source>scale reads</source>
        <translation>balance</translation>
    </message>
    <message>
        <source>drops</source>
        <translation>gouttes</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Pure nicotine</source>
        <translation>Nicotine pure</translation>
    </message>
    <message>
        <source>Show &amp;drops at</source>
        <translation>Afficher les &amp;gouttes à</translation>
    </message>
    <message>
        <source> drops per ml</source>
        <extracomment>After a number of drops, as in &quot;20 drops per ml&quot;.</extracomment>
        <translation> gouttes par ml</translation>
    </message>
    <message>
        <source>Drops per ml</source>
        <translation>Gouttes par ml</translation>
    </message>
    <message>
        <source>20 for most droppers; 25 or 33 for finer ones</source>
        <translation>20 pour la plupart des compte-gouttes&#xa0;; 25 ou 33 pour les plus fins</translation>
    </message>
    <message>
        <source>&amp;Scale reads to</source>
        <translation>&amp;Précision balance</translation>
    </message>
    <message>
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Every gravity back to its default</source>
        <translation>Remet chaque densité à sa valeur par défaut</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 grams: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then its grams.</extracomment>
        <translation>%1, grammes&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 scale reads: %2</source>
        <extracomment>Read out by a screen reader: the row&apos;s caption, then what the scale reads.</extracomment>
        <translation>%1, la balance affiche&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 gravity, g/ml</source>
        <extracomment>Read out by a screen reader: what the gravity is of, as in &quot;PG gravity, g/ml&quot;.</extracomment>
        <translation>%1, densité, g/ml</translation>
    </message>
    <message>
        <source>TOTAL grams: %1</source>
        <translation>Grammes au TOTAL&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A row&apos;s caption, then why its amount is too small to weigh.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>kovaq::WelcomeDialog</name>
    <message>
        <source>Welcome To Ko-Vaq</source>
        <translation>Bienvenue dans Ko-Vaq</translation>
    </message>
    <message>
        <source>Ko-Vaq Has Detected That You Are A New User</source>
        <translation>Ko-Vaq a détecté que vous êtes un nouvel utilisateur</translation>
    </message>
    <message>
        <source>If you need help getting started, look in the Help file
under &apos;How To... Getting Started&apos;</source>
        <extracomment>Shown on two lines, broken where the line break stands.</extracomment>
        <translation>Si vous avez besoin d&apos;aide pour démarrer, consultez l&apos;aide
à la rubrique «&#xa0;How To... Getting Started&#xa0;»</translation>
    </message>
    <message>
        <source>To view the Help file at any time, click on the %1 icon.
located at the top RH corner of the screen, or press F1 key.</source>
        <extracomment>Shown on two lines, broken where the line break stands; %1 is the help icon.</extracomment>
        <translation>Pour afficher l&apos;aide à tout moment, cliquez sur l&apos;icône %1
en haut à droite de l&apos;écran, ou appuyez sur la touche F1.</translation>
    </message>
    <message>
        <source>This message will be shown at each startup until you
have loaded or saved your first recipe</source>
        <extracomment>Shown on two lines, broken where the line break stands; the second is underlined.</extracomment>
        <translation>Ce message s&apos;affichera à chaque démarrage jusqu&apos;à ce que vous
ayez chargé ou enregistré votre première recette</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
