<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>SetupMessages</name>
    <message>
        <source>Zelkora 1.0 Setup</source>
        <translation>Installazione di Zelkora 1.0</translation>
    </message>
    <message>
        <source>Destination directory cannot be created.</source>
        <translation>Impossibile creare la cartella di destinazione.</translation>
    </message>
    <message>
        <source>Cannot read file from the source disk.</source>
        <translation>Impossibile leggere un file dal disco di origine.</translation>
    </message>
    <message>
        <source>Setup is incomplete.</source>
        <translation>L&apos;installazione è incompleta.</translation>
    </message>
    <message>
        <source>Please enter correct source directory.</source>
        <translation>Inserisci una cartella di origine corretta.</translation>
    </message>
    <message>
        <source>Cannot write file to the destination directory.</source>
        <translation>Impossibile scrivere un file nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>The program is installed, but these menu entries could not be created so that they start it:</source>
        <translation>Il programma è installato, ma non è stato possibile creare queste voci di menu che lo avviano:</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>Welcome to Zelkora 1.0, the Kiva molecule viewer.

With Kiva, students pick an element or a compound from a catalogue of hundreds of substances and see it in three dimensions: as one molecule, as a crystal grown from its unit cell, as a moving liquid or as a gas. They can turn it, measure it, recolour it and print it.

Setup copies Kiva from its disks into a directory of your choice and adds it to your application menu under Molecule.</source>
        <translation>Benvenuto in Zelkora 1.0, il visualizzatore di molecole Kiva.

Con Kiva gli studenti scelgono un elemento o un composto da un catalogo di centinaia di sostanze e lo vedono in tre dimensioni: come singola molecola, come cristallo costruito dalla sua cella unitaria, come liquido in movimento o come gas. Possono ruotarlo, misurarlo, ricolorarlo e stamparlo.

L&apos;installazione copia Kiva dai suoi dischi in una cartella a tua scelta e lo aggiunge al menu delle applicazioni sotto &quot;Molecule&quot;.</translation>
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
        <translation>CONTRATTO DI LICENZA D&apos;USO DI KIVA

Kiva è software libero. Ti è concesso in licenza secondo la GNU General Public License, versione 2 o (a tua scelta) qualsiasi versione successiva, il cui testo completo (in inglese) segue questo riassunto.

In parole semplici:

1. Puoi eseguire Kiva per qualsiasi scopo, su quanti computer vuoi: in classe, a casa o altrove.

2. Puoi copiare Kiva, darlo ad altri e modificarlo. Se distribuisci Kiva o una versione modificata, devi farlo con questa stessa licenza e offrirne il codice sorgente, perché chiunque lo riceva abbia le stesse libertà.

3. Kiva è fornito SENZA ALCUNA GARANZIA, nei limiti consentiti dalla legge.

Questo riassunto è un aiuto alla lettura, non la licenza: ha valore legale solo il testo della licenza che segue.

________________________________________

</translation>
    </message>
    <message>
        <source>Please read the following agreement. Scroll to see the rest of the agreement.</source>
        <translation>Leggi il contratto seguente. Scorri il testo per vederne il resto.</translation>
    </message>
    <message>
        <source>Do you accept all of the terms of the preceding User License Agreement? If you choose No, you must not use the Software. If you want to use the Software, you must accept this agreement.</source>
        <translation>Accetti tutti i termini del contratto di licenza precedente? Se scegli No, non devi usare il software. Per usare il software devi accettare questo contratto.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accetta</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>To proceed with setup, click Continue.</source>
        <translation>Per proseguire con l&apos;installazione, fai clic su Continua.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Setup will install Zelkora 1.0 in the following directory.</source>
        <translation>Zelkora 1.0 verrà installato nella cartella seguente.</translation>
    </message>
    <message>
        <source>To install to this directory, click Continue.</source>
        <translation>Per installare in questa cartella, fai clic su Continua.</translation>
    </message>
    <message>
        <source>To install to a different directory, enter new directory in Destination Directory box.</source>
        <translation>Per installare in una cartella diversa, scrivila nella casella Cartella di destinazione.</translation>
    </message>
    <message>
        <source>You can choose not to install Zelkora 1.0 by clicking Exit Setup.</source>
        <translation>Puoi scegliere di non installare Zelkora 1.0 facendo clic su Esci.</translation>
    </message>
    <message>
        <source> Destination Directory </source>
        <translation> Cartella di destinazione </translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>A copy of the software already exists in the destination directory.</source>
        <translation>Nella cartella di destinazione esiste già una copia del software.</translation>
    </message>
    <message>
        <source>To install this software again, click Continue.</source>
        <translation>Per installare di nuovo questo software, fai clic su Continua.</translation>
    </message>
    <message>
        <source>To install to a different directory, click Back.</source>
        <translation>Per installare in una cartella diversa, fai clic su Indietro.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Not enough disk space on target drive while attempting to copy files.</source>
        <translation>Spazio su disco insufficiente nell&apos;unità di destinazione durante la copia dei file.</translation>
    </message>
    <message>
        <source>To proceed with setup, first free disk space on the target drive and then click Continue.</source>
        <translation>Per proseguire con l&apos;installazione, libera prima spazio nell&apos;unità di destinazione e poi fai clic su Continua.</translation>
    </message>
    <message>
        <source>Please insert next disk.</source>
        <translation>Inserisci il disco successivo.</translation>
    </message>
    <message>
        <source>Setup is now in progress...</source>
        <translation>Installazione in corso...</translation>
    </message>
    <message>
        <source>Installing:</source>
        <translation>Installazione di:</translation>
    </message>
    <message>
        <source>Abort Setup</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Setup is not complete. If you quit Setup program now,</source>
        <translation>L&apos;installazione non è completa. Se esci ora dal programma di installazione,</translation>
    </message>
    <message>
        <source>the program will not be installed.</source>
        <translation>il programma non verrà installato.</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>Setup was completely successful !</source>
        <translation>L&apos;installazione è stata completata con successo!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
