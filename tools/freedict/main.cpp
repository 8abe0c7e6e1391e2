// Build-time import of the program's dictionaries into TranslateDeGb of the program folder.
#include "DictionarySet.h"

#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fputs("Aufruf: ortelia_dictionary_import DICTD-ORDNER TRANS-DATEI FORMENTABELLE FUNKTIONSWÖRTER "
                   "ZIELORDNER\n",
                   stderr);
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    const QString error = ortelia::importDictionarySet(
        QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
        QString::fromLocal8Bit(argv[4]), QString::fromLocal8Bit(argv[5]));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    std::printf("Wörterbücher in %.1f s importiert.\n", double(timer.elapsed()) / 1000.0);
    return 0;
}
