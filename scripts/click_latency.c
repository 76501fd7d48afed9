/* Times clicks on the game's board as the player sees them: XTEST presses
 * and releases the mouse button, and the screen is polled with XGetImage
 * until a pixel of the clicked cell changes.
 * Usage: click_latency BOARD_X BOARD_Y COLUMNS ROWS PAIRS
 * BOARD_X, BOARD_Y: screen position of the board's top-left pixel; COLUMNS,
 * ROWS: cells in view. For PAIRS groups of two or more bricks (a brick with
 * its right neighbour of the same face colour) it clicks once to highlight
 * and once more to remove, and prints each time in milliseconds, then the
 * median and the largest of each kind. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static Display* display;
static int boardX, boardY;

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static unsigned long centre(int column, int row)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), boardX + 32 * column + 16,
                              boardY + 32 * row + 16, 1, 1, AllPlanes, ZPixmap);
    unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

/* The cell's pixels: the highlight shows in its outermost ring. */
static XImage* grab(int column, int row)
{
    return XGetImage(display, DefaultRootWindow(display), boardX + 32 * column, boardY + 32 * row, 32, 32,
                     AllPlanes, ZPixmap);
}

static int same(XImage* a, XImage* b)
{
    return memcmp(a->data, b->data, (size_t)a->bytes_per_line * a->height) == 0;
}

/* From the release of the button to the first changed pixel of the cell;
 * negative when nothing changed within a second. */
static double click(int column, int row)
{
    const int x = boardX + 32 * column + 16, y = boardY + 32 * row + 16;
    XImage* before = grab(column, row);
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XSync(display, False);
    const double start = now_ms();
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
    double elapsed = -1;
    while (now_ms() - start < 1000) {
        XImage* after = grab(column, row);
        const int unchanged = same(before, after);
        XDestroyImage(after);
        if (!unchanged) {
            elapsed = now_ms() - start;
            break;
        }
    }
    XDestroyImage(before);
    return elapsed;
}

static int by_value(const void* a, const void* b)
{
    const double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y;
}

static void summary(const char* what, double* times, int count)
{
    if (count == 0) {
        printf("%s: no samples\n", what);
        return;
    }
    qsort(times, count, sizeof *times, by_value);
    printf("%s: median %.2f ms, max %.2f ms over %d clicks\n", what, times[count / 2], times[count - 1], count);
}

int main(int argc, char** argv)
{
    if (argc != 6) {
        fprintf(stderr, "usage: %s BOARD_X BOARD_Y COLUMNS ROWS PAIRS\n", argv[0]);
        return 2;
    }
    boardX = atoi(argv[1]);
    boardY = atoi(argv[2]);
    const int columns = atoi(argv[3]), rows = atoi(argv[4]), pairs = atoi(argv[5]);
    display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "no display\n");
        return 1;
    }
    double* highlight = calloc(pairs, sizeof(double));
    double* removal = calloc(pairs, sizeof(double));
    int done = 0, looked = 0;
    while (done < pairs && looked < 50 * columns * rows) {
        const int column = (looked * 7) % (columns - 1), row = (looked * 5) % rows;
        ++looked;
        const unsigned long face = centre(column, row);
        if (face != centre(column + 1, row))
            continue;
        const double h = click(column, row);
        usleep(100000);
        const double r = h < 0 ? -1 : click(column, row);
        usleep(100000);
        if (h < 0 || r < 0) {
            fprintf(stderr, "no change on screen at cell %d,%d\n", column, row);
            continue;
        }
        printf("cell %d,%d: highlight %.2f ms, removal %.2f ms\n", column, row, h, r);
        highlight[done] = h;
        removal[done] = r;
        ++done;
    }
    summary("highlight", highlight, done);
    summary("removal", removal, done);
    XCloseDisplay(display);
    return done == pairs ? 0 : 1;
}
