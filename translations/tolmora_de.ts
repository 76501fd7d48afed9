<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The window system plugin (xcb, wayland, offscreen ...).</source>
        <translation>Das Plugin für das Fenstersystem (xcb, wayland, offscreen ...).</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Pfad zu den Plattform-Plugins.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Design der Plattform.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be given more than once.</source>
        <translation>Weitere zu ladende Plugins; mehrfach angebbar.</translation>
    </message>
    <message>
        <source>Geometry of the main window, like 100x100+50+50.</source>
        <translation>Geometrie des Hauptfensters, etwa 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>Standardsymbol der Fenster.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Titel des ersten Fensters.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Ordnet das Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Restores the program from an earlier session.</source>
        <translation>Stellt das Programm aus einer früheren Sitzung wieder her.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>Der Widget-Stil.</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Ein Stylesheet für die Widgets.</translation>
    </message>
    <message>
        <source>Reports the widgets left undestroyed at the end.</source>
        <translation>Meldet am Ende die Widgets, die nicht freigegeben wurden.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Lädt die Testability-Bibliothek.</translation>
    </message>
    <message>
        <source>Starts the QML debugger (as -qmljsdebugger=value).</source>
        <translation>Startet den QML-Debugger (wie -qmljsdebugger=value).</translation>
    </message>
    <message>
        <source>X11 display name, overrides $DISPLAY.</source>
        <translation>Name des X11-Displays, ersetzt $DISPLAY.</translation>
    </message>
    <message>
        <source>X11 instance name.</source>
        <translation>Name der X11-Instanz.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowgeometry.</source>
        <translation>X11-Alias für -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowicon.</source>
        <translation>X11-Alias für -qwindowicon.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowtitle.</source>
        <translation>X11-Alias für -qwindowtitle.</translation>
    </message>
    <message>
        <source>ID of the X11 visual to use.</source>
        <translation>ID des zu verwendenden X11-Visuals.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse.</source>
        <translation>X11: fängt die Maus nie ein.</translation>
    </message>
    <message>
        <source>X11: grabs the mouse even under a debugger.</source>
        <translation>X11: fängt die Maus auch unter einem Debugger ein.</translation>
    </message>
    <message>
        <source>Try &apos;tolmora --help&apos; for more information.</source>
        <translation>Weitere Informationen mit &apos;tolmora --help&apos;.</translation>
    </message>
    <message>
        <source>Missing value after %1.</source>
        <translation>Fehlender Wert nach %1.</translation>
    </message>
    <message>
        <source>Tolmora, a puzzle game against the clock.</source>
        <translation>Tolmora, ein Puzzlespiel gegen die Uhr.</translation>
    </message>
    <message>
        <source>Plays board number &lt;N&gt; (0 to 4294967295) first.</source>
        <translation>Spielt zuerst das Spielfeld mit der Nummer &lt;N&gt; (0 bis 4294967295).</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>unerwartetes Argument %1.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-spezifischen Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Watches game &lt;ID&gt; from the history again, or the last one.</source>
        <translation>Zeigt Spiel &lt;ID&gt; aus dem Verlauf noch einmal, oder das letzte.</translation>
    </message>
    <message>
        <source>%1 is not a game of the history.</source>
        <translation>%1 ist kein Spiel des Verlaufs.</translation>
    </message>
    <message>
        <source>The history holds no recorded game %1.</source>
        <translation>Der Verlauf enthält kein aufgezeichnetes Spiel %1.</translation>
    </message>
    <message>
        <source>Plays today&apos;s daily board first (17 x 12, 2 minutes).</source>
        <translation>Spielt zuerst das Spielfeld des Tages (17 x 12, 2 Minuten).</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation>Über Tolmora</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Developers</source>
        <translation>Entwicklung</translation>
    </message>
    <message>
        <source>The Tolmora developers</source>
        <translation>Die Tolmora-Entwickler</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>The Tolmora synthesizer</source>
        <translation>Der Tolmora-Synthesizer</translation>
    </message>
    <message>
        <source>Tunes and effects by the Tolmora developers</source>
        <translation>Melodien und Effekte von den Tolmora-Entwicklern</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>The Tolmora brick painter</source>
        <translation>Der Tolmora-Steinmaler</translation>
    </message>
    <message>
        <source>Pictures and icon by the Tolmora developers</source>
        <translation>Bilder und Programmsymbol von den Tolmora-Entwicklern</translation>
    </message>
    <message>
        <source>Tolmora v%1.%2.%3</source>
        <translation>Tolmora v%1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright © the Tolmora developers. Tolmora, its pictures, sounds and help were made by the Tolmora developers with the project&apos;s own tools. This program comes with no warranty of any kind, to the extent permitted by law.</source>
        <translation>Copyright © die Tolmora-Entwickler. Tolmora, seine Bilder, Klänge und Hilfe wurden von den Tolmora-Entwicklern mit den eigenen Werkzeugen des Projekts erstellt. Soweit gesetzlich zulässig, wird für dieses Programm keinerlei Gewährleistung übernommen.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>in memory only, as %1</source>
        <translation>nur im Arbeitsspeicher, denn %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message numerus="yes">
        <source>The history is unavailable: %1. %n finished game(s) wait %3, to be written when it can be.</source>
        <translation>
            <numerusform>Der Verlauf ist nicht verfügbar: %1. %n beendetes Spiel wird eingetragen, sobald das möglich ist; bis dahin wartet es %3.</numerusform>
            <numerusform>Der Verlauf ist nicht verfügbar: %1. %n beendete Spiele werden eingetragen, sobald das möglich ist; bis dahin warten sie %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history is unavailable: %1.</source>
        <translation>Der Verlauf ist nicht verfügbar: %1.</translation>
    </message>
    <message>
        <source>a new history file could not be started in %1</source>
        <translation>in %1 konnte keine neue Verlaufsdatei angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>der Ordner %1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 is a link to nothing</source>
        <translation>%1 verweist ins Leere</translation>
    </message>
    <message>
        <source>the damaged file %1 could not be moved aside</source>
        <translation>die beschädigte Datei %1 konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The history file was damaged and was kept as %1.</source>
        <translation>Die Verlaufsdatei war beschädigt und wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 could not be removed</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>MenuActions</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Brick Symbols</source>
        <translation>Steinsymbole</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Keep Theme for New Games</source>
        <translation>Design für neue Spiele behalten</translation>
    </message>
    <message>
        <source>High Contrast Panel</source>
        <translation>Kontrastreiche Seitenleiste</translation>
    </message>
    <message>
        <source>Play Board Number…</source>
        <translation>Spielfeld nach Nummer spielen…</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistik…</translation>
    </message>
    <message>
        <source>Rules and other help</source>
        <translation>Regeln und weitere Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tolmora</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>Pause When Inactive</source>
        <translation>Pausieren, wenn inaktiv</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <translation>Spielfeld des Tages</translation>
    </message>
    <message>
        <source>Show Best Group</source>
        <translation>Beste Gruppe zeigen</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Theme File (*.tlm)</source>
        <translation>Design-Datei (*.tlm)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>ReplayController</name>
    <message>
        <source>move %1 of %2</source>
        <translation>Zug %1 von %2</translation>
    </message>
    <message>
        <source>Replay, step by step: %1</source>
        <translation>Wiederholung, Schritt für Schritt: %1</translation>
    </message>
    <message>
        <source>Replay at %1x: %2</source>
        <translation>Wiederholung mit %1×: %2</translation>
    </message>
    <message>
        <source>Best group now: %1 points</source>
        <translation>Beste Gruppe jetzt: %1 Punkte</translation>
    </message>
    <message>
        <source>Last move took %1 points; the best group then gave %2</source>
        <translation>Der letzte Zug brachte %1 Punkte; die beste Gruppe hätte %2 gebracht</translation>
    </message>
    <message>
        <source>The largest group at every move would have given %1 points, the groups taken gave %2. A simple look back, not a solver.</source>
        <translation>Die größte Gruppe bei jedem Zug hätte %1 Punkte gebracht, die gewählten Gruppen brachten %2. Ein einfacher Rückblick, kein Löser.</translation>
    </message>
    <message>
        <source>Keys: 1, 2, 4 speed; Space step; B best group; Esc leave</source>
        <translation>Tasten: 1, 2, 4 Tempo; Leertaste Schritt; B beste Gruppe; Esc beenden</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>No games yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>Best of these: %1</source>
        <translation>Bestes davon: %1</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>When this text turns green you have aquired the minimum Grouping score for your level. Each level has a minimum number of bricks that must be grouped together. The grouping number for your level is
%1</source>
        <translation>Wird dieser Text grün, hast du die Mindestgruppe für dein Level geschafft. Jedes Level verlangt eine Gruppe mit einer Mindestzahl an Steinen. Die Mindestgruppe für dein Level ist
%1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Bricks For Level
%1</source>
        <translation>Steine fürs Level
%1</translation>
    </message>
    <message>
        <source>Bricks Selected
%1</source>
        <translation>Steine gewählt
%1</translation>
    </message>
    <message>
        <source>Fill Empty Space  (30 second Penalty)</source>
        <translation>Lücken füllen  (30&#xa0;Sek. Strafe)</translation>
    </message>
    <message>
        <source>Bricks Selected</source>
        <translation>Steine gewählt</translation>
    </message>
    <message>
        <source>Bricks For Level  50</source>
        <translation>Steine fürs Level  50</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>Tolmora</name>
    <message>
        <source>Your preferences could not be saved to %1.</source>
        <translation>Deine Voreinstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board number. A board number is a whole number from 0 to %2.</source>
        <translation>„%1“ ist keine Spielfeldnummer. Eine Spielfeldnummer ist eine ganze Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>Your settings and high scores could not be saved to %1: %2.</source>
        <translation>Deine Einstellungen und die Bestenliste konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Willst du wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Neuer Eintrag in der Bestenliste</translation>
    </message>
    <message>
        <source>Board number (0 to 4294967295):</source>
        <translation>Spielfeldnummer (0 bis 4294967295):</translation>
    </message>
    <message>
        <source>Play Board Number</source>
        <translation>Spielfeld nach Nummer spielen</translation>
    </message>
    <message>
        <source>The game height must be a number</source>
        <translation>Die Höhe muss eine Zahl sein</translation>
    </message>
    <message>
        <source>The game height must be above 2</source>
        <translation>Die Höhe muss größer als 2 sein</translation>
    </message>
    <message>
        <source>The game height must be at most 1000</source>
        <translation>Die Höhe darf höchstens 1000 sein</translation>
    </message>
    <message>
        <source>The game width must be a number</source>
        <translation>Die Breite muss eine Zahl sein</translation>
    </message>
    <message>
        <source>The game width must be above 2</source>
        <translation>Die Breite muss größer als 2 sein</translation>
    </message>
    <message>
        <source>The game width must be at most 1000</source>
        <translation>Die Breite darf höchstens 1000 sein</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
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
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>frmNewGame</name>
    <message>
        <source>NewGame</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Game Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Game Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Game Time (in seconds)</source>
        <translation>Spielzeit (Sekunden)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Standard­werte</translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Gesamte Spielzeit:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Meiste Punkte:</translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation>Punkte im Schnitt:</translation>
    </message>
    <message>
        <source>Best group:</source>
        <translation>Größte Gruppe:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Board Number</source>
        <translation>Spielfeldnummer</translation>
    </message>
    <message>
        <source>Scores of the last games:</source>
        <translation>Punkte der letzten Spiele:</translation>
    </message>
    <message>
        <source>Recent games:</source>
        <translation>Letzte Spiele:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Spielfeld des Tages</translation>
    </message>
    <message>
        <source>Today&apos;s best:</source>
        <translation>Meiste Punkte heute:</translation>
    </message>
    <message>
        <source>Days in a row:</source>
        <translation>Tage in Folge:</translation>
    </message>
    <message>
        <source>Best daily scores of the last 30 days:</source>
        <translation>Meiste Punkte der letzten 30 Tage:</translation>
    </message>
    <message>
        <source>&amp;Play This Board</source>
        <translation>&amp;Dieses Spielfeld spielen</translation>
    </message>
    <message>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Wiederholung ansehen</translation>
    </message>
    <message>
        <source>C&amp;opy Result</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>Tolmora daily %1: %2 points, level %3, best group %4</source>
        <translation>Tolmora, Spielfeld des Tages %1: %2 Punkte, Level %3, größte Gruppe %4</translation>
    </message>
</context>
</TS>
