// cantrix-save-helper TARGET NEW-CONTENTS: replaces TARGET with the bytes of the file
// NEW-CONTENTS the way the program saves, so that a test may kill it or fail its system calls
// part-way. Prints why the save failed, and ends with status 1, when it did.
#include <cstdio>

#include <QFile>

#include "files/wholefile.h"

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: cantrix-save-helper TARGET NEW-CONTENTS\n", stderr);
        return 2;
    }
    const WholeFile::Contents contents = WholeFile::readNative(argv[2], qint64(1) << 30);
    if (!contents.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(contents.error));
        return 2;
    }
    if (const std::optional<QString> reason = WholeFile::replace(QFile::decodeName(argv[1]), contents.bytes)) {
        std::fprintf(stderr, "%s\n", qPrintable(*reason));
        return 1;
    }
    return 0;
}
