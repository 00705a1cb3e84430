#include <cstdio>

int main() {
    std::fputs("Uso: zelvaro-cli reduce|rows|import ...\n", stderr);
    return 1;
}
