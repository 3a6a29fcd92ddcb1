<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>zand::AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>&amp;Spins:</source>
        <translation>&amp;Tours :</translation>
    </message>
    <message>
        <source>Stop when a &amp;win reaches</source>
        <translation>Arrêter quand un &amp;gain atteint</translation>
    </message>
    <message>
        <source>Stop on a &amp;bonus game</source>
        <translation>Arrêter sur une partie &amp;bonus</translation>
    </message>
    <message>
        <source>Stop when &amp;credits fall below</source>
        <translation>Arrêter quand les &amp;crédits passent sous</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
</context>
<context>
    <name>zand::BonusScreen</name>
    <message>
        <source>The vault</source>
        <translation>La salle des coffres</translation>
    </message>
    <message>
        <source>Safe %1</source>
        <translation>Coffre %1</translation>
    </message>
    <message>
        <source>%1 Nudges</source>
        <translation>%1 coups de pouce</translation>
    </message>
</context>
<context>
    <name>zand::BorrowDialog</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Empruntez des crédits ou remboursez-les ici</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Soldes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Emprunter</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Rembourser</translation>
    </message>
    <message>
        <source>Pay back %1 credits</source>
        <translation>Rembourser %1 crédits</translation>
    </message>
    <message>
        <source>Borrow %1 credits</source>
        <translation>Emprunter %1 crédits</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Empruntés</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Empruntés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>zand::Borrowing</name>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Vous n&apos;avez pas %1 crédits&#xa0;!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Vous ne pouvez pas rembourser plus de crédits que vous n’en avez empruntés&#xa0;!</translation>
    </message>
    <message>
        <source>You cannot borrow any more credits!</source>
        <translation>Vous ne pouvez plus emprunter de crédits&#xa0;!</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Cette fenêtre vous permet d’emprunter des crédits ou de rembourser ceux que vous avez empruntés.  Cliquez sur le jeton du montant à emprunter (ou à rembourser).<byte value="xd"/>
<byte value="xd"/>
Pour passer de «&#xa0;emprunter&#xa0;» à «&#xa0;rembourser&#xa0;», choisissez le mode.</translation>
    </message>
</context>
<context>
    <name>zand::Browser</name>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>Aucun navigateur web n’a été trouvé sur votre système&#xa0;!</translation>
    </message>
    <message>
        <source>Please visit %1 at:  %2</source>
        <translation>Rendez-vous sur le site de %1&#xa0;:  %2</translation>
    </message>
    <message>
        <source>
or open %1</source>
        <translation>
ou ouvrez %1</translation>
    </message>
</context>
<context>
    <name>zand::Config</name>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manuel de %1 (en anglais)</translation>
    </message>
</context>
<context>
    <name>zand::Controls</name>
    <message>
        <source>You are out of credits...better borrow some!</source>
        <translation>Vous n’avez plus de crédits… empruntez-en donc&#xa0;!</translation>
    </message>
    <message>
        <source>No bet was placed!</source>
        <translation>Aucune mise n’a été placée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>zand::HelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>This link was not opened: the manual opens only web pages, mail addresses and the games page.</source>
        <translation>Ce lien n’a pas été ouvert&#xa0;: le manuel n’ouvre que des pages web, des adresses e-mail et la page des jeux.</translation>
    </message>
</context>
<context>
    <name>zand::HistoryChart</name>
    <message>
        <source>Credits over the spins of this game</source>
        <translation>Crédits au fil des tours de cette partie</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Aucun tour dans cette partie pour l’instant.</translation>
    </message>
    <message>
        <source>Spins %1 to %2: credits from %3 to %4, borrowed %5.</source>
        <translation>Tours %1 à %2 : crédits de %3 à %4, empruntés %5.</translation>
    </message>
    <message>
        <source>Biggest win %1 at spin %2.</source>
        <translation>Plus gros gain %1 au tour %2.</translation>
    </message>
    <message>
        <source>The chart fills in as you spin.</source>
        <translation>Le graphique se remplit à mesure que vous jouez.</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Biggest win: %1</source>
        <translation>Plus gros gain : %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Empruntés</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Partie bonus</translation>
    </message>
    <message>
        <source>Bonus games: %1.</source>
        <translation>Parties bonus : %1.</translation>
    </message>
</context>
<context>
    <name>zand::MachineAccessibility</name>
    <message>
        <source>Three of a kind on a line pays, from the grandest symbol to the humblest: %1 credits. Three Bonus symbols open the vault. The Wild on the right reel stands for any symbol.</source>
        <translation>Trois symboles identiques sur une ligne rapportent, du plus précieux au plus modeste&#xa0;: %1 crédits. Trois symboles Bonus ouvrent la salle des coffres. Le Wild du rouleau de droite remplace n’importe quel symbole.</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Machine à sous</translation>
    </message>
    <message>
        <source>Bonus! The vault opens: pick a safe, 1 to 8.</source>
        <translation>Bonus&#xa0;! La salle des coffres s’ouvre&#xa0;: choisissez un coffre, de 1 à 8.</translation>
    </message>
    <message>
        <source>BET 1</source>
        <translation>BET 1 (miser une pièce)</translation>
    </message>
    <message>
        <source>BET ONE badge</source>
        <translation>Badge BET ONE (miser une pièce)</translation>
    </message>
    <message>
        <source>BET MAX</source>
        <translation>BET MAX (mise maximale)</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>SPIN (lancer)</translation>
    </message>
    <message>
        <source>NUDGE %1</source>
        <translation>NUDGE %1 (pousser le rouleau %1)</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Nudges</source>
        <translation>Coups de pouce</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Compteur de bonus</translation>
    </message>
    <message>
        <source>Pay glass</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>Place a coin and spin.</source>
        <translation>Misez une pièce et lancez.</translation>
    </message>
    <message>
        <source>You won %1 credits.</source>
        <translation>Vous avez gagné %1 crédits.</translation>
    </message>
    <message>
        <source>No win. Nudge a reel: 1, 2 or 3.</source>
        <translation>Pas de gain. Poussez un rouleau&#xa0;: 1, 2 ou 3.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Pas de gain.</translation>
    </message>
</context>
<context>
    <name>zand::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Ouvrir une partie</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <translation>&amp;Emprunter</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Gains</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Zantek Games Page</source>
        <translation>Page des jeux &amp;Zantek</translation>
    </message>
    <message>
        <source>&amp;Company Information</source>
        <translation>À propos de &amp;l’éditeur</translation>
    </message>
    <message>
        <source>

Version:  </source>
        <translation>

Version&#xa0;:  </translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volume...</translation>
    </message>
    <message>
        <source>&amp;Autoplay...	A</source>
        <translation>Jeu a&amp;utomatique...	A</translation>
    </message>
    <message>
        <source>Autoplay spins the last bet again: place a bet first.</source>
        <translation>Le jeu automatique rejoue la dernière mise : misez d’abord.</translation>
    </message>
</context>
<context>
    <name>zand::MusicOutput</name>
    <message>
        <source>Cannot open the music file %1: %2</source>
        <translation>Impossible d’ouvrir le fichier de musique %1 : %2</translation>
    </message>
</context>
<context>
    <name>zand::PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tableau des gains</translation>
    </message>
</context>
<context>
    <name>zand::Settings</name>
    <message>
        <source>The volume could not be kept in %1.</source>
        <translation>Le volume n’a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>The autoplay choices could not be kept in %1.</source>
        <translation>Les choix du jeu automatique n’ont pas pu être enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>zand::SingleGame</name>
    <message>
        <source>Another copy of the game is already playing the game kept in %1, but it does not answer.

This copy ends without touching that game, so no play is lost. Switch to the other copy, or end it and start the game again. (If no other copy runs, remove %2.)</source>
        <translation>Une autre copie du jeu joue déjà la partie enregistrée dans %1, mais elle ne répond pas.

Cette copie se ferme sans toucher à cette partie : rien n’est perdu. Passez à l’autre copie, ou fermez-la et relancez le jeu. (Si aucune autre copie ne tourne, supprimez %2.)</translation>
    </message>
</context>
<context>
    <name>zand::SlotDialog</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Enregistrer une partie – Choisissez un emplacement</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie – Choisissez un emplacement</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nom de cette partie enregistrée&#xa0;?</translation>
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
        <translation>Nom de l’emplacement %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 empruntés</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>%1, %2 credits</source>
        <translation>%1, %2 crédits</translation>
    </message>
    <message>
        <source>Save in slot %1, %2</source>
        <translation>Enregistrer dans l’emplacement %1, %2</translation>
    </message>
    <message>
        <source>Open slot %1, %2</source>
        <translation>Ouvrir l’emplacement %1, %2</translation>
    </message>
</context>
<context>
    <name>zand::SoundBoard</name>
    <message>
        <source>Cannot read the sound file %1: %2</source>
        <translation>Impossible de lire le fichier sonore %1 : %2</translation>
    </message>
</context>
<context>
    <name>zand::StatisticsDialog</name>
    <message>
        <source>Spins:</source>
        <translation>Lancers&#xa0;:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Empruntés&#xa0;:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Total des mises&#xa0;:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Gains versés&#xa0;:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normaux&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus&#xa0;:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Taux de redistribution&#xa0;:</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Vos statistiques de jeu</translation>
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
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Effects:</source>
        <translation>&amp;Effets :</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Musique :</translation>
    </message>
</context>
</TS>
