#include "platform/ShownLine.h"

QString ShownLine(QStringView line) {
    if (line.size() <= MostShownLineCharacters) return line.toString();
    qsizetype cut = MostShownLineCharacters;
    if (line[cut - 1].isHighSurrogate()) --cut;
    return line.left(cut).toString() + QChar(0x2026);
}
