<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>kovaq</name>
    <message numerus="yes">
        <source>, %n bottle(s) of %1 ml at %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n bottle(s) of %1 ml</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::FlavourBook</name>
    <message numerus="yes">
        <source>%1: in %n of your recipes, %2 %, usually %3 %</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::PasteRecipeDialog</name>
    <message numerus="yes">
        <source>Notes: %n line(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::RecipesWindow</name>
    <message numerus="yes">
        <source> — some folders read every %n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kovaq::Shots</name>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml</source>
        <extracomment>%n whole shots give %1 mg/ml in %2 ml.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shots: %1 mg in %2 ml, overflows the %3 ml bottle</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
