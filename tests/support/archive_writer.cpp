// Appends records to an archive from its own process, for the tests of two
// copies of the program sharing one folder.
// Usage: archive_writer <file> <tag> <count>
#include <cstdio>
#include <cstdlib>

#include <QString>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"

using namespace orvelia;

int main(int argc, char* argv[]) {
    if (argc != 4)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString tag = QString::fromLocal8Bit(argv[2]);
    const int n = std::atoi(argv[3]);
    for (int i = 0; i < n; ++i) {
        Record r(TSchedaLavoro::layout);
        r[TSchedaLavoro::Cognome] = tag;
        r[TSchedaLavoro::Nome] = QString::number(i);
        r[TSchedaLavoro::Note] = QString(240, QChar(u'a' + i % 26));
        const auto k = archive::append(path, r);
        if (!k) {
            std::fprintf(stderr, "append %d: %s\n", i, describe(k.error()));
            return 1;
        }
    }
    return 0;
}
