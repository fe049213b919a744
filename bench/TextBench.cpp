// How fast the text worksheets are prepared: the cost of one random draw, and
// exercises per second for each kind at its largest list values, written to a
// real file. Kind 105 is also compared with a minimal C loop that makes the
// same draws and writes the same digits into one buffer.
//
// Usage: text_bench [FOLDER]   (the worksheet files go there; default /tmp)

#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/core/RandomDraw.h"
#include "text_worksheets/core/TextWorksheet.h"

using namespace zarvik;

namespace {

// The random draw written out plainly in C style, as a baseline.
struct CState {
    uint32_t low;
};
inline int cStep(CState* s) {
    s->low = s->low * 22695477u + 1u;
    return (int)((s->low >> 16) & 0x7FFF);
}
inline int cDraw(CState* s, int n) {
    static const int mod[8] = {100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
    int r1 = cStep(s), r2 = cStep(s), r3 = cStep(s), r4 = cStep(s), r5 = cStep(s), r6 = cStep(s);
    int sum = r1 % 100 + 100 * (r2 % 100) + 10000 * (r3 % 100) + 1000000 * (r4 % 100) +
              10000000 * (r5 % 100);
    return (sum % mod[r6 % 8]) % n;
}
inline char* cNumber(char* p, int v) {
    char tmp[12];
    int n = 0;
    do {
        tmp[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v);
    while (n)
        *p++ = tmp[--n];
    return p;
}

// Kind 105 at K = 9, E = 9: the same draws and bytes, into one buffer.
double cLoop105(uint32_t low, int exercises, std::vector<char>& buffer) {
    static const int pow10[10] = {1,      10,      100,      1000,      10000,
                                  100000, 1000000, 10000000, 100000000, 1000000000};
    QElapsedTimer timer;
    timer.start();
    CState s{low};
    char* p = buffer.data();
    for (int i = 0; i < exercises; ++i) {
        int k = cDraw(&s, 8) + 2;
        for (int j = 1; j <= k; ++j) {
            int e = cDraw(&s, 8) + 2;
            p = cNumber(p, cDraw(&s, pow10[e]));
            if (j < k) {
                *p++ = '+';
            } else {
                *p++ = '=';
                *p++ = '\r';
                *p++ = '\n';
            }
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    buffer.resize(static_cast<size_t>(p - buffer.data()));
    return seconds;
}

struct KindCase {
    int kind;
    const char16_t* first;
    const char16_t* second;
    bool checked;
    int exercises;
};

}  // namespace

int main(int argc, char** argv) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const QString path = folder + QStringLiteral("/zarvik-bench.txt");

    {
        RandomDraw random(1, 0);
        const int draws = 20000000;
        int64_t sum = 0;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < draws; ++i)
            sum += random.draw(1000);
        std::printf("random draw: %.2f ns per draw (checksum %lld)\n",
                    double(timer.nsecsElapsed()) / draws, static_cast<long long>(sum));
        timer.restart();
        for (int i = 0; i < draws; ++i)
            sum += random.longDraw(1000);
        std::printf("long random draw: %.2f ns per draw (checksum %lld)\n\n",
                    double(timer.nsecsElapsed()) / draws, static_cast<long long>(sum));
    }

    // Largest list values of every kind.
    const KindCase cases[] = {
        {101, u"9", u"", true, 1000000},      {102, u"9", u"9", false, 1000000},
        {103, u"", u"", false, 1000000},      {104, u"9", u"9", false, 1000000},
        {105, u"9", u"9", false, 1000000},    {106, u"9", u"9", false, 1000000},
        {201, u"9", u"", true, 1000000},      {202, u"", u"", false, 1000000},
        {203, u"9", u"", false, 1000000},     {204, u"9", u"", false, 1000000},
        {205, u"9", u"9", false, 1000000},    {301, u"9", u"", false, 1000000},
        {302, u"9", u"", false, 1000000},     {303, u"5", u"2", false, 1000000},
        {304, u"9", u"9", false, 1000000},    {305, u"9", u"9", false, 1000000},
        {306, u"9", u"9", false, 1000000},    {307, u"9", u"9", false, 1000000},
        {308, u"9", u"", false, 1000000},     {401, u"9", u"9", true, 1000000},
        {402, u"9", u"9", true, 1000000},     {403, u"9", u"9", false, 1000000},
        {404, u"9", u"9", false, 1000000},    {501, u"15", u"", false, 1000000},
        {502, u"6", u"6", false, 1000000},    {601, u"Litre", u"Ondalık Sayı", false, 1000000},
        {602, u"Metre", u"", false, 1000000}, {603, u"", u"", false, 1000000},
    };
    std::printf("%-6s %12s %14s %12s\n", "kind", "exercises", "exercises/s", "ns/exercise");
    double ours105 = 0;
    for (const KindCase& c : cases) {
        RandomDraw random;
        random.seed(1222833600);
        const FixedTextFields fields(QString::number(c.exercises), QString::fromUtf16(c.first),
                                     QString::fromUtf16(c.second), c.checked);
        QElapsedTimer timer;
        timer.start();
        writeTextWorksheet(c.kind, fields, random, path);
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (c.kind == 105) ours105 = seconds;
        std::printf("%-6d %12d %14.0f %12.1f\n", c.kind, c.exercises, c.exercises / seconds,
                    seconds * 1e9 / c.exercises);
    }

    RandomDraw random;
    random.seed(1222833600);
    std::vector<char> buffer(200u * 1000000u);
    const double baseline = cLoop105(random.low(), 1000000, buffer);
    std::printf("\nkind 105, K = 9, E = 9, 1 000 000 exercises:\n");
    std::printf("  zarvik (to a file):       %.3f s (%.0f ns per exercise)\n", ours105,
                ours105 * 1e3);
    std::printf("  minimal C loop (buffer):  %.3f s (%.0f ns per exercise)\n", baseline,
                baseline * 1e3);
    std::printf("  ratio: %.2f\n", ours105 / baseline);

    // The baseline must have made exactly what zarvik wrote.
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "rb");
    if (file) {
        RandomDraw again;
        again.seed(1222833600);
        writeTextWorksheet(105, FixedTextFields(u"1000000"_qs, u"9"_qs, u"9"_qs), again, path);
        std::fclose(file);
        file = std::fopen(path.toLocal8Bit().constData(), "rb");
        std::vector<char> written(buffer.size() + 1);
        const size_t size = std::fread(written.data(), 1, written.size(), file);
        std::fclose(file);
        const bool same =
            size == buffer.size() && std::memcmp(written.data(), buffer.data(), size) == 0;
        std::printf("  same bytes as the baseline: %s\n", same ? "yes" : "NO");
    }
    std::remove(path.toLocal8Bit().constData());
    return 0;
}
