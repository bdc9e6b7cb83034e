<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LabelPrinter</name>
    <message numerus="yes">
        <source>The whole job, %n labels, was handed over to %1.</source>
        <translation>
            <numerusform>The whole job, %n label, was handed over to %1.</numerusform>
            <numerusform>The whole job, %n labels, was handed over to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was sent: the printer %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Nothing was sent: the printer %1 did not answer within %n second.</numerusform>
            <numerusform>Nothing was sent: the printer %1 did not answer within %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message numerus="yes">
        <source>%1 of %n rows cannot be printed and are left out; they are listed beside the preview.

Print the other %2?</source>
        <translation>
            <numerusform>%1 of %n row cannot be printed and is left out; it is listed beside the preview.

Print the other %2?</numerusform>
            <numerusform>%1 of %n rows cannot be printed and are left out; they are listed beside the preview.

Print the other %2?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing to print: none of the %n rows can be printed; they are listed beside the preview</source>
        <translation>
            <numerusform>Nothing to print: the one row cannot be printed; it is listed beside the preview</numerusform>
            <numerusform>Nothing to print: none of the %n rows can be printed; they are listed beside the preview</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n labels would be cut off by their cells: %1</source>
        <translation>
            <numerusform>%n label would be cut off by its cell: %1</numerusform>
            <numerusform>%n labels would be cut off by their cells: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (and %n more)</source>
        <translation>
            <numerusform> (and %n more)</numerusform>
            <numerusform> (and %n more)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more rows</source>
        <translation>
            <numerusform>... and %n more row</numerusform>
            <numerusform>... and %n more rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows print another number than typed: %1

Print them as they are?</source>
        <translation>
            <numerusform>%n row prints another number than typed: %1

Print it as it is?</numerusform>
            <numerusform>%n rows print another number than typed: %1

Print them as they are?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n rows print as they should</source>
        <translation>
            <numerusform>%n row prints as it should</numerusform>
            <numerusform>All %n rows print as they should</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows will not print as typed</source>
        <translation>
            <numerusform>%1 of %n row will not print as typed</numerusform>
            <numerusform>%1 of %n rows will not print as typed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so a 0 was put in front and %2 became the check digit</source>
        <translation>
            <numerusform>%1 takes %n digit and a check digit, so a 0 was put in front and %2 became the check digit</numerusform>
            <numerusform>%1 takes %n digits and a check digit, so a 0 was put in front and %2 became the check digit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so a 0 was put in front and the check digit %2 replaced the last digit</source>
        <translation>
            <numerusform>%1 takes %n digit and a check digit, so a 0 was put in front and the check digit %2 replaced the last digit</numerusform>
            <numerusform>%1 takes %n digits and a check digit, so a 0 was put in front and the check digit %2 replaced the last digit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so zeros were put in front</source>
        <translation>
            <numerusform>%1 takes %n digit and a check digit, so a 0 was put in front</numerusform>
            <numerusform>%1 takes %n digits and a check digit, so zeros were put in front</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit; the digits after the first %2 were left out</source>
        <translation>
            <numerusform>%1 takes %n digit and a check digit; the digits after the first %2 were left out</numerusform>
            <numerusform>%1 takes %n digits and a check digit; the digits after the first %2 were left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %1 takes %n digits, so zeros were put in front</source>
        <translation>
            <numerusform>the %1 takes %n digit, so a 0 was put in front</numerusform>
            <numerusform>the %1 takes %n digits, so zeros were put in front</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %1 takes %n digits; the rest were left out</source>
        <translation>
            <numerusform>the %1 takes %n digit; the rest were left out</numerusform>
            <numerusform>the %1 takes %n digits; the rest were left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n labels read back at %2 dpi</source>
        <translation>
            <numerusform>%1 of %n label read back at %2 dpi</numerusform>
            <numerusform>%1 of %n labels read back at %2 dpi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n not checked</source>
        <translation>
            <numerusform>, %n not checked</numerusform>
            <numerusform>, %n not checked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n labels not checked: no reader for their kind</source>
        <translation>
            <numerusform>%n label not checked: no reader for its kind</numerusform>
            <numerusform>%n labels not checked: no reader for their kind</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and the check digit switch adds the check digit, so the first digit was left out: type %n digits, or turn the switch off</source>
        <translation>
            <numerusform>%1 takes %n digit and the check digit switch adds the check digit, so the first digit was left out: type %n digit, or turn the switch off</numerusform>
            <numerusform>%1 takes %n digits and the check digit switch adds the check digit, so the first digit was left out: type %n digits, or turn the switch off</numerusform>
        </translation>
    </message>
</context>
</TS>
