<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>kovaq::FlavourBook</name>
    <message numerus="yes">
        <source>%1: in %n of your recipes, %2 %, usually %3 %</source>
        <translation>
            <numerusform>%1: in %n of your recipes, %2 %, usually %3 %</numerusform>
            <numerusform>%1: in %n of your recipes, %2 %, usually %3 %</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::PasteRecipeDialog</name>
    <message numerus="yes">
        <source>Notes: %n line(s)</source>
        <translation>
            <numerusform>Notes: %n line</numerusform>
            <numerusform>Notes: %n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesWindow</name>
    <message numerus="yes">
        <source>%n recipe(s)</source>
        <translation>
            <numerusform>%n recipe</numerusform>
            <numerusform>%n recipes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n recipe(s)</source>
        <translation>
            <numerusform>%1 of %n recipe</numerusform>
            <numerusform>%1 of %n recipes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 — some folders read every %n second(s)</source>
        <translation>
            <numerusform>%1 — some folders read every %n second</numerusform>
            <numerusform>%1 — some folders read every %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::Shots</name>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml</source>
        <extracomment>%n whole shots give %1 mg/ml in %2 ml.</extracomment>
        <translation>
            <numerusform>%n shots: %1 mg in %2 ml</numerusform>
            <numerusform>%n shots: %1 mg in %2 ml</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</source>
        <translation>
            <numerusform>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</numerusform>
            <numerusform>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::StashMatch</name>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml at %6</source>
        <translation>
            <numerusform>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle of %5 ml at %6</numerusform>
            <numerusform>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottles of %5 ml at %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle(s) of %5 ml</source>
        <translation>
            <numerusform>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottle of %5 ml</numerusform>
            <numerusform>%1: %2 ml short (%3 ml needed, %4 ml on hand), %n bottles of %5 ml</numerusform>
        </translation>
    </message>
</context>
</TS>
