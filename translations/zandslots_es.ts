<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>zand::AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>&amp;Spins:</source>
        <translation>&amp;Tiradas:</translation>
    </message>
    <message>
        <source>Stop when a &amp;win reaches</source>
        <translation>Parar cuando un &amp;premio llegue a</translation>
    </message>
    <message>
        <source>Stop on a &amp;bonus game</source>
        <translation>Parar en un juego de &amp;bonificación</translation>
    </message>
    <message>
        <source>Stop when &amp;credits fall below</source>
        <translation>Parar cuando los &amp;créditos bajen de</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>zand::BonusScreen</name>
    <message>
        <source>The vault</source>
        <translation>La cámara acorazada</translation>
    </message>
    <message>
        <source>Safe %1</source>
        <translation>Caja fuerte %1</translation>
    </message>
    <message>
        <source>%1 Nudges</source>
        <translation>%1 empujones</translation>
    </message>
</context>
<context>
    <name>zand::BorrowDialog</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Pida créditos prestados o devuélvalos aquí</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Saldos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Devolver</translation>
    </message>
    <message>
        <source>Pay back %1 credits</source>
        <translation>Devolver %1 créditos</translation>
    </message>
    <message>
        <source>Borrow %1 credits</source>
        <translation>Pedir %1 créditos</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Prestados</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Prestados:</translation>
    </message>
</context>
<context>
    <name>zand::Borrowing</name>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>¡No tiene %1 créditos!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puede devolver más créditos de los que ha pedido prestados!</translation>
    </message>
    <message>
        <source>You cannot borrow any more credits!</source>
        <translation>¡No puede pedir más créditos prestados!</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>En esta pantalla puede pedir créditos prestados o devolver los que pidió antes.  Haga clic en la ficha de la cantidad que desea pedir (o devolver).<byte value="xd"/>
<byte value="xd"/>
Para cambiar entre «pedir» y «devolver», elija el modo.</translation>
    </message>
</context>
<context>
    <name>zand::Browser</name>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>¡No se encontró ningún navegador web en su sistema!</translation>
    </message>
    <message>
        <source>Please visit %1 at:  %2</source>
        <translation>Visite %1 en:  %2</translation>
    </message>
    <message>
        <source>
or open %1</source>
        <translation>
o abra %1</translation>
    </message>
</context>
<context>
    <name>zand::Config</name>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manual de %1 (en inglés)</translation>
    </message>
</context>
<context>
    <name>zand::Controls</name>
    <message>
        <source>You are out of credits...better borrow some!</source>
        <translation>Se ha quedado sin créditos… ¡mejor pida algunos prestados!</translation>
    </message>
    <message>
        <source>No bet was placed!</source>
        <translation>¡No se ha hecho ninguna apuesta!</translation>
    </message>
</context>
<context>
    <name>zand::HelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>This link was not opened: the manual opens only web pages, mail addresses and the games page.</source>
        <translation>Este enlace no se ha abierto: el manual solo abre páginas web, direcciones de correo y la página de juegos.</translation>
    </message>
</context>
<context>
    <name>zand::HistoryChart</name>
    <message>
        <source>Credits over the spins of this game</source>
        <translation>Créditos a lo largo de las tiradas de esta partida</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Todavía no hay tiradas en esta partida.</translation>
    </message>
    <message>
        <source>Spins %1 to %2: credits from %3 to %4, borrowed %5.</source>
        <translation>Tiradas %1 a %2: créditos de %3 a %4, prestados %5.</translation>
    </message>
    <message>
        <source>Biggest win %1 at spin %2.</source>
        <translation>Mayor premio %1 en la tirada %2.</translation>
    </message>
    <message>
        <source>The chart fills in as you spin.</source>
        <translation>El gráfico se llena a medida que juega.</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Biggest win: %1</source>
        <translation>Mayor premio: %1</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Prestados</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Juego de bonificación</translation>
    </message>
    <message>
        <source>Bonus games: %1.</source>
        <translation>Juegos de bonificación: %1.</translation>
    </message>
</context>
<context>
    <name>zand::MachineAccessibility</name>
    <message>
        <source>Three of a kind on a line pays, from the grandest symbol to the humblest: %1 credits. Three Bonus symbols open the vault. The Wild on the right reel stands for any symbol.</source>
        <translation>Tres símbolos iguales en una línea pagan, del más valioso al más humilde: %1 créditos. Tres símbolos Bonus abren la cámara acorazada. El Wild del rodillo derecho sustituye a cualquier símbolo.</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Máquina tragaperras</translation>
    </message>
    <message>
        <source>Bonus! The vault opens: pick a safe, 1 to 8.</source>
        <translation>¡Bonus! Se abre la cámara acorazada: elija una caja fuerte, del 1 al 8.</translation>
    </message>
    <message>
        <source>BET 1</source>
        <translation>BET 1 (apostar una moneda)</translation>
    </message>
    <message>
        <source>BET ONE badge</source>
        <translation>Placa BET ONE (apostar una moneda)</translation>
    </message>
    <message>
        <source>BET MAX</source>
        <translation>BET MAX (apuesta máxima)</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>SPIN (girar)</translation>
    </message>
    <message>
        <source>NUDGE %1</source>
        <translation>NUDGE %1 (empujar el rodillo %1)</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Nudges</source>
        <translation>Empujones</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Contador de bonus</translation>
    </message>
    <message>
        <source>Pay glass</source>
        <translation>Tabla de premios</translation>
    </message>
    <message>
        <source>Place a coin and spin.</source>
        <translation>Apueste una moneda y gire.</translation>
    </message>
    <message>
        <source>You won %1 credits.</source>
        <translation>Ha ganado %1 créditos.</translation>
    </message>
    <message>
        <source>No win. Nudge a reel: 1, 2 or 3.</source>
        <translation>Sin premio. Empuje un rodillo: 1, 2 o 3.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Sin premio.</translation>
    </message>
</context>
<context>
    <name>zand::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir partida</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <translation>&amp;Préstamo</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>Es&amp;tadísticas</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>P&amp;remios</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>&amp;Zantek Games Page</source>
        <translation>Página de juegos de &amp;Zantek</translation>
    </message>
    <message>
        <source>&amp;Company Information</source>
        <translation>&amp;Acerca de la empresa</translation>
    </message>
    <message>
        <source>

Version:  </source>
        <translation>

Versión:  </translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volumen...</translation>
    </message>
    <message>
        <source>&amp;Autoplay...	A</source>
        <translation>Juego a&amp;utomático...	A</translation>
    </message>
    <message>
        <source>Autoplay spins the last bet again: place a bet first.</source>
        <translation>El juego automático repite la última apuesta: apueste primero.</translation>
    </message>
</context>
<context>
    <name>zand::MusicOutput</name>
    <message>
        <source>Cannot open the music file %1: %2</source>
        <translation>No se puede abrir el archivo de música %1: %2</translation>
    </message>
</context>
<context>
    <name>zand::PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tabla de premios</translation>
    </message>
</context>
<context>
    <name>zand::Settings</name>
    <message>
        <source>The volume could not be kept in %1.</source>
        <translation>No se pudo guardar el volumen en %1.</translation>
    </message>
    <message>
        <source>The autoplay choices could not be kept in %1.</source>
        <translation>No se pudieron guardar las opciones del juego automático en %1.</translation>
    </message>
</context>
<context>
    <name>zand::SingleGame</name>
    <message>
        <source>Another copy of the game is already playing the game kept in %1, but it does not answer.

This copy ends without touching that game, so no play is lost. Switch to the other copy, or end it and start the game again. (If no other copy runs, remove %2.)</source>
        <translation>Otra copia del juego ya está jugando la partida guardada en %1, pero no responde.

Esta copia se cierra sin tocar esa partida, así que no se pierde nada. Cambie a la otra copia, o ciérrela y vuelva a iniciar el juego. (Si no hay otra copia en marcha, elimine %2.)</translation>
    </message>
</context>
<context>
    <name>zand::SlotDialog</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Guardar partida – Elija una ranura</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir partida – Elija una ranura</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>¿Nombre para esta partida guardada?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zand::SlotPanel</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Nombre de la ranura %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 prestados</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <source>%1, %2 credits</source>
        <translation>%1, %2 créditos</translation>
    </message>
    <message>
        <source>Save in slot %1, %2</source>
        <translation>Guardar en la ranura %1, %2</translation>
    </message>
    <message>
        <source>Open slot %1, %2</source>
        <translation>Abrir la ranura %1, %2</translation>
    </message>
</context>
<context>
    <name>zand::SoundBoard</name>
    <message>
        <source>Cannot read the sound file %1: %2</source>
        <translation>No se puede leer el archivo de sonido %1: %2</translation>
    </message>
</context>
<context>
    <name>zand::StatisticsDialog</name>
    <message>
        <source>Spins:</source>
        <translation>Tiradas:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Prestados:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Apuestas totales:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Premios:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normales:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Porcentaje de pago total:</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Sus estadísticas de juego</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zand::VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Effects:</source>
        <translation>&amp;Efectos:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Música:</translation>
    </message>
</context>
</TS>
