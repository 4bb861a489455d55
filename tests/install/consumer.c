/* A C99 program using the installed library. */
#include <stdio.h>
#include <string.h>
#include <zors.h>

int main(void) {
    Zor32f src[5] = {1, 2, 3, 4, 5}, dst[5];
    const ZorVersionRecord* v = zorsGetLibVersion();
    if (zorsFlip_32f(src, dst, 5) != zorStsNoErr || dst[0] != 5 || dst[4] != 1) return 1;
    if (strcmp(zorGetStatusString(zorStsSizeErr), "Wrong value of data size") != 0) return 2;
    if (v->verMajor != 4) return 3;
    printf("consumer: %s %s\n", v->libName, v->versionText);
    return 0;
}
