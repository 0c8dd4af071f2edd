<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>SetupMessages</name>
    <message>
        <source>Zelkora 1.0 Setup</source>
        <translation>Installation von Zelkora 1.0</translation>
    </message>
    <message>
        <source>Destination directory cannot be created.</source>
        <translation>Das Zielverzeichnis kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot read file from the source disk.</source>
        <translation>Eine Datei der Quelldiskette kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Setup is incomplete.</source>
        <translation>Die Installation ist unvollständig.</translation>
    </message>
    <message>
        <source>Please enter correct source directory.</source>
        <translation>Bitte geben Sie ein gültiges Quellverzeichnis ein.</translation>
    </message>
    <message>
        <source>Cannot write file to the destination directory.</source>
        <translation>Eine Datei kann nicht in das Zielverzeichnis geschrieben werden.</translation>
    </message>
    <message>
        <source>The program is installed, but these menu entries could not be created so that they start it:</source>
        <translation>Das Programm ist installiert, aber diese Menüeinträge, die es starten sollen, konnten nicht angelegt werden:</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>Welcome to Zelkora 1.0, the Kiva molecule viewer.

With Kiva, students pick an element or a compound from a catalogue of hundreds of substances and see it in three dimensions: as one molecule, as a crystal grown from its unit cell, as a moving liquid or as a gas. They can turn it, measure it, recolour it and print it.

Setup copies Kiva from its disks into a directory of your choice and adds it to your application menu under Molecule.</source>
        <translation>Willkommen bei Zelkora 1.0, dem Molekülbetrachter Kiva.

Mit Kiva wählen Schülerinnen und Schüler ein Element oder eine Verbindung aus einem Katalog von Hunderten von Stoffen und sehen sie dreidimensional: als einzelnes Molekül, als Kristall, der aus seiner Elementarzelle wächst, als bewegte Flüssigkeit oder als Gas. Sie können sie drehen, messen, umfärben und drucken.

Die Installation kopiert Kiva von seinen Disketten in ein Verzeichnis Ihrer Wahl und nimmt es unter „Molecule“ in Ihr Anwendungsmenü auf.</translation>
    </message>
    <message>
        <source>KIVA USER LICENSE AGREEMENT

Kiva is free software. It is licensed to you under the GNU General Public License, version 2 or (at your option) any later version, whose full text follows this summary.

In plain words:

1. You may run Kiva for any purpose, on as many computers as you like: in the classroom, at home or anywhere else.

2. You may copy Kiva and give it to others, and you may change it. When you pass on Kiva or a changed version, you must pass it on under this same licence and offer its source code, so that everyone who receives it has the same freedoms.

3. Kiva comes with NO WARRANTY, to the extent permitted by law.

This summary is a help for reading, not the licence: only the licence&apos;s own text below has legal force.

________________________________________

</source>
        <translation>LIZENZVEREINBARUNG FÜR KIVA

Kiva ist freie Software. Es wird Ihnen unter der GNU General Public License, Version 2 oder (nach Ihrer Wahl) jeder späteren Version, lizenziert, deren vollständiger (englischer) Text dieser Zusammenfassung folgt.

In einfachen Worten:

1. Sie dürfen Kiva für jeden Zweck auf beliebig vielen Computern ausführen: im Unterricht, zu Hause oder anderswo.

2. Sie dürfen Kiva kopieren, an andere weitergeben und verändern. Wenn Sie Kiva oder eine veränderte Fassung weitergeben, müssen Sie es unter derselben Lizenz weitergeben und seinen Quelltext anbieten, damit alle, die es erhalten, dieselben Freiheiten haben.

3. Kiva wird OHNE JEDE GEWÄHRLEISTUNG geliefert, soweit das Gesetz es zulässt.

Diese Zusammenfassung ist eine Lesehilfe, nicht die Lizenz: Rechtskraft hat nur der folgende Text der Lizenz selbst.

________________________________________

</translation>
    </message>
    <message>
        <source>Please read the following agreement. Scroll to see the rest of the agreement.</source>
        <translation>Bitte lesen Sie die folgende Vereinbarung. Blättern Sie weiter, um den Rest der Vereinbarung zu sehen.</translation>
    </message>
    <message>
        <source>Do you accept all of the terms of the preceding User License Agreement? If you choose No, you must not use the Software. If you want to use the Software, you must accept this agreement.</source>
        <translation>Nehmen Sie alle Bedingungen der vorstehenden Lizenzvereinbarung an? Wenn Sie „Nein“ wählen, dürfen Sie die Software nicht verwenden. Wenn Sie die Software verwenden möchten, müssen Sie diese Vereinbarung annehmen.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>To proceed with setup, click Continue.</source>
        <translation>Klicken Sie auf „Weiter“, um mit der Installation fortzufahren.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Setup will install Zelkora 1.0 in the following directory.</source>
        <translation>Zelkora 1.0 wird in das folgende Verzeichnis installiert.</translation>
    </message>
    <message>
        <source>To install to this directory, click Continue.</source>
        <translation>Um in dieses Verzeichnis zu installieren, klicken Sie auf „Weiter“.</translation>
    </message>
    <message>
        <source>To install to a different directory, enter new directory in Destination Directory box.</source>
        <translation>Um in ein anderes Verzeichnis zu installieren, geben Sie es im Feld „Zielverzeichnis“ ein.</translation>
    </message>
    <message>
        <source>You can choose not to install Zelkora 1.0 by clicking Exit Setup.</source>
        <translation>Mit „Beenden“ können Sie auf die Installation von Zelkora 1.0 verzichten.</translation>
    </message>
    <message>
        <source> Destination Directory </source>
        <translation> Zielverzeichnis </translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>A copy of the software already exists in the destination directory.</source>
        <translation>Im Zielverzeichnis ist die Software bereits vorhanden.</translation>
    </message>
    <message>
        <source>To install this software again, click Continue.</source>
        <translation>Um die Software erneut zu installieren, klicken Sie auf „Weiter“.</translation>
    </message>
    <message>
        <source>To install to a different directory, click Back.</source>
        <translation>Um in ein anderes Verzeichnis zu installieren, klicken Sie auf „Zurück“.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Not enough disk space on target drive while attempting to copy files.</source>
        <translation>Beim Kopieren der Dateien reicht der Speicherplatz auf dem Ziellaufwerk nicht aus.</translation>
    </message>
    <message>
        <source>To proceed with setup, first free disk space on the target drive and then click Continue.</source>
        <translation>Um fortzufahren, schaffen Sie zuerst Platz auf dem Ziellaufwerk und klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please insert next disk.</source>
        <translation>Bitte legen Sie die nächste Diskette ein.</translation>
    </message>
    <message>
        <source>Setup is now in progress...</source>
        <translation>Die Installation läuft...</translation>
    </message>
    <message>
        <source>Installing:</source>
        <translation>Installiert wird:</translation>
    </message>
    <message>
        <source>Abort Setup</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Setup is not complete. If you quit Setup program now,</source>
        <translation>Die Installation ist nicht abgeschlossen. Wenn Sie sie jetzt beenden,</translation>
    </message>
    <message>
        <source>the program will not be installed.</source>
        <translation>wird das Programm nicht installiert.</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Setup was completely successful !</source>
        <translation>Die Installation war vollständig erfolgreich!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
