<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>ChartView</name>
        <message>
            <source>Wave 1 Start point</source>
            <translation>Startpunkt Welle 1</translation>
        </message>
        <message>
            <source>Wave 1 end point</source>
            <translation>Endpunkt Welle 1</translation>
        </message>
        <message>
            <source>Wave 3 Extension</source>
            <translation>Erweiterung Welle 3</translation>
        </message>
        <message>
            <source>Wave 3 target point</source>
            <translation>Zielpunkt Welle 3</translation>
        </message>
        <message>
            <source>Wave 3 low point</source>
            <translation>Tiefpunkt Welle 3</translation>
        </message>
        <message>
            <source>Wave 5 extension</source>
            <translation>Erweiterung Welle 5</translation>
        </message>
        <message>
            <source>Wave 5 target point</source>
            <translation>Zielpunkt Welle 5</translation>
        </message>
        <message>
            <source>Wave 5 low point</source>
            <translation>Tiefpunkt Welle 5</translation>
        </message>
        <message>
            <source>38% Retracement</source>
            <translation>38-%-Korrektur</translation>
        </message>
        <message>
            <source>50% Retracement</source>
            <translation>50-%-Korrektur</translation>
        </message>
        <message>
            <source>62% Retracement</source>
            <translation>62-%-Korrektur</translation>
        </message>
        <message>
            <source>75% Retracement</source>
            <translation>75-%-Korrektur</translation>
        </message>
        <message>
            <source>Wave 3 extension</source>
            <translation>Erweiterung Welle 3</translation>
        </message>
        <message>
            <source>Click to display or hide wave 1 Retracements</source>
            <translation>Klicken, um die Korrekturen von Welle 1 ein- oder auszublenden</translation>
        </message>
        <message>
            <source>Wave 1 retracements</source>
            <translation>Korrekturen von Welle 1</translation>
        </message>
        <message>
            <source>Wave 1 start</source>
            <translation>Start Welle 1</translation>
        </message>
        <message>
            <source>Wave 1 end</source>
            <translation>Ende Welle 1</translation>
        </message>
        <message>
            <source>Wave 3 target</source>
            <translation>Ziel Welle 3</translation>
        </message>
        <message>
            <source>Wave 3 end point</source>
            <translation>Endpunkt Welle 3</translation>
        </message>
        <message>
            <source>Wave 5 target</source>
            <translation>Ziel Welle 5</translation>
        </message>
        <message>
            <source>38% retracement</source>
            <translation>38-%-Korrektur</translation>
        </message>
        <message>
            <source>50% retracement</source>
            <translation>50-%-Korrektur</translation>
        </message>
        <message>
            <source>62% retracement</source>
            <translation>62-%-Korrektur</translation>
        </message>
        <message>
            <source>75% retracement</source>
            <translation>75-%-Korrektur</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
    </context>
    <context>
        <name>PictureButton</name>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
    </context>
    <context>
        <name>PrintError</name>
        <message>
            <source>Invalid picture</source>
            <translation>Ungültiges Bild</translation>
        </message>
        <message>
            <source>The printer could not start the document.</source>
            <translation>Der Drucker konnte das Dokument nicht beginnen.</translation>
        </message>
        <message>
            <source>The printer could not finish the document.</source>
            <translation>Der Drucker konnte das Dokument nicht abschließen.</translation>
        </message>
        <message>
            <source>The printer could not start a new page.</source>
            <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
        </message>
    </context>
    <context>
        <name>ReachedText</name>
        <message>
            <source>W3 target</source>
            <translation>W3-Ziel</translation>
        </message>
        <message>
            <source>W3 ext</source>
            <translation>W3-Erw.</translation>
        </message>
        <message>
            <source>W5 target</source>
            <translation>W5-Ziel</translation>
        </message>
        <message>
            <source>W5 ext</source>
            <translation>W5-Erw.</translation>
        </message>
        <message>
            <source>Reached</source>
            <translation>Erreicht</translation>
        </message>
        <message>
            <source>Extreme</source>
            <translation>Extrem</translation>
        </message>
        <message>
            <source>Invalid</source>
            <translation>Ungültig</translation>
        </message>
        <message>
            <source>not reached</source>
            <translation>nicht erreicht</translation>
        </message>
        <message>
            <source>%1 %2 on %3</source>
            <translation>%1 %2 am %3</translation>
        </message>
    </context>
    <context>
        <name>SaveError</name>
        <message>
            <source>Invalid picture</source>
            <translation>Ungültiges Bild</translation>
        </message>
        <message>
            <source>Path/File access error</source>
            <translation>Fehler beim Zugriff auf Pfad oder Datei</translation>
        </message>
        <message>
            <source>Path not found</source>
            <translation>Pfad nicht gefunden</translation>
        </message>
        <message>
            <source>Permission denied</source>
            <translation>Zugriff verweigert</translation>
        </message>
    </context>
    <context>
        <name>frmOndara</name>
        <message>
            <source>Ondara</source>
            <translation>Ondara</translation>
        </message>
        <message>
            <source>Copy Levels</source>
            <translation>Kursziele kopieren</translation>
        </message>
        <message>
            <source>Bull Market</source>
            <translation>Bullenmarkt</translation>
        </message>
        <message>
            <source>Display Fractions</source>
            <translation>Brüche anzeigen</translation>
        </message>
        <message>
            <source>Use Wave 3</source>
            <translation>Welle 3 verwenden</translation>
        </message>
        <message>
            <source>Calculate</source>
            <translation>Berechnen</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Bear Market</source>
            <translation>Bärenmarkt</translation>
        </message>
        <message>
            <source>Checked while prices are shown as fractions</source>
            <translation>Aktiv, solange Kurse als Brüche angezeigt werden</translation>
        </message>
        <message>
            <source>Checked while the prices measure wave 3</source>
            <translation>Aktiv, solange die Kurse Welle 3 messen</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>End</source>
            <translation>Ende</translation>
        </message>
        <message>
            <source>Start price of the measured wave</source>
            <translation>Startkurs der gemessenen Welle</translation>
        </message>
        <message>
            <source>End price of the measured wave</source>
            <translation>Endkurs der gemessenen Welle</translation>
        </message>
        <message>
            <source>Watch list</source>
            <translation>Beobachtungsliste</translation>
        </message>
        <message>
            <source>Type a symbol to save the calculation under, or pick a saved one</source>
            <translation>Ein Symbol eingeben, unter dem die Berechnung gespeichert wird, oder eine gespeicherte wählen</translation>
        </message>
        <message>
            <source>Add Symbol</source>
            <translation>Symbol hinzufügen</translation>
        </message>
        <message>
            <source>Delete Symbol</source>
            <translation>Symbol löschen</translation>
        </message>
        <message>
            <source>Print Chart</source>
            <translation>Chart drucken</translation>
        </message>
        <message>
            <source>Use Wave 1</source>
            <translation>Welle 1 verwenden</translation>
        </message>
        <message>
            <source>Decimals</source>
            <translation>Dezimalzahlen</translation>
        </message>
        <message>
            <source>Display Decimals</source>
            <translation>Dezimalzahlen anzeigen</translation>
        </message>
        <message>
            <source>Fractions</source>
            <translation>Brüche</translation>
        </message>
        <message>
            <source>Ondara - saved calculations can be read but not written</source>
            <translation>Ondara - gespeicherte Berechnungen können gelesen, aber nicht geschrieben werden</translation>
        </message>
        <message>
            <source>Error: Wave Start is not a valid number.</source>
            <translation>Fehler: Der Start der Welle ist keine gültige Zahl.</translation>
        </message>
        <message>
            <source>Not a number</source>
            <translation>Keine Zahl</translation>
        </message>
        <message>
            <source>Error: Wave End is not a valid number.</source>
            <translation>Fehler: Das Ende der Welle ist keine gültige Zahl.</translation>
        </message>
        <message>
            <source>Error: Wave Start does not contain a proper fraction.</source>
            <translation>Fehler: Der Start der Welle enthält keinen gültigen Bruch.</translation>
        </message>
        <message>
            <source>Not a Fraction</source>
            <translation>Kein Bruch</translation>
        </message>
        <message>
            <source>Error: Wave End does not contain a proper fraction.</source>
            <translation>Fehler: Das Ende der Welle enthält keinen gültigen Bruch.</translation>
        </message>
        <message>
            <source>In a Bull market, the wave start point must be less than the wave end point.</source>
            <translation>In einem Bullenmarkt muss der Startpunkt der Welle unter ihrem Endpunkt liegen.</translation>
        </message>
        <message>
            <source>In a Bear market, the wave start point must be greater than the wave end point.</source>
            <translation>In einem Bärenmarkt muss der Startpunkt der Welle über ihrem Endpunkt liegen.</translation>
        </message>
        <message>
            <source>Error: The levels of these prices are too large to show.</source>
            <translation>Fehler: Die Kursziele dieser Kurse sind zu groß für die Anzeige.</translation>
        </message>
        <message>
            <source>Wave 3 low point</source>
            <translation>Tiefpunkt Welle 3</translation>
        </message>
        <message>
            <source>Wave 3 end point</source>
            <translation>Endpunkt Welle 3</translation>
        </message>
        <message>
            <source>%1 · wave %2 · %3 → %4</source>
            <translation>%1 · Welle %2 · %3 → %4</translation>
        </message>
        <message>
            <source>Bull</source>
            <translation>Bulle</translation>
        </message>
        <message>
            <source>Bear</source>
            <translation>Bär</translation>
        </message>
        <message>
            <source>Copy This Level</source>
            <translation>Dieses Kursziel kopieren</translation>
        </message>
        <message>
            <source>Please type numbers only.</source>
            <translation>Bitte nur Zahlen eingeben.</translation>
        </message>
        <message>
            <source>Symbol must be less than or equal to 15 characters long.</source>
            <translation>Ein Symbol darf höchstens 15 Zeichen lang sein.</translation>
        </message>
        <message>
            <source>Save Symbol</source>
            <translation>Symbol speichern</translation>
        </message>
        <message>
            <source>Select a symbol to delete first.</source>
            <translation>Bitte zuerst ein Symbol zum Löschen auswählen.</translation>
        </message>
        <message>
            <source>Symbol '%1' not found.</source>
            <translation>Symbol '%1' wurde nicht gefunden.</translation>
        </message>
        <message>
            <source>Are you sure you want to delete symbol '%1'?</source>
            <translation>Soll das Symbol '%1' wirklich gelöscht werden?</translation>
        </message>
        <message>
            <source>Watch List</source>
            <translation>Beobachtungsliste</translation>
        </message>
    </context>
    <context>
        <name>frmPrint</name>
        <message>
            <source>Select All</source>
            <translation>Alle auswählen</translation>
        </message>
        <message>
            <source>Deselect All</source>
            <translation>Auswahl aufheben</translation>
        </message>
        <message>
            <source>Print Symbols</source>
            <translation>Symbole drucken</translation>
        </message>
        <message>
            <source>Print Chart</source>
            <translation>Chart drucken</translation>
        </message>
        <message>
            <source>Delete Symbols</source>
            <translation>Symbole löschen</translation>
        </message>
        <message>
            <source>Ondara</source>
            <translation>Ondara</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>Anzeigen</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>From:</source>
            <translation>Von:</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>Bis:</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Uhrzeit</translation>
        </message>
        <message>
            <source>Symbols:</source>
            <translation>Symbole:</translation>
        </message>
        <message>
            <source>Sort By</source>
            <translation>Sortieren nach</translation>
        </message>
        <message>
            <source>Symbol</source>
            <translation>Symbol</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>&amp;Chart</source>
            <translation>&amp;Chart</translation>
        </message>
        <message>
            <source>&amp;Symbols</source>
            <translation>&amp;Symbole</translation>
        </message>
        <message>
            <source>Delete Symbol</source>
            <translation>Symbol löschen</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Druckvorschau</translation>
        </message>
        <message>
            <source>Save Chart</source>
            <translation>Chart speichern</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Exportieren...</translation>
        </message>
        <message>
            <source>Save the listed calculations, or the selected ones, as a CSV file</source>
            <translation>Die aufgelisteten oder die ausgewählten Berechnungen als CSV-Datei speichern</translation>
        </message>
        <message>
            <source>Import...</source>
            <translation>Importieren...</translation>
        </message>
        <message>
            <source>Add the calculations of a CSV file</source>
            <translation>Die Berechnungen einer CSV-Datei hinzufügen</translation>
        </message>
        <message>
            <source>The To Date must be greater than the From Date.</source>
            <translation>Das Bis-Datum muss nach dem Von-Datum liegen.</translation>
        </message>
        <message>
            <source>Invalid To Date</source>
            <translation>Ungültiges Bis-Datum</translation>
        </message>
        <message>
            <source>There are no items to delete.</source>
            <translation>Es gibt keine Einträge zum Löschen.</translation>
        </message>
        <message>
            <source>There are no selected items to delete.</source>
            <translation>Es sind keine Einträge zum Löschen ausgewählt.</translation>
        </message>
        <message>
            <source>Are you sure you want to delete the selected item(s)?</source>
            <translation>Sollen die ausgewählten Einträge wirklich gelöscht werden?</translation>
        </message>
        <message>
            <source>Saved Symbols</source>
            <translation>Gespeicherte Symbole</translation>
        </message>
        <message>
            <source>Print Error</source>
            <translation>Druckfehler</translation>
        </message>
        <message>
            <source>That file already exists. Overwrite it?</source>
            <translation>Diese Datei gibt es schon. Überschreiben?</translation>
        </message>
        <message>
            <source>Overwrite File</source>
            <translation>Datei überschreiben</translation>
        </message>
        <message>
            <source>Bitmap (*.bmp)</source>
            <translation>Bitmap (*.bmp)</translation>
        </message>
        <message>
            <source>PNG image (*.png)</source>
            <translation>PNG-Bild (*.png)</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>PDF-Dokument (*.pdf)</translation>
        </message>
        <message>
            <source>Export Calculations</source>
            <translation>Berechnungen exportieren</translation>
        </message>
        <message>
            <source>CSV file (*.csv)</source>
            <translation>CSV-Datei (*.csv)</translation>
        </message>
        <message>
            <source>Export Error</source>
            <translation>Fehler beim Exportieren</translation>
        </message>
        <message>
            <source>Import Calculations</source>
            <translation>Berechnungen importieren</translation>
        </message>
        <message>
            <source>All files (*)</source>
            <translation>Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Nothing was imported.</source>
            <translation>Es wurde nichts importiert.</translation>
        </message>
        <message>
            <source>Import Error</source>
            <translation>Fehler beim Importieren</translation>
        </message>
        <message>
            <source>1 calculation was imported.</source>
            <translation>1 Berechnung wurde importiert.</translation>
        </message>
        <message>
            <source>%1 calculations were imported.</source>
            <translation>%1 Berechnungen wurden importiert.</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>Importieren</translation>
        </message>
        <message>
            <source>Saved calculations</source>
            <translation>Gespeicherte Berechnungen</translation>
        </message>
        <message>
            <source>From date</source>
            <translation>Von-Datum</translation>
        </message>
        <message>
            <source>To date</source>
            <translation>Bis-Datum</translation>
        </message>
        <message>
            <source>From time</source>
            <translation>Von-Uhrzeit</translation>
        </message>
        <message>
            <source>To time</source>
            <translation>Bis-Uhrzeit</translation>
        </message>
        <message>
            <source>Symbols</source>
            <translation>Symbole</translation>
        </message>
        <message>
            <source>Import Prices...</source>
            <translation>Kurse importieren...</translation>
        </message>
        <message>
            <source>Add a symbol&apos;s daily prices from a CSV file, to see which targets were reached</source>
            <translation>Tageskurse eines Symbols aus einer CSV-Datei hinzufügen, um zu sehen, welche Kursziele erreicht wurden</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>Chart</translation>
        </message>
        <message>
            <source>Import Prices</source>
            <translation>Kurse importieren</translation>
        </message>
        <message>
            <source>CSV file (*.csv *.txt)</source>
            <translation>CSV-Datei (*.csv *.txt)</translation>
        </message>
    </context>
    <context>
        <name>ondara</name>
        <message>
            <source>Start Ondara with ondara-launch, which makes the folder and an empty database.</source>
            <translation>Starten Sie Ondara mit ondara-launch; es legt den Ordner und eine leere Datenbank an.</translation>
        </message>
        <message>
            <source>Repair the file or move it away; ondara-launch then makes a new, empty one.</source>
            <translation>Reparieren Sie die Datei oder verschieben Sie sie; ondara-launch legt dann eine neue, leere an.</translation>
        </message>
        <message>
            <source>Ondara cannot open its saved calculations and has to stop.

Folder: %1
Reason: %2
Error #%3

%4</source>
            <translation>Ondara kann seine gespeicherten Berechnungen nicht öffnen und muss beendet werden.

Ordner: %1
Grund: %2
Fehler #%3

%4</translation>
        </message>
        <message>
            <source>Ondara</source>
            <translation>Ondara</translation>
        </message>
    </context>
    <context>
        <name>ondara::ReachedView</name>
        <message>
            <source>W3 target</source>
            <translation>W3-Ziel</translation>
        </message>
        <message>
            <source>W3 ext</source>
            <translation>W3-Erw.</translation>
        </message>
        <message>
            <source>W5 target</source>
            <translation>W5-Ziel</translation>
        </message>
        <message>
            <source>W5 ext</source>
            <translation>W5-Erw.</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>Save...</source>
            <translation>Speichern...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Copies the chart as a picture and its levels as text</source>
            <translation>Kopiert den Chart als Bild und seine Kursziele als Text</translation>
        </message>
        <message>
            <source>Saves the chart as a PNG picture or a PDF document</source>
            <translation>Speichert den Chart als PNG-Bild oder PDF-Dokument</translation>
        </message>
        <message>
            <source>This calculation has no start and end price to follow.</source>
            <translation>Diese Berechnung hat keinen Start- und Endkurs, dem man folgen könnte.</translation>
        </message>
        <message>
            <source>There are no prices of %1 after %2.</source>
            <translation>Es gibt keine Kurse von %1 nach dem %2.</translation>
        </message>
        <message>
            <source>, %1, wave %2 from %3 to %4</source>
            <translation>, %1, Welle %2 von %3 bis %4</translation>
        </message>
        <message>
            <source>bull</source>
            <translation>Bulle</translation>
        </message>
        <message>
            <source>bear</source>
            <translation>Bär</translation>
        </message>
        <message>
            <source>Day's range</source>
            <translation>Tagesspanne</translation>
        </message>
        <message>
            <source>Start %1</source>
            <translation>Start %1</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Start</translation>
        </message>
        <message>
            <source> on %1</source>
            <translation> am %1</translation>
        </message>
        <message>
            <source>, reached %1</source>
            <translation>, erreicht am %1</translation>
        </message>
        <message>
            <source>Extreme</source>
            <translation>Extrem</translation>
        </message>
        <message>
            <source>Reached</source>
            <translation>Erreicht</translation>
        </message>
        <message>
            <source>Invalid %1</source>
            <translation>Ungültig %1</translation>
        </message>
        <message>
            <source>Invalid</source>
            <translation>Ungültig</translation>
        </message>
        <message>
            <source>PNG image (*.png)</source>
            <translation>PNG-Bild (*.png)</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>PDF-Dokument (*.pdf)</translation>
        </message>
        <message>
            <source>That file already exists. Overwrite it?</source>
            <translation>Diese Datei gibt es schon. Überschreiben?</translation>
        </message>
        <message>
            <source>Overwrite File</source>
            <translation>Datei überschreiben</translation>
        </message>
        <message>
            <source>Ondara</source>
            <translation>Ondara</translation>
        </message>
    </context>
</TS>
