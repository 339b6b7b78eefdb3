// A program that only carries icons: three icon groups (ids 10, 20, 30) for the icon preview
// tests. Started by nothing; it ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
