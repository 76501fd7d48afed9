<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The window system plugin (xcb, wayland, offscreen ...).</source>
        <translation>Wtyczka systemu okien (xcb, wayland, offscreen ...).</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Ścieżka do wtyczek platformy.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Motyw platformy.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be given more than once.</source>
        <translation>Dodatkowe wtyczki do wczytania; można podać więcej niż raz.</translation>
    </message>
    <message>
        <source>Geometry of the main window, like 100x100+50+50.</source>
        <translation>Geometria głównego okna, np. 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>Domyślna ikona okien.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Tytuł pierwszego okna.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Układa okno od prawej do lewej.</translation>
    </message>
    <message>
        <source>Restores the program from an earlier session.</source>
        <translation>Przywraca program z wcześniejszej sesji.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>Styl widżetów.</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Arkusz stylów dla widżetów.</translation>
    </message>
    <message>
        <source>Reports the widgets left undestroyed at the end.</source>
        <translation>Na koniec zgłasza widżety, które nie zostały zniszczone.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Wczytuje bibliotekę testowalności.</translation>
    </message>
    <message>
        <source>Starts the QML debugger (as -qmljsdebugger=value).</source>
        <translation>Uruchamia debuger QML (jak -qmljsdebugger=value).</translation>
    </message>
    <message>
        <source>X11 display name, overrides $DISPLAY.</source>
        <translation>Nazwa ekranu X11; zastępuje $DISPLAY.</translation>
    </message>
    <message>
        <source>X11 instance name.</source>
        <translation>Nazwa instancji X11.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowgeometry.</source>
        <translation>Odpowiednik -qwindowgeometry w X11.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowicon.</source>
        <translation>Odpowiednik -qwindowicon w X11.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowtitle.</source>
        <translation>Odpowiednik -qwindowtitle w X11.</translation>
    </message>
    <message>
        <source>ID of the X11 visual to use.</source>
        <translation>Identyfikator visuala X11, którego należy użyć.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse.</source>
        <translation>X11: nigdy nie przechwytuje myszy.</translation>
    </message>
    <message>
        <source>X11: grabs the mouse even under a debugger.</source>
        <translation>X11: przechwytuje mysz nawet pod debugerem.</translation>
    </message>
    <message>
        <source>Try &apos;tolmora --help&apos; for more information.</source>
        <translation>Więcej informacji: „tolmora --help”.</translation>
    </message>
    <message>
        <source>Missing value after %1.</source>
        <translation>Brak wartości po %1.</translation>
    </message>
    <message>
        <source>Tolmora, a puzzle game against the clock.</source>
        <translation>Tolmora, gra logiczna na czas.</translation>
    </message>
    <message>
        <source>Plays board number &lt;N&gt; (0 to 4294967295) first.</source>
        <translation>Zaczyna od planszy o numerze &lt;N&gt; (od 0 do 4294967295).</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Nieznana opcja %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>nieoczekiwany argument %1.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami specyficznymi dla Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcje]</translation>
    </message>
    <message>
        <source>Watches game &lt;ID&gt; from the history again, or the last one.</source>
        <translation>Pokazuje ponownie grę &lt;ID&gt; z historii albo ostatnią.</translation>
    </message>
    <message>
        <source>%1 is not a game of the history.</source>
        <translation>%1 nie jest grą z historii.</translation>
    </message>
    <message>
        <source>The history holds no recorded game %1.</source>
        <translation>Historia nie zawiera nagranej gry %1.</translation>
    </message>
    <message>
        <source>Plays today&apos;s daily board first (17 x 12, 2 minutes).</source>
        <translation>Zaczyna od planszy dnia (17 x 12, 2 minuty).</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Autorzy</translation>
    </message>
    <message>
        <source>Developers</source>
        <translation>Twórcy</translation>
    </message>
    <message>
        <source>The Tolmora developers</source>
        <translation>Twórcy gry Tolmora</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>The Tolmora synthesizer</source>
        <translation>Syntezator gry Tolmora</translation>
    </message>
    <message>
        <source>Tunes and effects by the Tolmora developers</source>
        <translation>Melodie i efekty: twórcy gry Tolmora</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafika</translation>
    </message>
    <message>
        <source>The Tolmora brick painter</source>
        <translation>Malarz klocków gry Tolmora</translation>
    </message>
    <message>
        <source>Pictures and icon by the Tolmora developers</source>
        <translation>Obrazy i ikona: twórcy gry Tolmora</translation>
    </message>
    <message>
        <source>Tolmora v%1.%2.%3</source>
        <translation>Tolmora v%1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright © the Tolmora developers. Tolmora, its pictures, sounds and help were made by the Tolmora developers with the project&apos;s own tools. This program comes with no warranty of any kind, to the extent permitted by law.</source>
        <translation>Copyright © twórcy gry Tolmora. Gra Tolmora, jej obrazy, dźwięki i pomoc zostały wykonane przez twórców gry Tolmora za pomocą własnych narzędzi projektu. Ten program jest dostarczany bez jakiejkolwiek gwarancji w zakresie dozwolonym przez prawo.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>in memory only, as %1</source>
        <translation>tylko w pamięci, ponieważ %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>w %1</translation>
    </message>
    <message>
        <source>The history is unavailable: %1.</source>
        <translation>Historia jest niedostępna: %1.</translation>
    </message>
    <message>
        <source>a new history file could not be started in %1</source>
        <translation>nie udało się założyć nowego pliku historii w %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>nie można zapisywać w folderze %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>%1 is a link to nothing</source>
        <translation>%1 jest dowiązaniem donikąd</translation>
    </message>
    <message>
        <source>the damaged file %1 could not be moved aside</source>
        <translation>nie udało się odłożyć na bok uszkodzonego pliku %1</translation>
    </message>
    <message>
        <source>The history file was damaged and was kept as %1.</source>
        <translation>Plik historii był uszkodzony i został zachowany jako %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed</source>
        <translation>nie udało się usunąć %1</translation>
    </message>
    <message numerus="yes">
        <source>The history is unavailable: %1. %n finished game(s) wait %3, to be written when it can be.</source>
        <translation>
            <numerusform>Historia jest niedostępna: %1. %n ukończona gra czeka %3; zostanie zapisana, gdy będzie to możliwe.</numerusform>
            <numerusform>Historia jest niedostępna: %1. %n ukończone gry czekają %3; zostaną zapisane, gdy będzie to możliwe.</numerusform>
            <numerusform>Historia jest niedostępna: %1. %n ukończonych gier czeka %3; zostaną zapisane, gdy będzie to możliwe.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuActions</name>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Brick Symbols</source>
        <translation>Symbole na klockach</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Keep Theme for New Games</source>
        <translation>Zachowaj motyw w nowych grach</translation>
    </message>
    <message>
        <source>High Contrast Panel</source>
        <translation>Panel o wysokim kontraście</translation>
    </message>
    <message>
        <source>Play Board Number…</source>
        <translation>Zagraj na planszy o numerze…</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statystyki…</translation>
    </message>
    <message>
        <source>Rules and other help</source>
        <translation>Zasady i inna pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Pause When Inactive</source>
        <translation>Pauza, gdy okno jest nieaktywne</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <translation>Plansza dnia</translation>
    </message>
    <message>
        <source>Show Best Group</source>
        <translation>Pokaż najlepszą grupę</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Theme File (*.tlm)</source>
        <translation>Plik motywu (*.tlm)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
</context>
<context>
    <name>ReplayController</name>
    <message>
        <source>move %1 of %2</source>
        <translation>ruch %1 z %2</translation>
    </message>
    <message>
        <source>Replay, step by step: %1</source>
        <translation>Powtórka krok po kroku: %1</translation>
    </message>
    <message>
        <source>Replay at %1x: %2</source>
        <translation>Powtórka %1×: %2</translation>
    </message>
    <message>
        <source>Best group now: %1 points</source>
        <translation>Najlepsza grupa teraz: %1 punktów</translation>
    </message>
    <message>
        <source>Last move took %1 points; the best group then gave %2</source>
        <translation>Ostatni ruch dał %1 punktów; najlepsza grupa dałaby %2</translation>
    </message>
    <message>
        <source>The largest group at every move would have given %1 points, the groups taken gave %2. A simple look back, not a solver.</source>
        <translation>Największa grupa w każdym ruchu dałaby %1 punktów, wybrane grupy dały %2. Proste spojrzenie wstecz, nie solver.</translation>
    </message>
    <message>
        <source>Keys: 1, 2, 4 speed; Space step; B best group; Esc leave</source>
        <translation>Klawisze: 1, 2, 4 tempo; Spacja krok; B najlepsza grupa; Esc wyjście</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>No games yet</source>
        <translation>Brak rozegranych gier</translation>
    </message>
    <message>
        <source>Best of these: %1</source>
        <translation>Najlepszy z nich: %1</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>When this text turns green you have aquired the minimum Grouping score for your level. Each level has a minimum number of bricks that must be grouped together. The grouping number for your level is
%1</source>
        <translation>Gdy ten tekst zrobi się zielony, masz już zaliczoną minimalną grupę swojego poziomu. Na każdym poziomie trzeba zgrupować pewną minimalną liczbę klocków. Minimalna grupa na Twoim poziomie to
%1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Poziom: %1</translation>
    </message>
    <message>
        <source>Bricks For Level
%1</source>
        <translation>Klocki do awansu
%1</translation>
    </message>
    <message>
        <source>Bricks Selected
%1</source>
        <translation>Zaznaczone
%1</translation>
    </message>
    <message>
        <source>Fill Empty Space  (30 second Penalty)</source>
        <translation>Wypełnij puste miejsca  (30 s kary)</translation>
    </message>
    <message>
        <source>Bricks Selected</source>
        <translation>Zaznaczone</translation>
    </message>
    <message>
        <source>Bricks For Level  50</source>
        <translation>Klocki do awansu  50</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Twój wynik</translation>
    </message>
</context>
<context>
    <name>Tolmora</name>
    <message>
        <source>Your preferences could not be saved to %1.</source>
        <translation>Nie udało się zapisać preferencji w %1.</translation>
    </message>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board number. A board number is a whole number from 0 to %2.</source>
        <translation>„%1” nie jest numerem planszy. Numer planszy to liczba całkowita od 0 do %2.</translation>
    </message>
    <message>
        <source>Your settings and high scores could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać ustawień i rekordów w %1: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Czy na pewno chcesz rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Wpisz swoje imię.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nowy rekord</translation>
    </message>
    <message>
        <source>Board number (0 to 4294967295):</source>
        <translation>Numer planszy (od 0 do 4294967295):</translation>
    </message>
    <message>
        <source>Play Board Number</source>
        <translation>Zagraj na planszy o numerze</translation>
    </message>
    <message>
        <source>The game height must be a number</source>
        <translation>Wysokość planszy musi być liczbą</translation>
    </message>
    <message>
        <source>The game height must be above 2</source>
        <translation>Wysokość planszy musi być większa niż 2</translation>
    </message>
    <message>
        <source>The game height must be at most 1000</source>
        <translation>Wysokość planszy może wynosić najwyżej 1000</translation>
    </message>
    <message>
        <source>The game width must be a number</source>
        <translation>Szerokość planszy musi być liczbą</translation>
    </message>
    <message>
        <source>The game width must be above 2</source>
        <translation>Szerokość planszy musi być większa niż 2</translation>
    </message>
    <message>
        <source>The game width must be at most 1000</source>
        <translation>Szerokość planszy może wynosić najwyżej 1000</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
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
        <translation>Rekordy</translation>
    </message>
</context>
<context>
    <name>frmNewGame</name>
    <message>
        <source>NewGame</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Game Width</source>
        <translation>Szerokość planszy</translation>
    </message>
    <message>
        <source>Game Height</source>
        <translation>Wysokość planszy</translation>
    </message>
    <message>
        <source>Game Time (in seconds)</source>
        <translation>Czas gry (w sekundach)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Rozpocznij grę</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Rozegrane gry:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Łączny czas gry:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Najlepszy wynik:</translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation>Średni wynik:</translation>
    </message>
    <message>
        <source>Best group:</source>
        <translation>Największa grupa:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Najlepszy</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Board Number</source>
        <translation>Numer planszy</translation>
    </message>
    <message>
        <source>Scores of the last games:</source>
        <translation>Wyniki ostatnich gier:</translation>
    </message>
    <message>
        <source>Recent games:</source>
        <translation>Ostatnie gry:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Plansza dnia</translation>
    </message>
    <message>
        <source>Today&apos;s best:</source>
        <translation>Najlepszy wynik dzisiaj:</translation>
    </message>
    <message>
        <source>Days in a row:</source>
        <translation>Dni z rzędu:</translation>
    </message>
    <message>
        <source>Best daily scores of the last 30 days:</source>
        <translation>Najlepsze wyniki z ostatnich 30 dni:</translation>
    </message>
    <message>
        <source>&amp;Play This Board</source>
        <translation>Za&amp;graj na tej planszy</translation>
    </message>
    <message>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Obejrzyj powtórkę</translation>
    </message>
    <message>
        <source>C&amp;opy Result</source>
        <translation>&amp;Kopiuj wynik</translation>
    </message>
    <message>
        <source>Tolmora daily %1: %2 points, level %3, best group %4</source>
        <translation>Tolmora, plansza dnia %1: %2 pkt, poziom %3, największa grupa %4</translation>
    </message>
</context>
</TS>
