<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>First public Release</source>
        <translation>Erste öffentliche Ausgabe</translation>
    </message>
    <message>
        <source>Cantrix helps you design spells by the spell-design rules of the game&apos;s third edition, as its sourcebook on magic presents them.</source>
        <translation>Cantrix hilft Ihnen, Zauber nach den Zauberbau-Regeln der dritten Edition des Spiels zu entwerfen, wie sie das Quellenbuch zur Magie vorstellt.</translation>
    </message>
    <message>
        <source>Made by the Cantrix3 developers: program, rules data, help page and icon.</source>
        <translation>Erstellt von den Entwicklern von Cantrix3: Programm, Regeldaten, Hilfeseite und Symbol.</translation>
    </message>
    <message>
        <source>The game, its setting and its rules are trademarks and copyrights of their owners. Cantrix is an unofficial tool made by players; it is not endorsed by the owners and contains no text from their books.</source>
        <translation>Das Spiel, seine Welt und seine Regeln sind Marken und urheberrechtlich geschützte Werke ihrer Inhaber. Cantrix ist ein inoffizielles Werkzeug von Spielern für Spieler; es wird von den Inhabern nicht unterstützt und enthält keinen Text aus ihren Büchern.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AuthorOptionsForm</name>
    <message>
        <source>The author options could not be saved to %1: %2.</source>
        <translation>Die Autorenangaben konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Options Not Saved</source>
        <translation>Optionen nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>BookPaper</name>
    <message>
        <source>Spell Book</source>
        <translation>Zauberbuch</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraftstufe</translation>
    </message>
    <message>
        <source>Drain</source>
        <translation>Entzug</translation>
    </message>
    <message>
        <source>Modifiers</source>
        <translation>Modifikatoren</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>nothing could be drawn on the page</source>
        <translation>auf die Seite konnte nichts gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>Cantrix</name>
    <message>
        <source>Sorry, %1 cannot be read (%2). This file is needed for Cantrix to run</source>
        <translation>%1 kann leider nicht gelesen werden (%2). Cantrix braucht diese Datei, um zu laufen</translation>
    </message>
    <message>
        <source>It was looked for in %1.</source>
        <translation>Sie wurde in %1 gesucht.</translation>
    </message>
    <message>
        <source>The spell on screen stays as it is; New and Open work again once the file can be read.</source>
        <translation>Der Zauber auf dem Bildschirm bleibt, wie er ist; Neu und Öffnen funktionieren wieder, sobald die Datei lesbar ist.</translation>
    </message>
    <message>
        <source>File Unreadable!</source>
        <translation>Datei nicht lesbar!</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): nothing can be listed from it.</source>
        <translation>%1 kann nicht gelesen werden (%2): Daraus kann nichts aufgelistet werden.</translation>
    </message>
    <message>
        <source>File Missing!</source>
        <translation>Datei fehlt!</translation>
    </message>
    <message>
        <source>Sorry, GX2Mod.dat is missing. This file is needed for Cantrix to run</source>
        <translation>GX2Mod.dat fehlt leider. Cantrix braucht diese Datei, um zu laufen</translation>
    </message>
    <message>
        <source>1 modifier row was dropped with the category: Edit &gt; Undo brings it back.</source>
        <translation>1 Modifikatorzeile fiel mit der Kategorie weg: Bearbeiten &gt; Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>%1 modifier rows were dropped with the category: Edit &gt; Undo brings them back.</source>
        <translation>%1 Modifikatorzeilen fielen mit der Kategorie weg: Bearbeiten &gt; Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>The force &quot;%1&quot; is not a whole number from 1 upwards; the drain code takes it as typed.</source>
        <translation>Die Kraftstufe „%1“ ist keine ganze Zahl ab 1; der Entzugscode nimmt sie so, wie sie eingegeben ist.</translation>
    </message>
</context>
<context>
    <name>CantrixBook</name>
    <message>
        <source>passed over, not named .xml: %1</source>
        <translation>übergangen, da nicht auf .xml endend: %1</translation>
    </message>
    <message>
        <source>(kept)</source>
        <translation>(unverändert)</translation>
    </message>
    <message>
        <source>not found: </source>
        <translation>nicht gefunden: </translation>
    </message>
    <message>
        <source>Rebuilds spell documents under the rules data file as it is now and says which spells it changes.</source>
        <translation>Baut Zauberdokumente nach der Regeldatei in ihrem jetzigen Stand neu auf und nennt die Zauber, die sich dabei ändern.</translation>
    </message>
    <message>
        <source>The rules data file (default: GX2Mod.dat beside the program).</source>
        <translation>Die Regeldatei (Vorgabe: GX2Mod.dat neben dem Programm).</translation>
    </message>
    <message>
        <source>Print the spells as one JSON document.</source>
        <translation>Die Zauber als ein JSON-Dokument ausgeben.</translation>
    </message>
    <message>
        <source>Write the spells as a book: a PDF document.</source>
        <translation>Die Zauber als Buch schreiben: ein PDF-Dokument.</translation>
    </message>
    <message>
        <source>Write the spells as a book: a web page.</source>
        <translation>Die Zauber als Buch schreiben: eine Webseite.</translation>
    </message>
    <message>
        <source>Spell document, or folder of them.</source>
        <translation>Zauberdokument oder Ordner mit Zauberdokumenten.</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kann nicht geschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Compose spells under the spell-design rules and see their drain code.</source>
        <translation>Zauber nach den Zauberbau-Regeln zusammenstellen und ihren Entzugscode sehen.</translation>
    </message>
    <message>
        <source>A spell document to open.</source>
        <translation>Ein Zauberdokument, das geöffnet werden soll.</translation>
    </message>
</context>
<context>
    <name>DocumentLimit</name>
    <message>
        <source>it would be larger than %1 MB, the most this program reads back; shorten the description or another long text</source>
        <translation>sie wäre größer als %1 MB, das Höchste, was dieses Programm wieder einliest; kürzen Sie die Beschreibung oder einen anderen langen Text</translation>
    </message>
</context>
<context>
    <name>DrainBreakdown</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 is skipped: it is no token</source>
        <translation>%1 wird übersprungen: Es ist kein Token</translation>
    </message>
    <message>
        <source>%1 ‘%2’ (%3)</source>
        <translation>%1 ‚%2‘ (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: past the thirteenth row, not counted</source>
        <translation>%1: nach der dreizehnten Zeile, nicht gezählt</translation>
    </message>
    <message>
        <source>Force divided by two: %1</source>
        <translation>Kraftstufe durch zwei: %1</translation>
    </message>
    <message>
        <source>Drain modifier: %1</source>
        <translation>Entzugsmodifikator: %1</translation>
    </message>
    <message>
        <source>Level total: %1, letter %2</source>
        <translation>Stufensumme: %1, Buchstabe %2</translation>
    </message>
    <message>
        <source>Drain code: %1</source>
        <translation>Entzugscode: %1</translation>
    </message>
    <message>
        <source>The drain field shows %1, stored in the opened spell, until the spell next changes.</source>
        <translation>Das Entzugsfeld zeigt %1, wie im geöffneten Zauber gespeichert, bis sich der Zauber das nächste Mal ändert.</translation>
    </message>
</context>
<context>
    <name>DrainBreakdownDialog</name>
    <message>
        <source>Drain Breakdown</source>
        <translation>Entzug aufgeschlüsselt</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Tokens</source>
        <translation>Tokens</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Drain modifier</source>
        <translation>Entzugsmodifikator</translation>
    </message>
    <message>
        <source>Force divided by two:</source>
        <translation>Kraftstufe durch zwei:</translation>
    </message>
    <message>
        <source>Drain modifier:</source>
        <translation>Entzugsmodifikator:</translation>
    </message>
    <message>
        <source>Level total:</source>
        <translation>Stufensumme:</translation>
    </message>
    <message>
        <source>Drain code:</source>
        <translation>Entzugscode:</translation>
    </message>
    <message>
        <source>Not counted: rows past the thirteenth</source>
        <translation>Nicht gezählt: Zeilen nach der dreizehnten</translation>
    </message>
    <message>
        <source>%1, letter %2</source>
        <translation>%1, Buchstabe %2</translation>
    </message>
</context>
<context>
    <name>DrainPreview</name>
    <message>
        <source>no drain tokens of its own: the option picked for it carries the cost</source>
        <translation>keine eigenen Entzugs-Tokens: Die dazu gewählte Option trägt die Kosten</translation>
    </message>
    <message>
        <source>no drain tokens of its own</source>
        <translation>keine eigenen Entzugs-Tokens</translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <translation>%1; %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Nothing can be added while %1 cannot be read</source>
        <translation>Solange %1 nicht lesbar ist, kann nichts hinzugefügt werden</translation>
    </message>
    <message>
        <source>To add ‘%1’, pick its option</source>
        <translation>Um ‚%1‘ hinzuzufügen, wählen Sie seine Option</translation>
    </message>
    <message>
        <source>To add ‘%1’, pick one of its %2 options</source>
        <translation>Um ‚%1‘ hinzuzufügen, wählen Sie eine seiner %2 Optionen</translation>
    </message>
    <message>
        <source>‘%1’ is chosen already (row %2)</source>
        <translation>‚%1‘ ist bereits gewählt (Zeile %2)</translation>
    </message>
    <message>
        <source>‘%1’ cannot be added: row %2, ‘%3’, begins with the same six characters</source>
        <translation>‚%1‘ kann nicht hinzugefügt werden: Zeile %2, ‚%3‘, beginnt mit denselben sechs Zeichen</translation>
    </message>
    <message>
        <source>Adds no tokens</source>
        <translation>Fügt keine Tokens hinzu</translation>
    </message>
    <message>
        <source>Adds %1</source>
        <translation>Fügt %1 hinzu</translation>
    </message>
    <message>
        <source>%1: drain stays %2</source>
        <translation>%1: Entzug bleibt %2</translation>
    </message>
    <message>
        <source>%1: drain becomes %2</source>
        <translation>%1: Entzug wird %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>row %1 ‘%2’</source>
        <translation>Zeile %1 ‚%2‘</translation>
    </message>
    <message>
        <source>%1, replacing %2</source>
        <translation>%1, ersetzt %2</translation>
    </message>
    <message>
        <source>%1 (row %2 would be past the thirteenth and not count)</source>
        <translation>%1 (Zeile %2 läge nach der dreizehnten und zählte nicht)</translation>
    </message>
</context>
<context>
    <name>DrainWords</name>
    <message>
        <source>%1 level</source>
        <translation>%1 Stufe</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 Stufen</translation>
    </message>
    <message>
        <source>%1 drain modifier</source>
        <translation>%1 Entzugsmodifikator</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 übersprungen</translation>
    </message>
    <message>
        <source>no drain tokens</source>
        <translation>keine Entzugs-Tokens</translation>
    </message>
    <message>
        <source>level %1, drain modifier %2</source>
        <translation>Stufe %1, Entzugsmodifikator %2</translation>
    </message>
    <message>
        <source>an extra blank</source>
        <translation>ein überzähliges Leerzeichen</translation>
    </message>
    <message>
        <source>‘%1’</source>
        <translation>‚%1‘</translation>
    </message>
    <message>
        <source>Level total %1 is past the table (1 to %2), so the drain code shows %3.</source>
        <translation>Die Stufensumme %1 liegt jenseits der Tabelle (1 bis %2), daher zeigt der Entzugscode %3.</translation>
    </message>
    <message>
        <source>level total %1 is past the table, so the code shows %2</source>
        <translation>Stufensumme %1 liegt jenseits der Tabelle, daher zeigt der Code %2</translation>
    </message>
</context>
<context>
    <name>FileSystemReasons</name>
    <message>
        <source>only %1 of its %2 bytes could be written; the disk may be full</source>
        <translation>nur %1 ihrer %2 Bytes konnten geschrieben werden; der Datenträger ist vielleicht voll</translation>
    </message>
    <message>
        <source>its name, or the name of a folder on its path, is not valid UTF-8, so this program cannot open it; rename it to open it</source>
        <translation>ihr Name oder der Name eines Ordners auf ihrem Pfad ist kein gültiges UTF-8, daher kann dieses Programm sie nicht öffnen; benennen Sie sie um, um sie zu öffnen</translation>
    </message>
</context>
<context>
    <name>FileUrl</name>
    <message>
        <source>%1 names a file on another computer, which cannot be opened here.</source>
        <translation>%1 nennt eine Datei auf einem anderen Rechner, die hier nicht geöffnet werden kann.</translation>
    </message>
    <message>
        <source>%1 cannot name a file: it holds a NUL character (%00).</source>
        <translation>%1 kann keine Datei nennen: Es enthält ein NUL-Zeichen (%00).</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Author&apos;s name</source>
        <translation>Name des Autors</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>A new language shows when Cantrix next starts.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start von Cantrix.</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>its tables hold more, or nest deeper, than the viewer lays out promptly</source>
        <translation>ihre Tabellen enthalten mehr oder sind tiefer verschachtelt, als die Anzeige zügig setzen kann</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>its elements nest deeper than %1 levels</source>
        <translation>ihre Elemente sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>it holds more tables, table cells and lists, or nests its tables deeper, than the viewer lays out promptly</source>
        <translation>sie enthält mehr Tabellen, Tabellenzellen und Listen oder verschachtelt ihre Tabellen tiefer, als die Anzeige zügig setzen kann</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>sie ist nicht vorhanden</translation>
    </message>
    <message>
        <source>it is not in the help page&apos;s folder %1</source>
        <translation>sie liegt nicht im Ordner der Hilfeseite %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
    </message>
    <message>
        <source>The help page %1 is not shown: %2.</source>
        <translation>Die Hilfeseite %1 wird nicht angezeigt: %2.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>InPlaceWrite</name>
    <message>
        <source>it belongs to another owner or group, which a new copy made by you could not keep, and it cannot be written in place (%1)</source>
        <translation>sie gehört einem anderen Besitzer oder einer anderen Gruppe, was eine von Ihnen angelegte neue Kopie nicht beibehalten könnte, und sie kann nicht an Ort und Stelle geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it was replaced by another file or a symbolic link while it was being saved, so it was not written; save again to write the file now at that name</source>
        <translation>sie wurde während des Speicherns durch eine andere Datei oder einen symbolischen Link ersetzt und daher nicht geschrieben; speichern Sie erneut, um die Datei zu schreiben, die jetzt diesen Namen trägt</translation>
    </message>
    <message>
        <source>it must be written in place, and %1, where its earlier contents are kept meanwhile, is already there (perhaps from a save that did not finish); move that file away and save again</source>
        <translation>sie muss an Ort und Stelle geschrieben werden, und %1, wo ihr bisheriger Inhalt währenddessen aufbewahrt wird, ist bereits vorhanden (vielleicht von einem nicht beendeten Speichern); verschieben Sie diese Datei und speichern Sie erneut</translation>
    </message>
    <message>
        <source>it must be written in place, and its earlier contents could not first be kept in %1 (%2)</source>
        <translation>sie muss an Ort und Stelle geschrieben werden, und ihr bisheriger Inhalt konnte nicht zuerst in %1 aufbewahrt werden (%2)</translation>
    </message>
    <message>
        <source>writing it in place failed (%1); its earlier contents were put back, so it is as it was</source>
        <translation>das Schreiben an Ort und Stelle schlug fehl (%1); ihr bisheriger Inhalt wurde zurückgeschrieben, sie ist also wie zuvor</translation>
    </message>
    <message>
        <source>writing it in place failed (%1), and its earlier contents could not be put back: they are kept whole in %2</source>
        <translation>das Schreiben an Ort und Stelle schlug fehl (%1), und ihr bisheriger Inhalt konnte nicht zurückgeschrieben werden: Er ist vollständig in %2 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Spell Name</source>
        <translation>Zaubername</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraftstufe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Drain</source>
        <translation>Entzug</translation>
    </message>
    <message>
        <source>Modifiers</source>
        <translation>Modifikatoren</translation>
    </message>
    <message>
        <source>Spell Description</source>
        <translation>Beschreibung des Zaubers</translation>
    </message>
    <message>
        <source>Spell Summary </source>
        <translation>Zauber-Übersicht </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Restore &amp;Last Spell</source>
        <translation>Letzten Zauber &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Export Spell &amp;Card...</source>
        <translation>Zauber&amp;karte exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>Show Rules &amp;Problems...</source>
        <translation>Regel&amp;probleme anzeigen...</translation>
    </message>
    <message>
        <source>Drain &amp;Breakdown...</source>
        <translation>&amp;Entzug aufschlüsseln...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Index</source>
        <translation>Hilfe&amp;index</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Options of the modifier</source>
        <translation>Optionen des Modifikators</translation>
    </message>
    <message>
        <source>Spell summary: category, type and force</source>
        <translation>Zauberübersicht: Kategorie, Typ und Kraftstufe</translation>
    </message>
    <message>
        <source>Spell summary: modifiers</source>
        <translation>Zauberübersicht: Modifikatoren</translation>
    </message>
    <message>
        <source>Double-click a modifier, or press Enter or Space, to add it to the spell.</source>
        <translation>Doppelklicken Sie auf einen Modifikator oder drücken Sie die Eingabe- oder Leertaste, um ihn dem Zauber hinzuzufügen.</translation>
    </message>
    <message>
        <source>Double-click an option, or press Enter or Space, to add the modifier with it.</source>
        <translation>Doppelklicken Sie auf eine Option oder drücken Sie die Eingabe- oder Leertaste, um den Modifikator mit ihr hinzuzufügen.</translation>
    </message>
    <message>
        <source>Delete or Remove takes the selected row off the spell.</source>
        <translation>Entf oder Entfernen nimmt die gewählte Zeile aus dem Zauber.</translation>
    </message>
    <message>
        <source>Spell Not Opened</source>
        <translation>Zauber nicht geöffnet</translation>
    </message>
    <message>
        <source>Spell &amp;Book...</source>
        <translation>Zauberb&amp;uch...</translation>
    </message>
    <message>
        <source>Rebuild Under &amp;Today&apos;s Rules</source>
        <translation>Nach den &amp;heutigen Regeln neu aufbauen</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Cantrix 3rd ed.</source>
        <translation>Cantrix 3. Ed.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] – %2</translation>
    </message>
</context>
<context>
    <name>RebuildCommand</name>
    <message>
        <source>Rebuilt under today&apos;s rules: the drain code stays %1.</source>
        <translation>Nach den heutigen Regeln neu aufgebaut: Der Entzugscode bleibt %1.</translation>
    </message>
    <message>
        <source>Under today&apos;s rules the drain code stays %1.</source>
        <translation>Nach den heutigen Regeln bleibt der Entzugscode %1.</translation>
    </message>
    <message>
        <source>Under today&apos;s rules the drain code is %1; it was %2.</source>
        <translation>Nach den heutigen Regeln ist der Entzugscode %1; er war %2.</translation>
    </message>
    <message>
        <source>Not found under today&apos;s rules, and left out:</source>
        <translation>Nach den heutigen Regeln nicht gefunden und weggelassen:</translation>
    </message>
</context>
<context>
    <name>RecentSpells</name>
    <message>
        <source>%1 is no longer there; it was taken off the recent spells.</source>
        <translation>%1 ist nicht mehr vorhanden; die Datei wurde aus den zuletzt geöffneten Zaubern entfernt.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a spell; it was taken off the recent spells.</source>
        <translation>%1 ist ein Ordner, kein Zauber; er wurde aus den zuletzt geöffneten Zaubern entfernt.</translation>
    </message>
    <message>
        <source>%1 is not a regular file but a pipe or a device; it was taken off the recent spells.</source>
        <translation>%1 ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät; es wurde aus den zuletzt geöffneten Zaubern entfernt.</translation>
    </message>
</context>
<context>
    <name>ReplaceQuestion</name>
    <message>
        <source>Replace File?</source>
        <translation>Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it with this spell?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei durch diesen Zauber ersetzen?</translation>
    </message>
</context>
<context>
    <name>RulesChangeNotice</name>
    <message>
        <source>%1 has changed: the lists on screen are from the earlier rules. Rules &gt; Rebuild Under Today&apos;s Rules chooses the spell again under the new ones.</source>
        <translation>%1 wurde geändert: Die Listen auf dem Bildschirm stammen aus den früheren Regeln. Regeln &gt; Nach den heutigen Regeln neu aufbauen wählt den Zauber unter den neuen Regeln erneut.</translation>
    </message>
</context>
<context>
    <name>RulesCheck</name>
    <message>
        <source>the byte %1 is not UTF-8, so the whole file is read as Windows-1252 (where that byte is %2)</source>
        <translation>das Byte %1 ist kein UTF-8, daher wird die ganze Datei als Windows-1252 gelesen (wo dieses Byte %2 ist)</translation>
    </message>
    <message>
        <source>Nothing to mend if the file was saved by an 8-bit editor; otherwise save it as UTF-8, or its accented letters show wrongly.</source>
        <translation>Nichts zu beheben, wenn die Datei von einem 8-Bit-Editor gespeichert wurde; sonst speichern Sie sie als UTF-8, oder ihre Umlaute und Akzentbuchstaben erscheinen falsch.</translation>
    </message>
    <message>
        <source>the byte %1 is not UTF-8, though the file is UTF-8 elsewhere: because of this byte the whole file is read as Windows-1252, so that %2 (line %3, column %4) shows as %5, and so does every letter beyond ASCII</source>
        <translation>das Byte %1 ist kein UTF-8, obwohl die Datei sonst UTF-8 ist: Wegen dieses Bytes wird die ganze Datei als Windows-1252 gelesen, sodass %2 (Zeile %3, Spalte %4) als %5 erscheint, ebenso jeder Buchstabe jenseits von ASCII</translation>
    </message>
    <message>
        <source>Delete the byte, or write the character it was meant to be, and save the file as UTF-8.</source>
        <translation>Löschen Sie das Byte oder schreiben Sie das Zeichen, das gemeint war, und speichern Sie die Datei als UTF-8.</translation>
    </message>
    <message>
        <source>the line holds a NUL byte in column %1, and the program refuses a file that holds one</source>
        <translation>die Zeile enthält in Spalte %1 ein NUL-Byte, und das Programm weist eine Datei zurück, die eines enthält</translation>
    </message>
    <message>
        <source>Remove it. A rules data file holds text only; if the file was saved as UTF-16, save it as UTF-8 instead.</source>
        <translation>Entfernen Sie es. Eine Regeldatei enthält nur Text; wurde die Datei als UTF-16 gespeichert, speichern Sie sie stattdessen als UTF-8.</translation>
    </message>
    <message>
        <source>the line ends in a carriage return (CR) without a line feed: the CR stays part of the line&apos;s last field</source>
        <translation>die Zeile endet mit einem Wagenrücklauf (CR) ohne Zeilenvorschub: Das CR bleibt Teil des letzten Felds der Zeile</translation>
    </message>
    <message>
        <source>a carriage return (CR) without a line feed in column %1 does not end the line: %2 after it is read as part of this line</source>
        <translation>ein Wagenrücklauf (CR) ohne Zeilenvorschub in Spalte %1 beendet die Zeile nicht: %2 danach wird als Teil dieser Zeile gelesen</translation>
    </message>
    <message>
        <source>End every line with CR LF or with LF alone.</source>
        <translation>Beenden Sie jede Zeile mit CR LF oder nur mit LF.</translation>
    </message>
    <message>
        <source>the line begins with a tab, so it is a modifier line, not an option line: option lines begin with a blank</source>
        <translation>die Zeile beginnt mit einem Tabulator und ist daher eine Modifikatorzeile, keine Optionszeile: Optionszeilen beginnen mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>a tab in column %1 counts as one column, so what follows it does not stand in the columns an editor shows</source>
        <translation>ein Tabulator in Spalte %1 zählt als eine Spalte, daher steht das Folgende nicht in den Spalten, die ein Editor zeigt</translation>
    </message>
    <message>
        <source>Use blanks instead of tabs: text in columns 1 to 59, the token string from column 61.</source>
        <translation>Verwenden Sie Leerzeichen statt Tabulatoren: Text in den Spalten 1 bis 59, die Token-Folge ab Spalte 61.</translation>
    </message>
    <message>
        <source>the name %1 runs past column 60: from column 61 on, %2 is read as its token string</source>
        <translation>der Name %1 reicht über Spalte 60 hinaus: Ab Spalte 61 wird %2 als seine Token-Folge gelesen</translation>
    </message>
    <message>
        <source>End the name by column 59, leave column 60 blank and start the token string in column 61.</source>
        <translation>Beenden Sie den Namen spätestens in Spalte 59, lassen Sie Spalte 60 leer und beginnen Sie die Token-Folge in Spalte 61.</translation>
    </message>
    <message>
        <source>the text %1 runs into column 60, which is never read: %2 is lost</source>
        <translation>der Text %1 reicht in Spalte 60, die nie gelesen wird: %2 geht verloren</translation>
    </message>
    <message>
        <source>, and %1 from column 61 on is read as tokens</source>
        <translation>, und %1 ab Spalte 61 wird als Tokens gelesen</translation>
    </message>
    <message>
        <source>column 60 holds %1, which is never read</source>
        <translation>Spalte 60 enthält %1, das nie gelesen wird</translation>
    </message>
    <message>
        <source>Keep the text within columns 1 to 59, leave column 60 blank and start the token string in column 61.</source>
        <translation>Halten Sie den Text in den Spalten 1 bis 59, lassen Sie Spalte 60 leer und beginnen Sie die Token-Folge in Spalte 61.</translation>
    </message>
    <message>
        <source>the file has no category line (a line beginning with &apos;#&apos;), so the category list stays empty and no modifier is ever listed</source>
        <translation>die Datei hat keine Kategoriezeile (eine Zeile, die mit &apos;#&apos; beginnt), daher bleibt die Kategorieliste leer und kein Modifikator wird je aufgeführt</translation>
    </message>
    <message>
        <source>Add a category line, e.g. &apos;#Combat&apos;, and write its modifiers below it.</source>
        <translation>Fügen Sie eine Kategoriezeile hinzu, z. B. &apos;#Combat&apos;, und schreiben Sie ihre Modifikatoren darunter.</translation>
    </message>
    <message>
        <source>the file has no type line (a line beginning with &apos;]&apos;), so the type list stays empty</source>
        <translation>die Datei hat keine Typzeile (eine Zeile, die mit &apos;]&apos; beginnt), daher bleibt die Typliste leer</translation>
    </message>
    <message>
        <source>Add a type line, e.g. &apos;]Physical&apos;.</source>
        <translation>Fügen Sie eine Typzeile hinzu, z. B. &apos;]Physical&apos;.</translation>
    </message>
    <message>
        <source>the category line has no name: it is listed as an empty entry, and choosing it changes neither the spell summary nor the drain code</source>
        <translation>die Kategoriezeile hat keinen Namen: Sie erscheint als leerer Eintrag, und ihre Wahl ändert weder die Zauberübersicht noch den Entzugscode</translation>
    </message>
    <message>
        <source>Write the category&apos;s name in columns 2 to 16.</source>
        <translation>Schreiben Sie den Namen der Kategorie in die Spalten 2 bis 16.</translation>
    </message>
    <message>
        <source>the category %1 is named a second time (first on line %2): it shows twice in the category list, and each entry lists the modifiers of both sections</source>
        <translation>die Kategorie %1 wird ein zweites Mal genannt (zuerst in Zeile %2): Sie erscheint zweimal in der Kategorieliste, und jeder Eintrag führt die Modifikatoren beider Abschnitte auf</translation>
    </message>
    <message>
        <source>Rename one of the two categories, or merge their sections.</source>
        <translation>Benennen Sie eine der beiden Kategorien um oder führen Sie ihre Abschnitte zusammen.</translation>
    </message>
    <message>
        <source>the category name %1 has %2 characters: this program reads it whole, but readers that take the name from columns 2 to 16 alone do not find its section</source>
        <translation>der Kategoriename %1 hat %2 Zeichen: Dieses Programm liest ihn ganz, aber Programme, die den Namen nur aus den Spalten 2 bis 16 lesen, finden ihren Abschnitt nicht</translation>
    </message>
    <message>
        <source>Shorten the name to 15 characters or fewer.</source>
        <translation>Kürzen Sie den Namen auf höchstens 15 Zeichen.</translation>
    </message>
    <message>
        <source>the type line has no name: it is listed as an empty entry, and choosing it changes neither the spell summary nor the drain code</source>
        <translation>die Typzeile hat keinen Namen: Sie erscheint als leerer Eintrag, und ihre Wahl ändert weder die Zauberübersicht noch den Entzugscode</translation>
    </message>
    <message>
        <source>Write the type&apos;s name from column 2 on.</source>
        <translation>Schreiben Sie den Namen des Typs ab Spalte 2.</translation>
    </message>
    <message>
        <source>the type %1 is named a second time (first on line %2): it shows twice in the type list</source>
        <translation>der Typ %1 wird ein zweites Mal genannt (zuerst in Zeile %2): Er erscheint zweimal in der Typliste</translation>
    </message>
    <message>
        <source>Remove or rename one of the two type lines.</source>
        <translation>Entfernen Sie eine der beiden Typzeilen oder benennen Sie sie um.</translation>
    </message>
    <message>
        <source>an empty line inside the section of the category %1 is listed as a modifier with no text</source>
        <translation>eine leere Zeile im Abschnitt der Kategorie %1 erscheint als Modifikator ohne Text</translation>
    </message>
    <message>
        <source>Delete the line, or write &apos;!&apos; in column 1 to keep it as a comment line.</source>
        <translation>Löschen Sie die Zeile oder schreiben Sie &apos;!&apos; in Spalte 1, um sie als Kommentarzeile zu behalten.</translation>
    </message>
    <message>
        <source>the modifier %1 stands before the first category line, so it belongs to no category and is never listed, nor are option lines below it</source>
        <translation>der Modifikator %1 steht vor der ersten Kategoriezeile, gehört daher zu keiner Kategorie und wird nie aufgeführt, ebenso wenig die Optionszeilen darunter</translation>
    </message>
    <message>
        <source>Move it below the category line it belongs to, or write &apos;!&apos; in column 1 to make it a comment.</source>
        <translation>Verschieben Sie ihn unter die Kategoriezeile, zu der er gehört, oder schreiben Sie &apos;!&apos; in Spalte 1, um ihn zum Kommentar zu machen.</translation>
    </message>
    <message>
        <source>the modifier %1 appears a second time in the category %2 (first on line %3): it is listed twice</source>
        <translation>der Modifikator %1 erscheint ein zweites Mal in der Kategorie %2 (zuerst in Zeile %3): Er wird zweimal aufgeführt</translation>
    </message>
    <message>
        <source>Remove one of the two lines, or reword one of them.</source>
        <translation>Entfernen Sie eine der beiden Zeilen oder formulieren Sie eine davon um.</translation>
    </message>
    <message>
        <source>a line of blanks among the options of %1 is listed as an option with no text</source>
        <translation>eine Zeile aus Leerzeichen unter den Optionen von %1 erscheint als Option ohne Text</translation>
    </message>
    <message>
        <source>the option line with the tokens %1 has no text: it is listed as an option with no text under %2</source>
        <translation>die Optionszeile mit den Tokens %1 hat keinen Text: Sie erscheint als Option ohne Text unter %2</translation>
    </message>
    <message>
        <source>Write the option&apos;s text from column 2 on, or delete the line.</source>
        <translation>Schreiben Sie den Text der Option ab Spalte 2 oder löschen Sie die Zeile.</translation>
    </message>
    <message>
        <source>the option %1 appears a second time under %2 (first on line %3)</source>
        <translation>die Option %1 erscheint ein zweites Mal unter %2 (zuerst in Zeile %3)</translation>
    </message>
    <message>
        <source>Write the modifier that owns it directly above it, as a line that holds its text alone.</source>
        <translation>Schreiben Sie den Modifikator, zu dem sie gehört, direkt darüber, als Zeile, die nur seinen Text enthält.</translation>
    </message>
    <message>
        <source>the option lines below %1 (from line %2) are never listed: the modifier line carries the token string %3, and only a line that holds its text alone owns options</source>
        <translation>die Optionszeilen unter %1 (ab Zeile %2) werden nie aufgeführt: Die Modifikatorzeile trägt die Token-Folge %3, und nur eine Zeile, die allein ihren Text enthält, besitzt Optionen</translation>
    </message>
    <message>
        <source>Delete the token string and the blanks before it (a modifier&apos;s own tokens are never counted for its options: add them to each option), or make the option lines modifiers of their own.</source>
        <translation>Löschen Sie die Token-Folge und die Leerzeichen davor (die eigenen Tokens eines Modifikators zählen für seine Optionen nie: Fügen Sie sie jeder Option hinzu), oder machen Sie die Optionszeilen zu eigenen Modifikatoren.</translation>
    </message>
    <message>
        <source>the option lines below %1 (from line %2) are never listed: blanks follow the text, and only a line that holds its text alone owns options</source>
        <translation>die Optionszeilen unter %1 (ab Zeile %2) werden nie aufgeführt: Auf den Text folgen Leerzeichen, und nur eine Zeile, die allein ihren Text enthält, besitzt Optionen</translation>
    </message>
    <message>
        <source>Delete the blanks after %1, so that the line ends right after the text.</source>
        <translation>Löschen Sie die Leerzeichen nach %1, sodass die Zeile direkt nach dem Text endet.</translation>
    </message>
    <message>
        <source>the option %1 and those after it are never listed: the modifier line above (line %2) runs into column 60, so it does not hold its text alone</source>
        <translation>die Option %1 und die folgenden werden nie aufgeführt: Die Modifikatorzeile darüber (Zeile %2) reicht in Spalte 60 und enthält daher nicht allein ihren Text</translation>
    </message>
    <message>
        <source>Shorten the modifier&apos;s text so that its line ends by column 59.</source>
        <translation>Kürzen Sie den Text des Modifikators, sodass seine Zeile spätestens in Spalte 59 endet.</translation>
    </message>
    <message>
        <source>the line beginning with the reserved marker %1 ends the option block: the option lines below it (from line %2) are never listed</source>
        <translation>die Zeile, die mit dem reservierten Zeichen %1 beginnt, beendet den Optionsblock: Die Optionszeilen darunter (ab Zeile %2) werden nie aufgeführt</translation>
    </message>
    <message>
        <source>Write &apos;!&apos; in column 1 instead, to make it a comment, which an option block passes over, or move the line out of the block.</source>
        <translation>Schreiben Sie stattdessen &apos;!&apos; in Spalte 1, um sie zu einem Kommentar zu machen, den ein Optionsblock überspringt, oder verschieben Sie die Zeile aus dem Block.</translation>
    </message>
    <message>
        <source>the option %1 follows the category line %2 with no modifier line between them, so it is never listed</source>
        <translation>die Option %1 folgt auf die Kategoriezeile %2 ohne Modifikatorzeile dazwischen und wird daher nie aufgeführt</translation>
    </message>
    <message>
        <source>the option %1 is never listed: the type line above it (line %2) ends any option block</source>
        <translation>die Option %1 wird nie aufgeführt: Die Typzeile darüber (Zeile %2) beendet jeden Optionsblock</translation>
    </message>
    <message>
        <source>Move the type line out of the option block.</source>
        <translation>Verschieben Sie die Typzeile aus dem Optionsblock.</translation>
    </message>
    <message>
        <source>the option %1 has no modifier line above it, so it is never listed</source>
        <translation>die Option %1 hat keine Modifikatorzeile über sich und wird daher nie aufgeführt</translation>
    </message>
    <message>
        <source>choosing an option of %1 (line %2) removes %3 (line %4) from the spell summary, because both rows begin with %5</source>
        <translation>die Wahl einer Option von %1 (Zeile %2) entfernt %3 (Zeile %4) aus der Zauberübersicht, weil beide Zeilen mit %5 beginnen</translation>
    </message>
    <message>
        <source>Reword %1 so that it does not begin with %2.</source>
        <translation>Formulieren Sie %1 so um, dass es nicht mit %2 beginnt.</translation>
    </message>
    <message>
        <source>%1 and %2 (line %3) give spell summary rows that begin with the same six characters %4, and the summary keeps one row per beginning: whichever is chosen second is refused or replaces the other</source>
        <translation>%1 und %2 (Zeile %3) ergeben Zeilen der Zauberübersicht, die mit denselben sechs Zeichen %4 beginnen, und die Übersicht behält je Anfang eine Zeile: Was als Zweites gewählt wird, wird abgewiesen oder ersetzt das andere</translation>
    </message>
    <message>
        <source>Reword one of the two so that their first six characters differ.</source>
        <translation>Formulieren Sie eines der beiden so um, dass sich ihre ersten sechs Zeichen unterscheiden.</translation>
    </message>
    <message>
        <source>it is read as a drain modifier of %1</source>
        <translation>es wird als Entzugsmodifikator %1 gelesen</translation>
    </message>
    <message>
        <source>it is read as a level token of %1</source>
        <translation>es wird als Stufen-Token %1 gelesen</translation>
    </message>
    <message>
        <source>it is skipped</source>
        <translation>es wird übersprungen</translation>
    </message>
    <message>
        <source>together they are read as a level token of %1 and a drain modifier of %2</source>
        <translation>zusammen werden sie als Stufen-Token %1 und Entzugsmodifikator %2 gelesen</translation>
    </message>
    <message>
        <source>together they are read as a drain modifier of %1</source>
        <translation>zusammen werden sie als Entzugsmodifikator %1 gelesen</translation>
    </message>
    <message>
        <source>together they are read as a level token of %1</source>
        <translation>zusammen werden sie als Stufen-Token %1 gelesen</translation>
    </message>
    <message>
        <source>the token %1 does not begin with &apos;+&apos; or &apos;-&apos;, and more than one blank stands before it, so the blank right before it is taken as a sign with %2 as its value, and then the token itself with %2 as its sign: %3</source>
        <translation>das Token %1 beginnt nicht mit &apos;+&apos; oder &apos;-&apos;, und davor steht mehr als ein Leerzeichen, daher wird das Leerzeichen direkt davor als Vorzeichen mit %2 als Wert genommen und dann das Token selbst mit %2 als Vorzeichen: %3</translation>
    </message>
    <message>
        <source>Separate tokens with single blanks and begin every token with &apos;+&apos; or &apos;-&apos;, e.g. %1.</source>
        <translation>Trennen Sie Tokens durch einzelne Leerzeichen und beginnen Sie jedes Token mit &apos;+&apos; oder &apos;-&apos;, z. B. %1.</translation>
    </message>
    <message>
        <source>Separate tokens with single blanks and begin every token with &apos;+&apos; or &apos;-&apos; and one digit, e.g. &apos;+1&apos; or &apos;-2DRT&apos;.</source>
        <translation>Trennen Sie Tokens durch einzelne Leerzeichen und beginnen Sie jedes Token mit &apos;+&apos; oder &apos;-&apos; und einer Ziffer, z. B. &apos;+1&apos; oder &apos;-2DRT&apos;.</translation>
    </message>
    <message>
        <source>the token %1 does not begin with &apos;+&apos; or &apos;-&apos;, so its first character is taken as the sign: %2</source>
        <translation>das Token %1 beginnt nicht mit &apos;+&apos; oder &apos;-&apos;, daher wird sein erstes Zeichen als Vorzeichen genommen: %2</translation>
    </message>
    <message>
        <source>Begin every token with &apos;+&apos; or &apos;-&apos;, e.g. %1.</source>
        <translation>Beginnen Sie jedes Token mit &apos;+&apos; oder &apos;-&apos;, z. B. %1.</translation>
    </message>
    <message>
        <source>Begin every token with &apos;+&apos; or &apos;-&apos; and one digit, e.g. &apos;+1&apos; or &apos;-2DRT&apos;.</source>
        <translation>Beginnen Sie jedes Token mit &apos;+&apos; oder &apos;-&apos; und einer Ziffer, z. B. &apos;+1&apos; oder &apos;-2DRT&apos;.</translation>
    </message>
    <message>
        <source>the token %1 has no digit after its sign, so it is skipped</source>
        <translation>das Token %1 hat nach seinem Vorzeichen keine Ziffer und wird daher übersprungen</translation>
    </message>
    <message>
        <source>Write one digit after the sign, e.g. &apos;+1&apos; or &apos;-2DRT&apos;.</source>
        <translation>Schreiben Sie eine Ziffer nach dem Vorzeichen, z. B. &apos;+1&apos; oder &apos;-2DRT&apos;.</translation>
    </message>
    <message>
        <source>the token %1 has more than one digit, but only the first is its value: %2</source>
        <translation>das Token %1 hat mehr als eine Ziffer, aber nur die erste ist sein Wert: %2</translation>
    </message>
    <message>
        <source>A token holds one digit; write a larger value as several tokens, e.g. %1.</source>
        <translation>Ein Token enthält eine Ziffer; schreiben Sie einen größeren Wert als mehrere Tokens, z. B. %1.</translation>
    </message>
    <message>
        <source>the token %1 is not a drain modifier, because &apos;DRT&apos; counts in capitals only: %2</source>
        <translation>das Token %1 ist kein Entzugsmodifikator, denn &apos;DRT&apos; zählt nur in Großbuchstaben: %2</translation>
    </message>
    <message>
        <source>Write %1.</source>
        <translation>Schreiben Sie %1.</translation>
    </message>
    <message>
        <source>the token %1 goes on after &apos;DRT&apos;, and what follows is ignored: %2</source>
        <translation>das Token %1 geht nach &apos;DRT&apos; weiter, und das Folgende wird ignoriert: %2</translation>
    </message>
    <message>
        <source>the token %1 has the unknown kind %2: %3</source>
        <translation>das Token %1 hat die unbekannte Art %2: %3</translation>
    </message>
    <message>
        <source>After the digit write nothing for a level token or &apos;DRT&apos; for a drain modifier, and separate tokens with single blanks.</source>
        <translation>Schreiben Sie nach der Ziffer nichts für ein Stufen-Token oder &apos;DRT&apos; für einen Entzugsmodifikator, und trennen Sie Tokens durch einzelne Leerzeichen.</translation>
    </message>
    <message>
        <source>%1 more tokens on this line, from column %2 on, are outside the token format; they are not listed one by one</source>
        <translation>%1 weitere Tokens in dieser Zeile ab Spalte %2 entsprechen nicht dem Token-Format; sie werden nicht einzeln aufgeführt</translation>
    </message>
    <message>
        <source>Mend the tokens listed before this, then check the file again.</source>
        <translation>Beheben Sie die zuvor aufgeführten Tokens und prüfen Sie die Datei dann erneut.</translation>
    </message>
</context>
<context>
    <name>RulesFile</name>
    <message>
        <source>it holds NUL bytes: binary data or UTF-16, not UTF-8 or Windows-1252 text</source>
        <translation>sie enthält NUL-Bytes: Binärdaten oder UTF-16, kein Text in UTF-8 oder Windows-1252</translation>
    </message>
    <message>
        <source>it has more than %1 lines, too many to be read</source>
        <translation>sie hat mehr als %1 Zeilen, zu viele, um sie zu lesen</translation>
    </message>
</context>
<context>
    <name>RulesProblemsDialog</name>
    <message>
        <source>Rules Problems</source>
        <translation>Regelprobleme</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>How to mend it</source>
        <translation>So beheben Sie es</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>%1 could not be checked: %2</source>
        <translation>%1 konnte nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>%1 has no problems.</source>
        <translation>%1 hat keine Probleme.</translation>
    </message>
    <message>
        <source>%1 has 1 problem.</source>
        <translation>%1 hat 1 Problem.</translation>
    </message>
    <message>
        <source>%1 has %2 problems.</source>
        <translation>%1 hat %2 Probleme.</translation>
    </message>
    <message>
        <source>%1 has %2 problems; the first %3 are listed here, and gx2check lists them all.</source>
        <translation>%1 hat %2 Probleme; die ersten %3 sind hier aufgeführt, gx2check führt alle auf.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3

How to mend it: %4</source>
        <translation>Zeile %1, Spalte %2: %3

So beheben Sie es: %4</translation>
    </message>
</context>
<context>
    <name>RulesProblemsView</name>
    <message>
        <source>%1 is missing: there is no rules data to check</source>
        <translation>%1 fehlt: Es gibt keine Regeldaten zu prüfen</translation>
    </message>
    <message>
        <source>Rules: %1 missing</source>
        <translation>Regeln: %1 fehlt</translation>
    </message>
    <message>
        <source>The rules data could not be checked (%1)</source>
        <translation>Die Regeldaten konnten nicht geprüft werden (%1)</translation>
    </message>
    <message>
        <source>Rules: not checked</source>
        <translation>Regeln: nicht geprüft</translation>
    </message>
    <message>
        <source>Rules data checked: no problems</source>
        <translation>Regeldaten geprüft: keine Probleme</translation>
    </message>
    <message>
        <source>Rules: no problems</source>
        <translation>Regeln: keine Probleme</translation>
    </message>
    <message>
        <source>The rules data has 1 problem — Rules &gt; Show Rules Problems...</source>
        <translation>Die Regeldaten haben 1 Problem – Regeln &gt; Regelprobleme anzeigen...</translation>
    </message>
    <message>
        <source>Rules: 1 problem</source>
        <translation>Regeln: 1 Problem</translation>
    </message>
    <message>
        <source>The rules data has %1 problems — Rules &gt; Show Rules Problems...</source>
        <translation>Die Regeldaten haben %1 Probleme – Regeln &gt; Regelprobleme anzeigen...</translation>
    </message>
    <message>
        <source>Rules: %1 problems</source>
        <translation>Regeln: %1 Probleme</translation>
    </message>
    <message>
        <source>Rules data: checking...</source>
        <translation>Regeldaten: werden geprüft...</translation>
    </message>
    <message>
        <source>Rules: checking...</source>
        <translation>Regeln: Prüfung...</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>Help Not Found</source>
        <translation>Hilfe nicht gefunden</translation>
    </message>
    <message>
        <source>The help page %1 is missing. It is delivered beside the program; installing the program again puts it back.</source>
        <translation>Die Hilfeseite %1 fehlt. Sie wird neben dem Programm ausgeliefert; eine erneute Installation des Programms stellt sie wieder her.</translation>
    </message>
    <message>
        <source>CTXhelp.htm</source>
        <extracomment>File name of the help page written in this language, delivered beside the program.</extracomment>
        <translation>CTXhelp.de.htm</translation>
    </message>
</context>
<context>
    <name>SpellBook</name>
    <message>
        <source>there is no such folder</source>
        <translation>diesen Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>it is no folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the rules data file cannot be read</source>
        <translation>die Regeldatei kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>SpellBookModel</name>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 spells have another drain code under today&apos;s rules</source>
        <translation>%1 von %2 Zaubern haben nach den heutigen Regeln einen anderen Entzugscode</translation>
    </message>
    <message>
        <source> (%1 other files passed over: not named .xml)</source>
        <translation> (%1 andere Dateien übergangen: ihr Name endet nicht auf .xml)</translation>
    </message>
    <message>
        <source>Not found under today&apos;s rules: %1</source>
        <translation>Nach den heutigen Regeln nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraftstufe</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Drain as saved</source>
        <translation>Entzug wie gespeichert</translation>
    </message>
    <message>
        <source>Drain today</source>
        <translation>Entzug heute</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>SpellBookWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Spell Book</source>
        <translation>Zauberbuch</translation>
    </message>
    <message>
        <source>Filter by name, category, type or modifier</source>
        <translation>Nach Name, Kategorie, Typ oder Modifikator filtern</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Ordner...</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Paper for printing and PDF</source>
        <translation>Papier für Druck und PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;HTML...</source>
        <translation>Als &amp;HTML exportieren...</translation>
    </message>
    <message>
        <source>Spell Book Folder</source>
        <translation>Ordner des Zauberbuchs</translation>
    </message>
    <message>
        <source>Printing the spell book...</source>
        <translation>Das Zauberbuch wird gedruckt...</translation>
    </message>
    <message>
        <source>Export Spell Book as PDF</source>
        <translation>Zauberbuch als PDF exportieren</translation>
    </message>
    <message>
        <source>Export Spell Book as HTML</source>
        <translation>Zauberbuch als HTML exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <translation>Webseiten (*.html *.htm)</translation>
    </message>
    <message>
        <source>Drawing the spell book...</source>
        <translation>Das Zauberbuch wird gezeichnet...</translation>
    </message>
    <message>
        <source>Spell Book Not Exported</source>
        <translation>Zauberbuch nicht exportiert</translation>
    </message>
    <message>
        <source>The spell book could not be written to %1: %2.</source>
        <translation>Das Zauberbuch konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Reading %1 files...</source>
        <translation>%1 Dateien werden gelesen...</translation>
    </message>
</context>
<context>
    <name>SpellCardActions</name>
    <message>
        <source>Print Spell Card</source>
        <translation>Zauberkarte drucken</translation>
    </message>
    <message>
        <source>Spell Card Not Printed</source>
        <translation>Zauberkarte nicht gedruckt</translation>
    </message>
    <message>
        <source>The spell card could not be printed to %1.</source>
        <translation>Die Zauberkarte konnte nicht auf %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>SpellCardExport</name>
    <message>
        <source>Spell card</source>
        <translation>Zauberkarte</translation>
    </message>
    <message>
        <source>Spell Card Not Exported</source>
        <translation>Zauberkarte nicht exportiert</translation>
    </message>
    <message>
        <source>The spell card could not be written to %1: %2.</source>
        <translation>Die Zauberkarte konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Export Spell Card</source>
        <translation>Zauberkarte exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <translation>Webseiten (*.html *.htm)</translation>
    </message>
    <message>
        <source>Spell card exported to %1.</source>
        <translation>Zauberkarte nach %1 exportiert.</translation>
    </message>
</context>
<context>
    <name>SpellCardPages</name>
    <message>
        <source>nothing could be drawn on the page</source>
        <translation>auf die Seite konnte nichts gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>SpellCommands</name>
    <message>
        <source>Spell Not Opened</source>
        <translation>Zauber nicht geöffnet</translation>
    </message>
    <message>
        <source>Spell Opened Under Other Rules</source>
        <translation>Zauber unter anderen Regeln geöffnet</translation>
    </message>
    <message>
        <source>Spell Not Saved</source>
        <translation>Zauber nicht gespeichert</translation>
    </message>
    <message>
        <source>The spell could not be saved to %1: %2.</source>
        <translation>Der Zauber konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The spell %1 could not be opened: %2.</source>
        <translation>Der Zauber %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The spell %1 could not be opened: it is not well-formed XML at line %2, column %3: %4</source>
        <translation>Der Zauber %1 konnte nicht geöffnet werden: Er ist kein wohlgeformtes XML in Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>%1 is not a spell document: its outermost element is &lt;%2&gt;, where a spell has &lt;%3&gt;.</source>
        <translation>%1 ist kein Zauberdokument: Sein äußerstes Element ist &lt;%2&gt;, wo ein Zauber &lt;%3&gt; hat.</translation>
    </message>
    <message>
        <source>%1 is not a spell document: it holds nothing a spell is made of.</source>
        <translation>%1 ist kein Zauberdokument: Es enthält nichts, woraus ein Zauber besteht.</translation>
    </message>
    <message>
        <source>Open spell</source>
        <translation>Zauber öffnen</translation>
    </message>
    <message>
        <source>Save spell</source>
        <translation>Zauber speichern</translation>
    </message>
    <message>
        <source>Spells (*.xml)</source>
        <translation>Zauber (*.xml)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Its earlier contents, kept while it was being saved, may be whole in %1.</source>
        <translation>Ihr bisheriger Inhalt, während des Speicherns aufbewahrt, liegt womöglich vollständig in %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Gespeichert unter %1.</translation>
    </message>
</context>
<context>
    <name>SpellDocumentReader</name>
    <message>
        <source>The rules data has no category for &quot;%1&quot;: the spell shows &quot;%2&quot; instead.</source>
        <translation>Die Regeldaten haben keine Kategorie „%1“: Der Zauber zeigt stattdessen „%2“.</translation>
    </message>
    <message>
        <source>The rules data has no type for &quot;%1&quot;: the spell shows &quot;%2&quot; instead.</source>
        <translation>Die Regeldaten haben keinen Typ „%1“: Der Zauber zeigt stattdessen „%2“.</translation>
    </message>
    <message>
        <source>The rules data lacks %1 more of its stored choices.</source>
        <translation>Den Regeldaten fehlen %1 weitere seiner gespeicherten Auswahlen.</translation>
    </message>
    <message>
        <source>%1 was opened, but the rules data lacks some of its choices.</source>
        <translation>%1 wurde geöffnet, aber den Regeldaten fehlen einige seiner Auswahlen.</translation>
    </message>
    <message>
        <source>The drain code shown is the one saved; the next change computes it with what is shown.</source>
        <translation>Der angezeigte Entzugscode ist der gespeicherte; die nächste Änderung berechnet ihn aus dem Angezeigten.</translation>
    </message>
    <message>
        <source>category &quot;%1&quot;</source>
        <translation>Kategorie „%1“</translation>
    </message>
    <message>
        <source>type &quot;%1&quot;</source>
        <translation>Typ „%1“</translation>
    </message>
    <message>
        <source>%1 more categories or types</source>
        <translation>%1 weitere Kategorien oder Typen</translation>
    </message>
    <message>
        <source>row &quot;%1&quot;</source>
        <translation>Zeile „%1“</translation>
    </message>
</context>
<context>
    <name>SpellDraft</name>
    <message>
        <source>The spell kept at the last exit cannot be read and was set aside as %1.</source>
        <translation>Der beim letzten Beenden aufbewahrte Zauber kann nicht gelesen werden und wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The spell you left on %1 can be restored: File &gt; Restore Last Spell.</source>
        <translation>Der Zauber, den Sie am %1 verlassen haben, kann wiederhergestellt werden: Datei &gt; Letzten Zauber wiederherstellen.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The spell kept at the last exit cannot be read; it stays as %1.</source>
        <translation>Der beim letzten Beenden aufbewahrte Zauber kann nicht gelesen werden; er bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which a kept spell never follows; remove it</source>
        <translation>%1 ist ein symbolischer Link, dem ein aufbewahrter Zauber nie folgt; entfernen Sie ihn</translation>
    </message>
    <message>
        <source>the folder %1 is not yours alone, so no spell is kept there</source>
        <translation>der Ordner %1 gehört nicht Ihnen allein, daher wird dort kein Zauber aufbewahrt</translation>
    </message>
    <message>
        <source>The spell on screen could not be kept for the next start as %1: %2.</source>
        <translation>Der Zauber auf dem Bildschirm konnte nicht als %1 für den nächsten Start aufbewahrt werden: %2.</translation>
    </message>
    <message>
        <source>Spell Not Kept</source>
        <translation>Zauber nicht aufbewahrt</translation>
    </message>
    <message>
        <source>The spell stays on screen: save it with File &gt; Save, or end the program again to leave it unsaved.</source>
        <translation>Der Zauber bleibt auf dem Bildschirm: Speichern Sie ihn mit Datei &gt; Speichern, oder beenden Sie das Programm erneut, um ihn ungespeichert zu lassen.</translation>
    </message>
</context>
<context>
    <name>StepName</name>
    <message>
        <source>Open &apos;%1&apos;</source>
        <translation>„%1“ öffnen</translation>
    </message>
    <message>
        <source>Restore Last Spell</source>
        <translation>Letzten Zauber wiederherstellen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Choose Category &apos;%1&apos;</source>
        <translation>Kategorie „%1“ wählen</translation>
    </message>
    <message>
        <source>Choose Type &apos;%1&apos;</source>
        <translation>Typ „%1“ wählen</translation>
    </message>
    <message>
        <source>Add Modifier &apos;%1&apos;</source>
        <translation>Modifikator „%1“ hinzufügen</translation>
    </message>
    <message>
        <source>Remove Modifier &apos;%1&apos;</source>
        <translation>Modifikator „%1“ entfernen</translation>
    </message>
    <message>
        <source>Change Modifier &apos;%1&apos;</source>
        <translation>Modifikator „%1“ ändern</translation>
    </message>
    <message>
        <source>Name Change</source>
        <translation>Namensänderung</translation>
    </message>
    <message>
        <source>Force Change</source>
        <translation>Änderung der Kraftstufe</translation>
    </message>
    <message>
        <source>Description Change</source>
        <translation>Änderung der Beschreibung</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The settings file %1 is not used (%2): the program runs with default settings and leaves it alone.</source>
        <translation>Die Einstellungsdatei %1 wird nicht verwendet (%2): Das Programm läuft mit den Standardeinstellungen und lässt sie unverändert.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>it is larger than %1, too large to be read</source>
        <translation>sie ist größer als %1, zu groß, um sie zu lesen</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device, which only a regular file may replace</source>
        <translation>sie ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät, und nur eine gewöhnliche Datei darf ersetzt werden</translation>
    </message>
    <message>
        <source>%1: the folder %2 cannot be written to, and a save makes the new file there first</source>
        <translation>%1: In den Ordner %2 kann nicht geschrieben werden, und ein Speichern legt die neue Datei zuerst dort an</translation>
    </message>
</context>
<context>
    <name>gx2check</name>
    <message>
        <source>Checks rules data files (GX2Mod.dat) for lines the program would read otherwise than meant.</source>
        <translation>Prüft Regeldateien (GX2Mod.dat) auf Zeilen, die das Programm anders liest als gemeint.</translation>
    </message>
    <message>
        <source>Print the findings as one JSON document.</source>
        <translation>Die Befunde als ein JSON-Dokument ausgeben.</translation>
    </message>
    <message>
        <source>Rules data file to check.</source>
        <translation>Zu prüfende Regeldatei.</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>no problems found</source>
        <translation>keine Probleme gefunden</translation>
    </message>
    <message>
        <source>1 problem found</source>
        <translation>1 Problem gefunden</translation>
    </message>
    <message>
        <source>%1 problems found</source>
        <translation>%1 Probleme gefunden</translation>
    </message>
    <message>
        <source>the program refuses this file until its errors are mended</source>
        <translation>das Programm weist diese Datei zurück, bis ihre Fehler behoben sind</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Spell Not Opened</source>
        <translation>Zauber nicht geöffnet</translation>
    </message>
</context>
</TS>
