// The console benchmarks' job: writes COUNT lines of 80 characters, either
// block-buffered ("block") or flushing after every line ("line"), or one
// line of COUNT characters and its LF ("long").
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: console_line_writer COUNT block|line|long\n");
        return 2;
    }
    long count = std::atol(argv[1]);
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    if (std::strcmp(argv[2], "long") == 0) {
        // Letters in turn: text that varies, as a real line does.
        for (long i = 0; i < count; ++i) std::putchar('a' + int(i % 26));
        std::putchar('\n');
        return 0;
    }
    bool flushEachLine = std::strcmp(argv[2], "line") == 0;
    char line[82];
    for (long i = 0; i < count; ++i) {
        // 80 characters: a running number, then a fixed text, then LF.
        int n = std::snprintf(line, sizeof line, "%09ld ", i);
        std::memset(line + n, 'a' + int(i % 26), std::size_t(80 - n));
        line[80] = '\n';
        std::fwrite(line, 1, 81, stdout);
        if (flushEachLine) std::fflush(stdout);
    }
    return 0;
}
