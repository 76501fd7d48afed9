#include <cstdio>

int main()
{
    std::puts("Tolmora: the game window is not there yet; the rules engine is built and tested.");
    return 0;
}
