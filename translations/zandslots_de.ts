<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>zand::AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>&amp;Spins:</source>
        <translation>&amp;Drehungen:</translation>
    </message>
    <message>
        <source>Stop when a &amp;win reaches</source>
        <translation>Anhalten, wenn ein &amp;Gewinn erreicht</translation>
    </message>
    <message>
        <source>Stop on a &amp;bonus game</source>
        <translation>Beim &amp;Bonusspiel anhalten</translation>
    </message>
    <message>
        <source>Stop when &amp;credits fall below</source>
        <translation>Anhalten, wenn die &amp;Credits unter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>zand::BonusScreen</name>
    <message>
        <source>The vault</source>
        <translation>Der Tresorraum</translation>
    </message>
    <message>
        <source>Safe %1</source>
        <translation>Tresor %1</translation>
    </message>
    <message>
        <source>%1 Nudges</source>
        <translation>%1 Nudges</translation>
    </message>
</context>
<context>
    <name>zand::BorrowDialog</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Hier leihen Sie Credits oder zahlen sie zurück</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Kontostand</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Leihen</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Zurückzahlen</translation>
    </message>
    <message>
        <source>Pay back %1 credits</source>
        <translation>%1 Credits zurückzahlen</translation>
    </message>
    <message>
        <source>Borrow %1 credits</source>
        <translation>%1 Credits leihen</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Geliehen</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
</context>
<context>
    <name>zand::Borrowing</name>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Sie haben keine %1 Credits!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
    </message>
    <message>
        <source>You cannot borrow any more credits!</source>
        <translation>Sie können keine weiteren Credits leihen!</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>In diesem Fenster leihen Sie Credits oder zahlen früher geliehene Credits zurück.  Klicken Sie auf die Schaltfläche mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.<byte value="xd"/>
<byte value="xd"/>
Ob Sie leihen oder zurückzahlen, wählen Sie unter „Modus“.</translation>
    </message>
</context>
<context>
    <name>zand::Browser</name>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>Auf Ihrem System wurde kein Webbrowser gefunden!</translation>
    </message>
    <message>
        <source>Please visit %1 at:  %2</source>
        <translation>Besuchen Sie %1 unter:  %2</translation>
    </message>
    <message>
        <source>
or open %1</source>
        <translation>
oder öffnen Sie %1</translation>
    </message>
</context>
<context>
    <name>zand::Config</name>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Handbuch zu %1 (auf Englisch)</translation>
    </message>
</context>
<context>
    <name>zand::Controls</name>
    <message>
        <source>You are out of credits...better borrow some!</source>
        <translation>Ihre Credits sind aufgebraucht … leihen Sie lieber welche!</translation>
    </message>
    <message>
        <source>No bet was placed!</source>
        <translation>Es wurde kein Einsatz gesetzt!</translation>
    </message>
</context>
<context>
    <name>zand::HelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1 – Hilfe</translation>
    </message>
    <message>
        <source>This link was not opened: the manual opens only web pages, mail addresses and the games page.</source>
        <translation>Dieser Link wurde nicht geöffnet: Das Handbuch öffnet nur Webseiten, E-Mail-Adressen und die Spieleseite.</translation>
    </message>
</context>
<context>
    <name>zand::HistoryChart</name>
    <message>
        <source>Credits over the spins of this game</source>
        <translation>Credits im Verlauf dieses Spiels</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>In diesem Spiel wurde noch nicht gedreht.</translation>
    </message>
    <message>
        <source>Spins %1 to %2: credits from %3 to %4, borrowed %5.</source>
        <translation>Drehungen %1 bis %2: Credits von %3 auf %4, geliehen %5.</translation>
    </message>
    <message>
        <source>Biggest win %1 at spin %2.</source>
        <translation>Größter Gewinn %1 bei Drehung %2.</translation>
    </message>
    <message>
        <source>The chart fills in as you spin.</source>
        <translation>Das Diagramm füllt sich, während Sie drehen.</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Drehungen</translation>
    </message>
    <message>
        <source>Biggest win: %1</source>
        <translation>Größter Gewinn: %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Geliehen</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Bonusspiel</translation>
    </message>
    <message>
        <source>Bonus games: %1.</source>
        <translation>Bonusspiele: %1.</translation>
    </message>
</context>
<context>
    <name>zand::MachineAccessibility</name>
    <message>
        <source>Three of a kind on a line pays, from the grandest symbol to the humblest: %1 credits. Three Bonus symbols open the vault. The Wild on the right reel stands for any symbol.</source>
        <translation>Drei gleiche Symbole auf einer Linie zahlen, vom wertvollsten bis zum bescheidensten Symbol: %1 Credits. Drei Bonus-Symbole öffnen den Tresorraum. Das Wild auf der rechten Walze ersetzt jedes Symbol.</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Spielautomat</translation>
    </message>
    <message>
        <source>Bonus! The vault opens: pick a safe, 1 to 8.</source>
        <translation>Bonus! Der Tresorraum öffnet sich: Wählen Sie einen Tresor, 1 bis 8.</translation>
    </message>
    <message>
        <source>BET 1</source>
        <translation>BET 1 (eine Münze setzen)</translation>
    </message>
    <message>
        <source>BET ONE badge</source>
        <translation>BET-ONE-Plakette (eine Münze setzen)</translation>
    </message>
    <message>
        <source>BET MAX</source>
        <translation>BET MAX (Höchsteinsatz)</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>SPIN (drehen)</translation>
    </message>
    <message>
        <source>NUDGE %1</source>
        <translation>NUDGE %1 (Walze %1 weiterrücken)</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Nudges</source>
        <translation>Nudges</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Bonuszähler</translation>
    </message>
    <message>
        <source>Pay glass</source>
        <translation>Gewinntafel</translation>
    </message>
    <message>
        <source>Place a coin and spin.</source>
        <translation>Setzen Sie eine Münze und drehen Sie.</translation>
    </message>
    <message>
        <source>You won %1 credits.</source>
        <translation>Sie haben %1 Credits gewonnen.</translation>
    </message>
    <message>
        <source>No win. Nudge a reel: 1, 2 or 3.</source>
        <translation>Kein Gewinn. Rücken Sie eine Walze weiter: 1, 2 oder 3.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Kein Gewinn.</translation>
    </message>
</context>
<context>
    <name>zand::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Gewinntabelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Zantek Games Page</source>
        <translation>&amp;Zantek-Spieleseite</translation>
    </message>
    <message>
        <source>&amp;Company Information</source>
        <translation>&amp;Über Zantek</translation>
    </message>
    <message>
        <source>

Version:  </source>
        <translation>

Version:  </translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Lautstärke...</translation>
    </message>
    <message>
        <source>&amp;Autoplay...	A</source>
        <translation>A&amp;utomatik...	A</translation>
    </message>
    <message>
        <source>Autoplay spins the last bet again: place a bet first.</source>
        <translation>Die Automatik dreht mit dem letzten Einsatz weiter: Setzen Sie zuerst einen Einsatz.</translation>
    </message>
</context>
<context>
    <name>zand::MusicOutput</name>
    <message>
        <source>Cannot open the music file %1: %2</source>
        <translation>Die Musikdatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>zand::PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Gewinntabelle</translation>
    </message>
</context>
<context>
    <name>zand::Settings</name>
    <message>
        <source>The volume could not be kept in %1.</source>
        <translation>Die Lautstärke konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The autoplay choices could not be kept in %1.</source>
        <translation>Die Automatik-Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>zand::SingleGame</name>
    <message>
        <source>Another copy of the game is already playing the game kept in %1, but it does not answer.

This copy ends without touching that game, so no play is lost. Switch to the other copy, or end it and start the game again. (If no other copy runs, remove %2.)</source>
        <translation>Eine andere Kopie des Spiels spielt bereits das in %1 gespeicherte Spiel, antwortet aber nicht.

Diese Kopie endet, ohne dieses Spiel anzurühren, es geht also nichts verloren. Wechseln Sie zur anderen Kopie oder beenden Sie sie und starten Sie das Spiel erneut. (Läuft keine andere Kopie, löschen Sie %2.)</translation>
    </message>
</context>
<context>
    <name>zand::SlotDialog</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Name für diesen Spielstand?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zand::SlotPanel</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Name von Speicherplatz %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 geliehen</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>%1, %2 credits</source>
        <translation>%1, %2 Credits</translation>
    </message>
    <message>
        <source>Save in slot %1, %2</source>
        <translation>In Speicherplatz %1 speichern, %2</translation>
    </message>
    <message>
        <source>Open slot %1, %2</source>
        <translation>Speicherplatz %1 öffnen, %2</translation>
    </message>
</context>
<context>
    <name>zand::SoundBoard</name>
    <message>
        <source>Cannot read the sound file %1: %2</source>
        <translation>Die Klangdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>zand::StatisticsDialog</name>
    <message>
        <source>Spins:</source>
        <translation>Drehungen:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Einsätze gesamt:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Auszahlungen:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Auszahlungsquote gesamt:</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Ihre Spielstatistik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zand::VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Effects:</source>
        <translation>&amp;Effekte:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Musik:</translation>
    </message>
</context>
</TS>
