<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Velmora for Windows</source>
        <translation>Velmora für Windows</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Velmora is shared with the family in mind. Copyright Halvik Software.</source>
        <translation>Velmora ist für die ganze Familie gemacht. Copyright Halvik Software.</translation>
    </message>
    <message>
        <source>version 1.11.0.23</source>
        <translation>Version 1.11.0.23</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Turns the card</source>
        <translation>Dreht die Karte um</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>The cards; arrow keys move the cursor, Space turns the card</source>
        <translation>Die Karten; die Pfeiltasten bewegen den Cursor, die Leertaste dreht die Karte um</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Zeile %1, Spalte %2, verdeckt</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Zeile %1, Spalte %2, %3</translation>
    </message>
</context>
<context>
    <name>CardSetInfo</name>
    <message>
        <source>Current Velmora Set Info</source>
        <translation>Infos zum aktuellen Kartenset</translation>
    </message>
    <message>
        <source>Card Set Name</source>
        <translation>Name des Kartensets</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Details </translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>CardSetNames</name>
    <message>
        <source>Card Back</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Solid Circle</source>
        <translation>Voller Kreis</translation>
    </message>
    <message>
        <source>Solid Square</source>
        <translation>Volles Quadrat</translation>
    </message>
    <message>
        <source>Solid Triangle</source>
        <translation>Volles Dreieck</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Volle Raute</translation>
    </message>
    <message>
        <source>Solid Star</source>
        <translation>Voller Stern</translation>
    </message>
    <message>
        <source>Solid Heart</source>
        <translation>Volles Herz</translation>
    </message>
    <message>
        <source>Solid Cross</source>
        <translation>Volles Kreuz</translation>
    </message>
    <message>
        <source>Solid Hexagon</source>
        <translation>Volles Sechseck</translation>
    </message>
    <message>
        <source>Solid Moon</source>
        <translation>Voller Mond</translation>
    </message>
    <message>
        <source>Solid Arrow</source>
        <translation>Voller Pfeil</translation>
    </message>
    <message>
        <source>Open Circle</source>
        <translation>Offener Kreis</translation>
    </message>
    <message>
        <source>Open Square</source>
        <translation>Offenes Quadrat</translation>
    </message>
    <message>
        <source>Open Triangle</source>
        <translation>Offenes Dreieck</translation>
    </message>
    <message>
        <source>Open Diamond</source>
        <translation>Offene Raute</translation>
    </message>
    <message>
        <source>Open Star</source>
        <translation>Offener Stern</translation>
    </message>
    <message>
        <source>Open Heart</source>
        <translation>Offenes Herz</translation>
    </message>
    <message>
        <source>Open Cross</source>
        <translation>Offenes Kreuz</translation>
    </message>
    <message>
        <source>Open Hexagon</source>
        <translation>Offenes Sechseck</translation>
    </message>
    <message>
        <source>Open Moon</source>
        <translation>Offener Mond</translation>
    </message>
    <message>
        <source>Open Arrow</source>
        <translation>Offener Pfeil</translation>
    </message>
    <message>
        <source>Striped Circle</source>
        <translation>Gestreifter Kreis</translation>
    </message>
    <message>
        <source>Striped Square</source>
        <translation>Gestreiftes Quadrat</translation>
    </message>
    <message>
        <source>Striped Triangle</source>
        <translation>Gestreiftes Dreieck</translation>
    </message>
    <message>
        <source>Striped Diamond</source>
        <translation>Gestreifte Raute</translation>
    </message>
    <message>
        <source>Striped Star</source>
        <translation>Gestreifter Stern</translation>
    </message>
    <message>
        <source>Striped Heart</source>
        <translation>Gestreiftes Herz</translation>
    </message>
    <message>
        <source>Striped Cross</source>
        <translation>Gestreiftes Kreuz</translation>
    </message>
    <message>
        <source>Striped Hexagon</source>
        <translation>Gestreiftes Sechseck</translation>
    </message>
    <message>
        <source>Striped Moon</source>
        <translation>Gestreifter Mond</translation>
    </message>
    <message>
        <source>Striped Arrow</source>
        <translation>Gestreifter Pfeil</translation>
    </message>
    <message>
        <source>Twin Circle</source>
        <translation>Doppelkreis</translation>
    </message>
    <message>
        <source>Twin Square</source>
        <translation>Doppelquadrat</translation>
    </message>
    <message>
        <source>Twin Triangle</source>
        <translation>Doppeldreieck</translation>
    </message>
    <message>
        <source>Twin Diamond</source>
        <translation>Doppelraute</translation>
    </message>
    <message>
        <source>Twin Star</source>
        <translation>Doppelstern</translation>
    </message>
    <message>
        <source>Twin Heart</source>
        <translation>Doppelherz</translation>
    </message>
    <message>
        <source>Twin Cross</source>
        <translation>Doppelkreuz</translation>
    </message>
    <message>
        <source>Twin Hexagon</source>
        <translation>Doppelsechseck</translation>
    </message>
    <message>
        <source>Twin Moon</source>
        <translation>Doppelmond</translation>
    </message>
    <message>
        <source>Twin Arrow</source>
        <translation>Doppelpfeil</translation>
    </message>
    <message>
        <source>Reversed Circle</source>
        <translation>Umgekehrter Kreis</translation>
    </message>
    <message>
        <source>Reversed Square</source>
        <translation>Umgekehrtes Quadrat</translation>
    </message>
    <message>
        <source>Reversed Triangle</source>
        <translation>Umgekehrtes Dreieck</translation>
    </message>
    <message>
        <source>Reversed Diamond</source>
        <translation>Umgekehrte Raute</translation>
    </message>
    <message>
        <source>Reversed Star</source>
        <translation>Umgekehrter Stern</translation>
    </message>
    <message>
        <source>Reversed Heart</source>
        <translation>Umgekehrtes Herz</translation>
    </message>
    <message>
        <source>Reversed Cross</source>
        <translation>Umgekehrtes Kreuz</translation>
    </message>
    <message>
        <source>Reversed Hexagon</source>
        <translation>Umgekehrtes Sechseck</translation>
    </message>
    <message>
        <source>Reversed Moon</source>
        <translation>Umgekehrter Mond</translation>
    </message>
    <message>
        <source>Reversed Arrow</source>
        <translation>Umgekehrter Pfeil</translation>
    </message>
    <message>
        <source>Bold shapes in five patterns: every pair can be told apart by shape and pattern, not by colour alone.</source>
        <translation>Kräftige Formen in fünf Mustern: Jedes Paar erkennt man an Form und Muster, nicht nur an der Farbe.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Password - Velmora</source>
        <translation>Passwort - Velmora</translation>
    </message>
    <message>
        <source> Select Player </source>
        <translation> Spieler wählen </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source> Operation </source>
        <translation> Aktion </translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Passwort hinzufügen</translation>
    </message>
    <message>
        <source>Change/Delete Password</source>
        <translation>Passwort ändern/löschen</translation>
    </message>
    <message>
        <source>Adding Password</source>
        <translation>Passwort hinzufügen</translation>
    </message>
    <message>
        <source>Type your password in the first box and then type it again in the second box.</source>
        <translation>Gib dein Passwort in das erste Feld ein und wiederhole es im zweiten Feld.</translation>
    </message>
    <message>
        <source>Click OK when ready or Cancel. Be sure to remember your password!</source>
        <translation>Klicke auf OK, wenn du fertig bist, oder auf Abbrechen. Merk dir dein Passwort gut!</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Current password?</source>
        <translation>Aktuelles Passwort?</translation>
    </message>
    <message>
        <source>New Password ...</source>
        <translation>Neues Passwort ...</translation>
    </message>
    <message>
        <source>Verify New Password ...</source>
        <translation>Neues Passwort wiederholen ...</translation>
    </message>
    <message>
        <source>Click OK when ready or Cancel. Leave New Password empty if you wish to delete.</source>
        <translation>Klicke auf OK, wenn du fertig bist, oder auf Abbrechen. Lass das neue Passwort leer, um das Passwort zu löschen.</translation>
    </message>
    <message>
        <source>No players available for this operation.</source>
        <translation>Für diese Aktion gibt es keine Spieler.</translation>
    </message>
    <message>
        <source>No player selected for this operation.</source>
        <translation>Für diese Aktion ist kein Spieler gewählt.</translation>
    </message>
    <message>
        <source>Incorrect current password!</source>
        <translation>Das aktuelle Passwort stimmt nicht!</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Passwort wiederholen</translation>
    </message>
</context>
<context>
    <name>DeletePlayer</name>
    <message>
        <source>Delete Player - Velmora</source>
        <translation>Spieler löschen - Velmora</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Select player from the list and click Delete button.</source>
        <translation>Wähle einen Spieler aus der Liste und klicke auf Löschen.</translation>
    </message>
    <message>
        <source>Please enter the password for %1</source>
        <translation>Bitte gib das Passwort für %1 ein</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Damaged card set %1: %2</source>
        <translation>Das Kartenset %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>Cannot write card set %1: %2</source>
        <translation>Das Kartenset %1 lässt sich nicht speichern: %2</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler Nr. %1</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be read (%2 x %3 pixels)</source>
        <translation>Das Bild %1 ist zu groß zum Einlesen (%2 × %3 Pixel)</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be read</source>
        <translation>Das Bild %1 ist zu groß zum Einlesen</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Die Datei %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Endung für eine Bilddatei (.%1)</translation>
    </message>
    <message>
        <source>The picture %1 is damaged or not a picture that can be read (%2)</source>
        <translation>Das Bild %1 ist beschädigt oder kein Bild, das sich einlesen lässt (%2)</translation>
    </message>
    <message>
        <source>its first frame is not whole</source>
        <translation>das erste Einzelbild ist unvollständig</translation>
    </message>
    <message>
        <source>LZH : Cannot get memory for dictionary tables</source>
        <translation>LZH : Nicht genug Speicher für die Wörterbuchtabellen</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to get memory for I/O buffers !</source>
        <translation>Lzrw1 (De-)Kompression : Nicht genug Speicher für die Ein- und Ausgabepuffer!</translation>
    </message>
    <message>
        <source>Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !</source>
        <translation>Lzrw1 (Dekompression LZRW1/KH) : Originalgröße und komprimierte Größe passen nicht zusammen!</translation>
    </message>
    <message>
        <source>Lzrw1 (LZH decompression) : Original and compressed sizes do not match !</source>
        <translation>Lzrw1 (LZH-Dekompression) : Originalgröße und komprimierte Größe passen nicht zusammen!</translation>
    </message>
    <message>
        <source>Lzrw1 : Error writing to output stream !</source>
        <translation>Lzrw1 : Fehler beim Schreiben der Ausgabe!</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream !</source>
        <translation>Lzrw1 : Fehler beim Lesen der Eingabe!</translation>
    </message>
    <message>
        <source>Lzrw1 compression : Failed to obtain the size of the input stream !</source>
        <translation>Lzrw1-Kompression : Die Größe der Eingabe lässt sich nicht ermitteln!</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to initialize input stream !</source>
        <translation>Lzrw1 (De-)Kompression : Die Eingabe lässt sich nicht vorbereiten!</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to initialize output stream !</source>
        <translation>Lzrw1 (De-)Kompression : Die Ausgabe lässt sich nicht vorbereiten!</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream ! (LZRW1/KH)</source>
        <translation>Lzrw1 : Fehler beim Lesen der Eingabe! (LZRW1/KH)</translation>
    </message>
    <message>
        <source>Lzrw1 decompression : input stream contains no valid header !</source>
        <translation>Lzrw1-Dekompression : Die Eingabe hat keinen gültigen Kopf!</translation>
    </message>
    <message>
        <source>LZRW1KH : no memory for HASH table</source>
        <translation>LZRW1KH : Nicht genug Speicher für die Hash-Tabelle</translation>
    </message>
    <message>
        <source>Lzrw1 (decompression LZRW1/KH) : Compressed block is damaged !</source>
        <translation>Lzrw1 (Dekompression LZRW1/KH) : Ein komprimierter Block ist beschädigt!</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Die Datei endet zu früh</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1 has a negative length</source>
        <translation>%1 hat eine negative Länge</translation>
    </message>
    <message>
        <source>%2 is longer than %1 bytes</source>
        <translation>%2 ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation>%1 enthält ein Nullbyte</translation>
    </message>
    <message>
        <source>the palette</source>
        <translation>die Farbpalette</translation>
    </message>
    <message>
        <source>the name of card %1</source>
        <translation>der Name von Karte %1</translation>
    </message>
    <message>
        <source>the picture of card %1</source>
        <translation>das Bild von Karte %1</translation>
    </message>
    <message>
        <source>the background size</source>
        <translation>die Größe des Hintergrunds</translation>
    </message>
    <message>
        <source>the background picture</source>
        <translation>das Hintergrundbild</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>der Hintergrund</translation>
    </message>
    <message>
        <source>the background colour</source>
        <translation>die Hintergrundfarbe</translation>
    </message>
    <message>
        <source>the prefix</source>
        <translation>der Dateikopf</translation>
    </message>
    <message>
        <source>the author</source>
        <translation>der Name des Autors</translation>
    </message>
    <message>
        <source>the e-mail address</source>
        <translation>die E-Mail-Adresse</translation>
    </message>
    <message>
        <source>the web address</source>
        <translation>die Webadresse</translation>
    </message>
    <message>
        <source>the notes text</source>
        <translation>der Text der Notizen</translation>
    </message>
    <message>
        <source>the language</source>
        <translation>die Angabe der Sprache</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the compressed pictures are missing</source>
        <translation>die komprimierten Bilder fehlen</translation>
    </message>
    <message>
        <source>the compressed pictures are cut short</source>
        <translation>die komprimierten Bilder sind abgeschnitten</translation>
    </message>
    <message>
        <source>the payload of %1 bytes is shorter than its %2 cards need</source>
        <translation>die Kartendaten sind mit %1 Byte zu kurz für %2 Karten</translation>
    </message>
    <message>
        <source>the payload size %1 is too large for this file</source>
        <translation>die Kartendaten sind mit %1 Byte zu groß für diese Datei</translation>
    </message>
    <message>
        <source>the payload is shorter than its %1 cards need</source>
        <translation>die Kartendaten sind zu kurz für %1 Karten</translation>
    </message>
    <message>
        <source>the background size %1 x %2 is not within 1 x 1 to %3 x %3</source>
        <translation>die Größe des Hintergrunds von %1 × %2 liegt nicht zwischen 1 × 1 und %3 × %3</translation>
    </message>
    <message>
        <source>the card count %1 is not between 1 and %2</source>
        <translation>die Kartenzahl %1 liegt nicht zwischen 1 und %2</translation>
    </message>
    <message>
        <source>the card size %1 x %2 is not within 1 x 1 to %3 x %4</source>
        <translation>die Kartengröße %1 × %2 liegt nicht zwischen 1 × 1 und %3 × %4</translation>
    </message>
    <message>
        <source>there are %1 cards but %2 card names</source>
        <translation>es gibt %1 Karten, aber %2 Kartennamen</translation>
    </message>
    <message>
        <source>the picture of card %1 is not %2 x %3 pixels</source>
        <translation>das Bild von Karte %1 ist nicht %2 × %3 Pixel groß</translation>
    </message>
    <message>
        <source>the background picture is not a picture of 1 x 1 to %1 x %1 pixels</source>
        <translation>das Hintergrundbild ist nicht zwischen 1 × 1 und %1 × %1 Pixel groß</translation>
    </message>
    <message>
        <source>%1 cards of %2 x %3 pixels do not make a set of any format</source>
        <translation>%1 Karten mit %2 × %3 Pixeln passen zu keinem Spielfeld</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream ! (LZH)</source>
        <translation>Lzrw1 : Fehler beim Lesen der Eingabe! (LZH)</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Junior (5x4)</source>
        <translation>Junior (5x4)</translation>
    </message>
    <message>
        <source>Standard (7x6)</source>
        <translation>Standard (7x6)</translation>
    </message>
    <message>
        <source>Expert (8x8)</source>
        <translation>Experte (8x8)</translation>
    </message>
    <message>
        <source>Fanatic (10x10)</source>
        <translation>Profi (10x10)</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>%1 is the winner of this game.</source>
        <translation>%1 hat dieses Spiel gewonnen.</translation>
    </message>
    <message>
        <source>Game Over - Velmora by Halvik Software</source>
        <translation>Spiel vorbei - Velmora von Halvik Software</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Quick Intro</source>
        <translation>Schnelleinstieg</translation>
    </message>
    <message>
        <source>Playing a Game</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Computer Players and Their IQ</source>
        <translation>Computerspieler und ihr IQ</translation>
    </message>
    <message>
        <source>Flip Delay and Sound</source>
        <translation>Anzeigedauer und Ton</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Adding a Player</source>
        <translation>Einen Spieler anlegen</translation>
    </message>
    <message>
        <source>Deleting a Player</source>
        <translation>Einen Spieler löschen</translation>
    </message>
    <message>
        <source>Entering a Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Adding, Changing and Deleting Passwords</source>
        <translation>Passwörter vergeben, ändern und löschen</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Spielerstatistik</translation>
    </message>
    <message>
        <source>The Scoreboard</source>
        <translation>Die Bestenliste</translation>
    </message>
    <message>
        <source>Making Your Own Card Sets</source>
        <translation>Eigene Kartensets erstellen</translation>
    </message>
    <message>
        <source>Viewing a Card Set</source>
        <translation>Ein Kartenset ansehen</translation>
    </message>
    <message>
        <source>Selecting a Card Set</source>
        <translation>Ein Kartenset wählen</translation>
    </message>
    <message>
        <source>Card Set Information</source>
        <translation>Infos zum Kartenset</translation>
    </message>
    <message>
        <source>How to Contact Halvik</source>
        <translation>So erreichst du Halvik</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Velmora-Hilfe</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>In der Hilfe suchen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>Spiel neu &amp;starten</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>Spiel &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Scoreboard</source>
        <translation>&amp;Rangliste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add New Player</source>
        <translation>Spieler &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>Spieler &amp;löschen</translation>
    </message>
    <message>
        <source>Add Pass&amp;word</source>
        <translation>&amp;Passwort hinzufügen</translation>
    </message>
    <message>
        <source>Chan&amp;ge/Delete Password</source>
        <translation>Passwort ä&amp;ndern/löschen</translation>
    </message>
    <message>
        <source>&amp;Create New Velmora Set</source>
        <translation>Neues &amp;Kartenset erstellen</translation>
    </message>
    <message>
        <source>&amp;View Velmora Set</source>
        <translation>Kartenset &amp;ansehen</translation>
    </message>
    <message>
        <source>Current Velmora Set &amp;Info</source>
        <translation>&amp;Infos zum aktuellen Kartenset</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>150 %</source>
        <translation>150 %</translation>
    </message>
    <message>
        <source>200 %</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>300 %</source>
        <translation>300 %</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Card Flip Delay</source>
        <translation>Wartezeit beim Umdrehen</translation>
    </message>
    <message>
        <source>&amp;1. Shortest</source>
        <translation>&amp;1. Sehr kurz</translation>
    </message>
    <message>
        <source>&amp;2. Short</source>
        <translation>&amp;2. Kurz</translation>
    </message>
    <message>
        <source>&amp;3. Normal</source>
        <translation>&amp;3. Normal</translation>
    </message>
    <message>
        <source>&amp;4. Long</source>
        <translation>&amp;4. Lang</translation>
    </message>
    <message>
        <source>&amp;5. Longest</source>
        <translation>&amp;5. Sehr lang</translation>
    </message>
    <message>
        <source>&amp;Sound On/Off</source>
        <translation>&amp;Ton an/aus</translation>
    </message>
    <message>
        <source>&amp;Card Set Check</source>
        <translation>Kartensets &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search Help</source>
        <translation>Hilfe &amp;durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Quick Intro</source>
        <translation>&amp;Kurzeinführung</translation>
    </message>
    <message>
        <source>&amp;How to Contact Halvik</source>
        <translation>So erreichst du &amp;Halvik</translation>
    </message>
    <message>
        <source>&amp;Halvik Web Site</source>
        <translation>Halvik-&amp;Website</translation>
    </message>
    <message>
        <source>Email Halvik S&amp;ales</source>
        <translation>E-Mail an Halvik-&amp;Vertrieb</translation>
    </message>
    <message>
        <source>Email Halvik Su&amp;pport</source>
        <translation>E-Mail an Halvik-&amp;Support</translation>
    </message>
    <message>
        <source>About &amp;Velmora</source>
        <translation>&amp;Über Velmora</translation>
    </message>
    <message>
        <source>This program is made for hi/true color displays. The display mode you are currently using may distort Velmora images. Please switch your computer to hi/true color mode.</source>
        <translation>Dieses Programm braucht eine Anzeige mit High Color oder True Color. Im jetzigen Anzeigemodus können die Bilder von Velmora verfälscht aussehen. Bitte stell deinen Computer auf High Color oder True Color um.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Velmora?</source>
        <translation>Möchtest du Velmora wirklich beenden?</translation>
    </message>
    <message>
        <source>No Velmora set selected.</source>
        <translation>Es ist kein Kartenset gewählt.</translation>
    </message>
    <message>
        <source>Card set check completed!</source>
        <translation>Die Kartensets sind geprüft!</translation>
    </message>
    <message>
        <source>Select Game -&gt; New Game or press F2 to start a new game.</source>
        <translation>Wähle Spiel -&gt; Neues Spiel oder drück F2, um ein neues Spiel zu starten.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Sc.</source>
        <translation>Pkt.</translation>
    </message>
    <message>
        <source>List of currently playing players.</source>
        <translation>Die Spieler dieser Runde.</translation>
    </message>
    <message numerus="yes">
        <source>%1 to play. You have %n points.</source>
        <translation>
            <numerusform>%1 ist dran. Du hast %n Punkt.</numerusform>
            <numerusform>%1 ist dran. Du hast %n Punkte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 plays. It has %n points.</source>
        <translation>
            <numerusform>%1 ist am Zug und hat %n Punkt.</numerusform>
            <numerusform>%1 ist am Zug und hat %n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over! The winner of this game is %1</source>
        <translation>Spiel vorbei! Gewonnen hat %1</translation>
    </message>
    <message>
        <source>Game Over. Winners are %1</source>
        <translation>Spiel vorbei. Gewonnen haben %1</translation>
    </message>
    <message>
        <source>Game Over. No winners...</source>
        <translation>Spiel vorbei. Niemand hat gewonnen ...</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Spiel vorbei.</translation>
    </message>
    <message>
        <source>Are you sure you want to play again?</source>
        <translation>Möchtest du wirklich noch einmal von vorn spielen?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Your card sets already hold a set named &quot;%1&quot;. Replace it with %2?</source>
        <translation>Bei deinen Kartensets gibt es schon eines namens „%1“. Durch %2 ersetzen?</translation>
    </message>
    <message>
        <source>%1, pairs found: %2</source>
        <translation>%1, gefundene Paare: %2</translation>
    </message>
    <message>
        <source>&amp;High Contrast Board</source>
        <translation>Spielfeld mit &amp;hohem Kontrast</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>The players of the game and the pairs each has found</source>
        <translation>Die Spieler des Spiels und die Paare, die jeder gefunden hat</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Über Velmora</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>NewCardSet</name>
    <message>
        <source>Please add %1 cards. Remember that the first card will represent the upper side of your Velmora set!</source>
        <translation>Bitte füge %1 Karten hinzu. Denk daran: Die erste Karte ist die Rückseite aller Karten deines Kartensets!</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP);;Jpeg images (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation>Bilder (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP);;JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Card-set file (*.cst)</source>
        <translation>Kartenset-Datei (*.cst)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Alle Bilder (%1)</translation>
    </message>
    <message>
        <source>Save new card-set as...</source>
        <translation>Neues Kartenset speichern unter ...</translation>
    </message>
    <message>
        <source>Create New Velmora Set</source>
        <translation>Neues Kartenset erstellen</translation>
    </message>
    <message>
        <source>Step 1: Size</source>
        <translation>1. Größe</translation>
    </message>
    <message>
        <source>Step 2: Background</source>
        <translation>2. Hintergrund</translation>
    </message>
    <message>
        <source>Step 3: Cards</source>
        <translation>3. Karten</translation>
    </message>
    <message>
        <source>Step 4: Info</source>
        <translation>4. Infos</translation>
    </message>
    <message>
        <source>Step 5: Finish</source>
        <translation>5. Fertig</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please use Back or Next buttons at the bottom of this window.</source>
        <translation>Bitte nimm die Schaltflächen Zurück und Weiter unten im Fenster.</translation>
    </message>
    <message>
        <source>Set background picture...</source>
        <translation>Hintergrundbild wählen ...</translation>
    </message>
    <message>
        <source>The background image does not have the correct size. Please consult Help file.</source>
        <translation>Das Hintergrundbild hat nicht die richtige Größe. Schau bitte in der Hilfe nach.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Add new card...</source>
        <translation>Neue Karte hinzufügen ...</translation>
    </message>
    <message>
        <source>Maximum number of cards reached. You may change the format of Velmora set if you wish to add more cards.</source>
        <translation>Die höchste Anzahl an Karten ist erreicht. Wenn du mehr Karten hinzufügen möchtest, wähle ein anderes Format für dein Kartenset.</translation>
    </message>
    <message>
        <source>The name of the file %1 holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Der Name der Datei %1 enthält Zeichen, die ein Kartenset nicht speichern kann. Bitte verwende andere Zeichen.</translation>
    </message>
    <message>
        <source>The image %1 does not have correct size. Please consult Help file.</source>
        <translation>Das Bild %1 hat nicht die richtige Größe. Schau bitte in der Hilfe nach.</translation>
    </message>
    <message>
        <source>No card selected !</source>
        <translation>Keine Karte gewählt!</translation>
    </message>
    <message>
        <source>The name %1 holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Der Name %1 enthält Zeichen, die ein Kartenset nicht speichern kann. Bitte verwende andere Zeichen.</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed?</source>
        <translation>Möchtest du wirklich fortfahren?</translation>
    </message>
    <message>
        <source>No cards available...</source>
        <translation>Keine Karten vorhanden ...</translation>
    </message>
    <message>
        <source>This will erase all cards in your Velmora card set! Are you sure you want to proceed?</source>
        <translation>Damit werden alle Karten deines Kartensets gelöscht! Möchtest du wirklich fortfahren?</translation>
    </message>
    <message>
        <source>You did not create required number of cards (%1). Please add %2 cards.</source>
        <translation>Du hast noch nicht genug Karten erstellt (%1 nötig). Bitte füge noch %2 Karten hinzu.</translation>
    </message>
    <message>
        <source>The author&apos;s name holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Der Name des Autors enthält Zeichen, die ein Kartenset nicht speichern kann. Bitte verwende andere Zeichen.</translation>
    </message>
    <message>
        <source>The e-mail address holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Die E-Mail-Adresse enthält Zeichen, die ein Kartenset nicht speichern kann. Bitte verwende andere Zeichen.</translation>
    </message>
    <message>
        <source>The web address holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Die Webadresse enthält Zeichen, die ein Kartenset nicht speichern kann. Bitte verwende andere Zeichen.</translation>
    </message>
    <message>
        <source>The notes holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Die Notizen enthalten Zeichen, die ein Kartenset nicht speichern kann. Bitte verwende andere Zeichen.</translation>
    </message>
    <message>
        <source>The language holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Die Sprache enthält Zeichen, die ein Kartenset nicht speichern kann. Bitte verwende andere Zeichen.</translation>
    </message>
    <message>
        <source>You did not add required number of cards. Please add %1 cards.</source>
        <translation>Du hast noch nicht genug Karten hinzugefügt. Bitte füge noch %1 Karten hinzu.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Please press Finish button to create your Velmora set. The program 
will ask you for the name of your Velmora set.

It may take between several seconds and 1 - 2 minutes to create your
Velmora set. Please be patient.

The set you will create will have extension CST.</source>
        <translation>Klicke auf Fertig, um dein Kartenset zu erstellen. Das Programm
fragt dich dann nach dem Namen deines Kartensets.

Das Erstellen kann ein paar Sekunden bis 1 - 2 Minuten dauern.
Bitte hab etwas Geduld.

Dein Kartenset bekommt die Endung CST.</translation>
    </message>
    <message>
        <source>Your new Velmora set has been created and saved to your computer.

If you wish to share your Velmora set with your friends, 
simply send them the file you have just created. It should be located
in your Velmora folder. Please consult Help for more information.

Thank you for using Velmora.</source>
        <translation>Dein neues Kartenset ist erstellt und gespeichert.

Wenn du es mit Freunden teilen möchtest, schick ihnen einfach
die Datei, die du gerade erstellt hast. Sie liegt in deinem
Velmora-Ordner. Mehr dazu findest du in der Hilfe.

Viel Spaß mit Velmora!</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Weiter &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Velmora set &amp;format </source>
        <translation>&amp;Format des Kartensets </translation>
    </message>
    <message>
        <source>Format of Velmora set determines the size limit of each card.</source>
        <translation>Das Format bestimmt, wie groß jede Karte höchstens sein darf.</translation>
    </message>
    <message>
        <source> &amp;Size of each card </source>
        <translation> &amp;Größe jeder Karte </translation>
    </message>
    <message>
        <source>&amp;X </source>
        <translation>&amp;X </translation>
    </message>
    <message>
        <source>&amp;Y </source>
        <translation>&amp;Y </translation>
    </message>
    <message>
        <source>Important :</source>
        <translation>Wichtig:</translation>
    </message>
    <message>
        <source>Changing size of card will 
delete any previously
added pictures.</source>
        <translation>Eine andere Kartengröße
löscht alle schon
hinzugefügten Bilder.</translation>
    </message>
    <message>
        <source>Choose between bitmap file or single color background.
If you choose bitmap file to represent your background, its size must be exactly 540 (W) x 374 (H) pixels.</source>
        <translation>Wähle als Hintergrund eine Bilddatei oder eine einzelne Farbe.
Ein Hintergrundbild muss genau 540 (B) x 374 (H) Pixel groß sein.</translation>
    </message>
    <message>
        <source>Select Bitmap...</source>
        <translation>Bild wählen ...</translation>
    </message>
    <message>
        <source>Select Color...</source>
        <translation>Farbe wählen ...</translation>
    </message>
    <message>
        <source>Add files you have prepared for your Velmora set.</source>
        <translation>Füge die Bilder hinzu, die du für dein Kartenset vorbereitet hast.</translation>
    </message>
    <message>
        <source> Selected Card </source>
        <translation> Gewählte Karte </translation>
    </message>
    <message>
        <source> All Cards </source>
        <translation> Alle Karten </translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Alle lö&amp;schen</translation>
    </message>
    <message>
        <source> Velmora Set Author Info: </source>
        <translation> Angaben zum Autor des Kartensets: </translation>
    </message>
    <message>
        <source>Author&apos;s Name :</source>
        <translation>Name des Autors:</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>E-mail :</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Web Address :</source>
        <translation>Webadresse:</translation>
    </message>
    <message>
        <source>Notes and Comments:</source>
        <translation>Notizen und Kommentare:</translation>
    </message>
    <message>
        <source>card set language</source>
        <translation>Sprache des Kartensets</translation>
    </message>
    <message>
        <source>All information is strictly optional.</source>
        <translation>Alle Angaben sind freiwillig.</translation>
    </message>
    <message>
        <source>Ready to create your Velmora set !</source>
        <translation>Bereit, dein Kartenset zu erstellen!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Card size from the first picture</source>
        <translation>Kartengröße nach dem ersten Bild</translation>
    </message>
    <message>
        <source>The first card added sets the largest card size of this format with its aspect ratio.</source>
        <translation>Die erste hinzugefügte Karte bestimmt mit ihrem Seitenverhältnis die größte Kartengröße dieses Formats.</translation>
    </message>
    <message>
        <source>Fit pictures of other sizes to the cards</source>
        <translation>Bilder anderer Größe an die Karten anpassen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Scale to cover the card, centred; what lies beyond the card is cut off.</source>
        <translation>Zentriert so groß skalieren, dass die Karte bedeckt ist; was übersteht, wird abgeschnitten.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Scale to lie inside the card, centred, on the background colour.</source>
        <translation>Zentriert in die Karte einpassen, auf der Hintergrundfarbe.</translation>
    </message>
    <message>
        <source>Steps of the new card set</source>
        <translation>Schritte des neuen Kartensets</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>New Game - Velmora</source>
        <translation>Neues Spiel - Velmora</translation>
    </message>
    <message>
        <source>Step 1 : Select At Least Two Players </source>
        <translation>Schritt 1: Wähle mindestens zwei Spieler </translation>
    </message>
    <message>
        <source>Players To Play :</source>
        <translation>Diese Spieler spielen:</translation>
    </message>
    <message>
        <source>Library Of Players :</source>
        <translation>Alle Spieler:</translation>
    </message>
    <message>
        <source>&amp;Add Player...</source>
        <translation>&amp;Neuer Spieler ...</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>Spieler &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>Step 2 : Select Card-Set</source>
        <translation>Schritt 2: Wähle ein Kartenset</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Kartenset</translation>
    </message>
    <message>
        <source>Select Size</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>View Velmora Set</source>
        <translation>Kartenset ansehen</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Details </translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Lang :</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>E-Mail :</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>No Velmora card set found.</source>
        <translation>Kein Kartenset gefunden.</translation>
    </message>
    <message>
        <source>Enter password %1</source>
        <translation>Passwort für %1</translation>
    </message>
    <message>
        <source>Wrong password!</source>
        <translation>Falsches Passwort!</translation>
    </message>
    <message>
        <source>Enter password for %1</source>
        <translation>Passwort für %1 eingeben</translation>
    </message>
    <message>
        <source>Please select at least 2 players.</source>
        <translation>Bitte wähle mindestens 2 Spieler.</translation>
    </message>
</context>
<context>
    <name>NewPlayer</name>
    <message>
        <source>Add New Player - Velmora</source>
        <translation>Neuer Spieler - Velmora</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Password protected player</source>
        <translation>Spieler mit Passwort</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Con&amp;firm</source>
        <translation>&amp;Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source> Player Is </source>
        <translation> Spieler ist </translation>
    </message>
    <message>
        <source>&amp;Human</source>
        <translation>ein &amp;Mensch</translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation>ein C&amp;omputer</translation>
    </message>
    <message>
        <source> Computer IQ </source>
        <translation> IQ des Computers </translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Password - Velmora</source>
        <translation>Passwort - Velmora</translation>
    </message>
    <message>
        <source>Please enter the password :</source>
        <translation>Bitte gib das Passwort ein:</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (Computer)</translation>
    </message>
    <message>
        <source>%1, is duplicate. Please choose another player.</source>
        <translation>%1 spielt schon mit. Bitte wähle einen anderen Spieler.</translation>
    </message>
    <message>
        <source>Maximum number of players for the game has been reached.</source>
        <translation>Mehr Spieler passen nicht in ein Spiel.</translation>
    </message>
    <message>
        <source>You cannot delete player %1 selected to play.</source>
        <translation>%1 spielt mit und kann darum nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The card set %1 holds too few cards for the %2 board.</source>
        <translation>Das Kartenset %1 hat zu wenige Karten für das Spielfeld %2.</translation>
    </message>
    <message numerus="yes">
        <source>The player library %1 was damaged: it ended in part of a player record. %n players were kept. The damaged file was kept as %2.</source>
        <translation>
            <numerusform>Die Spielerdatei %1 war beschädigt: Sie endete mitten in einem Spielereintrag. %n Spieler wurde behalten. Die beschädigte Datei wurde als %2 aufbewahrt.</numerusform>
            <numerusform>Die Spielerdatei %1 war beschädigt: Sie endete mitten in einem Spielereintrag. %n Spieler wurden behalten. Die beschädigte Datei wurde als %2 aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter the name.</source>
        <translation>Bitte gib den Namen ein.</translation>
    </message>
    <message>
        <source>Please enter the password.</source>
        <translation>Bitte gib das Passwort ein.</translation>
    </message>
    <message>
        <source>Please confirm your password.</source>
        <translation>Bitte bestätige dein Passwort.</translation>
    </message>
    <message>
        <source>Wrong password! Please make sure to enter your password correctly.</source>
        <translation>Falsches Passwort! Bitte achte darauf, dein Passwort richtig einzugeben.</translation>
    </message>
    <message>
        <source>Please choose different name.%1 is already in use.</source>
        <translation>Bitte wähle einen anderen Namen. %1 gibt es schon.</translation>
    </message>
    <message>
        <source>The player library is full: it holds at most 100 players. Delete a player first.</source>
        <translation>Die Spielerliste ist voll: Sie fasst höchstens 100 Spieler. Lösch zuerst einen Spieler.</translation>
    </message>
    <message>
        <source>No player selected for this operation.</source>
        <translation>Für diese Aktion ist kein Spieler gewählt.</translation>
    </message>
    <message>
        <source>Unable to verify your new password ! Please try again.</source>
        <translation>Dein neues Passwort stimmt nicht mit der Wiederholung überein! Bitte versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Password successfully added !</source>
        <translation>Das Passwort ist hinzugefügt!</translation>
    </message>
    <message>
        <source>Incorrect current password!</source>
        <translation>Das aktuelle Passwort stimmt nicht!</translation>
    </message>
    <message>
        <source>Password successfully deleted !</source>
        <translation>Das Passwort ist gelöscht!</translation>
    </message>
    <message>
        <source>Password successfully changed !</source>
        <translation>Das Passwort ist geändert!</translation>
    </message>
    <message>
        <source>%1
The player library %2 is damaged and could not be mended; its damaged end stays as it is.</source>
        <translation>%1
Die Spielerdatei %2 ist beschädigt und konnte nicht repariert werden; ihr beschädigtes Ende bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The name holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>Der Name enthält ein Zeichen, das nicht gespeichert werden kann. Bitte verwende nur westeuropäische Buchstaben, Ziffern und Zeichen.</translation>
    </message>
    <message>
        <source>The password holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>Das Passwort enthält ein Zeichen, das nicht gespeichert werden kann. Bitte verwende nur westeuropäische Buchstaben, Ziffern und Zeichen.</translation>
    </message>
    <message>
        <source>The new password holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>Das neue Passwort enthält ein Zeichen, das nicht gespeichert werden kann. Bitte verwende nur westeuropäische Buchstaben, Ziffern und Zeichen.</translation>
    </message>
    <message>
        <source>The password confirmation holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>Die Passwortbestätigung enthält ein Zeichen, das nicht gespeichert werden kann. Bitte verwende nur westeuropäische Buchstaben, Ziffern und Zeichen.</translation>
    </message>
    <message>
        <source>%2
Could not write %1. The statistics of this game were not saved.</source>
        <translation>%2
%1 ließ sich nicht speichern. Die Statistik dieses Spiels wurde nicht gesichert.</translation>
    </message>
</context>
<context>
    <name>PleaseWait</name>
    <message>
        <source>Velmora - Please Wait...</source>
        <translation>Velmora - Bitte warten ...</translation>
    </message>
</context>
<context>
    <name>Scoreboard</name>
    <message>
        <source>Velmora Scoreboard</source>
        <translation>Velmora-Rangliste</translation>
    </message>
    <message>
        <source>Include &apos;Computer&apos; Players</source>
        <translation>Computerspieler anzeigen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Game Wins (%)</source>
        <translation>Siege (%)</translation>
    </message>
    <message>
        <source>Succesful Flips (%)</source>
        <translation>Treffer (%)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>No player selected...</source>
        <translation>Kein Spieler gewählt ...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Rangliste</translation>
    </message>
</context>
<context>
    <name>SelectCardSet</name>
    <message>
        <source>Select Card Set - Velmora</source>
        <translation>Kartenset wählen - Velmora</translation>
    </message>
    <message>
        <source> Velmora Set </source>
        <translation> Kartenset </translation>
    </message>
    <message>
        <source>Select Set :</source>
        <translation>Kartenset:</translation>
    </message>
    <message>
        <source>View Velmora Set</source>
        <translation>Kartenset ansehen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>No Velmora card sets found!</source>
        <translation>Keine Kartensets gefunden!</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Version 1.11</source>
        <translation>Version 1.11</translation>
    </message>
    <message>
        <source>Copyright Halvik Software. All rights reserved.</source>
        <translation>Copyright Halvik Software. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Password On</source>
        <translation>Mit Passwort</translation>
    </message>
    <message>
        <source>Password Off</source>
        <translation>Ohne Passwort</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Velmora - Statistics</source>
        <translation>Velmora - Statistik</translation>
    </message>
    <message>
        <source>Player Type :</source>
        <translation>Spielerart:</translation>
    </message>
    <message>
        <source>Details :</source>
        <translation>Details:</translation>
    </message>
    <message>
        <source>Games Played :</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Gewonnene Spiele:</translation>
    </message>
    <message>
        <source>Total Flips :</source>
        <translation>Umgedrehte Karten:</translation>
    </message>
    <message>
        <source>Successful Flips :</source>
        <translation>Treffer:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>IQ : %1</source>
        <translation>IQ: %1</translation>
    </message>
</context>
<context>
    <name>ViewCardSet</name>
    <message>
        <source>View Card Set - Velmora</source>
        <translation>Kartenset ansehen - Velmora</translation>
    </message>
    <message>
        <source>Card-Set Name</source>
        <translation>Name des Kartensets</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Details </translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Email :</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Total Cards :</source>
        <translation>Karten:</translation>
    </message>
    <message>
        <source>Max. Card Size :</source>
        <translation>Größtes Format:</translation>
    </message>
    <message>
        <source>Name of File :</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Size of File :</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
</context>
</TS>
