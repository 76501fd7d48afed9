<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The window system plugin (xcb, wayland, offscreen ...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional plugins to load, can be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometry of the main window, like 100x100+50+50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restores the program from an earlier session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports the widgets left undestroyed at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the QML debugger (as -qmljsdebugger=value).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 display name, overrides $DISPLAY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 instance name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 alias for -qwindowgeometry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 alias for -qwindowicon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 alias for -qwindowtitle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID of the X11 visual to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: never grabs the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: grabs the mouse even under a debugger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;tolmora --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing value after %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolmora, a puzzle game against the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays board number &lt;N&gt; (0 to 4294967295) first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tolmora developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tolmora synthesizer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunes and effects by the Tolmora developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tolmora brick painter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures and icon by the Tolmora developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolmora v%1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © the Tolmora developers. Tolmora, its pictures, sounds and help were made by the Tolmora developers with the project&apos;s own tools. This program comes with no warranty of any kind, to the extent permitted by law.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>in memory only, as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history is unavailable: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new history file could not be started in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the damaged file %1 could not be moved aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history file was damaged and was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be removed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuActions</name>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brick Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Theme for New Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Contrast Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Board Number…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules and other help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Theme File (*.tlm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>No games yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best of these: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>When this text turns green you have aquired the minimum Grouping score for your level. Each level has a minimum number of bricks that must be grouped together. The grouping number for your level is
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bricks For Level
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bricks Selected
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Empty Space  (30 second Penalty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bricks Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bricks For Level  50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tolmora</name>
    <message>
        <source>Your preferences could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board number. A board number is a whole number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings and high scores could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board number (0 to 4294967295):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Board Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game height must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game height must be above 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game height must be at most 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game width must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game width must be above 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game width must be at most 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Tolmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNewGame</name>
    <message>
        <source>NewGame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Time (in seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best group:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play This Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores of the last games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent games:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
