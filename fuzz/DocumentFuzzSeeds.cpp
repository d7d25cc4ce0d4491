// Writes the seed documents of the reader's fuzz target into the folder named
// on the command line: the round-trip documents, the hand-written one and the
// hand-written files of the oldest generations, damaged ones included, and a
// document in the long frame.
#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "tests/document/LargeDocuments.h"
#include "tests/document/OldDocuments.h"
#include "tests/document/SampleDocuments.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: document_fuzz_seeds FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
    };
    FrameCount = SampleFrameCount;
    FramesPerSecond = SampleFramesPerSecond;
    for (const SampleDocument& sample : RoundTripDocuments()) {
        const std::string text = ComposeDocumentText(sample.documentKind, SceneOf(sample.graphs), SampleAxes());
        write(sample.name + ".pgp", FrameDocumentText(Utf8ToGbkLenient(text)));
    }
    // A surface table of 50 by 50 points: some 75 KB, the long frame.
    const Cls8 large = SceneOf({LargestDistinctTable(1, 50, 50)});
    write("large.pgp", FrameDocumentText(Utf8ToGbkLenient(ComposeDocumentText(3, large, SampleAxes()))));
    write("handwritten.pgp", HandWrittenDocument());
    int n = 0;
    for (const OldDocumentFixture& old : OldDocumentFixtures()) write("old-" + std::to_string(++n) + ".pgp", old.bytes);
    return 0;
}
