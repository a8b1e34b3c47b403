<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>reckora</name>
    <message>
        <source>Nothing to print</source>
        <translation>Nichts zu drucken</translation>
    </message>
    <message>
        <source>Reckora Calculator</source>
        <translation>Reckora-Rechner</translation>
    </message>
    <message>
        <source>Round \ Input Option</source>
        <translation>Rundung \ Eingabeart</translation>
    </message>
    <message>
        <source>Floating Point (Ctrl+F)</source>
        <translation>Gleitkomma (Strg+F)</translation>
    </message>
    <message>
        <source>4 Decimal Places (Ctrl+4)</source>
        <translation>4 Nachkommastellen (Strg+4)</translation>
    </message>
    <message>
        <source>3 Decimal Places (Ctrl+3)</source>
        <translation>3 Nachkommastellen (Strg+3)</translation>
    </message>
    <message>
        <source>2 Decimal Places (Ctrl+2)</source>
        <translation>2 Nachkommastellen (Strg+2)</translation>
    </message>
    <message>
        <source>1 Decimal Place (Ctrl+1)</source>
        <translation>1 Nachkommastelle (Strg+1)</translation>
    </message>
    <message>
        <source>Integer (Ctrl+0)</source>
        <translation>Ganzzahl (Strg+0)</translation>
    </message>
    <message>
        <source>Auto Add 2 Decimal Places (Ctrl+A)</source>
        <translation>Automatisch 2 Nachkommastellen (Strg+A)</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Digit 0</source>
        <translation>Ziffer 0</translation>
    </message>
    <message>
        <source>Digit 1</source>
        <translation>Ziffer 1</translation>
    </message>
    <message>
        <source>Digit 2</source>
        <translation>Ziffer 2</translation>
    </message>
    <message>
        <source>Digit 3</source>
        <translation>Ziffer 3</translation>
    </message>
    <message>
        <source>Digit 4</source>
        <translation>Ziffer 4</translation>
    </message>
    <message>
        <source>Digit 5</source>
        <translation>Ziffer 5</translation>
    </message>
    <message>
        <source>Digit 6</source>
        <translation>Ziffer 6</translation>
    </message>
    <message>
        <source>Digit 7</source>
        <translation>Ziffer 7</translation>
    </message>
    <message>
        <source>Digit 8</source>
        <translation>Ziffer 8</translation>
    </message>
    <message>
        <source>Digit 9</source>
        <translation>Ziffer 9</translation>
    </message>
    <message>
        <source>Clear All (Ctrl+Del)</source>
        <translation>Alles löschen (Strg+Entf)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Memory Clear (Shift+Del)</source>
        <translation>Speicher löschen (Umschalt+Entf)</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Clear (Del)</source>
        <translation>Löschen (Entf)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Multply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>PerCent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Total (Enter)</source>
        <translation>Summe (Eingabe)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Memory Restore (Shift+Enter)</source>
        <translation>Speicher abrufen (Umschalt+Eingabe)</translation>
    </message>
    <message>
        <source>Memory Restore</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Memory Subtract (Shift+ &quot;-&quot;)</source>
        <translation>Speicher subtrahieren (Umschalt+ &quot;-&quot;)</translation>
    </message>
    <message>
        <source>Memory Subtract</source>
        <translation>Speicher subtrahieren</translation>
    </message>
    <message>
        <source>Memory Add (Shit+ &quot;+&quot;)</source>
        <translation>Speicher addieren (Umschalt+ &quot;+&quot;)</translation>
    </message>
    <message>
        <source>Memory Add</source>
        <translation>Speicher addieren</translation>
    </message>
    <message>
        <source>Copy (Ctrl+C)</source>
        <translation>Kopieren (Strg+C)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Einfügen (Strg+V)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Show \ Hide Tape (Ctrl+Spacebar)</source>
        <translation>Streifen zeigen \ verbergen (Strg+Leertaste)</translation>
    </message>
    <message>
        <source>Show or Hide Tape</source>
        <translation>Streifen zeigen oder verbergen</translation>
    </message>
    <message>
        <source>(Spacebar)</source>
        <translation>(Leertaste)</translation>
    </message>
    <message>
        <source>Double Zero</source>
        <translation>Doppelnull</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Print Tape (Ctrl+P)</source>
        <translation>Streifen drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Print Tape</source>
        <translation>Streifen drucken</translation>
    </message>
    <message>
        <source>New (Ctrl+N)</source>
        <translation>Neu (Strg+N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New    (Ctrl+N)</source>
        <translation>Neu    (Strg+N)</translation>
    </message>
    <message>
        <source>Print    (Ctrl+P)</source>
        <translation>Drucken    (Strg+P)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy    (Ctrl+C)</source>
        <translation>Kopieren    (Strg+C)</translation>
    </message>
    <message>
        <source>Paste    (Ctrl+V)</source>
        <translation>Einfügen    (Strg+V)</translation>
    </message>
    <message>
        <source>Undo    (Ctrl+Z)</source>
        <translation>Rückgängig    (Strg+Z)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Show Tape</source>
        <translation>Streifen zeigen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit Reckora Calculator</source>
        <translation>Reckora-Rechner beenden</translation>
    </message>
    <message>
        <source>The printer could not start the job</source>
        <translation>Der Drucker konnte den Auftrag nicht beginnen</translation>
    </message>
    <message>
        <source>The printer could not start a new page</source>
        <translation>Der Drucker konnte keine neue Seite beginnen</translation>
    </message>
    <message>
        <source>The printer could not finish the job</source>
        <translation>Der Drucker konnte den Auftrag nicht abschließen</translation>
    </message>
    <message>
        <source>Printing is not available</source>
        <translation>Drucken ist nicht verfügbar</translation>
    </message>
    <message>
        <source>The tape could not be printed.

%1.</source>
        <translation>Der Streifen konnte nicht gedruckt werden.

%1.</translation>
    </message>
    <message>
        <source>No printer is installed, so the tape cannot be printed.

Save the tape as a PDF file instead?</source>
        <translation>Es ist kein Drucker eingerichtet, daher kann der Streifen nicht gedruckt werden.

Den Streifen stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save Tape as PDF</source>
        <translation>Streifen als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Desktop adding machine with a paper tape.</source>
        <translation>Addiermaschine mit Papierstreifen für den Schreibtisch.</translation>
    </message>
    <message>
        <source>Start as on a first start. The stored settings stay as they are until Options, Save Settings replaces them.</source>
        <translation>Wie beim ersten Start beginnen. Die gespeicherten Einstellungen bleiben, bis Optionen, Einstellungen speichern sie ersetzt.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
&apos;%1 --help&apos; zeigt mehr Informationen.
</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Streifen speichern unter</translation>
    </message>
    <message>
        <source>Start on a new tape. The last one stays in the Tape History.</source>
        <translation>Mit einem neuen Streifen beginnen. Der letzte bleibt im Streifenverlauf.</translation>
    </message>
    <message>
        <source>Write the kept tape to FILE without opening the window: plain text (.txt), CSV (.csv) or PDF (.pdf).</source>
        <translation>Den aufbewahrten Streifen ohne Fenster in DATEI schreiben: reiner Text (.txt), CSV (.csv) oder PDF (.pdf).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--export does not open the window; it takes no other option</source>
        <translation>--export öffnet kein Fenster und nimmt keine weitere Option</translation>
    </message>
    <message>
        <source>cannot tell the format of &apos;%1&apos;: name a file ending in .txt, .csv or .pdf</source>
        <translation>das Format von „%1“ ist unbekannt: der Dateiname muss auf .txt, .csv oder .pdf enden</translation>
    </message>
    <message>
        <source>Save Tape As…    (Ctrl+S)</source>
        <translation>Streifen speichern unter…    (Strg+S)</translation>
    </message>
    <message>
        <source>Tape History…</source>
        <translation>Streifenverlauf…</translation>
    </message>
    <message>
        <source>Copy Tape    (Ctrl+Shift+C)</source>
        <translation>Streifen kopieren    (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>Keep Tape</source>
        <translation>Streifen aufbewahren</translation>
    </message>
    <message>
        <source>The stored tapes could not be read. The file was moved aside and a new one started:</source>
        <translation>Die gespeicherten Streifen konnten nicht gelesen werden. Die Datei wurde beiseitegelegt und eine neue angelegt:</translation>
    </message>
    <message>
        <source>The tape cannot be kept for now. Calculating goes on. Cause:</source>
        <translation>Der Streifen kann vorerst nicht aufbewahrt werden. Das Rechnen geht weiter. Ursache:</translation>
    </message>
    <message>
        <source>The tape is kept again; nothing was lost.</source>
        <translation>Der Streifen wird wieder aufbewahrt; nichts ging verloren.</translation>
    </message>
    <message>
        <source>The tape is kept again, in a new file: the tape before this point could not be kept.</source>
        <translation>Der Streifen wird wieder aufbewahrt, in einer neuen Datei: der Streifen vor diesem Punkt konnte nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The kept tapes can be read but not written: they are shown, but changes to them cannot be kept. File:</source>
        <translation>Die aufbewahrten Streifen können gelesen, aber nicht geschrieben werden: Sie werden angezeigt, aber Änderungen daran können nicht aufbewahrt werden. Datei:</translation>
    </message>
    <message>
        <source>The tape could not be saved:</source>
        <translation>Der Streifen konnte nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>This version of the program cannot keep tapes.</source>
        <translation>Diese Version des Programms kann keine Streifen aufbewahren.</translation>
    </message>
    <message>
        <source>The current tape is open in another window; this window has a new tape.</source>
        <translation>Der aktuelle Streifen ist in einem anderen Fenster geöffnet; dieses Fenster hat einen neuen Streifen.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The tape file or its folder is read-only.</source>
        <translation>Die Streifendatei oder ihr Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Another program is holding the tape file.</source>
        <translation>Ein anderes Programm hält die Streifendatei fest.</translation>
    </message>
    <message>
        <source>The tape file cannot be opened.</source>
        <translation>Die Streifendatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The tape file cannot be written:</source>
        <translation>Die Streifendatei kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>The tape file was moved or deleted.</source>
        <translation>Die Streifendatei wurde verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>The folder for the tape file cannot be made:</source>
        <translation>Der Ordner für die Streifendatei kann nicht angelegt werden:</translation>
    </message>
    <message>
        <source>The file is damaged or is not a tape file.</source>
        <translation>Die Datei ist beschädigt oder keine Streifendatei.</translation>
    </message>
    <message>
        <source>The file was made by a newer version of this program.</source>
        <translation>Die Datei stammt von einer neueren Version dieses Programms.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Close this notice</source>
        <translation>Diesen Hinweis schließen</translation>
    </message>
    <message>
        <source>there is no kept tape to write</source>
        <translation>es gibt keinen aufbewahrten Streifen zum Schreiben</translation>
    </message>
    <message>
        <source>no tape is kept while Options, Keep Tape is off</source>
        <translation>solange Optionen, Streifen aufbewahren aus ist, wird kein Streifen aufbewahrt</translation>
    </message>
    <message>
        <source>the kept tape is empty</source>
        <translation>der aufbewahrte Streifen ist leer</translation>
    </message>
    <message>
        <source>The tape file could not be written, so the latest changes to the tape are lost.</source>
        <translation>Die Streifendatei konnte nicht geschrieben werden, daher sind die letzten Änderungen am Streifen verloren.</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Paste Column…    (Ctrl+Shift+V)</source>
        <translation>Spalte einfügen…    (Strg+Umschalt+V)</translation>
    </message>
    <message>
        <source>Correct Entry…</source>
        <translation>Eingabe korrigieren…</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Notiz…</translation>
    </message>
    <message>
        <source>Find…    (Ctrl+Shift+F)</source>
        <translation>Suchen…    (Strg+Umschalt+F)</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>plus %1</source>
        <translation>plus %1</translation>
    </message>
    <message>
        <source>%1 divided by</source>
        <translation>%1 geteilt durch</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 mal</translation>
    </message>
    <message>
        <source>memory minus %1</source>
        <translation>Speicher minus %1</translation>
    </message>
    <message>
        <source>memory plus %1</source>
        <translation>Speicher plus %1</translation>
    </message>
    <message>
        <source>memory recall %1</source>
        <translation>Speicher abrufen %1</translation>
    </message>
    <message>
        <source>%1 equals</source>
        <translation>%1 gleich</translation>
    </message>
    <message>
        <source>%1 percent of</source>
        <translation>%1 Prozent von</translation>
    </message>
    <message>
        <source>memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>subtotal %1</source>
        <translation>Zwischensumme %1</translation>
    </message>
    <message>
        <source>number %1, not added</source>
        <translation>Nummer %1, nicht addiert</translation>
    </message>
    <message>
        <source>tax %1</source>
        <translation>Steuer %1</translation>
    </message>
    <message>
        <source>%1 plus tax</source>
        <translation>%1 zuzüglich Steuer</translation>
    </message>
    <message>
        <source>%1 less tax</source>
        <translation>%1 abzüglich Steuer</translation>
    </message>
    <message>
        <source>after tax %1</source>
        <translation>nach Steuer %1</translation>
    </message>
    <message>
        <source>cost %1</source>
        <translation>Einkaufspreis %1</translation>
    </message>
    <message>
        <source>selling price %1</source>
        <translation>Verkaufspreis %1</translation>
    </message>
    <message>
        <source>margin %1 percent</source>
        <translation>Marge %1 Prozent</translation>
    </message>
    <message>
        <source>margin amount %1</source>
        <translation>Margenbetrag %1</translation>
    </message>
    <message>
        <source>grand total %1, %2 totals</source>
        <translation>Gesamtsumme %1, %2 Summen</translation>
    </message>
    <message>
        <source>total %1, %2 items</source>
        <translation>Summe %1, %2 Posten</translation>
    </message>
    <message>
        <source>total %1, 1 item</source>
        <translation>Summe %1, 1 Posten</translation>
    </message>
    <message>
        <source>grand total %1, 1 total</source>
        <translation>Gesamtsumme %1, 1 Summe</translation>
    </message>
    <message>
        <source>Correct Entry</source>
        <translation>Eingabe korrigieren</translation>
    </message>
    <message>
        <source>The number this line should show:</source>
        <translation>Die Zahl, die diese Zeile zeigen soll:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Note on this line:</source>
        <translation>Notiz zu dieser Zeile:</translation>
    </message>
    <message>
        <source>This correction would put the calculator into the error state. Nothing was changed. Line:</source>
        <translation>Diese Korrektur würde den Rechner in den Fehlerzustand bringen. Nichts wurde geändert. Zeile:</translation>
    </message>
    <message>
        <source>This correction would run past the display&apos;s capacity. Nothing was changed. Line:</source>
        <translation>Diese Korrektur würde die Stellenzahl der Anzeige überschreiten. Nichts wurde geändert. Zeile:</translation>
    </message>
    <message>
        <source>Only a number that was typed or pasted can be corrected; this line shows none. Line:</source>
        <translation>Nur eine getippte oder eingefügte Zahl kann korrigiert werden; diese Zeile zeigt keine. Zeile:</translation>
    </message>
    <message>
        <source>Not a number. Type digits, a sign and a decimal separator only. Nothing was changed.</source>
        <translation>Keine Zahl. Nur Ziffern, ein Vorzeichen und ein Dezimaltrennzeichen eingeben. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The clipboard is empty. Copy a column of numbers first.</source>
        <translation>Die Zwischenablage ist leer. Kopieren Sie zuerst eine Spalte mit Zahlen.</translation>
    </message>
    <message>
        <source>The clipboard holds no number to add. Nothing was added. It begins with:</source>
        <translation>Die Zwischenablage enthält keine Zahl zum Addieren. Nichts wurde addiert. Sie beginnt mit:</translation>
    </message>
    <message>
        <source>(was %1)</source>
        <translation>(war %1)</translation>
    </message>
    <message>
        <source>Numbers to add: %1
Their sum: %2</source>
        <translation>Zu addierende Zahlen: %1
Ihre Summe: %2</translation>
    </message>
    <message>
        <source>Lines that are not numbers (left out): %1</source>
        <translation>Zeilen, die keine Zahlen sind (ausgelassen): %1</translation>
    </message>
    <message>
        <source>Paste Column</source>
        <translation>Spalte einfügen</translation>
    </message>
    <message>
        <source>Starts the decimal places (the period key, or the comma key where the comma is the decimal separator)</source>
        <translation>Beginnt die Nachkommastellen (die Punkttaste, oder die Kommataste, wo das Komma das Dezimaltrennzeichen ist)</translation>
    </message>
    <message>
        <source>%1, corrected, was %2</source>
        <translation>%1, korrigiert, vorher %2</translation>
    </message>
    <message>
        <source>%1, changed by a correction</source>
        <translation>%1, durch eine Korrektur geändert</translation>
    </message>
    <message>
        <source>adding machine with paper tape</source>
        <translation>Addiermaschine mit Papierstreifen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>This build of the program cannot save PDF files</source>
        <translation>Diese Ausgabe des Programms kann keine PDF-Dateien speichern</translation>
    </message>
    <message>
        <source>Printing the tape…</source>
        <translation>Der Streifen wird gedruckt…</translation>
    </message>
    <message>
        <source>Saving the tape…</source>
        <translation>Der Streifen wird gespeichert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Rename Tape</source>
        <translation>Streifen umbenennen</translation>
    </message>
    <message>
        <source>Name of this tape (leave it empty to remove the name):</source>
        <translation>Name dieses Streifens (leer lassen, um den Namen zu entfernen):</translation>
    </message>
    <message>
        <source>A tape&apos;s name can have at most 80 characters. Nothing was changed.</source>
        <translation>Der Name eines Streifens darf höchstens 80 Zeichen haben. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>A tape&apos;s name cannot hold control characters. Nothing was changed.</source>
        <translation>Der Name eines Streifens darf keine Steuerzeichen enthalten. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The name could not be kept: tapes are not being kept, or this tape is gone.</source>
        <translation>Der Name konnte nicht gespeichert werden: Streifen werden nicht aufbewahrt, oder dieser Streifen ist nicht mehr da.</translation>
    </message>
    <message>
        <source>This tape is no longer kept, or it cannot be read.</source>
        <translation>Dieser Streifen wird nicht mehr aufbewahrt, oder er kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Tape &amp;name:</source>
        <translation>Streifen&amp;name:</translation>
    </message>
    <message>
        <source>Grand Total (Ctrl+G)</source>
        <translation>Gesamtsumme (Strg+G)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <source>Subtotal (Ctrl+Enter)</source>
        <translation>Zwischensumme (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Zwischensumme</translation>
    </message>
    <message>
        <source>Non-Add Number (Ctrl+I)</source>
        <translation>Nicht addierte Zahl (Strg+I)</translation>
    </message>
    <message>
        <source>Non-Add Number</source>
        <translation>Nicht addierte Zahl</translation>
    </message>
    <message>
        <source>Add Tax (Ctrl+Plus)</source>
        <translation>Steuer aufschlagen (Strg+Plus)</translation>
    </message>
    <message>
        <source>Add Tax</source>
        <translation>Steuer aufschlagen</translation>
    </message>
    <message>
        <source>Remove Tax (Ctrl+Minus)</source>
        <translation>Steuer herausrechnen (Strg+Minus)</translation>
    </message>
    <message>
        <source>Remove Tax</source>
        <translation>Steuer herausrechnen</translation>
    </message>
    <message>
        <source>Cost (Ctrl+K)</source>
        <translation>Einkaufspreis (Strg+K)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Einkaufspreis</translation>
    </message>
    <message>
        <source>Selling Price (Ctrl+L)</source>
        <translation>Verkaufspreis (Strg+L)</translation>
    </message>
    <message>
        <source>Selling Price</source>
        <translation>Verkaufspreis</translation>
    </message>
    <message>
        <source>Margin in Percent (Ctrl+M)</source>
        <translation>Handelsspanne in Prozent (Strg+M)</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Handelsspanne</translation>
    </message>
    <message>
        <source>GT %1</source>
        <translation>GT %1</translation>
    </message>
    <message>
        <source>Grand Total (GT %1)    (Ctrl+G)</source>
        <translation>Gesamtsumme (GT %1)    (Strg+G)</translation>
    </message>
    <message>
        <source>Business Functions</source>
        <translation>Kaufmännische Funktionen</translation>
    </message>
    <message>
        <source>Grand Total (GT)    (Ctrl+G)</source>
        <translation>Gesamtsumme (GT)    (Strg+G)</translation>
    </message>
    <message>
        <source>Subtotal (◇)    (Ctrl+Enter)</source>
        <translation>Zwischensumme (◇)    (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Non-Add Number (#)    (Ctrl+I)</source>
        <translation>Nicht addierte Zahl (#)    (Strg+I)</translation>
    </message>
    <message>
        <source>Add Tax (Tax+)    (Ctrl+Plus)</source>
        <translation>Steuer aufschlagen (Tax+)    (Strg+Plus)</translation>
    </message>
    <message>
        <source>Remove Tax (Tax−)    (Ctrl+Minus)</source>
        <translation>Steuer herausrechnen (Tax−)    (Strg+Minus)</translation>
    </message>
    <message>
        <source>Cost    (Ctrl+K)</source>
        <translation>Einkaufspreis    (Strg+K)</translation>
    </message>
    <message>
        <source>Selling Price    (Ctrl+L)</source>
        <translation>Verkaufspreis    (Strg+L)</translation>
    </message>
    <message>
        <source>Margin    (Ctrl+M)</source>
        <translation>Handelsspanne    (Strg+M)</translation>
    </message>
    <message>
        <source>Business Keys</source>
        <translation>Kaufmännische Tasten</translation>
    </message>
    <message>
        <source>Tax Rate…</source>
        <translation>Steuersatz…</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>as designed</source>
        <translation>wie vorgesehen</translation>
    </message>
    <message>
        <source>half up (5/4)</source>
        <translation>kaufmännisch (5/4)</translation>
    </message>
    <message>
        <source>up</source>
        <translation>aufrunden</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abrunden</translation>
    </message>
    <message>
        <source>The calculator shows -Error-. Press Clear All, New or Undo first.</source>
        <translation>Der Rechner zeigt -Error-. Drücken Sie zuerst Alles löschen, Neu oder Rückgängig.</translation>
    </message>
    <message>
        <source>No tax rate is set. Set one with Options, Tax Rate…</source>
        <translation>Es ist kein Steuersatz eingestellt. Stellen Sie einen unter Optionen, Steuersatz… ein.</translation>
    </message>
    <message>
        <source>Type the number to print first; a non-add number is not added.</source>
        <translation>Geben Sie zuerst die zu druckende Zahl ein; eine nicht addierte Zahl wird nicht addiert.</translation>
    </message>
    <message>
        <source>A number is typed but not added. Add it with + or -, or clear it with C, first.</source>
        <translation>Eine Zahl ist eingegeben, aber nicht addiert. Addieren Sie sie zuerst mit + oder -, oder löschen Sie sie mit C.</translation>
    </message>
    <message>
        <source>A multiplication or division is waiting for its second number. Finish it with T first.</source>
        <translation>Eine Multiplikation oder Division wartet auf ihre zweite Zahl. Schließen Sie sie zuerst mit T ab.</translation>
    </message>
    <message>
        <source>subtotal %1</source>
        <translation>Zwischensumme %1</translation>
    </message>
    <message>
        <source>number %1, not added</source>
        <translation>Zahl %1, nicht addiert</translation>
    </message>
    <message>
        <source>tax %1</source>
        <translation>Steuer %1</translation>
    </message>
    <message>
        <source>%1 plus tax</source>
        <translation>%1 zuzüglich Steuer</translation>
    </message>
    <message>
        <source>%1 less tax</source>
        <translation>%1 abzüglich Steuer</translation>
    </message>
    <message>
        <source>after tax %1</source>
        <translation>nach Steuer %1</translation>
    </message>
    <message>
        <source>cost %1</source>
        <translation>Einkaufspreis %1</translation>
    </message>
    <message>
        <source>selling price %1</source>
        <translation>Verkaufspreis %1</translation>
    </message>
    <message>
        <source>margin %1 percent</source>
        <translation>Handelsspanne %1 Prozent</translation>
    </message>
    <message>
        <source>margin amount %1</source>
        <translation>Handelsspanne Betrag %1</translation>
    </message>
    <message>
        <source>grand total %1, %2 totals</source>
        <translation>Gesamtsumme %1, %2 Summen</translation>
    </message>
    <message>
        <source>grand total %1, 1 total</source>
        <translation>Gesamtsumme %1, 1 Summe</translation>
    </message>
    <message>
        <source>Tax Rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>The tax rate in percent that Tax+ and Tax− use (0 turns them off):</source>
        <translation>Der Steuersatz in Prozent für Tax+ und Tax− (0 schaltet sie ab):</translation>
    </message>
    <message>
        <source>Not a tax rate. Type a number of percent, such as 19 or 7.5 with your decimal separator.</source>
        <translation>Kein Steuersatz. Geben Sie eine Prozentzahl ein, etwa 19 oder 7,5 mit Ihrem Dezimaltrennzeichen.</translation>
    </message>
    <message>
        <source>A tax rate cannot be negative. Type 0 to turn the tax keys off.</source>
        <translation>Ein Steuersatz kann nicht negativ sein. Geben Sie 0 ein, um die Steuertasten abzuschalten.</translation>
    </message>
</context>
<context>
    <name>reckora::AboutWindow</name>
    <message>
        <source>About Reckora</source>
        <translation>Über Reckora</translation>
    </message>
    <message>
        <source>Reckora Calculator</source>
        <translation>Reckora-Rechner</translation>
    </message>
    <message>
        <source>Version 1.01</source>
        <translation>Version 1.01</translation>
    </message>
    <message>
        <source>Reckora Calculator is an emulation of desktop accounting calculator with tape</source>
        <translation>Reckora-Rechner bildet eine Tischrechenmaschine mit Papierstreifen für die Buchhaltung nach</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>reckora::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>An amount or words of a note</source>
        <translation>Ein Betrag oder Wörter einer Notiz</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>reckora::SheetListModel</name>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Last total</source>
        <translation>Letzte Summe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>reckora::TapeHistoryDialog</name>
    <message>
        <source>No kept tape matches the search.</source>
        <translation>Kein aufbewahrter Streifen passt zur Suche.</translation>
    </message>
    <message>
        <source>Tape History</source>
        <translation>Streifenverlauf</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>This tape could not be opened. Another Reckora window may be working on it, or it is damaged.</source>
        <translation>Dieser Streifen konnte nicht geöffnet werden. Vielleicht arbeitet ein anderes Reckora-Fenster damit, oder er ist beschädigt.</translation>
    </message>
    <message>
        <source>Delete the tape started %1 (lines: %2)?

A deleted tape cannot be brought back.</source>
        <translation>Den am %1 begonnenen Streifen (Zeilen: %2) löschen?

Ein gelöschter Streifen lässt sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>This tape could not be deleted. Another Reckora window may be working on it, or the tapes cannot be kept just now.</source>
        <translation>Dieser Streifen konnte nicht gelöscht werden. Vielleicht arbeitet ein anderes Reckora-Fenster damit, oder die Streifen können gerade nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Keep Tape is off (Options menu): these tapes were kept before, what is calculated now is not kept.</source>
        <translation>„Streifen aufbewahren“ ist aus (Menü Optionen): Diese Streifen wurden früher aufbewahrt, was jetzt gerechnet wird, wird nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>Search by an amount, or by words of a name or a note</source>
        <translation>Nach einem Betrag oder Wörtern eines Namens oder einer Notiz suchen</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Delete the tape “%1” (lines: %2)?

A deleted tape cannot be brought back.</source>
        <translation>Den Streifen „%1“ (Zeilen: %2) löschen?

Ein gelöschter Streifen kann nicht zurückgeholt werden.</translation>
    </message>
</context>
<context>
    <name>reckora::TapeWidget</name>
    <message>
        <source>Tape</source>
        <translation>Streifen</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>Grand Total</source>
        <translation>Gesamtsumme</translation>
    </message>
</context>
</TS>
