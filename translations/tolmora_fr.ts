<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The window system plugin (xcb, wayland, offscreen ...).</source>
        <translation>Le module du système de fenêtrage (xcb, wayland, offscreen...).</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Le chemin des modules de plateforme.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Le thème de la plateforme.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be given more than once.</source>
        <translation>Des modules supplémentaires à charger&#x202f;; option répétable.</translation>
    </message>
    <message>
        <source>Geometry of the main window, like 100x100+50+50.</source>
        <translation>La géométrie de la fenêtre principale, par exemple 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>L&apos;icône par défaut des fenêtres.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Le titre de la première fenêtre.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Dispose la fenêtre de droite à gauche.</translation>
    </message>
    <message>
        <source>Restores the program from an earlier session.</source>
        <translation>Restaure le programme d&apos;une session précédente.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>Le style des widgets.</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Une feuille de style pour les widgets.</translation>
    </message>
    <message>
        <source>Reports the widgets left undestroyed at the end.</source>
        <translation>Signale à la fin les widgets qui n&apos;ont pas été détruits.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Charge la bibliothèque de testabilité.</translation>
    </message>
    <message>
        <source>Starts the QML debugger (as -qmljsdebugger=value).</source>
        <translation>Lance le débogueur QML (comme -qmljsdebugger=value).</translation>
    </message>
    <message>
        <source>X11 display name, overrides $DISPLAY.</source>
        <translation>Le nom de l&apos;écran X11, à la place de $DISPLAY.</translation>
    </message>
    <message>
        <source>X11 instance name.</source>
        <translation>Le nom d&apos;instance X11.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowgeometry.</source>
        <translation>X11&#x202f;: alias de -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowicon.</source>
        <translation>X11&#x202f;: alias de -qwindowicon.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowtitle.</source>
        <translation>X11&#x202f;: alias de -qwindowtitle.</translation>
    </message>
    <message>
        <source>ID of the X11 visual to use.</source>
        <translation>L&apos;identifiant du visuel X11 à utiliser.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse.</source>
        <translation>X11&#x202f;: ne capture jamais la souris.</translation>
    </message>
    <message>
        <source>X11: grabs the mouse even under a debugger.</source>
        <translation>X11&#x202f;: capture la souris même sous un débogueur.</translation>
    </message>
    <message>
        <source>Try &apos;tolmora --help&apos; for more information.</source>
        <translation>Saisissez «&#x202f;tolmora --help&#x202f;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Missing value after %1.</source>
        <translation>Valeur manquante après %1.</translation>
    </message>
    <message>
        <source>Tolmora, a puzzle game against the clock.</source>
        <translation>Tolmora, un jeu de réflexion contre la montre.</translation>
    </message>
    <message>
        <source>Plays board number &lt;N&gt; (0 to 4294967295) first.</source>
        <translation>Joue d&apos;abord le plateau numéro &lt;N&gt; (de 0 à 4294967295).</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>argument inattendu %1.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#x202f;: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#x202f;:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Watches game &lt;ID&gt; from the history again, or the last one.</source>
        <translation>Revoit la partie &lt;ID&gt; de l’historique, ou la dernière.</translation>
    </message>
    <message>
        <source>%1 is not a game of the history.</source>
        <translation>%1 n’est pas une partie de l’historique.</translation>
    </message>
    <message>
        <source>The history holds no recorded game %1.</source>
        <translation>L’historique ne contient aucune partie enregistrée %1.</translation>
    </message>
    <message>
        <source>Plays today&apos;s daily board first (17 x 12, 2 minutes).</source>
        <translation>Joue d&apos;abord le plateau du jour (17 x 12, 2 minutes).</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Developers</source>
        <translation>Développeurs</translation>
    </message>
    <message>
        <source>The Tolmora developers</source>
        <translation>Les développeurs de Tolmora</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The Tolmora synthesizer</source>
        <translation>Le synthétiseur de Tolmora</translation>
    </message>
    <message>
        <source>Tunes and effects by the Tolmora developers</source>
        <translation>Musiques et effets des développeurs de Tolmora</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphismes</translation>
    </message>
    <message>
        <source>The Tolmora brick painter</source>
        <translation>Le peintre de briques de Tolmora</translation>
    </message>
    <message>
        <source>Pictures and icon by the Tolmora developers</source>
        <translation>Images et icône des développeurs de Tolmora</translation>
    </message>
    <message>
        <source>Tolmora v%1.%2.%3</source>
        <translation>Tolmora v%1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright © the Tolmora developers. Tolmora, its pictures, sounds and help were made by the Tolmora developers with the project&apos;s own tools. This program comes with no warranty of any kind, to the extent permitted by law.</source>
        <translation>Copyright © les développeurs de Tolmora. Tolmora, ses images, ses sons et son aide ont été créés par les développeurs de Tolmora avec les outils propres au projet. Ce programme est fourni sans aucune garantie, dans les limites permises par la loi.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message numerus="yes">
        <source>The history is unavailable: %1. %n finished game(s) wait %3, to be written when it can be.</source>
        <translation>
            <numerusform>L&apos;historique est indisponible&#x202f;: %1. %n partie terminée attend %3, pour être enregistrée dès que possible.</numerusform>
            <numerusform>L&apos;historique est indisponible&#x202f;: %1. %n parties terminées attendent %3, pour être enregistrées dès que possible.</numerusform>
        </translation>
    </message>
    <message>
        <source>in memory only, as %1</source>
        <translation>en mémoire seulement, car %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>The history is unavailable: %1.</source>
        <translation>L&apos;historique est indisponible&#x202f;: %1.</translation>
    </message>
    <message>
        <source>a new history file could not be started in %1</source>
        <translation>un nouveau fichier d&apos;historique n&apos;a pas pu être créé dans %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>le dossier %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>%1 is a link to nothing</source>
        <translation>%1 est un lien qui ne pointe vers rien</translation>
    </message>
    <message>
        <source>the damaged file %1 could not be moved aside</source>
        <translation>le fichier endommagé %1 n&apos;a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>The history file was damaged and was kept as %1.</source>
        <translation>Le fichier d&apos;historique était endommagé et a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed</source>
        <translation>%1 n&apos;a pas pu être supprimé</translation>
    </message>
</context>
<context>
    <name>MenuActions</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Brick Symbols</source>
        <translation>Symboles sur les briques</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Keep Theme for New Games</source>
        <translation>Garder le thème pour les nouvelles parties</translation>
    </message>
    <message>
        <source>High Contrast Panel</source>
        <translation>Panneau à contraste élevé</translation>
    </message>
    <message>
        <source>Play Board Number…</source>
        <translation>Jouer un plateau par son numéro…</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiques…</translation>
    </message>
    <message>
        <source>Rules and other help</source>
        <translation>Règles et aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Pause When Inactive</source>
        <translation>Pause quand la fenêtre est inactive</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <translation>Plateau du jour</translation>
    </message>
    <message>
        <source>Show Best Group</source>
        <translation>Montrer le meilleur groupe</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Theme File (*.tlm)</source>
        <translation>Fichier de thème (*.tlm)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>ReplayController</name>
    <message>
        <source>move %1 of %2</source>
        <translation>coup %1 sur %2</translation>
    </message>
    <message>
        <source>Replay, step by step: %1</source>
        <translation>Revoir, pas à pas&#x202f;: %1</translation>
    </message>
    <message>
        <source>Replay at %1x: %2</source>
        <translation>Revoir à %1×&#x202f;: %2</translation>
    </message>
    <message>
        <source>Best group now: %1 points</source>
        <translation>Meilleur groupe maintenant&#x202f;: %1 points</translation>
    </message>
    <message>
        <source>Last move took %1 points; the best group then gave %2</source>
        <translation>Le dernier coup a rapporté %1 points&#x202f;; le meilleur groupe en aurait rapporté %2</translation>
    </message>
    <message>
        <source>The largest group at every move would have given %1 points, the groups taken gave %2. A simple look back, not a solver.</source>
        <translation>Le plus grand groupe à chaque coup aurait rapporté %1 points, les groupes retirés ont rapporté %2. Un simple regard en arrière, pas un solveur.</translation>
    </message>
    <message>
        <source>Keys: 1, 2, 4 speed; Space step; B best group; Esc leave</source>
        <translation>Touches&#x202f;: 1, 2, 4 vitesse&#x202f;; Espace pas&#x202f;; B meilleur groupe&#x202f;; Échap quitter</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>No games yet</source>
        <translation>Aucune partie pour l&apos;instant</translation>
    </message>
    <message>
        <source>Best of these: %1</source>
        <translation>Meilleur de la série&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>When this text turns green you have aquired the minimum Grouping score for your level. Each level has a minimum number of bricks that must be grouped together. The grouping number for your level is
%1</source>
        <translation>Quand ce texte passe au vert, vous avez atteint la taille minimale de groupe de votre niveau. Chaque niveau impose un nombre minimal de briques à grouper. Taille minimale de groupe de votre niveau&#x202f;:
%1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#x202f;: %1</translation>
    </message>
    <message>
        <source>Bricks For Level
%1</source>
        <translation>Briques à retirer
%1</translation>
    </message>
    <message>
        <source>Bricks Selected
%1</source>
        <translation>Briques choisies
%1</translation>
    </message>
    <message>
        <source>Fill Empty Space  (30 second Penalty)</source>
        <translation>Combler les vides  (pénalité de 30 s)</translation>
    </message>
    <message>
        <source>Bricks Selected</source>
        <translation>Briques choisies</translation>
    </message>
    <message>
        <source>Bricks For Level  50</source>
        <translation>Briques à retirer  50</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Votre score</translation>
    </message>
</context>
<context>
    <name>Tolmora</name>
    <message>
        <source>Your preferences could not be saved to %1.</source>
        <translation>Vos préférences n&apos;ont pas pu être enregistrées dans %1.</translation>
    </message>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board number. A board number is a whole number from 0 to %2.</source>
        <translation>«&#x202f;%1&#x202f;» n&apos;est pas un numéro de plateau. Un numéro de plateau est un nombre entier de 0 à %2.</translation>
    </message>
    <message>
        <source>Your settings and high scores could not be saved to %1: %2.</source>
        <translation>Vos réglages et meilleurs scores n&apos;ont pas pu être enregistrés dans %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Voulez-vous vraiment commencer une nouvelle partie&#x202f;?</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nouveau meilleur score</translation>
    </message>
    <message>
        <source>Board number (0 to 4294967295):</source>
        <translation>Numéro de plateau (de 0 à 4294967295)&#x202f;:</translation>
    </message>
    <message>
        <source>Play Board Number</source>
        <translation>Jouer un plateau par son numéro</translation>
    </message>
    <message>
        <source>The game height must be a number</source>
        <translation>La hauteur du plateau doit être un nombre</translation>
    </message>
    <message>
        <source>The game height must be above 2</source>
        <translation>La hauteur du plateau doit être supérieure à 2</translation>
    </message>
    <message>
        <source>The game height must be at most 1000</source>
        <translation>La hauteur du plateau ne doit pas dépasser 1000</translation>
    </message>
    <message>
        <source>The game width must be a number</source>
        <translation>La largeur du plateau doit être un nombre</translation>
    </message>
    <message>
        <source>The game width must be above 2</source>
        <translation>La largeur du plateau doit être supérieure à 2</translation>
    </message>
    <message>
        <source>The game width must be at most 1000</source>
        <translation>La largeur du plateau ne doit pas dépasser 1000</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
</context>
<context>
    <name>frmNewGame</name>
    <message>
        <source>NewGame</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Game Width</source>
        <translation>Largeur du plateau</translation>
    </message>
    <message>
        <source>Game Height</source>
        <translation>Hauteur du plateau</translation>
    </message>
    <message>
        <source>Game Time (in seconds)</source>
        <translation>Durée (en secondes)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Parties jouées&#x202f;:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Temps de jeu&#x202f;:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Meilleur score&#x202f;:</translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation>Score moyen&#x202f;:</translation>
    </message>
    <message>
        <source>Best group:</source>
        <translation>Meilleur groupe&#x202f;:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Board Number</source>
        <translation>Numéro de plateau</translation>
    </message>
    <message>
        <source>Scores of the last games:</source>
        <translation>Scores des dernières parties&#x202f;:</translation>
    </message>
    <message>
        <source>Recent games:</source>
        <translation>Parties récentes&#x202f;:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Plateau du jour</translation>
    </message>
    <message>
        <source>Today&apos;s best:</source>
        <translation>Meilleur score du jour&#x202f;:</translation>
    </message>
    <message>
        <source>Days in a row:</source>
        <translation>Jours d&apos;affilée&#x202f;:</translation>
    </message>
    <message>
        <source>Best daily scores of the last 30 days:</source>
        <translation>Meilleurs scores des 30 derniers jours&#x202f;:</translation>
    </message>
    <message>
        <source>&amp;Play This Board</source>
        <translation>&amp;Jouer ce plateau</translation>
    </message>
    <message>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Revoir la partie</translation>
    </message>
    <message>
        <source>C&amp;opy Result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <source>Tolmora daily %1: %2 points, level %3, best group %4</source>
        <translation>Tolmora, plateau du jour %1&#x202f;: %2 points, niveau %3, meilleur groupe %4</translation>
    </message>
</context>
</TS>
